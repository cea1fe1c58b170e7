#include "ui/widgets.h"
#include "ui/theme.h"

#include "calc/numtext.h"
#include "ui/fonts.h"
#include "ui/updown.h"
#include "ui/units.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QApplication>
#include <QPainter>
#include <QTableView>
#include <QTextLayout>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

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

QLabel *plainLabel(QWidget *parent, const char *name, const Source &text, int x, int y,
                   const std::optional<QFont> &font)
{
    QLabel *l = plainLabel(parent, name, QString(), x, y, font);
    keepText(l, text, true);
    return l;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const Source &text, int x, int y, int width, bool captionLeft)
{
    QCheckBox *c = checkBox(parent, name, QString(), x, y, width, captionLeft);
    keepText(c, text);
    return c;
}

QGroupBox *groupBox(QWidget *parent, const char *name, const Source &title, const QRect &geometry)
{
    QGroupBox *g = groupBox(parent, name, QString(), geometry);
    keepTitle(g, title);
    return g;
}

QPushButton *button(QWidget *parent, const char *name, const Source &text)
{
    QPushButton *b = button(parent, name, QString());
    keepText(b, text);
    return b;
}

QLabel *boldLabel(QWidget *parent, const Source &text)
{
    QLabel *l = boldLabel(parent, QString());
    keepText(l, text);
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

NoteLabel::NoteLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void NoteLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    const QFontMetrics fm(font());
    const int most = std::max(1, area.height() / fm.lineSpacing());
    const int width = std::max(1, area.width());
    // Lines broken at words, a word wider than the note anywhere, as many
    // as the note is high; what is left over ends the last one in "…".
    QStringList lines;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (lines.size() + 1 == most && line.textStart() + line.textLength() < paragraph.size()) {
                lines << fm.elidedText(paragraph.mid(line.textStart()), Qt::ElideRight, width);
                break;
            }
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
            if (lines.size() == most)
                break;
        }
        layout.endLayout();
        if (lines.size() == most)
            break;
    }
    const int high = int(lines.size()) * fm.lineSpacing();
    int top = area.top();
    if (alignment() & Qt::AlignVCenter)
        top += (area.height() - high) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += area.height() - high;
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    for (const QString &line : lines) {
        p.drawText(QRect(area.left(), top, width, fm.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += fm.lineSpacing();
    }
}

QLabel *noteLabel(QWidget *parent, const char *name)
{
    auto *l = named(new NoteLabel(parent), name);
    followTheme(l, ThemeRole::Note);
    return l;
}

QLabel *wrappedNote(QWidget *parent, const char *name)
{
    auto *l = named(new WrappedLabel(QString(), parent), name);
    followTheme(l, ThemeRole::Note);
    return l;
}

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

FieldRows::FieldRows(QGridLayout *grid, bool allUnits) : grid_(grid), allUnits_(allUnits)
{
    grid_->setColumnStretch(3, 1);
}

void FieldRows::add(const Source &caption, QWidget *w, const Source &unit)
{
    addCaption(caption, w);
    grid_->addWidget(w, row_, 1, Qt::AlignLeft);
    if (!unit.isNull())
        grid_->addWidget(unitLabel(unit, allUnits_), row_, 2);
    ++row_;
}

void FieldRows::addWide(const Source &caption, QWidget *w)
{
    addCaption(caption, w);
    grid_->addWidget(w, row_, 1, 1, 3, Qt::AlignLeft);
    ++row_;
}

void FieldRows::gap() { grid_->setRowMinimumHeight(row_++, 6); }

void FieldRows::heading(const Source &text)
{
    gap();
    grid_->addWidget(boldLabel(nullptr, text), row_++, 0, 1, 4);
}

void FieldRows::addCaption(const Source &caption, QWidget *w)
{
    // The field's notes name it by its caption.
    if (w->accessibleName().isEmpty())
        keepTranslated(w, caption, [w](const QString &t) { w->setAccessibleName(t); });
    addCaption(unitLabel(caption, allUnits_), w);
}

void FieldRows::addCaption(QLabel *caption, QWidget *w)
{
    caption->setBuddy(w);
    grid_->addWidget(caption, row_, 0);
}

CachedTextDelegate::CachedTextDelegate(QTableView *view) : QStyledItemDelegate(view)
{
    // The cells draw the grid lines on their right and bottom edges, where
    // the view would: a line drawn by the view costs as much as a cell.
    view->setShowGrid(false);
}

void CachedTextDelegate::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
    const bool selected = option.state & QStyle::State_Selected;
    const bool focus = option.state & QStyle::State_HasFocus;
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    // The style works the grid's colour out of the palette; once per palette.
    if (gridPalette_ != option.palette.cacheKey()) {
        QStyleOption hint;
        if (option.widget)
            hint.initFrom(option.widget);
        grid_ = QRgb(style->styleHint(QStyle::SH_Table_GridLineColor, &hint, option.widget));
        gridPalette_ = option.palette.cacheKey();
    }

    Cell cell;
    cell.text = index.data(Qt::DisplayRole).toString();
    cell.font = option.font;
    if (const QVariant f = index.data(Qt::FontRole); f.isValid()) {
        // The view's font with what the model sets: family and size marked
        // as set, so that a picture's painter does not take its own.
        cell.font = qvariant_cast<QFont>(f).resolve(option.font);
        cell.font.setFamilies(cell.font.families());
        if (cell.font.pixelSize() > 0)
            cell.font.setPixelSize(cell.font.pixelSize());
        else
            cell.font.setPointSizeF(cell.font.pointSizeF());
    }
    cell.background = option.palette.color(group, QPalette::Base);
    if (selected)
        cell.background = option.palette.color(group, QPalette::Highlight);
    else if (const QVariant bg = index.data(Qt::BackgroundRole); bg.canConvert<QBrush>())
        cell.background = qvariant_cast<QBrush>(bg).color();
    cell.ink = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    if (!selected)
        if (const QVariant fg = index.data(Qt::ForegroundRole); fg.canConvert<QBrush>())
            cell.ink = qvariant_cast<QBrush>(fg).color();
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    cell.align = alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    cell.size = option.rect.size();
    cell.grid = grid_;
    cell.ratio = p->device() ? p->device()->devicePixelRatio() : 1;

    // A cell that looks as one drawn before is that picture again; the
    // pictures are few (counts, teeth, "7/14" on a few backgrounds).
    if (!focus) {
        if (pictures_.size() > 2048)
            pictures_.clear();
        QImage &im = pictures_[cell];
        if (im.isNull()) {
            im = QImage(cell.size * cell.ratio, QImage::Format_RGB32);
            im.setDevicePixelRatio(cell.ratio);
            QPainter q(&im);
            drawCell(q, QRect(QPoint(0, 0), cell.size), cell, option);
        }
        p->drawImage(option.rect.topLeft(), im);
        return;
    }
    drawCell(*p, option.rect, cell, option);
    if (focus) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.rect = option.rect.adjusted(0, 0, -1, -1);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, p, option.widget);
    }
}

