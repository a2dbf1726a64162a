// The local stand-in of the service, driven with plain libcurl: what it answers, what
// it records, the faults it plays and the TLS it speaks.
#include "api/appkey.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/jsonfiles.h"

#include <curl/curl.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using devservice::Fault;

Q_DECLARE_METATYPE(devservice::Fault)

namespace {

struct Reply {
    CURLcode result = CURLE_OK;
    long status = 0;
    std::string body;
    std::vector<std::string> headerLines;

    int count(const std::string& name) const {
        int n = 0;
        for (const auto& line : headerLines)
            n += line.rfind(name + ":", 0) == 0;
        return n;
    }
    std::string value(const std::string& name) const {
        for (const auto& line : headerLines) {
            if (line.rfind(name + ": ", 0) == 0)
                return line.substr(name.size() + 2);
        }
        return {};
    }
    Json::Value json() const {
        Json::Value value;
        devservice::parseJsonObject(body, value);
        return value;
    }
};

size_t appendBody(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t appendHeaderLine(char* data, size_t size, size_t count, void* target) {
    std::string line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    static_cast<std::vector<std::string>*>(target)->push_back(line);
    return size * count;
}

// Feeds a body in small pieces, so an unknown-length upload goes out chunked.
size_t readPieces(char* buffer, size_t size, size_t count, void* source) {
    auto* left = static_cast<std::string*>(source);
    const size_t n = std::min<size_t>({size * count, left->size(), 7});
    left->copy(buffer, n);
    left->erase(0, n);
    return n;
}

struct Call {
    std::string url;
    std::vector<std::string> headers;
    std::optional<std::string> post;
    bool chunked = false;
    QString ca;
};

Reply perform(const Call& call) {
    Reply reply;
    CURL* curl = curl_easy_init();
    curl_slist* list = nullptr;
    for (const auto& header : call.headers)
        list = curl_slist_append(list, header.c_str());
    std::string upload = call.post.value_or("");
    curl_easy_setopt(curl, CURLOPT_URL, call.url.c_str());
    curl_easy_setopt(curl, CURLOPT_CAINFO, QFile::encodeName(call.ca).constData());
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, appendHeaderLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply.headerLines);
    if (call.chunked) {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPieces);
        curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    } else if (call.post) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, call.post->c_str());
    }
    reply.result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_easy_cleanup(curl);
    curl_slist_free_all(list);
    return reply;
}

std::string loginBody(const std::string& login, const std::string& password,
                      const std::string& appKey = brisko::application_key()) {
    Json::Value body;
    body["app_key"] = appKey;
    body["user_email"] = login;
    body["password"] = password;
    return body.toStyledString();
}

const std::string kJsonLine = "Content-type:application/json";

} // namespace

class TestDevService : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void login_data();
    void login();
    void cookieMustMatchExactly();
    void headerLinesAndTargetsRecordedAsSent();
    void scriptedFaults_data();
    void scriptedFaults();
    void faultsCountPerPathAndDelay();
    void latencyHoldsApiRepliesOnly();
    void tlsNeedsTheInstanceCa_data();
    void tlsNeedsTheInstanceCa();
    void stopEndsWaitingConnections();
    void storePersistsInDataFolder();
    void authorityKeptInDataFolder();

private:
    std::string url(const std::string& path, const std::string& host = "127.0.0.1") {
        return "https://" + host + ":" + std::to_string(fixture_.port()) + path;
    }
    Reply post(const std::string& path, const std::string& body,
               std::vector<std::string> headers = {kJsonLine}) {
        return perform({url(path), std::move(headers), body, false, fixture_.caPath()});
    }
    Reply get(const std::string& path, std::vector<std::string> headers = {}) {
        return perform({url(path), std::move(headers), std::nullopt, false, fixture_.caPath()});
    }
    // Logs the demo account in and returns the Set-Cookie value.
    std::string loginDemo() {
        const Reply reply = post("/api/user/login",
                                 loginBody(devservice::demo::kEmail, devservice::demo::kPassword));
        return reply.value("Set-Cookie");
    }
    static std::string cookieLine(const std::string& setCookie) {
        return "Cookie:" + setCookie + ";key=" + brisko::application_key();
    }

    DevServiceFixture fixture_;
};

void TestDevService::initTestCase() {
    curl_global_init(CURL_GLOBAL_ALL);
}

void TestDevService::init() {
    QVERIFY2(fixture_.start(), qPrintable(fixture_.error()));
}

