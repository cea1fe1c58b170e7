#include "ui/performancewindow.h"
#include "ui/units.h"

#include "calc/error.h"
#include "calc/messages.h"
#include "calc/numtext.h"
#include "files/settingsfile.h"
#include "print/gearcolours.h"
#include "print/messages.h"
#include "print/printercanvas.h"
#include "ui/circuittab.h"
#include "ui/dynoreading.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/performancediagrams.h"
#include "ui/platform.h"
#include "ui/registry.h"
#include "ui/sprocketwindow.h"
#include "ui/tform1.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace trovanta::ui {

namespace {

constexpr int FieldWidth = 64;
const QColor BadRow(255, 205, 205);
const QColor NoteRed(176, 0, 0);

QString intText(std::int64_t v) { return QString::fromStdString(num::formatInt(v)); }
// A value the number text cannot write (beyond its range, not finite: what
// absurd inputs may give) shows as no value rather than failing the update.
template <class Text> QString orDash(Text text)
{
    try {
        return text();
    } catch (const Error &) {
        return noValueText();
    }
}
QString f2Text(double v)
{
    return orDash([v] { return QString::fromStdString(num::formatF2(v, decimalSeparator())); });
}
QString whole(double v)
{
    return orDash([v] { return wholeText(v); });
}

// A message of calc/ or files/ as the note shows it: in the present
// language, with its full stop.
QString shownFailure(const std::string &message)
{
    return QString::fromStdString(withFullStop(shownMessage(message).toStdString()));
}

// "0 à 100 km/h", or in mph "0 à 62 mph": the same mark in the chosen unit.
QString standingStartCaption(int kmh)
{
    return QCoreApplication::translate("trovanta::ui::PerformanceWindow", "0 à %1").arg(speedWithUnit(kmh));
}

std::optional<double> rpmOf(const QString &text)
{
    std::int32_t v = 0;
    if (num::tryParseInteger(text.toStdString(), v))
        return v;
    return std::nullopt;
}

std::optional<double> decimalOf(const QString &text)
{
    double v = 0;
    if (num::tryParseDecimal(text.toStdString(), decimalSeparator(), v))
        return v;
    return std::nullopt;
}

// Seconds to the hundredth from whole hundredths: no rounding of a double.
QString hundredthsText(std::int64_t h)
{
    return intText(h / 100) + QLatin1Char(decimalSeparator()) + QStringLiteral("%1").arg(h % 100, 2, 10, QLatin1Char('0'));
}

// The bike's fields in the order of the window and of the settings file.
struct BikeField {
    QLineEdit *PerformanceWindow::*edit;
    const char *name, *key, *value; // objectName, settings key, default (with a comma)
    perf::Field field;
    std::optional<double> perf::Bike::*member;
};
constexpr BikeField BikeFields[] = {
    {&PerformanceWindow::P_Masse, "P_Masse", "Masse", "270", perf::Field::Mass, &perf::Bike::mass},
    {&PerformanceWindow::P_CdA, "P_CdA", "CdA", "0,35", perf::Field::DragArea, &perf::Bike::dragArea},
    {&PerformanceWindow::P_Crr, "P_Crr", "Crr", "0,015", perf::Field::Rolling, &perf::Bike::rolling},
    {&PerformanceWindow::P_Rendement, "P_Rendement", "Rendement", "90", perf::Field::Efficiency,
     &perf::Bike::efficiency},
    {&PerformanceWindow::P_Rotation, "P_Rotation", "Rotation", "5", perf::Field::Rotating, &perf::Bike::rotating},
    {&PerformanceWindow::P_Traction, "P_Traction", "Traktion", "1,0", perf::Field::Traction, &perf::Bike::traction},
    {&PerformanceWindow::P_Schaltzeit, "P_Schaltzeit", "Schaltzeit", "0,10", perf::Field::ShiftTime,
     &perf::Bike::shiftTime},
    {&PerformanceWindow::P_Anfahr, "P_Anfahr", "Anfahr", "8000", perf::Field::Launch, &perf::Bike::launchRpm},
    {&PerformanceWindow::P_Temperatur, "P_Temperatur", "Temperatur", "20", perf::Field::Temperature,
     &perf::Bike::temperature},
    {&PerformanceWindow::P_Druck, "P_Druck", "Druck", "1013", perf::Field::Pressure, &perf::Bike::pressure},
};

// A table exactly as tall as its rows: no scrolling.
class ShiftTable : public QTableWidget {
public:
    ShiftTable() : QTableWidget(6, 6) {}
    QSize sizeHint() const override
    {
        return {QTableWidget::sizeHint().width(),
                horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override { return {QTableWidget::minimumSizeHint().width(), sizeHint().height()}; }
};

} // namespace

// ---- The curve table -----------------------------------------------------------

CurveModel::CurveModel(QObject *parent) : QAbstractTableModel(parent)
{
    // The torque is kept in Nm and shown, with the power, in the chosen units.
    connect(&unitsHub(), &UnitsHub::changed, this, [this] {
        if (!rows_.empty())
            emit dataChanged(index(0, 1), index(int(rows_.size()) - 1, 2));
        emit headerDataChanged(Qt::Horizontal, 1, 2);
    });
    connect(&languageHub(), &LanguageHub::changed, this, [this] { emit headerDataChanged(Qt::Horizontal, 0, 2); });
}

int CurveModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const int n = int(rows_.size());
    return n < MaxPoints ? n + 1 : n;
}

int CurveModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 3; }

QVariant CurveModel::data(const QModelIndex &index, int role) const
{
    const int r = index.row();
    const bool point = r >= 0 && r < int(rows_.size());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (!point)
            return QString();
        const Row &row = rows_[std::size_t(r)];
        if (index.column() == 0)
            return row.rpm;
        if (index.column() == 1)
            return shownText(Quantity::Torque, row.torque);
        const auto n = rpmOf(row.rpm), t = decimalOf(row.torque);
        if (!n || !t)
            return QString();
        return orDash([&] {
            return QString::fromStdString(num::formatFixed(shownValue(Quantity::Power, perf::enginePowerKw(*n, *t)), 1,
                                                           decimalSeparator()));
        });
    }
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (point && r == bad_)
            return BadRow;
        if (index.column() == 2)
            return QColor(240, 240, 240);
        break;
    default:
        break;
    }
    return {};
}

