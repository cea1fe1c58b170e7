// What the windows tell each other: the main window's published runs, a
// sprocket pair handed to the comparison, and saves that reach the disk once.
// The named setters are driven by the analysis windows' tests.

#include "window_driver.h"

#include "files/fileio.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/calibrationwindow.h"
#include "ui/comparewindow.h"
#include "ui/sprocketwindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class Wiring : public RegisteredMainWindowTest {
protected:
    Wiring()
    {
        QObject::connect(w.get(), &TForm1::runSucceeded, [this](const ui::MainRun &r) { good.push_back(r); });
        QObject::connect(w.get(), &TForm1::runFailed, [this](const QString &m) { failed << m; });
    }
    std::vector<ui::MainRun> good;
    QStringList failed;
};

} // namespace

// What the published run carries is checked by the windows that follow it;
// here the texts as typed and the failures.
TEST_F(Wiring, RunsArePublishedGoodOrFailed)
{
    w->Edit9->setText("1,50");
    w->Button_BerechnenClick();
    ASSERT_EQ(good.size(), 1u);
    EXPECT_EQ(good.back().texts.gears[2], "1,50") << "texts as typed";
    EXPECT_DOUBLE_EQ(good.back().set.gears[2], 1.5);

    // A failing run says so with the box's message and leaves the last
    // good run as it was.
    w->Edit4->setText("17,5");
    w->Button_BerechnenClick();
    EXPECT_EQ(failed, QStringList({utf8("'17,5' ist kein gültiger Integerwert.")}));
    EXPECT_EQ(good.size(), 1u);
    EXPECT_EQ(w->lastGoodRun()->set.front, 17);
    // The shift mark is converted by the diagram, after the results.
    w->Edit4->setText("17");
    w->EditMarke->setText("x");
    EXPECT_EQ(failed.last(), utf8("'x' ist kein gültiger Integerwert."));
    // A named setter's text that does not convert gets the main window's box.
    platform.errors.clear();
    w->setSprockets("17,5", "38");
    EXPECT_EQ(platform.errors, QStringList({utf8("'17,5' ist kein gültiger Integerwert.")}));
}

// Each save of a settings file and each export is one replace of the file.
TEST_F(Wiring, EverySaveIsOneReplace)
{
    TForm6 chain;
    ui::enrol(&chain);
    TForm7 log;
    ui::enrol(&log);
    const std::vector<std::pair<const char *, std::function<void()>>> saves = {
        {"main settings", [&] { w->SaveIni(); }},
        {"chain calculator", [&] { chain.show(); chain.close(); }},
        {"race log", [&] { log.show(); log.close(); }},
        {"race log export", [&] { log.Edit1->setText("Spa"); log.B_SpeichernClick(); }},
    };
    for (const auto &[what, save] : saves) {
        const quint64 before = files::io::replaceCount();
        save();
        EXPECT_EQ(files::io::replaceCount() - before, 1u) << what;
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

// "Comparer" in the sprocket pairs opens the comparison (created if needed)
// and gives its variant the pair; the variant's other fields stay.
TEST_F(Wiring, ASprocketPairGoesToTheComparisonsVariant)
{
    w->Button_BerechnenClick();
    ui::openAnalysis("SprocketWindow");
    ASSERT_NE(ui::analysisWindow<ui::SprocketWindow>(), nullptr);
    EXPECT_EQ(ui::analysisWindow<ui::CompareWindow>(), nullptr);
    emit ui::analysisWindow<ui::SprocketWindow>()->compareRequested("16", "40");
    ui::CompareWindow *c = ui::analysisWindow<ui::CompareWindow>();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->B_Edit4->text(), "16");
    EXPECT_EQ(c->B_Edit5->text(), "40");
    EXPECT_EQ(c->B_Edit6->text(), "1,84");
}

// A window made after a failed run says so at once, as it would had it been
// open during the run; the next good run clears it.
TEST_F(Wiring, AWindowMadeAfterAFailedRunShowsTheFailure)
{
    w->Button_BerechnenClick();
    w->Edit4->setText("17,5");
    w->Button_BerechnenClick();
    const QString note = utf8("La fenêtre principale ne calcule pas : '17,5' ist kein gültiger Integerwert.");
    ui::openAnalysis("CompareWindow");
    ui::openAnalysis("CalibrationWindow");
    ASSERT_NE(ui::analysisWindow<ui::CompareWindow>(), nullptr);
    ASSERT_NE(ui::analysisWindow<ui::CalibrationWindow>(), nullptr);
    EXPECT_TRUE(ui::analysisWindow<ui::CompareWindow>()->L_Hinweis->text().contains(note));
    EXPECT_TRUE(ui::analysisWindow<ui::CalibrationWindow>()->C_Hinweis_Abroll->text().contains(note));

    w->Edit4->setText("17");
    w->Button_BerechnenClick();
    EXPECT_FALSE(ui::analysisWindow<ui::CompareWindow>()->L_Hinweis->text().contains(note));
    EXPECT_FALSE(ui::analysisWindow<ui::CalibrationWindow>()->C_Hinweis_Abroll->text().contains(note));
}
