// The worker thread of a download job: fetches the kept location into the local file
// with one libcurl handle, resuming a partial file, retrying after failures, asking for
// a new location when the old one expired, and honouring stop requests.
#include "core/timesource.h"
#include "download/downloadfile.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "transfer/downloadlocation.h"
#include "transfer/speedpacer.h"
#include "transfer/transferenvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <unistd.h>

namespace {

using std::chrono::milliseconds;

constexpr int kFirstRetryWaitMs = 10000;
constexpr int kRetryWaitStepMs = 1000;
constexpr int kLastRetryWaitMs = 21000; // reaching it ends the run: 11 attempts in all
constexpr milliseconds kAccountWaitStep{1000};
constexpr milliseconds kStallLimit{60000};
// Large receive buffers keep the per-callback cost low on fast links; with a speed
// limit the buffer never exceeds one second's worth, so the limit stays smooth.
constexpr long kReceiveBuffer = 512 * 1024;
constexpr long kSmallestReceiveBuffer = 1024; // libcurl's minimum
constexpr size_t kFileBuffer = 1024 * 1024;
constexpr qint64 kLowDiskSpace = 102400;

bool isSuccess(long status) {
    return status >= 200 && status <= 299;
}

// A byte count as HTTP writes it: decimal digits only, within 64 bits.
bool readCount(const QByteArray& text, qint64& count) {
    if (text.isEmpty() || text.size() > 19)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    count = text.toLongLong(&ok);
    return ok;
}

// "name: value" of a header line, or false when the line is not that header.
bool headerValue(const QByteArray& line, const char* name, QByteArray& value) {
    const int colon = line.indexOf(':');
    if (colon < 0 || line.left(colon).trimmed().toLower() != name)
        return false;
    value = line.mid(colon + 1).trimmed();
    return true;
}

} // namespace

// One request of a run and what its answer said.
struct DownloadAttempt {
    DownloadFile* job = nullptr;
    FILE* file = nullptr;
    qint64 offset = 0; // bytes on disk before the body (0 once a restart truncated them)
    qint64 limit = -1; // the length the file must end with when the service gave it
    long status = 0;   // of the response being received
    qint64 contentLength = -1;
    qint64 rangeFirst = -1;
    qint64 rangeLast = -1;
    qint64 rangeTotal = -1;
    bool chunked = false;       // the body's framing marks its end: libcurl checks it came
    bool answered = false;      // a status line came: the location answers
    bool bodyChecked = false;   // the final answer's headers have been judged
    bool discard = false;       // the final status is not a success: the body is dropped
    bool rangeMismatch = false; // a partial answer that doesn't continue the file
    bool overrun = false;       // the body went on past the file's length: cut there
    bool writeFailed = false;
    bool badNumber = false; // a length or range that cannot be used: refused
    bool stopped = false;   // the write callback saw the stop
    qint64 received = 0;    // body bytes of this attempt, kept or dropped
    qint64 kept = 0;        // of them, written to the file
    SpeedPacer pacer;

    void newResponse(long code) {
        status = code;
        contentLength = rangeFirst = rangeLast = rangeTotal = -1;
        chunked = false;
    }

    void readContentRange(const QByteArray& value) {
        // "bytes first-last/total" or "bytes */total". Only "*" leaves the total unknown:
        // a total that is no count, or ends before the range does, makes the answer unusable.
        const QByteArray spec = value.mid(value.indexOf(' ') + 1).trimmed();
        const int slash = spec.indexOf('/');
        const QByteArray range = spec.left(slash);
        const int dash = range.indexOf('-');
        qint64 first = -1;
        qint64 last = -1;
        if (dash < 0 || !readCount(range.left(dash).trimmed(), first) ||
            !readCount(range.mid(dash + 1).trimmed(), last) || last < first)
            first = last = -1;
        rangeFirst = first;
        rangeLast = last;
        const QByteArray totalText = slash >= 0 ? spec.mid(slash + 1).trimmed() : QByteArray();
        qint64 total = -1;
        if (totalText == "*")
            rangeTotal = -1;
        else if (readCount(totalText, total) && total > last)
            rangeTotal = total;
        else
            badNumber = true;
    }

