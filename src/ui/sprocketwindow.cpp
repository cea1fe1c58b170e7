#include "ui/sprocketwindow.h"
#include "ui/theme.h"

#include "ui/placement.h"

#include "calc/numtext.h"
#include "calc/sprockets.h"
#include "files/settingsfile.h"
#include "ui/circuitrunner.h"
#include "ui/labels.h"
#include "ui/comparewindow.h"
#include "ui/platform.h"
#include "ui/registry.h"
#include "ui/tform1.h"
#include "ui/tform6.h"
#include "ui/sprocketmodel.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

namespace trovanta::ui {

namespace {

// The default ranges around the present tooth count; none for a count that
// does not convert.
std::pair<QString, QString> defaultRange(const QString &present, int spread)
{
    std::int32_t teeth = 0;
    if (!num::tryParseInteger(present.toStdString(), teeth))
        return {};
    return {QString::fromStdString(num::formatInt(std::int64_t(teeth) - spread)),
            QString::fromStdString(num::formatInt(std::int64_t(teeth) + spread))};
}

// A range that still holds the defaults of the present count before its
// change moves with it; one the rider set (or kept from the last session)
// stays.
void followPresent(QLineEdit *from, QLineEdit *to, const QString &before, const QString &now, int spread)
{
    const auto [a, b] = defaultRange(before, spread);
    if (from->text() != a || to->text() != b)
        return;
    const auto [c, d] = defaultRange(now, spread);
    from->setText(c);
    to->setText(d);
}

bool sameGearSet(const gearing::GearSet &a, const gearing::GearSet &b)
{
    auto tie = [](const gearing::GearSet &g) {
        return std::tie(g.rim, g.width, g.height, g.slip, g.circumferenceOverride, g.front, g.rear, g.primary,
                        g.gears, g.redZone, g.shiftMark);
    };
    return tie(a) == tie(b);
}

QString teethText(std::int32_t teeth) { return QString::fromStdString(num::formatInt(teeth)); }

constexpr int FrontSpread = 2;
constexpr int RearSpread = 6;

} // namespace

SprocketWindow::SprocketWindow(QWidget *parent)
    : AnalysisWindow(parent, "SprocketWindow", "pignons"), model_(new SprocketModel(this)),
      relistTimer_(new QTimer(this)), runner_(new CircuitRunner(this))
{
    keepWindowTitle(this, tx("trovanta::ui::SprocketWindow", "Pignons et chaîne"));
    Label48 = logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 0, 0);

    const QFontMetrics fm(font());
    // Wide enough for the longest sensible entry of its kind.
    auto edit = [&](const char *name, const QString &text, const char *widest) {
        QLineEdit *e = field(this, name, fm.horizontalAdvance(QString::fromLatin1(widest)) + 14, text);
        connect(e, &QLineEdit::textChanged, this, &SprocketWindow::scheduleRelist);
        return e;
    };
    auto group = [this](const char *name, const Source &title) { return groupBox(this, name, title); };
    auto form = [](QGroupBox *g) {
        auto *f = new QFormLayout(g);
        f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return f;
    };
    // A row's caption follows the language; the notes name its field by it.
    auto addRow = [](QFormLayout *f, const Source &caption, QLineEdit *e) {
        auto *l = new QLabel;
        keepText(l, caption);
        l->setBuddy(e);
        f->addRow(l, e);
    };

    auto *present = group("GroupBox_Actuel", tx("trovanta::ui::SprocketWindow", "Transmission actuelle"));
    S_Ritzel = edit("S_Ritzel", QString(), "0000");
    S_Kettenrad = edit("S_Kettenrad", QString(), "0000");
    S_Glieder = edit("S_Glieder", QString(), "0000,0");
    S_Gliedlaenge = edit("S_Gliedlaenge", QString(), "0000,0");
    S_Durchhang = edit("S_Durchhang", QString(), "0000,0");
    QFormLayout *presentRows = form(present);
    addRow(presentRows, tx("trovanta::ui::SprocketWindow", "Pignon"), S_Ritzel);
    addRow(presentRows, tx("trovanta::ui::SprocketWindow", "Couronne"), S_Kettenrad);
    addRow(presentRows, tx("trovanta::ui::SprocketWindow", "Chaîne (maillons)"), S_Glieder);
    addRow(presentRows, tx("trovanta::ui::SprocketWindow", "Longueur d'un maillon (cm)"), S_Gliedlaenge);
    addRow(presentRows, tx("trovanta::ui::SprocketWindow", "Flèche (maillons)"), S_Durchhang);

