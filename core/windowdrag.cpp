#include "core/windowdrag.h"

#include "core/windowposition.h"

#include <QMouseEvent>
#include <QWidget>

bool WindowDrag::grip(QMouseEvent* press) {
    if (press->button() != Qt::LeftButton)
        return false;
    dragPosition = press->globalPos() - windowposition::knownFrame(m_window).topLeft();
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
