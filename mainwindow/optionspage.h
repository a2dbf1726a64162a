#pragma once
// One page of the options dialog. A page loads its values from the settings store when
// it is built (before anyone listens, so loading reports nothing), reports the user's
// changes, and writes its values back when the dialog's OK asks it to. The helpers are
// what the pages share in reading and showing values.
#include <QString>
#include <QWidget>
#include <QtGlobal>

class QLineEdit;
class SettingsStore;

class OptionsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Writes every value of the page, changed or not.
    virtual void saveSettings() = 0;

signals:
    // A change that applies without a restart.
    void value_changed();
    // A change that applies only after a restart (language, connection).
    void value_language_Changed();

protected:
    void changeEvent(QEvent* event) override;
    // Puts the form's texts back in the current language.
    virtual void retranslate() = 0;

    // A stored whole number: `missing` when the key is absent, 0 when it is not a number.
    static int storedNumber(const SettingsStore& settings, const char* key, int missing);
    // The digits of a speed field as KB/s; an empty field is 0.
    static qint64 speedLimitValue(const QLineEdit* field);
    // Puts stored digits into a speed field, shown from their first digit.
    static void showSpeedLimit(QLineEdit* field, const QString& digits);
    // Asks for a folder, starting at the field's folder (the home folder when it is
    // empty), and puts the answer into the field unless it is empty or blank.
    void chooseFolderInto(const QString& caption, QLineEdit* field);
    // The page's screen view for the usage analytics.
    static void sendScreenView(const QString& screenName);
};
