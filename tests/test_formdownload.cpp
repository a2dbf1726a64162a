// The download tab: its form, the settings it reads, the finished-download hand-over, the
// jobs it makes of file records, and its commands and context menus.
#include "core/ganalytics.h"
#include "core/globals.h"
#include "download/dialogfileinfo.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "media/dialogplayvideo.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadtabprobe.h"
#include "tests/downloadtabsession.h"
#include "tests/faketransferenvironment.h"
#include "tests/support/contextmenuprobe.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/analyticscollector.h"
#include "transfer/historyfile.h"
#include "transfer/transferrowlook.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// A job whose thread runs until released.
class BlockedJob : public DownloadFile {
public:
    BlockedJob(const QString& name, const QString& path)
        : DownloadFile(name, path, {}, {}, "1", "false", "https://u/" + name, {}, 10) {}
    QSemaphore released;

protected:
    void run() override { released.acquire(); }
};

// Records the local files and folders that would be opened.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QStringList names(const QList<DownloadFile*>& jobs) {
    QStringList list;
    for (const DownloadFile* job : jobs)
        list << job->getName();
    return list;
}

brisko::file* record(const std::string& name, const std::string& type) {
    auto* made = new brisko::file;
    made->set_name(name);
    made->set_type(type);
    made->set_linkcode("LC" + name);
    made->set_url("https://www.example/file/LC" + name);
    made->set_description("mô tả " + name);
    made->set_size("4096");
    return made;
}

} // namespace

class TestDownloadTab : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formSetup();
    void languageChangeRetranslates();
    void columnWidths_data();
    void columnWidths();
    void headersFitWithoutRowHeaders_data();
    void headersFitWithoutRowHeaders();
    void startAndPauseAllShowTheirImages();
    void selectedRowsAreReadable();
    void parallelDownloadsSetting_data();
    void parallelDownloadsSetting();
    void autoDownloadQueuesRestoredJobs_data();
    void autoDownloadQueuesRestoredJobs();
    void finishedDownloadsMoveToTheTop();
    void runningCounts();
    void closesWithMoreQueuedThanPlaces();
    void failedSaveAtCloseShowsNoBox();
    void jobsFromRecords_data();
    void jobsFromRecords();
    void loadedDownloadsKeepTheirOrder();
    void startAndPause();
    void clicksAreReported();
    void deleteRefusedWhileRunning();
    void deleteNeedsConfirmation_data();
    void deleteNeedsConfirmation();
    void redownload_data();
    void redownload();
    void moves_data();
    void moves();
    void openFilesAndFolders();
    void contextMenus();
    void contextMenusOpenAtThePointer_data();
    void contextMenusOpenAtThePointer();
    void properties_data();
    void properties();
    void propertiesKeepDownloadsApart();
    void resetPassword();
    void playRequest_data();
    void playRequest();
    void playRequestsFollowTheJob();

private:
    FormDownload& makeTab();
    // Idle jobs named as given, in a folder of their own, appended to the queue.
    QList<DownloadFile*> addQueued(const QStringList& jobNames);
    // Finished jobs appended below the finished table's rows.
    QList<DownloadFile*> addFinished(const QStringList& jobNames);
    void select(QAbstractItemView* view, const QList<int>& rows);
    QList<int> selected(QAbstractItemView* view);
    QTableView* queueView() { return tab->findChild<QTableView*>("tableDownloading"); }
    QTableWidget* finishedTable() { return tab->findChild<QTableWidget*>("tableDownloaded"); }
    TableDownloadModel* model() { return DownloadTabProbe::model(*tab); }
    void showPage(int index) {
        tab->findChild<QTabWidget*>("SubTabDownload")->setCurrentIndex(index);
    }
    QStringList historyNames();
    // Whether the history file exists once the saves asked for so far are written.
    bool historyWritten();
    // Removes the history file once the saves asked for so far are written, so that none
    // of them brings it back.
    void forgetHistory();

    devservice::AnalyticsCollector collector;
    std::unique_ptr<DownloadTabSession> session;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    std::unique_ptr<FormDownload> tab;
};

void TestDownloadTab::initTestCase() {
    std::string error;
    QVERIFY2(collector.start("127.0.0.1", 0, &error), error.c_str());
}

void TestDownloadTab::init() {
    session = std::make_unique<DownloadTabSession>();
    QVERIFY(session->start());
    qputenv("BRISKO_ANALYTICS_HOST", "127.0.0.1:" + QByteArray::number(collector.port()));
    collector.clear();
    folder = std::make_unique<QTemporaryDir>();
    prompt = std::make_unique<ScriptedUserPrompt>();
    SettingsStore settings;
    for (const char* key : {SettingsKeys::DownloadThreads, SettingsKeys::AutoDownload})
        settings.remove(key);
    downloadStoppedByUser = false;
}

void TestDownloadTab::cleanup() {
    tab.reset();
    QCOMPARE(prompt->unanswered(), 0);
    prompt.reset();
    delete analytics;
    analytics = nullptr;
    session.reset();
}

FormDownload& TestDownloadTab::makeTab() {
    tab = std::make_unique<FormDownload>(nullptr);
    return *tab;
}

QList<DownloadFile*> TestDownloadTab::addQueued(const QStringList& jobNames) {
    QList<DownloadFile*> jobs;
    for (const QString& name : jobNames) {
        jobs << new DownloadFile(name, folder->filePath(name), "c", "", "1", "false",
                                 session->link(name.toStdString()), "", 10);
        model()->addJob(jobs.last());
    }
    return jobs;
}

QList<DownloadFile*> TestDownloadTab::addFinished(const QStringList& jobNames) {
    QList<DownloadFile*> jobs;
    for (const QString& name : jobNames) {
        jobs << new DownloadFile(name, folder->filePath(name), "c", "", "1", "false",
                                 session->link(name.toStdString()), "", 10);
        jobs.last()->setFinished(true);
    }
    DownloadTabProbe::addLoaded(*tab, jobs);
    return jobs;
}

