#include "app/FairnessCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"

#include "report/FairnessReport.h"
#include "session/FairnessTable.h"
#include "store/Error.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::FairnessCommand {

namespace {

using CommandLine::err;
using CommandLine::failure;
using CommandLine::out;
using CommandLine::parse;
using CommandLine::usageError;
using CommandLine::wroteFile;

// A name as one run of visible characters, so that each duty keeps its one
// line and two names never look alike: a tab, a line break or a bell would
// break the table's line or ring the terminal, and a backslash is doubled so
// that a written "\t" cannot pass for a tab.
QString shown(const QString &name)
{
    QString text;
    text.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'\\')
            text += u"\\\\"_s;
        else if (c == u'\t')
            text += u"\\t"_s;
        else if (c == u'\n')
            text += u"\\n"_s;
        else if (c == u'\r')
            text += u"\\r"_s;
        else if (c.category() == QChar::Other_Control)
            text += u"\\x%1"_s.arg(c.unicode(), 2, 16, QChar(u'0'));
        else if (c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
                 c.category() == QChar::Separator_Paragraph)
            text += u"\\u%1"_s.arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            text += c;
    }
    return text;
}

// One line per duty, then the unit's two findings.
void printTable(const FairnessModel &model)
{
    // Every name whole: duties that differ only late in their names stay apart.
    const QString duty = QCoreApplication::translate("CommandLine", "Duty");
    qsizetype nameWidth = duty.size();
    for (const auto &d : model.duties())
        nameWidth = std::max(nameWidth, shown(d.name).size());
    const auto range = [](const FairnessModel::Figures &f) {
        return f.soldiers == 0
                   ? u"-"_s
                   : u"%1/%2/%3"_s.arg(f.minimum).arg(FairnessReport::number(f.median)).arg(f.maximum);
    };
    // Each column is as wide as its heading, in whatever language it is.
    //: headings of the fairness table; the figures are lined up under them
    const QString soldiers = QCoreApplication::translate("CommandLine", "Soldiers");
    const QString normal = QCoreApplication::translate("CommandLine", "Normal min/med/max");
    const QString spread = QCoreApplication::translate("CommandLine", "Spread");
    const QString holiday = QCoreApplication::translate("CommandLine", "Holiday min/med/max");
    out() << duty.leftJustified(nameWidth) << "  " << soldiers << "  " << normal << "  " << spread << "  "
          << holiday << "  " << spread << "  " << QCoreApplication::translate("CommandLine", "Next in line")
          << "\n";
    for (const auto &d : model.duties()) {
        QStringList next;
        for (const auto &s : d.normal.nextInLine)
            next.append(shown(s.name));
        out()
            << shown(d.name).leftJustified(nameWidth) << "  "
            << QString::number(d.normal.soldiers).rightJustified(soldiers.size()) << "  "
            << range(d.normal).rightJustified(normal.size()) << "  "
            << (d.normal.soldiers ? QString::number(d.normal.spread()) : u"-"_s).rightJustified(spread.size())
            << "  " << range(d.holiday).rightJustified(holiday.size()) << "  "
            << (d.holiday.soldiers ? QString::number(d.holiday.spread()) : u"-"_s)
                   .rightJustified(spread.size())
            << "  " << next.join(u"; "_s) << "\n";
    }
    QStringList widest;
    for (DayClass c : {DayClass::Normal, DayClass::Holiday})
        if (const int i = model.widestDuty(c); i >= 0)
            //: %1 is a duty, %2 the spread of its counters
            widest.append((c == DayClass::Holiday
                               ? QCoreApplication::translate("CommandLine", "%1 (holiday %2)")
                               : QCoreApplication::translate("CommandLine", "%1 (normal %2)"))
                              .arg(shown(model.duties()[size_t(i)].name),
                                   QString::number(model.duties()[size_t(i)].figures(c).spread())));
    if (!widest.isEmpty())
        out() << QCoreApplication::translate("CommandLine", "Largest spread: %1").arg(widest.join(u"; "_s))
              << "\n";
    QStringList idle;
    for (const QString &name : model.soldiersWithoutDuty())
        idle.append(shown(name));
    out() << (idle.isEmpty()
                  ? QCoreApplication::translate("CommandLine", "Qualified, yet without any duty: none")
                  //: %1 is how many soldiers, %2 their names
                  : QCoreApplication::translate("CommandLine", "Qualified, yet without any duty: %1: %2")
                        .arg(QString::number(idle.size()), idle.join(u"; "_s)))
          << "\n";
    out().flush();
}

} // namespace

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Show how evenly the duties fall: per duty the qualified soldiers, the lowest, median and "
        "highest counter, normal and holiday, and who is next in line; per soldier the totals. "
        "Without --csv or --pdf a table goes to standard output."));
    const QCommandLineOption data = CommandLine::dataOption();
    const QCommandLineOption csvOption(
        u"csv"_s,
        QCoreApplication::translate("CommandLine",
                                    "Write the duties into OUT.csv and the soldiers into OUT-soldiers.csv."),
        u"OUT.csv"_s);
    const QCommandLineOption pdf(
        u"pdf"_s,
        QCoreApplication::translate("CommandLine", "Write the fairness report with its charts into OUT.pdf."),
        u"OUT.pdf"_s);
    const QCommandLineOption replace(u"replace"_s,
                                     QCoreApplication::translate("CommandLine", "Replace files that exist."));
    parser.addOptions({data, csvOption, pdf, replace});
    if (const int status =
            parse(parser, arguments, u"fairness [--data DIR] [--csv OUT.csv] [--pdf OUT.pdf] [--replace]"_s);
        status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate(
            "CommandLine", "fairness takes no file name; give --csv OUT.csv or --pdf OUT.pdf"));
    for (const QCommandLineOption *o : {&data, &csvOption, &pdf})
        if (parser.isSet(*o) && parser.value(*o).isEmpty())
            return usageError(
                QCoreApplication::translate("CommandLine", "--%1 needs a name").arg(o->names().constFirst()));
    const UnitFolder folder(parser.isSet(data) ? QDir(parser.value(data)).absolutePath()
                                               : QDir::currentPath());

    QStringList targets;
    if (parser.isSet(csvOption))
        targets << QFileInfo(parser.value(csvOption)).absoluteFilePath()
                << QFileInfo(FairnessTable::soldiersCsvPath(parser.value(csvOption))).absoluteFilePath();
    if (parser.isSet(pdf))
        targets << QFileInfo(parser.value(pdf)).absoluteFilePath();
    if (targets.size() != QSet<QString>(targets.begin(), targets.end()).size())
        return usageError(
            QCoreApplication::translate("CommandLine", "--csv and --pdf must name different files"));
    // Nothing is written unless everything may be.
    const OutputResult checked = FairnessTable::check(folder, targets);
    if (checked.outcome == OutputResult::Outcome::Refused)
        return failure(NoticeText::text(checked.notices.constFirst()));
    if (checked.outcome == OutputResult::Outcome::Exists && !parser.isSet(replace)) {
        err() << QCoreApplication::translate(
                     "CommandLine", "QUESTION: %1 already exists. Replace? No (give --replace to replace it)")
                     .arg(QDir::toNativeSeparators(checked.files.constFirst()))
              << "\n";
        err().flush();
        return 4;
    }

    try {
        const auto model = FairnessTable::read(folder);
        if (targets.isEmpty()) {
            printTable(*model);
            return 0;
        }
        const FairnessTable table(folder, model, QDir(folder.dir()).dirName());
        // What was written is told before what stopped the rest.
        const auto told = [](const OutputResult &result) {
            for (const QString &path : result.files)
                out() << wroteFile(path) << "\n";
            out().flush();
            if (result.error)
                return failure(NoticeText::text(*result.error).replace(u'\n', u' '));
            if (result.outcome == OutputResult::Outcome::Refused)
                return failure(NoticeText::text(result.notices.constFirst()));
            return -1;
        };
        if (parser.isSet(csvOption))
            if (const int status = told(table.writeCsv(targets[0])); status >= 0)
                return status;
        if (parser.isSet(pdf))
            if (const int status = told(table.writePdf(targets.constLast())); status >= 0)
                return status;
        return 0;
    } catch (const Error &e) {
        out().flush();
        return failure(NoticeText::text(e).replace(u'\n', u' '));
    } catch (const std::bad_alloc &) {
        return failure(QCoreApplication::translate("CommandLine",
                                                   "The fairness report needs more memory than there is."));
    }
}

} // namespace calendrix::FairnessCommand
