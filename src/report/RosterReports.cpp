#include "report/RosterReports.h"

#include "report/ReportError.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

RosterReports::RosterReports(ReportEngine &engine, const QString &folder, const QString &datafile)
    : m_datafile(datafile)
{
    const UnitFolder unit(folder);
    const auto runOne = [&](NoticeCode what, const QString &layout) {
        engine.setLayoutFile(layout);
        try {
            m_reports.append(engine.run());
        } catch (const ReportError &e) {
            m_failures.append({what, e.notice()});
        } catch (const std::bad_alloc &) {
            // The checks on a layout keep it within bounds; should one still
            // ask too much, it fails alone and the program goes on.
            m_failures.append({what, {Notice::Kind::Error, NoticeCode::LayoutNeedsMemory, {layout}}});
        } catch (const Error &e) {
            m_failures.append(
                {what,
                 Notice::because({Notice::Kind::Error, NoticeCode::LayoutUnusable, {layout}}, e.notice())});
        } catch (const std::exception &e) {
            m_failures.append({what,
                               {Notice::Kind::Error,
                                NoticeCode::LayoutUnusable,
                                {QString::fromLocal8Bit(e.what()), layout}}});
        }
    };
    engine.setDataFile(0, datafile);
    runOne(NoticeCode::RemarksNotPrinted, unit.remarksLayoutPath());
    // The roster layout reads data file 1; data file 0 keeps the same path.
    engine.setDataFile(1, datafile);
    runOne(NoticeCode::RosterNotPrinted, unit.rosterLayoutPath());
}

namespace {

bool sameNotice(const Notice &a, const Notice &b)
{
    return a.code == b.code && a.values == b.values && a.number == b.number &&
           std::equal(a.causes.begin(), a.causes.end(), b.causes.begin(), b.causes.end(), sameNotice);
}

} // namespace

Notices RosterReports::failures() const
{
    if (m_failures.isEmpty())
        return {};
    if (m_failures.size() == 2 && sameNotice(m_failures[0].why, m_failures[1].why))
        return {Notice::because({Notice::Kind::Error, NoticeCode::NeitherReportPrinted, {m_datafile}},
                                m_failures[0].why)};
    Notices told;
    for (const Failure &f : m_failures)
        told.append(Notice::because({Notice::Kind::Error, f.what, {m_datafile}}, f.why));
    return told;
}

} // namespace calendrix
