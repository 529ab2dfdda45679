#include "store/UnitFolder.h"

#include "store/Database.h"
#include "store/OptionFile.h"
#include "store/ScratchFile.h"
#include "store/SmallFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

UnitFolder::UnitFolder(QString dir) : m_dir(QDir(dir).absolutePath()) {}

QString UnitFolder::filePath(const QString &name) const
{
    return QDir(m_dir).filePath(name);
}

QString UnitFolder::keptName(const QString &path) const
{
    if (path.isEmpty())
        return path;
    const QString relative =
        QDir(m_dir).relativeFilePath(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative == u".." ||
        relative.startsWith(u"../"))
        return path;
    return relative;
}

QString UnitFolder::fromKeptName(const QString &kept) const
{
    return kept.isEmpty() || QDir::isAbsolutePath(kept) ? kept : filePath(kept);
}

bool UnitFolder::isTemplateName(const QString &path)
{
    return QFileInfo(path).fileName() == u"template.tem";
}

QString UnitFolder::fileType(unsigned int mode)
{
    if (S_ISDIR(mode))
        return u"folder"_s;
    if (S_ISFIFO(mode))
        return u"fifo"_s;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return u"device"_s;
    if (S_ISSOCK(mode))
        return u"socket"_s;
    if (S_ISREG(mode))
        return u"file"_s;
    return u"other"_s;
}

QString UnitFolder::repairCommand() const
{
    QString dir = QDir::toNativeSeparators(m_dir);
    static const QRegularExpression plain(u"^[A-Za-z0-9_./:@%+,=-]+$"_s);
    if (!plain.match(dir).hasMatch())
        dir = u'\'' + dir.replace(u"'"_s, u"'\\''"_s) + u'\'';
    return u"calendrix init %1 --repair"_s.arg(dir);
}

QString UnitFolder::personnelPath() const
{
    return filePath(u"Datafile32.mdb"_s);
}
QString UnitFolder::workingPath() const
{
    return filePath(u"Memory.mdb"_s);
}
QString UnitFolder::templatePath() const
{
    return filePath(u"template.tem"_s);
}
QString UnitFolder::consolidatePath() const
{
    return filePath(u"ROSTER.INI"_s);
}
QString UnitFolder::absencePath() const
{
    return filePath(u"ROSTER2.INI"_s);
}

QString UnitFolder::rosterLayoutPath() const
{
    return filePath(u"Roster.rpt"_s);
}
QString UnitFolder::remarksLayoutPath() const
{
    return filePath(u"Remarks.rpt"_s);
}
QString UnitFolder::helpPath() const
{
    return filePath(u"Roster.hlp"_s);
}
QString UnitFolder::helpPath(const QString &language) const
{
    return language == u"en" ? helpPath() : filePath(u"Roster.%1.hlp"_s.arg(language));
}

QString UnitFolder::lockPath() const
{
    return filePath(u".calendrix.lock"_s);
}

QString UnitFolder::pendingRunPath() const
{
    return filePath(u".calendrix-run"_s);
}

QString UnitFolder::pendingUndoPath() const
{
    return filePath(u".calendrix-undo"_s);
}

QString UnitFolder::historyPath() const
{
    return filePath(u"history"_s);
}

