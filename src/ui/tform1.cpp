#include "ui/tform1.h"
#include "ui/theme.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"
#include "calc/product.h"
#include "print/letterhead.h"
#include "ui/fielddefault.h"
#include "ui/fonts.h"
#include "ui/gearsetbinder.h"
#include "ui/platform.h"
#include "ui/typedlimit.h"
#include "ui/units.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace trovanta;

namespace {

constexpr int EditHeight = 21;

using ui::tx;
using ui::utf8;

// What the program fills into the title field: the form's title and the
// settings file's when it holds none.
const std::vector<ui::Source> TitleDefaults = {
    tx("TForm1", "Übersetzungsdiagramm Suzuki TL 1000 S '97 original"),
    tx("TForm1", "-Kein Kommentar gefunden-"),
};

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(ui::formFont(8));
    setAcceptDrops(true);
    buildWindow();
    ui::keepDefaults(Edit15, TitleDefaults);
    gearSet_ = std::make_unique<ui::GearSetBinder>(
        ui::GearSetBinder::Edits{Edit1, Edit2, Edit3, E_Schlupf, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10,
                                 Edit11, Edit12},
        E_Umfang, CB_Umfangedit);
    buildMenu();
    resize(795, 600);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    FormCreate();
    // A choice in "&Unités" is the rider's from then on (the start's own
    // setting, from the file or the system, is not); a switch shows at once.
    connect(&ui::unitsHub(), &ui::UnitsHub::changed, this, [this] {
        options_.units = ui::currentUnits();
        showUnits();
    });
    showUnits();
    Button_Berechnen->setFocus();
}

TForm1::~TForm1()
{
    if (!savedAtEnd_)
        saveAtEnd();
}

void TForm1::saveAtEnd()
{
    savedAtEnd_ = true;
    try {
        SaveIni();
    } catch (const Error &e) {
        if (quietEnd_)
            ui::reportSaveFailure(nullptr, QString::fromStdString(withFullStop(e.message())), true);
        else
            ui::platform().showError(nullptr, QString::fromStdString(e.message()));
    }
}

