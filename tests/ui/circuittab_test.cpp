// The "Circuit" tab on its own: circuits added by name, corners typed into
// the last row, the straights of the worked example, faults marked, and
// circuits.ini read back.

#include "languages.h"
#include "window_driver.h"

#include "ui/circuittab.h"
#include "ui/tpanel.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <ostream>

using namespace trovanta;
using namespace trovanta::test;
using ui::CircuitTab;

static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

std::shared_ptr<const perf::Model> exampleModel(int front = 17, int rear = 38)
{
    perf::Input in;
    in.curve = perf::exampleCurve();
    in.gearSet.front = front;
    in.gearSet.rear = rear;
    return std::make_shared<const perf::Model>(in);
}

class Circuit : public ::testing::Test {
protected:
    void addCircuit(CircuitTab &t, const QString &name)
    {
        t.P_Circuit->setEditText(name);
        key(t.P_Circuit->lineEdit(), Qt::Key_Return);
    }
    // Types a corner into the empty last row.
    static void typeCorner(CircuitTab &t, const QStringList &cells)
    {
        const int row = t.P_Strecke->rowCount() - 1;
        for (int c = 0; c < cells.size(); ++c)
            t.P_Strecke->item(row, c)->setText(cells[c]);
    }
    static void typeEssai(CircuitTab &t)
    {
        typeCorner(t, {utf8("Épingle"), "62", "2", "350"});
        typeCorner(t, {"Chicane", "95", "3", "600"});
        typeCorner(t, {"Courbe rapide", "150", "4", "1000"});
        typeCorner(t, {"Virage 4", "110", "3", "400"});
    }
    static QStringList resultRow(const CircuitTab &t, int r)
    {
        QStringList out;
        for (int c = 0; c < t.P_CircuitErgebnis->columnCount(); ++c)
            out << t.P_CircuitErgebnis->item(r, c)->text();
        return out;
    }

    FakePlatform platform;
    ScratchProgramDirectory programDir;
};

const QString Dash = QString::fromUtf8("\u2013");

} // namespace

TEST_F(Circuit, WorkedExampleTypedIn)
{
    CircuitTab t;
    EXPECT_FALSE(t.presentCircuit());
    EXPECT_FALSE(t.P_Strecke->isEnabled());
    QSignalSpy spy(&t, &CircuitTab::presentCircuitChanged);
    addCircuit(t, "Essai");
    EXPECT_EQ(t.presentCircuitName(), "Essai");
    EXPECT_EQ(t.P_Freinage->text(), "1,0");
    typeEssai(t);
    EXPECT_EQ(t.P_Strecke->rowCount(), 5) << "an empty row to type the next corner into";
    EXPECT_EQ(t.P_CircuitZeit->text(), Dash) << "no model yet";

    t.setModel(exampleModel());
    ASSERT_EQ(t.P_CircuitErgebnis->rowCount(), 4);
    EXPECT_EQ(resultRow(t, 0), QStringList({utf8("Épingle → Chicane"), "9,13", "199", "3", "10460", "1540", ""}));
    EXPECT_EQ(resultRow(t, 1), QStringList({utf8("Chicane → Courbe rapide"), "12,18", "237", "4", "10564", "1436", ""}));
    EXPECT_EQ(resultRow(t, 2), QStringList({utf8("Courbe rapide → Virage 4"), "17,28", "263", "4", "11727", "273", ""}));
    EXPECT_EQ(resultRow(t, 3), QStringList({utf8("Virage 4 → Épingle"), "9,75", "205", "3", "10805", "1195", ""}));
    EXPECT_EQ(t.P_CircuitZeit->text(), "48,34");
    EXPECT_TRUE(t.P_CircuitZeit->toolTip().contains("pas un temps au tour"));

    // The last emission carries the circuit as typed.
    ASSERT_GT(spy.count(), 0);
    const auto present = spy.last().at(0).value<std::optional<ui::PresentCircuit>>();
    ASSERT_TRUE(present);
    EXPECT_EQ(present->name, "Essai");
    ASSERT_EQ(present->track.corners.size(), 4u);
    EXPECT_EQ(*present->track.corners[2].kmh, 150);
    EXPECT_EQ(*present->track.braking, 1.0);

    // A shorter gearing reaches the limiter on the long straight.
    t.setModel(exampleModel(15, 43));
    EXPECT_EQ(t.P_CircuitErgebnis->item(2, CircuitTab::Margin)->text(), "limiteur sur 195 m");
    EXPECT_EQ(t.P_CircuitErgebnis->item(2, CircuitTab::Gear)->text(), "6");
}

