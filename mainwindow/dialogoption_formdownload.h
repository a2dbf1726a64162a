#pragma once
// The options' download page: parallel downloads, retries, the speed limit, starting
// after login, powering off when done, the default folder, and the switches with which
// the browser companions hand links over.
#include "mainwindow/optionspage.h"

namespace Ui {
class dialogoption_formdownload;
}

class dialogoption_formdownload : public OptionsPage {
    Q_OBJECT
public:
    explicit dialogoption_formdownload(QWidget* parent = nullptr);
    ~dialogoption_formdownload() override;

    void saveSettings() override;

private slots:
    void on_btn_chon_clicked();

protected:
    void retranslate() override;

private:
    Ui::dialogoption_formdownload* ui;
};
