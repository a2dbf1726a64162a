// The countdown before an automatic power-off: sixty steps from the clock, the time-out as
// the one outcome that powers off, and the three ways to stop it.
#include "core/timesource.h"
#include "mainwindow/dialogturnoff.h"
#include "tests/modalanswerer.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <chrono>

namespace {

// Ten milliseconds a step.
class ShortCountdown : public TimeSource {
public:
    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override {
        return kind == Wait::ShutdownCountdown ? std::chrono::milliseconds(600) : designed;
    }
};

// A countdown whose clock the test sets.
class ClockedTurnOff : public DialogTurnOff {
public:
    qint64 now = 0;

protected:
    qint64 elapsedMs() const override { return now; }
};

int shown(const DialogTurnOff& dialog) {
    return dialog.findChild<QLCDNumber*>(QStringLiteral("lcdNumber"))->intValue();
}

} // namespace

class TestDialogTurnOff : public QObject {
    Q_OBJECT
private slots:
    void form();
    void countsFromTheClock_data();
    void countsFromTheClock();
    void shortenedByTheTimeSource();
    void runsOutOnItsOwn();
    void stopped_data();
    void stopped();
};

void TestDialogTurnOff::form() {
    DialogTurnOff dialog;
    // Looks like the program's other popups: no window manager's frame, and its title,
    // one the user can read, in its own band.
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tự động tắt máy"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), dialog.windowTitle());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("label"))->text(),
             QStringLiteral("Hệ thống sẽ tự động tắt máy của bạn trong:"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btn_cancel"))->text(),
             QStringLiteral("Ngưng tắt máy"));
    QVERIFY(!dialog.mask().isEmpty());
    QCOMPARE(shown(dialog), 60);
}

void TestDialogTurnOff::countsFromTheClock_data() {
    QTest::addColumn<QList<qint64>>("ticks"); // the clock at each tick, in ms
    QTest::addColumn<int>("display");         // after the last tick
    QTest::addColumn<bool>("ranOut");
    QTest::newRow("first tick, under a second") << QList<qint64>{999} << 60 << false;
    QTest::newRow("after a second") << QList<qint64>{1000} << 59 << false;
    QTest::newRow("a stalled loop skips values") << QList<qint64>{1000, 5500} << 55 << false;
    QTest::newRow("last step shows 1") << QList<qint64>{59999} << 1 << false;
    QTest::newRow("the tick that would show 0 ends it") << QList<qint64>{59000, 60000} << 1 << true;
    QTest::newRow("a late tick ends it too") << QList<qint64>{75000} << 60 << true;
    QTest::newRow("ticks after the end change nothing") << QList<qint64>{60000, 1000} << 60 << true;
}

void TestDialogTurnOff::countsFromTheClock() {
    QFETCH(QList<qint64>, ticks);
    QFETCH(int, display);
    QFETCH(bool, ranOut);
    ClockedTurnOff dialog;
    for (qint64 at : ticks) {
        dialog.now = at;
        dialog.update();
    }
    QCOMPARE(shown(dialog), display);
    QCOMPARE(dialog.countdownRanOut(), ranOut);
}

void TestDialogTurnOff::shortenedByTheTimeSource() {
    ShortCountdown source;
    TimeSource* previous = TimeSource::install(&source);
    ClockedTurnOff dialog;
    dialog.now = 10;
    dialog.update();
    QCOMPARE(shown(dialog), 59);
    dialog.now = 600;
    dialog.update();
    QVERIFY(dialog.countdownRanOut());
    TimeSource::install(previous);
}

void TestDialogTurnOff::runsOutOnItsOwn() {
    ShortCountdown source;
    TimeSource* previous = TimeSource::install(&source);
    DialogTurnOff dialog;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(dialog.countdownRanOut());
    QVERIFY(clock.elapsed() >= 600);
    QVERIFY(shown(dialog) > 0);
    TimeSource::install(previous);
}

void TestDialogTurnOff::stopped_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("stop button") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window closed") << "close";
    QTest::newRow("cross in the title band") << "cross";
}

void TestDialogTurnOff::stopped() {
    QFETCH(QString, how);
    ClockedTurnOff dialog;
    ModalAnswerer modals;
    modals.next([how](QDialog* shownDialog) {
        if (how == QLatin1String("button"))
            shownDialog->findChild<QPushButton*>(QStringLiteral("btn_cancel"))->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(shownDialog, Qt::Key_Escape);
        else if (how == QLatin1String("cross")) {
            if (auto* cross = shownDialog->findChild<QPushButton*>(QStringLiteral("btnClose")))
                cross->click();
            else
                shownDialog->done(QDialog::Rejected); // no cross to stop it with
        }
        else
            shownDialog->close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.countdownRanOut());
    QCOMPARE(modals.answered().size(), 1);
    // Stopped for good: a later tick, however late, powers nothing off.
    dialog.now = 70000;
    dialog.update();
    QVERIFY(!dialog.countdownRanOut());
}

QTEST_MAIN(TestDialogTurnOff)
#include "test_dialogturnoff.moc"
