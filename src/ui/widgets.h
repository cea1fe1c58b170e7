#pragma once
// The one set of widget builders every window is made of. Windows of fixed
// layout place their pieces at pixel positions; the analysis windows lay
// theirs out and size them here by width only. Every builder names the
// widget (objectName) when given a name; parent may be null for a widget
// that a layout adopts.

#include "ui/tpanel.h"

#include <QColor>
#include <QHash>
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

namespace trovanta::ui {

class TUpDown;

inline QString utf8(const char *s) { return QString::fromUtf8(s); }

// ---- At pixel positions --------------------------------------------------

// A label of plain text, its top left at (x, y), as wide as its text.
QLabel *plainLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   const std::optional<QFont> &font = std::nullopt);
QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
TPanel *panel(QWidget *parent, const char *name, const QRect &geometry);
// A raised bevel frame.
QFrame *raisedFrame(QWidget *parent, const char *name, const QRect &geometry);
// A check box 17 pixels high; `captionLeft` puts its caption before the box.
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int width,
                    bool captionLeft);
// Spin arrows at the right end of `edit`.
TUpDown *upDown(QWidget *parent, const char *name, QLineEdit *edit, int min, int max, int step, int position);
// A group box; an empty geometry leaves it to a layout.
QGroupBox *groupBox(QWidget *parent, const char *name, const QString &title, const QRect &geometry = QRect());

// ---- In layouts ------------------------------------------------------------

// An edit of a fixed width.
QLineEdit *field(QWidget *parent, const char *name, int width, const QString &text = QString());
// A display panel of a fixed width showing "–" until the window writes it.
TPanel *display(QWidget *parent, const char *name, int width);
// A push button; Enter in a field of the window presses none.
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// A caption in the bold form font.
QLabel *boldLabel(QWidget *parent, const QString &text);
// A dark red note of plain text that wraps: what the rider should know.
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

// Rows of caption, field and unit on a grid; the last column takes what is
// left.
class FieldRows {
public:
    explicit FieldRows(QGridLayout *grid);

    void add(const QString &caption, QWidget *w, const QString &unit = QString());
    // A field wider than the others, over the unit column.
    void addWide(const QString &caption, QWidget *w);
    void gap();
    void heading(const QString &text);

private:
    void addCaption(const QString &caption, QWidget *w);

    QGridLayout *grid_;
    int row_ = 0;
};

// Draws a table's cells as the standard delegate does (background,
// selection, foreground, plain text, focus frame) without laying out each
// text anew: each different text is laid out once and drawn from then on.
// Editing stays the standard delegate's.
class CachedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable QHash<std::pair<QString, bool>, QStaticText> texts_; // text, bold
};

// The colour of a label's or panel's text.
void setTextColour(QWidget *w, const QColor &colour);

} // namespace trovanta::ui
