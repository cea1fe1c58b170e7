// File errors: which error number becomes which message, and that reading
// and replacing report the error numbers the messages are chosen by.
#include "files/fileerror.h"
#include "files/fileio.h"

#include "support/files.h"

#include <cerrno>
#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::files;
using namespace trovanta::test;

TEST(FileError, MessagesByErrorNumber)
{
    const std::vector<std::pair<int, const char *>> cases = {
        {ENOENT, "Datei nicht gefunden"},
        {ENOTDIR, "Datei nicht gefunden"},
        {EACCES, "Dateizugriff verweigert"},
        {EPERM, "Dateizugriff verweigert"},
        {EROFS, "Dateizugriff verweigert"},
        {EINVAL, "Ungültiger Dateiname"},
        {ENAMETOOLONG, "Ungültiger Dateiname"},
        {EISDIR, "Ungültiger Dateiname"},
        {EMFILE, "Zu viele geöffnete Dateien"},
        {ENFILE, "Zu viele geöffnete Dateien"},
        {ENOSPC, "E/A-Fehler 28"},
        {EIO, "E/A-Fehler 5"},
    };
    for (const auto &[err, text] : cases) {
        EXPECT_EQ(fileErrorMessage(err), text) << err;
        EXPECT_STREQ(fileError(err).what(), text) << err;
    }
    EXPECT_STREQ(cannotCreate(QString::fromUtf8("Zündung?.bmp")).what(),
                 "Datei Zündung?.bmp kann nicht erstellt werden");
    EXPECT_STREQ(cannotWriteTo("/opt/trovanta/Trovanta.ini").what(),
                 "nach /opt/trovanta/Trovanta.ini kann nicht geschrieben werden");
}

TEST(FileIo, ReadReportsWhyAFileCannotBeOpened)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("plain"), "abc");
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    EXPECT_EQ(io::readFile(dir.filePath("missing"), 100).openError, ENOENT);
    EXPECT_EQ(io::readFile(dir.filePath("plain") + "/x", 100).openError, ENOTDIR);
    EXPECT_EQ(io::readFile(dir.path(), 100).openError, EISDIR);
    EXPECT_EQ(io::readFile(fifo, 100).openError, EINVAL); // and does not wait for a writer
    EXPECT_EQ(io::readFile(QString(), 100).openError, ENOENT);
    // A zero byte would end the name early: "plain" is not "plain<0>.txt".
    EXPECT_EQ(io::readFile(dir.filePath("plain") + QChar(0) + ".txt", 100).openError, EINVAL);

    const auto r = io::readFile(dir.filePath("plain"), 2);
    EXPECT_EQ(r.openError, 0);
    EXPECT_EQ(r.readError, 0);
    EXPECT_EQ(r.data, QByteArray("ab"));
}

TEST(FileIo, ReplaceReportsWhyAFileCannotBeWritten)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("plain"), "abc");
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    EXPECT_EQ(io::replaceFile(dir.filePath("no/such.tva"), "x"), ENOENT);
    EXPECT_EQ(io::replaceFile(dir.filePath("plain") + "/x.tva", "x"), ENOTDIR);
    EXPECT_EQ(io::replaceFile(dir.path(), "x"), EISDIR);
    EXPECT_EQ(io::replaceFile(dir.filePath(QString(300, u'n')), "x"), ENAMETOOLONG);
    EXPECT_EQ(io::replaceFile(fifo, "x"), EINVAL); // never replaced by a plain file
    EXPECT_EQ(io::replaceFile(QString(), "x"), ENOENT);
    EXPECT_EQ(io::replaceFile(dir.filePath("plain") + QChar(0) + ".txt", "x"), EINVAL);
    EXPECT_EQ(readBytes(dir.filePath("plain")), QByteArray("abc"));
    EXPECT_EQ(strayFiles(dir.path(), {"plain", "fifo"}), QStringList());
}

TEST(FileIo, ReplaceFollowsRelativeLinkChains)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
    writeBytes(dir.filePath("data/real"), "old");
    // link1 -> data/link2 -> real (relative to data/)
    ASSERT_EQ(::symlink("real", QFile::encodeName(dir.filePath("data/link2")).constData()), 0);
    ASSERT_EQ(::symlink("data/link2", QFile::encodeName(dir.filePath("link1")).constData()), 0);
    EXPECT_EQ(io::replaceFile(dir.filePath("link1"), "new"), 0);
    EXPECT_EQ(readBytes(dir.filePath("data/real")), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(dir.filePath("link1")).isSymLink());
    EXPECT_TRUE(QFileInfo(dir.filePath("data/link2")).isSymLink());

    // A link to a file not there yet creates it.
    ASSERT_EQ(::symlink("later", QFile::encodeName(dir.filePath("dangling")).constData()), 0);
    EXPECT_EQ(io::replaceFile(dir.filePath("dangling"), "x"), 0);
    EXPECT_EQ(readBytes(dir.filePath("later")), QByteArray("x"));

    ASSERT_EQ(::symlink("loop", QFile::encodeName(dir.filePath("loop")).constData()), 0);
    EXPECT_EQ(io::replaceFile(dir.filePath("loop"), "x"), ELOOP);
}

TEST(FileIo, DirectFallbackWritesInPlaceOnlyWhenTheDirectoryTakesNoNewFile)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    QTemporaryDir dir;
    const QString sub = dir.filePath("shared");
    ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
    writeBytes(sub + "/set.tva", QByteArray(300, 'o'));
    setMode(sub, 0555);
    EXPECT_EQ(io::replaceFile(sub + "/set.tva", "new", false), EACCES);
    EXPECT_EQ(io::replaceFile(sub + "/set.tva", "new", true), 0);
    EXPECT_EQ(io::replaceFile(sub + "/other.tva", "new", true), EACCES);
    setMode(sub, 0755);
    EXPECT_EQ(readBytes(sub + "/set.tva"), QByteArray("new"));
}
