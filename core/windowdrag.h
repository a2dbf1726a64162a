#pragma once
// A frameless window moves with the mouse: a press of the left button on its face keeps
// where the cursor grabbed the frame, and moving while the left button alone is held
// follows the cursor. Other buttons and combinations are left to the window.
#include <QObject>
#include <QPoint>

class QWidget;

class WindowDrag : public QObject {
public:
    // Watches the window's own mouse events (and those its children pass on); a child of
    // the window, so it lives as long as the window.
    explicit WindowDrag(QWidget* window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPoint dragPosition; // cursor minus the frame's top-left corner at the press
};
