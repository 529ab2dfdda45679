#pragma once

#include "report/Report.h"

#include <QDate>
#include <QMap>
#include <QString>

namespace calendrix {

// Produces reports: a layout file names the data file it reads (by number),
// the engine holds the list of data files. Settings stay in place from one
// run to the next, so a second report can use a data file set for the first.
class ReportEngine
{
public:
    void setLayoutFile(const QString &path) { m_layoutFile = path; }
    void setDataFile(int index, const QString &path) { m_dataFiles.insert(index, path); }
    QString dataFile(int index) const { return m_dataFiles.value(index); }

    // Reads the layout and its data file and fills the layout in. Throws
    // ReportError naming the file that could not be used.
    Report run() const;

private:
    QString m_layoutFile;
    QMap<int, QString> m_dataFiles;
};

} // namespace calendrix
