// Loaded into the program under test with LD_PRELOAD: stops it dead right
// after a chosen file operation, or makes one fail, so that tests can look
// at what a kill or a failing disk leaves at that exact moment.
//
//   CALENDRIX_KILL_AFTER=op:suffix   op is rename, link, unlink or fsync (which
//                                    stands for fdatasync too); the
//                                    process gets SIGKILL right after the
//                                    first such call whose (new) path ends
//                                    with suffix has succeeded.
//   CALENDRIX_FAIL_SYNC=suffix       fsync/fdatasync of a file whose path
//                                    ends with suffix fails with EIO; a
//                                    suffix with '*' is a pattern that
//                                    the whole path matches instead.
//   CALENDRIX_FAIL_UNLINK=suffix     unlink of a path that ends with suffix
//                                    fails with EPERM, as in a folder made
//                                    immutable (chattr +i).
//   CALENDRIX_DAYS_AHEAD=n           the clock of the day reads n days later
//                                    (earlier when n is negative).

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

namespace {

bool endsWith(const char *path, const char *suffix)
{
    const size_t n = strlen(path), m = strlen(suffix);
    return m > 0 && n >= m && strcmp(path + n - m, suffix) == 0;
}

void killIf(const char *op, const char *path)
{
    const char *spec = getenv("CALENDRIX_KILL_AFTER");
    const size_t n = strlen(op);
    if (spec && path && strncmp(spec, op, n) == 0 && spec[n] == ':' && endsWith(path, spec + n + 1))
        raise(SIGKILL);
}

// True when the path of what fd is open on (a file or a folder) ends with
// suffix, or matches it as a pattern.
bool namedWith(int fd, const char *suffix)
{
    char link[64], path[4096];
    if (!suffix)
        return 0;
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t len = readlink(link, path, sizeof path - 1);
    if (len <= 0)
        return 0;
    path[len] = 0;
    return strchr(suffix, '*') ? fnmatch(suffix, path, 0) == 0 : endsWith(path, suffix);
}

// Seconds the clock of the day is moved by.
time_t clockShift()
{
    const char *days = getenv("CALENDRIX_DAYS_AHEAD");
    return days ? time_t(atol(days)) * 86400 : 0;
}

} // namespace

#define REAL(name) (reinterpret_cast<decltype(&::name)>(dlsym(RTLD_NEXT, #name)))

extern "C" {

int rename(const char *from, const char *to)
{
    const int rc = REAL(rename)(from, to);
    if (rc == 0)
        killIf("rename", to);
    return rc;
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    const int rc = REAL(renameat2)(fromDir, from, toDir, to, flags);
    if (rc == 0)
        killIf("rename", to);
    return rc;
}

int link(const char *from, const char *to)
{
    const int rc = REAL(link)(from, to);
    if (rc == 0)
        killIf("link", to);
    return rc;
}

int unlink(const char *path)
{
    const char *failing = getenv("CALENDRIX_FAIL_UNLINK");
    if (failing && path && endsWith(path, failing)) {
        errno = EPERM;
        return -1;
    }
    const int rc = REAL(unlink)(path);
    if (rc == 0)
        killIf("unlink", path);
    return rc;
}

int fsync(int fd)
{
    if (namedWith(fd, getenv("CALENDRIX_FAIL_SYNC"))) {
        errno = EIO;
        return -1;
    }
    const int rc = REAL(fsync)(fd);
    const char *spec = getenv("CALENDRIX_KILL_AFTER");
    if (rc == 0 && spec && strncmp(spec, "fsync:", 6) == 0 && namedWith(fd, spec + 6))
        raise(SIGKILL);
    return rc;
}

int fdatasync(int fd)
{
    if (namedWith(fd, getenv("CALENDRIX_FAIL_SYNC"))) {
        errno = EIO;
        return -1;
    }
    const int rc = REAL(fdatasync)(fd);
    const char *spec = getenv("CALENDRIX_KILL_AFTER");
    if (rc == 0 && spec && strncmp(spec, "fsync:", 6) == 0 && namedWith(fd, spec + 6))
        raise(SIGKILL);
    return rc;
}

// The clock is read often: each looks its real function up once.
int clock_gettime(clockid_t clock, struct timespec *when)
{
    static const auto real = REAL(clock_gettime);
    const int rc = real(clock, when);
    if (rc == 0 && when && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        when->tv_sec += clockShift();
    return rc;
}

int gettimeofday(struct timeval *when, void *zone)
{
    static const auto real = REAL(gettimeofday);
    const int rc = real(when, static_cast<struct timezone *>(zone));
    if (rc == 0 && when)
        when->tv_sec += clockShift();
    return rc;
}

time_t time(time_t *out)
{
    static const auto real = REAL(time);
    const time_t now = real(nullptr) + clockShift();
    if (out)
        *out = now;
    return now;
}

} // extern "C"
