#include "report/ReportFont.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

QFont reportFont(double points, const QString &family)
{
    // DejaVu Sans is what the layouts were measured with; the others share
    // the metrics of Arial or Helvetica, a little narrower. The package
    // depends on fonts-dejavu-core or fonts-liberation2 (packaging/
    // CMakeLists.txt): a package offered there must bring one of these.
    QStringList families{u"DejaVu Sans"_s, u"Liberation Sans"_s, u"Arimo"_s,    u"Arial"_s,
                         u"Nimbus Sans"_s, u"FreeSans"_s,        u"Helvetica"_s};
    if (!family.isEmpty()) {
        families.removeAll(family);
        families.prepend(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

} // namespace calendrix
