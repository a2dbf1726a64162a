#pragma once
// The options' general page: the interface language (one of the translations found in
// the program's lang folder, used from the next start) and the switches for starting
// with the session, hiding in the tray, staying on top and remembering the account.
#include "mainwindow/optionspage.h"

namespace Ui {
class dialogoption_formgeneral;
}

class dialogoption_formgeneral : public OptionsPage {
    Q_OBJECT
public:
    explicit dialogoption_formgeneral(QWidget* parent = nullptr);
    ~dialogoption_formgeneral() override;

    void saveSettings() override;

protected:
    void retranslate() override;

private:
    void fillLanguages();

    Ui::dialogoption_formgeneral* ui;
};