void TestDownloadTab::select(QAbstractItemView* view, const QList<int>& rows) {
    view->clearSelection();
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QList<int> TestDownloadTab::selected(QAbstractItemView* view) {
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows(0))
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool TestDownloadTab::historyWritten() {
    if (tab)
        tab->waitForSaves();
    return QFile::exists(session->historyPath());
}

void TestDownloadTab::forgetHistory() {
    if (tab)
        tab->waitForSaves();
    QVERIFY(historyfile::waitForWrites(20000)); // a closed tab's last save
    QFile::remove(session->historyPath());
}

QStringList TestDownloadTab::historyNames() {
    if (tab)
        tab->waitForSaves();
    const auto loaded = DownloadHistory::load(session->historyPath());
    const QStringList list = names(loaded.jobs);
    qDeleteAll(loaded.jobs);
    return list;
}

void TestDownloadTab::formSetup() {
    makeTab();
    QCOMPARE(tab->objectName(), QStringLiteral("FormDownload"));
    QCOMPARE(tab->windowTitle(), QStringLiteral("Form"));
    auto* pages = tab->findChild<QTabWidget*>("SubTabDownload");
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("tDownloading"));
    QCOMPARE(pages->cornerWidget(Qt::TopRightCorner)->objectName(), QStringLiteral("menuDownload"));
    QCOMPARE(pages->tabText(0), QString::fromUtf8("Tập tin đã tải"));
    QCOMPARE(pages->tabText(1), QString::fromUtf8("Tiến trình tải xuống"));
    QCOMPARE(finishedTable()->columnCount(), 4);
    const QStringList headers{QString::fromUtf8("Tên file"), QString::fromUtf8("Dung lượng"),
                              "Link file", QString::fromUtf8("Thuộc thư mục")};
    for (int column = 0; column < 4; ++column) {
        const QTableWidgetItem* item = finishedTable()->horizontalHeaderItem(column);
        QCOMPARE(item->text(), headers.at(column));
        QCOMPARE(Qt::Alignment(item->textAlignment()), Qt::AlignCenter);
    }
    // Decomposed texts keep their code points.
    QCOMPARE(tab->findChild<QPushButton*>("btnDel")->text(), QString::fromUtf8("Xo\u0301a "));
    QCOMPARE(tab->findChild<QPushButton*>("btnPause")->text(),
             QString::fromUtf8("Ta\u0323m ngưng"));
    QCOMPARE(tab->findChild<QPushButton*>("btnCreate_3")->text(),
             QString::fromUtf8("Ta\u0323o m\u01a1\u0301i"));
    QCOMPARE(tab->findChild<QPushButton*>("btnDel")->shortcut(),
             QKeySequence(QKeySequence::Delete));
    for (const char* name : {"btnPauseAll", "btnStartAll"}) {
        QVERIFY(tab->findChild<QPushButton*>(name)->text().isEmpty());
        QVERIFY(!tab->findChild<QPushButton*>(name)->toolTip().isEmpty());
    }
    QCOMPARE(queueView()->model(), model());
    QVERIFY(qobject_cast<TransferRowLook*>(queueView()->itemDelegate()));
    QCOMPARE(model()->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Tập tin"));
    QCOMPARE(model()->columnCount(), 8);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(queueView()),
                                    static_cast<QAbstractItemView*>(finishedTable())})
        QCOMPARE(view->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestDownloadTab::languageChangeRetranslates() {
    makeTab();
    auto* del = tab->findChild<QPushButton*>("btnDel");
    del->setText("x");
    tab->findChild<QPushButton*>("btnStartAll")->setText("y");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(tab.get(), &change);
    QCOMPARE(del->text(), QString::fromUtf8("Xo\u0301a "));
    QVERIFY(tab->findChild<QPushButton*>("btnStartAll")->text().isEmpty());
    QCOMPARE(model()->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Tập tin"));
}

void TestDownloadTab::columnWidths_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("queue"); // columns 0 and 2
    QTest::addColumn<int>("finished");     // column 0
    QTest::newRow("1000") << 1000 << QList<int>{208, 156} << 336;
    QTest::newRow("1200") << 1200 << QList<int>{288, 216} << 456;
}

void TestDownloadTab::columnWidths() {
    QFETCH(int, width);
    QFETCH(QList<int>, queue);
    QFETCH(int, finished);
    makeTab();
    tab->resize(width, 400);
    tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
    QCOMPARE(tab->width(), width);
    QCOMPARE(queueView()->columnWidth(0), queue.at(0));
    QCOMPARE(queueView()->columnWidth(2), queue.at(1));
    QCOMPARE(queueView()->columnWidth(1), 140);
    QCOMPARE(queueView()->columnWidth(3), 120);
    QVERIFY(queueView()->isColumnHidden(7));
    QCOMPARE(finishedTable()->columnWidth(0), finished);
    QCOMPARE(finishedTable()->columnWidth(2), 300);
}

void TestDownloadTab::headersFitWithoutRowHeaders_data() {
    QTest::addColumn<int>("rows"); // in each table
    QTest::newRow("one row") << 1;
    QTest::newRow("rows past the bottom") << 30;
}

void TestDownloadTab::headersFitWithoutRowHeaders() {
    QFETCH(int, rows);
    makeTab();
    QStringList jobNames;
    for (int i = 0; i < rows; ++i)
        jobNames << QStringLiteral("phim %1 - một cái tên khá dài cho cột tập tin.mp4").arg(i);
    addQueued(jobNames);
    addFinished(jobNames);
    // About the width the tab gets in the main window at its usual size.
    tab->resize(1000, 400);
    tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
    for (int page : {1, 0}) {
        showPage(page);
        auto* view = page == 1 ? static_cast<QTableView*>(queueView()) : finishedTable();
        QCoreApplication::processEvents();
        QVERIFY(!view->verticalHeader()->isVisible());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        const QHeaderView* header = view->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column))
                continue;
            // The header draws its label inside the style sheet's 10 px paddings, in bold
            // while a row is selected.
            const QString label = header->model()->headerData(column, Qt::Horizontal).toString();
            const int room = header->sectionSize(column) - 2 * 10;
            QFont bold = header->font();
            bold.setBold(true);
            QCOMPARE(QFontMetrics(bold).elidedText(label, Qt::ElideRight, room), label);
        }
    }
}

