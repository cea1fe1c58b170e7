#include "ui/tform7.h"
#include "ui/theme.h"

#include "ui/placement.h"

#include "calc/error.h"
#include "files/mainsettings.h"
#include "files/programdir.h"
#include "files/racelogfile.h"
#include "files/settingsfile.h"
#include "print/printercanvas.h"
#include "ui/buttonpictures.h"
#include "ui/fielddefault.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/settingfields.h"
#include "ui/widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>

#include <limits>
#include <string_view>

using namespace trovanta;

using ui::tx;
using ui::utf8;

namespace {

constexpr int EditHeight = 21;
constexpr int PictureSize = 18;

QLabel *label(QWidget *parent, const char *name, const ui::Source &text, int x, int y)
{
    return ui::plainLabel(parent, name, text, x, y);
}

QLineEdit *edit(QWidget *parent, const char *name, int x, int y, int w)
{
    auto *e = ui::lineEdit(parent, name, QString(), QRect(x, y, w, EditHeight));
    e->setMaxLength(std::numeric_limits<int>::max()); // a value of any length stays whole
    return e;
}

// A group box whose caption sits in its top edge, as the window was laid out
// for: the fields may start right below the caption.
class CaptionedGroup : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const QRect edge = rect().adjusted(0, fm.height() / 2, -2, -2);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(edge);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(edge.translated(1, 1));
        const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }
};

QGroupBox *group(QWidget *parent, const char *name, const ui::Source &title, int x, int y, int w, int h)
{
    auto *g = new CaptionedGroup(parent);
    ui::keepTitle(g, title);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(x, y, w, h);
    return g;
}

QPushButton *pictureButton(QWidget *parent, const char *name, const QPixmap &picture, const ui::Source &hint, int x)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(picture));
    b->setIconSize(QSize(PictureSize, PictureSize));
    ui::keepToolTip(b, hint);
    b->setGeometry(x, 488, 33, 25);
    return b;
}

// Red that reads on the theme of the day.
void red(QWidget *w) { ui::followTheme(w, ui::ThemeRole::Warning); }

// A caption and the field beside it.
struct Row {
    const char *label;
    ui::Source caption;
    const char *edit;
};

// The weather list: what the rider may pick, in the present language.
const ui::Source Weathers[] = {tx("TForm7", "sonnig"), tx("TForm7", "bedeckt"), tx("TForm7", "regnerisch"),
                               tx("TForm7", "wechselhaft")};

// The notes' text before the rider wrote any.
constexpr ui::Source NotesDefault = tx("TForm7", "Weitere Notizen");

// The type's default when the settings file has none; the file's table
// marks it for translation.
ui::Source typeDefault()
{
    for (std::size_t i = 0; i < ui::RaceLogFields.size(); ++i)
        if (ui::RaceLogFields[i].field && std::string_view(ui::RaceLogFields[i].field) == "Edit5")
            return {"TForm7", files::RaceLogEntries[i].defaultText};
    return {};
}

// Column heads over a front and a rear row of fields.
struct Grid {
    QWidget *parent;
    int headTop, frontTop, rearTop;

    void rows(const char *frontName, const ui::Source &frontText, const char *rearName,
              const ui::Source &rearText) const
    {
        label(parent, frontName, frontText, 8, frontTop + 4);
        label(parent, rearName, rearText, 8, rearTop + 4);
    }
    void column(const char *headName, const ui::Source &head, int x, int w, QLineEdit *&front, const char *frontName,
                QLineEdit *&rear, const char *rearName) const
    {
        label(parent, headName, head, x, headTop);
        front = edit(parent, frontName, x, frontTop, w);
        rear = edit(parent, rearName, x, rearTop, w);
    }
};

} // namespace

TForm7::TForm7(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Pistorel"));
    setFont(ui::formFont(8));
    setFixedSize(799, 550);
    buildWindow();
    FormCreate();
}

