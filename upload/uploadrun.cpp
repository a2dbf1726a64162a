// The worker thread of an upload job: before every chunk it asks the location how many
// bytes the service holds, then posts the next chunk from there, so an upload continues
// where the service stopped, after a failure as well as after a restart. Failures are
// retried up to "Upload_fail_try" times in a row; a stop request ends every wait at once.
#include "api/apiresult.h"
#include "api/curlhandle.h"
#include "api/httputil.h"
#include "core/timesource.h"
#include "transfer/downloadlocation.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "upload/uploadfile.h"
#include "upload/uploadprotocol.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace {

using std::chrono::milliseconds;

constexpr int kDefaultAttempts = 100;
constexpr milliseconds kFailureWait{10000};
constexpr milliseconds kChunkPause{500};
constexpr int kCountdownMs = 5000;
constexpr int kCountdownStepMs = 300;
// The service may store a whole chunk (up to 1 GB) before it answers; only a connection
// that stays silent far longer than that is given up.
constexpr milliseconds kChunkStallLimit{600000};
// While bytes of a chunk wait to leave, nothing leaving for this long means the line or
// the service is gone (as a download judges a silent connection); the next attempt asks
// the service where to go on.
constexpr milliseconds kSendStallLimit{60000};
// Progress reaches the GUI a few times a second at most.
constexpr qint64 kProgressIntervalMs = 250;
// Bigger send buffers cost fewer callbacks on fast links; a speed cap keeps them at one
// second's worth.
constexpr long kSendBuffer = 512 * 1024;
constexpr long kSmallestSendBuffer = 16 * 1024;
// A capped upload that fell behind (a slow or busy line) may catch up this much at once.
constexpr std::chrono::milliseconds kPacingCredit{100};
// While a capped upload's connection still holds more than a piece (and at least this)
// not yet sent, the next piece waits, polling at this interval.
constexpr qint64 kSmallestBacklog = 8 * 1024;
constexpr milliseconds kLinePoll{10};
// A reply is a small JSON object; anything past this is not kept.
constexpr int kLargestReply = 1024 * 1024;

// Bytes handed to the connection that wait in its send queue; 0 when unknown. SIOCOUTQ
// counts those the peer has not acknowledged yet, SIOCOUTQNSD those not sent yet.
qint64 queuedBytes(curl_socket_t socket, unsigned long request) {
    int queued = 0;
    if (socket == CURL_SOCKET_BAD || ioctl(socket, request, &queued) != 0)
        return 0;
    return queued;
}

// False once the connection is no longer established (the service reset or closed it):
// its send queue then keeps its last count for ever, which must not pass for a slow line.
bool isEstablished(curl_socket_t socket) {
    tcp_info info{};
    socklen_t length = sizeof info;
    if (socket == CURL_SOCKET_BAD || getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return true; // not known: the stall limit still ends a dead line
    return info.tcpi_state == TCP_ESTABLISHED;
}

QString curlText(int result) {
    return QString::fromLatin1(curl_easy_strerror(static_cast<CURLcode>(result)));
}

struct HeaderList {
    curl_slist* list = nullptr;
    ~HeaderList() { curl_slist_free_all(list); }
    void add(const QByteArray& line) {
        if (curl_slist* grown = curl_slist_append(list, line.constData()))
            list = grown;
    }
};

} // namespace

struct UploadFile::RunContext {
    CURL* handle = nullptr;
    QByteArray location; // kept alive for libcurl
    qint64 size = 0;
    int maxAttempts = kDefaultAttempts;
    int attempts = 0;      // failures in a row
    // New locations asked for. They count against the attempts too, but a taken chunk
    // does not reset them: a service that keeps dropping its locations ends the run.
    int renewals = 0;
    QByteArray offsetBody; // this attempt's answer to the offset query
    QByteArray reply;      // the service's answer to the last chunk
    QString lastFailure;   // what the run ends with when the attempts run out
};

QString UploadFile::fileChangedText() {
    return tr("Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.");
}

void UploadFile::run() {
    if (beginRun())
        sendFile();
    runEnded = true;
    emit taskUploadDone();
}

void UploadFile::sendFile() {
    RunContext run;
    if (prepare(run))
        finish(transfer(run), run);
    if (fileStream) {
        std::fclose(fileStream);
        fileStream = nullptr;
    }
    if (run.handle)
        curl_easy_cleanup(run.handle);
}