    // Decided once the final answer's headers are in (or, failing that, on the first
    // body byte). False aborts.
    bool checkAnswer() {
        bodyChecked = true;
        if (!isSuccess(status)) {
            discard = true;
            return true;
        }
        if (status == 200 && offset > 0) {
            // The server sends the whole file instead of the rest: start it afresh, before
            // any body byte, so that an empty body never leaves the old bytes standing.
            if (fflush(file) != 0 || ftruncate(fileno(file), 0) != 0) {
                writeFailed = true;
                return false;
            }
            offset = 0;
            job->restartProgress();
        } else if (status == 206 && rangeFirst != offset) {
            // Also a part that doesn't say where it starts: appending it could only guess.
            rangeMismatch = true;
            return false;
        } else if (status == 206) {
            // A length that isn't the range's leaves unknown which bytes the body holds.
            if (contentLength >= 0 && contentLength != rangeLast - rangeFirst + 1) {
                badNumber = true;
                return false;
            }
            // Nothing past the range's last byte is the part.
            limit = limit < 0 ? rangeLast + 1 : std::min(limit, rangeLast + 1);
        }
        return true;
    }

    // Whether the file, `local` bytes long after this answer, is proven whole: a part
    // must have arrived up to its range's last byte (short of it, it was cut, whatever
    // its total says), and the file's end must be known (the service's size, else the
    // part's total or a whole answer's length or its chunked framing) and reached.
    bool completes(qint64 local, qint64 size) const {
        qint64 end = size;
        if (status == 206) {
            if (local != rangeLast + 1)
                return false;
            if (end < 0)
                end = rangeTotal;
        } else if (end < 0) {
            // A whole answer sent in chunks without a length ends where its last chunk
            // says (a streamed archive does); libcurl fails one cut before that.
            end = contentLength < 0 && chunked ? local : contentLength;
        }
        return end >= 0 && local == end;
    }

    // A Content-Length is taken only when it is a count and the file's length it gives,
    // offset + length, is one too: an unreadable one must not pass for "no length known".
    // Given twice with different values, the body's end is anybody's guess.
    void readContentLength(const QByteArray& value) {
        qint64 length = -1;
        if (!readCount(value, length) || length > std::numeric_limits<qint64>::max() - offset ||
            (contentLength >= 0 && length != contentLength)) {
            contentLength = -1;
            badNumber = true;
            return;
        }
        contentLength = length;
    }

    // How much of `bytes` more the file may take.
    size_t room(size_t bytes) {
        const qint64 left = limit - offset - kept; // never below 0: nothing passes the limit
        if (limit < 0 || qint64(bytes) <= left)
            return bytes;
        overrun = true;
        return static_cast<size_t>(std::max<qint64>(0, left));
    }
};

struct DownloadFile::RunContext {
    CURL* handle = nullptr;
    QString path;
    QString folder;
    qint64 size = 0;
    bool zip = false;
    // The service gave the file's length (a zip's is never known; 0 is an unknown size
    // that an old history entry could not fetch): only that length completes the file.
    bool sizeKnown = false;
    QByteArray location; // kept alive for libcurl
    QByteArray range;
    double limit = 0; // bytes a second; 0: none
    int retryMs = kFirstRetryWaitMs;
    int failures = 0;      // attempts that failed
    bool answered = false; // whether any attempt got an answer
};

void DownloadFile::run() {
    // A refused request has set the state and given the place back.
    if (askForLocation && !genLinkDownload())
        return;
    RunContext run;
    run.location = getSession().toLatin1();
    run.path = getPath();
    run.size = getSize();
    run.zip = isZipDownload();
    run.sizeKnown = !run.zip && run.size > 0;
    if (!isFetchableLocation(QString::fromLatin1(run.location)))
        return failBeforeTransfer(tr("Tạo link thất bại!"));
    run.folder = QString(run.path).remove(QRegularExpression(QStringLiteral("[^/]+$")));
    if (!QDir(run.folder).exists())
        return failBeforeTransfer(tr("Thư mục không tồn tại."));
    run.handle = TransferEnvironment::current().createHandle();
    if (!run.handle)
        return failBeforeTransfer(tr("Không tạo được kết nối để tải tập tin."));
    accountWait();
    configure(run);
    finish(transfer(run), run);
}

void DownloadFile::failBeforeTransfer(const QString& text) {
    setStateAndText(StateFailed, text);
    emitChanged(StatusChanged);
    releasePlace();
}

void DownloadFile::accountWait() {
    int level = 0;
    {
        QMutexLocker lock(&fieldsMutex);
        level = accountLevel;
    }
    if (level > 2)
        return;
    // Ordinary accounts wait before every transfer; the wait is not cut short by a stop.
    const auto step =
        TimeSource::current().duration(TimeSource::Wait::AccountWait, kAccountWaitStep);
    setStateAndText(StateWaiting, tr("Chờ... "));
    QThread::msleep(static_cast<unsigned long>(step.count()));
    QThread::msleep(static_cast<unsigned long>(step.count()));
    setStateAndText(StateWaiting, tr("Chờ %1 s").arg(1));
    emitChanged(StatusChanged);
    QThread::msleep(static_cast<unsigned long>(step.count()));
    setStateAndText(StateWaiting, tr("Chờ %1 s").arg(0));
    emitChanged(StatusChanged);
    QThread::msleep(static_cast<unsigned long>(step.count()));
}

