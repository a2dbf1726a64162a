#pragma once
// What the login dialog accepts as a login name: an e-mail address or a Vietnamese
// mobile number, each matched against the whole text. No widgets.
#include <QString>

namespace loginrules {

bool isEmailAddress(const QString& text);
bool isPhoneNumber(const QString& text);
// Either of the two.
bool isLoginName(const QString& text);
// A password made only of blanks counts as none.
bool isBlankPassword(const QString& password);

} // namespace loginrules
