#pragma once
// Stands in for the window system where the program asks it where a window stands
// (windowposition::ask), and makes the window system report a window elsewhere without the
// program moving it: the two halves of a stale report, offscreen.
#include "core/windowposition.h"

#include <QHash>
#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <QtTest>

// Where the windows it knows really stand, whatever the toolkit last heard; nothing for
// the others, as a window system that cannot be asked.
class WindowSystemStub {
public:
    WindowSystemStub() {
        windowposition::install([this](const QWidget* window) -> std::optional<QPoint> {
            const auto place = places.constFind(window);
            if (place == places.constEnd())
                return std::nullopt;
            return *place;
        });
    }
    ~WindowSystemStub() { windowposition::install({}); }
    WindowSystemStub(const WindowSystemStub&) = delete;
    WindowSystemStub& operator=(const WindowSystemStub&) = delete;

    QHash<const QWidget*, QPoint> places;
};

// The window system reports `window` at `at` without the program having moved it: a move
// through the window manager, or the stale report of a window the window manager framed.
inline bool reportMoved(QWidget* window, const QPoint& at) {
    window->windowHandle()->setPosition(at);
    return QTest::qWaitFor([&] { return window->pos() == at; });
}
