// The session and file API against the stand-in, with replies scripted where the
// protocol's corner cases are the point.
#include "api/appkey.h"
#include "api/client.h"
#include "api/fileapi.h"
#include "api/sessionapi.h"
#include "api/userapi.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QtTest>

using devservice::Fault;

namespace {

std::string entries(int count, int firstId = 1) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        out += (i ? "," : "") + std::string("{\"id\":") + std::to_string(firstId + i) +
               ",\"linkcode\":\"L" + std::to_string(firstId + i) + "\",\"size\":\"1048576\"}";
    }
    return out + "]";
}

} // namespace

class TestFileSessionApi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listPaging_data();
    void listPaging();
    void listItemsAreReadAsText();
    void searchKeepsFifty_data();
    void searchKeepsFifty();
    void lookupUsesFileType();
    void changeBodies_data();
    void changeBodies();
    void emptyLinkCodeIsNeverSent();
    void changeReplies_data();
    void changeReplies();
    void downloadLocation_data();
    void downloadLocation();
    void uploadAndVersionBodies();

private:
    devservice::FaultScript& faults() { return fixture.service().faults(); }
    std::vector<devservice::Request> sent(const std::string& path) {
        return fixture.service().requests().forPath(path);
    }

    DevServiceFixture fixture;
    std::unique_ptr<brisko::client> client;
};

void TestFileSessionApi::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    client = std::make_unique<brisko::client>(brisko::application_key());
    brisko::user_api login(client.get());
    QVERIFY(login.login(devservice::demo::kEmail, devservice::demo::kPassword));
}

void TestFileSessionApi::listPaging_data() {
    QTest::addColumn<int>("dirOnly");
    QTest::addColumn<QStringList>("replies"); // "502" is an HTML 502 page, "N" N entries
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("code");
    QTest::newRow("exactly 2000") << 0 << QStringList{"2000", "0"} << 2 << 2000 << 0;
    QTest::newRow("folders page by 1000") << 1 << QStringList{"1000", "3"} << 2 << 1003 << 0;
    QTest::newRow("502 then entries") << 0 << QStringList{"502", "502", "5"} << 3 << 5 << 0;
    QTest::newRow("502 three times") << 0 << QStringList{"502", "502", "502"} << 3 << 0 << 502;
    QTest::newRow("later page fails") << 0 << QStringList{"2000", "2000", "code201"} << 3 << 0
                                      << 201;
}

void TestFileSessionApi::listPaging() {
    QFETCH(int, dirOnly);
    QFETCH(QStringList, replies);
    QFETCH(int, requests);
    QFETCH(int, entries);
    QFETCH(int, code);
    const std::string path = "/api/fileops/list/home%2FPhim";
    for (const QString& reply : replies) {
        if (reply == "502")
            faults().next(path, Fault::status(502, "<html>502</html>", "text/html"));
        else if (reply == "code201")
            faults().next(path, Fault::status(200, R"({"code":201,"msg":"expired"})"));
        else
            faults().next(path, Fault::status(200, ::entries(reply.toInt())));
    }
    brisko::file_api api(client.get());
    std::vector<brisko::file*> result = api.list(dirOnly, "/home%2FPhim");
    QCOMPARE(int(result.size()), entries);
    QCOMPARE(api.get_error_code(), code);
    brisko::delete_all(result);

    const auto calls = sent(path);
    QCOMPARE(int(calls.size()), requests);
    const std::string limit = dirOnly ? "1000" : "2000";
    QCOMPARE(QString::fromStdString(calls.front().query()),
             QString::fromStdString("pageIndex=0&dirOnly=" + std::to_string(dirOnly) +
                                    "&limit=" + limit));
}

void TestFileSessionApi::listItemsAreReadAsText() {
    faults().next("/api/fileops/list/home",
                  Fault::status(200, R"([{"id":12,"size":"1048576","secure":true,"pwd":null,
                                           "name":"Phim hay.mkv","type":1}])"));
    brisko::file_api api(client.get());
    std::vector<brisko::file*> result = api.list(0, "");
    QCOMPARE(result.size(), size_t(1));
    QCOMPARE(result[0]->get_id(), std::int64_t(12));
    QCOMPARE(result[0]->get_size(), std::int64_t(1048576));
    QCOMPARE(result[0]->get_secure(), std::string("true"));
    QCOMPARE(result[0]->get_type(), std::string("1"));
    QVERIFY(result[0]->get_pwd().empty());
    brisko::delete_all(result);

    // An element that is not an object is a reply we don't understand.
    faults().next("/api/fileops/list/home", Fault::status(200, R"([{"id":1},"x"])"));
    QVERIFY(api.list(0, "").empty());
    QCOMPARE(api.get_error_code(), 99);
}

