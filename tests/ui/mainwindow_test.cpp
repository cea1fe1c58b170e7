#include "languages.h"
#include "window_driver.h"

#include "ui/typedlimit.h"
#include "ui/units.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

QStringList texts(std::initializer_list<QLabel *> panels)
{
    QStringList out;
    for (QLabel *p : panels)
        out << p->text();
    return out;
}

QStringList overall(const TForm1 &w)
{
    return texts({w.Panel3, w.Panel4, w.Panel5, w.Panel6, w.Panel7, w.Panel8});
}

QStringList vmax(const TForm1 &w)
{
    return texts({w.P_Vmax1, w.P_Vmax2, w.P_Vmax3, w.P_Vmax4, w.P_Vmax5, w.P_Vmax6});
}

} // namespace

class MainWindow : public MainWindowTest {};

// The settings file, the tools and the tests find controls by their names.
TEST_F(MainWindow, EveryNameLeadsToOneControl)
{
    QStringList names;
    for (const QObject *o : w->findChildren<QObject *>())
        if (!o->objectName().isEmpty() && !o->objectName().startsWith(QLatin1String("qt_")))
            names << o->objectName();
    ASSERT_GT(names.size(), 60);
    QStringList unique = names;
    unique.removeDuplicates();
    EXPECT_EQ(names.size(), unique.size()) << names.join(' ').toStdString();
    EXPECT_EQ(w->objectName(), "Form1");
    EXPECT_EQ(w->windowTitle(), "Trovanta 2.11");
    EXPECT_EQ(w->size(), QSize(795, 600));
}

// The fields the settings file holds start as the main window's file tests
// check; these are the others.
TEST_F(MainWindow, StartsWithTheFormValues)
{
    for (const auto &[e, text] : std::vector<std::pair<QLineEdit *, QString>>{
             {w->E_Schlupf, "3"}, {w->Edit13, "4"}, {w->Edit14, "4500"}})
        EXPECT_EQ(e->text(), text) << e->objectName().toStdString();

    for (QCheckBox *b : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox5, w->CheckBox6,
                         w->CBMarke, w->CBRotBereich})
        EXPECT_TRUE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_FALSE(w->CB_Umfangedit->isChecked());
    EXPECT_FALSE(w->E_Umfang->isEnabled());
    EXPECT_EQ(w->E_Umfang->text(), "1953");

    // Display fields are empty, nothing ran, the diagram is blank.
    for (QLabel *p : {w->Panel2, w->Panel3, w->Panel8, w->Panel9, w->P_Vmax1, w->P_Vmax6, w->Panel11, w->Panel12,
                      w->P_Datei})
        EXPECT_TRUE(p->text().isEmpty()) << p->objectName().toStdString();
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(w->PaintBox1->diagram());
    EXPECT_EQ(w->focusWidget(), w->Button_Berechnen);
}

TEST_F(MainWindow, TitleTakesSeventyTypedCharactersButKeepsALongerStoredOne)
{
    w->Edit15->clear();
    type(w->Edit15, QString(75, QLatin1Char('a')));
    EXPECT_EQ(w->Edit15->text().size(), 70);

    // A title of 120 characters from a file stays whole, and can be shortened.
    trovanta::ui::setFieldText(w->Edit15, QString(120, QLatin1Char('b')));
    EXPECT_EQ(w->Edit15->text().size(), 120);
    type(w->Edit15, QStringLiteral("c"));
    EXPECT_EQ(w->Edit15->text().size(), 120);
    key(w->Edit15, Qt::Key_Backspace);
    EXPECT_EQ(w->Edit15->text().size(), 119);
    type(w->Edit15, QStringLiteral("c"));
    EXPECT_EQ(w->Edit15->text().size(), 119);
}

