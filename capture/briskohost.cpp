// briskohost: the native-messaging host browsers start for the link-capture extension.
#include "capture/nativehost.h"
#include "platform/registry.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <signal.h>

int main(int argc, char** argv) {
    // A browser that closes the pipe before a reply makes the write fail instead of
    // killing the host; the host then ends as at the end of its input. A handler, not
    // SIG_IGN, so that the programs the host starts get the usual disposition back.
    struct sigaction onPipe {};
    onPipe.sa_handler = [](int) {};
    onPipe.sa_flags = SA_RESTART;
    sigemptyset(&onPipe.sa_mask);
    sigaction(SIGPIPE, &onPipe, nullptr);
    QCoreApplication::setOrganizationName(QStringLiteral("Brisko"));
    QCoreApplication::setApplicationName(QStringLiteral("Brisko Tool"));
    QCoreApplication app(argc, argv);

    // The main program lies beside the host, wherever the host was started from.
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString mainProgram =
        QFileInfo(self).absolutePath() + QStringLiteral("/briskotool");
    const QString logFolder = platform::userDataFolder();
    QDir().mkpath(logFolder);

    capture::NativeHost host(stdin, stdout, mainProgram,
                             capture::browserOf(QCoreApplication::arguments().mid(1)),
                             logFolder + QStringLiteral("/briskohost.log"),
                             platform::userRegistry());
    return host.run();
}
