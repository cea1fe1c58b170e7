#pragma once
// The sprocket pairs as a table for the "Pignons et chaîne" window: one row
// per pair, the cells as the listing wrote them. A header click sorts by
// the numbers behind the cells ("+5" as 5, "-18" as -18), cells without a
// number last; clearing the sort goes back to the listing's own order.

#include "calc/sprockets.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace trovanta::ui {

class SprocketModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SprocketModel(QObject *parent = nullptr);

    // New rows in the listing's order; the sort last asked for stays. With
    // as many rows as before, the view hears only of the rows that differ.
    void setRows(std::vector<sprockets::Row> rows);
    const sprockets::Row &rowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // Where a pair stands now; -1 when it is not listed.
    int rowOf(std::int32_t front, std::int32_t rear) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // column -1: the listing's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void arrange();

    std::vector<sprockets::Row> rows_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace trovanta::ui
