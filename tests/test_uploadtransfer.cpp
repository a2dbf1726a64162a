// The upload job's worker against the stand-in: bytes and requests on the wire, resuming
// after a cut and after a restart, new locations, refusals, countdowns, stops, the count
// of attempts, and one release of the running place on every path.
#include "api/apiresult.h"
#include "api/fileapi.h"
#include "api/sessionapi.h"
#include "core/globals.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/support/locationfetch.h"
#include "tests/uploadfixture.h"
#include "tools/devservice/urltext.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QUrl>
#include <QtTest>

#include <atomic>

using devservice::Fault;
using devservice::UploadStore;

Q_DECLARE_METATYPE(UploadStore::LinkReply)

namespace {

const char kFileChanged[] =
    "Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.";
const char kBusy[] = R"({"error":"SERVER_BUSY"})";
const char kLocationsRefused[] = "Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.";
constexpr int kChunk = UploadFixture::kChunk;

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray fileSha256(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? sha256(file.readAll()) : QByteArray();
}

QString range(qint64 first, qint64 last, qint64 size) {
    return QStringLiteral("bytes %1-%2/%3").arg(first).arg(last).arg(size);
}

// How many body bytes the POSTs to locations declared.
qint64 postedBytes(const std::vector<devservice::Request>& requests) {
    qint64 bytes = 0;
    for (const devservice::Request& request : requests) {
        if (request.method == "POST")
            bytes += QByteArray::fromStdString(request.header("Content-Length").value_or("0"))
                         .toLongLong();
    }
    return bytes;
}

void setSetting(const char* key, const QVariant& value) {
    SettingsStore settings;
    settings.setValue(key, value);
    settings.sync();
}

// A pacing clock that never moves: every pause asked for is due for all bytes so far.
SpeedPacer::TimePoint frozenPacerClock() {
    return SpeedPacer::TimePoint(std::chrono::seconds(1000));
}

// A tracker clock that moves a millisecond at every reading: by it a small chunk takes a
// fraction of a second, never a whole one.
std::atomic<int> clockReadings{0};
double steppingClock() {
    return 5000.0 + 0.001 * ++clockReadings;
}

// The most bytes any established connection to this port on the machine holds in its
// send queue, not yet taken by the peer (the kernel's table of TCP sockets).
qint64 sendQueueTo(quint16 port) {
    QFile table("/proc/net/tcp");
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray remote = ":" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    qint64 most = 0;
    table.readLine(); // the column names
    while (!table.atEnd()) {
        // sl local_address rem_address st tx_queue:rx_queue ...
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        if (fields.size() < 5 || !fields[2].endsWith(remote) || fields[3] != "01")
            continue;
        most = std::max(most, fields[4].split(':').first().toLongLong(nullptr, 16));
    }
    return most;
}

} // namespace

class TestUploadTransfer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void byteExactMultiChunk_data();
    void byteExactMultiChunk();
    void resumesAfterCutMidChunk();
    void resumesAfterStopAndRestart();
    void invalidLocationGetsNewOne();
    void droppedLocationsEndTheRun();
    void fileChanged_data();
    void fileChanged();
    void serverErrorCountdown();
    void stopDuringFailureWaitEndsAtOnce();
    void attempts_data();
    void attempts();
    void oneReleasePerRun_data();
    void oneReleasePerRun();
    void progressIsCoalesced();
    void deadKeptConnectionIsRewound();
    void linkIsUtf8();
    void figuresFollowTheLine();
    void pausedRowShowsNoTimeLeft();
    void speedLimitPacesEveryByte_data();
    void speedLimitPacesEveryByte();
    void uploadOnAStalledLine_data();
    void uploadOnAStalledLine();
    void cappedUploadResumesAfterTheServiceDied();
    void chunkTimedInFractionsOfASecond();

private:
    devservice::Service& service() { return fx.service(); }
    // A job sending a file in one chunk, timed by the real clock, over a slow line: the
    // stand-in reads 256 KiB a second into a small receive buffer, so what it has not read
    // waits in this side's queue, as it does before a real slow link. Null on failure.
    std::unique_ptr<UploadFile> jobOnASlowLine(const QString& name, qint64 size) {
        auto options = DevServiceFixture::defaultOptions();
        options.limits.receiveBuffer = 16 * 1024;
        fx.stop();
        if (!fx.start(options))
            return nullptr;
        service().uploadStore().setBandwidthCap(256 * 1024);
        auto job = fx.job(fx.writeFile(name, size));
        job->setChunkSize(int(size));
        job->setClock(&TransferProgress::systemSeconds);
        return job;
    }
    // Starts the job and waits for its end.
    void runToEnd(UploadFile& job, UploadRecorder& recorder) {
        job.startUpload();
        QVERIFY(recorder.waitForEnd());
    }

    UploadFixture fx;
};

