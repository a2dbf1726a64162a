// brisko-bench-uploadcap: how well the upload speed limit holds, seen from the service.
// Several uploads run through the upload queue (its model and scheduler, as the upload
// tab drives them) into a stand-in in the same process, each file in several chunks; one
// of them is paused and later started again. Every few milliseconds the bytes each upload
// location has received are read from the stand-in, with each job's speed column, and
// the rates are printed: over each upload as a whole, over the stretches between the
// pause and the start, the fastest stretch of a sliding window, and what the speed
// column showed against what arrived. Every chunk keeps the size given; "sending" leaves
// out the pauses between chunks (from a whole chunk held to the next one's first byte).
//
// Usage: brisko-bench-uploadcap [--limit KB] [--size BYTES] [--chunk BYTES] [--uploads N]
//                               [--pause-at S] [--resume-at S] [--window S] [--line BPS]
//                               [--shared-line BPS] [--receive-buffer BYTES] [--trace FILE]
//   --limit KB       the speed limit, kilobytes a second (default 200; 0: none)
//   --size BYTES     size of each file (default 6291456)
//   --chunk BYTES    size of every chunk (default 2097152)
//   --uploads N      uploads queued at once, all running (default 2)
//   --pause-at S     seconds after the start at which the first upload is paused (default
//                    7; 0: never); --resume-at S when it is started again (default 14)
//   --window S       the sliding window for the fastest stretch (default 3)
//   --line BPS       bytes a second the stand-in reads from one connection (default: as
//                    fast as it can), --receive-buffer its receive buffer per connection
//   --shared-line BPS  bytes a second all uploads may send together, as over one uplink
//   --trace FILE     writes every sample: seconds, then per upload received bytes and
//                    the speed column (bytes a second)
// Prints key=value lines; rates are in bytes a second, "ratio" figures are rate / limit.
#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/filecontent.h"
#include "upload/tableuploadmodel.h"
#include "upload/uploadfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSampleMs = 20;

struct Options {
    double limitKb = 200;
    qint64 size = 6 * 1024 * 1024;
    int chunk = 2 * 1024 * 1024;
    int uploads = 2;
    double pauseAt = 7;
    double resumeAt = 14;
    double window = 3;
    std::uint64_t line = 0;
    std::uint64_t sharedLine = 0;
    int receiveBuffer = 0;
    QString trace;
};

bool parse(const QStringList& args, Options& o) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (i + 1 >= args.size())
            return false;
        const QString value = args.at(++i);
        bool ok = true;
        if (arg == "--limit")
            o.limitKb = value.toDouble(&ok);
        else if (arg == "--size")
            o.size = value.toLongLong(&ok);
        else if (arg == "--chunk")
            o.chunk = value.toInt(&ok);
        else if (arg == "--uploads")
            o.uploads = value.toInt(&ok);
        else if (arg == "--pause-at")
            o.pauseAt = value.toDouble(&ok);
        else if (arg == "--resume-at")
            o.resumeAt = value.toDouble(&ok);
        else if (arg == "--window")
            o.window = value.toDouble(&ok);
        else if (arg == "--line")
            o.line = value.toULongLong(&ok);
        else if (arg == "--shared-line")
            o.sharedLine = value.toULongLong(&ok);
        else if (arg == "--receive-buffer")
            o.receiveBuffer = value.toInt(&ok);
        else if (arg == "--trace")
            o.trace = value;
        else
            return false;
        if (!ok)
            return false;
    }
    return o.size > 0 && o.chunk > 0 && o.uploads > 0 && o.window > 0;
}

struct Sample {
    double at;                  // seconds since the queue started
    std::vector<qint64> bytes;  // received by each upload's location
    std::vector<double> column; // each job's speed column
};

// Reads what the stand-in received for each job and what the job shows, until stopped.
class Sampler {
public:
    Sampler(devservice::Service& service, const std::vector<UploadFile*>& jobs)
        : service(service), jobs(jobs) {}

