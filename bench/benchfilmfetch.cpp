// brisko-bench-filmfetch: how long an owner of the film tab's fetches takes to go away
// while a partner site has stalled (at logout or quit the tab goes with the main window).
// A local server accepts every connection and never answers; the owner holds 1 fetch,
// then 5 (the feed and four posters), all with their requests sent, and is deleted. The
// worst and the median time the deletion took are printed for each case.
//
// Usage: brisko-bench-filmfetch [--rounds N]   (default 10)
#include "media/rssfilestemp.h"
#include "tests/support/stalledserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds the deletion of an owner of `count` stalled fetches took.
double deleteOwner(StalledServer& server, int count) {
    auto* owner = new QObject;
    const int before = server.accepted();
    for (int i = 0; i < count; ++i) {
        auto* fetcher = new RssFilesTemp(owner);
        fetcher->fetch(QStringLiteral("bench%1.jpg").arg(i),
                       QString::fromStdString(server.url("/" + std::to_string(i))));
    }
    while (server.accepted() < before + count)
        QThread::msleep(5);
    QThread::msleep(200); // the requests are out and waiting for an answer
    QElapsedTimer timer;
    timer.start();
    RssFilesTemp::cancelAll(owner); // what the film tab's destructor does first
    delete owner;
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int rounds = 10;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--rounds"));
    if (at > 0 && at + 1 < args.size())
        rounds = std::max(1, args.at(at + 1).toInt());
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toLocal8Bit());

    StalledServer server;
    if (!server.port()) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    for (const int count : {1, 5}) {
        std::vector<double> times;
        for (int round = 0; round < rounds; ++round)
            times.push_back(deleteOwner(server, count));
        std::sort(times.begin(), times.end());
        std::printf("%d stalled fetch%s: deletion took %.1f ms at worst, %.1f ms median "
                    "(%d rounds)\n",
                    count, count == 1 ? "" : "es", times.back(), times[times.size() / 2], rounds);
    }
    return 0;
}
