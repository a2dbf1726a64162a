// The transfer progress tracker over a fake clock: the sliding window, speed, progress,
// time left and its text, and the refresh mark.
#include "transfer/transferprogress.h"

#include <QtTest>

namespace {

double fakeNow = 0;
double fakeClock() {
    return fakeNow;
}

// One update: at second `at`, the run has moved `bytes`.
struct Step {
    double at;
    qint64 bytes;
};
using Steps = QVector<Step>;

constexpr double kStart = 100;

TransferProgress started(int window, qint64 total, qint64 offset, const Steps& steps) {
    TransferProgress tracker(window, &fakeClock);
    tracker.setTotalSize(total);
    fakeNow = kStart;
    tracker.start(offset);
    for (const Step& step : steps) {
        fakeNow = step.at;
        tracker.update(step.bytes);
    }
    return tracker;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestTransferProgress : public QObject {
    Q_OBJECT
private slots:
    void freshTracker();
    void measures_data();
    void measures();
    void stopKeepsCounts();
    void refreshMark();
};

void TestTransferProgress::freshTracker() {
    const TransferProgress tracker(10, &fakeClock);
    QCOMPARE(tracker.progress(), 0.0);
    QCOMPARE(tracker.speed(), 0.0);
    QCOMPARE(tracker.remainingSeconds(), -1);
    QCOMPARE(tracker.remainingText(), QString());
}

void TestTransferProgress::measures_data() {
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("progress");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QString>("text");

    // Window 10 s throughout; the run starts at second 100.
    QTest::newRow("no update yet") << 1000LL << 0LL << Steps{} << 0.0 << 0.0 << -1 << "";
    QTest::newRow("average within the window")
        << 10000LL << 0LL << Steps{{104, 400}} << 100.0 << 0.04 << 96 << "00:01:36 s";
    QTest::newRow("exactly one window does not slide")
        << 10000LL << 0LL << Steps{{102, 600}, {110, 1000}} << 100.0 << 0.1 << 90 << "00:01:30 s";
    QTest::newRow("slides along the line")
        << 100000LL << 0LL << Steps{{115, 1500}} << 100.0 << 0.015 << 985 << "00:16:25 s";
    // 120: base 650 at 110; 125: base += (1/3) * 1652 truncated = 550, window from 115.
    QTest::newRow("slides twice, truncating the base")
        << 100000LL << 0LL << Steps{{105, 1000}, {120, 1300}, {125, 2302}} << 110.2 << 0.02302
        << 886 << "00:14:46 s";
    QTest::newRow("clock stepping back is ignored")
        << 10000LL << 0LL << Steps{{104, 400}, {99, 9999}} << 100.0 << 0.04 << 96 << "00:01:36 s";
    QTest::newRow("resumed: progress counts the offset, time left does not")
        << 10000LL << 6000LL << Steps{{104, 400}} << 100.0 << 0.64 << 36 << "00:00:36 s";
    QTest::newRow("hours and minutes") << 373300LL << 0LL << Steps{{104, 400}} << 100.0
                                       << 400.0 / 373300.0 << 3729 << "01:02:09 s";
    QTest::newRow("hours beyond two digits") << 36000400LL << 0LL << Steps{{104, 400}} << 100.0
                                             << 400.0 / 36000400.0 << 360000 << "100:00:00 s";
    QTest::newRow("below a byte a second: no estimate")
        << 10000LL << 0LL << Steps{{110, 5}} << 0.5 << 0.0005 << -1 << "";
    QTest::newRow("no total: progress 0, no estimate")
        << 0LL << 0LL << Steps{{104, 400}} << 100.0 << 0.0 << -1 << "";
    QTest::newRow("under a second left reads one second")
        << 10400LL << 0LL << Steps{{104, 10000}} << 2500.0 << 10000.0 / 10400.0 << 1
        << "00:00:01 s";
    // The fractions of seconds count: over whole seconds these read 1500 and 2000.
    QTest::newRow("a second and a half")
        << 10000LL << 0LL << Steps{{101.5, 1500}} << 1000.0 << 0.15 << 8 << "00:00:08 s";
    QTest::newRow("slid window, mid-second")
        << 100000LL << 0LL << Steps{{110.5, 10500}, {111.9, 11900}} << 1000.0 << 0.119 << 88
        << "00:01:28 s";
    QTest::newRow("within the first second: no speed yet")
        << 10000LL << 0LL << Steps{{100.9, 900}} << 0.0 << 0.09 << -1 << "";
    QTest::newRow("more than the total is not clamped")
        << 100LL << 0LL << Steps{{101, 150}} << 150.0 << 1.5 << 0 << "00:00:00 s";
}

void TestTransferProgress::measures() {
    QFETCH(qint64, total);
    QFETCH(qint64, offset);
    QFETCH(Steps, steps);
    const TransferProgress tracker = started(10, total, offset, steps);
    QTEST(tracker.speed(), "speed");
    QTEST(tracker.progress(), "progress");
    QTEST(tracker.remainingSeconds(), "remaining");
    QTEST(tracker.remainingText(), "text");
}

void TestTransferProgress::stopKeepsCounts() {
    TransferProgress tracker = started(10, 10000, 1000, {{104, 400}});
    tracker.stop();
    QCOMPARE(tracker.speed(), 0.0);
    QCOMPARE(tracker.remainingSeconds(), -1);
    QCOMPARE(tracker.remainingText(), QString());
    QCOMPARE(tracker.progress(), 0.14);
    // A new start measures afresh from its own offset.
    fakeNow = 200;
    tracker.start(3000);
    fakeNow = 202;
    tracker.update(100);
    QCOMPARE(tracker.speed(), 50.0);
    QCOMPARE(tracker.progress(), 0.31);
}

void TestTransferProgress::refreshMark() {
    TransferProgress tracker = started(10, 1000, 0, {{103, 10}});
    QCOMPARE(tracker.secondsSinceMark(), 103u); // never marked since the start
    tracker.markTime();
    QCOMPARE(tracker.secondsSinceMark(), 0u);
    tracker.update(20); // same second
    QCOMPARE(tracker.secondsSinceMark(), 0u);
    fakeNow = 105;
    tracker.update(30);
    QCOMPARE(tracker.secondsSinceMark(), 2u);
    tracker.markTime();
    fakeNow = 101; // after the window start, before the mark
    tracker.update(40);
    QCOMPARE(tracker.secondsSinceMark(), 0u);
}

QTEST_APPLESS_MAIN(TestTransferProgress)
#include "test_transferprogress.moc"
