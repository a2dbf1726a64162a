#pragma once
// The play dialog of a download: plays the job's file in an external player, either
// online from its direct link or, with "download and watch", from the growing local file
// (the offline play) once enough of it has arrived. Installs a missing player on request.
// It borrows the job and never frees it.
#include "core/mediaplayerinfo.h"
#include "core/windowdrag.h"
#include "download/downloadfile.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;
class ServiceCallRunner;

namespace Ui {
class DialogPlayVideo;
}

class DialogPlayVideo : public QDialog {
    Q_OBJECT
public:
    DialogPlayVideo(DownloadFile* job, int row, QWidget* parent = nullptr);
    ~DialogPlayVideo() override;

    // How a missing player is installed: installPlayer unless a test put another in.
    using Installer =
        std::function<void(MEDIAPLAYER_ID, std::function<void(bool)>, QWidget* parent)>;
    static void setInstaller(Installer installer);

signals:
    // Hands a fetched direct link over to the offline play.
    void sigOpenVideoOffline();
    // The download of the dialog's row should run.
    void startDownload(int row);
    // The download of the dialog's row should stop.
    void stopDownload(int row);
    // The file is being viewed online.
    void viewOline();

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A dialog closed while its link is asked for drops the answer; minimised, it keeps it.
    void hideEvent(QHideEvent* event) override;

private slots:
    void on_pushPlayVideo_clicked();
    void on_pushHuy_clicked();
    void getDownloadInfor(QString link);
    void loadAndPlayVideo();
    void openVideoOffline();
    void on_btn_searchSub_clicked();
    void setSubtitle(QString path);

private:
    void saveMediaPlayer();
    void fillJobInfo();
    MEDIAPLAYER_ID chosenPlayer() const;
    void installChosenPlayer(MEDIAPLAYER_ID id);
    // Asks for the job's direct link off the GUI thread and hands it to `use`; a failure
    // is told to the user instead. The dialog shows the wait cursor and takes no second
    // play meanwhile.
    void fetchDirectLink(std::function<void(const QString& location)> use);
    // Starts the chosen player off the GUI thread (a start waits until the new process
    // has run its program), then `started(true or false)` back here.
    void startChosenPlayer(const QString& media, std::function<void(bool started)> then);
    // Says the play step failed; code 11 is a network fault.
    void showFailure(int code);

    // The queue owns the job and may drop it while the dialog is open.
    QPointer<DownloadFile> downloadFile;
    bool playOnline = false;
    Ui::DialogPlayVideo* ui;
    MediaPlayerInfo player;
    QString videoPath;
    QString localFilePath;
    QString subtitlePath;
    int row;
    // The stream choice of the last hand-over to the offline play: give the player the
    // direct link instead of the local file.
    bool playStreamLink = false;
    QString streamLink;
    ServiceCallRunner* linkCalls;
    WindowDrag windowDrag{this};
};
