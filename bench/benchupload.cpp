#include "bench/benchupload.h"

#include "bench/benchcommon.h"

#include "api/curlhandle.h"
#include "api/sessionapi.h"
#include "core/globals.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "upload/uploadfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

struct Options {
    bool location = false;
    double limitKb = 0;
    int measureSeconds = 0;
    int firstChunk = 0;
    QString ca;
    QStringList rest;
};

int usage(const char* problem) {
    std::fprintf(stderr,
                 "brisko-bench-download: %s\n"
                 "usage: brisko-bench-download --upload [--limit KB] [--measure S] "
                 "[--first-chunk BYTES] [--ca FILE] FILE\n"
                 "       brisko-bench-download --upload-location [--ca FILE] NAME SIZE\n",
                 problem);
    return 2;
}

bool parse(const QStringList& arguments, Options& options) {
    options.location = arguments.contains("--upload-location");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (arg == "--upload" || arg == "--upload-location")
            continue;
        if (arg == "--limit" && hasValue)
            options.limitKb = arguments.at(++i).toDouble(&ok);
        else if (arg == "--measure" && hasValue)
            options.measureSeconds = arguments.at(++i).toInt(&ok);
        else if (arg == "--first-chunk" && hasValue)
            options.firstChunk = arguments.at(++i).toInt(&ok);
        else if (arg == "--ca" && hasValue)
            options.ca = arguments.at(++i);
        else if (arg.startsWith("--"))
            return false;
        else
            options.rest.append(arg);
        if (!ok)
            return false;
    }
    if (options.ca.isEmpty())
        options.ca = QCoreApplication::applicationDirPath() + "/ca.crt";
    return options.rest.size() == (options.location ? 2 : 1);
}

int printLocation(const Options& options) {
    brisko::sessionapi api(&apiClient);
    int secured = 0;
    const std::string location =
        api.upload(options.rest.at(0).toStdString(), options.rest.at(1).toLongLong(), "/", secured);
    if (location.empty()) {
        std::fprintf(stderr, "brisko-bench-download: no upload location: %d %s\n",
                     api.get_error_code(), api.get_error_msg().c_str());
        return 1;
    }
    std::printf("location=%s\n", location.c_str());
    return 0;
}

// Bytes the service holds or is being sent, as the job's progress shows them.
double bytesMoved(const UploadFile& job) {
    return job.progress() * double(job.getSize());
}

} // namespace

bool isUploadMode(const QStringList& arguments) {
    return arguments.contains("--upload") || arguments.contains("--upload-location");
}

int uploadMain(QCoreApplication& app) {
    Options options;
    if (!parse(app.arguments(), options))
        return usage("bad arguments");
    utils::set_ca_path(QFile::encodeName(options.ca).toStdString());
    SettingsStore settings;
    settings.setValue(SettingsKeys::UseUploadLimit, options.limitKb > 0 ? "true" : "false");
    settings.setValue(SettingsKeys::UploadLimit, QString::number(options.limitKb));
    settings.sync();
    if (!benchLogIn())
        return 1;
    if (options.location)
        return printLocation(options);

    const QFileInfo file(options.rest.at(0));
    if (!file.isFile())
        return usage("no such file");
    MegaFile top;
    top.setId("0");
    top.setLinkcode("0");
    top.setName("/");
    UploadFile job(top, file.fileName(), file.absoluteFilePath(), "", "", "");
    job.setFileSecure(false);
    job.setFileDirectLink(false);
    job.setSize(file.size());
    if (options.firstChunk > 0)
        job.setChunkSize(options.firstChunk);

    // The size chosen for each attempt's chunk, read as the attempt begins.
    QMutex chunksMutex;
    QStringList chunkSizes;
    QObject::connect(
        &job, &UploadFile::dataChanged, &app,
        [&](UploadFile* cfile, UploadFile::UploadFileFlags flag) {
            if (flag != UploadFile::StatusChanged || cfile->getStatusText() != "Uploading")
                return;
            QMutexLocker lock(&chunksMutex);
            chunkSizes.append(QString::number(cfile->chunkSize()));
        },
        Qt::DirectConnection);
    QObject::connect(&job, &QThread::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    double rate = 0;
    if (options.measureSeconds > 0) {
        auto start = std::make_shared<std::pair<double, qint64>>();
        QTimer::singleShot(2000, [&, start] { *start = {bytesMoved(job), clock.nsecsElapsed()}; });
        QTimer::singleShot(2000 + options.measureSeconds * 1000, [&, start] {
            const double seconds = double(clock.nsecsElapsed() - start->second) / 1e9;
            rate = (bytesMoved(job) - start->first) / seconds;
            job.stopUpload();
        });
    }
    job.startUpload();
    if (job.isRunning())
        app.exec();
    job.wait();
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    QCoreApplication::processEvents();

    const double bytes = job.isFinished() ? double(job.getSize()) : bytesMoved(job);
    if (options.measureSeconds <= 0)
        rate = bytes / elapsed;
    QMutexLocker lock(&chunksMutex);
    std::printf("bytes=%.0f\nelapsed_s=%.3f\nrate_bps=%.0f\npeak_rss_kib=%lld\nfinished=%d\n"
                "state=%d\nstatus=%s\nlink=%s\nchunk_sizes=%s\n",
                bytes, elapsed, rate, peakRssKib(), job.isFinished() ? 1 : 0, job.getState(),
                qPrintable(job.getStatusText()), qPrintable(job.getMlink()),
                qPrintable(chunkSizes.join(',')));
    return options.measureSeconds > 0 || job.isFinished() ? 0 : 1;
}