void TForm1::buildWindow()
{
    auto *c = new QWidget(this);
    c->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(c);

    // The builders at this window's origin and edit height.
    auto frame = [c](const char *name, int x, int y, int w, int h) {
        return ui::raisedFrame(c, name, QRect(x, y, w, h));
    };
    auto label = [c](const char *name, const ui::Source &text, int x, int y,
                     std::optional<QFont> font = std::nullopt) { return ui::plainLabel(c, name, text, x, y, font); };
    // Numbers and unit words, which no language changes.
    auto plain = [c](const char *name, const QString &text, int x, int y,
                     std::optional<QFont> font = std::nullopt) { return ui::plainLabel(c, name, text, x, y, font); };
    auto edit = [c](const char *name, const QString &text, int x, int y, int w, int h = EditHeight) {
        return ui::lineEdit(c, name, text, QRect(x, y, w, h));
    };
    auto panel = [c](const char *name, int x, int y, int w, int h = EditHeight) {
        return ui::panel(c, name, QRect(x, y, w, h));
    };
    auto updown = [c](const char *name, QLineEdit *e, int min, int max, int step, int pos) {
        return ui::upDown(c, name, e, min, max, step, pos);
    };
    auto check = [c](const char *name, const ui::Source &text, int x, int y, int w, bool captionLeft) {
        return ui::checkBox(c, name, text, x, y, w, captionLeft);
    };
    const QFont heading = ui::formFont(10, true);

    // Frames first, so that everything else lies on top of them.
    frame("Bevel_Hinterrad", 1, 8, 177, 153);
    frame("Bevel_Uebersetzung", 1, 168, 177, 289);
    frame("Bevel_Betriebspunkt", 1, 464, 177, 81);
    frame("Bevel_Berechnen", 200, 408, 105, 57);
    frame("Bevel_Marken", 312, 408, 467, 57);
    frame("Bevel_Bezeichnung", 200, 472, 580, 73);
    Panel10 = frame("Panel10", 200, 21, 577, 359);

    // Rear wheel
    Label_RoueAr = label("Label_RoueAr", tx("TForm1", "Roue Ar."), 8, 12, heading);
    Label_Edit1 = label("Label_Edit1", tx("TForm1", "Diamètre de jante (\")"), 8, 36);
    Edit1 = edit("Edit1", QStringLiteral("17"), 128, 32, 41);
    Label_Edit2 = label("Label_Edit2", tx("TForm1", "Largeur pneu(mm)"), 8, 59);
    Edit2 = edit("Edit2", QStringLiteral("190"), 128, 55, 41);
    Label_Edit3 = label("Label_Edit3", tx("TForm1", "Hauteur pneu (%)"), 8, 81);
    Edit3 = edit("Edit3", QStringLiteral("50"), 128, 77, 41);
    Label_E_Schlupf = label("Label_E_Schlupf", tx("TForm1", " Glissement(%)"), 8, 104);
    E_Schlupf = edit("E_Schlupf", QStringLiteral("3"), 128, 100, 41);
    UpDown5 = updown("UpDown5", E_Schlupf, 0, 10, 1, 3);
    Label_E_Umfang = label("Label_E_Umfang", tx("TForm1", "Développement (mm)"), 8, 124);
    E_Umfang = edit("E_Umfang", QString(), 128, 128, 41, 24);
    E_Umfang->setFont(ui::formFont(10));
    {
        // Disabled, the field shows the window's face colour.
        QPalette pal = E_Umfang->palette();
        pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Window));
        E_Umfang->setPalette(pal);
    }
    E_Umfang->setEnabled(false);
    CB_Umfangedit = check("CB_Umfangedit", tx("TForm1", "Changer"), 64, 140, 63, true);

    // Gearing
    Label_Demultiplication = label("Label_Demultiplication", tx("TForm1", "Démultiplication"), 8, 172, heading);
    Label_Edit4 = label("Label_Edit4", tx("TForm1", "Pignon"), 8, 196);
    Edit4 = edit("Edit4", QStringLiteral("17"), 80, 192, 49);
    Label_Edit5 = label("Label_Edit5", tx("TForm1", "Couronne"), 8, 220);
    Edit5 = edit("Edit5", QStringLiteral("38"), 80, 216, 49);
    Label_Edit6 = label("Label_Edit6", tx("TForm1", "Primaire"), 8, 244);
    Edit6 = edit("Edit6", ui::localDecimal("1,84"), 80, 240, 49);
    Label_Panel2 = label("Label_Panel2", tx("TForm1", "Secondaire"), 8, 268);
    Panel2 = panel("Panel2", 80, 264, 49);

    Label_Rapport = label("Label_Rapport", tx("TForm1", "Rapport"), 16, 286);
    Label_Demulti = label("Label_Demulti", tx("TForm1", "Démulti."), 62, 286);
    Label_Vmax = label("Label_Vmax", tx("TForm1", "Vmax"), 120, 286);
    static const char *const gearDefaults[6] = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
    static const char *const rowNames[6] = {"Label_Gang1", "Label_Gang2", "Label_Gang3",
                                            "Label_Gang4", "Label_Gang5", "Label_Gang6"};
    QLineEdit **gearEdits[6] = {&Edit7, &Edit8, &Edit9, &Edit10, &Edit11, &Edit12};
    TPanel **overall[6] = {&Panel3, &Panel4, &Panel5, &Panel6, &Panel7, &Panel8};
    TPanel **vmax[6] = {&P_Vmax1, &P_Vmax2, &P_Vmax3, &P_Vmax4, &P_Vmax5, &P_Vmax6};
    QCheckBox **gearChecks[6] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5, &CheckBox6};
    for (int k = 0; k < 6; ++k) {
        const int top = 304 + 24 * k;
        const QByteArray n = QByteArray::number(k + 1);
        Label_Gang[k] = plain(rowNames[k], QString::number(k + 1), 7, top + 4);
        *gearEdits[k] = edit(QByteArray("Edit" + QByteArray::number(k + 7)).constData(),
                             ui::localDecimal(gearDefaults[k]), 16, top, 41);
        *overall[k] = panel(QByteArray("Panel" + QByteArray::number(k + 3)).constData(), 60, top, 47);
        *vmax[k] = panel(QByteArray("P_Vmax" + n).constData(), 110, top, 41);
        ui::setTextColour(*overall[k], ui::GearColours[k]);
        ui::setTextColour(*vmax[k], ui::GearColours[k]);
        *gearChecks[k] = ui::checkBox(c, QByteArray("CheckBox" + n).constData(), QString(), 158, top + 2, 17, false);
        (*gearChecks[k])->setChecked(true);
    }

    // Operating point
    Label_Edit13 = label("Label_Edit13", tx("TForm1", "Rapport"), 8, 476);
    Edit13 = edit("Edit13", QStringLiteral("4"), 104, 472, 41);
    UpDown1 = updown("UpDown1", Edit13, 1, 6, 1, 4);
    Label_Edit14 = label("Label_Edit14", tx("TForm1", "Régime"), 8, 500);
    Edit14 = edit("Edit14", QStringLiteral("4500"), 96, 496, 57);
    UpDown2 = updown("UpDown2", Edit14, 500, 16000, 500, 4500);
    Label_Panel9 = label("Label_Panel9", tx("TForm1", "Vitesse"), 8, 526);
    Panel9 = panel("Panel9", 96, 522, 41);
    Label_Panel9Unit = plain("Label_Panel9Unit", utf8("km/h"), 142, 526);

    // Calculate
    Button_Berechnen = new QPushButton(c);
    Button_Berechnen->setObjectName(QStringLiteral("Button_Berechnen"));
    ui::keepText(Button_Berechnen, tx("TForm1", "&Calculer"));
    Button_Berechnen->setGeometry(216, 424, 73, 25);
    Button_Berechnen->setFont(ui::formFont(8, true));
    ui::followTheme(Button_Berechnen, ui::ThemeRole::Warning);

    // Marks
    CBMarke = check("CBMarke", tx("TForm1", "Cocher pour un changement de rapport"), 328, 416, 217, true);
    CBMarke->setChecked(true);
    Label47 = label("Label47", tx("TForm1", "à"), 552, 417);
    EditMarke = edit("EditMarke", QStringLiteral("6000"), 584, 415, 57);
    UpDown3 = updown("UpDown3", EditMarke, 0, 16000, 500, 6000);
    CBRotBereich = check("CBRotBereich", tx("TForm1", "Et pour une zone rouge"), 400, 440, 145, true);
    CBRotBereich->setChecked(true);
    Label48 = label("Label48", tx("TForm1", "à"), 552, 441);
    EditRotBereich = edit("EditRotBereich", QStringLiteral("12000"), 584, 438, 57);
    UpDown4 = updown("UpDown4", EditRotBereich, 0, 16000, 500, 12000);

    // Title and clock
    Label_Edit15 = label("Label_Edit15",
                         tx("TForm1", "Le texte que vous indiquez dans ce champ apparaît à l impression"), 208, 480);
    Edit15 = edit("Edit15", ui::translated(TitleDefaults[0]), 208, 496, 433);
    ui::limitTyping(Edit15, 70);
    Label_Edit15Max = label("Label_Edit15Max", tx("TForm1", "(max. 70 )"), 320, 520);
    Panel11 = panel("Panel11", 710, 480, 65, 17);
    Panel12 = panel("Panel12", 710, 504, 65, 17);
    ui::setTextColour(Panel11, Qt::blue);
    ui::setTextColour(Panel12, Qt::blue);

    // Diagram and its captions
    PaintBox1 = new TPaintBox(Panel10);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(2, 3, 571, 351);
    // The gear colours on the light face they were chosen for, whatever the theme.
    ui::keepLight(PaintBox1);
    for (TPanel *coloured : {Panel3, Panel4, Panel5, Panel6, Panel7, Panel8, P_Vmax1,
                              P_Vmax2, P_Vmax3, P_Vmax4, P_Vmax5, P_Vmax6, Panel11, Panel12})
        ui::keepLight(coloured);
    QFont underlined = ui::formFont(8, true);
    underlined.setUnderline(true);
    Label_kmh = plain("Label_kmh", utf8("km/h"), 180, 0, underlined);
    static const char *const speedNames[8] = {"Label_V350", "Label_V300", "Label_V250", "Label_V200",
                                              "Label_V150", "Label_V100", "Label_V50", "Label_V0"};
    static const int speedPos[8][2] = {{178, 21},  {178, 72},  {178, 120}, {178, 170},
                                       {178, 222}, {178, 270}, {181, 320}, {186, 368}};
    for (int i = 0; i < 8; ++i)
        Label_Speed[i] = plain(speedNames[i], QString::number(i < 7 ? 350 - 50 * i : 0), speedPos[i][0],
                               speedPos[i][1], ui::pixelFont(7));
    static const int rpmLeft[17] = {200, 234, 270, 306, 342, 376, 413, 449, 485,
                                    519, 553, 590, 625, 659, 695, 730, 765};
    for (int k = 0; k < 17; ++k)
        Label_Rpm[k] = plain(QByteArray("Label_Rpm" + QByteArray::number(k)).constData(), QString::number(k),
                             rpmLeft[k], 381);
    Label_Regime = label("Label_Regime", tx("TForm1", "Régime x 1000"), 688, 392, underlined);
    Label_Diagramm = label("Label_Diagramm", tx("TForm1", "Diagramme de démultiplication"), 280, 0, heading);

    // File name
    Label_P_Datei = label("Label_P_Datei", tx("TForm1", "Fichier"), 540, 2);
    P_Datei = panel("P_Datei", 576, 0, 201, 17);
    P_Datei->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    P_Datei->setIndent(2);

    // Events that start a calculation run.
    connect(Button_Berechnen, &QPushButton::clicked, this, &TForm1::Button_BerechnenClick);
    for (QCheckBox *b : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CBMarke, CBRotBereich})
        connect(b, &QCheckBox::toggled, this, &TForm1::Button_BerechnenClick);
    for (QLineEdit *e : {Edit13, Edit14, E_Schlupf, EditMarke, EditRotBereich})
        connect(e, &QLineEdit::textChanged, this, &TForm1::Button_BerechnenClick);
    connect(CB_Umfangedit, &QCheckBox::toggled, this, &TForm1::CB_UmfangeditClick);
}

