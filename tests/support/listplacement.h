#pragma once
// Where a combo box's list opens: over or below its field, from the field's left edge.
#include <QPoint>
#include <QRect>
#include <QString>

// Empty when the list at `listAt` (its top left on the screen) opens at `field` (the
// field's place on the screen); otherwise both places.
inline QString listAwayFromItsField(const QPoint& listAt, const QRect& field) {
    if (qAbs(listAt.x() - field.left()) <= 3 && listAt.y() >= field.top() - 60 &&
        listAt.y() <= field.bottom() + 3)
        return QString();
    return QStringLiteral("list at %1,%2, its field at %3,%4")
        .arg(listAt.x())
        .arg(listAt.y())
        .arg(field.left())
        .arg(field.top());
}
