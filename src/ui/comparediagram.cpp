#include "ui/comparediagram.h"

#include "print/gearcolours.h"
#include "ui/fonts.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trovanta::ui {

namespace {

using gearing::real;

// The face colour the main diagram is drawn on, so that its white grid and
// aqua first gear show up the same here.
const QColor Face(212, 208, 200);
const QColor Lime(0, 255, 0);

constexpr int MarginLeft = 40, MarginRight = 14, MarginTop = 22, MarginBottom = 34;
constexpr int LegendSample = 26;
constexpr int MarkerPicture = 12; // a track point's mark, centred

QPen gearPen(const QColor &colour, gearing::Which set)
{
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    if (set == gearing::Which::B)
        pen.setDashPattern({4, 3}); // in pen widths: 8 pixels drawn, 6 left out
    return pen;
}

QString axisNumber(real v, bool rpm, units::Speed unit)
{
    return QString::number(std::llround(rpm ? double(v) / 1000 : units::fromKmh(double(v), unit)));
}

// Plot values to widget pixels.
struct Scale {
    QRectF area;
    const gearing::Plot &plot;
    double x(real v) const { return area.left() + double(v / plot.x.max) * area.width(); }
    double y(real v) const { return area.bottom() - double(v / plot.y.max) * area.height(); }
};

} // namespace

bool CompareLegend::operator==(const CompareLegend &o) const
{
    return a == o.a && b == o.b && shift == o.shift && redZone == o.redZone && rpmAxis == o.rpmAxis &&
           kmhAxis == o.kmhAxis && waiting == o.waiting && speedUnit == o.speedUnit;
}

bool CompareDiagram::BackdropKey::operator==(const BackdropKey &o) const
{
    return size == o.size && ratio == o.ratio && sawtooth == o.sawtooth && x == o.x && y == o.y &&
           shiftMark == o.shiftMark && redZone == o.redZone && rpmAxis == o.rpmAxis && kmhAxis == o.kmhAxis;
}

bool CompareDiagram::LinesKey::operator==(const LinesKey &o) const
{
    return size == o.size && ratio == o.ratio && x == o.x && y == o.y && lines == o.lines;
}

CompareDiagram::CompareDiagram(QWidget *parent) : QWidget(parent), small_(pixelFont(11))
{
    setObjectName(QStringLiteral("CompareDiagram"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The picture covers the whole widget: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    caption_ = formFont(8, true);
    caption_.setUnderline(true);
}

QSize CompareDiagram::sizeHint() const { return {500, 340}; }
QSize CompareDiagram::minimumSizeHint() const { return {360, 230}; }

void CompareDiagram::setPlot(const std::optional<gearing::Plot> &plot, const CompareLegend &legend)
{
    if (plot_ == plot && legend == legend_)
        return; // nothing on the screen would change
    plot_ = plot;
    legend_ = legend;
    update();
}

bool CompareDiagram::Picture::shows(const std::optional<gearing::Plot> &plot, const CompareLegend &legend, QSize size,
                                    qreal ratio) const
{
    return valid && image.size() == size * ratio && image.devicePixelRatio() == ratio && this->plot == plot &&
           this->legend == legend;
}

void CompareDiagram::changeEvent(QEvent *event)
{
    // Every layer takes colours from the palette and texts from the fonts.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange) {
        backdropKeys_ = {};
        for (SetLayers &l : sets_)
            l.keys = {};
        markers_ = {};
        legendOf_.reset();
        for (Picture &pic : pictures_)
            pic.valid = false;
        update();
    }
    QWidget::changeEvent(event);
}

QRect CompareDiagram::plotArea() const
{
    return QRect(MarginLeft, MarginTop, width() - MarginLeft - MarginRight, height() - MarginTop - MarginBottom);
}

const QStaticText &CompareDiagram::text(const QString &s, const QFont &font, QHash<QString, QStaticText> &cache) const
{
    if (cache.size() > 256) // axis numbers, names and captions are few; typing may make many
        cache.clear();
    QStaticText &st = cache[s];
    if (st.text().isEmpty() && !s.isEmpty()) {
        st.setTextFormat(Qt::PlainText);
        st.setText(s);
        st.prepare(QTransform(), font);
    }
    return st;
}

QImage CompareDiagram::newLayer(bool opaque) const
{
    // Opaque pictures are copied, not blended, onto what lies below.
    const qreal ratio = devicePixelRatioF();
    QImage im(size() * ratio, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    im.setDevicePixelRatio(ratio);
    im.fill(opaque ? palette().color(QPalette::Window) : QColor(Qt::transparent));
    return im;
}

void CompareDiagram::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (!pictures_[0].shows(plot_, legend_, size(), ratio)) {
        // The older picture goes and its memory takes the new one: a set
        // that goes to and fro between two states is drawn from the other.
        std::swap(pictures_[0], pictures_[1]);
        Picture &pic = pictures_[0];
        if (!pic.shows(plot_, legend_, size(), ratio)) {
            if (pic.image.size() != size() * ratio || pic.image.devicePixelRatio() != ratio)
                pic.image = newLayer(true);
            else if (!plot_ || !backdropFits())
                pic.image.fill(palette().color(QPalette::Window)); // a plot's backdrop covers it all
            QPainter p(&pic.image);
            compose(p);
            pic.plot = plot_;
            pic.legend = legend_;
            pic.valid = true;
        }
    }
    QPainter p(this);
    p.drawImage(0, 0, pictures_[0].image);
}

bool CompareDiagram::backdropFits() const
{
    const QRect area = plotArea();
    return area.width() >= 10 && area.height() >= 10;
}

void CompareDiagram::compose(QPainter &p)
{
    const QRect area = plotArea();
    if (!backdropFits())
        return;
    if (!plot_) {
        p.fillRect(area, Face);
        p.setFont(small_);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap, legend_.waiting);
        return;
    }
    const gearing::Plot &plot = *plot_;
    p.drawImage(0, 0, backdrop(plot));
    p.drawImage(0, 0, lines(plot, gearing::Which::A));
    p.drawImage(0, 0, lines(plot, gearing::Which::B));
    paintMarkers(p, plot);

    // In the sawtooth the upper left holds the red zone; the lower right is free.
    QRect box(area.topLeft() + QPoint(8, 8), legendSize());
    if (plot.sawtooth)
        box.moveBottomRight(area.bottomRight() - QPoint(8, 8));
    p.drawImage(box.topLeft(), legendPicture());
}

