// Download jobs fetching real HTTPS locations from the stand-in, checked byte for byte:
// fresh and resumed downloads, expired locations, failing and misbehaving servers,
// stops at every stage, and completion that is proven by the length.
#include "core/ruridudi.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadjobfixture.h"
#include "tools/devservice/locationfaults.h"

#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QUrl>
#include <QtTest>

using devservice::Fault;
using devservice::LocationFault;

Q_DECLARE_METATYPE(LocationFault)

namespace {

using F = DownloadFile::DownloadFileFlags;
const QString kPartial = "Partial file downloaded";
const QString kUnavailable = "Service is not available";
const QString kStopped = "Dừng";
const QString kOverrun = "Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.";
const QString kServerFileChanged = "Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.";

QList<qint64> retryWaits(int count) {
    QList<qint64> waits;
    for (int i = 0; i < count; ++i)
        waits.append(10000 + 1000 * i);
    return waits;
}

} // namespace

class TestDownloadFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshDownload();
    void resumesPartialFile_data();
    void resumesPartialFile();
    void completeFileNeedsNoRequest();
    void longerLocalFileIsLeftAlone();
    void zipResumes();
    void expiredLocation_data();
    void expiredLocation();
    void relinkAfterFailureGoesOn();
    void serviceFailures_data();
    void serviceFailures();
    void completionIsProven_data();
    void completionIsProven();
    void unknownSizeTrustsTheServer_data();
    void unknownSizeTrustsTheServer();
    void wholeAnswerToAResume();
    void serverFileShrank();
    void silentLocationReplaced();
    void stallIsRetried();
    void keptLocationMustBeWeb();
    void noSpeedLimit_data();
    void noSpeedLimit();
    void stopDuringTransfer_data();
    void stopDuringTransfer();
    void stopDuringRetryWait();
    void stopDuringRelink();
    void stopDuringAccountWait();

private:
    devservice::Service& service() { return fixture.service(); }
    bool downloaded(const DownloadFile& job, const TestFile& file) {
        return DownloadJobFixture::fileSha256(job.getPath()) ==
               DownloadJobFixture::sha256(DownloadJobFixture::content(file));
    }

    DownloadJobFixture fixture;
};

void TestDownloadFile::init() {
    QVERIFY(fixture.start());
    SettingsStore().remove(SettingsKeys::UseDownloadLimit);
}

void TestDownloadFile::cleanup() {
    fixture.stop();
}

void TestDownloadFile::freshDownload() {
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 3);
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(job->isFinished());
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QCOMPARE(run.texts().mid(0, 2), (QStringList{"Starting", "Downloading"}));
    QCOMPARE(run.flags().mid(run.flags().size() - 2),
             (QList<int>{F::StatusChanged, F::DownloadDone}));
    QCOMPARE(run.releases(), 1);
    QCOMPARE(fixture.sessionRequests(), 1);
    const auto gets = fixture.locationRequests();
    QCOMPARE(gets.size(), size_t(1));
    QVERIFY(!gets[0].header("Range"));
    // The location is kept for a later run.
    QVERIFY(job->getSession().contains("/dl/"));
}

void TestDownloadFile::resumesPartialFile_data() {
    QTest::addColumn<qint64>("present");
    QTest::newRow("one byte") << 1LL;
    QTest::newRow("half") << 150000LL;
    QTest::newRow("all but one byte") << 299999LL;
}

void TestDownloadFile::resumesPartialFile() {
    QFETCH(qint64, present);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    QVERIFY(DownloadJobFixture::writeFile(
        job->getPath(), DownloadJobFixture::content(DownloadJobFixture::kSmall, 0, present)));
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    const auto gets = fixture.locationRequests();
    QCOMPARE(gets.size(), size_t(1));
    QCOMPARE(QString::fromStdString(gets[0].header("Range").value_or("")),
             QString("bytes=%1-").arg(present));
}

