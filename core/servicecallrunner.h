#pragma once
// A window's service calls, run on a worker thread with their results handed back on the
// window's (GUI) thread. Each call has an action name; an action already running is not
// started a second time. The runner is a child of the window: when the window goes, its
// pending results go with it and are never delivered. The worker only ever sees what the
// call captured by value, never the window.
#include "core/servicecall.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ServiceCallRunner : public QObject {
    Q_OBJECT
public:
    explicit ServiceCallRunner(QObject* window);

    // Runs `work` on a worker thread, then `done(result)` on this object's thread. Returns
    // false, starting nothing, while `action` still runs.
    template <class Result>
    bool run(const QString& action, std::function<Result()> work,
             std::function<void(const Result&)> done) {
        auto result = std::make_shared<Result>();
        return start(
            action, [work = std::move(work), result] { *result = work(); },
            [done = std::move(done), result] { done(*result); });
    }

    // A service call with one re-login after an expired session, on a fresh API object of
    // kind Api. The account's credentials are copied here, on the GUI thread, since the
    // window may log out while the call runs.
    template <class Api>
    bool call(const QString& action, std::function<bool(Api&)> attempt,
              std::function<void(const ServiceCallResult&)> done) {
        const ReLoginCredentials credentials = ReLoginCredentials::ofCurrentUser();
        return run<ServiceCallResult>(
            action,
            [attempt = std::move(attempt), credentials] {
                return callWithReLogin<Api>(credentials, attempt);
            },
            std::move(done));
    }

    bool isRunning(const QString& action) const { return m_running.contains(action); }
    bool isBusy() const { return !m_running.isEmpty(); }

    // Forgets the calls running now (at logout, say): their results are dropped when
    // they arrive and the runner reads as idle at once.
    void dropRunning();
    // The same for one action, which may then start again.
    void drop(const QString& action);

    // Waits until no worker of any runner is left (their results are then queued, not yet
    // delivered), `msecs` at most (-1: no limit). For tests and the program's end, which
    // cancels the calls first (utils::http_util::cancel_calls) so that this is brief.
    static bool waitForAllCalls(int msecs = -1);

signals:
    // Idle to busy and back; the window shows it (loading animation or wait cursor).
    void busyChanged(bool busy);

private:
    bool start(const QString& action, std::function<void()> work, std::function<void()> deliver);
    void finish(const QString& action);

    QHash<QString, quint64> m_running; // action -> the number of its call
    quint64 m_lastCall = 0;
};
