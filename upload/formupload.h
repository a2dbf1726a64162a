#pragma once
// Stand-in for the upload tab until its own change replaces it: it lists what the
// upload dialogs hand it and offers the signals and calls the main window uses. It runs
// no upload, so it is never uploading.
#include "core/megafile.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class UploadFile;

class FormUpload : public QWidget {
    Q_OBJECT
public:
    explicit FormUpload(QWidget* parent = nullptr);

    // Whether an upload runs; also says so through isUploadingSign.
    bool isUploading();
    void setUploadThreads(int n);
    int uploadThreads() const { return threads; }
    bool checkFolderIsUse(QString folderName);
    void showUploadedTab();
    // What the upload dialogs handed over, one "folder: file" line each.
    QStringList received() const;

signals:
    void downloadFile(QStringList links);
    void fileUploadDone(UploadFile* job);
    void uploadComplete();
    void speedUpdate(double speed);
    void isUploadingSign(bool uploading);
    void uploadIntoFolder(QString folderName, QString fileName);

public slots:
    void on_btnStart_clicked();
    void auto_upload();
    void getUploadInforFromDlg(MegaFile folder, QStringList files, QString password,
                               QString description, bool secure, bool directLink);

private:
    QListWidget* list;
    int threads = 2;
};
