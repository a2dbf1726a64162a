#pragma once
// Writes files on a thread of its own, so that the thread that owns the data never waits
// on the disk. A save asked for takes a snapshot of what the file will hold (in memory,
// cheap) once the events being handled are done, so a burst of requests (ten completions
// delivered together) costs one snapshot; the snapshot is a task that builds the file from
// it and commits it, on the writer thread. A save taken while another runs waits; a newer
// one replaces a waiting one, so a burst of saves ends in one more write, with the newest
// snapshot. Results come back on the owner's thread. Every member is called there.
#include <QObject>

#include <functional>
#include <memory>

class BackgroundSaver : public QObject {
    Q_OBJECT
public:
    // Builds and commits the file, returning 0 when saved and any other number for a
    // failure the owner knows how to report. Runs on the writer thread, so it holds
    // copies only.
    using Task = std::function<int()>;
    // Takes the snapshot on the owner's thread; an empty task when there is nothing to
    // write (nobody logged in, say).
    using Snapshot = std::function<Task()>;

    BackgroundSaver(Snapshot snapshot, QObject* parent);
    // Does not wait: a save still running or waiting is finished by the writer thread on
    // its own; a failure of it is only logged.
    ~BackgroundSaver() override;

    // How long closing the program waits for the last save.
    static constexpr int kClosingWaitMs = 10000;

    // Asks for a save: the snapshot is taken when control is back in the event loop.
    void save();
    // Takes a snapshot now and hands it to the writer thread, without waiting (what an
    // owner about to go does: the data goes with it). Nothing is reported after it: a
    // failure is only logged.
    void handOver();
    // Takes an asked-for snapshot now, waits up to timeoutMs for the running and the
    // waiting save, then reports what is finished. False when they did not end in time.
    bool flush(int timeoutMs);

signals:
    // On the owner's thread, with the result of the newest save finished since the last
    // report: a failure that a later save made good is not told.
    void saved(int result);

private:
    struct State;
    void takeSnapshot();
    // Hands a task (if any) to the writer thread; `ownerGoes`: nothing is reported to
    // the owner from then on, a failure is logged.
    void hand(Task task, bool ownerGoes = false);
    static void work(std::shared_ptr<State> state);
    void deliver();

    // Shared with the writer thread, which may outlive this object.
    std::shared_ptr<State> state;
    Snapshot snapshot;
    bool snapshotAsked = false;
    bool delivering = false;
};
