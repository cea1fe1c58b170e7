#include "ui/tform2.h"

#include "calc/product.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

using namespace trovanta;

using ui::utf8;

TForm2::TForm2(QWidget *parent)
    : TDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    ui::keepWindowTitle(this, ui::tx("TForm2", "TROVANTA  Info"));
    setFont(ui::formFont(8));
    setFixedSize(446, 380);
    // Centred on the desktop, not on the main window.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    Label48 = ui::logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 8);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(24, 48, 398, 240);

    auto label = [this](QLabel *l, const char *name, int top) {
        l->setParent(Panel1);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(8, top, Panel1->width() - 16, 17);
        return l;
    };
    Label2 = label(new QLabel, "Label2", 40);
    ui::keepText(Label2, ui::tx("TForm2", "Créé par l'équipe Trovanta"));
    Label2->setFont(ui::formFont(8, true));
    Label3 = label(new QLabel, "Label3", 72);
    ui::keepText(Label3, ui::tx("TForm2", "Traduit en Français par l'équipe Trovanta"));

    const QString mail = utf8(product::MailAddress);
    const QString home = utf8(product::HomePage);
    Label8 = new ui::TLinkLabel(mail);
    label(Label8, "Label8", 144);
    ui::keepToolTip(Label8, ui::tx("TForm2", "Email senden"));
    Label47 = new ui::TLinkLabel(home);
    label(Label47, "Label47", 176);
    ui::keepTranslated(Label47, ui::tx("TForm2", "Homepage: %1"),
                       [this, home](const QString &t) { Label47->setToolTip(t.arg(home)); });
    // Only the text itself is the link, not the width of the panel.
    for (QLabel *l : {static_cast<QLabel *>(Label8), static_cast<QLabel *>(Label47)}) {
        const QRect g = l->geometry();
        l->adjustSize();
        l->move(g.center().x() - l->width() / 2, g.top());
    }
    connect(Label8, &ui::TLinkLabel::clicked, this, &TForm2::Label8Click);
    connect(Label47, &ui::TLinkLabel::clicked, this, &TForm2::Label47Click);

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    ui::keepText(Button1, ui::tx("TForm2", "Fermer"));
    Button1->setAutoDefault(false);
    Button1->setGeometry((width() - 75) / 2, 312, 75, 25);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::offerCloseButton() { Button1->setVisible(true); }

void TForm2::Label8Click()
{
    ui::platform().openUrl(QUrl(QStringLiteral("mailto:") + utf8(product::MailAddress) +
                                QStringLiteral("?subject=Trovanta")));
}

void TForm2::Label47Click() { ui::platform().openUrl(QUrl(utf8(product::HomePage))); }

void TForm2::Button1Click()
{
    close();
    emit diagramClearRequested();
}
