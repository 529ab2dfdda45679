#include "roster/ResultRecording.h"

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/TableAppender.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

void ResultRecording::recordPeriod(int column, DayClass dayClass, const CandidateList &list)
{
    int freeCount = list.freeCount;
    // Standing numbers are made once and shared by every cell that shows them.
    while (int(m_numbers.size()) <= freeCount)
        m_numbers.push_back(QString::number(m_numbers.size()));
    for (const Candidate &c : list.positions) {
        // The sheet holds names trimmed, so a name stored with blanks around
        // it was matched trimmed too (writeSheetRows).
        const CounterRow &counter = m_state.counters[c.row];
        const int row = counter.sheetRow;
        if (row < 0) {
            m_state.messenger.inform(
                {Notice::Kind::Error, NoticeCode::RunNotInDatafile, {counter.soldierName.toString()}});
            continue;
        }
        SheetRow &sheetRow = m_state.sheet[row];
        if (dayClass == DayClass::Holiday)
            sheetRow.holiday[column - 1] = true;
        if (!c.mark.isEmpty()) {
            sheetRow.cells[column - 1] = c.mark;
        } else {
            sheetRow.cells[column - 1] = freeCount >= 0 ? m_numbers[freeCount] : QString::number(freeCount);
            --freeCount;
        }
    }
}

void ResultRecording::endRun()
{
    m_state.messenger.inform({Notice::Kind::Plain, NoticeCode::RunFinished, {}});
}

void ResultRecording::writeDatafile(Database &datafile, bool draft)
{
    namespace H = Fields::RosterHeader;
    namespace S = Fields::Storeage;
    namespace P = Fields::Periods;
    // A template made before the periods table existed still makes a
    // complete datafile.
    datafile.addMissingTables();
    RecordSet header(datafile, RecordSources::kRosterHeader);
    for (size_t i = 0; i < m_state.header.size(); ++i) {
        const HeaderRow &h = m_state.header[i];
        if (i == 0) {
            if (header.eof())
                throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::TemplateWithoutHeaderRow, {},
                                 datafile.path());
            header.moveFirst();
            header.edit();
        } else {
            header.addNew();
        }
        header.setValue(H::DutyName, h.dutyName);
        header.setValue(H::Organization, h.organization);
        if (draft)
            header.setValue(H::Spare3, QString::fromUtf16(H::kDraftMark));
        for (int c = 0; c < kColumnLimit; ++c)
            if (!h.starts[c].isNull())
                header.setValue(H::date(c + 1), h.starts[c]);
        header.update();
    }

    TableAppender sheet(datafile, RecordSources::kStoreage);
    QVariantList values(S::fieldCount);
    for (const SheetRow &r : m_state.sheet) {
        // Invalid values leave the template's defaults (Null).
        values.fill(QVariant());
        values[S::DutyName] = r.dutyName;
        values[S::SoldierName] = r.soldierName;
        values[S::Rank] = r.rank;
        values[S::Remarks] = r.remarks;
        for (int c = 0; c < kColumnLimit; ++c) {
            if (!r.cells[c].isNull())
                values[S::cell(c + 1)] = r.cells[c];
            if (r.holiday[c])
                values[S::holidayFlag(c + 1)] = true;
        }
        sheet.append(values);
    }

    // The header gives each column's first day only; its last day lives here.
    TableAppender periods(datafile, RecordSources::kPeriods);
    QVariantList period(P::fieldCount);
    for (const HeaderRow &h : m_state.header) {
        for (int c = 0; c < kColumnLimit && !h.starts[c].isNull(); ++c) {
            period[P::DutyName] = h.dutyName;
            period[P::Col] = c + 1;
            period[P::From] = QDate::fromString(h.starts[c].toString(), Qt::ISODate);
            period[P::To] = h.ends[c];
            periods.append(period);
        }
    }
}

} // namespace calendrix