bool UploadFile::prepare(RunContext& run) {
    const QString localPath = getPath();
    run.size = getSize();
    if (!QFileInfo(localPath).isFile()) {
        setStateAndText(StateFailed, tr("Upload file not found"));
        emitChanged(StatusChanged);
        return false;
    }
    fileStream = std::fopen(QFile::encodeName(localPath).constData(), "rbe");
    if (!fileStream) {
        setStateAndText(StateFailed, tr("Không thể mở tập tin"));
        emitChanged(StatusChanged);
        return false;
    }
    run.maxAttempts = SettingsStore().integer(SettingsKeys::UploadFailTry, kDefaultAttempts);
    pacer = SpeedPacer();
    {
        QMutexLocker lock(&fieldsMutex);
        tracker.setTotalSize(run.size);
    }
    run.handle = utils::create_curl_handle();
    if (!run.handle) {
        setStateAndText(StateFailed, curlText(CURLE_FAILED_INIT));
        emitChanged(StatusChanged);
        return false;
    }
    CURL* handle = run.handle;
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &UploadFile::progressCallback);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &UploadFile::readCallback);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    // A kept connection that turns out dead after the body went out is retried on a
    // fresh one: libcurl then rewinds the body through this.
    curl_easy_setopt(handle, CURLOPT_SEEKFUNCTION, &UploadFile::seekCallback);
    curl_easy_setopt(handle, CURLOPT_SEEKDATA, this);
    // The connection's socket, whose send queue tells what actually went out.
    curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, &UploadFile::socketOpened);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTDATA, this);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETFUNCTION, &UploadFile::closeSocket);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &UploadFile::writeReply);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &run.reply);
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
    const auto stall =
        TimeSource::current().duration(TimeSource::Wait::StallLimit, kChunkStallLimit);
    sendStall = TimeSource::current().duration(TimeSource::Wait::SendStall, kSendStallLimit);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                     std::max<long>(1, static_cast<long>((stall.count() + 999) / 1000)));
    if (!applyLocation(run)) {
        setStateAndText(StateFailed, curlText(CURLE_UNSUPPORTED_PROTOCOL));
        emitChanged(StatusChanged);
        return false;
    }
    return true;
}

// Only http and https locations are ever used, whoever handed them out.
bool UploadFile::applyLocation(RunContext& run) {
    const QString location = getRealUrl();
    if (!isFetchableLocation(location))
        return false;
    run.location = location.toUtf8();
    curl_easy_setopt(run.handle, CURLOPT_URL, run.location.constData());
    return true;
}

UploadFile::Outcome UploadFile::transfer(RunContext& run) {
    if (stopRequested)
        return Outcome::Stopped;
    if (run.maxAttempts <= 0)
        return Outcome::Unstarted;
    while (!stopRequested && run.attempts + run.renewals < run.maxAttempts) {
        bool again = false;
        const Outcome outcome = attempt(run, again);
        if (!again)
            return outcome;
    }
    return stopRequested ? Outcome::Stopped : Outcome::OutOfRetries;
}

UploadFile::Outcome UploadFile::attempt(RunContext& run, bool& again) {
    applySpeedCap(run);
    setStateAndText(StateRunning, tr("Uploading"));
    emitChanged(StatusChanged);
    emitProgress(true);
    qint64 offset = 0;
    Outcome outcome = Outcome::Failed;
    if (!queryOffset(run, offset, outcome, again))
        return outcome;
    return sendChunk(run, offset, again);
}

// Read at every attempt: a cap switched off since the last one no longer holds. The job
// paces what it hands to libcurl itself: libcurl's own cap counts what the kernel took,
// not what left, and lets a transfer that a slow line held back catch up at full speed.
void UploadFile::applySpeedCap(RunContext& run) {
    const SettingsStore settings;
    const curl_off_t bytesPerSecond =
        uploadprotocol::sendSpeedCap(settings.boolean(SettingsKeys::UseUploadLimit),
                                     settings.value(SettingsKeys::UploadLimit).toDouble());
    if (double(bytesPerSecond) != pacer.bytesPerSecond())
        pacer = SpeedPacer(double(bytesPerSecond), pacerClock, kPacingCredit);
    const long buffer = bytesPerSecond > 0 ? static_cast<long>(std::clamp<curl_off_t>(
                                                 bytesPerSecond, kSmallestSendBuffer, kSendBuffer))
                                           : kSendBuffer;
    curl_easy_setopt(run.handle, CURLOPT_UPLOAD_BUFFERSIZE, buffer);
}

