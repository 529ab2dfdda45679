#include "main/PrintDestination.h"

#include "app/NoticeText.h"
#include "main/UserDialogs.h"
#include "session/OutputResult.h"

#include <QDir>

#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

PrintDestination PrintDestination::choose(QWidget *parent, QPrinter &printer, const QString &title)
{
    if (!UserDialogs::instance().choosePrinter(parent, printer, tr("Print \u2013 %1").arg(title)))
        return {};
    if (printer.outputFormat() == QPrinter::NativeFormat || printer.outputFileName().isEmpty())
        return {Kind::Printer, {}};
    PrintDestination destination{Kind::File, printer.outputFileName()};
    // Nothing painted on the printer may ever reach that file.
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    return destination;
}

bool PrintDestination::mayWritePdf(QWidget *parent, const OutputResult &checked, bool askToReplace)
{
    UserDialogs &dialogs = UserDialogs::instance();
    if (checked.outcome == OutputResult::Outcome::Refused) {
        for (const Notice &notice : checked.notices)
            dialogs.inform(parent, Messenger::Kind::Error, NoticeText::text(notice));
        return false;
    }
    return checked.outcome != OutputResult::Outcome::Exists || !askToReplace ||
           dialogs.ask(
               parent,
               tr("%1 already exists. Replace?").arg(QDir::toNativeSeparators(checked.files.constFirst())));
}

} // namespace calendrix
