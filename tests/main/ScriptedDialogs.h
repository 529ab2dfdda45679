#pragma once

// Answers the windows' questions from a script and records what they said,
// so that no test waits on a modal window.

#include "main/UserDialogs.h"
#include "report/Report.h"

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <functional>

namespace calendrix::test {

class ScriptedDialogs : public UserDialogs
{
public:
    struct Shown {
        Messenger::Kind kind;
        QString text;
    };
    QList<Shown> shown;
    QStringList questions;
    QList<bool> answers;   // for ask(); No when empty
    QList<int> choices;    // for choose(); -1 when empty
    QStringList fileNames; // for the file and folder dialogs; "" (cancel) when empty

    ScriptedDialogs() { UserDialogs::setInstance(this); }
    ~ScriptedDialogs() override { UserDialogs::setInstance(nullptr); }

    // Messages also come up as the real, modal boxes: for what keys typed meanwhile do.
    bool realMessageBoxes = false;
    void inform(QWidget *parent, Messenger::Kind kind, const QString &text) override
    {
        shown.append({kind, text});
        if (realMessageBoxes)
            WidgetDialogs().inform(parent, kind, text);
    }
    bool ask(QWidget *, const QString &question) override
    {
        questions.append(question);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    int choose(QWidget *, const QString &, const QString &text, const QStringList &) override
    {
        shown.append({Messenger::Kind::Error, text});
        return choices.isEmpty() ? -1 : choices.takeFirst();
    }
    QStringList offeredNames; // what the save dialogs proposed, in order
    QString saveFileName(QWidget *, const QString &, const QString &initial) override
    {
        offeredNames.append(initial);
        return next();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return next();
    }
    QString folderName(QWidget *, const QString &, const QString &) override { return next(); }
    QStringList printFiles; // for the print dialog: "Print to File" into each; cancel when empty
    bool choosePrinter(QWidget *, QPrinter &printer, const QString &) override
    {
        if (printFiles.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFiles.takeFirst());
        return true;
    }
    // Previews are recorded by title with the report itself, in order.
    QStringList previewTitles;
    QList<Report> previews;
    void previewReport(QWidget *, const Report &report) override
    {
        previewTitles.append(report.title());
        previews.append(report);
    }

    // Drafts are previewed like any report; countDraft answers "Make It Count"
    // (No, that is Close, when empty) for as long as the preview stays open.
    QList<bool> countDraft;
    std::function<void()> whilePreviewing; // what happens while the preview is open
    bool previewDraft(QWidget *parent, const Report &report,
                      const std::function<bool(QWidget *)> &readyToCount) override
    {
        previewReport(parent, report);
        if (whilePreviewing)
            whilePreviewing();
        while (!countDraft.isEmpty() && countDraft.takeFirst())
            if (readyToCount(parent))
                return true;
        return false;
    }

    QStringList texts(Messenger::Kind kind) const
    {
        QStringList out;
        for (const Shown &s : shown)
            if (s.kind == kind)
                out.append(s.text);
        return out;
    }

private:
    QString next() { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

} // namespace calendrix::test
