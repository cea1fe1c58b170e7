#include "ui/labels.h"

#include "ui/fonts.h"
#include "ui/theme.h"

#include <QMouseEvent>

namespace trovanta::ui {

QLabel *logoLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int pixelHeight)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    QFont f = pixelHeight > 0 ? pixelFont(pixelHeight, true) : formFont(14, true);
    f.setItalic(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::yellow);
    l->setPalette(pal);
    l->move(x, y);
    l->adjustSize();
    return l;
}

TLinkLabel::TLinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    QFont f = formFont(8, true);
    f.setUnderline(true);
    setFont(f);
    followTheme(this, ThemeRole::Link);
    setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *e)
{
    // A click is a press and a release of the left button on the label.
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit clicked();
}

} // namespace trovanta::ui
