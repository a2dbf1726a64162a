// Offline checks of the API layer's records and parsers.
#include "api/appkey.h"
#include "api/client.h"
#include "api/file.h"
#include "api/httputil.h"
#include "api/userapi.h"

#include <QtTest>

class TestApiRecords : public QObject {
    Q_OBJECT
private slots:
    void parseHeaders_data();
    void parseHeaders();
    void repeatedHeaderKeepsTheLast();
    void boundedWriteKeepsEveryByte();
    void decimalTexts_data();
    void decimalTexts();
    void fileCopiesCompareEqual();
    void userTextsKeepTheirBytes();
    void parseUser_data();
    void parseUser();
    void parseUserRefusesObjects();
    void sessionRequestIsCreatedOnce();
    void replacedSessionLivesWhileHeld();
    void applicationKeyIsForty();
};

void TestApiRecords::parseHeaders_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "HTTP/1.1 200 OK\r\nServer: x\r\n\r\n" << "Server" << "x";
    QTest::newRow("first char skipped") << "Name:value\r\n" << "Name" << "alue";
    QTest::newRow("colon last") << "Name:\r\n" << "Name" << "";
    QTest::newRow("inner blanks kept") << "Name:   v  \r\n" << "Name" << "  v";
    QTest::newRow("case kept") << "content-TYPE: a/b\n" << "content-TYPE" << "a/b";
    QTest::newRow("colon in value") << "Location: https://h:1/x\r\n" << "Location"
                                    << "https://h:1/x";
}

void TestApiRecords::parseHeaders() {
    QFETCH(QString, block);
    QFETCH(QString, name);
    QFETCH(QString, value);
    const auto map = utils::http_util::parse_headers(block.toStdString());
    QCOMPARE(map.size(), size_t(1));
    QCOMPARE(QString::fromStdString(map.begin()->first), name);
    QCOMPARE(QString::fromStdString(map.begin()->second), value);
}

void TestApiRecords::repeatedHeaderKeepsTheLast() {
    const auto map = utils::http_util::parse_headers(
        "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n"
        "Set-Cookie: b=2; path=/\r\n\r\n");
    QCOMPARE(map.size(), size_t(1));
    QCOMPARE(QString::fromStdString(map.at("Set-Cookie")), QString("b=2; path=/"));
}

void TestApiRecords::boundedWriteKeepsEveryByte() {
    std::string target;
    char piece1[] = {'a', '\0', 'b'};
    char piece2[] = {'\0', 'c'};
    QCOMPARE(utils::http_util::bounded_write(piece1, 1, 3, &target), size_t(3));
    QCOMPARE(utils::http_util::bounded_write(piece2, 2, 1, &target), size_t(2));
    QCOMPARE(target, std::string("a\0b\0c", 5));
}

void TestApiRecords::decimalTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "123" << qint64(123);
    QTest::newRow("above 32 bits") << "4294967296" << qint64(4294967296LL);
    QTest::newRow("trailing letters") << "12abc" << qint64(12);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("letters") << "abc" << qint64(0);
    QTest::newRow("blank and sign") << " -5" << qint64(-5);
    QTest::newRow("saturates") << "99999999999999999999" << qint64(9223372036854775807LL);
}

void TestApiRecords::decimalTexts() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    brisko::file f;
    f.set_size(text.toStdString());
    f.set_id(text.toStdString());
    QCOMPARE(qint64(f.get_size()), value);
    QCOMPARE(qint64(f.get_id()), value);
}

void TestApiRecords::fileCopiesCompareEqual() {
    brisko::file f;
    f.set_id("7");
    f.set_name("phim hay.mkv");
    f.set_url("https://www.localhost/file/ABC");
    f.set_pwd("secret");
    brisko::file copy(f);
    QVERIFY(copy == f);
    copy.set_pwd("other");
    QVERIFY(copy != f);
    brisko::file empty;
    QCOMPARE(empty.get_size(), std::int64_t(0));
    QVERIFY(empty.get_linkcode().empty());
}

void TestApiRecords::userTextsKeepTheirBytes() {
    brisko::user u;
    QVERIFY(u.get_name().empty() && u.get_amount().empty());
    u.set_name("Nguyễn Văn A");
    QCOMPARE(QString::fromStdString(u.get_name()), QString::fromUtf8("Nguyễn Văn A"));
}

void TestApiRecords::parseUser_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("dlTime");
    QTest::newRow("defaults") << "{}" << "0" << "0" << "0" << -1;
    QTest::newRow("numbers become text") << R"({"id":42,"level":"2","amount":12,"dl_time_avail":3600})"
                                         << "42" << "2" << "12" << 3600;
    QTest::newRow("time with words") << R"({"dl_time_avail":"90 minutes"})" << "0" << "0" << "0"
                                     << 90;
    QTest::newRow("time of letters") << R"({"dl_time_avail":"soon"})" << "0" << "0" << "0" << 0;
}

void TestApiRecords::parseUser() {
    QFETCH(QString, reply);
    QFETCH(QString, id);
    QFETCH(QString, level);
    QFETCH(QString, amount);
    QFETCH(int, dlTime);
    brisko::client c("key");
    brisko::user_api api(&c);
    Json::Value root;
    QVERIFY(brisko::json::parse(reply.toStdString(), root));
    const auto u = api.parseUser(root);
    QVERIFY(u);
    QCOMPARE(QString::fromStdString(u->get_id()), id);
    QCOMPARE(QString::fromStdString(u->get_level()), level);
    QCOMPARE(QString::fromStdString(u->get_amount()), amount);
    QVERIFY(u->get_name().empty());
    QCOMPARE(u->dl_time_avail, dlTime);
}

void TestApiRecords::parseUserRefusesObjects() {
    brisko::client c("key");
    brisko::user_api api(&c);
    Json::Value root;
    QVERIFY(brisko::json::parse(R"({"name":{"first":"x"}})", root));
    QVERIFY(!api.parseUser(root));
    QCOMPARE(api.get_error_code(), 99);
}

void TestApiRecords::sessionRequestIsCreatedOnce() {
    brisko::session s;
    utils::httpReqData& first = s.get_reqdata();
    QVERIFY(first.get_data().empty() && first.get_headers().empty());
    QCOMPARE(&s.get_reqdata(), &first);
    auto* replacement = new utils::httpReqData();
    replacement->get_headers()["Content-type"] = "Content-type:application/json";
    s.set_reqdata(replacement);
    const utils::httpReqData call = s.make_request("{}");
    QCOMPARE(call.get_headers().size(), size_t(1));
    QCOMPARE(call.get_data(), std::string("{}"));
    QVERIFY(s.get_reqdata().get_data().empty()); // the session's own body never changes
}

void TestApiRecords::replacedSessionLivesWhileHeld() {
    brisko::client c("key");
    auto* first = new brisko::session();
    first->set_token("t1");
    c.set_session(first);
    std::shared_ptr<brisko::session> held = c.get_session();
    std::weak_ptr<brisko::session> watch = held;
    c.set_session(new brisko::session());
    QCOMPARE(held->get_token(), std::string("t1"));
    held.reset();
    QVERIFY(watch.expired());
}

void TestApiRecords::applicationKeyIsForty() {
    const std::string key = brisko::application_key();
    QCOMPARE(key.size(), size_t(40));
    for (char ch : key)
        QVERIFY(std::isalnum(static_cast<unsigned char>(ch)));
}

QTEST_GUILESS_MAIN(TestApiRecords)
#include "test_api_records.moc"