TEST_F(Circuit, FaultsAndBadCellsAreMarkedAndTheSumIsADash)
{
    const struct {
        const char *what;
        int row, column;
        const char *text;
        const char *note; // in the note column of the straight, or in the tab's note
        bool inRow;
    } cases[] = {
        {"150 km/h in first", 0, CircuitTab::CornerKmh, "150", "le moteur dépasse", true},
        {"too short to brake", 3, CircuitTab::CornerMetres, "5", "trop courte pour freiner", true},
        {"40 km/h in third", 0, CircuitTab::CornerGear, "3", "sous la courbe", true},
        {"a gear 7", 1, CircuitTab::CornerGear, "7", "Virage 2 : un rapport de 1 à 6", false},
        {"a speed that is no number", 2, CircuitTab::CornerKmh, "x", "Virage 3 : 'x'", false},
        {"braking 0", -1, 0, "0", "Le freinage maxi doit être supérieur à zéro", false},
    };
    for (const auto &c : cases) {
        CircuitTab t;
        addCircuit(t, "Essai");
        typeEssai(t);
        t.setModel(exampleModel());
        if (std::string(c.what) == "150 km/h in first")
            t.P_Strecke->item(0, CircuitTab::CornerGear)->setText("1");
        if (std::string(c.what) == "40 km/h in third")
            t.P_Strecke->item(0, CircuitTab::CornerKmh)->setText("40");
        if (c.row < 0)
            t.P_Freinage->setText(c.text);
        else
            t.P_Strecke->item(c.row, c.column)->setText(c.text);
        const bool sumShown = std::string(c.what) == "40 km/h in third";
        EXPECT_EQ(t.P_CircuitZeit->text() != Dash, sumShown) << c.what;
        if (c.inRow) {
            ASSERT_EQ(t.P_CircuitErgebnis->rowCount(), 4) << c.what;
            EXPECT_TRUE(t.P_CircuitErgebnis->item(c.row, CircuitTab::Note)->text().contains(utf8(c.note))) << c.what;
            EXPECT_EQ(t.P_CircuitErgebnis->item(c.row, CircuitTab::Time)->text() == Dash, !sumShown) << c.what;
            EXPECT_NE(t.P_CircuitErgebnis->item(1, CircuitTab::Time)->text(), Dash) << c.what;
        } else {
            EXPECT_EQ(t.P_CircuitErgebnis->rowCount(), 0) << c.what;
            EXPECT_TRUE(t.P_CircuitHinweis->text().startsWith(utf8(c.note))) << c.what << " "
                                                                              << t.P_CircuitHinweis->text().toStdString();
            if (c.row >= 0)
                EXPECT_FALSE(t.P_Strecke->item(c.row, c.column)->toolTip().isEmpty()) << c.what;
            else
                EXPECT_TRUE(t.P_Freinage->property("invalid").toBool());
        }
    }
}

