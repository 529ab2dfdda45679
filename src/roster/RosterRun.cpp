#include "roster/RosterRun.h"

#include "roster/CounterPreparation.h"
#include "roster/DateColumns.h"
#include "roster/PersonnelSheet.h"
#include "roster/ResultRecording.h"
#include "roster/RuleFault.h"
#include "roster/RunInput.h"
#include "roster/RunState.h"
#include "store/DatafileSwap.h"
#include "store/Fields.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/RunHistory.h"
#include "store/ScratchFile.h"
#include "store/TableAppender.h"
#include "store/UnitSettling.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// A duty's counter rows, periods and datafile rows go by its name, trimmed as
// the run groups them: the periods of a second duty of the same name would be
// counted and their soldiers taken, but written over the first one's rows of
// the datafile. Such a unit makes no roster until one is renamed.
void checkDutyNames(const RunState &state)
{
    QSet<QString> names;
    for (const Duty &duty : state.duties) {
        const QString name = duty.name.toString().trimmed();
        if (name.isEmpty())
            continue;
        if (names.contains(name))
            throw RuleFault(NoticeCode::DutyNamedTwice, {name});
        names.insert(name);
    }
}

// Writes what the run changed in the counter and assignment-date tables.
// The rows it adds are appended with history's watch paused and kept in the
// history by their keys (a draft keeps no history).
void saveCounters(const RunState &state, RecordSet &memory, RunHistory::Recorder *history)
{
    using namespace Fields::Memory;
    const auto appendTo = [history](const QString &table,
                                    const std::function<void(std::vector<qint64> &)> &f) {
        if (history) {
            history->appendUnwatched(table, f);
            return;
        }
        std::vector<qint64> keys;
        f(keys);
    };
    // Rows changed and removed, watched; the keys of those added do not
    // depend on them (the store never gives a key twice).
    for (const CounterRow &r : state.counters) {
        if (r.slot < 0)
            continue;
        if (r.deleted) {
            memory.moveToRow(r.slot);
            memory.deleteCurrent();
            continue;
        }
        const QVariant marker(r.marker), count = counterValue(r.count),
                                         holidayCount = counterValue(r.holidayCount);
        const QVariant *values[fieldCount] = {};
        values[Marker] = &marker;
        values[SoldierName] = &r.soldierName;
        values[Rank] = &r.rank;
        values[DutyName] = &r.dutyName;
        values[Count] = &count;
        values[HCount] = &holidayCount;
        values[Remarks] = &r.remarks;
        bool editing = false;
        for (int f = Marker; f < fieldCount; ++f) {
            const QVariant &old = memory.valueAt(r.slot, f);
            if (old.isNull() == values[f]->isNull() && (old.isNull() || old == *values[f]))
                continue;
            if (!editing) {
                memory.moveToRow(r.slot);
                memory.edit();
                editing = true;
            }
            memory.setValue(f, *values[f]);
        }
        if (editing)
            memory.update();
    }
    const Database db = memory.database();
    appendTo(RecordSources::kMemory, [&](std::vector<qint64> &keys) {
        // Every row is written (finish) before the history watches again.
        TableAppender added(db, RecordSources::kMemory, TableAppender::kManyRows);
        // A null but valid value writes Null rather than the default.
        const QVariant null(QMetaType::fromType<QString>());
        const auto set = [&](int f, const QVariant &v) { added.setValue(f, v.isNull() ? null : v); };
        for (const CounterRow &r : state.counters) {
            if (r.slot >= 0)
                continue;
            // Yes/no as 0/1 and whole numbers as they are, as the store keeps them.
            added.setInteger(Marker, r.marker ? 1 : 0);
            set(SoldierName, r.soldierName);
            set(Rank, r.rank);
            set(DutyName, r.dutyName);
            const auto setCounter = [&](int f, const Counter &c) {
                if (c)
                    added.setInteger(f, *c);
                else
                    added.setValue(f, null);
            };
            setCounter(Count, r.count);
            setCounter(HCount, r.holidayCount);
            set(Remarks, r.remarks);
            keys.push_back(added.addRow());
        }
        added.finish();
    });
    appendTo(RecordSources::kDates, [&](std::vector<qint64> &keys) {
        TableAppender dates(db, RecordSources::kDates, TableAppender::kManyRows);
        QVariantList row(Fields::Dates::fieldCount);
        for (const RunState::TakenDate &d : state.newDates) {
            row[Fields::Dates::SoldierName] = d.soldierName;
            row[Fields::Dates::From] = d.from;
            row[Fields::Dates::To] = d.to;
            keys.push_back(dates.append(row));
        }
        dates.finish();
    });
}

} // namespace

RosterRun::RosterRun(const UnitFolder &folder, Messenger &messenger, qint16 consolidateFlag,
                     qint16 absenceFlag, Settle settle)
    : m_folder(folder), m_messenger(messenger), m_consolidate(consolidateFlag), m_absence(absenceFlag),
      m_settle(std::move(settle))
{}

