// briskotool: the desktop client. One running copy per user; a later start hands its
// command line to the running copy and ends.
#include "core/briskologger.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/opensslthreads.h"
#include "app/startup.h"
#include "core/updatehelper.h"
#include "core/windowposition.h"
#include "mainwindow/mainform.h"
#include "mainwindow/programexit.h"
#include "platform/endsignals.h"
#include "platform/hostconfig.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/userfolders.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTranslator>

#include <curl/curl.h>

#include <cstdio>

namespace {

// BRISKO_PRINT_MESSAGES=1 writes what this copy receives from later copies to the
// standard output, and "ready" once it listens: for watching the hand-over from outside.
void printMessages(SingleInstance& instance) {
    std::printf("ready\n");
    std::fflush(stdout);
    QObject::connect(&instance, &SingleInstance::messageReceived, [](const QString& message) {
        const bool gui = QThread::currentThread() == QCoreApplication::instance()->thread();
        std::printf("message (%s thread): %s\n", gui ? "gui" : "other",
                    message.toUtf8().constData());
        std::fflush(stdout);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication::setDesktopSettingsAware(false);
    // Qt 5 reads translated source texts as UTF-8 already; arguments and paths follow.
    startup::useUtf8ForLocalText();
    QCoreApplication::setOrganizationName(QStringLiteral("Brisko"));
    QCoreApplication::setOrganizationDomain(QString::fromStdString(hosts::webHost()));
    QCoreApplication::setApplicationName(QStringLiteral("Brisko Tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.0"));
    QApplication app(argc, argv);
    windowposition::placeFramelessWindows();

    SingleInstance instance;
    const QString message =
        startup::buildStartupMessage(QCoreApplication::arguments().mid(1), QDir::currentPath());
    if (startup::handOver(instance, message).otherCopyRuns)
        return 0;
    programexit::setInstanceRelease([&instance] { instance.release(); });
    UpdateHelper::setProgramEnd(&programexit::quit);

    SettingsStore settings;
    analytics = new GAnalytics(&app, QStringLiteral("UA-00000000-1"), QString());
    analytics->readSystemInfo();
    statisticsLogger = new BriskoLogger;

    QTranslator translator;
    startup::loadTranslation(translator, settings);
    QTranslator toolkitTranslator;
    startup::loadToolkitTranslation(toolkitTranslator, settings);
    if (instance.lockFailed()) {
        // Without the lock a later copy could not find this one, and two copies would run
        // the same transfers into the same files.
        startup::tellLockFailure(instance.lockFolder());
        programexit::end(1);
    }

    // Never deleted: it lives as long as the process.
    auto* window = new MainForm;
    // From here on a SIGTERM, SIGINT or SIGHUP ends the program through its own end.
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, window, &MainForm::endBySignal);
    window->handleMessage(message);

    curl_global_init(CURL_GLOBAL_ALL);
    opensslThreadSetup();

    QObject::connect(&instance, &SingleInstance::messageReceived, window, &MainForm::handleMessage);
    QObject::connect(window, &MainForm::needtoShow, window,
                     [window] { startup::activateWindow(window); });
    if (qEnvironmentVariableIsSet("BRISKO_PRINT_MESSAGES"))
        printMessages(instance);

    startup::applyProxy(settings);
    startup::installCaBundle(platform::programFolder() + QStringLiteral("/ca.crt"));
    // What the install script of a self-update left, for the login's update check.
    UpdateHelper::foldInstallStatus();

    window->showLogin(true);
    // The same end as a quit from a window: calls cancelled, libcurl and the TLS locking
    // cleaned up once none is inside them.
    programexit::end(app.exec());
}
