// The background job thread against the local stand-in: results and failures of each
// job, the one re-login after an expired session, and what the jobs put on the wire.
#include "api/apiresult.h"
#include "api/client.h"
#include "api/userapi.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "platform/hostconfig.h"
#include "tests/joblog.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>
#include <dlfcn.h>

#include <atomic>

using devservice::Fault;

namespace {

std::atomic<int> g_curlInits{0};

} // namespace

// Counts libcurl's set-up, which only a whole client does: an attempt or a re-login
// must not make one.
extern "C" CURLcode curl_global_init(long flags) {
    ++g_curlInits;
    using Real = CURLcode (*)(long);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "curl_global_init"));
    return real(flags);
}

namespace {

const char kExpiredMsg[] = "Phiên làm việc đã hết hạn";
const char kExpired[] = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";
const char kFolderPath[] = "/a b";
const char kFolderListPath[] = "/api/fileops/list%2Fa%20b";

using Start = std::function<void(ActionThread*)>;

// One job as the 201 table drives it.
struct JobCase {
    std::string path;    // the endpoint the job calls
    std::string success; // a reply the job takes as success; "": the stand-in's own
    QString okSignal;
    QString failSignal;
    Start start;
};

JobCase jobCase(int job) {
    switch (job) {
    case ActionThread::JobUserInfo:
        return {"/api/user/get", "", "getUserInfoSuccess", "getUserInfoError",
                [](ActionThread* j) { j->getUserInfo(); }};
    case ActionThread::JobFolderTree:
        return {kFolderListPath, R"([{"id":1,"linkcode":"A1","name":"a","type":"0"}])",
                "loadFolderTreeSuccess", "loadFolderTreeError",
                [](ActionThread* j) { j->loadFolderTree(1, kFolderPath); }};
    default:
        return {"/api/fileops/get",
                R"({"code":200,"id":5,"linkcode":"F1","name":"f","file_type":"1"})",
                "getAllFileSuccess", "getAllFileError", [](ActionThread* j) {
                    j->getAllFile(QString::fromStdString(hosts::webHost()) + "/file/F1");
                }};
    }
}

} // namespace

class TestActionThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void expiredSession_data();
    void expiredSession();
    void expiredSessionWithoutAccount();
    void login_data();
    void login();
    void reLogin_data();
    void reLogin();
    void boundClientSharesTheTransport();
    void reLoginFailsOrIsRefused_data();
    void reLoginFailsOrIsRefused();
    void accountInfo_data();
    void accountInfo();
    void folderTree_data();
    void folderTree();

private:
    devservice::FaultScript& faults() { return fixture.service().faults(); }
    std::vector<devservice::Request> sent(const std::string& path) {
        return fixture.service().requests().forPath(path);
    }
    size_t logins() { return sent("/api/user/login").size(); }
    // Runs one job to its end and returns what it reported.
    bool run(const Start& start, JobLog& log) {
        auto* job = new ActionThread;
        log.attach(job);
        return log.runToEnd(job, start);
    }

    DevServiceFixture fixture;
};

void TestActionThread::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    brisko::user_api api(&apiClient);
    QVERIFY(api.login(devservice::demo::kEmail, devservice::demo::kPassword));
    currentUser =
        new RuriDudi("1", devservice::demo::kEmail, "", devservice::demo::kPassword, 0, 1800.0);
}

void TestActionThread::cleanup() {
    delete currentUser;
    currentUser = nullptr;
}

void TestActionThread::expiredSession_data() {
    QTest::addColumn<int>("job");
    QTest::addColumn<int>("expiries");
    QTest::addColumn<bool>("sessionEnded"); // the stand-in really ended the session
    const std::pair<int, const char*> jobs[] = {{ActionThread::JobUserInfo, "account"},
                                                {ActionThread::JobFolderTree, "folder tree"},
                                                {ActionThread::JobExpandLinks, "link expansion"}};
    for (const auto& [job, name] : jobs) {
        QTest::addRow("%s, expired once", name) << job << 1 << false;
        QTest::addRow("%s, expired always", name) << job << 2 << false;
    }
    QTest::newRow("account, session ended") << int(ActionThread::JobUserInfo) << 1 << true;
}

