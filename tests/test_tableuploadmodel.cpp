// The upload queue model and scheduler, driven with stand-in jobs whose threads do what
// the test tells them, over fixed and random sequences: the maximum holds, the running
// count stays honest and returns to zero, queued jobs start in table order, and a
// finished job leaves the table with its signals in order.
#include "core/globals.h"
#include "tests/uploadfixture.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/uploadendpoints.h"
#include "upload/tableuploadmodel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

namespace {

using std::chrono::milliseconds;

// A job whose transfer waits for the test's word: finish with a link, or fail. A stop ends
// it like a real one ("Dừng", state 2). Its start is the real one (the quota check against
// the stand-in, then a kept location, on the job's thread), so a secure job on a full
// secure space is refused before its transfer.
class FakeJob : public UploadFile {
public:
    enum class Command { None, Complete, Fail };

    FakeJob(int number, bool refused)
        : UploadFile(MegaFile(), QStringLiteral("job%1.bin").arg(number),
                     QStringLiteral("/tmp/fake/job%1.bin").arg(number), QString(), QString(),
                     QStringLiteral("https://127.0.0.1:1/up/fake")) {
        setSize(1000);
        setFileSecure(refused);
    }
    // Counts every end where it happens and, once the model has heard of it, here. Called
    // after the model connected: queued deliveries keep their order, so an end heard here
    // has reached the model first.
    void countEnds() {
        connect(this, &UploadFile::taskUploadDone, this, [this] { ++ends; },
                Qt::DirectConnection);
        connect(this, &UploadFile::taskUploadDone, this, [this] { ++heard; },
                Qt::QueuedConnection);
    }
    ~FakeJob() override {
        stopUpload();
        wait();
    }

    // Its thread is in the transfer, which only a command or a stop ends, or has ended,
    // and the model has heard of every end.
    bool settled() const { return (!isRunning() || transferring) && ends == heard; }

    // Hands the run a command and waits until its thread has ended.
    void tell(Command command) {
        pending = command;
        wait();
    }

protected:
    void sendFile() override {
        transferring = true;
        for (;;) {
            const Command command = pending.exchange(Command::None);
            if (command == Command::Complete) {
                setMlink(QStringLiteral("https://www.localhost/file/") + getName());
                setFinished(true);
                setStateAndText(StateIdle, QString());
                emitChanged(UploadDone);
                break;
            }
            if (command == Command::Fail) {
                setStateAndText(StateFailed, QStringLiteral("Service is not available"));
                emitChanged(StatusChanged);
                break;
            }
            if (!pauseUnlessStopped(milliseconds(5))) {
                setStateAndText(StateStopped, QStringLiteral("Dừng"));
                emitChanged(StatusChanged);
                break;
            }
        }
        transferring = false;
    }

private:
    std::atomic<Command> pending{Command::None};
    std::atomic<bool> transferring{false};
    std::atomic<int> ends{0};
    int heard = 0;
};

// Delivers the signals the jobs' threads have queued for the model.
void deliver() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

} // namespace

class TestTableUploadModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsInTableOrderUpToTheMaximum();
    void refusedStartsGiveTheirPlaceBack();
    void queuingPlacesBeforeTheNextQueuedRow();
    void emptyQueueIsReportedUnlessStoppedByUser();
    void onlyAFinishedUploadCompletesTheQueue();
    void completionLeavesTheTableInOrder();
    void loweringTheMaximumStopsNothing();
    void randomSequences_data();
    void randomSequences();
    void cells_data();
    void cells();

private:
    // `count` stand-in jobs in the model; the jobs in `refused` are refused at the start.
    void fill(int count, const QList<int>& refused = {});
    FakeJob* job(int row) const { return static_cast<FakeJob*>(model->getJobs().at(row)); }
    // Waits until the jobs' threads have made their start checks (the refused ones have
    // ended) and the model has heard of every end; the starts this causes are waited for too.
    void settle();
    // The checks that hold after every step once the jobs' signals have arrived.
    void checkInvariants();

    UploadFixture fx;
    std::unique_ptr<TableUploadModel> model;
    std::vector<std::unique_ptr<FakeJob>> jobs;
};

