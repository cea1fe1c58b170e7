#include "ui/sprocketmodel.h"

#include "calc/numtext.h"
#include "ui/language.h"
#include "ui/units.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>
#include <optional>

#include <unordered_map>

namespace trovanta::ui {

using sprockets::Column;

namespace {

// The present pair's row stands out without hiding the selection.
const QColor PresentRow(255, 236, 150);

} // namespace

std::uint64_t SprocketModel::pairKey(std::int32_t front, std::int32_t rear)
{
    return (std::uint64_t(std::uint32_t(front)) << 32) | std::uint32_t(rear);
}

SprocketModel::SprocketModel(QObject *parent) : QAbstractTableModel(parent)
{
    // Vmax is kept in km/h and shown in the chosen unit.
    connect(&unitsHub(), &UnitsHub::changed, this, [this] {
        if (!rows_.empty())
            emit dataChanged(index(0, sprockets::Vmax6), index(rowCount() - 1, sprockets::Vmax6));
        emit headerDataChanged(Qt::Horizontal, sprockets::Vmax6, sprockets::Vmax6);
    });
    // The heads, their tips and the words "oui" and "non" in the new language.
    connect(&languageHub(), &LanguageHub::changed, this, [this] {
        if (!rows_.empty())
            emit dataChanged(index(0, sprockets::Fits), index(rowCount() - 1, sprockets::Fits));
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    });
}

namespace {

bool sameRow(const sprockets::Row &a, const sprockets::Row &b)
{
    if (a.front != b.front || a.rear != b.rear || a.present != b.present || a.huntingTooth != b.huntingTooth ||
        a.fits != b.fits)
        return false;
    // Each cell's key is the value its text shows (and none for the dash):
    // the same keys, the same texts, at a fraction of the comparing.
    for (std::size_t c = 0; c < a.cells.size(); ++c)
        if (a.cells[c].key != b.cells[c].key)
            return false;
    return true;
}

} // namespace

void SprocketModel::setRows(std::vector<sprockets::Row> rows)
{
    std::swap(rows_, rows);
    std::vector<int> before;
    std::swap(order_, before);
    if (sortColumn_ >= 0) // the listing comes in its own order
        arrange();
    if (rows.size() != rows_.size()) {
        // Rows come or go: the view starts again. (A keystroke mostly keeps
        // the count, and then only the rows that changed are redrawn.)
        beginResetModel();
        endResetModel();
        return;
    }
    auto old = [&](std::size_t i) -> const sprockets::Row & {
        return rows[before.empty() ? i : static_cast<std::size_t>(before[i])];
    };
    auto now = [&](std::size_t i) -> const sprockets::Row & { return rowAt(static_cast<int>(i)); };
    std::size_t first = 0, last = rows_.size();
    while (first < last && sameRow(old(first), now(first)))
        ++first;
    while (last > first && sameRow(old(last - 1), now(last - 1)))
        --last;
    if (first < last)
        emit dataChanged(index(int(first), 0), index(int(last) - 1, columnCount() - 1));
}

QString SprocketModel::fitsText(bool fits) { return fits ? tr("oui") : tr("non"); }

int SprocketModel::rowOf(std::int32_t front, std::int32_t rear) const
{
    for (int i = 0; i < rowCount(); ++i)
        if (rowAt(i).front == front && rowAt(i).rear == rear)
            return i;
    return -1;
}

int SprocketModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SprocketModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : sprockets::ColumnCount + (circuitShown_ ? CircuitColumns : 0);
}

