#include "ui/updown.h"

#include "calc/numtext.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace trovanta::ui {

namespace {
constexpr int ButtonWidth = 16;
}

TUpDown::TUpDown(QWidget *parent, QLineEdit *associate, int min, int max, int increment, int position)
    : QWidget(parent), associate_(associate), min_(min), max_(max), increment_(increment), position_(position)
{
    const QRect r = associate_->geometry();
    associate_->setGeometry(r.x(), r.y(), r.width() - ButtonWidth, r.height());
    setGeometry(r.x() + r.width() - ButtonWidth, r.y(), ButtonWidth, r.height());

    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    const int half = r.height() / 2;
    up_->setGeometry(0, 0, ButtonWidth, half);
    down_->setGeometry(0, half, ButtonWidth, r.height() - half);
    for (QToolButton *b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { click(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { click(-1); });

    associate_->installEventFilter(this);
}

void TUpDown::click(int direction)
{
    std::int32_t typed = 0;
    if (num::tryParseInteger(associate_->text().toStdString(), typed) && typed >= min_ && typed <= max_)
        position_ = typed;
    // 64 bits so that a step next to the 32-bit ends cannot wrap.
    long long next = static_cast<long long>(position_) + static_cast<long long>(direction) * increment_;
    if (next > max_)
        next = max_;
    if (next < min_)
        next = min_;
    if (next == position_)
        return;
    position_ = static_cast<int>(next);
    associate_->setText(QString::number(position_));
}

bool TUpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            click(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trovanta::ui
