#include "tests/modalanswerer.h"

#include "mainwindow/loginform.h"

#include <QApplication>

ModalAnswerer::ModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(10);
}

void ModalAnswerer::next(Action action) {
    m_actions.enqueue(std::move(action));
}

void ModalAnswerer::poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || qobject_cast<LoginForm*>(dialog) || m_seen.contains(dialog))
        return;
    m_seen << dialog;
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    if (m_actions.isEmpty()) {
        m_unexpected << name;
        dialog->reject();
        return;
    }
    m_answered << name;
    m_actions.dequeue()(dialog);
}