    void start() {
        began = Clock::now();
        thread = std::thread([this] {
            while (!stopping) {
                take();
                std::this_thread::sleep_for(std::chrono::milliseconds(kSampleMs));
            }
            take();
        });
    }
    void stop() {
        stopping = true;
        thread.join();
    }
    double now() const { return std::chrono::duration<double>(Clock::now() - began).count(); }
    const std::vector<Sample>& samples() const { return taken; }

private:
    void take() {
        Sample sample;
        sample.at = now();
        for (UploadFile* job : jobs) {
            const QString url = job->getRealUrl();
            const std::string token = url.mid(url.lastIndexOf('/') + 1).toStdString();
            sample.bytes.push_back(
                token.empty() ? 0 : qint64(service.uploadStore().progress(token).received));
            sample.column.push_back(job->speed());
        }
        taken.push_back(std::move(sample));
    }

    devservice::Service& service;
    std::vector<UploadFile*> jobs;
    Clock::time_point began;
    std::atomic<bool> stopping{false};
    std::thread thread;
    std::vector<Sample> taken;
};

// Bytes of upload `job` received at time `at`, interpolated between samples.
double bytesAt(const std::vector<Sample>& samples, int job, double at) {
    if (samples.empty() || at <= samples.front().at)
        return samples.empty() ? 0 : double(samples.front().bytes[job]);
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i].at >= at) {
            const Sample& a = samples[i - 1];
            const Sample& b = samples[i];
            const double share = (at - a.at) / std::max(1e-9, b.at - a.at);
            return double(a.bytes[job]) + share * double(b.bytes[job] - a.bytes[job]);
        }
    }
    return double(samples.back().bytes[job]);
}

// When upload `job` received its first byte and its last one (-1 when it did not).
std::pair<double, double> activeSpan(const std::vector<Sample>& samples, int job, qint64 size) {
    double first = -1, last = -1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (first < 0 && samples[i].bytes[job] > 0)
            first = i > 0 ? samples[i - 1].at : samples[i].at;
        if (last < 0 && samples[i].bytes[job] >= size)
            last = samples[i].at;
    }
    return {first, last};
}

// Seconds within [from, to] between chunks of upload `job`: from the moment its location
// held a whole chunk to the first byte of the next one (every chunk is `chunk` long).
double idleSeconds(const std::vector<Sample>& samples, int job, double from, double to,
                   qint64 chunk) {
    double idle = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const qint64 held = samples[i - 1].bytes[job];
        if (held == 0 || held % chunk != 0 || samples[i].bytes[job] != held)
            continue;
        // A whole chunk is in: find where the next one starts arriving.
        std::size_t next = i;
        while (next < samples.size() && samples[next].bytes[job] == held)
            ++next;
        if (next == samples.size())
            break;
        const double a = std::max(from, samples[i - 1].at);
        const double b = std::min(to, samples[next - 1].at);
        if (b > a)
            idle += b - a;
        i = next;
    }
    return idle;
}

double rate(const std::vector<Sample>& samples, int job, double from, double to) {
    return to > from ? (bytesAt(samples, job, to) - bytesAt(samples, job, from)) / (to - from) : 0;
}

// The fastest `window` seconds of upload `job` between `from` and `to`.
double fastestWindow(const std::vector<Sample>& samples, int job, double from, double to,
                     double window) {
    double best = 0;
    for (double at = from; at + window <= to; at += 0.05)
        best = std::max(best, rate(samples, job, at, at + window));
    return best;
}

// The speed column's mean over [from, to] against the rate that arrived over the same
// stretch, as a ratio (1: they agree).
double columnAgreement(const std::vector<Sample>& samples, int job, double from, double to) {
    double sum = 0;
    int count = 0;
    for (const Sample& s : samples) {
        if (s.at >= from && s.at <= to) {
            sum += s.column[job];
            ++count;
        }
    }
    const double arrived = rate(samples, job, from, to);
    return count > 0 && arrived > 0 ? sum / count / arrived : 0;
}

