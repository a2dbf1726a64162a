#include "platform/mainthread.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <deque>
#include <mutex>

namespace platform {

namespace {

struct Waiting {
    std::mutex mutex;
    std::deque<std::function<void()>> work;
};

Waiting& waiting() {
    static Waiting* const all = new Waiting; // never freed: a thread may still hand work at exit
    return *all;
}

// Runs what waits, oldest first, each taken out only when the one before has returned.
// Every request posts, so a post that is never delivered (its application went, say)
// holds nothing up past the next one; a post that finds the queue emptied by an earlier
// one does nothing.
void runWaiting() {
    static bool running = false; // main thread only
    // A post delivered by the loop of a message box that running work opened: what waits
    // is left to the run below it, which goes on once that work returns.
    if (running)
        return;
    running = true;
    for (;;) {
        std::function<void()> next;
        {
            std::lock_guard<std::mutex> lock(waiting().mutex);
            if (waiting().work.empty())
                break;
            next = std::move(waiting().work.front());
            waiting().work.pop_front();
        }
        next();
    }
    running = false;
}

} // namespace

bool runOnMainThread(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    {
        std::lock_guard<std::mutex> lock(waiting().mutex);
        waiting().work.push_back(std::move(work));
    }
    // Posted with nothing captured: the work goes through the queue, under its lock.
    QMetaObject::invokeMethod(
        app, [] { runWaiting(); }, Qt::QueuedConnection);
    return true;
}

void warnOnMainThread(const QString& message) {
    if (!runOnMainThread([message] { qWarning("%s", qUtf8Printable(message)); }))
        qWarning("%s", qUtf8Printable(message));
}

} // namespace platform
