#pragma once
// A spin control: an up/down arrow pair bound to an edit field. The edit
// keeps any text as typed; only the arrows (and the Up and Down keys in the
// edit) are bounded. Steps stop at the ends, never wrap, and write plain
// digits, so every step is a text change of the edit.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace trovanta::ui {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    // Takes its place at the right end of `associate`, which gives up that
    // much of its width.
    TUpDown(QWidget *parent, QLineEdit *associate, int min, int max, int increment, int position);

    QLineEdit *associate() const { return associate_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int increment() const { return increment_; }
    int position() const { return position_; }

    // One click on an arrow: +1 up, -1 down. The value stepped from is the
    // edit's text when that is a whole number within the bounds, otherwise
    // the last position. At a bound nothing changes.
    void click(int direction);

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *associate_;
    QToolButton *up_;
    QToolButton *down_;
    int min_, max_, increment_, position_;
};

} // namespace trovanta::ui

using trovanta::ui::TUpDown;
