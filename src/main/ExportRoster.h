#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace calendrix {

// File > Export Roster: the clerk picks a roster datafile, a format and
// where it goes; the export runs under a progress dialog with "Stop" and
// ends with a message that says what was written.
class ExportRoster
{
    Q_DECLARE_TR_FUNCTIONS(ExportRoster)

public:
    // The formats offered, in the order of the buttons.
    enum class Format { Calendars, Spreadsheet, Csv };

    // unitFolder: where the datafile dialog starts; the unit's own files are
    // never written over.
    static void run(QWidget *parent, const QString &unitFolder);
};

} // namespace calendrix
