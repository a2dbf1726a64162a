// brisko-bench-guistall: how long the GUI thread stalls while the windows work. The real
// windows run offscreen against the stand-in in this process, and a 10 ms timer on the GUI
// thread records how late each of its ticks comes. Three situations of the download tab:
//   a) 10 downloads at full speed into a folder on disk, 20 completions in all, with
//      10 000 queued entries in the history (every completion rewrites the history);
//   b) "Start all" of 10 downloads while the service takes 50 ms to hand out each
//      download location;
//   c) 10 steady transfers, held to a rate, measured after they are under way.
// For each it prints the worst and the 99th-percentile lateness, and the GUI thread's
// own CPU time (its work, as against waiting for a CPU on a loaded machine).
// Then one case per window action that asks the service something (guistallwindows.cpp),
// with every API reply held back --latency ms, and the worst stall of each.
//
// Usage: brisko-bench-guistall [--dir FOLDER] [--size BYTES] [--rate BYTES_PER_SECOND]
//                              [--steady S] [--latency MS] [--only a|b|c|windows|CASE]
//   --dir     where the downloads and the history go; give a folder on a real disk
//             (default: a new folder in the current one)
//   --size    bytes of each download of (a) (default 33554432)
//   --rate    per-download rate of (c) (default 2097152)
//   --steady  seconds measured in (c) (default 10)
//   --latency how long the window cases' service holds back each API reply (default 300)
//   --only    one situation, all window cases ("windows") or one of them by name
#include "api/userapi.h"
#include "bench/guistallwindows.h"
#include "bench/stallmeter.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "tests/support/devservicefixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

const char kEmail[] = "stall@brisko.local";
const char kPassword[] = "stall-password";
const char kSessionPath[] = "/api/session/download";
constexpr int kQueuedEntries = 10000;

struct Options {
    QString dir;
    qint64 size = 32 << 20;
    qint64 rate = 2 << 20;
    int steadySeconds = 10;
    int latencyMs = 300;
    QString only;
};

class Bench {
public:
    explicit Bench(const Options& options) : options(options) {}

    bool setUp();
    void tearDown();
    void scenarioCompletions();
    void scenarioStartAll();
    void scenarioSteady();
    void windowCases(const QString& only) { runWindowCases(fixture, options.latencyMs, only); }

private:
    struct Remote {
        QString name;
        QString link;
        qint64 size;
    };

    std::vector<Remote> addFiles(const QString& prefix, int count, qint64 size);
    // Writes the history the tab will load: the downloads, then `filler` idle entries.
    bool writeHistory(const std::vector<Remote>& files, const QString& folder, int filler);
    std::unique_ptr<FormDownload> openTab();
    void closeTab(std::unique_ptr<FormDownload> tab, const char* scenario);
    void report(const char* scenario, const StallMeter& meter, const QString& extra);
    QString historyPath() const;

    template <typename T> T* child(FormDownload& tab, const char* name) {
        return tab.findChild<T*>(QString::fromLatin1(name));
    }

    const Options& options;
    DevServiceFixture fixture;
    std::string accountId;
    int seed = 1;
};

bool Bench::setUp() {
    devservice::ServiceOptions serviceOptions = DevServiceFixture::defaultOptions();
    serviceOptions.seedDemoAccount = true; // the window cases' account
    serviceOptions.requestLogLimit = 1000;
    if (!fixture.start(serviceOptions)) {
        std::fprintf(stderr, "brisko-bench-guistall: the stand-in did not start: %s\n",
                     qPrintable(fixture.error()));
        return false;
    }

    devservice::Account account;
    account.email = kEmail;
    account.password = kPassword;
    account.profile["level"] = "5"; // no wait before transfers
    accountId = fixture.service().accounts().add(account);
    brisko::user_api login(&apiClient);
    if (!login.login(kEmail, kPassword)) {
        std::fprintf(stderr, "brisko-bench-guistall: login failed\n");
        return false;
    }
    currentUser = new RuriDudi(QString::fromStdString(accountId), kEmail, QString(), kPassword,
                               5, 0);
    // The history lands beside the "program", in the folder measured.
    platform::setProgramFilePathOverride(QDir(options.dir).filePath("briskotool"));
    SettingsStore settings;
    settings.setValue(SettingsKeys::DownloadThreads, QStringLiteral("10"));
    settings.setValue(SettingsKeys::AutoDownload, QStringLiteral("false"));
    settings.setValue(SettingsKeys::UseDownloadLimit, QStringLiteral("false"));
    settings.sync();
    return true;
}

void Bench::tearDown() {
    delete currentUser;
    currentUser = nullptr;
    fixture.stop();
}

QString Bench::historyPath() const {
    return downloadHistoryFilePath(QString::fromStdString(accountId).toLongLong());
}

