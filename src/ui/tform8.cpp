#include "ui/tform8.h"

#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/labels.h"

#include <QPlainTextEdit>

namespace {

// Short lines, each one line of the memo (in every language); the blanks at the ends let the
// text read on when it is copied out.
using trovanta::ui::tx;

constexpr trovanta::ui::Source Info = tx("TForm8",
    "Die eingebenen Werte bleiben erhalten, so lange \n"
    "Trovanta nicht beendet wird.\n"
    "\n"
    "Werte behalten?\n"
    "Ist das Häkchen gesetzt, werden alle Werte in der \n"
    "Datei catenolix.ini gespeichert und sind beim \n"
    "nächsten Start von Trovanta wieder da. Die Datei \n"
    "lässt sich mit einem Editor öffnen und drucken; \n"
    "eigene Notizen können Sie dort ergänzen.\n"
    "\n"
    "Vielen Dank an den Freund, der die Idee hatte \n"
    "und mir die Formeln aus seinem eigenen, \n"
    "früheren Programm überlassen hat.");

} // namespace

TForm8::TForm8(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    trovanta::ui::keepWindowTitle(this, tx("TForm8", "Catenolix Info"));
    setFont(trovanta::ui::formFont(8));
    setFixedSize(322, 270);

    Label48 = trovanta::ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 6);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    trovanta::ui::keepTranslated(Memo1, Info, [this](const QString &t) { Memo1->setPlainText(t); });
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
