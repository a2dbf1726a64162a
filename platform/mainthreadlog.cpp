#include "platform/mainthreadlog.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <mutex>
#include <vector>

namespace platform {

namespace {

struct Waiting {
    std::mutex mutex;
    std::vector<std::function<void()>> work;
};

Waiting& waiting() {
    static Waiting* const all = new Waiting; // never freed: a thread may still hand work at exit
    return *all;
}

void runWaiting() {
    std::vector<std::function<void()>> work;
    {
        std::lock_guard<std::mutex> lock(waiting().mutex);
        work.swap(waiting().work);
    }
    for (const auto& each : work)
        each();
}

} // namespace

bool runOnMainThread(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    bool post = false;
    {
        std::lock_guard<std::mutex> lock(waiting().mutex);
        post = waiting().work.empty();
        waiting().work.push_back(std::move(work));
    }
    // Posted with nothing captured: the work goes through the list, under its lock.
    if (post)
        QMetaObject::invokeMethod(
            app, [] { runWaiting(); }, Qt::QueuedConnection);
    return true;
}

void warnOnMainThread(const QString& message) {
    if (!runOnMainThread([message] { qWarning("%s", qUtf8Printable(message)); }))
        qWarning("%s", qUtf8Printable(message));
}

} // namespace platform
