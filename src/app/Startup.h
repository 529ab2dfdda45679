#pragma once

#include <QString>
#include <QStringList>

namespace calendrix {

// What both programs, calendrix and calendrix-gui, do before anything else.
namespace Startup {

// The arguments as the commands read them.
QStringList arguments(int argc, char **argv);

// The language asked for with --lang, taken out of the arguments before
// the commands read them.
struct LanguageOption {
    QString code;
    bool unknown = false;
    QString value;
};
LanguageOption takeLanguageOption(QStringList &arguments);

// Speaks the language chosen, once the application exists (its
// translators belong to it). Returns 2 after a usage error, else -1.
int speak(const LanguageOption &option);

} // namespace Startup
} // namespace calendrix
