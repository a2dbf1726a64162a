// The API client against the local stand-in: what goes over the wire, how replies
// become results, TLS verification and calls from several threads at once.
#include "api/appkey.h"
#include "api/client.h"
#include "api/curlhandle.h"
#include "api/fileapi.h"
#include "api/httputil.h"
#include "api/userapi.h"
#include "platform/hostconfig.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QtTest>

#include <atomic>
#include <set>
#include <thread>

using devservice::Fault;

namespace {

const std::string kEmail = devservice::demo::kEmail;
const std::string kPassword = devservice::demo::kPassword;

// The custom header lines a request carried, in order.
QStringList customLines(const devservice::Request& request) {
    QStringList lines;
    for (const std::string& line : request.headerLines) {
        const QString text = QString::fromStdString(line);
        if (text.startsWith("Content-type") || text.startsWith("Cookie"))
            lines << text;
    }
    return lines;
}

} // namespace

class TestApiService : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loginWireFormat();
    void callsAfterLoginCarryTheSession();
    void loginFailures_data();
    void loginFailures();
    void loginWithoutCookieKeepsTheOldSession();
    void resultRule_data();
    void resultRule();
    void noReplyIsNetworkError();
    void repliesAreBounded_data();
    void repliesAreBounded();
    void everyHandleSpeaksHttp11();
    void untrustedServerIsRefused();
    void concurrentCallsKeepTheirOwnBodies();
    void callsReuseConnectionsAndTlsSessions();

private:
    DevServiceFixture fixture;
    std::unique_ptr<brisko::client> client;
};

void TestApiService::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    client = std::make_unique<brisko::client>(brisko::application_key());
}

void TestApiService::cleanup() {
    utils::http_util::set_reply_limits(utils::http_util::reply_limits());
}

void TestApiService::loginWireFormat() {
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    QCOMPARE(api.get_error_code(), 0);

    const auto logins = fixture.service().requests().forPath("/api/user/login");
    QCOMPARE(logins.size(), size_t(1));
    QCOMPARE(customLines(logins[0]), QStringList{"Content-type:application/json"});
    // jsoncpp's styled writer: members sorted, three blanks of indent, a final newline.
    const std::string expected = "{\n   \"app_key\" : \"" + brisko::application_key() +
                                 "\",\n   \"password\" : \"" + kPassword +
                                 "\",\n   \"user_email\" : \"" + kEmail + "\"\n}\n";
    QCOMPARE(QString::fromStdString(logins[0].body), QString::fromStdString(expected));
}

void TestApiService::callsAfterLoginCarryTheSession() {
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    const std::string cookie = client->get_session()->get_reqdata().get_headers().at("Cookie");
    QVERIFY(QString::fromStdString(cookie).endsWith(
        QString::fromStdString(";key=" + brisko::application_key())));

    const std::unique_ptr<brisko::user> account = api.get();
    QVERIFY2(account, api.get_error_msg().c_str());
    QCOMPARE(account->get_email(), kEmail);
    QVERIFY(client->get_session()->get_user());
    QCOMPARE(client->get_session()->get_user()->get_email(), kEmail);

    brisko::file_api files(client.get());
    files.createFolder("Phim mới", "/home");

    const auto gets = fixture.service().requests().forPath("/api/user/get");
    QCOMPARE(gets.size(), size_t(1));
    const QString cookieLine = QString::fromStdString(cookie);
    const QStringList expectedLines{"Content-type:application/json", cookieLine,
                                    "Content-type:application/json"};
    QCOMPARE(customLines(gets[0]), expectedLines);

    const auto posts = fixture.service().requests().forPath("/api/fileops/createFolder");
    QCOMPARE(posts.size(), size_t(1));
    QCOMPARE(customLines(posts[0]), expectedLines);
    const std::string body = "{\n   \"in_dir\" : \"/home\",\n   \"name\" : \"Phim m\\u1edbi\",\n"
                             "   \"token\" : \"" +
                             client->get_session()->get_token() + "\"\n}\n";
    QCOMPARE(QString::fromStdString(posts[0].body), QString::fromStdString(body));

    QVERIFY(api.logout());
    QVERIFY(!api.get());
    QCOMPARE(api.get_error_code(), 201);
}

void TestApiService::loginFailures_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("faultStatus"); // empty: no fault
    QTest::addColumn<QString>("faultBody");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password") << "nope" << "" << "" << 5 << "*";
    QTest::newRow("no msg") << "x" << "200" << R"({"code":200,"token":"t"})" << 99 << "*";
    QTest::newRow("code as text") << "x" << "200" << R"({"code":"7","msg":"m"})" << 7 << "m";
    QTest::newRow("html 502") << "x" << "502" << "<html>bad gateway</html>" << 502
                              << "HTTP error code: 502";
}

