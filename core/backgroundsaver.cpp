#include "core/backgroundsaver.h"

#include "platform/mainthread.h"

#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct BackgroundSaver::State {
    std::mutex mutex;
    std::condition_variable wake; // a task waits, or the owner is gone
    std::condition_variable idle; // nothing runs or waits any more
    Task waiting;
    bool running = false;
    bool threadStarted = false;
    BackgroundSaver* owner = nullptr; // cleared, under the mutex, before the owner goes
    std::optional<int> unreported;    // the newest finished save's result, not yet told
};

BackgroundSaver::BackgroundSaver(Snapshot snapshot, QObject* parent)
    : QObject(parent), state(std::make_shared<State>()), snapshot(std::move(snapshot)) {
    state->owner = this;
}

BackgroundSaver::~BackgroundSaver() {
    std::lock_guard<std::mutex> lock(state->mutex);
    state->owner = nullptr;
    state->wake.notify_all();
}

void BackgroundSaver::save() {
    if (snapshotAsked)
        return;
    snapshotAsked = true;
    QMetaObject::invokeMethod(this, &BackgroundSaver::takeSnapshot, Qt::QueuedConnection);
}

void BackgroundSaver::handOver() {
    snapshotAsked = false;
    // The owner is going: from the hand-over on, the writer thread logs what fails.
    hand(snapshot(), true);
}

void BackgroundSaver::takeSnapshot() {
    if (!snapshotAsked)
        return; // taken already by a flush
    snapshotAsked = false;
    if (Task task = snapshot())
        hand(std::move(task));
}

void BackgroundSaver::hand(Task task, bool ownerGoes) {
    bool startThread = false;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        if (ownerGoes)
            state->owner = nullptr;
        // The replaced task (an older snapshot) is freed below, outside the lock.
        if (task)
            std::swap(state->waiting, task);
        startThread = state->waiting && !state->threadStarted;
        state->threadStarted = state->threadStarted || startThread;
    }
    state->wake.notify_all();
    if (startThread)
        std::thread(&BackgroundSaver::work, state).detach();
}

void BackgroundSaver::work(std::shared_ptr<State> state) {
    std::unique_lock<std::mutex> lock(state->mutex);
    for (;;) {
        state->wake.wait(lock, [&] { return state->waiting || !state->owner; });
        if (!state->waiting)
            return; // the owner is gone and nothing is left to write
        Task task = std::move(state->waiting);
        state->waiting = nullptr;
        state->running = true;
        lock.unlock();
        const int result = task();
        task = nullptr; // its snapshot goes now, not at the next save
        lock.lock();
        state->running = false;
        if (!state->waiting)
            state->idle.notify_all();
        if (BackgroundSaver* owner = state->owner) {
            state->unreported = result;
            // Posted while the owner can't be destroyed: its destructor takes the mutex.
            QMetaObject::invokeMethod(owner, [owner] { owner->deliver(); }, Qt::QueuedConnection);
        } else if (result != 0) {
            platform::warnOnMainThread(
                QStringLiteral("a file handed over by a closed window could not be written (%1)")
                    .arg(result));
        }
    }
}

bool BackgroundSaver::flush(int timeoutMs) {
    takeSnapshot();
    bool done = false;
    {
        std::unique_lock<std::mutex> lock(state->mutex);
        done = state->idle.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            return !state->running && !state->waiting;
        });
    }
    deliver();
    return done;
}

void BackgroundSaver::deliver() {
    // A receiver that opens a message box runs an event loop: results that arrive
    // meanwhile wait for it to return, so reports never nest.
    if (delivering)
        return;
    delivering = true;
    for (;;) {
        int result = 0;
        {
            std::lock_guard<std::mutex> lock(state->mutex);
            if (!state->unreported)
                break;
            // The file holds what the newest save left; older results are history.
            result = *state->unreported;
            state->unreported.reset();
        }
        emit saved(result);
    }
    delivering = false;
}
