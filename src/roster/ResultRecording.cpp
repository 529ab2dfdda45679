#include "roster/ResultRecording.h"

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/TableAppender.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// A number's bytes stay where they are as the list grows (a QByteArray that
// moves takes its bytes along without copying them), so a row that holds
// them until it is written holds them still.
const QByteArray &numberText(std::vector<QByteArray> &numbers, int n)
{
    while (int(numbers.size()) <= n)
        numbers.push_back(QByteArray::number(qsizetype(numbers.size())));
    return numbers[size_t(n)];
}

// The fields of a duty's header row: its name, its organization, the draft's
// mark and each column's first day.
template<typename Set> void writeHeaderRow(const HeaderRow &h, bool draft, Set set)
{
    namespace H = Fields::RosterHeader;
    set(H::DutyName, h.dutyName);
    set(H::Organization, h.organization);
    if (draft)
        set(H::Spare3, QString::fromUtf16(H::kDraftMark));
    for (int c = 0; c < kColumnLimit; ++c)
        if (!h.starts[c].isNull())
            set(H::date(c + 1), h.starts[c]);
}

} // namespace

void ResultRecording::recordPeriod(int column, DayClass dayClass, const CandidateList &list)
{
    int freeCount = list.freeCount;
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
            sheetRow.holiday.set(size_t(column - 1));
        if (c.mark != Mark::None) {
            sheetRow.cells[column - 1] = Cell::of(c.mark);
        } else {
            sheetRow.cells[column - 1] = Cell::standing(freeCount);
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
    namespace S = Fields::Storeage;
    namespace P = Fields::Periods;
    // A template made before the periods table existed still makes a
    // complete datafile.
    datafile.addMissingTables();
    // The template's header row takes the first duty; the others are added
    // as new rows, as the sheet's are.
    if (!m_state.header.empty()) {
        RecordSet header(datafile, RecordSources::kRosterHeader);
        if (header.eof())
            throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::TemplateWithoutHeaderRow, {},
                             datafile.path());
        header.moveFirst();
        header.edit();
        writeHeaderRow(m_state.header.front(), draft,
                       [&header](int ordinal, const QVariant &value) { header.setValue(ordinal, value); });
        header.update();
    }
    TableAppender added(datafile, RecordSources::kRosterHeader, TableAppender::kManyRows);
    for (size_t i = 1; i < m_state.header.size(); ++i) {
        writeHeaderRow(m_state.header[i], draft,
                       [&added](int ordinal, const QVariant &value) { added.setValue(ordinal, value); });
        added.addRow();
    }
    added.finish();

    TableAppender sheet(datafile, RecordSources::kStoreage, TableAppender::kManyRows);
    // A roster's cells hold a few hundred different texts: each is encoded
    // once and handed to every cell that shows it.
    const QByteArray marks[] = {{}, "/.", "A", "D"};
    std::vector<QByteArray> numbers;
    for (const SheetRow &r : m_state.sheet) {
        // Null values leave the template's defaults (Null).
        const QVariant *names[] = {&r.dutyName, &r.soldierName, &r.rank, &r.remarks};
        const int ordinals[] = {S::DutyName, S::SoldierName, S::Rank, S::Remarks};
        // Texts go as they are (setValue), without a converted copy.
        for (int i = 0; i < 4; ++i)
            if (!names[i]->isNull())
                sheet.setValue(ordinals[i], *names[i]);
        for (int c = 0; c < kColumnLimit; ++c) {
            const Cell cell = r.cells[c];
            if (!cell.isNone()) {
                if (cell.mark() != Mark::None)
                    sheet.setUtf8(S::cell(c + 1), marks[int(cell.mark())]);
                else if (cell.standing() >= 0)
                    sheet.setUtf8(S::cell(c + 1), numberText(numbers, cell.standing()));
                else
                    sheet.setText(S::cell(c + 1), QString::number(cell.standing()));
            }
            if (r.holiday[size_t(c)])
                sheet.setInteger(S::holidayFlag(c + 1), 1);
        }
        sheet.addRow();
    }
    sheet.finish();

    // The header gives each column's first day only; its last day lives here.
    TableAppender periods(datafile, RecordSources::kPeriods, TableAppender::kManyRows);
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
    periods.finish();
}

} // namespace calendrix