void TForm7::buildWindow()
{
    // First in the tab order.
    B_Close = new QPushButton(this);
    ui::keepText(B_Close, tx("TForm7", "Fermer"));
    B_Close->setObjectName(QStringLiteral("B_Close"));
    B_Close->setGeometry(352, 488, 75, 25);

    Label48 = ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 12, 16, 13);

    GB_Moto = group(this, "GB_Moto", tx("TForm7", "Moto"), 4, 40, 781, 257);
    label(GB_Moto, "Label_Edit5", tx("TForm7", "Type: "), 8, 20);
    Edit5 = edit(GB_Moto, "Edit5", 48, 16, 329);
    ui::keepDefaults(Edit5, {typeDefault()});

    GB_Pneumatiques = group(GB_Moto, "GB_Pneumatiques", tx("TForm7", "Pneumatiques"), 8, 48, 369, 89);
    {
        const Grid g{GB_Pneumatiques, 16, 32, 58};
        g.rows("Label_PneuAvant", tx("TForm7", "Avant: "), "Label_PneuArriere", tx("TForm7", "Arrière: "));
        g.column("Label_Dimension", tx("TForm7", "Dimension"), 56, 68, Edit6, "Edit6", Edit11, "Edit11");
        g.column("Label_Marque", tx("TForm7", "Marque"), 128, 64, Edit7, "Edit7", Edit12, "Edit12");
        g.column("Label_Modele", tx("TForm7", "Modèle"), 196, 64, Edit8, "Edit8", Edit13, "Edit13");
        g.column("Label_Type", tx("TForm7", "Type"), 264, 48, Edit9, "Edit9", Edit14, "Edit14");
        g.column("Label_Press", tx("TForm7", "Press."), 316, 45, Edit10, "Edit10", Edit15, "Edit15");
    }

    GB_Moteur = group(GB_Moto, "GB_Moteur", tx("TForm7", "Moteur"), 384, 8, 385, 129);
    {
        const Row left[4] = {{"Label_Edit26", tx("TForm7", "Filtre à air"), "Edit26"},
                             {"Label_Edit27", tx("TForm7", "Cornets"), "Edit27"},
                             {"Label_Edit28", tx("TForm7", "Collecteur"), "Edit28"},
                             {"Label_Edit29", tx("TForm7", "Silencieux"), "Edit29"}};
        QLineEdit **leftEdits[4] = {&Edit26, &Edit27, &Edit28, &Edit29};
        for (int i = 0; i < 4; ++i) {
            label(GB_Moteur, left[i].label, left[i].caption, 8, 24 + 26 * i);
            *leftEdits[i] = edit(GB_Moteur, left[i].edit, 80, 20 + 26 * i, 105);
        }
        const Row right[3] = {{"Label_Edit30", tx("TForm7", "Mapping"), "Edit30"},
                              {"Label_Edit31", tx("TForm7", "Eeprom "), "Edit31"},
                              {"Label_Edit32", tx("TForm7", "Injecteurs"), "Edit32"}};
        QLineEdit **rightEdits[3] = {&Edit30, &Edit31, &Edit32};
        for (int i = 0; i < 3; ++i) {
            label(GB_Moteur, right[i].label, right[i].caption, 200, 24 + 26 * i);
            *rightEdits[i] = edit(GB_Moteur, right[i].edit, 256, 20 + 26 * i, 121);
        }
    }

    GB_Demultiplication =
        group(GB_Moto, "GB_Demultiplication", tx("TForm7", "Démultiplication"), 8, 144, 129, 97);
    label(GB_Demultiplication, "Label_Edit35", tx("TForm7", "Pignon "), 8, 24);
    Edit35 = edit(GB_Demultiplication, "Edit35", 64, 20, 57);
    label(GB_Demultiplication, "Label_Edit36", tx("TForm7", "Couronne"), 8, 48);
    Edit36 = edit(GB_Demultiplication, "Edit36", 64, 44, 57);
    label(GB_Demultiplication, "Label_Edit37", tx("TForm7", "Primaire "), 8, 72);
    Edit37 = edit(GB_Demultiplication, "Edit37", 64, 68, 57);

    GB_Suspensions = group(GB_Moto, "GB_Suspensions", tx("TForm7", "Suspensions"), 144, 144, 401, 97);
    {
        const Grid g{GB_Suspensions, 20, 38, 64};
        g.rows("Label_SuspAvant", tx("TForm7", "Avant: "), "Label_SuspArriere", tx("TForm7", "Arrière: "));
        g.column("Label_Precharge", tx("TForm7", "Précharge"), 56, 65, Edit16, "Edit16", Edit22, "Edit22");
        g.column("Label_Detente", tx("TForm7", "Détente"), 124, 65, Edit17, "Edit17", Edit21, "Edit21");
        g.column("Label_Compression", tx("TForm7", "Compression"), 192, 65, Edit18, "Edit18", Edit23, "Edit23");
        g.column("Label_Hauteur", tx("TForm7", "Hauteur"), 260, 65, Edit19, "Edit19", Edit24, "Edit24");
        g.column("Label_Ressort", tx("TForm7", "Ressort"), 328, 65, Edit20, "Edit20", Edit25, "Edit25");
    }

    GB_Freins = group(GB_Moto, "GB_Freins", tx("TForm7", "Freins"), 552, 144, 217, 97);
    {
        const Grid g{GB_Freins, 20, 38, 64};
        g.rows("Label_FreinAvant", tx("TForm7", "Avant"), "Label_FreinArriere", tx("TForm7", "Arrière"));
        g.column("Label_Disques", tx("TForm7", "Disques"), 56, 73, Edit38, "Edit38", Edit40, "Edit40");
        g.column("Label_Plaquettes", tx("TForm7", "Plaquettes"), 136, 73, Edit39, "Edit39", Edit41, "Edit41");
    }

    GB_Circuit = group(this, "GB_Circuit", tx("TForm7", "Circuit"), 4, 304, 377, 169);
    red(label(GB_Circuit, "Label_Edit1", tx("TForm7", "Nom: "), 8, 20));
    Edit1 = edit(GB_Circuit, "Edit1", 56, 16, 209);
    // Right after the track name, so that the two read as the file's name.
    Label_Gespeichert =
        label(GB_Circuit, "Label_Gespeichert", tx("TForm7", ".txt wurde gespeichert."), 266, 20);
    red(Label_Gespeichert);
    {
        // Set a little tighter than the window font, so that it ends inside
        // the group's edge as it did in the font the window was laid out for.
        QFont f = Label_Gespeichert->font();
        f.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
        Label_Gespeichert->setFont(f);
        Label_Gespeichert->adjustSize();
    }
    Label_Gespeichert->hide();
    label(GB_Circuit, "Label_Edit2", tx("TForm7", "Température d air (°C)"), 8, 48);
    Edit2 = edit(GB_Circuit, "Edit2", 144, 44, 121);
    label(GB_Circuit, "Label_Edit3", tx("TForm7", "Température de piste(°C)"), 8, 72);
    Edit3 = edit(GB_Circuit, "Edit3", 144, 68, 121);
    label(GB_Circuit, "Label_CBox_Witterung", tx("TForm7", "Sensations"), 8, 96);
    CBox_Witterung = new QComboBox(GB_Circuit);
    CBox_Witterung->setObjectName(QStringLiteral("CBox_Witterung"));
    CBox_Witterung->setEditable(true);
    CBox_Witterung->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // Typed texts stay texts; they do not join the list.
    CBox_Witterung->setInsertPolicy(QComboBox::NoInsert);
    for (const ui::Source &w : Weathers)
        CBox_Witterung->addItem(ui::translated(w));
    CBox_Witterung->setEditText(QString());
    ui::keepTranslated(CBox_Witterung, [this] {
        // The entries change their language; the weather the field holds is
        // the rider's and stays, and a change of language is no edit.
        const QSignalBlocker quiet(CBox_Witterung);
        const QString now = CBox_Witterung->currentText();
        for (int i = 0; i < CBox_Witterung->count(); ++i)
            CBox_Witterung->setItemText(i, ui::translated(Weathers[i]));
        CBox_Witterung->setEditText(now);
    });
    CBox_Witterung->setGeometry(144, 92, 121, EditHeight);
    label(GB_Circuit, "Label_Edit4", tx("TForm7", "Date"), 8, 120);
    Edit4 = edit(GB_Circuit, "Edit4", 144, 116, 121);
    label(GB_Circuit, "Label_Edit34", tx("TForm7", "Temps au tour"), 8, 144);
    Edit34 = edit(GB_Circuit, "Edit34", 144, 140, 121);

    GB_Commentaires = group(this, "GB_Commentaires", tx("TForm7", "Commentaires"), 390, 304, 395, 169);
    Memo1 = new QPlainTextEdit(GB_Commentaires);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(8, 24, 369, 97);
    Memo1->setPlainText(ui::translated(NotesDefault));
    ui::keepDefaults(Memo1, {NotesDefault});
    label(GB_Commentaires, "Label_Panel1", tx("TForm7", "Fichier"), 64, 136);
    Panel1 = new TPanel(GB_Commentaires);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setIndent(2);
    Panel1->setGeometry(104, 132, 153, EditHeight);

    B_Drucken =
        pictureButton(this, "B_Drucken", ui::printerPicture(PictureSize), tx("TForm7", "Werte ausdrucken"), 112);
    B_Speichern = pictureButton(this, "B_Speichern", ui::savePicture(PictureSize),
                                tx("TForm7", "Werte in txt-Datei speichern"), 160);
    B_Info = pictureButton(this, "B_Info", ui::questionPicture(PictureSize), tx("TForm7", "Info"), 208);
    // Enter in a field must not press a button.
    for (QPushButton *b : {B_Close, B_Drucken, B_Speichern, B_Info})
        b->setAutoDefault(false);

    connect(B_Close, &QPushButton::clicked, this, &TForm7::B_CloseClick);
    connect(B_Info, &QPushButton::clicked, this, &TForm7::B_InfoClick);
    connect(B_Speichern, &QPushButton::clicked, this, &TForm7::B_SpeichernClick);
    connect(B_Drucken, &QPushButton::clicked, this, &TForm7::B_DruckenClick);
    // Every change, also one the program makes, hides the saved notice.
    for (QLineEdit *e : findChildren<QLineEdit *>())
        if (e->parent() != CBox_Witterung)
            connect(e, &QLineEdit::textChanged, this, &TForm7::FeldChange);
    connect(CBox_Witterung, &QComboBox::editTextChanged, this, &TForm7::FeldChange);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm7::notesChanged);
    Edit7->installEventFilter(this);
    Edit12->installEventFilter(this);
}