void TestFileSessionApi::searchKeepsFifty_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("kept");
    QTest::newRow("80 items") << QString::fromStdString(entries(80)) << 50;
    QTest::newRow("empty id at 3")
        << QString(R"([{"id":1},{"id":2},{"id":3},{"id":""},{"id":5}])") << 3;
}

void TestFileSessionApi::searchKeepsFifty() {
    QFETCH(QString, reply);
    QFETCH(int, kept);
    faults().next("/api/fileops/search", Fault::status(200, reply.toStdString()));
    brisko::file_api api(client.get());
    std::vector<brisko::file*> result = api.search("phim", 2);
    QCOMPARE(int(result.size()), kept);
    QCOMPARE(api.get_error_code(), 0);
    brisko::delete_all(result);
    QCOMPARE(QString::fromStdString(sent("/api/fileops/search").front().query()),
             QString("pageIndex=2"));
}

void TestFileSessionApi::lookupUsesFileType() {
    const std::string link = "https://www.localhost/file/ABC";
    faults().next("/api/fileops/get",
                  Fault::status(200, R"({"id":"9","file_type":"1","type":"0","name":"a.txt"})"));
    brisko::file_api api(client.get());
    std::unique_ptr<brisko::file> record(api.get(link));
    QVERIFY(record);
    QCOMPARE(record->get_url(), link);
    QCOMPARE(record->get_type(), std::string("1"));
    QCOMPARE(bodyOf(sent("/api/fileops/get").front())["url"].asString(), link);

    faults().next("/api/fileops/get", Fault::status(200, R"({"code":201,"msg":"het han"})"));
    QVERIFY(!api.get(link));
    QCOMPARE(api.get_error_code(), 201);
    QCOMPARE(api.get_error_msg(), std::string("het han"));
}

void TestFileSessionApi::changeBodies_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // the body without "token", compact
    QTest::newRow("delete") << "/api/fileops/delete" << R"({"items":["B","A"]})";
    QTest::newRow("secure") << "/api/fileops/changeSecure" << R"({"items":["B","A"],"status":1})";
    QTest::newRow("direct") << "/api/share/SetDirectLink" << R"({"items":["B","A"],"status":0})";
    QTest::newRow("pass") << "/api/fileops/createFilePass" << R"({"items":["B","A"],"pass":"p"})";
    QTest::newRow("move") << "/api/fileops/move" << R"({"items":["B","A"],"to":"F"})";
    QTest::newRow("move to path") << "/api/fileops/moveToPath" << R"({"items":["B","A"],"to":"/x"})";
    QTest::newRow("copy") << "/api/fileops/copy" << R"({"items":["B","A"],"to":"F"})";
    QTest::newRow("rename") << "/api/fileops/rename" << R"({"file":"B","new_name":"n"})";
    QTest::newRow("folder") << "/api/fileops/createFolder" << R"({"in_dir":"/home","name":"n"})";
    QTest::newRow("folder in path")
        << "/api/fileops/createFolderInPath" << R"({"in_dir":"/home","name":"n"})";
    QTest::newRow("share") << "/api/share/createsharelink"
                           << R"({"content":"c","emails":null,"items":["B","A"]})";
    QTest::newRow("delete none") << "/api/fileops/delete" << R"({"items":null})";
}

void TestFileSessionApi::changeBodies() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    const std::vector<std::string> items =
        QTest::currentDataTag() == QLatin1String("delete none") ? std::vector<std::string>{}
                                                                : std::vector<std::string>{"B", "A"};
    faults().next(path.toStdString(), Fault::status(200, R"({"code":200})"));
    brisko::file_api api(client.get());
    const std::string p = path.toStdString();
    bool ok = false;
    if (p == "/api/fileops/delete")
        ok = api.deleteItems(items);
    else if (p == "/api/fileops/changeSecure")
        ok = api.changeSecure(items, 1);
    else if (p == "/api/share/SetDirectLink")
        ok = api.setDirectLink(items, 0);
    else if (p == "/api/fileops/createFilePass")
        ok = api.createFilePass(items, "p");
    else if (p == "/api/fileops/move")
        ok = api.move(items, "F");
    else if (p == "/api/fileops/moveToPath")
        ok = api.moveToPath(items, "/x");
    else if (p == "/api/fileops/copy")
        ok = api.copy(items, "F");
    else if (p == "/api/fileops/rename")
        ok = api.rename("B", "n");
    else if (p == "/api/fileops/createFolder")
        ok = api.createFolder("n", "/home");
    else if (p == "/api/fileops/createFolderInPath")
        ok = api.createFolderInPath("n", "/home");
    else if (p == "/api/share/createsharelink")
        ok = api.createShareLink(items, {}, "c");
    QVERIFY(ok);
    QCOMPARE(api.get_error_msg(), std::string("200"));

    Json::Value body = bodyOf(sent(p).front());
    QCOMPARE(body["token"].asString(), client->get_session()->get_token());
    body.removeMember("token");
    Json::StreamWriterBuilder compact;
    compact["indentation"] = "";
    QCOMPARE(QString::fromStdString(Json::writeString(compact, body)), expected);
}

