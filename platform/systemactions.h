#pragma once
// What the program asks of the operating system beyond files: powering the machine off
// and starting other programs. Everything goes through one replaceable instance, so
// tests record the requests instead of carrying them out.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

struct ProcessResult {
    bool started = false;  // the program could be started at all
    bool finished = false; // it ended on its own within the time allowed
    int exitCode = -1;     // valid when finished
    QByteArray output;     // standard output
    QByteArray errors;     // standard error
};

class SystemActions {
public:
    virtual ~SystemActions();

    // Asks the system to power off; false when the request was refused.
    virtual bool requestPowerOff() = 0;

    // Starts a program that outlives us; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder = QString()) = 0;

    // Runs a program and waits for it (timeoutMs < 0: no limit). A program still
    // running at the time-out is killed.
    virtual ProcessResult runAndWait(const QString& program, const QStringList& arguments,
                                     int timeoutMs = -1,
                                     const QString& workingFolder = QString()) = 0;
};

// The real actions: logind over D-Bus (with systemctl as fallback) and QProcess.
class RealSystemActions : public SystemActions {
public:
    bool requestPowerOff() override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder = QString()) override;
    ProcessResult runAndWait(const QString& program, const QStringList& arguments,
                             int timeoutMs = -1, const QString& workingFolder = QString()) override;
};

// The instance in use: the real one unless a test installed its own.
SystemActions& systemActions();
// Installs a replacement (not owned; null restores the real actions).
void setSystemActions(SystemActions* actions);

// Opens a web page in the desktop's browser (xdg-open) through systemActions(), so
// tests record it instead of starting a browser. False when it could not be started.
bool openUrl(const QString& url);

} // namespace platform