const QImage &CompareDiagram::backdrop(const gearing::Plot &plot)
{
    BackdropKey key{size(),      devicePixelRatioF(), plot.sawtooth,   plot.x,         plot.y,
                    plot.shiftMark, plot.redZone,     legend_.rpmAxis, legend_.kmhAxis};
    if (backdropKeys_[1] && *backdropKeys_[1] == key) {
        std::swap(backdropKeys_[0], backdropKeys_[1]);
        std::swap(backdrops_[0], backdrops_[1]);
    }
    if (!backdropKeys_[0] || !(*backdropKeys_[0] == key)) {
        backdropKeys_[1] = std::move(backdropKeys_[0]);
        backdrops_[1] = std::move(backdrops_[0]);
        backdrops_[0] = newLayer(true);
        if (qEnvironmentVariableIsSet("DBG_LINES")) fprintf(stderr, "backdrop miss\n");
        QPainter p(&backdrops_[0]);
        paintBackdrop(p, plot);
        backdropKeys_[0] = std::move(key);
    }
    return backdrops_[0];
}

void CompareDiagram::paintBackdrop(QPainter &p, const gearing::Plot &plot)
{
    const QRectF area = plotArea();
    const Scale s{area, plot};
    const bool rpmOnX = !plot.sawtooth;
    const real rpmMax = rpmOnX ? plot.x.max : plot.y.max;
    const QColor text = palette().color(QPalette::WindowText);
    p.fillRect(area, Face);

    // Grid with the numbers beside it.
    const long long xLines = std::llround(std::floor(double(plot.x.max / plot.x.step)));
    const long long yLines = std::llround(std::floor(double(plot.y.max / plot.y.step)));
    const QFontMetricsF fm(small_);
    p.setFont(small_);
    p.setPen(text);
    for (long long i = 0; i <= xLines; ++i) {
        const real v = plot.x.step * i;
        const double x = std::round(s.x(v));
        p.fillRect(QRectF(x, area.top(), 1, area.height() + 1), Qt::white);
        const QStaticText &n = this->text(axisNumber(v, rpmOnX, legend_.speedUnit), small_, smallTexts_);
        p.drawStaticText(QPointF(x - n.size().width() / 2.0, area.bottom() + 4), n);
    }
    for (long long i = 0; i <= yLines; ++i) {
        const real v = plot.y.step * i;
        const double y = std::round(s.y(v));
        p.fillRect(QRectF(area.left(), y, area.width() + 1, 1), Qt::white);
        const QStaticText &n = this->text(axisNumber(v, !rpmOnX, legend_.speedUnit), small_, smallTexts_);
        p.drawStaticText(QPointF(area.left() - 5 - n.size().width(), y + fm.ascent() / 2.0 - 1 - fm.ascent()), n);
    }
    const QFontMetricsF cm(caption_);
    p.setFont(caption_);
    const QStaticText &xCaption = this->text(rpmOnX ? legend_.rpmAxis : legend_.kmhAxis, caption_, captionTexts_);
    const QStaticText &yCaption = this->text(rpmOnX ? legend_.kmhAxis : legend_.rpmAxis, caption_, captionTexts_);
    p.drawStaticText(QPointF(area.right() - xCaption.size().width(), height() - 3 - cm.descent() - cm.ascent()),
                     xCaption);
    p.drawStaticText(QPointF(4, MarginTop - 6 - cm.ascent()), yCaption);

    p.setClipRect(area.adjusted(0, 0, 1, 1));
    // The red zone, hatched transparently with a black outline, as in the
    // main diagram.
    if (plot.redZone < rpmMax) {
        const real from = std::max<real>(0, plot.redZone);
        const QRectF zone = rpmOnX ? QRectF(QPointF(s.x(from), area.top()), area.bottomRight())
                                   : QRectF(area.topLeft(), QPointF(area.right(), s.y(from)));
        p.setBackgroundMode(Qt::TransparentMode);
        p.fillRect(zone, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(zone);
    }
    // The shift mark: a lime line edged in black.
    if (plot.shiftMark >= 0 && plot.shiftMark <= rpmMax) {
        const QLineF mark = rpmOnX ? QLineF(s.x(plot.shiftMark), area.top(), s.x(plot.shiftMark), area.bottom())
                                   : QLineF(area.left(), s.y(plot.shiftMark), area.right(), s.y(plot.shiftMark));
        p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
        p.setPen(QPen(Lime, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mark);
    }
}

const QImage &CompareDiagram::lines(const gearing::Plot &plot, gearing::Which set)
{
    SetLayers &layers = sets_[set == gearing::Which::A ? 0 : 1];
    LinesKey key{size(), devicePixelRatioF(), plot.x, plot.y, {}};
    for (const gearing::PlotLine &l : plot.lines)
        if (l.set == set)
            key.lines.push_back(l);
    if (layers.keys[1] && *layers.keys[1] == key) {
        std::swap(layers.keys[0], layers.keys[1]);
        std::swap(layers.images[0], layers.images[1]);
    }
    if (layers.keys[0] && *layers.keys[0] == key)
        return layers.images[0];
    // The older of the two pictures goes; its memory takes the new lines.
    // A set that goes to and fro between two states, or the same lines on
    // two axes, is then drawn from the kept picture.
    std::swap(layers.keys[0], layers.keys[1]);
    std::swap(layers.images[0], layers.images[1]);
    QImage &im = layers.images[0];
    if (im.size() == size() * key.ratio && im.devicePixelRatio() == key.ratio)
        im.fill(Qt::transparent);
    else
        im = newLayer(false);
    QPainter p(&im);
    const QRect area = plotArea();
    const Scale s{QRectF(area), plot};
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const gearing::PlotLine &l : key.lines) {
        p.setPen(gearPen(print::GearColours[std::size_t(l.gear - 1)], l.set));
        p.drawLine(QPointF(s.x(l.x1), s.y(l.y1)), QPointF(s.x(l.x2), s.y(l.y2)));
    }
    layers.keys[0] = std::move(key);
    return im;
}

const QImage &CompareDiagram::markerPicture(int gear, gearing::Which set)
{
    QImage &im = markers_[std::size_t(gear - 1 + (set == gearing::Which::B ? 6 : 0))];
    const qreal ratio = devicePixelRatioF();
    if (im.isNull() || im.devicePixelRatio() != ratio) {
        im = QImage(QSize(MarkerPicture, MarkerPicture) * ratio, QImage::Format_ARGB32_Premultiplied);
        im.setDevicePixelRatio(ratio);
        im.fill(Qt::transparent);
        QPainter p(&im);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QColor &colour = print::GearColours[std::size_t(gear - 1)];
        const QPointF centre(MarkerPicture / 2.0, MarkerPicture / 2.0);
        if (set == gearing::Which::A) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(colour);
        } else {
            p.setPen(QPen(colour, 2));
            p.setBrush(Qt::white);
        }
        p.drawEllipse(centre, 4, 4);
    }
    return im;
}

