#include "app/DemoUnit.h"

#include "store/Database.h"
#include "store/Fields.h"
#include "store/OptionFile.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/UnitFolder.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// splitmix64: small, fast and the same on every platform, unlike the
// standard library's distributions.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T> const T &pick(const QList<T> &list) { return list[below(int(list.size()))]; }

private:
    quint64 m_state;
};

const QStringList kSurnames = {
    u"Adams"_s,     u"Baker"_s,     u"Clark"_s,      u"Dixon"_s,    u"Evans"_s,     u"Foster"_s,
    u"Garcia"_s,    u"Hughes"_s,    u"Irwin"_s,      u"Jackson"_s,  u"Kelly"_s,     u"Lopez"_s,
    u"Morgan"_s,    u"Nguyen"_s,    u"O'Brien"_s,    u"Patel"_s,    u"Quinn"_s,     u"Reyes"_s,
    u"Sullivan"_s,  u"Turner"_s,    u"Underwood"_s,  u"Vargas"_s,   u"Walker"_s,    u"Young"_s,
    u"Zimmerman"_s, u"Bennett"_s,   u"Carter"_s,     u"Diaz"_s,     u"Ellis"_s,     u"Fischer"_s,
    u"Graham"_s,    u"Harris"_s,    u"Ingram"_s,     u"Jensen"_s,   u"Kowalski"_s,  u"Larsen"_s,
    u"Mitchell"_s,  u"Novak"_s,     u"Ortiz"_s,      u"Price"_s,    u"Ramirez"_s,   u"Schmidt"_s,
    u"Thompson"_s,  u"Vasquez"_s,   u"Webb"_s,       u"Brooks"_s,   u"Chavez"_s,    u"D'Angelo"_s,
    u"Edwards"_s,   u"Fleming"_s,   u"Gomez"_s,      u"Hansen"_s,   u"Iverson"_s,   u"Johnson"_s,
    u"Kim"_s,       u"Lindqvist"_s, u"McAllister"_s, u"Nakamura"_s, u"Olsen"_s,     u"Perez"_s,
    u"Rossi"_s,     u"Santos"_s,    u"Tanaka"_s,     u"Wagner"_s,   u"Whitfield"_s, u"Alvarez"_s,
    u"Byrne"_s,     u"Castillo"_s,  u"Dunn"_s,       u"Murphy"_s,   u"Müller"_s,    u"Søndergaard"_s,
    u"Haddad"_s,    u"Okafor"_s,    u"Romero"_s,     u"Stewart"_s,  u"Banks"_s,     u"Cole"_s,
    u"Drake"_s,     u"Frost"_s,     u"Grant"_s,      u"Holt"_s,     u"Knox"_s,      u"Lane"_s,
};

const QStringList kFirstNames = {
    u"Aaron"_s,  u"Amy"_s,   u"Ben"_s,    u"Carla"_s,  u"Daniel"_s, u"Dana"_s,   u"Eric"_s,  u"Elena"_s,
    u"Frank"_s,  u"Grace"_s, u"Henry"_s,  u"Ines"_s,   u"Jack"_s,   u"Julia"_s,  u"Kevin"_s, u"Laura"_s,
    u"Marcus"_s, u"Maria"_s, u"Nathan"_s, u"Olivia"_s, u"Paul"_s,   u"Rachel"_s, u"Sam"_s,   u"Sofia"_s,
    u"Thomas"_s, u"Tina"_s,  u"Victor"_s, u"Wendy"_s,  u"Zoe"_s,    u"Luis"_s,
};

// Qualifications every unit knows; sub-unit memberships follow them (9 on).
const QStringList kQualifications = {
    u"Weapons qualified"_s,
    u"Driver"_s,
    u"Combat lifesaver"_s,
    u"Radio operator"_s,
    u"NCO"_s,
    u"Officer"_s,
    u"Security clearance"_s,
    u"Armorer course"_s,
};
enum Qual { Weapons = 1, Driver, Lifesaver, Radio, Nco, Officer, Clearance, Armorer };

