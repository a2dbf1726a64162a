// The upload job's record and start sequence: the storage quota, the location request,
// the bounded re-login on an expired session, stops of jobs that do not run, and the
// speed shown between chunks.
#include "api/apiresult.h"
#include "api/userapi.h"
#include "core/globals.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "tests/uploadfixture.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/uploadendpoints.h"

#include <QScopeGuard>
#include <QtTest>

#include <atomic>

using devservice::Fault;

namespace {

const char kExpired[] = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";
const char kNetwork[] = "Lỗi kết nối mạng.";

double fakeNow = 0;
double fakeClock() {
    return fakeNow;
}

} // namespace

class TestUploadFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void quota_data();
    void quota();
    void startFailures_data();
    void startFailures();
    void keptLocationSkipsSession();
    void forcedSessionAsksAgain();
    void startReturnsBeforeTheLocation();
    void stopOfJobNotRunning();
    void endedLoginOrStopAsksNothing_data();
    void endedLoginOrStopAsksNothing();
    void record();
    void speedRule_data();
    void speedRule();

private:
    devservice::Service& service() { return fx.service(); }
    UploadFixture fx;
};

void TestUploadFile::init() {
    QVERIFY2(fx.start(), qPrintable(fx.standIn().error()));
}

void TestUploadFile::cleanup() {
    fx.stop();
}

void TestUploadFile::quota_data() {
    QTest::addColumn<int>("secure");        // -1: never set
    QTest::addColumn<QStringList>("quota"); // webspace, used, secure, secure used
    QTest::addColumn<QString>("refusal");   // empty: the upload goes ahead
    const QString secureFull = "Đã hết dung lượng bảo đảm!";
    const QString ordinaryFull = "Đã hết dung lượng không bảo đảm!";
    QTest::newRow("secure space used up")
        << 1 << QStringList{"1000", "0", "1000", "1000"} << secureFull;
    QTest::newRow("secure, ordinary space used up")
        << 1 << QStringList{"1000", "1000", "1000", "0"} << QString();
    QTest::newRow("ordinary space used up")
        << 0 << QStringList{"1000", "1000", "1000", "0"} << ordinaryFull;
    QTest::newRow("ordinary, secure space used up")
        << 0 << QStringList{"1000", "0", "1000", "1000"} << QString();
    QTest::newRow("unset counts as secure")
        << -1 << QStringList{"1000", "0", "1000", "1000"} << secureFull;
    QTest::newRow("no space, none used") << 0 << QStringList{"0", "0", "0", "0"} << ordinaryFull;
    QTest::newRow("quota not a number") << 0 << QStringList{"lots", "0", "9", "0"} << ordinaryFull;
    QTest::newRow("past 32 bits") << 0 << QStringList{"536870912000", "536870911999", "0", "0"}
                                  << QString();
}

void TestUploadFile::quota() {
    QFETCH(int, secure);
    QFETCH(QStringList, quota);
    QFETCH(QString, refusal);
    QVERIFY(devservice::setStorageQuota(service(), devservice::demo::kEmail,
                                        {quota[0].toStdString(), quota[1].toStdString(),
                                         quota[2].toStdString(), quota[3].toStdString()}));
    const QString local = fx.writeFile("q.bin", 300);
    std::unique_ptr<UploadFile> job;
    if (secure >= 0) {
        job = fx.job(local);
        job->setFileSecure(secure == 1);
    } else {
        job = std::make_unique<UploadFile>(fx.folder(), "q.bin", local, "", "", "");
        job->setSize(300);
    }
    UploadRecorder recorder(job.get());
    job->startUpload();
    QVERIFY(recorder.waitForEnd());
    if (!refusal.isEmpty()) {
        // Refused before anything else: no location asked for.
        QCOMPARE(recorder.releases(), 1);
        QCOMPARE(job->getState(), int(UploadFile::StateFailed));
        QCOMPARE(job->getStatusText(), refusal);
        QCOMPARE(fx.sent("/api/session/upload"), std::size_t(0));
        return;
    }
    QVERIFY(job->isFinished());
    QCOMPARE(bodyOf(service().requests().forPath("/api/session/upload").front())["secured"].asInt(),
             secure == 0 ? 0 : 1);
}

