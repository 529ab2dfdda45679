#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace calendrix {

enum class FieldType { Key, Text, Integer, YesNo, Date };

// The three kinds of database file a unit folder holds. A roster datafile and
// the empty template share one layout.
enum class FileKind { Personnel, Working, Roster };

struct FieldLayout {
    QString name;
    FieldType type;
    QString defaultValue; // SQL literal, empty for none
};

struct TableLayout {
    QString name;
    QList<FieldLayout> fields; // ordinals are the file format: never reorder
    // A table that files made before it existed lack. Such a file is still
    // sound; a table of that name with another layout is not.
    bool optional = false;
    // Fields with an index of their own: a file made before an index existed
    // lacks it, and the first change that reads by that field adds it.
    QStringList indexed = {};
};

namespace Layouts {

const QList<TableLayout> &tables(FileKind kind);
const TableLayout *table(FileKind kind, const QString &name);

// Marks written into the SQLite header so that a file of the wrong kind is
// recognised before anything is written into it.
qint32 applicationId(FileKind kind);
int schemaVersion();

// The kind as a notice names it: "personnel", "working", "roster" (and
// "template" for the unit's roster template); NoticeText words it.
QString kindKey(FileKind kind);

// The declared SQL type we give a field.
QString sqlType(FieldType type);

// CREATE TABLE statement for one table of a file, schema-qualified.
QString createStatement(const TableLayout &table, const QString &schema);
// CREATE INDEX IF NOT EXISTS statements for the table's indexed fields,
// schema-qualified.
QStringList indexStatements(const TableLayout &table, const QString &schema);

} // namespace Layouts
} // namespace calendrix
