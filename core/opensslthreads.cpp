#include "core/opensslthreads.h"

#include <QThread>

#include <openssl/crypto.h>

#include <cstdlib>

QMutex** opensslLocks = nullptr;

namespace {
int g_lockCount = 0;
}

unsigned long opensslIdCallback() {
    return static_cast<unsigned long>(reinterpret_cast<quintptr>(QThread::currentThreadId()));
}

void opensslLockingCallback(int mode, int n, const char* file, int line) {
    if (!opensslLocks || n < 0 || n >= g_lockCount || !opensslLocks[n])
        return;
    if (mode & 1)
        opensslLocks[n]->lock();
    else
        opensslLocks[n]->unlock();
}

int opensslThreadSetup() {
    if (opensslLocks)
        return 1; // already set up; a second table would strand the first
    const int count = CRYPTO_num_locks();
    auto** table = static_cast<QMutex**>(std::malloc(sizeof(QMutex*) * count));
    if (!table)
        return 0;
    for (int i = 0; i < count; ++i)
        table[i] = new QMutex;
    opensslLocks = table;
    g_lockCount = count;
    // Both are empty macros on OpenSSL 3.
    CRYPTO_set_id_callback(opensslIdCallback);
    CRYPTO_set_locking_callback(opensslLockingCallback);
    return 1;
}

int opensslThreadCleanup() {
    if (!opensslLocks)
        return 0;
    CRYPTO_set_id_callback(nullptr);
    CRYPTO_set_locking_callback(nullptr);
    for (int i = 0; i < g_lockCount; ++i)
        delete opensslLocks[i];
    std::free(opensslLocks);
    opensslLocks = nullptr;
    g_lockCount = 0;
    return 1;
}

int opensslLockCount() {
    return g_lockCount;
}
