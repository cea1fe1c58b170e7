// Every way the program ends saves what the open windows hold, before the
// main window's own save, and a termination request never waits on a box.

#include "window_driver.h"
#include "support/profile_oracle.h"

#include "files/settingsfile.h"
#include "support/files.h"
#include "ui/startup.h"
#include "ui/termination.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/sprocketwindow.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace trovanta;
using namespace trovanta::test;

namespace {

struct Way {
    const char *name;
    std::function<void()> end; // asks the program to end
};

void PrintTo(const Way &w, std::ostream *os) { *os << w.name; }

std::string nameOf(const ::testing::TestParamInfo<Way> &i)
{
    std::string n = i.param.name;
    std::replace_if(n.begin(), n.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return n;
}

const std::vector<Way> Ways = {
    {"SIGTERM", [] { ::raise(SIGTERM); }},
    {"SIGHUP", [] { ::raise(SIGHUP); }},
    {"SIGINT", [] { ::raise(SIGINT); }},
    {"session end", [] { ui::endSession(); }},
};

// What the process writes to standard error meanwhile.
class StderrCapture {
public:
    StderrCapture() : saved_(::dup(2))
    {
        std::fflush(stderr);
        const int fd = ::open(QFile::encodeName(file_.filePath("err")).constData(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
        ::dup2(fd, 2);
        ::close(fd);
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        return QString::fromLocal8Bit(readBytes(file_.filePath("err")));
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    QTemporaryDir file_;
    int saved_;
};

class Ending : public ::testing::TestWithParam<Way> {
protected:
    Ending()
    {
        programDir.holdFormValues();
        ui::quitOnTerminationSignals(ui::saveForSessionEnd);
        ui::startTrovanta();
    }
    ~Ending() override
    {
        if (forms().Form1)
            ui::stopTrovanta();
    }

    // Opens a window from the menu; while it is open, types into it and
    // asks the program to end.
    void endWhileOpen(QAction *menu, const std::function<void()> &type)
    {
        QTimer::singleShot(0, [&] {
            type();
            GetParam().end();
        });
        menu->trigger(); // returns once the request ended the window's loop
        ASSERT_TRUE(ui::terminationRequested());
        ui::stopTrovanta(true);
    }

    FakePlatform platform;
    ScratchProgramDirectory programDir;
};

} // namespace

TEST_P(Ending, OpenWindowsSaveBeforeTheMainWindow)
{
    forms().Form1->Edit4->setText("16");
    endWhileOpen(forms().Form1->Pistorel1, [] { forms().Form7->Edit1->setText("Spa"); });
    EXPECT_TRUE(trovanta::test::ProfileFile(programDir.file("pistorel.ini")).readString("Strecke", "Nom: ", "") == "Spa");
    EXPECT_EQ(trovanta::test::ProfileFile(programDir.file("Trovanta.ini")).readString("Uebersetzung", "Ritzel", ""), "16");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_P(Ending, TheChainCalculatorSavesToo)
{
    endWhileOpen(forms().Form1->KettenlaengeRechner, [] { forms().Form6->E_Glieder_alt->setText("112"); });
    EXPECT_EQ(trovanta::test::ProfileFile(programDir.file("catenolix.ini")).readString("Antrieb alt", "aktuelle Kettenlaenge", ""),
              "112");
}

// With nothing writable the program still ends: the messages go to
// standard error, no box waits for an answer.
TEST_P(Ending, FailuresGoToStandardErrorWithoutABox)
{
    for (const char *n : {"Trovanta.ini", "pistorel.ini"}) {
        QFile::remove(programDir.file(n));
        ASSERT_TRUE(QDir().mkpath(programDir.file(n)));
    }
    StderrCapture err;
    endWhileOpen(forms().Form1->Pistorel1, [] {});
    const QString text = err.text();
    EXPECT_TRUE(text.contains(utf8("Fehler bei Ini-Erstellung."))) << text.toStdString();
    EXPECT_TRUE(text.contains(utf8("nach ") + programDir.file("Trovanta.ini") + utf8(" kann nicht geschrieben werden.")))
        << text.toStdString();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryRequest, Ending, ::testing::ValuesIn(Ways),
                         nameOf);

namespace {

// Every way the program ends, the rider's own among them, with the analysis
// windows open beside the main window.
std::vector<Way> allWays()
{
    std::vector<Way> all = {{"Quit", [] { forms().Form1->Beenden1->trigger(); }},
                            {"close box", [] { forms().Form1->close(); }}};
    all.insert(all.end(), Ways.begin(), Ways.end());
    return all;
}

class EndingBesideAnalysis : public Ending {};

} // namespace

TEST_P(EndingBesideAnalysis, TheAnalysisWindowsSaveBeforeTheMainWindow)
{
    TForm1 *main = forms().Form1;
    main->Edit5->setText("40");
    QStringList files;
    for (const ui::AnalysisKind &k : ui::analysisKinds()) {
        menuAction(*main, k.action)->trigger();
        files << ui::analysisWindow(utf8(k.name))->settingsPath();
        ASSERT_FALSE(QFile::exists(files.back())) << "not saved before the end";
    }
    QTimer::singleShot(0, [] { GetParam().end(); });
    QApplication::exec();
    ui::stopTrovanta(ui::terminationRequested());
    for (const QString &f : files)
        EXPECT_TRUE(trovanta::files::settingsFileExists(f)) << f.toStdString();
    EXPECT_EQ(trovanta::test::ProfileFile(programDir.file("Trovanta.ini")).readString("Uebersetzung", "Kettenrad", "-"), "40");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, EndingBesideAnalysis, ::testing::ValuesIn(allWays()),
                         nameOf);

// A desktop logging out sends SIGTERM and, soon after, SIGKILL. With a
// logger fit running, every settings file is on disk before the program
// waits for the fit: the main window's last change survives the kill.
TEST(EndingDuringAFit, SigtermThenSigkillKeepsTheMainSettings)
{
    QTemporaryDir dir;
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const QByteArray d = QFile::encodeName(dir.path());
    char *const argv[] = {const_cast<char *>(TROVANTA_FIT_ENDER), const_cast<char *>(d.constData()), nullptr};
    pid_t child = -1;
    ASSERT_EQ(posix_spawn(&child, TROVANTA_FIT_ENDER, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char c = 0;
    ssize_t n;
    while ((n = ::read(out[0], &c, 1)) < 0 && errno == EINTR) {
    }
    ::close(out[0]);
    ASSERT_EQ(n, 1) << "the fit never began";

    ::kill(child, SIGTERM);
    const QString main = dir.filePath("Trovanta.ini");
    auto saved = [&] {
        return trovanta::test::ProfileFile(main).readString("Uebersetzung", "Ritzel", "") == "16";
    };
    for (int waited = 0; waited < 800 && !saved(); waited += 10)
        ::usleep(10000);
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(saved()) << "Trovanta.ini lost the last change";
    EXPECT_TRUE(trovanta::files::settingsFileExists(dir.filePath("etalonnage.ini")));
}
