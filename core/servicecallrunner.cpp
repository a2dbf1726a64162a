#include "core/servicecallrunner.h"

#include <QThreadPool>

#include <openssl/crypto.h>

namespace {

// Service calls wait on the network, not the processor, and may take up to a call's
// time limit: their own pool keeps them from starving other pooled work. Static, so the
// program's end waits for a call still running instead of pulling the client from
// under it.
QThreadPool& callPool() {
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(8);
        return true;
    }();
    (void)sized;
    return pool;
}

// Carries the end of one call from the worker to the GUI thread. Emitting from the
// worker is safe while the window dies: Qt drops the queued delivery of a destroyed
// receiver, and this object lives until its signal has been emitted.
class CallEnd : public QObject {
    Q_OBJECT
signals:
    void ended();
};

} // namespace

ServiceCallRunner::ServiceCallRunner(QObject* window) : QObject(window) {}

bool ServiceCallRunner::start(const QString& action, std::function<void()> work,
                              std::function<void()> deliver) {
    if (m_running.contains(action))
        return false;
    const bool wasIdle = m_running.isEmpty();
    const quint64 call = ++m_lastCall;
    m_running.insert(action, call);

    auto* end = new CallEnd;
    connect(
        end, &CallEnd::ended, this,
        [this, action, call, deliver = std::move(deliver)] {
            if (m_running.value(action) != call)
                return; // dropped
            finish(action);
            deliver();
        },
        Qt::QueuedConnection);
    connect(end, &CallEnd::ended, end, &QObject::deleteLater, Qt::QueuedConnection);
    callPool().start([end, work = std::move(work)] {
        work();
        // A pool thread may outlive the program's last call and end without OpenSSL
        // hearing of it: its per-thread state goes with each call instead.
        OPENSSL_thread_stop();
        emit end->ended();
    });
    if (wasIdle)
        emit busyChanged(true);
    return true;
}

void ServiceCallRunner::finish(const QString& action) {
    m_running.remove(action);
    if (m_running.isEmpty())
        emit busyChanged(false);
}

bool ServiceCallRunner::waitForAllCalls(int msecs) {
    return callPool().waitForDone(msecs);
}

void ServiceCallRunner::dropRunning() {
    if (m_running.isEmpty())
        return;
    m_running.clear();
    emit busyChanged(false);
}

void ServiceCallRunner::drop(const QString& action) {
    if (m_running.remove(action) > 0 && m_running.isEmpty())
        emit busyChanged(false);
}

#include "servicecallrunner.moc"
