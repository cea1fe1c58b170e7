#pragma once
// The Performances window's diagrams: a chart of print/chart.h drawn the way
// the comparison diagram draws (the main diagram's face and white grid, the
// gear colours, axes with units, a legend), scaled to whatever size the
// window gives it; and the three charts worked out from the model.

#include "calc/performance.h"
#include "print/chart.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

namespace trovanta::ui {

class PerformanceDiagram : public QWidget {
    Q_OBJECT
public:
    explicit PerformanceDiagram(const char *name, QWidget *parent = nullptr);

    void setChart(print::Chart chart);
    const print::Chart &chart() const { return chart_; }

    QSize sizeHint() const override { return {640, 360}; }
    QSize minimumSizeHint() const override { return {440, 300}; }

protected:
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void compose(QPainter &p) const;

    print::Chart chart_;
    QImage picture_; // redrawn only when the chart or the size changed
    bool valid_ = false;
};

// The three charts, with their words.
class PerformanceCharts {
    Q_DECLARE_TR_FUNCTIONS(PerformanceCharts)
public:
    // "Force à la roue": F_k(v) of each gear over its usable speeds, the
    // resistance, the tyre's limit dashed, a dot at each best upshift.
    static print::Chart force(const perf::Model &m, const perf::Results &r);
    // "Couple et puissance": torque and power over engine speed, the red
    // zone hatched.
    static print::Chart engine(const perf::Model &m, std::optional<std::int32_t> redZone);
    // "Départ arrêté": road speed over time, a mark at each shift and at
    // 100 and 200 km/h.
    static print::Chart start(const perf::Results &r);
    // What a diagram says while there is nothing to draw.
    static QString waiting();
};

} // namespace trovanta::ui
