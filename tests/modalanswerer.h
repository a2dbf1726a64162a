#pragma once
// Answers the modal dialogs that the code under test runs with exec(): each dialog that
// comes up (the login dialog aside) goes to the next queued action, which must close it.
// A dialog nobody expected is recorded and rejected, so a test never hangs in it.
#include <QDialog>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QTimer>

#include <functional>

class ModalAnswerer : public QObject {
public:
    using Action = std::function<void(QDialog*)>;

    ModalAnswerer();

    // The action for the next dialog that comes up.
    void next(Action action);
    // Class names of the dialogs answered so far, in order.
    QStringList answered() const { return m_answered; }
    QStringList unexpected() const { return m_unexpected; }
    int pending() const { return m_actions.size(); }

private:
    void poll();

    QTimer m_timer;
    QQueue<Action> m_actions;
    QList<QPointer<QDialog>> m_seen;
    QStringList m_answered;
    QStringList m_unexpected;
};
