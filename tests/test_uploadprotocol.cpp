// The client side of the upload location's format: reading offsets, Content-Range
// texts, the chunk-size rule and the speed cap, as tables.
#include "upload/uploadprotocol.h"

#include <QtTest>

#include <limits>

using namespace uploadprotocol;

class TestUploadProtocol : public QObject {
    Q_OBJECT
private slots:
    void readOffset_data();
    void readOffset();
    void invalidSession_data();
    void invalidSession();
    void contentRange_data();
    void contentRange();
    void nextChunkSize_data();
    void nextChunkSize();
    void sendSpeedCap_data();
    void sendSpeedCap();
};

void TestUploadProtocol::readOffset_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("offset");
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    QTest::newRow("object") << QByteArray(R"({"offset":1048576})") << qint64(1048576);
    QTest::newRow("empty") << QByteArray() << qint64(0);
    QTest::newRow("not a number") << QByteArray(R"({"offset":"abc"})") << qint64(0);
    QTest::newRow("no colon: from the start") << QByteArray("  77}") << qint64(77);
    QTest::newRow("no brace: to the end") << QByteArray(R"({"offset": 42)") << qint64(42);
    QTest::newRow("brace before colon") << QByteArray("}x: 9") << qint64(9);
    QTest::newRow("blanks and sign") << QByteArray("{\"o\":\t -15}") << qint64(-15);
    QTest::newRow("plus sign") << QByteArray("{\"o\":+15}") << qint64(15);
    QTest::newRow("stops at a non-digit") << QByteArray(R"({"offset":12x5})") << qint64(12);
    QTest::newRow("first colon counts") << QByteArray(R"({"a":1,"offset":500})") << qint64(1);
    QTest::newRow("64 bits") << QByteArray(R"({"offset":5368709120})") << qint64(5368709120);
    QTest::newRow("saturates up") << QByteArray(R"({"o":99999999999999999999})") << most;
    QTest::newRow("saturates down") << QByteArray(R"({"o":-99999999999999999999})") << least;
}

void TestUploadProtocol::readOffset() {
    QFETCH(QByteArray, body);
    QFETCH(qint64, offset);
    QCOMPARE(uploadprotocol::readOffset(body), offset);
}

void TestUploadProtocol::invalidSession_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("invalid");
    QTest::newRow("error member") << QByteArray(R"({"error":"INVALID_UPLOAD_SESSION"})") << true;
    QTest::newRow("anywhere in the text") << QByteArray("x INVALID_UPLOAD_SESSION y") << true;
    QTest::newRow("offset") << QByteArray(R"({"offset":0})") << false;
    QTest::newRow("other case") << QByteArray("invalid_upload_session") << false;
}

void TestUploadProtocol::invalidSession() {
    QFETCH(QByteArray, body);
    QFETCH(bool, invalid);
    QCOMPARE(isInvalidSession(body), invalid);
}

void TestUploadProtocol::contentRange_data() {
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("second chunk") << qint64(20000000) << qint64(39999999) << qint64(52428800)
                                  << QByteArray("bytes 20000000-39999999/52428800");
    QTest::newRow("final empty request")
        << qint64(100) << qint64(99) << qint64(100) << QByteArray("bytes 100-99/100");
    QTest::newRow("past 4 GiB") << qint64(5000000000) << qint64(5368709119) << qint64(5368709120)
                                << QByteArray("bytes 5000000000-5368709119/5368709120");
}

void TestUploadProtocol::contentRange() {
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    QFETCH(qint64, size);
    QFETCH(QByteArray, text);
    QCOMPARE(uploadprotocol::contentRange(first, last, size), text);
}

void TestUploadProtocol::nextChunkSize_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("next");
    QTest::newRow("no time measured") << 20000000 << 0.0 << 20000000;
    QTest::newRow("clock went back") << 20000000 << -3.0 << 20000000;
    QTest::newRow("10 s: six times") << 20000000 << 10.0 << 120000000;
    QTest::newRow("1 s: the cap") << 20000000 << 1.0 << 1000000000;
    QTest::newRow("30 s: doubled") << 20000000 << 30.0 << 40000000;
    QTest::newRow("60 s: kept") << 20000000 << 60.0 << 20000000;
    QTest::newRow("120 s: kept") << 500000000 << 120.0 << 500000000;
    QTest::newRow("121 s: halved") << 1000000000 << 121.0 << 500000000;
    QTest::newRow("halving steps") << 60000000 << 200.0 << 40000000;
    QTest::newRow("never below the step") << 20000000 << 500.0 << 20000000;
    QTest::newRow("small size: floor") << 65536 << 500.0 << 20000000;
    QTest::newRow("truncated") << 1000 << 7.0 << 8571;
    // A fast line sends a chunk within a second; its fraction is what counts.
    QTest::newRow("0.19 s: the cap") << 20000000 << 0.19 << 1000000000;
    QTest::newRow("0.5 s: 120 times") << 1000000 << 0.5 << 120000000;
    QTest::newRow("1.5 s: forty times") << 20000000 << 1.5 << 800000000;
    QTest::newRow("30.5 s") << 20000000 << 30.5 << 39344262;
    QTest::newRow("60.5 s: kept") << 20000000 << 60.5 << 20000000;
    QTest::newRow("120.5 s: halved") << 1000000000 << 120.5 << 500000000;
}

void TestUploadProtocol::nextChunkSize() {
    QFETCH(int, current);
    QFETCH(double, seconds);
    QFETCH(int, next);
    QCOMPARE(uploadprotocol::nextChunkSize(current, seconds), next);
}

void TestUploadProtocol::sendSpeedCap_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<double>("kilobytes");
    QTest::addColumn<qint64>("cap");
    QTest::newRow("100 KB/s") << true << 100.0 << qint64(102400);
    QTest::newRow("fraction truncated") << true << 12.5 << qint64(12800);
    QTest::newRow("switched off") << false << 100.0 << qint64(0);
    QTest::newRow("zero") << true << 0.0 << qint64(0);
    QTest::newRow("negative") << true << -5.0 << qint64(0);
}

void TestUploadProtocol::sendSpeedCap() {
    QFETCH(bool, enabled);
    QFETCH(double, kilobytes);
    QFETCH(qint64, cap);
    QCOMPARE(uploadprotocol::sendSpeedCap(enabled, kilobytes), cap);
}

QTEST_APPLESS_MAIN(TestUploadProtocol)
#include "test_uploadprotocol.moc"
