#include "ReportEngine.h"

#include "ReportError.h"
#include "RosterData.h"
#include "TemplateValues.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

Report ReportEngine::run() const
{
    if (m_layoutFile.isEmpty())
        throw ReportError(u"No layout is set."_s);
    ReportLayout layout = ReportLayout::load(m_layoutFile);
    const QString dataPath = m_dataFiles.value(layout.dataFile());
    if (dataPath.isEmpty())
        throw ReportError(u"The layout '%1' reads data file %2, which is not set."_s.arg(m_layoutFile)
                              .arg(layout.dataFile()));
    const RosterData roster = RosterData::read(dataPath);
    const TemplateValues values = TemplateValues::fromRoster(
        roster, dataPath, m_printedOn.isValid() ? m_printedOn : QDate::currentDate());
    QString html = layout.renderPage(values);
    return Report(std::move(layout), values, std::move(html));
}

} // namespace calendrix