struct DutyKind {
    QString name;
    QList<int> requires_;
    int days; // length of one period
};

const QList<DutyKind> kDutyKinds = {
    {u"Charge of Quarters"_s, {Nco}, 1},
    {u"CQ Runner"_s, {}, 1},
    {u"Staff Duty NCO"_s, {Nco, Weapons}, 1},
    {u"Staff Duty Officer"_s, {Officer}, 1},
    {u"Gate Guard"_s, {Weapons}, 1},
    {u"Fire Guard"_s, {}, 1},
    {u"Kitchen Police"_s, {}, 1},
    {u"Duty Driver"_s, {Driver}, 1},
    {u"Medic on Call"_s, {Lifesaver}, 7},
    {u"Radio Watch"_s, {Radio, Clearance}, 1},
    {u"Armory Guard"_s, {Weapons, Armorer}, 7},
    {u"Quick Reaction Force"_s, {Weapons, Driver}, 7},
};

const QStringList kReasons = {u"Leave"_s, u"Training course"_s, u"Sick"_s, u"Temporary duty"_s,
                              u"Pass"_s,  u"Range detail"_s};

// Sections of the unit; at battalion size and above each section also
// belongs to one of the sub-units whose membership is a qualification, so
// that a sub-unit's duties draw on its own people.
struct Organization {
    QStringList subUnits;                // titles of qualifications 9, 10, ...
    QList<QPair<QString, int>> sections; // name, index into subUnits (-1: none)
};

Organization organization(DemoUnit::Scale scale)
{
    Organization o;
    switch (scale) {
    case DemoUnit::Scale::Company:
        for (const QString &s :
             {u"HQ Section"_s, u"1st Platoon"_s, u"2nd Platoon"_s, u"3rd Platoon"_s, u"Support Platoon"_s})
            o.sections.append({s, -1});
        return o;
    case DemoUnit::Scale::Battalion:
        o.subUnits = {u"HHC"_s,       u"A Company"_s, u"B Company"_s,
                      u"C Company"_s, u"D Company"_s, u"Support Company"_s};
        for (int u = 0; u < o.subUnits.size(); ++u)
            for (const QString &p : {u"HQ"_s, u"1st Plt"_s, u"2nd Plt"_s, u"3rd Plt"_s})
                o.sections.append({o.subUnits[u] + u' ' + p, u});
        return o;
    case DemoUnit::Scale::Brigade:
    case DemoUnit::Scale::Division:
        break;
    }
    // A division's soldiers are the brigade's five times over: the same
    // sections and duties with more people to share them.
    o.subUnits = {u"1st Battalion"_s,     u"2nd Battalion"_s,      u"3rd Battalion"_s,
                  u"Support Battalion"_s, u"Engineer Battalion"_s, u"Brigade HQ"_s};
    for (int u = 0; u < o.subUnits.size() - 1; ++u)
        for (const QString &co : {u"HHC"_s, u"A Co"_s, u"B Co"_s, u"C Co"_s})
            o.sections.append({o.subUnits[u] + u' ' + co, u});
    o.sections.append({u"Brigade HQ"_s, int(o.subUnits.size()) - 1});
    return o;
}

QChar randomRank(Random &rnd)
{
    // Most soldiers are junior enlisted; a few officers, warrant officers and civilians.
    const int r = rnd.below(100);
    if (r < 3)
        return u'?';
    if (r < 55)
        return QChar(u'A' + rnd.below(5)); // PV1..CPL
    if (r < 82)
        return QChar(u'F' + rnd.below(3)); // SGT..SFC
    if (r < 88)
        return QChar(u'I' + rnd.below(4)); // MSG..CSM
    if (r < 91)
        return QChar(u'M' + rnd.below(5)); // warrant officers
    return QChar(u'R' + rnd.below(6));     // 2LT..COL
}

