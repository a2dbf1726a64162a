#pragma once
// The properties dialog of downloads. For one job it shows the name, size, state, folder,
// share link, password and kept download location, and renames or moves the file and sets
// the password; for several it moves them all to one folder and gives them one password.
// A job whose thread runs keeps its name and folder. The caller saves the list afterwards.
#include "core/windowdrag.h"
#include "download/downloadfile.h"

#include <QDialog>
#include <QList>

#include <functional>

namespace Ui {
class DialogFileInfo;
}

class DialogFileInfo : public QDialog {
    Q_OBJECT
public:
    // Every job of the tab, whose paths a renamed or moved job may not take. Asked when
    // the changes are applied: jobs come and go while the dialog is open.
    using TabJobs = std::function<QList<DownloadFile*>()>;
    DialogFileInfo(QList<DownloadFile*> jobs, QWidget* parent = nullptr, TabJobs tabJobs = {});
    ~DialogFileInfo() override;

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
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
    // Whether newPath is a file on disk or another job's path.
    bool pathTaken(const DownloadFile* job, const QString& newPath) const;
    // Moves the job's file (if there is one yet) to newPath and points the job there;
    // false, with a message, when the job runs or the file could not be moved.
    bool moveJob(DownloadFile* job, const QString& newPath);
    enum class Copied { Done, Failed, JobStarted };
    // Copies the job's file to another file system on a thread of its own, while a
    // loading box shows, then lets the original go; the job must not have started
    // meanwhile, else the copy goes and the job keeps its file.
    Copied copyJobFile(DownloadFile* job, const QString& from, const QString& to);
    void refuseBusy(const DownloadFile* job);

    Ui::DialogFileInfo* ui;
    QList<DownloadFile*> jobs; // not owned
    TabJobs tabJobs;           // the jobs it gives are not owned
    WindowDrag windowDrag{this};
};