QVariant CurveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < int(rows_.size()) ? QVariant(section + 1) : QVariant(QStringLiteral("*"));
    switch (section) {
    case 0:
        return tr("tr/min");
    case 1:
        return inUnits(tr("Couple (Nm)"));
    default:
        return inUnits(tr("Puissance (kW)"));
    }
}

Qt::ItemFlags CurveModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 2)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CurveModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() > 1)
        return false;
    QString text = value.toString().trimmed();
    if (index.column() == 1)
        text = storedText(Quantity::Torque, text);
    const int r = index.row();
    const int n = int(rows_.size());
    if (r == n) {
        // The empty last row: typing in it adds a point.
        if (text.isEmpty() || n >= MaxPoints)
            return false;
        Row row;
        (index.column() == 0 ? row.rpm : row.torque) = text;
        if (n + 1 < MaxPoints) {
            beginInsertRows(QModelIndex(), n + 1, n + 1);
            rows_.push_back(row);
            endInsertRows();
        } else {
            rows_.push_back(row);
        }
        emit dataChanged(this->index(n, 0), this->index(n, 2));
        emit headerDataChanged(Qt::Vertical, n, n);
    } else {
        Row &row = rows_[std::size_t(r)];
        QString &cell = index.column() == 0 ? row.rpm : row.torque;
        if (cell == text)
            return true;
        cell = text;
        if (row.rpm.isEmpty() && row.torque.isEmpty()) {
            // Both cells emptied: the point is gone.
            beginResetModel();
            rows_.erase(rows_.begin() + r);
            endResetModel();
            emit curveEdited();
            return true;
        }
        emit dataChanged(this->index(r, 0), this->index(r, 2));
    }
    sort();
    emit curveEdited();
    return true;
}

void CurveModel::sort()
{
    const int n = int(rows_.size());
    std::vector<int> order(std::size_t(n), 0);
    std::iota(order.begin(), order.end(), 0);
    auto key = [this](int i) {
        const auto v = rpmOf(rows_[std::size_t(i)].rpm);
        return v ? *v : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    if (std::is_sorted(order.begin(), order.end()))
        return;
    emit layoutAboutToBeChanged();
    std::vector<int> newRow(std::size_t(n), 0);
    std::vector<Row> sorted;
    sorted.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        newRow[std::size_t(order[std::size_t(i)])] = i;
        sorted.push_back(rows_[std::size_t(order[std::size_t(i)])]);
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex &i : from)
        to << (i.row() < n ? index(newRow[std::size_t(i.row())], i.column()) : i);
    rows_ = std::move(sorted);
    changePersistentIndexList(from, to);
    emit layoutChanged();
}

void CurveModel::setRows(std::vector<Row> rows)
{
    if (rows.size() > std::size_t(MaxPoints))
        rows.resize(std::size_t(MaxPoints));
    beginResetModel();
    rows_ = std::move(rows);
    bad_ = -1;
    endResetModel();
    sort();
    emit curveEdited();
}

void CurveModel::removeRowsAt(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= int(rows_.size()); }),
               rows.end());
    if (rows.empty())
        return;
    beginResetModel();
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        rows_.erase(rows_.begin() + *r);
    bad_ = -1;
    endResetModel();
    emit curveEdited();
}

std::vector<perf::CurveRow> CurveModel::curve() const
{
    std::vector<perf::CurveRow> out;
    out.reserve(rows_.size());
    for (const Row &r : rows_)
        out.push_back({rpmOf(r.rpm), decimalOf(r.torque)});
    return out;
}

void CurveModel::setBadRow(int row)
{
    if (row == bad_)
        return;
    const int old = bad_;
    bad_ = row;
    for (int r : {old, row})
        if (r >= 0 && r < int(rows_.size()))
            emit dataChanged(index(r, 0), index(r, 2), {Qt::BackgroundRole});
}

// ---- The window ------------------------------------------------------------------

PerformanceWindow::PerformanceWindow(QWidget *parent) : AnalysisWindow(parent, "PerformanceWindow", "performances")
{
    keepWindowTitle(this, tx("trovanta::ui::PerformanceWindow", "Performances"));
    curve_ = new CurveModel(this);
    reading_ = new DynoReading(this);
    buildWindow();

    for (const BikeField &f : BikeFields)
        connect(this->*f.edit, &QLineEdit::textChanged, this, &PerformanceWindow::recompute);
    connect(P_AmRad, &QCheckBox::toggled, this, [this](bool atWheel) {
        P_Rendement->setEnabled(!atWheel);
        recompute();
    });
    connect(curve_, &CurveModel::curveEdited, this, &PerformanceWindow::curveChanged);
    connect(P_Oeffnen, &QPushButton::clicked, this, &PerformanceWindow::P_OeffnenClick);
    connect(P_Beispiel, &QPushButton::clicked, this, &PerformanceWindow::P_BeispielClick);
    connect(P_PunktLoeschen, &QPushButton::clicked, this, &PerformanceWindow::P_PunktLoeschenClick);
    connect(P_Pignons, &QPushButton::clicked, this, &PerformanceWindow::P_PignonsClick);
    connect(P_Drucken, &QPushButton::clicked, this, &PerformanceWindow::P_DruckenClick);
    connect(reading_, &DynoReading::finished, this, &PerformanceWindow::fileFinished);

    // A first start: the example curve, and a note that it is one.
    quiet_ = true;
    P_BeispielClick();
    restoreSettings();
    quiet_ = false;
    recompute();
    // Results, tables and diagrams are made anew in the chosen units.
    connect(&unitsHub(), &UnitsHub::changed, this, &PerformanceWindow::recompute);
}

PerformanceWindow::~PerformanceWindow()
{
    // A reading still running is cancelled and its thread joined.
    delete reading_;
    reading_ = nullptr;
}