void DownloadFile::configure(RunContext& run) {
    CURL* handle = run.handle;
    curl_easy_setopt(handle, CURLOPT_URL, run.location.constData());
    const SettingsStore settings;
    const double limit = settings.boolean(SettingsKeys::UseDownloadLimit)
                             ? settings.value(SettingsKeys::DownloadLimit).toDouble() * 1024.0
                             : 0.0;
    long buffer = kReceiveBuffer;
    // A limit of 0 or less means no limit.
    if (limit >= 1.0) {
        // Paced by the write callback: libcurl's own limit overshoots by a few percent.
        run.limit = limit;
        buffer = static_cast<long>(std::clamp<curl_off_t>(static_cast<curl_off_t>(limit),
                                                          kSmallestReceiveBuffer, kReceiveBuffer));
    }
    curl_easy_setopt(handle, CURLOPT_BUFFERSIZE, buffer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &DownloadFile::progressCallback);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &DownloadFile::writeCallback);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &DownloadFile::parseHeader);
    // A proxy's tunnel answer is not the server's status line.
    curl_easy_setopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    // A stalled server ends the attempt as an ordinary, retried failure.
    const auto stall = TimeSource::current().duration(TimeSource::Wait::StallLimit, kStallLimit);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                     std::max<long>(1, static_cast<long>((stall.count() + 999) / 1000)));
    QMutexLocker lock(&fieldsMutex);
    tracker.setTotalSize(run.size);
}

DownloadFile::Outcome DownloadFile::transfer(RunContext& run) {
    for (;;) {
        if (stopRequested)
            return Outcome::Stopped;
        bool again = false;
        const Outcome outcome = attempt(run, again);
        if (!again)
            return outcome;
    }
}

DownloadFile::Outcome DownloadFile::attempt(RunContext& run, bool& again) {
    const QFileInfo info(run.path);
    const bool exists = info.exists();
    const qint64 length = exists ? info.size() : 0;
    // Without a known size only the server's answer can judge the length.
    if (exists && run.sizeKnown && length == run.size)
        return Outcome::Completed;
    if (exists && run.sizeKnown && length > run.size) {
        // Not ours to cut: the file may be the user's.
        setStateAndText(StateFailed, tr("Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn "
                                        "đường dẫn khác để tải."));
        emitChanged(StatusChanged);
        return Outcome::Failed;
    }
    FILE* file = std::fopen(QFile::encodeName(run.path).constData(), exists ? "ab" : "wb");
    if (!file) {
        setStateAndText(StateFailed, tr("Error opening local file"));
        emitChanged(StatusChanged);
        releasePlace();
        return Outcome::Stopped;
    }
    std::setvbuf(file, nullptr, _IOFBF, kFileBuffer);

    DownloadAttempt at;
    at.job = this;
    at.file = file;
    at.offset = length;
    at.limit = run.sizeKnown ? run.size : -1;
    at.pacer = SpeedPacer(run.limit);
    // An explicit range rather than libcurl's resume, so that a server answering with the
    // whole file is written afresh instead of being refused.
    run.range = length > 0 ? QByteArray::number(length) + '-' : QByteArray();
    curl_easy_setopt(run.handle, CURLOPT_RANGE, length > 0 ? run.range.constData() : nullptr);
    curl_easy_setopt(run.handle, CURLOPT_HEADERDATA, &at);
    curl_easy_setopt(run.handle, CURLOPT_WRITEDATA, &at);
    setStateAndText(StateRunning, tr("Downloading"));
    emitChanged(StatusChanged);
    {
        QMutexLocker lock(&fieldsMutex);
        tracker.start(length);
    }
    CURLcode result = curl_easy_perform(run.handle);
    if (std::fclose(file) != 0 && result == CURLE_OK) {
        at.writeFailed = true;
        result = CURLE_WRITE_ERROR;
    }
    endProgress();
    return classify(run, at, result, again);
}

void DownloadFile::endProgress() {
    // A job between attempts moves nothing: its speed and time left must not linger.
    {
        QMutexLocker lock(&fieldsMutex);
        if (!tracker.isActive())
            return;
        tracker.stop();
    }
    emitChanged(SpeedChanged);
    emitChanged(RemainingChanged);
}

