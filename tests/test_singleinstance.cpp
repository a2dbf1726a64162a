#include "platform/singleinstance.h"
#include "tests/support/filesizelimit.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <thread>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopyHandsItsMessageOver();
    void noRunningCopyMeansNoHandOver();
    void staleLockDoesNotBlock();
    void releasedInstanceLetsTheNextCopyRun();
    void unwritableLockIsNoRunningCopy();
};

void TestSingleInstance::secondCopyHandsItsMessageOver() {
    SingleInstance first("handover");
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);

    std::atomic<int> sent{-1};
    std::atomic<bool> wasRunning{false};
    // The later copy blocks while it waits for the answer, so it runs on its own thread
    // while this one's event loop lets the first copy answer.
    std::thread later([&] {
        SingleInstance second("handover");
        wasRunning = second.isRunning();
        sent = second.sendMessage(QString::fromUtf8("-d|https://www.localhost/file/Ă B|L2"), 5000);
    });
    QTRY_COMPARE(received.count(), 1);
    later.join();
    QVERIFY(wasRunning);
    QCOMPARE(sent.load(), 1);
    QCOMPARE(received.at(0).at(0).toString(),
             QString::fromUtf8("-d|https://www.localhost/file/Ă B|L2"));
}

void TestSingleInstance::noRunningCopyMeansNoHandOver() {
    SingleInstance only("alone");
    QVERIFY(!only.isRunning());
    QVERIFY(!only.sendMessage("x", 500)); // the running copy itself sends nothing
}

void TestSingleInstance::staleLockDoesNotBlock() {
    QString lockPath;
    {
        SingleInstance probe("stale");
        lockPath = probe.socketPath();
        lockPath.replace(".socket", ".lock");
    }
    // A lock left behind by a copy that crashed: its process no longer exists.
    QFile lock(lockPath);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("999999\nbriskotool\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance next("stale");
    QVERIFY(!next.isRunning());
}

void TestSingleInstance::releasedInstanceLetsTheNextCopyRun() {
    const QString id = QStringLiteral("restart");
    SingleInstance running(id);
    QVERIFY(!running.isRunning());
    QVERIFY(SingleInstance(id).isRunning());
    running.release();
    SingleInstance next(id);
    QVERIFY(!next.isRunning());
}

// A lock file that cannot be written (here the disk takes no byte more) means no other
// copy: this one neither runs nor hands over, and says so; nothing is left behind.
void TestSingleInstance::unwritableLockIsNoRunningCopy() {
    struct Seen {
        bool running, failed, sent;
    };
    const Seen seen = withFileSizeLimit(0, [] {
        SingleInstance full("full");
        return Seen{full.isRunning(), full.lockFailed(), full.sendMessage("x", 500)};
    });
    QVERIFY(!seen.running);
    QVERIFY(seen.failed);
    QVERIFY(!seen.sent);
    SingleInstance later("full");
    QVERIFY(!later.isRunning());
    QVERIFY(!later.lockFailed());
    // A live copy's lock is no failure.
    SingleInstance second("full");
    QVERIFY(second.isRunning());
    QVERIFY(!second.lockFailed());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