TEST_F(MainWindow, ControlsStandAtTheirPlaces)
{
    struct Place {
        QWidget *w;
        QPoint at;
    };
    const std::vector<Place> places = {
        {w->Edit1, {128, 32}},     {w->E_Schlupf, {128, 100}},  {w->E_Umfang, {128, 128}},
        {w->CB_Umfangedit, {64, 140}}, {w->Edit4, {80, 192}},   {w->Panel2, {80, 264}},
        {w->Edit7, {16, 304}},     {w->Panel3, {60, 304}},      {w->P_Vmax6, {110, 424}},
        {w->CheckBox6, {158, 426}}, {w->Edit13, {104, 472}},    {w->Edit14, {96, 496}},
        {w->Panel9, {96, 522}},    {w->Button_Berechnen, {216, 424}}, {w->CBMarke, {328, 416}},
        {w->Label47, {552, 417}},  {w->EditMarke, {584, 415}},  {w->CBRotBereich, {400, 440}},
        {w->Label48, {552, 441}},  {w->EditRotBereich, {584, 438}}, {w->Edit15, {208, 496}},
        {w->Panel11, {710, 480}},  {w->Panel12, {710, 504}},    {w->Panel10, {200, 21}},
        {w->P_Datei, {576, 0}},    {w->Label_Diagramm, {280, 0}}, {w->Label_Regime, {688, 392}}};
    for (const Place &p : places)
        EXPECT_EQ(p.w->pos(), p.at) << p.w->objectName().toStdString();
    EXPECT_EQ(w->Panel10->size(), QSize(577, 359));
    EXPECT_EQ(w->PaintBox1->geometry(), QRect(2, 3, 571, 351));
    EXPECT_EQ(w->Button_Berechnen->size(), QSize(73, 25));
    EXPECT_EQ(w->Edit15->width(), 433);
    EXPECT_EQ(w->P_Datei->size(), QSize(201, 17));
    EXPECT_EQ(w->Panel11->size(), QSize(65, 17));
}

// The window in each choice of "&Langue / Language", switched while it is open.
using MainWindowInLanguage = InLanguage<MainWindowTest>;
INSTANTIATE_TEST_SUITE_P(Languages, MainWindowInLanguage, EveryLanguage, languageName);

// No caption may be cut off by its own box or run into the next control.
TEST_P(MainWindowInLanguage, CaptionsFitTheirBoxes)
{
    switchTo(GetParam());
    expectTextsFit(w->centralWidget());
    // A caption ends before the control to its right begins.
    const std::vector<std::pair<QLabel *, QWidget *>> beside = {
        {w->Label_Edit1, w->Edit1},   {w->Label_Edit2, w->Edit2},   {w->Label_Edit3, w->Edit3},
        {w->Label_E_Schlupf, w->E_Schlupf}, {w->Label_Edit4, w->Edit4}, {w->Label_Edit5, w->Edit5},
        {w->Label_Edit6, w->Edit6},   {w->Label_Panel2, w->Panel2}, {w->Label_Edit13, w->Edit13},
        {w->Label_Edit14, w->Edit14}, {w->Label_Panel9, w->Panel9}, {w->Label_E_Umfang, w->E_Umfang},
        {w->Label47, w->EditMarke},   {w->Label48, w->EditRotBereich}, {w->Label_Rapport, w->Label_Demulti},
        {w->Label_Demulti, w->Label_Vmax}, {w->Label_Edit15, w->Panel11}, {w->Label_Diagramm, w->Label_P_Datei},
        {w->Label_P_Datei, w->P_Datei}};
    for (const auto &[l, f] : beside)
        EXPECT_LT(l->x() + l->fontMetrics().horizontalAdvance(l->text()), f->x()) << l->objectName().toStdString();
    // The column heads over the gears stay in their frame, the engine speed
    // caption in the window.
    EXPECT_LE(w->Label_Vmax->geometry().right(), 177);
    EXPECT_LE(w->Label_Regime->geometry().right(), w->centralWidget()->width());
    for (QCheckBox *b : {w->CB_Umfangedit, w->CBMarke, w->CBRotBereich}) {
        const int need = b->fontMetrics().horizontalAdvance(b->text()) +
                         b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                         b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
        EXPECT_LE(need, b->width()) << b->objectName().toStdString();
    }
}

