#pragma once
// A stand-in for the system actions in tests: it records every request, carries none
// out, and answers with what the test scripted.
#include "platform/systemactions.h"

#include <QList>
#include <QMutex>

namespace platform {

class RecordingSystemActions : public SystemActions {
public:
    struct Call {
        QString kind; // "poweroff", "detached" or "run"
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    // Installs itself for its lifetime, restoring the real actions afterwards.
    RecordingSystemActions();
    ~RecordingSystemActions() override;

    bool requestPowerOff() override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder = QString()) override;
    ProcessResult runAndWait(const QString& program, const QStringList& arguments,
                             int timeoutMs = -1, const QString& workingFolder = QString()) override;

    QList<Call> calls() const;
    void clear();

    // Answers: power-off and detached starts succeed unless set otherwise; runs answer
    // the queued results in order, then a finished run with exit code 0.
    void setPowerOffResult(bool ok);
    void setStartResult(bool ok);
    void queueRunResult(const ProcessResult& result);

private:
    mutable QMutex m_mutex;
    QList<Call> m_calls;
    QList<ProcessResult> m_runResults;
    bool m_powerOffResult = true;
    bool m_startResult = true;
};

} // namespace platform
