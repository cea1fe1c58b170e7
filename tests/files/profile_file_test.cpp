// ProfileFile on disk: missing and unreadable files, refused writes, and
// what the crash-safe replace keeps of the old file.
#include "files/profiletext.h"
#include "files/settingsfile.h"
#include "support/profile_oracle.h"

#include "calc/error.h"
#include "support/error_of.h"
#include "support/files.h"

#include <QFileInfo>

#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::files;
using namespace trovanta::test;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name = "Trovanta.ini") const { return dir.filePath(name); }

    // The write throws the refusal with the full path and leaves the file as it was.
    void expectRefused(const QString &p)
    {
        const QByteArray before = readBytes(p);
        EXPECT_EQ(errorOf([&] { ProfileFile(p).writeString("Hinterrad", "Felge", "18"); }),
                  "nach " + p.toStdString() + " kann nicht geschrieben werden");
        EXPECT_EQ(readBytes(p), before);
    }
};

} // namespace

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading)
{
    ProfileFile f(path());
    EXPECT_EQ(f.readString("Bezeichnung", "Name", "-Kein Kommentar gefunden-"),
              "-Kein Kommentar gefunden-");
    EXPECT_TRUE(f.readBool("Gang", "CB_Gang1", true));
    EXPECT_FALSE(f.readBool("Hinterrad", "CB_Edit", false));
    EXPECT_FALSE(settingsFileExists(path()));
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(ProfileFileTest, ExistsMeansARegularFile)
{
    EXPECT_FALSE(settingsFileExists(path()));
    EXPECT_FALSE(settingsFileExists(dir.path()));
    EXPECT_FALSE(settingsFileExists(QString()));
    writeBytes(path(), "");
    EXPECT_TRUE(settingsFileExists(path()));
}

TEST_F(ProfileFileTest, WrittenEntriesReadBack)
{
    ProfileFile f(path());
    f.writeString("Bezeichnung", "Name", "");
    f.writeString("Strecke", QString::fromUtf8("Température d air (°C)"), QString::fromUtf8("24°"));
    f.writeBool("Gang", "CB_Gang3", false);
    f.writeBool("Gang", "CB_Gang4", true);
    EXPECT_EQ(readBytes(path()), QByteArray("[Bezeichnung]\r\nName=\r\n"
                                            "[Strecke]\r\nTemp\xE9rature d air (\xB0""C)=24\xB0\r\n"
                                            "[Gang]\r\nCB_Gang3=0\r\nCB_Gang4=1\r\n"));
    EXPECT_EQ(f.readString("Bezeichnung", "Name", "default"), "");
    EXPECT_EQ(f.readString("strecke", QString::fromUtf8("température d air (°c)"), ""), QString::fromUtf8("24°"));
    EXPECT_FALSE(f.readBool("Gang", "CB_Gang3", true));
    EXPECT_TRUE(f.readBool("Gang", "CB_Gang4", false));
}

// Which texts are numbers is the text layer's test; here, what a number or
// no number makes of a switch.
TEST_F(ProfileFileTest, SwitchForms)
{
    writeBytes(path(), "[Gang]\nCB_Gang1=0\nCB_Gang2=ja\nCB_Gang4=$1F\n");
    ProfileFile f(path());
    EXPECT_FALSE(f.readBool("Gang", "CB_Gang1", true)); // "0" hides
    EXPECT_TRUE(f.readBool("Gang", "CB_Gang2", true));  // a word counts as missing
    EXPECT_FALSE(f.readBool("Gang", "CB_Gang2", false));
    EXPECT_TRUE(f.readBool("Gang", "CB_Gang4", false)); // any other number shows
}

TEST_F(ProfileFileTest, LongValuesAreStoredWholeAndReadCut)
{
    ProfileFile f(path());
    const QString longText(3000, u'x');
    f.writeString("Sonstiges", "", longText);
    EXPECT_TRUE(readBytes(path()).contains("=" + QByteArray(3000, 'x') + "\r\n"));
    EXPECT_EQ(f.readString("Sonstiges", "", "").size(), 2047);
    const QString exact(2047, u'y');
    f.writeString("Sonstiges", "", exact);
    EXPECT_EQ(f.readString("Sonstiges", "", ""), exact);
}

TEST_F(ProfileFileTest, KeepsPermissionsAndLeavesNoTemporaryFiles)
{
    writeBytes(path(), "[A]\nk=1\n");
    setMode(path(), 0640);
    ProfileFile f(path());
    f.writeString("A", "k", "2");
    f.writeString("B", "x", "3");
    EXPECT_EQ(modeOf(path()), mode_t(0640));
    EXPECT_EQ(f.readString("A", "k", ""), "2");
    EXPECT_EQ(strayFiles(dir.path(), {"Trovanta.ini"}), QStringList());
}

TEST_F(ProfileFileTest, NewFileGetsTheUsualPermissions)
{
    const mode_t mask = ::umask(022);
    ProfileFile(path()).writeString("A", "k", "1");
    ::umask(mask);
    EXPECT_EQ(modeOf(path()), mode_t(0644));
}

TEST_F(ProfileFileTest, PathBelowARegularFileIsRefused)
{
    // Holds for every user, root included.
    writeBytes(path("plain"), "x");
    const QString p = path("plain") + "/Trovanta.ini";
    ProfileFile f(p);
    EXPECT_EQ(f.readString("A", "k", "d"), "d");
    expectRefused(p);
}

TEST_F(ProfileFileTest, DirectoryInPlaceOfTheFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Trovanta.ini"));
    EXPECT_EQ(ProfileFile(path()).readString("A", "k", "d"), "d");
    expectRefused(path());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(ProfileFileTest, MissingDirectoryIsRefused)
{
    expectRefused(path("nowhere") + "/Trovanta.ini");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
}

TEST_F(ProfileFileTest, WriteProtectedFileStaysRefused)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    writeBytes(path(), "[Hinterrad]\r\nFelge=17\r\n");
    setMode(path(), 0444);
    // The directory would take a new file; the protected one is not replaced.
    expectRefused(path());
    EXPECT_EQ(modeOf(path()), mode_t(0444));
    EXPECT_EQ(strayFiles(dir.path(), {"Trovanta.ini"}), QStringList());
}

TEST_F(ProfileFileTest, WriteProtectedDirectoryIsRefused)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    const QString sub = path("prog");
    ASSERT_TRUE(QDir(dir.path()).mkdir("prog"));
    writeBytes(sub + "/catenolix.ini", "[Program]\r\nInifile=Catenolix\r\n");
    setMode(sub, 0555);
    expectRefused(sub + "/Trovanta.ini");      // new file
    expectRefused(sub + "/catenolix.ini");     // existing file: no crash-safe way to replace it
    setMode(sub, 0755);
    EXPECT_EQ(strayFiles(sub, {"catenolix.ini"}), QStringList());
}

TEST_F(ProfileFileTest, UnreadableFileGivesDefaultsAndIsNotOverwritten)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    writeBytes(path(), "[A]\nk=1\nvon Hand\n");
    setMode(path(), 0200);
    EXPECT_EQ(ProfileFile(path()).readString("A", "k", "d"), "d");
    // Writing would lose the lines it could not read.
    EXPECT_THROW(ProfileFile(path()).writeString("A", "k", "2"), Error);
    setMode(path(), 0600);
    EXPECT_EQ(readBytes(path()), QByteArray("[A]\nk=1\nvon Hand\n"));
}
