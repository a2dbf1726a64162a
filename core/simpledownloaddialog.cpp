#include "core/simpledownloaddialog.h"

#include "api/curlhandle.h"
#include "core/crypto.h"
#include "core/sizetext.h"
#include "core/timesource.h"
#include "core/windowshape.h"
#include "platform/atomicfile.h"
#include "ui_simpledownloaddialog.h"

#include <QFile>
#include <QHideEvent>
#include <QShowEvent>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr int kTries = 3; // downloads with a wrong digest before giving up
constexpr long kStallBytesPerSecond = 1;
// A transfer that moves (almost) nothing this long is given up.
constexpr std::chrono::milliseconds kStallLimit{60000};
constexpr std::int64_t kReportIntervalMs = 100; // a few progress updates a second at most
constexpr int kLastAbortablePercent = 94;

std::int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int percentOf(std::int64_t total, std::int64_t now) {
    if (total <= 0)
        return 0;
    const double percent = std::floor(static_cast<double>(now) * 100.0 / total);
    return static_cast<int>(std::min(100.0, std::max(0.0, percent)));
}

} // namespace

struct SimpleDownloadDialog::Transfer {
    QByteArray file; // the temporary file the body went to
    QByteArray contentType;
};

SimpleDownloadDialog::SimpleDownloadDialog(const QString& url, const QString& path,
                                           const QString& checksum, const QString& title,
                                           const QString& text, QWidget* parent)
    : QDialog(parent), ui(new Ui::SimpleDownloadDialog), url(url), path(path), checksum(checksum) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_play.png"));
    setWindowTitle(title);
    ui->label->setText(text);
}

SimpleDownloadDialog::~SimpleDownloadDialog() {
    // Destroyed while shown (its parent went away): the worker must not outlive us.
    abortRequested = true;
    if (worker.joinable())
        worker.join();
    delete ui;
}

void SimpleDownloadDialog::reject() {
    if (ui->buttonBox->isEnabled())
        QDialog::reject();
}

void SimpleDownloadDialog::done(int result) {
    resultGiven = true;
    givenResult = result;
    QDialog::done(result);
}

void SimpleDownloadDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimised window is no new download.
    if (event->spontaneous())
        return;
    if (worker.joinable()) { // shown twice without a hide between
        abortRequested = true;
        worker.join();
    }
    abortRequested = false;
    workerResult = -1;
    resultGiven = false;
    givenResult = -1;
    worker = std::thread(&SimpleDownloadDialog::downloadWorker, this, ++showCount);
    setCursor(Qt::BusyCursor);
}

void SimpleDownloadDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    abortRequested = true;
    if (worker.joinable())
        worker.join();
    setCursor(Qt::ArrowCursor);
    // The transfer may have completed just as the user aborted: only a download that is
    // reported as such leaves its file behind.
    if (resultGiven && givenResult != Downloaded && workerResult == Downloaded)
        QFile::remove(path);
}

void SimpleDownloadDialog::finishShow(int result, quint64 show) {
    // A result of an earlier show, or of a show that already ended (Abort), is stale.
    if (show != showCount || resultGiven)
        return;
    done(result);
}

void SimpleDownloadDialog::downloadWorker(quint64 show) {
    lastReportMs = -1;
    abortLocked = false;
    const QByteArray target = QFile::encodeName(path);
    // Only a finished download may be found at the path afterwards.
    ::unlink(target.constData());
    int result = Downloaded;
    for (int triesLeft = kTries;;) {
        Transfer transfer;
        result = transferOnce(transfer);
        if (result != 0)
            break;
        if (!digestMatches(transfer.file)) {
            ::unlink(transfer.file.constData());
            if (--triesLeft > 0)
                continue;
            result = DigestMismatch;
        } else if (transfer.contentType.startsWith("text/")) {
            ::unlink(transfer.file.constData());
            result = TextPage;
        } else if (::rename(transfer.file.constData(), target.constData()) != 0) {
            ::unlink(transfer.file.constData());
            result = TransferFailed;
        } else {
            result = Downloaded;
        }
        break;
    }
    workerResult = result;
    QMetaObject::invokeMethod(this, "finishShow", Qt::QueuedConnection, Q_ARG(int, result),
                              Q_ARG(quint64, show));
}

