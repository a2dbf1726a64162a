// The download queue model and scheduler, driven with stand-in jobs whose threads do
// what the test tells them: start order, honest running places, completion hand-over,
// the "queue ran empty" signal, the table's roles and the play hook.
#include "core/globals.h"
#include "download/tabledownloadmodel.h"
#include "platform/recordingsystemactions.h"
#include "tests/faketransferenvironment.h"

#include <QRandomGenerator>
#include <QSemaphore>
#include <QtTest>

namespace {

// Every stand-in job is this large: its start fails at once when its folder is on the
// fake FAT32 volume.
constexpr qint64 kSize = 5000000000LL;
const char kFatFolder[] = "/tmp/fat";

// A job whose run waits for the test's word: complete, fail and wait to retry, or give
// up. A stop ends it like a real one ("Dừng", state 2). Its start is the real one, on a
// kept location, so the volume checks and the place bookkeeping are the job's own.
class FakeJob : public DownloadFile {
public:
    enum class Command { None, Complete, Retry, GiveUp };

    explicit FakeJob(int number)
        : DownloadFile(QStringLiteral("job%1.bin").arg(number),
                       QStringLiteral("/tmp/fake/job%1.bin").arg(number), "code", "", "1", "false",
                       "https://www.localhost/file/code", "", kSize) {
        setSession(QStringLiteral("https://127.0.0.1:1/dl/fake"));
    }
    ~FakeJob() override {
        stopDownload();
        wait();
    }

    // Hands the run a command and waits until it has been carried out.
    void tell(Command command) {
        {
            QMutexLocker lock(&retryMutex);
            pending = command;
            retryWait.wakeAll();
        }
        done.acquire();
        if (command != Command::Retry)
            wait();
    }
    bool holdsPlace() const { return QThread::isRunning() && !hasReleasedPlace(); }
    void showProgress(const TransferProgress& tracker) { setTracker(tracker); }
    void signal(DownloadFileFlags flag) { emitChanged(flag); }
    // Moves the job onto the FAT32 volume, or off it.
    void setStartFails(bool fails) {
        const QString name = getName();
        setPath(fails ? QString(kFatFolder) + "/" + name : "/tmp/fake/" + name);
    }

protected:
    void run() override {
        for (;;) {
            Command command = Command::None;
            {
                QMutexLocker lock(&retryMutex);
                while (!stopRequested && pending == Command::None)
                    retryWait.wait(&retryMutex);
                command = pending;
                pending = Command::None;
            }
            if (command == Command::None) { // stopped
                setStateAndText(StateStopped, "Dừng");
                emitChanged(StatusChanged);
                releasePlace();
                return;
            }
            if (command == Command::Retry) {
                setStateAndText(StateFailed, "Service is not available");
                emitChanged(StatusChanged);
                if (!hasReleasedPlace())
                    releasePlace();
                done.release();
                continue;
            }
            if (command == Command::Complete) {
                setStateAndText(StateIdle, "Completed");
                setFinished(true);
                emitChanged(StatusChanged);
                emitChanged(DownloadDone);
            } else {
                setStateAndText(StateStopped, "Service is not available");
                emitChanged(StatusChanged);
            }
            releasePlace();
            done.release();
            return;
        }
    }

private:
    Command pending = Command::None;
    QSemaphore done;
};

// Delivers the signals the jobs' threads have queued for the model.
void deliver() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

} // namespace

class TestTableDownloadModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsInTableOrderUpToTheMaximum();
    void queuingOrder_data();
    void queuingOrder();
    void placesAreCountedOnce();
    void startFailingAtOnceFreesItsPlace();
    void queueRanEmpty_data();
    void queueRanEmpty();
    void onlyAFinishedDownloadCompletesTheQueue();
    void completionHandsTheJobOver();
    void removeRefusedWhileRunning();
    void moves();
    void randomSequences_data();
    void randomSequences();
    void roles_data();
    void roles();
    void headerAndFlags();
    void speedIsSummed();
    void playHookFiresOnce();
    void destructorStopsAndWaits();

