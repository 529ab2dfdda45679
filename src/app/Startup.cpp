#include "app/Startup.h"

#include "app/Language.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <malloc.h>
#include <sys/mman.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::Startup {

// A sanitizer's allocator keeps a heap of its own.
#if defined(__SANITIZE_ADDRESS__)
#define CALENDRIX_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define CALENDRIX_OWN_ALLOCATOR 1
#endif
#endif

namespace {
// The heap's head that reserveHeap() fills, held so that it stays reachable.
void *keptHead = nullptr;
} // namespace

bool offersHugePages(std::string_view setting)
{
    return setting.find("[always]") != std::string_view::npos ||
           setting.find("[madvise]") != std::string_view::npos;
}

bool reserveHeap()
{
#if !defined(CALENDRIX_OWN_ALLOCATOR)
    char setting[128] = {};
    if (std::FILE *f = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "r")) {
        const bool read = std::fgets(setting, sizeof setting, f) != nullptr;
        std::fclose(f);
        if (!read)
            setting[0] = 0;
    }
    if (!offersHugePages(setting))
        return false;
    constexpr size_t kHugePage = size_t(2) << 20;
    constexpr size_t kReserve = size_t(512) << 20;
    // Every block from the heap, large ones too: a block mapped on its own
    // would come in 4 KB pages again (when the heap cannot grow, malloc
    // still maps). And the heap is not given back when its end is freed, so
    // that the reserve stays.
    if (mallopt(M_MMAP_MAX, 0) != 1 || mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max()) != 1)
        return false;
    void *reserve = std::malloc(kReserve);
    if (!reserve)
        return false;
    const auto start = reinterpret_cast<std::uintptr_t>(reserve);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + kReserve) & ~(kHugePage - 1);
    // The free heap below the first boundary would come in 4 KB pages, a
    // fault for each: up to 2 MB of a command's first blocks, wherever the
    // heap happens to start (a company's make took 750 to 1,250 faults, where
    // it now takes 750).
    // So the reserve is cut down in place to a block that fills that head,
    // kept and never touched, and what follows starts on a huge page. (A new
    // block of that size might be found among the freed ones instead.) Its
    // size leaves the next block's header (two words) just below the
    // boundary.
    const std::uintptr_t head = first - start;
    if (head >= 4 * sizeof(std::size_t)) {
        void *const kept = std::realloc(reserve, head - 2 * sizeof(std::size_t));
        if (!kept)
            std::free(reserve);
        else if (reinterpret_cast<std::uintptr_t>(kept) != start)
            std::free(kept); // moved, it would fill nothing
        else
            keptHead = kept;
    } else {
        std::free(reserve);
    }
    // Advice only: where the system has no huge pages, nothing changes.
    if (last <= first)
        return false;
    return ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE) == 0;
#else
    return false;
#endif
}

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

LanguageOption takeLanguageOption(QStringList &arguments)
{
    LanguageOption option;
    option.code = Language::takeOption(arguments, &option.unknown, &option.value);
    return option;
}

int speak(const LanguageOption &option)
{
    const QString remembered = Language::remembered();
    const bool overridden = Language::codes().contains(option.code) || Language::codes().contains(remembered);
    Language::install(
        Language::choose(option.code, remembered, Language::fromEnvironment([](const char *name) {
                             return qEnvironmentVariable(name);
                         })),
        overridden ? Language::Ways::OfLanguage : Language::Ways::Desktop);
    if (!option.unknown)
        return -1;
    const QString message =
        u"calendrix: "_s +
        QCoreApplication::translate("Language", "--lang must be de, nb or en, not '%1'").arg(option.value) +
        u'\n';
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return 2;
}

} // namespace calendrix::Startup