void PerformanceWindow::buildWindow()
{
    auto *top = new QVBoxLayout(this);
    auto *head = new QHBoxLayout;
    Label_Logo = logoLabel(this, "Label_Logo", QStringLiteral("TROVANTA"), 0, 0);
    head->addWidget(Label_Logo);
    head->addStretch(1);
    top->addLayout(head);

    auto *upper = new QHBoxLayout;
    upper->addWidget(buildCurve(), 0);
    upper->addWidget(buildBike(), 0);
    upper->addWidget(buildResults(), 1);
    top->addLayout(upper);

    P_Tabs = new QTabWidget;
    P_Tabs->setObjectName(QStringLiteral("P_Tabs"));
    P_Kraft = new PerformanceDiagram("P_Kraft");
    P_Motor = new PerformanceDiagram("P_Motor");
    P_Lauf = new PerformanceDiagram("P_Lauf");
    // Made with its parent so that it measures its columns in the window's font.
    P_CircuitTab = new CircuitTab(this);
    P_CircuitTab->setObjectName(QStringLiteral("P_CircuitTab"));
    for (QWidget *page : {static_cast<QWidget *>(P_Kraft), static_cast<QWidget *>(P_Motor),
                          static_cast<QWidget *>(P_Lauf), static_cast<QWidget *>(P_CircuitTab)})
        P_Tabs->addTab(page, QString());
    keepTranslated(P_Tabs, [this] {
        const QString names[] = {tr("Force à la roue"), tr("Couple et puissance"), tr("Départ arrêté"), tr("Circuit")};
        for (int i = 0; i < int(std::size(names)); ++i)
            P_Tabs->setTabText(i, names[i]);
    });
    top->addWidget(P_Tabs, 1);

    P_Hinweis = wrappedNote(this, "P_Hinweis");
    top->addWidget(P_Hinweis);
    auto *foot = new QHBoxLayout;
    P_Pignons = button(this, "P_Pignons", tx("trovanta::ui::PerformanceWindow", "Chercher les pignons"));
    keepToolTip(P_Pignons, tx("trovanta::ui::PerformanceWindow", "Ouvre « Pignons et chaîne » avec l'écart du "
                                                                  "secondaire pour la vitesse maxi comme cible"));
    P_Drucken = button(this, "P_Drucken", tx("trovanta::ui::PerformanceWindow", "Imprimer"));
    foot->addWidget(P_Pignons);
    foot->addStretch(1);
    foot->addWidget(P_Drucken);
    top->addLayout(foot);
    fitButtons();
}

void PerformanceWindow::fitButtons()
{
    // The style's own margin leaves a caption touching its button's edge.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
}

QWidget *PerformanceWindow::buildCurve()
{
    QGroupBox *box = groupBox(nullptr, "P_KurveGruppe", tx("trovanta::ui::PerformanceWindow", "Courbe du moteur"));
    auto *v = new QVBoxLayout(box);
    P_Kurve = new QTableView;
    P_Kurve->setObjectName(QStringLiteral("P_Kurve"));
    P_Kurve->setModel(curve_);
    P_Kurve->setSelectionBehavior(QAbstractItemView::SelectRows);
    P_Kurve->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    P_Kurve->verticalHeader()->setDefaultSectionSize(20);
    P_Kurve->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    P_Kurve->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    P_Kurve->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    P_Kurve->setMinimumWidth(330);
    keepToolTip(P_Kurve, tx("trovanta::ui::PerformanceWindow",
                            "Tapez un point dans la dernière ligne ; les points se rangent par régime. "
                            "Au-dessus du dernier point et de la zone rouge, le limiteur coupe."));
    v->addWidget(P_Kurve, 1);

    auto *buttons = new QHBoxLayout;
    P_Oeffnen = button(nullptr, "P_Oeffnen", tx("trovanta::ui::PerformanceWindow", "Ouvrir…"));
    keepToolTip(P_Oeffnen, tx("trovanta::ui::PerformanceWindow",
                              "Lit l'export CSV d'un banc de puissance (régime et couple, ou puissance)"));
    P_Beispiel = button(nullptr, "P_Beispiel", tx("trovanta::ui::PerformanceWindow", "Exemple"));
    keepToolTip(P_Beispiel, tx("trovanta::ui::PerformanceWindow", "La courbe d'un 1000 cm³ de 169 ch à 11 000 tr/min"));
    P_PunktLoeschen = button(nullptr, "P_PunktLoeschen", tx("trovanta::ui::PerformanceWindow", "Supprimer le point"));
    buttons->addWidget(P_Oeffnen);
    buttons->addWidget(P_Beispiel);
    buttons->addWidget(P_PunktLoeschen);
    v->addLayout(buttons);

    P_AmRad = new QCheckBox;
    P_AmRad->setObjectName(QStringLiteral("P_AmRad"));
    keepText(P_AmRad, tx("trovanta::ui::PerformanceWindow", "Courbe mesurée à la roue"));
    keepToolTip(P_AmRad, tx("trovanta::ui::PerformanceWindow",
                            "Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe "
                            "(rendement 100 %)"));
    v->addWidget(P_AmRad);
    P_Kurvenhinweis = wrappedNote(nullptr, "P_Kurvenhinweis");
    P_Kurvenhinweis->setMinimumWidth(330);
    v->addWidget(P_Kurvenhinweis);
    return box;
}

