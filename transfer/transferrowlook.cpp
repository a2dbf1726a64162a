#include "transfer/transferrowlook.h"

#include "transfer/transferqueue.h"

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace {

// The icon of a state; null for a state shown without one. Both kinds of job share the
// state numbers; 7 (a password is needed) is a download's.
QPixmap stateIcon(int state) {
    switch (state) {
    case 0: // running
        return QPixmap(QStringLiteral(":/images/bt_start.png"));
    case transferqueue::kQueuedState:
    case 2: // stopped
        return QPixmap(QStringLiteral(":/images/bt_pause.png"));
    case 4: // failed
    case 7: // password
        return QPixmap(QStringLiteral(":/images/erroricon.png"));
    default: // idle (3): no icon
        return QPixmap();
    }
}

} // namespace

TransferRowLook::TransferRowLook(QObject* parent) : QStyledItemDelegate(parent) {}

void TransferRowLook::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() % 2 == 1)
        option->backgroundBrush = QBrush(QColor(237, 237, 237));
    const QVariant state = index.data(transferqueue::kStateRole);
    if (!state.isValid())
        return;
    const QPixmap icon = stateIcon(state.toInt());
    if (icon.isNull())
        return;
    // As the base class draws a pixmap given as the decoration.
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = QIcon(icon);
    option->decorationSize = icon.size() / icon.devicePixelRatio();
}