void TestDownloadTab::startAndPauseAllShowTheirImages() {
    makeTab();
    tab->resize(1000, 400);
    tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
    const QList<QPair<QString, QString>> buttons{{"btnStartAll", ":/images/bt_start_all.png"},
                                                 {"btnPauseAll", ":/images/bt_stop_all.png"}};
    for (const auto& [name, file] : buttons) {
        auto* button = tab->findChild<QPushButton*>(name);
        const QImage image(file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        // The button's middle is its image's, not the tab bar's button art nor a frame.
        const QImage shown = button->grab().toImage();
        QCOMPARE(shown.size(), image.size());
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                QCOMPARE(QColor(shown.pixel(x, y)).name(), QColor(image.pixel(x, y)).name());
    }
}

// Text of selected rows on the light selection background: dark enough to read (white on
// it was not), in both tables, focused or not.
void TestDownloadTab::selectedRowsAreReadable() {
    makeTab();
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(queueView()),
                                    static_cast<QAbstractItemView*>(finishedTable())}) {
        view->ensurePolished();
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor back = view->palette().color(group, QPalette::Highlight);
            const QColor text = view->palette().color(group, QPalette::HighlightedText);
            QCOMPARE(back, QColor(197, 218, 255));
            const double contrast = (luminance(back) + 0.05) / (luminance(text) + 0.05);
            QVERIFY2(contrast >= 7.0, qPrintable(view->objectName() + ": " + text.name()));
        }
    }
}

void TestDownloadTab::parallelDownloadsSetting_data() {
    QTest::addColumn<QString>("stored"); // "-": missing
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("after");
    QTest::newRow("missing") << "-" << 2 << "-";
    QTest::newRow("ten") << "10" << 10 << "10";
    QTest::newRow("eleven") << "11" << 10 << "10";
    QTest::newRow("zero") << "0" << 1 << "1";
    QTest::newRow("negative") << "-3" << 1 << "1";
    QTest::newRow("not a number") << "many" << 1 << "1";
}

void TestDownloadTab::parallelDownloadsSetting() {
    QFETCH(QString, stored);
    QFETCH(int, limit);
    QFETCH(QString, after);
    if (stored != "-")
        SettingsStore().setValue(SettingsKeys::DownloadThreads, stored);
    makeTab();
    QCOMPARE(model()->maxThreads(), limit);
    const SettingsStore settings;
    QCOMPARE(settings.contains(SettingsKeys::DownloadThreads), after != "-");
    if (after != "-")
        QCOMPARE(settings.text(SettingsKeys::DownloadThreads), after);
}

void TestDownloadTab::autoDownloadQueuesRestoredJobs_data() {
    QTest::addColumn<QString>("stored"); // "-": missing
    QTest::addColumn<bool>("started");
    QTest::newRow("missing") << "-" << false;
    QTest::newRow("off") << "false" << false;
    QTest::newRow("on") << "true" << true;
}

void TestDownloadTab::autoDownloadQueuesRestoredJobs() {
    QFETCH(QString, stored);
    QFETCH(bool, started);
    if (stored != "-")
        SettingsStore().setValue(SettingsKeys::AutoDownload, stored);
    // Too big for the volume: a start fails at once, without a transfer.
    FakeTransferEnvironment volume;
    volume.fileSystem = "FAT32";
    QList<DownloadFile*> saved;
    for (const char* name : {"a", "b", "c"})
        saved << new DownloadFile(name, folder->filePath(name), "", "", "1", "false",
                                  session->link(name), "", qint64(5) << 30);
    saved.at(1)->setFinished(true);
    QCOMPARE(DownloadHistory::write(session->historyPath(), DownloadHistory::document(saved, "u")),
             DownloadHistory::SaveResult::Saved);
    qDeleteAll(saved);

    makeTab();
    QCOMPARE(names(model()->getJobs()), QStringList({"a", "c"}));
    for (const DownloadFile* job : model()->getJobs())
        QCOMPARE(job->getState(),
                 int(started ? DownloadFile::StateFailed : DownloadFile::StateIdle));
    QCOMPARE(DownloadTabProbe::finished(*tab).first()->getState(), int(DownloadFile::StateIdle));
}

void TestDownloadTab::finishedDownloadsMoveToTheTop() {
    makeTab();
    addFinished({"from history"});
    const QList<DownloadFile*> jobs = addQueued({"first", "second", "third"});
    QStringList order;
    connect(tab.get(), qOverload<DownloadFile*>(&FormDownload::filedownloadDone),
            [&](DownloadFile* job) {
                // Listed among the finished ones before anybody hears of it: the save was
                // asked for first.
                tab->waitForSaves();
                const auto loaded = DownloadHistory::load(session->historyPath());
                for (const DownloadFile* saved : loaded.jobs) {
                    if (saved->getName() == job->getName() && saved->isFinished())
                        order << job->getName();
                }
                qDeleteAll(loaded.jobs);
            });
    QSignalSpy rows(tab.get(), qOverload<int>(&FormDownload::filedownloadDone));
    for (DownloadFile* job : {jobs.at(1), jobs.at(0)}) {
        job->setFinished(true);
        model()->downloadChanged(job, DownloadFile::DownloadDone);
    }
    QCOMPARE(order, QStringList({"second", "first"}));
    QCOMPARE(rows.count(), 2);
    QCOMPARE(rows.at(0).at(0).toInt(), 1);
    QCOMPARE(names(model()->getJobs()), QStringList({"third"}));
    QCOMPARE(names(DownloadTabProbe::finished(*tab)),
             QStringList({"first", "second", "from history"}));
    QCOMPARE(finishedTable()->rowCount(), 3);
    QCOMPARE(finishedTable()->item(0, 0)->text(), QStringLiteral("first"));
    QCOMPARE(finishedTable()->item(0, 1)->text(), QStringLiteral("10 B  "));
    QCOMPARE(finishedTable()->item(0, 2)->text(), session->link("first"));
    QCOMPARE(finishedTable()->item(0, 3)->text(), folder->filePath("first"));
    QCOMPARE(historyNames(), QStringList({"third", "first", "second", "from history"}));
    // A job that finishes twice still stands once.
    model()->downloadChanged(jobs.at(0), DownloadFile::DownloadDone);
    QCOMPARE(finishedTable()->rowCount(), 3);
}

