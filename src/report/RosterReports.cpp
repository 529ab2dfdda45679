#include "report/RosterReports.h"

#include "app/NoticeText.h"
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
    const auto runOne = [&](const QString &what, const QString &layout) {
        engine.setLayoutFile(layout);
        try {
            m_reports.append(engine.run());
        } catch (const ReportError &e) {
            m_failures.append({what, NoticeText::text(e)});
        } catch (const std::bad_alloc &) {
            // The checks on a layout keep it within bounds; should one still
            // ask too much, it fails alone and the program goes on.
            m_failures.append({what, u"The layout '%1' needs more memory than there is."_s.arg(layout)});
        } catch (const Error &e) {
            m_failures.append(
                {what, u"The layout '%1' cannot be used: %2."_s.arg(layout, NoticeText::text(e))});
        } catch (const std::exception &e) {
            m_failures.append({what, u"The layout '%1' cannot be used: %2."_s.arg(
                                         layout, QString::fromLocal8Bit(e.what()))});
        }
    };
    engine.setDataFile(0, datafile);
    runOne(u"remarks"_s, unit.remarksLayoutPath());
    // The roster layout reads data file 1; data file 0 keeps the same path.
    engine.setDataFile(1, datafile);
    runOne(u"roster"_s, unit.rosterLayoutPath());
}

QString RosterReports::failureText() const
{
    const QString file = QDir::toNativeSeparators(m_datafile);
    if (m_failures.isEmpty())
        return {};
    if (m_failures.size() == 2 && m_failures[0].why == m_failures[1].why)
        return u"Neither the remarks nor the roster of '%1' could be printed.\n%2"_s.arg(file,
                                                                                         m_failures[0].why);
    QStringList lines;
    for (const Failure &f : m_failures)
        lines.append(u"The %1 of '%2' could not be printed.\n%3"_s.arg(f.what, file, f.why));
    return lines.join(u"\n\n"_s);
}

} // namespace calendrix
