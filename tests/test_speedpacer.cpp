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
    void pieces_data();
    void pieces();
};

void TestSpeedPacer::pauses_data() {
    QTest::addColumn<double>("limit"); // bytes a second
    QTest::addColumn<QVector<Piece>>("pieces");
    QTest::addColumn<QList<int>>("pauses"); // ms after each piece
    QTest::addColumn<int>("credit");        // ms of catching up allowed

    QTest::newRow("no limit") << 0.0 << QVector<Piece>{{0, 5000}, {0, 5000}} << QList<int>{0, 0}
                              << 1000;
    QTest::newRow("negative limit") << -5.0 << QVector<Piece>{{0, 5000}} << QList<int>{0} << 1000;
    QTest::newRow("a fast link waits out each piece")
        << 1000.0 << QVector<Piece>{{0, 500}, {0, 500}, {0, 1000}} << QList<int>{500, 500, 1000}
        << 1000;
    QTest::newRow("pieces arriving on time need no pause")
        << 1000.0 << QVector<Piece>{{0, 100}, {100, 100}, {100, 100}} << QList<int>{100, 0, 0}
        << 1000;
    QTest::newRow("a slow link is not held back")
        << 1000.0 << QVector<Piece>{{0, 100}, {500, 100}} << QList<int>{100, 0} << 1000;
    // Six seconds behind: only one second of it may be caught up at full speed.
    QTest::newRow("catching up earns a second at most")
        << 1000.0 << QVector<Piece>{{0, 1000}, {10000, 4000}, {0, 1000}, {0, 1000}}
        << QList<int>{1000, 0, 0, 1000} << 1000;
    // A line shared with another transfer carries half the limit for a second and a half,
    // then the other one pauses: of the 0.8 s fallen behind only a tenth of a second is
    // made up at the line's speed, the rest waits its turn.
    QTest::newRow("a line that frees up does not burst")
        << 1000.0
        << QVector<Piece>{{0, 100},   {200, 100}, {200, 100}, {200, 100}, {200, 100}, {200, 100},
                          {200, 100}, {200, 100}, {200, 100}, {0, 100},   {0, 100}}
        << QList<int>{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100} << 100;
    QTest::newRow("no credit: every piece keeps the pace")
        << 1000.0 << QVector<Piece>{{0, 100}, {500, 100}, {0, 100}} << QList<int>{100, 0, 100} << 0;
}

void TestSpeedPacer::pauses() {
    QFETCH(double, limit);
    QFETCH(QVector<Piece>, pieces);
    QFETCH(QList<int>, pauses);
    QFETCH(int, credit);
    fakeNow = SpeedPacer::TimePoint(seconds(1000));
    SpeedPacer pacer(limit, &fakeClock, ms(credit));
    QList<int> got;
    for (const Piece& piece : pieces) {
        fakeNow += ms(piece.after);
        got.append(int(duration_cast<ms>(pacer.account(piece.bytes)).count()));
        fakeNow += ms(got.last()); // the pause is taken
    }
    QCOMPARE(got, pauses);
}

void TestSpeedPacer::pieces_data() {
    QTest::addColumn<double>("limit");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("piece");
    QTest::newRow("no limit: all that is asked") << 0.0 << 524288 << 524288;
    QTest::newRow("a twentieth of a second") << 204800.0 << 204800 << 10240;
    QTest::newRow("never tiny") << 2048.0 << 16384 << 1024;
    QTest::newRow("less asked than a piece") << 204800.0 << 4000 << 4000;
}

void TestSpeedPacer::pieces() {
    QFETCH(double, limit);
    QFETCH(int, asked);
    QFETCH(int, piece);
    QCOMPARE(int(SpeedPacer(limit, &fakeClock).piece(std::size_t(asked))), piece);
}

QTEST_APPLESS_MAIN(TestSpeedPacer)
#include "test_speedpacer.moc"
