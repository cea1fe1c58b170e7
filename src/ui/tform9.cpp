#include "ui/tform9.h"

#include "ui/fonts.h"
#include "ui/language.h"

#include <QPlainTextEdit>

namespace {

// Short lines, each one line of the memo (in every language).
using trovanta::ui::tx;

constexpr trovanta::ui::Source Info = tx("TForm9",
    "Die eingebenen Werte bleiben erhalten.\n"
    "Alle Werte können zusätzlich in einer\n"
    "Textdatei gespeichert werden, die den\n"
    "Namen der Strecke trägt, sofern ein\n"
    "Streckenname eingegeben wurde.\n"
    "Ansonsten gibt es keine Pflichtfelder.\n"
    "Die Textdatei wird im Verzeichnis\n"
    "gespeichert, in dem das Programm liegt.\n"
    "\n"
    "Vielen Dank an den, der als Erster\n"
    "die Idee dazu hatte.");

} // namespace

TForm9::TForm9(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    trovanta::ui::keepWindowTitle(this, tx("TForm9", "Pistorel Info"));
    setFont(trovanta::ui::formFont(8));
    setFixedSize(306, 238);
    move(238, 17);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    trovanta::ui::keepTranslated(Memo1, Info, [this](const QString &t) { Memo1->setPlainText(t); });
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(8, 16, 281, 177);
    Memo1->setEnabled(false);
}
