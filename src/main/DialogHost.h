#pragma once

#include <QString>

#include <functional>

namespace calendrix {

class UnitSession;
struct RosterData;

// The windows the main window opens from its menus. They live in their own
// library, which builds on this one; the program hands them in.
class DialogHost
{
public:
    virtual ~DialogHost() = default;
    virtual void showSetup() = 0;
    virtual void showCounters() = 0;
    virtual void showDates() = 0;
    virtual void showFairness() = 0;
    virtual void showAbout() = 0;
    // The help, at the topic of the window in front when it has one.
    virtual void showHelp() = 0;
    // File > Import, over the main window; imported is called once an import
    // has changed the personnel database.
    virtual void showImport(const UnitSession &session, std::function<void()> imported) = 0;
    // File > Change Roster, for datafile as read into roster; changed is
    // called after each change made.
    virtual void showRosterChange(const QString &datafile, const RosterData &roster,
                                  std::function<void()> changed) = 0;
    // What the open windows' lists hold and have not saved is saved, as the
    // main window saves its own before a command or its closing; false when
    // a value was refused (the clerk has been told why).
    virtual bool saveEdits() = 0;
    // The working database's tables were put back by an undo: windows that
    // show them read them again.
    virtual void workingTablesReplaced() = 0;
    // An import changed the personnel database: open windows that show its
    // lists read them again.
    virtual void personnelChanged() = 0;
};

} // namespace calendrix