void TestApiService::loginFailures() {
    QFETCH(QString, password);
    QFETCH(QString, faultStatus);
    QFETCH(QString, faultBody);
    QFETCH(int, code);
    QFETCH(QString, message);
    if (!faultStatus.isEmpty()) {
        const std::string type = faultBody.startsWith('<') ? "text/html" : "application/json";
        fixture.service().faults().next(
            "/api/user/login", Fault::status(faultStatus.toInt(), faultBody.toStdString(), type));
    }
    const auto before = client->get_session();
    brisko::user_api api(client.get());
    QVERIFY(!api.login(kEmail, password.toStdString()));
    QCOMPARE(api.get_error_code(), code);
    if (message != "*")
        QCOMPARE(QString::fromStdString(api.get_error_msg()), message);
    else
        QVERIFY(!api.get_error_msg().empty());
    QCOMPARE(client->get_session(), before);
}

void TestApiService::loginWithoutCookieKeepsTheOldSession() {
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    const auto before = client->get_session();
    fixture.service().faults().next(
        "/api/user/login", Fault::status(200, R"({"code":200,"token":"t","session_id":"s"})"));
    QVERIFY(!api.login(kEmail, kPassword));
    QCOMPARE(api.get_error_code(), 99);
    QCOMPARE(client->get_session(), before);
}

void TestApiService::resultRule_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty object") << 200 << "{}" << true << 0 << "";
    QTest::newRow("code 200") << 200 << R"({"code":200})" << true << 0 << "";
    QTest::newRow("expired") << 200 << R"({"code":201,"msg":"x"})" << false << 201 << "x";
    QTest::newRow("numeric text code") << 200 << R"({"code":"5"})" << false << 5 << "";
    QTest::newRow("text code") << 200 << R"({"code":"five"})" << false << 99 << "*";
    QTest::newRow("array") << 200 << "[1,2]" << false << 99 << "*";
    QTest::newRow("html 502") << 502 << "<html>x</html>" << false << 502
                              << "HTTP error code: 502";
    QTest::newRow("html 200") << 200 << "<html>x</html>" << false << 99 << "previous";
    QTest::newRow("empty 200") << 200 << "" << false << 99 << "previous";
}

void TestApiService::resultRule() {
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(bool, ok);
    QFETCH(int, code);
    QFETCH(QString, message);
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    // A first failed call leaves a message behind, which a 99 must not overwrite.
    fixture.service().faults().next("/api/user/get",
                                    Fault::status(200, R"({"code":404,"msg":"previous"})"));
    QVERIFY(!api.get());
    fixture.service().faults().next(
        "/api/user/get", Fault::status(status, body.toStdString(),
                                       body.startsWith('<') ? "text/html" : "application/json"));
    const bool result = bool(api.get());
    QCOMPARE(result, ok);
    QCOMPARE(api.get_error_code(), code);
    if (message != "*")
        QCOMPARE(QString::fromStdString(api.get_error_msg()), message);
}

void TestApiService::noReplyIsNetworkError() {
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));

    fixture.service().faults().next("/api/user/get", Fault::cutMidReply(5));
    QVERIFY(!api.get());
    QCOMPARE(api.get_error_code(), 11);

    fixture.service().faults().next("/api/user/get", Fault::cutBeforeReply());
    QVERIFY(!api.get());
    QCOMPARE(api.get_error_code(), 11);

    qputenv("BRISKO_API_HOST", "127.0.0.1:1"); // nothing listens there
    QVERIFY(!api.logout());
    QCOMPARE(api.get_error_code(), 11);
    QVERIFY(!api.login(kEmail, kPassword));
    QCOMPARE(api.get_error_code(), 11);
    QVERIFY(!api.get_error_msg().empty());
}

void TestApiService::repliesAreBounded_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("bodyBytes"); // of the reply, under a limit of 65536
    QTest::addColumn<int>("delayMs");   // before the reply, under a deadline of 1 s
    QTest::addColumn<int>("code");
    QTest::newRow("GET within the bounds") << "/api/user/get" << 60000 << 0 << 404;
    QTest::newRow("GET reply too big") << "/api/user/get" << 70000 << 0 << 11;
    QTest::newRow("POST reply too big") << "/api/user/login" << 70000 << 0 << 11;
    QTest::newRow("GET past the deadline") << "/api/user/get" << 100 << 5000 << 11;
    QTest::newRow("POST past the deadline") << "/api/user/login" << 100 << 5000 << 11;
}

