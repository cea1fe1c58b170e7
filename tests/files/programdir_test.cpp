// The program directory follows the executable, not the working directory.
#include "files/mainsettings.h"
#include "files/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trovanta::files;

TEST(ProgramDirectory, IsTheExecutablesDirectory)
{
    setProgramDirectoryForTesting(QString());
    const QString dir = programDirectory();
    EXPECT_TRUE(QFileInfo(dir).isAbsolute());
    EXPECT_EQ(dir, QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
    EXPECT_EQ(programFile("Trovanta.ini"), dir + "/Trovanta.ini");

    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(programDirectory(), dir);
    QDir::setCurrent(before);
}

TEST(ProgramDirectory, TestOverride)
{
    QTemporaryDir dir;
    setProgramDirectoryForTesting(dir.path());
    EXPECT_EQ(programFile("pistorel.ini"), dir.path() + "/pistorel.ini");
    EXPECT_EQ(mainSettingsPath(), dir.path() + "/Trovanta.ini");
    setProgramDirectoryForTesting("/");
    EXPECT_EQ(programFile("Trovanta.ini"), "/Trovanta.ini");
    setProgramDirectoryForTesting(QString());
    EXPECT_NE(programDirectory(), dir.path());
}

// No absolute folder: no directory at all, and the settings get a bare
// name, which the settings files refuse.
TEST(ProgramDirectory, UndeterminableGivesNone)
{
    for (const char *dir : {"trovanta", "./trovanta"}) {
        setProgramDirectoryForTesting(dir);
        EXPECT_EQ(programDirectory(), QString()) << dir;
        EXPECT_EQ(mainSettingsPath(), "Trovanta.ini") << dir;
    }
    setProgramDirectoryForTesting(QString());
}
