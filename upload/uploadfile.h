#pragma once
// One upload of a local file into a folder of the account: the record the queue shows
// and keeps in its history, and the worker thread that first makes the start checks
// (storage quota, upload location), then sends the file in chunks, resuming from the
// offset the location reports. The job shows no dialogs: it reports through its
// state, its status text and signals.
#include "core/megafile.h"
#include "core/relogin.h"
#include "transfer/speedpacer.h"
#include "transfer/transferprogress.h"

#include <curl/curl.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <chrono>
#include <cstdio>

class UploadFile : public QThread {
    Q_OBJECT
public:
    // What changed, as the second argument of dataChanged.
    enum UploadFileFlags {
        StatusChanged = 3, // state or status text
        ProgressChanged = 4,
        SpeedChanged = 5,
        RemainingChanged = 6,
        UploadDone = 8, // finished: the file's link is known
    };
    Q_ENUM(UploadFileFlags)

    // State codes.
    enum State {
        StateRunning = 0,
        StateQueued = 1,
        StateStopped = 2,
        StateIdle = 3, // new, reading the final reply, or finished (then isFinished())
        StateFailed = 4,
    };

    // `realUrl`: a location kept from an earlier session, which the upload resumes on.
    UploadFile(const MegaFile& folder, const QString& name, const QString& path,
               const QString& desc, const QString& host, const QString& realUrl);
    // Stops a running transfer and waits for the thread: a QThread must not be destroyed
    // while it runs. Every blocking step of the run has a time-out, so the wait ends.
    ~UploadFile() override;

    // Makes the signal argument types known to queued connections.
    static void registerMetaTypes();

    // Called on the GUI thread by the queue: starts the worker thread, which checks the
    // storage quota, asks for an upload location unless one is kept, then sends the file.
    // Returns at once; a refusal sets state 4 on the worker thread, and the run ends
    // with taskUploadDone as always.
    void startUpload();
    // Called on the GUI thread. A running job ends on its own thread as stopped; a job
    // that does not run turns to state 2 at once.
    void stopUpload();
    // Asks the service for an upload location unless one is kept and `force` is false.
    // An expired session logs in again once and asks again. True when the job holds a
    // location; a refusal sets state 4 with the service's message (signalled).
    bool createUploadSession(bool force);

    // Accessors, on any thread: getters return copies; setters signal nothing.
    MegaFile getFolder() const;
    void setFolder(const MegaFile& folder);
    QString getName() const;
    void setName(const QString& value);
    QString getId() const;
    void setId(const QString& value);
    QString getPath() const;
    void setPath(const QString& value);
    QString getDesc() const;
    void setDesc(const QString& value);
    QString getHost() const;
    void setHost(const QString& value);
    QString getRealUrl() const;
    QString getMlink() const;
    void setMlink(const QString& value);
    QString getStatusText() const;
    void setStatusText(const QString& value);
    // "1" while nothing (or only blanks) was set.
    QString getFileSecure() const;
    void setFileSecure(bool secure);
    QString getFileDirectLink() const;
    void setFileDirectLink(bool directLink);
    int getState() const;
    void setState(int value);
    // The upload's own flag (the service returned the file's link), not QThread's.
    bool isFinished() const;
    void setFinished(bool value);
    qint64 getSize() const;
    void setSize(qint64 value);

    double progress() const;
    double speed() const;
    QString remainingText() const;
    // A stored fraction (restored history): shown until the next run reports the offset.
    void setProgress(double fraction);

    // Same upload: same local path, target folder and size.
    bool operator==(const UploadFile& other) const;
    // Copies the record and the tracker's state, not the thread.
    UploadFile& operator=(const UploadFile& other);

    // Test seams: the size of the next chunk (a new job starts at 20000000 bytes), and
    // the clock of the progress tracker, which also times the chunks.
    int chunkSize() const;
    void setChunkSize(int bytes);
    void setClock(TransferProgress::Clock clock);
    // The clock the speed limit is paced by; set before the job starts.
    void setPacerClock(SpeedPacer::Clock clock);

signals:
    void dataChanged(UploadFile* cfile, UploadFile::UploadFileFlags flagChanged);
    // The job's work ended: exactly once for every startUpload.
    void taskUploadDone();
    // The service handed out a new upload location (on the job's own thread), worth
    // keeping for a resume.
    void locationObtained(UploadFile* cfile);

protected:
    // The start checks, then sendFile, then taskUploadDone.
    void run() final;
    // Sends the file from the offset the location holds and sets the final state. Stand-in
    // jobs in tests replace it.
    virtual void sendFile();

    // For stand-in jobs in tests, whose run ends like a real one.
    void setStateAndText(int newState, const QString& text);
    void emitChanged(UploadFileFlags flag) { emit dataChanged(this, flag); }
    // Waits up to `wait` unless a stop is requested; false when one was (before or during).
    bool pauseUnlessStopped(std::chrono::milliseconds wait);

private:
    friend class TestUploadFile; // the speed rule's inputs have no setters

