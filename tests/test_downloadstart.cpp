// The start of a download job: the FAT and free-space checks on a faked volume, a job
// without a libcurl handle, and every kind of answer of the download-session request.
#include "api/apiresult.h"
#include "core/ruridudi.h"
#include "download/tabledownloadmodel.h"
#include "tests/downloadjobfixture.h"

#include <QtTest>

using devservice::Fault;

namespace {

const char kSessionPath[] = "/api/session/download";
const QString kNoHandle = "Không tạo được kết nối để tải tập tin.";
const QString kFat = "Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường "
                     "dẫn khác để tải.";
const QString kNoSpace = "Không đủ dung lượng trống để lưu trữ tập tin";

Json::Value jsonOf(const std::string& body) {
    Json::Value value;
    brisko::json::parse(body, value);
    return value;
}

} // namespace

class TestDownloadStart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void volumeChecks_data();
    void volumeChecks();
    void sessionReplies_data();
    void sessionReplies();
    void startAllReturnsBeforeTheLocations();
    void stopWhileTheLocationIsAskedFor();

private:
    devservice::Service& service() { return fixture.service(); }

    DownloadJobFixture fixture;
};

void TestDownloadStart::init() {
    QVERIFY(fixture.start());
}

void TestDownloadStart::cleanup() {
    fixture.stop();
}

void TestDownloadStart::volumeChecks_data() {
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("present");   // bytes already on disk; -1: no file
    QTest::addColumn<qint64>("freeBytes"); // -1: the volume does not answer
    QTest::addColumn<QString>("status");

    const qint64 fatLimit = 4294966272LL;
    const qint64 ample = qint64(1) << 40;
    // A job that passes its checks goes on to its run, which finds no libcurl handle.
    QTest::newRow("FAT32, largest file") << "FAT32" << fatLimit << -1LL << ample << kNoHandle;
    QTest::newRow("FAT32, one byte more") << "FAT32" << fatLimit + 1 << -1LL << ample << kFat;
    QTest::newRow("any FAT") << "FAT16" << fatLimit + 1 << -1LL << ample << kFat;
    QTest::newRow("exFAT, 5 GB") << "exFAT" << 5000000000LL << -1LL << ample << kNoHandle;
    QTest::newRow("NTFS, 5 GB") << "NTFS" << 5000000000LL << -1LL << ample << kNoHandle;
    QTest::newRow("not enough room") << "ext4" << 1000LL << -1LL << 999LL << kNoSpace;
    QTest::newRow("just enough room") << "ext4" << 1000LL << -1LL << 1000LL << kNoHandle;
    QTest::newRow("a partial file needs only the rest")
        << "ext4" << 1000LL << 900LL << 100LL << kNoHandle;
    QTest::newRow("the rest does not fit") << "ext4" << 1000LL << 900LL << 99LL << kNoSpace;
    QTest::newRow("a complete file fits anywhere")
        << "ext4" << 1000LL << 1000LL << 0LL << kNoHandle;
    QTest::newRow("volume not answering: no check")
        << "unknown" << 1000LL << -1LL << -1LL << kNoHandle;
}

void TestDownloadStart::volumeChecks() {
    QFETCH(QString, fileSystem);
    QFETCH(qint64, size);
    QFETCH(qint64, present);
    QFETCH(qint64, freeBytes);
    FakeTransferEnvironment volume;
    volume.fileSystem = fileSystem.toStdString();
    volume.spaceAnswers = freeBytes >= 0;
    volume.freeBytes = freeBytes;
    volume.handlesFail = true;

    DownloadFile job("f.bin", fixture.localPath("f.bin"), "code", "", "1", "false",
                     fixture.shareLink(DownloadJobFixture::kSmall.path), "", size);
    job.setSession(fixture.issueLocation(DownloadJobFixture::kSmall));
    if (present >= 0)
        QVERIFY(DownloadJobFixture::writeFile(job.getPath(), QByteArray(int(present), 'a')));
    service().requests().clear();
    JobRecorder run(&job);
    QVERIFY(run.runToEnd());
    QCOMPARE(job.getState(), 4);
    QTEST(job.getStatusText(), "status");
    QCOMPARE(run.releases(), 1);
    QCOMPARE(service().requests().size(), size_t(0));
}