void TestDownloadTab::runningCounts() {
    makeTab();
    tab->setDownloadThreads(0); // queued jobs wait
    addQueued({"a", "b"});
    model()->queueItem(-1);
    QCOMPARE(tab->countRunningDownloads(), 0);
    QSignalSpy sign(tab.get(), &FormDownload::isDownloadingSign);
    QVERIFY(!tab->isDownloading());
    QVERIFY(!tab->isDownloading());
    QCOMPARE(sign.count(), 2);
    QCOMPARE(sign.at(1).at(0).toBool(), false);
    model()->getJobs().at(0)->setState(DownloadFile::StateRunning);
    QCOMPARE(tab->countRunningDownloads(), 1);
}

// Logout or quit with downloads waiting for a place: the stopping jobs report while the
// tab goes away, and none of it may reach the tab's freed parts (a use after free under
// AddressSanitizer before). The queue is kept.
void TestDownloadTab::closesWithMoreQueuedThanPlaces() {
    makeTab();
    tab->setDownloadThreads(0); // queued jobs wait
    addQueued({"a", "b", "c"});
    model()->queueItem(-1);
    select(queueView(), {1, 2});
    QCOMPARE(model()->getPendingJobs().size(), 3);
    tab.reset();
    QCOMPARE(historyNames(), QStringList({"a", "b", "c"}));
}

void TestDownloadTab::failedSaveAtCloseShowsNoBox() {
    makeTab();
    addQueued({"a"});
    tab->waitForSaves();
    // A folder where the file goes: the last save fails while the tab is destroyed.
    QFile::remove(session->historyPath());
    QVERIFY(QDir().mkpath(session->historyPath()));
    tab.reset();
    QVERIFY(historyfile::waitForWrites(20000)); // failed by now, unreported
    QVERIFY(prompt->asked().isEmpty());
}

void TestDownloadTab::jobsFromRecords_data() {
    QTest::addColumn<QStringList>("records"); // name/type
    QTest::addColumn<QString>("downloadZip");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QStringList>("jobs"); // name|zip flag
    QTest::newRow("folder zips, the file after it does not")
        << QStringList{QString::fromUtf8("Ảnh/0"), "a:b?.mkv/1"} << "false"
        << "TMP" << QStringList{QString::fromUtf8("Ảnh.zip|true"), "a_b_.mkv|false"};
    QTest::newRow("all zipped") << QStringList{"x/1", "y/0"} << "true"
                                << "TMP/" << QStringList{"x.zip|true", "y.zip|true"};
    QTest::newRow("same name twice")
        << QStringList{"Con.TXT/1", "Con.TXT/1"} << "false"
        << "TMP" << QStringList{"_Con.TXT|false", "_Con (2).TXT|false"};
    QTest::newRow("no records") << QStringList() << "false"
                                << "TMP" << QStringList();
}

void TestDownloadTab::jobsFromRecords() {
    QFETCH(QStringList, records);
    QFETCH(QString, downloadZip);
    QFETCH(QString, dir);
    QFETCH(QStringList, jobs);
    makeTab();
    addQueued({"e1", "e2", "e3"});
    showPage(0);
    QList<brisko::file*> list;
    for (const QString& r : records)
        list << record(r.section('/', 0, 0).toStdString(), r.section('/', 1).toStdString());
    QSignalSpy added(tab.get(), &FormDownload::addCompleted);
    DownloadTabProbe::getDir(*tab, list, downloadZip, dir.replace("TMP", folder->path()));
    qDeleteAll(list);

    QCOMPARE(added.count(), 1);
    QCOMPARE(tab->findChild<QTabWidget*>("SubTabDownload")->currentIndex(), 1);
    QCOMPARE(DownloadTabProbe::playingRow(*tab), 3);
    const QList<DownloadFile*> made = model()->getJobs().mid(3);
    QStringList got;
    for (const DownloadFile* job : made) {
        QCOMPARE(job->getPath(), folder->path() + "/" + job->getName());
        QCOMPARE(job->getState(), int(DownloadFile::StateIdle));
        QVERIFY(job->getStatusText().isEmpty());
        QCOMPARE(job->getSize(), qint64(4096));
        QVERIFY(job->getUrl().startsWith("https://www.example/file/LC"));
        QVERIFY(job->getDesc().startsWith(QString::fromUtf8("mô tả ")));
        got << job->getName() + "|" + (job->getName().endsWith(".zip") ? "true" : "false");
    }
    QCOMPARE(got, jobs);
    QVERIFY(model()->getPendingJobs().isEmpty());
    QCOMPARE(historyNames().size(), 3 + jobs.size()); // saved, even with no records
}

