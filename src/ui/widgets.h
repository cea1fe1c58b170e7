#pragma once
// The one set of widget builders every window is made of. Windows of fixed
// layout place their pieces at pixel positions; the analysis windows lay
// theirs out and size them here by width only. Every builder names the
// widget (objectName) when given a name; parent may be null for a widget
// that a layout adopts.

#include "ui/language.h"
#include "ui/tpanel.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <optional>
#include <utility>

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QTableView;

namespace trovanta::ui {

class TUpDown;

inline QString utf8(const char *s) { return QString::fromUtf8(s); }

// ---- At pixel positions --------------------------------------------------

// A label of plain text, its top left at (x, y), as wide as its text.
QLabel *plainLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   const std::optional<QFont> &font = std::nullopt);
// The same with a text of the program, which follows the language: the
// label stays as wide as its text.
QLabel *plainLabel(QWidget *parent, const char *name, const Source &text, int x, int y,
                   const std::optional<QFont> &font = std::nullopt);
QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
TPanel *panel(QWidget *parent, const char *name, const QRect &geometry);
// A raised bevel frame.
QFrame *raisedFrame(QWidget *parent, const char *name, const QRect &geometry);
// A check box 17 pixels high; `captionLeft` puts its caption before the box.
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int width,
                    bool captionLeft);
QCheckBox *checkBox(QWidget *parent, const char *name, const Source &text, int x, int y, int width,
                    bool captionLeft);
// Spin arrows at the right end of `edit`.
TUpDown *upDown(QWidget *parent, const char *name, QLineEdit *edit, int min, int max, int step, int position);
// A group box; an empty geometry leaves it to a layout.
QGroupBox *groupBox(QWidget *parent, const char *name, const QString &title, const QRect &geometry = QRect());
QGroupBox *groupBox(QWidget *parent, const char *name, const Source &title, const QRect &geometry = QRect());

// ---- In layouts ------------------------------------------------------------

// An edit of a fixed width.
QLineEdit *field(QWidget *parent, const char *name, int width, const QString &text = QString());
// A display panel of a fixed width showing "–" until the window writes it.
TPanel *display(QWidget *parent, const char *name, int width);
// A push button; Enter in a field of the window presses none.
QPushButton *button(QWidget *parent, const char *name, const QString &text);
QPushButton *button(QWidget *parent, const char *name, const Source &text);
// A caption in the bold form font.
QLabel *boldLabel(QWidget *parent, const QString &text);
QLabel *boldLabel(QWidget *parent, const Source &text);
// A dark red note of plain text that wraps: what the rider should know.
// A word wider than the note breaks anywhere, and a text taller than the
// note ends in "…" on its last line; the whole text is in its tip.
QLabel *noteLabel(QWidget *parent, const char *name);
// The same as a WrappedLabel, as tall as it gets at its narrowest.
QLabel *wrappedNote(QWidget *parent, const char *name);

// A text that wraps and says honestly how tall it gets at the narrowest
// width given, so that a narrow window never squeezes the fields beside it.
// (Qt's own minimum for a wrapped label is one line.)
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString &text = QString(), QWidget *parent = nullptr);
    QSize minimumSizeHint() const override { return {NarrowestText, heightForWidth(NarrowestText)}; }
    QSize sizeHint() const override { return minimumSizeHint(); }

    static constexpr int NarrowestText = 380;
};

// The label noteLabel makes: drawn as it says, whatever width the layout
// gives it.
class NoteLabel : public QLabel {
public:
    explicit NoteLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *e) override;
};

// Rows of caption, field and unit on a grid; the last column takes what is
// left.
class FieldRows {
public:
    // Captions and units are written with the metric units and show the
    // chosen ones: the speed, and with `allUnits` torque, power and mass.
    explicit FieldRows(QGridLayout *grid, bool allUnits = false);

    // Captions, units and headings follow the language.
    void add(const Source &caption, QWidget *w, const Source &unit = Source());
    // A field wider than the others, over the unit column.
    void addWide(const Source &caption, QWidget *w);
    void gap();
    void heading(const Source &text);

private:
    void addCaption(const Source &caption, QWidget *w);
    void addCaption(QLabel *caption, QWidget *w);

    QGridLayout *grid_;
    bool allUnits_;
    int row_ = 0;
};

// Draws a table's cells as the standard delegate does (background,
// selection, foreground, plain text, focus frame, and the grid lines, which
// the view then leaves to it) without laying out each text anew: each
// different text is laid out once, each different cell drawn once and
// copied from then on. Editing stays the standard delegate's.
class CachedTextDelegate : public QStyledItemDelegate {
public:
    explicit CachedTextDelegate(QTableView *view);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    struct Cell {
        QString text;
        QFont font;
        QColor background, ink;
        int align = 0;
        QSize size;
        QRgb grid = 0;
        qreal ratio = 1;
        bool operator==(const Cell &o) const
        {
            return text == o.text && font == o.font && background == o.background && ink == o.ink &&
                   align == o.align && size == o.size && grid == o.grid && ratio == o.ratio;
        }
        friend size_t qHash(const Cell &c, size_t seed = 0)
        {
            // The font and the grid rarely differ: equality tells them apart.
            return qHashMulti(seed, c.text, c.background.rgba(), c.ink.rgba(), c.align, c.size.width(),
                              c.size.height());
        }
    };
    void drawCell(QPainter &p, const QRect &rect, const Cell &cell, const QStyleOptionViewItem &option) const;

    mutable QHash<std::pair<QString, QFont>, QStaticText> texts_;
    mutable QHash<Cell, QImage> pictures_;
    mutable qint64 gridPalette_ = -1;
    mutable QRgb grid_ = 0;
};

// The colour of a label's or panel's text.
void setTextColour(QWidget *w, const QColor &colour);

} // namespace trovanta::ui