void TestActionThread::expiredSession() {
    QFETCH(int, job);
    QFETCH(int, expiries);
    QFETCH(bool, sessionEnded);
    const JobCase c = jobCase(job);
    if (sessionEnded) {
        QVERIFY(fixture.service().expireSessions(devservice::demo::kEmail));
    } else {
        for (int i = 0; i < expiries; ++i)
            faults().next(c.path, Fault::status(200, kExpired));
    }
    if (expiries == 1 && !c.success.empty())
        faults().next(c.path, Fault::status(200, c.success));
    const size_t loginsBefore = logins();
    const int initsBefore = g_curlInits;

    JobLog log;
    QVERIFY(run(c.start, log));

    // One re-login with the account's credentials, one repeat, however it ends; each
    // attempt on the login's session and the program's transport, not a client of its own.
    QCOMPARE(logins(), loginsBefore + 1);
    QCOMPARE(g_curlInits.load(), initsBefore);
    QCOMPARE(bodyOf(sent("/api/user/login").back())["user_email"].asString(),
             std::string(devservice::demo::kEmail));
    QCOMPARE(sent(c.path).size(), size_t(2));
    if (expiries == 1) {
        QCOMPARE(log.signalNames(), QStringList{c.okSignal});
    } else if (job == ActionThread::JobExpandLinks) {
        QCOMPARE(log.signalNames(), (QStringList{"getAllFileError", "getAllFileSuccess"}));
        const QString errors = log.argsOf("getAllFileError").at(0).at(1).toString();
        QVERIFY2(errors.contains("201") && errors.contains(kExpiredMsg), qPrintable(errors));
        QVERIFY(log.argsOf("getAllFileSuccess").at(0).at(0).toStringList().isEmpty());
    } else {
        QCOMPARE(log.signalNames(), QStringList{c.failSignal});
        const QVariantList args = log.entries.last().args;
        QCOMPARE(args.at(0).toInt(), 201);
        QCOMPARE(args.at(1).toString(), QString(kExpiredMsg));
    }
}

void TestActionThread::expiredSessionWithoutAccount() {
    // Nobody logged in (the account was logged out meanwhile): nothing to log in with.
    delete currentUser;
    currentUser = nullptr;
    faults().next(kFolderListPath, Fault::status(200, kExpired));
    const size_t loginsBefore = logins();
    JobLog log;
    QVERIFY(run([](ActionThread* j) { j->loadFolderTree(1, kFolderPath); }, log));
    QCOMPARE(logins(), loginsBefore);
    QCOMPARE(log.signalNames(), QStringList{"loadFolderTreeError"});
    QCOMPARE(log.entries.last().args.at(0).toInt(), 201);
}

void TestActionThread::login_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("code");
    QTest::newRow("accepted") << QString(devservice::demo::kPassword) << "loginSuccess" << 0;
    QTest::newRow("wrong password") << QString("mật khẩu sai") << "loginError" << 5;
}

void TestActionThread::login() {
    QFETCH(QString, password);
    QFETCH(QString, signal);
    QFETCH(int, code);
    const auto sessionBefore = apiClient.get_session();
    const size_t loginsBefore = logins();
    JobLog log;
    QVERIFY(run([&](ActionThread* j) { j->login(devservice::demo::kEmail, password); }, log));

    QCOMPARE(log.signalNames(), QStringList{signal});
    // The login job never logs in a second time, and sends the password as typed.
    QCOMPARE(logins(), loginsBefore + 1);
    QCOMPARE(QString::fromStdString(bodyOf(sent("/api/user/login").back())["password"].asString()),
             password);
    QCOMPARE(apiClient.get_session() != sessionBefore, code == 0);
    if (code) {
        QCOMPARE(log.entries.last().args.at(0).toInt(), code);
        QCOMPARE(log.entries.last().args.at(1).toString(), QString("Sai email hoặc mật khẩu"));
    }
}

void TestActionThread::reLogin_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("accepted") << QString(devservice::demo::kPassword) << true;
    QTest::newRow("refused") << QString("sai") << false;
}

void TestActionThread::reLogin() {
    QFETCH(QString, password);
    QFETCH(bool, replaced);
    const auto before = apiClient.get_session();
    QCOMPARE(
        ActionThread::reLogin({true, devservice::demo::kEmail, password, relogin::currentLogin()}),
        replaced);
    QCOMPARE(apiClient.get_session() != before, replaced);
}

// What an attempt runs on: its login's session and the program's transport.
void TestActionThread::boundClientSharesTheTransport() {
    const int initsBefore = g_curlInits;
    const LoginBoundClient bound(ReLoginCredentials::ofCurrentUser());
    QVERIFY(bound.get());
    QVERIFY(bound.get() != &apiClient);
    QVERIFY(bound.get()->get_session() == apiClient.get_session());
    QVERIFY(bound.get()->get_http_util() == apiClient.get_http_util());
    QCOMPARE(bound.get()->get_app_key(), apiClient.get_app_key());
    QCOMPARE(g_curlInits.load(), initsBefore);
}

void TestActionThread::reLoginFailsOrIsRefused_data() {
    QTest::addColumn<int>("job");
    QTest::addColumn<bool>("loggedOut"); // else the stored password is refused
    const std::pair<int, const char*> jobs[] = {{ActionThread::JobUserInfo, "account"},
                                                {ActionThread::JobFolderTree, "folder tree"},
                                                {ActionThread::JobExpandLinks, "link expansion"}};
    for (const auto& [job, name] : jobs) {
        QTest::addRow("%s, re-login fails", name) << job << false;
        QTest::addRow("%s, logged out meanwhile", name) << job << true;
    }
}

