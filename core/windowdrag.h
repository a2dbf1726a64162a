#pragma once
// A frameless window moves with the mouse: a press of the left button keeps where the
// cursor grabbed the window's frame, as the program knows it (UserPrompt::knownFrame: the
// window system's report of a frameless window can be stale), and moving while the left
// button alone is held follows the cursor. A maximised window stays. Other buttons and
// combinations are left to the window.
#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

class WindowDrag : public QObject {
public:
    enum class Grip {
        Face,   // by its face: watches the window's own mouse events (and those its
                // children pass on)
        HandedIn // by the parts of it that hand their presses and moves to grip() and follow()
    };

    // A child of the window, so it lives as long as the window.
    explicit WindowDrag(QWidget* window, Grip grip = Grip::Face);

    // A left-button press: keeps where the cursor holds the window. True when taken.
    bool grip(QMouseEvent* press);
    // A move with the left button alone held: the window follows the cursor. True when
    // taken.
    bool follow(QMouseEvent* move);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPoint dragPosition; // cursor minus the frame's top-left corner at the press
};
