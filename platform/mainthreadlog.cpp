#include "platform/mainthreadlog.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <mutex>
#include <vector>

namespace platform {

namespace {

struct Waiting {
    std::mutex mutex;
    std::vector<QString> messages;
};

Waiting& waiting() {
    static Waiting* const all = new Waiting; // never freed: a thread may still log at exit
    return *all;
}

void logWaiting() {
    std::vector<QString> messages;
    {
        std::lock_guard<std::mutex> lock(waiting().mutex);
        messages.swap(waiting().messages);
    }
    for (const QString& message : messages)
        qWarning("%s", qUtf8Printable(message));
}

} // namespace

void warnOnMainThread(const QString& message) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        qWarning("%s", qUtf8Printable(message));
        return;
    }
    bool post = false;
    {
        std::lock_guard<std::mutex> lock(waiting().mutex);
        post = waiting().messages.empty();
        waiting().messages.push_back(message);
    }
    // Posted with nothing captured: the messages go through the list, under its lock.
    if (post)
        QMetaObject::invokeMethod(
            app, [] { logWaiting(); }, Qt::QueuedConnection);
}

} // namespace platform