namespace {

// Lines break at word boundaries; a "word" of thousands of characters (a
// pasted dump, a damaged file) would take the layout seconds to break that
// way, and breaks anywhere instead: it could not fit a line anyhow.
QTextOption::WrapMode notesWrap(const QString &text)
{
    constexpr qsizetype LongestWord = 1000;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestWord)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

} // namespace

QString TForm7::fieldText(const char *name) const
{
    const QString n = QString::fromLatin1(name);
    if (n == QLatin1String(ui::RaceLogNotesField))
        return files::notesValue(Memo1->toPlainText());
    if (n == CBox_Witterung->objectName())
        return CBox_Witterung->currentText();
    if (n == Panel1->objectName())
        return Panel1->text();
    const auto *e = findChild<QLineEdit *>(n);
    Q_ASSERT(e);
    return e ? e->text() : QString();
}

void TForm7::setFieldText(const char *name, const QString &text)
{
    const QString n = QString::fromLatin1(name);
    if (n == QLatin1String(ui::RaceLogNotesField)) {
        const QString notes = files::notesFromValue(text);
        Memo1->setWordWrapMode(notesWrap(notes)); // before the layout, not after
        Memo1->setPlainText(notes);
    }
    else if (n == CBox_Witterung->objectName())
        CBox_Witterung->setEditText(text);
    else if (n == Panel1->objectName())
        Panel1->setText(text);
    else if (auto *e = findChild<QLineEdit *>(n))
        e->setText(text);
}