void TestDownloadStart::sessionReplies_data() {
    QTest::addColumn<QStringList>("replies"); // scripted answers, in order; "": the real one
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("logins"); // re-logins the job made

    const QString expired = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";
    const QString linkFailed = "Tạo link thất bại!";
    // A job given a location downloads it.
    QTest::newRow("a location") << QStringList{""} << "" << 3 << "Completed" << 0;
    QTest::newRow("with its password, as UTF-8")
        << QStringList{""} << "mật khẩu" << 3 << "Completed" << 0;
    QTest::newRow("empty location")
        << QStringList{R"({"code":200,"msg":"OK","location":""})"} << "" << 4 << linkFailed << 0;
    QTest::newRow("no location") << QStringList{R"({"code":200,"msg":"OK"})"} << "" << 4
                                 << linkFailed << 0;
    QTest::newRow("not a web location")
        << QStringList{R"({"code":200,"location":"file:///etc/passwd"})"} << "" << 4 << linkFailed
        << 0;
    QTest::newRow("ftp location") << QStringList{R"({"code":200,"location":"ftp://127.0.0.1/f"})"}
                                  << "" << 4 << linkFailed << 0;
    QTest::newRow("password needed")
        << QStringList{R"({"code":123,"msg":"Sai mật khẩu"})"} << "" << 7
        << "Tập tin có mật khẩu. Double click để nhập mật khẩu!" << 0;
    QTest::newRow("password wrong") << QStringList{R"({"code":123,"msg":"Sai mật khẩu"})"} << "sai"
                                    << 7 << "Mật khẩu không đúng. Vui lòng nhập lại!" << 0;
    QTest::newRow("too many addresses")
        << QStringList{R"({"code":124,"msg":"Multiple IP download"})"} << "" << 4
        << "Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép." << 0;
    QTest::newRow("other refusal, shown as sent")
        << QStringList{R"({"code":21,"msg":"Liên kết không tồn tại"})"} << "" << 4
        << "Liên kết không tồn tại" << 0;
    QTest::newRow("expired once: one re-login, one repeat")
        << QStringList{expired, ""} << "" << 3 << "Completed" << 1;
    QTest::newRow("expired twice: a failure")
        << QStringList{expired, expired} << "" << 4 << "Phiên làm việc đã hết hạn" << 1;
    QTest::newRow("not JSON") << QStringList{"<html>Bad gateway</html>"} << "" << 4 << "" << 0;
}

void TestDownloadStart::sessionReplies() {
    QFETCH(QStringList, replies);
    QFETCH(QString, password);
    DownloadFile job("small.bin", fixture.localPath("small.bin"), "code", "", "1", "false",
                     fixture.shareLink(DownloadJobFixture::kSmall.path), password,
                     DownloadJobFixture::kSmall.size);
    for (const QString& reply : replies) {
        if (reply.isEmpty())
            break;
        const bool json = reply.startsWith('{');
        service().faults().next(
            kSessionPath,
            Fault::status(200, reply.toStdString(), json ? "application/json" : "text/html"));
    }
    service().requests().clear();
    JobRecorder run(&job);
    QVERIFY(run.runToEnd());
    QTEST(job.getState(), "state");
    QTEST(job.getStatusText(), "status");
    // "Starting" first, from the start; the answer's text last, from the job's thread.
    QCOMPARE(run.texts().value(0), QStringLiteral("Starting"));
    QTEST(run.texts().value(run.texts().size() - 1), "status");
    QTEST(int(service().requests().forPath("/api/user/login").size()), "logins");
    QCOMPARE(run.releases(), 1);
    const auto sent = service().requests().forPath(kSessionPath);
    QCOMPARE(int(sent.size()), replies.size());
    for (const auto& request : sent) {
        const Json::Value body = jsonOf(request.body);
        QCOMPARE(QString::fromStdString(body["password"].asString()), password);
        QCOMPARE(body["zipflag"].asBool(), false);
        QCOMPARE(QString::fromStdString(body["url"].asString()),
                 fixture.shareLink(DownloadJobFixture::kSmall.path));
    }
    // Only a location of the service is ever fetched.
    const auto gets = fixture.locationRequests();
    QCOMPARE(gets.size(), size_t(job.getState() == 3 ? 1 : 0));
}

void TestDownloadStart::startAllReturnsBeforeTheLocations() {
    // The service takes its time over every location.
    for (int i = 0; i < 3; ++i)
        service().faults().next(kSessionPath, Fault::wait(std::chrono::milliseconds(3000)));
    auto locked = fixture.job(DownloadJobFixture::kProtected, "locked.bin");
    locked->setPassword(QString()); // refused: 123
    auto first = fixture.job(DownloadJobFixture::kSmall, "first.bin");
    auto second = fixture.job(DownloadJobFixture::kSmall, "second.bin");
    TableDownloadModel model;
    model.setMaxThreads(2);
    model.addJobs({locked.get(), first.get(), second.get()});
    QList<DownloadFile*> completed;
    connect(&model, &TableDownloadModel::downloadComplete,
            [&completed](DownloadFile* job) { completed << job; });

    model.queueItem(-1);
    // Back at once: the two started jobs wait for their locations on their own threads.
    for (DownloadFile* job : {locked.get(), first.get()}) {
        QCOMPARE(job->getState(), int(DownloadFile::StateRunning));
        QCOMPARE(job->getStatusText(), QStringLiteral("Starting"));
        QVERIFY(job->getSession().isEmpty());
    }
    QCOMPARE(second->getStatusText(), QStringLiteral("Queued"));
    QCOMPARE(model.runningCount(), 2);

    // The refusal reaches the job's texts as before, and its place goes to the next job.
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 2, 30000);
    QCOMPARE(locked->getState(), int(DownloadFile::StatePassword));
    QCOMPARE(locked->getStatusText(),
             QString::fromUtf8("Tập tin có mật khẩu. Double click để nhập mật khẩu!"));
    QCOMPARE(QSet<DownloadFile*>(completed.begin(), completed.end()),
             QSet<DownloadFile*>({first.get(), second.get()}));
    QVERIFY(locked->wait(20000) && first->wait(20000) && second->wait(20000));
    // A thread's last release is a queued signal that may still be on its way.
    QTRY_COMPARE_WITH_TIMEOUT(model.runningCount(), 0, 20000);
}

void TestDownloadStart::stopWhileTheLocationIsAskedFor() {
    service().faults().next(kSessionPath, Fault::wait(std::chrono::milliseconds(500)));
    auto job = fixture.job(DownloadJobFixture::kSmall, "small.bin");
    JobRecorder run(job.get());
    job->startDownload();
    job->stopDownload();
    QVERIFY(job->wait(20000));
    // Stopped while the request was on the wire: idle, no text, the place given back.
    QCOMPARE(job->getState(), int(DownloadFile::StateIdle));
    QVERIFY(job->getStatusText().isEmpty());
    QCOMPARE(run.releases(), 1);
    QVERIFY(job->getSession().isEmpty());
    QCOMPARE(fixture.locationRequests().size(), size_t(0));
}

QTEST_GUILESS_MAIN(TestDownloadStart)
#include "test_downloadstart.moc"