std::vector<Bench::Remote> Bench::addFiles(const QString& prefix, int count, qint64 size) {
    std::vector<Remote> added;
    for (int i = 0; i < count; ++i) {
        devservice::FileEntry entry;
        entry.name = QStringLiteral("%1-%2.bin").arg(prefix).arg(i, 2, 10, QChar('0')).toStdString();
        entry.size = static_cast<std::uint64_t>(size);
        entry.seed = static_cast<std::uint64_t>(seed++);
        const auto file = fixture.service().files().addFile(accountId, "/", entry);
        if (!file)
            continue;
        added.push_back({QString::fromStdString(entry.name),
                         QStringLiteral("https://www.localhost:%1/file/%2")
                             .arg(fixture.port())
                             .arg(QString::fromStdString(file->linkcode)),
                         size});
    }
    return added;
}

bool Bench::writeHistory(const std::vector<Remote>& files, const QString& folder, int filler) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QList<DownloadFile*> jobs;
    for (const Remote& file : files)
        jobs.append(new DownloadFile(file.name, QDir(folder).filePath(file.name), QString(),
                                     QString(), QStringLiteral("1"), QStringLiteral("false"),
                                     file.link, QString(), file.size));
    for (int i = 0; i < filler; ++i) {
        const QString name = QStringLiteral("queued-%1.mkv").arg(i, 5, 10, QChar('0'));
        jobs.append(new DownloadFile(
            name, QDir(folder).filePath(name), QString(), QStringLiteral("a queued download"),
            QStringLiteral("1"), QStringLiteral("false"),
            QStringLiteral("https://www.localhost:1/file/Q%1").arg(i), QString(), 734003200));
    }
    const QString path = historyPath();
    const bool ok = DownloadHistory::write(path, DownloadHistory::document(jobs, kEmail)) ==
                    DownloadHistory::SaveResult::Saved;
    qDeleteAll(jobs);
    return ok;
}

std::unique_ptr<FormDownload> Bench::openTab() {
    auto tab = std::make_unique<FormDownload>(nullptr);
    tab->resize(1200, 700);
    tab->show();
    tab->setDownloadThreads(10);
    // Shown and painted before anything is measured.
    runUntil([] { return false; }, 500);
    return tab;
}

void Bench::closeTab(std::unique_ptr<FormDownload> tab, const char* scenario) {
    // Closing is what a logout does: the last save, the jobs stopped.
    QElapsedTimer clock;
    clock.start();
    tab.reset();
    std::printf("%s: closing the tab took %.1f ms\n", scenario, double(clock.nsecsElapsed()) / 1e6);
    QCoreApplication::processEvents();
}

void Bench::report(const char* scenario, const StallMeter& meter, const QString& extra) {
    std::printf("%s: worst %.1f ms (GUI thread CPU in it %.1f ms), p99 %.1f ms over %zu ticks "
                "in %.0f ms; GUI thread CPU %.0f ms; %s\n",
                scenario, meter.worst(), meter.worstCpuMs, meter.percentile(0.99), meter.ticks(),
                meter.wallMs, meter.cpuMs, qPrintable(extra));
    std::fflush(stdout);
}

