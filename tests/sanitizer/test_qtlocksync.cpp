// What qtlocksync.cpp tells ThreadSanitizer must not hide races: each fixture below runs
// in a child of this program. The racy ones let two threads touch one int that nothing
// orders while they also do what the library annotates (assign a string over an empty
// one, emit a signal and send an event, start tasks on thread pools); the sanitizer must
// report each, naming the int. The ordered one hands data over the ways Qt really
// orders (a queued signal, a posted event, a queued call, a pool's task) and must run
// clean, or the annotations would be too narrow for the rest of the suite.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QThreadPool>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// The int two threads race on; the report names it.
int unorderedValue = 0;

// Keeps a read from being left out, without a shared write of its own.
void use(int value) {
    static thread_local volatile int sink;
    sink = value;
}

// Relaxed, so the sanitizer sees no order: it only makes the second thread come after
// the first in time, as the annotations under test would need to hide the race.
std::atomic<bool> firstDone{false};

void markFirstDone() {
    firstDone.store(true, std::memory_order_relaxed);
}

void waitForFirst() {
    while (!firstDone.load(std::memory_order_relaxed))
        std::this_thread::yield();
}

void assignOverEmpty() {
    const QString source = QString::number(42);
    QString target;
    target = source;
}

int stringsOverEmptyOnes() {
    std::thread first([] {
        unorderedValue = 1;
        assignOverEmpty();
        markFirstDone();
    });
    std::thread second([] {
        waitForFirst();
        assignOverEmpty();
        unorderedValue = 2;
    });
    first.join();
    second.join();
    return 0;
}

int emissionThenSentEvent() {
    std::thread first([] {
        unorderedValue = 1;
        delete new QObject; // emits destroyed() to nobody
        markFirstDone();
    });
    std::thread second([] {
        waitForFirst();
        QObject self;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&self, &event);
        use(unorderedValue);
    });
    first.join();
    second.join();
    return 0;
}

int tasksOfTwoPools() {
    QThreadPool one;
    QThreadPool two;
    std::thread first([&one] {
        unorderedValue = 1;
        one.start([] {});
        markFirstDone();
    });
    std::thread second([&two] {
        waitForFirst();
        two.start([] { use(unorderedValue); });
        two.waitForDone();
    });
    first.join();
    second.join();
    one.waitForDone();
    return 0;
}

// Each way of handing over reads its own value on the GUI thread.
int bySignal = 0;
int byPost = 0;
int byCall = 0;
int byTask = 0;

class Receiver : public QObject {
public:
    int delivered = 0;

    void takeOne() {
        if (++delivered == 3)
            QCoreApplication::quit();
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        use(byPost);
        takeOne();
        return true;
    }
};

int orderedByQt(QCoreApplication& app) {
    Receiver receiver;
    std::thread worker([&receiver] {
        QObject sender;
        QObject::connect(&sender, &QObject::objectNameChanged, &receiver, [&receiver] {
            use(bySignal);
            receiver.takeOne();
        });
        bySignal = 1;
        sender.setObjectName(QStringLiteral("handed over"));
        byPost = 1;
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        byCall = 1;
        QMetaObject::invokeMethod(
            &receiver,
            [&receiver] {
                use(byCall);
                receiver.takeOne();
            },
            Qt::QueuedConnection);
    });
    byTask = 1;
    QThreadPool::globalInstance()->start([] { use(byTask); });
    QThreadPool::globalInstance()->waitForDone();
    app.exec();
    worker.join();
    return 0;
}

int runFixture(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QByteArray name = argv[2];
    if (name == "strings")
        return stringsOverEmptyOnes();
    if (name == "sentEvent")
        return emissionThenSentEvent();
    if (name == "pools")
        return tasksOfTwoPools();
    if (name == "ordered")
        return orderedByQt(app);
    return 2;
}

} // namespace

class TestQtLockSync : public QObject {
    Q_OBJECT
private slots:
    void fixtures_data();
    void fixtures();
};

void TestQtLockSync::fixtures_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("racy");
    QTest::newRow("strings assigned over empty ones") << "strings" << true;
    QTest::newRow("an emission, then a sent event") << "sentEvent" << true;
    QTest::newRow("tasks of two pools") << "pools" << true;
    QTest::newRow("handed over by Qt") << "ordered" << false;
}

void TestQtLockSync::fixtures() {
    QFETCH(QString, fixture);
    QFETCH(bool, racy);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fixture"), fixture});
    QVERIFY(child.waitForFinished(180000));
    const QString report = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    if (racy) {
        QVERIFY2(report.contains(QLatin1String("ThreadSanitizer: data race")) &&
                     report.contains(QLatin1String("unorderedValue")),
                 qPrintable(QStringLiteral("no report of the race:\n") + report));
        QCOMPARE(child.exitCode(), 66); // ThreadSanitizer's exit code after a report
    } else {
        QVERIFY2(!report.contains(QLatin1String("ThreadSanitizer")), qPrintable(report));
        QCOMPARE(child.exitCode(), 0);
    }
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--fixture") == 0)
        return runFixture(argc, argv);
    QCoreApplication app(argc, argv);
    TestQtLockSync test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_qtlocksync.moc"