void TestUploadTransfer::init() {
    QVERIFY2(fx.start(), qPrintable(fx.standIn().error()));
}

void TestUploadTransfer::cleanup() {
    fx.stop();
}

void TestUploadTransfer::byteExactMultiChunk_data() {
    QTest::addColumn<UploadStore::LinkReply>("linkReply");
    QTest::newRow("link with the last chunk") << UploadStore::LinkReply::CompletingChunk;
    QTest::newRow("link with the final request") << UploadStore::LinkReply::FinalRequest;
}

void TestUploadTransfer::byteExactMultiChunk() {
    QFETCH(UploadStore::LinkReply, linkReply);
    service().uploadStore().setLinkReply(linkReply);
    std::string bytes;
    const qint64 size = 3 * kChunk - 100;
    const auto job = fx.job(fx.writeFile("Bài hát mới.mp3", size, 7, &bytes));
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QVERIFY(job->isFinished());
    QCOMPARE(job->getState(), int(UploadFile::StateIdle));
    QCOMPARE(job->getStatusText(), QString());
    QCOMPARE(recorder.flags().last(), int(UploadFile::UploadDone));
    QCOMPARE(recorder.releases(), 1);

    QStringList expected{"GET", range(0, kChunk - 1, size),
                         "GET", range(kChunk, 2 * kChunk - 1, size),
                         "GET", range(2 * kChunk, size - 1, size)};
    if (linkReply == UploadStore::LinkReply::FinalRequest)
        expected << "GET" << range(size, size - 1, size);
    QCOMPARE(fx.locationSteps(), expected);
    for (const devservice::Request& request : fx.locationRequests()) {
        if (request.method == "GET") {
            QVERIFY(!request.header("Content-Range") && !request.header("Content-Type"));
            continue;
        }
        QStringList custom;
        for (const std::string& line : request.headerLines) {
            const QString text = QString::fromStdString(line);
            if (text.startsWith("Content-Type") || text.startsWith("Accept") ||
                text.startsWith("Content-Range") || text.startsWith("Expect"))
                custom << text.section(':', 0, 0);
        }
        QCOMPARE(custom, (QStringList{"Content-Type", "Accept", "Content-Range"}));
        QCOMPARE(*request.header("Content-Type"), std::string("application/octet-stream"));
        QCOMPARE(*request.header("Accept"), std::string("application/json"));
    }
    QCOMPARE(postedBytes(fx.locationRequests()), size);

    // The stand-in holds exactly the file, in the target folder, under the job's link.
    const auto link = devservice::parseShareLink(job->getMlink().toStdString());
    QVERIFY(link);
    const auto entry = service().files().find(link->code);
    QVERIFY(entry);
    QCOMPARE(service().files().pathOf(link->code), std::string("/Music/Bài hát mới.mp3"));
    QCOMPARE(fileSha256(entry->contentFile), sha256(QByteArray::fromStdString(bytes)));

    // Listings show it, and it downloads again with its own bytes.
    brisko::file_api files(&apiClient);
    auto listed = files.list(0, QUrl::toPercentEncoding("/Music").toStdString());
    bool inListing = false;
    for (const brisko::file* record : listed)
        inListing = inListing || record->get_name() == "Bài hát mới.mp3";
    brisko::delete_all(listed);
    QVERIFY(inListing);
    brisko::sessionapi sessions(&apiClient);
    const std::string where = sessions.download(job->getMlink().toStdString(), "", false);
    QCOMPARE(sessions.get_error_code(), 0);
    QVERIFY(fetch(where).body == bytes);
}