private:
    // Jobs with the fake's sizes; added to the model.
    QList<FakeJob*> makeJobs(int count);
    QList<DownloadFile*> started() const;

    FakeTransferEnvironment* environment = nullptr;
    TableDownloadModel* model = nullptr;
    QList<FakeJob*> jobs;
    QList<DownloadFile*> completed;
};

void TestTableDownloadModel::init() {
    environment = new FakeTransferEnvironment;
    environment->fileSystems[kFatFolder] = "FAT32";
    environment->spaceAnswers = false;
    model = new TableDownloadModel;
    model->setHeaderLabels(
        {"Tên", "Dung lượng", "Trạng thái", "%", "Tốc độ", "Còn lại", "Đường dẫn", ""});
    completed.clear();
    connect(model, &TableDownloadModel::downloadComplete, this,
            [this](DownloadFile* job) { completed.append(job); });
    downloadStoppedByUser = false;
}

void TestTableDownloadModel::cleanup() {
    delete model;
    model = nullptr;
    qDeleteAll(jobs);
    jobs.clear();
    delete environment;
}

QList<FakeJob*> TestTableDownloadModel::makeJobs(int count) {
    QList<FakeJob*> made;
    for (int i = 0; i < count; ++i) {
        auto* job = new FakeJob(jobs.size());
        jobs.append(job);
        made.append(job);
        model->addJob(job);
    }
    return made;
}

QList<DownloadFile*> TestTableDownloadModel::started() const {
    QList<DownloadFile*> result;
    for (FakeJob* job : jobs) {
        if (job->holdsPlace())
            result.append(job);
    }
    return result;
}

void TestTableDownloadModel::startsInTableOrderUpToTheMaximum() {
    const QList<FakeJob*> five = makeJobs(5);
    model->queueItem(-1);
    QCOMPARE(started(), (QList<DownloadFile*>{five[0], five[1]}));
    QCOMPARE(model->runningCount(), 2);
    QCOMPARE(five[2]->getStatusText(), QString("Queued"));
    QCOMPARE(five[2]->getState(), 1);

    five[1]->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(started(), (QList<DownloadFile*>{five[0], five[2]}));
    five[0]->tell(FakeJob::Command::GiveUp);
    deliver();
    QCOMPARE(started(), (QList<DownloadFile*>{five[2], five[3]}));
    QCOMPARE(model->runningCount(), 2);
}

void TestTableDownloadModel::queuingOrder_data() {
    QTest::addColumn<QList<int>>("queued");  // rows, in the order they are queued
    QTest::addColumn<QList<int>>("pending"); // rows, in the order they will start
    QTest::newRow("row 4, then row 2") << QList<int>{4, 2} << QList<int>{2, 4};
    QTest::newRow("backwards") << QList<int>{5, 4, 3, 2} << QList<int>{2, 3, 4, 5};
    QTest::newRow("interleaved") << QList<int>{4, 2, 5, 3} << QList<int>{2, 3, 4, 5};
    QTest::newRow("beyond the end means all") << QList<int>{3, 99} << QList<int>{2, 3, 4, 5};
    QTest::newRow("twice is once") << QList<int>{3, 3, 2} << QList<int>{2, 3};
}

void TestTableDownloadModel::queuingOrder() {
    QFETCH(QList<int>, queued);
    QFETCH(QList<int>, pending);
    const QList<FakeJob*> six = makeJobs(6);
    model->queueItem(0);
    model->queueItem(1); // both places taken
    for (int row : queued)
        model->queueItem(row);
    QList<DownloadFile*> expected;
    for (int row : pending)
        expected.append(six[row]);
    QCOMPARE(model->getPendingJobs(), expected);
}

