#include "mainwindow/programexit.h"

#include "api/httputil.h"
#include "core/backgroundsaver.h"
#include "core/opensslthreads.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "mainwindow/settingssavereport.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "platform/userfolders.h"
#include "transfer/historyfile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>

namespace programexit {

namespace {

std::function<void(int)>& handler() {
    static std::function<void(int)> installed;
    return installed;
}

std::function<void()>& instanceRelease() {
    static std::function<void()> installed;
    return installed;
}

int remaining(const QDeadlineTimer& deadline) {
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

void letGoOfInstance() {
    if (instanceRelease())
        instanceRelease()();
}

// The lists that closed tabs handed to their writers. Nobody asked for these writes at
// this moment, so a failure is only logged.
void waitForTransferLists() {
    if (!historyfile::waitForWrites(BackgroundSaver::kClosingWaitMs))
        qWarning("the transfer lists are still being written; the program ends without them");
}

} // namespace

void restart() {
    // The new copy reads what was just saved, so it goes to disk first. The user saved what
    // a restart applies (a language, a proxy): a failure is said; the restart goes on.
    QString error;
    if (!SettingsStore().sync(&error))
        settingssavereport::showFailure(nullptr, error);
    // The new copy reads the transfer lists too, at its first login.
    waitForTransferLists();
    letGoOfInstance();
    const QString program = platform::programFilePath();
    if (!platform::systemActions().startDetached(program, {})) {
        UserPrompt::current()->critical(
            nullptr, QCoreApplication::translate("QApplication", "Lỗi!"),
            QCoreApplication::translate("QApplication",
                                        "Không khởi động lại được chương trình. Bạn hãy tự "
                                        "mở lại chương trình."),
            QMessageBox::Ok, QMessageBox::NoButton);
    }
    quit(0);
}

void setInstanceRelease(std::function<void()> release) {
    instanceRelease() = std::move(release);
}

void quit(int status) {
    if (handler()) {
        handler()(status);
        return;
    }
    end(status);
}

void setHandler(std::function<void(int)> replacement) {
    handler() = std::move(replacement);
}

void end(int status) {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // Let go before the disk is waited for: a copy started meanwhile would otherwise hand
    // its command line to this one, which no longer reads it, and end.
    letGoOfInstance();
    // No result is delivered from here on: the event loop is not entered again. The calls
    // wind down while the disk is waited for.
    utils::http_util::cancel_calls();
    QString error;
    if (!SettingsStore().sync(&error))
        qWarning("the settings could not be written: %s", qUtf8Printable(error));
    waitForTransferLists();
    const QDeadlineTimer deadline(kCallsWaitMs);
    const bool callsEnded = ServiceCallRunner::waitForAllCalls(remaining(deadline)) &&
                            utils::http_util::wait_for_calls(remaining(deadline));
    std::fflush(nullptr);
    if (!callsEnded) {
        // A call is still inside libcurl: neither libcurl nor the objects it uses (the
        // client, OpenSSL's own state at exit) may be torn down under it.
        std::_Exit(status);
    }
    curl_global_cleanup();
    opensslThreadCleanup();
    std::exit(status);
}

} // namespace programexit
