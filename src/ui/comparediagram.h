#pragma once
// The comparison window's diagram: both gear sets in one picture, the
// present set (A) in solid lines, the variant (B) dashed, each gear in its
// colour of the main diagram, with grid, axis numbers, the shift mark, the
// hatched red zone, the track points and a legend. It draws a plot worked
// out elsewhere and scales it to whatever size the window gives it.

#include "calc/compare.h"

#include <QPixmap>
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

    bool operator==(const CompareLegend &o) const;
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
    // What stays while the axes and marks stay (grid, numbers, captions,
    // red zone, shift mark) is drawn once into a picture; a run that moves
    // only the lines repaints the lines.
    const QPixmap &backdrop(const gearing::Plot &plot);
    void paintBackdrop(QPainter &p, const gearing::Plot &plot) const;
    const QPixmap &legendPicture();
    void paintLegend(QPainter &p, QSize size) const;
    QSize legendSize() const;

    std::optional<gearing::Plot> plot_;
    CompareLegend legend_;

    QPixmap backdrop_;
    struct BackdropKey {
        QSize size;
        qreal ratio = 0;
        bool sawtooth = false;
        gearing::real xMax = 0, xStep = 0, yMax = 0, yStep = 0;
        std::int32_t shiftMark = 0, redZone = 0;
        QString rpmAxis, kmhAxis;
        bool operator==(const BackdropKey &o) const;
    };
    std::optional<BackdropKey> backdropKey_;
    QPixmap legendPicture_;
    bool legendValid_ = false;
    // The whole picture, painted again only when the plot, the legend or
    // the size change: an unchanged run repaints from here.
    QPixmap picture_;
    bool pictureValid_ = false;
    void paintPicture(QPainter &p);
};

} // namespace trovanta::ui
