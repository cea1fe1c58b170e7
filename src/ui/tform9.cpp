#include "ui/tform9.h"

#include "ui/fonts.h"

#include <QPlainTextEdit>

namespace {

const char *const InfoLines[11] = {
    "Die eingebenen Werte bleiben erhalten.",
    "Alle Werte können zusätzlich in einer",
    "Textdatei gespeichert werden, die den",
    "Namen der Strecke trägt, sofern ein",
    "Streckenname eingegeben wurde.",
    "Ansonsten gibt es keine Pflichtfelder.",
    "Die Textdatei wird im Verzeichnis",
    "gespeichert, in dem das Programm liegt.",
    "",
    "Vielen Dank an den, der als Erster",
    "die Idee dazu hatte.",
};

} // namespace

TForm9::TForm9(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Pistorel Info"));
    setFont(trovanta::ui::formFont(8));
    setFixedSize(306, 238);
    move(238, 17);

    QStringList text;
    for (const char *l : InfoLines)
        text << QString::fromUtf8(l);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setPlainText(text.join(u'\n'));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(8, 16, 281, 177);
    Memo1->setEnabled(false);
}