// Every failure of the start reports once and frees the place once; an expired session
// logs in again once and repeats the whole sequence, quota check included.
void TestUploadFile::startFailures_data() {
    QTest::addColumn<QStringList>("accountReplies"); // scripted answers, in order
    QTest::addColumn<QStringList>("sessionReplies");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<QString>("text"); // empty: the upload finished
    QTest::addColumn<int>("logins");
    QTest::addColumn<int>("accountQueries");
    QTest::addColumn<int>("sessionRequests");
    QTest::addColumn<bool>("reLoginFails"); // the service refuses the re-login
    const QString expired = kExpired;
    const QString refused = R"({"code":7,"msg":"Tên tập tin không hợp lệ"})";
    QTest::newRow("account query fails")
        << QStringList{"500"} << QStringList{} << true << kNetwork << 0 << 1 << 0 << false;
    QTest::newRow("account query expired once")
        << QStringList{expired} << QStringList{} << true << "" << 1 << 2 << 1 << false;
    QTest::newRow("account query expired twice") << QStringList{expired, expired} << QStringList{}
                                                 << true << kNetwork << 1 << 2 << 0 << false;
    QTest::newRow("session refused") << QStringList{} << QStringList{refused} << true
                                     << "Tên tập tin không hợp lệ" << 0 << 1 << 1 << false;
    QTest::newRow("session expired once")
        << QStringList{} << QStringList{expired} << true << "" << 1 << 2 << 2 << false;
    QTest::newRow("session expired twice") << QStringList{} << QStringList{expired, expired} << true
                                           << "Phiên làm việc đã hết hạn" << 1 << 2 << 2 << false;
    // Nothing is asked again under a session that could not be renewed.
    QTest::newRow("account query expired, re-login fails")
        << QStringList{expired} << QStringList{} << true << kNetwork << 1 << 1 << 0 << true;
    QTest::newRow("session expired, re-login fails")
        << QStringList{} << QStringList{expired} << true << "Phiên làm việc đã hết hạn" << 1 << 1
        << 1 << true;
    QTest::newRow("nobody logged in") << QStringList{} << QStringList{expired} << false
                                      << "Phiên làm việc đã hết hạn" << 0 << 1 << 1 << false;
}

void TestUploadFile::startFailures() {
    QFETCH(QStringList, accountReplies);
    QFETCH(QStringList, sessionReplies);
    QFETCH(bool, loggedIn);
    QFETCH(QString, text);
    QFETCH(int, logins);
    QFETCH(int, accountQueries);
    QFETCH(int, sessionRequests);
    QFETCH(bool, reLoginFails);
    if (reLoginFails)
        service().faults().next("/api/user/login",
                                Fault::status(200, R"({"code":5,"msg":"Sai mật khẩu"})"));
    for (const QString& reply : accountReplies)
        service().faults().next("/api/user/get", reply == "500"
                                                     ? Fault::status(500, "broken", "text/plain")
                                                     : Fault::status(200, reply.toStdString()));
    for (const QString& reply : sessionReplies)
        service().faults().next("/api/session/upload", Fault::status(200, reply.toStdString()));
    if (!loggedIn) {
        delete currentUser;
        currentUser = nullptr;
    }
    const std::size_t loginsBefore = fx.sent("/api/user/login");
    const auto job = fx.job(fx.writeFile("s.bin", 1000));
    UploadRecorder recorder(job.get());
    job->startUpload();
    QVERIFY(recorder.waitForEnd());

    QCOMPARE(recorder.releases(), 1);
    QCOMPARE(fx.sent("/api/user/login") - loginsBefore, std::size_t(logins));
    QCOMPARE(fx.sent("/api/user/get"), std::size_t(accountQueries));
    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(sessionRequests));
    if (text.isEmpty()) {
        QVERIFY(job->isFinished());
    } else {
        QCOMPARE(job->getState(), int(UploadFile::StateFailed));
        QCOMPARE(job->getStatusText(), text);
        QVERIFY(fx.locationRequests().empty());
    }
}

