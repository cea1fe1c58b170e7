// The rider's units: the main window, the comparison and the options file
// in mph, with the stored values still in km/h.

#include "window_driver.h"

#include "support/files.h"
#include "ui/comparewindow.h"
#include "ui/options.h"
#include "ui/performancediagrams.h"
#include "ui/performancewindow.h"
#include "ui/units.h"

#include <QAction>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class Units : public RegisteredMainWindowTest {
protected:
    ~Units() override { ui::setCurrentUnits({}); }

    void choose(const char *action)
    {
        menuAction(*w, action)->trigger();
        QApplication::processEvents();
    }
    QStringList speedPanels() const
    {
        QStringList out;
        for (const QLabel *p : {w->Panel9, w->P_Vmax1, w->P_Vmax2, w->P_Vmax3, w->P_Vmax4, w->P_Vmax5, w->P_Vmax6})
            out << p->text();
        return out;
    }
    QStringList speedCaptions() const
    {
        QStringList out;
        for (const QLabel *l : w->Label_Speed)
            out << l->text();
        return out;
    }
    ui::CompareWindow *compare()
    {
        menuAction(*w, "Comparaison1")->trigger();
        QApplication::processEvents();
        return ui::analysisWindow<ui::CompareWindow>();
    }
};

} // namespace

// Every speed of the main window in mph at once, the rest as it was; back
// in km/h everything is as before.
TEST_F(Units, MainWindowShowsEverySpeedInTheChosenUnit)
{
    w->Button_BerechnenClick();
    const QStringList kmh = speedPanels();
    ASSERT_EQ(kmh, QStringList({"101", "128", "177", "228", "270", "304", "332"}));
    const QString ratio = w->Panel3->text();
    const int runsBefore = runs;

    choose("UniteMph");
    EXPECT_EQ(speedPanels(), QStringList({"63", "80", "110", "142", "168", "189", "206"}));
    EXPECT_EQ(w->Label_Panel9Unit->text(), "mph");
    EXPECT_EQ(w->Label_kmh->text(), "mph");
    EXPECT_EQ(speedCaptions(), QStringList({"217", "186", "155", "124", "93", "62", "31", "0"}));
    EXPECT_EQ(w->Panel3->text(), ratio);
    EXPECT_EQ(runs, runsBefore) << "a switch converts what is shown, it does not calculate";
    // A new run writes mph too.
    w->Button_BerechnenClick();
    EXPECT_EQ(w->Panel9->text(), "63");
    // The captions stay right-aligned on their grid lines.
    EXPECT_EQ(w->Label_Speed[0]->geometry().right(), w->Label_Speed[1]->geometry().right());

    choose("UniteKmh");
    EXPECT_EQ(speedPanels(), kmh);
    EXPECT_EQ(speedCaptions(), QStringList({"350", "300", "250", "200", "150", "100", "50", "0"}));
    EXPECT_EQ(w->Label_kmh->text(), "km/h");
}

// The groups are exclusive, the checks follow the choice, and the choice is
// the rider's: written to options.ini and read at the next start.
TEST_F(Units, TheChoiceIsCheckedAndKept)
{
    choose("UniteMph");
    choose("UniteLbft");
    choose("UniteHp");
    choose("UniteLb");
    EXPECT_TRUE(menuAction(*w, "UniteMph")->isChecked());
    EXPECT_FALSE(menuAction(*w, "UniteKmh")->isChecked());
    EXPECT_FALSE(menuAction(*w, "UniteKW")->isChecked());
    choose("UniteCh");
    EXPECT_FALSE(menuAction(*w, "UniteHp")->isChecked());
    w->Beenden1Click();
    const QStringList lines = profileLines(ui::optionsPath());
    for (const char *entry : {"[Unites]", "Vitesse=mph", "Couple=lbft", "Puissance=ch", "Masse=lb"})
        EXPECT_TRUE(lines.contains(entry)) << entry;

    // Read back by a new start, not left over from this one.
    w.reset();
    ui::forgetWindows();
    ui::setCurrentUnits({});
    restart();
    ui::enrol(w.get());
    EXPECT_EQ(ui::currentUnits().speed, units::Speed::Mph);
    EXPECT_EQ(ui::currentUnits().power, units::Power::Ch);
    EXPECT_TRUE(menuAction(*w, "UniteMph")->isChecked());
}

// Without a stored choice the system decides: only an English-speaking
// system that measures in imperial units gets mph.
TEST(UnitsDefault, ImperialEnglishSystemsGetMph)
{
    const struct {
        QLocale locale;
        units::Speed speed;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), units::Speed::Mph},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), units::Speed::Mph},
        {QLocale(QLocale::English, QLocale::Australia), units::Speed::Kmh},
        {QLocale(QLocale::German, QLocale::Germany), units::Speed::Kmh},
        {QLocale(QLocale::Spanish, QLocale::UnitedStates), units::Speed::Kmh},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::defaultUnits(c.locale).speed, c.speed) << c.locale.name().toStdString();
}

