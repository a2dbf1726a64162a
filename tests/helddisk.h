#pragma once
// A disk whose free-space query, which every history save makes first, blocks until the
// test lets it go on: a save can be caught while it runs. Installs itself for its lifetime.
#include "transfer/transferenvironment.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// Holds every save at its free-space query until the test lets it go on; or only the
// first one, the later ones answering at once.
class HeldDisk : public TransferEnvironment {
public:
    enum Holds { Every, FirstOnly };
    explicit HeldDisk(Holds holds = Every)
        : replaced(TransferEnvironment::install(this)), holds(holds) {}
    ~HeldDisk() override {
        release();
        TransferEnvironment::install(replaced);
    }
    bool diskSpace(const QString&, qint64& total, qint64& freeForCaller) override {
        std::unique_lock<std::mutex> lock(mutex);
        ++asked;
        changed.notify_all();
        if (holds == Every || asked == 1)
            changed.wait(lock, [this] { return open; });
        total = qint64(1) << 41;
        freeForCaller = freeBytes;
        return true;
    }
    bool waitUntilAsked(int count) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), [&] { return asked >= count; });
    }
    // The next queries block again.
    void hold() {
        std::lock_guard<std::mutex> lock(mutex);
        open = false;
    }
    void release() {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        changed.notify_all();
    }
    int askedCount() {
        std::lock_guard<std::mutex> lock(mutex);
        return asked;
    }

    // What the queries answer once let go.
    std::atomic<qint64> freeBytes{qint64(1) << 40};

private:
    TransferEnvironment* replaced;
    const Holds holds;
    std::mutex mutex;
    std::condition_variable changed;
    int asked = 0;
    bool open = false;
};