    // How a run ended, which decides the final state.
    enum class Outcome {
        Unstarted,    // no attempt made ("Upload_fail_try" of 0)
        Stopped,      // a stop request
        OutOfRetries, // the attempts ran out after failures
        FinalReply,   // the service answered with the file's link
        Failed,       // state and status text are set already
    };
    enum class StartStep { Done, Expired };
    struct RunContext;

    // The start sequence, on the worker thread: false when the run ends there (the state
    // says why).
    bool beginRun();
    // One round of it; Expired when the session expired and has been logged in again, so
    // that another round may help.
    StartStep tryStart(bool lastRound, bool& gotLocation);
    // A stop asked for before the file is sent: state 2, "Dừng". True when there was one.
    bool endIfStopped();
    StartStep askForSession(bool force, bool lastRound, bool& gotLocation);
    void refuseStart(const QString& text);
    void copyCredentials();
    // The login the job was started under: its calls go out under that login's session,
    // and not at all once it has ended.
    ReLoginCredentials jobCredentials() const;
    // True when the client holds a fresh session for this job's login.
    bool reLogin();

    // The parts of run().
    bool prepare(RunContext& run);
    Outcome transfer(RunContext& run);
    Outcome attempt(RunContext& run, bool& again);
    bool queryOffset(RunContext& run, qint64& offset, Outcome& outcome, bool& again);
    Outcome newSession(RunContext& run, bool& again);
    Outcome sendChunk(RunContext& run, qint64 offset, bool& again);
    Outcome readChunkReply(RunContext& run, long status, bool& again);
    Outcome transportFailure(RunContext& run, const QString& text, bool& again);
    Outcome serverRefusal(RunContext& run, const QString& reason, bool& again);
    Outcome chunkTaken(RunContext& run, bool& again);
    bool applyLocation(RunContext& run);
    void applySpeedCap(RunContext& run);
    void adaptChunkSize();
    void finish(Outcome outcome, RunContext& run);
    void readFinalReply(const QByteArray& reply);
    static QString fileChangedText();
    void emitProgress(bool force);
    // Stops the tracker; the speed and the time left are cleared.
    void endProgress();

    int onProgress(qint64 total, qint64 now);
    size_t onRead(char* buffer, size_t size, size_t count);
    bool waitForLine();
    bool paceSending(size_t bytes);
    int onSeek(curl_off_t offset, int origin);
    static int progressCallback(void* clientp, curl_off_t dltotal, curl_off_t dlnow,
                                curl_off_t ultotal, curl_off_t ulnow);
    static size_t readCallback(char* buffer, size_t size, size_t count, void* userdata);
    static int seekCallback(void* userdata, curl_off_t offset, int origin);
    static int socketOpened(void* clientp, curl_socket_t socket, curlsocktype purpose);
    static int closeSocket(void* clientp, curl_socket_t socket);
    static size_t writeReply(char* data, size_t size, size_t count, void* userdata);

    // Fields shared by the worker thread and the GUI thread live under this lock, held
    // only for copies.
    mutable QMutex fieldsMutex;
    MegaFile folder;
    QString name;
    QString id;
    QString path;
    QString mlink;
    QString desc;
    QString host;
    QString fileSecure;
    QString statusText;
    QString fileDirectLink;
    QString realUrl;
    int state = StateIdle;
    bool finished = false;
    qint64 size = 0;
    TransferProgress tracker{10, &TransferProgress::steadySeconds};
    TransferProgress::Clock clock = &TransferProgress::steadySeconds;
    int nextChunk = 20000000;
    int markCount = 0;
    mutable double storedSpeed = 0; // the speed rule clears it when read
    // The logged-in account as it was at the start, for a re-login on an expired session
    // (the main window may release that record at logout while the job still runs).
    ReLoginCredentials credentials;

    // Worker thread only: the chunk being sent.
    curl_socket_t transferSocket = CURL_SOCKET_BAD; // of the handle's connection
    std::FILE* fileStream = nullptr;
    qint64 chunkStart = 0; // the file offset of the chunk's first byte
    qint64 chunkLength = 0;
    qint64 bytesSupplied = 0;
    enum class ReadError { None, Unreadable, Shorter };
    ReadError readError = ReadError::None; // of the local file while a chunk was read
    // What the job found wrong with the connection while libcurl waited in its callbacks.
    enum class LineFault { None, Stalled, Lost };
    LineFault lineFault = LineFault::None;
    QDeadlineTimer lineQuiet; // runs out when nothing of the chunk has left for sendStall
    // The speed limit: kept across the attempts of a run while the setting stays, so the
    // pauses between chunks count too.
    SpeedPacer pacer;
    SpeedPacer::Clock pacerClock = &std::chrono::steady_clock::now;
    std::chrono::milliseconds sendStall{0};
    double chunkStarted = 0;      // the tracker's clock when the chunk began
    double lastUpdate = 0;        // ... and when the last of its bytes so far left
    QElapsedTimer progressTimer;  // coalesces progress signals

    std::atomic<bool> stopRequested{false};
    std::atomic<bool> runEnded{false}; // the run has released its place; the thread is ending
    QWaitCondition stopWait;
    QMutex stopMutex;
};

Q_DECLARE_METATYPE(UploadFile*)