// A date field holds four-digit years only.
const QDate kLastDay(9999, 12, 31);
// No duty has more periods than a datafile has columns.
constexpr int kMostPeriods = 36;

// Qualification number of sub-unit u's membership: right after the ones every unit knows.
int subUnitQualification(int u)
{
    return int(kQualifications.size()) + 1 + u;
}

struct UnitSize {
    int soldiers;
    int duties;
};

UnitSize unitSize(DemoUnit::Scale scale)
{
    switch (scale) {
    case DemoUnit::Scale::Company:
        break;
    case DemoUnit::Scale::Battalion:
        return {800, 30};
    case DemoUnit::Scale::Brigade:
        return {4000, 80};
    case DemoUnit::Scale::Division:
        return {20000, 80};
    }
    return {150, 10};
}

void checkStart(QDate from)
{
    if (from > DemoUnit::latestStart())
        throw StoreError(StoreErrorCode::General, NoticeCode::DemoStartTooLate,
                         {DemoUnit::latestStart().toString(Qt::ISODate), kLastDay.toString(Qt::ISODate)});
}

void checkFolderIsNew(const UnitFolder &folder)
{
    for (const QString &path : {folder.personnelPath(), folder.workingPath(), folder.templatePath()})
        if (QFileInfo::exists(path))
            throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::DemoFolderHoldsUnit,
                             {folder.dir()}, path);
}

// Writes the example unit's records into the personnel file, one table after
// the other. Every step draws from the one random sequence, so the steps must
// run in this order for a seed to keep giving the same unit.
class DemoUnitWriter
{
public:
    DemoUnitWriter(const Database &db, const DemoUnit::Options &options, QDate from)
        : m_db(db), m_rnd(options.seed), m_scale(options.scale), m_from(from),
          m_org(organization(options.scale))
    {}

    const DemoUnit::Summary &summary() const { return m_summary; }

    void writeQualificationTitles()
    {
        RecordSet titles(m_db, RecordSources::kQualifications);
        titles.edit();
        for (int k = 0; k < kQualifications.size(); ++k)
            titles.setValue(Fields::Qualifications::qualification(k + 1), kQualifications[k]);
        for (int u = 0; u < m_org.subUnits.size(); ++u)
            titles.setValue(Fields::Qualifications::qualification(subUnitQualification(u)),
                            m_org.subUnits[u]);
        titles.update();
    }

    void writeSections()
    {
        RecordSet sections(m_db, RecordSources::kSections);
        for (const auto &section : m_org.sections) {
            sections.addNew();
            sections.setValue(Fields::Sections::Section, section.first);
            sections.update();
        }
    }

    void addSoldiers(int count)
    {
        RecordSet soldiers(m_db, RecordSources::kSoldierRoster);
        QSet<QString> names;
        for (int i = 0; i < count; ++i)
            addSoldier(soldiers, names);
        m_summary.soldiers = count;
    }

    // Duties: the duty kinds, per organization where the unit is larger, each
    // with its periods in the schedule.
    void addDuties(int count)
    {
        RecordSet duties(m_db, RecordSources::kDutyDates);
        RecordSet schedule(m_db, RecordSources::kWorkSchedule);
        for (int i = 0; i < count; ++i) {
            // Larger units: every sub-unit runs its own duties.
            const int unit = m_org.subUnits.isEmpty() ? -1 : i % int(m_org.subUnits.size());
            const int kindIndex = m_org.subUnits.isEmpty() ? i : i / int(m_org.subUnits.size());
            const DutyKind &kind = kDutyKinds[kindIndex % kDutyKinds.size()];
            QString name = kind.name;
            if (kindIndex >= kDutyKinds.size())
                name += u", night"_s;
            if (unit >= 0)
                name += u" ("_s + m_org.subUnits[unit] + u')';
            addDuty(duties, name, kind, unit);
            m_summary.periods += schedulePeriods(schedule, name, kind);
        }
        m_summary.duties = count;
    }

