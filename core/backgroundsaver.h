#pragma once
// Writes files on a thread of its own, so that the thread that owns the data never waits
// on the disk. The owner takes a snapshot of what the file will hold (in memory, cheap)
// and hands over a task that builds the file from it and commits it. A save asked for
// while another runs waits; a newer one replaces a waiting one, so a burst of saves
// ends in one more write, with the newest snapshot. Each save's result comes back on
// the owner's thread. Every member is called on the owner's thread.
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

    explicit BackgroundSaver(QObject* parent = nullptr);
    // Does not wait: a save still running or waiting (after a flush that timed out) is
    // finished by the writer thread on its own, unreported.
    ~BackgroundSaver() override;

    // How long closing a window or the program waits for the last save.
    static constexpr int kClosingWaitMs = 10000;

    void save(Task task);
    // Waits up to timeoutMs for the running and the waiting save, then reports what is
    // finished. False when they did not end in time.
    bool flush(int timeoutMs);
    // No save runs or waits.
    bool isIdle() const;

signals:
    // On the owner's thread, with the result of the newest save finished since the last
    // report: a failure that a later save made good is not told.
    void saved(int result);

private:
    struct State;
    static void work(std::shared_ptr<State> state);
    void deliver();

    // Shared with the writer thread, which may outlive this object.
    std::shared_ptr<State> state;
    bool delivering = false;
};
