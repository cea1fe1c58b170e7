// "Pignons et chaîne" driven as a rider uses it: opened from the menu on the
// chain calculator's worked example, typed into, sorted by header clicks,
// its pairs applied to the main window and handed on for comparison.

#include "languages.h"
#include "window_driver.h"

#include "calc/sprockets.h"
#include "support/files.h"
#include "ui/circuitrunner.h"
#include "ui/registry.h"
#include "ui/sprocketmodel.h"
#include "ui/sprocketwindow.h"
#include "ui/tform6.h"

#include <QAction>
#include <QHeaderView>
#include <QLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>
#include <cmath>
#include <ostream>

using namespace trovanta;
using namespace trovanta::test;
using ui::SprocketWindow;

static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class Sprockets : public RegisteredMainWindowTest {
protected:
    // The chain calculator's first worked example: 15/45 on 110 links of
    // 1,56 cm, sag 2.
    Sprockets()
    {
        ui::enrol(&chain);
        chain.E_Glieder_alt->setText("110");
        w->setSprockets("15", "45");
    }

    SprocketWindow *open()
    {
        menuAction(*w, "PignonsChaine1")->trigger();
        settle();
        return ui::analysisWindow<ui::SprocketWindow>();
    }
    static void settle() { QApplication::processEvents(); }

    ui::SprocketModel &model() const { return *ui::analysisWindow<ui::SprocketWindow>()->model(); }
    int rowOf(int front, int rear) const { return model().rowOf(front, rear); }
    QString cell(int row, sprockets::Column c) const { return model().index(row, c).data().toString(); }
    QStringList cells(int front, int rear, sprockets::Column from, sprockets::Column to) const
    {
        QStringList out;
        const int row = rowOf(front, rear);
        for (int c = from; c <= to && row >= 0; ++c)
            out << cell(row, static_cast<sprockets::Column>(c));
        return out;
    }
    QStringList pairs() const
    {
        QStringList out;
        for (int r = 0; r < model().rowCount(); ++r)
            out << cell(r, sprockets::FrontTeeth) + "/" + cell(r, sprockets::RearTeeth);
        return out;
    }
    void clickHeader(int column) const
    {
        QHeaderView *h = ui::analysisWindow<ui::SprocketWindow>()->S_Tabelle->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2));
    }
    QPoint rowPoint(int front, int rear) const
    {
        QTableView *v = ui::analysisWindow<ui::SprocketWindow>()->S_Tabelle;
        const QModelIndex i = model().index(rowOf(front, rear), sprockets::RearTeeth);
        v->scrollTo(i);
        return v->visualRect(i).center();
    }

    TForm6 chain;
};

} // namespace

TEST_F(Sprockets, OpensOnFirstUseWithThePresentDriveListed)
{
    EXPECT_EQ(ui::analysisWindow<ui::SprocketWindow>(), nullptr) << "not created at start";
    SprocketWindow *s = open();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->objectName(), "SprocketWindow");
    EXPECT_EQ(s->windowTitle(), utf8("Pignons et chaîne"));
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->isModal());
    const QList<QLineEdit *> fields = {s->S_Ritzel, s->S_Kettenrad, s->S_Glieder, s->S_Gliedlaenge,
                                       s->S_Durchhang, s->S_Vorne, s->S_Hinten, s->S_RitzelVon,
                                       s->S_RitzelBis, s->S_KettenradVon, s->S_KettenradBis, s->S_Ziel,
                                       s->S_Toleranz};
    QStringList texts;
    for (QLineEdit *e : fields)
        texts << e->text();
    EXPECT_EQ(texts, QStringList({"15", "45", "110", "1,56", "2", "20", "20", "13", "17", "39", "51", "", "2"}));
    EXPECT_EQ(model().rowCount(), 5 * 13);
    EXPECT_EQ(s->S_Hinweis->text(), "");

    // The rows' values are the arithmetic's (worked_examples_test); here,
    // what the table makes of them: the words, the present pair's
    // highlight, the even wear in bold.
    EXPECT_EQ(cells(14, 50, sprockets::Change, sprockets::RearWear),
              QStringList({"+19,03", cell(rowOf(14, 50), sprockets::Vmax6), "-18", "oui", "112", "-2", "7/14",
                           "5/50"}));
    for (const auto &[front, rear, present, hunting] : {std::tuple(15, 45, true, false), std::tuple(17, 43, false, true),
                                                         std::tuple(14, 50, false, false)}) {
        const int row = rowOf(front, rear);
        EXPECT_EQ(model().index(row, sprockets::FrontTeeth).data(Qt::BackgroundRole).isValid(), present) << front;
        EXPECT_EQ(model().index(row, sprockets::FrontWear).data(Qt::FontRole).value<QFont>().bold(), hunting);
        EXPECT_EQ(model().index(row, sprockets::RearWear).data(Qt::FontRole).value<QFont>().bold(), hunting);
    }
    EXPECT_EQ(pairs().first(), "15/45") << "nearest the present final drive first";
    EXPECT_EQ(cell(0, sprockets::Vmax6), w->P_Vmax6->text()) << "the main window's Vmax rule";
}