void TestDownloadFile::completeFileNeedsNoRequest() {
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    QVERIFY(DownloadJobFixture::writeFile(job->getPath(),
                                          DownloadJobFixture::content(DownloadJobFixture::kSmall)));
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().requests().clear();
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 3);
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QCOMPARE(run.flags(), (QList<int>{F::StatusChanged, F::StatusChanged, F::DownloadDone}));
    QCOMPARE(service().requests().size(), size_t(0));
}

void TestDownloadFile::longerLocalFileIsLeftAlone() {
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    const QByteArray mine = DownloadJobFixture::content(DownloadJobFixture::kSmall) + "more";
    QVERIFY(DownloadJobFixture::writeFile(job->getPath(), mine));
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().requests().clear();
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 4);
    QVERIFY(job->getStatusText().startsWith("Tập tin trên máy lớn hơn"));
    QVERIFY(!job->isFinished());
    QCOMPARE(DownloadJobFixture::fileSha256(job->getPath()), DownloadJobFixture::sha256(mine));
    QCOMPARE(service().requests().size(), size_t(0));
    QVERIFY(fixture.waits.designed(TimeSource::Wait::Retry).isEmpty());
    QCOMPARE(run.releases(), 1);
}

void TestDownloadFile::zipResumes() {
    // The zip's size is unknown beforehand: a clean, complete answer ends it.
    auto whole = fixture.zipJob("whole.zip");
    QVERIFY(JobRecorder(whole.get()).runToEnd());
    QCOMPARE(whole->getStatusText(), QString("Completed"));
    QFile wholeFile(whole->getPath());
    QVERIFY(wholeFile.open(QIODevice::ReadOnly));
    const QByteArray zip = wholeFile.readAll();
    QVERIFY(zip.startsWith("PK\x03\x04"));
    QVERIFY(zip.size() > 75000);

    auto part = fixture.zipJob("part.zip");
    QVERIFY(DownloadJobFixture::writeFile(part->getPath(), zip.left(zip.size() / 2)));
    QVERIFY(JobRecorder(part.get()).runToEnd());
    QCOMPARE(part->getStatusText(), QString("Completed"));
    QCOMPARE(DownloadJobFixture::fileSha256(part->getPath()), DownloadJobFixture::sha256(zip));

    // Already whole: the server's "nothing left" names the same length.
    auto again = fixture.zipJob("whole.zip");
    QVERIFY(JobRecorder(again.get()).runToEnd());
    QCOMPARE(again->getStatusText(), QString("Completed"));
    QCOMPARE(DownloadJobFixture::fileSha256(again->getPath()), DownloadJobFixture::sha256(zip));
}

void TestDownloadFile::expiredLocation_data() {
    QTest::addColumn<int>("scripted"); // 403 answers scripted in a row; 0: a real expiry
    QTest::addColumn<int>("sessions"); // session requests the job makes
    QTest::newRow("the location expired") << 0 << 1;
    QTest::newRow("three times in a row") << 3 << 3;
}

void TestDownloadFile::expiredLocation() {
    QFETCH(int, scripted);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    if (scripted == 0)
        service().downloads().expireAll();
    for (int i = 0; i < scripted; ++i)
        service().locationFaults().next(LocationFault::withStatus(403));
    service().requests().clear();
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QTEST(fixture.sessionRequests(), "sessions");
    // New locations are asked for at once, without a retry wait.
    QVERIFY(fixture.waits.designed(TimeSource::Wait::Retry).isEmpty());
    QCOMPARE(run.releases(), 1);
}

void TestDownloadFile::relinkAfterFailureGoesOn() {
    // A failure gives the place back; a 403 after it (the service was restarted) brings
    // a new location, and the run goes on with it instead of pretending a pause.
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().locationFaults().next(LocationFault::withStatus(500));
    service().locationFaults().next(LocationFault::withStatus(403));
    service().requests().clear();
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 3);
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QVERIFY(!run.texts().contains(kStopped));
    QCOMPARE(fixture.sessionRequests(), 1);
    QCOMPARE(fixture.locationRequests().size(), size_t(3));
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(1));
    QCOMPARE(run.releases(), 2);
}