void TestDevService::login_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("code");

    const std::string password = devservice::demo::kPassword;
    QTest::newRow("e-mail") << QByteArray::fromStdString(
                                   loginBody(devservice::demo::kEmail, password))
                            << 200;
    QTest::newRow("phone") << QByteArray::fromStdString(
                                  loginBody(devservice::demo::kPhone, password))
                           << 200;
    QTest::newRow("wrong password")
        << QByteArray::fromStdString(loginBody(devservice::demo::kEmail, "demo12345")) << 5;
    QTest::newRow("unknown account")
        << QByteArray::fromStdString(loginBody("nobody@brisko.local", password)) << 5;
    QTest::newRow("other application key")
        << QByteArray::fromStdString(loginBody(devservice::demo::kEmail, password, "0123")) << 3;
    Json::Value noPassword;
    noPassword["app_key"] = brisko::application_key();
    noPassword["user_email"] = devservice::demo::kEmail;
    QTest::newRow("no password") << QByteArray::fromStdString(noPassword.toStyledString()) << 4;
    QTest::newRow("not JSON") << QByteArray("user_email=demo") << 2;
}

void TestDevService::login() {
    QFETCH(QByteArray, body);
    QFETCH(int, code);
    const Reply reply = post("/api/user/login", body.toStdString());
    QCOMPARE(reply.result, CURLE_OK);
    QCOMPARE(reply.status, 200L);
    const Json::Value json = reply.json();
    QCOMPARE(json["code"].asInt(), code);
    QVERIFY(!json["msg"].asString().empty());
    if (code != 200) {
        QCOMPARE(reply.count("Set-Cookie"), 0);
        return;
    }
    QCOMPARE(reply.count("Set-Cookie"), 1);
    const std::string sessionId = json["session_id"].asString();
    QVERIFY(!json["token"].asString().empty());
    QVERIFY(!sessionId.empty());
    QCOMPARE(reply.value("Set-Cookie"), "BRISKOSESSID=" + sessionId + "; path=/");
}

void TestDevService::cookieMustMatchExactly() {
    const std::string setCookie = loginDemo();
    QVERIFY(!setCookie.empty());
    std::string oneCharOff = setCookie;
    oneCharOff[oneCharOff.find('=') + 1] ^= 1;
    const std::string attributesDropped = setCookie.substr(0, setCookie.find(';'));
    const std::vector<std::pair<std::string, int>> cases = {
        {cookieLine(oneCharOff), 201},
        {cookieLine(attributesDropped), 201},
        {"Cookie:" + setCookie + ";key=another", 201},
        {"Cookie:" + setCookie, 201},
        {cookieLine(setCookie), 200},
    };
    for (const auto& [line, code] : cases) {
        const Reply reply = get("/api/user/get", {kJsonLine, line, kJsonLine});
        QVERIFY2(reply.json()["code"].asInt() == code, line.c_str());
    }

    const Json::Value account = get("/api/user/get", {cookieLine(setCookie)}).json();
    QCOMPARE(account["email"].asString(), std::string(devservice::demo::kEmail));
    QVERIFY(account["level"].isString());
    QVERIFY(account["amount"].isNumeric());
    QVERIFY(account["dl_time_avail"].isNumeric());
    QCOMPARE(QString::fromStdString(account["name"].asString()), QString("Người dùng thử"));

    QCOMPARE(get("/api/user/logout", {cookieLine(setCookie)}).json()["code"].asInt(), 200);
    QCOMPARE(get("/api/user/get", {cookieLine(setCookie)}).json()["code"].asInt(), 201);

    const std::string again = loginDemo();
    QVERIFY(again != setCookie);
    QVERIFY(fixture_.service().expireSessions(devservice::demo::kPhone));
    QCOMPARE(get("/api/user/get", {cookieLine(again)}).json()["code"].asInt(), 201);
}

void TestDevService::headerLinesAndTargetsRecordedAsSent() {
    const std::vector<std::string> sent = {kJsonLine, "Cookie:a=b; path=/;key=k", kJsonLine};
    const std::string body(3000, 'x');
    get("/api/user/get%2Fodd?name=a%2Fb&x", sent);
    perform({url("/api/user/login"), sent, body, true, fixture_.caPath()});

    const auto log = fixture_.service().requests().all();
    QCOMPARE(log.size(), size_t(2));
    QCOMPARE(log[0].method, std::string("GET"));
    QCOMPARE(log[0].target, std::string("/api/user/get%2Fodd?name=a%2Fb&x"));
    QCOMPARE(log[0].path(), std::string("/api/user/get%2Fodd"));
    QCOMPARE(log[0].query(), std::string("name=a%2Fb&x"));
    QCOMPARE(log[1].method, std::string("POST"));
    QCOMPARE(log[1].body, body); // sent chunked, recorded joined
    QVERIFY(log[1].header("Transfer-Encoding").has_value());
    for (const auto& request : log) {
        std::vector<std::string> ours;
        for (const auto& line : request.headerLines) {
            if (line.rfind("Content-type", 0) == 0 || line.rfind("Cookie", 0) == 0)
                ours.push_back(line);
        }
        QCOMPARE(ours, sent);
        QCOMPARE(request.headerLines.front().rfind("Host: 127.0.0.1:", 0), size_t(0));
    }

    fixture_.service().requests().clear();
    QCOMPARE(fixture_.service().requests().size(), size_t(0));
}

