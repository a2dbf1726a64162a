#include "core/briskologger.h"

#include "api/sessionapi.h"
#include "core/globals.h"

#include <QMutexLocker>

BriskoLogger::BriskoLogger() : QThread(nullptr) {}

BriskoLogger::~BriskoLogger() {
    // The post is bounded by the transfer's connect time-out and low-speed abort.
    wait();
}

void BriskoLogger::log(int accountId, int level, bool isUpload, int speed, int concurrent) {
    {
        QMutexLocker lock(&m_mutex);
        m_accountId = accountId;
        m_level = level;
        // Only downloads are reported; an upload record keeps the earlier type.
        if (!isUpload)
            m_type = QStringLiteral("download");
        m_speed = speed;
        m_concurrent = concurrent;
    }
    // Ignored while a post runs.
    start(QThread::InheritPriority);
}

void BriskoLogger::run() {
    int id, lvl, spd, running;
    std::string kind;
    {
        // A copy, so that a log() during the post can't change what is being sent.
        QMutexLocker lock(&m_mutex);
        id = m_accountId;
        lvl = m_level;
        kind = m_type.toStdString(); // the body is JSON, hence UTF-8
        spd = m_speed;
        running = m_concurrent;
    }
    // Statistics are best effort: the outcome is not looked at and nothing is retried.
    brisko::sessionapi api(&apiClient);
    api.postLog(id, kind, lvl, spd, running);
}
