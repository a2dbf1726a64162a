#pragma once
// The options' connection page: no proxy, the system's proxy, or an HTTP proxy typed in.
// Every change here takes effect after a restart, so it reports only
// value_language_Changed().
#include "mainwindow/optionspage.h"

namespace Ui {
class dialogoption_formconnect;
}

class dialogoption_formconnect : public OptionsPage {
    Q_OBJECT
public:
    explicit dialogoption_formconnect(QWidget* parent = nullptr);
    ~dialogoption_formconnect() override;

    void saveSettings() override;

    // The port as stored: a whole number 0..65535, else 0.
    static int portNumber(const QString& text);

protected:
    void retranslate() override;

private:
    Ui::dialogoption_formconnect* ui;
};