QString TForm7::caption(const char *labelName) const
{
    const auto *l = findChild<QLabel *>(QString::fromLatin1(labelName));
    Q_ASSERT(l);
    return l ? l->text() : QString();
}

void TForm7::FormCreate()
{
    if (files::settingsFileExists(files::programFile(QString::fromLatin1(files::RaceLogSettingsFileName))))
        LoadIni();
}

void TForm7::LoadIni()
{
    // Long notes come back whole, not cut as other settings are, up to a
    // length the window can still lay out at once.
    const files::SettingsReader ini(files::programFile(QString::fromLatin1(files::RaceLogSettingsFileName)),
                                    files::SettingsEncoding::Windows1252, files::profiletext::MaxLongValueLength);
    for (std::size_t i = 0; i < files::RaceLogEntries.size(); ++i) {
        const files::RaceLogEntry &e = files::RaceLogEntries[i];
        // A default that is a text is shown in the present language.
        const QString def = *e.defaultText ? ui::translated("TForm7", e.defaultText) : QString();
        if (const char *field = ui::RaceLogFields[i].field) // the marker is written, never read
            setFieldText(field, ini.readString(utf8(e.section), utf8(e.key), def));
    }
}

void TForm7::Writefile(const QString &baseName, const QString &extension)
{
    files::SettingsWriter ini(files::raceLogPath(baseName, extension));
    for (const ui::SettingField &e : ui::RaceLogFields) {
        const QString value = e.field ? fieldText(e.field) : utf8(files::RaceLogMarker);
        ini.writeString(utf8(e.section), utf8(e.key), value);
    }
    ini.commit();
}