void TestUploadTransfer::resumesAfterCutMidChunk() {
    std::string bytes;
    const qint64 size = 3 * kChunk;
    const auto job = fx.job(fx.writeFile("cut.bin", size, 3, &bytes));
    service().uploadStore().cutNextChunkAfter(10000);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QVERIFY(job->isFinished());
    // The chunk after the cut starts where the stand-in's bytes end: nothing twice.
    QCOMPARE(fx.locationSteps(), (QStringList{"GET", range(0, kChunk - 1, size), "GET",
                                              range(10000, 10000 + kChunk - 1, size), "GET",
                                              range(10000 + kChunk, 10000 + 2 * kChunk - 1, size),
                                              "GET", range(10000 + 2 * kChunk, size - 1, size)}));
    QCOMPARE(fx.waits().designed(TimeSource::Wait::Retry), QList<qint64>{10000});
    const auto entry =
        service().files().find(devservice::parseShareLink(job->getMlink().toStdString())->code);
    QCOMPARE(fileSha256(entry->contentFile), sha256(QByteArray::fromStdString(bytes)));
}

void TestUploadTransfer::resumesAfterStopAndRestart() {
    std::string bytes;
    const qint64 size = 3 * kChunk;
    const auto job = fx.job(fx.writeFile("stop.bin", size, 4, &bytes));
    fx.waits().chunkPause = std::chrono::milliseconds(60000);
    UploadRecorder recorder(job.get());
    job->startUpload();
    QTRY_VERIFY(!job->getRealUrl().isEmpty());
    const QString location = job->getRealUrl();
    const std::string token = location.section('/', -1).toStdString();
    QTRY_COMPARE(service().uploadStore().progress(token).received, std::uint64_t(kChunk));
    job->stopUpload();
    QVERIFY(recorder.waitForEnd());
    QCOMPARE(job->getState(), int(UploadFile::StateStopped));
    QCOMPARE(job->getStatusText(), QString("Dừng"));
    QCOMPARE(recorder.releases(), 1);

    // Started again, it asks its kept location where to go on.
    fx.waits().chunkPause = std::chrono::milliseconds(1);
    const std::size_t requestsBefore = service().requests().size();
    const std::size_t sessionsBefore = fx.sent("/api/session/upload");
    UploadRecorder again(job.get());
    runToEnd(*job, again);
    QVERIFY(job->isFinished());
    QCOMPARE(fx.sent("/api/session/upload"), sessionsBefore);
    const auto all = service().requests().all();
    const auto firstToLocation =
        std::find_if(all.begin() + long(requestsBefore), all.end(),
                     [](const devservice::Request& r) { return r.path().rfind("/up/", 0) == 0; });
    QVERIFY(firstToLocation != all.end());
    QCOMPARE(firstToLocation->method, std::string("GET"));
    QCOMPARE(QString::fromStdString(firstToLocation->path()), QUrl(location).path());
    QCOMPARE(fx.locationSteps().mid(2), (QStringList{"GET", range(kChunk, 2 * kChunk - 1, size),
                                                     "GET", range(2 * kChunk, size - 1, size)}));
    QCOMPARE(postedBytes(fx.locationRequests()), size);
    QCOMPARE(fx.waits().designed(TimeSource::Wait::ChunkPause).first(), qint64(500));
}

void TestUploadTransfer::invalidLocationGetsNewOne() {
    const qint64 size = 2 * kChunk;
    std::string token;
    const QString kept = fx.issueLocation(size, &token, "moved.bin");
    service().uploadStore().invalidate(token);
    const auto job = fx.job(fx.writeFile("moved.bin", size), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QVERIFY(job->isFinished());
    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(1)); // only the forced one
    QVERIFY(job->getRealUrl() != kept);
    QCOMPARE(fx.locationSteps(), (QStringList{"GET", "GET", range(0, kChunk - 1, size), "GET",
                                              range(kChunk, size - 1, size)}));
    QCOMPARE(QString::fromStdString(fx.locationRequests().front().path()), QUrl(kept).path());
}

void TestUploadTransfer::droppedLocationsEndTheRun() {
    // Every location stops being valid after two chunks, so the file never gets whole:
    // the new locations count against the attempts, and taken chunks don't forgive them.
    setSetting(SettingsKeys::UploadFailTry, 4);
    service().uploadStore().setChunksPerLocation(2);
    const qint64 size = 3 * kChunk;
    const auto job = fx.job(fx.writeFile("dropped.bin", size), fx.issueLocation(size));
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QCOMPARE(job->getState(), int(UploadFile::StateFailed));
    QCOMPARE(job->getStatusText(), QString(kLocationsRefused));
    QVERIFY(!job->isFinished());
    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(4));
    QCOMPARE(recorder.releases(), 1);
}