void TestDownloadFile::serviceFailures_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("endText");
    QTest::addColumn<int>("endState");
    QTest::addColumn<int>("releases");
    QTest::newRow("404 once") << 404 << 1 << "Completed" << 3 << 2;
    QTest::newRow("500 twice") << 500 << 2 << "Completed" << 3 << 2;
    QTest::newRow("500 to the end: eleven attempts") << 500 << 11 << kUnavailable << 2 << 2;
}

void TestDownloadFile::serviceFailures() {
    QFETCH(int, status);
    QFETCH(int, failures);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    const QString location = fixture.issueLocation(DownloadJobFixture::kSmall);
    job->setSession(location);
    for (int i = 0; i < failures; ++i)
        service().locationFaults().next(LocationFault::withStatus(status));
    service().requests().clear();
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QTEST(job->getStatusText(), "endText");
    QTEST(job->getState(), "endState");
    QVERIFY(run.texts().contains(kUnavailable));
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(failures));
    QCOMPARE(fixture.locationRequests().size(), size_t(std::min(failures + 1, 11)));
    QTEST(run.releases(), "releases");
    // A location that answers, if only with errors, is kept for the next start.
    QCOMPARE(job->getSession(), location);
    // Not a byte of an error page reached the file.
    if (job->getState() == 3)
        QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    else
        QCOMPARE(QFileInfo(job->getPath()).size(), 0LL);
}

void TestDownloadFile::completionIsProven_data() {
    QTest::addColumn<LocationFault>("fault");
    QTest::addColumn<qint64>("present");  // bytes of the file present, all wrong
    QTest::addColumn<QString>("failure"); // "": no failure on the way
    QTest::newRow("302 with a body")
        << LocationFault::redirect("https://example.invalid/x") << 0LL << kPartial;
    QTest::newRow("cut short") << LocationFault::cutShort(1000) << 0LL << kPartial;
    QTest::newRow("ends cleanly, but short") << LocationFault::endEarly(1000) << 0LL << kPartial;
    QTest::newRow("ends cleanly, but short, resumed")
        << LocationFault::endEarly(1000) << 500LL << kPartial;
    QTest::newRow("whole file instead of the range: written afresh")
        << LocationFault::ignoreRange() << 7000LL << QString();
    // The service's size decides, whatever the server announces.
    QTest::newRow("announces half the file")
        << LocationFault::wrongLength(150000) << 0LL << kPartial;
    QTest::newRow("announces 5000 bytes more: cut at the size")
        << LocationFault::wrongLength(305000) << 0LL << kOverrun;
    QTest::newRow("a body that never ends: cut at the size")
        << LocationFault::endless() << 0LL << kOverrun;
    QTest::newRow("a part that doesn't say where it starts: never appended")
        << LocationFault::wholeAsPartial() << 7000LL << kPartial;
}

void TestDownloadFile::completionIsProven() {
    QFETCH(LocationFault, fault);
    QFETCH(qint64, present);
    QFETCH(QString, failure);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    if (present > 0) {
        QByteArray bytes = DownloadJobFixture::content(DownloadJobFixture::kSmall, 0, present);
        if (fault.kind == LocationFault::Kind::IgnoreRange)
            bytes.fill('x'); // appending the whole file to these would show
        QVERIFY(DownloadJobFixture::writeFile(job->getPath(), bytes));
    }
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().locationFaults().next(fault);
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    if (failure.isEmpty()) {
        QVERIFY(fixture.waits.designed(TimeSource::Wait::Retry).isEmpty());
    } else {
        QVERIFY2(run.texts().contains(failure), qPrintable(run.texts().join('|')));
        QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(1));
        QCOMPARE(run.texts().filter("Completed").size(), 1);
    }
}

