#pragma once
// Where a view's context menu opens: the view is asked for a menu at `at` (a point of its
// viewport, as the view reports it), the popup that opens is read and closed.
#include <QAbstractItemView>
#include <QApplication>
#include <QPoint>
#include <QTimer>

inline QPoint contextMenuShownAt(QAbstractItemView* view, const QPoint& at) {
    QPoint shownAt;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shownAt] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            shownAt = popup->pos();
            popup->close();
        }
    });
    closer.start(10);
    emit view->customContextMenuRequested(at);
    return shownAt;
}
