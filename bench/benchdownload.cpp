// brisko-bench-download: downloads service links headless through the program's own
// download engine (jobs and queue model, no widgets), so the engine can be measured
// against any server.
//
// Usage: brisko-bench-download [options] OUTPUT_FOLDER LINK...
//   --threads N      parallel downloads (default 1)
//   --copies N       download each link N times, into name.1, name.2, ... (default 1)
//   --limit KB       speed limit per download in kilobytes a second (default none)
//   --measure S      measure the summed rate over S seconds after a 2-second warm-up,
//                    then stop (default: run to the end)
//   --ca FILE        CA bundle (default: ca.crt beside the program)
// Environment: BRISKO_BENCH_EMAIL and BRISKO_BENCH_PASSWORD (the account), and the
// host variables BRISKO_API_HOST, BRISKO_WEB_HOST (see README).
// Prints key=value lines: jobs, completed, bytes, elapsed_s, rate_bps, peak_rss_kib.
// With --upload or --upload-location among the arguments, it uploads instead
// (benchupload.h).
#include "api/curlhandle.h"
#include "api/fileapi.h"
#include "bench/benchcommon.h"
#include "bench/benchupload.h"
#include "core/globals.h"
#include "download/tabledownloadmodel.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

struct Options {
    int threads = 1;
    int copies = 1;
    double limitKb = 0;
    int measureSeconds = 0;
    QString ca;
    QString output;
    QStringList links;
};

int usage(const char* problem) {
    std::fprintf(stderr,
                 "brisko-bench-download: %s\n"
                 "usage: brisko-bench-download [--threads N] [--copies N] [--limit KB] "
                 "[--measure S] [--ca FILE] OUTPUT_FOLDER LINK...\n",
                 problem);
    return 2;
}

bool parse(const QStringList& arguments, Options& options) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (arg == "--threads" && hasValue)
            options.threads = arguments.at(++i).toInt(&ok);
        else if (arg == "--copies" && hasValue)
            options.copies = arguments.at(++i).toInt(&ok);
        else if (arg == "--limit" && hasValue)
            options.limitKb = arguments.at(++i).toDouble(&ok);
        else if (arg == "--measure" && hasValue)
            options.measureSeconds = arguments.at(++i).toInt(&ok);
        else if (arg == "--ca" && hasValue)
            options.ca = arguments.at(++i);
        else if (arg.startsWith("--"))
            return false;
        else if (options.output.isEmpty())
            options.output = arg;
        else
            options.links.append(arg);
        if (!ok)
            return false;
    }
    if (options.ca.isEmpty())
        options.ca = QCoreApplication::applicationDirPath() + "/ca.crt";
    return !options.output.isEmpty() && !options.links.isEmpty() && options.threads > 0 &&
           options.copies > 0;
}

// One job per link and copy, named as the service names the file.
QList<DownloadFile*> makeJobs(const Options& options) {
    QList<DownloadFile*> jobs;
    for (const QString& link : options.links) {
        brisko::file_api api(&apiClient);
        std::unique_ptr<brisko::file> record(api.get(link.toStdString()));
        if (!record) {
            std::fprintf(stderr, "brisko-bench-download: no file behind %s\n", qPrintable(link));
            continue;
        }
        const QString name = QString::fromStdString(record->get_name());
        for (int copy = 1; copy <= options.copies; ++copy) {
            const QString local = options.copies == 1 ? name : name + "." + QString::number(copy);
            jobs.append(new DownloadFile(local, QDir(options.output).filePath(local),
                                         QString::fromStdString(record->get_linkcode()), "",
                                         QString::fromStdString(record->get_type()), "false", link,
                                         "", record->get_size()));
        }
    }
    return jobs;
}

double bytesMoved(const QList<DownloadFile*>& jobs) {
    double bytes = 0;
    for (const DownloadFile* job : jobs)
        bytes += job->progress() * double(job->getSize());
    return bytes;
}

bool allEnded(const QList<DownloadFile*>& jobs, const TableDownloadModel& model) {
    if (model.runningCount() > 0 || !model.getPendingJobs().isEmpty())
        return false;
    for (const DownloadFile* job : jobs) {
        if (job->isRunning())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Brisko");
    QCoreApplication::setApplicationName("Brisko Tool");
    if (isUploadMode(app.arguments()))
        return uploadMain(app);
    Options options;
    if (!parse(app.arguments(), options))
        return usage("bad arguments");
    if (!QDir().mkpath(options.output))
        return usage("cannot make the output folder");
    utils::set_ca_path(QFile::encodeName(options.ca).toStdString());

    SettingsStore settings;
    settings.setValue(SettingsKeys::UseDownloadLimit, options.limitKb > 0 ? "true" : "false");
    settings.setValue(SettingsKeys::DownloadLimit, QString::number(options.limitKb));
    settings.sync();

    if (!benchLogIn())
        return 1;
    const QList<DownloadFile*> jobs = makeJobs(options);
    if (jobs.isEmpty())
        return 1;

    auto model = std::make_unique<TableDownloadModel>();
    model->setMaxThreads(options.threads);
    int completed = 0;
    QObject::connect(model.get(), &TableDownloadModel::downloadComplete,
                     [&completed](DownloadFile*) { ++completed; });
    model->addJobs(jobs);

    QElapsedTimer clock;
    clock.start();
    double rate = 0;
    model->queueItem(-1);
    if (options.measureSeconds > 0) {
        auto start = std::make_shared<std::pair<double, qint64>>();
        QTimer::singleShot(2000, [&, start] { *start = {bytesMoved(jobs), clock.nsecsElapsed()}; });
        QTimer::singleShot(2000 + options.measureSeconds * 1000, [&, start] {
            const double seconds = double(clock.nsecsElapsed() - start->second) / 1e9;
            rate = (bytesMoved(jobs) - start->first) / seconds;
            model->stopItem(-1);
        });
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (allEnded(jobs, *model))
            app.quit();
    });
    poll.start(20);
    app.exec();
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    QCoreApplication::processEvents();

    const double bytes = bytesMoved(jobs);
    if (options.measureSeconds <= 0)
        rate = bytes / elapsed;
    std::printf("jobs=%d\ncompleted=%d\nbytes=%.0f\nelapsed_s=%.3f\nrate_bps=%.0f\n"
                "peak_rss_kib=%lld\n",
                int(jobs.size()), completed, bytes, elapsed, rate, peakRssKib());
    for (const DownloadFile* job : jobs) {
        if (job->getState() != DownloadFile::StateIdle || !job->isFinished())
            std::printf("job %s: state %d, %s\n", qPrintable(job->getName()), job->getState(),
                        qPrintable(job->getStatusText()));
    }
    model.reset();
    qDeleteAll(jobs);
    return options.measureSeconds > 0 || completed == jobs.size() ? 0 : 1;
}