void TestTableDownloadModel::placesAreCountedOnce() {
    model->setMaxThreads(1);
    const QList<FakeJob*> three = makeJobs(3);
    model->queueItem(-1);
    QCOMPARE(started(), (QList<DownloadFile*>{three[0]}));

    // A failure that waits to retry gives the place back once; the next job starts.
    three[0]->tell(FakeJob::Command::Retry);
    deliver();
    QCOMPARE(model->runningCount(), 1);
    QCOMPARE(started(), (QList<DownloadFile*>{three[1]}));
    // The end of the retrying run releases again: ignored, job 2 still waits.
    three[0]->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(model->runningCount(), 1);
    QCOMPARE(three[2]->getState(), 1);
    QVERIFY(three[1]->holdsPlace());

    // A stray release from a job that holds no place changes nothing either.
    QMetaObject::invokeMethod(three[2], "taskDownloadDone");
    deliver();
    QCOMPARE(model->runningCount(), 1);
    QCOMPARE(model->getPendingJobs(), (QList<DownloadFile*>{three[2]}));

    // A job whose run ended starts again before the release of that run arrives: the
    // late release must not take the new run's place away.
    model->setMaxThreads(3);
    model->runningQueue(); // job 2 starts beside job 1
    QVERIFY(three[2]->holdsPlace());
    three[2]->tell(FakeJob::Command::GiveUp); // its release is not delivered yet
    model->queueItem(model->getJobs().indexOf(three[2]));
    QVERIFY(three[2]->holdsPlace());
    deliver();
    QCOMPARE(model->runningCount(), 2);
    QCOMPARE(started(), (QList<DownloadFile*>{three[1], three[2]}));
}

void TestTableDownloadModel::startFailingAtOnceFreesItsPlace() {
    const QList<FakeJob*> four = makeJobs(4);
    four[0]->setStartFails(true);
    four[2]->setStartFails(true);
    model->queueItem(-1);
    QCOMPARE(four[0]->getState(), 4);
    QVERIFY(four[0]->getStatusText().startsWith("Phân vùng FAT32"));
    QCOMPARE(four[2]->getState(), 4);
    QCOMPARE(started(), (QList<DownloadFile*>{four[1], four[3]}));
    QCOMPARE(model->runningCount(), 2);
}

void TestTableDownloadModel::queueRanEmpty_data() {
    QTest::addColumn<bool>("stoppedByUser");
    QTest::addColumn<int>("emissions");
    QTest::newRow("reported") << false << 1;
    QTest::newRow("not while the user paused") << true << 0;
}

void TestTableDownloadModel::queueRanEmpty() {
    QFETCH(bool, stoppedByUser);
    const QList<FakeJob*> three = makeJobs(3);
    model->queueItem(-1);
    QSignalSpy ranEmpty(model, &TableDownloadModel::queueDownloadComplete);
    downloadStoppedByUser = stoppedByUser;
    three[0]->tell(FakeJob::Command::Complete); // job 2 starts, nothing is left queued
    deliver();
    QCOMPARE(ranEmpty.count(), 0);
    three[1]->tell(FakeJob::Command::Complete); // job 2 still runs
    deliver();
    QTEST(ranEmpty.count(), "emissions");

    // A release while nothing runs still tries to start queued jobs.
    three[2]->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(model->runningCount(), 0);
    auto* late = makeJobs(1).first();
    late->setState(1);
    model->insertPending(model->getJobs().indexOf(late));
    QMetaObject::invokeMethod(model, "taskDownloadDone");
    QVERIFY(late->holdsPlace());
    QCOMPARE(model->runningCount(), 1);
}