void TestUploadTransfer::fileChanged_data() {
    QTest::addColumn<bool>("sizeMismatch"); // else: an offset beyond the file
    QTest::addColumn<int>("posts");
    QTest::newRow("size of another file") << true << 1;
    QTest::newRow("offset beyond the file") << false << 0;
}

void TestUploadTransfer::fileChanged() {
    QFETCH(bool, sizeMismatch);
    QFETCH(int, posts);
    const qint64 size = 1000;
    std::string token;
    const QString kept = fx.issueLocation(sizeMismatch ? size + 1 : size, &token);
    if (!sizeMismatch)
        service().faults().next("/up/" + token, Fault::status(200, R"({"offset":1001})"));
    const auto job = fx.job(fx.writeFile("changed.bin", size), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QCOMPARE(job->getState(), int(UploadFile::StateFailed));
    QCOMPARE(job->getStatusText(), QString(kFileChanged));
    QVERIFY(!job->isFinished());
    QCOMPARE(recorder.releases(), 1);
    int posted = 0;
    for (const auto& request : fx.locationRequests())
        posted += request.method == "POST";
    QCOMPARE(posted, posts);
}

void TestUploadTransfer::serverErrorCountdown() {
    const qint64 size = 500;
    std::string token;
    const QString kept = fx.issueLocation(size, &token);
    service().faults().at("/up/" + token, 2, Fault::status(200, kBusy)); // the first POST
    const auto job = fx.job(fx.writeFile("busy.bin", size), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QVERIFY(job->isFinished());
    QStringList countdown;
    for (int seconds : {5, 5, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1})
        countdown << QStringLiteral("Lỗi tải lên! Thử lại sau %1s").arg(seconds);
    const QStringList expected =
        QStringList{"Starting", "Uploading"} + countdown + QStringList{"Uploading", "Finalizing"};
    QCOMPARE(recorder.texts(), expected);
    QCOMPARE(fx.waits().designed(TimeSource::Wait::CountdownStep), QList<qint64>{300});
}

void TestUploadTransfer::stopDuringFailureWaitEndsAtOnce() {
    const qint64 size = 500;
    std::string token;
    const QString kept = fx.issueLocation(size, &token);
    service().faults().at("/up/" + token, 2, Fault::cutBeforeReply());
    fx.waits().retry = std::chrono::milliseconds(60000);
    const auto job = fx.job(fx.writeFile("cut.bin", size), kept);
    UploadRecorder recorder(job.get());
    job->startUpload();
    QTRY_COMPARE(job->getState(), int(UploadFile::StateFailed)); // waiting to retry
    job->stopUpload();
    QVERIFY(recorder.waitForEnd(5000)); // far before the wait would end
    QCOMPARE(job->getState(), int(UploadFile::StateStopped));
    QCOMPARE(job->getStatusText(), QString("Dừng"));
    QCOMPARE(recorder.releases(), 1);
}

void TestUploadTransfer::attempts_data() {
    QTest::addColumn<int>("maxAttempts");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<int>>("faultCalls"); // calls of the location that fail
    QTest::addColumn<QString>("faultKind");     // "cut", "busy", "503", "negative", "page"
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text"); // "*": libcurl's text, whatever it is
    QTest::addColumn<int>("posts");
    const int failed = UploadFile::StateFailed;
    QTest::newRow("one attempt, many chunks")
        << 1 << qint64(3 * kChunk) << QList<int>{} << "" << int(UploadFile::StateIdle) << "" << 3;
    // A taken chunk starts the count afresh, so single failures between chunks never add up.
    QTest::newRow("failures between taken chunks")
        << 2 << qint64(2 * kChunk) << QList<int>{2, 6} << "cut" << int(UploadFile::StateIdle) << ""
        << 4;
    QTest::newRow("transport failures run out")
        << 2 << qint64(500) << QList<int>{2, 4} << "cut" << failed << "*" << 2;
    QTest::newRow("refused chunks run out")
        << 2 << qint64(500) << QList<int>{2, 4} << "busy" << failed << "SERVER_BUSY" << 2;
    // An error page in answer to a chunk is a failure, not a taken chunk.
    QTest::newRow("error pages run out")
        << 2 << qint64(500) << QList<int>{2, 4} << "page" << failed << "HTTP error code: 502" << 2;
    QTest::newRow("offset query not a success")
        << 1 << qint64(500) << QList<int>{1} << "503" << failed << "HTTP error code: 503" << 0;
    QTest::newRow("negative offset")
        << 1 << qint64(500) << QList<int>{1} << "negative" << failed << "Weird server reply" << 0;
    QTest::newRow("no attempts") << 0 << qint64(500) << QList<int>{} << ""
                                 << int(UploadFile::StateStopped) << "" << 0;
}

void TestUploadTransfer::attempts() {
    QFETCH(int, maxAttempts);
    QFETCH(qint64, size);
    QFETCH(QList<int>, faultCalls);
    QFETCH(QString, faultKind);
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(int, posts);
    setSetting(SettingsKeys::UploadFailTry, maxAttempts);
    std::string token;
    const QString kept = fx.issueLocation(size, &token);
    for (int call : faultCalls) {
        Fault fault = faultKind == "cut"    ? Fault::cutBeforeReply()
                      : faultKind == "busy" ? Fault::status(200, kBusy)
                      : faultKind == "503"  ? Fault::status(503, R"({"offset":0})")
                      : faultKind == "page" ? Fault::status(502, "<html>502</html>", "text/html")
                                            : Fault::status(200, R"({"offset":-4})");
        service().faults().at("/up/" + token, call, fault);
    }
    const auto job = fx.job(fx.writeFile("tries.bin", size), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QCOMPARE(job->getState(), state);
    QCOMPARE(job->isFinished(), state == UploadFile::StateIdle);
    if (text == "*") {
        // The last failure stays: libcurl's text, also shown during the last wait.
        const QStringList texts = recorder.texts();
        QVERIFY(!job->getStatusText().isEmpty());
        QCOMPARE(job->getStatusText(), texts.at(texts.size() - 2));
    } else {
        QCOMPARE(job->getStatusText(), text);
    }
    int posted = 0;
    for (const auto& request : fx.locationRequests())
        posted += request.method == "POST";
    QCOMPARE(posted, posts);
    QCOMPARE(recorder.releases(), 1);
}

// Every way a run can end gives the running place back exactly once.
void TestUploadTransfer::oneReleasePerRun_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("state");
    const int failed = UploadFile::StateFailed;
    QTest::newRow("finished") << "finished" << int(UploadFile::StateIdle);
    QTest::newRow("file missing") << "missing" << failed;
    QTest::newRow("location not http") << "ftp" << failed;
    QTest::newRow("forced session refused") << "refused" << failed;
    QTest::newRow("final reply with an error") << "final error" << failed;
    QTest::newRow("stopped at once") << "stopped" << int(UploadFile::StateStopped);
}

void TestUploadTransfer::oneReleasePerRun() {
    QFETCH(QString, path);
    QFETCH(int, state);
    const qint64 size = 2 * kChunk;
    std::string token;
    QString kept = fx.issueLocation(size, &token);
    const QString local = fx.writeFile("release.bin", size);
    if (path == "missing")
        QFile::remove(local);
    if (path == "ftp")
        kept = "ftp://127.0.0.1/up/x";
    if (path == "refused") {
        service().uploadStore().invalidate(token);
        service().faults().next("/api/session/upload",
                                Fault::status(200, R"({"code":7,"msg":"Tên không hợp lệ"})"));
    }
    if (path == "final error") // the last chunk's reply: a link, and an error as well
        service().faults().at("/up/" + token, 4,
                              Fault::status(200, R"({"url":"https://x","error":"Hỏng"})"));
    const auto job = fx.job(local, kept);
    UploadRecorder recorder(job.get());
    job->startUpload();
    if (path == "stopped")
        job->stopUpload();
    QVERIFY(recorder.waitForEnd());
    QCOMPARE(recorder.releases(), 1);
    if (state >= 0)
        QCOMPARE(job->getState(), state);
    if (path == "refused")
        QCOMPARE(job->getStatusText(), QString("Tên không hợp lệ"));
    if (path == "final error")
        QCOMPARE(job->getStatusText(), QString("Hỏng"));
}

void TestUploadTransfer::progressIsCoalesced() {
    service().uploadStore().setBandwidthCap(4 * 1024 * 1024);
    const qint64 size = 2 * 1024 * 1024;
    const auto job = fx.job(fx.writeFile("slow.bin", size));
    job->setChunkSize(int(size));
    UploadRecorder recorder(job.get());
    QElapsedTimer elapsed;
    elapsed.start();
    runToEnd(*job, recorder);
    QVERIFY(job->isFinished());
    // Two forced reports per attempt, and at most one per 250 ms besides.
    QVERIFY2(recorder.count(UploadFile::ProgressChanged) <= 2 + elapsed.elapsed() / 250 + 1,
             qPrintable(QString::number(recorder.count(UploadFile::ProgressChanged))));
}

void TestUploadTransfer::deadKeptConnectionIsRewound() {
    // The second chunk goes out on the connection kept from the first, which the service
    // drops without a word (as after its restart): libcurl sends the chunk again on a
    // fresh connection at once, rewinding the body, instead of failing the attempt.
    std::string bytes;
    const qint64 size = 2 * kChunk;
    std::string token;
    const QString kept = fx.issueLocation(size, &token);
    service().faults().at("/up/" + token, 4, Fault::cutAfterRequest());
    const auto job = fx.job(fx.writeFile("restart.bin", size, 5, &bytes), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);

    QVERIFY(job->isFinished());
    QCOMPARE(recorder.texts(), (QStringList{"Starting", "Uploading", "Uploading", "Finalizing"}));
    QVERIFY(fx.waits().designed(TimeSource::Wait::Retry).isEmpty());
    QCOMPARE(fx.locationSteps(),
             (QStringList{"GET", range(0, kChunk - 1, size), "GET", range(kChunk, size - 1, size),
                          range(kChunk, size - 1, size)}));
    const auto entry =
        service().files().find(devservice::parseShareLink(job->getMlink().toStdString())->code);
    QVERIFY(entry);
    QCOMPARE(fileSha256(entry->contentFile), sha256(QByteArray::fromStdString(bytes)));
}

void TestUploadTransfer::linkIsUtf8() {
    std::string token;
    const QString kept = fx.issueLocation(500, &token);
    service().faults().at("/up/" + token, 2,
                          Fault::status(200, R"({"url":"https://www.localhost/file/ẢNH-tập"})"));
    const auto job = fx.job(fx.writeFile("link.bin", 500), kept);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);
    QVERIFY(job->isFinished());
    QCOMPARE(job->getMlink(), QString::fromUtf8("https://www.localhost/file/ẢNH-tập"));
}

namespace {

// The figures a job showed, read on its own thread whenever it reported them.
struct Figures {
    QMutex mutex;
    QList<double> progress;                 // at each ProgressChanged
    QList<QPair<double, QString>> timeLeft; // progress and time left at each RemainingChanged

    void watch(UploadFile* job) {
        QObject::connect(
            job, &UploadFile::dataChanged, job,
            [this](UploadFile* cfile, UploadFile::UploadFileFlags flag) {
                QMutexLocker lock(&mutex);
                if (flag == UploadFile::ProgressChanged)
                    progress.append(cfile->progress());
                else if (flag == UploadFile::RemainingChanged)
                    timeLeft.append({cfile->progress(), cfile->remainingText()});
            },
            Qt::DirectConnection);
    }
};

} // namespace

void TestUploadTransfer::figuresFollowTheLine() {
    const auto job = jobOnASlowLine("line.bin", 1024 * 1024);
    QVERIFY2(job, qPrintable(fx.standIn().error()));
    Figures figures;
    figures.watch(job.get());
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);
    QVERIFY(job->isFinished());

    QMutexLocker lock(&figures.mutex);
    // The kernel takes the body at once; the figures follow what went out instead.
    QSet<double> between;
    for (double value : figures.progress) {
        QVERIFY2(value < 1.0, "100 % before the service's answer");
        if (value > 0.05 && value < 0.95)
            between.insert(value);
    }
    QVERIFY2(between.size() >= 3, qPrintable(QString::number(between.size())));
    bool estimated = false;
    for (const auto& [progress, text] : figures.timeLeft) {
        estimated = estimated || !text.isEmpty();
        if (progress < 0.9999)
            QVERIFY2(text != "00:00:00 s", "no time left while bytes remain");
    }
    QVERIFY(estimated);
}

void TestUploadTransfer::pausedRowShowsNoTimeLeft() {
    const auto job = jobOnASlowLine("pause.bin", 2 * 1024 * 1024);
    QVERIFY2(job, qPrintable(fx.standIn().error()));
    Figures figures;
    figures.watch(job.get());
    UploadRecorder recorder(job.get());
    job->startUpload();
    QTRY_VERIFY_WITH_TIMEOUT(!job->remainingText().isEmpty(), 15000);
    job->stopUpload();
    QVERIFY(recorder.waitForEnd());
    QCOMPARE(job->getState(), int(UploadFile::StateStopped));
    QCOMPARE(job->remainingText(), QString());
    QMutexLocker lock(&figures.mutex);
    QVERIFY(!figures.timeLeft.isEmpty());
    QCOMPARE(figures.timeLeft.last().second, QString()); // the row was told
}

void TestUploadTransfer::speedLimitPacesEveryByte_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("kilobytes");
    QTest::addColumn<qint64>("lastPause"); // ms; -1: none asked for
    QTest::newRow("64 KB/s over three chunks") << true << 64 << 3000LL;
    QTest::newRow("switched off") << false << 64 << -1LL;
    QTest::newRow("0 KB/s: no limit") << true << 0 << -1LL;
}

void TestUploadTransfer::speedLimitPacesEveryByte() {
    QFETCH(bool, enabled);
    QFETCH(int, kilobytes);
    QFETCH(qint64, lastPause);
    setSetting(SettingsKeys::UseUploadLimit, enabled);
    setSetting(SettingsKeys::UploadLimit, kilobytes);
    const qint64 size = 3 * kChunk;
    const auto job = fx.job(fx.writeFile("paced.bin", size, 3));
    job->setPacerClock(&frozenPacerClock);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);
    QVERIFY(job->isFinished());
    QCOMPARE(postedBytes(fx.locationRequests()), size);

    const QList<qint64> pauses = fx.waits().designed(TimeSource::Wait::SpeedLimit);
    if (lastPause < 0) {
        QVERIFY(pauses.isEmpty());
        return;
    }
    // With the clock standing still each pause is what all bytes so far are due: the
    // last one covers the whole file, across its chunks and the pauses between them.
    QVERIFY(!pauses.isEmpty());
    QCOMPARE(pauses.last(), lastPause);
    // Each piece adds a twentieth of a second at most: the sending is smooth.
    qint64 before = 0;
    for (const qint64 pause : pauses) {
        QVERIFY2(pause >= before && pause - before <= 51,
                 qPrintable(QStringLiteral("%1 after %2").arg(pause).arg(before)));
        before = pause;
    }
}

void TestUploadTransfer::uploadOnAStalledLine_data() {
    QTest::addColumn<int>("limit");        // KB/s; 0: no speed limit
    QTest::addColumn<quint64>("lineRate"); // bytes a second the stand-in reads
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QString>("state"); // the status text at the end
    // The stand-in takes a few kilobytes and then nothing more.
    QTest::newRow("capped: ends at the send stall")
        << 64 << quint64(1) << false << "Timeout was reached";
    QTest::newRow("capped: a stop ends it at once") << 64 << quint64(1) << true << "Dừng";
    QTest::newRow("not capped: ends at the send stall")
        << 0 << quint64(1) << false << "Timeout was reached";
    // A line slower than the limit that still moves is no stalled line.
    QTest::newRow("capped, slow line: goes on") << 512 << quint64(128 * 1024) << false << "";
}

void TestUploadTransfer::uploadOnAStalledLine() {
    // A capped upload holds its next pieces back while the line has not sent the earlier
    // ones, and still ends when nothing leaves; an upload without a cap ends the same way.
    QFETCH(int, limit);
    QFETCH(quint64, lineRate);
    QFETCH(bool, stop);
    QFETCH(QString, state);
    auto options = DevServiceFixture::defaultOptions();
    options.limits.receiveBuffer = lineRate > 1 ? 16 * 1024 : 4096;
    fx.stop();
    QVERIFY2(fx.start(options), qPrintable(fx.standIn().error()));
    service().uploadStore().setBandwidthCap(lineRate);
    setSetting(SettingsKeys::UseUploadLimit, limit > 0);
    setSetting(SettingsKeys::UploadLimit, limit);
    setSetting(SettingsKeys::UploadFailTry, 1);
    // Real pauses: the pieces must go out at the line's pace, not all at once.
    fx.waits().speedLimit = std::chrono::milliseconds(0);
    // The short stall while bytes wait to leave; the service's long one to store a chunk
    // stays as designed.
    fx.waits().sendStall = std::chrono::milliseconds(stop ? 0 : lineRate > 1 ? 1500 : 500);
    const qint64 size = 4 * kChunk;
    const auto job = fx.job(fx.writeFile("silent.bin", size));
    job->setChunkSize(int(size));
    UploadRecorder recorder(job.get());
    job->startUpload();
    if (stop) {
        std::string token;
        QTRY_VERIFY((token = job->getRealUrl().section('/', -1).toStdString(),
                     !token.empty() && service().uploadStore().progress(token).received > 0));
        job->stopUpload();
    }
    QVERIFY(recorder.waitForEnd(stop ? 5000 : 15000));
    QCOMPARE(job->getStatusText(), state);
    QCOMPARE(job->isFinished(), state.isEmpty());
    QCOMPARE(recorder.releases(), 1);
}

void TestUploadTransfer::cappedUploadResumesAfterTheServiceDied() {
    // The service takes the first bytes of a capped upload's chunk, stops reading and
    // dies. The job's connection is then no longer established, and its send queue keeps
    // its last count for ever: the attempt ends at once, well within the send stall, and
    // once the service is back the next one goes on from the service's offset.
    auto options = DevServiceFixture::defaultOptions();
    options.limits.receiveBuffer = 4096;
    fx.stop();
    QVERIFY2(fx.start(options), qPrintable(fx.standIn().error()));
    service().uploadStore().setBandwidthCap(1); // a first piece, then nothing
    setSetting(SettingsKeys::UseUploadLimit, true);
    setSetting(SettingsKeys::UploadLimit, 1024); // pieces of 52428 bytes
    fx.waits().retry = std::chrono::milliseconds(100);
    std::string bytes;
    const qint64 size = 4 * kChunk;
    const auto job = fx.job(fx.writeFile("died.bin", size, 6, &bytes));
    job->setChunkSize(int(size));
    UploadRecorder recorder(job.get());
    job->startUpload();
    std::string token;
    QTRY_VERIFY((token = job->getRealUrl().section('/', -1).toStdString(),
                 !token.empty() && service().uploadStore().progress(token).received > 0));
    // More waits in the job's connection than one piece and what the stand-in's buffer
    // can take: the job holds its next piece back, for good.
    QTRY_VERIFY(sendQueueTo(fx.standIn().port()) > 52428 + 8192);

    service().stop();
    const std::uint64_t held = service().uploadStore().progress(token).received;
    QTRY_VERIFY_WITH_TIMEOUT(recorder.texts().contains("Failed sending data to the peer"), 5000);
    service().uploadStore().setBandwidthCap(0);
    std::string error;
    QVERIFY2(service().restart(&error), error.c_str());
    QVERIFY(recorder.waitForEnd(15000));

    QVERIFY(job->isFinished());
    QCOMPARE(recorder.releases(), 1);
    QStringList posts;
    for (const QString& step : fx.locationSteps()) {
        if (step != "GET")
            posts << step;
    }
    // Nothing the service held is sent again.
    QCOMPARE(posts, (QStringList{range(0, size - 1, size), range(qint64(held), size - 1, size)}));
    const auto entry =
        service().files().find(devservice::parseShareLink(job->getMlink().toStdString())->code);
    QVERIFY(entry);
    QCOMPARE(fileSha256(entry->contentFile), sha256(QByteArray::fromStdString(bytes)));
}

void TestUploadTransfer::chunkTimedInFractionsOfASecond() {
    // A chunk sent within a second makes the next one larger: its time counts with its
    // fraction. (In whole seconds it would read 0 and keep the size, chunk after chunk.)
    const qint64 size = 4 * kChunk;
    const auto job = fx.job(fx.writeFile("fast.bin", size));
    clockReadings = 0;
    job->setClock(&steppingClock);
    UploadRecorder recorder(job.get());
    runToEnd(*job, recorder);
    QVERIFY(job->isFinished());
    QCOMPARE(fx.locationSteps(), (QStringList{"GET", range(0, kChunk - 1, size), "GET",
                                              range(kChunk, size - 1, size)}));
}

QTEST_GUILESS_MAIN(TestUploadTransfer)
#include "test_uploadtransfer.moc"
