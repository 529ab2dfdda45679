#pragma once

namespace calendrix {

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
    virtual void showHelp() = 0;
    // The working database's tables were put back by an undo: windows that
    // show them read them again.
    virtual void workingTablesReplaced() = 0;
};

} // namespace calendrix
