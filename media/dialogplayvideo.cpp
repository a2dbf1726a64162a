#include "media/dialogplayvideo.h"

#include "core/busycursor.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/playerinstall.h"
#include "core/servicecallrunner.h"
#include "core/sizetext.h"
#include "core/userprompt.h"
#include "core/windowshape.h"
#include "download/downloadfile.h"
#include "media/searchsubtitleonline.h"
#include "media/videoplayback.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogplayvideo.h"

#include <QApplication>
#include <QDir>
#include <QHideEvent>
#include <QFileInfo>
#include <QPointer>

namespace {

constexpr int kNetworkErrorCode = 11;

DialogPlayVideo::Installer& currentInstaller() {
    static DialogPlayVideo::Installer installer = installPlayer;
    return installer;
}

} // namespace

void DialogPlayVideo::setInstaller(Installer installer) {
    currentInstaller() = installer ? std::move(installer) : Installer(installPlayer);
}

DialogPlayVideo::DialogPlayVideo(DownloadFile* job, int row, QWidget* parent)
    : QDialog(parent), downloadFile(job), ui(new Ui::DialogPlayVideo), row(row),
      linkCalls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    showWaitCursorWhileBusy(linkCalls, this);
    connect(linkCalls, &ServiceCallRunner::busyChanged, ui->pushPlayVideo,
            [this](bool busy) { ui->pushPlayVideo->setEnabled(!busy); });
    SettingsStore settings;
    // New window flags make the window anew, which drops the form's modality.
    const Qt::WindowModality modality = windowModality();
    if (settings.boolean(SettingsKeys::StayOnTop))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(modality);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_download.png"));
    if (settings.text(SettingsKeys::MediaPlayer) == QLatin1String("MPC"))
        ui->MediaClassic->setChecked(true);
    else
        ui->VLC->setChecked(true);
    if (downloadFile)
        localFilePath = downloadFile->getPath();
    fillJobInfo();
    connect(this, &DialogPlayVideo::sigOpenVideoOffline, this, &DialogPlayVideo::openVideoOffline);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog play video"));
}

DialogPlayVideo::~DialogPlayVideo() {
    delete ui;
}

void DialogPlayVideo::fillJobInfo() {
    if (!downloadFile)
        return;
    ui->lblFileName->setText(downloadFile->getName());
    ui->lblFileSize->setText(formatSize(downloadFile->getSize()));
}

MEDIAPLAYER_ID DialogPlayVideo::chosenPlayer() const {
    if (!ui->VLC->isChecked() && ui->MediaClassic->isChecked())
        return MEDIAPLAYER_MPCHC;
    return MEDIAPLAYER_VLC;
}