// The comparison in mph: its speeds shown and typed in mph, the stored
// cruising speed and track points unchanged by switching, typed mph stored
// as km/h.
TEST_F(Units, ComparisonShowsAndTakesMphAndStoresKmh)
{
    w->Button_BerechnenClick();
    ui::CompareWindow *c = compare();
    ASSERT_NE(c, nullptr);
    c->T_Punkte->item(0, 0)->setText("Kurve");
    c->T_Punkte->item(0, 1)->setText("130");
    c->T_Punkte->item(0, 2)->setText("6");
    const QString rpm130 = c->P_Reise_A->text();
    const QString pointRpm = c->T_Punkte->item(0, 3)->text();

    choose("UniteMph");
    EXPECT_EQ(c->E_Reise->text(), "80,8");
    EXPECT_EQ(c->L_ReiseUnit->text(), "mph en 6e");
    EXPECT_EQ(c->P_Reise_A->text(), rpm130) << "the engine speed of the same road speed";
    EXPECT_EQ(c->T_Punkte->item(0, 1)->text(), "80,8");
    EXPECT_EQ(c->T_Punkte->item(0, 3)->text(), pointRpm);
    EXPECT_EQ(c->T_Punkte->horizontalHeaderItem(1)->text(), "mph");
    EXPECT_EQ(c->T_Vergleich->item(5, 3)->text(), w->P_Vmax6->text());
    EXPECT_TRUE(c->sheetData().results.last().startsWith(QString::fromUtf8("Régime à 80,8 mph en 6e")));

    choose("UniteKmh");
    EXPECT_EQ(c->E_Reise->text(), "130") << "a switch there and back changes no stored value";
    EXPECT_EQ(c->T_Punkte->item(0, 1)->text(), "130");

    // Typed in mph, stored in km/h.
    choose("UniteMph");
    c->E_Reise->setText("60");
    c->T_Punkte->item(0, 1)->setText("100");
    c->close();
    const QStringList lines = profileLines(programDir.file("comparaison.ini"));
    EXPECT_TRUE(lines.contains("Tempo=96,56")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("Tempo1=160,93")) << lines.join('|').toStdString();
}

// The Performances window in mph, lb-ft, hp and lb: the same results in the
// chosen units, the curve and the mass typed in them and kept metric, the
// diagrams drawn on the chosen unit's axes.
TEST_F(Units, PerformancesInImperialUnits)
{
    w->Button_BerechnenClick();
    menuAction(*w, "Performances1")->trigger();
    auto *p = ui::analysisWindow<ui::PerformanceWindow>();
    ASSERT_NE(p, nullptr);
    const QString firstTorque = p->curveModel()->index(0, 1).data().toString();
    for (const char *a : {"UniteMph", "UniteLbft", "UniteHp", "UniteLb"})
        choose(a);

    const std::pair<TPanel *, const char *> shown[] = {
        {p->P_0_100, "3,08"}, {p->P_V400, "144"}, {p->P_Vmax, "177"},
        {p->P_Vmax6e, "174 mph à 10105 tr/min"}, {p->P_VmaxBest, "178"}};
    for (const auto &[panel, text] : shown)
        EXPECT_EQ(panel->text(), utf8(text)) << panel->objectName().toStdString();
    EXPECT_EQ(p->P_Schalt->item(0, 2)->text(), "80") << "128 km/h";
    EXPECT_EQ(p->P_Schalt->horizontalHeaderItem(2)->text(), "Vitesse (mph)");
    EXPECT_EQ(p->P_Masse->text(), "595,2") << "270 kg";
    EXPECT_EQ(p->curveModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Couple (lb-ft)");
    EXPECT_EQ(p->curveModel()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Puissance (hp)");
    EXPECT_EQ(p->P_Lauf->chart().y.caption, "mph");
    ASSERT_TRUE(p->P_Motor->chart().y2.has_value());
    EXPECT_EQ(p->P_Motor->chart().y2->caption, "hp");

    // Typed in the chosen units, kept metric: 100 lb-ft and 500 lb.
    p->curveModel()->setData(p->curveModel()->index(0, 1), "100", Qt::EditRole);
    EXPECT_EQ(p->curveModel()->rows()[0].torque, "135,58");
    EXPECT_EQ(p->curveModel()->index(0, 1).data().toString(), "100");
    p->P_Masse->setText("500");
    p->close();
    const QStringList lines = profileLines(programDir.file(p->settingsPath().section('/', -1)));
    EXPECT_TRUE(lines.contains("Masse=226,8")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("T1=135,58")) << lines.join('|').toStdString();

    // Back in metric, the untouched values are as they were.
    for (const char *a : {"UniteKmh", "UniteNm", "UniteKW", "UniteKg"})
        choose(a);
    EXPECT_EQ(p->P_Masse->text(), "226,8");
    EXPECT_EQ(p->curveModel()->index(1, 1).data().toString(), p->curveModel()->rows()[1].torque);
    EXPECT_NE(firstTorque, "");
}
