#pragma once
// The properties dialog of downloads. For one job it shows the name, size, state, folder,
// share link, password and kept download location, and renames or moves the file and sets
// the password; for several it moves them all to one folder and gives them one password.
// A job whose thread runs keeps its name and folder. The caller saves the list afterwards.
#include "download/downloadfile.h"

#include <QDialog>
#include <QList>

namespace Ui {
class DialogFileInfo;
}

class DialogFileInfo : public QDialog {
    Q_OBJECT
public:
    DialogFileInfo(QList<DownloadFile*> jobs, QWidget* parent = nullptr);
    ~DialogFileInfo() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    // Runs after the dialog has closed with OK (the form wires OK to accept() first).
    void on_buttonBox_accepted();
    void on_btn_browser_clicked();
    void info_changed();

private:
    void loadJobInfo();
    void applyToOne(DownloadFile* job, const QString& name, const QString& folder);
    void applyToSeveral(const QString& folder);
    // Asks to create a missing folder and does; false when it stays missing.
    bool ensureFolder(const QString& folder);
    // Moves the job's file (if there is one yet) to newPath and points the job there;
    // false, with a message, when the job runs or the file could not be moved.
    bool moveJob(DownloadFile* job, const QString& newPath);

    Ui::DialogFileInfo* ui;
    QList<DownloadFile*> jobs; // not owned
};