// Every start path (the automatic start, start all, the retry after an error) queues
// every row. A queue so started with nothing to do, or whose downloads all end unfinished,
// has completed nothing; one finished download since it was started, then an empty queue,
// has.
void TestTableDownloadModel::onlyAFinishedDownloadCompletesTheQueue() {
    QSignalSpy ranEmpty(model, &TableDownloadModel::queueDownloadComplete);
    model->queueItem(-1);
    QCOMPARE(ranEmpty.count(), 0);

    const QList<FakeJob*> two = makeJobs(2);
    for (FakeJob* job : two)
        job->setStartFails(true);
    model->queueItem(-1); // both starts fail at once
    deliver();
    QCOMPARE(two[0]->getState(), 4);
    QCOMPARE(ranEmpty.count(), 0);

    for (FakeJob* job : two)
        job->setStartFails(false);
    model->queueItem(-1);
    for (FakeJob* job : two)
        job->tell(FakeJob::Command::GiveUp);
    deliver();
    QCOMPARE(model->runningCount(), 0);
    QCOMPARE(ranEmpty.count(), 0);

    model->queueItem(-1);
    two[0]->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(ranEmpty.count(), 1); // nothing waits, although one download still runs
    two[1]->tell(FakeJob::Command::GiveUp);
    deliver();
    QCOMPARE(ranEmpty.count(), 2); // the queue's last end

    // That run is over: starting again with nothing finished completes nothing.
    model->queueItem(-1);
    two[1]->tell(FakeJob::Command::GiveUp);
    deliver();
    model->removeRows(0, model->rowCount());
    model->queueItem(-1);
    QCOMPARE(ranEmpty.count(), 2);
}

void TestTableDownloadModel::completionHandsTheJobOver() {
    const QList<FakeJob*> two = makeJobs(2);
    QSignalSpy removedAt(model, &TableDownloadModel::downloadCompleteRC);
    model->queueItem(1);
    QVERIFY(two[1]->isRunning());
    // Flag 7 while the thread still runs: the job leaves the table at once.
    two[1]->signal(DownloadFile::DownloadDone);
    QCOMPARE(model->getJobs(), (QList<DownloadFile*>{two[0]}));
    QCOMPARE(completed, (QList<DownloadFile*>{two[1]}));
    QCOMPARE(removedAt.takeFirst().at(0).toInt(), 1);
    // Its place is still held until its release.
    QCOMPARE(model->runningCount(), 1);
    two[1]->tell(FakeJob::Command::GiveUp);
    deliver();
    QCOMPARE(model->runningCount(), 0);
    // Coming back (re-download) it is one row again, connected once.
    model->addJob(two[1]);
    model->addJob(two[1]);
    QCOMPARE(model->rowCount(), 2);
    QSignalSpy repaint(model, &TableDownloadModel::dataChangedRC);
    two[1]->signal(DownloadFile::StatusChanged);
    QCOMPARE(repaint.count(), 1);
}

void TestTableDownloadModel::removeRefusedWhileRunning() {
    const QList<FakeJob*> three = makeJobs(3);
    model->setMaxThreads(1);
    model->queueItem(-1);
    QVERIFY(!model->removeRows(0, 2)); // row 0 runs
    QVERIFY(model->removeRows(1, 2));  // both queued rows go, and leave the queue
    QCOMPARE(model->getJobs(), (QList<DownloadFile*>{three[0]}));
    QVERIFY(model->getPendingJobs().isEmpty());
    three[0]->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(model->runningCount(), 0);
}

void TestTableDownloadModel::moves() {
    const QList<FakeJob*> j = makeJobs(5);
    model->setMaxThreads(0);
    model->queueItem(-1);
    QCOMPARE(model->getPendingJobs(), (QList<DownloadFile*>{j[0], j[1], j[2], j[3], j[4]}));
    model->moveUp(3);
    model->moveDown(0);
    QCOMPARE(model->getJobs(), (QList<DownloadFile*>{j[1], j[0], j[3], j[2], j[4]}));
    QCOMPARE(model->getPendingJobs(), model->getJobs());
    model->moveItem(4, 1);
    QCOMPARE(model->getJobs(), (QList<DownloadFile*>{j[1], j[4], j[0], j[3], j[2]}));
    QCOMPARE(model->getPendingJobs(), model->getJobs());
    // Out of range: nothing moves.
    model->moveUp(0);
    model->moveDown(4);
    model->moveItem(2, 9);
    QCOMPARE(model->getJobs(), (QList<DownloadFile*>{j[1], j[4], j[0], j[3], j[2]}));
}

