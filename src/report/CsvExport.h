#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace calendrix {

class ExportBatch;
struct RosterData;

// A roster as comma-separated values (RFC 4180, UTF-8, CR LF, a header
// row): one row per assignment, for any spreadsheet or script.
class CsvExport
{
public:
    explicit CsvExport(const RosterData &data) : m_data(data) {}

    // Steps of write(), one per duty.
    int steps() const;
    QByteArray text(ExportBatch &batch) const;
    void write(const QString &path, ExportBatch &batch) const;

    // One field as RFC 4180 wants it: quoted when it holds a comma, a quote
    // or a line break, with its quotes doubled.
    static QString field(const QString &value);
    // A plain table, a record a line, as write() writes a roster.
    static QByteArray table(const QList<QStringList> &rows);

private:
    const RosterData &m_data;
};

} // namespace calendrix