    auto *axle = group("GroupBox_Achse", tx("trovanta::ui::SprocketWindow", "Axe arrière"));
    S_Vorne = edit("S_Vorne", localDecimal("20"), "0000,0");
    S_Hinten = edit("S_Hinten", localDecimal("20"), "0000,0");
    QFormLayout *axleRows = form(axle);
    addRow(axleRows, tx("trovanta::ui::SprocketWindow", "Course restante vers l'avant (mm)"), S_Vorne);
    addRow(axleRows, tx("trovanta::ui::SprocketWindow", "Course restante vers l'arrière (mm)"), S_Hinten);

    auto *ranges = group("GroupBox_Bereich", tx("trovanta::ui::SprocketWindow", "Plages"));
    S_RitzelVon = edit("S_RitzelVon", QString(), "0000");
    S_RitzelBis = edit("S_RitzelBis", QString(), "0000");
    S_KettenradVon = edit("S_KettenradVon", QString(), "0000");
    S_KettenradBis = edit("S_KettenradBis", QString(), "0000");
    auto *rangeGrid = new QGridLayout(ranges);
    const std::tuple<Source, QLineEdit *, QLineEdit *> rangeRows[] = {
        {tx("trovanta::ui::SprocketWindow", "Pignon de"), S_RitzelVon, S_RitzelBis},
        {tx("trovanta::ui::SprocketWindow", "Couronne de"), S_KettenradVon, S_KettenradBis}};
    int gridRow = 0;
    for (const auto &[caption, from, to] : rangeRows) {
        auto *l = new QLabel(ranges);
        keepText(l, caption);
        l->setBuddy(from);
        rangeGrid->addWidget(l, gridRow, 0);
        rangeGrid->addWidget(from, gridRow, 1);
        auto *until = new QLabel(ranges);
        keepText(until, tx("trovanta::ui::SprocketWindow", "à"));
        rangeGrid->addWidget(until, gridRow, 2);
        rangeGrid->addWidget(to, gridRow, 3);
        ++gridRow;
    }
    rangeGrid->setColumnStretch(4, 1);

    auto *target = group("GroupBox_Ziel", tx("trovanta::ui::SprocketWindow", "Objectif"));
    S_Ziel = edit("S_Ziel", QString(), "-0000,00");
    keepTranslated(S_Ziel, [this] { S_Ziel->setPlaceholderText(tr("aucun")); });
    S_Toleranz = edit("S_Toleranz", localDecimal("2"), "-0000,00");
    QFormLayout *targetRows = form(target);
    addRow(targetRows, tx("trovanta::ui::SprocketWindow", "Écart du secondaire (%)"), S_Ziel);
    addRow(targetRows, tx("trovanta::ui::SprocketWindow", "Tolérance ± (%)"), S_Toleranz);