void DialogPlayVideo::on_pushPlayVideo_clicked() {
    const QMap<MEDIAPLAYER_ID, QString> players = findPlayerPath();
    const MEDIAPLAYER_ID id = chosenPlayer();
    if (!players.contains(id)) {
        const QMessageBox::StandardButton answer = UserPrompt::current()->warning(
            this, tr("Thông báo"),
            tr("Chương trình xem video bạn chọn chưa được cài đặt.<br>Bạn có muốn cài đặt để "
               "xem video không?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            installChosenPlayer(id);
        return;
    }
    player.id = id;
    player.text = id == MEDIAPLAYER_VLC ? QStringLiteral("VLC") : QStringLiteral("MPC");
    player.path = players.value(id);
    if (ui->downAndView->isChecked()) {
        loadAndPlayVideo();
        return;
    }
    playOnline = true;
    fetchDirectLink([this](const QString& location) { getDownloadInfor(location); });
}

void DialogPlayVideo::installChosenPlayer(MEDIAPLAYER_ID id) {
    setEnabled(false);
    setCursor(Qt::WaitCursor);
    // The answer may come on the installer's thread, after the dialog is gone: it reaches
    // the dialog only on the GUI thread, and only while the dialog lives.
    QPointer<DialogPlayVideo> dialog(this);
    auto done = [dialog](bool installed) {
        QMetaObject::invokeMethod(
            qApp,
            [dialog, installed] {
                if (!dialog)
                    return;
                dialog->setCursor(Qt::ArrowCursor);
                dialog->setEnabled(true);
                if (installed)
                    QMetaObject::invokeMethod(dialog->ui->pushPlayVideo, "clicked",
                                              Qt::QueuedConnection, Q_ARG(bool, false));
            },
            Qt::QueuedConnection);
    };
    currentInstaller()(id, done, this);
}

void DialogPlayVideo::showFailure(int code) {
    if (code == kNetworkErrorCode)
        UserPrompt::current()->critical(this, tr("Lỗi!"),
                                        tr("Lỗi kết nối mạng. \nVui lòng kiểm tra lại"));
    else
        UserPrompt::current()->critical(this, tr("Lỗi!"), tr("Thực hiện không thành công."));
}

void DialogPlayVideo::loadAndPlayVideo() {
    playOnline = false;
    fetchDirectLink([this](const QString& location) { getDownloadInfor(location); });
}

void DialogPlayVideo::fetchDirectLink(std::function<void(const QString& location)> use) {
    if (!downloadFile) {
        showFailure(-1);
        return;
    }
    const QString shareLink = downloadFile->getUrl();
    const QString password = downloadFile->getPassword();
    const ReLoginCredentials credentials = ReLoginCredentials::ofCurrentUser();
    linkCalls->run<videoplay::DirectLink>(
        QStringLiteral("direct link"),
        [shareLink, password, credentials] {
            return videoplay::requestDirectLink(shareLink, password, credentials);
        },
        [this, use = std::move(use)](const videoplay::DirectLink& link) {
            if (link.ok())
                use(link.location);
            else
                showFailure(link.code);
        });
}

void DialogPlayVideo::startChosenPlayer(const QString& media,
                                        std::function<void(bool started)> then) {
    linkCalls->run<bool>(
        QStringLiteral("player"),
        [player = player, media, subtitle = subtitlePath] {
            return player.startPlayer(media, subtitle);
        },
        [then = std::move(then)](const bool& started) { then(started); });
}

void DialogPlayVideo::hideEvent(QHideEvent* event) {
    // The window manager hides a minimised window (a spontaneous hide): the dialog is
    // still there and its link still wanted.
    if (!event->spontaneous())
        linkCalls->dropRunning();
    QDialog::hideEvent(event);
}

void DialogPlayVideo::getDownloadInfor(QString link) {
    if (playOnline) {
        // Without a location, or when the player does not start, the user may choose again.
        if (link.isEmpty()) {
            showFailure(-1);
            return;
        }
        videoPath = link;
        startChosenPlayer(videoPath, [this](bool started) {
            if (!started) {
                showFailure(-1);
                return;
            }
            emit viewOline();
            playOnline = false;
            saveMediaPlayer();
            close();
        });
        return;
    }
    if (link.isEmpty())
        return;
    playStreamLink = videoplay::streamsFromLink(link);
    streamLink = link;
    emit sigOpenVideoOffline();
}

void DialogPlayVideo::openVideoOffline() {
    if (!downloadFile) {
        showFailure(-1);
        return;
    }
    videoPath = downloadFile->getPath();
    if (!videoplay::isVideoName(QFileInfo(videoPath).fileName())) {
        UserPrompt::current()->warning(
            this, tr("Thông báo"), tr("Chương trình không hỗ trợ mở loại định dạng của tập tin này"),
            QMessageBox::Ok);
        close();
        return;
    }
    const double fraction = videoplay::downloadedFraction(videoPath, downloadFile->getSize());
    if (fraction >= videoplay::kPlayableFraction) {
        emit startDownload(row);
        const QString media = playStreamLink ? streamLink : QDir::toNativeSeparators(videoPath);
        startChosenPlayer(media, [this](bool started) {
            if (!started) {
                showFailure(-1);
                return;
            }
            // Playing now: a request waiting for this very download is done with.
            videoplay::clearPendingVideo(videoPath);
            saveMediaPlayer();
            close();
        });
        return;
    }
    if (videoplay::isVideoPending() && videoplay::pendingVideoPath() == videoPath) {
        UserPrompt::current()->warning(this, tr("Thông báo"),
                                       tr("Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn "
                                          "1% thì chương trình sẽ tự động mở video này."),
                                       QMessageBox::Ok);
        close();
        return;
    }
    const QMessageBox::StandardButton answer = UserPrompt::current()->warning(
        this, tr("Thông báo"),
        tr("Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này."),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer == QMessageBox::Ok) {
        emit startDownload(row);
        videoplay::setPendingVideo(videoPath, player, playStreamLink, streamLink);
        saveMediaPlayer();
    }
    close();
}

void DialogPlayVideo::on_btn_searchSub_clicked() {
    QPointer<SearchSubtitleOnline> search = new SearchSubtitleOnline(false, localFilePath, this);
    connect(search, &SearchSubtitleOnline::readyGetSubtitleOnline, this,
            &DialogPlayVideo::setSubtitle);
    subtitlePath.clear();
    search->exec();
    if (search)
        search->deleteLater();
}

void DialogPlayVideo::setSubtitle(QString path) {
    subtitlePath = path;
}

void DialogPlayVideo::saveMediaPlayer() {
    SettingsStore().setValue(SettingsKeys::MediaPlayer, ui->MediaClassic->isChecked()
                                                            ? QStringLiteral("MPC")
                                                            : QStringLiteral("VLC"));
}

void DialogPlayVideo::on_pushHuy_clicked() {
    close();
}

void DialogPlayVideo::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's texts empty the job's name and size.
        fillJobInfo();
    }
}

void DialogPlayVideo::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogPlayVideo::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