void TestDevService::scriptedFaults_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("curlResult");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("status and body")
        << Fault::status(502, "<html>bad gateway</html>", "text/html") << int(CURLE_OK) << 502
        << QByteArray("<html>bad gateway</html>");
    QTest::newRow("cut before reply")
        << Fault::cutBeforeReply() << int(CURLE_GOT_NOTHING) << 0 << QByteArray();
    QTest::newRow("cut mid reply")
        << Fault::cutMidReply(7) << int(CURLE_PARTIAL_FILE) << 200 << QByteArray(R"({"code")");
    Fault scriptedThenCut = Fault::status(200, "0123456789");
    scriptedThenCut.cut = Fault::Cut::MidReply;
    scriptedThenCut.bytesBeforeCut = 4;
    QTest::newRow("scripted reply cut")
        << scriptedThenCut << int(CURLE_PARTIAL_FILE) << 200 << QByteArray("0123");
}

void TestDevService::scriptedFaults() {
    QFETCH(Fault, fault);
    QFETCH(int, curlResult);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    auto& service = fixture_.service();
    service.faults().next("/api/user/login", fault);

    const std::string login = loginBody(devservice::demo::kEmail, devservice::demo::kPassword);
    const Reply faulty = post("/api/user/login", login);
    QCOMPARE(int(faulty.result), curlResult);
    QCOMPARE(faulty.status, long(status));
    QCOMPARE(QByteArray::fromStdString(faulty.body), body);

    // Used once: the next call is answered normally, and both were recorded.
    QCOMPARE(post("/api/user/login", login).json()["code"].asInt(), 200);
    QCOMPARE(service.requests().forPath("/api/user/login").size(), size_t(2));
}

void TestDevService::faultsCountPerPathAndDelay() {
    auto& faults = fixture_.service().faults();
    faults.at("/api/user/get", 2, Fault::status(500, "second"));
    faults.next("/api/user/logout", Fault::status(500, "first"));
    faults.next("/api/user/logout", Fault::wait(std::chrono::milliseconds(300)));

    QCOMPARE(get("/api/user/get").json()["code"].asInt(), 201);
    QCOMPARE(get("/api/user/logout").body, std::string("first"));
    QCOMPARE(get("/api/user/get").body, std::string("second"));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(get("/api/user/logout").json()["code"].asInt(), 201); // late, but the real answer
    QVERIFY(timer.elapsed() >= 300);
    QCOMPARE(faults.calls("/api/user/logout"), 2);
    QCOMPARE(faults.calls("/api/user/get"), 2);
}

void TestDevService::latencyHoldsApiRepliesOnly() {
    auto& service = fixture_.service();
    service.faults().next("/api/user/logout", Fault::wait(std::chrono::milliseconds(200)));
    service.setLatency(std::chrono::milliseconds(300));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(get("/api/user/get").json()["code"].asInt(), 201);
    QVERIFY(timer.elapsed() >= 300);
    timer.restart();
    QCOMPARE(get("/api/user/logout").json()["code"].asInt(), 201); // a fault's wait comes on top
    QVERIFY(timer.elapsed() >= 500);
    // Pages beside the API answer at once: held for an hour, this one would time out.
    service.setLatency(std::chrono::hours(1));
    const Reply page = get("/setup/page.html");
    QCOMPARE(page.result, CURLE_OK);
    QCOMPARE(page.status, 200L);
    service.setLatency(std::chrono::milliseconds(0));
    QCOMPARE(service.latency().count(), 0);
}

void TestDevService::tlsNeedsTheInstanceCa_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("ownCa");
    QTest::addColumn<int>("curlResult");
    for (const char* host : {"127.0.0.1", "localhost", "www.localhost"})
        QTest::newRow(host) << QString(host) << true << int(CURLE_OK);
    QTest::newRow("other instance's CA")
        << QString("127.0.0.1") << false << int(CURLE_PEER_FAILED_VERIFICATION);
}

void TestDevService::tlsNeedsTheInstanceCa() {
    QFETCH(QString, host);
    QFETCH(bool, ownCa);
    QFETCH(int, curlResult);
    DevServiceFixture other;
    QVERIFY(other.start());
    const QString ca = ownCa ? fixture_.caPath() : other.caPath();
    const Reply reply = perform({url("/api/user/get", host.toStdString()), {}, {}, false, ca});
    QCOMPARE(int(reply.result), curlResult);
    QCOMPARE(fixture_.service().requests().size(), size_t(ownCa ? 1 : 0));
}

