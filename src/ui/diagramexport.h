#pragma once
// The gear diagram as a picture file of its own: the diagram with its axis
// captions and the title above, as PNG, SVG or PDF, on a light background
// whatever the desktop's theme.

#include "ui/diagram.h"

#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace trovanta::ui {

struct DiagramPicture {
    Diagram diagram;
    QString title;
    QString speedUnit;                 // "km/h"
    std::array<QString, 8> speedTexts; // 350 .. 0, top to bottom
    QString rpmCaption;                // "Régime x 1000"
};

enum class PictureFormat { Png, Svg, Pdf };

// By the file's suffix, any case; none for another suffix.
std::optional<PictureFormat> pictureFormatOf(const QString &path);

// The picture's size in its own units (pixels at 96 dots per inch).
QSize diagramPictureSize();
void paintDiagramPicture(QPainter &p, const DiagramPicture &d);

// Writes the file in one replace; throws trovanta::Error (the file cannot
// be created) when it cannot.
void writeDiagramPicture(const QString &path, PictureFormat format, const DiagramPicture &d);

} // namespace trovanta::ui
