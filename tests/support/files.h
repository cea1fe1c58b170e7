#pragma once
// Files for tests: raw bytes in and out, the lines of a profile file, modes,
// left-over files, and whether this machine enforces file permissions (not
// for root).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovanta::test {

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline mode_t modeOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

inline void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Root writes into write-protected files and directories; the tests that
// rely on the refusal are skipped there.
inline bool permissionsEnforced()
{
    static const bool enforced = [] {
        QTemporaryDir dir;
        const QString p = dir.filePath("probe");
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly))
            return true;
        f.close();
        ::chmod(QFile::encodeName(p).constData(), 0444);
        const int fd = ::open(QFile::encodeName(p).constData(), O_WRONLY);
        if (fd >= 0)
            ::close(fd);
        return fd < 0;
    }();
    return enforced;
}

// Names in the scratch directory other than the given ones (left-over
// temporary files).
inline QStringList strayFiles(const QString &dir, const QStringList &expected)
{
    QStringList out;
    for (const QString &n : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (!expected.contains(n))
            out << n;
    return out;
}

// The lines of a profile file, blank ones left out (Windows-1252 reads as
// Latin-1 for the letters the tests use).
inline QStringList profileLines(const QString &path)
{
    QStringList out;
    for (const QString &l : QString::fromLatin1(readBytes(path)).split(QRegularExpression("\r\n|\n")))
        if (!l.isEmpty())
            out << l;
    return out;
}

} // namespace trovanta::test