void CompareDiagram::paintMarkers(QPainter &p, const gearing::Plot &plot)
{
    if (plot.markers.empty())
        return;
    const QRect area = plotArea();
    const Scale s{QRectF(area), plot};
    p.save();
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    p.setFont(small_);
    p.setPen(palette().color(QPalette::WindowText));
    const qreal ascent = QFontMetricsF(small_).ascent();
    for (const gearing::PlotMarker &m : plot.markers) {
        const QPointF at(s.x(m.x), s.y(m.y));
        p.drawImage(QPointF(std::round(at.x()) - MarkerPicture / 2, std::round(at.y()) - MarkerPicture / 2),
                    markerPicture(m.gear, m.set));
        if (m.set == gearing::Which::A) {
            // The name right of the point, or left of it near the right edge.
            const QStaticText &name = text(QString::fromStdString(m.name), small_, smallTexts_);
            const double w = name.size().width();
            const double x = at.x() + 7 + w > area.right() ? at.x() - 7 - w : at.x() + 7;
            p.drawStaticText(QPointF(x, at.y() - 5 - ascent), name);
        }
    }
    p.restore();
}

QSize CompareDiagram::legendSize()
{
    const QFontMetrics fm(small_);
    const int row = fm.height() + 3;
    auto width = [&](const QString &s) { return int(std::ceil(text(s, small_, smallTexts_).size().width())); };
    const int textWidth = std::max({width(legend_.a), width(legend_.b), width(legend_.shift), width(legend_.redZone),
                                    6 * (LegendSample / 2 + fm.horizontalAdvance(QStringLiteral("6 ")))});
    return {LegendSample + 6 + textWidth + 12, 5 * row + 8};
}