    S_Hinweis = noteLabel(this, "S_Hinweis");
    // A pasted text of any length quoted in the note must not widen the
    // window or push the list away: two lines at most, the rest clipped.
    S_Hinweis->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // One line or two, measured as the label lays them out.
    auto linesHigh = [this](const QString &lines) {
        return S_Hinweis->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), Qt::TextWordWrap, lines).height();
    };
    S_Hinweis->setMinimumHeight(linesHigh(QStringLiteral("Xg")));
    S_Hinweis->setMaximumHeight(linesHigh(QStringLiteral("Xg\nXg")));

    S_Tabelle = new QTableView(this);
    ui::keepLight(S_Tabelle);
    S_Tabelle->setObjectName(QStringLiteral("S_Tabelle"));
    S_Tabelle->setModel(model_);
    S_Tabelle->setItemDelegate(new CachedTextDelegate(S_Tabelle));
    S_Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    S_Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    S_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    S_Tabelle->setWordWrap(false);
    S_Tabelle->verticalHeader()->hide();
    S_Tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    S_Tabelle->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    QHeaderView *header = S_Tabelle->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // A third click on a header gives back the default order.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    S_Tabelle->setSortingEnabled(true);
    S_Tabelle->setMinimumHeight(8 * S_Tabelle->verticalHeader()->defaultSectionSize());

    S_Anzahl = new QLabel(this);
    S_Anzahl->setObjectName(QStringLiteral("S_Anzahl"));
    S_Legende = new QLabel(this);
    keepText(S_Legende, tx("trovanta::ui::SprocketWindow",
                           "Ligne surlignée : la transmission actuelle.\nUsure en gras : chaque maillon rencontre "
                           "toutes les dents des deux pignons (usure régulière)."));
    S_Legende->setObjectName(QStringLiteral("S_Legende"));
    S_Legende->setWordWrap(true);
    S_Legende->setContentsMargins(4, 8, 0, 0);

    S_Uebernehmen = button(this, "S_Uebernehmen", tx("trovanta::ui::SprocketWindow", "Appliquer"));
    keepToolTip(S_Uebernehmen, tx("trovanta::ui::SprocketWindow", "La paire choisie dans la fenêtre principale"));
    S_Vergleich = button(this, "S_Vergleich", tx("trovanta::ui::SprocketWindow", "Comparer"));
    keepToolTip(S_Vergleich, tx("trovanta::ui::SprocketWindow", "La paire choisie dans la fenêtre de comparaison"));
    S_Schliessen = button(this, "S_Schliessen", tx("trovanta::ui::SprocketWindow", "Fermer"));
    const int tableWidth = sizeColumns();

    // Layout: the inputs in a row of groups, the note, the list, the buttons.
    auto *inputs = new QGridLayout;
    inputs->addWidget(present, 0, 0, 2, 1);
    inputs->addWidget(axle, 0, 1);
    inputs->addWidget(target, 1, 1);
    inputs->addWidget(ranges, 0, 2);
    inputs->addWidget(S_Legende, 1, 2, 1, 2, Qt::AlignTop);
    inputs->setColumnStretch(3, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(S_Anzahl);
    bottom->addStretch(1);
    bottom->addWidget(S_Uebernehmen);
    bottom->addWidget(S_Vergleich);
    bottom->addSpacing(12);
    bottom->addWidget(S_Schliessen);
    auto *all = new QVBoxLayout(this);
    all->addWidget(Label48);
    all->addLayout(inputs);
    all->addWidget(S_Hinweis);
    all->addWidget(S_Tabelle, 1);
    all->addLayout(bottom);

    relistTimer_->setSingleShot(true);
    relistTimer_->setInterval(0);
    connect(relistTimer_, &QTimer::timeout, this, &SprocketWindow::relist);
    connect(S_Ritzel, &QLineEdit::textChanged, this, &SprocketWindow::presentFrontChanged);
    connect(S_Kettenrad, &QLineEdit::textChanged, this, &SprocketWindow::presentRearChanged);
    connect(S_Tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SprocketWindow::selectionChanged);
    connect(S_Tabelle, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { requestApply(i.row()); });
    connect(S_Uebernehmen, &QPushButton::clicked, this, [this] {
        if (const auto row = selectedRow())
            requestApply(*row);
    });
    connect(S_Vergleich, &QPushButton::clicked, this, &SprocketWindow::requestCompare);
    connect(S_Schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(runner_, &CircuitRunner::lapsReady, this, &SprocketWindow::circuitLapsReady);
    connect(runner_, &CircuitRunner::finished, this, &SprocketWindow::circuitFinished);
    selectionChanged();

    const QSize hint = sizeHint();
    const QMargins m = all->contentsMargins();
    resize(std::max(hint.width(), tableWidth + m.left() + m.right()), std::max(hint.height(), 560));
    restoreSettings();
}

int SprocketWindow::columnWidth(int column) const
{
    // Fixed widths from the captions and the widest cells: measuring 3200
    // rows at every change would cost more than listing them.
    static const char *const widest[sprockets::ColumnCount] = {"000", "000", "00,000", "+000,00", "000", "+000",
                                                               "",     "000", "+000",   "000/000", "000/000"};
    const QFontMetrics fm(font());
    int cell = 0;
    if (column == sprockets::Fits)
        cell = std::max(fm.horizontalAdvance(SprocketModel::fitsText(true)),
                        fm.horizontalAdvance(SprocketModel::fitsText(false)));
    else if (column < sprockets::ColumnCount)
        cell = fm.horizontalAdvance(QString::fromLatin1(widest[column]));
    else if (column == SprocketModel::CircuitLongest)
        cell = fm.horizontalAdvance(tr("%1e · limiteur %2 m").arg(6).arg(QStringLiteral("0000")));
    else
        cell = fm.horizontalAdvance(QStringLiteral("+000,00"));
    const QString caption = model_->headerData(column, Qt::Horizontal).toString();
    return std::max(fm.horizontalAdvance(caption) + 28, cell + 16);
}

int SprocketWindow::sizeColumns()
{
    QHeaderView *header = S_Tabelle->horizontalHeader();
    int tableWidth = 2 * S_Tabelle->frameWidth() + S_Tabelle->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < model_->columnCount(); ++c) {
        const int width = columnWidth(c);
        header->resizeSection(c, width);
        tableWidth += width;
    }
    const QFontMetrics fm(font());
    S_Anzahl->setMinimumWidth(
        fm.horizontalAdvance(tr("%1 · circuit %2/%3").arg(tr("%1 paires").arg(3200)).arg(3200).arg(3200)));
    return tableWidth;
}

void SprocketWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        const int tableWidth = sizeColumns();
        const QMargins m = layout()->contentsMargins();
        if (tableWidth + m.left() + m.right() > width())
            resize(tableWidth + m.left() + m.right(), height());
        // The note, the count and the circuit's cells in the new language.
        relist();
    }
    AnalysisWindow::changeEvent(e);
}

void SprocketWindow::readSettings(const files::SettingsReader &ini)
{
    const QString axle = QStringLiteral("Achse"), range = QStringLiteral("Bereich"), aim = QStringLiteral("Ziel");
    const std::tuple<const QString &, const char *, QLineEdit *> entries[] = {
        {axle, "Vorne", S_Vorne},
        {axle, "Hinten", S_Hinten},
        {range, "RitzelVon", S_RitzelVon},
        {range, "RitzelBis", S_RitzelBis},
        {range, "KettenradVon", S_KettenradVon},
        {range, "KettenradBis", S_KettenradBis},
        {aim, "Prozent", S_Ziel},
        {aim, "Toleranz", S_Toleranz},
    };
    for (const auto &[section, key, e] : entries)
        e->setText(ini.readString(section, QString::fromLatin1(key), e->text()));
}

void SprocketWindow::writeSettings(files::SettingsWriter &ini) const
{
    const QString axle = QStringLiteral("Achse"), range = QStringLiteral("Bereich"), aim = QStringLiteral("Ziel");
    ini.writeString(axle, QStringLiteral("Vorne"), S_Vorne->text());
    ini.writeString(axle, QStringLiteral("Hinten"), S_Hinten->text());
    // A range that still holds the defaults of the present pair is stored
    // empty: read back, it follows the pair of that session's start.
    auto storeRange = [&](const char *fromKey, const char *toKey, const QLineEdit *present, const QLineEdit *from,
                          const QLineEdit *to, int spread) {
        const auto [a, b] = defaultRange(present->text(), spread);
        const bool follows = from->text() == a && to->text() == b;
        ini.writeString(range, QString::fromLatin1(fromKey), follows ? QString() : from->text());
        ini.writeString(range, QString::fromLatin1(toKey), follows ? QString() : to->text());
    };
    storeRange("RitzelVon", "RitzelBis", S_Ritzel, S_RitzelVon, S_RitzelBis, FrontSpread);
    storeRange("KettenradVon", "KettenradBis", S_Kettenrad, S_KettenradVon, S_KettenradBis, RearSpread);
    ini.writeString(aim, QStringLiteral("Prozent"), S_Ziel->text());
    ini.writeString(aim, QStringLiteral("Toleranz"), S_Toleranz->text());
}

