// The program directory follows the executable, not the working directory.
#include "files/mainsettings.h"
#include "files/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
    setProgramDirectoryForTesting("/srv/trovanta");
    EXPECT_EQ(programFile("pistorel.ini"), "/srv/trovanta/pistorel.ini");
    EXPECT_EQ(mainSettingsPath(), "/srv/trovanta/Trovanta.ini");
    setProgramDirectoryForTesting("/");
    EXPECT_EQ(programFile("Trovanta.ini"), "/Trovanta.ini");
    setProgramDirectoryForTesting(QString());
    EXPECT_NE(programDirectory(), "/srv/trovanta");
}
