#include "ui/tform5.h"

#include "calc/product.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>

using namespace trovanta;
using ui::tx;
using ui::utf8;

namespace {

constexpr ui::Source Topics[9] = {
    tx("TForm5", "---Thema wählen---"),        tx("TForm5", "Dateneingabe"),
    tx("TForm5", "Öffnen / Speichern"),        tx("TForm5", "Drucken"),
    tx("TForm5", "Fehler in der Darstellung"), tx("TForm5", "Fehler beim Öffnen"),
    tx("TForm5", "Fehler beim Drucken"),       tx("TForm5", "Fehler bei Programmstart"),
    tx("TForm5", "Hinweise"),
};

// The help pages in the order of RichEdit1 to RichEdit8 (not the order of
// the topics: topic 7 shows RichEdit8, topic 8 RichEdit7).
constexpr ui::Source Pages[8] = {
    // RichEdit1
    tx("TForm5",
           "Dateneingabe:\n"
           "\n"
           "Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel (\"Pignon\") "
           "und Kettenrad (\"Couronne\") stehen in der Betriebsanleitung Ihres Motorrads oder im "
           "Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.\n"
           "Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der "
           "Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der "
           "Breite und 17 der Felgendurchmesser in Zoll.\n"
           "Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.\n"
           "Sind alle Werte eingetragen, klicken Sie auf \"Berechnen\" (die Schaltfläche \"Calculer\"). Die "
           "Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.\n"
           "Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf "
           "\"Calculer\"; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu."),

    // RichEdit2: no empty line after the heading
    tx("TForm5",
           "Öffnen:\n"
           "Über \"Datei\" (\"Fichier\") und dann \"Öffnen\" (\"Ouvrir\") laden Sie einen gespeicherten "
           "Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben "
           "rechts neben \"Fichier\".\n"
           "\n"
           "Speichern:\n"
           "Über \"Datei\" und dann \"Werte speichern\" (\"Enregistrer sous..\") speichern Sie die aktuellen "
           "Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung \"tva\".\n"
           "Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum "
           "Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen."),

    // RichEdit3
    tx("TForm5",
           "Drucken:\n"
           "\n"
           "Über \"Datei\" (\"Fichier\") und dann \"Drucken\" (\"Imprimer\") öffnet sich der gewohnte "
           "Druckdialog, in dem Sie den Drucker wählen und den Druck starten.\n"
           "Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der "
           "Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; "
           "nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen."),

    // RichEdit4
    tx("TForm5",
           "Fehler bei der Darstellung:\n"
           "\n"
           "Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung "
           "ist das Hauptfenster nicht vollständig zu sehen.\n"
           "Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte "
           "abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. "
           "Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu."),

    // RichEdit5
    tx("TForm5",
           "Fehler beim Öffnen eines Datensatz:\n"
           "\n"
           "Meldet das Programm beim Öffnen \"Dateizugriff verweigert\", ist die \"TVA\"-Datei "
           "schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.\n"
           "Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei "
           "\"Schreibgeschützt\" entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der "
           "Datensatz auch wieder unter seinem Namen speichern."),

    // RichEdit6
    tx("TForm5",
           "Fehler beim Drucken:\n"
           "\n"
           "Zum Drucken muss ein Druckertreiber installiert und ein Drucker eingerichtet sein. Kommt eine "
           "Meldung zur Druckerinstallation, prüfen Sie in den Systemeinstellungen, ob ein Drucker vorhanden "
           "und als Standarddrucker gewählt ist.\n"
           "Reichen die Linien der oberen Gänge im Ausdruck ein wenig über das Diagramm hinaus, ist das "
           "harmlos: Diese Gänge erreichen bei hohen Drehzahlen Geschwindigkeiten jenseits der Skala. Die "
           "gedruckten Werte stimmen trotzdem."),

    // RichEdit7
    tx("TForm5",
           "Allgemeine Hinweise:\n"
           "\n"
           "Alle Ergebnisse sind theoretische Werte. Luftwiderstand und Reibung bleiben unberücksichtigt, "
           "ebenso die Frage, ob die Leistung des Motors für die berechnete Geschwindigkeit überhaupt reicht.\n"
           "Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und "
           "Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld "
           "\"Glissement\" nur näherungsweise eingeht.\n"
           "Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf "
           "Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht "
           "ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke."),

    // RichEdit8
    tx("TForm5",
           "Fehler bei Programmstart:\n"
           "\n"
           "Erscheint beim Start die Meldung \"1,84 ist kein gültiger Gleitkommawert\", erwartet Ihre "
           "Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.\n"
           "Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als "
           "Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern "
           "das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so "
           "gespeichert."),
};

// One text, a line of the memo each.
constexpr ui::Source News = tx("TForm5", "Neu in dieser Version:\n"
                                         " - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;\n"
                                         " - mit Pistorel können zusätzliche Informationen gespeichert werden;\n"
                                         "   \n"
                                         " - paar Kleinigkeiten;");

constexpr QRect PageArea(56, 88, 465, 209);

} // namespace