void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [bar](const char *name, const ui::Source &title) {
        QMenu *m = bar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        ui::keepTitle(m, title);
        return m;
    };
    auto item = [this](QMenu *m, const char *name, const ui::Source &text, void (TForm1::*handler)()) {
        QAction *a = m->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        if (!text.isNull())
            ui::keepText(a, text);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    Datei1 = menu("Datei1", tx("TForm1", "&Fichier"));
    Oeffnen = item(Datei1, "Oeffnen", tx("TForm1", "&Ouvrir"), &TForm1::OeffnenClick);
    Recents1 = Datei1->addMenu(QString());
    Recents1->setObjectName(QStringLiteral("Recents1"));
    ui::keepTitle(Recents1, tx("TForm1", "Fichiers &récents"));
    Wertespeichern1 =
        item(Datei1, "Wertespeichern1", tx("TForm1", "&Enregistrer sous.."), &TForm1::Wertespeichern1Click);
    Datei1->addSeparator();
    ExporterDiagramme1 = item(Datei1, "ExporterDiagramme1", tx("TForm1", "E&xporter le diagramme…"),
                              &TForm1::ExporterDiagramme1Click);
    DiagrammalsBitmapspeichern1 = item(Datei1, "DiagrammalsBitmapspeichern1",
                                       tx("TForm1", "Enregistrer le Diagramme comme Bitmap"),
                                       &TForm1::DiagrammalsBitmapspeichern1Click);
    Datei1->addSeparator();
    Drucken2 = item(Datei1, "Drucken2", tx("TForm1", "Im&primer"), &TForm1::Drucken2Click);
    Datei1->addSeparator();
    Beenden1 = item(Datei1, "Beenden1", tx("TForm1", "&Quitter"), &TForm1::Beenden1Click);
    // The desktop's usual keys beside the mnemonics; "Enregistrer sous.." is
    // the only save command, so it takes the save key. Platforms that leave
    // quitting to the window manager (Windows keyboard scheme, offscreen)
    // have no quit key; Ctrl+Q stands in there.
    Oeffnen->setShortcuts(QKeySequence::Open);
    Wertespeichern1->setShortcuts(QKeySequence::Save);
    Drucken2->setShortcuts(QKeySequence::Print);
    Beenden1->setShortcuts(QKeySequence::Quit);
    if (Beenden1->shortcuts().isEmpty())
        Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    Tools1 = menu("Tools1", tx("TForm1", "&Outils"));
    PSkWRechner1 = item(Tools1, "PSkWRechner1", tx("TForm1", "Convertir Cv - kW"), &TForm1::PSkWRechner1Click);
    kmhmphRechner1 = item(Tools1, "kmhmphRechner1", tx("TForm1", "Convertir km/h - Mph"), &TForm1::kmhmphRechner1Click);
    metrischZollRechner1 = item(Tools1, "metrischZollRechner1", tx("TForm1", "Convertir Métrique - Pouce"),
                                &TForm1::metrischZollRechner1Click);
    Tools1->addSeparator();
    // The tools' names stay in every language.
    KettenlaengeRechner = item(Tools1, "KettenlaengeRechner", ui::Source(), &TForm1::KettenlaengeRechnerClick);
    KettenlaengeRechner->setText(utf8("&Catenolix"));
    Pistorel1 = item(Tools1, "Pistorel1", ui::Source(), &TForm1::Pistorel1Click);
    Pistorel1->setText(utf8("&Pistorel"));

    // One entry per analysis window; the registry's table names the window
    // behind each.
    Analyse1 = menu("Analyse1", tx("TForm1", "&Analyse"));
    auto analysis = [this](const char *name, const ui::Source &text) {
        QAction *a = Analyse1->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        ui::keepText(a, text);
        connect(a, &QAction::triggered, this, [this, a] { emit analysisRequested(a->objectName()); });
    };
    analysis("Comparaison1", tx("TForm1", "&Comparaison…"));
    analysis("PignonsChaine1", tx("TForm1", "&Pignons et chaîne…"));
    analysis("Etalonnage1", tx("TForm1", "É&talonnage…"));
    analysis("Performances1", tx("TForm1", "P&erformances…"));

    Options1 = ui::addOptionsMenu(bar, [this](ui::Language l) { options_.language = l; });

    Info1 = menu("Info1", tx("TForm1", "&Info + FAQ"));
    HilfeHinweise1 = item(Info1, "HilfeHinweise1", tx("TForm1", "&FAQ"), &TForm1::HilfeHinweise1Click);
    // F1 from any of the program's windows.
    HilfeHinweise1->setShortcuts(QKeySequence::HelpContents);
    if (HilfeHinweise1->shortcuts().isEmpty())
        HilfeHinweise1->setShortcut(QKeySequence(Qt::Key_F1));
    HilfeHinweise1->setShortcutContext(Qt::ApplicationShortcut);
    Info1->addSeparator();
    Info2 = item(Info1, "Info2", tx("TForm1", "&Info"), &TForm1::Info1Click);
}

