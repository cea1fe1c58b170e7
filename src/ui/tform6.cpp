#include "ui/tform6.h"

#include "files/chainsettings.h"
#include "files/mainsettings.h"
#include "files/programdir.h"
#include "files/settingsfile.h"
#include "print/chainsheet.h"
#include "print/printercanvas.h"
#include "ui/buttonpictures.h"
#include "ui/fielddefault.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/settingfields.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <exception>
#include <string_view>

using namespace trovanta;
using ui::tx;
using ui::utf8;

namespace {

constexpr int RowHeight = 21;
constexpr int RowStep = 26;
constexpr int FieldLeft = 170; // inside a group box
constexpr int FieldWidth = 44;

QString settingsPath() { return files::programFile(QString::fromLatin1(files::ChainSettingsFileName)); }

// The designation the settings file gives when it has none; the file's
// table marks it for translation.
ui::Source modelDefault()
{
    for (const files::ChainSetting &s : files::ChainSettings)
        if (std::string_view(s.key) == "Typ")
            return {"TForm6", s.defaultText};
    return {};
}

} // namespace

TForm6::TForm6(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Catenolix"));
    setFont(ui::formFont(8));
    setFixedSize(465, 520);

    Label48 = ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 6);

    auto group = [this](const char *name, const ui::Source &title, int x) {
        return ui::groupBox(this, name, title, QRect(x, 32, 221, 210));
    };
    auto top = [](int row) { return 20 + RowStep * row; };
    // One row of a group: caption on the left, field on the right.
    auto edit = [&](QGroupBox *g, int row, const char *name, const char *text, const char *labelName,
                    const ui::Source &caption, QLabel *&captionLabel) {
        captionLabel = ui::plainLabel(g, labelName, caption, 8, top(row) + 4);
        return ui::lineEdit(g, name, ui::localDecimal(text), QRect(FieldLeft, top(row), FieldWidth, RowHeight));
    };
    auto panel = [&](QGroupBox *g, int row, const char *name, const char *labelName, const ui::Source &caption,
                     QLabel *&captionLabel) {
        captionLabel = ui::plainLabel(g, labelName, caption, 8, top(row) + 4);
        return ui::panel(g, name, QRect(FieldLeft, top(row), FieldWidth, RowHeight));
    };

    GroupBox2 = group("GroupBox2", tx("TForm6", "Transmission actuelle"), 8);
    E_Solldurchhang = edit(GroupBox2, 0, "E_Solldurchhang", "2", "Label3",
                           tx("TForm6", "Soll-Durchhang der Kette (cm):"), Label3);
    E_Glieder_alt =
        edit(GroupBox2, 1, "E_Glieder_alt", "0", "Label1", tx("TForm6", "Longueur de chaine actuelle:"), Label1);
    E_Gliedlaenge = edit(GroupBox2, 2, "E_Gliedlaenge", "1,56", "Label2",
                         tx("TForm6", "Länge eines Kettengliedes (cm):"), Label2);
    E_Ritzel_alt = edit(GroupBox2, 3, "E_Ritzel_alt", "0", "Label4", tx("TForm6", "Pignon"), Label4);
    E_Kettenrad_alt = edit(GroupBox2, 4, "E_Kettenrad_alt", "0", "Label5", tx("TForm6", "Couronne"), Label5);
    P_Kettenlaenge_alt =
        panel(GroupBox2, 5, "P_Kettenlaenge_alt", "Label6", tx("TForm6", "aktuelle Kettenlänge (cm):"), Label6);
    P_Achsabstand_alt =
        panel(GroupBox2, 6, "P_Achsabstand_alt", "Label10", tx("TForm6", "aktueller Achsabstand (cm):"), Label10);

    // The results stand level with those of the present drive.
    GroupBox3 = group("GroupBox3", tx("TForm6", "Nouvelle transmission"), 236);
    E_Ritzel_neu = edit(GroupBox3, 0, "E_Ritzel_neu", "0", "Label7", tx("TForm6", "Pignon"), Label7);
    E_Kettenrad_neu = edit(GroupBox3, 1, "E_Kettenrad_neu", "0", "Label8", tx("TForm6", "couronne"), Label8);
    E_Glieder_neu =
        edit(GroupBox3, 2, "E_Glieder_neu", "0", "Label9", tx("TForm6", "Longueur de chaine (maillon)"), Label9);
    P_Kettenlaenge_ist =
        panel(GroupBox3, 4, "P_Kettenlaenge_ist", "Label11", tx("TForm6", "IST - Kettenlänge (cm):"), Label11);
    P_Kettenlaenge_soll =
        panel(GroupBox3, 5, "P_Kettenlaenge_soll", "Label12", tx("TForm6", "SOLL - Kettenlänge (cm):"), Label12);
    P_Achsabstand_neu =
        panel(GroupBox3, 6, "P_Achsabstand_neu", "Label13", tx("TForm6", "SOLL - Achsabstand (cm):"), Label13);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 250, 449, 44);
    B_Berechnen = new QPushButton(GroupBox1);
    ui::keepText(B_Berechnen, tx("TForm6", "Calculer"));
    B_Berechnen->setObjectName(QStringLiteral("B_Berechnen"));
    B_Berechnen->setFont(ui::formFont(8, true));
    B_Berechnen->setGeometry((GroupBox1->width() - 89) / 2, 10, 89, 25);

    Ergebnismemo = new QPlainTextEdit(this);
    Ergebnismemo->setObjectName(QStringLiteral("Ergebnismemo"));
    Ergebnismemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Ergebnismemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Ergebnismemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Ergebnismemo->setTabChangesFocus(true); // Tab goes on to the next control
    Ergebnismemo->setGeometry(8, 302, 449, 124);

    Label_E_Mopped = ui::plainLabel(this, "Label_E_Mopped", tx("TForm6", "Moto"), 8, 442);
    const ui::Source designation = tx("TForm6", "Bezeichnung eingeben");
    E_Mopped = ui::lineEdit(this, "E_Mopped", ui::translated(designation), QRect(48, 438, 409, RowHeight));
    ui::keepDefaults(E_Mopped, {designation, modelDefault()});

    auto pictureButton = [this](const char *name, const QPixmap &picture, int x, int side) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(QIcon(picture));
        b->setIconSize(picture.size());
        b->setGeometry(x, 474, side, side);
        return b;
    };
    B_Drucken = pictureButton("B_Drucken", ui::printerPicture(20), 8, 28);
    B_Info = pictureButton("B_Info", ui::questionPicture(16), 42, 28);
    B_Close = new QPushButton(this);
    ui::keepText(B_Close, tx("TForm6", "Fermer"));
    B_Close->setObjectName(QStringLiteral("B_Close"));
    B_Close->setGeometry((width() - 75) / 2, 475, 75, 25);

    CB_ini = new QCheckBox(this);
    ui::keepText(CB_ini, tx("TForm6", "Werte behalten?"));
    CB_ini->setObjectName(QStringLiteral("CB_ini"));
    CB_ini->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    CB_ini->setGeometry(337, 479, 120, 17);
    CB_ini->setChecked(true);

    // Enter in a field must not run a button.
    for (QPushButton *b : {B_Berechnen, B_Drucken, B_Info, B_Close})
        b->setAutoDefault(false);

    connect(B_Berechnen, &QPushButton::clicked, this, &TForm6::B_BerechnenClick);
    connect(B_Drucken, &QPushButton::clicked, this, &TForm6::B_DruckenClick);
    connect(B_Info, &QPushButton::clicked, this, &TForm6::B_InfoClick);
    connect(B_Close, &QPushButton::clicked, this, &TForm6::B_CloseClick);
    // Also when the program sets the text (LoadIni).
    connect(E_Glieder_alt, &QLineEdit::textChanged, this, &TForm6::E_Glieder_altChange);
    for (QLineEdit *e : {E_Glieder_alt, E_Gliedlaenge, E_Solldurchhang})
        connect(e, &QLineEdit::textChanged, this, [this] { emit presentChainChanged(presentChain()); });

    E_Glieder_alt->setFocus();
    FormCreate();
}

