#include "download/folderquestion.h"

#include "core/userprompt.h"

#include <QCoreApplication>
#include <QDir>

bool ensureFolderAsked(QWidget* parent, const QString& folder, const QString& failure) {
    if (QDir(folder).exists())
        return true;
    const QString title =
        QCoreApplication::translate("QApplication", QT_TRANSLATE_NOOP("QApplication", "Folder"));
    const auto answer = UserPrompt::current()->warning(
        parent, title,
        QCoreApplication::translate(
            "QApplication",
            QT_TRANSLATE_NOOP("QApplication",
                              "Thư mục không tồn tại, bạn có muốn tạo thư mục này không?")),
        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return false;
    if (QDir().mkdir(folder))
        return true;
    UserPrompt::current()->critical(parent, title, failure);
    return false;
}
