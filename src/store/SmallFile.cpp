#include "store/SmallFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace calendrix {

SmallFile SmallFile::read(const QString &path, qsizetype limit)
{
    SmallFile file;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {
    };
    if (::lstat(name.constData(), &st) != 0) {
        if (errno != ENOENT) {
            file.state = State::Failed;
            file.error = errno;
        }
        return file;
    }
    // Opening a device may do something, and opening a FIFO waits.
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0)
        st.st_mode = 0;
    if (!S_ISREG(st.st_mode)) {
        file.state = State::NotAFile;
        file.mode = st.st_mode;
        return file;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            file.state = State::Failed;
            file.error = errno;
        }
        return file;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        file.state = State::NotAFile;
        file.mode = st.st_mode;
        return file;
    }
    file.bytes.resize(limit);
    qsizetype got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, file.bytes.data() + got, size_t(limit - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.error = errno;
            ::close(fd);
            file.state = State::Failed;
            file.bytes.clear();
            return file;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    file.bytes.truncate(got);
    file.state = State::Read;
    return file;
}

} // namespace calendrix
