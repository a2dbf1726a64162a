#include "bench/stallmeter.h"

#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kTickMs = 10;

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

StallMeter::StallMeter() {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMs);
    QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
}

void StallMeter::start() {
    late.clear();
    worstCpuMs = 0;
    clock.start();
    last = 0;
    cpuAtStart = lastCpu = threadCpuMs();
    timer.start();
}

void StallMeter::stop() {
    timer.stop();
    // The time since the last tick counts too: a stall that lasts to the end is a stall.
    tick();
    cpuMs = threadCpuMs() - cpuAtStart;
    wallMs = double(clock.nsecsElapsed()) / 1e6;
}

double StallMeter::worst() const {
    return late.empty() ? 0 : *std::max_element(late.begin(), late.end());
}

double StallMeter::percentile(double p) const {
    if (late.empty())
        return 0;
    std::vector<double> sorted = late;
    std::sort(sorted.begin(), sorted.end());
    const auto at = static_cast<size_t>(p * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

void StallMeter::tick() {
    const qint64 now = clock.nsecsElapsed();
    const double cpu = threadCpuMs();
    const double lateness = std::max(0.0, double(now - last) / 1e6 - kTickMs);
    if (late.empty() || lateness > worst())
        worstCpuMs = cpu - lastCpu;
    late.push_back(lateness);
    last = now;
    lastCpu = cpu;
}

bool runUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(20);
    if (!done())
        loop.exec();
    return done();
}

QMessageBox::StandardButton PrintingPrompt::shown(const char* kind, const QString& title,
                                                  const QString& text,
                                                  QMessageBox::StandardButtons buttons) {
    std::fprintf(stderr, "box (%s): %s: %s\n", kind, qPrintable(title), qPrintable(text));
    return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
}
