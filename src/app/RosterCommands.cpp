#include "app/RosterCommands.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "session/RosterChange.h"
#include "session/UnitSession.h"
#include "store/RankList.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

// What every one of these commands reads alike: the datafile, the duty, the
// period (by its number or a day in it) and the unit folder.
struct Target {
    QString datafile, duty, dir;
    RosterChange::Which which;
};

struct Options {
    QCommandLineOption data = dataOption();
    QCommandLineOption duty{u"duty"_s,
                            QCoreApplication::translate("CommandLine", "The duty, as the roster names it."),
                            u"NAME"_s};
    QCommandLineOption period{
        u"period"_s,
        QCoreApplication::translate("CommandLine", "The period: its column on the roster, from 1."), u"N"_s};
    QCommandLineOption day{
        u"day"_s, QCoreApplication::translate("CommandLine", "The period that holds this day (YYYY-MM-DD)."),
        u"DATE"_s};
    QCommandLineOption reason{
        u"reason"_s, QCoreApplication::translate("CommandLine", "Why, as the roster's remarks will tell it."),
        u"TEXT"_s};
};

// -1 to go on, else the exit status.
int readTarget(QCommandLineParser &parser, const Options &o, const QString &syntax, bool dayAllowed,
               Target *t)
{
    if (parser.positionalArguments().size() != 1)
        return usageError(
            QCoreApplication::translate("CommandLine", "give one roster datafile: calendrix %1").arg(syntax));
    t->datafile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    t->duty = parser.value(o.duty).trimmed();
    if (t->duty.isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "give the duty: --duty NAME"));
    if (parser.isSet(o.period) == (dayAllowed && parser.isSet(o.day)))
        return usageError(dayAllowed
                              ? QCoreApplication::translate(
                                    "CommandLine", "give the period either by --period N or by --day DATE")
                              : QCoreApplication::translate("CommandLine", "give the period: --period N"));
    if (parser.isSet(o.period)) {
        bool ok = false;
        t->which.column = parser.value(o.period).toInt(&ok);
        if (!ok || t->which.column < 1)
            return usageError(
                QCoreApplication::translate("CommandLine", "--period takes a column number from 1"));
    } else {
        t->which.day = QDate::fromString(parser.value(o.day), Qt::ISODate);
        if (!t->which.day.isValid())
            return usageError(QCoreApplication::translate("CommandLine", "--day takes a date as YYYY-MM-DD"));
    }
    if (const int status = dataFolder(parser, o.data, &t->dir); status >= 0)
        return status;
    if (!QFileInfo::exists(t->datafile))
        return failure(QCoreApplication::translate("CommandLine", "The roster datafile '%1' does not exist.")
                           .arg(QDir::toNativeSeparators(t->datafile)));
    return -1;
}

QString counterText(const Counter &c)
{
    return c ? QString::number(*c) : u"-"_s;
}

QString periodText(const RosterChange::Period &p)
{
    return QCoreApplication::translate("CommandLine", "duty '%1', period %2 (%3 to %4, %5)")
        .arg(p.duty, QString::number(p.column), NoticeText::day(p.from), NoticeText::day(p.to),
             p.dayClass == DayClass::Holiday ? QCoreApplication::translate("CommandLine", "holiday")
                                             : QCoreApplication::translate("CommandLine", "normal day"));
}

// Locks and checks the unit, makes the change and tells what came of it.
int change(const Target &t, const std::function<RosterChange::Changed(const RosterChange &)> &make)
{
    UnitSession session{UnitFolder(t.dir)};
    if (const int status = takeUnit(session); status >= 0)
        return status;
    const RosterChange::Changed changed = make(RosterChange(session.folder()));
    tell(changed.settled);
    using Outcome = RosterChange::Changed::Outcome;
    if (changed.outcome == Outcome::Failed)
        return failure(NoticeText::text(
            Notice::because({Notice::Kind::Error, NoticeCode::ChangeFailed, {}}, changed.error->notice())));
    if (changed.outcome == Outcome::Refused) {
        failure(NoticeText::text(*changed.refused));
        return 5;
    }
    for (qsizetype i = 0; i < changed.periods.size(); ++i)
        //: %1 is a duty's period, %2 the soldier taken off it, %3 the one who stands it now
        out() << QCoreApplication::translate("CommandLine", "%1: %2 off, %3 on")
                     .arg(periodText(changed.periods[i]), changed.soldiersOff[i], changed.periods[i].standing)
              << "\n";
    out() << (changed.draft
                  ? QCoreApplication::translate(
                        "CommandLine",
                        "Changed the draft; its counters are not kept, and no undo takes it back.")
                  : QCoreApplication::translate("CommandLine", "Changed; 'calendrix undo' takes it back."))
          << "\n";
    out().flush();
    return 0;
}

} // namespace

