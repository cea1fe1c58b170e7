#include "ui/theme.h"
#include <QApplication>

#include <QWidget>

namespace trovanta::ui {

bool isDark(const QPalette &p) { return p.color(QPalette::Window).lightness() < 128; }

QPalette lightPalette()
{
    QPalette p(QColor(240, 240, 240));
    p.setColor(QPalette::Window, QColor(240, 240, 240));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(r, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

void keepLight(QWidget *w)
{
    const QPalette current = w->palette();
    if (!isDark(current))
        return;
    QPalette light = lightPalette();
    // A text colour set for the widget (a gear's colour) stays.
    const QColor text = current.color(QPalette::WindowText);
    if (text != QApplication::palette(w).color(QPalette::WindowText))
        light.setColor(QPalette::WindowText, text);
    w->setPalette(light);
    w->setAutoFillBackground(true);
}

QColor noteColour(const QPalette &p) { return isDark(p) ? QColor(255, 120, 110) : QColor(176, 0, 0); }

} // namespace trovanta::ui
