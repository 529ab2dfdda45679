#include "store/RecoveryRecord.h"

#include "store/Database.h"
#include "store/ScratchFile.h"
#include "store/UnitFolder.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

constexpr int kFormat = 2;

// The first format: one object per change, in the words of its writer.
std::optional<RecoveryRecord> fromFirstFormat(const QJsonObject &o)
{
    RecoveryRecord r;
    r.counterBefore = quint32(o.value(u"counterBefore"_s).toInteger());
    if (o.contains(u"target"_s)) {
        r.change = RecoveryRecord::Change::Run;
        r.datafile = o.value(u"target"_s).toString();
        r.keptAs = o.value(u"backup"_s).toString();
        r.hadDatafile = o.value(u"hadTarget"_s).toBool();
        r.identity = o.value(u"newFile"_s).toString();
        r.entry = o.value(u"historyEntry"_s).toString();
    } else {
        r.change = RecoveryRecord::Change::Undo;
        r.entry = o.value(u"entry"_s).toString();
        r.datafile = o.value(u"datafile"_s).toString();
        r.identity = o.value(u"identity"_s).toString();
        r.keptAs = o.value(u"movedTo"_s).toString();
    }
    return r;
}

std::optional<RecoveryRecord> parse(const QByteArray &bytes)
{
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    if (!o.value(u"counterBefore"_s).isDouble())
        return std::nullopt;
    std::optional<RecoveryRecord> r;
    if (!o.contains(u"format"_s)) {
        r = fromFirstFormat(o);
    } else if (o.value(u"format"_s).toInt() == kFormat) {
        r.emplace();
        const QString change = o.value(u"change"_s).toString();
        if (change != u"run"_s && change != u"undo"_s)
            return std::nullopt;
        r->change = change == u"run"_s ? RecoveryRecord::Change::Run : RecoveryRecord::Change::Undo;
        r->counterBefore = quint32(o.value(u"counterBefore"_s).toInteger());
        r->datafile = o.value(u"datafile"_s).toString();
        r->identity = o.value(u"identity"_s).toString();
        r->keptAs = o.value(u"keptAs"_s).toString();
        r->hadDatafile = o.value(u"hadDatafile"_s).toBool();
        r->entry = o.value(u"entry"_s).toString();
        r->rosterChange = o.value(u"rosterChange"_s).toBool();
        r->datafileCounterBefore = o.value(u"datafileCounterBefore"_s).toInteger(-1);
    }
    // A run always names its datafile, an undo the entry it takes back.
    if (!r || (r->change == RecoveryRecord::Change::Run ? r->datafile : r->entry).isEmpty())
        return std::nullopt;
    return r;
}

} // namespace

void RecoveryRecord::write(const QString &path) const
{
    // The record stands in the unit's folder: the files within it are named
    // from there, so that a copy of the folder settles its own files.
    const UnitFolder folder(QFileInfo(path).absolutePath());
    QJsonObject o{{u"format"_s, kFormat},
                  {u"change"_s, change == Change::Run ? u"run"_s : u"undo"_s},
                  {u"counterBefore"_s, qint64(counterBefore)},
                  {u"datafile"_s, folder.keptName(datafile)},
                  {u"identity"_s, identity},
                  {u"keptAs"_s, folder.keptName(keptAs)},
                  {u"hadDatafile"_s, hadDatafile},
                  {u"entry"_s, folder.keptName(entry)},
                  {u"rosterChange"_s, rosterChange}};
    if (inPlace())
        o.insert(u"datafileCounterBefore"_s, datafileCounterBefore);
    ScratchFile scratch(path);
    scratch.write(QJsonDocument(o).toJson());
    scratch.putInPlace();
}

RecoveryRecord::Read RecoveryRecord::read(const UnitFolder &folder, const QString &path)
{
    Read result;
    const UnitFolder::Record raw = folder.readRecord(path);
    switch (raw.state) {
    case UnitFolder::Record::State::Missing:
        return result;
    case UnitFolder::Record::State::NotAFile:
        result.state = Read::State::NotAFile;
        result.what = raw.what;
        result.aside = raw.aside;
        return result;
    case UnitFolder::Record::State::Read:
        break;
    }
    std::optional<RecoveryRecord> record = parse(raw.bytes);
    result.state = record ? Read::State::Read : Read::State::Unreadable;
    if (record) {
        for (QString *name : {&record->datafile, &record->keptAs, &record->entry})
            *name = folder.fromKeptName(*name);
        result.record = *record;
    }
    return result;
}

void RecoveryRecord::remove(const QString &path)
{
    if (::unlink(encodedPath(path).constData()) != 0 && errno != ENOENT)
        throw systemError(NoticeCode::CannotRemoveFile, path);
    syncFolderOf(path);
}

bool RecoveryRecord::committed(const QString &workingPath) const
{
    Database working = Database::open(workingPath, FileKind::Working);
    working.exec(u"SELECT count(*) FROM sqlite_master"_s, NoticeCode::CannotReadWorkingDatabase);
    const bool counters = working.changeCounter() != counterBefore;
    if (!inPlace() || identityOf(datafile) != identity)
        return counters;
    // One commit covered both files, so the datafile tells as well as the
    // counters, and it alone tells for a draft, whose change left the
    // counters. Opened for writing, so that what a kill left of its journal
    // is rolled back or dropped now, as the working database's was, and
    // never stops a later reader.
    Database file = Database::open(datafile, FileKind::Roster);
    file.exec(u"SELECT count(*) FROM sqlite_master"_s, NoticeCode::CannotOpenDatabase);
    return file.changeCounter() != quint32(datafileCounterBefore);
}

} // namespace calendrix
