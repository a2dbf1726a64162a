#include "mainwindow/programexit.h"

#include "core/userprompt.h"
#include "mainwindow/settingssavereport.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "platform/userfolders.h"

#include <QCoreApplication>

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

} // namespace

void restart() {
    // The new copy reads what was just saved, so it goes to disk first. The user saved what
    // a restart applies (a language, a proxy): a failure is said; the restart goes on.
    QString error;
    if (!SettingsStore().sync(&error))
        settingssavereport::showFailure(nullptr, error);
    if (instanceRelease())
        instanceRelease()();
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
    QString error;
    if (!SettingsStore().sync(&error))
        qWarning("the settings could not be written: %s", qUtf8Printable(error));
    std::exit(status);
}

void setHandler(std::function<void(int)> replacement) {
    handler() = std::move(replacement);
}

} // namespace programexit
