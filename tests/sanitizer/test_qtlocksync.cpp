// What qtlocksync.cpp tells ThreadSanitizer must not hide races: each fixture below runs
// in a child of this program. The racy ones let two threads touch one int that nothing
// orders while they also do what the library annotates (assign a string over an empty
// one, emit a signal and send an event, start tasks on thread pools, copy and drop a
// queued signal's arguments, call a slot directly after a queued post); the sanitizer must
// report each, naming the int. The ordered one hands data over the ways Qt really orders (a
// queued signal, a posted event, a queued call, a pool's task, a queued argument of ours,
// delivered or dropped) and must run clean, or the annotations would be too narrow for the
// rest of the suite. The blind ones are races the tree cannot see (qtlocksync.cpp and the
// README say why): they run clean, so that a change in what it sees shows here.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QThreadPool>
#include <QVariant>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

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

// Values of ours that queued signals carry. Copying one of the first kind reads the int,
// destroying one of the second kind reads it; the third has memory of its own, which every
// copy writes and the receiver reads.
struct ReadOnCopy {
    ReadOnCopy() = default;
    ReadOnCopy(const ReadOnCopy&) { use(unorderedValue); }
    ReadOnCopy& operator=(const ReadOnCopy&) = default;
};

struct ReadOnDrop {
    ReadOnDrop() = default;
    ReadOnDrop(const ReadOnDrop&) = default;
    ReadOnDrop& operator=(const ReadOnDrop&) = default;
    ~ReadOnDrop() { use(unorderedValue); }
};

struct Carried {
    std::vector<int> values{1, 2, 3};
};

} // namespace

Q_DECLARE_METATYPE(ReadOnCopy)
Q_DECLARE_METATYPE(ReadOnDrop)
Q_DECLARE_METATYPE(Carried)

class Emitter : public QObject {
    Q_OBJECT
signals:
    void readOnCopy(ReadOnCopy value);
    void readOnDrop(ReadOnDrop value);
    void carried(Carried value);
};

// Called by name.
class Callee : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void read() { use(unorderedValue); }
    Q_INVOKABLE void nothing() {}
};

namespace {

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

// Qt copies a queued signal's arguments on the emitting thread.
int copyOfQueuedArgument() {
    QObject receiver;
    std::thread writer([] {
        unorderedValue = 1;
        markFirstDone();
    });
    std::thread emitting([&receiver] {
        Emitter sender;
        QObject::connect(&sender, &Emitter::readOnCopy, &receiver, [](const ReadOnCopy&) {});
        waitForFirst();
        emit sender.readOnCopy(ReadOnCopy());
    });
    writer.join();
    emitting.join();
    return 0;
}

// Runs `post` on a thread of its own and, once it is done, delivers what it posted to this
// thread's objects.
template <typename Post> int deliverAfter(Post post) {
    std::thread posting([&post] {
        post();
        markFirstDone();
    });
    waitForFirst();
    QCoreApplication::sendPostedEvents();
    posting.join();
    return 0;
}

// The delivery, and the copy's destruction after it, come after the emission, not after
// what the emitting thread does next.
int dropOfQueuedArgument() {
    QObject receiver;
    return deliverAfter([&receiver] {
        Emitter sender;
        QObject::connect(&sender, &Emitter::readOnDrop, &receiver, [](const ReadOnDrop&) {});
        emit sender.readOnDrop(ReadOnDrop());
        unorderedValue = 1;
    });
}

// Qt posts the queued call before it calls the slot connected after it.
int directSlotAfterQueuedPost() {
    QObject receiver;
    return deliverAfter([&receiver] {
        QObject sender;
        QObject::connect(&sender, &QObject::objectNameChanged, &receiver,
                         [] { use(unorderedValue); });
        QObject::connect(
            &sender, &QObject::objectNameChanged, &sender, [] { unorderedValue = 1; },
            Qt::DirectConnection);
        sender.setObjectName(QStringLiteral("posted, then called"));
    });
}

// Blind: the delivery of a signal (without arguments of ours) is ordered after every
// emission of that signal by that object that began before it, not only its own.
int laterEmissionOfTheSignal() {
    QObject receiver;
    return deliverAfter([&receiver] {
        QObject sender;
        QObject::connect(&sender, &QObject::objectNameChanged, &receiver,
                         [] { use(unorderedValue); });
        sender.setObjectName(QStringLiteral("first"));
        unorderedValue = 1;
        sender.setObjectName(QStringLiteral("second"));
    });
}

// Each queued call of a function is ordered on its own, not by a later one.
int laterCallOfAFunction() {
    QObject receiver;
    return deliverAfter([&receiver] {
        QMetaObject::invokeMethod(
            &receiver, [] { use(unorderedValue); }, Qt::QueuedConnection);
        unorderedValue = 1;
        QMetaObject::invokeMethod(
            &receiver, [] {}, Qt::QueuedConnection);
    });
}

// Blind: the delivery of a call by name (without values of ours) is ordered after every
// call by name to that receiver posted before it.
int laterCallByName() {
    Callee receiver;
    return deliverAfter([&receiver] {
        QMetaObject::invokeMethod(&receiver, "read", Qt::QueuedConnection);
        unorderedValue = 1;
        QMetaObject::invokeMethod(&receiver, "nothing", Qt::QueuedConnection);
    });
}

// Blind: the destruction of a copy made through the meta-type system is ordered after the
// copy, whatever handed it over.
int copyDestroyedElsewhere() {
    std::atomic<QVariant*> handed{nullptr};
    std::thread first([&handed] {
        unorderedValue = 1;
        handed.store(new QVariant(QVariant::fromValue(Carried())), std::memory_order_relaxed);
    });
    std::thread second([&handed] {
        QVariant* variant = nullptr;
        while (!(variant = handed.load(std::memory_order_relaxed)))
            std::this_thread::yield();
        delete variant;
        use(unorderedValue);
    });
    first.join();
    second.join();
    return 0;
}

// Blind: Qt's own reads and writes are not instrumented.
char unorderedText[] = "abc";

int oneSideInsideQt() {
    std::thread first([] {
        unorderedText[0] = 'x';
        markFirstDone();
    });
    std::thread second([] {
        waitForFirst();
        use(QByteArray(unorderedText, 3).size());
    });
    first.join();
    second.join();
    return 0;
}

// Each way of handing over reads its own value on the GUI thread.
int bySignal = 0;
int byPost = 0;
int byCall = 0;
int byTask = 0;
int beforePost = 0;

class Receiver : public QObject {
public:
    int delivered = 0;

