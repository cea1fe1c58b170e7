#include "files/fileio.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovanta::files::io {

namespace {

int openRetry(const char *path, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(path, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= n;
    }
    return 0;
}

// fsync, where the file system supports it.
int syncFd(int fd)
{
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return errno;
    return 0;
}

int closeFd(int fd)
{
    // Linux closes the descriptor even when close reports EINTR.
    if (::close(fd) != 0 && errno != EINTR)
        return errno;
    return 0;
}

QByteArray directoryOf(const QByteArray &path)
{
    const auto slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    if (slash == 0)
        return "/";
    return path.left(slash);
}

// Follows symbolic links to the file they finally name, also when it does not
// exist yet.
int resolveLinks(QByteArray &path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        QByteArray target(st.st_size > 0 ? st.st_size + 1 : 4096, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), target.size());
        if (n < 0)
            return errno;
        if (n >= target.size())
            return ENAMETOOLONG;
        target.truncate(n);
        path = target.startsWith('/') ? target : directoryOf(path) + '/' + target;
    }
    return ELOOP;
}

// Temporary files are named after the process that writes them, so that a
// later write can tell the ones of a writer that died (killed, or the
// machine went down) from those of one still at work.
const QByteArray TempPrefix = ".trovanta-";
const QByteArray TempSuffix = ".tmp";

QByteArray temporaryName(const QByteArray &dir)
{
    return dir + '/' + TempPrefix + QByteArray::number(::getpid()) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36) + TempSuffix;
}

// Removes the temporary files that writers which no longer run left in the
// directory. A process that exists, also one of another user, keeps its own.
void removeOrphanedTemporaries(const QByteArray &dir)
{
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return;
    const pid_t self = ::getpid();
    while (const dirent *e = ::readdir(d)) {
        const QByteArrayView name(e->d_name);
        if (!name.startsWith(TempPrefix) || !name.endsWith(TempSuffix))
            continue;
        const QByteArrayView rest = name.sliced(TempPrefix.size());
        const auto dash = rest.indexOf('-');
        auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (dash <= 0 || dash > 9 || !std::all_of(rest.begin(), rest.begin() + dash, digit))
            continue;
        const qlonglong pid = rest.first(dash).toLongLong();
        if (pid <= 0 || pid == self)
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

int writeInPlace(const QByteArray &target, const QByteArray &data)
{
    const int fd = openRetry(target.constData(), O_WRONLY | O_TRUNC | O_NOCTTY);
    if (fd < 0)
        return errno;
    int err = writeAll(fd, data);
    if (!err)
        err = syncFd(fd);
    const int closeErr = closeFd(fd);
    return err ? err : closeErr;
}

} // namespace

ReadResult readFile(const QString &path, qint64 maxBytes)
{
    ReadResult r;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0')) {
        r.openError = name.isEmpty() ? ENOENT : EINVAL;
        return r;
    }
    const int fd = openRetry(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        r.openError = errno;
        return r;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        r.openError = errno;
    } else if (S_ISDIR(st.st_mode)) {
        r.openError = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        r.openError = EINVAL;
    } else {
        char buf[65536];
        while (r.data.size() < maxBytes) {
            const qint64 want = std::min<qint64>(sizeof buf, maxBytes - r.data.size());
            const ssize_t n = ::read(fd, buf, static_cast<size_t>(want));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                r.readError = errno;
                break;
            }
            if (n == 0)
                break;
            r.data.append(buf, n);
        }
    }
    ::close(fd);
    return r;
}

namespace {
std::atomic<quint64> replaces{0};
} // namespace

quint64 replaceCount() { return replaces.load(); }

int replaceFile(const QString &path, const QByteArray &data, bool directFallback)
{
    ++replaces;
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty())
        return ENOENT;
    // The system would take the name as ending at a zero byte and write
    // another file (a race log export named "Trovanta.ini<0>").
    if (target.contains('\0'))
        return EINVAL;
    if (const int err = resolveLinks(target))
        return err;

    struct stat st;
    const bool existed = ::stat(target.constData(), &st) == 0;
    if (!existed && errno != ENOENT)
        return errno;
    if (existed) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        // Devices and pipes are never replaced by a plain file.
        if (!S_ISREG(st.st_mode))
            return EINVAL;
        if (::access(target.constData(), W_OK) != 0)
            return errno;
    }

    // A new file gets the usual permissions (the kernel applies the umask);
    // the temporary copy of an existing one stays private until it has the
    // old file's permissions.
    const QByteArray dir = directoryOf(target);
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(dir);
        fd = openRetry(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY,
                       existed ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int err = errno;
        if (directFallback && existed && (err == EACCES || err == EPERM))
            return writeInPlace(target, data);
        return err;
    }

    int err = writeAll(fd, data);
    if (!err && existed) {
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
            ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Not allowed to give the file away; it keeps our ownership.
        }
        if (::fchmod(fd, st.st_mode & 07777) != 0)
            err = errno;
    }
    if (!err)
        err = syncFd(fd);
    const int closeErr = closeFd(fd);
    if (!err)
        err = closeErr;
    if (!err && ::rename(temp.constData(), target.constData()) != 0)
        err = errno;
    if (err) {
        ::unlink(temp.constData());
        return err;
    }

    // Make the rename itself durable.
    const int dirFd = openRetry(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeOrphanedTemporaries(dir);
    return 0;
}

} // namespace trovanta::files::io
