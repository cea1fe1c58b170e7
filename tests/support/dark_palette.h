#pragma once
// A dark desktop theme as a rider may run one: the Fusion style with a dark
// palette.

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace trovanta::test {

inline QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// Switches the application to it (and back with `on` false).
inline void useDarkTheme(bool on)
{
    static const QString before = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(on ? QStringLiteral("Fusion") : before));
    QApplication::setPalette(on ? darkPalette() : QApplication::style()->standardPalette());
}

} // namespace trovanta::test