void TestDownloadTab::loadedDownloadsKeepTheirOrder() {
    makeTab();
    addFinished({"earlier"});
    addQueued({"queued"});
    QList<DownloadFile*> loaded;
    for (const char* name : {"A", "B", "C"})
        loaded << new DownloadFile(name, folder->filePath(name), "", "", "1", "", "u", "", 1);
    loaded.at(0)->setFinished(true);
    loaded.at(2)->setFinished(true);
    DownloadTabProbe::addLoaded(*tab, loaded);
    QCOMPARE(names(DownloadTabProbe::finished(*tab)), QStringList({"earlier", "A", "C"}));
    QCOMPARE(finishedTable()->item(2, 0)->text(), QStringLiteral("C"));
    QCOMPARE(names(model()->getJobs()), QStringList({"queued", "B"}));
}

void TestDownloadTab::startAndPause() {
    makeTab();
    // Empty table: start asks for a selection, start all does nothing at all.
    prompt->answer(QMessageBox::Ok);
    downloadStoppedByUser = true;
    tab->on_btnStart_clicked();
    QCOMPARE(prompt->asked().last().text,
             QString::fromUtf8("Hãy chọn các tập tin để bắt đầu tải xuống"));
    QVERIFY(!downloadStoppedByUser);
    downloadStoppedByUser = true;
    QMetaObject::invokeMethod(tab.get(), "on_btnStartAll_clicked");
    QVERIFY(downloadStoppedByUser);
    // Pause all on an empty table still writes the list.
    QVERIFY(!historyWritten());
    downloadStoppedByUser = false;
    QMetaObject::invokeMethod(tab.get(), "on_btnPauseAll_clicked");
    QVERIFY(downloadStoppedByUser);
    QVERIFY(historyWritten());

    tab->setDownloadThreads(0); // queued jobs wait
    addQueued({"a", "b", "c"});
    tab->on_btnStart_clicked(); // nothing selected: the first row
    QCOMPARE(selected(queueView()), QList<int>{0});
    QCOMPARE(names(model()->getPendingJobs()), QStringList({"a"}));
    QCOMPARE(model()->getJobs().at(0)->getStatusText(), QStringLiteral("Queued"));

    // Pause without a selection: a notice, nothing saved, the flag set all the same.
    forgetHistory();
    queueView()->clearSelection();
    prompt->answer(QMessageBox::Ok);
    downloadStoppedByUser = false;
    QMetaObject::invokeMethod(tab.get(), "on_btnPause_clicked");
    QCOMPARE(prompt->asked().last().text,
             QString::fromUtf8("Hãy chọn các tập tin cần tạm dừng tải xuống"));
    QVERIFY(downloadStoppedByUser);
    QVERIFY(!historyWritten());

    select(queueView(), {0});
    QMetaObject::invokeMethod(tab.get(), "on_btnPause_clicked");
    QVERIFY(model()->getPendingJobs().isEmpty());
    QCOMPARE(model()->getJobs().at(0)->getState(), int(DownloadFile::StateStopped));
    QVERIFY(historyWritten());

    // The menu's start leaves the flag alone; start all clears it.
    select(queueView(), {2, 1});
    QMetaObject::invokeMethod(tab.get(), "contextStart_clicked");
    QVERIFY(downloadStoppedByUser);
    QCOMPARE(names(model()->getPendingJobs()), QStringList({"b", "c"}));
    QMetaObject::invokeMethod(tab.get(), "on_btnStartAll_clicked");
    QVERIFY(!downloadStoppedByUser);
    QCOMPARE(names(model()->getPendingJobs()), QStringList({"a", "b", "c"}));
}

void TestDownloadTab::clicksAreReported() {
    analytics = new GAnalytics(nullptr, QStringLiteral("UA-1"), QString());
    makeTab();
    tab->setDownloadThreads(0);
    QMetaObject::invokeMethod(tab.get(), "on_btnStartAll_clicked"); // empty: no event
    addQueued({"a", "b", "c"});
    tab->on_btnStart_clicked();
    QMetaObject::invokeMethod(tab.get(), "on_btnStartAll_clicked");
    for (const char* command :
         {"contextMoveFirst_clicked", "contextMoveLast_clicked", "contextUp_clicked",
          "contextDown_clicked", "contextOpenFolder_clicked", "contextPause_clicked"}) {
        select(queueView(), {1});
        QMetaObject::invokeMethod(tab.get(), command);
    }
    // type|category|action|label (the screen name of a view); no hit carries a value.
    QStringList expected{"appview|||Form download",
                         "event|FormDownload|Click|Start download button",
                         "event|FormDownload|Click|Start all button",
                         "event|FormDownload|Click context menu|Move first",
                         "event|FormDownload|Click context menu|Move last",
                         "event|FormDownload|Click context menu|Move up",
                         "event|FormDownload|Click context menu|Move down",
                         "event|FormDownload|Click context menu|Open folder"};
    std::sort(expected.begin(), expected.end());
    const auto received = [&] {
        QStringList hits;
        for (const auto& hit : collector.hits()) {
            const bool event = hit.field("t") == "event";
            hits << QString::fromStdString(
                hit.field("t") + "|" + hit.field("ec") + "|" + hit.field("ea") + "|" +
                (event ? hit.field("el") : hit.field("cd")) + (hit.has("ev") ? "|ev" : ""));
        }
        std::sort(hits.begin(), hits.end());
        return hits;
    };
    QTRY_COMPARE(received(), expected);
}

void TestDownloadTab::deleteRefusedWhileRunning() {
    makeTab();
    addQueued({"idle"});
    auto* running = new BlockedJob("running", folder->filePath("running"));
    model()->addJob(running);
    running->start();
    select(queueView(), {0, 1});
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "on_btnDel_clicked");
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked().at(0).text,
             QString::fromUtf8("Bạn phải <b>dừng tải xuống</b> các tập tin đã chọn trước khi xóa"));
    QCOMPARE(model()->rowCount(), 2);
    running->released.release();
    QVERIFY(running->wait(10000));
}

