#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace calendrix {

// What both programs, calendrix and calendrix-gui, do before anything else.
namespace Startup {

// Reserves room for the heap and asks the system to back it with huge pages
// where it can (2 MB rather than 4 KB): a division's run fills some hundred
// megabytes with a few large arrays, and each first touch of a 4 KB page is
// a fault that costs microseconds on a virtual machine (a third of a
// brigade's run on ours).
// The reserve is address space only; memory is taken as it is used and kept
// for the next use until the process ends. Where the system gives no huge
// pages, the heap is left as it is: keeping it would then gain nothing.
// Called early in main, before any thread starts. Returns whether the
// reserve was advised so.
bool reserveHeap();

// Whether the system's setting for huge pages, as the kernel shows it
// ("always [madvise] never", the choice in brackets), gives them to memory
// advised so.
bool offersHugePages(std::string_view setting);

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
