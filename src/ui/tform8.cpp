#include "ui/tform8.h"

#include "ui/fonts.h"
#include "ui/labels.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace {

// Short lines, each one line of the memo; the blanks at the ends let the
// text read on when it is copied out.
const char *const InfoLines[13] = {
    "Die eingebenen Werte bleiben erhalten, so lange ",
    "Trovanta nicht beendet wird.",
    "",
    "Werte behalten?",
    "Ist das Häkchen gesetzt, werden alle Werte in der ",
    "Datei catenolix.ini gespeichert und sind beim ",
    "nächsten Start von Trovanta wieder da. Die Datei ",
    "lässt sich mit einem Editor öffnen und drucken; ",
    "eigene Notizen können Sie dort ergänzen.",
    "",
    "Vielen Dank an den Freund, der die Idee hatte ",
    "und mir die Formeln aus seinem eigenen, ",
    "früheren Programm überlassen hat.",
};

} // namespace

TForm8::TForm8(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Catenolix Info"));
    setFont(trovanta::ui::formFont(8));
    setFixedSize(322, 270);

    Label48 = trovanta::ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 6);

    QStringList lines;
    for (const char *l : InfoLines)
        lines << QString::fromUtf8(l);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(8, 32, 306, 230);
    // Nothing to type here; the whole text fits, so the scroll bar is never
    // needed. Disabled, but in the ordinary text colour so that it reads well.
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    Memo1->setPalette(pal);
    Memo1->setEnabled(false);
}
