// What the windows tell each other: the main window's published runs and
// named setters, the chain calculator's present chain, and saves that reach
// the disk once.

#include "window_driver.h"

#include "files/fileio.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
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

TEST_F(Wiring, AGoodRunPublishesTheGearSetTheTextsAndTheResults)
{
    w->Edit9->setText("1,50");
    w->CB_Umfangedit->setChecked(true);
    w->E_Umfang->setText("2000");
    w->Button_BerechnenClick();
    ASSERT_EQ(good.size(), 1u);
    const ui::MainRun &r = good.back();
    EXPECT_EQ(r.texts.gears[2], "1,50") << "texts as typed";
    EXPECT_DOUBLE_EQ(r.set.gears[2], 1.5);
    EXPECT_EQ(r.set.circumferenceOverride, 2000);
    EXPECT_FALSE(r.circumferenceComputed);
    EXPECT_EQ(r.circumference, 2000);
    EXPECT_EQ(r.set.shiftMark, 6000);
    EXPECT_EQ(r.set.redZone, 12000);
    EXPECT_DOUBLE_EQ(r.finalDrive, 2.235);
    EXPECT_DOUBLE_EQ(r.ratios[0], 10.982);
    EXPECT_EQ(QString::number(r.vmax[5]), w->P_Vmax6->text());
    EXPECT_EQ(r.texts.title, w->Edit15->text().toStdString());
    ASSERT_TRUE(w->lastGoodRun());
    EXPECT_EQ(w->lastGoodRun()->vmax, r.vmax);

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
}

// Every setter holds the runs its fields would start and runs once.
TEST_F(Wiring, NamedSettersSetTheFieldsAndRunExactlyOnce)
{
    struct Case {
        const char *what;
        std::function<void()> set;
        QString front, umfang;
        bool override;
    };
    ui::GearSetTexts b;
    b.rim = "17";
    b.width = "180";
    b.height = "55";
    b.slip = "4";
    b.front = "16";
    b.rear = "40";
    b.primary = "1,84";
    b.gears = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
    ui::GearSetTexts withOverride = b;
    withOverride.circumference = "1990";
    const std::vector<Case> cases = {
        {"sprockets", [&] { w->setSprockets("15", "45"); }, "15", "1953", false},
        {"gear set", [&] { w->setGearSet(b); }, "16", "1979", false},
        {"gear set with override", [&] { w->setGearSet(withOverride); }, "16", "1990", true},
        {"override", [&] { w->setCircumferenceOverride(1963); }, "17", "1963", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        ui::enrol(w.get());
        runs = 0;
        c.set();
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(w->Edit4->text(), c.front);
        EXPECT_EQ(w->E_Umfang->text(), c.umfang);
        EXPECT_EQ(w->CB_Umfangedit->isChecked(), c.override);
        EXPECT_EQ(w->E_Umfang->isEnabled(), c.override);
        EXPECT_TRUE(platform.errors.isEmpty());
    }
    w->setSprockets("17,5", "38");
    EXPECT_EQ(platform.errors, QStringList({utf8("'17,5' ist kein gültiger Integerwert.")}));
}

TEST_F(Wiring, TheChainCalculatorPublishesItsPresentChain)
{
    TForm6 chain;
    ui::enrol(&chain);
    std::vector<ui::PresentChain> seen;
    QObject::connect(&chain, &TForm6::presentChainChanged, [&](const ui::PresentChain &c) { seen.push_back(c); });
    chain.E_Glieder_alt->setText("110");
    chain.E_Gliedlaenge->setText("1,59");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen.back().links, "110");
    EXPECT_EQ(seen.back().linkLength, "1,59");
    EXPECT_EQ(chain.presentChain().sag, "2");
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
    ui::openWindow(ui::Window::Sprocket);
    ASSERT_NE(forms().Sprocket, nullptr);
    EXPECT_EQ(forms().Compare, nullptr);
    emit forms().Sprocket->compareRequested("16", "40");
    ui::CompareWindow *c = forms().Compare;
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->B_Edit4->text(), "16");
    EXPECT_EQ(c->B_Edit5->text(), "40");
    EXPECT_EQ(c->B_Edit6->text(), "1,84");
}
