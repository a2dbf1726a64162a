#include "filemanager/namerules.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kMaxNameLength = 100;

} // namespace

QString nameRefusalText(const QString& name) {
    if (name.size() > kMaxNameLength)
        return QCoreApplication::translate("FormManage", "Độ dài tối đa là 100 kí tự");
    if (name.isEmpty())
        return QCoreApplication::translate("FormManage", "Tên tập tin không được phép rỗng.");
    static const QString forbidden = QStringLiteral("\",?!'`\u2014#$%^&*|\\:/><~=+@");
    for (const QChar c : forbidden) {
        if (name.contains(c))
            return QCoreApplication::translate("FormManage",
                                               "Tên tập tin không được chứa kí tự đặt biệt: ") +
                   c;
    }
    return QString();
}

QString passwordStrengthHint(const QString& password) {
    static const QStringList simple = {
        "123456",    "1234567",    "12345678",   "123456789", "012345",   "0123456", "01234567",
        "012345678", "0123456789", "9876543210", "876543210", "76543210", "6543210", "543210",
        "987654321", "87654321",   "7654321",    "654321",    "abc123",   "123abc"};
    const int n = password.size();
    if (n == 0)
        return QString();
    if (n <= 5)
        return QCoreApplication::translate("formChangeFilePassword",
                                           "<font color=\"red\">Mức bảo mật yếu</font>");
    if (simple.contains(password))
        return QCoreApplication::translate("formChangeFilePassword",
                                           "<font color=\"red\">Mật khẩu đơn giản</font>");
    if (n <= 10)
        return QCoreApplication::translate("formChangeFilePassword",
                                           "<font color=\"#A56F09\">Mức bảo mật trung bình</font>");
    return QCoreApplication::translate("formChangeFilePassword",
                                       "<font color=\"Green\">Mức bảo mật cao</font>");
}
