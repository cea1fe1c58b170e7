// The whole program on a program directory that takes no file, and a current
// working directory that takes no bitmap: every command that writes shows
// its message, and the program goes on working.

#include "window_driver.h"

#include "files/programdir.h"
#include "support/files.h"
#include "ui/startup.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/sprocketwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <memory>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace trovanta;
using namespace trovanta::test;

namespace {

// The ways a directory refuses; the first two refuse root too.
enum class Refusal { BelowARegularFile, DirectoriesInPlaceOfTheFiles, WriteProtected };

// The settings files of the analysis windows, by the registry's table: a
// window made without a main window names its own.
QStringList analysisFiles()
{
    QStringList names;
    for (const ui::AnalysisKind &k : ui::analysisKinds()) {
        std::unique_ptr<ui::AnalysisWindow> w(k.create(nullptr));
        names << QFileInfo(w->settingsPath()).fileName();
    }
    return names;
}

struct Case {
    Refusal refusal;
    const char *gearError; // the file error of the gear data save
};

class ReadOnlyProgramDirectory : public ::testing::TestWithParam<Case> {
protected:
    ReadOnlyProgramDirectory() : oldCwd_(QDir::currentPath()) {}
    ~ReadOnlyProgramDirectory() override
    {
        if (forms().Form1)
            ui::stopTrovanta();
        QDir::setCurrent(oldCwd_);
        ::chmod(QFile::encodeName(dir_).constData(), 0755);
    }

    QString file(const QString &name) const { return dir_ + "/" + name; }

    // Everything the program writes there, made unwritable.
    void refuse()
    {
        const QString base = scratch_.path();
        switch (GetParam().refusal) {
        case Refusal::BelowARegularFile:
            writeBytes(base + "/plain", {});
            dir_ = base + "/plain/trovanta";
            break;
        case Refusal::DirectoriesInPlaceOfTheFiles:
            dir_ = base + "/trovanta";
            for (const QString &n : QStringList{"Trovanta.ini", "catenolix.ini", "pistorel.ini", "Piste.txt", "gear.tva",
                                                "sheet.pdf", "compare.pdf"} + analysisFiles())
                ASSERT_TRUE(QDir().mkpath(file(n)));
            break;
        case Refusal::WriteProtected:
            dir_ = base + "/trovanta";
            ASSERT_TRUE(QDir().mkpath(dir_));
            setMode(dir_, 0555);
            break;
        }
        files::setProgramDirectoryForTesting(dir_);
        // A working directory that was removed takes no new file, whoever
        // asks.
        const QString gone = base + "/gone";
        ASSERT_TRUE(QDir().mkpath(gone));
        ASSERT_TRUE(QDir::setCurrent(gone));
        ASSERT_TRUE(QDir().rmdir(gone));
    }

    // The main window still calculates.
    void expectRunning()
    {
        TForm1 *main = forms().Form1;
        ASSERT_TRUE(main->isVisible());
        main->Panel9->clear();
        mouseClick(main->Button_Berechnen);
        EXPECT_FALSE(main->Panel9->text().isEmpty());
    }

    QStringList shown()
    {
        QStringList all = platform.messages + platform.errors;
        platform.clear();
        return all;
    }

    ScratchProgramDirectory scratch_;
    FakePlatform platform;
    QString dir_, oldCwd_;
};

} // namespace

