// Playing a download of the queue: the video check of the play request, the play dialog,
// and what the dialog asks of the queue.
#include "core/userprompt.h"
#include "download/formdownload.h"
#include "media/dialogplayvideo.h"
#include "media/videoplayback.h"
#include "ui_formdownload.h"

void FormDownload::viewVideoOnline() {
    contextPlayVideoOnline();
}

void FormDownload::contextPlayVideoOnline() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Play video online"));
    const QModelIndex current = ui->tableDownloading->selectionModel()->currentIndex();
    const QString name =
        current.isValid() ? downloadModel->index(current.row(), 0).data().toString() : QString();
    const QString suffix = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (!current.isValid() || !videoplay::videoSuffixes().contains(suffix)) {
        UserPrompt::current()->warning(
            this, tr("Thông báo"),
            tr("Chương trình không hỗ trợ mở loại định dạng của tập tin này"));
        return;
    }
    playingRow = current.row();
    playingJob = downloadModel->getJobs().value(playingRow);
    // A child of the tab, which frees it; its modal run delivers the jobs' signals, so
    // rows may move or leave while it is open.
    auto* dialog = new DialogPlayVideo(playingJob, playingRow, this);
    connect(dialog, &DialogPlayVideo::startDownload, this, &FormDownload::startDownloadFromViewDlg);
    connect(dialog, &DialogPlayVideo::stopDownload, this, &FormDownload::stopDownloadFromViewDlg);
    connect(dialog, &DialogPlayVideo::viewOline, this, &FormDownload::changeStatusFile);
    dialog->exec();
}

int FormDownload::playingJobRow() const {
    return playingJob ? downloadModel->getJobs().indexOf(playingJob.data()) : -1;
}

// The row the dialog was opened for may hold another job by now: the request goes to the
// dialog's job where it stands, or nowhere.
void FormDownload::startDownloadFromViewDlg(int) {
    const int row = playingJobRow();
    if (row >= 0)
        downloadModel->queueItem(row);
}

void FormDownload::stopDownloadFromViewDlg(int) {
    const int row = playingJobRow();
    if (row >= 0)
        downloadModel->stopItem(row);
}

void FormDownload::changeStatusFile() {
    if (playingJobRow() >= 0)
        playingJob->setStatusText(tr("View Online"));
}
