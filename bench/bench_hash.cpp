// Looks names and marks up in a QHash keyed by QString, as Qt hashes them
// under QHash's seed, and in one keyed by TextKey, as the run and the
// datafile reader now key theirs; each lookup is followed by a little
// floating-point work, as a cell's width follows its mark. Prints
// nanoseconds per lookup (wall clock, the best of five passes) for short
// keys (a mark, under 16 bytes) and long ones (a soldier's name).
//
// Usage: bench_hash [LOOKUPS]

#include "store/TextKey.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <chrono>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

namespace {

template<typename Key> double nanosPerLookup(const QStringList &texts, qint64 lookups, double *sink)
{
    QHash<Key, double> widths;
    for (qsizetype i = 0; i < texts.size(); ++i)
        widths.insert(texts[i], 1.0 + double(i) / 7);
    double best = 1e300;
    for (int pass = 0; pass < 5; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        double x = 0;
        for (qint64 i = 0; i < lookups; ++i) {
            const double w = widths.value(texts[i % texts.size()]);
            x = x * 0.5 + w * 1.25 - double(i & 7);
        }
        const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
        *sink += x;
        best = std::min(best, took.count() / double(lookups));
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const qint64 lookups = args.isEmpty() ? 3'000'000 : args.first().toLongLong();
    QStringList marks, names;
    for (int i = 0; i < 300; ++i) {
        marks.append(i % 3 ? QString::number(100 + i) : u"/."_s + QString::number(i % 10));
        names.append(u"Vandenberghe-Smithson %1, Maximilian"_s.arg(i, 4, 10, QChar(u'0')));
    }
    double sink = 0;
    QTextStream out(stdout);
    out << "nanoseconds a lookup (best of 5 passes of " << lookups << ")\n";
    out << "keys                                 QString   TextKey\n";
    for (const auto &[title, texts] : {std::pair(u"marks (300, up to 4 characters)"_s, marks),
                                       std::pair(u"names (300, 36 characters)"_s, names)}) {
        const double plain = nanosPerLookup<QString>(texts, lookups, &sink);
        const double keyed = nanosPerLookup<TextKey>(texts, lookups, &sink);
        out << title.leftJustified(34) << QString::number(plain, 'f', 1).rightJustified(7)
            << QString::number(keyed, 'f', 1).rightJustified(10) << "\n";
    }
    // Keeps the work from being optimised away.
    return sink == 0.123456789 ? 1 : 0;
}