void TestDownloadFile::unknownSizeTrustsTheServer_data() {
    QTest::addColumn<QString>("contentRange");  // of a scripted first answer; "": none scripted
    QTest::addColumn<QString>("contentLength"); // "": the stand-in's own
    QTest::addColumn<int>("bodyBytes");
    QTest::newRow("the server's total completes it") << ""
                                                     << "" << 0;
    // Numbers that cannot be used must not pass for "no number given": the short body
    // would end cleanly and complete the file. The attempt is refused; the retry completes.
    QTest::newRow("a length beyond any offset") << "bytes 1000-1009/*"
                                                << "9223372036854775807" << 10;
    QTest::newRow("a length past 64 bits") << "bytes 1000-1009/*"
                                           << "18446744073709551616" << 10;
    QTest::newRow("a total past 64 bits") << "bytes 1000-1099/18446744073709551615"
                                          << "" << 100;
    QTest::newRow("a negative total") << "bytes 1000-1099/-1"
                                      << "" << 100;
    QTest::newRow("a total that is no number") << "bytes 1000-1099/abc"
                                               << "" << 100;
    QTest::newRow("a total short of the range's end") << "bytes 1000-1099/1050"
                                                      << "" << 100;
}

void TestDownloadFile::unknownSizeTrustsTheServer() {
    // An old history entry whose size could not be fetched has size 0: that is no size,
    // so the partial file is resumed and the server's total completes it.
    QFETCH(QString, contentRange);
    QFETCH(QString, contentLength);
    QFETCH(int, bodyBytes);
    const TestFile& file = DownloadJobFixture::kSmall;
    DownloadFile job("small.bin", fixture.localPath("small.bin"), "", "", "1", "false",
                     fixture.shareLink(file.path), "", 0);
    QVERIFY(
        DownloadJobFixture::writeFile(job.getPath(), DownloadJobFixture::content(file, 0, 1000)));
    const QString location = fixture.issueLocation(file);
    job.setSession(location);
    if (!contentRange.isEmpty()) {
        devservice::Response reply;
        reply.status = 206;
        reply.setHeader("Content-Range", contentRange.toStdString());
        if (!contentLength.isEmpty()) {
            // The body then ends where the connection closes.
            reply.setHeader("Content-Length", contentLength.toStdString());
            reply.closeDelimited = true;
        }
        reply.body = DownloadJobFixture::content(file, 1000, bodyBytes).toStdString();
        Fault fault;
        fault.reply = reply;
        service().faults().next(QUrl(location).path(QUrl::FullyEncoded).toStdString(), fault);
    }
    JobRecorder run(&job);
    QVERIFY(run.runToEnd());
    QCOMPARE(job.getStatusText(), QString("Completed"));
    QVERIFY(downloaded(job, file));
    if (!contentRange.isEmpty()) {
        QVERIFY2(run.texts().contains(curl_easy_strerror(CURLE_WEIRD_SERVER_REPLY)),
                 qPrintable(run.texts().join('|')));
        QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(1));
    }
}

void TestDownloadFile::wholeAnswerToAResume() {
    // A resume answered with the whole file, which is empty: the partial bytes are not
    // the file, whatever the answer's body holds (here nothing).
    const TestFile& file = DownloadJobFixture::kSmall;
    DownloadFile job("small.bin", fixture.localPath("small.bin"), "", "", "1", "false",
                     fixture.shareLink(file.path), "", 0);
    QVERIFY(DownloadJobFixture::writeFile(job.getPath(), QByteArray(1000, 'x')));
    const QString location = fixture.issueLocation(file);
    job.setSession(location);
    service().faults().next(QUrl(location).path(QUrl::FullyEncoded).toStdString(),
                            Fault::status(200, "", "application/octet-stream"));
    JobRecorder run(&job);
    QVERIFY(run.runToEnd());
    QCOMPARE(job.getStatusText(), QString("Completed"));
    QCOMPARE(QFileInfo(job.getPath()).size(), 0LL);
}

