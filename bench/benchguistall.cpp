// brisko-bench-guistall: how long the GUI thread of the download tab stalls while it
// works. The real tab runs offscreen against the stand-in in this process, and a 10 ms
// timer on the GUI thread records how late each of its ticks comes. Three situations:
//   a) 10 downloads at full speed into a folder on disk, 20 completions in all, with
//      10 000 queued entries in the history (every completion rewrites the history);
//   b) "Start all" of 10 downloads while the service takes 50 ms to hand out each
//      download location;
//   c) 10 steady transfers, held to a rate, measured after they are under way.
// For each it prints the worst and the 99th-percentile lateness, and the GUI thread's
// own CPU time (its work, as against waiting for a CPU on a loaded machine).
//
// Usage: brisko-bench-guistall [--dir FOLDER] [--size BYTES] [--rate BYTES_PER_SECOND]
//                              [--steady S] [--only a|b|c]
//   --dir     where the downloads and the history go; give a folder on a real disk
//             (default: a new folder in the current one)
//   --size    bytes of each download of (a) (default 33554432)
//   --rate    per-download rate of (c) (default 2097152)
//   --steady  seconds measured in (c) (default 10)
#include "api/userapi.h"
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
constexpr int kTickMs = 10;
constexpr int kQueuedEntries = 10000;

struct Options {
    QString dir;
    qint64 size = 32 << 20;
    qint64 rate = 2 << 20;
    int steadySeconds = 10;
    QString only;
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Lateness of a 10 ms timer on the thread that runs it.
class StallMeter {
public:
    StallMeter() {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(kTickMs);
        QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
    }

    void start() {
        late.clear();
        worstCpuMs = 0;
        clock.start();
        last = 0;
        cpuAtStart = lastCpu = threadCpuMs();
        timer.start();
    }

    void stop() {
        timer.stop();
        cpuMs = threadCpuMs() - cpuAtStart;
        wallMs = double(clock.nsecsElapsed()) / 1e6;
    }

    double worst() const { return late.empty() ? 0 : *std::max_element(late.begin(), late.end()); }
    double percentile(double p) const {
        if (late.empty())
            return 0;
        std::vector<double> sorted = late;
        std::sort(sorted.begin(), sorted.end());
        const auto at = static_cast<size_t>(p * double(sorted.size() - 1) + 0.5);
        return sorted[std::min(at, sorted.size() - 1)];
    }
    size_t ticks() const { return late.size(); }

    double cpuMs = 0;
    double wallMs = 0;
    // What the GUI thread itself computed during the worst interval.
    double worstCpuMs = 0;

private:
    void tick() {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = threadCpuMs();
        const double lateness = std::max(0.0, double(now - last) / 1e6 - kTickMs);
        if (late.empty() || lateness > worst())
            worstCpuMs = cpu - lastCpu;
        late.push_back(lateness);
        last = now;
        lastCpu = cpu;
    }

    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double cpuAtStart = 0;
    double lastCpu = 0;
    std::vector<double> late;
};

// Answers every box at once with its default and says what it was.
class PrintingPrompt : public UserPrompt {
public:
    QMessageBox::StandardButton information(QWidget*, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons,
                                            QMessageBox::StandardButton) override {
        return shown("information", title, text);
    }
    QMessageBox::StandardButton warning(QWidget*, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override {
        return shown("warning", title, text);
    }
    QMessageBox::StandardButton critical(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override {
        return shown("critical", title, text);
    }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override {
        return shown("question", title, text);
    }
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList openFiles(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }

private:
    static QMessageBox::StandardButton shown(const char* kind, const QString& title,
                                             const QString& text) {
        std::fprintf(stderr, "box (%s): %s: %s\n", kind, qPrintable(title), qPrintable(text));
        return QMessageBox::Ok;
    }
};

// Runs the event loop until `done` holds or the time is up; false on time-out.
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

class Bench {
public:
    explicit Bench(const Options& options) : options(options) {}

    bool setUp();
    void tearDown();
    void scenarioCompletions();
    void scenarioStartAll();
    void scenarioSteady();

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
    serviceOptions.seedDemoAccount = false;
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
                 "[--rate BYTES_PER_SECOND] [--steady S] [--only a|b|c]\n",
                 problem);
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
        else if (arg == "--only")
            options.only = value;
        else
            return false;
        if (!ok)
            return false;
    }
    return options.size > 0 && options.rate > 0 && options.steadySeconds > 0;
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
    bench.tearDown();
    UserPrompt::install(nullptr);
    return 0;
}
