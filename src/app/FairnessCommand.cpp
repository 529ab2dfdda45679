#include "app/FairnessCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"

#include "report/FairnessReport.h"
#include "report/ReportError.h"
#include "roster/FairnessModel.h"
#include "store/Database.h"
#include "store/Error.h"
#include "store/RankList.h"
#include "store/ScratchFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <cmath>
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

QString number(double v)
{
    return std::fmod(v, 1.0) == 0 ? QString::number(qint64(v)) : QString::number(v, 'f', 1);
}

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

QString counters(const QList<FairnessModel::SoldierCounter> &list)
{
    QStringList out;
    for (const auto &s : list)
        out.append(u"%1 (%2)"_s.arg(s.name).arg(s.counter));
    return out.join(u"; "_s);
}

// RFC 4180: fields with a comma, a quote or a line break are quoted, a quote
// doubled; records end with CR LF.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

QByteArray csv(const QList<QStringList> &records)
{
    QString text;
    for (const QStringList &record : records) {
        QStringList fields;
        for (const QString &f : record)
            fields.append(csvField(f));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

QByteArray dutiesCsv(const FairnessModel &model)
{
    QStringList header{u"Duty"_s, u"Organization"_s, u"Soldiers"_s};
    for (const QString &c : {u"Normal"_s, u"Holiday"_s})
        for (const QString &f : {u"minimum"_s, u"median"_s, u"mean"_s, u"maximum"_s, u"spread"_s,
                                 u"above minimum"_s, u"next in line"_s})
            header.append(c + u' ' + f);
    QList<QStringList> records{header};
    for (const auto &d : model.duties()) {
        QStringList r{d.name, d.organization, QString::number(d.normal.soldiers)};
        for (const auto *f : {&d.normal, &d.holiday}) {
            if (f->soldiers == 0) {
                r << QString() << QString() << QString() << QString() << QString() << QString() << QString();
                continue;
            }
            r << QString::number(f->minimum) << number(f->median) << QString::number(f->mean, 'f', 2)
              << QString::number(f->maximum) << QString::number(f->spread()) << counters(f->aboveMinimum)
              << counters(f->nextInLine);
        }
        records.append(r);
    }
    return csv(records);
}

QByteArray soldiersCsv(const FairnessModel &model)
{
    QList<QStringList> records{{u"Soldier"_s, u"Rank"_s, u"Section"_s, u"Duties"_s, u"Normal"_s, u"Holiday"_s,
                                u"Total"_s, u"Assignment dates"_s}};
    for (const auto &s : model.soldiers()) {
        QStringList dates;
        for (const auto &[from, to] : s.dates)
            dates.append(from.toString(Qt::ISODate) + u'/' + to.toString(Qt::ISODate));
        records.append({s.name, rankAbbreviation(s.rank), s.section, QString::number(s.duties),
                        QString::number(s.normal), QString::number(s.holiday), QString::number(s.total()),
                        dates.join(u"; "_s)});
    }
    return csv(records);
}

// One line per duty, then the unit's two findings.
void printTable(const FairnessModel &model)
{
    // Every name whole: duties that differ only late in their names stay apart.
    qsizetype nameWidth = 4;
    for (const auto &d : model.duties())
        nameWidth = std::max(nameWidth, shown(d.name).size());
    const auto range = [](const FairnessModel::Figures &f) {
        return f.soldiers == 0 ? u"-"_s : u"%1/%2/%3"_s.arg(f.minimum).arg(number(f.median)).arg(f.maximum);
    };
    out() << u"Duty"_s.leftJustified(nameWidth) << "  Soldiers  Normal min/med/max  Spread"
          << "  Holiday min/med/max  Spread  Next in line\n";
    for (const auto &d : model.duties()) {
        QStringList next;
        for (const auto &s : d.normal.nextInLine)
            next.append(shown(s.name));
        out() << shown(d.name).leftJustified(nameWidth) << "  "
              << QString::number(d.normal.soldiers).rightJustified(8) << "  "
              << range(d.normal).rightJustified(18) << "  "
              << (d.normal.soldiers ? QString::number(d.normal.spread()) : u"-"_s).rightJustified(6) << "  "
              << range(d.holiday).rightJustified(19) << "  "
              << (d.holiday.soldiers ? QString::number(d.holiday.spread()) : u"-"_s).rightJustified(6) << "  "
              << next.join(u"; "_s) << "\n";
    }
    QStringList widest;
    for (DayClass c : {DayClass::Normal, DayClass::Holiday})
        if (const int i = model.widestDuty(c); i >= 0)
            widest.append(u"%1 (%2 %3)"_s.arg(
                shown(model.duties()[size_t(i)].name), c == DayClass::Holiday ? u"holiday"_s : u"normal"_s,
                QString::number(model.duties()[size_t(i)].figures(c).spread())));
    if (!widest.isEmpty())
        out() << "Largest spread: " << widest.join(u"; "_s) << "\n";
    QStringList idle;
    for (const QString &name : model.soldiersWithoutDuty())
        idle.append(shown(name));
    out() << "Qualified, yet without any duty: "
          << (idle.isEmpty() ? u"none"_s : u"%1: %2"_s.arg(idle.size()).arg(idle.join(u"; "_s))) << "\n";
    out().flush();
}

} // namespace

QString soldiersCsvPath(const QString &csvPath)
{
    const QFileInfo info(csvPath);
    const QString stem =
        info.suffix().compare(u"csv"_s, Qt::CaseInsensitive) == 0 ? info.completeBaseName() : info.fileName();
    return info.dir().filePath(stem + u"-soldiers.csv"_s);
}

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Show how evenly the duties fall: per duty the qualified soldiers, the lowest, median and "
        "highest counter, normal and holiday, and who is next in line; per soldier the totals. "
        "Without --csv or --pdf a table goes to standard output."_s);
    const QCommandLineOption data(u"data"_s, u"The unit folder (default: the current folder)."_s, u"DIR"_s);
    const QCommandLineOption csvOption(
        u"csv"_s, u"Write the duties into OUT.csv and the soldiers into OUT-soldiers.csv."_s, u"OUT.csv"_s);
    const QCommandLineOption pdf(u"pdf"_s, u"Write the fairness report with its charts into OUT.pdf."_s,
                                 u"OUT.pdf"_s);
    const QCommandLineOption replace(u"replace"_s, u"Replace files that exist."_s);
    parser.addOptions({data, csvOption, pdf, replace});
    if (const int status =
            parse(parser, arguments, u"fairness [--data DIR] [--csv OUT.csv] [--pdf OUT.pdf] [--replace]"_s);
        status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"fairness takes no file name; give --csv OUT.csv or --pdf OUT.pdf"_s);
    for (const QCommandLineOption *o : {&data, &csvOption, &pdf})
        if (parser.isSet(*o) && parser.value(*o).isEmpty())
            return usageError(u"--%1 needs a name"_s.arg(o->names().constFirst()));
    const UnitFolder folder(parser.isSet(data) ? QDir(parser.value(data)).absolutePath()
                                               : QDir::currentPath());

    QStringList targets;
    if (parser.isSet(csvOption))
        targets << QFileInfo(parser.value(csvOption)).absoluteFilePath()
                << QFileInfo(soldiersCsvPath(parser.value(csvOption))).absoluteFilePath();
    if (parser.isSet(pdf))
        targets << QFileInfo(parser.value(pdf)).absoluteFilePath();
    if (targets.size() != QSet<QString>(targets.begin(), targets.end()).size())
        return usageError(u"--csv and --pdf must name different files"_s);
    for (const QString &t : targets)
        if (folder.isOwnFile(t))
            return failure(u"'%1' is one of the unit's own files; choose another name."_s.arg(
                QDir::toNativeSeparators(t)));
    // Nothing is written unless everything may be.
    for (const QString &t : targets) {
        if (QFileInfo::exists(t) && !parser.isSet(replace)) {
            err() << "QUESTION: " << QDir::toNativeSeparators(t)
                  << " already exists. Replace? No (give --replace to replace it)\n";
            err().flush();
            return 4;
        }
    }

    try {
        const auto model = std::make_shared<const FairnessModel>(
            FairnessModel::read(Database::openReadOnly(folder.personnelPath(), FileKind::Personnel),
                                Database::openReadOnly(folder.workingPath(), FileKind::Working)));
        if (targets.isEmpty()) {
            printTable(*model);
            return 0;
        }
        if (parser.isSet(csvOption)) {
            const std::pair<QString, QByteArray> files[] = {{targets[0], dutiesCsv(*model)},
                                                            {targets[1], soldiersCsv(*model)}};
            for (const auto &[path, bytes] : files) {
                ScratchFile file(path);
                file.write(bytes);
                file.putInPlace();
                out() << "wrote " << QDir::toNativeSeparators(path) << "\n";
            }
        }
        if (parser.isSet(pdf)) {
            FairnessReport(model, QDir(folder.dir()).dirName(), QDate::currentDate())
                .writePdf(targets.constLast(), QPageSize(QPageSize::A4));
            out() << "wrote " << QDir::toNativeSeparators(targets.constLast()) << "\n";
        }
        out().flush();
        return 0;
    } catch (const Error &e) {
        out().flush();
        return failure(NoticeText::text(e).replace(u'\n', u' '));
    } catch (const std::bad_alloc &) {
        return failure(u"The fairness report needs more memory than there is."_s);
    }
}

} // namespace calendrix::FairnessCommand
