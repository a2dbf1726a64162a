// The speed pacer over a fake clock: the pauses that hold a transfer to its limit.
#include "transfer/speedpacer.h"

#include <QtTest>

namespace {

using namespace std::chrono;
using ms = milliseconds;

SpeedPacer::TimePoint fakeNow;
SpeedPacer::TimePoint fakeClock() {
    return fakeNow;
}

// One piece: `after` ms after the previous one, `bytes` long.
struct Piece {
    int after;
    int bytes;
};

} // namespace

Q_DECLARE_METATYPE(QVector<Piece>)

class TestSpeedPacer : public QObject {
    Q_OBJECT
private slots:
    void pauses_data();
    void pauses();
};

void TestSpeedPacer::pauses_data() {
    QTest::addColumn<double>("limit"); // bytes a second
    QTest::addColumn<QVector<Piece>>("pieces");
    QTest::addColumn<QList<int>>("pauses"); // ms after each piece

    QTest::newRow("no limit") << 0.0 << QVector<Piece>{{0, 5000}, {0, 5000}} << QList<int>{0, 0};
    QTest::newRow("negative limit") << -5.0 << QVector<Piece>{{0, 5000}} << QList<int>{0};
    QTest::newRow("a fast link waits out each piece")
        << 1000.0 << QVector<Piece>{{0, 500}, {0, 500}, {0, 1000}} << QList<int>{500, 500, 1000};
    QTest::newRow("pieces arriving on time need no pause")
        << 1000.0 << QVector<Piece>{{0, 100}, {100, 100}, {100, 100}} << QList<int>{100, 0, 0};
    QTest::newRow("a slow link is not held back")
        << 1000.0 << QVector<Piece>{{0, 100}, {500, 100}} << QList<int>{100, 0};
    // Six seconds behind: only one second of it may be caught up at full speed.
    QTest::newRow("catching up earns a second at most")
        << 1000.0 << QVector<Piece>{{0, 1000}, {10000, 4000}, {0, 1000}, {0, 1000}}
        << QList<int>{1000, 0, 0, 1000};
}

void TestSpeedPacer::pauses() {
    QFETCH(double, limit);
    QFETCH(QVector<Piece>, pieces);
    QFETCH(QList<int>, pauses);
    fakeNow = SpeedPacer::TimePoint(seconds(1000));
    SpeedPacer pacer(limit, &fakeClock);
    QList<int> got;
    for (const Piece& piece : pieces) {
        fakeNow += ms(piece.after);
        got.append(int(duration_cast<ms>(pacer.account(piece.bytes)).count()));
        fakeNow += ms(got.last()); // the pause is taken
    }
    QCOMPARE(got, pauses);
}

QTEST_APPLESS_MAIN(TestSpeedPacer)
#include "test_speedpacer.moc"
