#pragma once
// The play dialog of a download. A small stand-in until the video player's own change: it
// names the download and offers to download and view it, or to view it online; what it
// asks of the queue comes back through its signals. It borrows the job and never frees it.
#include <QDialog>

class DownloadFile;

class DialogPlayVideo : public QDialog {
    Q_OBJECT
public:
    DialogPlayVideo(DownloadFile* job, int row, QWidget* parent = nullptr);

signals:
    // The download of the dialog's row should run.
    void startDownload(int row);
    // The download of the dialog's row should stop.
    void stopDownload(int row);
    // The file is being viewed online.
    void viewOline();

private:
    int row;
};
