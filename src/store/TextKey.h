#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QString>

#include <utility>

namespace calendrix {

// A text as the key of a hash that a run, a print or an export consults for
// every soldier, period or cell. Qt 6.4 hashes a short text under QHash's
// seed with AES instructions on 256-bit registers and returns with their
// upper halves in use, so that the SSE code running next waits on them: on
// the machines we measure on, a lookup by name cost a tenth of a microsecond
// and slowed the code after it, a tenth of a brigade's make. This key takes
// Qt's seedless hash of the text, which keeps to other instructions, and
// mixes QHash's seed into that as into a number, so that where a text falls
// still differs from one process to the next. Texts whose seedless hashes
// are equal all fall together, whatever the seed: someone would have to make
// such names on purpose, against Qt's seedless hash, and the names come from
// the unit's own clerk.
//
// It converts from and to its text, so that a map of them reads as a map of
// texts.
template<typename Text> struct HashKey {
    Text text;

    HashKey() = default;
    HashKey(const Text &t) : text(t) {}
    HashKey(Text &&t) : text(std::move(t)) {}
    operator const Text &() const { return text; }

    friend bool operator==(const HashKey &a, const HashKey &b) { return a.text == b.text; }
    friend size_t qHash(const HashKey &key, size_t seed) noexcept
    {
        return qHash(quint64(qHash(key.text, 0)), seed);
    }
};

using TextKey = HashKey<QString>;
using BytesKey = HashKey<QByteArray>;

} // namespace calendrix