void Bench::scenarioCompletions() {
    const QString folder = QDir(options.dir).filePath(QStringLiteral("a"));
    const std::vector<Remote> files = addFiles(QStringLiteral("full"), 20, options.size);
    if (files.size() != 20 || !writeHistory(files, folder, kQueuedEntries)) {
        std::fprintf(stderr, "(a): cannot prepare the files\n");
        return;
    }
    std::unique_ptr<FormDownload> tab = openTab();
    int completed = 0;
    QObject::connect(tab.get(), qOverload<DownloadFile*>(&FormDownload::filedownloadDone),
                     [&completed](DownloadFile*) { ++completed; });
    auto* table = child<QTableView>(*tab, "tableDownloading");
    table->selectionModel()->select(
        QItemSelection(table->model()->index(0, 0), table->model()->index(19, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    StallMeter meter;
    meter.start();
    QTimer::singleShot(100, tab.get(), [&tab] { tab->on_btnStart_clicked(); });
    const bool done = runUntil([&] { return completed >= 20; }, 600000);
    meter.stop();
    report("(a) 20 completions, 10 at once, 10000 queued",
           meter, QStringLiteral("%1 of 20 completed%2").arg(completed).arg(done ? "" : ", TIMED OUT"));
    closeTab(std::move(tab), "(a)");
    QDir(folder).removeRecursively();
}

void Bench::scenarioStartAll() {
    const QString folder = QDir(options.dir).filePath(QStringLiteral("b"));
    const std::vector<Remote> files = addFiles(QStringLiteral("start"), 10, 1 << 20);
    if (files.size() != 10 || !writeHistory(files, folder, 0)) {
        std::fprintf(stderr, "(b): cannot prepare the files\n");
        return;
    }
    std::unique_ptr<FormDownload> tab = openTab();
    int completed = 0;
    QObject::connect(tab.get(), qOverload<DownloadFile*>(&FormDownload::filedownloadDone),
                     [&completed](DownloadFile*) { ++completed; });
    for (int i = 0; i < 10; ++i)
        fixture.service().faults().next(kSessionPath,
                                        devservice::Fault::wait(std::chrono::milliseconds(50)));

    StallMeter meter;
    meter.start();
    QTimer::singleShot(100, tab.get(),
                       [&] { child<QAbstractButton>(*tab, "btnStartAll")->click(); });
    const bool done = runUntil([&] { return completed >= 10; }, 120000);
    meter.stop();
    report("(b) start all of 10, 50 ms per location", meter,
           QStringLiteral("%1 of 10 completed%2").arg(completed).arg(done ? "" : ", TIMED OUT"));
    closeTab(std::move(tab), "(b)");
    fixture.service().faults().clear();
    QDir(folder).removeRecursively();
}

void Bench::scenarioSteady() {
    const QString folder = QDir(options.dir).filePath(QStringLiteral("c"));
    const qint64 size = options.rate * (options.steadySeconds + 30) + (1 << 20);
    const std::vector<Remote> files = addFiles(QStringLiteral("steady"), 10, size);
    if (files.size() != 10 || !writeHistory(files, folder, 0)) {
        std::fprintf(stderr, "(c): cannot prepare the files\n");
        return;
    }
    fixture.service().locationFaults().setBandwidth(static_cast<std::uint64_t>(options.rate));
    std::unique_ptr<FormDownload> tab = openTab();
    double lastSpeed = 0;
    QObject::connect(tab.get(), &FormDownload::speedUpdate,
                     [&lastSpeed](double speed) { lastSpeed = speed; });
    child<QAbstractButton>(*tab, "btnStartAll")->click();
    // Measured once every transfer is under way.
    const bool going = runUntil([&] { return tab->countRunningDownloads() == 10 && lastSpeed > 0; },
                                60000);
    runUntil([] { return false; }, 2000);
    StallMeter meter;
    meter.start();
    runUntil([] { return false; }, options.steadySeconds * 1000);
    meter.stop();
    report("(c) 10 steady transfers", meter,
           QStringLiteral("%1 MiB/s in all%2")
               .arg(lastSpeed / 1048576.0, 0, 'f', 1)
               .arg(going ? "" : ", NOT ALL RUNNING"));
    child<QAbstractButton>(*tab, "btnPauseAll")->click();
    runUntil([&] { return tab->countRunningDownloads() == 0; }, 30000);
    closeTab(std::move(tab), "(c)");
    fixture.service().locationFaults().setBandwidth(0);
    QDir(folder).removeRecursively();
}

int usage(const char* problem) {
    std::fprintf(stderr,
                 "brisko-bench-guistall: %s\n"
                 "usage: brisko-bench-guistall [--dir FOLDER] [--size BYTES] "
                 "[--rate BYTES_PER_SECOND] [--steady S] [--latency MS]\n"
                 "       [--only a|b|c|windows|%s]\n",
                 problem, qPrintable(windowCaseNames().join(QLatin1Char('|'))));
    return 2;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (i + 1 >= argc)
            return false;
        const QString value = QString::fromLocal8Bit(argv[++i]);
        bool ok = true;
        if (arg == "--dir")
            options.dir = value;
        else if (arg == "--size")
            options.size = value.toLongLong(&ok);
        else if (arg == "--rate")
            options.rate = value.toLongLong(&ok);
        else if (arg == "--steady")
            options.steadySeconds = value.toInt(&ok);
        else if (arg == "--latency")
            options.latencyMs = value.toInt(&ok);
        else if (arg == "--only")
            options.only = value;
        else
            return false;
        if (!ok)
            return false;
    }
    const QStringList only = QStringList{"", "a", "b", "c", "windows"} + windowCaseNames();
    return options.size > 0 && options.rate > 0 && options.steadySeconds > 0 &&
           options.latencyMs >= 0 && only.contains(options.only);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options))
        return usage("bad arguments");
    std::unique_ptr<QTemporaryDir> scratch;
    if (options.dir.isEmpty()) {
        scratch = std::make_unique<QTemporaryDir>(QDir::current().filePath("guistall-XXXXXX"));
        options.dir = scratch->path();
    }
    if (!QDir().mkpath(options.dir))
        return usage("cannot make the folder");
    options.dir = QDir(options.dir).absolutePath();
    // Settings and data of its own, and no display needed.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(options.dir).filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(options.dir).filePath("data")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* proxy : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY"})
        qunsetenv(proxy);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Brisko");
    QCoreApplication::setApplicationName("Brisko Tool");
    PrintingPrompt prompt;
    UserPrompt::install(&prompt);

    Bench bench(options);
    if (!bench.setUp())
        return 1;
    std::printf("GUI stalls of the download tab (10 ms timer), folder %s\n",
                qPrintable(options.dir));
    if (options.only.isEmpty() || options.only == "a")
        bench.scenarioCompletions();
    if (options.only.isEmpty() || options.only == "b")
        bench.scenarioStartAll();
    if (options.only.isEmpty() || options.only == "c")
        bench.scenarioSteady();
    if (options.only.isEmpty() || options.only == "windows")
        bench.windowCases(QString());
    else if (windowCaseNames().contains(options.only))
        bench.windowCases(options.only);
    bench.tearDown();
    UserPrompt::install(nullptr);
    return 0;
}
