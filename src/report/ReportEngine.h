#pragma once

#include "report/Report.h"

#include <QDate>
#include <QMap>
#include <QString>

#include <memory>

namespace calendrix {

struct RosterData;

// Produces reports: a layout file names the data file it reads (by number),
// the engine holds the list of data files. Settings stay in place from one
// run to the next, so a second report can use a data file set for the first.
class ReportEngine
{
public:
    void setLayoutFile(const QString &path) { m_layoutFile = path; }
    void setDataFile(int index, const QString &path) { m_dataFiles.insert(index, path); }

    // Reads the layout and its data file and fills the layout in. Throws
    // ReportError naming the file that could not be used.
    Report run() const;

    // What tells one state of a file from another: device, inode, size and
    // times of change; empty when the file cannot be seen.
    static QByteArray identityOf(const QString &path);
    // Takes data as what the datafile at path held while it had identity
    // (taken before it was read), for as long as the caller keeps it: a
    // roster read elsewhere (off the window's thread) is not read again
    // while the file stays as it was.
    void useData(const QString &path, const QByteArray &identity,
                 const std::shared_ptr<const RosterData> &data);

private:
    // The data file the last report read, while a report still holds it:
    // the remarks and the roster of one datafile share one copy of it.
    struct Read {
        QString path;
        QByteArray identity; // device, inode, size and time of change
        std::weak_ptr<const RosterData> data;
    };
    std::shared_ptr<const RosterData> readData(const QString &path) const;

    QString m_layoutFile;
    QMap<int, QString> m_dataFiles;
    mutable Read m_lastRead;
};

} // namespace calendrix
