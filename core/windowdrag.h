#pragma once
// A frameless window moves with the mouse. The window's mousePressEvent() and
// mouseMoveEvent() hand their events here (children pass on what they do not take): a
// press of the left button keeps where the cursor grabbed the window's frame, as the
// program knows it (windowposition::knownFrame: the window system's report of a frameless
// window can be stale), and moving while the left button alone is held follows the cursor.
// A maximised window stays. Other buttons and combinations do nothing.
#include <QPoint>

class QMouseEvent;
class QWidget;

class WindowDrag {
public:
    explicit WindowDrag(QWidget* window) : m_window(window) {}

    // A left-button press: keeps where the cursor holds the window. True when taken.
    bool grip(QMouseEvent* press);
    // A move with the left button alone held: the window follows the cursor. True when
    // taken.
    bool follow(QMouseEvent* move);

private:
    QWidget* m_window;
    QPoint dragPosition; // cursor minus the frame's top-left corner at the press
};
