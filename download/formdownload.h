#pragma once
// The download tab: the table of running and waiting downloads (the queue model), the
// table of finished downloads, the commands on both, and the per-account history file
// that mirrors them. Owns every job, queued or finished. GUI thread only.
#include "api/file.h"
#include "core/backgroundsaver.h"
#include "core/megafile.h"
#include "download/downloadfile.h"
#include "download/tabledownloadmodel.h"

#include <QList>
#include <QMap>
#include <QModelIndex>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractItemView;
class QMenu;
class QXmlStreamReader;

namespace Ui {
class FormDownload;
}

class FormDownload : public QWidget {
    Q_OBJECT
public:
    explicit FormDownload(QWidget* parent = nullptr);
    ~FormDownload() override;

    // The limit of parallel downloads, passed on as it is (the caller clamps it).
    void setDownloadThreads(int n);
    // Whether a download holds a running place; also says so through isDownloadingSign.
    bool isDownloading();
    // The downloads transferring right now (state 0).
    int countRunningDownloads() const;
    // Writes the queue, then the finished downloads, to the history file: the lists are
    // copied once the events being handled are done, the file is written on the history's
    // own thread.
    void saveAllDownloads();
    // Waits (bounded) until the history file holds the last save asked for, and reports
    // a failed save. For logging out, quitting and powering off.
    void waitForSaves();

public slots:
    void changeStatusFile();
    void on_btnStart_clicked();

signals:
    void downloadComplete();
    void filedownloadDone(DownloadFile* job);
    void filedownloadDone(int row);
    void speedUpdate(double speed);
    void dataChanged(int row);
    void addCompleted();
    void delCompleted();
    void isDownloadingSign(bool downloading);
    // The user chose to restart the program after a download error.
    void restartAsked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    // Playing a download of the queue.
    void startDownloadFromViewDlg(int row);
    void stopDownloadFromViewDlg(int row);
    void contextPlayVideoOnline();
    void viewVideoOnline();

    // Commands and context menus.
    void on_btnPause_clicked();
    void on_btnDel_clicked();
    void on_tableDownloaded_customContextMenuRequested(QPoint pos);
    void on_tableDownloading_customContextMenuRequested(QPoint pos);
    void contextUp_clicked();
    void contextDown_clicked();
    void contextPause_clicked();
    void contextStart_clicked();
    void contextProperties_clicked();
    void contextMoveFirst_clicked();
    void contextMoveLast_clicked();
    void contextOpenFile_clicked();
    void contextOpenFolder_clicked();
    void contextRedownload_clicked();
    void on_btnStartAll_clicked();
    void on_btnPauseAll_clicked();
    void resetFilePassWord(QString password);
    void on_tableDownloading_doubleClicked(QModelIndex index);

    // Adding downloads.
    void on_btnCreate_3_clicked();
    // The records stay the caller's.
    void get_dir(QList<brisko::file*> listFile, QString downloadZip, QString dir,
                 QString password = QString());

    void DownloadComplete(DownloadFile* job);
    void DowloadingResizeColumnStatus();
    // Connected by the main window to its feed downloads; nothing to do here.
    void rss_get_dir(QMap<QString, MegaFile> files, QString dir, QString password = QString());

private:
    friend struct DownloadTabProbe; // the tests

    // History file.
    // Copies what the file keeps of the jobs, in list order, and returns the write of that
    // copy, which the history's own thread runs; its result comes back to reportSave.
    BackgroundSaver::Task saveDownloadList(const QList<DownloadFile*>& jobs) const;
    QList<DownloadFile*> loadDownloadList();
    QList<DownloadFile*> parseDownloadList(QXmlStreamReader& reader);
    void reportSave(int result);
    void addLoadedDownloads(QList<DownloadFile*> jobs);
    QString historyPath() const;

    // Commands.
    QMenu* downloadingMenu();
    QMenu* downloadedMenu();
    QList<int> selectedRows(const QAbstractItemView* table) const;
    bool confirmDelete();
    void removeFinishedRows(QList<int> rows, bool discardJobs);
    void openLocal(const QString& path);
    void runProperties(const QList<DownloadFile*>& jobs);
    void sendClick(const QString& action, const QString& label);
    void showRestartOnError();
    // Frees a job that no list holds any more, once its thread has ended.
    static void discard(DownloadFile* job);
    void addFinishedRow(int row, const DownloadFile* job);

    Ui::FormDownload* ui;
    TableDownloadModel* downloadModel;
    QList<DownloadFile*> downloadedFiles;
    // Writes the history file off the GUI thread; saves asked for while one runs end in
    // one more write with the newest lists.
    BackgroundSaver* historySaver;
    int playingRow = 0;
    // The job handed to the play dialog last; its requests reach this job wherever its
    // row is now, and nothing once it has left the queue.
    QPointer<DownloadFile> playingJob;
    // The queue row of playingJob now, or -1.
    int playingJobRow() const;
};
