#include "ui/compareperformance.h"
#include "ui/units.h"
#include "ui/theme.h"

#include "calc/circuit.h"
#include "calc/fparith.h"
#include "calc/numtext.h"
#include "ui/analysiswindow.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMetaObject>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <system_error>

namespace trovanta::ui {

SetPerformance setPerformance(const perf::Input &in, const std::optional<circuit::Track> &track)
{
    SetPerformance out;
    const perf::Model m(in);
    if (!m.complete())
        return out;
    out.complete = true;
    if (const auto start = perf::standingStart(m, false)) {
        out.to100 = start->to100;
        out.at400 = start->at400;
    }
    out.top = perf::topSpeed(m);
    if (track)
        out.circuit = circuit::lap(m, *track).sum;
    return out;
}

ComparePerformance::ComparePerformance(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GB_Leistung"));
    keepTitle(this, tx("trovanta::ui::ComparePerformance", "Performances"));
    B_Leistung = new QTableWidget(4, 3, this);
    B_Leistung->setObjectName(QStringLiteral("B_Leistung"));
    connect(&unitsHub(), &UnitsHub::changed, this, [this] {
        showHeads();
        show();
    });
    B_Leistung->setEditTriggers(QAbstractItemView::NoEditTriggers);
    B_Leistung->setSelectionMode(QAbstractItemView::NoSelection);
    B_Leistung->setFocusPolicy(Qt::NoFocus);
    B_Leistung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    B_Leistung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Its cells stand beside the comparison's tables: the same light face.
    keepLight(B_Leistung);
    B_Leistung->setWordWrap(false);
    keepToolTip(B_Leistung, tx("trovanta::ui::ComparePerformance",
                               "A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps "
                               "des lignes droites du circuit actuel, pas un temps au tour."));
    const QFontMetrics fm(font());
    B_Leistung->verticalHeader()->setDefaultSectionSize(fm.height() + 7);
    B_Leistung->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    B_Leistung->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    showHeads();
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 4; ++r) {
            auto *i = new QTableWidgetItem;
            i->setTextAlignment(Qt::AlignCenter);
            B_Leistung->setItem(r, c, i);
        }
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(B_Leistung);
    hide();
}

void ComparePerformance::showHeads()
{
    const QStringList columns = {tr("A"), tr("B"), tr("Écart")};
    B_Leistung->setHorizontalHeaderLabels(columns);
    // The time is to 100 km/h in either unit; the head says what that is.
    B_Leistung->setVerticalHeaderLabels({tr("0–%1 (s)").arg(speedWithUnit(100)), tr("400 m (s)"),
                                         inSpeedUnit(tr("Vitesse maxi (km/h)")), tr("Circuit (s)")});
    // As wide as the widest top speed with its gear, or a head.
    const QFontMetrics fm(font());
    int column = fm.horizontalAdvance(tr("%1 (%2e)").arg(QStringLiteral("000")).arg(6));
    for (const QString &h : columns)
        column = std::max(column, fm.horizontalAdvance(h));
    for (int c = 0; c < 3; ++c)
        B_Leistung->horizontalHeader()->resizeSection(c, column + 18);
}

void ComparePerformance::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        showHeads();
        show();
    }
    QGroupBox::changeEvent(e);
}

ComparePerformance::~ComparePerformance()
{
    ++generation_;
    if (worker_.joinable())
        worker_.join();
}

void ComparePerformance::setContext(const PerformanceContext &context)
{
    context_ = context;
    recompute();
}

void ComparePerformance::setSets(const std::optional<gearing::GearSet> &a, const std::optional<gearing::GearSet> &b)
{
    a_ = a;
    b_ = b;
    recompute();
}

