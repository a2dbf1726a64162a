#pragma once
// The options' upload page: parallel uploads, retries, the speed limit, starting after
// login, powering off when done, and the default folder.
#include <QWidget>

namespace Ui {
class dialogoption_formupload;
}

class dialogoption_formupload : public QWidget {
    Q_OBJECT
public:
    explicit dialogoption_formupload(QWidget* parent = nullptr);
    ~dialogoption_formupload() override;

    void saveSettings();

signals:
    void value_changed();

private slots:
    void on_btn_chon_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::dialogoption_formupload* ui;
};