TEST_F(MainWindow, CalculerShowsTheReferenceValues)
{
    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(w->E_Umfang->text(), "1953");
    EXPECT_EQ(w->Panel2->text(), "2,235");
    EXPECT_EQ(overall(*w), QStringList({"10,982", "7,938", "6,169", "5,059", "4,483", "4,113"}));
    EXPECT_EQ(w->Panel9->text(), "101");
    EXPECT_EQ(vmax(*w), QStringList({"128", "177", "228", "270", "304", "332"}));
    ASSERT_TRUE(w->PaintBox1->diagram());
    EXPECT_EQ(w->PaintBox1->diagram()->fullScale, (std::array<std::int32_t, 6>{170, 236, 303, 359, 405, 441}));
}

// Typed values reach the run; what other values give is the calculation's
// test.
TEST_F(MainWindow, TypedSlipGearAndEngineSpeedReachTheRun)
{
    retype(w->E_Schlupf, "10");
    retype(w->Edit13, "6");
    retype(w->Edit14, "12000");
    mouseClick(w->Button_Berechnen);
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    EXPECT_EQ(w->Panel9->text(), "311");
    EXPECT_EQ(vmax(*w), QStringList({"128", "177", "228", "250", "282", "308"}));
}

TEST_F(MainWindow, OnlyTheListedFieldsStartARun)
{
    struct Case {
        QLineEdit *field;
        bool starts;
    };
    const std::vector<Case> cases = {
        {w->Edit13, true},  {w->Edit14, true},  {w->E_Schlupf, true}, {w->EditMarke, true},
        {w->EditRotBereich, true}, {w->Edit1, false}, {w->Edit2, false}, {w->Edit3, false},
        {w->Edit4, false},  {w->Edit5, false},  {w->Edit6, false},    {w->Edit7, false},
        {w->Edit12, false}, {w->Edit15, false}};
    for (const Case &c : cases) {
        const QString before = c.field->text();
        runs = 0;
        type(c.field, "1"); // one keystroke
        EXPECT_EQ(runs, c.starts ? 1 : 0) << c.field->objectName().toStdString();
        runs = 0;
        c.field->setText(before); // set by the program
        EXPECT_EQ(runs, c.starts ? 1 : 0) << c.field->objectName().toStdString();
    }
    // E_Umfang starts nothing either, once it is editable.
    mouseClick(w->CB_Umfangedit);
    runs = 0;
    type(w->E_Umfang, "0");
    EXPECT_EQ(runs, 0);

    for (QCheckBox *b : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox5, w->CheckBox6,
                         w->CBMarke, w->CBRotBereich}) {
        runs = 0;
        mouseClick(b);
        mouseClick(b);
        EXPECT_EQ(runs, 2) << b->objectName().toStdString();
    }
}

TEST_F(MainWindow, EditedGearSetCountsFromTheNextRun)
{
    mouseClick(w->Button_Berechnen);
    retype(w->Edit5, "42");
    retype(w->Edit7, "3,00");
    EXPECT_EQ(w->Panel2->text(), "2,235");
    EXPECT_EQ(w->Panel3->text(), "10,982");
    type(w->Edit14, "0"); // 45000 rpm: the text change runs with the new gear set
    EXPECT_EQ(w->Panel2->text(), "2,471");
    EXPECT_EQ(w->Panel3->text(), "13,638");
}

