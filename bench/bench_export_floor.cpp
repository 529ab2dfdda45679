// The floor any export pays: the same cells of a datafile read with SQLite's
// own calls into plain structs, then the same CSV written with stdio and,
// for "all", the same workbook written with libxlsxwriter and the same
// calendars with libical, with no checks of the targets, no scratch files,
// no flush to the disk and no list of what the calendar folder holds.
// Timed by bench_export.sh beside "calendrix export" on the same datafile;
// "read" reads the datafile as the program does and writes nothing, the
// share of an export that its reading takes.
// Usage: bench_export_floor DATAFILE OUTDIR csv|all|read

#include "app/Startup.h"
#include "report/RosterData.h"
#include "store/Collation.h"
#include "store/RankList.h"

#include <QCryptographicHash>
#include <QString>

#include <libical/ical.h>
#include <sqlite3.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace {

// The ordinals of the datafile's tables, as the program keeps them.
constexpr int kColumns = 36, kHeaderD1 = 5, kCellC1 = 5, kHoliday1 = kCellC1 + kColumns;

struct Column {
    std::string start, end; // YYYY-MM-DD; end empty when the datafile does not say
    bool holiday = false;
};
struct Soldier {
    std::string rank, name;
    std::vector<std::string> cells;
    int seniority = 0;
    QByteArray key;
};
struct Duty {
    std::string name, organization;
    std::vector<Column> columns;
    std::vector<Soldier> soldiers;
};

std::string textOf(sqlite3_stmt *s, int i)
{
    const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(s, i));
    std::string text = t ? t : "";
    const auto notBlank = text.find_last_not_of(' ');
    text.erase(notBlank == std::string::npos ? 0 : notBlank + 1);
    return text;
}

std::vector<Duty> read(const char *path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path);
        std::exit(1);
    }
    std::vector<Duty> duties;
    std::unordered_map<std::string, size_t> index;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM header ORDER BY 1", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        Duty d{textOf(s, 1), textOf(s, 2), {}, {}};
        for (int c = 0; c < kColumns; ++c) {
            const std::string date = textOf(s, kHeaderD1 + c);
            if (date.empty())
                break;
            d.columns.push_back({date.substr(0, 10), {}, false});
        }
        if (d.name.empty() && d.columns.empty())
            continue;
        index[d.name] = duties.size();
        duties.push_back(std::move(d));
    }
    sqlite3_finalize(s);
    if (sqlite3_prepare_v2(db, "SELECT * FROM periods ORDER BY 1", -1, &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            const auto found = index.find(textOf(s, 1));
            const int c = sqlite3_column_int(s, 2);
            if (found != index.end() && c >= 1 && size_t(c) <= duties[found->second].columns.size())
                duties[found->second].columns[size_t(c - 1)].end = textOf(s, 4).substr(0, 10);
        }
        sqlite3_finalize(s);
    }
    sqlite3_prepare_v2(db, "SELECT * FROM storeage ORDER BY 1", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const auto found = index.find(textOf(s, 1));
        if (found == index.end())
            continue;
        Duty &d = duties[found->second];
        Soldier soldier{textOf(s, 3), textOf(s, 2), {}, 0, {}};
        for (size_t c = 0; c < d.columns.size(); ++c) {
            soldier.cells.push_back(textOf(s, kCellC1 + int(c)));
            if (sqlite3_column_int(s, kHoliday1 + int(c)))
                d.columns[c].holiday = true;
        }
        d.soldiers.push_back(std::move(soldier));
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    // Senior first, then by name, as every export lists them.
    for (Duty &d : duties) {
        for (Soldier &soldier : d.soldiers) {
            const char r = soldier.rank.size() == 1 ? soldier.rank[0] : 0;
            soldier.seniority = r == '?' ? 0 : (r >= 'A' && r <= 'W' ? r - 'A' + 1 : -1);
            soldier.key = calendrix::Collation::key(QString::fromStdString(soldier.name));
        }
        std::stable_sort(d.soldiers.begin(), d.soldiers.end(), [](const Soldier &a, const Soldier &b) {
            return a.seniority != b.seniority ? a.seniority > b.seniority : a.key < b.key;
        });
    }
    return duties;
}

std::string rankOf(const std::string &code)
{
    static std::map<std::string, std::string> shown;
    auto it = shown.find(code);
    if (it == shown.end())
        it = shown.emplace(code, calendrix::rankAbbreviation(QString::fromStdString(code)).toStdString())
                 .first;
    return it->second;
}