void TForm1::FormCreate()
{
    setWindowTitle(utf8("Trovanta ") + utf8(product::VersionText));
    runErrors_ = RunErrors::HoldFirst;
    try {
        const char sep = ui::decimalSeparator();
        kept.rim = num::parseDecimal(Edit1->text().toStdString(), sep);
        kept.width = num::parseDecimal(Edit2->text().toStdString(), sep);
        kept.heightFraction =
            static_cast<double>(fp::div(num::parseDecimal(Edit3->text().toStdString(), sep), 100));
        if (CB_Umfangedit->isChecked()) {
            kept.circumference = num::parseInteger(E_Umfang->text().toStdString());
        } else {
            kept.circumference = gearing::rollingCircumference(kept.rim, kept.width, kept.heightFraction);
            E_Umfang->setText(QString::fromStdString(num::formatInt(kept.circumference)));
        }
        LoadIni();
        options_ = storedOptions_ = ui::readOptions();
        ui::setCurrentUnits(options_.units.value_or(ui::defaultUnits(ui::platform().locale())));
        ui::setLanguage(options_.language);
        // The stored title may be a default of another language.
        ui::showDefault(Edit15, TitleDefaults);
        fillRecentMenu();
    } catch (const Error &e) {
        if (!heldError_)
            heldError_ = QString::fromStdString(e.message());
    }
    runErrors_ = RunErrors::Show;
    if (heldError_) {
        const QString message = *heldError_;
        heldError_.reset();
        ui::platform().showError(this, message);
    }
}

