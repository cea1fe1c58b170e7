#include "ui/performancediagrams.h"

#include "calc/numtext.h"
#include "print/gearcolours.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/units.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trovanta::ui {

namespace {

const QColor Face(212, 208, 200);
const QColor Resistance(0, 0, 170);
const QColor Torque(0, 0, 170);
const QColor Power(200, 90, 0);
constexpr int MarginLeft = 52, MarginRight = 16, MarginTop = 24, MarginBottom = 36;
constexpr int MarginRightAxis = 48;

QColor gearColour(int gear) { return print::GearColours[std::size_t(std::clamp(gear, 1, 6) - 1)]; }

using print::roundAxis;


} // namespace

PerformanceDiagram::PerformanceDiagram(const char *name, QWidget *parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PerformanceDiagram::setChart(print::Chart chart)
{
    chart_ = std::move(chart);
    valid_ = false;
    update();
}

void PerformanceDiagram::changeEvent(QEvent *e)
{
    // A new theme: the picture is drawn again on the new face.
    if (e->type() == QEvent::PaletteChange) {
        valid_ = false;
        update();
    }
    QWidget::changeEvent(e);
}

void PerformanceDiagram::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (!valid_ || picture_.size() != size() * ratio) {
        picture_ = QImage(size() * ratio, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(palette().color(QPalette::Window));
        QPainter p(&picture_);
        compose(p);
        valid_ = true;
    }
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void PerformanceDiagram::compose(QPainter &p) const
{
    const print::Chart &c = chart_;
    const int right = c.y2 ? MarginRightAxis : MarginRight;
    const QRectF area(MarginLeft, MarginTop, width() - MarginLeft - right, height() - MarginTop - MarginBottom);
    if (area.width() < 10 || area.height() < 10)
        return;
    const QFont small = pixelFont(11);
    QFont caption = formFont(8, true);
    caption.setUnderline(true);
    const QColor ink = palette().color(QPalette::WindowText);
    p.fillRect(area, Face);
    p.setFont(small);
    if (!c.drawn()) {
        p.setPen(ink);
        p.drawText(area.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap, c.waiting);
        return;
    }
    const char sep = decimalSeparator();
    auto x = [&](double v) { return area.left() + v / c.x.max * area.width(); };
    auto y = [&](double v, bool r) { return area.bottom() - v / (r && c.y2 ? c.y2->max : c.y.max) * area.height(); };
    const QFontMetricsF fm(small);

    // Grid and numbers.
    p.setPen(ink);
    for (int i = 0; i <= print::gridLines(c.x); ++i) {
        const double v = i * c.x.step;
        const double px = std::round(x(v));
        p.fillRect(QRectF(px, area.top(), 1, area.height() + 1), Qt::white);
        const QString n = print::axisNumber(v, c.x.step, sep);
        p.drawText(QPointF(px - fm.horizontalAdvance(n) / 2, area.bottom() + 4 + fm.ascent()), n);
    }
    for (int i = 0; i <= print::gridLines(c.y); ++i) {
        const double v = i * c.y.step;
        const double py = std::round(y(v, false));
        p.fillRect(QRectF(area.left(), py, area.width() + 1, 1), Qt::white);
        const QString n = print::axisNumber(v, c.y.step, sep);
        p.drawText(QPointF(area.left() - 5 - fm.horizontalAdvance(n), py + fm.ascent() / 2 - 1), n);
    }
    if (c.y2)
        for (int i = 0; i <= print::gridLines(*c.y2); ++i) {
            const double v = i * c.y2->step;
            const QString n = print::axisNumber(v, c.y2->step, sep);
            p.drawText(QPointF(area.right() + 5, std::round(y(v, true)) + fm.ascent() / 2 - 1), n);
        }
    p.setFont(caption);
    const QFontMetricsF cm(caption);
    p.drawText(QPointF(area.right() - cm.horizontalAdvance(c.x.caption), height() - 3 - cm.descent()), c.x.caption);
    p.drawText(QPointF(4, MarginTop - 8), c.y.caption);
    if (c.y2)
        p.drawText(QPointF(width() - 4 - cm.horizontalAdvance(c.y2->caption), MarginTop - 8), c.y2->caption);
    p.setFont(small);

    p.save();
    p.setClipRect(area.adjusted(0, 0, 1, 1));
    if (c.hatchFrom && *c.hatchFrom < c.x.max) {
        const QRectF zone(QPointF(x(std::max(0.0, *c.hatchFrom)), area.top()), area.bottomRight());
        p.fillRect(zone, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(zone);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const print::ChartLine &l : c.lines) {
        QPen pen(l.colour, 2);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (l.dashed)
            pen.setDashPattern({4, 3});
        p.setPen(pen);
        // Cut to the plot first, and drawn in runs where it stays inside.
        const QRectF inside = area.adjusted(-2, -2, 2, 2);
        QPolygonF run;
        auto flush = [&] {
            if (run.size() > 1)
                p.drawPolyline(run);
            run.clear();
        };
        for (std::size_t i = 1; i < l.points.size(); ++i) {
            QPointF a(x(l.points[i - 1].x()), y(l.points[i - 1].y(), l.right));
            QPointF b(x(l.points[i].x()), y(l.points[i].y(), l.right));
            const QPointF bEnd = b;
            if (!print::clipSegment(a, b, inside)) {
                flush();
                continue;
            }
            if (run.isEmpty() || run.back() != a) {
                flush();
                run << a;
            }
            run << b;
            if (b != bEnd)
                flush();
        }
        flush();
    }
    for (const print::ChartDot &d : c.dots) {
        const QPointF at(x(d.at.x()), y(d.at.y(), d.right));
        if (!area.adjusted(-1, -1, 1, 1).contains(at))
            continue;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(d.colour);
        p.drawEllipse(at, 4, 4);
        if (!d.label.isEmpty()) {
            const double w = fm.horizontalAdvance(d.label);
            // Below and right of the dot: the lines of these charts rise to the right.
            const double lx = at.x() + 7 + w > area.right() ? at.x() - 7 - w : at.x() + 7;
            p.setPen(ink);
            p.drawText(QPointF(lx, at.y() + 4 + fm.ascent()), d.label);
        }
    }
    p.restore();

    // The legend in the upper right corner.
    if (c.legend.empty())
        return;
    constexpr int Sample = 26;
    const int row = QFontMetrics(small).height() + 3;
    constexpr int GearSample = 13;
    const double gearStep = GearSample + 3 + fm.horizontalAdvance(QStringLiteral("6")) + 7;
    double textWidth = 0;
    for (const print::ChartKey &k : c.legend)
        textWidth = std::max(textWidth, k.style == print::ChartKey::Style::Gears ? 6 * gearStep - Sample - 10
                                                                                 : fm.horizontalAdvance(k.text));
    const QSizeF boxSize(Sample + 18 + textWidth + 8, row * double(c.legend.size()) + 8);
    QRectF box(QPointF(area.right() - 8 - boxSize.width(), area.top() + 8), boxSize);
    if (c.legendAt == print::Chart::Corner::TopLeft)
        box.moveLeft(area.left() + 8);
    else if (c.legendAt == print::Chart::Corner::BottomRight)
        box.moveBottom(area.bottom() - 8);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    double ry = box.top() + 4;
    for (const print::ChartKey &k : c.legend) {
        const double mid = ry + row / 2.0;
        const double sx = box.left() + 6;
        switch (k.style) {
        case print::ChartKey::Style::Line:
        case print::ChartKey::Style::Dashed: {
            QPen pen(k.colour, k.style == print::ChartKey::Style::Line ? 3 : 2);
            pen.setCapStyle(Qt::FlatCap);
            if (k.style == print::ChartKey::Style::Dashed)
                pen.setDashPattern({4, 3});
            p.setPen(pen);
            p.drawLine(QPointF(sx, mid), QPointF(sx + Sample, mid));
            break;
        }
        case print::ChartKey::Style::Dot:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(k.colour);
            p.drawEllipse(QPointF(sx + Sample / 2.0, mid), 4, 4);
            break;
        case print::ChartKey::Style::Hatch: {
            const QRectF swatch(sx, ry + 3, Sample, row - 6);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(swatch, QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
            p.setPen(QPen(Qt::black, 0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(swatch);
            p.setRenderHint(QPainter::Antialiasing, true);
            break;
        }
        case print::ChartKey::Style::Gears: {
            double gx = sx;
            for (int g = 0; g < 6; ++g) {
                p.setPen(QPen(print::GearColours[std::size_t(g)], 3));
                p.drawLine(QPointF(gx, mid), QPointF(gx + GearSample, mid));
                gx += GearSample + 3;
                p.setPen(ink);
                const QString n = QString::number(g + 1);
                p.drawText(QPointF(gx, mid + (fm.ascent() - fm.descent()) / 2), n);
                gx += fm.horizontalAdvance(n) + 7;
            }
            ry += row;
            continue;
        }
        }
        p.setPen(ink);
        p.drawText(QPointF(sx + Sample + 10, mid + (fm.ascent() - fm.descent()) / 2), k.text);
        ry += row;
    }
}

// ---- The charts ------------------------------------------------------------------

QString PerformanceCharts::waiting() { return tr("Rien à tracer : voir la note sous les résultats."); }

print::Chart PerformanceCharts::force(const perf::Model &m, const perf::Results &r)
{
    print::Chart c;
    c.waiting = waiting();
    const auto air = m.resistance(0);
    // Drawn in the chosen unit: the axis steps are the unit's own.
    const double kS = shownSpeed(1);
    double vMax = 0, fMax = 0;
    for (int k = 1; k <= 6; ++k) {
        std::vector<perf::ForcePoint> pts = m.forceCurve(k);
        if (pts.size() < 2)
            continue;
        print::ChartLine line;
        line.colour = gearColour(k);
        for (const perf::ForcePoint &p : pts) {
            line.points.emplace_back(p.kmh * kS, p.newton);
            vMax = std::max(vMax, p.kmh * kS);
            fMax = std::max(fMax, p.newton);
        }
        c.lines.push_back(std::move(line));
    }
    if (c.lines.empty())
        return c;
    c.x = roundAxis(vMax, speedUnitText());
    c.y = roundAxis(fMax * 1.05, tr("N"));
    if (air) {
        print::ChartLine line;
        line.colour = Resistance;
        for (int i = 0; i <= 100; ++i) {
            const double v = c.x.max * i / 100;
            line.points.emplace_back(v, *m.resistance(v / kS));
        }
        c.lines.push_back(std::move(line));
    }
    if (const auto cap = m.cap()) {
        print::ChartLine line;
        line.colour = Qt::black;
        line.dashed = true;
        line.points = {{0, *cap}, {c.x.max, *cap}};
        c.lines.push_back(std::move(line));
    }
    for (int k = 1; k <= 5; ++k)
        if (const auto &u = r.upshifts[std::size_t(k - 1)])
            if (const auto f = m.force(k, u->kmh))
                c.dots.push_back({QPointF(u->kmh * kS, *f), gearColour(k), false, QString()});
    c.legend.push_back({QString(), Qt::black, print::ChartKey::Style::Gears});
    if (air)
        c.legend.push_back({tr("Résistance (air et roulement)"), Resistance, print::ChartKey::Style::Line});
    if (m.cap())
        c.legend.push_back({tr("Limite du pneu"), Qt::black, print::ChartKey::Style::Dashed});
    c.legend.push_back({tr("Passage optimal"), Qt::white, print::ChartKey::Style::Dot});
    return c;
}

print::Chart PerformanceCharts::engine(const perf::Model &m, std::optional<std::int32_t> redZone)
{
    print::Chart c;
    c.waiting = waiting();
    const std::vector<perf::Point> &pts = m.points();
    if (pts.size() < 2)
        return c;
    const double nMax = std::max(pts.back().rpm, redZone ? double(*redZone) : 0.0);
    double tMax = 0, pMax = 0;
    const units::Choice &u = currentUnits();
    const double kT = units::fromNm(1, u.torque), kP = units::fromKw(1, u.power);
    print::ChartLine torque, power;
    torque.colour = Torque;
    power.colour = Power;
    power.right = true;
    for (const perf::Point &p : pts) {
        torque.points.emplace_back(p.rpm, p.torque * kT);
        tMax = std::max(tMax, p.torque * kT);
    }
    // The power is a parabola between two points: drawn in short pieces.
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        constexpr int Pieces = 16;
        for (int j = i == 0 ? 0 : 1; j <= Pieces; ++j) {
            const double t = double(j) / Pieces;
            const double n = pts[i].rpm + (pts[i + 1].rpm - pts[i].rpm) * t;
            const double kw = perf::enginePowerKw(n, pts[i].torque + (pts[i + 1].torque - pts[i].torque) * t);
            power.points.emplace_back(n, kw * kP);
            pMax = std::max(pMax, kw * kP);
        }
    }
    c.x = roundAxis(nMax * 1.02, tr("tr/min"), 10);
    c.y = roundAxis(tMax * 1.1, unitText(u.torque));
    c.y2 = roundAxis(pMax * 1.1, unitText(u.power));
    if (redZone)
        c.hatchFrom = double(*redZone);
    c.lines = {std::move(torque), std::move(power)};
    for (const perf::Point &p : pts)
        c.dots.push_back({QPointF(p.rpm, p.torque * kT), Torque, false, QString()});
    c.legendAt = print::Chart::Corner::TopLeft;
    c.legend = {{inUnits(tr("Couple (Nm)")), Torque, print::ChartKey::Style::Line},
                {inUnits(tr("Puissance (kW)")), Power, print::ChartKey::Style::Line}};
    if (redZone)
        c.legend.push_back({tr("Zone rouge"), QColor(255, 0, 0), print::ChartKey::Style::Hatch});
    return c;
}

print::Chart PerformanceCharts::start(const perf::Results &r)
{
    print::Chart c;
    c.waiting = waiting();
    if (!r.start || r.start->trace.size() < 2)
        return c;
    const perf::StandingStart &s = *r.start;
    // Up to where the speed has nearly settled: the rest is a flat line.
    double tEnd = s.trace.back().t;
    for (const perf::TracePoint &p : s.trace)
        if (p.kmh >= 0.985 * s.kmhAt60) {
            tEnd = p.t;
            break;
        }
    c.x = roundAxis(std::max(10.0, tEnd), tr("s"), 10);
    const double kS = shownSpeed(1);
    c.y = roundAxis(s.kmhAt60 * kS * 1.08, speedUnitText());
    print::ChartLine line;
    line.colour = gearColour(1);
    int gear = 1;
    // A point every thousandth of the axis is finer than any screen or
    // page shows; the shifts are always kept.
    const double every = c.x.max / 1000;
    double next = 0;
    for (const perf::TracePoint &p : s.trace) {
        if (p.t > c.x.max)
            break;
        if (p.t < next && p.gear == gear && !p.shift)
            continue;
        next = p.t + every;
        if (p.gear != gear) {
            // Each gear its colour: a new line from the shift on.
            line.points.emplace_back(p.t, p.kmh * kS);
            c.lines.push_back(std::move(line));
            line = {};
            line.colour = gearColour(p.gear);
            gear = p.gear;
        }
        line.points.emplace_back(p.t, p.kmh * kS);
    }
    c.lines.push_back(std::move(line));
    for (int k = 2; k <= 6; ++k)
        if (const auto &e = s.engaged[std::size_t(k - 1)])
            c.dots.push_back({QPointF(double(e->step) * perf::StepSeconds, e->kmh * kS), gearColour(k), false, QString()});
    const char sep = decimalSeparator();
    auto mark = [&](const std::optional<double> &t, double kmh) {
        if (t)
            c.dots.push_back({QPointF(*t, kmh * kS), Qt::white, false,
                              tr("%1 : %2 s").arg(speedWithUnit(kmh), QString::fromStdString(num::formatF2(*t, sep)))});
    };
    mark(s.to100, 100);
    mark(s.to200, 200);
    if (s.at400 && s.kmhAt400)
        c.dots.push_back({QPointF(*s.at400, *s.kmhAt400 * kS), Qt::white, false,
                          tr("400 m : %1 s à %2")
                              .arg(QString::fromStdString(num::formatF2(*s.at400, sep)), speedWithUnit(*s.kmhAt400))});
    c.legendAt = print::Chart::Corner::BottomRight;
    c.legend = {{QString(), Qt::black, print::ChartKey::Style::Gears},
                {tr("Passage d'un rapport"), gearColour(2), print::ChartKey::Style::Dot}};
    return c;
}

} // namespace trovanta::ui
