#pragma once

#include "dialogs/ToolWindow.h"

namespace calendrix {

// "About": the program's name, version and edition, icon and logo.
class AboutDialog : public ToolWindow
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "Version 0.1.0, 64-bit edition": the truth of this build.
    static QString versionLine();
};

} // namespace calendrix
