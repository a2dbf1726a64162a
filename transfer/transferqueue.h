#pragma once
// The bookkeeping both transfer queues share: the jobs in table order, the queued ones in
// the order they will start, and the jobs holding a running place. Queued jobs start in
// table order, so every change of the table order keeps the pending order in step with
// it. The models around it announce the changes to their views and start the jobs; this
// part knows nothing of Qt's models. GUI thread only.
#include "transfer/roundrunner.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace transferqueue {

// The state code of a queued job, the same for downloads and uploads.
constexpr int kQueuedState = 1;

// A fraction done as the queue tables show it: rounded up to two decimals, so that one
// byte shows as started, and never above 100.
inline QString percentText(double fraction) {
    const double value = std::min(100.0, std::ceil(fraction * 100.0 * 100.0) / 100.0);
    return QString::number(value, 'g', 6) + QStringLiteral(" %");
}

// The role in which a queue table's status cell gives the state code of its row; how a
// state looks is for the views to say.
constexpr int kStateRole = Qt::UserRole + 1;

} // namespace transferqueue

template <class Job> class TransferQueue {
public:
    QList<Job*> allJobs;     // one per table row, in row order
    QList<Job*> pendingJobs; // queued jobs, in the order they will start
    QSet<Job*> running;      // jobs started and not yet done

    int size() const { return allJobs.size(); }
    bool holds(int row) const { return row >= 0 && row < allJobs.size(); }

    // Puts the job of the row into the pending list before the first later row that
    // waits there, so queued jobs start in table order.
    void insertPending(int row) {
        if (!holds(row))
            return;
        Job* job = allJobs.at(row);
        pendingJobs.removeAll(job);
        for (int later = row + 1; later < allJobs.size(); ++later) {
            const int place = pendingJobs.indexOf(allJobs.at(later));
            if (place >= 0) {
                pendingJobs.insert(place, job);
                return;
            }
        }
        pendingJobs.append(job);
    }

    // False when nothing moves (a row outside the table, or the same row).
    bool moveItem(int from, int to) {
        if (!holds(from) || !holds(to) || from == to)
            return false;
        Job* job = allJobs.at(from);
        allJobs.move(from, to);
        if (pendingJobs.removeAll(job) > 0)
            insertPending(to);
        return true;
    }

    // Swaps a row with the one above (step -1) or below (step 1); two queued jobs swap
    // their places in the pending list too. False when the neighbour is outside.
    bool swapWithNeighbour(int row, int step) {
        const int other = row + step;
        if (!holds(row) || !holds(other))
            return false;
        Job* job = allJobs.at(row);
        const int place = pendingJobs.indexOf(job);
        const int otherPlace = place + step;
        if (queued(job) && queued(allJobs.at(other)) && place >= 0 && otherPlace >= 0 &&
            otherPlace < pendingJobs.size())
            pendingJobs.swapItemsAt(place, otherPlace);
        allJobs.swapItemsAt(row, other);
        return true;
    }

    // Takes rows out of the table and the pending list; the caller announced them.
    void takeRows(int row, int count) {
        for (int i = 0; i < count && holds(row); ++i) {
            Job* job = allJobs.takeAt(row);
            pendingJobs.removeAll(job);
            dropSpeed(job);
        }
    }

    // A job being destroyed: only its pointer is used. The row it had, or -1.
    int forget(Job* job) {
        running.remove(job);
        pendingJobs.removeAll(job);
        dropSpeed(job);
        if (running.isEmpty() && pendingJobs.isEmpty())
            finishedSinceIdle = false;
        return allJobs.indexOf(job);
    }

    // The summed speed of the jobs in the table, in bytes per second.
    double totalSpeed() const { return speedSum; }

    // Takes the job's current speed into the sum; called on every change the job reports,
    // since any change may follow a stopped tracker (a completion says only "done").
    void noteSpeed(const Job* job) {
        const double now = job->speed();
        const auto known = speeds.find(job);
        const double before = known == speeds.end() ? 0.0 : known.value();
        if (now > 0)
            speeds.insert(job, now);
        else if (known != speeds.end())
            speeds.erase(known);
        speedSum += now - before;
        // Rounding must not leave a trace once nothing moves.
        if (speeds.isEmpty())
            speedSum = 0;
    }

    // Takes the job's last speed out of the sum (it leaves the table).
    void dropSpeed(const Job* job) {
        const auto known = speeds.find(job);
        if (known == speeds.end())
            return;
        speedSum -= known.value();
        speeds.erase(known);
        if (speeds.isEmpty())
            speedSum = 0;
    }

    // Queues every row in table order (the rows may move meanwhile) with `queueRow`.
    template <class QueueRow> void queueAll(QueueRow queueRow) {
        const QList<Job*> all = allJobs;
        for (Job* job : all) {
            const int at = allJobs.indexOf(job);
            if (at >= 0)
                queueRow(at);
        }
    }

    // Empties the pending list and calls `stop` for every job that runs or waits there.
    template <class Stop> void stopAll(Stop stop) {
        pendingJobs.clear();
        const QList<Job*> all = allJobs;
        for (Job* job : all) {
            if (job->isRunning() || job->getState() == transferqueue::kQueuedState)
                stop(job);
        }
    }

    // Waits, `timeoutMs` in all, for the threads of every job the queue knows.
    void waitForThreads(int timeoutMs) const {
        QSet<Job*> all = running;
        for (Job* job : allJobs)
            all.insert(job);
        const QDeadlineTimer deadline(timeoutMs);
        for (Job* job : qAsConst(all))
            job->wait(deadline);
    }

    // Whether any of the rows has a thread that still runs.
    bool anyRunning(int row, int count) const {
        for (int i = row; i < row + count && holds(i); ++i) {
            if (allJobs.at(i)->isRunning())
                return true;
        }
        return false;
    }

    // A transfer of the queue finished.
    void noteFinished() { finishedSinceIdle = true; }

    // Starts pending jobs while running places are free. `start` is the job's own start,
    // which may give the place back before it returns. `queueEmpty` is called when
    // nothing waits (jobs may still run), the user has not stopped the queue and a
    // transfer finished since the queue last stood idle: a queue started with nothing
    // to do, or whose jobs all failed, has completed nothing (and powers nothing off).
    // Its receivers may queue jobs again.
    template <class Start, class QueueEmpty>
    void startPending(int maximum, bool stoppedByUser, Start start, QueueEmpty queueEmpty) {
        if (pendingJobs.isEmpty()) {
            const bool completed = finishedSinceIdle && !stoppedByUser;
            if (running.isEmpty())
                finishedSinceIdle = false; // this run is over; the next starts afresh
            if (!completed)
                return;
            queueEmpty();
            if (pendingJobs.isEmpty())
                return;
        }
        while (running.size() < maximum && !pendingJobs.isEmpty()) {
            Job* job = pendingJobs.takeFirst();
            // Counted before the start, which may give the place back at once.
            running.insert(job);
            start(job);
        }
    }

    // A start that fails at once gives its place back inside the round and asks for
    // another one, which runs after this one instead of nesting ever deeper.
    RoundRunner rounds;

private:
    // The last speed read of each moving job and their sum, so a progress signal costs
    // the same with ten jobs or ten thousand.
    QHash<const Job*, double> speeds;
    double speedSum = 0;
    bool finishedSinceIdle = false;

    static bool queued(const Job* job) { return job->getState() == transferqueue::kQueuedState; }
};
