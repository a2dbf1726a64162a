#pragma once
// The properties dialog of downloads. A small stand-in: it shows the jobs and answers OK
// or Cancel; a later change replaces it with the full dialog that edits them.
#include "download/downloadfile.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;

class DialogFileInfo : public QDialog {
    Q_OBJECT
public:
    DialogFileInfo(QList<DownloadFile*> jobs, QWidget* parent = nullptr);
    ~DialogFileInfo() override;

private slots:
    void on_buttonBox_accepted();
    void on_btn_browser_clicked();
    void info_changed();

private:
    QDialogButtonBox* buttonBox = nullptr;
    QList<DownloadFile*> jobs; // not owned
};