void csvField(FILE *out, const std::string &value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos) {
        std::fputs(value.c_str(), out);
        return;
    }
    std::fputc('"', out);
    for (const char c : value) {
        if (c == '"')
            std::fputc('"', out);
        std::fputc(c, out);
    }
    std::fputc('"', out);
}

void writeCsv(const std::vector<Duty> &duties, const std::string &path)
{
    FILE *out = std::fopen(path.c_str(), "wb");
    std::fputs("Duty,Organization,Rank,Soldier,First day,Last day,Holiday\r\n", out);
    for (const Duty &d : duties) {
        for (size_t c = 0; c < d.columns.size(); ++c) {
            const Column &column = d.columns[c];
            for (const Soldier &s : d.soldiers) {
                if (s.cells[c] != "/.")
                    continue;
                csvField(out, d.name);
                std::fputc(',', out);
                csvField(out, d.organization);
                std::fputc(',', out);
                csvField(out, rankOf(s.rank));
                std::fputc(',', out);
                csvField(out, s.name);
                std::fprintf(out, ",%s,%s,%c\r\n", column.start.c_str(),
                             (column.end.empty() ? column.start : column.end).c_str(),
                             column.holiday ? '1' : '0');
            }
        }
    }
    std::fclose(out);
}

lxw_datetime dateOf(const std::string &iso)
{
    return {std::atoi(iso.c_str()), std::atoi(iso.c_str() + 5), std::atoi(iso.c_str() + 8), 0, 0, 0};
}

void writeXlsx(const std::vector<Duty> &duties, const std::string &path)
{
    lxw_workbook *book = workbook_new(path.c_str());
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, "ddd d mmm");
    lxw_format *marks[2][2];
    for (int h = 0; h < 2; ++h) {
        for (int a = 0; a < 2; ++a) {
            marks[h][a] = workbook_add_format(book);
            format_set_align(marks[h][a], LXW_ALIGN_RIGHT);
            if (a)
                format_set_bold(marks[h][a]);
            if (h) {
                format_set_pattern(marks[h][a], LXW_PATTERN_SOLID);
                format_set_bg_color(marks[h][a], 0xD9D9D9);
            }
        }
    }
    lxw_worksheet *summary = workbook_add_worksheet(book, "Summary");
    int sheet = 0;
    for (const Duty &d : duties) {
        worksheet_write_string(summary, lxw_row_t(sheet + 1), 0, d.name.c_str(), nullptr);
        worksheet_write_string(summary, lxw_row_t(sheet + 1), 1, d.organization.c_str(), nullptr);
        worksheet_write_number(summary, lxw_row_t(sheet + 1), 2, double(d.columns.size()), nullptr);
        lxw_worksheet *ws = workbook_add_worksheet(book, ("Duty " + std::to_string(++sheet)).c_str());
        worksheet_write_string(ws, 0, 0, d.name.c_str(), bold);
        worksheet_write_string(ws, 0, 2, d.organization.c_str(), nullptr);
        worksheet_write_string(ws, 1, 0, "Rank", bold);
        worksheet_write_string(ws, 1, 1, "Name", bold);
        for (size_t c = 0; c < d.columns.size(); ++c) {
            lxw_datetime first = dateOf(d.columns[c].start);
            worksheet_write_datetime(ws, 1, lxw_col_t(2 + c), &first, date);
            if (!d.columns[c].end.empty()) {
                lxw_datetime last = dateOf(d.columns[c].end);
                worksheet_write_datetime(ws, 2, lxw_col_t(2 + c), &last, date);
            }
        }
        lxw_row_t row = 3;
        for (const Soldier &s : d.soldiers) {
            worksheet_write_string(ws, row, 0, rankOf(s.rank).c_str(), nullptr);
            worksheet_write_string(ws, row, 1, s.name.c_str(), nullptr);
            for (size_t c = 0; c < s.cells.size(); ++c) {
                const std::string &mark = s.cells[c];
                lxw_format *f = marks[d.columns[c].holiday][mark == "/."];
                char *end = nullptr;
                const long number = std::strtol(mark.c_str(), &end, 10);
                if (mark.empty())
                    worksheet_write_blank(ws, row, lxw_col_t(2 + c), f);
                else if (*end == 0)
                    worksheet_write_number(ws, row, lxw_col_t(2 + c), double(number), f);
                else
                    worksheet_write_string(ws, row, lxw_col_t(2 + c), mark.c_str(), f);
            }
            ++row;
        }
        worksheet_freeze_panes(ws, 3, 2);
    }
    workbook_close(book);
}