std::optional<Notice> UnitFolder::historyFault() const
{
    const QByteArray path = QFile::encodeName(historyPath());
    struct stat st {
    };
    if (::lstat(path.constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return {};
    QString what = fileType(st.st_mode);
    if (S_ISLNK(st.st_mode)) {
        // A link to a folder serves as well as the folder.
        if (::stat(path.constData(), &st) != 0)
            what = u"link"_s;
        else if (S_ISDIR(st.st_mode))
            return {};
        else
            what = u"link:"_s + fileType(st.st_mode);
    }
    return Notice{Notice::Kind::Error, NoticeCode::HistoryNotAFolder, {historyPath(), what}};
}

QStringList UnitFolder::ownFiles() const
{
    QStringList files;
    for (const QString &db : {personnelPath(), workingPath(), templatePath()})
        files << db << db + u"-journal"_s;
    files << consolidatePath() << absencePath() << rosterLayoutPath() << remarksLayoutPath() << helpPath()
          << helpPath(u"de"_s) << helpPath(u"nb"_s) << lockPath() << pendingRunPath() << pendingUndoPath();
    return files;
}

bool UnitFolder::isOwnFile(const QString &path) const
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    // All that the history folder holds is kept for undo; a file written
    // there could take the place of a run kept in it.
    const QFileInfo history(historyPath());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (info.absoluteFilePath().startsWith(history.absoluteFilePath() + u'/') ||
        (!folder.isEmpty() && !history.canonicalFilePath().isEmpty() &&
         (folder == history.canonicalFilePath() || folder.startsWith(history.canonicalFilePath() + u'/'))))
        return true;
    for (const QString &own : ownFiles()) {
        const QFileInfo ownInfo(own);
        if (info.absoluteFilePath() == ownInfo.absoluteFilePath() ||
            (!canonical.isEmpty() && canonical == ownInfo.canonicalFilePath()))
            return true;
    }
    return false;
}

UnitFolder::InitResult UnitFolder::init() const
{
    // A file in the folder's place is named as such, not as a folder that could not be made.
    const QFileInfo folder(m_dir);
    if (folder.exists() && !folder.isDir())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::UnitNotAFolder, {m_dir}, m_dir);
    if (!QDir().mkpath(m_dir))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::CannotCreateUnitFolder, {m_dir}, m_dir);
    InitResult result;
    const struct {
        QString path;
        FileKind kind;
    } databases[] = {
        {personnelPath(), FileKind::Personnel},
        {workingPath(), FileKind::Working},
        {templatePath(), FileKind::Roster},
    };
    for (const auto &db : databases) {
        if (QFileInfo::exists(db.path)) {
            result.kept.append(db.path);
            continue;
        }
        Database::create(db.path, db.kind);
        result.created.append(db.path);
    }

    if (const std::optional<Notice> fault = historyFault())
        throw StoreError(StoreErrorCode::CannotOpen, fault->code, fault->values, historyPath());
    if (QFileInfo(historyPath()).isDir())
        result.kept.append(historyPath());
    else if (::mkdir(QFile::encodeName(historyPath()).constData(), 0777) == 0)
        result.created.append(historyPath());
    else
        throw systemError(NoticeCode::CannotCreateFolder, historyPath());

    // Report layouts and help that every unit gets, shipped inside the program.
    QDirIterator it(u":/unit"_s, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString target = filePath(it.fileName());
        if (QFileInfo::exists(target)) {
            result.kept.append(target);
            continue;
        }
        QFile shipped(it.filePath());
        if (!shipped.open(QIODevice::ReadOnly))
            throw StoreError(StoreErrorCode::IoError, NoticeCode::CannotCreateUnitFile, {target}, target);
        ScratchFile scratch(target);
        scratch.write(shipped.readAll());
        // Shipped read-only inside the program; the clerk may edit the copy.
        scratch.setMode(0644);
        scratch.putInPlace(ScratchFile::Sync::Now, ScratchFile::Replace::No);
        result.created.append(target);
    }
    return result;
}

QList<UnitFolder::Unusable> UnitFolder::unusableFiles() const
{
    QList<Unusable> out;
    const std::pair<QString, FileKind> databases[] = {
        {personnelPath(), FileKind::Personnel},
        {workingPath(), FileKind::Working},
        {templatePath(), FileKind::Roster},
    };
    for (const auto &[path, kind] : databases) {
        if (!QFileInfo::exists(path))
            continue;
        try {
            Database::verify(path, kind, false);
        } catch (const StoreError &e) {
            // A locked or unreadable file is sound and must stay where it is.
            if (e.code() == StoreErrorCode::WrongFileKind || e.code() == StoreErrorCode::Corrupt)
                out.append({path, e.notice()});
        }
    }
    return out;
}

