// The present circuit and the engine model reaching "Pignons et chaîne"
// and "Comparaison" through the registry, on the worked example: the
// design's gear set, the example curve, the default bike and "Essai".

#include "window_driver.h"

#include "calc/numtext.h"
#include "files/settingsfile.h"
#include "ui/circuitrunner.h"
#include "ui/circuittab.h"
#include "ui/compareperformance.h"
#include "ui/comparewindow.h"
#include "ui/performancewindow.h"
#include "ui/sprocketmodel.h"
#include "ui/sprocketwindow.h"
#include "ui/tform6.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <ostream>

using namespace trovanta;
using namespace trovanta::test;
using ui::SprocketModel;

static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

circuit::Track essai()
{
    circuit::Track t;
    t.corners = {{62, 2, 350}, {95, 3, 600}, {150, 4, 1000}, {110, 3, 400}};
    return t;
}

ui::PerformanceContext context(bool withCircuit = true)
{
    ui::PerformanceContext c;
    perf::Input in;
    in.curve = perf::exampleCurve();
    c.input = in;
    if (withCircuit)
        c.circuit = ui::PresentCircuit{"Essai", essai()};
    return c;
}

class CircuitWiring : public RegisteredMainWindowTest {
protected:
    CircuitWiring()
    {
        ui::enrol(&chain);
        chain.E_Glieder_alt->setText("110");
        w->Button_BerechnenClick(); // 17/38: ranges 15-19 and 32-44
    }

    ui::SprocketWindow *openSprockets()
    {
        menuAction(*w, "PignonsChaine1")->trigger();
        QApplication::processEvents();
        auto *s = ui::analysisWindow<ui::SprocketWindow>();
        s->circuitRunner()->wait();
        return s;
    }
    ui::CompareWindow *openCompare()
    {
        menuAction(*w, "Comparaison1")->trigger();
        QApplication::processEvents();
        return ui::analysisWindow<ui::CompareWindow>();
    }
    static QString cell(const SprocketModel &m, int row, int column) { return m.index(row, column).data().toString(); }
    static QString pair(const SprocketModel &m, int row)
    {
        return cell(m, row, sprockets::FrontTeeth) + "/" + cell(m, row, sprockets::RearTeeth);
    }
    static QStringList leistung(const ui::CompareWindow *c, int row)
    {
        QStringList out;
        for (int col = 0; col < 3; ++col)
            out << c->GB_Leistung->B_Leistung->item(row, col)->text();
        return out;
    }

    // "Essai" typed into the Circuit tab as the rider types it.
    static void typeEssai(ui::CircuitTab *t)
    {
        t->P_Circuit->setEditText("Essai");
        key(t->P_Circuit->lineEdit(), Qt::Key_Return);
        const char *const corners[][4] = {
            {"Épingle", "62", "2", "350"}, {"Chicane", "95", "3", "600"},
            {"Courbe rapide", "150", "4", "1000"}, {"Virage 4", "110", "3", "400"}};
        for (const auto &corner : corners) {
            const int row = t->P_Strecke->rowCount() - 1;
            for (int c = 0; c < 4; ++c)
                t->P_Strecke->item(row, c)->setText(utf8(corner[c]));
        }
    }
    ui::PerformanceWindow *openPerformances()
    {
        menuAction(*w, "Performances1")->trigger();
        QApplication::processEvents();
        return ui::analysisWindow<ui::PerformanceWindow>();
    }

    TForm6 chain;
};

} // namespace

