// Service calls of a window on a worker thread: the result comes back on the GUI thread
// while that thread keeps turning, one re-login after an expired session, a second start
// of a running action is refused, and a result whose window is gone (or was dropped at
// logout) is never delivered.
#include "api/apiresult.h"
#include "api/fileapi.h"
#include "api/userapi.h"
#include "core/busycursor.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QWidget>
#include <QtTest>

#include <atomic>
#include <chrono>

using devservice::Fault;

namespace {

const char kCreateFolder[] = "/api/fileops/createFolder";
const char kExpired[] = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";

std::function<bool(brisko::file_api&)> createFolder(const std::string& name) {
    return [name](brisko::file_api& api) { return api.createFolder(name, "/"); };
}

} // namespace

class TestServiceCallRunner : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void resultArrivesWhileGuiTurns();
    void reLogin_data();
    void reLogin();
    void secondStartRefused();
    void windowGoneDropsResult();
    void droppedAtLogout();
    void oneActionDropped();
    void waitCursorWhileBusy();

private:
    DevServiceFixture fixture;
};

void TestServiceCallRunner::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    brisko::user_api api(&apiClient);
    QVERIFY(api.login(devservice::demo::kEmail, devservice::demo::kPassword));
    currentUser =
        new RuriDudi("1", devservice::demo::kEmail, "", devservice::demo::kPassword, 0, 1800.0);
}

void TestServiceCallRunner::cleanup() {
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    delete currentUser;
    currentUser = nullptr;
}

void TestServiceCallRunner::resultArrivesWhileGuiTurns() {
    const auto delay = std::chrono::milliseconds(600);
    fixture.service().faults().next(kCreateFolder, Fault::wait(delay));
    QObject window;
    auto* runner = new ServiceCallRunner(&window);
    QList<bool> busy;
    connect(runner, &ServiceCallRunner::busyChanged, [&](bool b) { busy << b; });

    // The GUI thread's largest gap between two timer ticks while the call runs.
    QElapsedTimer sinceTick;
    qint64 worstGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { worstGap = std::max(worstGap, sinceTick.restart()); });
    bool done = false;
    ServiceCallResult result;
    QElapsedTimer call;
    call.start();
    sinceTick.start();
    ticker.start(10);
    QVERIFY(runner->call<brisko::file_api>("create", createFolder("a"),
                                           [&](const ServiceCallResult& r) {
                                               result = r;
                                               done = true;
                                           }));
    QVERIFY(runner->isBusy());
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    const qint64 whole = call.elapsed();
    qInfo("call %lld ms, worst GUI gap %lld ms", whole, worstGap);
    QVERIFY(result.ok);
    QVERIFY(worstGap < whole);
    QCOMPARE(busy, (QList<bool>{true, false}));
    QVERIFY(!runner->isBusy());
}

void TestServiceCallRunner::reLogin_data() {
    QTest::addColumn<int>("expiries");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("code");
    QTest::addColumn<size_t>("logins");
    QTest::newRow("expired once") << 1 << true << 0 << size_t(1);
    QTest::newRow("expired twice") << 2 << false << 201 << size_t(1);
}

void TestServiceCallRunner::reLogin() {
    QFETCH(int, expiries);
    auto& service = fixture.service();
    const size_t loginsBefore = service.requests().forPath("/api/user/login").size();
    for (int i = 0; i < expiries; ++i)
        service.faults().next(kCreateFolder, Fault::status(200, kExpired));
    // The credentials are taken at the start: the account record may go at logout.
    QObject window;
    ServiceCallRunner runner(&window);
    bool done = false;
    ServiceCallResult result;
    QVERIFY(
        runner.call<brisko::file_api>("create", createFolder("b"), [&](const ServiceCallResult& r) {
            result = r;
            done = true;
        }));
    delete currentUser;
    currentUser = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    QTEST(result.ok, "ok");
    if (!result.ok)
        QTEST(result.code, "code");
    QTEST(service.requests().forPath("/api/user/login").size() - loginsBefore, "logins");
}

void TestServiceCallRunner::secondStartRefused() {
    QSemaphore hold;
    QObject window;
    ServiceCallRunner runner(&window);
    int delivered = 0;
    auto work = [&hold] {
        hold.acquire();
        return 1;
    };
    auto done = [&](const int&) { ++delivered; };
    QVERIFY(runner.run<int>("rename", work, done));
    QVERIFY(!runner.run<int>("rename", work, done));
    QVERIFY(runner.isRunning("rename"));
    QVERIFY(runner.run<int>("delete", work, done)); // another action may run beside it
    hold.release(2);
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 2, 30000);
    QVERIFY(!runner.isBusy());
    QVERIFY(runner.run<int>(
        "rename", [] { return 2; }, done)); // free again
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 3, 30000);
}

void TestServiceCallRunner::windowGoneDropsResult() {
    QSemaphore hold;
    std::atomic<bool> delivered{false};
    auto* window = new QObject;
    auto* runner = new ServiceCallRunner(window);
    QVERIFY(runner->run<int>(
        "rename",
        [&hold] {
            hold.acquire();
            return 1;
        },
        [&, window](const int&) {
            delivered = true;
            window->setObjectName("touched");
        }));
    delete window;
    hold.release();
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!delivered);
}

void TestServiceCallRunner::droppedAtLogout() {
    QSemaphore hold;
    QObject window;
    ServiceCallRunner runner(&window);
    QList<bool> busy;
    connect(&runner, &ServiceCallRunner::busyChanged, [&](bool b) { busy << b; });
    bool delivered = false;
    QVERIFY(runner.run<int>(
        "rename",
        [&hold] {
            hold.acquire();
            return 1;
        },
        [&](const int&) { delivered = true; }));
    runner.dropRunning();
    QCOMPARE(busy, (QList<bool>{true, false}));
    QVERIFY(!runner.isRunning("rename"));
    hold.release();
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!delivered);
}

// A listing asked for again drops the one in flight: only the newer result counts.
void TestServiceCallRunner::oneActionDropped() {
    QSemaphore hold;
    QObject window;
    ServiceCallRunner runner(&window);
    QStringList delivered;
    auto held = [&hold] {
        hold.acquire();
        return 1;
    };
    QVERIFY(runner.run<int>("list", held, [&](const int&) { delivered << "old list"; }));
    QVERIFY(runner.run<int>("rename", held, [&](const int&) { delivered << "rename"; }));
    runner.drop("list");
    QVERIFY(!runner.isRunning("list"));
    QVERIFY(runner.isBusy());
    QVERIFY(runner.run<int>("list", held, [&](const int&) { delivered << "new list"; }));
    hold.release(3);
    QTRY_VERIFY_WITH_TIMEOUT(!runner.isBusy(), 30000);
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::processEvents();
    delivered.sort();
    QCOMPARE(delivered, (QStringList{"new list", "rename"}));
}

void TestServiceCallRunner::waitCursorWhileBusy() {
    QSemaphore hold;
    QWidget window;
    auto* runner = new ServiceCallRunner(&window);
    showWaitCursorWhileBusy(runner, &window);
    bool done = false;
    QVERIFY(runner->run<int>(
        "rename",
        [&hold] {
            hold.acquire();
            return 1;
        },
        [&](const int&) { done = true; }));
    QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    hold.release();
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestServiceCallRunner)
#include "test_servicecallrunner.moc"