QLineEdit *TForm6::field(const char *name) const { return findChild<QLineEdit *>(QString::fromLatin1(name)); }

void TForm6::FormCreate()
{
    if (files::settingsFileExists(settingsPath()))
        LoadIni();
}

void TForm6::LoadIni()
{
    const files::SettingsReader ini(settingsPath(), files::SettingsEncoding::Windows1252);
    for (std::size_t i = 0; i < files::ChainSettings.size(); ++i) {
        const files::ChainSetting &s = files::ChainSettings[i];
        QLineEdit *f = field(ui::ChainSettingFields[i].field);
        // The designation's default is a text, shown in the present language.
        const QString def = !s.defaultText ? E_Glieder_alt->text()
                            : f == E_Mopped ? ui::translated("TForm6", s.defaultText)
                                            : ui::localDecimal(s.defaultText);
        f->setText(ini.readString(QString::fromLatin1(s.section), QString::fromLatin1(s.key), def));
    }
}

void TForm6::SaveIni()
{
    if (!CB_ini->isChecked())
        return;
    files::SettingsWriter ini(settingsPath());
    ini.writeString(QString::fromLatin1(files::ChainMarkerSection), QString::fromLatin1(files::ChainMarkerKey),
                    QString::fromLatin1(files::ChainMarkerValue));
    for (const ui::SettingField &s : ui::ChainSettingFields)
        ini.writeString(QString::fromLatin1(s.section), QString::fromLatin1(s.key), field(s.field)->text());
    ini.writeString(QString::fromLatin1(files::ChainResultSection), QString::fromLatin1(files::ChainResultKey),
                    resultLines().join(QString()));
    ini.commit();
}