void TestDevService::stopEndsWaitingConnections() {
    fixture_.service().faults().next("/api/user/get", Fault::wait(std::chrono::minutes(10)));
    Reply reply;
    std::thread client([&] { reply = get("/api/user/get"); });
    while (fixture_.service().requests().size() == 0)
        QTest::qWait(10);
    fixture_.stop(); // must not wait the ten minutes
    client.join();
    QCOMPARE(reply.result, CURLE_GOT_NOTHING);
    QCOMPARE(get("/api/user/get").result, CURLE_COULDNT_CONNECT);

    // Back on its port, with its CA and what it had recorded.
    std::string error;
    QVERIFY2(fixture_.service().restart(&error), error.c_str());
    QCOMPARE(get("/api/user/get").result, CURLE_OK);
    QCOMPARE(fixture_.service().requests().size(), size_t(2));
}

void TestDevService::storePersistsInDataFolder() {
    QTemporaryDir data;
    auto options = DevServiceFixture::defaultOptions();
    options.dataFolder = QFile::encodeName(data.path()).toStdString();
    QVERIFY(fixture_.start(options));
    devservice::Account added;
    added.phone = "0911222333";
    added.password = "mật khẩu";
    added.profile["name"] = "Trần Thị B";
    added.profile["amount"] = 12;
    const std::string id = fixture_.service().accounts().add(added);
    const auto demo = fixture_.service().accounts().findByLogin(devservice::demo::kEmail);
    QVERIFY(demo);
    fixture_.service().accounts().update(demo->id,
                                         [](devservice::Account& a) { a.password = "changed"; });
    QVERIFY(fixture_.service().accounts().saveError().empty());

    QVERIFY(fixture_.start(options)); // a new instance on the same folder
    QCOMPARE(fixture_.service().accounts().all().size(), size_t(2)); // demo not seeded again
    QCOMPARE(QDir(data.path()).entryList(QDir::Files),
             (QStringList{"accounts.json", "ca.crt", "ca.key", "files.json"}));
    QCOMPARE(post("/api/user/login", loginBody(devservice::demo::kEmail, "changed"))
                 .json()["code"]
                 .asInt(),
             200);
    const Reply login = post("/api/user/login", loginBody("0911222333", "mật khẩu"));
    QCOMPARE(login.json()["code"].asInt(), 200);
    const Json::Value account =
        get("/api/user/get", {cookieLine(login.value("Set-Cookie"))}).json();
    QCOMPARE(account["id"].asString(), id);
    QCOMPARE(QString::fromStdString(account["name"].asString()), QString("Trần Thị B"));
    QCOMPARE(account["amount"].asInt(), 12);
}

// A stand-in started again on its data folder keeps its CA, so a client that trusted the
// first start reaches the next one. A half-kept authority is refused and left as it is.
void TestDevService::authorityKeptInDataFolder() {
    QTemporaryDir data;
    auto options = DevServiceFixture::defaultOptions();
    options.dataFolder = QFile::encodeName(data.path()).toStdString();
    QVERIFY(fixture_.start(options));
    const QString trusted = data.filePath("trusted.crt");
    QVERIFY(QFile::copy(fixture_.caPath(), trusted));
    struct stat key {};
    QCOMPARE(::stat(QFile::encodeName(data.filePath("ca.key")).constData(), &key), 0);
    QCOMPARE(key.st_mode & 0777, mode_t(0600));

    QVERIFY(fixture_.start(options)); // a new instance on the same folder
    QCOMPARE(perform({url("/api/user/get"), {}, {}, false, trusted}).result, CURLE_OK);
    DevServiceFixture fresh; // without a folder: an authority of its own
    QVERIFY(fresh.start());
    QVERIFY(fresh.service().caPem() != fixture_.service().caPem());

    fixture_.stop();
    QVERIFY(QFile::remove(data.filePath("ca.key")));
    devservice::Service halfKept(options);
    std::string error;
    QVERIFY(!halfKept.start(&error));
    QVERIFY2(QString::fromStdString(error).contains("ca.key"), error.c_str());
    QFile caFile(data.filePath("ca.crt"));
    QVERIFY(caFile.open(QIODevice::ReadOnly));
    QCOMPARE(caFile.readAll().toStdString(), fixture_.service().caPem());
    QVERIFY(!QFileInfo::exists(data.filePath("ca.key")));
}

QTEST_GUILESS_MAIN(TestDevService)
#include "test_devservice.moc"
