#pragma once
// The comparison window's diagram: both gear sets in one picture, the
// present set (A) in solid lines, the variant (B) dashed, each gear in its
// colour of the main diagram, with grid, axis numbers, the shift mark, the
// hatched red zone, the track points and a legend. It draws a plot worked
// out elsewhere and scales it to whatever size the window gives it.

#include "calc/compare.h"

#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace trovanta::ui {

struct CompareLegend {
    QString a, b;          // the two sets, one line each
    QString shift, redZone;
    QString rpmAxis, kmhAxis;
    QString waiting;       // shown instead of a plot
};

class CompareDiagram : public QWidget {
    Q_OBJECT
public:
    explicit CompareDiagram(QWidget *parent = nullptr);

    void setPlot(const std::optional<gearing::Plot> &plot, const CompareLegend &legend);
    const std::optional<gearing::Plot> &plot() const { return plot_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect plotArea() const;
    void paintPlot(QPainter &p, const gearing::Plot &plot);
    void paintLegend(QPainter &p, const QRect &area, bool bottomRight);

    std::optional<gearing::Plot> plot_;
    CompareLegend legend_;
};

} // namespace trovanta::ui