void ComparePerformance::recompute()
{
    // Whatever a worker still works out is of no use now.
    const std::uint64_t generation = ++generation_;
    if (worker_.joinable())
        worker_.join();
    setVisible(context_.input.has_value());
    if (!context_.input)
        return;
    auto input = [&](const std::optional<gearing::GearSet> &set) -> std::optional<perf::Input> {
        return set ? inputWith(context_, *set) : std::nullopt;
    };
    // B runs A's engine: its red zone (n_top) is A's, or the Performances
    // window's before the main window's first good run.
    std::optional<gearing::GearSet> bSet = b_;
    if (bSet) {
        const gearing::GearSet &marks = a_ ? *a_ : context_.input->gearSet;
        bSet->redZone = marks.redZone;
        bSet->shiftMark = marks.shiftMark;
    }
    const std::optional<perf::Input> a = input(a_), b = input(bSet);
    std::optional<circuit::Track> track;
    if (context_.hasCircuit())
        track = context_.circuit->track;
    auto values = [](const std::optional<perf::Input> &in, const std::optional<circuit::Track> &t) {
        return in ? setPerformance(*in, t) : SetPerformance{};
    };
    if (!track) {
        aValues_ = values(a, track);
        bValues_ = values(b, track);
        show();
        return;
    }
    // A circuit's straights take milliseconds a set: off the GUI thread.
    aValues_.reset();
    bValues_.reset();
    show();
    try {
        worker_ = std::thread([this, generation, a, b, track, values] {
            const SetPerformance av = values(a, track), bv = values(b, track);
            QMetaObject::invokeMethod(
                this, [this, generation, av, bv] { deliver(generation, av, bv); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        aValues_ = values(a, track);
        bValues_ = values(b, track);
        show();
    }
}

void ComparePerformance::deliver(std::uint64_t generation, const SetPerformance &a, const SetPerformance &b)
{
    if (generation != generation_.load())
        return;
    if (worker_.joinable())
        worker_.join();
    aValues_ = a;
    bValues_ = b;
    show();
}

void ComparePerformance::wait()
{
    if (worker_.joinable())
        worker_.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ComparePerformance::show()
{
    const QString dash = noValueText(), pending = QStringLiteral("…");
    const char sep = decimalSeparator();
    auto seconds = [&](const std::optional<SetPerformance> &v, std::optional<double> SetPerformance::*field) {
        if (!v)
            return pending;
        const std::optional<double> &x = (*v).*field;
        return x ? QString::fromStdString(num::formatF2(*x, sep)) : dash;
    };
    auto secondsGap = [&](std::optional<double> SetPerformance::*field) {
        if (!aValues_ || !bValues_)
            return pending;
        const std::optional<double> &x = (*aValues_).*field, &y = (*bValues_).*field;
        return x && y ? signedF2Text(*y - *x) : dash;
    };
    auto top = [&](const std::optional<SetPerformance> &v) {
        if (!v)
            return pending;
        return v->top ? tr("%1 (%2e)").arg(wholeSpeedText(v->top->kmh)).arg(v->top->gear) : dash;
    };
    QString topGap = pending;
    if (aValues_ && bValues_)
        topGap = aValues_->top && bValues_->top
                     ? signedWholeText(fp::roundToInt(shownSpeed(bValues_->top->kmh)) -
                                       fp::roundToInt(shownSpeed(aValues_->top->kmh)))
                     : dash;
    const QString cells[4][3] = {
        {seconds(aValues_, &SetPerformance::to100), seconds(bValues_, &SetPerformance::to100),
         secondsGap(&SetPerformance::to100)},
        {seconds(aValues_, &SetPerformance::at400), seconds(bValues_, &SetPerformance::at400),
         secondsGap(&SetPerformance::at400)},
        {top(aValues_), top(bValues_), topGap},
        {seconds(aValues_, &SetPerformance::circuit), seconds(bValues_, &SetPerformance::circuit),
         secondsGap(&SetPerformance::circuit)},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            if (B_Leistung->item(r, c)->text() != cells[r][c])
                B_Leistung->item(r, c)->setText(cells[r][c]);
    B_Leistung->setRowHidden(Circuit, !context_.hasCircuit());
    const QString name = context_.hasCircuit() ? context_.circuit->name : QString();
    B_Leistung->verticalHeaderItem(Circuit)->setToolTip(name);
    // As tall as its rows, so that the group takes no more room than it needs.
    int h = B_Leistung->horizontalHeader()->sizeHint().height() + 2 * B_Leistung->frameWidth();
    for (int r = 0; r < 4; ++r)
        if (!B_Leistung->isRowHidden(r))
            h += B_Leistung->rowHeight(r);
    B_Leistung->setFixedHeight(h);
    int w = B_Leistung->verticalHeader()->sizeHint().width() + 2 * B_Leistung->frameWidth();
    for (int c = 0; c < 3; ++c)
        w += B_Leistung->columnWidth(c);
    B_Leistung->setFixedWidth(w);
    emit shown();
}

} // namespace trovanta::ui
