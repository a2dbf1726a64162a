#pragma once
// The sort proxy in front of the file table's rows: case-insensitive, re-sorting as rows
// change, by the rows' stored keys. It compares those keys directly rather than through
// QVariant, which keeps sorting a folder of tens of thousands of entries quick.
#include <QSortFilterProxyModel>

namespace filetable {

class SortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit SortProxy(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace filetable
