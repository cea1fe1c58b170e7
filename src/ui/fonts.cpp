#include "ui/fonts.h"

namespace trovanta::ui {

QFont pixelFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont formFont(int points, bool bold)
{
    // Rounded as the original Windows platform did: MulDiv(points, 96, 72).
    return pixelFont((points * 96 + 36) / 72, bold);
}

} // namespace trovanta::ui
