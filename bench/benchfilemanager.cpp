// brisko-bench-filemanager: the file manager tab showing a folder of 20 000 entries, which
// the in-process stand-in lists as ten full pages of 2 000 and a last empty page.
// Measures, per run, the time from the arrival of the last page to the filled table, and
// the longest time the GUI thread did not get round to a 1 ms timer while the folder was
// loaded and shown. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
//     brisko-bench-filemanager [runs]
#include "bench/benchcommon.h"
#include "core/globals.h"
#include "filemanager/formmanage.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int kEntries = 20000;
const char kFolder[] = "Thư mục lớn";

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

bool idle(FormManage& tab) {
    return tab.findChild<QTableView*>("tableManage")->isEnabled() &&
           !tab.findChild<QLabel*>("img_loading")->isVisible();
}

void waitIdle(FormManage& tab) {
    do
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    while (!idle(tab));
}

struct Run {
    double toFilled = 0;
    double longestStall = 0;
};

// Opens the big folder from the tree and measures until its rows are in the view.
Run measure(FormManage& tab, DevServiceFixture& service, const std::string& listPath) {
    auto* tree = tab.findChild<QTreeWidget*>("treeWidgetFolder");
    auto* table = tab.findChild<QTableView*>("tableManage");
    tab.resetToRootFolder();
    waitIdle(tab);
    QTreeWidgetItem* big = nullptr;
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
        if (tree->topLevelItem(0)->child(i)->text(0) == QString::fromUtf8(kFolder))
            big = tree->topLevelItem(0)->child(i);
    if (!big) {
        std::fprintf(stderr, "brisko-bench-filemanager: the big folder is not listed\n");
        std::exit(1);
    }

    // The last page's request, seen by the stand-in; its reply ("[]") follows at once.
    const size_t before = service.service().requests().forPath(listPath).size();
    std::atomic<bool> stop{false};
    std::atomic<Clock::rep> lastPage{0};
    std::thread watcher([&] {
        while (!stop) {
            if (service.service().requests().forPath(listPath).size() >= before + 11) {
                lastPage = Clock::now().time_since_epoch().count();
                return;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    Clock::time_point previousTick = Clock::now();
    double longestStall = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longestStall = std::max(longestStall, msBetween(previousTick, now));
        previousTick = now;
    });
    Clock::time_point filled;
    bool done = false;
    QMetaObject::Connection reset =
        QObject::connect(table->model(), &QAbstractItemModel::modelReset, [&] {
            // Filled once the view has laid out and painted the new rows.
            QTimer::singleShot(0, [&] {
                table->viewport()->repaint();
                filled = Clock::now();
                done = true;
            });
        });
    ticker.start(1);
    previousTick = Clock::now();
    tree->setCurrentItem(big);
    emit tree->itemClicked(big, 0);
    while (!done || !idle(tab))
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    ticker.stop();
    QObject::disconnect(reset);
    stop = true;
    watcher.join();
    if (table->model()->rowCount() != kEntries || lastPage == 0) {
        std::fprintf(stderr, "brisko-bench-filemanager: %d rows shown\n",
                     table->model()->rowCount());
        std::exit(1);
    }
    Run run;
    run.toFilled = msBetween(Clock::time_point(Clock::duration(lastPage.load())), filled);
    run.longestStall = longestStall;
    return run;
}

void report(const char* what, std::vector<Run> runs) {
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::vector<double> filled, stalls;
    for (const Run& r : runs) {
        filled.push_back(r.toFilled);
        stalls.push_back(r.longestStall);
    }
    std::printf("%-26s last page -> filled table: median %7.1f ms, worst %7.1f ms; "
                "longest GUI stall: median %6.1f ms, worst %6.1f ms\n",
                what, median(filled), *std::max_element(filled.begin(), filled.end()),
                median(stalls), *std::max_element(stalls.begin(), stalls.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    DevServiceFixture service;
    if (!service.start())
        return 1;
    const auto account = service.service().accounts().findByLogin(devservice::demo::kEmail);
    const std::string accountId = account ? account->id : std::string();
    if (!service.service().files().addFolder(accountId, "/", kFolder))
        return 1;
    for (int i = 0; i < kEntries; ++i) {
        devservice::FileEntry entry;
        entry.name = "tập tin " + std::to_string(i) + ".bin";
        entry.size = 1000 + static_cast<std::uint64_t>(i) * 37;
        entry.created = 1704067200 + i;
        entry.downloads = i % 50;
        service.service().files().addFile(accountId, std::string("/") + kFolder, entry);
    }
    qputenv("BRISKO_BENCH_EMAIL", devservice::demo::kEmail);
    qputenv("BRISKO_BENCH_PASSWORD", devservice::demo::kPassword);
    if (!benchLogIn())
        return 1;
    const std::string listPath =
        "/api/fileops/list" +
        QUrl::toPercentEncoding(QString::fromUtf8("/") + QString::fromUtf8(kFolder)).toStdString();

    FormManage tab;
    tab.resize(1200, 700);
    tab.show();
    auto* table = tab.findChild<QTableView*>("tableManage");
    std::vector<Run> plain, sorted;
    for (int i = 0; i < runs; ++i)
        plain.push_back(measure(tab, service, listPath));
    // The user has sorted by name (descending puts the files first): every fill sorts.
    table->sortByColumn(1, Qt::DescendingOrder);
    for (int i = 0; i < runs; ++i)
        sorted.push_back(measure(tab, service, listPath));
    std::printf("brisko-bench-filemanager: %d entries, %d runs each\n", kEntries, runs);
    report("listing order:", plain);
    report("sorted by name:", sorted);
    return 0;
}