TForm5::TForm5(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    ui::keepWindowTitle(this, tx("TForm5", "Hilfe und Hinweise"));
    setFont(ui::formFont(8));
    setFixedSize(584, 552);

    Label48 = ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 8);
    Label1 = ui::logoLabel(this, "Label1", QStringLiteral("FAQ"), Label48->geometry().right() + 12, 8);

    const QString home = utf8(product::HomePage);
    Label47 = new ui::TLinkLabel(home, this);
    Label47->setObjectName(QStringLiteral("Label47"));
    ui::keepTranslated(Label47, tx("TForm5", "Homepage: %1"),
                       [this, home](const QString &t) { Label47->setToolTip(t.arg(home)); });
    Label47->adjustSize();
    Label47->move(PageArea.right() + 1 - Label47->width(), 14);
    connect(Label47, &ui::TLinkLabel::clicked, this, &TForm5::Label47Click);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(10);
    for (std::size_t i = 0; i < std::size(Topics); ++i)
        ComboBox1->addItem(QString());
    // The same entries in the new language; the chosen one stays chosen.
    ui::keepTranslated(ComboBox1, [this] {
        for (int i = 0; i < ComboBox1->count(); ++i)
            ComboBox1->setItemText(i, ui::translated(Topics[i]));
    });
    ComboBox1->setGeometry(PageArea.left(), 56, 209, 21);
    // Only the rider's choice switches the page; selecting topic 0 from the
    // program does not.
    connect(ComboBox1, &QComboBox::activated, this, &TForm5::ComboBox1Change);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(PageArea.adjusted(-4, -4, 4, 4));

    QTextEdit **made[9] = {&RichEdit0, &RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4,
                            &RichEdit5, &RichEdit6, &RichEdit7, &RichEdit8};
    for (int i = 0; i < 9; ++i) {
        auto *e = new QTextEdit(this);
        e->setObjectName(QStringLiteral("RichEdit") + QString::number(i));
        e->setReadOnly(true);
        e->setAcceptRichText(false);
        if (i == 0) {
            e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        } else {
            ui::keepTranslated(e, Pages[i - 1], [e](const QString &t) { e->setPlainText(t); });
        }
        e->setGeometry(PageArea);
        e->hide();
        *made[i] = e;
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    ui::keepTranslated(Memo1, News, [this](const QString &t) { Memo1->setPlainText(t); });
    Memo1->setGeometry(PageArea.left(), 320, PageArea.width(), 113);

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    ui::keepText(Button1, tx("TForm5", "Hab's gelesen"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(PageArea.center().x() - 49, 464, 99, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);

    FormCreate();
}

std::array<QTextEdit *, 9> TForm5::pages() const
{
    return {RichEdit0, RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6, RichEdit7, RichEdit8};
}

QTextEdit *TForm5::pageOfTopic(int index) const
{
    switch (index) {
    case 1: return RichEdit1;
    case 2: return RichEdit2;
    case 3: return RichEdit3;
    case 4: return RichEdit4;
    case 5: return RichEdit5;
    case 6: return RichEdit6;
    case 7: return RichEdit8;
    case 8: return RichEdit7;
    default: return nullptr;
    }
}

void TForm5::place(QTextEdit *page) { page->setGeometry(PageArea); }

void TForm5::FormCreate()
{
    ComboBox1->setCurrentIndex(0);
    place(RichEdit0);
    RichEdit_leeren();
    RichEdit0->show();
}

void TForm5::showEvent(QShowEvent *e)
{
    FormCreate();
    QDialog::showEvent(e);
}

void TForm5::RichEdit_leeren()
{
    for (QTextEdit *p : pages())
        p->hide();
}

void TForm5::showFirstTopic() { ComboBox1->setCurrentIndex(0); }

void TForm5::ComboBox1Change()
{
    RichEdit_leeren();
    if (QTextEdit *page = pageOfTopic(ComboBox1->currentIndex())) {
        place(page);
        page->show();
    }
}

void TForm5::Button1Click()
{
    close();
    emit diagramClearRequested();
}

void TForm5::Label47Click() { ui::platform().openUrl(QUrl(utf8(product::HomePage))); }
