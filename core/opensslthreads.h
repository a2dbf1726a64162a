#pragma once
// Thread locking for the TLS library. OpenSSL 3 locks internally and ignores these
// callbacks; the set-up is kept so start-up and shutdown stay the same on any build.
#include <QMutex>

// One mutex per lock the library asks for; null while not set up.
extern QMutex** opensslLocks;

unsigned long opensslIdCallback();
// Locks mutex n when mode has the lock bit (1), else unlocks it.
void opensslLockingCallback(int mode, int n, const char* file, int line);
// 1 when set up, 0 when the table could not be allocated.
int opensslThreadSetup();
// 1 when a table existed and was removed, 0 when there was none.
int opensslThreadCleanup();
// Entries of the table (0 while not set up).
int opensslLockCount();
