#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace trovanta::ui {

QRect screenHolding(const QRect &main, const QList<QRect> &screens)
{
    QRect best;
    qint64 bestArea = -1;
    for (const QRect &s : screens) {
        const QRect common = s.intersected(main);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = s;
            bestArea = area;
        }
    }
    return best;
}

QRect keptWithin(const QRect &frame, const QRect &area)
{
    if (!area.isValid())
        return frame;
    QRect r = frame;
    if (r.right() > area.right())
        r.moveRight(area.right());
    if (r.bottom() > area.bottom())
        r.moveBottom(area.bottom());
    if (r.left() < area.left())
        r.moveLeft(area.left());
    if (r.top() < area.top())
        r.moveTop(area.top());
    return r;
}

QList<QRect> availableScreens()
{
    QList<QRect> out;
    for (const QScreen *s : QGuiApplication::screens())
        out.append(s->availableGeometry());
    return out;
}

void placeOnScreenOf(QWidget *w, QRect frame, const QRect &mainFrame)
{
    const QRect kept = keptWithin(frame, screenHolding(mainFrame, availableScreens()));
    // move() places the window's frame; the frame is what must fit.
    w->move(kept.topLeft());
}

void centreOn(QWidget *w, const QRect &mainFrame)
{
    QRect frame(QPoint(0, 0), w->frameGeometry().size());
    frame.moveCenter(mainFrame.center());
    placeOnScreenOf(w, frame, mainFrame);
}

} // namespace trovanta::ui