void SprocketWindow::mainRunChanged(const MainRun &run)
{
    const QString front = teethText(run.set.front), rear = teethText(run.set.rear);
    const bool sameSet = gearSet_ && sameGearSet(*gearSet_, run.set);
    gearSet_ = run.set;
    runFront_ = front;
    runRear_ = rear;
    if (isVisible()) {
        S_Ritzel->setText(front);
        S_Kettenrad->setText(rear);
    }
    // A run that changed only the operating point leaves the list as it is.
    if (!sameSet)
        scheduleRelist();
}

void SprocketWindow::setPresentChain(const PresentChain &chain)
{
    if (!isVisible())
        return; // taken when the window is next shown
    S_Glieder->setText(chain.links);
    S_Gliedlaenge->setText(chain.linkLength);
    S_Durchhang->setText(chain.sag);
}

void SprocketWindow::takePresentValues()
{
    if (gearSet_) {
        S_Ritzel->setText(runFront_);
        S_Kettenrad->setText(runRear_);
    }
    if (chainSource_)
        if (const std::optional<PresentChain> chain = chainSource_()) {
            S_Glieder->setText(chain->links);
            S_Gliedlaenge->setText(chain->linkLength);
            S_Durchhang->setText(chain->sag);
        }
}

void SprocketWindow::showEvent(QShowEvent *e)
{
    if (!e->spontaneous()) {
        if (!placed_ && parentWidget()) {
            placed_ = true;
            ui::centreOn(this, parentWidget()->frameGeometry());
        }
        takePresentValues();
        scheduleRelist();
    }
    AnalysisWindow::showEvent(e);
}

void SprocketWindow::presentFrontChanged(const QString &text)
{
    followPresent(S_RitzelVon, S_RitzelBis, front_, text, FrontSpread);
    front_ = text;
}

void SprocketWindow::presentRearChanged(const QString &text)
{
    followPresent(S_KettenradVon, S_KettenradBis, rear_, text, RearSpread);
    rear_ = text;
}

void SprocketWindow::scheduleRelist() { relistTimer_->start(); }

void SprocketWindow::relist()
{
    relistTimer_->stop();
    if (!isVisible())
        return; // shown again, it lists anew

    std::optional<std::pair<std::int32_t, std::int32_t>> selected;
    if (const auto row = selectedRow())
        selected = std::pair(model_->rowAt(*row).front, model_->rowAt(*row).rear);

    auto nothing = [this](const QString &note) {
        S_Hinweis->setText(note);
        S_Hinweis->setToolTip(note);
        runner_->stop();
        model_->setCircuitShown(false, false);
        model_->setRows({});
        S_Anzahl->clear();
        selectionChanged();
    };
    // Before the main window's first good run there is no present pair yet:
    // a note on what to do, not a field error on what nobody typed.
    if (!gearSet_ && S_Ritzel->text().isEmpty() && S_Kettenrad->text().isEmpty()) {
        markField(S_Ritzel, false);
        markField(S_Kettenrad, false);
        return nothing(tr("La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer » "
                          "ou tapez le pignon et la couronne actuels."));
    }

    const char sep = decimalSeparator();
    FieldReader read(sep);
    const auto front = read.integer(S_Ritzel), rear = read.integer(S_Kettenrad), links = read.integer(S_Glieder);
    const auto linkLength = read.decimal(S_Gliedlaenge), sag = read.decimal(S_Durchhang, Need::Positive);
    const auto forward = read.decimal(S_Vorne, Need::NotNegative), backward = read.decimal(S_Hinten, Need::NotNegative);
    const auto frontFrom = read.integer(S_RitzelVon), frontTo = read.integer(S_RitzelBis);
    const auto rearFrom = read.integer(S_KettenradVon), rearTo = read.integer(S_KettenradBis);
    const auto change = read.optionalDecimal(S_Ziel), tolerance = read.decimal(S_Toleranz);

    if (!read.ok())
        return nothing(read.message());
    // No chain yet, as on first use before the chain calculator got one:
    // say which field it is and where its value comes from.
    if (*links == 0) {
        markField(S_Glieder, true);
        return nothing(tr("Chaîne (maillons) : Une valeur nulle n'est pas possible ici. La chaîne actuelle vient "
                          "de Catenolix (menu Outils) ou peut être tapée ici."));
    }

    sprockets::Input in;
    in.front = *front;
    in.rear = *rear;
    in.links = *links;
    in.linkLength = *linkLength;
    in.sag = *sag;
    in.travelForward = *forward;
    in.travelBackward = *backward;
    in.fronts = {*frontFrom, *frontTo};
    in.rears = {*rearFrom, *rearTo};
    if (change)
        in.target = sprockets::Target{*change, *tolerance};
    if (gearSet_)
        in.gearSet = *gearSet_;
    sprockets::Listing listing = sprockets::list(in, sep);
    if (listing.error) {
        switch (*listing.error) {
        case sprockets::Refusal::ZeroValue:
            return nothing(tr("Une valeur nulle n'est pas possible ici."));
        case sprockets::Refusal::NegativeValue:
            return nothing(tr("Une valeur négative n'est pas possible ici."));
        case sprockets::Refusal::TooManyPairs:
            return nothing(tr("Plage trop grande : %1 paires au plus.").arg(sprockets::MaxPairs));
        }
    }

    // Without a good run of the main window there is no gear set to take
    // Vmax from.
    if (!gearSet_)
        for (sprockets::Row &r : listing.rows) {
            r.cells[sprockets::Vmax6].text = num::NoValue;
            r.cells[sprockets::Vmax6].key.reset();
        }
    const auto count = static_cast<int>(listing.rows.size());
    S_Hinweis->clear();
    S_Hinweis->setToolTip(QString());
    model_->setRows(std::move(listing.rows));
    pairsText_ = count == 0 ? tr("Aucune paire") : count == 1 ? tr("1 paire") : tr("%1 paires").arg(count);
    S_Anzahl->setText(pairsText_);
    startCircuit(in);

    // The rider's choice stays chosen while it is listed, on whatever row
    // it now stands.
    if (selected) {
        if (const int row = model_->rowOf(selected->first, selected->second); row >= 0)
            S_Tabelle->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                         QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        else
            S_Tabelle->selectionModel()->clear();
    }
    selectionChanged();
}

