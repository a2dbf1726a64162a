// Playing a download of the queue. Small stand-ins: a later change opens the play dialog
// from here and replaces them.
#include "core/userprompt.h"
#include "download/formdownload.h"
#include "ui_formdownload.h"

#include <QStringList>

namespace {

const QStringList& videoSuffixes() {
    static const QStringList suffixes = {
        "mkv", "avi", "flv", "dat", "wmv", "rm",  "swf",  "mov",  "mpeg", "mp4",  "mpg",  "m1v",
        "m2v", "mod", "mpa", "ifo", "vob", "m4v", "mp4v", "3gp",  "3gpp", "3gp2", "m2ts", "m2t",
        "mts", "ts",  "tts", "ogm", "ogv", "mvb", "ra",   "webm", "asf",  "h264"};
    return suffixes;
}

} // namespace

void FormDownload::viewVideoOnline() {
    contextPlayVideoOnline();
}

void FormDownload::contextPlayVideoOnline() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Play video online"));
    const QModelIndex current = ui->tableDownloading->selectionModel()->currentIndex();
    const QString name =
        current.isValid() ? downloadModel->index(current.row(), 0).data().toString() : QString();
    const QString suffix = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (!current.isValid() || !videoSuffixes().contains(suffix)) {
        UserPrompt::current()->warning(
            this, tr("Thông báo"),
            tr("Chương trình không hỗ trợ mở loại định dạng của tập tin này"));
        return;
    }
    // Stand-in: the play dialog for this row opens here once it exists.
    playingRow = current.row();
}

void FormDownload::startDownloadFromViewDlg(int row) {
    downloadModel->queueItem(row);
}

void FormDownload::stopDownloadFromViewDlg(int row) {
    downloadModel->stopItem(row);
}

void FormDownload::changeStatusFile() {
    // Rows may have left the table while the play dialog was open.
    if (DownloadFile* job = downloadModel->getJobs().value(playingRow))
        job->setStatusText(tr("View Online"));
}