icaltimetype icalDate(const std::string &iso)
{
    icaltimetype t = icaltime_null_date();
    t.year = std::atoi(iso.c_str());
    t.month = std::atoi(iso.c_str() + 5);
    t.day = std::atoi(iso.c_str() + 8);
    t.is_date = 1;
    return icaltime_normalize(t);
}

void writeCalendar(icalcomponent *cal, const std::string &path)
{
    char *text = icalcomponent_as_ical_string_r(cal);
    FILE *out = std::fopen(path.c_str(), "wb");
    std::fwrite(text, 1, std::strlen(text), out);
    std::fclose(out);
    icalmemory_free_buffer(text);
}

void writeIcs(const std::vector<Duty> &duties, const std::string &folder)
{
    ::mkdir(folder.c_str(), 0777);
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    icalcomponent *all = icalcomponent_new_vcalendar();
    icalcomponent_add_property(all, icalproperty_new_version("2.0"));
    std::map<std::string, icalcomponent *> own;
    for (const Duty &d : duties) {
        for (size_t c = 0; c < d.columns.size(); ++c) {
            const Column &column = d.columns[c];
            icaltimetype dayAfter = icalDate(column.end.empty() ? column.start : column.end);
            icaltime_adjust(&dayAfter, 1, 0, 0, 0);
            for (const Soldier &s : d.soldiers) {
                if (s.cells[c] != "/.")
                    continue;
                const std::string who = rankOf(s.rank) + " " + s.name;
                const std::string key =
                    d.organization + '\x1f' + d.name + '\x1f' + column.start + '\x1f' + s.name;
                const std::string uid = QCryptographicHash::hash(QByteArray::fromStdString(key + "\x1f"
                                                                                                 "0"),
                                                                 QCryptographicHash::Sha256)
                                            .toHex()
                                            .left(32)
                                            .toStdString() +
                                        "@calendrix";
                icalcomponent *event = icalcomponent_new_vevent();
                icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
                icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
                icalcomponent_add_property(event, icalproperty_new_lastmodified(stamp));
                icalcomponent_add_property(event, icalproperty_new_sequence(0));
                icalcomponent_add_property(event, icalproperty_new_dtstart(icalDate(column.start)));
                icalcomponent_add_property(event, icalproperty_new_dtend(dayAfter));
                icalcomponent_add_property(
                    event, icalproperty_new_description((d.organization + "\n" + who).c_str()));
                icalcomponent_add_property(event, icalproperty_new_status(ICAL_STATUS_CONFIRMED));
                icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_OPAQUE));
                icalcomponent *ownEvent = icalcomponent_new_clone(event);
                icalcomponent_add_property(ownEvent, icalproperty_new_summary(d.name.c_str()));
                icalcomponent *&cal = own[s.name];
                if (!cal) {
                    cal = icalcomponent_new_vcalendar();
                    icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
                }
                icalcomponent_add_component(cal, ownEvent);
                icalcomponent_add_property(event, icalproperty_new_summary((d.name + " - " + who).c_str()));
                icalcomponent_add_component(all, event);
            }
        }
    }
    writeCalendar(all, folder + "/all.ics");
    icalcomponent_free(all);
    int n = 0;
    for (const auto &[name, cal] : own) {
        writeCalendar(cal, folder + "/" + std::to_string(++n) + ".ics");
        icalcomponent_free(cal);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does: SQLite keeps no count of its memory.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    const std::string mode = argc == 4 ? argv[3] : "";
    if (mode != "csv" && mode != "all" && mode != "read") {
        std::fprintf(stderr, "usage: bench_export_floor DATAFILE OUTDIR csv|all|read\n");
        return 2;
    }
    if (mode == "read")
        return calendrix::RosterData::read(QString::fromLocal8Bit(argv[1])).duties.isEmpty() ? 1 : 0;
    const std::vector<Duty> duties = read(argv[1]);
    const std::string out = argv[2];
    ::mkdir(out.c_str(), 0777);
    writeCsv(duties, out + "/floor.csv");
    if (mode == "all") {
        writeXlsx(duties, out + "/floor.xlsx");
        writeIcs(duties, out + "/floor-ics");
    }
    return 0;
}