    void takeOne() {
        if (++delivered == 4)
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

int orderedByQt() {
    Receiver receiver;
    auto* dropping = new QObject; // deleted before its call arrives
    std::thread worker([&receiver, dropping] {
        Emitter carrier;
        // The dropped call's copy is made first, so that its destruction orders nothing
        // of the delivered one.
        QObject::connect(&carrier, SIGNAL(carried(Carried)), dropping, SLOT(deleteLater()));
        // Qt posts a queued call after the slots connected before it ran.
        QObject::connect(
            &carrier, &Emitter::carried, &carrier, [] { beforePost = 1; }, Qt::DirectConnection);
        QObject::connect(&carrier, &Emitter::carried, &receiver, [&receiver](const Carried& value) {
            use(value.values.back());
            use(beforePost);
            receiver.takeOne();
        });
        emit carrier.carried(Carried());
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
        markFirstDone();
    });
    waitForFirst();
    delete dropping;
    byTask = 1;
    QThreadPool::globalInstance()->start([] { use(byTask); });
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::exec();
    worker.join();
    return 0;
}

struct Fixture {
    const char* row;
    const char* key; // the child's argument
    int (*run)();
    bool reported; // whether the sanitizer must report a race on unorderedValue
};

const Fixture kFixtures[] = {
    {"strings assigned over empty ones", "strings", stringsOverEmptyOnes, true},
    {"an emission, then a sent event", "sentEvent", emissionThenSentEvent, true},
    {"tasks of two pools", "pools", tasksOfTwoPools, true},
    {"a queued argument's copy", "queuedCopy", copyOfQueuedArgument, true},
    {"a queued argument's destruction", "queuedDrop", dropOfQueuedArgument, true},
    {"a direct slot after a queued post", "directAfterPost", directSlotAfterQueuedPost, true},
    {"a later queued call of a function", "laterCall", laterCallOfAFunction, true},
    {"handed over by Qt", "ordered", orderedByQt, false},
    // Races all the same, which the tree cannot see.
    {"blind: a later emission of the signal", "laterEmission", laterEmissionOfTheSignal, false},
    {"blind: a later call by name", "laterCallByName", laterCallByName, false},
    {"blind: a copy destroyed on another thread", "copyDestroyed", copyDestroyedElsewhere, false},
    {"blind: one side inside Qt", "insideQt", oneSideInsideQt, false},
};

int runFixture(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qRegisterMetaType<ReadOnCopy>();
    qRegisterMetaType<ReadOnDrop>();
    qRegisterMetaType<Carried>();
    for (const Fixture& fixture : kFixtures) {
        if (qstrcmp(argv[2], fixture.key) == 0)
            return fixture.run();
    }
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
    QTest::addColumn<bool>("reported");
    for (const Fixture& fixture : kFixtures)
        QTest::newRow(fixture.row) << QString::fromLatin1(fixture.key) << fixture.reported;
}

void TestQtLockSync::fixtures() {
    QFETCH(QString, fixture);
    QFETCH(bool, reported);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fixture"), fixture});
    QVERIFY(child.waitForFinished(180000));
    const QString report = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    if (reported) {
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
