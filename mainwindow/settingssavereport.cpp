#include "mainwindow/settingssavereport.h"

#include "core/userprompt.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QPointer>

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
    const QPointer<QWidget> owner = window;
    SettingsStore().whenSaved(window, [owner](bool saved, const QString& reason) {
        if (!saved)
            showFailure(owner, reason);
    });
}

} // namespace settingssavereport
