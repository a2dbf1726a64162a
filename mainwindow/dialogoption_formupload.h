#pragma once
// The options' upload page: parallel uploads, retries, the speed limit, starting after
// login, powering off when done, and the default folder.
#include "mainwindow/optionspage.h"

namespace Ui {
class dialogoption_formupload;
}

class dialogoption_formupload : public OptionsPage {
    Q_OBJECT
public:
    explicit dialogoption_formupload(QWidget* parent = nullptr);
    ~dialogoption_formupload() override;

    void saveSettings() override;

private slots:
    void on_btn_chon_clicked();

protected:
    void retranslate() override;

private:
    Ui::dialogoption_formupload* ui;
};