void TestTableDownloadModel::randomSequences_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maximum");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u", seed) << seed << int(1 + seed % 4);
}

void TestTableDownloadModel::randomSequences() {
    QFETCH(quint32, seed);
    QFETCH(int, maximum);
    QRandomGenerator random(seed);
    model->setMaxThreads(maximum);
    makeJobs(7);
    QSignalSpy ranEmpty(model, &TableDownloadModel::queueDownloadComplete);

    auto runningFake = [&]() -> FakeJob* {
        QList<FakeJob*> candidates;
        for (FakeJob* job : jobs) {
            if (job->isRunning())
                candidates.append(job);
        }
        return candidates.isEmpty() ? nullptr : candidates[random.bounded(candidates.size())];
    };
    for (int step = 0; step < 250; ++step) {
        const int rows = model->rowCount();
        const int row = random.bounded(rows + 1) - 1; // -1 means all rows
        switch (random.bounded(10)) {
        case 0:
        case 1:
            model->queueItem(row);
            break;
        case 2: {
            const QList<DownloadFile*> stopped =
                row >= 0 ? QList<DownloadFile*>{model->getJobs().at(row)} : model->getJobs();
            model->stopItem(row);
            for (DownloadFile* job : stopped)
                QVERIFY(job->wait(5000));
            break;
        }
        case 3:
        case 4:
            if (FakeJob* job = runningFake())
                job->tell(FakeJob::Command::Complete);
            break;
        case 5:
            if (FakeJob* job = runningFake())
                job->tell(FakeJob::Command::Retry);
            break;
        case 6:
            if (FakeJob* job = runningFake())
                job->tell(FakeJob::Command::GiveUp);
            break;
        case 7: {
            FakeJob* job = jobs[random.bounded(jobs.size())];
            if (!job->isRunning())
                job->setStartFails(random.bounded(2));
            break;
        }
        case 8:
            random.bounded(2) ? model->moveUp(qMax(row, 0)) : model->moveDown(qMax(row, 0));
            break;
        case 9:
            if (!completed.isEmpty()) {
                DownloadFile* back = completed.takeAt(random.bounded(completed.size()));
                back->setFinished(false);
                back->setProgress(-1);
                model->addJob(back);
            }
            break;
        }
        deliver();

        const QList<DownloadFile*> table = model->getJobs();
        const QList<DownloadFile*> pending = model->getPendingJobs();
        QVERIFY2(model->runningCount() <= maximum, qPrintable(QString::number(step)));
        QCOMPARE(model->runningCount(), started().size());
        // A free place never stays free while a job waits for one.
        QVERIFY(pending.isEmpty() || model->runningCount() == maximum);
        for (FakeJob* job : jobs)
            QCOMPARE(int(table.contains(job)) + int(completed.contains(job)), 1);
        QList<DownloadFile*> pendingInTableOrder;
        for (DownloadFile* job : table) {
            if (pending.contains(job))
                pendingInTableOrder.append(job);
        }
        QCOMPARE(pending, pendingInTableOrder);
        for (DownloadFile* job : pending)
            QCOMPARE(job->getState(), 1);
    }
    model->stopItem(-1);
    for (FakeJob* job : jobs)
        QVERIFY(job->wait(5000));
    deliver();
    QCOMPARE(model->runningCount(), 0);
    QVERIFY(model->getPendingJobs().isEmpty());
    QVERIFY(!ranEmpty.isEmpty());
}

