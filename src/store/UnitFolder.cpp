#include "UnitFolder.h"

#include "Database.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

UnitFolder::UnitFolder(QString dir) : m_dir(QDir(dir).absolutePath()) {}

QString UnitFolder::filePath(const QString &name) const
{
    return QDir(m_dir).filePath(name);
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

QString UnitFolder::pendingRunPath() const
{
    return filePath(u".calendrix-run"_s);
}

QStringList UnitFolder::ownFiles() const
{
    QStringList files;
    for (const QString &db : {personnelPath(), workingPath(), templatePath()})
        files << db << db + u"-journal"_s;
    files << consolidatePath() << absencePath() << filePath(u"Roster.rpt"_s) << filePath(u"Remarks.rpt"_s)
          << filePath(u"Roster.hlp"_s) << filePath(u".calendrix.lock"_s) << pendingRunPath();
    return files;
}

bool UnitFolder::isOwnFile(const QString &path) const
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
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
    if (!QDir().mkpath(m_dir))
        throw StoreError(StoreErrorCode::CannotOpen,
                         u"Cannot create the folder '%1'."_s.arg(QDir::toNativeSeparators(m_dir)), m_dir);
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

    // Report layouts and help that every unit gets, shipped inside the program.
    QDirIterator it(u":/unit"_s, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString target = filePath(it.fileName());
        if (QFileInfo::exists(target)) {
            result.kept.append(target);
            continue;
        }
        const QString tmp = target + u".part"_s;
        QFile::remove(tmp);
        if (!QFile::copy(it.filePath(), tmp) || !QFile::rename(tmp, target)) {
            QFile::remove(tmp);
            throw StoreError(StoreErrorCode::IoError,
                             u"Cannot create '%1'."_s.arg(QDir::toNativeSeparators(target)), target);
        }
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
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
                out.append({path, e.text()});
        }
    }
    return out;
}

QString UnitFolder::asideName(const QString &path, const QDate &today) const
{
    const QString base = path + u".damaged-"_s + today.toString(Qt::ISODate);
    QString name = base;
    for (int n = 2;
         QFileInfo::exists(name) || QFileInfo(name).isSymLink() || QFileInfo::exists(name + u"-journal"_s);
         ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

QString UnitFolder::keepAside(const QString &path, const QDate &today) const
{
    const QString aside = asideName(path, today);
    if (!QFile::rename(path, aside))
        throw StoreError(StoreErrorCode::IoError,
                         u"Cannot rename '%1' to '%2'."_s.arg(QDir::toNativeSeparators(path),
                                                              QDir::toNativeSeparators(aside)),
                         path);
    // A journal left beside the name would be played into the new file made there.
    const QString journal = path + u"-journal"_s;
    if (QFileInfo::exists(journal) && !QFile::rename(journal, aside + u"-journal"_s))
        throw StoreError(StoreErrorCode::IoError,
                         u"Cannot rename '%1' beside '%2'."_s.arg(QDir::toNativeSeparators(journal),
                                                                  QDir::toNativeSeparators(aside)),
                         journal);
    return aside;
}

} // namespace calendrix