void TestUploadFile::keptLocationSkipsSession() {
    const QString kept = fx.issueLocation(1000);
    const auto job = fx.job(fx.writeFile("k.bin", 1000), kept);
    UploadRecorder recorder(job.get());
    job->startUpload();
    QVERIFY(recorder.waitForEnd());
    QVERIFY(job->isFinished());
    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(0));
    QCOMPARE(job->getRealUrl(), kept);
}

void TestUploadFile::startReturnsBeforeTheLocation() {
    service().faults().next("/api/session/upload", Fault::wait(std::chrono::milliseconds(3000)));
    const auto job = fx.job(fx.writeFile("w.bin", 1000));
    UploadRecorder recorder(job.get());
    job->startUpload();
    // Back at once: the checks and the request are the job thread's.
    QVERIFY(job->isRunning());
    QVERIFY(job->getRealUrl().isEmpty());
    // Stopped while the request is on the wire: nothing is sent, the place is given back
    // once, and the location obtained stays for a later start.
    QTRY_COMPARE(recorder.texts(), QStringList{"Starting"});
    job->stopUpload();
    QVERIFY(recorder.waitForEnd());
    QCOMPARE(recorder.texts(), (QStringList{"Starting", "Dừng"}));
    QCOMPARE(job->getState(), int(UploadFile::StateStopped));
    QCOMPARE(recorder.releases(), 1);
    QVERIFY(fx.locationRequests().empty());
    QVERIFY(!job->getRealUrl().isEmpty());
}

void TestUploadFile::forcedSessionAsksAgain() {
    const QString kept = fx.issueLocation(1000);
    const auto job = fx.job(fx.writeFile("Ảnh đẹp.jpg", 1000), kept, "/Phim hay/Phụ đề");
    QVERIFY(job->createUploadSession(false));
    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(0));

    QVERIFY(job->createUploadSession(true));
    QVERIFY(job->getRealUrl() != kept);
    QVERIFY(job->getRealUrl().contains("/up/"));
    const auto sent = service().requests().forPath("/api/session/upload");
    QCOMPARE(sent.size(), std::size_t(1));
    const Json::Value body = bodyOf(sent.front());
    QCOMPARE(body["name"].asString(), std::string("Ảnh đẹp.jpg"));
    QCOMPARE(body["size"].asString(), std::string("1000"));
    QCOMPARE(body["path"].asString(), std::string("/Phim hay/Phụ đề"));
    QCOMPARE(body["secured"].asInt(), 0);
}

void TestUploadFile::stopOfJobNotRunning() {
    const auto job = fx.job(fx.writeFile("queued.bin", 10));
    job->setState(UploadFile::StateQueued);
    UploadRecorder recorder(job.get());
    job->stopUpload();
    QCOMPARE(job->getState(), int(UploadFile::StateStopped));
    QCOMPARE(job->getStatusText(), QString("Dừng"));
    QCOMPARE(recorder.flags(), QList<int>{UploadFile::StatusChanged});
    QCOMPARE(recorder.releases(), 0);
}

void TestUploadFile::endedLoginOrStopAsksNothing_data() {
    QTest::addColumn<bool>("atRenewal"); // else: while the account is checked at the start
    QTest::addColumn<bool>("loggedOut"); // else: stopped
    QTest::newRow("logged out during the start") << false << true;
    QTest::newRow("logged out before a new location") << true << true;
    QTest::newRow("stopped before a new location") << true << false;
}

