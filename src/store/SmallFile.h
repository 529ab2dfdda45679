#pragma once

#include <QByteArray>
#include <QString>

namespace calendrix {

// The start of a file that is small by nature (an option file, the record
// of an unfinished run, a layout, a database's header), read without ever
// waiting: only a regular file is opened, and a FIFO or a device that takes
// its name between the look and the open is noticed once it is open. No
// more than the limit is read, so a huge file under the name costs nothing.
struct SmallFile {
    enum class State {
        Missing,  // nothing has the name
        Read,     // bytes holds the start of the file
        NotAFile, // mode says what has the name; 0 for a link to nothing
        Failed,   // error holds the system's error number
    };

    State state = State::Missing;
    QByteArray bytes;
    unsigned int mode = 0;
    int error = 0;

    // Reads at most limit bytes; one more than a reader accepts tells it
    // that the file is longer.
    static SmallFile read(const QString &path, qsizetype limit);
};

} // namespace calendrix