QWidget *PerformanceWindow::buildBike()
{
    QGroupBox *box = groupBox(nullptr, "P_FahrzeugGruppe", tx("trovanta::ui::PerformanceWindow", "La moto"));
    auto *v = new QVBoxLayout(box);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    FieldRows rows(grid, true);
    const Source captions[] = {
        tx("trovanta::ui::PerformanceWindow", "Masse avec pilote (kg)"),
        tx("trovanta::ui::PerformanceWindow", "Traînée S·Cx (m²)"),
        tx("trovanta::ui::PerformanceWindow", "Résistance au roulement"),
        tx("trovanta::ui::PerformanceWindow", "Rendement de la transmission (%)"),
        tx("trovanta::ui::PerformanceWindow", "Masses en rotation (%)"),
        tx("trovanta::ui::PerformanceWindow", "Accélération maxi (g)"),
        tx("trovanta::ui::PerformanceWindow", "Durée d'un passage (s)"),
        tx("trovanta::ui::PerformanceWindow", "Régime au départ (tr/min)"),
        tx("trovanta::ui::PerformanceWindow", "Température de l'air (°C)"),
        tx("trovanta::ui::PerformanceWindow", "Pression de l'air (hPa)")};
    const Source tips[] = {
        tx("trovanta::ui::PerformanceWindow", "La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg."),
        tx("trovanta::ui::PerformanceWindow",
           "Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; "
           "routière, pilote droit : 0,5 à 0,7 m²."),
        tx("trovanta::ui::PerformanceWindow",
           "Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020."),
        tx("trovanta::ui::PerformanceWindow",
           "La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). "
           "Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue."),
        tx("trovanta::ui::PerformanceWindow",
           "Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour "
           "tous les rapports. Typique : 3 à 10 %."),
        tx("trovanta::ui::PerformanceWindow",
           "L'accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g."),
        tx("trovanta::ui::PerformanceWindow",
           "Le temps sans traction d'un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s."),
        tx("trovanta::ui::PerformanceWindow",
           "Le régime auquel l'embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive."),
        tx("trovanta::ui::PerformanceWindow", "Pour la densité de l'air. Typique : 0 à 40 °C."),
        tx("trovanta::ui::PerformanceWindow",
           "La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous "
           "les 100 m. Typique : 850 à 1040 hPa.")};
    for (std::size_t i = 0; i < std::size(BikeFields); ++i) {
        const BikeField &f = BikeFields[i];
        QLineEdit *e = field(nullptr, f.name, FieldWidth, localDecimal(f.value));
        e->setAlignment(Qt::AlignRight);
        keepToolTip(e, tips[i]);
        this->*f.edit = e;
        rows.add(captions[i], e);
        if (f.field == perf::Field::Mass)
            new SpeedField(e, Quantity::Mass);
    }
    v->addLayout(grid);
    v->addStretch(1);
    return box;
}

QWidget *PerformanceWindow::buildResults()
{
    auto *w = new QWidget;
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);

    P_SchaltGruppe = groupBox(nullptr, "P_SchaltGruppe", tx("trovanta::ui::PerformanceWindow", "Passages optimaux"));
    auto *sv = new QVBoxLayout(P_SchaltGruppe);
    P_Repere = new QLabel;
    P_Repere->setObjectName(QStringLiteral("P_Repere"));
    sv->addWidget(P_Repere);
    P_Schalt = new ShiftTable;
    P_Schalt->setObjectName(QStringLiteral("P_Schalt"));
    followUnits(P_Schalt, std::vector<Source>{tx("trovanta::ui::PerformanceWindow", "Rapport"),
                                              tx("trovanta::ui::PerformanceWindow", "Passage (tr/min)"),
                                              tx("trovanta::ui::PerformanceWindow", "Vitesse (km/h)"),
                                              tx("trovanta::ui::PerformanceWindow", "Régime après (tr/min)"),
                                              tx("trovanta::ui::PerformanceWindow", "Engagé à (s)"),
                                              tx("trovanta::ui::PerformanceWindow", "Engagé à (km/h)")});
    P_Schalt->verticalHeader()->hide();
    P_Schalt->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    P_Schalt->verticalHeader()->setDefaultSectionSize(20);
    P_Schalt->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    P_Schalt->horizontalHeader()->setStretchLastSection(true);
    P_Schalt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    P_Schalt->setSelectionMode(QAbstractItemView::NoSelection);
    P_Schalt->setFocusPolicy(Qt::NoFocus);
    P_Schalt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    P_Schalt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    P_Schalt->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (int k = 0; k < 6; ++k)
        for (int c = 0; c < 6; ++c) {
            auto *item = new QTableWidgetItem(c == 0 ? QString::number(k + 1) : noValueText());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) {
                item->setTextAlignment(Qt::AlignCenter);
                item->setForeground(print::GearColours[std::size_t(k)]);
                item->setFont(formFont(8, true));
            }
            P_Schalt->setItem(k, c, item);
        }
    sv->addWidget(P_Schalt);
    v->addWidget(P_SchaltGruppe);

    auto *groups = new QHBoxLayout;
    QGroupBox *start = groupBox(nullptr, "P_StartGruppe", tx("trovanta::ui::PerformanceWindow", "Départ arrêté"));
    auto *sg = new QGridLayout(start);
    sg->setHorizontalSpacing(6);
    P_0_100 = display(nullptr, "P_0_100", 50);
    P_0_200 = display(nullptr, "P_0_200", 50);
    P_400m = display(nullptr, "P_400m", 50);
    P_V400 = display(nullptr, "P_V400", 50);
    auto row = [](QGridLayout *g, int r, int c, const Source &caption, QWidget *d, const Source &unit) {
        g->addWidget(caption.isNull() ? new QLabel : unitLabel(caption), r, c);
        g->addWidget(d, r, c + 1);
        g->addWidget(unitLabel(unit), r, c + 2);
    };
    // The times are to 100 and 200 km/h in either unit: the caption says
    // what that is in the chosen one.
    const Source seconds = tx("trovanta::ui::PerformanceWindow", "s");
    row(sg, 0, 0, Source(), P_0_100, seconds);
    row(sg, 1, 0, Source(), P_0_200, seconds);
    for (const auto &[r, kmh] : {std::pair(0, 100), std::pair(1, 200)})
        followUnits(static_cast<QLabel *>(sg->itemAtPosition(r, 0)->widget()),
                    [kmh = kmh] { return standingStartCaption(kmh); });
    row(sg, 2, 0, tx("trovanta::ui::PerformanceWindow", "400 m départ arrêté"), P_400m, seconds);
    row(sg, 3, 0, tx("trovanta::ui::PerformanceWindow", "Vitesse aux 400 m"), P_V400,
        tx("trovanta::ui::PerformanceWindow", "km/h"));
    sg->setColumnStretch(3, 1);
    sg->setRowStretch(4, 1);
    groups->addWidget(start);

    QGroupBox *top = groupBox(nullptr, "P_VmaxGruppe", tx("trovanta::ui::PerformanceWindow", "Vitesse maxi"));
    auto *tg = new QGridLayout(top);
    tg->setHorizontalSpacing(6);
    P_Vmax = display(nullptr, "P_Vmax", 50);
    P_VmaxGang = display(nullptr, "P_VmaxGang", 30);
    P_VmaxRegime = display(nullptr, "P_VmaxRegime", 50);
    P_VmaxGrenze = display(nullptr, "P_VmaxGrenze", 230);
    P_Vmax6e = display(nullptr, "P_Vmax6e", 230);
    P_SekVmax = display(nullptr, "P_SekVmax", 50);
    P_SekEcart = display(nullptr, "P_SekEcart", 70);
    P_VmaxBest = display(nullptr, "P_VmaxBest", 50);
    keepToolTip(P_Vmax, tx("trovanta::ui::PerformanceWindow",
                           "La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les "
                           "rapports comme au départ arrêté"));
    keepToolTip(P_Vmax6e, tx("trovanta::ui::PerformanceWindow",
                             "La vitesse la plus haute où le 6e rapport tire encore autant que la résistance"));
    keepToolTip(P_SekVmax, tx("trovanta::ui::PerformanceWindow",
                              "Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e"));
    auto label = [](const Source &text) {
        auto *l = new QLabel;
        keepText(l, text);
        return l;
    };
    auto *line1 = new QHBoxLayout;
    line1->addWidget(P_Vmax);
    line1->addWidget(unitLabel(tx("trovanta::ui::PerformanceWindow", "km/h en")));
    line1->addWidget(P_VmaxGang);
    line1->addWidget(label(tx("trovanta::ui::PerformanceWindow", "à")));
    line1->addWidget(P_VmaxRegime);
    line1->addWidget(label(tx("trovanta::ui::PerformanceWindow", "tr/min")));
    line1->addStretch(1);
    tg->addWidget(label(tx("trovanta::ui::PerformanceWindow", "Vitesse maxi")), 0, 0);
    tg->addLayout(line1, 0, 1);
    tg->addWidget(P_VmaxGrenze, 1, 1, Qt::AlignLeft);
    tg->addWidget(label(tx("trovanta::ui::PerformanceWindow", "En 6e")), 2, 0);
    tg->addWidget(P_Vmax6e, 2, 1, Qt::AlignLeft);
    auto *line3 = new QHBoxLayout;
    line3->addWidget(P_SekVmax);
    line3->addWidget(P_SekEcart);
    line3->addWidget(P_VmaxBest);
    line3->addWidget(unitLabel(tx("trovanta::ui::PerformanceWindow", "km/h")));
    line3->addStretch(1);
    tg->addWidget(label(tx("trovanta::ui::PerformanceWindow", "Secondaire idéal")), 3, 0);
    tg->addLayout(line3, 3, 1);
    tg->setColumnStretch(1, 1);
    groups->addWidget(top, 1);
    v->addLayout(groups);
    v->addStretch(1);
    return w;
}