TEST_F(Sprockets, RangesTargetAndTheFollowingPresentPair)
{
    SprocketWindow *s = open();
    const QStringList all = pairs();
    int inBand = 0; // changes within 10 ± 3 %
    for (int r = 0; r < model().rowCount(); ++r)
        inBand += std::fabs(model().rowAt(r).change.value() - 10) <= 3;
    ASSERT_GT(inBand, 0);

    // Read the other way round.
    retype(s->S_RitzelVon, "17");
    retype(s->S_RitzelBis, "13");
    settle();
    EXPECT_EQ(pairs(), all);

    // Only the pairs within the band, nearest the target first.
    retype(s->S_Ziel, "10");
    retype(s->S_Toleranz, "3");
    settle();
    EXPECT_EQ(model().rowCount(), inBand);
    double previous = 0;
    for (int r = 0; r < model().rowCount(); ++r) {
        const double off = std::fabs(model().rowAt(r).change.value() - 10);
        EXPECT_LE(off, 3);
        EXPECT_GE(off, previous);
        previous = off;
    }
    s->S_Ziel->clear();
    settle();
    EXPECT_EQ(pairs(), all);

    // Ranges still at their defaults follow the present pair; one the rider
    // set stays.
    retype(s->S_RitzelVon, "13");
    retype(s->S_RitzelBis, "17");
    retype(s->S_KettenradBis, "60");
    w->setSprockets("16", "48");
    settle();
    EXPECT_EQ(s->S_Ritzel->text(), "16");
    EXPECT_EQ(s->S_Kettenrad->text(), "48");
    EXPECT_EQ(QStringList({s->S_RitzelVon->text(), s->S_RitzelBis->text(), s->S_KettenradVon->text(),
                           s->S_KettenradBis->text()}),
              QStringList({"14", "18", "39", "60"}));
    EXPECT_EQ(cells(16, 48, sprockets::Change, sprockets::Change), QStringList({"0,00"}));

    // A failing run keeps the last good pair; the chain calculator's chain
    // is followed while the window is open.
    w->Edit4->setText("x");
    chain.E_Glieder_alt->setText("112");
    settle();
    EXPECT_EQ(s->S_Ritzel->text(), "16");
    EXPECT_EQ(s->S_Glieder->text(), "112");
}

TEST_F(Sprockets, HeaderClicksSortByTheNumbersWithDashesLast)
{
    SprocketWindow *s = open();
    // Rears up to 200 are too big for the present chain: "–".
    retype(s->S_KettenradBis, "200");
    settle();
    const int rows = model().rowCount();
    ASSERT_EQ(rows, 5 * 162);
    QTest::mouseClick(s->S_Tabelle->viewport(), Qt::LeftButton, {}, rowPoint(14, 50));

    auto keys = [&] {
        std::vector<std::optional<double>> out;
        for (int r = 0; r < rows; ++r)
            out.push_back(model().rowAt(r).cells[sprockets::PresentMove].key);
        return out;
    };
    for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        SCOPED_TRACE(order);
        clickHeader(sprockets::PresentMove);
        const auto k = keys();
        const auto dashes = std::find(k.begin(), k.end(), std::nullopt);
        ASSERT_NE(dashes, k.end());
        EXPECT_TRUE(std::all_of(dashes, k.end(), [](const auto &v) { return !v; })) << "dashes last";
        EXPECT_TRUE(std::is_sorted(k.begin(), dashes, [&](const auto &a, const auto &b) {
            return order == Qt::AscendingOrder ? *a < *b : *a > *b;
        }));
        EXPECT_EQ(cell(rowOf(14, 50), sprockets::PresentMove), "-18");
        EXPECT_EQ(s->S_Tabelle->selectionModel()->selectedRows().value(0).row(), rowOf(14, 50)) << "stays chosen";
    }
    // The third click gives back the default order; a new listing keeps the sort.
    clickHeader(sprockets::PresentMove);
    EXPECT_EQ(pairs().first(), "15/45");
    clickHeader(sprockets::FrontTeeth);
    retype(s->S_Vorne, "25");
    settle();
    EXPECT_EQ(pairs().first(), "13/39");
    EXPECT_EQ(pairs().last(), "17/200");
}

