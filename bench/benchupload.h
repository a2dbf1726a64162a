#pragma once
// The upload side of brisko-bench-download: uploads a local file headless through the
// program's own upload engine, or asks the service for an upload location that other
// clients can post to.
//
// brisko-bench-download --upload [--limit KB] [--measure S] [--first-chunk BYTES]
//                                [--ca FILE] FILE
//   --limit KB          speed limit in kilobytes a second (default none)
//   --measure S         measure the rate over S seconds after a 2-second warm-up, then
//                       stop (default: run to the end)
//   --first-chunk BYTES size of the first chunk (default: the engine's, 20000000)
//   Prints key=value lines: bytes, elapsed_s, rate_bps, peak_rss_kib, finished, state,
//   status, link, chunk_sizes (the size chosen at each attempt, before the end of the file
//   cuts the last one short).
// brisko-bench-download --upload-location [--ca FILE] NAME SIZE
//   Prints location=URL: where a file of SIZE bytes named NAME goes, at the top level.
// Environment as for downloads: BRISKO_BENCH_EMAIL, BRISKO_BENCH_PASSWORD and the hosts.
#include <QCoreApplication>

// True when the arguments ask for one of the upload modes (anywhere among them).
bool isUploadMode(const QStringList& arguments);
int uploadMain(QCoreApplication& app);