DownloadFile::Outcome DownloadFile::classify(RunContext& run, DownloadAttempt& at, int result,
                                             bool& again) {
    const long status = at.status;
    const qint64 local = QFileInfo(run.path).size();
    run.answered = run.answered || at.answered;
    QString failure;
    if (at.stopped) {
        setStatusText(tr("Dừng"));
        return Outcome::Stopped;
    }
    if (result == CURLE_OK) {
        // Completion is proven by the length, never assumed from a clean end. A file whose
        // end nobody announced is asked for again from its length: the server's answer
        // to that says where it ends.
        if (!at.discard && isSuccess(status) && at.completes(local, run.sizeKnown ? run.size : -1))
            return Outcome::Completed;
        failure = tr("Partial file downloaded");
    } else if (result == CURLE_ABORTED_BY_CALLBACK) {
        setStatusText(tr("Dừng"));
        return Outcome::Stopped;
    } else if (result == CURLE_PARTIAL_FILE) {
        failure = tr("Partial file downloaded");
    } else if (at.badNumber) {
        failure = QString::fromLatin1(curl_easy_strerror(CURLE_WEIRD_SERVER_REPLY));
    } else if (status == 403) {
        return newLocation(run, again);
    } else if (status == 416 && at.rangeTotal >= 0 && at.rangeTotal == local &&
               (!run.sizeKnown || local == run.size)) {
        return Outcome::Completed; // the server says the file ends where ours does
    } else if (status == 416 && at.rangeTotal >= 0 && at.rangeTotal <= local) {
        // What is on disk came from another file than the server has now (a longer one,
        // or one of the service's size while the server's ends here): no retry mends
        // that, and the bytes are not ours to cut.
        setStateAndText(StateFailed,
                        tr("Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin."));
        emitChanged(StatusChanged);
        return Outcome::Failed;
    } else if (status >= 400 && status != 416) {
        failure = tr("Service is not available");
    } else if (at.rangeMismatch) {
        failure = tr("Partial file downloaded");
    } else if (at.overrun) {
        failure = tr("Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.");
    } else if (result >= CURLE_COULDNT_RESOLVE_PROXY && result <= CURLE_COULDNT_CONNECT) {
        failure = tr("Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.");
    } else if (result == CURLE_WRITE_ERROR) {
        qint64 total = 0;
        qint64 freeBytes = 0;
        const bool full = TransferEnvironment::current().diskSpace(run.folder, total, freeBytes) &&
                          freeBytes < kLowDiskSpace;
        failure = full ? tr("Không đủ dung lượng trống để lưu trữ tập tin")
                       : tr("Lỗi ghi dữ liệu xuống file.");
    } else {
        failure = QString::fromLatin1(curl_easy_strerror(static_cast<CURLcode>(result)));
    }
    setStateAndText(StateFailed, failure);
    emitChanged(StatusChanged);
    ++run.failures;
    again = failureWait(run);
    return Outcome::Stopped;
}

bool DownloadFile::failureWait(RunContext& run) {
    // The queue may start another job while this one waits to retry.
    if (!slotReleased)
        releasePlace();
    const auto wait = TimeSource::current().duration(TimeSource::Wait::Retry,
                                                     std::chrono::milliseconds(run.retryMs));
    const QDeadlineTimer deadline(static_cast<qint64>(wait.count()));
    bool stopped = false;
    {
        // The flag is read under the wait's mutex, so a stop is never missed.
        QMutexLocker lock(&retryMutex);
        while (!stopRequested && !deadline.hasExpired())
            retryWait.wait(&retryMutex, deadline);
        stopped = stopRequested;
    }
    if (stopped) {
        setStatusText(tr("Dừng"));
        return false;
    }
    run.retryMs += kRetryWaitStepMs;
    return run.retryMs < kLastRetryWaitMs;
}

DownloadFile::Outcome DownloadFile::newLocation(RunContext& run, bool& again) {
    setSession(QString());
    // A refused request has set the state and sent its signals already.
    if (!genLinkDownload())
        return Outcome::Ended;
    run.location = getSession().toLatin1();
    curl_easy_setopt(run.handle, CURLOPT_URL, run.location.constData());
    run.retryMs += kRetryWaitStepMs;
    again = run.retryMs < kLastRetryWaitMs;
    return Outcome::Stopped;
}