void TestDownloadFile::serverFileShrank() {
    // The server's file is now shorter than what was downloaded of it: not a disk fault,
    // and no retry can mend it.
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    const QByteArray partial = DownloadJobFixture::content(DownloadJobFixture::kSmall, 0, 100);
    QVERIFY(DownloadJobFixture::writeFile(job->getPath(), partial));
    const QString location = fixture.issueLocation(DownloadJobFixture::kSmall);
    job->setSession(location);
    devservice::Response reply;
    reply.status = 416;
    reply.setHeader("Content-Range", "bytes */50");
    Fault fault;
    fault.reply = reply;
    service().faults().next(QUrl(location).path(QUrl::FullyEncoded).toStdString(), fault);
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 4);
    QCOMPARE(job->getStatusText(), kServerFileChanged);
    QVERIFY(!job->isFinished());
    QVERIFY(fixture.waits.designed(TimeSource::Wait::Retry).isEmpty());
    QCOMPARE(run.releases(), 1);
    QCOMPARE(DownloadJobFixture::fileSha256(job->getPath()), DownloadJobFixture::sha256(partial));
}

void TestDownloadFile::silentLocationReplaced() {
    // A kept location nobody answers at: the run spends its attempts, and the next start
    // asks the service for a new location and resumes the partial file there.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    const QByteArray partial = DownloadJobFixture::content(DownloadJobFixture::kSmall, 0, 5000);
    QVERIFY(DownloadJobFixture::writeFile(job->getPath(), partial));
    const QString silent = QString("https://127.0.0.1:%1/dl/silent").arg(port);
    job->setSession(silent);
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getState(), 2);
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(11));
    QCOMPARE(fixture.sessionRequests(), 0);
    QVERIFY(job->getSession() != silent);

    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QCOMPARE(fixture.sessionRequests(), 1);
    const auto gets = fixture.locationRequests();
    QCOMPARE(gets.size(), size_t(1));
    QCOMPARE(QString::fromStdString(gets[0].header("Range").value_or("")), QString("bytes=5000-"));
}

void TestDownloadFile::stallIsRetried() {
    fixture.waits.stallLimit = std::chrono::milliseconds(1000);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().locationFaults().next(LocationFault::stallAfter(20000, std::chrono::seconds(8)));
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QVERIFY(run.texts().contains(curl_easy_strerror(CURLE_OPERATION_TIMEDOUT)));
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::Retry), retryWaits(1));
    const auto gets = fixture.locationRequests();
    QCOMPARE(QString::fromStdString(gets.back().header("Range").value_or("")),
             QString("bytes=20000-"));
}

