#pragma once
// The words that explain why the service refused a new name or a file password, chosen
// by the program's own rules (the service decides; these only pick the message).
#include <QString>

// The explanation of a refused rename, or "" when none of the name rules applies (the
// service's own message is shown then): over 100 characters, empty, or holding one of
// the characters names may not hold (the first of them in the list's order is named).
QString nameRefusalText(const QString& name);

// The strength hint of a file password as rich text, "" for an empty one: the length
// and a short list of trivial passwords decide, nothing else.
QString passwordStrengthHint(const QString& password);
