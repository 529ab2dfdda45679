#pragma once

#include "store/Database.h"
#include "store/Notice.h"
#include "store/SheetTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace calendrix {

// What an import of soldiers, absences, holidays or work schedules would do
// to the personnel database, row by row, and doing it. The plan is made
// from the file's table and the database as it stands, and writes nothing;
// apply() writes a plan that refuses nothing, inside the caller's transaction.
class PersonnelImport
{
public:
    enum class Kind { Soldiers, Absences, Holidays, Schedule };

    struct Row {
        enum class Action {
            Refuse,    // the row is wrong: nothing of the file is imported
            Add,       // a new soldier, absence, holiday or period
            Update,    // a soldier already there, imported with updating
            Unchanged, // a soldier already there, as the file has him
            // An absence or holiday that overlaps one already there, or an absence,
            // holiday or period that ended before today (the window removes
            // such rows, which would then stop an undo): left out, reported.
            LeftOut,
        };
        int line = 0; // where the row stands in the file (0: the file as a whole)
        Action action = Action::Refuse;
        // The row as it will be stored, by the table's field ordinals (the key left Null).
        QList<QVariant> values;
        qint64 key = 0;            // Update: the soldier's row
        std::optional<Notice> why; // Refuse and LeftOut
    };

    struct Plan {
        Kind kind = Kind::Soldiers;
        QString table; // the personnel table it goes into
        QList<Row> rows;
        QStringList newSections; // sections not yet in Setup's list, in the order met
        int count(Row::Action action) const;
        // Nothing is imported while a row is refused.
        bool canImport() const { return count(Row::Action::Refuse) == 0; }
    };

    // Soldiers already in the unit are updated when update is true, refused
    // else. Rows with a last day before today are left out.
    static Plan plan(const Database &personnel, Kind kind, const SheetTable &table, bool update,
                     const QDate &today);
    static void apply(const Database &personnel, const Plan &plan);

    // The unit's soldiers with the columns an import of soldiers reads: Name,
    // Rank (its abbreviation), Section and one per qualification (its title
    // in Setup, else Q1...), "x" for yes; the header first. Imported back with
    // updating, it changes nothing.
    static QList<QStringList> soldierRows(const Database &personnel);

    // The longest name a soldier, duty or holiday may have.
    static constexpr int kLongestName = 50;
};

} // namespace calendrix
