#include "main/UserDialogs.h"

#include "app/NoticeText.h"
#include "main/ErrorDisplay.h"
#include "main/ReportPreview.h"
#include "report/Report.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QTreeView>

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

// Qt sizes a file dialog's Size and Type columns for "128.88 GB" and
// "mp3Folder", which cuts "200.0 KiB" and "SQLite3 database"; they are
// widened where the clerk has not made them wide enough, and the dialog
// made as wide as a 1024x768 screen allows.
void giveRoom(QFileDialog &dialog)
{
    const QFontMetrics metrics(dialog.font());
    const int margins = 24;
    if (auto *view = dialog.findChild<QTreeView *>(u"treeView"_s)) {
        QHeaderView *header = view->header();
        const QString widest[] = {u"1023.99 KiB"_s, u"SQLite3 database"_s, u"10 Dec 2026 22:55:22"_s};
        for (int column = 1; column <= 3 && column < header->count(); ++column)
            header->resizeSection(column, qMax(header->sectionSize(column),
                                               metrics.horizontalAdvance(widest[column - 1]) + margins));
    }
    const QRect screen = dialog.screen() ? dialog.screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    dialog.resize(qMin(qMax(dialog.width(), 900), screen.width() - 40),
                  qMin(dialog.height(), screen.height() - 60));
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
    else if (kind == Messenger::Kind::Warning)
        icon = QMessageBox::Warning;
    else if (kind == Messenger::Kind::Error)
        icon = QMessageBox::Critical;
    // A plain message has no title word; the box still needs a title.
    const QString title =
        kind == Messenger::Kind::Plain ? QApplication::applicationName() : NoticeText::title(kind);
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    giveRoom(box);
    box.exec();
}

bool WidgetDialogs::ask(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, tr("QUESTION"), question, QMessageBox::Yes | QMessageBox::No,
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
    giveRoom(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString WidgetDialogs::openFileName(QWidget *parent, const QString &filter, const QString &initial,
                                    const QString &folder)
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(initial);
    giveRoom(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void WidgetDialogs::previewReport(QWidget *parent, const Report &report)
{
    preview(parent, report, {});
}

bool WidgetDialogs::previewDraft(QWidget *parent, const Report &report,
                                 const std::function<bool(QWidget *)> &readyToCount)
{
    bool count = false;
    preview(parent, report, [&count, &readyToCount](ReportPreview &dialog) {
        QToolBar *bar = dialog.toolBar();
        QAction *action = new QAction(tr("&Make It Count"), &dialog);
        action->setObjectName(u"MakeItCount"_s);
        action->setShortcut(QKeySequence::mnemonic(action->text()));
        action->setToolTip(tr("Make this roster again as one that counts, into a file of your choice"));
        QObject::connect(action, &QAction::triggered, &dialog, [&count, &dialog, &readyToCount] {
            if (!readyToCount(&dialog))
                return;
            count = true;
            dialog.accept();
        });
        bar->addSeparator();
        bar->addAction(action);
        if (QWidget *button = bar->widgetForAction(action))
            button->setObjectName(u"MakeItCountButton"_s);
    });
    return count;
}

void WidgetDialogs::preview(QWidget *parent, const Report &report,
                            const std::function<void(ReportPreview &)> &addActions)
{
    ReportPreview dialog(report, parent);
    if (addActions)
        addActions(dialog);
    dialog.exec();
    // A layout that cannot be filled in closed the preview; said once it is gone.
    if (!dialog.failure().isEmpty())
        ErrorDisplay::show(parent, dialog.failure());
}

QString WidgetDialogs::folderName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

bool WidgetDialogs::choosePrinter(QWidget *parent, QPrinter &printer, const QString &title)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace calendrix