void TForm7::showEvent(QShowEvent *e)
{
    if (!e->spontaneous())
        FormShow();
    QDialog::showEvent(e);
}

void TForm7::FormShow()
{
    Label_Gespeichert->hide();
    if (mainSource_) {
        const ui::MainFields main = mainSource_();
        auto text = [](const std::string &t) { return QString::fromStdString(t); };
        Panel1->setText(main.fileName);
        Edit5->setText(text(main.texts.title));
        Edit11->setText(text(main.texts.set.width) + u'/' + text(main.texts.set.height) + u'-' + text(main.texts.set.rim));
        Edit35->setText(text(main.texts.set.front));
        Edit36->setText(text(main.texts.set.rear));
        Edit37->setText(text(main.texts.set.primary));
        ui::centreOn(this, main.frame);
    }
    B_Close->setFocus();
}

void TForm7::done(int result)
{
    // Fermer, the close box and the system menu all end here.
    if (isVisible())
        FormClose();
    QDialog::done(result);
}

void TForm7::FormClose()
{
    saveAtEnd(false);
    closeInfoWindow();
    emit diagramClearRequested();
}

void TForm7::saveAtEnd(bool terminating)
{
    try {
        Writefile(QStringLiteral("pistorel"), QStringLiteral(".ini"));
    } catch (const Error &) {
        ui::reportSaveFailure(this, utf8(ui::IniFailure), terminating);
    }
}

void TForm7::B_CloseClick() { close(); }

void TForm7::B_InfoClick() { showInfoWindow(false); }

void TForm7::B_SpeichernClick()
{
    const QString track = Edit1->text();
    if (track.isEmpty()) {
        ui::platform().showMessage(this, tr("Bitte Streckenname angeben."));
        return;
    }
    try {
        Writefile(track, QStringLiteral(".txt"));
    } catch (const Error &) {
        ui::platform().showMessage(this, tr("Fehler beim Speichern."));
        return;
    }
    Label_Gespeichert->show();
}

void TForm7::B_DruckenClick()
{
    print::PrintoutPrinter printer(QStringLiteral("Pistorel"));
    if (!ui::platform().execPrintDialog(this, printer))
        return;
    const print::RaceLogSheetData data = sheetData();
    if (!print::printTo(printer, [&](print::Canvas &c) {
            print::printRaceLogSheet(c, data, ui::platform().now(), ui::platform().locale());
        }))
        ui::platform().showMessage(this, utf8(print::msg::PrinterCheck));
}

void TForm7::FeldChange() { Label_Gespeichert->hide(); }


void TForm7::notesChanged()
{
    FeldChange();
    const QTextOption::WrapMode wrap = notesWrap(Memo1->toPlainText());
    if (Memo1->wordWrapMode() != wrap)
        Memo1->setWordWrapMode(wrap);
}