TEST_F(Circuit, CircuitsAreKeptRemovedOnlyWhenConfirmedAndRowsAreLimited)
{
    {
        CircuitTab t;
        addCircuit(t, "Essai");
        typeEssai(t);
        t.P_Freinage->setText("1,2");
        addCircuit(t, "Ledenon");
        typeCorner(t, {"", "80", "", "500"});
        addCircuit(t, "Vide");
        addCircuit(t, "essai"); // the same name: chosen, not added
        EXPECT_EQ(t.circuitNames(), QStringList({"Essai", "Ledenon", "Vide"}));
        EXPECT_EQ(t.presentCircuitName(), "Essai");
        addCircuit(t, utf8("Sepang \u2602"));
        EXPECT_EQ(t.circuitNames().size(), 3) << "a name the file cannot keep";
        EXPECT_FALSE(t.P_CircuitHinweis->text().isEmpty());

        t.setPresentCircuitName("Vide");
        platform.answers = {false};
        mouseClick(t.P_CircuitSuppr);
        EXPECT_EQ(t.circuitNames().size(), 3) << "Non keeps it";
        platform.answers = {true};
        mouseClick(t.P_CircuitSuppr);
        EXPECT_EQ(t.circuitNames(), QStringList({"Essai", "Ledenon"}));
        EXPECT_EQ(platform.questions.size(), 2);
        EXPECT_TRUE(platform.questions.last().contains("Vide"));
        t.setPresentCircuitName("Ledenon");
        t.saveCircuits();
    }
    CircuitTab t;
    EXPECT_EQ(t.circuitNames(), QStringList({"Essai", "Ledenon"}));
    t.setPresentCircuitName("Essai");
    ASSERT_EQ(t.P_Strecke->rowCount(), 5);
    EXPECT_EQ(t.P_Strecke->item(2, CircuitTab::CornerName)->text(), "Courbe rapide");
    EXPECT_EQ(t.P_Strecke->item(3, CircuitTab::CornerMetres)->text(), "400");
    EXPECT_EQ(t.P_Freinage->text(), "1,2");
    t.setPresentCircuitName("Ledenon");
    EXPECT_EQ(t.P_Strecke->item(0, CircuitTab::CornerGear)->text(), "") << "an empty gear stays empty";

    // Removing the selected corners; at 40 corners no empty row is left.
    t.P_Strecke->selectRow(0);
    mouseClick(t.P_VirageSuppr);
    EXPECT_EQ(t.P_Strecke->rowCount(), 1);
    for (int i = 0; i < 45; ++i)
        typeCorner(t, {"", "80", "", "100"});
    EXPECT_EQ(t.P_Strecke->rowCount(), CircuitTab::MaxCorners);
    EXPECT_EQ(t.presentCircuit()->track.corners.size(), std::size_t(CircuitTab::MaxCorners));
}

using CircuitTranslation = InLanguage<Circuit>;

// The tab switched at run time: its heads at once, the straights worked out
// in the new language, and back again when the language changes while they
// stand; the corners as typed.
TEST_P(CircuitTranslation, SwitchesAtRunTime)
{
    const struct {
        ui::Language language;
        const char *rpmHead, *margin;
    } cases[] = {
        {ui::Language::French, "Régime (tr/min)", "limiteur sur 195 m"},
        {ui::Language::German, "Drehzahl (U/min)", "195 m im Begrenzer"},
        {ui::Language::English, "Revs (rpm)", "on limiter for 195 m"},
    };
    const auto &l = rowFor(cases, GetParam());
    CircuitTab t;
    switchTo(l.language);
    EXPECT_EQ(t.P_CircuitErgebnis->horizontalHeaderItem(CircuitTab::Rpm)->text(), utf8(l.rpmHead));

    addCircuit(t, "Essai");
    typeEssai(t);
    t.setModel(exampleModel(15, 43));
    ASSERT_EQ(t.P_CircuitErgebnis->rowCount(), 4);
    EXPECT_EQ(t.P_CircuitErgebnis->item(2, CircuitTab::Margin)->text(), utf8(l.margin));

    switchTo(ui::Language::Original);
    EXPECT_EQ(t.P_CircuitErgebnis->item(2, CircuitTab::Margin)->text(), "limiteur sur 195 m");
    EXPECT_EQ(t.P_Strecke->item(2, 0)->text(), "Courbe rapide");
}

INSTANTIATE_TEST_SUITE_P(Languages, CircuitTranslation, EveryTranslation, languageName);
