#include "session/RosterChange.h"

#include "roster/CounterPreparation.h"
#include "roster/RunInput.h"
#include "store/Database.h"
#include "store/Fields.h"
#include "store/RangeRows.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/RecoveryRecord.h"
#include "store/RunHistory.h"
#include "store/ScratchFile.h"
#include "store/TableAppender.h"
#include "store/TableReader.h"
#include "store/UnitSettling.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <bitset>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace S = Fields::Storeage;

struct RosterChange::Request {
    bool swap = false;
    QString duty;
    Which which;
    QString by; // replace: the soldier put on; empty for the first free candidate
    int otherColumn = 0;
    QString reason;
    QStringList seen; // who the clerk was shown standing each period; empty when not asked
};

namespace {

class Silent : public Messenger
{
public:
    void inform(const Notice &) override {}
    bool ask(const Notice &) override { return false; }
};

QString textOf(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString().trimmed();
}

QDate dateOf(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

QString day(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

Notice refusal(NoticeCode code, QStringList values)
{
    return {Notice::Kind::Error, code, std::move(values)};
}

// The one of names that typed stands for: itself, or else the one name it
// matches in another letter case. Any other name is left as it is, for the
// refusal to name.
QString nameAsSpelt(const QStringList &names, const QString &typed)
{
    if (names.contains(typed))
        return typed;
    QStringList alike;
    for (const QString &name : names)
        if (name.compare(typed, Qt::CaseInsensitive) == 0 && !alike.contains(name))
            alike.append(name);
    return alike.size() == 1 ? alike.constFirst() : typed;
}

// The duty as the datafile spells it.
QString dutyAsSpelt(const Database &datafile, const QString &typed)
{
    QStringList duties;
    RecordSet header(datafile, RecordSources::kRosterHeader);
    for (; !header.eof(); header.moveNext())
        duties.append(textOf(header.value(Fields::RosterHeader::DutyName)));
    return nameAsSpelt(duties, typed);
}

// A refusal where the change stops; what was read or begun is let go.
struct Refused {
    Notice notice;
};

// The unit as the run reads it: personnel, the counters of the duty changed
// as they stand (no other duty's move), and the assignment dates near the
// periods changed.
struct Unit {
    Silent messenger;
    RunState state{messenger, 0, 0};
    QHash<QString, int> soldierOf; // trimmed name -> state.soldiers
    QHash<QString, int> counterOf; // trimmed duty and soldier -> the first of their counter rows

    Unit(const Database &personnel, const Database &working, const QString &duty)
    {
        readPersonnel(state, personnel);
        readCountersOf(state, working, duty);
        for (int i = 0; i < int(state.soldiers.size()); ++i)
            soldierOf.insert(textOf(state.soldiers[i].name), i);
        indexCounters();
    }
    // A draft stored no counters, and a unit's first roster is often one:
    // its soldiers are then taken in the order of the counters as a run
    // would start from them now, a row for each soldier qualified for the
    // duty, new and zero counters at the duty's average. Writes nothing. A
    // duty no longer in the list keeps the rows stored.
    void countAsARunWould(const QString &duty)
    {
        std::vector<Duty> all;
        std::swap(all, state.duties);
        for (const Duty &d : all)
            if (textOf(d.name) == duty)
                state.duties.push_back(d);
        if (!state.duties.empty())
            CounterPreparation(state).prepareCounterRows();
        std::swap(all, state.duties);
        indexCounters();
    }
    void indexCounters()
    {
        counterOf.clear();
        for (int i = int(state.counters.size()) - 1; i >= 0; --i)
            if (!state.counters[i].deleted)
                counterOf.insert(
                    key(textOf(state.counters[i].soldierName), textOf(state.counters[i].dutyName)), i);
    }
    // The assignment dates that can make a soldier busy in one of periods:
    // those that overlap their days. The table grows with every run.
    void readDatesNear(const Database &working, const QList<RosterChange::Period> &periods)
    {
        QDate first, last;
        for (const RosterChange::Period &p : periods) {
            if (!first.isValid() || p.from < first)
                first = p.from;
            if (!last.isValid() || p.to > last)
                last = p.to;
        }
        if (first.isValid() && last.isValid())
            readTakenDates(state, working, first, last);
    }
    static QString key(const QString &soldier, const QString &duty) { return duty + u'\n' + soldier; }
    // The counter row of soldier and duty the run would find: the first in the table.
    int counterRow(const QString &soldier, const QString &duty) const
    {
        return counterOf.value(key(soldier, duty), -1);
    }
};

bool overlaps(const QDate &from, const QDate &to, const QDate &first, const QDate &last)
{
    return from.isValid() && to.isValid() && from <= last && to >= first;
}

// What a change of some periods of one duty needs of a datafile: each duty's
// periods, the rows of that duty's soldiers, and every period a soldier
// stands that shares a day with those periods. The other rows' other cells
// can make no soldier busy then, and a division's roster is too large to
// read whole for one period.
struct Roster {
    bool draft = false;
    QHash<QString, std::array<QPair<QDate, QDate>, kColumnLimit>> periods; // by trimmed duty
    // What the change needs of each row of the duty: its key, and its cells
    // and holiday flags in the columns read (the rest stay unset).
    struct Row {
        qint64 key = 0;
        std::bitset<kColumnLimit> assigned, holiday;
    };
    std::vector<Row> rows;
    QHash<QString, QHash<QString, int>> rowOf; // the duty -> soldier -> rows
    struct Assignment {
        QString duty;
        int column;
        QDate from, to;
    };
    // By soldier: the periods he stands, of any duty, that share a day with
    // the periods wanted.
    QHash<QString, QList<Assignment>> assignmentsOf;

    Roster(const Database &datafile, const RunState &unit, const QString &duty,
           const QList<RosterChange::Which> &wanted)
    {
        readPeriods(datafile, unit);
        QDate first, last;
        QList<int> columns;
        for (const RosterChange::Which &which : wanted) {
            const int c = columnOf(duty, which);
            if (c == 0)
                continue;
            columns.append(c);
            const auto [from, to] = periods.value(duty)[c - 1];
            if (!first.isValid() || from < first)
                first = from;
            if (!last.isValid() || to > last)
                last = to;
        }
        readRows(datafile, duty, columns, first, last);
    }

    // The column of the duty's period which names, or 0.
    int columnOf(const QString &duty, const RosterChange::Which &which) const
    {
        const auto columns = periods.constFind(duty);
        if (columns == periods.cend())
            return 0;
        for (int c = 1; c <= kColumnLimit; ++c) {
            const auto &[from, to] = (*columns)[c - 1];
            if (from.isValid() &&
                (which.column > 0 ? c == which.column : from <= which.day && which.day <= to))
                return c;
        }
        return 0;
    }

    void readPeriods(const Database &datafile, const RunState &unit)
    {
        namespace H = Fields::RosterHeader;
        RecordSet header(datafile, RecordSources::kRosterHeader);
        for (; !header.eof(); header.moveNext()) {
            if (textOf(header.value(H::Spare3)) == QString::fromUtf16(H::kDraftMark))
                draft = true;
            auto &columns = periods[textOf(header.value(H::DutyName))];
            for (int c = 1; c <= kColumnLimit; ++c)
                columns[c - 1].first = dateOf(header.value(H::date(c)));
        }
        // The last days: the periods table, or for a datafile made before it
        // the work schedule's period that starts on that day.
        QSet<QString> ended;
        if (datafile.hasTable(RecordSources::kPeriods)) {
            namespace P = Fields::Periods;
            RecordSet rows(datafile, RecordSources::kPeriods);
            for (; !rows.eof(); rows.moveNext()) {
                const QString duty = textOf(rows.value(P::DutyName));
                const int c = rows.value(P::Col).toInt();
                if (periods.contains(duty) && c >= 1 && c <= kColumnLimit) {
                    periods[duty][c - 1].second = dateOf(rows.value(P::To));
                    ended.insert(duty);
                }
            }
        }
        for (auto it = periods.begin(); it != periods.end(); ++it) {
            for (auto &[from, to] : it.value()) {
                if (!from.isValid() || to.isValid())
                    continue;
                for (const SchedulePeriod &p : unit.schedule)
                    if (textOf(p.dutyName) == it.key() && dateOf(p.from) == from)
                        to = dateOf(p.to);
                if (!to.isValid())
                    to = from;
            }
        }
    }

    // Of every row, the cells of its duty's periods that share a day with
    // first to last, and the holiday flags of the columns wanted.
    void readRows(const Database &datafile, const QString &wantedDuty, const QList<int> &wantedColumns,
                  const QDate &first, const QDate &last)
    {
        QHash<QString, QList<int>> nearOf; // by duty: its columns that share a day with first to last
        QList<int> fields{S::ID, S::DutyName, S::SoldierName};
        for (auto it = periods.cbegin(); it != periods.cend(); ++it)
            for (int c = 1; c <= kColumnLimit; ++c)
                if (overlaps(it.value()[c - 1].first, it.value()[c - 1].second, first, last)) {
                    nearOf[it.key()].append(c);
                    fields.append(S::cell(c));
                }
        for (const int c : wantedColumns)
            fields.append(S::holidayFlag(c));
        // The rows of a duty follow one another: its name is made into text
        // and its columns found when it changes.
        QByteArray lastName;
        bool lastWasText = false;
        QString duty;
        QList<int> near;
        const std::array<QPair<QDate, QDate>, kColumnLimit> *columns = nullptr;
        TableReader storeage(datafile, RecordSources::kStoreage, fields);
        while (storeage.next()) {
            const QByteArrayView name = storeage.utf8(S::DutyName);
            if (!lastWasText || name.isNull() || name != lastName) {
                duty = storeage.text(S::DutyName);
                lastWasText = !name.isNull();
                lastName = name.toByteArray();
                const auto found = periods.constFind(duty);
                columns = found == periods.cend() ? nullptr : &*found;
                near = nearOf.value(duty);
            }
            const bool wanted = duty == wantedDuty;
            Row row;
            for (const int c : std::as_const(near)) {
                const QByteArrayView cell = storeage.utf8(S::cell(c));
                row.assigned[c - 1] = !cell.isNull() && cell.trimmed() == "/.";
            }
            if (!wanted && row.assigned.none())
                continue;
            const QString soldier = storeage.text(S::SoldierName);
            if (soldier.isEmpty())
                continue;
            if (wanted) {
                row.key = storeage.value(S::ID).toLongLong();
                for (const int c : wantedColumns)
                    row.holiday[c - 1] = storeage.yesNo(S::holidayFlag(c));
                rowOf[duty].insert(soldier, int(rows.size()));
                rows.push_back(row);
            }
            for (const int c : std::as_const(near))
                if (row.assigned[c - 1])
                    assignmentsOf[soldier].append(
                        {duty, c, (*columns)[c - 1].first, (*columns)[c - 1].second});
        }
    }

    // Writes mark into a cell of the datafile attached to working, inside its transaction.
    void setCell(Database &working, int row, int column, const char16_t *mark)
    {
        static const TableLayout *layout = Layouts::table(FileKind::Roster, RecordSources::kStoreage);
        QSqlQuery &q = working.cachedQuery(u"UPDATE %1.\"%2\" SET \"%3\" = ? WHERE ID = ?"_s.arg(
            RunHistory::kDatafileSchema, layout->name, layout->fields[S::cell(column)].name));
        q.bindValue(0, QString::fromUtf16(mark));
        q.bindValue(1, rows[size_t(row)].key);
        if (!q.exec())
            throw storeErrorFrom(q.lastError(), working.fileOf(RunHistory::kDatafileSchema),
                                 NoticeCode::CannotSaveRow, {layout->name});
    }

    RosterChange::Period period(const QString &datafile, const QString &duty,
                                const RosterChange::Which &which) const
    {
        const auto columns = periods.constFind(duty);
        if (columns == periods.cend())
            throw Refused{refusal(NoticeCode::ChangeUnknownDuty, {duty, datafile})};
        RosterChange::Period p;
        p.duty = duty;
        if (const int c = columnOf(duty, which); c > 0)
            p = {duty, c, (*columns)[c - 1].first, (*columns)[c - 1].second, DayClass::Normal, {}};
        if (p.column == 0)
            throw Refused{
                which.column > 0
                    ? refusal(NoticeCode::ChangeUnknownPeriod, {duty, QString::number(which.column)})
                    : refusal(NoticeCode::ChangeNoPeriodOnDay, {duty, day(which.day)})};
        // The day class the run gave the period, which it wrote into every row of the duty.
        for (auto it = rowOf.value(duty).cbegin(); it != rowOf.value(duty).cend(); ++it) {
            if (rows[size_t(it.value())].holiday[size_t(p.column - 1)])
                p.dayClass = DayClass::Holiday;
            if (rows[size_t(it.value())].assigned[size_t(p.column - 1)])
                p.standing = it.key();
        }
        return p;
    }
};

// Why soldier cannot take period: absent then, or on a duty then; none when
// he is free. A period he gives away in the same change (a swap's) does not count.
std::optional<Notice> busyOf(const Unit &unit, const Roster &roster, const QString &soldier,
                             const RosterChange::Period &period, int givenAway = 0)
{
    const RunState &s = unit.state;
    const int counter = unit.counterRow(soldier, period.duty);
    const int person = counter >= 0 ? s.counters[counter].person : -1;
    if (person >= 0)
        for (const DateRange &r : s.absencesOf[person])
            if (overlaps(dateOf(r.from), dateOf(r.to), period.from, period.to))
                return refusal(NoticeCode::ChangeAbsent, {day(dateOf(r.from)), day(dateOf(r.to))});
    QPair<QDate, QDate> given;
    for (const Roster::Assignment &a : roster.assignmentsOf.value(soldier)) {
        if (a.duty == period.duty && a.column == givenAway) {
            given = {a.from, a.to};
            continue;
        }
        if (!overlaps(a.from, a.to, period.from, period.to))
            continue;
        if (a.duty == period.duty)
            return refusal(NoticeCode::ChangeSameDuty, {day(a.from), day(a.to)});
        return refusal(NoticeCode::ChangeOnDuty, {a.duty, day(a.from), day(a.to)});
    }
    if (person >= 0) {
        bool givenSkipped = false;
        for (const DateRange &r : s.takenOf[person]) {
            const QDate from = dateOf(r.from), to = dateOf(r.to);
            if (!givenSkipped && given.first.isValid() && from == given.first && to == given.second) {
                givenSkipped = true;
                continue;
            }
            if (overlaps(from, to, period.from, period.to))
                return refusal(NoticeCode::ChangeOnOtherRoster, {day(from), day(to)});
        }
    }
    return std::nullopt;
}

// The qualified soldiers of the period's duty who have a row on the roster,
// in the run's order for the period's day class.
QList<RosterChange::Candidate> candidateList(Unit &unit, const Roster &roster,
                                             const RosterChange::Period &period)
{
    RunState &s = unit.state;
    const Duty *duty = nullptr;
    for (const Duty &d : s.duties)
        if (textOf(d.name) == period.duty)
            duty = &d;
    std::vector<int> rows;
    QSet<QString> seen;
    const QHash<QString, int> onRoster = roster.rowOf.value(period.duty);
    for (int i = 0; i < int(s.counters.size()); ++i) {
        CounterRow &row = s.counters[i];
        const QString name = textOf(row.soldierName);
        if (row.deleted || textOf(row.dutyName) != period.duty || seen.contains(name) ||
            !onRoster.contains(name))
            continue;
        const auto soldier = unit.soldierOf.constFind(name);
        if (soldier == unit.soldierOf.cend() ||
            (duty && !CounterPreparation::qualified(s.soldiers[*soldier], *duty)))
            continue;
        seen.insert(name);
        // Ranked as the personnel has him now, as the run ranks him.
        row.setRank(s.soldiers[*soldier].rank, s.sortKeys);
        rows.push_back(i);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return CounterPreparation::candidateBefore(s.counters[a], s.counters[b], period.dayClass);
    });
    QList<RosterChange::Candidate> list;
    for (int i : rows) {
        const CounterRow &row = s.counters[i];
        RosterChange::Candidate c;
        c.soldier = textOf(row.soldierName);
        c.rank = textOf(row.rank);
        c.count = row.count;
        c.holidayCount = row.holidayCount;
        c.standing = c.soldier == period.standing;
        if (!c.standing)
            c.busy = busyOf(unit, roster, c.soldier, period);
        list.append(c);
    }
    return list;
}

// Moves a counter of the soldier's row by one; a counter at 0 or empty
// (cleared by hand) is not taken below what it is.
void moveCounter(RunState &s, int row, DayClass dayClass, int by, QSet<int> &touched)
{
    if (row < 0)
        return;
    CounterRow &r = s.counters[row];
    const Counter now = r.counter(dayClass);
    if (by < 0 && now.value_or(0) <= 0)
        return;
    const qint64 value = now.value_or(0) + by;
    checkCounterRange(value, r);
    r.setCounter(dayClass, value);
    touched.insert(row);
}

} // namespace

RosterChange::Candidates RosterChange::candidates(const QString &datafile, const QString &duty,
                                                  const Which &which) const
{
    Candidates result;
    try {
        const Database personnel = Database::openReadOnly(m_folder.personnelPath(), FileKind::Personnel);
        const Database working = Database::openReadOnly(m_folder.workingPath(), FileKind::Working);
        const Database file = Database::openReadOnly(datafile, FileKind::Roster);
        const QString spelt = dutyAsSpelt(file, duty.trimmed());
        Unit unit(personnel, working, spelt);
        const Roster roster(file, unit.state, spelt, {which});
        result.draft = roster.draft;
        if (roster.draft)
            unit.countAsARunWould(spelt);
        result.period = roster.period(datafile, spelt, which);
        unit.readDatesNear(working, {result.period});
        result.rows = candidateList(unit, roster, result.period);
    } catch (const Refused &r) {
        result.refused = r.notice;
    } catch (const StoreError &e) {
        result.error = e;
    } catch (const Error &e) {
        result.refused = e.notice();
    }
    return result;
}

RosterChange::Changed RosterChange::replace(const QString &datafile, const QString &duty, const Which &which,
                                            const QString &by, const QString &reason,
                                            const QString &seen) const
{
    Request request;
    request.duty = duty.trimmed();
    request.which = which;
    request.by = by.trimmed();
    request.reason = reason;
    if (!seen.isEmpty())
        request.seen = {seen};
    return change(datafile, request);
}

RosterChange::Changed RosterChange::swap(const QString &datafile, const QString &duty, int column,
                                         int otherColumn, const QString &reason,
                                         const QStringList &seen) const
{
    Request request;
    request.swap = true;
    request.duty = duty.trimmed();
    request.which.column = column;
    request.otherColumn = otherColumn;
    request.reason = reason;
    request.seen = seen;
    return change(datafile, request);
}

RosterChange::Changed RosterChange::change(const QString &path, const Request &asked) const
{
    Request request = asked;
    Changed result;
    const QString datafile = QFileInfo(path).absoluteFilePath();
    try {
        // Never a layout, a database of the unit or a datafile kept in its history.
        if (m_folder.isOwnFile(datafile))
            throw Refused{refusal(NoticeCode::ChangeOwnFile, {datafile})};
        // A killed run or change may have left the datafile's folder as well as the unit's.
        UnitSettling::Options options;
        options.datafileFolders = {QFileInfo(datafile).absolutePath()};
        const UnitSettling::Result settled = UnitSettling::settle(m_folder, options);
        result.settled = settled.notices();
        if (settled.error)
            throw *settled.error;

        // The change is made in place, in one transaction on the working
        // database with the datafile attached, which SQLite commits to both
        // files or to neither; a draft's leaves the working database as it was.
        Database file = Database::open(datafile, FileKind::Roster);
        request.duty = dutyAsSpelt(file, asked.duty);
        // A datafile never changed before gets its changes table, committed
        // on its own: nothing else of an older datafile's layout changes.
        if (!file.hasTable(RecordSources::kChanges)) {
            Transaction add(file);
            file.exec(Layouts::createStatement(*Layouts::table(FileKind::Roster, RecordSources::kChanges),
                                               u"main"_s),
                      NoticeCode::CannotAddTable, RecordSources::kChanges);
            add.commit();
        }
        Database working = Database::open(m_folder.workingPath(), FileKind::Working);
        working.attach(datafile, RunHistory::kDatafileSchema, FileKind::Roster);
        // Locked for writing from here, so that the counters read are those changed.
        Transaction transaction(working);
        const quint32 counterBefore = working.changeCounter();
        const quint32 datafileCounterBefore = working.changeCounter(RunHistory::kDatafileSchema);
        const Database personnel = Database::openReadOnly(m_folder.personnelPath(), FileKind::Personnel);
        Unit unit(personnel, working, request.duty);
        QList<Which> wanted{request.which};
        if (request.swap)
            wanted.append(Which{request.otherColumn, {}});
        Roster roster(file, unit.state, request.duty, wanted);
        // Its own connection reads no more: the commit needs the file alone.
        file.close();
        result.draft = roster.draft;
        if (roster.draft)
            unit.countAsARunWould(request.duty);
        std::unique_ptr<RunHistory::Recorder> history;
        if (!roster.draft) {
            working.addMissingIndexes();
            history = std::make_unique<RunHistory::Recorder>(m_folder, working);
            history->watchDatafile(working);
        }

        QList<Period> periods{roster.period(datafile, request.duty, request.which)};
        QStringList off, on;
        if (request.swap) {
            periods.append(roster.period(datafile, request.duty, {request.otherColumn, {}}));
            if (periods[0].column == periods[1].column)
                throw Refused{refusal(NoticeCode::ChangeSamePeriod, {request.duty})};
        }
        for (const Period &p : std::as_const(periods))
            if (p.standing.isEmpty())
                throw Refused{refusal(NoticeCode::ChangeNobodyStands, {p.duty, day(p.from), day(p.to)})};
        // The datafile may have been put back or copied over since the clerk
        // was shown it: the change is made only to the soldier he saw.
        for (qsizetype i = 0; i < request.seen.size() && i < periods.size(); ++i)
            if (periods[i].standing != request.seen[i])
                throw Refused{refusal(NoticeCode::ChangeStandsAnother,
                                      {periods[i].duty, day(periods[i].from), day(periods[i].to),
                                       periods[i].standing, request.seen[i]})};
        unit.readDatesNear(working, periods);
        if (request.swap) {
            const QString &a = periods[0].standing, &b = periods[1].standing;
            if (a == b)
                throw Refused{refusal(NoticeCode::ChangeAlreadyStanding, {a})};
            // Each must be free on the other's days, his own period given away.
            for (const auto &[who, takes, gives] : {std::tuple{a, 1, 0}, std::tuple{b, 0, 1}})
                if (const std::optional<Notice> why =
                        busyOf(unit, roster, who, periods[takes], periods[gives].column))
                    throw Refused{Notice::because(refusal(NoticeCode::ChangeNotFree, {who}), *why)};
            off = {a, b};
            on = {b, a};
        } else {
            const auto list = candidateList(unit, roster, periods[0]);
            QStringList soldiers;
            for (const Candidate &c : list)
                soldiers.append(c.soldier);
            const QString by = request.by.isEmpty() ? QString() : nameAsSpelt(soldiers, request.by);
            const auto found = std::find_if(list.cbegin(), list.cend(), [&](const Candidate &c) {
                return by.isEmpty() ? c.isFree() : c.soldier == by;
            });
            const Period &p = periods[0];
            if (found == list.cend())
                throw Refused{
                    request.by.isEmpty()
                        ? refusal(NoticeCode::ChangeNoFreeCandidate, {p.duty, day(p.from), day(p.to)})
                        : refusal(NoticeCode::ChangeNotQualified, {request.by, p.duty})};
            if (found->standing)
                throw Refused{refusal(NoticeCode::ChangeAlreadyStanding, {found->soldier})};
            if (found->busy)
                throw Refused{
                    Notice::because(refusal(NoticeCode::ChangeNotFree, {found->soldier}), *found->busy)};
            off = {p.standing};
            on = {found->soldier};
        }

        // The roster's cells and its record of the change.
        const QHash<QString, int> rows = roster.rowOf.value(request.duty);
        const QString made = QDateTime::currentDateTime().toString(Qt::ISODate);
        namespace C = Fields::Changes;
        QSqlQuery &keep = working.cachedQuery(
            u"INSERT INTO %1.\"%2\" (Made, Kind, DutyName, Col, SoldierOff, SoldierOn, Reason) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"_s.arg(RunHistory::kDatafileSchema, RecordSources::kChanges));
        for (qsizetype i = 0; i < periods.size(); ++i) {
            const Period &p = periods[i];
            const char16_t *offMark = S::kSwappedMark;
            if (!request.swap) {
                // Absence is tested first, so an absent soldier is told as such;
                // his cell then shows the run's absence mark.
                const std::optional<Notice> why = busyOf(unit, roster, off[i], p, p.column);
                offMark = why && why->code == NoticeCode::ChangeAbsent ? u"A" : S::kReplacedMark;
            }
            roster.setCell(working, rows.value(off[i]), p.column, offMark);
            roster.setCell(working, rows.value(on[i]), p.column, S::kAssignedMark);
            const QVariantList row{made,
                                   QString::fromUtf16(request.swap ? C::kSwap : C::kReplace),
                                   p.duty,
                                   p.column,
                                   off[i],
                                   on[i],
                                   request.reason.isEmpty() ? QVariant() : QVariant(request.reason)};
            for (qsizetype v = 0; v < row.size(); ++v)
                keep.bindValue(int(v), row.at(v));
            if (!keep.exec())
                throw storeErrorFrom(keep.lastError(), datafile, NoticeCode::CannotSaveRow,
                                     {RecordSources::kChanges});
        }
        result.periods = periods;
        for (qsizetype i = 0; i < periods.size(); ++i)
            result.periods[i].standing = on[i];
        result.soldiersOff = off;

        // The counters and assignment dates follow: per period, one off and one on.
        if (!roster.draft) {
            RunState &s = unit.state;
            QSet<int> touched;
            TableAppender added(working, RecordSources::kDates);
            QSqlQuery &remove =
                working.cachedQuery(u"DELETE FROM main.\"%1\" WHERE \"ID\" = ?"_s.arg(RecordSources::kDates));
            for (qsizetype i = 0; i < periods.size(); ++i) {
                const Period &p = periods[i];
                moveCounter(s, unit.counterRow(off[i], p.duty), p.dayClass, -1, touched);
                const int onRow = unit.counterRow(on[i], p.duty);
                moveCounter(s, onRow, p.dayClass, +1, touched);
                // The first of the soldier's dates for the period goes: only
                // those that overlap it are read.
                namespace D = Fields::Dates;
                for (const QVariantList &date :
                     RangeRows::overlapping(working, RecordSources::kDates, D::From, D::To, p.from, p.to)) {
                    if (textOf(date[D::SoldierName]) != off[i] || dateOf(date[D::From]) != p.from ||
                        dateOf(date[D::To]) != p.to)
                        continue;
                    remove.bindValue(0, date[D::ID]);
                    if (!remove.exec())
                        throw working.errorFrom(remove.lastError(), NoticeCode::CannotDeleteRow,
                                                RecordSources::kDates);
                    break;
                }
                QVariantList row(Fields::Dates::fieldCount);
                row[Fields::Dates::SoldierName] =
                    onRow >= 0 ? s.counters[onRow].soldierName : QVariant(on[i]);
                row[Fields::Dates::From] = p.from;
                row[Fields::Dates::To] = p.to;
                added.append(row);
            }
            // Each counter row moved, by its key.
            const TableLayout *memory = Layouts::table(FileKind::Working, RecordSources::kMemory);
            QSqlQuery &keep =
                working.cachedQuery(u"UPDATE main.\"%1\" SET \"%2\" = ?, \"%3\" = ? WHERE \"%4\" = ?"_s.arg(
                    RecordSources::kMemory, memory->fields[Fields::Memory::Count].name,
                    memory->fields[Fields::Memory::HCount].name, memory->fields[Fields::Memory::ID].name));
            for (int row : std::as_const(touched)) {
                const CounterRow &r = s.counters[row];
                keep.bindValue(0, counterValue(r.count));
                keep.bindValue(1, counterValue(r.holidayCount));
                keep.bindValue(2, r.key);
                if (!keep.exec())
                    throw working.errorFrom(keep.lastError(), NoticeCode::CannotSaveRow,
                                            RecordSources::kMemory);
                if (keep.numRowsAffected() != 1)
                    throw StoreError(StoreErrorCode::RecordDeleted, NoticeCode::RecordDeletedByOther,
                                     {RecordSources::kMemory}, working.path());
            }
        }

        RecoveryRecord record;
        record.counterBefore = counterBefore;
        record.datafile = datafile;
        record.identity = identityOf(datafile);
        record.rosterChange = true;
        record.datafileCounterBefore = datafileCounterBefore;
        if (history) {
            RunHistory::Recorder::RosterFacts facts;
            facts.kind =
                QString::fromUtf16(request.swap ? Fields::Changes::kSwap : Fields::Changes::kReplace);
            facts.duty = request.duty;
            facts.column = periods[0].column;
            facts.otherColumn = request.swap ? periods[1].column : 0;
            facts.soldierOff = off[0];
            facts.soldierOn = on[0];
            history->completeRosterChange(working, counterBefore, datafile, record.identity, facts);
            record.entry = history->path();
        }
        // Written before the commit: whoever comes after a kill rolls back
        // what it left of the datafile's journal before anyone reads the file.
        record.write(m_folder.pendingRunPath());
        try {
            if (history)
                history->putInPlace();
            transaction.commit();
        } catch (const StoreError &) {
            transaction.rollback();
            const UnitSettling::Result after = UnitSettling::settle(m_folder, options);
            if (after.error)
                throw *after.error;
            if (!after.run.committed)
                throw;
        }
        RecoveryRecord::remove(m_folder.pendingRunPath());
        if (history)
            history->prune(working);
    } catch (const Refused &r) {
        result.outcome = Changed::Outcome::Refused;
        result.refused = r.notice;
    } catch (const StoreError &e) {
        result.outcome = Changed::Outcome::Failed;
        result.error = e;
    } catch (const Error &e) {
        // A counter that another program left beyond what a counter holds.
        result.outcome = Changed::Outcome::Refused;
        result.refused = e.notice();
    }
    return result;
}

} // namespace calendrix