void PerformanceWindow::place(const QRect &mainFrame)
{
    adjustSize();
    AnalysisWindow::place(mainFrame);
}

// ---- The main window's run ---------------------------------------------------------

void PerformanceWindow::mainRunChanged(const MainRun &run)
{
    run_ = run;
    mainProblem_.clear();
    showShiftMark();
    recompute();
}

void PerformanceWindow::showShiftMark()
{
    P_Repere->setText(run_ ? tr("Repère de la fenêtre principale : %1 tr/min").arg(intText(run_->set.shiftMark))
                           : QString());
}

void PerformanceWindow::mainRunFailed(const QString &message)
{
    // The last good results stay; the note says why nothing changes.
    mainProblem_ = message;
    setNote();
}

// ---- Working it out ----------------------------------------------------------------

perf::Input PerformanceWindow::modelInput() const
{
    perf::Input in;
    in.curve = curve_->curve();
    in.atWheel = P_AmRad->isChecked();
    for (const BikeField &f : BikeFields) {
        // What the reader refuses as too large is no value to the model either.
        std::optional<double> v = decimalOf(kmhTextOf(this->*f.edit));
        if (v && std::fabs(*v) > LargestValue)
            v.reset();
        in.bike.*f.member = v;
    }
    if (run_)
        in.gearSet = run_->set;
    return in;
}

PerformanceContext PerformanceWindow::performanceContext() const
{
    PerformanceContext c;
    c.input = modelInput();
    c.circuit = P_CircuitTab->presentCircuit();
    return c;
}

void PerformanceWindow::curveChanged()
{
    if (quiet_)
        return;
    setExampleNote(false);
    lastFile_ = nullptr;
    recompute();
}

void PerformanceWindow::recompute()
{
    if (quiet_)
        return;
    // The fields read as every analysis window reads them: the red frame
    // and the program's message for a text that does not convert.
    FieldReader reader(decimalSeparator());
    for (const BikeField &f : BikeFields)
        reader.decimal(this->*f.edit);
    model_ = std::make_shared<const perf::Model>(modelInput());
    inputProblem_ = reader.message();
    markProblems(*model_);
    if (run_)
        results_ = perf::evaluate(*model_);
    else
        results_ = {};
    showResults(*model_);
    // Without a run of the main window there is no gear set to run the straights on.
    P_CircuitTab->setModel(run_ ? model_ : nullptr);
    setNote();
    emit inputChanged();
}

QString PerformanceWindow::problemText(const perf::Model &, const perf::Problem &p) const
{
    using R = perf::Reason;
    // The field by its caption as the window shows it.
    QString caption;
    for (const BikeField &f : BikeFields)
        if (f.field == p.field)
            for (const QLabel *l : findChildren<QLabel *>())
                if (l->buddy() == this->*f.edit)
                    caption = l->text();
    switch (p.field) {
    case perf::Field::Curve: {
        if (p.row < 0)
            return tr("La courbe doit avoir au moins 2 points.");
        const QString point = tr("Courbe, point %1 : ").arg(p.row + 1);
        const CurveModel::Row &row = curve_->rows()[std::size_t(p.row)];
        switch (p.reason) {
        case R::NotANumber:
            if (!rpmOf(row.rpm))
                return point + (row.rpm.isEmpty()
                                    ? tr("le régime manque.")
                                    : shownFailure(formatMessage(msg::NotInteger, row.rpm.toStdString())));
            return point + (row.torque.isEmpty()
                                ? tr("le couple manque.")
                                : shownFailure(formatMessage(msg::NotFloat, row.torque.toStdString())));
        case R::EngineSpeedNotPositive:
            return point + tr("le régime doit être supérieur à 0.");
        case R::NegativeTorque:
            return point + tr("le couple ne peut pas être négatif.");
        case R::SameEngineSpeed:
            return point + tr("ce régime est déjà dans la courbe.");
        default:
            return point + tr("ce point ne convient pas.");
        }
    }
    case perf::Field::GearSet:
        return tr("Le jeu de rapports de la fenêtre principale ne permet pas de calculer.");
    case perf::Field::RedZone:
        return tr("La zone rouge de la fenêtre principale est sous le premier point de la courbe.");
    default:
        break;
    }
    switch (p.reason) {
    case R::NotPositive:
        return tr("« %1 » : la valeur doit être supérieure à 0.").arg(caption);
    case R::Negative:
        return tr("« %1 » : la valeur ne peut pas être négative.").arg(caption);
    case R::OutOfRange:
        return tr("Le rendement doit être supérieur à 0 et au plus 100 %.");
    case R::BelowAbsoluteZero:
        return tr("La température est sous le zéro absolu.");
    default:
        return tr("« %1 » : cette valeur ne convient pas.").arg(caption);
    }
}

