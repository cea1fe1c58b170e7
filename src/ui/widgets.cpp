#include "ui/widgets.h"
#include "ui/theme.h"

#include "calc/numtext.h"
#include "ui/fonts.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace trovanta::ui {

namespace {

template <class W> W *named(W *w, const char *name)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

QLabel *plainLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   const std::optional<QFont> &font)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setTextFormat(Qt::PlainText);
    if (font)
        l->setFont(*font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *e = named(new QLineEdit(text, parent), name);
    e->setGeometry(geometry);
    return e;
}

TPanel *panel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *p = named(new TPanel(parent), name);
    p->setGeometry(geometry);
    return p;
}

QFrame *raisedFrame(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *f = named(new QFrame(parent), name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f->setLineWidth(1);
    f->setGeometry(geometry);
    return f;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int width,
                    bool captionLeft)
{
    auto *b = named(new QCheckBox(text, parent), name);
    if (captionLeft)
        b->setLayoutDirection(Qt::RightToLeft);
    b->setGeometry(x, y, width, 17);
    return b;
}

TUpDown *upDown(QWidget *parent, const char *name, QLineEdit *edit, int min, int max, int step, int position)
{
    return named(new TUpDown(parent, edit, min, max, step, position), name);
}

QGroupBox *groupBox(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *g = named(new QGroupBox(title, parent), name);
    if (geometry.isValid())
        g->setGeometry(geometry);
    return g;
}

QLineEdit *field(QWidget *parent, const char *name, int width, const QString &text)
{
    auto *e = named(new QLineEdit(text, parent), name);
    e->setFixedWidth(width);
    return e;
}

TPanel *display(QWidget *parent, const char *name, int width)
{
    auto *p = named(new TPanel(parent), name);
    p->setFixedWidth(width);
    p->setMinimumHeight(20);
    p->setText(QString::fromUtf8(num::NoValue));
    return p;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(false);
    return b;
}

QLabel *boldLabel(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setFont(formFont(8, true));
    return l;
}

QLabel *noteLabel(QWidget *parent, const char *name)
{
    auto *l = named(new QLabel(parent), name);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    setTextColour(l, noteColour(l->palette()));
    return l;
}

QLabel *wrappedNote(QWidget *parent, const char *name)
{
    auto *l = named(new WrappedLabel(QString(), parent), name);
    setTextColour(l, noteColour(l->palette()));
    return l;
}

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

FieldRows::FieldRows(QGridLayout *grid) : grid_(grid) { grid_->setColumnStretch(3, 1); }

void FieldRows::add(const QString &caption, QWidget *w, const QString &unit)
{
    addCaption(caption, w);
    grid_->addWidget(w, row_, 1, Qt::AlignLeft);
    if (!unit.isEmpty())
        grid_->addWidget(new QLabel(unit), row_, 2);
    ++row_;
}

void FieldRows::addWide(const QString &caption, QWidget *w)
{
    addCaption(caption, w);
    grid_->addWidget(w, row_, 1, 1, 3, Qt::AlignLeft);
    ++row_;
}

void FieldRows::gap() { grid_->setRowMinimumHeight(row_++, 6); }

void FieldRows::heading(const QString &text)
{
    gap();
    grid_->addWidget(boldLabel(nullptr, text), row_++, 0, 1, 4);
}

void FieldRows::addCaption(const QString &caption, QWidget *w)
{
    auto *c = new QLabel(caption);
    c->setBuddy(w);
    grid_->addWidget(c, row_, 0);
}

void CachedTextDelegate::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        p->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    else if (const QVariant bg = index.data(Qt::BackgroundRole); bg.canConvert<QBrush>())
        p->fillRect(option.rect, qvariant_cast<QBrush>(bg));

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        p->save();
        QFont font = option.font;
        if (const QVariant f = index.data(Qt::FontRole); f.isValid())
            font = qvariant_cast<QFont>(f).resolve(font);
        p->setFont(font);
        QColor pen = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        if (!selected)
            if (const QVariant fg = index.data(Qt::ForegroundRole); fg.canConvert<QBrush>())
                pen = qvariant_cast<QBrush>(fg).color();
        p->setPen(pen);
        const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        const QRect box = option.rect.adjusted(margin, 0, -margin, 0);
        const QVariant alignment = index.data(Qt::TextAlignmentRole);
        const auto align = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft | Qt::AlignVCenter;
        // The cells hold few different texts (counts, teeth, "7/14"): each is
        // laid out once and drawn from then on.
        QStaticText &st = texts_[{text, font.bold()}];
        if (st.text().isEmpty()) {
            if (texts_.size() > 8192) { // a long session of many different values
                texts_.clear();
                return paint(p, option, index);
            }
            st.setTextFormat(Qt::PlainText);
            st.setText(text);
            st.prepare(QTransform(), font);
        }
        const QSizeF size = st.size();
        if (size.width() <= box.width()) {
            const qreal x = align & Qt::AlignRight     ? box.left() + box.width() - size.width()
                            : align & Qt::AlignHCenter ? box.left() + (box.width() - size.width()) / 2
                                                       : box.left();
            // Lines stand on whole pixels, as the standard delegate sets them.
            p->drawStaticText(QPointF(x, qRound(box.top() + (box.height() - size.height()) / 2)), st);
        } else {
            const QFontMetrics fm(font);
            p->drawText(box, int(align), fm.elidedText(text, Qt::ElideRight, box.width()));
        }
        p->restore();
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, option.widget);
    }
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

} // namespace trovanta::ui
