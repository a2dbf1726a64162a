#pragma once
// Asks where subtitles found for a keyword are to be unpacked.
#include <QDialog>
#include <QString>

namespace Ui {
class setFolderSaveSubtitle;
}

class setFolderSaveSubtitle : public QDialog {
    Q_OBJECT
public:
    explicit setFolderSaveSubtitle(QWidget* parent = nullptr);
    ~setFolderSaveSubtitle() override;

signals:
    void send_SubDowloadFolder(const QString& folder);

private slots:
    void on_selectFolder_clicked();
    void on_btn_OKClick_clicked();
    void on_btn_cancelClink_clicked();

private:
    Ui::setFolderSaveSubtitle* ui;
    QString chosenFolder;
};