void PerformanceWindow::markProblems(const perf::Model &m)
{
    int badRow = -1;
    for (const perf::Problem &p : m.problems()) {
        if (p.field == perf::Field::Curve && p.row >= 0 && badRow < 0)
            badRow = p.row;
        for (const BikeField &f : BikeFields)
            if (f.field == p.field && p.reason != perf::Reason::NotANumber)
                markField(this->*f.edit, true);
        // The conversion message of the fields comes first; a curve point
        // or a value out of range is said after it.
        if (inputProblem_.isEmpty() && !(p.reason == perf::Reason::NotANumber && p.field != perf::Field::Curve))
            inputProblem_ = problemText(m, p);
    }
    curve_->setBadRow(badRow);
}

void PerformanceWindow::showResults(const perf::Model &m)
{
    const perf::Results &r = results_;
    const QString dash = noValueText();
    auto set = [](TPanel *p, const QString &text) {
        if (p->text() != text)
            p->setText(text);
    };
    auto wholeOr = [&](const std::optional<double> &v) { return v ? wholeSpeedText(*v) : dash; };
    auto seconds = [&](const std::optional<double> &v) { return v ? f2Text(*v) : dash; };

    // The shifts and the gears engaged.
    const std::optional<perf::StandingStart> &s = r.start;
    const int last = r.lastGear.value_or(6);
    for (int k = 1; k <= 6; ++k) {
        const std::size_t i = std::size_t(k - 1);
        QString cells[5] = {dash, dash, dash, dash, dash};
        if (k <= 5 && r.upshifts[i]) {
            cells[0] = whole(r.upshifts[i]->rpmBefore);
            cells[1] = wholeSpeedText(r.upshifts[i]->kmh);
            cells[2] = whole(r.upshifts[i]->rpmAfter);
        }
        if (s && s->engaged[i]) {
            cells[3] = hundredthsText(s->engaged[i]->hundredths());
            cells[4] = wholeSpeedText(s->engaged[i]->kmh);
        }
        const bool why = s && r.lastGear && k == last + 1 && r.noPullAt;
        if (why)
            cells[3] = tr("ne tire pas à %1").arg(speedWithUnit(*r.noPullAt));
        if (P_Schalt->columnSpan(k - 1, 4) != (why ? 2 : 1))
            P_Schalt->setSpan(k - 1, 4, 1, why ? 2 : 1);
        for (int c = 0; c < 5; ++c) {
            QTableWidgetItem *item = P_Schalt->item(k - 1, c + 1);
            if (item->text() != cells[c])
                item->setText(cells[c]);
        }
        P_Schalt->item(k - 1, 5)->setTextAlignment(why ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
        P_Schalt->item(k - 1, 5)->setForeground(why ? NoteRed : palette().color(QPalette::Text));
        P_Schalt->item(k - 1, 4)->setForeground(why ? NoteRed : palette().color(QPalette::Text));
        P_Schalt->item(k - 1, 4)->setTextAlignment(why ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    }

    set(P_0_100, s ? seconds(s->to100) : dash);
    set(P_0_200, s ? seconds(s->to200) : dash);
    set(P_400m, s ? seconds(s->at400) : dash);
    set(P_V400, s ? wholeOr(s->kmhAt400) : dash);

    if (r.top) {
        set(P_Vmax, wholeSpeedText(r.top->kmh));
        set(P_VmaxGang, QString::number(r.top->gear));
        set(P_VmaxRegime, whole(r.top->rpm));
        set(P_VmaxGrenze, r.top->limit == perf::Limit::Air ? tr("limitée par la résistance de l'air")
                                                           : tr("limitée par le régime"));
    } else {
        for (TPanel *p : {P_Vmax, P_VmaxGang, P_VmaxRegime, P_VmaxGrenze})
            set(p, dash);
    }
    set(P_Vmax6e, r.sixth ? tr("%1 à %2 tr/min").arg(speedWithUnit(r.sixth->kmh), whole(r.sixth->rpm)) : dash);
    if (r.best) {
        set(P_SekVmax, orDash([&] { return ratioText(r.best->shown); }));
        set(P_SekEcart, orDash([&] { return signedPercentText(r.best->change); }));
        set(P_VmaxBest, wholeSpeedText(r.best->kmh));
    } else {
        for (TPanel *p : {P_SekVmax, P_SekEcart, P_VmaxBest})
            set(p, dash);
    }
    P_Pignons->setEnabled(r.best.has_value());

    P_Kraft->setChart(PerformanceCharts::force(m, r));
    // Without a run the red zone is not known: none is hatched.
    P_Motor->setChart(PerformanceCharts::engine(m, run_ ? std::optional<std::int32_t>(run_->set.redZone) : std::nullopt));
    P_Lauf->setChart(PerformanceCharts::start(r));
}

void PerformanceWindow::setNote()
{
    QStringList lines;
    if (!mainProblem_.isEmpty())
        lines << tr("La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.")
                     .arg(shownFailure(mainProblem_.toStdString()));
    else if (!run_)
        lines << tr("La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer ».");
    if (!inputProblem_.isEmpty())
        lines << inputProblem_;
    const QString text = lines.join(QLatin1Char('\n'));
    if (P_Hinweis->text() != text)
        P_Hinweis->setText(text);
}

void PerformanceWindow::setExampleNote(bool shown)
{
    exampleShown_ = shown;
    if (shown)
        setCurveNote([] {
            return tr("Courbe d'exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.");
        });
    else
        setCurveNote(nullptr);
}

void PerformanceWindow::setCurveNote(std::function<QString()> note)
{
    curveNote_ = std::move(note);
    P_Kurvenhinweis->setText(curveNote_ ? curveNote_() : QString());
}

// ---- The curve's buttons -------------------------------------------------------------

void PerformanceWindow::P_BeispielClick()
{
    std::vector<CurveModel::Row> rows;
    for (const perf::CurveRow &r : perf::exampleCurve())
        rows.push_back({intText(std::llround(*r.rpm)),
                        QString::fromStdString(num::formatShortest(*r.torque, decimalSeparator()))});
    curve_->setRows(std::move(rows));
    P_AmRad->setChecked(false);
    setExampleNote(true);
}

void PerformanceWindow::P_PunktLoeschenClick()
{
    std::vector<int> rows;
    for (const QModelIndex &i : P_Kurve->selectionModel()->selectedIndexes())
        rows.push_back(i.row());
    curve_->removeRowsAt(std::move(rows));
}

void PerformanceWindow::P_OeffnenClick()
{
    if (reading_->running())
        return;
    const QString path =
        platform().getOpenFileName(this, tr("Ouvrir un export de banc"), tr("Exports de banc (*.csv *.txt)"));
    if (path.isEmpty() || !reading_->start(path))
        return;
    P_Oeffnen->setEnabled(false);
    setCurveNote([name = QFileInfo(path).fileName()] { return tr("Lecture de « %1 »…").arg(name); });
}

void PerformanceWindow::fileFinished(const DynoOutcome &outcome)
{
    P_Oeffnen->setEnabled(true);
    const QString name = QFileInfo(outcome.path).fileName();
    switch (outcome.kind) {
    case DynoOutcome::Kind::Read: {
        const files::DynoData &d = outcome.data;
        const std::int64_t points = std::int64_t(d.points.size());
        if (d.points.size() > std::size_t(CurveModel::MaxPoints)) {
            setCurveNote([name, points] {
                return tr("« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.")
                    .arg(name, intText(points), intText(CurveModel::MaxPoints));
            });
            break;
        }
        std::vector<CurveModel::Row> rows;
        for (const files::DynoPoint &p : d.points)
            rows.push_back({intText(std::llround(p.rpm)),
                            QString::fromStdString(num::formatFixed(p.nm, 2, decimalSeparator()))});
        quiet_ = true;
        curve_->setRows(std::move(rows));
        P_AmRad->setChecked(d.atWheel);
        quiet_ = false;
        setExampleNote(false);
        // Kept as what was read, so that the note is said anew in another language.
        lastFile_ = [name, unit = d.unit, named = d.unitNamed, torque = d.quantity == files::DynoQuantity::Torque,
                     engine = d.engineColumn, column = d.curveColumn, points, skipped = d.skippedLines,
                     atWheel = d.atWheel] {
            QString u;
            switch (unit) {
            case files::DynoUnit::Nm: u = tr("Nm"); break;
            case files::DynoUnit::LbFt: u = tr("lb·ft"); break;
            case files::DynoUnit::Kgm: u = tr("kgm"); break;
            case files::DynoUnit::Kw: u = tr("kW"); break;
            case files::DynoUnit::Ps: u = tr("ch"); break;
            case files::DynoUnit::Hp: u = tr("hp"); break;
            }
            if (!named)
                u = tr("%1 (par défaut)").arg(u);
            const QString what = torque ? tr("couple") : tr("puissance");
            QString note = tr("« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.")
                               .arg(name, engine, what, column, u, intText(points), intText(skipped));
            if (atWheel)
                note += QLatin1Char(' ') + tr("Mesurée à la roue.");
            return note;
        };
        setCurveNote(lastFile_);
        recompute();
        break;
    }
    case DynoOutcome::Kind::Failed:
        // The curve stays as it was.
        setCurveNote([name, message = outcome.message] {
            return tr("« %1 » : %2").arg(name, shownFailure(message.toStdString()));
        });
        break;
    case DynoOutcome::Kind::Cancelled:
        if (exampleShown_)
            setExampleNote(true);
        else
            setCurveNote(lastFile_);
        break;
    }
    emit fileRead();
}

void PerformanceWindow::waitForFile() { reading_->wait(); }

void PerformanceWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        // The captions follow by themselves; what the window wrote is
        // written anew, the values typed and the curve stay.
        showShiftMark();
        if (curveNote_)
            P_Kurvenhinweis->setText(curveNote_());
        recompute();
        fitButtons();
    }
    AnalysisWindow::changeEvent(e);
}

