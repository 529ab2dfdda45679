#include "main/PrintDestination.h"

#include "main/UserDialogs.h"

#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

PrintDestination PrintDestination::choose(QWidget *parent, QPrinter &printer, const QString &title)
{
    if (!UserDialogs::instance().choosePrinter(parent, printer, u"Print \u2013 "_s + title))
        return {};
    if (printer.outputFormat() == QPrinter::NativeFormat || printer.outputFileName().isEmpty())
        return {Kind::Printer, {}};
    PrintDestination destination{Kind::File, printer.outputFileName()};
    // Nothing painted on the printer may ever reach that file.
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    return destination;
}

} // namespace calendrix
