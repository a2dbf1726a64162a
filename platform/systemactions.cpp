#include "platform/systemactions.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>

#include <atomic>

namespace {

std::atomic<platform::SystemActions*> g_override{nullptr};

bool powerOffThroughLogind() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface manager(QStringLiteral("org.freedesktop.login1"),
                           QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), bus);
    if (!manager.isValid())
        return false;
    // Not interactive: the request usually comes when nobody is at the machine.
    const QDBusMessage reply = manager.call(QStringLiteral("PowerOff"), false);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qWarning("logind refused to power off: %s", qPrintable(reply.errorMessage()));
        return false;
    }
    return true;
}

} // namespace

namespace platform {

SystemActions::~SystemActions() = default;

bool RealSystemActions::requestPowerOff() {
    if (powerOffThroughLogind())
        return true;
    const ProcessResult result =
        runAndWait(QStringLiteral("systemctl"), {QStringLiteral("poweroff")}, 30000);
    return result.finished && result.exitCode == 0;
}

bool RealSystemActions::startDetached(const QString& program, const QStringList& arguments,
                                      const QString& workingFolder) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    // A started program never shares our streams: a companion's standard output is a
    // browser's message channel.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

ProcessResult RealSystemActions::runAndWait(const QString& program, const QStringList& arguments,
                                            int timeoutMs, const QString& workingFolder) {
    ProcessResult result;
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return result;
    result.started = true;
    if (!process.waitForFinished(timeoutMs < 0 ? -1 : timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
    } else {
        result.finished = process.exitStatus() == QProcess::NormalExit;
        result.exitCode = process.exitCode();
    }
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

SystemActions& systemActions() {
    static RealSystemActions real;
    SystemActions* actions = g_override.load();
    return actions ? *actions : real;
}

void setSystemActions(SystemActions* actions) {
    g_override.store(actions);
}

bool openUrl(const QString& url) {
    return systemActions().startDetached(QStringLiteral("xdg-open"), {url});
}

} // namespace platform
