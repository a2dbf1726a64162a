#pragma once
// Frameless dialogs of the media tools move while the left button drags them.
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

class FramelessDrag {
public:
    // True when the event started a drag (and was accepted).
    bool press(QWidget* window, QMouseEvent* event) {
        if (event->button() != Qt::LeftButton)
            return false;
        m_offset = event->globalPos() - window->frameGeometry().topLeft();
        event->accept();
        return true;
    }
    // True when the event moved the window (and was accepted).
    bool move(QWidget* window, QMouseEvent* event) {
        if (event->buttons() != Qt::LeftButton)
            return false;
        window->move(event->globalPos() - m_offset);
        event->accept();
        return true;
    }

private:
    QPoint m_offset;
};