// False when the attempt ends here; `outcome` and `again` then say how.
bool UploadFile::queryOffset(RunContext& run, qint64& offset, Outcome& outcome, bool& again) {
    const std::unique_ptr<utils::http_response> answer(
        utils::http_util::get(run.location.toStdString(), utils::httpReqData()));
    run.offsetBody = QByteArray::fromStdString(answer->get_body());
    if (!answer->transfer_completed()) {
        outcome = transportFailure(run, curlText(answer->get_transfer_result()), again);
        return false;
    }
    if (uploadprotocol::isInvalidSession(run.offsetBody)) {
        outcome = newSession(run, again);
        return false;
    }
    // Only a plain success carries an offset; an error page may hold any number.
    if (answer->get_http_status() != 200) {
        outcome = transportFailure(
            run, QStringLiteral("HTTP error code: %1").arg(answer->get_http_status()), again);
        return false;
    }
    offset = uploadprotocol::readOffset(run.offsetBody);
    if (offset < 0) {
        outcome = transportFailure(run, curlText(CURLE_WEIRD_SERVER_REPLY), again);
        return false;
    }
    if (offset > run.size) {
        setStateAndText(StateFailed, fileChangedText());
        emitChanged(StatusChanged);
        outcome = Outcome::Failed;
        return false;
    }
    return true;
}

// The location is no longer valid: a new one, and the attempt counts. A job stopped
// meanwhile asks for none.
UploadFile::Outcome UploadFile::newSession(RunContext& run, bool& again) {
    if (stopRequested)
        return Outcome::Stopped;
    if (!createUploadSession(true))
        return Outcome::Failed; // the refusal has been reported
    if (!applyLocation(run)) {
        setStateAndText(StateFailed, curlText(CURLE_UNSUPPORTED_PROTOCOL));
        emitChanged(StatusChanged);
        return Outcome::Failed;
    }
    ++run.renewals;
    run.lastFailure = tr("Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.");
    again = true;
    return Outcome::Failed;
}