int runCandidates(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "List the soldiers qualified for a period of a duty on a roster, in the order the roster run "
        "would take them as the counters stand now: lowest counter of the period's day class, then the "
        "highest rank, then the name. Each line tells whether the soldier is free, and if not, why."));
    parser.addPositionalArgument(u"FILE.cxr"_s,
                                 QCoreApplication::translate("CommandLine", "The roster datafile."));
    const Options o;
    parser.addOptions({o.data, o.duty, o.period, o.day});
    const QString syntax = u"candidates FILE.cxr --duty NAME (--period N | --day DATE) [--data DIR]"_s;
    if (const int status = parse(parser, arguments, syntax); status >= 0)
        return status;
    Target t;
    if (const int status = readTarget(parser, o, syntax, true, &t); status >= 0)
        return status;
    // What a killed run or change left is settled first when the unit is not
    // open elsewhere; open, it was settled when it was opened.
    UnitSession session{UnitFolder(t.dir)};
    if (session.lock()) {
        const UnitSession::Settled settled = session.settle({QFileInfo(t.datafile).absolutePath()});
        tell(settled.notices);
        if (settled.error)
            return failure(*settled.error);
    }
    const RosterChange::Candidates c = RosterChange(session.folder()).candidates(t.datafile, t.duty, t.which);
    if (c.error)
        return failure(*c.error);
    if (c.refused) {
        failure(NoticeText::text(*c.refused));
        return 5;
    }
    out() << (c.draft ? QCoreApplication::translate("CommandLine", "%1, a draft").arg(periodText(c.period))
                      : periodText(c.period))
          << "\n";
    //: the headings of a table whose columns are separated by tabs: the soldier, his rank, his normal
    //: and his holiday counter, and whether he is free
    out() << QCoreApplication::translate("CommandLine", "Soldier\tRank\tCount\tHCount\tState") << "\n";
    for (const RosterChange::Candidate &r : c.rows)
        out() << r.soldier << '\t' << (r.rank.isEmpty() ? QString() : rankAbbreviation(r.rank)) << '\t'
              << counterText(r.count) << '\t' << counterText(r.holidayCount) << '\t'
              << (r.standing ? QCoreApplication::translate("CommandLine", "stands it")
                  : r.busy   ? NoticeText::text(*r.busy)
                             : QCoreApplication::translate("CommandLine", "free"))
              << "\n";
    out().flush();
    return 0;
}

int runReplace(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Take the soldier who stands a period of a duty off it and give it to the first free candidate "
        "(--next) or to the soldier named (--by). His counter of the period's day class goes down by one, "
        "the other's up by one, and the assignment dates and the roster follow."));
    parser.addPositionalArgument(u"FILE.cxr"_s,
                                 QCoreApplication::translate("CommandLine", "The roster datafile."));
    const Options o;
    const QCommandLineOption next(
        u"next"_s,
        QCoreApplication::translate("CommandLine", "Give the period to the first free candidate."));
    const QCommandLineOption by(
        u"by"_s, QCoreApplication::translate("CommandLine", "Give the period to this soldier."), u"NAME"_s);
    parser.addOptions({o.data, o.duty, o.period, o.day, next, by, o.reason});
    const QString syntax =
        u"replace FILE.cxr --duty NAME (--period N | --day DATE) (--next | --by NAME) [--reason TEXT] "
        "[--data DIR]"_s;
    if (const int status = parse(parser, arguments, syntax); status >= 0)
        return status;
    Target t;
    if (const int status = readTarget(parser, o, syntax, true, &t); status >= 0)
        return status;
    if (parser.isSet(next) == parser.isSet(by) || (parser.isSet(by) && parser.value(by).trimmed().isEmpty()))
        return usageError(QCoreApplication::translate("CommandLine", "give either --next or --by NAME"));
    return change(t, [&](const RosterChange &c) {
        return c.replace(t.datafile, t.duty, t.which, parser.isSet(by) ? parser.value(by) : QString(),
                         parser.value(o.reason));
    });
}

int runSwap(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "The soldiers of two periods of a duty trade them. Their counters change only where the two "
        "periods' day classes differ."));
    parser.addPositionalArgument(u"FILE.cxr"_s,
                                 QCoreApplication::translate("CommandLine", "The roster datafile."));
    const Options o;
    const QCommandLineOption with(
        u"with-period"_s,
        QCoreApplication::translate("CommandLine", "The other period: its column on the roster."), u"M"_s);
    parser.addOptions({o.data, o.duty, o.period, with, o.reason});
    const QString syntax =
        u"swap FILE.cxr --duty NAME --period N --with-period M [--reason TEXT] [--data DIR]"_s;
    if (const int status = parse(parser, arguments, syntax); status >= 0)
        return status;
    Target t;
    if (const int status = readTarget(parser, o, syntax, false, &t); status >= 0)
        return status;
    bool ok = false;
    const int other = parser.value(with).toInt(&ok);
    if (!ok || other < 1)
        return usageError(QCoreApplication::translate(
            "CommandLine", "give the other period: --with-period M, a column number from 1"));
    return change(t, [&](const RosterChange &c) {
        return c.swap(t.datafile, t.duty, t.which.column, other, parser.value(o.reason));
    });
}

} // namespace calendrix::CommandLine
