#pragma once
// The options' general page: the interface language (one of the translations found in
// the program's lang folder, used from the next start) and the switches for starting
// with the session, hiding in the tray, staying on top and remembering the account.
#include <QWidget>

namespace Ui {
class dialogoption_formgeneral;
}

class dialogoption_formgeneral : public QWidget {
    Q_OBJECT
public:
    explicit dialogoption_formgeneral(QWidget* parent = nullptr);
    ~dialogoption_formgeneral() override;

    void saveSettings();

signals:
    void value_changed();
    // The language changed: it takes effect after a restart.
    void value_language_Changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillLanguages();

    Ui::dialogoption_formgeneral* ui;
};