void TestApiService::repliesAreBounded() {
    QFETCH(QString, path);
    QFETCH(int, bodyBytes);
    QFETCH(int, delayMs);
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    utils::http_util::reply_limits limits;
    limits.maxBytes = 65536;
    // Only where the reply is late: a slow machine must not fail the others.
    if (delayMs > 0)
        limits.deadlineSeconds = 1;
    utils::http_util::set_reply_limits(limits);
    std::string body = R"({"code":404,"msg":")";
    body += std::string(std::size_t(bodyBytes) - body.size() - 2, 'x') + "\"}";
    Fault fault = Fault::status(200, body);
    fault.delay = std::chrono::milliseconds(delayMs);
    fixture.service().faults().next(path.toStdString(), fault);
    const bool ok = path.endsWith("login") ? api.login(kEmail, kPassword) : bool(api.get());
    QVERIFY(!ok);
    QTEST(api.get_error_code(), "code");
}

void TestApiService::everyHandleSpeaksHttp11() {
    // The designed header lines go out as written only over HTTP/1.1, so no handle may
    // offer HTTP/2 to a server that would take it.
    fixture.service().alpnOffers().clear();
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    CURL* handle = utils::create_curl_handle();
    QVERIFY(handle);
    const std::string url = hosts::apiUrl("/");
    std::string ignored;
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &utils::http_util::bounded_write);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &ignored);
    QCOMPARE(curl_easy_perform(handle), CURLE_OK);
    long version = 0;
    curl_easy_getinfo(handle, CURLINFO_HTTP_VERSION, &version);
    curl_easy_cleanup(handle);
    QCOMPARE(version, long(CURL_HTTP_VERSION_1_1));
    const auto offers = fixture.service().alpnOffers().offers();
    QVERIFY(offers.size() >= 2);
    for (const auto& offer : offers)
        QCOMPARE(offer, std::vector<std::string>{"http/1.1"});
}

void TestApiService::untrustedServerIsRefused() {
    DevServiceFixture other;
    QVERIFY(other.start());
    utils::set_ca_path(fixture.caPath().toStdString()); // trust the first service only
    brisko::user_api api(client.get());
    QVERIFY(!api.login(kEmail, kPassword));
    QCOMPARE(api.get_error_code(), 11);
    QCOMPARE(other.service().requests().size(), size_t(0));
}

void TestApiService::callsReuseConnectionsAndTlsSessions() {
    devservice::Service& service = fixture.service();
    brisko::user_api api(client.get());
    QVERIFY(api.login(kEmail, kPassword));
    for (int i = 0; i < 3; ++i)
        QVERIFY(api.get());
    // One connection for all four calls, each still with its own request and headers.
    QCOMPARE(service.connectionsAccepted(), std::uint64_t(1));
    const auto gets = service.requests().forPath("/api/user/get");
    QCOMPARE(gets.size(), std::size_t(3));
    for (const auto& request : gets)
        QCOMPARE(customLines(request), customLines(gets.front()));

    // A call whose connection broke leaves no trace: the next one connects anew and
    // resumes the TLS session instead of a full handshake.
    service.faults().next("/api/user/get", Fault::cutMidReply(5));
    QVERIFY(!api.get());
    QVERIFY(api.get());
    QCOMPARE(service.connectionsAccepted(), std::uint64_t(2));
    QCOMPARE(service.resumedTlsSessions(), 1L);
}

void TestApiService::concurrentCallsKeepTheirOwnBodies() {
    brisko::user_api first(client.get());
    QVERIFY(first.login(kEmail, kPassword));
    std::mutex tokensMutex;
    std::set<std::string> issued{client->get_session()->get_token()};

    std::atomic<bool> done{false};
    std::thread relogin([&] {
        while (!done) {
            brisko::user_api api(client.get());
            if (api.login(kEmail, kPassword)) {
                std::lock_guard<std::mutex> lock(tokensMutex);
                issued.insert(client->get_session()->get_token());
            }
        }
    });
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t) {
        callers.emplace_back([&, t] {
            for (int i = 0; i < 15; ++i) {
                brisko::file_api files(client.get());
                files.createFolder("t" + std::to_string(t) + "-" + std::to_string(i), "/home");
                brisko::user_api api(client.get());
                api.get();
            }
        });
    }
    for (auto& caller : callers)
        caller.join();
    done = true;
    relogin.join();

    const auto posts = fixture.service().requests().forPath("/api/fileops/createFolder");
    QCOMPARE(posts.size(), size_t(60));
    std::set<std::string> names;
    for (const auto& post : posts) {
        Json::Value body;
        QVERIFY(brisko::json::parse(post.body, body));
        QCOMPARE(body["in_dir"].asString(), std::string("/home"));
        names.insert(body["name"].asString());
        QVERIFY2(issued.count(body["token"].asString()), post.body.c_str());
    }
    QCOMPARE(names.size(), size_t(60));
    for (const auto& get : fixture.service().requests().forPath("/api/user/get"))
        QCOMPARE(customLines(get).size(), 3);
}

QTEST_GUILESS_MAIN(TestApiService)
#include "test_api_service.moc"