QVariant SprocketModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const sprockets::Row &row = rowAt(index.row());
    if (index.column() >= sprockets::ColumnCount) {
        switch (role) {
        case Qt::DisplayRole:
            if (const sprockets::Cell *c = circuitCell(row, index.column()))
                return QString::fromStdString(c->text);
            return circuitPending_ ? QStringLiteral("…") : QString::fromUtf8(num::NoValue);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
        case Qt::BackgroundRole:
            return row.present ? QVariant(QBrush(PresentRow)) : QVariant();
        default:
            return {};
        }
    }
    const auto column = static_cast<Column>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        // "oui" and "non" are words, the other cells numbers.
        if (column == sprockets::Fits)
            return fitsText(row.fits);
        if (column == sprockets::Vmax6)
            return shownTextOfWholeKmh(QString::fromStdString(row.cells[sprockets::Vmax6].text));
        return QString::fromStdString(row.cells[static_cast<std::size_t>(column)].text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column == sprockets::Fits ? Qt::AlignHCenter : Qt::AlignRight));
    case Qt::FontRole:
        if (row.huntingTooth && (column == sprockets::FrontWear || column == sprockets::RearWear)) {
            QFont bold; // only the weight is set; the rest comes from the view
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        return row.present ? QVariant(QBrush(PresentRow)) : QVariant();
    default:
        return {};
    }
}

QVariant SprocketModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= sprockets::ColumnCount && section < columnCount()) {
        if (role == Qt::DisplayRole) {
            static constexpr const char *titles[CircuitColumns] = {QT_TR_NOOP("Circuit (s)"), QT_TR_NOOP("Écart (s)"),
                                                                   QT_TR_NOOP("Plus longue")};
            return tr(titles[section - sprockets::ColumnCount]);
        }
        if (role != Qt::ToolTipRole)
            return {};
        switch (section) {
        case CircuitTime:
            return tr("Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)");
        case CircuitGap:
            return tr("Écart de ce temps par rapport à la transmission actuelle, s");
        default:
            return tr("La plus longue ligne droite : le rapport et le régime au freinage, ou la distance "
                      "parcourue au limiteur en 6e");
        }
    }
    if (orientation != Qt::Horizontal || section < 0 || section >= sprockets::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto column = static_cast<Column>(section);
    if (role == Qt::DisplayRole) {
        static constexpr const char *titles[sprockets::ColumnCount] = {
            QT_TR_NOOP("Pignon"),       QT_TR_NOOP("Couronne"),     QT_TR_NOOP("Secondaire"),
            QT_TR_NOOP("Écart %"),      QT_TR_NOOP("Vmax 6e"),      QT_TR_NOOP("Chaîne actuelle"),
            QT_TR_NOOP("Tient"),        QT_TR_NOOP("Maillons"),     QT_TR_NOOP("Déplacement"),
            QT_TR_NOOP("Usure pignon"), QT_TR_NOOP("Usure couronne"),
        };
        return tr(titles[column]);
    }
    if (role != Qt::ToolTipRole)
        return {};
    switch (column) {
    case sprockets::FrontTeeth:
        return tr("Dents du pignon");
    case sprockets::RearTeeth:
        return tr("Dents de la couronne");
    case sprockets::FinalDrive:
        return tr("Rapport secondaire : couronne / pignon");
    case sprockets::Change:
        return tr("Écart du secondaire par rapport à la transmission actuelle, en %");
    case sprockets::Vmax6:
        return inSpeedUnit(tr("Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale"));
    case sprockets::PresentMove:
        return tr("Déplacement de l'axe arrière avec la chaîne actuelle, mm (+ vers l'arrière, - vers l'avant)");
    case sprockets::Fits:
        return tr("oui : la chaîne actuelle tient dans la course de l'axe arrière");
    case sprockets::Links:
        return tr("Le nombre pair de maillons qui garde l'axe arrière au plus près de sa place");
    case sprockets::Move:
        return tr("Déplacement de l'axe arrière avec ce nombre de maillons, mm (+ vers l'arrière, - vers l'avant)");
    case sprockets::FrontWear:
        return tr("Dents différentes qu'un maillon rencontre / dents du pignon ; égales : usure régulière");
    case sprockets::RearWear:
        return tr("Dents différentes qu'un maillon rencontre / dents de la couronne ; égales : usure régulière");
    }
    return {};
}

void SprocketModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column >= 0 && column < columnCount() ? column : -1;
    sortOrder_ = order;
    relayout();
}

