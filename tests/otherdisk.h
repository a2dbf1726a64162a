#pragma once
// Every move crosses to another file system, and each copy waits for the test's word.
#include "transfer/transferenvironment.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

#include <atomic>

class OtherDisk : public TransferEnvironment {
public:
    OtherDisk() : replaced(install(this)) {}
    ~OtherDisk() override {
        go.release(16);
        install(replaced);
    }
    bool sameFileSystem(const QString&, const QString&) override { return false; }
    bool copyAcross(const QString& from, const QString& to) override {
        offGuiThread = QThread::currentThread() != qApp->thread();
        go.acquire();
        return TransferEnvironment::copyAcross(from, to);
    }
    QSemaphore go;
    std::atomic<bool> offGuiThread{false};

private:
    TransferEnvironment* replaced;
};