void TestDownloadTab::deleteNeedsConfirmation_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("queueAfter");
    QTest::addColumn<QStringList>("finishedAfter");
    const QStringList allQueued{"q0", "q1", "q2"};
    const QStringList allFinished{"f0", "f1", "f2"};
    QTest::newRow("queue, confirmed")
        << 1 << int(QMessageBox::Ok) << QStringList{"q1"} << allFinished;
    QTest::newRow("queue, cancelled") << 1 << int(QMessageBox::Cancel) << allQueued << allFinished;
    QTest::newRow("finished, confirmed")
        << 0 << int(QMessageBox::Ok) << allQueued << QStringList{"f1"};
    QTest::newRow("finished, cancelled")
        << 0 << int(QMessageBox::Cancel) << allQueued << allFinished;
}

void TestDownloadTab::deleteNeedsConfirmation() {
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QStringList, queueAfter);
    QFETCH(QStringList, finishedAfter);
    makeTab();
    addQueued({"q0", "q1", "q2"});
    addFinished({"f0", "f1", "f2"});
    for (const char* name : {"q0", "f0", "f2"}) { // a partial and two complete files
        QFile file(folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    showPage(page);
    // Nothing selected: a notice.
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "on_btnDel_clicked");
    QCOMPARE(prompt->asked().last().text,
             QString::fromUtf8("Vui lòng chọn ít nhất một tập tin cần xoá"));

    forgetHistory();
    select(page == 1 ? static_cast<QAbstractItemView*>(queueView()) : finishedTable(), {2, 0});
    QSignalSpy deleted(tab.get(), &FormDownload::delCompleted);
    prompt->answer(QMessageBox::StandardButton(answer));
    QMetaObject::invokeMethod(tab.get(), "on_btnDel_clicked");
    QCOMPARE(prompt->asked().last().title, QString::fromUtf8("Xác nhận xóa"));
    QCOMPARE(prompt->asked().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
    const bool confirmed = answer == QMessageBox::Ok;
    QCOMPARE(deleted.count(), confirmed ? 1 : 0);
    QCOMPARE(names(model()->getJobs()), queueAfter);
    QCOMPARE(names(DownloadTabProbe::finished(*tab)), finishedAfter);
    QCOMPARE(finishedTable()->rowCount(), finishedAfter.size());
    QCOMPARE(historyWritten(), confirmed);
    for (const char* name : {"q0", "f0", "f2"}) // files stay on disk
        QVERIFY(QFile::exists(folder->filePath(name)));
}

void TestDownloadTab::redownload_data() {
    QTest::addColumn<int>("redownloadAnswer");
    QTest::addColumn<int>("deleteAnswer"); // 0: not asked
    QTest::addColumn<bool>("moved");
    QTest::newRow("confirmed") << int(QMessageBox::Ok) << int(QMessageBox::Ok) << true;
    QTest::newRow("deletion cancelled")
        << int(QMessageBox::Ok) << int(QMessageBox::Cancel) << false;
    QTest::newRow("cancelled") << int(QMessageBox::Cancel) << 0 << false;
}

void TestDownloadTab::redownload() {
    QFETCH(int, redownloadAnswer);
    QFETCH(int, deleteAnswer);
    QFETCH(bool, moved);
    makeTab();
    addQueued({"queued"});
    const QList<DownloadFile*> finished = addFinished({"present", "kept", "removed by hand"});
    finished.at(0)->setSession("https://dl.example/present");
    QFile present(folder->filePath("present"));
    QVERIFY(present.open(QIODevice::WriteOnly));
    present.write("old bytes");
    present.close();
    showPage(0);
    select(finishedTable(), {2, 0});
    prompt->answer(QMessageBox::StandardButton(redownloadAnswer));
    if (deleteAnswer)
        prompt->answer(QMessageBox::StandardButton(deleteAnswer));
    QMetaObject::invokeMethod(tab.get(), "contextRedownload_clicked");

    QCOMPARE(prompt->asked().at(0).title, QString::fromUtf8("Xác nhận tải lại"));
    QCOMPARE(prompt->asked().at(0).text,
             QString::fromUtf8("Bạn có chắc muốn tải lại tập tin này không?\n"
                               "Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa."));
    if (deleteAnswer)
        QCOMPARE(prompt->asked().at(1).title, QString::fromUtf8("Xác nhận xóa"));
    QCOMPARE(QFile::exists(present.fileName()), !moved);
    if (!moved) {
        QCOMPARE(names(model()->getJobs()), QStringList({"queued"}));
        QCOMPARE(names(DownloadTabProbe::finished(*tab)),
                 QStringList({"present", "kept", "removed by hand"}));
        return;
    }
    // Listed once: back in the queue, idle, with its link, password, path and location.
    QCOMPARE(names(model()->getJobs()), QStringList({"queued", "removed by hand", "present"}));
    QCOMPARE(names(DownloadTabProbe::finished(*tab)), QStringList({"kept"}));
    QCOMPARE(finishedTable()->rowCount(), 1);
    QCOMPARE(finishedTable()->item(0, 0)->text(), QStringLiteral("kept"));
    for (const DownloadFile* job : model()->getJobs().mid(1)) {
        QVERIFY(!job->isFinished());
        QCOMPARE(job->getStatusText(), QString::fromUtf8("Tải lại"));
        QCOMPARE(job->getState(), int(DownloadFile::StateIdle));
    }
    QCOMPARE(model()->getJobs().at(2)->getSession(), QStringLiteral("https://dl.example/present"));
    QVERIFY(model()->getPendingJobs().isEmpty());
    QCOMPARE(historyNames(), QStringList({"queued", "removed by hand", "present", "kept"}));
}

void TestDownloadTab::moves_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("order"); // former rows
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::newRow("first") << "contextMoveFirst_clicked" << QList<int>{5, 2}
                           << QList<int>{2, 5, 0, 1, 3, 4} << QList<int>{0, 1};
    QTest::newRow("last") << "contextMoveLast_clicked" << QList<int>{0, 3}
                          << QList<int>{1, 2, 4, 5, 0, 3} << QList<int>{4, 5};
    QTest::newRow("up at the top")
        << "contextUp_clicked" << QList<int>{0, 1} << QList<int>{1, 0, 2, 3, 4, 5} << QList<int>{0};
    QTest::newRow("down at the bottom") << "contextDown_clicked" << QList<int>{4, 5}
                                        << QList<int>{0, 1, 2, 3, 5, 4} << QList<int>{5};
    QTest::newRow("up, nothing selected")
        << "contextUp_clicked" << QList<int>{} << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{};
}

