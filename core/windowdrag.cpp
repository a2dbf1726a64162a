#include "core/windowdrag.h"

#include "core/userprompt.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        dragPosition = press->globalPos() - UserPrompt::knownFrame(m_window).topLeft();
        press->accept();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons() != Qt::LeftButton)
            return false;
        m_window->move(move->globalPos() - dragPosition);
        move->accept();
        return true;
    }
    return false;
}