void TestTableUploadModel::init() {
    QVERIFY(fx.start());
    // Secure uploads are refused, ordinary ones go ahead.
    QVERIFY(devservice::setStorageQuota(fx.service(), devservice::demo::kEmail,
                                        {"1000000", "0", "1000", "1000"}));
    uploadStoppedByUser = false;
    model = std::make_unique<TableUploadModel>();
    model->setHeaderLabels({"0", "1", "2", "3", "4", "5", "6"});
}

void TestTableUploadModel::cleanup() {
    model.reset();
    jobs.clear();
    uploadStoppedByUser = false;
    fx.stop();
}

void TestTableUploadModel::fill(int count, const QList<int>& refused) {
    for (int i = 0; i < count; ++i) {
        jobs.push_back(std::make_unique<FakeJob>(int(jobs.size()), refused.contains(i)));
        model->addJob(jobs.back().get());
        jobs.back()->countEnds();
    }
}

void TestTableUploadModel::settle() {
    const QDeadlineTimer deadline(20000);
    for (;;) {
        bool settled = true;
        for (const auto& one : jobs)
            settled = settled && one->settled();
        if (settled || deadline.hasExpired())
            break;
        deliver();
        QThread::msleep(1);
    }
}

void TestTableUploadModel::checkInvariants() {
    settle();
    const QList<UploadFile*> all = model->getJobs();
    int threads = 0;
    for (const UploadFile* job : all)
        threads += job->isRunning() ? 1 : 0;
    // Honest: the count is the jobs started and not yet done, never above the maximum.
    QCOMPARE(model->runningCount(), threads);
    QVERIFY(model->runningCount() <= model->maxThreads());
    // The pending list follows the table order, and holds queued jobs only.
    int last = -1;
    for (const UploadFile* job : model->getPendingJobs()) {
        QCOMPARE(job->getState(), int(UploadFile::StateQueued));
        const int row = all.indexOf(const_cast<UploadFile*>(job));
        QVERIFY(row > last);
        last = row;
    }
}

void TestTableUploadModel::startsInTableOrderUpToTheMaximum() {
    fill(5);
    model->queueItem(-1);
    QVERIFY(job(0)->isRunning() && job(1)->isRunning());
    QVERIFY(!job(2)->isRunning());
    QCOMPARE(model->runningCount(), 2);
    job(0)->tell(FakeJob::Command::Fail);
    deliver();
    QVERIFY(job(2)->isRunning());
    QCOMPARE(model->runningCount(), 2);
    QCOMPARE(job(0)->getState(), int(UploadFile::StateFailed));
    // Queueing a running job changes nothing.
    model->queueItem(1);
    QCOMPARE(model->getPendingJobs(), (QList<UploadFile*>{job(3), job(4)}));
    checkInvariants();
}

void TestTableUploadModel::refusedStartsGiveTheirPlaceBack() {
    fill(4, {0, 1});
    QSignalSpy empty(model.get(), &TableUploadModel::queueUploadComplete);
    model->queueItem(-1);
    // The refused ones reported their end from their threads: never below zero, and the
    // next jobs took their places.
    settle();
    QCOMPARE(job(0)->getState(), int(UploadFile::StateFailed));
    QCOMPARE(job(0)->getStatusText(), QString("Đã hết dung lượng bảo đảm!"));
    QVERIFY(job(2)->isRunning() && job(3)->isRunning());
    QCOMPARE(model->runningCount(), 2);
    checkInvariants();
    model->stopItem(-1);
    job(2)->wait();
    job(3)->wait();
    deliver();
    QCOMPARE(model->runningCount(), 0);
}

