#include "mainwindow/programexit.h"

#include "core/userprompt.h"
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
    SettingsStore().sync(); // the new copy reads what was just saved
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
    SettingsStore().sync();
    std::exit(status);
}

void setHandler(std::function<void(int)> replacement) {
    handler() = std::move(replacement);
}

} // namespace programexit