TEST_P(ReadOnlyProgramDirectory, EveryWritingCommandShowsItsMessageAndTheProgramGoesOn)
{
    if (GetParam().refusal == Refusal::WriteProtected && !permissionsEnforced())
        GTEST_SKIP() << "file permissions are not enforced for this user";
    refuse();
    if (HasFatalFailure())
        return;
    ui::startTrovanta();
    TForm1 *main = forms().Form1;
    ASSERT_EQ(shown(), QStringList()) << "reading a refused file gives the defaults";
    const QString cannotWrite = "nach " + file("Trovanta.ini") + " kann nicht geschrieben werden.";

    main->Beenden1->trigger();
    EXPECT_EQ(shown(), QStringList{cannotWrite}) << "quit";
    expectRunning();

    // Before the gear data dialog moves the working directory.
    main->DiagrammalsBitmapspeichern1->trigger();
    EXPECT_EQ(shown(), QStringList{"Datei -Kein Kommentar gefunden-.bmp kann nicht erstellt werden."}) << "bitmap";
    expectRunning();

    platform.fileAnswers = {file("gear.tva")};
    main->Wertespeichern1->trigger();
    EXPECT_EQ(shown(), QStringList{utf8(GetParam().gearError)}) << "gear data save";
    EXPECT_EQ(main->P_Datei->text(), "gear.tva");
    expectRunning();

    platform.printToPdf = file("sheet.pdf");
    main->Drucken2->trigger();
    EXPECT_EQ(shown(), QStringList{utf8("Überprüfen Sie die Druckerinstallation.")}) << "gear sheet";
    expectRunning();

    TForm6 *chain = forms().Form6;
    chain->show();
    mouseClick(chain->B_Drucken);
    EXPECT_EQ(shown(), QStringList{"Druckerinstallation kontrollieren."}) << "chain printout";
    mouseClick(chain->B_Close);
    EXPECT_EQ(shown(), QStringList{"Fehler bei Ini-Erstellung."}) << "chain calculator closing";
    EXPECT_FALSE(chain->isVisible());
    expectRunning();

    TForm7 *log = forms().Form7;
    log->show();
    log->Edit1->setText("Piste");
    mouseClick(log->B_Speichern);
    EXPECT_EQ(shown(), QStringList{"Fehler beim Speichern."}) << "race log export";
    EXPECT_FALSE(log->Label_Gespeichert->isVisible());
    mouseClick(log->B_Drucken);
    EXPECT_EQ(shown(), QStringList{"Druckerinstallation kontrollieren."}) << "race log printout";
    log->close();
    EXPECT_EQ(shown(), QStringList{"Fehler bei Ini-Erstellung."}) << "race log closing";
    EXPECT_FALSE(log->isVisible());
    expectRunning();

    // The analysis windows, opened from the menu beside the main window.
    std::vector<ui::AnalysisWindow *> analysis;
    for (const ui::AnalysisKind &k : ui::analysisKinds()) {
        menuAction(*main, k.action)->trigger();
        analysis.push_back(ui::analysisWindow(utf8(k.name)));
        ASSERT_TRUE(analysis.back()) << k.name;
    }
    EXPECT_EQ(shown(), QStringList()) << "opening reads the refused files as missing";
    platform.printToPdf = file("compare.pdf");
    mouseClick(ui::analysisWindow<ui::CompareWindow>()->B_Drucken);
    EXPECT_EQ(shown(), QStringList{"Druckerinstallation kontrollieren."}) << "comparison printout";
    for (QWidget *w : analysis) {
        w->close();
        EXPECT_EQ(shown(), QStringList{"Fehler bei Ini-Erstellung."}) << w->objectName().toStdString() << " closing";
    }
    expectRunning();

    // Quitting: the analysis windows save first, then the main window; the
    // two closed ones said so at their close and do not say it again.
    menuAction(*main, "Comparaison1")->trigger();
    EXPECT_EQ(shown(), QStringList()) << "opening again";
    main->Beenden1->trigger();
    EXPECT_EQ(shown(), QStringList({"Fehler bei Ini-Erstellung.", cannotWrite})) << "quit";
    expectRunning();

    ui::stopTrovanta();
    EXPECT_EQ(shown(), QStringList{cannotWrite}) << "end of the program";
    QStringList left = QDir(dir_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    QStringList placed = QStringList{"Piste.txt", "Trovanta.ini", "catenolix.ini", "compare.pdf",
                                     "gear.tva", "pistorel.ini", "sheet.pdf"} + analysisFiles();
    placed.sort();
    EXPECT_EQ(left, GetParam().refusal == Refusal::DirectoriesInPlaceOfTheFiles ? placed : QStringList())
        << "nothing was written, no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(, ReadOnlyProgramDirectory,
                         ::testing::Values(Case{Refusal::BelowARegularFile, "Datei nicht gefunden."},
                                           Case{Refusal::DirectoriesInPlaceOfTheFiles, "Ungültiger Dateiname."},
                                           Case{Refusal::WriteProtected, "Dateizugriff verweigert."}),
                         [](const auto &info) {
                             switch (info.param.refusal) {
                             case Refusal::BelowARegularFile:
                                 return "BelowARegularFile";
                             case Refusal::DirectoriesInPlaceOfTheFiles:
                                 return "DirectoriesInPlaceOfTheFiles";
                             default:
                                 return "WriteProtected";
                             }
                         });

// A program directory that cannot be determined as an absolute folder: no
// settings are read from or written to any other place, the working
// directory included.
TEST(NoProgramDirectory, NothingIsReadOrWrittenElsewhere)
{
    FakePlatform platform;
    QTemporaryDir cwd;
    const QString oldCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cwd.path()));
    const QByteArray decoy = "[Uebersetzung]\r\nRitzel=99\r\n";
    writeBytes(cwd.filePath("Trovanta.ini"), decoy);
    files::setProgramDirectoryForTesting("trovanta-folder"); // relative: no folder to go by

    ui::startTrovanta();
    TForm1 *main = forms().Form1;
    EXPECT_EQ(main->Edit4->text(), "17") << "the defaults, not the file in the working directory";
    EXPECT_EQ(main->EditMarke->text(), "7000");
    const QStringList quit = {"nach Trovanta.ini kann nicht geschrieben werden."};
    main->Beenden1->trigger();
    EXPECT_EQ(platform.errors, quit);
    EXPECT_TRUE(main->isVisible());
    platform.clear();

    TForm7 *log = forms().Form7;
    log->show();
    log->Edit1->setText("Piste");
    mouseClick(log->B_Speichern);
    log->close();
    TForm6 *chain = forms().Form6;
    chain->show();
    chain->close();
    EXPECT_EQ(platform.messages,
              QStringList({"Fehler beim Speichern.", "Fehler bei Ini-Erstellung.", "Fehler bei Ini-Erstellung."}));
    platform.clear();

    ui::stopTrovanta();
    EXPECT_EQ(platform.errors, quit);
    files::setProgramDirectoryForTesting(QString());
    EXPECT_EQ(QDir(cwd.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"Trovanta.ini"}));
    EXPECT_EQ(readBytes(cwd.filePath("Trovanta.ini")), decoy);
    QDir::setCurrent(oldCwd);
}