void TestFileSessionApi::emptyLinkCodeIsNeverSent() {
    brisko::file_api api(client.get());
    QVERIFY(!api.deleteItems({"A", ""}));
    const int code = api.get_error_code();
    QVERIFY(code != 0 && code != 200 && code != 201);
    QVERIFY(!api.get_error_msg().empty());
    QVERIFY(!api.move({""}, "F"));
    QVERIFY(sent("/api/fileops/delete").empty() && sent("/api/fileops/move").empty());
}

void TestFileSessionApi::changeReplies_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("expired") << 200 << R"({"code":201,"msg":"x"})" << 201 << "x";
    QTest::newRow("html 500") << 500 << "<html/>" << 500 << "HTTP error code: 500";
    QTest::newRow("html 200") << 200 << "<html/>" << 99 << "";
}

void TestFileSessionApi::changeReplies() {
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(int, code);
    QFETCH(QString, message);
    faults().next("/api/fileops/rename", Fault::status(status, body.toStdString(), "text/html"));
    brisko::file_api api(client.get());
    QVERIFY(!api.rename("A", "b"));
    QCOMPARE(api.get_error_code(), code);
    QCOMPARE(QString::fromStdString(api.get_error_msg()), message);
    QCOMPARE(QString::fromStdString(api.get_response()), body);
}

void TestFileSessionApi::downloadLocation_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("location");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("location") << R"({"location":"https://x/y"})" << "https://x/y" << 0 << "";
    QTest::newRow("expired") << R"({"code":201,"msg":"m"})" << "" << 201 << "m";
    QTest::newRow("wrong password") << R"({"code":123,"msg":"pw"})" << "" << 123 << "pw";
    QTest::newRow("no location") << R"({"location":""})" << "" << 200 << "200";
}

void TestFileSessionApi::downloadLocation() {
    QFETCH(QString, reply);
    QFETCH(QString, location);
    QFETCH(int, code);
    QFETCH(QString, message);
    faults().next("/api/session/download", Fault::status(200, reply.toStdString()));
    brisko::sessionapi api(client.get());
    QCOMPARE(QString::fromStdString(api.download("https://www.localhost/file/A", "pw", true)),
             location);
    QCOMPARE(api.get_error_code(), code);
    if (code)
        QCOMPARE(QString::fromStdString(api.get_error_msg()), message);
    const Json::Value body = bodyOf(sent("/api/session/download").front());
    QVERIFY(body["zipflag"].isBool() && body["zipflag"].asBool());
    QCOMPARE(body["password"].asString(), std::string("pw"));
}

void TestFileSessionApi::uploadAndVersionBodies() {
    faults().next("/api/session/upload", Fault::status(200, "{}"));
    brisko::sessionapi api(client.get());
    int secured = 1;
    QVERIFY(api.upload("phim.mkv", 5368709120LL, "/home", secured).empty());
    QCOMPARE(api.get_error_code(), 500);
    QCOMPARE(api.get_error_msg(), std::string("Server error"));
    const Json::Value body = bodyOf(sent("/api/session/upload").front());
    QVERIFY(body["size"].isString());
    QCOMPARE(body["size"].asString(), std::string("5368709120"));
    QVERIFY(body["secured"].isInt());

    faults().next("/api/service/getlatestversion", Fault::status(200, R"({"version":"5.4.0"})"));
    int type = 6;
    const auto version = api.getLatestVersion(type);
    QCOMPARE(version.at("version"), std::string("5.4.0"));
    QCOMPARE(version.at("link"), std::string());
    QCOMPARE(sent("/api/service/getlatestversion").front().query(), std::string("type=6"));

    int id = 7, level = 2, speed = 1000, concurrent = 3;
    std::string kind = "download";
    api.postLog(id, kind, level, speed, concurrent);
    const auto logs = sent("/");
    QCOMPARE(logs.size(), size_t(1));
    const Json::Value log = bodyOf(logs.front());
    QVERIFY(!log.isMember("token"));
    QCOMPARE(log["account_id"].asInt(), 7);
    QCOMPARE(log["type"].asString(), kind);
    QCOMPARE(log["concurrent"].asInt(), 3);
}

QTEST_GUILESS_MAIN(TestFileSessionApi)
#include "test_file_session_api.moc"