void TestTableDownloadModel::roles_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("state");
    QTest::addColumn<qint64>("bytes"); // of the fake's 1000000-byte transfer
    QTest::addColumn<QVariant>("expected");

    const int display = Qt::DisplayRole;
    const QString path = "/tmp/fake/job0.bin";
    QTest::newRow("name") << 0 << 0 << display << 3 << 0LL << QVariant("job0.bin");
    QTest::newRow("name tooltip") << 0 << 0 << int(Qt::ToolTipRole) << 3 << 0LL
                                  << QVariant("job0.bin");
    QTest::newRow("size") << 0 << 1 << display << 3 << 0LL << QVariant("4.66 GB");
    QTest::newRow("status") << 0 << 2 << display << 3 << 0LL << QVariant("Trạng thái");
    QTest::newRow("status tooltip")
        << 0 << 2 << int(Qt::ToolTipRole) << 3 << 0LL << QVariant("Trạng thái");
    QTest::newRow("one byte in a million, rounded up")
        << 0 << 3 << display << 0 << 1LL << QVariant("0.01 %");
    QTest::newRow("half") << 0 << 3 << display << 0 << 500000LL << QVariant("50 %");
    QTest::newRow("complete") << 0 << 3 << display << 0 << 1000000LL << QVariant("100 %");
    QTest::newRow("never above 100") << 0 << 3 << display << 0 << 1500000LL << QVariant("100 %");
    QTest::newRow("speed") << 0 << 4 << display << 0 << 2048LL << QVariant("2 KB/s");
    QTest::newRow("time left") << 0 << 5 << display << 0 << 2048LL << QVariant("00:08:07 s");
    QTest::newRow("path") << 0 << 6 << display << 3 << 0LL << QVariant(path);
    QTest::newRow("path tooltip") << 0 << 6 << int(Qt::ToolTipRole) << 3 << 0LL << QVariant(path);
    QTest::newRow("location") << 0 << 7 << display << 3 << 0LL
                              << QVariant("https://127.0.0.1:1/dl/fake");
    QTest::newRow("no tooltip for the size")
        << 0 << 1 << int(Qt::ToolTipRole) << 3 << 0LL << QVariant();
    // The model says the row's state; how it looks is the view's.
    QTest::newRow("the status cell gives the state")
        << 0 << 2 << transferqueue::kStateRole << 4 << 0LL << QVariant(4);
    QTest::newRow("other cells give none")
        << 0 << 1 << transferqueue::kStateRole << 4 << 0LL << QVariant();
    QTest::newRow("no icon") << 0 << 2 << int(Qt::DecorationRole) << 0 << 0LL << QVariant();
    QTest::newRow("no shade") << 1 << 0 << int(Qt::BackgroundRole) << 3 << 0LL << QVariant();
    QTest::newRow("other roles") << 0 << 0 << int(Qt::EditRole) << 3 << 0LL << QVariant();
    QTest::newRow("beyond the columns") << 0 << 8 << display << 3 << 0LL << QVariant();
    QTest::newRow("beyond the rows") << 2 << 0 << display << 3 << 0LL << QVariant();
}

void TestTableDownloadModel::roles() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(int, state);
    QFETCH(qint64, bytes);
    const QList<FakeJob*> two = makeJobs(2);
    two[0]->setStatusText("Trạng thái");
    two[0]->setState(state);
    // A run of 1000000 bytes, `bytes` of them moved in the first second.
    static double now = 1000;
    TransferProgress tracker(10, [] { return now; });
    tracker.setTotalSize(1000000);
    now = 1000;
    tracker.start(0);
    now = 1001;
    tracker.update(bytes);
    two[0]->showProgress(tracker);
    QTEST(model->data(model->index(row, column), role), "expected");
}