void printStretch(const char* name, int job, double from, double to,
                  const std::vector<Sample>& samples, double limit, qint64 chunk) {
    if (to <= from)
        return;
    const double r = rate(samples, job, from, to);
    const double sending = (bytesAt(samples, job, to) - bytesAt(samples, job, from)) /
                           std::max(1e-9, to - from - idleSeconds(samples, job, from, to, chunk));
    std::printf("upload%d_%s=%.1f-%.1fs rate %.0f ratio %.3f sending %.3f column/arrived %.3f\n",
                job, name, from, to, r, limit > 0 ? r / limit : 0.0,
                limit > 0 ? sending / limit : 0.0, columnAgreement(samples, job, from, to));
}

bool logIn(DevServiceFixture& stand, std::string& account) {
    account = stand.service().accounts().findByLogin(devservice::demo::kEmail)->id;
    brisko::user_api api(&apiClient);
    if (!api.login(devservice::demo::kEmail, devservice::demo::kPassword))
        return false;
    currentUser = new RuriDudi(QString::fromStdString(account), devservice::demo::kEmail, "",
                               devservice::demo::kPassword, 5, 1800.0);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("TMPDIR", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    Options o;
    if (!parse(app.arguments(), o)) {
        std::fprintf(stderr,
                     "usage: brisko-bench-uploadcap [--limit KB] [--size BYTES] "
                     "[--chunk BYTES] [--uploads N] [--pause-at S] [--resume-at S] "
                     "[--window S] [--line BPS] [--shared-line BPS] [--receive-buffer BYTES] "
                     "[--trace FILE]\n");
        return 2;
    }
    const double limit = o.limitKb * 1024;
    SettingsStore settings;
    settings.setValue(SettingsKeys::UseUploadLimit, o.limitKb > 0 ? "true" : "false");
    settings.setValue(SettingsKeys::UploadLimit, QString::number(o.limitKb));
    settings.sync();

    DevServiceFixture stand;
    auto options = DevServiceFixture::defaultOptions();
    options.limits.receiveBuffer = o.receiveBuffer;
    std::string account;
    if (!stand.start(options) || !logIn(stand, account)) {
        std::fprintf(stderr, "brisko-bench-uploadcap: the stand-in did not start: %s\n",
                     qPrintable(stand.error()));
        return 1;
    }
    stand.service().uploadStore().setBandwidthCap(o.line);
    stand.service().uploadStore().setSharedBandwidth(o.sharedLine);

    MegaFile top;
    top.setId("0");
    top.setLinkcode("0");
    top.setName("/");
    std::vector<std::unique_ptr<UploadFile>> owned;
    std::vector<UploadFile*> jobs;
    TableUploadModel model;
    model.setMaxThreads(o.uploads);
    for (int i = 0; i < o.uploads; ++i) {
        const QString path = home.filePath(QStringLiteral("upload%1.bin").arg(i));
        QFile file(path);
        const std::string content =
            devservice::generateContent(std::uint64_t(i + 1), 0, std::size_t(o.size));
        if (!file.open(QIODevice::WriteOnly) || file.write(content.data(), o.size) != o.size)
            return 1;
        file.close();
        owned.push_back(std::make_unique<UploadFile>(top, file.fileName().section('/', -1), path,
                                                     QString(), QString(), QString()));
        UploadFile* job = owned.back().get();
        job->setFileSecure(false);
        job->setFileDirectLink(false);
        job->setSize(o.size);
        job->setChunkSize(o.chunk);
        // Every chunk keeps the size, so a file of a few megabytes comes in several chunks
        // (the engine would grow them towards a minute of sending each).
        QObject::connect(
            job, &UploadFile::dataChanged, job,
            [chunk = o.chunk](UploadFile* cfile, UploadFile::UploadFileFlags flag) {
                if (flag == UploadFile::StatusChanged && cfile->getState() == 0)
                    cfile->setChunkSize(chunk);
            },
            Qt::DirectConnection);
        jobs.push_back(job);
        model.addJob(job);
    }

    Sampler sampler(stand.service(), jobs);
    double pausedAt = -1, resumedAt = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        bool allDone = true;
        for (UploadFile* job : jobs)
            allDone = allDone && job->isFinished() && !job->isRunning();
        if (allDone || sampler.now() > 600)
            app.quit();
    });
    if (o.pauseAt > 0 && o.uploads > 1) {
        QTimer::singleShot(int(o.pauseAt * 1000), [&] {
            pausedAt = sampler.now();
            uploadStoppedByUser = true;
            model.stopItem(model.getJobs().indexOf(jobs[0]));
        });
        QTimer::singleShot(int(o.resumeAt * 1000), [&] {
            resumedAt = sampler.now();
            uploadStoppedByUser = false;
            model.queueItem(model.getJobs().indexOf(jobs[0]));
        });
    }
    sampler.start();
    model.queueItem(-1);
    watch.start(50);
    app.exec();
    sampler.stop();
    for (UploadFile* job : jobs)
        job->wait();

    const std::vector<Sample>& samples = sampler.samples();
    std::printf(
        "limit_bps=%.0f\nsize=%lld\nchunk=%d\nuploads=%d\npaused_at=%.2f\nresumed_at=%.2f\n", limit,
        o.size, o.chunk, o.uploads, pausedAt, resumedAt);
    double worstWhole = 0, worstWindow = 0;
    for (int i = 0; i < o.uploads; ++i) {
        const auto [first, last] = activeSpan(samples, i, o.size);
        const double end = last > 0 ? last : samples.back().at;
        // The paused upload's whole rate leaves its pause out.
        const bool paused = i == 0 && pausedAt > 0;
        const double idle = paused ? resumedAt - pausedAt : 0;
        const double whole = (bytesAt(samples, i, end) - bytesAt(samples, i, first)) /
                             std::max(1e-9, end - first - idle);
        // Its pauses between chunks too, but not the pause again: stopped between two
        // chunks, it holds a whole chunk all through it.
        const double betweenChunks = paused ? idleSeconds(samples, i, first, pausedAt, o.chunk) +
                                                  idleSeconds(samples, i, resumedAt, end, o.chunk)
                                            : idleSeconds(samples, i, first, end, o.chunk);
        const double sending = (bytesAt(samples, i, end) - bytesAt(samples, i, first)) /
                               std::max(1e-9, end - first - idle - betweenChunks);
        const double fastest = fastestWindow(samples, i, first, end, o.window);
        std::printf("upload%d_finished=%d\nupload%d_span_s=%.2f\nupload%d_whole=rate %.0f ratio "
                    "%.3f sending %.3f column/arrived %.3f\nupload%d_fastest_%gs=rate %.0f ratio "
                    "%.3f\n",
                    i, jobs[i]->isFinished() ? 1 : 0, i, end - first, i, whole,
                    limit > 0 ? whole / limit : 0.0, limit > 0 ? sending / limit : 0.0,
                    columnAgreement(samples, i, first, end), i, o.window, fastest,
                    limit > 0 ? fastest / limit : 0.0);
        // The stretches between the other upload's pause and start.
        if (pausedAt > 0) {
            const double cuts[] = {first, pausedAt, resumedAt, end};
            const char* names[] = {"before_pause", "while_paused", "after_start"};
            for (int s = 0; s < 3; ++s)
                printStretch(names[s], i, std::max(first, cuts[s]), std::min(end, cuts[s + 1]),
                             samples, limit, o.chunk);
        }
        worstWhole = std::max(worstWhole, whole);
        worstWindow = std::max(worstWindow, fastest);
    }
    if (limit > 0)
        std::printf("worst_whole_ratio=%.3f\nworst_window_ratio=%.3f\n", worstWhole / limit,
                    worstWindow / limit);
    if (!o.trace.isEmpty()) {
        if (std::FILE* out = std::fopen(QFile::encodeName(o.trace).constData(), "w")) {
            for (const Sample& s : samples) {
                std::fprintf(out, "%.3f", s.at);
                for (std::size_t i = 0; i < s.bytes.size(); ++i)
                    std::fprintf(out, " %lld %.0f", s.bytes[i], s.column[i]);
                std::fprintf(out, "\n");
            }
            std::fclose(out);
        }
    }
    delete currentUser;
    currentUser = nullptr;
    return 0;
}