void TForm1::reportError(const QString &message)
{
    switch (runErrors_) {
    case RunErrors::Show:
        ui::platform().showError(this, message);
        break;
    case RunErrors::HoldFirst:
        // One box for the whole restore: every later run would fail on the
        // same field again.
        if (!heldError_)
            heldError_ = message;
        break;
    case RunErrors::Drop:
        break;
    }
}

void TForm1::showUnits()
{
    TPanel *const panels[7] = {Panel9, P_Vmax1, P_Vmax2, P_Vmax3, P_Vmax4, P_Vmax5, P_Vmax6};
    for (std::size_t i = 0; i < 7; ++i)
        if (!speedsKmh_[i].isEmpty())
            panels[i]->setText(ui::shownTextOfWholeKmh(speedsKmh_[i]));
    Label_Panel9Unit->setText(ui::speedUnitText());
    Label_Panel9Unit->adjustSize();
    // The grid stays at every 50 km/h; its captions say what that is now.
    Label_kmh->setText(ui::speedUnitText());
    Label_kmh->adjustSize();
    for (std::size_t i = 0; i < Label_Speed.size(); ++i) {
        QLabel *l = Label_Speed[i];
        const int right = l->geometry().right();
        l->setText(ui::wholeSpeedText(i < 7 ? 350 - 50 * int(i) : 0));
        l->adjustSize();
        // Right-aligned on the grid, as the three-digit captions are.
        l->move(right - l->width() + 1, l->y());
    }
}

