#include "mainwindow/settingssavereport.h"

#include "core/userprompt.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>

namespace settingssavereport {

void showFailure(QWidget* parent, const QString& reason) {
    UserPrompt::current()->critical(
        parent, QCoreApplication::translate("QApplication", "Lỗi!"),
        QCoreApplication::translate("QApplication",
                                    "Không lưu được tùy chỉnh (%1). Các thay đổi sẽ mất khi "
                                    "chương trình khởi động lại.")
            .arg(reason),
        QMessageBox::Ok, QMessageBox::NoButton);
}

void whenNotSaved(QWidget* window) {
    // Not called once the window is gone. Called among the work handed to the main thread,
    // in turn: outcomes and warnings that come after it wait while its box is open.
    SettingsStore().whenSaved(window, [window](bool saved, const QString& reason) {
        if (!saved)
            showFailure(window, reason);
    });
}

} // namespace settingssavereport
