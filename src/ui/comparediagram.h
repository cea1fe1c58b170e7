#pragma once
// The comparison window's diagram: both gear sets in one picture, the
// present set (A) in solid lines, the variant (B) dashed, each gear in its
// colour of the main diagram, with grid, axis numbers, the shift mark, the
// hatched red zone, the track points and a legend. It draws a plot worked
// out elsewhere and scales it to whatever size the window gives it.

#include "calc/units.h"
#include "calc/compare.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace trovanta::ui {

struct CompareLegend {
    QString a, b;          // the two sets, one line each
    QString shift, redZone;
    QString rpmAxis, kmhAxis;
    QString waiting;       // shown instead of a plot
    // The speed axis keeps its lines at the plot's km/h steps and numbers
    // them in this unit.
    units::Speed speedUnit = units::Speed::Kmh;

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
    // A new theme: every kept layer is drawn again.
    void changeEvent(QEvent *event) override;

private:
    // The picture is laid together from layers, each drawn again only when
    // what it shows changed: the backdrop (grid, numbers, captions, red
    // zone, shift mark), the lines of A and the lines of B, each kept for
    // the last two axes (a change of one set often moves the speed axis to
    // and fro), and the legend. The track points are few and drawn from small pictures.
    struct BackdropKey {
        QSize size;
        qreal ratio = 0;
        bool sawtooth = false;
        gearing::Axis x, y;
        std::int32_t shiftMark = 0, redZone = 0;
        QString rpmAxis, kmhAxis;
        bool operator==(const BackdropKey &o) const;
    };
    struct LinesKey {
        QSize size;
        qreal ratio = 0;
        gearing::Axis x, y;
        std::vector<gearing::PlotLine> lines;
        bool operator==(const LinesKey &o) const;
    };
    QRect plotArea() const;
    bool backdropFits() const;
    QImage newLayer(bool opaque) const;
    const QImage &backdrop(const gearing::Plot &plot);
    void paintBackdrop(QPainter &p, const gearing::Plot &plot);
    const QImage &lines(const gearing::Plot &plot, gearing::Which set);
    void paintMarkers(QPainter &p, const gearing::Plot &plot);
    const QImage &markerPicture(int gear, gearing::Which set);
    const QImage &legendPicture();
    void paintLegend(QPainter &p, QSize size);
    QSize legendSize();
    void compose(QPainter &p);
    // Each text laid out once and drawn from then on.
    const QStaticText &text(const QString &s, const QFont &font, QHash<QString, QStaticText> &cache) const;

    std::optional<gearing::Plot> plot_;
    CompareLegend legend_;

    std::array<std::optional<BackdropKey>, 2> backdropKeys_;
    std::array<QImage, 2> backdrops_;
    // Each set's lines, on the last two axes they were drawn on.
    struct SetLayers {
        std::array<std::optional<LinesKey>, 2> keys;
        std::array<QImage, 2> images;
    };
    std::array<SetLayers, 2> sets_; // A, B
    std::array<QImage, 12> markers_; // gears 1..6 of A, then of B
    QImage legendPicture_;
    std::optional<CompareLegend> legendOf_; // what legendPicture_ shows
    // The whole picture, for the last two plots and legends shown: an
    // unchanged run repaints from here, and so does a run back to the
    // previous one.
    struct Picture {
        std::optional<gearing::Plot> plot;
        CompareLegend legend;
        QImage image;
        bool valid = false;
        bool shows(const std::optional<gearing::Plot> &plot, const CompareLegend &legend, QSize size,
                   qreal ratio) const;
    };
    std::array<Picture, 2> pictures_;

    QFont small_, caption_;
    mutable QHash<QString, QStaticText> smallTexts_, captionTexts_;
};

} // namespace trovanta::ui