namespace {

bool taken(const QString &name)
{
    return QFileInfo::exists(name) || QFileInfo(name).isSymLink() || QFileInfo::exists(name + u"-journal"_s);
}

QString freeName(const QString &base)
{
    QString name = base;
    for (int n = 2; taken(name); ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

// Renames whatever is at from (a file, a FIFO, a folder, a broken link) to
// to, which must not exist: never over anything.
bool renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray src = QFile::encodeName(from), dst = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: the check must do.
    struct stat st {
    };
    return ::lstat(dst.constData(), &st) != 0 && ::rename(src.constData(), dst.constData()) == 0;
}

QString keepAsideAs(const QString &path, const QString &aside)
{
    if (!renameNoReplace(path, aside))
        throw StoreError(StoreErrorCode::IoError, NoticeCode::CannotRenameFile,
                         {path, aside, QString::fromLocal8Bit(strerror(errno))}, path);
    // A journal left beside the name would be played into the new file made there.
    const QString journal = path + u"-journal"_s;
    if (QFileInfo::exists(journal) && !renameNoReplace(journal, aside + u"-journal"_s))
        throw StoreError(StoreErrorCode::IoError, NoticeCode::CannotRenameJournal, {journal, aside}, journal);
    return aside;
}

} // namespace

QString UnitFolder::asideName(const QString &path, const QDate &today) const
{
    return freeName(path + u".damaged-"_s + today.toString(Qt::ISODate));
}

QString UnitFolder::keepAside(const QString &path, const QDate &today) const
{
    return keepAsideAs(path, asideName(path, today));
}

QString UnitFolder::asideName(const QString &path, const QDateTime &now) const
{
    return freeName(path + u".damaged-"_s + now.toString(u"yyyyMMdd-HHmmss"_s));
}

QString UnitFolder::keepAside(const QString &path, const QDateTime &now) const
{
    return keepAsideAs(path, asideName(path, now));
}

namespace {

StoreError readError(const QString &path)
{
    const int error = errno;
    return StoreError(storeErrorCodeOfSystem(error), NoticeCode::CannotReadFile,
                      {path, QString::fromLocal8Bit(strerror(error))}, path);
}

} // namespace

UnitFolder::Record UnitFolder::readRecord(const QString &path) const
{
    Record record;
    // A record never exceeds 64 KiB.
    SmallFile file = SmallFile::read(path, 1 << 16);
    switch (file.state) {
    case SmallFile::State::Missing:
        break;
    case SmallFile::State::Read:
        record.bytes = std::move(file.bytes);
        record.state = Record::State::Read;
        break;
    case SmallFile::State::NotAFile:
        record.state = Record::State::NotAFile;
        record.what = file.mode == 0 ? u"link"_s : fileType(file.mode);
        record.aside = keepAside(path, QDateTime::currentDateTime());
        break;
    case SmallFile::State::Failed:
        errno = file.error;
        throw readError(path);
    }
    return record;
}

namespace {

Notice fault(NoticeCode code, const QStringList &values)
{
    return {Notice::Kind::Error, code, values, -1, 0};
}

// Why a shipped text file (a layout, the help) under path is not usable, or
// nothing. A missing file is not checked here.
std::optional<Notice> textFault(const QString &path, const UnitFolder::LayoutCheck &layoutCheck)
{
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return fault(NoticeCode::UnitFileUnreadable, {path, QString::fromLocal8Bit(strerror(errno))});
    if (!S_ISREG(st.st_mode))
        return fault(NoticeCode::UnitFileNoFile, {path, UnitFolder::fileType(st.st_mode)});
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fault(NoticeCode::UnitFileUnreadable, {path, f.errorString()});
    const QByteArray bytes = f.readAll();
    if (bytes.trimmed().isEmpty())
        return fault(NoticeCode::UnitFileEmpty, {path});
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return fault(NoticeCode::UnitFileNotText, {path});
    if (layoutCheck && path.endsWith(u".rpt"_s))
        return layoutCheck(path);
    return {};
}

bool isThere(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

UnitFolder::RepairResult UnitFolder::repair(const QDateTime &now, const LayoutCheck &layoutCheck) const
{
    const QFileInfo folder(m_dir);
    if (folder.exists() && !folder.isDir())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::UnitNotAFolder, {m_dir}, m_dir);
    RepairResult result;
    struct Fault {
        QString path;
        Notice why;
    };
    QList<Fault> faults;

    // Everything is checked before anything is moved.
    const std::pair<QString, FileKind> databases[] = {
        {personnelPath(), FileKind::Personnel},
        {workingPath(), FileKind::Working},
        {templatePath(), FileKind::Roster},
    };
    for (const auto &[path, kind] : databases) {
        if (!isThere(path))
            continue;
        try {
            Database::verify(path, kind);
            Database::checkIntegrity(path, kind);
        } catch (const StoreError &e) {
            // A locked or unreadable file may be sound: it is not ours to move.
            if (e.code() != StoreErrorCode::WrongFileKind && e.code() != StoreErrorCode::Corrupt &&
                e.code() != StoreErrorCode::ItemNotFound && e.code() != StoreErrorCode::FileNotFound)
                throw;
            faults.append({path, e.notice()});
        }
    }
    QDirIterator shipped(u":/unit"_s, QDir::Files);
    while (shipped.hasNext()) {
        shipped.next();
        const QString path = filePath(shipped.fileName());
        if (isThere(path))
            if (const auto why = textFault(path, layoutCheck))
                faults.append({path, *why});
    }
    for (const QString &path : {consolidatePath(), absencePath()}) {
        if (isThere(path))
            if (const auto why = OptionFile::fault(path))
                faults.append({path, *why});
    }
    if (const std::optional<Notice> why = historyFault())
        faults.append({historyPath(), *why});

    for (const Fault &fault : faults)
        result.setAside.append({fault.path, keepAside(fault.path, now), fault.why});
    const InitResult made = init();
    result.created = made.created;
    result.kept = made.kept;
    // An option file that read as 0 is made anew holding 0, so that the
    // switch is as it was.
    for (const Fault &fault : faults) {
        if (fault.path == consolidatePath() || fault.path == absencePath()) {
            OptionFile::write(fault.path, 0);
            result.created.append(fault.path);
        }
    }
    return result;
}

} // namespace calendrix
