#include "ui/programicon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace trovanta::ui {

QIcon programIcon()
{
    QSvgRenderer svg(QStringLiteral(":/trovanta/trovanta.svg"));
    QIcon icon;
    if (!svg.isValid())
        return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace trovanta::ui