const QImage &CompareDiagram::legendPicture()
{
    const qreal ratio = devicePixelRatioF();
    if (!legendOf_ || !(*legendOf_ == legend_) || legendPicture_.devicePixelRatio() != ratio) {
        const QSize size = legendSize();
        legendPicture_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
        legendPicture_.setDevicePixelRatio(ratio);
        legendPicture_.fill(Qt::transparent);
        QPainter p(&legendPicture_);
        paintLegend(p, size);
        legendOf_ = legend_;
    }
    return legendPicture_;
}

void CompareDiagram::paintLegend(QPainter &p, QSize size)
{
    p.setFont(small_);
    const QFontMetricsF fm(small_);
    const int row = QFontMetrics(small_).height() + 3;
    const QRect box(QPoint(0, 0), size - QSize(1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    QColor face = palette().color(QPalette::Base);
    face.setAlpha(225);
    p.setBrush(face);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, 0, 0));
    const QColor ink = palette().color(QPalette::WindowText);
    int y = box.top() + 4;
    // Where a row's text stands: its baseline in the middle of the row.
    const double top = (row + fm.ascent() - fm.descent()) / 2.0 - fm.ascent();
    auto caption = [&](double x, const QString &s) {
        p.setPen(ink);
        p.drawStaticText(QPointF(x, y + top), text(s, small_, smallTexts_));
    };
    auto lineRow = [&](const QPen &pen, const QString &s) {
        const double mid = y + row / 2.0;
        p.setPen(pen);
        p.drawLine(QPointF(box.left() + 6, mid), QPointF(box.left() + 6 + LegendSample, mid));
        caption(box.left() + 12 + LegendSample, s);
        y += row;
    };
    lineRow(gearPen(Qt::black, gearing::Which::A), legend_.a);
    lineRow(gearPen(Qt::black, gearing::Which::B), legend_.b);
    // The gears' colours in a row.
    double x = box.left() + 6;
    for (int g = 0; g < 6; ++g) {
        const double mid = y + row / 2.0;
        p.setPen(QPen(print::GearColours[std::size_t(g)], 3));
        p.drawLine(QPointF(x, mid), QPointF(x + LegendSample / 2.0, mid));
        x += LegendSample / 2.0 + 3;
        const QString n = QString::number(g + 1);
        caption(x, n);
        x += QFontMetrics(small_).horizontalAdvance(n) + 7;
    }
    y += row;
    lineRow(QPen(Lime, 3), legend_.shift);
    const QRectF swatch(box.left() + 6, y + 3, LegendSample, row - 6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(swatch, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(swatch);
    caption(box.left() + 12 + LegendSample, legend_.redZone);
}

} // namespace trovanta::ui