// A job that outlives its login (the next account already logged in) or that was stopped
// asks the service for nothing more: above all no upload location, which the program's
// client would now ask for in the next account.
void TestUploadFile::endedLoginOrStopAsksNothing() {
    QFETCH(bool, atRenewal);
    QFETCH(bool, loggedOut);
    devservice::Account other;
    other.email = "khac@brisko.local";
    other.password = "khac1234";
    service().accounts().add(other);
    std::atomic<bool> release{false};
    const auto letGo = qScopeGuard([&release] { release = true; });
    const Fault held = Fault::waitFor([&release] { return release.load(); });
    std::string token;
    QString kept;
    if (atRenewal) {
        kept = fx.issueLocation(1000, &token, "r.bin");
        service().uploadStore().invalidate(token);
        service().faults().next("/up/" + token, held);
    } else {
        service().faults().next("/api/user/get", held);
    }
    const auto job = fx.job(fx.writeFile("r.bin", 1000), kept);
    UploadRecorder recorder(job.get());
    job->startUpload();
    QTRY_COMPARE(fx.sent(atRenewal ? "/up/" + token : "/api/user/get"), std::size_t(1));
    if (loggedOut) {
        relogin::endLogin();
        delete currentUser;
        currentUser = nullptr;
        QVERIFY(brisko::user_api(&apiClient).login(other.email, other.password));
    } else {
        job->stopUpload();
    }
    release = true;
    QVERIFY(recorder.waitForEnd());

    QCOMPARE(fx.sent("/api/session/upload"), std::size_t(0));
    QCOMPARE(fx.locationRequests().size(), std::size_t(atRenewal ? 1 : 0));
    QCOMPARE(recorder.releases(), 1);
    QCOMPARE(job->getState(), int(loggedOut ? UploadFile::StateFailed : UploadFile::StateStopped));
    QCOMPARE(job->getStatusText(), loggedOut ? relogin::endedLoginMessage() : QString("Dừng"));
}

void TestUploadFile::record() {
    MegaFile folder = fx.folder();
    UploadFile job(folder, "a.mp3", "/x/a.mp3", "mô tả", "host", "https://h/up/1");
    QCOMPARE(job.getState(), int(UploadFile::StateIdle));
    QCOMPARE(job.getFileSecure(), QString("1")); // nothing set yet
    job.setFileSecure(false);
    QCOMPARE(job.getFileSecure(), QString("0"));
    job.setFileDirectLink(true);
    QCOMPARE(job.getFileDirectLink(), QString("2"));
    job.setSize(1001);
    job.setProgress(0.5);
    QCOMPARE(job.tracker.getStartOffset(), qint64(500));
    QCOMPARE(job.progress(), 500.0 / 1001); // shown (and saved again) before a run

    // The same upload: path, folder and size; the name does not count.
    UploadFile same(folder, "other name", "/x/a.mp3", "", "", "");
    same.setSize(1001);
    QVERIFY(job == same);
    same.setSize(1002);
    QVERIFY(!(job == same));
    MegaFile elsewhere = folder;
    elsewhere.setLinkcode("other");
    UploadFile moved(elsewhere, "a.mp3", "/x/a.mp3", "", "", "");
    moved.setSize(1001);
    QVERIFY(!(job == moved));

    job.setStatusText("Dừng");
    job.setState(UploadFile::StateStopped);
    job.setMlink("https://www.localhost/file/X");
    UploadFile copy(MegaFile(), "", "", "", "", "");
    copy = job;
    QCOMPARE(copy.getName(), QString("a.mp3"));
    QCOMPARE(copy.getDesc(), QString("mô tả"));
    QCOMPARE(copy.getHost(), QString("host"));
    QCOMPARE(copy.getStatusText(), QString("Dừng"));
    QCOMPARE(copy.getState(), int(UploadFile::StateStopped));
    QCOMPARE(copy.getMlink(), QString("https://www.localhost/file/X"));
    QCOMPARE(copy.getSize(), qint64(1001));
    QVERIFY(copy.getFolder() == folder);
    QCOMPARE(copy.tracker.getStartOffset(), qint64(500));
}

void TestUploadFile::speedRule_data() {
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("marks");
    QTest::addColumn<double>("speed"); // the tracker measures 800 B/s
    QTest::newRow("previous chunk was faster") << 900.0 << 0 << 600.0;
    QTest::newRow("two marks in") << 900.0 << 2 << 600.0;
    QTest::newRow("three marks in: forgotten") << 900.0 << 3 << 800.0;
    QTest::newRow("previous chunk was slower") << 500.0 << 0 << 800.0;
}

void TestUploadFile::speedRule() {
    QFETCH(double, stored);
    QFETCH(int, marks);
    QFETCH(double, speed);
    UploadFile job(MegaFile(), "a", "/a", "", "", "");
    job.setClock(&fakeClock);
    fakeNow = 100;
    job.tracker.start(0);
    fakeNow = 110;
    job.tracker.update(8000);
    job.storedSpeed = stored;
    job.markCount = marks;
    QCOMPARE(job.speed(), speed);
}

QTEST_GUILESS_MAIN(TestUploadFile)
#include "test_uploadfile.moc"