TEST_F(CircuitWiring, ThePresentCircuitReachesThePairsAndTheComparison)
{
    // Published before the windows are made: they get it when they are.
    ui::publishPerformanceContext(context());
    ui::SprocketWindow *s = openSprockets();
    const SprocketModel &m = *s->model();
    ASSERT_EQ(m.rowCount(), 65);
    ASSERT_EQ(m.columnCount(), sprockets::ColumnCount + 3);
    EXPECT_EQ(m.headerData(SprocketModel::CircuitTime, Qt::Horizontal).toString(), "Circuit (s)");

    // The fastest first; 15/43 and 15/44 lie less than a millisecond apart.
    QStringList firstTwo = {pair(m, 0), pair(m, 1)};
    firstTwo.sort();
    EXPECT_EQ(firstTwo, QStringList({"15/43", "15/44"}));
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(cell(m, r, SprocketModel::CircuitTime) + " " + cell(m, r, SprocketModel::CircuitGap), "46,25 -2,10");
    EXPECT_EQ(pair(m, 2) + " " + cell(m, 2, SprocketModel::CircuitTime), "15/42 46,30");
    EXPECT_EQ(cell(m, m.rowOf(15, 43), SprocketModel::CircuitLongest), utf8("6e · limiteur 195 m"));
    EXPECT_EQ(cell(m, m.rowOf(17, 38), SprocketModel::CircuitTime), "48,34");
    EXPECT_EQ(cell(m, m.rowOf(17, 38), SprocketModel::CircuitLongest), utf8("4e · 11727"));
    EXPECT_EQ(cell(m, m.rowOf(16, 40), SprocketModel::CircuitGap), "-1,31");
    EXPECT_TRUE(s->S_Hinweis->text().contains("optimum en limite de plage"));
    EXPECT_EQ(s->S_Anzahl->text(), "65 paires");

    // A target: the listing's own order again, the columns stay.
    type(s->S_Ziel, "0");
    QApplication::processEvents();
    s->circuitRunner()->wait();
    EXPECT_EQ(pair(m, 0), "17/38");
    EXPECT_EQ(cell(m, 0, SprocketModel::CircuitTime), "48,34");

    ui::CompareWindow *c = openCompare();
    retype(c->B_Edit4, "16");
    retype(c->B_Edit5, "40");
    EXPECT_EQ(leistung(c, ui::ComparePerformance::Circuit), QStringList({"…", "…", "…"}))
        << "a circuit is worked out off the GUI thread";
    c->GB_Leistung->wait();
    EXPECT_EQ(leistung(c, ui::ComparePerformance::To100), QStringList({"3,08", "3,08", "0,00"}));
    // The change is of the exact times, as in the sprocket pairs.
    EXPECT_EQ(leistung(c, ui::ComparePerformance::At400), QStringList({"10,24", "10,25", "0,00"}));
    EXPECT_EQ(leistung(c, ui::ComparePerformance::TopSpeed), QStringList({"285 (5e)", "284 (6e)", "-1"}));
    EXPECT_EQ(leistung(c, ui::ComparePerformance::Circuit), QStringList({"48,34", "47,03", "-1,31"}));
    EXPECT_FALSE(c->GB_Leistung->B_Leistung->isRowHidden(ui::ComparePerformance::Circuit));

    // B that does not convert: its column and the change are dashes.
    retype(c->B_Edit6, "x");
    c->GB_Leistung->wait();
    EXPECT_EQ(leistung(c, ui::ComparePerformance::To100), QStringList({"3,08", utf8("–"), utf8("–")}));

    // No circuit any more: the pairs as before, the circuit's row hidden.
    ui::publishPerformanceContext(context(false));
    QApplication::processEvents();
    EXPECT_EQ(m.columnCount(), sprockets::ColumnCount);
    EXPECT_TRUE(c->GB_Leistung->B_Leistung->isRowHidden(ui::ComparePerformance::Circuit));
    EXPECT_EQ(leistung(c, ui::ComparePerformance::To100).first(), "3,08") << "worked out at once";
}

TEST_F(CircuitWiring, WithoutAContextBothWindowsAreAsBefore)
{
    ui::SprocketWindow *s = openSprockets();
    EXPECT_EQ(s->model()->columnCount(), sprockets::ColumnCount);
    EXPECT_EQ(pair(*s->model(), 0), "17/38");
    EXPECT_FALSE(openCompare()->GB_Leistung->isVisible());

    // A circuit whose rows do not work: the columns show dashes.
    ui::PerformanceContext bad = context();
    bad.circuit->track.corners[1].metres = -5;
    ui::publishPerformanceContext(bad);
    QApplication::processEvents();
    s->circuitRunner()->wait();
    EXPECT_EQ(cell(*s->model(), 0, SprocketModel::CircuitTime), utf8("–"));
}

// The rider's way: "Essai" typed into the Performances window's tab.
TEST_F(CircuitWiring, EssaiTypedIntoThePerformancesWindowReachesThePairsAndTheComparison)
{
    ui::SprocketWindow *s = openSprockets();
    ui::CompareWindow *c = openCompare();
    retype(c->B_Edit4, "16");
    retype(c->B_Edit5, "40");
    ui::PerformanceWindow *p = openPerformances();
    ui::CircuitTab *t = p->P_CircuitTab;
    EXPECT_EQ(p->P_Tabs->tabText(p->P_Tabs->indexOf(t)), "Circuit");
    EXPECT_EQ(s->model()->columnCount(), sprockets::ColumnCount) << "no circuit yet";
    EXPECT_TRUE(c->GB_Leistung->B_Leistung->isRowHidden(ui::ComparePerformance::Circuit));

    typeEssai(t);
    EXPECT_EQ(t->P_CircuitZeit->text(), "48,34");
    QApplication::processEvents();
    s->circuitRunner()->wait();
    const SprocketModel &m = *s->model();
    ASSERT_EQ(m.columnCount(), sprockets::ColumnCount + 3);
    EXPECT_EQ(cell(m, m.rowOf(17, 38), SprocketModel::CircuitTime), "48,34");
    EXPECT_EQ(cell(m, m.rowOf(16, 40), SprocketModel::CircuitGap), "-1,31");
    c->GB_Leistung->wait();
    EXPECT_EQ(leistung(c, ui::ComparePerformance::Circuit), QStringList({"48,34", "47,03", "-1,31"}));
    EXPECT_TRUE(platform.errors.isEmpty());
}