void TForm1::clearDiagram() { PaintBox1->update(); }

void TForm1::Button_BerechnenClick()
{
    if (runsHeld_ == 0)
        calculate();
}

bool TForm1::calculate()
{
    // Blank from here: a run that stops on an error leaves it so.
    PaintBox1->clear();

    const gearing::Input in = currentFields().texts;
    const gearing::Result r = gearing::run(in, kept, ui::decimalSeparator());

    auto put = [](QWidget *w, const std::optional<std::string> &t) {
        if (!t)
            return;
        const QString s = QString::fromStdString(*t);
        // The same text again would only repaint the field.
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (e->text() != s)
                e->setText(s);
        } else
            static_cast<QLabel *>(w)->setText(s);
    };
    put(E_Umfang, r.circumference);
    put(Panel2, r.finalDrive);
    TPanel *const overall[6] = {Panel3, Panel4, Panel5, Panel6, Panel7, Panel8};
    TPanel *const vmax[6] = {P_Vmax1, P_Vmax2, P_Vmax3, P_Vmax4, P_Vmax5, P_Vmax6};
    for (int g = 0; g < 6; ++g)
        put(overall[g], r.overall[g]);
    // Speeds are kept as computed and shown in the chosen unit.
    auto speed = [&](std::size_t i, TPanel *p, const std::optional<std::string> &t) {
        if (!t)
            return;
        speedsKmh_[i] = QString::fromStdString(*t);
        put(p, ui::shownTextOfWholeKmh(speedsKmh_[i]).toStdString());
    };
    speed(0, Panel9, r.operatingSpeed);
    for (int g = 0; g < 6; ++g)
        speed(std::size_t(g) + 1, vmax[g], r.vmax[g]);

    std::optional<std::int32_t> shiftMark;
    if (!r.ok)
        reportError(QString::fromStdString(r.message));
    else
        shiftMark = drawDiagram();
    publish(in, r, shiftMark);
    emit calculated();
    return r.ok && shiftMark;
}

void TForm1::publish(const gearing::Input &in, const gearing::Result &r, std::optional<std::int32_t> shiftMark)
{
    // Filling the fields from a file runs on half a gear set; only the
    // command's own last run counts.
    if (runErrors_ == RunErrors::Drop)
        return;
    if (!r.ok || !shiftMark) {
        lastRunFailure_ = QString::fromStdString(withFullStop(r.ok ? lastDiagramError_ : r.message));
        emit runFailed(*lastRunFailure_);
        return;
    }
    ui::MainRun run;
    run.set = r.set;
    run.set.shiftMark = *shiftMark;
    run.texts = in.set;
    run.title = QString::fromStdString(in.title);
    run.circumference = kept.circumference;
    run.circumferenceTyped = in.set.circumference.has_value();
    lastGoodRun_ = run;
    lastRunFailure_.reset();
    emit runSucceeded(*lastGoodRun_);
}

ui::MainFields TForm1::currentFields() const
{
    ui::MainFields f;
    gearing::Input &in = f.texts;
    auto text = [](const QLineEdit *e) { return e->text().toStdString(); };
    in.set = gearSet_->texts();
    in.redZone = text(EditRotBereich);
    in.chosenGear = text(Edit13);
    in.engineSpeed = text(Edit14);
    in.shiftMark = text(EditMarke);
    in.title = text(Edit15);
    f.fileName = P_Datei->text();
    f.frame = frameGeometry();
    return f;
}

template <class Fill> void TForm1::withRunsHeld(Fill fill)
{
    ++runsHeld_;
    fill();
    --runsHeld_;
    Button_BerechnenClick();
}

void TForm1::setSprockets(const QString &front, const QString &rear)
{
    withRunsHeld([&] {
        Edit4->setText(front);
        Edit5->setText(rear);
    });
}