QStringList TForm6::resultLines() const
{
    // Soft line breaks count as line ends, as in the field's plain text.
    const QString text = Ergebnismemo->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

ui::PresentChain TForm6::presentChain() const
{
    return {E_Glieder_alt->text(), E_Gliedlaenge->text(), E_Solldurchhang->text()};
}

void TForm6::E_Glieder_altChange() { E_Glieder_neu->setText(E_Glieder_alt->text()); }

void TForm6::B_BerechnenClick()
{
    auto text = [](const QLineEdit *e) { return e->text().toStdString(); };
    chain::Input in;
    in.linksOld = text(E_Glieder_alt);
    in.linksNew = text(E_Glieder_neu);
    in.linkLength = text(E_Gliedlaenge);
    in.frontOld = text(E_Ritzel_alt);
    in.rearOld = text(E_Kettenrad_alt);
    in.frontNew = text(E_Ritzel_neu);
    in.rearNew = text(E_Kettenrad_neu);
    in.sag = text(E_Solldurchhang);

    const chain::Result r = chain::calculate(in, chain_, ui::decimalSeparator());
    if (r.zeroStop)
        return;
    if (r.guardedFailure)
        ui::platform().showMessage(this, utf8(chain::msg::GuardedFailure));

    TPanel *const panels[5] = {P_Kettenlaenge_alt, P_Achsabstand_alt, P_Kettenlaenge_ist, P_Kettenlaenge_soll,
                               P_Achsabstand_neu};
    for (int i = 0; i < 5; ++i)
        if (r.panels[i])
            panels[i]->setText(QString::fromStdString(*r.panels[i]));
    if (r.linesReplaced) {
        advice_ = r.advice;
        showAdvice();
    }
    if (r.error)
        ui::platform().showError(this, QString::fromStdString(*r.error));
}

namespace {

// The words of the result text in the present language.
chain::Wording wording()
{
    auto w = [](const char *pattern) { return ui::message(pattern).toStdString(); };
    chain::Wording out;
    out.shortening = w(chain::msg::Shortening);
    out.lengthening = w(chain::msg::Lengthening);
    out.backward = w(chain::msg::Backward);
    out.forward = w(chain::msg::Forward);
    out.eitherLine = w(chain::msg::EitherLine);
    out.orMoveLine = w(chain::msg::OrMoveLine);
    out.withLinksLine = w(chain::msg::WithLinksLine);
    out.thenMoveLine = w(chain::msg::ThenMoveLine);
    out.oneLink = w(chain::msg::OneLink);
    out.links = w(chain::msg::Links);
    return out;
}

} // namespace

void TForm6::showAdvice()
{
    QStringList lines;
    for (const std::string &l : chain::adviceLines(*advice_, wording()))
        lines << QString::fromStdString(l);
    Ergebnismemo->setPlainText(lines.join(QLatin1Char('\n')));
    shownAdvice_ = Ergebnismemo->toPlainText();
}

void TForm6::changeEvent(QEvent *e)
{
    // The result text in the new language, unless the rider edited it.
    if (e->type() == QEvent::LanguageChange && advice_ && Ergebnismemo->toPlainText() == shownAdvice_)
        showAdvice();
    TDialog::changeEvent(e);
}

void TForm6::Drucken(print::Canvas &canvas) const
{
    print::ChainSheetData d;
    d.designation = E_Mopped->text();
    d.presentGroup = GroupBox2->title();
    d.present = {{{Label3->text(), E_Solldurchhang->text()},
                  {Label1->text(), E_Glieder_alt->text()},
                  {Label2->text(), E_Gliedlaenge->text()},
                  {Label4->text(), E_Ritzel_alt->text()},
                  {Label5->text(), E_Kettenrad_alt->text()},
                  {Label6->text(), P_Kettenlaenge_alt->text()},
                  {Label10->text(), P_Achsabstand_alt->text()}}};
    d.newGroup = GroupBox3->title();
    d.next = {{{Label7->text(), E_Ritzel_neu->text()},
               {Label8->text(), E_Kettenrad_neu->text()},
               {Label9->text(), E_Glieder_neu->text()},
               {Label11->text(), P_Kettenlaenge_ist->text()},
               {Label12->text(), P_Kettenlaenge_soll->text()},
               {Label13->text(), P_Achsabstand_neu->text()}}};
    d.resultLines = resultLines();
    print::printChainSheet(canvas, d, ui::platform().now(), ui::platform().locale());
}

void TForm6::B_DruckenClick()
{
    print::PrintoutPrinter printer(QStringLiteral("Catenolix ") + E_Mopped->text());
    if (!ui::platform().execPrintDialog(this, printer))
        return;
    if (!print::printTo(printer, [this](print::Canvas &c) { Drucken(c); }))
        ui::platform().showMessage(this, utf8(print::msg::PrinterCheck));
}

void TForm6::B_InfoClick() { showInfoWindow(true); }

void TForm6::B_CloseClick() { close(); }

void TForm6::showEvent(QShowEvent *e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TForm6::FormShow()
{
    if (titleSource_)
        E_Mopped->setText(titleSource_());
    Ergebnismemo->clear();
    advice_.reset();
}

void TForm6::done(int r)
{
    if (isVisible())
        FormClose();
    QDialog::done(r);
}

void TForm6::FormClose()
{
    saveAtEnd(false);
    closeInfoWindow();
    emit diagramClearRequested();
}

void TForm6::saveAtEnd(bool terminating)
{
    if (!CB_ini->isChecked())
        return;
    try {
        SaveIni();
    } catch (const std::exception &) {
        // The window closes all the same; the file stays as it was.
        ui::reportSaveFailure(this, utf8(ui::IniFailure), terminating);
    }
}
