#include "report/ReportEngine.h"

#include "report/ReportError.h"
#include "report/RosterData.h"

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
    auto roster = std::make_shared<const RosterData>(RosterData::read(dataPath));
    return Report(std::move(layout), std::move(roster), dataPath, QDate::currentDate());
}

} // namespace calendrix
