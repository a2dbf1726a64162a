#pragma once
// The options' connection page: no proxy, the system's proxy, or an HTTP proxy typed in.
// Every change here takes effect after a restart, so it reports only
// value_language_Changed().
#include <QWidget>

namespace Ui {
class dialogoption_formconnect;
}

class dialogoption_formconnect : public QWidget {
    Q_OBJECT
public:
    explicit dialogoption_formconnect(QWidget* parent = nullptr);
    ~dialogoption_formconnect() override;

    void saveSettings();

    // The port as stored: a whole number 0..65535, else 0.
    static int portNumber(const QString& text);

signals:
    // Declared like on every page; this page never emits it.
    void value_changed();
    void value_language_Changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::dialogoption_formconnect* ui;
};
