#pragma once

// A small unit built row by row, a roster run on it, and what the run left.

#include "TestUnit.h"
#include "app/NoticeText.h"
#include "session/UnitSession.h"

#include <QDate>
#include <QMap>

namespace calendrix::test {

// Records every message and answers questions from a list (No when empty).
class RecordingMessenger : public Messenger
{
public:
    struct Message {
        Kind kind;
        QString text;
    };
    QList<Message> messages;
    QStringList questions;
    QList<bool> answers;

    void inform(const Notice &notice) override { messages.append({notice.kind, NoticeText::text(notice)}); }
    bool ask(const Notice &question) override
    {
        questions.append(NoticeText::text(question));
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList texts(Kind kind) const
    {
        QStringList out;
        for (const Message &m : messages)
            if (m.kind == kind)
                out.append(m.text);
        return out;
    }
};

struct RosterFixture {
    TestUnit unit;
    Database personnel = unit.personnel();
    Database working = unit.working();
    RecordingMessenger messenger;
    qint16 consolidate = 0;
    qint16 absence = 0;
    QString datafile = unit.path(QStringLiteral("roster.cxr"));

    // quals: the qualification numbers (1..15) held or required.
    void soldier(const QVariant &name, const QString &rank, const QList<int> &quals = {},
                 const QString &section = QStringLiteral("HQ"))
    {
        RecordSet rs(personnel, QStringLiteral("SoldierRoster"));
        rs.addNew();
        rs.setValue(1, name);
        rs.setValue(2, rank);
        rs.setValue(3, section);
        for (int k : quals)
            rs.setValue(3 + k, true);
        rs.update();
    }
    void duty(const QString &name, const QList<int> &quals = {}, const QString &org = QStringLiteral("Unit"))
    {
        RecordSet rs(personnel, QStringLiteral("DutyDates"));
        rs.addNew();
        rs.setValue(1, name);
        rs.setValue(2, org);
        for (int k : quals)
            rs.setValue(2 + k, true);
        rs.update();
    }
    void period(const QString &duty, const QVariant &from, const QVariant &to)
    {
        addRows(personnel, QStringLiteral("WorkSchedule"), {{duty, from, to}});
    }
    void absent(const QString &name, QDate from, QDate to)
    {
        addRows(personnel, QStringLiteral("AbsentDates"), {{name, from, to, QStringLiteral("Leave")}});
    }
    void holiday(const QVariant &from, const QVariant &to)
    {
        addRows(personnel, QStringLiteral("Holiday"), {{QStringLiteral("Holiday"), from, to}});
    }
    void taken(const QString &name, QDate from, QDate to)
    {
        addRows(working, QStringLiteral("Dates"), {{name, from, to}});
    }
    void counter(const QString &name, const QString &rank, const QString &duty, const QVariant &count,
                 const QVariant &holidayCount = qint64(0))
    {
        addRows(working, QStringLiteral("Memory"), {{true, name, rank, duty, count, holidayCount}});
    }

    RosterRun::Outcome make()
    {
        return UnitSession(unit.folder).make(messenger, datafile, {}, consolidate, absence).outcome;
    }

    // Cells of one sheet row, up to the last one written ("" for unwritten).
    QStringList cells(const QString &duty, const QString &name, int columns) const
    {
        const Database db = Database::open(datafile, FileKind::Roster);
        RecordSet rs(db, QStringLiteral("storeage"));
        for (; !rs.eof(); rs.moveNext()) {
            if (rs.text(1) != duty || rs.value(2).toString() != name)
                continue;
            QStringList out;
            for (int c = 1; c <= columns; ++c)
                out.append(rs.value(4 + c).toString());
            return out;
        }
        return {QStringLiteral("<no row>")};
    }
    bool holidayFlag(const QString &duty, const QString &name, int column) const
    {
        const Database db = Database::open(datafile, FileKind::Roster);
        RecordSet rs(db, QStringLiteral("storeage"));
        for (; !rs.eof(); rs.moveNext())
            if (rs.text(1) == duty && rs.value(2).toString() == name)
                return rs.value(40 + column).toBool();
        return false;
    }
    // (count, holiday count) of every counter row, by "name|duty".
    QMap<QString, QPair<qint64, qint64>> counters() const
    {
        QMap<QString, QPair<qint64, qint64>> out;
        RecordSet rs(unit.working(), QStringLiteral("Memory"));
        for (; !rs.eof(); rs.moveNext())
            out.insert(rs.value(2).toString() + u'|' + rs.value(4).toString(),
                       {rs.value(5).toLongLong(), rs.value(6).toLongLong()});
        return out;
    }
    QStringList takenRows() const
    {
        QStringList out;
        RecordSet rs(unit.working(), QStringLiteral("Dates"));
        for (; !rs.eof(); rs.moveNext())
            out.append(rs.value(1).toString() + u' ' + rs.text(2) + u' ' + rs.text(3));
        return out;
    }
};

} // namespace calendrix::test
