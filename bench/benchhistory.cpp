// brisko-bench-history: saves and loads a download history of 10 000 queued and 500
// finished downloads, every one with a password, the way the download tab does (the whole
// document built in memory, written atomically; read back into jobs).
//
// Usage: brisko-bench-history [--rounds N] [FOLDER]
//   FOLDER    where the list file goes (default: a fresh temporary folder)
//   --rounds  how many saves and loads to time (default 7)
// Prints key=value lines: entries, file_bytes, save_ms_median, save_ms_max,
// load_ms_median, load_ms_max.
#include "download/downloadhistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kQueued = 10000;
constexpr int kFinished = 500;

QList<DownloadFile*> makeJobs() {
    QList<DownloadFile*> jobs;
    for (int i = 0; i < kQueued + kFinished; ++i) {
        const QString name = QString::fromUtf8("Phim bộ tập %1 - bản đẹp.mkv").arg(i);
        const QString password =
            i % 2 ? QStringLiteral("pass%1").arg(i) : QString::fromUtf8("mật khẩu %1").arg(i);
        auto* job = new DownloadFile(name, QString::fromUtf8("/home/người dùng/Tải về/") + name,
                                     QStringLiteral("C%1").arg(i), QStringLiteral("mô tả"),
                                     QStringLiteral("1"), QStringLiteral("false"),
                                     QStringLiteral("https://www.brisko.vn/file/C%1").arg(i),
                                     password, 734003200 + i);
        const bool finished = i >= kQueued;
        job->setFinished(finished);
        if (!finished)
            job->setSession(QStringLiteral("https://dl.brisko.vn/d/%1/abcdef0123456789").arg(i));
        jobs << job;
    }
    return jobs;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rounds = 7;
    const int roundsAt = args.indexOf(QStringLiteral("--rounds"));
    if (roundsAt >= 0 && roundsAt + 1 < args.size()) {
        rounds = std::max(1, args.at(roundsAt + 1).toInt());
        args.erase(args.begin() + roundsAt, args.begin() + roundsAt + 2);
    }
    QTemporaryDir scratch;
    const QString folder = args.isEmpty() ? scratch.path() : args.first();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot use the folder %s\n", qUtf8Printable(folder));
        return 1;
    }
    const QString path = folder + QStringLiteral("/history.dl.1.xml");

    const QList<DownloadFile*> jobs = makeJobs();
    std::vector<double> saves;
    std::vector<double> loads;
    int loaded = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const auto result = DownloadHistory::write(
            path, DownloadHistory::document(jobs, QStringLiteral("bench@brisko.local")));
        saves.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (result != DownloadHistory::SaveResult::Saved) {
            std::fprintf(stderr, "the save failed\n");
            return 1;
        }
        clock.restart();
        const DownloadHistory::Loaded list = DownloadHistory::load(path, {});
        loads.push_back(double(clock.nsecsElapsed()) / 1e6);
        loaded = list.jobs.size();
        qDeleteAll(list.jobs);
    }
    qDeleteAll(jobs);
    std::printf("entries=%d\n", loaded);
    std::printf("file_bytes=%lld\n", static_cast<long long>(QFileInfo(path).size()));
    std::printf("save_ms_median=%.1f\nsave_ms_max=%.1f\n", median(saves),
                *std::max_element(saves.begin(), saves.end()));
    std::printf("load_ms_median=%.1f\nload_ms_max=%.1f\n", median(loads),
                *std::max_element(loads.begin(), loads.end()));
    return loaded == kQueued + kFinished ? 0 : 1;
}
