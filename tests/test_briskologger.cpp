// The statistics reporter against the stand-in's log collector: what a record looks
// like on the wire, and that a busy reporter starts no second post.
#include "api/apiresult.h"
#include "api/userapi.h"
#include "core/briskologger.h"
#include "core/globals.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QtTest>

using devservice::Fault;

class TestBriskoLogger : public QObject {
    Q_OBJECT
private slots:
    void init();
    void recordReachesTheLogCollector();
    void logDuringPostStartsNoSecondPost();
    void failedPostLeavesTheReporterReady();
    void uploadRecordKeepsTheEarlierType();

private:
    std::vector<devservice::Request> posts() { return fixture.service().requests().forPath("/"); }
    Json::Value bodyOf(std::size_t index);
    // Logs a record and waits until its post has ended.
    void logAndWait(BriskoLogger& logger, int accountId, bool isUpload);

    DevServiceFixture fixture;
};

Json::Value TestBriskoLogger::bodyOf(std::size_t index) {
    Json::Value body;
    brisko::json::parse(posts().at(index).body, body);
    return body;
}

void TestBriskoLogger::logAndWait(BriskoLogger& logger, int accountId, bool isUpload) {
    logger.log(accountId, 1, isUpload, 0, 1);
    QVERIFY(logger.wait(20000));
}

void TestBriskoLogger::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    brisko::user_api login(&apiClient);
    QVERIFY(login.login(devservice::demo::kEmail, devservice::demo::kPassword));
    fixture.service().requests().clear();
}

void TestBriskoLogger::recordReachesTheLogCollector() {
    BriskoLogger logger;
    logger.log(4711, 3, false, 52428, 2);
    QVERIFY(logger.wait(20000));

    QCOMPARE(posts().size(), std::size_t(1));
    const devservice::Request post = posts().front();
    QCOMPARE(post.method, std::string("POST"));
    QVERIFY(post.header("Cookie").has_value()); // the login session's header lines
    const Json::Value body = bodyOf(0);
    QCOMPARE(body["account_id"].asInt(), 4711);
    QCOMPARE(body["level"].asInt(), 3);
    QCOMPARE(body["type"].asString(), std::string("download"));
    QCOMPARE(body["speed"].asInt(), 52428);
    QCOMPARE(body["concurrent"].asInt(), 2);
    QVERIFY(!body.isMember("token"));
}

void TestBriskoLogger::logDuringPostStartsNoSecondPost() {
    fixture.service().faults().next("/", Fault::wait(std::chrono::milliseconds(500)));
    BriskoLogger logger;
    logger.log(1, 1, false, 100, 1);
    // The collector holds the first post; these arrive while it runs.
    QTRY_COMPARE(posts().size(), std::size_t(1));
    logger.log(2, 1, false, 200, 2);
    logger.log(3, 1, false, 300, 3);
    QVERIFY(logger.wait(20000));
    QCOMPARE(posts().size(), std::size_t(1));
    // The running post kept the record it started with.
    QCOMPARE(bodyOf(0)["account_id"].asInt(), 1);
    QCOMPARE(bodyOf(0)["speed"].asInt(), 100);

    // Once idle, the next record goes out on its own.
    logAndWait(logger, 4, false);
    QCOMPARE(posts().size(), std::size_t(2));
    QCOMPARE(bodyOf(1)["account_id"].asInt(), 4);
}

void TestBriskoLogger::failedPostLeavesTheReporterReady() {
    // The post goes over the login's kept connection; one that dies without a reply is
    // sent once more on a new connection, which dies too.
    fixture.service().faults().next("/", Fault::cutBeforeReply());
    fixture.service().faults().next("/", Fault::cutBeforeReply());
    BriskoLogger logger;
    logAndWait(logger, 5, false);
    QVERIFY(!logger.isRunning());
    logAndWait(logger, 6, false);
    QCOMPARE(posts().size(), std::size_t(3));
    QCOMPARE(bodyOf(1)["account_id"].asInt(), 5);
    QCOMPARE(bodyOf(2)["account_id"].asInt(), 6);
}

void TestBriskoLogger::uploadRecordKeepsTheEarlierType() {
    BriskoLogger logger;
    logAndWait(logger, 1, true);
    logAndWait(logger, 2, false);
    logAndWait(logger, 3, true);
    QCOMPARE(posts().size(), std::size_t(3));
    QCOMPARE(bodyOf(0)["type"].asString(), std::string());
    QCOMPARE(bodyOf(1)["type"].asString(), std::string("download"));
    QCOMPARE(bodyOf(2)["type"].asString(), std::string("download"));
}

QTEST_GUILESS_MAIN(TestBriskoLogger)
#include "test_briskologger.moc"