TEST_F(MainWindow, SpinningTheEngineSpeedRunsOncePerStep)
{
    QStringList seen;
    QObject::connect(w.get(), &TForm1::calculated, [&] { seen << w->Edit14->text(); });
    for (int i = 0; i < 24; ++i) // the last click is at the upper bound
        stepUp(w->UpDown2);
    EXPECT_EQ(runs, 23);
    ASSERT_EQ(seen.size(), 23);
    EXPECT_EQ(seen.first(), "5000");
    EXPECT_EQ(seen.last(), "16000");
    EXPECT_EQ(w->Edit14->text(), "16000");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(MainWindow, SpinControlsKeepTheirBounds)
{
    struct Case {
        TUpDown *u;
        int min, max, step, pos;
    };
    const std::vector<Case> cases = {{w->UpDown1, 1, 6, 1, 4},
                                     {w->UpDown2, 500, 16000, 500, 4500},
                                     {w->UpDown3, 0, 16000, 500, 6000},
                                     {w->UpDown4, 0, 16000, 500, 12000},
                                     {w->UpDown5, 0, 10, 1, 3}};
    for (const Case &c : cases) {
        EXPECT_EQ(c.u->min(), c.min);
        EXPECT_EQ(c.u->max(), c.max);
        EXPECT_EQ(c.u->increment(), c.step);
        EXPECT_EQ(c.u->position(), c.pos);
        EXPECT_EQ(c.u->associate()->geometry().right() + 1, c.u->x()) << c.u->objectName().toStdString();
    }
}

TEST_F(MainWindow, ArrowsStepFromTheTextOrTheLastPosition)
{
    struct Case {
        const char *name;
        const char *text; // edit text before the click, null = leave it
        int direction;
        const char *after;
        int runs;
    };
    // UpDown3 on EditMarke: 0 .. 16000, step 500, from 6000.
    const std::vector<Case> cases = {
        {"steps from the start value", nullptr, +1, "6500", 1},
        {"typed value in range", "7100", +1, "7600", 2},
        {"down to the lower bound", "300", -1, "0", 2},
        {"at the lower bound nothing", "0", -1, "0", 0},
        {"no number steps from the last position", "abc", +1, "500", 2},
        {"above the range steps from the last position", "20000", -1, "0", 2},
        {"clamped at the top", "15800", +1, "16000", 2},
        {"at the top the text is left alone", "16000", +1, "16000", 0},
        {"signed text in range", "+2000", -1, "1500", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        runs = 0;
        if (c.text)
            w->EditMarke->setText(QString::fromLatin1(c.text));
        if (c.direction > 0)
            stepUp(w->UpDown3);
        else
            stepDown(w->UpDown3);
        EXPECT_EQ(w->EditMarke->text(), c.after);
        EXPECT_EQ(runs, c.runs);
    }
}

TEST_F(MainWindow, UpAndDownKeysStepTheBoundEdit)
{
    key(w->Edit13, Qt::Key_Up);
    EXPECT_EQ(w->Edit13->text(), "5");
    key(w->Edit13, Qt::Key_Up);
    key(w->Edit13, Qt::Key_Up);
    EXPECT_EQ(w->Edit13->text(), "6");
    key(w->E_Schlupf, Qt::Key_Down);
    EXPECT_EQ(w->E_Schlupf->text(), "2");
    EXPECT_EQ(runs, 3);
}

struct Failure {
    const char *name;
    std::vector<std::pair<const char *, const char *>> set; // objectName, text
    const char *message;
    // Display fields written by the failing run (from empty).
    bool umfang, panel2, overall, speed, vmax;
};

// Each failure from a fresh window, so that "written" means "no longer empty".
TEST_F(MainWindow, AFailingRunWritesOnlyTheStepsBeforeIt)
{
    const std::vector<Failure> cases = {
        {"slip not an integer", {{"E_Schlupf", "2,5"}}, "'2,5' ist kein gültiger Integerwert.", false, false, false,
         false, false},
        {"empty engine speed", {{"Edit14", ""}}, "'' ist kein gültiger Integerwert.", true, true, true, false, false},
        {"empty red zone", {{"EditRotBereich", ""}}, "'' ist kein gültiger Integerwert.", false, false, false, false,
         false},
        {"rim with a dot", {{"Edit1", "17.5"}}, "'17.5' ist kein gültiger Gleitkommawert.", false, false, false, false,
         false},
        {"front sprocket not an integer", {{"Edit4", "17,5"}}, "'17,5' ist kein gültiger Integerwert.", true, false,
         false, false, false},
        {"front sprocket 0", {{"Edit4", "0"}}, "Gleitkommadivision durch Null.", true, false, false, false, false},
        {"gear ratio not a number", {{"Edit9", "x"}}, "'x' ist kein gültiger Gleitkommawert.", true, true, false, false,
         false},
        {"no gear chosen on the first run", {{"Edit13", "7"}}, "Gleitkommadivision durch Null.", true, true, true, false,
         false},
    };
    for (const Failure &c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        platform.clear();
        w->E_Umfang->clear();
        for (const auto &[field, text] : c.set)
            w->findChild<QLineEdit *>(QString::fromLatin1(field))->setText(QString::fromLatin1(text));
        mouseClick(w->Button_Berechnen);
        EXPECT_EQ(platform.errors.value(platform.errors.size() - 1), QString::fromUtf8(c.message));
        EXPECT_EQ(!w->E_Umfang->text().isEmpty(), c.umfang);
        EXPECT_EQ(!w->Panel2->text().isEmpty(), c.panel2);
        EXPECT_EQ(!w->Panel8->text().isEmpty(), c.overall);
        EXPECT_EQ(!w->Panel9->text().isEmpty(), c.speed);
        EXPECT_EQ(!w->P_Vmax1->text().isEmpty(), c.vmax);
        EXPECT_FALSE(w->PaintBox1->diagram()) << "the diagram stays blank";
    }
}

TEST_F(MainWindow, LaterFieldsKeepThePreviousRunsTexts)
{
    mouseClick(w->Button_Berechnen);
    retype(w->Edit5, "40");
    retype(w->Edit4, "0");
    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(platform.errors, QStringList{"Gleitkommadivision durch Null."});
    EXPECT_EQ(w->Panel2->text(), "2,235");
    EXPECT_EQ(w->Panel9->text(), "101");

    // An unmatched gear keeps the chosen-gear ratio of the last good run.
    retype(w->Edit4, "17");
    retype(w->Edit13, "7");
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(w->Panel2->text(), "2,353");
    EXPECT_EQ(w->Panel9->text(), "101");
}

TEST_F(MainWindow, CircumferenceOverride)
{
    mouseClick(w->CB_Umfangedit);
    EXPECT_TRUE(w->E_Umfang->isEnabled());
    EXPECT_EQ(w->E_Umfang->text(), "1953");
    EXPECT_EQ(runs, 0);

    // Switched off after editing the tyre but before a run: the tyre of the
    // last run (here: start-up) counts.
    retype(w->Edit1, "18");
    w->E_Umfang->setText("2000");
    mouseClick(w->CB_Umfangedit);
    EXPECT_FALSE(w->E_Umfang->isEnabled());
    EXPECT_EQ(w->E_Umfang->text(), "1953");
    EXPECT_EQ(runs, 0);
    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(w->E_Umfang->text(), "2033");

    // On again: the shown text stays until a run takes it.
    mouseClick(w->CB_Umfangedit);
    retype(w->E_Umfang, "2000");
    EXPECT_EQ(w->lastGoodRun()->circumference, 2033);
    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(w->E_Umfang->text(), "2000");
    EXPECT_EQ(w->lastGoodRun()->circumference, 2000);
    EXPECT_TRUE(w->lastGoodRun()->circumferenceTyped);
}

TEST_F(MainWindow, MarkSwitchesEnableTheirFieldsAtTheRun)
{
    struct Switch {
        QCheckBox *box;
        QWidget *field, *spin, *label;
    };
    for (const Switch &s : {Switch{w->CBMarke, w->EditMarke, w->UpDown3, w->Label47},
                            Switch{w->CBRotBereich, w->EditRotBereich, w->UpDown4, w->Label48}}) {
        for (bool on : {false, true}) {
            mouseClick(s.box);
            for (const QWidget *c : {s.field, s.spin, s.label})
                EXPECT_EQ(c->isEnabled(), on) << c->objectName().toStdString();
        }
    }
}

TEST_F(MainWindow, ShiftMarkThatDoesNotConvertStopsAfterTheMarker)
{
    mouseClick(w->CBMarke); // off: EditMarke disabled
    {
        const QSignalBlocker quiet(w->CBMarke);
        w->CBMarke->setChecked(true);
    }
    w->EditMarke->setText("abc");
    EXPECT_EQ(platform.errors, QStringList{QString::fromUtf8("'abc' ist kein gültiger Integerwert.")});
    ASSERT_TRUE(w->PaintBox1->diagram());
    EXPECT_EQ(w->PaintBox1->diagram()->markerX, 161);
    EXPECT_FALSE(w->PaintBox1->diagram()->shiftX);
    EXPECT_FALSE(w->PaintBox1->diagram()->redZoneX);
    EXPECT_FALSE(w->EditMarke->isEnabled()) << "enabled state stays as it was";
    EXPECT_EQ(vmax(*w), QStringList({"128", "177", "228", "270", "304", "332"}));
}

TEST_F(MainWindow, ClockShowsTimeAndDateFromTheFirstTick)
{
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_TRUE(w->Panel11->text().isEmpty());
    w->Timer1Timer();
    EXPECT_EQ(w->Panel11->text(), "14:05:09");
    EXPECT_EQ(w->Panel12->text(), "08.12.26");

    platform.locale_ = QLocale(QLocale::English, QLocale::UnitedStates);
    w->Timer1Timer();
    EXPECT_EQ(w->Panel11->text(), "2:05:09 PM");
    EXPECT_EQ(w->Panel12->text(), "12/8/26");
}

TEST_F(MainWindow, MenuHoldsItsItems)
{
    const std::vector<std::pair<QMenu *, QStringList>> menus = {
        {w->Datei1,
         {"&Ouvrir", QString::fromUtf8("Fichiers &récents"), "&Enregistrer sous..", "-",
          QString::fromUtf8("E&xporter le diagramme…"), "Enregistrer le Diagramme comme Bitmap", "-", "Im&primer",
          "-", "&Quitter"}},
        {w->Tools1,
         {"Convertir Cv - kW", "Convertir km/h - Mph", QString::fromUtf8("Convertir Métrique - Pouce"), "-",
          "&Catenolix", "&Pistorel"}},
        {w->Options1, {QString::fromUtf8("&Unités"), QStringLiteral("&Langue / Language")}},
        {w->Info1, {"&FAQ", "-", "&Info"}}};
    QStringList titles;
    for (const auto &[m, items] : menus) {
        titles << m->title();
        QStringList seen;
        for (QAction *a : m->actions())
            seen << (a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(seen, items);
    }
    // The analysis menu holds one entry per row of the registry's table, in
    // its order, each opening a window (its text ends in an ellipsis).
    titles.insert(2, w->Analyse1->title());
    QStringList entries, rows;
    for (QAction *a : w->Analyse1->actions()) {
        entries << a->objectName();
        EXPECT_TRUE(a->text().contains(QLatin1Char('&')) && a->text().endsWith(QChar(0x2026)))
            << a->text().toStdString();
    }
    for (const trovanta::ui::AnalysisKind &k : trovanta::ui::analysisKinds())
        rows << QString::fromLatin1(k.action);
    EXPECT_EQ(entries, rows);
    EXPECT_EQ(titles, QStringList({"&Fichier", "&Outils", "&Analyse", "&Options", "&Info + FAQ"}));
}

// The keys go through Qt's shortcut handling from a focused field, as a
// rider presses them: a key that is taken twice or held back by the field
// would reach no command.
TEST_F(MainWindow, StandardKeysReachTheFileCommands)
{
    const std::vector<std::pair<QAction *, QKeySequence::StandardKey>> keys = {
        {w->Oeffnen, QKeySequence::Open}, {w->Wertespeichern1, QKeySequence::Save}, {w->Drucken2, QKeySequence::Print}};
    for (const auto &[a, k] : keys) {
        ASSERT_FALSE(QKeySequence::keyBindings(k).isEmpty());
        EXPECT_EQ(a->shortcuts(), QKeySequence::keyBindings(k)) << a->objectName().toStdString();
    }
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    EXPECT_EQ(w->Beenden1->shortcuts(), quit.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quit);

    QApplication::setActiveWindow(w.get());
    w->Edit15->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto press = [](QAction *a) { QTest::keySequence(QApplication::focusWidget(), a->shortcuts().first()); };
    press(w->Oeffnen);
    press(w->Wertespeichern1);
    EXPECT_EQ(platform.dialogSuffixes, QStringList({QString(), "tva"})); // open, then save
    press(w->Drucken2);
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(w->isVisible());
    press(w->Beenden1);
    EXPECT_FALSE(w->isVisible());
}

class DotLocale : public MainWindowTest {
protected:
    DotLocale() : MainWindowTest(QLocale(QLocale::English, QLocale::UnitedStates)) {}
    ~DotLocale() override
    {
        trovanta::ui::setLanguage(trovanta::ui::Language::Original);
        trovanta::ui::setCurrentUnits({});
    }
};

TEST_F(DotLocale, DefaultsUseTheLocalesSeparatorAndRunCleanly)
{
    EXPECT_EQ(w->Edit6->text(), "1.84");
    EXPECT_EQ(w->Edit7->text(), "2.67");
    EXPECT_EQ(w->Edit12->text(), "1.00");
    mouseClick(w->Button_Berechnen);
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    EXPECT_EQ(w->Panel2->text(), "2.235");
    EXPECT_EQ(overall(*w).first(), "10.982");
    // An American system measures in imperial units: 101 km/h shows in mph.
    EXPECT_EQ(w->Panel9->text(), "63");
    EXPECT_EQ(w->Label_Panel9Unit->text(), "mph");
    // A comma text, as stored by a comma locale, is not this locale's number;
    // an English system with "Système / System" reads it in English.
    w->Edit6->setText("1,84");
    mouseClick(w->Button_Berechnen);
    EXPECT_EQ(platform.errors, QStringList{QString::fromUtf8("'1,84' is not a valid decimal number.")});
}

// Switched from the menu while the window is open: a caption, a message and
// Qt's own buttons speak the chosen language; the default title follows, a
// title the rider typed stays.
TEST_F(MainWindow, ALanguageChosenInTheMenuShowsAtOnce)
{
    const struct {
        const char *entry, *caption, *error, *cancel, *title;
    } cases[] = {
        {"LangueFrancais", "Pignon", "'x' n'est pas un nombre décimal valide.", "Annuler",
         "Diagramme de démultiplication Suzuki TL 1000 S '97 d'origine"},
        {"LangueDeutsch", "Ritzel", "'x' ist kein gültiger Gleitkommawert.", "Abbrechen",
         "Übersetzungsdiagramm Suzuki TL 1000 S '97 original"},
        {"LangueEnglish", "Front spr.", "'x' is not a valid decimal number.", "Cancel",
         "Gearing diagram Suzuki TL 1000 S '97 stock"},
    };
    BackToOriginal back;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        menuAction(*w, c.entry)->trigger();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(w->Label_Edit4->text(), utf8(c.caption));
        EXPECT_EQ(w->Edit15->text(), utf8(c.title));
        platform.clear();
        w->Edit9->setText("x");
        mouseClick(w->Button_Berechnen);
        EXPECT_EQ(platform.errors, QStringList{utf8(c.error)});
        w->Edit9->setText(trovanta::ui::localDecimal("1,50"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), utf8(c.cancel));
    }

    retype(w->Edit15, "Mon titre");
    switchTo(ui::Language::English);
    EXPECT_EQ(w->Edit15->text(), "Mon titre");
}

// A default title saved under one language is still the default under
// another: the next start shows it in the present one.
TEST_F(MainWindow, ADefaultTitleSavedInOneLanguageStartsInTheNext)
{
    switchTo(ui::Language::English);
    EXPECT_EQ(w->Edit15->text(), "Gearing diagram Suzuki TL 1000 S '97 stock");
    w->saveAtEnd();
    switchTo(ui::Language::Original);
    startWindow();
    EXPECT_EQ(w->Edit15->text(), utf8("Übersetzungsdiagramm Suzuki TL 1000 S '97 original"));
}
