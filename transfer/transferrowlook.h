#pragma once
// How the queue tables draw their rows: the status cell shows an icon for the state its
// row is in (the model gives the state), and odd rows are shaded. Set as the queue
// views' item delegate; everything else is drawn as usual.
#include <QStyledItemDelegate>

class TransferRowLook : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TransferRowLook(QObject* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
