#include "core/sizetext.h"

#include <QtTest>

class TestSizeText : public QObject {
    Q_OBJECT
private slots:
    void size_data();
    void size();
    void speed_data();
    void speed();
};

namespace {
constexpr qint64 KB = 1024;
constexpr qint64 MB = 1048576;
constexpr qint64 GB = 1073741824;
} // namespace

void TestSizeText::size_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << "0 B  ";
    QTest::newRow("negative") << qint64(-5) << "-5 B  ";
    QTest::newRow("1024 still bytes") << KB << "1024 B  ";
    QTest::newRow("1025 rounds up") << KB + 1 << "1.01 KB";
    QTest::newRow("1.5 KB") << qint64(1536) << "1.5 KB";
    QTest::newRow("whole KB") << 2 * KB << "2 KB";
    QTest::newRow("a hair above") << 2 * KB + 1 << "2.01 KB";
    QTest::newRow("1 MB in KB") << MB << "1024 KB";
    QTest::newRow("MB") << MB + 1 << "1.01 MB";
    QTest::newRow("1 GB in MB") << GB << "1024 MB";
    QTest::newRow("GB") << GB + 1 << "1.01 GB";
    QTest::newRow("5 GB") << 5 * GB << "5 GB";
    QTest::newRow("six digits") << 999999 * GB << "999999 GB";
    QTest::newRow("exponent") << 1000000 * GB << "1e+06 GB";
}

void TestSizeText::size() {
    QFETCH(qint64, bytes);
    QFETCH(QString, expected);
    QCOMPARE(formatSize(bytes), expected);
}

void TestSizeText::speed_data() {
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0 B/s";
    QTest::newRow("fraction") << 512.5 << "512.5 B/s";
    QTest::newRow("1024 still bytes") << 1024.0 << "1024 B/s";
    QTest::newRow("KB rounds up") << 1024.5 << "1.01 KB/s";
    QTest::newRow("1 MB in KB") << double(MB) << "1024 KB/s";
    QTest::newRow("3 MB") << 3.0 * MB << "3 MB/s";
    QTest::newRow("1 GB in MB") << double(GB) << "1024 MB/s";
    QTest::newRow("GB") << 2.5 * GB << "2.5 GB/s";
}

void TestSizeText::speed() {
    QFETCH(double, rate);
    QFETCH(QString, expected);
    QCOMPARE(formatSpeed(rate), expected);
}

QTEST_GUILESS_MAIN(TestSizeText)
#include "test_sizetext.moc"