void DownloadFile::finish(Outcome outcome, RunContext& run) {
    switch (outcome) {
    case Outcome::Completed: {
        {
            QMutexLocker lock(&fieldsMutex);
            tracker.stop();
            finished = true;
            state = StateIdle;
            statusText = tr("Completed");
        }
        emitChanged(StatusChanged);
        emitChanged(DownloadDone);
        break;
    }
    case Outcome::Stopped:
        // A kept location that never answered may be gone for good (its server moved):
        // the next start asks for a new one, and resumes the file there.
        if (run.failures > 0 && !run.answered)
            setSession(QString());
        setState(StateStopped);
        emitChanged(StatusChanged);
        break;
    case Outcome::Failed:
    case Outcome::Ended:
        break;
    }
    curl_easy_cleanup(run.handle);
    if (outcome != Outcome::Ended)
        releasePlace();
}

void DownloadFile::pause(std::chrono::nanoseconds duration) {
    if (duration.count() <= 0)
        return;
    // A stop ends the pause at once; the next progress callback then ends the transfer.
    const QDeadlineTimer deadline(std::chrono::duration_cast<std::chrono::nanoseconds>(duration));
    QMutexLocker lock(&retryMutex);
    while (!stopRequested && !deadline.hasExpired())
        retryWait.wait(&retryMutex, deadline);
}

void DownloadFile::restartProgress() {
    QMutexLocker lock(&fieldsMutex);
    tracker.start(0);
}

int DownloadFile::onProgress(double dltotal, double dlnow) {
    Q_UNUSED(dltotal);
    if (stopRequested) {
        {
            QMutexLocker lock(&fieldsMutex);
            tracker.stop();
        }
        emitChanged(SpeedChanged);
        emitChanged(RemainingChanged);
        return 1;
    }
    bool refresh = false;
    {
        QMutexLocker lock(&fieldsMutex);
        tracker.update(static_cast<qint64>(dlnow));
        refresh = tracker.secondsSinceMark() != 0;
        if (refresh)
            tracker.markTime();
    }
    // At most one refresh a second.
    if (refresh) {
        emitChanged(SpeedChanged);
        emitChanged(ProgressChanged);
        emitChanged(RemainingChanged);
    }
    return 0;
}

int DownloadFile::progressCallback(void* clientp, curl_off_t dltotal, curl_off_t dlnow, curl_off_t,
                                   curl_off_t) {
    return static_cast<DownloadFile*>(clientp)->onProgress(double(dltotal), double(dlnow));
}

size_t DownloadFile::parseHeader(char* line, size_t size, size_t count, void* userdata) {
    auto* at = static_cast<DownloadAttempt*>(userdata);
    const size_t bytes = size * count;
    const QByteArray text = QByteArray::fromRawData(line, static_cast<int>(bytes));
    if (text.startsWith("HTTP/")) {
        const QList<QByteArray> parts = text.split(' ');
        at->newResponse(parts.size() > 1 ? parts.at(1).trimmed().toLong() : 0);
        at->answered = true;
        // An error page never reaches the file. A 416 is read to its end: its
        // Content-Range may prove the file complete.
        if (at->status > 399 && at->status != 416)
            return 0;
        return bytes;
    }
    if (text.trimmed().isEmpty()) {
        if (at->status == 416)
            return 0;
        // An interim answer (1xx) is followed by the real one; trailers come after the body.
        if (at->status >= 200 && !at->bodyChecked && !at->checkAnswer())
            return 0;
        return bytes;
    }
    QByteArray value;
    if (headerValue(text, "content-length", value))
        at->readContentLength(value);
    else if (headerValue(text, "transfer-encoding", value))
        at->chunked = value.toLower().contains("chunked");
    else if (headerValue(text, "content-range", value))
        at->readContentRange(value);
    return at->badNumber ? 0 : bytes;
}

size_t DownloadFile::writeCallback(char* buffer, size_t size, size_t count, void* userdata) {
    auto* at = static_cast<DownloadAttempt*>(userdata);
    const size_t bytes = size * count;
    if (at->job->stopRequested) {
        at->stopped = true;
        return 0;
    }
    if (!at->bodyChecked && !at->checkAnswer())
        return 0;
    at->received += static_cast<qint64>(bytes);
    if (at->discard)
        return bytes;
    // Nothing is written past the file's length: the rest ends the attempt as a failure.
    const size_t allowed = at->room(bytes);
    const size_t written = allowed > 0 ? std::fwrite(buffer, 1, allowed, at->file) : 0;
    at->kept += static_cast<qint64>(written);
    if (written != allowed)
        at->writeFailed = true;
    if (written != bytes)
        return written;
    const std::chrono::nanoseconds wait = at->pacer.account(written);
    if (wait.count() > 0) {
        // libcurl goes on reading while the socket has data, without calling the
        // progress callback: a paced transfer reports its progress from here.
        if (at->job->onProgress(0, double(at->received)) != 0) {
            at->stopped = true;
            return 0;
        }
        at->job->pause(wait);
    }
    return written;
}