// Kept for the next start: nothing reaches the others before the
// Performances window exists, the kept present circuit once it is opened.
TEST_F(CircuitWiring, TheKeptPresentCircuitArrivesWhenThePerformancesWindowOpens)
{
    {
        ui::PerformanceWindow p;
        p.P_CircuitTab->P_Circuit->setEditText("Vide"); // first in the file: not chosen by default
        key(p.P_CircuitTab->P_Circuit->lineEdit(), Qt::Key_Return);
        typeEssai(p.P_CircuitTab);
        p.saveSettings();
    }
    EXPECT_EQ(files::SettingsReader(programDir.file("performances.ini")).readString("Circuit", "Name", ""), "Essai");
    EXPECT_EQ(files::SettingsReader(programDir.file("circuits.ini")).readString("Essai", "Gerade3", ""), "1000");

    ui::SprocketWindow *s = openSprockets();
    EXPECT_EQ(s->model()->columnCount(), sprockets::ColumnCount);
    EXPECT_FALSE(ui::performanceContext().input) << "nothing published yet";

    ui::PerformanceWindow *p = openPerformances();
    EXPECT_EQ(p->P_CircuitTab->presentCircuitName(), "Essai");
    QApplication::processEvents();
    s->circuitRunner()->wait();
    EXPECT_EQ(cell(*s->model(), s->model()->rowOf(17, 38), SprocketModel::CircuitTime), "48,34");
}

// A run started while another goes on: nothing of the older arrives.
TEST(CircuitRunner, DropsTheOlderRunsResults)
{
    perf::Input in;
    in.curve = perf::exampleCurve();
    const auto base = std::make_shared<const perf::Model>(in);
    ui::CircuitRunner runner;
    std::vector<ui::PairLap> got;
    int finished = 0;
    QObject::connect(&runner, &ui::CircuitRunner::lapsReady, [&](const std::vector<ui::PairLap> &laps, int, int) {
        got.insert(got.end(), laps.begin(), laps.end());
    });
    QObject::connect(&runner, &ui::CircuitRunner::finished, [&] { ++finished; });

    std::vector<std::pair<std::int32_t, std::int32_t>> many;
    for (int f = 12; f <= 51; ++f)
        for (int r = 30; r <= 109; ++r)
            many.emplace_back(f, r);
    runner.start(base, essai(), many);
    // Let it post a batch or two that must not count.
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    runner.start(base, essai(), {{16, 40}, {17, 38}});
    runner.wait();
    QApplication::processEvents();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].front * 100 + got[0].rear, 1640);
    EXPECT_NEAR(*got[1].sum, 48.34, 0.005);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(runner.running());
}

// The circuit's order while batches arrive: the finished pairs fastest
// first, the others after them in the listing's order, a persistent index
// (the selection) on its pair; a header click and back.
TEST(CircuitColumns, BatchesSortInAndTheSelectionStaysOnItsPair)
{
    SprocketModel m;
    std::vector<sprockets::Row> rows;
    for (int i = 0; i < 5; ++i) {
        sprockets::Row r;
        r.front = 15;
        r.rear = 40 + i;
        r.rank = i;
        rows.push_back(r);
    }
    m.setRows(rows);
    m.setCircuitShown(true, true);
    auto cells = [](std::int32_t rear, double sum) {
        SprocketModel::CircuitCells c;
        c[0] = {num::formatF2(sum, ','), sum};
        return std::pair(SprocketModel::pairKey(15, rear), c);
    };
    auto rears = [&] {
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << QString::number(m.rowAt(r).rear);
        return out.join(' ');
    };
    const QPersistentModelIndex chosen = m.index(m.rowOf(15, 43), 0);
    const struct {
        std::vector<std::pair<std::uint64_t, SprocketModel::CircuitCells>> batch;
        const char *order;
    } steps[] = {
        {{cells(44, 47.5), cells(42, 48.0)}, "44 42 40 41 43"},
        {{cells(40, 47.0), cells(43, 47.5)}, "40 43 44 42 41"}, // equal sums: by the pair
        {{cells(41, 49.0)}, "40 43 44 42 41"},
    };
    for (const auto &step : steps) {
        m.addCircuitCells(step.batch, true);
        EXPECT_EQ(rears(), step.order);
        EXPECT_EQ(m.rowAt(chosen.row()).rear, 43);
    }
    m.sort(SprocketModel::CircuitTime, Qt::DescendingOrder);
    EXPECT_EQ(rears(), "41 42 43 44 40") << "equal sums by the listing's order";
    m.sort(-1);
    EXPECT_EQ(rears(), "40 43 44 42 41");
    EXPECT_EQ(m.rowAt(chosen.row()).rear, 43);
}
