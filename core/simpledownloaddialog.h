#pragma once
// A small frameless modal window that fetches one file from a URL into a local path,
// shows the progress, optionally checks the file against a SHA-256 digest and refuses a
// text page in place of the file. The outcome is the dialog's result (exec() or the
// finished() signal): see Result.
#include "core/windowdrag.h"

#include <QDialog>
#include <QString>

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <thread>

namespace Ui {
class SimpleDownloadDialog;
}

class SimpleDownloadDialog : public QDialog {
    Q_OBJECT
public:
    enum Result {
        Aborted = QDialog::Rejected, // the user pressed Abort
        Downloaded = QDialog::Accepted,
        TextPage = 10,       // the server answered with a "text/..." content type, any status
        DigestMismatch = 11, // the digest did not match on three downloads in a row
        Hidden = 12,         // the dialog was hidden while the transfer ran
        TransferFailed = 100 // no reply, an HTTP error status, a stall, a local write error
    };

    // checksum: the expected SHA-256 as 64 hex characters (any case); any other length
    // switches the check off.
    SimpleDownloadDialog(const QString& url, const QString& path, const QString& checksum,
                         const QString& title, const QString& text, QWidget* parent = nullptr);
    ~SimpleDownloadDialog() override;

    // Once the download has passed 94 % it can no longer be aborted: the dialog ends by
    // the transfer's own outcome.
    void reject() override;
    void done(int result) override;

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void finishShow(int result, quint64 show);

private:
    struct Transfer;

    void downloadWorker(quint64 show);
    // One download into a fresh temporary file next to the target; 0 or a Result code.
    int transferOnce(Transfer& transfer);
    bool digestMatches(const QByteArray& file) const;
    void reportProgress(std::int64_t total, std::int64_t now, bool force);
    static int progressCallback(void* client, curl_off_t total, curl_off_t now, curl_off_t,
                                curl_off_t);

    Ui::SimpleDownloadDialog* ui;
    const QString url;
    const QString path;
    const QString checksum;
    // Set on the GUI thread when the dialog hides; read by the worker's progress calls.
    std::atomic<bool> abortRequested{false};
    std::thread worker;
    // The worker's own outcome, written before it ends; read on the GUI thread after join.
    std::atomic<int> workerResult{-1};
    quint64 showCount = 0;          // GUI thread: which show a worker's result belongs to
    bool resultGiven = false;       // GUI thread: this show has ended with a result ...
    int givenResult = -1;           // ... and this one
    std::int64_t lastReportMs = -1; // worker only: throttles progress to the GUI
    bool abortLocked = false;       // worker only: the Abort button was switched off
    WindowDrag windowDrag{this};
};
