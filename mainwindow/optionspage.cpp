#include "mainwindow/optionspage.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/userprompt.h"
#include "platform/settingsstore.h"

#include <QDir>
#include <QEvent>
#include <QLineEdit>

void OptionsPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

int OptionsPage::storedNumber(const SettingsStore& settings, const char* key, int missing) {
    const QString name = QLatin1String(key);
    return settings.contains(name) ? settings.integer(name, 0) : missing;
}

qint64 OptionsPage::speedLimitValue(const QLineEdit* field) {
    return field->text().toLongLong(nullptr, 10); // the mask lets only digits in
}

void OptionsPage::showSpeedLimit(QLineEdit* field, const QString& digits) {
    field->setText(digits);
    // The input mask leaves the cursor after its last place, which scrolls the first
    // digits out of the narrow field; the cursor goes right after the digits instead.
    field->setCursorPosition(field->text().size());
}

void OptionsPage::chooseFolderInto(const QString& caption, QLineEdit* field) {
    const QString start = field->text().isEmpty() ? QDir::homePath() : field->text();
    const QString folder = UserPrompt::current()->chooseFolder(this, caption, start);
    if (!folder.trimmed().isEmpty())
        field->setText(folder);
}

void OptionsPage::sendScreenView(const QString& screenName) {
    if (analytics)
        analytics->sendAppview(QString(), QString(), screenName);
}