void PerformanceWindow::closeEvent(QCloseEvent *e)
{
    reading_->cancel();
    AnalysisWindow::closeEvent(e);
}

// ---- Out of the window ------------------------------------------------------------------

void PerformanceWindow::P_PignonsClick()
{
    if (results_.best)
        emit targetChangeRequested(results_.best->change);
}

print::PerformanceSheetData PerformanceWindow::sheetData() const
{
    print::PerformanceSheetData d;
    d.separator = decimalSeparator();
    d.subtitle = run_ && !run_->title.isEmpty() ? tr("Performances : %1").arg(run_->title) : tr("Performances");
    if (run_) {
        const gearing::GearSet &g = run_->set;
        const char sep = decimalSeparator();
        auto shortest = [sep](double v) { return QString::fromStdString(num::formatShortest(v, sep)); };
        QStringList gears;
        for (double r : g.gears)
            gears << shortest(r);
        d.setLine = tr("Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm")
                        .arg(intText(g.front), intText(g.rear), shortest(g.primary), gears.join(QStringLiteral(" ")),
                             intText(g.redZone), intText(run_->circumference));
    }
    d.force = P_Kraft->chart();
    d.curveCaption = tr("Courbe du moteur") + (P_AmRad->isChecked() ? tr(" (mesurée à la roue)") : QString());
    d.curveHeads = {tr("tr/min"), inUnits(tr("Nm")), inUnits(tr("kW"))};
    for (int r = 0; r < int(curve_->rows().size()); ++r)
        d.curveRows.push_back({curve_->index(r, 0).data().toString(), curve_->index(r, 1).data().toString(),
                               curve_->index(r, 2).data().toString()});
    d.moreRows = tr("… et %1 points de plus");
    d.bikeCaption = tr("La moto");
    const auto *grid = findChild<QGroupBox *>(QStringLiteral("P_FahrzeugGruppe"));
    for (const BikeField &f : BikeFields) {
        QLineEdit *e = this->*f.edit;
        QString caption;
        if (grid)
            for (const QLabel *l : grid->findChildren<QLabel *>())
                if (l->buddy() == e)
                    caption = l->text();
        d.bikeRows.push_back({caption, e->isEnabled() ? e->text() : tr("(à la roue)")});
    }
    d.shiftCaption = P_SchaltGruppe->title() + QStringLiteral(" — ") + P_Repere->text();
    for (int c = 0; c < 6; ++c)
        d.shiftHeads << P_Schalt->horizontalHeaderItem(c)->text();
    for (int k = 0; k < 6; ++k)
        for (int c = 0; c < 6; ++c)
            if (c < 5 || P_Schalt->columnSpan(k, 4) == 1)
                d.shiftRows[std::size_t(k)] << P_Schalt->item(k, c)->text();
    d.results << tr("Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7")
                     .arg(standingStartCaption(100), P_0_100->text(), standingStartCaption(200), P_0_200->text(),
                          P_400m->text(), P_V400->text(), speedUnitText());
    d.results << inSpeedUnit(tr("Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4"))
                     .arg(P_Vmax->text(), P_VmaxGang->text(), P_VmaxRegime->text(), P_VmaxGrenze->text());
    d.results << tr("En 6e : %1").arg(P_Vmax6e->text());
    d.results << inSpeedUnit(tr("Secondaire pour la vitesse maxi : %1 (%2), %3 km/h"))
                     .arg(P_SekVmax->text(), P_SekEcart->text(), P_VmaxBest->text());
    if (!P_Hinweis->text().isEmpty())
        d.results << P_Hinweis->text().split(QLatin1Char('\n'));
    return d;
}

