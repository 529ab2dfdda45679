#include "main/UserDialogs.h"

#include "main/ErrorDisplay.h"
#include "report/Report.h"
#include "store/Error.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
UserDialogs *current = nullptr;

// A short message such as "Finished" would make a box too narrow for its own
// title beside the window's buttons.
void giveRoom(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = qMax(320, box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
} // namespace

UserDialogs &UserDialogs::instance()
{
    static WidgetDialogs real;
    return current ? *current : real;
}

void UserDialogs::setInstance(UserDialogs *dialogs)
{
    current = dialogs;
}

void WidgetDialogs::inform(QWidget *parent, Messenger::Kind kind, const QString &text)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (kind == Messenger::Kind::Information)
        icon = QMessageBox::Information;
    else if (kind == Messenger::Kind::Error)
        icon = QMessageBox::Critical;
    // A plain message has no title word; the box still needs a title.
    const QString title =
        kind == Messenger::Kind::Plain ? QApplication::applicationName() : Messenger::title(kind);
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    giveRoom(box);
    box.exec();
}

bool WidgetDialogs::ask(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, u"QUESTION"_s, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    giveRoom(box);
    return box.exec() == QMessageBox::Yes;
}

int WidgetDialogs::choose(QWidget *parent, const QString &title, const QString &text,
                          const QStringList &buttons)
{
    // Only a failure's choices carry the error icon; a choice of format is a question.
    QMessageBox box(title == u"ERROR" ? QMessageBox::Critical : QMessageBox::Question, title, text,
                    QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (const QString &b : buttons)
        added.append(box.addButton(b, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole));
    box.addButton(QMessageBox::Cancel);
    giveRoom(box);
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

QString WidgetDialogs::saveFileName(QWidget *parent, const QString &filter, const QString &initial)
{
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix of the filter's first pattern: "Spreadsheets (*.xlsx)" gives xlsx.
    const qsizetype star = filter.indexOf(u"*."_s);
    dialog.setDefaultSuffix(star < 0 ? u"cxr"_s
                                     : filter.mid(star + 2).section(u')', 0, 0).section(u' ', 0, 0));
    dialog.selectFile(initial);
    // The replace question is the program's own, asked after the dialog.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString WidgetDialogs::openFileName(QWidget *parent, const QString &filter, const QString &initial,
                                    const QString &folder)
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(initial);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void WidgetDialogs::previewReport(QWidget *parent, const Report &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title());
    report.applyPageSetup(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    QString failure;
    dialog.setObjectName(u"PrintPreview"_s);
    dialog.setWindowTitle(u"Print Preview \u2013 "_s + report.title());
    // The preview paints again whenever the user changes the page setup.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        // A section filled in beyond what a layout may be stops the preview
        // with one message, after it closes. Nothing may leave this handler
        // by an exception: the event loop would end the program.
        try {
            // A large unit's roster takes a while; the clerk sees how far it
            // is and may stop with the pages laid out so far.
            QProgressDialog progress(u"Laying out %1..."_s.arg(report.title()), u"Stop"_s, 0,
                                     report.sectionCount(), parent);
            progress.setWindowTitle(u"Calendrix"_s);
            progress.setWindowModality(Qt::WindowModal);
            progress.setMinimumDuration(700);
            QPainter painter(target);
            report.paint(painter, *target, [&progress](int done, int) {
                progress.setValue(done);
                return !progress.wasCanceled();
            });
        } catch (const Error &e) {
            failure = ErrorDisplay::message(e);
        } catch (const std::bad_alloc &) {
            failure = u"The layout '%1' needs more memory than there is."_s.arg(report.layoutPath());
        } catch (const std::exception &e) {
            failure = u"The layout '%1' cannot be used: %2."_s.arg(report.layoutPath(),
                                                                   QString::fromLocal8Bit(e.what()));
        } catch (...) {
            failure = u"The layout '%1' cannot be used."_s.arg(report.layoutPath());
        }
        if (!failure.isEmpty())
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
    });
    dialog.resize(1100, 800);
    dialog.exec();
    if (!failure.isEmpty())
        inform(parent, Messenger::Kind::Error, failure);
}

QString WidgetDialogs::folderName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

} // namespace calendrix
