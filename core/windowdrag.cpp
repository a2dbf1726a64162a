#include "core/windowdrag.h"

#include "core/userprompt.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget* window, Grip grip) : QObject(window), m_window(window) {
    if (grip == Grip::Face)
        window->installEventFilter(this);
}

bool WindowDrag::grip(QMouseEvent* press) {
    if (press->button() != Qt::LeftButton)
        return false;
    dragPosition = press->globalPos() - UserPrompt::knownFrame(m_window).topLeft();
    press->accept();
    return true;
}

bool WindowDrag::follow(QMouseEvent* move) {
    if (move->buttons() != Qt::LeftButton || m_window->isMaximized())
        return false;
    m_window->move(move->globalPos() - dragPosition);
    move->accept();
    return true;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::MouseButtonPress)
        return grip(static_cast<QMouseEvent*>(event));
    if (event->type() == QEvent::MouseMove)
        return follow(static_cast<QMouseEvent*>(event));
    return false;
}
