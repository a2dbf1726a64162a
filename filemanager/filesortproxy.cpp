#include "filemanager/filesortproxy.h"

#include "filemanager/filetablemodel.h"

namespace filetable {

SortProxy::SortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
    setSortRole(SortRole);
}

bool SortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto* rows = qobject_cast<const Model*>(sourceModel());
    if (rows && sortRole() == SortRole && left.column() == right.column() &&
        rows->hasPlainKeys(left.column()))
        return rows->keyLess(left.row(), right.row(), left.column(), sortCaseSensitivity());
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace filetable
