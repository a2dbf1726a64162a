#pragma once
// The upload tab: the table of uploads not finished yet (the queue model), the table of
// finished uploads, the commands on both, and the per-account history file that mirrors
// them. Owns every job, queued or finished, and its upload dialog. GUI thread only.
#include "core/backgroundsaver.h"
#include "core/megafile.h"
#include "upload/tableuploadmodel.h"
#include "upload/uploadfile.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class DialogUpload;
class QAbstractItemView;
class QMenu;

namespace Ui {
class FormUpload;
}

class FormUpload : public QWidget {
    Q_OBJECT
public:
    explicit FormUpload(QWidget* parent = nullptr);
    // Writes the history, then stops every job and waits (bounded) for their threads
    // before anything is freed.
    ~FormUpload() override;

    // The limit of parallel uploads, passed on as it is.
    void setUploadThreads(int n);
    int uploadThreads() const;
    // Whether an upload runs; also says so through isUploadingSign.
    bool isUploading();
    // The finished table comes forward when nothing is selected or running in the queue.
    void showUploadedTab();
    // False when an upload of the queue goes into the folder (by its name).
    bool checkFolderIsUse(QString folder);
    // Writes the queue, then the finished uploads, to the history file: the lists are
    // copied once the events being handled are done, the file is written on the history's
    // own thread.
    void saveUploads();
    // Waits (bounded) until the history file holds the last save asked for, and reports
    // a failed save. For closing and powering off.
    void waitForSaves();

    // New jobs for the chosen files; owned by the caller until handed to the model.
    static QList<UploadFile*> makeUploadFiles(MegaFile folder, QStringList localFile, QString desc,
                                              QString filepass, bool fileSecure,
                                              bool fileDirectLink);

public slots:
    void on_btnStart_clicked();
    void auto_upload();
    void getUploadInforFromDlg(MegaFile folder, QStringList localFile, QString desc,
                               QString filepass, bool fileSecure, bool fileDirectLink);

signals:
    void uploadComplete();
    void downloadFile(QStringList links);
    void fileUploadDone(UploadFile* job);
    void fileUploadDone(int row);
    void speedUpdate(double speed);
    void dataChanged(int row);
    void addCompleted();
    void delCompleted();
    void isUploadingSign(bool uploading);
    void uploadIntoFolder(QString folderName, QString fileName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btnCreate_clicked();
    void on_startAllButton_clicked();
    void on_btnPause_clicked();
    void on_pauseAllButton_clicked();
    void on_btnDel_clicked();
    void on_tableUploading_customContextMenuRequested(QPoint pos);
    void on_tableUploaded_customContextMenuRequested(QPoint pos);
    void contextStart_clicked();
    void contextPause_clicked();
    void contextUp_clicked();
    void contextDown_clicked();
    void contextMoveFirst_clicked();
    void contextMoveLast_clicked();
    void contextExportLinks();
    void contextDownload_clicked();
    void contextOpenFile_clicked();
    void contextOpenFolder_clicked();
    void uploadComplete(UploadFile* cfile);

private:
    friend struct UploadTabProbe; // the tests

    // History file.
    // Copies what the file keeps of the jobs, in list order, and returns the write of that
    // copy, which the history's own thread runs; its result comes back to reportSave.
    BackgroundSaver::Task saveUploadList(const QList<UploadFile*>& jobs) const;
    void reportSave(int result);
    QList<UploadFile*> loadUploadList();
    void placeLoadedUploads(QList<UploadFile*> jobs);
    QString historyPath() const;

    // Commands.
    QMenu* uploadingMenu();
    QMenu* uploadedMenu();
    QList<int> selectedRows(const QAbstractItemView* table) const;
    void removeQueueRows(const QList<int>& rows);
    void removeFinishedRows(const QList<int>& rows);
    QStringList selectedLinks() const;
    void fillFinishedRow(int row, const UploadFile* job);
    void sendClick(const QString& action, const QString& label);
    // Frees a job that no list holds any more, once its thread has ended.
    static void discard(UploadFile* job);

    Ui::FormUpload* ui;
    TableUploadModel* model;
    QList<UploadFile*> uploadedJobs;
    DialogUpload* uploadDialog;
    // Writes the history file off the GUI thread; saves asked for while one runs end in
    // one more write with the newest lists.
    BackgroundSaver* historySaver;
};