void TForm1::setGearSet(const gearing::SetTexts &t)
{
    withRunsHeld([&] { gearSet_->setTexts(t); });
}

void TForm1::setCircumferenceOverride(std::int32_t millimetres)
{
    withRunsHeld([&] {
        CB_Umfangedit->setChecked(true);
        E_Umfang->setText(QString::fromStdString(num::formatInt(millimetres)));
    });
}

void TForm1::setCircumferenceAndSlip(std::int32_t millimetres, std::int32_t slipPercent)
{
    withRunsHeld([&] {
        CB_Umfangedit->setChecked(true);
        E_Umfang->setText(QString::fromStdString(num::formatInt(millimetres)));
        E_Schlupf->setText(QString::fromStdString(num::formatInt(slipPercent)));
    });
}

std::optional<std::int32_t> TForm1::drawDiagram()
{
    ui::Diagram d;
    d.fullScale = kept.fullScale;
    const QCheckBox *const shown[6] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    for (int g = 0; g < 6; ++g)
        d.gearShown[g] = shown[g]->isChecked();
    d.operatingSpeed = kept.operatingSpeed;
    auto integer = [](const QLineEdit *e) { return num::parseInteger(e->text().toStdString()); };
    auto toX = [](std::int32_t rpm) { return fp::roundToInt(fp::div(rpm, ui::RpmPerPixel)); };
    std::int32_t shiftMark = 0;
    try {
        d.markerX = toX(integer(Edit14));

        shiftMark = integer(EditMarke);
        const int m = toX(shiftMark);
        const bool markOn = CBMarke->isChecked();
        EditMarke->setEnabled(markOn);
        UpDown3->setEnabled(markOn);
        Label47->setEnabled(markOn);
        if (markOn)
            d.shiftX = m;

        const int z = toX(integer(EditRotBereich));
        const bool redOn = CBRotBereich->isChecked();
        EditRotBereich->setEnabled(redOn);
        UpDown4->setEnabled(redOn);
        Label48->setEnabled(redOn);
        if (redOn)
            d.redZoneX = z;
    } catch (const Error &e) {
        PaintBox1->setDiagram(d);
        lastDiagramError_ = e.message();
        reportError(QString::fromStdString(e.message()));
        return std::nullopt;
    }
    PaintBox1->setDiagram(d);
    return shiftMark;
}

void TForm1::CB_UmfangeditClick()
{
    if (CB_Umfangedit->isChecked()) {
        E_Umfang->setEnabled(true);
        return;
    }
    try {
        // From the tyre of the last run, not from the fields as they are now.
        const std::int32_t c = gearing::rollingCircumference(kept.rim, kept.width, kept.heightFraction);
        E_Umfang->setText(QString::fromStdString(num::formatInt(c)));
    } catch (const Error &e) {
        reportError(QString::fromStdString(e.message()));
    }
    E_Umfang->setEnabled(false);
}

void TForm1::Timer1Timer()
{
    const QLocale locale = ui::platform().locale();
    const QDateTime now = ui::platform().now();
    // The same forms as the printouts' letterhead.
    Panel11->setText(print::letterheadTime(now.time(), locale));
    Panel12->setText(print::letterheadDate(now.date(), locale));
}

// The file commands live in tform1_files.cpp (settings, gear data) and
// tform1_output.cpp (printout, diagram bitmap).

void TForm1::Beenden1Click()
{
    emit ending();
    try {
        SaveIni();
    } catch (const Error &e) {
        // The program keeps running when the settings could not be written.
        ui::platform().showError(this, QString::fromStdString(e.message()));
        return;
    }
    endingAnnounced_ = true;
    close();
    endingAnnounced_ = false;
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (!endingAnnounced_)
        emit ending();
    QMainWindow::closeEvent(e);
}

void TForm1::PSkWRechner1Click() { emit windowRequested(ui::Window::PsKw); }
void TForm1::kmhmphRechner1Click() { emit windowRequested(ui::Window::KmhMph); }
void TForm1::metrischZollRechner1Click() { emit windowRequested(ui::Window::MetricInch); }
void TForm1::KettenlaengeRechnerClick() { emit windowRequested(ui::Window::Chain); }
void TForm1::Pistorel1Click() { emit windowRequested(ui::Window::RaceLog); }
void TForm1::HilfeHinweise1Click() { emit windowRequested(ui::Window::Faq); }
void TForm1::Info1Click() { emit windowRequested(ui::Window::Info); }