int SimpleDownloadDialog::transferOnce(Transfer& transfer) {
    // A fresh file of our own (created exclusively, owner only) next to the target; it
    // takes the target's name only once it is complete and checked.
    QByteArray file = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkstemp(file.data());
    if (fd < 0)
        return TransferFailed;
    transfer.file = file;
    FILE* out = ::fdopen(fd, "wb");
    CURL* handle = out ? utils::create_curl_handle() : nullptr;
    if (!handle) {
        out ? std::fclose(out) : ::close(fd);
        ::unlink(file.constData());
        return TransferFailed;
    }
    const QByteArray address = url.toUtf8();
    curl_easy_setopt(handle, CURLOPT_URL, address.constData());
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, out);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &SimpleDownloadDialog::progressCallback);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    // A server that stops sending must not hold the dialog open for ever.
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
    const auto stall = TimeSource::current().duration(TimeSource::Wait::StallLimit, kStallLimit);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                     std::max<long>(1, static_cast<long>((stall.count() + 999) / 1000)));

    const CURLcode code = curl_easy_perform(handle);
    char* type = nullptr;
    if (curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type)
        transfer.contentType = type;
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    curl_off_t got = 0;
    curl_off_t length = -1;
    curl_easy_getinfo(handle, CURLINFO_SIZE_DOWNLOAD_T, &got);
    curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    curl_easy_cleanup(handle);
    // On the disk before it takes the target's name.
    const bool synced = platform::flushAndSync(out);
    const bool written = std::fclose(out) == 0 && synced;

    int result = 0;
    if (code == CURLE_ABORTED_BY_CALLBACK)
        result = Hidden;
    else if (code != CURLE_OK || !written)
        result = TransferFailed;
    else if (status < 200 || status > 299)
        // An error page is no setup program; one in a text type is the text page it is.
        result = transfer.contentType.startsWith("text/") ? TextPage : TransferFailed;
    if (result != 0) {
        ::unlink(file.constData());
        return result;
    }
    reportProgress(length > 0 ? length : 0, got, true);
    return 0;
}

bool SimpleDownloadDialog::digestMatches(const QByteArray& file) const {
    const QByteArray expected = checksum.toLatin1().toLower();
    if (expected.size() != 64)
        return true; // no digest given
    return sha256File(file.toStdString()) == expected.toStdString();
}

void SimpleDownloadDialog::reportProgress(std::int64_t total, std::int64_t now, bool force) {
    const int percent = percentOf(total, now);
    const std::int64_t nowMs = steadyMs();
    const bool lockAbort = percent > kLastAbortablePercent && !abortLocked;
    if (!force && !lockAbort && lastReportMs >= 0 && nowMs - lastReportMs < kReportIntervalMs)
        return;
    lastReportMs = nowMs;
    QMetaObject::invokeMethod(ui->progressBar, "setValue", Qt::QueuedConnection,
                              Q_ARG(int, percent));
    QMetaObject::invokeMethod(
        ui->lblProcess, "setText", Qt::QueuedConnection,
        Q_ARG(QString, formatSize(now) + QLatin1Char('/') + formatSize(total)));
    if (lockAbort) {
        QMetaObject::invokeMethod(ui->buttonBox, "setDisabled", Qt::QueuedConnection,
                                  Q_ARG(bool, true));
        abortLocked = true;
    }
}

int SimpleDownloadDialog::progressCallback(void* client, curl_off_t total, curl_off_t now,
                                           curl_off_t, curl_off_t) {
    auto* dialog = static_cast<SimpleDownloadDialog*>(client);
    if (dialog->abortRequested)
        return 1; // libcurl ends the transfer with CURLE_ABORTED_BY_CALLBACK
    dialog->reportProgress(total, now, false);
    return 0;
}

void SimpleDownloadDialog::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void SimpleDownloadDialog::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
