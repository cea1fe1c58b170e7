#include "ui/diagramexport.h"

#include "files/fileerror.h"
#include "ui/fonts.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace trovanta::ui {

namespace {

constexpr int AreaW = 571, AreaH = 351;
constexpr int Left = 44, Top = 34, Right = 16, Bottom = 40;
// The light window face the program was drawn for, so the gear colours read as meant.
const QColor Face(240, 240, 240);
// PNG at twice the size, sharp on a document or a high-density screen.
constexpr int PngScale = 2;

QFont font(int pixels, bool bold = false)
{
    QFont f = formFont(8, bold);
    f.setPixelSize(pixels);
    return f;
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString &path)
{
    const QString s = QFileInfo(path).suffix().toLower();
    if (s == QLatin1String("png"))
        return PictureFormat::Png;
    if (s == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (s == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

QSize diagramPictureSize() { return QSize(Left + AreaW + Right, Top + AreaH + Bottom); }

void paintDiagramPicture(QPainter &p, const DiagramPicture &d)
{
    const QSize size = diagramPictureSize();
    p.save();
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(Qt::black);

    p.setFont(font(14, true));
    p.drawText(QRect(Left, 4, AreaW, 22), Qt::AlignCenter | Qt::TextSingleLine, d.title);

    const QRect area(Left, Top, AreaW, AreaH);
    p.fillRect(area, Face);
    p.save();
    p.translate(area.topLeft());
    paintDiagram(p, AreaW, AreaH, d.diagram);
    p.restore();
    p.setPen(QPen(Qt::gray, 0));
    p.drawRect(area.adjusted(-1, -1, 0, 0));

    p.setPen(Qt::black);
    p.setFont(font(11));
    // Speed captions at their grid lines, 50 km/h apart.
    for (int i = 0; i < 8; ++i) {
        const int y = Top + 50 * i;
        p.drawText(QRect(0, y - 8, Left - 5, 16), Qt::AlignRight | Qt::AlignVCenter, d.speedTexts[i]);
    }
    // Engine speed captions every 1000 rpm.
    for (int k = 0; k <= 16; ++k) {
        const int x = Left + static_cast<int>(k * 1000.0 / RpmPerPixel + 0.5);
        p.drawText(QRect(x - 15, Top + AreaH + 2, 30, 14), Qt::AlignHCenter | Qt::AlignTop, QString::number(k));
    }
    QFont caption = font(11, true);
    caption.setUnderline(true);
    p.setFont(caption);
    p.drawText(QRect(2, 4, Left + 40, 22), Qt::AlignLeft | Qt::AlignVCenter, d.speedUnit);
    p.drawText(QRect(Left, Top + AreaH + 18, AreaW, 18), Qt::AlignRight | Qt::AlignVCenter, d.rpmCaption);
    p.restore();
}

void writeDiagramPicture(const QString &path, PictureFormat format, const DiagramPicture &d)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw files::cannotCreate(path);
    const QSize size = diagramPictureSize();
    bool ok = true;
    switch (format) {
    case PictureFormat::Png: {
        QImage im(size * PngScale, QImage::Format_RGB32);
        im.setDevicePixelRatio(PngScale);
        {
            QPainter p(&im);
            paintDiagramPicture(p, d);
        }
        im.setDevicePixelRatio(1);
        ok = im.save(&file, "PNG");
        break;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(d.title);
        QPainter p;
        ok = p.begin(&svg);
        if (ok) {
            paintDiagramPicture(p, d);
            ok = p.end();
        }
        break;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(d.title);
        pdf.setCreator(QStringLiteral("Trovanta"));
        QPainter p;
        ok = p.begin(&pdf);
        if (ok) {
            paintDiagramPicture(p, d);
            ok = p.end();
        }
        break;
    }
    }
    if (!ok || !file.commit())
        throw files::cannotCreate(path);
}

} // namespace trovanta::ui