UploadFile::Outcome UploadFile::sendChunk(RunContext& run, qint64 offset, bool& again) {
    const qint64 end = std::min<qint64>(run.size, offset + chunkSize());
    chunkStart = offset;
    chunkLength = end - offset;
    bytesSupplied = 0;
    readError = ReadError::None;
    lineFault = LineFault::None;
    lineQuiet.setRemainingTime(static_cast<qint64>(sendStall.count()));
    {
        QMutexLocker lock(&fieldsMutex);
        tracker.start(offset);
        chunkStarted = lastUpdate = clock();
    }
    HeaderList headers;
    headers.add("Content-Type: application/octet-stream");
    headers.add("Expect:"); // no 100-continue round trip
    headers.add("Accept: application/json");
    headers.add("Content-Range: " + uploadprotocol::contentRange(offset, end - 1, run.size));
    curl_easy_setopt(run.handle, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(run.handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(chunkLength));
    run.reply.clear();
    if (fseeko(fileStream, static_cast<off_t>(offset), SEEK_SET) != 0) {
        setStateAndText(StateFailed, tr("Không thể mở tập tin"));
        emitChanged(StatusChanged);
        return Outcome::Failed;
    }
    const CURLcode result = curl_easy_perform(run.handle);
    curl_easy_setopt(run.handle, CURLOPT_HTTPHEADER, nullptr);
    emitProgress(true); // the chunk's last figure, which coalescing may have held back

    if (readError != ReadError::None) {
        setStateAndText(StateFailed, readError == ReadError::Shorter ? fileChangedText()
                                                                     : tr("Không thể mở tập tin"));
        emitChanged(StatusChanged);
        return Outcome::Failed;
    }
    if (result == CURLE_ABORTED_BY_CALLBACK && stopRequested)
        return Outcome::Stopped;
    if (lineFault != LineFault::None) {
        const CURLcode seen =
            lineFault == LineFault::Lost ? CURLE_SEND_ERROR : CURLE_OPERATION_TIMEDOUT;
        return transportFailure(run, curlText(seen), again);
    }
    if (result == CURLE_OK || result == CURLE_PARTIAL_FILE) {
        // An offset answer that spoke of an error says nothing about the line's speed.
        if (result == CURLE_OK && !run.offsetBody.contains("\"error\""))
            adaptChunkSize();
        long status = 0;
        curl_easy_getinfo(run.handle, CURLINFO_RESPONSE_CODE, &status);
        return readChunkReply(run, status, again);
    }
    return transportFailure(run, curlText(result), again);
}

void UploadFile::adaptChunkSize() {
    QMutexLocker lock(&fieldsMutex);
    nextChunk = uploadprotocol::nextChunkSize(nextChunk, lastUpdate - chunkStarted);
}

UploadFile::Outcome UploadFile::readChunkReply(RunContext& run, long status, bool& again) {
    Json::Value root;
    const bool isObject = brisko::json::parse(run.reply.toStdString(), root) && root.isObject();
    // An error page (a proxy's 502, say) is a failed attempt: counting it as a taken chunk
    // would retry it for ever, since the next offset query finds the file where it was.
    if (!isObject && (status < 200 || status > 299))
        return transportFailure(run, QStringLiteral("HTTP error code: %1").arg(status), again);
    // Anything else but a JSON object means: taken, send the next one.
    if (!isObject)
        return chunkTaken(run, again);
    std::string url;
    std::string error;
    brisko::json::text(root.get("url", ""), url);
    brisko::json::text(root.get("error", ""), error);
    if (!url.empty())
        return Outcome::FinalReply;
    if (error == "FILE_SIZE_MISS_MATCH") {
        run.reply.clear();
        setStateAndText(StateFailed, fileChangedText());
        emitChanged(StatusChanged);
        return Outcome::Failed;
    }
    const QString reason = QString::fromStdString(error).trimmed();
    if (!reason.isEmpty())
        return serverRefusal(run, reason, again);
    return chunkTaken(run, again);
}

UploadFile::Outcome UploadFile::transportFailure(RunContext& run, const QString& text,
                                                 bool& again) {
    endProgress();
    setStateAndText(StateFailed, text);
    emitChanged(StatusChanged);
    run.reply.clear();
    run.lastFailure = text;
    if (!pauseUnlessStopped(TimeSource::current().duration(TimeSource::Wait::Retry, kFailureWait)))
        return Outcome::Stopped;
    ++run.attempts;
    again = true;
    return Outcome::Failed;
}

// The service refused the chunk: a countdown, then the next attempt.
UploadFile::Outcome UploadFile::serverRefusal(RunContext& run, const QString& reason, bool& again) {
    endProgress();
    run.reply.clear();
    run.lastFailure = reason;
    const auto step = TimeSource::current().duration(TimeSource::Wait::CountdownStep,
                                                     milliseconds(kCountdownStepMs));
    for (int left = kCountdownMs; left > 0; left -= kCountdownStepMs) {
        setStateAndText(StateFailed, tr("Lỗi tải lên! Thử lại sau %1s").arg((left - 1) / 1000 + 1));
        emitChanged(StatusChanged);
        if (!pauseUnlessStopped(step))
            return Outcome::Stopped;
    }
    ++run.attempts;
    again = true;
    return Outcome::Failed;
}

UploadFile::Outcome UploadFile::chunkTaken(RunContext& run, bool& again) {
    {
        QMutexLocker lock(&fieldsMutex);
        markCount = 0;
        storedSpeed = tracker.speed();
    }
    run.reply.clear();
    if (!pauseUnlessStopped(
            TimeSource::current().duration(TimeSource::Wait::ChunkPause, kChunkPause)))
        return Outcome::Stopped;
    // Attempts count failures in a row: a taken chunk starts the count afresh.
    run.attempts = 0;
    again = true;
    return Outcome::Failed;
}

bool UploadFile::pauseUnlessStopped(milliseconds wait) {
    const QDeadlineTimer deadline(static_cast<qint64>(wait.count()));
    // The flag is read under the wait's mutex, so a stop is never missed.
    QMutexLocker lock(&stopMutex);
    while (!stopRequested && !deadline.hasExpired())
        stopWait.wait(&stopMutex, deadline);
    return !stopRequested;
}

void UploadFile::finish(Outcome outcome, RunContext& run) {
    {
        QMutexLocker lock(&fieldsMutex);
        storedSpeed = 0;
        markCount = 0;
    }
    endProgress();
    switch (outcome) {
    case Outcome::Unstarted:
        setStateAndText(StateStopped, QString());
        emitChanged(StatusChanged);
        break;
    case Outcome::Stopped:
        setStateAndText(StateStopped, tr("Dừng"));
        emitChanged(StatusChanged);
        break;
    case Outcome::OutOfRetries:
        // The last failure stays visible; without one (only new sessions) it just stops.
        setStateAndText(run.lastFailure.isEmpty() ? StateStopped : StateFailed, run.lastFailure);
        emitChanged(StatusChanged);
        break;
    case Outcome::FinalReply:
        setStateAndText(StateIdle, tr("Finalizing"));
        emitChanged(StatusChanged);
        readFinalReply(run.reply);
        break;
    case Outcome::Failed:
        break;
    }
}

void UploadFile::readFinalReply(const QByteArray& reply) {
    Json::Value root;
    if (!brisko::json::parse(reply.toStdString(), root) || !root.isObject()) {
        setStateAndText(StateFailed, tr("Đăng ký tập tin với server thất bại!"));
        emitChanged(StatusChanged);
        return;
    }
    std::string text;
    if (root.isMember("error")) {
        brisko::json::text(root["error"], text);
        setStateAndText(StateFailed, QString::fromStdString(text));
        emitChanged(StatusChanged);
        return;
    }
    if (root.isMember("url")) {
        brisko::json::text(root["url"], text);
        {
            QMutexLocker lock(&fieldsMutex);
            mlink = QString::fromStdString(text); // UTF-8, as every text of the service
            state = StateIdle;
            statusText.clear();
            finished = true;
        }
        emitChanged(UploadDone);
    }
    // Neither: the job stays "Finalizing", not finished.
}

void UploadFile::emitProgress(bool force) {
    if (!force && progressTimer.isValid() && progressTimer.elapsed() < kProgressIntervalMs)
        return;
    progressTimer.start();
    emitChanged(ProgressChanged);
}

void UploadFile::endProgress() {
    // A job that moves nothing shows neither a speed nor a time left.
    {
        QMutexLocker lock(&fieldsMutex);
        tracker.stop();
    }
    emitChanged(SpeedChanged);
    emitChanged(RemainingChanged);
}

int UploadFile::onProgress(qint64 total, qint64 now) {
    if (stopRequested) {
        endProgress();
        return 1; // libcurl ends the transfer
    }
    if (total <= 0) // libcurl does not know the body yet
        return 0;
    // What left the machine, not what the kernel took: it takes megabytes of the body at
    // once, long before a slow line has carried them.
    const qint64 queued = queuedBytes(transferSocket, SIOCOUTQ);
    const qint64 out = std::clamp<qint64>(now - queued, 0, now);
    bool refresh = false;
    bool moved = false;
    {
        QMutexLocker lock(&fieldsMutex);
        // The chunk's time is what its bytes took, not the wait for the reply after them.
        moved = out != tracker.getCurrentBytes();
        if (moved)
            lastUpdate = clock();
        tracker.update(out);
        if (tracker.secondsSinceMark() >= 2) {
            ++markCount;
            tracker.markTime();
            refresh = true;
        }
    }
    emitProgress(false);
    if (refresh) {
        emitChanged(SpeedChanged);
        emitChanged(RemainingChanged);
    }
    // Bytes wait in the connection and none has left for the send stall. (Once all have
    // left, the service may take its time to store the chunk: libcurl's own limit holds.)
    if (moved || queued == 0) {
        lineQuiet.setRemainingTime(static_cast<qint64>(sendStall.count()));
    } else if (lineQuiet.hasExpired()) {
        lineFault = LineFault::Stalled;
        return 1;
    }
    return 0;
}

size_t UploadFile::onRead(char* buffer, size_t size, size_t count) {
    if (stopRequested) {
        endProgress();
        return CURL_READFUNC_ABORT;
    }
    if (std::ferror(fileStream)) {
        readError = ReadError::Unreadable;
        return CURL_READFUNC_ABORT;
    }
    qint64 wanted = std::min<qint64>(qint64(size * count), chunkLength - bytesSupplied);
    if (wanted <= 0)
        return 0; // the chunk is complete
    if (pacer.isLimited()) {
        if (!waitForLine())
            return CURL_READFUNC_ABORT;
        wanted = qint64(pacer.piece(static_cast<size_t>(wanted)));
    }
    const size_t got = std::fread(buffer, 1, static_cast<size_t>(wanted), fileStream);
    if (got == 0) {
        // The file ended before its recorded size, or could not be read.
        readError = std::ferror(fileStream) ? ReadError::Unreadable : ReadError::Shorter;
        return CURL_READFUNC_ABORT;
    }
    bytesSupplied += qint64(got);
    if (!paceSending(got)) {
        endProgress();
        return CURL_READFUNC_ABORT;
    }
    return got;
}

// A capped upload holds its next piece back while the connection has more than a little
// of the earlier ones still to send: what waits in the kernel leaves at the line's pace,
// not the limit's, as soon as a slow line frees up (when another upload pauses, say). A
// connection no longer established ends the attempt at once, a line that sends nothing
// for the send stall limit ends it too. False to abort.
bool UploadFile::waitForLine() {
    const qint64 most = std::max<qint64>(qint64(pacer.pieceSize()), kSmallestBacklog);
    qint64 unsent = queuedBytes(transferSocket, SIOCOUTQNSD);
    QDeadlineTimer stalled(static_cast<qint64>(sendStall.count()));
    while (unsent > most) {
        if (!isEstablished(transferSocket)) {
            lineFault = LineFault::Lost;
            return false;
        }
        if (!pauseUnlessStopped(kLinePoll)) {
            endProgress();
            return false;
        }
        const qint64 now = queuedBytes(transferSocket, SIOCOUTQNSD);
        if (now != unsent)
            stalled.setRemainingTime(static_cast<qint64>(sendStall.count()));
        else if (stalled.hasExpired()) {
            lineFault = LineFault::Stalled;
            return false;
        }
        unsent = now;
    }
    return true;
}

// The pause after a piece that keeps the upload at its limit. False when a stop came.
bool UploadFile::paceSending(size_t bytes) {
    const std::chrono::nanoseconds wait = pacer.account(bytes);
    if (wait.count() <= 0)
        return !stopRequested;
    return pauseUnlessStopped(TimeSource::current().duration(
        TimeSource::Wait::SpeedLimit, std::chrono::ceil<milliseconds>(wait)));
}

// `offset` counts from the start of the chunk's body.
int UploadFile::onSeek(curl_off_t offset, int origin) {
    if (origin != SEEK_SET || offset < 0 || offset > chunkLength)
        return CURL_SEEKFUNC_CANTSEEK;
    if (fseeko(fileStream, static_cast<off_t>(chunkStart + offset), SEEK_SET) != 0)
        return CURL_SEEKFUNC_FAIL;
    std::clearerr(fileStream);
    bytesSupplied = offset;
    return CURL_SEEKFUNC_OK;
}

int UploadFile::progressCallback(void* clientp, curl_off_t, curl_off_t, curl_off_t ultotal,
                                 curl_off_t ulnow) {
    return static_cast<UploadFile*>(clientp)->onProgress(qint64(ultotal), qint64(ulnow));
}

size_t UploadFile::readCallback(char* buffer, size_t size, size_t count, void* userdata) {
    return static_cast<UploadFile*>(userdata)->onRead(buffer, size, count);
}

int UploadFile::socketOpened(void* clientp, curl_socket_t socket, curlsocktype purpose) {
    if (purpose == CURLSOCKTYPE_IPCXN)
        static_cast<UploadFile*>(clientp)->transferSocket = socket;
    return CURL_SOCKOPT_OK;
}

int UploadFile::closeSocket(void* clientp, curl_socket_t socket) {
    auto* job = static_cast<UploadFile*>(clientp);
    if (job->transferSocket == socket)
        job->transferSocket = CURL_SOCKET_BAD;
    return ::close(socket);
}

int UploadFile::seekCallback(void* userdata, curl_off_t offset, int origin) {
    return static_cast<UploadFile*>(userdata)->onSeek(offset, origin);
}

size_t UploadFile::writeReply(char* data, size_t size, size_t count, void* userdata) {
    auto* reply = static_cast<QByteArray*>(userdata);
    const size_t bytes = size * count;
    if (reply->size() < kLargestReply)
        reply->append(data, static_cast<int>(std::min<size_t>(bytes, size_t(kLargestReply))));
    return bytes;
}
