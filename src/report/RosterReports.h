#pragma once

#include "report/Report.h"
#include "report/ReportEngine.h"
#include "store/Notice.h"

#include <QList>
#include <QString>

namespace calendrix {

// The two reports of a roster datafile, in the order they are printed: the
// remarks (layout Remarks.rpt), then the roster (Roster.rpt), both read from
// the unit folder each time. One that cannot be produced does not stop the
// other; what went wrong is kept for one message.
class RosterReports
{
public:
    // Runs both reports on engine, whose settings stay as the reports left them.
    RosterReports(ReportEngine &engine, const QString &folder, const QString &datafile);

    const QList<Report> &reports() const { return m_reports; }
    bool complete() const { return m_failures.isEmpty(); }
    // What could not be printed and why, naming the datafile, one notice
    // a report (or one for both when the same fault stopped both); empty
    // when both reports were produced.
    Notices failures() const;

private:
    struct Failure {
        NoticeCode what; // the remarks or the roster not printed
        Notice why;
    };
    QString m_datafile;
    QList<Report> m_reports;
    QList<Failure> m_failures;
};

} // namespace calendrix
