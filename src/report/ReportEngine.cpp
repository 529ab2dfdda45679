#include "report/ReportEngine.h"

#include "report/ReportError.h"
#include "report/RosterData.h"

#include <QFile>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

Report ReportEngine::run() const
{
    if (m_layoutFile.isEmpty())
        throw ReportError(Notice{Notice::Kind::Error, NoticeCode::NoLayoutSet, {}});
    ReportLayout layout = ReportLayout::load(m_layoutFile);
    const QString dataPath = m_dataFiles.value(layout.dataFile());
    if (dataPath.isEmpty())
        throw ReportError(Notice{Notice::Kind::Error,
                                 NoticeCode::LayoutDataFileNotSet,
                                 {m_layoutFile, QString::number(layout.dataFile())}});
    return Report(std::move(layout), readData(dataPath), dataPath, QDate::currentDate());
}

QByteArray ReportEngine::identityOf(const QString &path)
{
    struct stat s {
    };
    if (::stat(QFile::encodeName(path).constData(), &s) != 0)
        return {};
    return QByteArray::number(quint64(s.st_dev)) + ':' + QByteArray::number(quint64(s.st_ino)) + ':' +
           QByteArray::number(qint64(s.st_size)) + ':' + QByteArray::number(qint64(s.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(s.st_mtim.tv_nsec)) + ':' +
           QByteArray::number(qint64(s.st_ctim.tv_sec)) + '.' + QByteArray::number(qint64(s.st_ctim.tv_nsec));
}

void ReportEngine::useData(const QString &path, const QByteArray &identity,
                           const std::shared_ptr<const RosterData> &data)
{
    m_lastRead = {path, identity, data};
}

std::shared_ptr<const RosterData> ReportEngine::readData(const QString &path) const
{
    const QByteArray identity = identityOf(path);
    if (!identity.isEmpty() && path == m_lastRead.path && identity == m_lastRead.identity)
        if (auto data = m_lastRead.data.lock())
            return data;
    auto data = std::make_shared<const RosterData>(RosterData::read(path));
    m_lastRead = {path, identity, data};
    return data;
}

} // namespace calendrix
