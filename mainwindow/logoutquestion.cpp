#include "mainwindow/logoutquestion.h"

#include "core/userprompt.h"

#include <QCoreApplication>

bool confirmLogout(QWidget* parent) {
    const auto answer = UserPrompt::current()->warning(
        parent, QCoreApplication::translate("QApplication", "Đăng xuất!"),
        QCoreApplication::translate("QApplication", "Bạn có chắc muốn đăng xuất ?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton);
    return answer == QMessageBox::Ok;
}
