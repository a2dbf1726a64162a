#include "core/servicecallrunner.h"

#include <QThreadPool>

namespace {

// Service calls wait on the network, not the processor, and may take up to a call's
// time limit: their own pool keeps them from starving other pooled work. Never deleted:
// a pool's destructor waits for its calls, and the program's end must not (it cancels
// them and waits briefly itself, programexit).
QThreadPool& callPool() {
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(8);
        return made;
    }();
    return *pool;
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
