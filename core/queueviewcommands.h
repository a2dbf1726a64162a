#pragma once
// What the transfer tabs' commands share on their queue tables: the selected rows, and
// moving the selected rows one step or to either end with the selection following them.
// Works on any queue model with moveItem, moveUp and moveDown.
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QString>

#include <algorithm>

namespace queueview {

// The selected rows in the order the selection lists them.
QList<int> selectedRows(const QAbstractItemView* table);
QList<int> sorted(QList<int> rows);
// Adds a whole row to the selection; rows outside the table select nothing.
void selectRow(QAbstractItemView* table, int row);

template <class Receiver, class Slot>
void addEntry(QMenu* menu, const QString& text, const char* icon, Receiver* receiver, Slot slot) {
    menu->addAction(icon ? QIcon(QString::fromLatin1(icon)) : QIcon(), text, receiver, slot);
}

// The selected rows, sorted, to the top of the table.
template <class Model> void moveFirst(QAbstractItemView* table, Model* model) {
    const QList<int> rows = sorted(selectedRows(table));
    table->clearSelection();
    for (int i = 0; i < rows.size(); ++i) {
        model->moveItem(rows.at(i), i);
        selectRow(table, i);
    }
}

// The selected rows, sorted, to the bottom of the table.
template <class Model> void moveLast(QAbstractItemView* table, Model* model) {
    const QList<int> rows = sorted(selectedRows(table));
    table->clearSelection();
    const int count = model->rowCount();
    const int n = rows.size();
    for (int i = n - 1; i >= 0; --i) {
        model->moveItem(rows.at(i), count - n + i);
        selectRow(table, count - n + i);
    }
}

// Each selected row one step up; a row that can't move loses its selection.
template <class Model> void moveUp(QAbstractItemView* table, Model* model) {
    const QList<int> rows = sorted(selectedRows(table));
    table->clearSelection();
    for (int row : rows) {
        model->moveUp(row);
        selectRow(table, row - 1);
    }
}

// Each selected row one step down, the lowest first.
template <class Model> void moveDown(QAbstractItemView* table, Model* model) {
    const QList<int> rows = sorted(selectedRows(table));
    table->clearSelection();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        model->moveDown(*row);
        selectRow(table, *row + 1);
    }
}

} // namespace queueview