void TestTableDownloadModel::headerAndFlags() {
    makeJobs(2);
    QCOMPARE(model->columnCount(), 8);
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Trạng thái"));
    QCOMPARE(model->headerData(1, Qt::Vertical).toString(), QString("Row 1"));
    QVERIFY(!model->headerData(2, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QCOMPARE(model->flags(model->index(1, 3)),
             Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QVERIFY(!model->insertRows(0, 1));
}

void TestTableDownloadModel::speedIsSummed() {
    const QList<FakeJob*> three = makeJobs(3);
    static double now = 0;
    for (int i = 0; i < 2; ++i) {
        TransferProgress tracker(10, [] { return now; });
        now = 50;
        tracker.start(0);
        now = 52;
        tracker.update(1000 * (i + 1)); // 500 and 1000 bytes a second
        three[i]->showProgress(tracker);
    }
    QSignalSpy speed(model, &TableDownloadModel::speedChanged);
    QSignalSpy cells(model, &QAbstractItemModel::dataChanged);
    for (FakeJob* job : three)
        job->signal(DownloadFile::SpeedChanged);
    QCOMPARE(speed.count(), 3);
    QCOMPARE(speed.at(0).at(0).toDouble(), 500.0);
    QCOMPARE(speed.at(1).at(0).toDouble(), 1500.0);
    QCOMPARE(speed.at(2).at(0).toDouble(), 1500.0); // a job that does not move adds 0
    QCOMPARE(cells.last().at(0).toModelIndex(), model->index(2, 4));
    QCOMPARE(cells.last().at(1).toModelIndex(), model->index(2, 4));
    // Each job counts once with its newest speed; a job that leaves the table, or stops,
    // leaves the sum.
    three[1]->signal(DownloadFile::SpeedChanged);
    QCOMPARE(speed.last().at(0).toDouble(), 1500.0);
    QVERIFY(model->removeRows(1, 1));
    three[2]->signal(DownloadFile::SpeedChanged);
    QCOMPARE(speed.last().at(0).toDouble(), 500.0);
    three[0]->showProgress(TransferProgress(10));
    three[2]->signal(DownloadFile::StatusChanged); // any news of any job keeps the sum
    three[2]->signal(DownloadFile::SpeedChanged);
    QCOMPARE(speed.last().at(0).toDouble(), 500.0);
    three[0]->signal(DownloadFile::SpeedChanged);
    QCOMPARE(speed.last().at(0).toDouble(), 0.0);
}

void TestTableDownloadModel::playHookFiresOnce() {
    platform::RecordingSystemActions actions;
    const QList<FakeJob*> two = makeJobs(2);
    playbackPlayer.id = MEDIAPLAYER_VLC;
    playbackPlayer.path = "/usr/bin/vlc";
    playbackWaitPath = two[1]->getPath();
    playbackUseMedia = false;
    playbackPending = true;
    static double now = 0;
    auto progressOf = [&](FakeJob* job, qint64 bytes) {
        TransferProgress tracker(10, [] { return now; });
        tracker.setTotalSize(1000);
        tracker.start(0);
        tracker.update(bytes);
        job->showProgress(tracker);
        job->signal(DownloadFile::ProgressChanged);
    };
    progressOf(two[0], 500); // not the file waited for
    progressOf(two[1], 9);   // below one percent
    QVERIFY(actions.calls().isEmpty());
    progressOf(two[1], 10);
    progressOf(two[1], 20);
    QCOMPARE(actions.calls().size(), 1);
    QCOMPARE(actions.calls().first().program, QString("/usr/bin/vlc"));
    QCOMPARE(actions.calls().first().arguments, QStringList{"/tmp/fake/job1.bin"});
    QVERIFY(!playbackPending);

    playbackMedia = "https://example.invalid/stream";
    playbackUseMedia = true;
    playbackPending = true;
    progressOf(two[1], 30);
    QCOMPARE(actions.calls().last().arguments, QStringList{"https://example.invalid/stream"});
    playbackUseMedia = false;
}

void TestTableDownloadModel::destructorStopsAndWaits() {
    const QList<FakeJob*> three = makeJobs(3);
    model->setMaxThreads(2);
    model->queueItem(-1);
    QVERIFY(three[0]->isRunning() && three[1]->isRunning());
    delete model;
    model = nullptr;
    QVERIFY(!three[0]->isRunning() && !three[1]->isRunning());
    QCOMPARE(three[0]->getState(), 2);
    QCOMPARE(three[2]->getState(), 2); // it was queued
}

QTEST_MAIN(TestTableDownloadModel)
#include "test_tabledownloadmodel.moc"