void TestDownloadFile::keptLocationMustBeWeb() {
    // A kept location that is not http(s) (a tampered history) is never fetched.
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession("file:///etc/passwd");
    JobRecorder run(job.get());
    QVERIFY(run.runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QCOMPARE(fixture.sessionRequests(), 1);
}

void TestDownloadFile::noSpeedLimit_data() {
    QTest::addColumn<QString>("limit");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("not a number") << "schnell";
}

void TestDownloadFile::noSpeedLimit() {
    QFETCH(QString, limit);
    SettingsStore settings;
    settings.setValue(SettingsKeys::UseDownloadLimit, "true");
    settings.setValue(SettingsKeys::DownloadLimit, limit);
    settings.sync();
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    QVERIFY(JobRecorder(job.get()).runToEnd());
    QCOMPARE(job->getStatusText(), QString("Completed"));
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
}

void TestDownloadFile::stopDuringTransfer_data() {
    QTest::addColumn<bool>("speedLimit");
    QTest::newRow("a slow server") << false;
    QTest::newRow("held to the speed limit") << true;
}

void TestDownloadFile::stopDuringTransfer() {
    QFETCH(bool, speedLimit);
    // Six seconds for the file, either way.
    if (speedLimit) {
        SettingsStore settings;
        settings.setValue(SettingsKeys::UseDownloadLimit, "true");
        settings.setValue(SettingsKeys::DownloadLimit, "50");
        settings.sync();
    } else {
        service().locationFaults().setBandwidth(50000);
    }
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    JobRecorder run(job.get());
    job->startDownload();
    QTRY_VERIFY(run.flags().contains(F::ProgressChanged)); // bytes are arriving
    job->stopDownload();
    QVERIFY(job->wait(3000));
    QCOMPARE(job->getState(), 2);
    QCOMPARE(job->getStatusText(), kStopped);
    QVERIFY(QFileInfo(job->getPath()).size() < DownloadJobFixture::kSmall.size);
    QCOMPARE(job->speed(), 0.0);
    QCOMPARE(run.releases(), 1);
    // Refreshes come as speed, progress, time left.
    const QList<int> flags = run.flags();
    const int progress = flags.indexOf(F::ProgressChanged);
    QCOMPARE(flags.mid(progress - 1, 3),
             (QList<int>{F::SpeedChanged, F::ProgressChanged, F::RemainingChanged}));
    // What arrived is right, and the next run goes on from there.
    service().locationFaults().setBandwidth(0);
    SettingsStore().remove(SettingsKeys::UseDownloadLimit);
    QVERIFY(run.runToEnd());
    QVERIFY(downloaded(*job, DownloadJobFixture::kSmall));
    QCOMPARE(fixture.sessionRequests(), 1);
}

void TestDownloadFile::stopDuringRetryWait() {
    fixture.waits.retry = std::chrono::minutes(1);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().locationFaults().next(LocationFault::withStatus(500));
    JobRecorder run(job.get());
    job->startDownload();
    QTRY_COMPARE(fixture.waits.designed(TimeSource::Wait::Retry).size(), 1);
    job->stopDownload();
    QVERIFY(job->wait(3000));
    QCOMPARE(job->getState(), 2);
    QCOMPARE(job->getStatusText(), kStopped);
    QCOMPARE(run.releases(), 2);
}

void TestDownloadFile::stopDuringRelink() {
    // The stop arrives while the job's thread waits for a new location: the run ends
    // idle, with nothing to show.
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    const int before = service().faults().calls("/api/session/download");
    service().locationFaults().next(LocationFault::withStatus(403));
    service().faults().next("/api/session/download", Fault::wait(std::chrono::milliseconds(800)));
    JobRecorder run(job.get());
    job->startDownload();
    QTRY_COMPARE(service().faults().calls("/api/session/download"), before + 1);
    job->stopDownload();
    QVERIFY(job->wait(5000));
    QCOMPARE(job->getState(), 3);
    QCOMPARE(job->getStatusText(), QString());
    QCOMPARE(job->getSession(), QString());
    QCOMPARE(run.releases(), 1);
}

void TestDownloadFile::stopDuringAccountWait() {
    fixture.waits.accountWait = std::chrono::milliseconds(250);
    currentUser->setLevel(2);
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    job->setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    service().requests().clear();
    JobRecorder run(job.get());
    job->startDownload();
    QTRY_COMPARE(job->getState(), 1);
    job->stopDownload();
    // The wait runs to its end; then the run stops without a transfer.
    QVERIFY(job->wait(5000));
    QCOMPARE(job->getState(), 2);
    QCOMPARE(job->getStatusText(), QString("Chờ 0 s"));
    QCOMPARE(run.texts(), (QStringList{"Starting", "Chờ 1 s", "Chờ 0 s", "Chờ 0 s"}));
    QCOMPARE(fixture.waits.designed(TimeSource::Wait::AccountWait), QList<qint64>{1000});
    QCOMPARE(service().requests().size(), size_t(0));
}

QTEST_GUILESS_MAIN(TestDownloadFile)
#include "test_downloadfile.moc"