void PerformanceWindow::P_DruckenClick()
{
    print::PrintoutPrinter printer(tr("Performances") + (run_ ? QLatin1Char(' ') + run_->title : QString()),
                                   print::DialogRange::FirstPageOnly);
    if (!platform().execPrintDialog(this, printer))
        return;
    const print::PerformanceSheetData data = sheetData();
    const QDateTime now = platform().now();
    const QLocale locale = platform().locale();
    if (!print::printTo(printer, [&](print::Canvas &c) { print::printPerformanceSheet(c, data, now, locale); }))
        platform().showMessage(this, QString::fromUtf8(print::msg::PrinterCheck));
}

// ---- Settings ---------------------------------------------------------------------------

void PerformanceWindow::readSettings(const files::SettingsReader &ini)
{
    const QString curve = QStringLiteral("Kurve"), bike = QStringLiteral("Fahrzeug");
    for (const BikeField &f : BikeFields) {
        QLineEdit *e = this->*f.edit;
        const QString stored = ini.readString(bike, QString::fromLatin1(f.key), kmhTextOf(e));
        if (auto *u = e->findChild<SpeedField *>(QString(), Qt::FindDirectChildrenOnly))
            u->setKmhText(stored);
        else
            e->setText(stored);
    }
    P_AmRad->setChecked(ini.readBool(curve, QStringLiteral("AmRad"), P_AmRad->isChecked()));
    std::int32_t count = 0;
    if (num::tryParseInteger(ini.readString(curve, QStringLiteral("Punkte"), QString()).toStdString(), count)) {
        std::vector<CurveModel::Row> rows;
        for (int i = 1; i <= std::clamp(count, 0, CurveModel::MaxPoints); ++i)
            rows.push_back({ini.readString(curve, QStringLiteral("N%1").arg(i), QString()),
                            ini.readString(curve, QStringLiteral("T%1").arg(i), QString())});
        const bool example = ini.readBool(curve, QStringLiteral("Beispiel"), false);
        curve_->setRows(std::move(rows));
        setExampleNote(example);
    }
    P_CircuitTab->setPresentCircuitName(ini.readString(QStringLiteral("Circuit"), QStringLiteral("Name"), QString()));
}

void PerformanceWindow::writeSettings(files::SettingsWriter &ini) const
{
    const QString curve = QStringLiteral("Kurve"), bike = QStringLiteral("Fahrzeug");
    const std::vector<CurveModel::Row> &rows = curve_->rows();
    ini.writeString(curve, QStringLiteral("Punkte"), intText(std::int64_t(rows.size())));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ini.writeString(curve, QStringLiteral("N%1").arg(i + 1), rows[i].rpm);
        ini.writeString(curve, QStringLiteral("T%1").arg(i + 1), rows[i].torque);
    }
    ini.writeBool(curve, QStringLiteral("AmRad"), P_AmRad->isChecked());
    ini.writeBool(curve, QStringLiteral("Beispiel"), exampleShown_);
    for (const BikeField &f : BikeFields)
        ini.writeString(bike, QString::fromLatin1(f.key), kmhTextOf(this->*f.edit));
    ini.writeString(QStringLiteral("Circuit"), QStringLiteral("Name"), P_CircuitTab->presentCircuitName());
}

void PerformanceWindow::saveOtherFiles()
{
    // Untouched circuits are not written: a first start leaves no circuits.ini.
    if (P_CircuitTab->circuitsEdited())
        P_CircuitTab->saveCircuits();
}

AnalysisWindow *createPerformanceWindow(TForm1 *main)
{
    auto *w = new PerformanceWindow(main);
    QObject::connect(w, &PerformanceWindow::targetChangeRequested, w, [](double percent) {
        if (auto *s = qobject_cast<SprocketWindow *>(openAnalysis(QStringLiteral("SprocketWindow"))))
            s->setTargetChange(percent);
    });
    // Pignons et chaîne and Comparaison follow the model and the present
    // circuit from the moment this window exists; before, they go without.
    auto publish = [w] { publishPerformanceContext(w->performanceContext()); };
    QObject::connect(w, &PerformanceWindow::inputChanged, w, publish);
    QObject::connect(w->P_CircuitTab, &CircuitTab::presentCircuitChanged, w, publish);
    publish();
    return w;
}

} // namespace trovanta::ui
