#include "core/queueviewcommands.h"

#include <QItemSelectionModel>

namespace queueview {

QList<int> selectedRows(const QAbstractItemView* table) {
    QList<int> rows;
    if (!table->selectionModel())
        return rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows(0))
        rows << index.row();
    return rows;
}

QList<int> sorted(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRow(QAbstractItemView* table, int row) {
    const QModelIndex index = table->model() ? table->model()->index(row, 0) : QModelIndex();
    if (index.isValid() && table->selectionModel())
        table->selectionModel()->select(index,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace queueview
