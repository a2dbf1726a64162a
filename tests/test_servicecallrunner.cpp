// Service calls of a window on a worker thread: the result comes back on the GUI thread
// while that thread keeps turning, one re-login after an expired session, a second start
// of a running action is refused, a result whose window is gone (or was dropped at
// logout) is never delivered, a call never runs under a later login's session, and
// cancelled calls end at once, so that quitting with a call on its way is quick too (a
// copy of this program quits in a child process).
#include "api/apiresult.h"
#include "api/curlhandle.h"
#include "api/fileapi.h"
#include "api/httputil.h"
#include "api/userapi.h"
#include "core/busycursor.h"
#include "core/globals.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "mainwindow/programexit.h"
#include "platform/singleinstance.h"
#include "platform/userfolders.h"
#include "tests/cancelmoments.h"
#include "tests/guiturns.h"
#include "tests/support/childenvironment.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <set>

using devservice::Fault;

namespace {

const char kCreateFolder[] = "/api/fileops/createFolder";
const char kLoginPath[] = "/api/user/login";
const char kExpired[] = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";
// A second account of the stand-in.
const char kOtherEmail[] = "khac@brisko.local";
const char kOtherPassword[] = "khac1234";
// The child process's single-instance name, and the argument that makes this program it.
const char kQuitChildId[] = "quitchild";
const char kQuitChildArgument[] = "--quit-while-calling";
const char kCaVariable[] = "BRISKO_TEST_CA";
constexpr int kPoolThreads = 8;
// Bounds of "at once", far below the second a call used to need to notice a cancel, with
// room for a loaded machine: a cancelled call's end, and a quit with a call on its way
// (windows hidden, settings written, the process's own end).
constexpr qint64 kEndedAtOnceMs = 300;
constexpr qint64 kQuitMs = 300;

std::function<bool(brisko::file_api&)> createFolder(const std::string& name) {
    return [name](brisko::file_api& api) { return api.createFolder(name, "/"); };
}

std::set<std::string> topNames(devservice::Service& service, const std::string& accountId) {
    std::set<std::string> names;
    for (const auto& entry : service.files().list(accountId, "/"))
        names.insert(entry.name);
    return names;
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
    void cutOffCallDeliversNothing_data();
    void cutOffCallDeliversNothing();
    void waitCursorWhileBusy();
    void callNeverRunsUnderTheNextLogin_data();
    void callNeverRunsUnderTheNextLogin();
    void cancelledCallsEndAtOnce_data();
    void cancelledCallsEndAtOnce();
    void quitWithACallOnItsWay();

private:
    int calls(const char* path) { return int(fixture.service().requests().forPath(path).size()); }

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
    utils::http_util::allow_calls();
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    delete currentUser;
    currentUser = nullptr;
}

void TestServiceCallRunner::resultArrivesWhileGuiTurns() {
    const auto held = std::chrono::milliseconds(1500);
    fixture.service().faults().next(kCreateFolder, Fault::wait(held));
    QObject window;
    auto* runner = new ServiceCallRunner(&window);
    QList<bool> busy;
    connect(runner, &ServiceCallRunner::busyChanged, [&](bool b) { busy << b; });

    GuiTurns turns;
    bool done = false;
    ServiceCallResult result;
    QElapsedTimer call;
    call.start();
    QVERIFY(runner->call<brisko::file_api>("create", createFolder("a"),
                                           [&](const ServiceCallResult& r) {
                                               result = r;
                                               done = true;
                                           }));
    // Handed to a worker, not made here: back at once, and busy until the result comes.
    const qint64 starting = call.elapsed();
    QVERIFY(runner->isBusy());
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    const qint64 whole = call.elapsed();
    qInfo("call %lld ms (started in %lld ms), worst GUI pause %lld ms", whole, starting,
          turns.worstPause());
    QVERIFY(result.ok);
    QVERIFY(whole >= held.count());
    // Well below the call: a runner that kept the GUI thread for most of it fails here.
    QVERIFY(starting < held.count() / 3);
    QVERIFY(turns.worstPause() < held.count() / 3);
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

void TestServiceCallRunner::cutOffCallDeliversNothing_data() {
    QTest::addColumn<QString>("cut");
    QTest::addColumn<bool>("busyAfter");        // another action still runs
    QTest::addColumn<QStringList>("delivered"); // sorted
    QTest::newRow("window gone") << "window" << false << QStringList();
    QTest::newRow("dropped at logout") << "all" << false << QStringList{"new list"};
    // A listing asked for again drops the one in flight: only the newer result counts.
    QTest::newRow("one action dropped") << "list" << true << QStringList{"new list", "rename"};
}

// A held call cut off while it runs: released afterwards, its result reaches nobody.
void TestServiceCallRunner::cutOffCallDeliversNothing() {
    QFETCH(QString, cut);
    QFETCH(bool, busyAfter);
    QFETCH(QStringList, delivered);
    QSemaphore hold;
    auto* window = new QObject;
    QPointer<ServiceCallRunner> runner = new ServiceCallRunner(window);
    QList<bool> busy;
    connect(runner, &ServiceCallRunner::busyChanged, [&](bool b) { busy << b; });
    QStringList got;
    auto held = [&hold] {
        hold.acquire();
        return 1;
    };
    auto deliver = [&got, window](const QString& what) {
        return [&got, window, what](const int&) {
            got << what;
            window->setObjectName(what); // the window must still be there
        };
    };
    QVERIFY(runner->run<int>("list", held, deliver("old list")));
    QVERIFY(runner->run<int>("rename", held, deliver("rename")));

    if (cut == QLatin1String("window"))
        delete window;
    else if (cut == QLatin1String("all"))
        runner->dropRunning();
    else
        runner->drop(cut);
    if (runner) {
        QVERIFY(!runner->isRunning("list"));
        QCOMPARE(runner->isBusy(), busyAfter);
        QCOMPARE(busy, busyAfter ? QList<bool>{true} : (QList<bool>{true, false}));
        QVERIFY(runner->run<int>("list", held, deliver("new list"))); // may start again
    }
    hold.release(3);
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    got.sort();
    QCOMPARE(got, delivered);
    if (runner) {
        QVERIFY(!runner->isBusy());
        delete window;
    }
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

void TestServiceCallRunner::callNeverRunsUnderTheNextLogin_data() {
    QTest::addColumn<QString>("when");
    // The call met an expired session; its re-login is on its way when the account
    // logs out and another logs in.
    QTest::newRow("re-login on its way") << "relogin";
    // Every worker is taken: the call waits in the queue while that happens.
    QTest::newRow("waited in the queue") << "queued";
}

void TestServiceCallRunner::callNeverRunsUnderTheNextLogin() {
    QFETCH(QString, when);
    auto& service = fixture.service();
    devservice::Account other;
    other.email = kOtherEmail;
    other.password = kOtherPassword;
    const std::string otherId = service.accounts().add(other);
    const auto otherBefore = topNames(service, otherId);
    const int creates = calls(kCreateFolder);
    const int logins = calls(kLoginPath);

    std::atomic<bool> release{false};
    QSemaphore workers;
    QObject window;
    ServiceCallRunner busyPool(&window);
    if (when == QLatin1String("relogin")) {
        service.faults().next(kCreateFolder, Fault::status(200, kExpired));
        service.faults().next(kLoginPath, Fault::waitFor([&release] { return release.load(); }));
    } else {
        for (int i = 0; i < kPoolThreads; ++i)
            QVERIFY(busyPool.run<int>(
                QString::number(i),
                [&workers] {
                    workers.acquire();
                    return 0;
                },
                [](const int&) {}));
    }
    ServiceCallRunner runner(&window);
    bool done = false;
    ServiceCallResult result;
    QVERIFY(runner.call<brisko::file_api>("create", createFolder("cua tai khoan dau"),
                                          [&](const ServiceCallResult& r) {
                                              result = r;
                                              done = true;
                                          }));
    if (when == QLatin1String("relogin"))
        QTRY_COMPARE_WITH_TIMEOUT(calls(kLoginPath), logins + 1, 30000);

    // The logout, and the next account's login.
    relogin::endLogin();
    delete currentUser;
    currentUser = nullptr;
    QVERIFY(brisko::user_api(&apiClient).login(kOtherEmail, kOtherPassword));
    release = true;
    workers.release(kPoolThreads);
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);

    QVERIFY(!result.ok);
    QCOMPARE(result.code, int(brisko::kCodeSessionExpired));
    QCOMPARE(calls(kCreateFolder) - creates, when == QLatin1String("relogin") ? 1 : 0);
    QCOMPARE(topNames(service, otherId), otherBefore);
    // The busy workers may still be waking on the semaphore, which dies with this scope.
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
}

void TestServiceCallRunner::cancelledCallsEndAtOnce_data() {
    addCancelMoments();
}

// Cancelled, a call waiting for a held reply ends at once, as a call without a reply; a
// call made afterwards sends nothing.
void TestServiceCallRunner::cancelledCallsEndAtOnce() {
    QFETCH(int, heldMs);
    fixture.service().faults().next(kCreateFolder, Fault::wait(std::chrono::seconds(20)));
    QObject window;
    ServiceCallRunner runner(&window);
    QList<ServiceCallResult> results;
    const auto keep = [&results](const ServiceCallResult& r) { results << r; };
    const int creates = calls(kCreateFolder);
    QVERIFY(runner.call<brisko::file_api>("held", createFolder("giu"), keep));
    QTRY_COMPARE_WITH_TIMEOUT(calls(kCreateFolder), creates + 1, 30000);
    QTest::qWait(heldMs);

    QElapsedTimer clock;
    clock.start();
    utils::http_util::cancel_calls();
    QVERIFY(runner.call<brisko::file_api>("later", createFolder("sau"), keep));
    QVERIFY(ServiceCallRunner::waitForAllCalls(10000));
    QVERIFY(utils::http_util::wait_for_calls(10000));
    qInfo("calls ended %lld ms after the cancel", clock.elapsed());
    QVERIFY(clock.elapsed() < kEndedAtOnceMs);
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 30000);
    for (const ServiceCallResult& r : results)
        QCOMPARE(r.code, int(brisko::kCodeNetworkError));
    QCOMPARE(calls(kCreateFolder), creates + 1);
}

void TestServiceCallRunner::quitWithACallOnItsWay() {
    fixture.service().faults().next(kCreateFolder, Fault::wait(std::chrono::seconds(20)));
    const int creates = calls(kCreateFolder);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kCaVariable), fixture.caPath());
    child.setProcessEnvironment(childEnvironment(environment));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kQuitChildArgument)});
    QVERIFY(child.waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(calls(kCreateFolder), creates + 1, 30000);
    // Timed from a turning event loop, as a user's quit is: the child's start-up (its first
    // paint loads the fonts, seconds on a busy machine) is not the quit's time.
    while (!child.canReadLine())
        QVERIFY(child.waitForReadyRead(30000));
    QCOMPARE(child.readLine(), QByteArray("turning\n"));

    QElapsedTimer clock;
    clock.start();
    child.write("quit\n");
    QVERIFY(child.waitForFinished(30000));
    qInfo("gone %lld ms after the quit", clock.elapsed());
    QVERIFY(clock.elapsed() < kQuitMs); // against the 20 s the reply is held
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    // Let go of, not left behind for the next copy to take over.
    QVERIFY(!QFileInfo::exists(platform::privateTempFolder() + QLatin1Char('/') +
                               QString::fromLatin1(kQuitChildId) + QStringLiteral(".lock")));
    SingleInstance next(QString::fromLatin1(kQuitChildId));
    QVERIFY(!next.isRunning());
}

namespace {

// The child of quitWithACallOnItsWay: a running copy (single-instance lock, a window)
// with a call on its way, which quits through programexit when its input says "quit".
int quitWhileCalling(int argc, char** argv) {
    QApplication app(argc, argv);
    utils::set_ca_path(qgetenv(kCaVariable).toStdString());
    SingleInstance instance(QString::fromLatin1(kQuitChildId));
    if (instance.isRunning())
        return 3;
    programexit::setInstanceRelease([&instance] { instance.release(); });
    if (!brisko::user_api(&apiClient).login(devservice::demo::kEmail, devservice::demo::kPassword))
        return 4;
    currentUser =
        new RuriDudi("1", devservice::demo::kEmail, "", devservice::demo::kPassword, 0, 1800.0);
    QWidget window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 5;
    auto* runner = new ServiceCallRunner(&window);
    runner->call<brisko::file_api>("create", createFolder("giu"), [](const ServiceCallResult&) {});
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [] { programexit::quit(1); });
    QTimer::singleShot(0, [] {
        std::fputs("turning\n", stdout);
        std::fflush(stdout);
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], kQuitChildArgument) == 0)
        return quitWhileCalling(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestServiceCallRunner test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_servicecallrunner.moc"