RosterRun::Outcome RosterRun::make(const QString &targetPath, Mode mode)
{
    if (targetPath.isEmpty()) {
        m_messenger.inform({Notice::Kind::Error, NoticeCode::RunNoTarget, {}});
        return Outcome::Failed;
    }
    const QString target = QFileInfo(targetPath).absoluteFilePath();
    if (m_folder.isOwnFile(target)) {
        m_messenger.inform({Notice::Kind::Error, NoticeCode::RunOwnFile, {target}});
        return Outcome::Failed;
    }
    // Said before the run, which would only fail at the end.
    if (const std::optional<Notice> refused = ScratchFile::notAFile(target)) {
        m_messenger.inform(QFileInfo(target).isDir() && !QFileInfo(target).isSymLink()
                               ? Notice{Notice::Kind::Error, NoticeCode::DatafileIsFolder, {target}}
                               : *refused);
        return Outcome::Failed;
    }
    if (const std::optional<Notice> refused = ScratchFile::cannotMakeBeside(target)) {
        m_messenger.inform(Notice::because({Notice::Kind::Error, NoticeCode::RunFailed, {}}, *refused));
        return Outcome::Failed;
    }
    bool replace = false;
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        if (!m_messenger.ask(
                {Notice::Kind::Information, NoticeCode::RunReplaceQuestion, {QFileInfo(target).fileName()}}))
            return Outcome::Declined;
        replace = true;
    }
    return run(target, replace, mode);
}

RosterRun::Outcome RosterRun::run(const QString &target, bool replace, Mode mode)
{
    m_messenger.started();
    try {
        // The working database is locked for writing from here to the end, so
        // nothing changes it between what the run reads and what it writes.
        Database working = Database::open(m_folder.workingPath(), FileKind::Working);
        Transaction transaction(working);
        const quint32 counterBefore = working.changeCounter();
        working.addMissingIndexes(); // a unit made before them gets them with its run
        const bool draft = mode == Mode::Draft;
        // What the run changes in the tables, for undo: watched from before
        // the run writes anything.
        std::unique_ptr<RunHistory::Recorder> history;
        if (!draft)
            history = std::make_unique<RunHistory::Recorder>(m_folder, working);
        const Database personnel = Database::open(m_folder.personnelPath(), FileKind::Personnel);

        RunState state(m_messenger, m_consolidate, m_absence);
        readPersonnel(state, personnel);
        checkDutyNames(state);
        RecordSet memory(working, RecordSources::kMemory);
        RecordSet headers(working, RecordSources::kHeader);
        readCounters(state, memory);
        readTakenDates(state, working, true);

        CounterPreparation(state).prepareCounters(headers);
        PersonnelSheet sheet(state);
        sheet.writeSheetRows();
        const bool complete = sheet.loadHolidays() && DateColumns(state).runColumns();

        saveCounters(state, memory, history.get());

        ScratchFile scratch(target);
        {
            Database datafile =
                Database::copyInto(m_folder.templatePath(), scratch, target, FileKind::Roster);
            Transaction write(datafile);
            ResultRecording(state).writeDatafile(datafile, draft);
            write.commit();
        }
        if (draft) {
            // Built exactly as a counted run builds it; nothing of it is kept
            // in the working database, which the transaction leaves as it was.
            if (!replace && (QFileInfo::exists(target) || QFileInfo(target).isSymLink()))
                throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::FileExists, {target}, target);
            transaction.rollback();
            scratch.putInPlace();
            if (!complete)
                return Outcome::Stopped;
            ResultRecording(state).endRun();
            return Outcome::Finished;
        }
        history->complete(working, counterBefore, target, scratch.identity(), int(state.header.size()),
                          int(state.newDates.size()));
        // From here the datafile and the counters go together: the old file
        // at the target stays until the counters are committed.
        DatafileSwap swap(m_folder.pendingRunPath(), target, counterBefore, history->path());
        try {
            swap.putInPlace(scratch, replace);
            history->putInPlace();
            transaction.commit();
        } catch (const StoreError &e) {
            transaction.rollback();
            // A commit that reported an error may still have reached the
            // file; the counter says which, and the files follow it.
            const UnitSettling::Result settled = m_settle();
            if (settled.error)
                throw *settled.error;
            if (!settled.run.committed)
                throw;
            m_messenger.inform(
                Notice::because({Notice::Kind::Information, NoticeCode::RunCommitReported, {}}, e.notice()));
        }
        swap.finish();
        history->prune(working);
        if (!complete)
            return Outcome::Stopped;
        ResultRecording(state).endRun();
        return Outcome::Finished;
    } catch (const Error &e) {
        // A rule fault of the records stops the run as a file fault does.
        m_messenger.inform(Notice::because({Notice::Kind::Error, NoticeCode::RunFailed, {}}, e.notice()));
        return Outcome::Failed;
    }
}

} // namespace calendrix
