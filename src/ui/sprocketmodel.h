#pragma once
// The sprocket pairs as a table for the "Pignons et chaîne" window: one row
// per pair, the cells as the listing wrote them. A header click sorts by
// the numbers behind the cells ("+5" as 5, "-18" as -18), cells without a
// number last; clearing the sort goes back to the listing's own order.

#include "calc/sprockets.h"

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace trovanta::ui {

class SprocketModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SprocketModel(QObject *parent = nullptr);

    // New rows in the listing's order; the sort last asked for stays. With
    // as many rows as before, the view hears only of the rows that differ.
    void setRows(std::vector<sprockets::Row> rows);
    const sprockets::Row &rowAt(int row) const
    {
        const auto r = static_cast<std::size_t>(row);
        return rows_[order_.empty() ? r : static_cast<std::size_t>(order_[r])];
    }
    // The "Tient" column's word.
    static QString fitsText(bool fits);
    // Where a pair stands now; -1 when it is not listed.
    int rowOf(std::int32_t front, std::int32_t rear) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // column -1: the listing's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The present circuit's columns after the listing's: the sum of the
    // straights, its change against the present pair, the longest straight.
    enum CircuitColumn { CircuitTime = sprockets::ColumnCount, CircuitGap, CircuitLongest };
    static constexpr int CircuitColumns = 3;
    using CircuitCells = std::array<sprockets::Cell, CircuitColumns>;
    // Shown or not; `fastestFirst`: the default order is by the circuit.
    // The cells of an earlier run go.
    void setCircuitShown(bool shown, bool fastestFirst);
    bool circuitShown() const { return circuitShown_; }
    // Cells of finished pairs; pairs without any show "…" while `pending`,
    // else "–".
    void addCircuitCells(const std::vector<std::pair<std::uint64_t, CircuitCells>> &cells, bool pending);
    static std::uint64_t pairKey(std::int32_t front, std::int32_t rear);

private:
    void arrange();
    // Sorts again, the selection and the current row kept on their pairs.
    void relayout();
    const sprockets::Cell *circuitCell(const sprockets::Row &row, int column) const;
    void arrangeByCircuit(int column, Qt::SortOrder order);

    std::vector<sprockets::Row> rows_;
    // The circuit's order as places in rows_ (empty: rows_' own order).
    // Sorting places, not rows, keeps a batch of circuit results cheap.
    std::vector<int> order_;
    int sortColumn_ = -1;
    bool circuitShown_ = false;
    bool fastestFirst_ = false;
    bool circuitPending_ = false;
    std::unordered_map<std::uint64_t, CircuitCells> circuit_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace trovanta::ui