void TestDownloadTab::moves() {
    QFETCH(QString, command);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, selectedAfter);
    makeTab();
    const QStringList start{"0", "1", "2", "3", "4", "5"};
    addQueued(start);
    select(queueView(), rows);
    QMetaObject::invokeMethod(tab.get(), command.toLatin1().constData());
    QStringList expected;
    for (int former : order)
        expected << start.at(former);
    QCOMPARE(names(model()->getJobs()), expected);
    QCOMPARE(selected(queueView()), selectedAfter);
    QCOMPARE(historyNames(), expected);
}

void TestDownloadTab::openFilesAndFolders() {
    OpenedUrls opened;
    makeTab();
    QVERIFY(QDir(folder->path()).mkdir("gone"));
    const QList<DownloadFile*> jobs = addFinished({"there", "missing", "also there"});
    for (const char* name : {"there", "also there"}) {
        QFile file(folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    jobs.at(1)->setPath(folder->filePath("gone/missing"));
    QVERIFY(QDir(folder->filePath("gone")).removeRecursively());
    select(finishedTable(), {2, 1, 0});
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "contextOpenFile_clicked");
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked().at(0).title, QString::fromUtf8("Lỗi mở tập tin"));
    QCOMPARE(prompt->asked().at(0).text, QString::fromUtf8("Tập tin bạn chọn không tồn tại"));
    QCOMPARE(QSet<QUrl>(opened.urls.begin(), opened.urls.end()),
             QSet<QUrl>({QUrl::fromLocalFile(folder->filePath("there")),
                         QUrl::fromLocalFile(folder->filePath("also there"))}));
    // Folders: the same folder twice, and one that is gone.
    opened.urls.clear();
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "contextOpenFolder_clicked");
    QCOMPARE(prompt->asked().size(), 2);
    QCOMPARE(prompt->asked().at(1).text, QString::fromUtf8("Thư mục bạn chọn không tồn tại"));
    const QUrl folderUrl = QUrl::fromLocalFile(folder->path() + "/");
    QCOMPARE(opened.urls, QList<QUrl>({folderUrl, folderUrl}));
}

void TestDownloadTab::contextMenus() {
    makeTab();
    addQueued({"a"});
    addFinished({"b"});
    QVERIFY(!DownloadTabProbe::downloadingMenu(*tab));
    QVERIFY(!DownloadTabProbe::downloadedMenu(*tab));
    select(queueView(), {0});
    select(finishedTable(), {0});
    const auto texts = [](QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions()) {
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (!action->isSeparator())
                list.last() += action->icon().isNull() ? "" : " [icon]";
            if (!action->isEnabled())
                list.last() += " (disabled)";
        }
        return list;
    };
    QCOMPARE(
        texts(DownloadTabProbe::downloadingMenu(*tab).get()),
        QStringList({QString::fromUtf8("Tạm dừng [icon]"), QString::fromUtf8("Tải tập tin [icon]"),
                     "Xem video online [icon]", "-", QString::fromUtf8("Di chuyển lên đầu"),
                     QString::fromUtf8("Di chuyển lên [icon]"), "-",
                     QString::fromUtf8("Di chuyển xuống [icon]"),
                     QString::fromUtf8("Di chuyển xuống cuối"), "-",
                     QString::fromUtf8("Xóa [icon]"), QString::fromUtf8("Thông tin file")}));
    QCOMPARE(
        texts(DownloadTabProbe::downloadedMenu(*tab).get()),
        QStringList({QString::fromUtf8("Mở tập tin [icon]"),
                     QString::fromUtf8("Mở thư mục chứa tập tin [icon]"), "-",
                     QString::fromUtf8("Tải lại [icon]"), "-", QString::fromUtf8("Xóa [icon]")}));
    // An entry reaches its command.
    tab->setDownloadThreads(0);
    DownloadTabProbe::downloadingMenu(*tab)->actions().at(1)->trigger();
    QCOMPARE(names(model()->getPendingJobs()), QStringList({"a"}));
}

void TestDownloadTab::contextMenusOpenAtThePointer_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("downloads in progress") << 0;
    QTest::newRow("finished downloads") << 1;
}

// A right click reports its position in the table's viewport, below the column titles: the
// menu opens there, not a header's height above the pointer.
void TestDownloadTab::contextMenusOpenAtThePointer() {
    QFETCH(int, page);
    makeTab();
    addQueued({"a"});
    addFinished({"b"});
    tab->resize(900, 500);
    tab->show();
    showPage(page);
    QAbstractItemView* view = page == 0 ? static_cast<QAbstractItemView*>(queueView())
                                        : finishedTable();
    QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
    select(view, {0});
    QVERIFY(view->viewport()->y() > 10); // below the column titles
    const QPoint at(40, 12);
    QCOMPARE(contextMenuShownAt(view, at), view->viewport()->mapToGlobal(at));
}

void TestDownloadTab::properties_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("shown");
    QTest::newRow("menu, accepted") << "contextProperties_clicked" << true << "xxx";
    QTest::newRow("menu, rejected") << "contextProperties_clicked" << false << "xxx";
    QTest::newRow("double click") << "double click" << true << "b";
}