// The job met an expired session and cannot log in again: it says so, once, and does not
// ask again under whatever session the program holds.
void TestActionThread::reLoginFailsOrIsRefused() {
    QFETCH(int, job);
    QFETCH(bool, loggedOut);
    const JobCase c = jobCase(job);
    std::atomic<bool> answer{!loggedOut};
    Fault expired = Fault::status(200, kExpired);
    expired.until = [&answer] { return answer.load(); };
    faults().next(c.path, expired);
    if (!c.success.empty())
        faults().next(c.path, Fault::status(200, c.success));
    if (!loggedOut)
        currentUser->setPassword(QStringLiteral("mật khẩu đã đổi"));
    const size_t loginsBefore = logins();

    auto* started = new ActionThread;
    JobLog log;
    log.attach(started);
    QSignalSpy gone(started, &QObject::destroyed);
    c.start(started);
    if (loggedOut) {
        QTRY_COMPARE_WITH_TIMEOUT(sent(c.path).size(), size_t(1), 20000);
        relogin::endLogin();
        answer = true;
    }
    QVERIFY(gone.wait(20000));

    QCOMPARE(logins(), loginsBefore + (loggedOut ? 0 : 1));
    QCOMPARE(sent(c.path).size(), size_t(1));
    if (job == ActionThread::JobExpandLinks) {
        QCOMPARE(log.signalNames(), (QStringList{"getAllFileError", "getAllFileSuccess"}));
        QVERIFY(log.argsOf("getAllFileError").at(0).at(1).toString().contains("201"));
        QVERIFY(log.argsOf("getAllFileSuccess").at(0).at(0).toStringList().isEmpty());
    } else {
        QCOMPARE(log.signalNames(), QStringList{c.failSignal});
        QCOMPARE(log.entries.last().args.at(0).toInt(), 201);
        QCOMPARE(log.entries.last().args.at(1).toString(), QString(kExpiredMsg));
    }
}

void TestActionThread::accountInfo_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reply"); // "": the stand-in's own answer
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("the account") << 200 << ""
                                 << "getUserInfoSuccess"
                                 << QVariantList{QString(devservice::demo::kEmail)};
    QTest::newRow("record unreadable") << 200 << R"({"code":200,"id":{"n":1}})"
                                       << "getUserInfoError" << QVariantList{99};
    QTest::newRow("refused") << 200 << R"({"code":3,"msg":"Không được phép"})"
                             << "getUserInfoError" << QVariantList{3, "Không được phép"};
    QTest::newRow("error page") << 502 << "<html>bad gateway</html>"
                                << "getUserInfoError" << QVariantList{502, "HTTP error code: 502"};
}

void TestActionThread::accountInfo() {
    QFETCH(int, status);
    QFETCH(QString, reply);
    QFETCH(QString, signal);
    QFETCH(QVariantList, args);
    if (!reply.isEmpty())
        faults().next("/api/user/get",
                      Fault::status(status, reply.toStdString(),
                                    reply.startsWith('<') ? "text/html" : "application/json"));
    JobLog log;
    QVERIFY(run([](ActionThread* j) { j->getUserInfo(); }, log));
    // Never a success without a record: the receiver would dereference it.
    QCOMPARE(log.signalNames(), QStringList{signal});
    QCOMPARE(log.entries.last().args.mid(0, args.size()), args);
}

void TestActionThread::folderTree_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("entries in the service's order")
        << R"([{"id":2,"name":"b"},{"id":1,"name":"a"}])"
        << "loadFolderTreeSuccess" << QVariantList{QStringList{"b", "a"}};
    QTest::newRow("empty folder") << "[]"
                                  << "loadFolderTreeSuccess" << QVariantList{QStringList{}};
    QTest::newRow("refused") << R"({"code":7,"msg":"Thư mục không tồn tại"})"
                             << "loadFolderTreeError" << QVariantList{7, "Thư mục không tồn tại"};
    QTest::newRow("not JSON") << "<html></html>"
                              << "loadFolderTreeError" << QVariantList{99};
}

void TestActionThread::folderTree() {
    QFETCH(QString, reply);
    QFETCH(QString, signal);
    QFETCH(QVariantList, args);
    faults().next(kFolderListPath, Fault::status(200, reply.toStdString()));
    JobLog log;
    QVERIFY(run([](ActionThread* j) { j->loadFolderTree(1, kFolderPath); }, log));

    QCOMPARE(log.signalNames(), QStringList{signal});
    QCOMPARE(log.entries.last().args.mid(0, args.size()), args);
    // The folder path travels as one percent-encoded segment.
    const auto requests = sent(kFolderListPath);
    QCOMPARE(requests.size(), size_t(1));
    QCOMPARE(requests.front().target,
             std::string("/api/fileops/list%2Fa%20b?pageIndex=0&dirOnly=1&limit=1000"));
}

QTEST_GUILESS_MAIN(TestActionThread)
#include "test_actionthread.moc"
