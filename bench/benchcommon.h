#pragma once
// What the download and upload modes of brisko-bench-download share.
#include <QtGlobal>

// The process's peak resident memory (VmHWM) in KiB; -1 when unknown.
qint64 peakRssKib();

// Logs the process-wide client in with BRISKO_BENCH_EMAIL and BRISKO_BENCH_PASSWORD and
// makes that account the current user, as the login dialog would; false (with a line on
// standard error) when the service refuses.
bool benchLogIn();