void TestTableUploadModel::queuingPlacesBeforeTheNextQueuedRow() {
    fill(6);
    model->setMaxThreads(0); // nothing starts: the pending order is what is looked at
    model->queueItem(3);
    model->queueItem(4);
    job(2)->setState(UploadFile::StateStopped);
    model->queueItem(1);
    QCOMPARE(model->getPendingJobs(), (QList<UploadFile*>{job(1), job(3), job(4)}));
    model->queueItem(5);
    QCOMPARE(model->getPendingJobs(), (QList<UploadFile*>{job(1), job(3), job(4), job(5)}));
    // Moves keep the pending order in step with the table.
    model->moveItem(5, 0);
    QCOMPARE(model->getPendingJobs().first(), job(0));
    model->moveDown(0);
    model->moveUp(4);
    checkInvariants();
    QCOMPARE(job(1)->getStatusText(), QString("Queued"));
}

void TestTableUploadModel::emptyQueueIsReportedUnlessStoppedByUser() {
    fill(2);
    FakeJob* second = job(1);
    model->queueItem(-1);
    QSignalSpy empty(model.get(), &TableUploadModel::queueUploadComplete);
    job(0)->tell(FakeJob::Command::Complete);
    deliver();
    // Nothing waits any more, although one job still runs.
    QCOMPARE(empty.count(), 1);
    uploadStoppedByUser = true;
    second->tell(FakeJob::Command::Fail);
    deliver();
    QCOMPARE(empty.count(), 1);
    QCOMPARE(model->runningCount(), 0);
}

// Every start path (the automatic start after login, start all) queues every row. A queue
// so started with nothing to do, or whose uploads all end unfinished, has completed
// nothing; one finished upload since it was started, then an empty queue, has.
void TestTableUploadModel::onlyAFinishedUploadCompletesTheQueue() {
    QSignalSpy empty(model.get(), &TableUploadModel::queueUploadComplete);
    model->queueItem(-1);
    QCOMPARE(empty.count(), 0);

    fill(2, {0, 1}); // both refused at their start
    model->queueItem(-1);
    settle();
    QCOMPARE(job(0)->getState(), int(UploadFile::StateFailed));
    QCOMPARE(empty.count(), 0);

    fill(2);
    FakeJob* first = job(2);
    FakeJob* second = job(3);
    model->queueItem(-1);
    settle();
    first->tell(FakeJob::Command::Fail);
    second->tell(FakeJob::Command::Fail);
    settle();
    QCOMPARE(model->runningCount(), 0);
    QCOMPARE(empty.count(), 0);

    model->queueItem(2);
    model->queueItem(3);
    first->tell(FakeJob::Command::Complete);
    settle();
    QCOMPARE(empty.count(), 1); // nothing waits, although one upload still runs
    second->tell(FakeJob::Command::Fail);
    settle();
    QCOMPARE(empty.count(), 2); // the queue's last end

    // That run is over: starting again with nothing finished completes nothing.
    model->queueItem(-1);
    settle();
    QCOMPARE(empty.count(), 2);
}

void TestTableUploadModel::completionLeavesTheTableInOrder() {
    fill(3);
    model->setMaxThreads(3);
    QStringList order;
    connect(model.get(), &TableUploadModel::uploadComplete, this,
            [&](UploadFile* done) { order << "complete " + done->getName(); });
    connect(model.get(), &TableUploadModel::uploadCompleteRC, this,
            [&](int row) { order << QString("row %1").arg(row); });
    connect(model.get(), &TableUploadModel::queueUploadComplete, this, [&] { order << "empty"; });
    model->queueItem(-1);
    order.clear();
    FakeJob* middle = job(1);
    middle->tell(FakeJob::Command::Complete);
    deliver();
    QCOMPARE(order, (QStringList{"complete job1.bin", "row 1", "empty"}));
    QCOMPARE(model->rowCount(), 2);
    QVERIFY(!model->getJobs().contains(middle));
    checkInvariants();
}

