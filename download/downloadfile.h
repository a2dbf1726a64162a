#pragma once
// One download: what to fetch and where to put it, and the worker thread that fetches
// it with its own libcurl handle, resuming a partial file and retrying after failures.
// The job shows no dialogs: it reports through its state, its status text and signals.
#include "core/relogin.h"
#include "transfer/transferprogress.h"

#include <curl/curl.h>

#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <chrono>

struct DownloadAttempt;

class DownloadFile : public QThread {
    Q_OBJECT
public:
    // What changed, as the second argument of dataChanged.
    enum DownloadFileFlags {
        StatusChanged = 3, // state or status text
        ProgressChanged = 4,
        SpeedChanged = 5,
        RemainingChanged = 6,
        DownloadDone = 7, // the file was completed
    };
    Q_ENUM(DownloadFileFlags)

    // State codes.
    enum State {
        StateRunning = 0, // starting or transferring
        StateWaiting = 1, // queued, or waiting before the transfer
        StateStopped = 2,
        StateIdle = 3, // idle, or completed (then isFinished())
        StateFailed = 4,
        StatePassword = 7, // the file needs a password, or the one given is wrong
    };

    DownloadFile(const QString& name, const QString& path, const QString& linkCode,
                 const QString& desc, const QString& typeFile, const QString& zipFlag,
                 const QString& url, const QString& password, qint64 size);
    // Stops a running transfer and waits for the thread: a QThread must not be
    // destroyed while it runs.
    ~DownloadFile() override;

    // Makes the signal argument types known to queued connections.
    static void registerMetaTypes();

    // Called on the GUI thread by the queue when the job gets a running place: checks
    // the target volume, then starts the thread, which first asks for a location unless
    // a kept one can be fetched.
    void startDownload();
    // Called on the GUI thread: stops a running or waiting job.
    void stopDownload();

    // Accessors: getters return copies; setters signal nothing.
    QString getName() const;
    void setName(const QString& value);
    QString getPath() const;
    void setPath(const QString& value);
    QString getDesc() const;
    QString getTypeFile() const;
    QString getSession() const;
    void setSession(const QString& value);
    QString getStatusText() const;
    void setStatusText(const QString& value);
    int getState() const;
    void setState(int value);
    QString getUrl() const;
    QString getLink() const;
    QString getPassword() const;
    void setPassword(const QString& value);
    // The download's own flag (the file is complete), not QThread's.
    bool isFinished() const;
    void setFinished(bool value);
    qint64 getSize() const;

    double progress() const;
    double speed() const;
    QString remainingText() const;
    // A stored fraction of the size (restored history), shown until a run measures its
    // own; -1 for a fresh tracker (re-download).
    void setProgress(double fraction);

    // True once the current start has given its queue place back (see taskDownloadDone).
    bool hasReleasedPlace() const { return slotReleased.load(); }

signals:
    void dataChanged(DownloadFile* dfile, DownloadFile::DownloadFileFlags flagChanged);
    // The job no longer needs its running place. Sent at the first failure that leads to
    // a retry wait and again when the run ends; the queue counts only the first.
    void taskDownloadDone();

protected:
    void run() override;

    // The job's own tools, open to the stand-in jobs of the queue's tests.
    void setStateAndText(int newState, const QString& text);
    void emitChanged(DownloadFileFlags flag) { emit dataChanged(this, flag); }
    // Marks the current start's place as given back and says so.
    void releasePlace();
    void setTracker(const TransferProgress& replacement);

    std::atomic<bool> slotReleased{false};
    std::atomic<bool> stopRequested{false};
    // The run waits on it between attempts; stopDownload wakes it under retryMutex.
    QWaitCondition retryWait;
    QMutex retryMutex;

private:
    friend struct DownloadAttempt;

    // The parts of run().
    enum class Outcome { Completed, Stopped, Failed, Ended };
    struct RunContext;
    Outcome transfer(RunContext& run);
    Outcome attempt(RunContext& run, bool& again);
    Outcome classify(RunContext& run, DownloadAttempt& at, int result, bool& again);
    bool failureWait(RunContext& run);
    Outcome newLocation(RunContext& run, bool& again);
    void failBeforeTransfer(const QString& text);
    void accountWait();
    void configure(RunContext& run);
    void endProgress();
    void finish(Outcome outcome, RunContext& run);

    int onProgress(double dltotal, double dlnow);
    void restartProgress();
    void pause(std::chrono::nanoseconds duration);
    bool isZipDownload() const;
    QString folderOfPath() const;
    bool passesVolumeChecks();
    void copyCredentials();
    // Asks the service for the direct location; true when one was stored in `session`.
    // Runs on the job's own thread.
    bool genLinkDownload();
    bool startThreadOn(const QString& location);
    bool linkRefused(int code, const QString& message);

    static size_t parseHeader(char* line, size_t size, size_t count, void* userdata);
    static size_t writeCallback(char* buffer, size_t size, size_t count, void* userdata);
    static int progressCallback(void* clientp, curl_off_t dltotal, curl_off_t dlnow,
                                curl_off_t ultotal, curl_off_t ulnow);

    // Fields shared by the worker thread and the GUI thread live under this lock, held
    // only for copies.
    mutable QMutex fieldsMutex;
    QString name;
    QString path;
    QString linkCode;
    QString desc;
    QString typeFile;
    QString fileCode;
    QString session;
    QString statusText;
    int state = StateIdle;
    QString zipFlag;
    QString url;
    QString password;
    bool finished = false;
    qint64 size = 0;
    TransferProgress tracker{10};
    // The logged-in account as it was at the start, for the wait of ordinary accounts
    // and a re-login on an expired session.
    ReLoginCredentials credentials;
    int accountLevel = 0;
    // Set by startDownload before the thread starts, read by the run.
    bool askForLocation = false;
};

Q_DECLARE_METATYPE(DownloadFile*)
