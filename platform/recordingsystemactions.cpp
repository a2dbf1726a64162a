#include "platform/recordingsystemactions.h"

#include <QMutexLocker>

namespace platform {

RecordingSystemActions::RecordingSystemActions() {
    setSystemActions(this);
}

RecordingSystemActions::~RecordingSystemActions() {
    if (&systemActions() == this)
        setSystemActions(nullptr);
}

bool RecordingSystemActions::requestPowerOff() {
    QMutexLocker lock(&m_mutex);
    m_calls.append({QStringLiteral("poweroff"), QString(), QStringList(), QString()});
    return m_powerOffResult;
}

bool RecordingSystemActions::startDetached(const QString& program, const QStringList& arguments,
                                           const QString& workingFolder) {
    QMutexLocker lock(&m_mutex);
    m_calls.append({QStringLiteral("detached"), program, arguments, workingFolder});
    return m_startResult;
}

ProcessResult RecordingSystemActions::runAndWait(const QString& program,
                                                 const QStringList& arguments, int timeoutMs,
                                                 const QString& workingFolder) {
    QMutexLocker lock(&m_mutex);
    m_calls.append({QStringLiteral("run"), program, arguments, workingFolder});
    if (!m_runResults.isEmpty())
        return m_runResults.takeFirst();
    ProcessResult done;
    done.started = true;
    done.finished = true;
    done.exitCode = 0;
    return done;
}

QList<RecordingSystemActions::Call> RecordingSystemActions::calls() const {
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void RecordingSystemActions::clear() {
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
    m_runResults.clear();
}

void RecordingSystemActions::setPowerOffResult(bool ok) {
    QMutexLocker lock(&m_mutex);
    m_powerOffResult = ok;
}

void RecordingSystemActions::setStartResult(bool ok) {
    QMutexLocker lock(&m_mutex);
    m_startResult = ok;
}

void RecordingSystemActions::queueRunResult(const ProcessResult& result) {
    QMutexLocker lock(&m_mutex);
    m_runResults.append(result);
}

} // namespace platform