void TestDownloadTab::properties() {
    QFETCH(QString, command);
    QFETCH(bool, accept);
    QFETCH(QString, shown);
    makeTab();
    addQueued({"a", "b", "c"});
    select(queueView(), {0, 2});
    forgetHistory();
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogFileInfo*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = dialog->findChild<QLineEdit*>("txt_fileName")->text();
        dialog->findChild<QLineEdit*>("txtPassword")->setText("pw");
        auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
        box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    if (command == "double click")
        QMetaObject::invokeMethod(tab.get(), "on_tableDownloading_doubleClicked",
                                  Q_ARG(QModelIndex, model()->index(1, 2)));
    else
        QMetaObject::invokeMethod(tab.get(), command.toLatin1().constData());
    QCOMPARE(seen, shown);
    QCOMPARE(historyWritten(), accept);
}

// The properties dialog sees the tab's other downloads: a queued one that has written
// nothing yet still owns its path.
void TestDownloadTab::propertiesKeepDownloadsApart() {
    makeTab();
    const QList<DownloadFile*> jobs = addQueued({"a", "b"});
    select(queueView(), {0});
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogFileInfo*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("txt_fileName")->setText("b");
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "contextProperties_clicked");
    QCOMPARE(prompt->asked().last().text,
             QString::fromUtf8("Tập tin đã tồn tại, không thể đổi tên tập tin."));
    QCOMPARE(jobs.at(0)->getPath(), folder->filePath("a"));
    QCOMPARE(jobs.at(0)->getName(), QStringLiteral("a"));
}

void TestDownloadTab::resetPassword() {
    makeTab();
    tab->setDownloadThreads(0);
    addQueued({"a", "b", "c"});
    select(queueView(), {2, 0});
    QMetaObject::invokeMethod(tab.get(), "resetFilePassWord", Q_ARG(QString, "mật khẩu"));
    QCOMPARE(model()->getJobs().at(0)->getPassword(), QString::fromUtf8("mật khẩu"));
    QVERIFY(model()->getJobs().at(1)->getPassword().isEmpty());
    QCOMPARE(names(model()->getPendingJobs()), QStringList({"a", "c"}));
    QVERIFY(!historyWritten());
}

void TestDownloadTab::playRequest_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("upper case") << "Phim.MKV" << true;
    QTest::newRow("rm") << "a.rm" << true;
    QTest::newRow("ra") << "a.ra" << true;
    QTest::newRow("mvb") << "a.mvb" << true;
    QTest::newRow("rmvb") << "a.rmvb" << false;
    QTest::newRow("no dot, a suffix") << "mkv" << true;
    QTest::newRow("no dot") << "movie" << false;
    QTest::newRow("ends in a dot") << "a." << false;
    QTest::newRow("zip") << "a.mp4.zip" << false;
    QTest::newRow("no current row") << "" << false;
}

void TestDownloadTab::playRequest() {
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    makeTab();
    addQueued({"first.mkv", name.isEmpty() ? "x.mkv" : name});
    if (!name.isEmpty())
        queueView()->selectionModel()->setCurrentIndex(model()->index(1, 0),
                                                       QItemSelectionModel::NoUpdate);
    if (!accepted)
        prompt->answer(QMessageBox::Ok);
    QString offered;
    if (accepted)
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<DialogPlayVideo*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->findChild<QLabel*>("lblFileName")->text();
            emit dialog->viewOline(); // as after an online start
            dialog->findChild<QPushButton*>("pushHuy")->click();
        });
    QMetaObject::invokeMethod(tab.get(), "viewVideoOnline");
    QCOMPARE(prompt->asked().size(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(prompt->asked().at(0).text,
                 QString::fromUtf8("Chương trình không hỗ trợ mở loại định dạng của tập tin này"));
        return;
    }
    QCOMPARE(DownloadTabProbe::playingRow(*tab), 1);
    QCOMPARE(offered, name);
    // Viewed online: only the status text changes.
    QCOMPARE(model()->getJobs().at(1)->getStatusText(), QStringLiteral("View Online"));
    QCOMPARE(model()->getJobs().at(1)->getState(), int(DownloadFile::StateIdle));
    QVERIFY(model()->getPendingJobs().isEmpty());
}

// The play dialog's requests reach the job it was opened for, wherever its row went while
// it was open, and nothing once that job has left the queue.
void TestDownloadTab::playRequestsFollowTheJob() {
    makeTab();
    tab->setDownloadThreads(0);
    const QList<DownloadFile*> jobs = addQueued({"a.mkv", "b.mkv", "c.mkv"});
    queueView()->selectionModel()->setCurrentIndex(model()->index(1, 0),
                                                   QItemSelectionModel::NoUpdate);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogPlayVideo*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        model()->removeRows(0, 1); // b.mkv moves up to row 0
        emit dialog->startDownload(1);
        QCOMPARE(names(model()->getPendingJobs()), QStringList({"b.mkv"}));
        emit dialog->stopDownload(1);
        QVERIFY(model()->getPendingJobs().isEmpty());
        model()->removeRows(0, 1); // b.mkv is gone: row 1 holds nothing, row 0 c.mkv
        emit dialog->startDownload(1);
        emit dialog->startDownload(0);
        emit dialog->viewOline();
        QVERIFY(model()->getPendingJobs().isEmpty());
        QVERIFY(model()->getJobs().at(0)->getStatusText() != QStringLiteral("View Online"));
        dialog->reject();
    });
    QMetaObject::invokeMethod(tab.get(), "viewVideoOnline");
    QCOMPARE(names(model()->getJobs()), QStringList({"c.mkv"}));
    // The jobs that left the queue are this test's to free.
    delete jobs.at(0);
    delete jobs.at(1);
}

QTEST_MAIN(TestDownloadTab)
#include "test_formdownload.moc"
