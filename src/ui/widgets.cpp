#include "ui/widgets.h"

namespace trovanta::ui {

QLabel *plainLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   const std::optional<QFont> &font)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    if (font)
        l->setFont(*font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(geometry);
    return e;
}

TPanel *panel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *p = new TPanel(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setGeometry(geometry);
    return p;
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

} // namespace trovanta::ui