void CachedTextDelegate::drawCell(QPainter &p, const QRect &rect, const Cell &cell,
                                  const QStyleOptionViewItem &option) const
{
    // The cell without its grid lines, as the view hands it over when it
    // draws them itself.
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    p.fillRect(inner, cell.background);
    p.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), QColor::fromRgba(cell.grid));
    p.fillRect(QRect(rect.left(), rect.bottom(), rect.width() - 1, 1), QColor::fromRgba(cell.grid));
    if (cell.text.isEmpty())
        return;
    p.save();
    p.setFont(cell.font);
    p.setPen(cell.ink);
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect box = inner.adjusted(margin, 0, -margin, 0);
    const auto align = Qt::Alignment(cell.align);
    const std::pair<QString, QFont> key{cell.text, cell.font};
    if (texts_.size() > 8192 && !texts_.contains(key)) // a long session of many different values
        texts_.clear();
    QStaticText &text = texts_[key];
    if (text.text().isEmpty()) {
        text.setTextFormat(Qt::PlainText);
        text.setText(cell.text);
        text.prepare(QTransform(), cell.font);
    }
    const QSizeF size = text.size();
    if (size.width() <= box.width()) {
        const qreal x = align & Qt::AlignRight     ? box.left() + box.width() - size.width()
                        : align & Qt::AlignHCenter ? box.left() + (box.width() - size.width()) / 2
                                                   : box.left();
        // Lines stand on whole pixels, as the standard delegate sets them.
        p.drawStaticText(QPointF(x, qRound(box.top() + (box.height() - size.height()) / 2)), text);
    } else {
        const QFontMetrics fm(cell.font);
        p.drawText(box, int(align), fm.elidedText(cell.text, Qt::ElideRight, box.width()));
    }
    p.restore();
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

} // namespace trovanta::ui