void TForm7::Edit7Change()
{
    if (Edit12->text().isEmpty())
        Edit12->setText(Edit7->text());
}

void TForm7::Edit12Change()
{
    if (Edit7->text().isEmpty())
        Edit7->setText(Edit12->text());
}

bool TForm7::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::FocusOut) {
        // Leaving the field for another control; switching to another
        // program or opening a menu is no leaving.
        const Qt::FocusReason why = static_cast<QFocusEvent *>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            if (watched == Edit7)
                Edit7Change();
            else if (watched == Edit12)
                Edit12Change();
        }
    }
    return QDialog::eventFilter(watched, e);
}

QStringList TForm7::notesLines()
{
    // The field lays its lines out once it knows its width; a window that
    // was never shown has not told it yet. The field places its viewport
    // when resized, and takes the width to wrap at from the viewport's
    // resize.
    Memo1->ensurePolished();
    for (QWidget *w : {static_cast<QWidget *>(Memo1), Memo1->viewport()}) {
        if (w->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resize(w->size(), QSize());
            QApplication::sendEvent(w, &resize);
            w->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
    }
    QStringList lines;
    QAbstractTextDocumentLayout *layout = Memo1->document()->documentLayout();
    for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) {
        layout->blockBoundingRect(b); // lays the block out
        const QTextLayout *tl = b.layout();
        const QString text = b.text();
        if (tl->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine l = tl->lineAt(i);
            lines << text.mid(l.textStart(), l.textLength());
        }
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

print::RaceLogSheetData TForm7::sheetData()
{
    using Column = print::FrontRearGroup::Column;
    auto column = [this](const char *head, const QLineEdit *front, const QLineEdit *rear) {
        return Column{caption(head), front->text(), rear->text()};
    };
    auto captioned = [this](const char *labelName, const char *field) {
        return print::CaptionedValue{caption(labelName), fieldText(field)};
    };

    print::RaceLogSheetData d;
    d.type = Edit5->text();
    d.tyres = {GB_Pneumatiques->title(), caption("Label_PneuAvant"), caption("Label_PneuArriere")};
    d.tyreColumns = {{column("Label_Dimension", Edit6, Edit11), column("Label_Marque", Edit7, Edit12),
                      column("Label_Modele", Edit8, Edit13), column("Label_Type", Edit9, Edit14),
                      column("Label_Press", Edit10, Edit15)}};
    d.gearingGroup = GB_Demultiplication->title();
    d.gearing = {{captioned("Label_Edit35", "Edit35"), captioned("Label_Edit36", "Edit36"),
                  captioned("Label_Edit37", "Edit37")}};
    d.brakes = {GB_Freins->title(), caption("Label_FreinAvant"), caption("Label_FreinArriere")};
    d.brakeColumns = {{column("Label_Disques", Edit38, Edit40), column("Label_Plaquettes", Edit39, Edit41)}};
    d.engine = {{captioned("Label_Edit26", "Edit26"), captioned("Label_Edit27", "Edit27"),
                 captioned("Label_Edit28", "Edit28"), captioned("Label_Edit29", "Edit29"),
                 captioned("Label_Edit30", "Edit30"), captioned("Label_Edit31", "Edit31"),
                 captioned("Label_Edit32", "Edit32")}};
    d.suspension = {GB_Suspensions->title(), caption("Label_SuspAvant"), caption("Label_SuspArriere")};
    d.suspensionColumns = {{column("Label_Precharge", Edit16, Edit22), column("Label_Detente", Edit17, Edit21),
                            column("Label_Compression", Edit18, Edit23), column("Label_Hauteur", Edit19, Edit24),
                            column("Label_Ressort", Edit20, Edit25)}};
    d.trackGroup = GB_Circuit->title();
    d.track = {{captioned("Label_Edit1", "Edit1"), captioned("Label_Edit2", "Edit2"),
                captioned("Label_Edit3", "Edit3"), captioned("Label_CBox_Witterung", "CBox_Witterung"),
                captioned("Label_Edit4", "Edit4"), captioned("Label_Edit34", "Edit34")}};
    d.file = captioned("Label_Panel1", "Panel1");
    d.notes = notesLines();
    return d;
}