std::optional<int> SprocketWindow::selectedRow() const
{
    const QModelIndexList rows = S_Tabelle->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.front().row();
}

void SprocketWindow::selectionChanged()
{
    const bool chosen = selectedRow().has_value();
    S_Uebernehmen->setEnabled(chosen);
    S_Vergleich->setEnabled(chosen);
}

void SprocketWindow::requestApply(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const sprockets::Row &r = model_->rowAt(row);
    emit applyRequested(teethText(r.front), teethText(r.rear));
}

void SprocketWindow::requestCompare()
{
    if (const auto row = selectedRow()) {
        const sprockets::Row &r = model_->rowAt(*row);
        emit compareRequested(teethText(r.front), teethText(r.rear));
    }
}

void SprocketWindow::setTargetChange(double percent)
{
    S_Ziel->setText(QString::fromStdString(num::formatF2(percent, decimalSeparator())));
}

// ---- The present circuit ------------------------------------------------------

void SprocketWindow::setPerformanceContext(const PerformanceContext &context)
{
    context_ = context;
    scheduleRelist();
}

void SprocketWindow::startCircuit(const sprockets::Input &in)
{
    runner_->stop();
    run_ = CircuitRun{};
    std::shared_ptr<const perf::Model> base;
    if (context_.hasCircuit() && context_.input) {
        auto m = std::make_shared<const perf::Model>(*inputWith(context_, gearSet_ ? *gearSet_ : context_.input->gearSet));
        if (m->complete())
            base = std::move(m);
    }
    const bool wasShown = model_->circuitShown();
    model_->setCircuitShown(base != nullptr, !in.target);
    if (!base)
        return;
    if (!wasShown) {
        // Room for the three columns.
        QHeaderView *header = S_Tabelle->horizontalHeader();
        int added = 0;
        for (int c = SprocketModel::CircuitTime; c < model_->columnCount(); ++c) {
            const int width = columnWidth(c);
            header->resizeSection(c, width);
            added += width;
        }
        resize(width() + added, height());
    }

    run_.front = in.front;
    run_.rear = in.rear;
    run_.frontMin = std::min(in.fronts.from, in.fronts.to);
    run_.frontMax = std::max(in.fronts.from, in.fronts.to);
    run_.rearMin = std::min(in.rears.from, in.rears.to);
    run_.rearMax = std::max(in.rears.from, in.rears.to);
    run_.nTop = base->nTop().value_or(0);
    // The present pair first: every other pair's change is against it.
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs{{in.front, in.rear}};
    for (int r = 0; r < model_->rowCount(); ++r) {
        const sprockets::Row &row = model_->rowAt(r);
        if (row.front != in.front || row.rear != in.rear)
            pairs.emplace_back(row.front, row.rear);
    }
    S_Anzahl->setText(tr("%1 · circuit %2/%3").arg(pairsText_).arg(0).arg(pairs.size()));
    runner_->start(std::move(base), context_.circuit->track, std::move(pairs));
}