    void addAbsences()
    {
        RecordSet absences(m_db, RecordSources::kAbsentDates);
        for (const QString &name : m_soldierNames) {
            if (!m_rnd.chance(12))
                continue;
            const QDate start = m_from.addDays(m_rnd.between(-5, 40));
            absences.addNew();
            absences.setValue(Fields::AbsentDates::SoldierName, name);
            absences.setValue(Fields::AbsentDates::From, start);
            absences.setValue(Fields::AbsentDates::To, start.addDays(m_rnd.between(0, 13)));
            absences.setValue(Fields::AbsentDates::Reason, m_rnd.pick(kReasons));
            absences.update();
            ++m_summary.absences;
        }
    }

    // Holidays of this and the next year that have not passed, and a training
    // holiday that makes a long weekend in the scheduled weeks.
    void addHolidays()
    {
        RecordSet holidays(m_db, RecordSources::kHoliday);
        for (int year : {m_from.year(), m_from.year() + 1}) {
            addHoliday(holidays, u"New Year's Day"_s, QDate(year, 1, 1), QDate(year, 1, 1));
            addHoliday(holidays, u"Independence Day"_s, QDate(year, 7, 4), QDate(year, 7, 4));
            addHoliday(holidays, u"Veterans Day"_s, QDate(year, 11, 11), QDate(year, 11, 11));
            addHoliday(holidays, u"Christmas"_s, QDate(year, 12, 24), QDate(year, 12, 26));
        }
        QDate friday = m_from.addDays(14);
        while (friday.dayOfWeek() != 5)
            friday = friday.addDays(1);
        addHoliday(holidays, u"Training holiday"_s, friday, friday);
    }

private:
    void addSoldier(RecordSet &soldiers, QSet<QString> &names)
    {
        const QString name = uniqueName(names);
        names.insert(name);
        m_soldierNames.append(name);
        const QChar rank = randomRank(m_rnd);
        const auto &section = m_rnd.pick(m_org.sections);
        soldiers.addNew();
        soldiers.setValue(Fields::SoldierRoster::SoldierName, name);
        soldiers.setValue(Fields::SoldierRoster::SoldierRank, QString(rank));
        soldiers.setValue(Fields::SoldierRoster::Section, section.first);
        const bool officer = rank >= u'R' && rank <= u'W';
        const bool nco = rank >= u'E' && rank <= u'L';
        const bool civilian = rank == u'?';
        const bool held[8] = {!civilian && m_rnd.chance(85),
                              m_rnd.chance(40),
                              m_rnd.chance(30),
                              m_rnd.chance(25),
                              nco,
                              officer || (rank >= u'M' && rank <= u'Q'),
                              m_rnd.chance(35),
                              m_rnd.chance(12)};
        for (int k = 0; k < 8; ++k)
            soldiers.setValue(Fields::SoldierRoster::qualification(k + 1), held[k]);
        if (section.second >= 0)
            soldiers.setValue(Fields::SoldierRoster::qualification(subUnitQualification(section.second)),
                              true);
        soldiers.update();
    }

    // "Surname, First name", with a number added for the rare twin.
    QString uniqueName(const QSet<QString> &names)
    {
        const QString base = m_rnd.pick(kSurnames) + u", "_s + m_rnd.pick(kFirstNames);
        QString name = base;
        for (int n = 0; names.contains(name); ++n)
            name =
                n < 8 ? base + u' ' + QChar(u'A' + m_rnd.below(26)) + u'.' : base + u' ' + QString::number(n);
        return name;
    }

