#include "ui/tpanel.h"

#include <QPainter>
#include <QStyleOption>

#include <utility>

namespace trovanta::ui {

TPanel::TPanel(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void TPanel::paintEvent(QPaintEvent *e)
{
    const QString &s = text();
    // What the shortcut below does not know goes the label's own way.
    if (textFormat() != Qt::PlainText || wordWrap() || !isEnabled() || !pixmap().isNull() || movie() ||
        s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\t')) || layoutDirection() != Qt::LeftToRight) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    if (s.isEmpty())
        return;

    // The text's box as the label works it out: contents, margin, indent.
    QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = alignment();
    int m = indent();
    if (m < 0 && frameWidth())
        m = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (m > 0) {
        if (align & Qt::AlignLeft)
            box.setLeft(box.left() + m);
        if (align & Qt::AlignRight)
            box.setRight(box.right() - m);
        if (align & Qt::AlignTop)
            box.setTop(box.top() + m);
        if (align & Qt::AlignBottom)
            box.setBottom(box.bottom() - m);
    }

    if (laidOutFont_ != font()) {
        laidOut_ = laidOutBefore_ = QStaticText();
        laidOutFont_ = font();
    }
    if (laidOut_.text() != s) {
        std::swap(laidOut_, laidOutBefore_);
        if (laidOut_.text() != s) {
            laidOut_.setTextFormat(Qt::PlainText);
            laidOut_.setText(s);
            laidOut_.prepare(QTransform(), font());
        }
    }
    const QSizeF size = laidOut_.size();
    const qreal x = align & Qt::AlignRight     ? box.left() + box.width() - size.width()
                    : align & Qt::AlignHCenter ? box.left() + (box.width() - size.width()) / 2
                                               : box.left();
    const qreal y = align & Qt::AlignBottom    ? box.top() + box.height() - size.height()
                    : align & Qt::AlignVCenter ? qRound(box.top() + (box.height() - size.height()) / 2)
                                               : box.top();
    QStyleOption opt;
    opt.initFrom(this);
    p.setPen(QPen(opt.palette.brush(foregroundRole()), 1));
    // A text wider than the panel is cut at its edges, as the label cuts it.
    if (size.width() > box.width() || size.height() > box.height())
        p.setClipRect(box);
    p.drawStaticText(QPointF(x, y), laidOut_);
}

} // namespace trovanta::ui