void SprocketWindow::circuitLapsReady(const std::vector<PairLap> &laps, int done, int total)
{
    const char sep = decimalSeparator();
    std::vector<std::pair<std::uint64_t, SprocketModel::CircuitCells>> cells;
    cells.reserve(laps.size());
    for (const PairLap &l : laps) {
        if (l.front == run_.front && l.rear == run_.rear)
            run_.presentSum = l.sum;
        SprocketModel::CircuitCells c;
        for (sprockets::Cell &cell : c)
            cell.text = num::NoValue;
        if (l.sum) {
            c[0] = {num::formatF2(*l.sum, sep), *l.sum};
            if (run_.presentSum) {
                const double gap = *l.sum - *run_.presentSum;
                c[1] = {num::formatSignedF2(gap, sep), gap};
            }
            const bool inRanges = l.front >= run_.frontMin && l.front <= run_.frontMax && l.rear >= run_.rearMin &&
                                  l.rear <= run_.rearMax;
            const auto key = std::pair(*l.sum, std::pair(l.front, l.rear));
            if (inRanges && (!run_.fastest || key < *run_.fastest))
                run_.fastest = key;
        }
        if (l.longestOk) {
            // Sorted by how near the limiter the straight ends; on it, by how long.
            if (l.limiterMetres)
                c[2] = {tr("%1e · limiteur %2 m").arg(l.longestGear).arg(wholeText(*l.limiterMetres)).toStdString(),
                        run_.nTop + *l.limiterMetres};
            else
                c[2] = {tr("%1e · %2").arg(l.longestGear).arg(wholeText(l.longestRpm)).toStdString(), l.longestRpm};
        }
        cells.emplace_back(SprocketModel::pairKey(l.front, l.rear), std::move(c));
    }
    model_->addCircuitCells(cells, done < total);
    if (done < total)
        S_Anzahl->setText(tr("%1 · circuit %2/%3").arg(pairsText_).arg(done).arg(total));
}

void SprocketWindow::circuitFinished()
{
    S_Anzahl->setText(pairsText_);
    if (!run_.fastest || !S_Hinweis->text().isEmpty())
        return;
    const auto [front, rear] = run_.fastest->second;
    if (front == run_.frontMin || front == run_.frontMax || rear == run_.rearMin || rear == run_.rearMax) {
        const QString note = tr("Circuit : optimum en limite de plage (%1/%2), élargissez les plages.")
                                 .arg(front)
                                 .arg(rear);
        S_Hinweis->setText(note);
        S_Hinweis->setToolTip(note);
    }
}

AnalysisWindow *createSprocketWindow(TForm1 *main)
{
    auto *w = new SprocketWindow(main);
    w->setChainSource([]() -> std::optional<PresentChain> {
        if (const TForm6 *chain = forms().Form6)
            return chain->presentChain();
        return std::nullopt;
    });
    if (TForm6 *chain = forms().Form6)
        QObject::connect(chain, &TForm6::presentChainChanged, w, &SprocketWindow::setPresentChain);
    if (main)
        QObject::connect(w, &SprocketWindow::applyRequested, main, &TForm1::setSprockets);
    QObject::connect(w, &SprocketWindow::compareRequested, w, [](const QString &front, const QString &rear) {
        if (auto *c = qobject_cast<CompareWindow *>(openAnalysis(QStringLiteral("CompareWindow"))))
            c->setVariantSprockets(front, rear);
    });
    return w;
}

} // namespace trovanta::ui