    void addDuty(RecordSet &duties, const QString &name, const DutyKind &kind, int unit)
    {
        duties.addNew();
        duties.setValue(Fields::DutyDates::DutyName, name);
        duties.setValue(Fields::DutyDates::Organization, unit >= 0 ? m_org.subUnits[unit] : u"Company HQ"_s);
        for (int k = 1; k <= Fields::kQualificationCount; ++k)
            duties.setValue(Fields::DutyDates::qualification(k),
                            kind.requires_.contains(k) || (unit >= 0 && k == subUnitQualification(unit)));
        duties.update();
    }

    // Periods over the coming weeks, up to 36, entered in no particular order.
    int schedulePeriods(RecordSet &schedule, const QString &name, const DutyKind &kind)
    {
        const int periods = m_scale == DemoUnit::Scale::Brigade || m_scale == DemoUnit::Scale::Division
                                ? kMostPeriods
                                : m_rnd.between(kind.days == 1 ? 14 : 4, kind.days == 1 ? kMostPeriods : 8);
        QList<int> starts;
        for (int p = 0; p < periods; ++p)
            starts.append(p * kind.days);
        for (int p = int(starts.size()) - 1; p > 0; --p)
            std::swap(starts[p], starts[m_rnd.below(p + 1)]);
        for (int start : starts) {
            schedule.addNew();
            schedule.setValue(Fields::WorkSchedule::DutyName, name);
            schedule.setValue(Fields::WorkSchedule::From, m_from.addDays(start));
            schedule.setValue(Fields::WorkSchedule::To, m_from.addDays(start + kind.days - 1));
            schedule.update();
        }
        return periods;
    }

    void addHoliday(RecordSet &holidays, const QString &name, QDate first, QDate last)
    {
        if (last < m_from || last > kLastDay)
            return;
        holidays.addNew();
        holidays.setValue(Fields::Holiday::Name, name);
        holidays.setValue(Fields::Holiday::From, first);
        holidays.setValue(Fields::Holiday::To, last);
        holidays.update();
        ++m_summary.holidays;
    }

    const Database &m_db;
    Random m_rnd;
    DemoUnit::Scale m_scale;
    QDate m_from;
    Organization m_org;
    QStringList m_soldierNames; // in the order they were added: absences follow it
    DemoUnit::Summary m_summary;
};

// Holidays count only with Consolidate on; the example shows it.
void writeOptionFiles(const UnitFolder &folder)
{
    OptionFile::write(folder.consolidatePath(), 1);
    OptionFile::write(folder.absencePath(), 0);
}

} // namespace

QDate DemoUnit::latestStart()
{
    int longest = 1;
    for (const DutyKind &kind : kDutyKinds)
        longest = std::max(longest, kind.days);
    // Periods follow one another from the first day: the last one ends on
    // day 36 * length - 1 after it.
    return kLastDay.addDays(-(kMostPeriods * longest - 1));
}

bool DemoUnit::parseScale(const QString &typed, Scale *scale)
{
    const QString text = typed.toLower();
    if (text == u"company")
        *scale = Scale::Company;
    else if (text == u"battalion")
        *scale = Scale::Battalion;
    else if (text == u"brigade")
        *scale = Scale::Brigade;
    else if (text == u"division")
        *scale = Scale::Division;
    else
        return false;
    return true;
}

DemoUnit::Summary DemoUnit::create(const QString &dir, const Options &options)
{
    const QDate from = options.from.isValid() ? options.from : QDate::currentDate().addDays(1);
    checkStart(from);
    const UnitFolder folder(dir);
    checkFolderIsNew(folder);
    folder.init();

    const UnitSize size = unitSize(options.scale);
    Database db = Database::open(folder.personnelPath(), FileKind::Personnel);
    Transaction transaction(db);
    DemoUnitWriter writer(db, options, from);
    writer.writeQualificationTitles();
    writer.writeSections();
    writer.addSoldiers(size.soldiers);
    writer.addDuties(size.duties);
    writer.addAbsences();
    writer.addHolidays();
    transaction.commit();

    writeOptionFiles(folder);
    return writer.summary();
}

} // namespace calendrix
