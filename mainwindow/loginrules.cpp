#include "mainwindow/loginrules.h"

#include <QRegExp>

namespace loginrules {

bool isEmailAddress(const QString& text) {
    QRegExp pattern(QStringLiteral("^(([A-Za-z0-9]+_+)|([A-Za-z0-9]+\\-+)|([A-Za-z0-9]+\\.+)|"
                                   "([A-Za-z0-9]+\\++))*[A-Za-z0-9]+@((\\w+\\-+)|(\\w+\\.))*"
                                   "\\w{1,63}\\.[a-zA-Z]{2,6}$"),
                    Qt::CaseSensitive, QRegExp::RegExp);
    return pattern.exactMatch(text);
}

bool isPhoneNumber(const QString& text) {
    QRegExp pattern(QStringLiteral("^(0|84)(1[0-9]{9}|9[0-9]{8})"), Qt::CaseSensitive,
                    QRegExp::RegExp);
    return pattern.exactMatch(text);
}

bool isLoginName(const QString& text) {
    return isEmailAddress(text) || isPhoneNumber(text);
}

bool isBlankPassword(const QString& password) {
    return password.trimmed().isEmpty();
}

} // namespace loginrules