TEST_F(Sprockets, AppliquerAndDoubleClickRunTheMainWindowOnceComparerHandsThePairOn)
{
    SprocketWindow *s = open();
    QSignalSpy compared(s, &SprocketWindow::compareRequested);
    EXPECT_FALSE(s->S_Uebernehmen->isEnabled()) << "no pair chosen";
    EXPECT_FALSE(s->S_Vergleich->isEnabled());

    QTest::mouseClick(s->S_Tabelle->viewport(), Qt::LeftButton, {}, rowPoint(17, 42));
    runs = 0;
    mouseClick(s->S_Vergleich);
    EXPECT_EQ(compared.size(), 1);
    EXPECT_EQ(compared.value(0), QVariantList({"17", "42"}));
    EXPECT_EQ(runs, 0) << "comparing leaves the main window alone";
    EXPECT_EQ(w->Edit4->text(), "15");

    mouseClick(s->S_Uebernehmen);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(w->Edit4->text(), "17");
    EXPECT_EQ(w->Edit5->text(), "42");
    settle();
    EXPECT_EQ(s->S_Ritzel->text(), "17") << "the window follows the run";

    runs = 0;
    // A double click: press and release, then the second press as a double click.
    const QPoint at = rowPoint(16, 48);
    QTest::mouseClick(s->S_Tabelle->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(s->S_Tabelle->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(w->Edit4->text(), "16");
    EXPECT_EQ(w->Edit5->text(), "48");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Sprockets, BadFieldsAndTooManyPairsListNothing)
{
    chain.E_Glieder_alt->setText("110,5"); // the chain calculator takes it
    SprocketWindow *s = open();
    EXPECT_EQ(s->S_Glieder->text(), "110,5");
    EXPECT_EQ(s->S_Hinweis->text(), utf8("Chaîne (maillons) : '110,5' ist kein gültiger Integerwert."));
    EXPECT_TRUE(s->S_Glieder->property("invalid").toBool());
    EXPECT_EQ(model().rowCount(), 0);
    retype(s->S_Glieder, "110");

    struct Case {
        QLineEdit *field;
        const char *text;
        const char *note; // nullptr: listed
        int rows;
        bool red;
    };
    const Case cases[] = {
        {s->S_Gliedlaenge, "1,5x", "Longueur d'un maillon (cm) : '1,5x' ist kein gültiger Gleitkommawert.", 0, true},
        {s->S_Ziel, "1.5", "Écart du secondaire (%) : '1.5' ist kein gültiger Gleitkommawert.", 0, true},
        {s->S_Ritzel, "0", "Une valeur nulle n'est pas possible ici.", 0, false},
        {s->S_Gliedlaenge, "0", "Une valeur nulle n'est pas possible ici.", 0, false},
        {s->S_KettenradVon, "0", "Une valeur nulle n'est pas possible ici.", 0, false},
        {s->S_Glieder, "-110", "Une valeur négative n'est pas possible ici.", 0, false},
        {s->S_Durchhang, "-2", "Flèche (maillons) : la valeur doit être supérieure à 0.", 0, true},
        {s->S_Durchhang, "0", "Flèche (maillons) : la valeur doit être supérieure à 0.", 0, true},
        {s->S_Vorne, "-5", "Course restante vers l'avant (mm) : la valeur ne peut pas être négative.", 0, true},
        {s->S_Hinten, "1e308", "Course restante vers l'arrière (mm) : 1e308 est trop grand.", 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const QString before = c.field->text();
        retype(c.field, c.text);
        settle();
        EXPECT_EQ(s->S_Hinweis->text(), utf8(c.note));
        EXPECT_EQ(model().rowCount(), c.rows);
        EXPECT_EQ(c.field->property("invalid").toBool(), c.red);
        c.field->setText(before);
        settle();
        EXPECT_EQ(s->S_Hinweis->text(), "");
        EXPECT_FALSE(c.field->property("invalid").toBool());
        EXPECT_EQ(model().rowCount(), 65);
    }
    // 40 × 80 pairs are listed, 40 × 81 are too many.
    retype(s->S_RitzelVon, "1");
    retype(s->S_RitzelBis, "40");
    retype(s->S_KettenradVon, "1");
    retype(s->S_KettenradBis, "80");
    settle();
    EXPECT_EQ(model().rowCount(), 3200);
    retype(s->S_KettenradBis, "81");
    settle();
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_EQ(s->S_Hinweis->text(), utf8("Plage trop grande : 3200 paires au plus."));
    EXPECT_TRUE(platform.messages.isEmpty() && platform.errors.isEmpty()) << "no box while typing";

    // A long paste shows in the note without pushing the window wider.
    const int width = s->width();
    s->S_Ziel->setText(QString(600, 'x'));
    settle();
    EXPECT_TRUE(s->S_Hinweis->text().startsWith(utf8("Écart du secondaire (%) : 'xxx")));
    s->layout()->activate();
    EXPECT_EQ(s->width(), width);
}

TEST_F(Sprockets, SettingsAreKeptInTheirOwnFileAndWinOverTheDefaults)
{
    SprocketWindow *s = open();
    const QString path = programDir.file("pignons.ini");
    const std::pair<const char *, const char *> typed[] = {
        {"S_Vorne", "15,5"},      {"S_Hinten", "25"},        {"S_RitzelVon", "12"}, {"S_RitzelBis", "18"},
        {"S_KettenradVon", "40"}, {"S_KettenradBis", "50"}, {"S_Ziel", "-5"},      {"S_Toleranz", "1,5"},
    };
    auto field = [&](const char *name) { return s->findChild<QLineEdit *>(name); };
    for (const auto &[name, text] : typed)
        retype(field(name), text);
    EXPECT_FALSE(QFile::exists(path));
    s->close();
    EXPECT_EQ(profileLines(path),
              QStringList({"[Program]", "Inifile=pignons", "[Achse]", "Vorne=15,5", "Hinten=25", "[Bereich]",
                           "RitzelVon=12", "RitzelBis=18", "KettenradVon=40", "KettenradBis=50", "[Ziel]",
                           "Prozent=-5", "Toleranz=1,5"}));

    // A new window reads them; the stored ranges stay when the present pair changes.
    delete s;
    w->setSprockets("16", "48");
    s = open();
    for (const auto &[name, text] : typed)
        EXPECT_EQ(field(name)->text(), text) << name;
    EXPECT_EQ(s->S_Ritzel->text(), "16");

    // The program ends with the window open: it saves first.
    retype(s->S_Hinten, "30");
    w->close();
    EXPECT_TRUE(profileLines(path).contains("Hinten=30"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// First use, before the chain calculator has a chain: the links field is
// framed and the note says where the present chain comes from.
TEST_F(Sprockets, FirstUseWithoutAChainNamesTheLinksField)
{
    chain.E_Glieder_alt->setText("0");
    SprocketWindow *s = open();
    EXPECT_EQ(s->S_Hinweis->text(), utf8("Chaîne (maillons) : Une valeur nulle n'est pas possible ici. La chaîne "
                                         "actuelle vient de Catenolix (menu Outils) ou peut être tapée ici."));
    EXPECT_TRUE(s->S_Glieder->property("invalid").toBool());
    EXPECT_EQ(model().rowCount(), 0);
    retype(s->S_Glieder, "110");
    settle();
    EXPECT_FALSE(s->S_Glieder->property("invalid").toBool());
    EXPECT_EQ(s->S_Hinweis->text(), "");
    EXPECT_EQ(model().rowCount(), 65);
}

// Ranges the rider never typed follow the present pair at every start; a
// typed one stays as typed.
TEST_F(Sprockets, UntypedRangesFollowThePresentPairAfterARestart)
{
    w->setSprockets("17", "38");
    SprocketWindow *s = open();
    auto ranges = [&] {
        return QStringList({s->S_RitzelVon->text(), s->S_RitzelBis->text(), s->S_KettenradVon->text(),
                            s->S_KettenradBis->text()});
    };
    EXPECT_EQ(ranges(), QStringList({"15", "19", "32", "44"}));
    s->close();
    const QStringList stored = profileLines(programDir.file("pignons.ini"));
    for (const char *line : {"RitzelVon=", "RitzelBis=", "KettenradVon=", "KettenradBis="})
        EXPECT_TRUE(stored.contains(line)) << line;

    delete s;
    w->setSprockets("15", "45");
    s = open();
    EXPECT_EQ(ranges(), QStringList({"13", "17", "39", "51"}));
    EXPECT_GE(rowOf(15, 45), 0) << "the present pair is listed";

    retype(s->S_KettenradVon, "40");
    s->close();
    delete s;
    w->setSprockets("16", "48");
    s = open();
    EXPECT_EQ(ranges(), QStringList({"14", "18", "40", "51"}));
    EXPECT_EQ(s->S_Hinweis->text(), "");
}

// Before the main window's first good run: a note on what to do, no red
// frame on fields nobody typed; pairs typed by hand are listed without Vmax.
class SprocketsBeforeAnyRun : public RegisteredMainWindowTest {};

TEST_F(SprocketsBeforeAnyRun, ANoteThenThePairsTypedByHand)
{
    ASSERT_FALSE(w->lastGoodRun());
    menuAction(*w, "PignonsChaine1")->trigger();
    QApplication::processEvents();
    SprocketWindow *s = ui::analysisWindow<ui::SprocketWindow>();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->S_Hinweis->text().startsWith(utf8("La fenêtre principale n'a pas encore calculé"))) << s->S_Hinweis->text().toStdString();
    EXPECT_FALSE(s->S_Ritzel->property("invalid").toBool());
    EXPECT_EQ(s->model()->rowCount(), 0);

    s->S_Ritzel->setText("15");
    s->S_Kettenrad->setText("45");
    s->S_Glieder->setText("110");
    s->S_Gliedlaenge->setText("1,56");
    s->S_Durchhang->setText("2");
    QApplication::processEvents();
    EXPECT_EQ(s->S_Hinweis->text().toStdString(), "");
    ASSERT_GT(s->model()->rowCount(), 0);
    EXPECT_EQ(s->model()->index(0, sprockets::Vmax6).data().toString(), utf8("–"));
}

// The language chosen at run time: the list's heads and words, the present
// circuit's cells and the note worked out again in it; what was typed stays.
TEST_F(Sprockets, SpeaksTheLanguageChosenAtOnce)
{
    ui::PerformanceContext context;
    perf::Input in;
    in.curve = perf::exampleCurve();
    context.input = in;
    circuit::Track essai;
    essai.corners = {{62, 2, 350}, {95, 3, 600}, {150, 4, 1000}, {110, 3, 400}};
    context.circuit = ui::PresentCircuit{"Essai", essai};
    ui::publishPerformanceContext(context);
    SprocketWindow *s = open();
    // Ranges whose fastest pair lies on the edge: the note says so.
    for (const auto &[e, text] : {std::pair(s->S_RitzelVon, "15"), std::pair(s->S_RitzelBis, "19"),
                                  std::pair(s->S_KettenradVon, "32"), std::pair(s->S_KettenradBis, "44")})
        retype(e, text);
    settle();
    s->circuitRunner()->wait();
    auto longest = [&] {
        return model().index(rowOf(15, 43), ui::SprocketModel::CircuitLongest).data().toString();
    };
    const QRegularExpressionMatch original =
        QRegularExpression(utf8("^(\\d)e · limiteur (\\d+) m$")).match(longest());
    ASSERT_TRUE(original.hasMatch()) << longest().toStdString();
    const struct {
        ui::Language language;
        const char *frontHead, *fits, *longest, *note;
    } cases[] = {
        {ui::Language::French, "Pignon", "oui", "%1e · limiteur %2 m", "Circuit : optimum en limite de plage (15/"},
        {ui::Language::German, "Ritzel", "ja", "%1. Gang · Begrenzer %2 m",
         "Strecke: Optimum am Rand des Bereichs (15/"},
        {ui::Language::English, "Front", "yes", "gear %1 · limiter %2 m",
         "Track: best pair at the edge of the ranges (15/"},
    };
    BackToOriginal back;
    for (const auto &k : cases) {
        SCOPED_TRACE(k.frontHead);
        switchTo(k.language);
        s->circuitRunner()->wait();
        EXPECT_EQ(model().headerData(sprockets::FrontTeeth, Qt::Horizontal).toString(), utf8(k.frontHead));
        EXPECT_EQ(cell(rowOf(15, 43), sprockets::Fits), utf8(k.fits));
        EXPECT_EQ(longest(), utf8(k.longest).arg(original.captured(1), original.captured(2)));
        EXPECT_TRUE(s->S_Hinweis->text().startsWith(utf8(k.note))) << s->S_Hinweis->text().toStdString();
        EXPECT_EQ(s->S_KettenradBis->text(), "44");
    }
}
