#include "transfer/transferrowlook.h"

#include "transfer/transferqueue.h"

#include <QBrush>
#include <QColor>
#include <QIcon>

TransferRowLook::TransferRowLook(QObject* parent) : QStyledItemDelegate(parent) {}

// Both kinds of job share the state numbers; 7 (a password is needed) is a download's.
QPixmap TransferRowLook::stateIcon(int state) {
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
