#include "ui/buttonpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace trovanta::ui {

namespace {

// Drawn on a 16 x 16 grid and scaled to the size asked for.
QPixmap picture(int size, void (*draw)(QPainter &))
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    return pm;
}

void drawPrinter(QPainter &p)
{
    const QPen outline(QColor(40, 40, 40), 0.8);
    p.setPen(outline);
    // Sheet going in at the back.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1, 8, 6));
    // Body.
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(1, 6, 14, 6), 1, 1);
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(3, 10, 10, 1.5));
    // Sheet coming out with a few printed lines.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 11, 8, 4));
    p.setPen(QPen(QColor(0, 0, 160), 0.6));
    p.drawLine(QLineF(5, 12.5, 11, 12.5));
    p.drawLine(QLineF(5, 14, 9.5, 14));
    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0));
    p.drawEllipse(QPointF(12.8, 8), 0.9, 0.9);
}

void drawFloppy(QPainter &p)
{
    p.setPen(QPen(QColor(10, 10, 60), 0.8));
    QPainterPath body;
    body.moveTo(1, 1);
    body.lineTo(13.5, 1);
    body.lineTo(15, 2.5);
    body.lineTo(15, 15);
    body.lineTo(1, 15);
    body.closeSubpath();
    p.setBrush(QColor(30, 50, 150));
    p.drawPath(body);
    // Metal shutter with its window.
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 1, 8, 5));
    p.setBrush(QColor(30, 50, 150));
    p.drawRect(QRectF(9, 2, 2, 3));
    // Label.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 8.5, 10, 6.5));
    p.setPen(QPen(QColor(200, 0, 0), 0.6));
    p.drawLine(QLineF(4, 10.5, 12, 10.5));
    p.setPen(QPen(QColor(120, 120, 120), 0.5));
    p.drawLine(QLineF(4, 12.5, 12, 12.5));
}

void drawQuestion(QPainter &p)
{
    // The hook of the mark, then the dot, both as thick strokes.
    QPainterPath hook;
    hook.moveTo(4.5, 5.5);
    hook.cubicTo(4.5, 1.5, 11.5, 1.5, 11.5, 5.2);
    hook.cubicTo(11.5, 7.8, 8, 7.8, 8, 10.5);
    const QPen dark(QColor(90, 70, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen yellow(QColor(255, 215, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(dark);
    p.drawPath(hook);
    p.drawPoint(QPointF(8, 14));
    p.setPen(yellow);
    p.drawPath(hook);
    p.drawPoint(QPointF(8, 14));
}

} // namespace

QPixmap printerPicture(int size) { return picture(size, drawPrinter); }
QPixmap savePicture(int size) { return picture(size, drawFloppy); }
QPixmap questionPicture(int size) { return picture(size, drawQuestion); }

} // namespace trovanta::ui
