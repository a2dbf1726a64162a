#pragma once
// What the options pages share: reading stored numbers the way the pages show them, the
// speed-limit field, the folder chooser and the screen view each page reports.
#include <QString>
#include <QtGlobal>

class QLineEdit;
class QWidget;
class SettingsStore;

namespace optionspage {

// A stored whole number: `missing` when the key is absent, 0 when its text is not a number.
int storedNumber(const SettingsStore& settings, const char* key, int missing);

// A switch that counts as on while it is missing (the browser-capture switches).
bool storedSwitchOnWhenMissing(const SettingsStore& settings, const char* key);

// The digits of a speed field as a number of KB/s; an empty field is 0.
qint64 speedLimitValue(const QLineEdit* field);

// Asks for a folder, starting at the field's folder (the home folder when it is empty),
// and puts the answer into the field unless it is empty or blank.
void chooseFolderInto(QWidget* page, const QString& caption, QLineEdit* field);

// The page's screen view for the usage analytics.
void sendScreenView(const QString& screenName);

} // namespace optionspage
