#include "print/paintercanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace trovanta::print {

namespace {

constexpr int FontPoints = 8;

QString printoutFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char *name : {"MS Sans Serif", "Liberation Sans"}) {
        const QString family = QString::fromLatin1(name);
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QPen unitPen(const QColor &color)
{
    QPen pen(color, 1, Qt::SolidLine);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

QFont printoutFont(const QPaintDevice &device)
{
    QFont font(printoutFamily());
    font.setStyleHint(QFont::SansSerif);
    // Points to device pixels as the classic canvas does: rounded, never 0.
    font.setPixelSize(std::max(1, qRound(FontPoints * device.logicalDpiY() / 72.0)));
    return font;
}

PainterCanvas::PainterCanvas(QPainter &painter)
    : painter_(painter), pen_(unitPen(Qt::black)), brush_(Qt::white, Qt::SolidPattern),
      font_(printoutFont(*painter.device()))
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Only the hatch lines of a hatched brush are painted.
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setFont(font_);
    ascent_ = QFontMetrics(font_, painter.device()).ascent();
}

void PainterCanvas::setPenColor(const QColor &color) { pen_ = unitPen(color); }

void PainterCanvas::setBrush(const QColor &color, BrushStyle style)
{
    brush_ = QBrush(color, style == BrushStyle::DiagCross ? Qt::DiagCrossPattern : Qt::SolidPattern);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    painter_.setPen(pen_);
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1)
        return; // nothing lies inside
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
    // An aliased outline of QRect(l, t, w, h) covers l .. l + w; the classic
    // rectangle stops one unit before its right and bottom corner.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    painter_.setPen(QPen(Qt::black));
    // drawText puts the baseline at y.
    painter_.drawText(x, y + ascent_, text);
}

} // namespace trovanta::print