void SprocketModel::relayout()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection and the current row stay on their pairs.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint64_t> pairs;
    pairs.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex &i : before) {
        const sprockets::Row &r = rowAt(i.row());
        pairs.push_back(pairKey(r.front, r.rear));
    }
    arrange();
    std::unordered_map<std::uint64_t, int> at;
    if (!before.isEmpty())
        for (int i = 0; i < rowCount(); ++i)
            at.emplace(pairKey(rowAt(i).front, rowAt(i).rear), i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(at.at(pairs[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SprocketModel::arrange()
{
    order_.clear();
    if (sortColumn_ < 0 && circuitShown_ && fastestFirst_)
        arrangeByCircuit(-1, Qt::AscendingOrder);
    else if (sortColumn_ >= sprockets::ColumnCount)
        arrangeByCircuit(sortColumn_, sortOrder_);
    else if (sortColumn_ < 0)
        sprockets::sortDefault(rows_);
    else
        sprockets::sortBy(rows_, static_cast<Column>(sortColumn_),
                          sortOrder_ == Qt::AscendingOrder ? sprockets::Order::Ascending
                                                           : sprockets::Order::Descending);
}

// ---- The circuit's columns --------------------------------------------------

const sprockets::Cell *SprocketModel::circuitCell(const sprockets::Row &row, int column) const
{
    const auto it = circuit_.find(pairKey(row.front, row.rear));
    if (it == circuit_.end())
        return nullptr;
    return &it->second[static_cast<std::size_t>(column - sprockets::ColumnCount)];
}

// column -1: the fastest first on the exact sums, equal sums by front and
// rear, pairs without a sum last in the listing's order.
void SprocketModel::arrangeByCircuit(int column, Qt::SortOrder order)
{
    const int keyColumn = column < 0 ? int(CircuitTime) : column;
    std::vector<std::optional<double>> keys(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (const sprockets::Cell *c = circuitCell(rows_[i], keyColumn))
            keys[i] = c->key;
    order_.resize(rows_.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
        order_[i] = static_cast<int>(i);
    // A total order (ties go by rank or by the pair), so no stable sort is needed.
    std::sort(order_.begin(), order_.end(), [&](int ia, int ib) {
        const std::optional<double> &ka = keys[static_cast<std::size_t>(ia)];
        const std::optional<double> &kb = keys[static_cast<std::size_t>(ib)];
        const sprockets::Row &a = rows_[static_cast<std::size_t>(ia)];
        const sprockets::Row &b = rows_[static_cast<std::size_t>(ib)];
        if (!ka || !kb) {
            if (ka || kb)
                return ka.has_value();
            return a.rank < b.rank;
        }
        if (*ka != *kb)
            return order == Qt::AscendingOrder ? *ka < *kb : *kb < *ka;
        if (column >= 0)
            return a.rank < b.rank;
        return std::pair(a.front, a.rear) < std::pair(b.front, b.rear);
    });
}

void SprocketModel::setCircuitShown(bool shown, bool fastestFirst)
{
    circuit_.clear();
    circuitPending_ = shown;
    if (shown != circuitShown_) {
        beginResetModel();
        circuitShown_ = shown;
        fastestFirst_ = fastestFirst;
        if (sortColumn_ >= columnCount())
            sortColumn_ = -1;
        arrange();
        endResetModel();
        return;
    }
    const bool reorder = fastestFirst != fastestFirst_;
    fastestFirst_ = fastestFirst;
    if (!shown)
        return;
    if (reorder || sortColumn_ >= sprockets::ColumnCount || (sortColumn_ < 0 && fastestFirst_))
        relayout();
    if (!rows_.empty())
        emit dataChanged(index(0, sprockets::ColumnCount), index(rowCount() - 1, columnCount() - 1));
}

void SprocketModel::addCircuitCells(const std::vector<std::pair<std::uint64_t, CircuitCells>> &cells, bool pending)
{
    if (!circuitShown_)
        return;
    for (const auto &[pair, c] : cells)
        circuit_[pair] = c;
    circuitPending_ = pending;
    if (sortColumn_ >= sprockets::ColumnCount || (sortColumn_ < 0 && fastestFirst_))
        relayout();
    if (!rows_.empty())
        emit dataChanged(index(0, sprockets::ColumnCount), index(rowCount() - 1, columnCount() - 1));
}

} // namespace trovanta::ui