void TestTableUploadModel::loweringTheMaximumStopsNothing() {
    fill(4);
    model->setMaxThreads(3);
    model->queueItem(-1);
    model->setMaxThreads(1);
    QCOMPARE(model->runningCount(), 3);
    job(0)->tell(FakeJob::Command::Fail);
    job(1)->tell(FakeJob::Command::Fail);
    deliver();
    QVERIFY(!job(3)->isRunning());
    // Queueing all again neither resets the count nor starts beyond the maximum.
    model->queueItem(-1);
    QCOMPARE(model->runningCount(), 1);
    QVERIFY(!job(3)->isRunning());
    job(2)->tell(FakeJob::Command::Fail);
    deliver();
    QCOMPARE(model->runningCount(), 1);
    checkInvariants();
}

void TestTableUploadModel::randomSequences_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 1234u, 99991u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void TestTableUploadModel::randomSequences() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    fill(8, {2, 5});
    model->setMaxThreads(1 + int(random.bounded(3)));
    for (int step = 0; step < 60; ++step) {
        const int rows = model->rowCount();
        const int row = rows ? int(random.bounded(rows)) : 0;
        const QList<UploadFile*> all = model->getJobs();
        QList<FakeJob*> running;
        for (UploadFile* one : all) {
            if (one->isRunning())
                running << static_cast<FakeJob*>(one);
        }
        switch (random.bounded(8)) {
        case 0:
            model->queueItem(-1);
            break;
        case 1:
        case 2:
            if (rows)
                model->queueItem(row);
            break;
        case 3:
            if (rows) {
                model->stopItem(row);
                all.at(row)->wait();
            }
            break;
        case 4:
            if (random.bounded(4) == 0) {
                model->stopItem(-1);
                for (UploadFile* one : all)
                    one->wait();
            }
            break;
        case 5:
            if (!running.isEmpty())
                running.at(int(random.bounded(running.size())))->tell(FakeJob::Command::Complete);
            break;
        case 6:
            if (!running.isEmpty())
                running.at(int(random.bounded(running.size())))->tell(FakeJob::Command::Fail);
            break;
        case 7:
            if (rows > 1) {
                const int to = int(random.bounded(rows));
                random.bounded(2) ? model->moveItem(row, to)
                                  : (row % 2 ? model->moveUp(row) : model->moveDown(row));
            }
            break;
        }
        checkInvariants();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString("after step %1").arg(step)));
    }
    model->stopItem(-1);
    for (const auto& one : jobs)
        one->wait();
    deliver();
    QCOMPARE(model->runningCount(), 0);
}

void TestTableUploadModel::cells_data() {
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("percent");
    QTest::newRow("none") << 0.0 << "0 %";
    QTest::newRow("half") << 0.5 << "50 %";
    QTest::newRow("rounded up") << 0.12341 << "12.35 %";
    // 100 % only with the service's link: every byte out is not yet a stored file.
    QTest::newRow("almost all") << 0.99999 << "99.99 %";
}

void TestTableUploadModel::cells() {
    QFETCH(double, fraction);
    QFETCH(QString, percent);
    fill(2);
    job(1)->setSize(100000);
    job(1)->setProgress(fraction);
    QCOMPARE(model->index(1, 3).data().toString(), percent);
    QCOMPARE(model->headerData(3, Qt::Vertical).toString(), QString("Row 3"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("2"));
    // The status cell gives the row's state; icons and shades are the view's.
    QCOMPARE(model->index(0, 2).data(transferqueue::kStateRole), QVariant(3));
    QVERIFY(!model->index(0, 1).data(transferqueue::kStateRole).isValid());
    QVERIFY(!model->index(0, 2).data(Qt::DecorationRole).isValid());
    QVERIFY(!model->index(1, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!model->index(0, 7).data().isValid());
    QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
}

QTEST_GUILESS_MAIN(TestTableUploadModel)
#include "test_tableuploadmodel.moc"
