// The upload tab and the upload dialog against the stand-in: the dialog's checks before
// it hands out a choice, its folder tree beside the service's listing, the commands on
// the tab's selections, and whole uploads from the dialog to the finished table,
// including a quit in the middle and a resume where the service stopped.
#include "api/fileapi.h"
#include "api/sessionapi.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/guiturns.h"
#include "tests/helddisk.h"
#include "tests/modalanswerer.h"
#include "tests/support/contextmenuprobe.h"
#include "tests/support/locationfetch.h"
#include "tests/support/scripteduserprompt.h"
#include "tests/uploadfixture.h"
#include "tests/uploadtabprobe.h"
#include "tools/devservice/urltext.h"
#include "transfer/transferrowlook.h"
#include "upload/uploadhistory.h"
#include "transfer/historyfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QPushButton>
#include <QtTest>

#include <atomic>

#include <memory>
#include <set>
#include <thread>

namespace {

constexpr int kChunk = UploadFixture::kChunk;
constexpr int kUploadWaitMs = 30000;

QStringList listing(const QString& folderPath) {
    brisko::file_api api(&apiClient);
    const QByteArray path = folderPath.toUtf8().toPercentEncoding();
    std::vector<brisko::file*> records = api.list(1, path.toStdString());
    QStringList names;
    for (brisko::file* record : records) {
        names << QString::fromStdString(record->get_name());
        delete record;
    }
    return names;
}

QStringList childNames(const QTreeWidgetItem* item) {
    QStringList names;
    for (int i = 0; i < item->childCount(); ++i)
        names << item->child(i)->text(0);
    return names;
}

QTreeWidgetItem* child(QTreeWidgetItem* item, const QString& name) {
    for (int i = 0; i < item->childCount(); ++i) {
        if (item->child(i)->text(0) == name)
            return item->child(i);
    }
    return nullptr;
}

QTreeWidget* treeOf(DialogUpload& dialog) {
    return dialog.findChild<QTreeWidget*>(QStringLiteral("treeMegaFolderWidget"));
}

} // namespace

class TestFormUpload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void acceptChecks_data();
    void acceptChecks();
    void folderTreeFollowsTheListing();
    void folderTreeListsOffTheGuiThread();
    void deleteOnSelections();
    void moveCommands();
    void contextMenusOpenAtThePointer_data();
    void contextMenusOpenAtThePointer();
    void queueRowsLook();
    void uploadsFromTheDialogFinish();
    void quitMidUploadResumesAtTheServiceOffset();
    void historySavesLeaveTheGuiThread();

private:
    // Chooses the files in the dialog, clicks the folder (a path under the root), agrees
    // and accepts.
    void chooseAndAccept(DialogUpload& dialog, const QStringList& files, const QString& folder);
    QString historyPath() const {
        return uploadHistoryFilePath(currentUser->getUserId().toLongLong());
    }

    UploadFixture fx;
    std::unique_ptr<ScriptedUserPrompt> prompt;
};

void TestFormUpload::init() {
    QVERIFY(fx.start());
    // The last tab's last save may still be on its way.
    QVERIFY(historyfile::waitForWrites(20000));
    QFile::remove(historyPath());
    prompt = std::make_unique<ScriptedUserPrompt>();
    uploadStoppedByUser = false;
    SettingsStore().setValue(SettingsKeys::UploadThreads, 2);
}

void TestFormUpload::cleanup() {
    prompt.reset();
    fx.stop();
}

void TestFormUpload::chooseAndAccept(DialogUpload& dialog, const QStringList& files,
                                     const QString& folder) {
    DialogUploadProbe::waitListed(dialog);
    prompt->answerPaths(files);
    DialogUploadProbe::browse(dialog);
    QTreeWidgetItem* item = treeOf(dialog)->topLevelItem(0);
    for (const QString& part : folder.split('/', Qt::SkipEmptyParts)) {
        item = child(item, part);
        QVERIFY2(item, qPrintable(part));
        DialogUploadProbe::click(dialog, item);
    }
    dialog.findChild<QCheckBox*>(QStringLiteral("chk_tearmAgree"))->setChecked(true);
    DialogUploadProbe::accept(dialog);
}

void TestFormUpload::acceptChecks_data() {
    QTest::addColumn<QString>("field"); // GOOD: a file of 5 bytes, EMPTY: one of 0 bytes
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // empty: accepted
    QTest::newRow("nothing chosen") << "  " << true << "Upload"
                                    << "Vui lòng chọn file cần upload.";
    QTest::newRow("comma in a folder of the path")
        << "GOOD|DIR/a,b/x.bin" << true << "Upload"
        << "Tên tập tin \"DIR/a,b/x.bin\" chứa kí tự đặc biệt";
    QTest::newRow("terms not agreed") << "GOOD" << false << "Upload"
                                      << "Vui lòng xác nhận đồng ý các điều khoản của Brisko.";
    QTest::newRow("missing file") << "GOOD|DIR/gone.bin" << true << "Lỗi tập tin"
                                  << "Tập tin \"DIR/gone.bin\" không tồn tại";
    QTest::newRow("empty part") << "GOOD|" << true << "Lỗi tập tin"
                                << "Tập tin \"\" không tồn tại";
    QTest::newRow("empty file") << "EMPTY" << true << "Lỗi tập tin"
                                << "Tập tin \"EMPTY\" rỗng";
    QTest::newRow("accepted") << "GOOD" << true << ""
                              << "";
}

void TestFormUpload::acceptChecks() {
    QFETCH(QString, field);
    QFETCH(bool, agree);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QString good = fx.writeFile("good.bin", 5);
    const QString empty = fx.writeFile("empty.bin", 0);
    const QString dir = QFileInfo(good).absolutePath();
    auto expand = [&](QString value) {
        return value.replace("GOOD", good).replace("EMPTY", empty).replace("DIR", dir);
    };
    DialogUpload dialog({});
    QSignalSpy handed(&dialog, &DialogUpload::getUploadInfor);
    dialog.findChild<QLineEdit*>(QStringLiteral("txt_filesPath"))->setText(expand(field));
    dialog.findChild<QCheckBox*>(QStringLiteral("chk_tearmAgree"))->setChecked(agree);
    if (!text.isEmpty())
        prompt->answer(QMessageBox::Ok);
    DialogUploadProbe::accept(dialog);
    if (text.isEmpty()) {
        QCOMPARE(prompt->asked().size(), 0);
        QCOMPARE(handed.size(), 1);
        // No folder clicked and none preset: the account's top level.
        QCOMPARE(handed.first().at(0).value<MegaFile>().getName(), QString("/"));
        QCOMPARE(handed.first().at(1).toStringList(), QStringList{good});
        QCOMPARE(handed.first().at(4).toBool(), true); // the demo account may store secured
        QCOMPARE(handed.first().at(5).toBool(), false);
    } else {
        QCOMPARE(handed.size(), 0);
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked().first().kind, ScriptedUserPrompt::Kind::Warning);
        QCOMPARE(prompt->asked().first().title, title);
        QCOMPARE(prompt->asked().first().text, expand(text));
    }
    // The agreement is stored once the check reaches it, whatever follows.
    if (!field.trimmed().isEmpty() && !field.contains(','))
        QCOMPARE(SettingsStore().boolean(SettingsKeys::UploadPolicyAgree, !agree), agree);
}

void TestFormUpload::folderTreeFollowsTheListing() {
    DialogUpload dialog({});
    dialog.resetToRootFolder();
    DialogUploadProbe::waitListed(dialog);
    QTreeWidgetItem* root = treeOf(dialog)->topLevelItem(0);
    QCOMPARE(root->text(0), QString("Brisko"));
    QCOMPARE(childNames(root), listing(QString()));
    QVERIFY(!childNames(root).isEmpty());
    QTreeWidgetItem* music = child(root, "Music");
    QVERIFY(music);
    DialogUploadProbe::click(dialog, music);
    QCOMPARE(DialogUploadProbe::selectedFolderPath(dialog), QString("/Music"));
    QCOMPARE(childNames(music), listing("/Music"));

    // A folder made through the new-folder dialog shows under the clicked one.
    ModalAnswerer modals;
    modals.next([](QDialog* create) {
        create->findChild<QLineEdit*>(QStringLiteral("txt_FolderName"))->setText("Mới tạo");
        QMetaObject::invokeMethod(create, "on_btn_accept_clicked");
    });
    DialogUploadProbe::createFolder(dialog);
    QVERIFY(listing("/Music").contains("Mới tạo"));
    QVERIFY(childNames(music).contains("Mới tạo"));
    // Closed while the service creates the folder: the folder shows all the same.
    std::atomic<bool> closed{false};
    fx.service().faults().next("/api/fileops/createFolder",
                               devservice::Fault::waitFor([&closed] { return closed.load(); }));
    modals.next([](QDialog* create) {
        create->findChild<QLineEdit*>(QStringLiteral("txt_FolderName"))->setText("Tạo chậm");
        QMetaObject::invokeMethod(create, "on_btn_accept_clicked");
        create->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    });
    DialogUploadProbe::createFolder(dialog);
    closed = true;
    QTRY_VERIFY_WITH_TIMEOUT(childNames(music).contains("Tạo chậm"), 20000);
    DialogUploadProbe::waitListed(dialog);
    // The root lists the top level again and is the destination once more.
    DialogUploadProbe::click(dialog, root);
    QCOMPARE(DialogUploadProbe::selectedFolderPath(dialog), QString());
    QCOMPARE(childNames(root), listing(QString()));
}

// With the listing slow, the GUI thread keeps turning and the dialog shows the wait
// cursor; a dialog gone before a (refused) listing arrives shows nothing.
void TestFormUpload::folderTreeListsOffTheGuiThread() {
    const std::string rootListing = "/api/fileops/list/home";
    const std::chrono::milliseconds latency(1500);
    fx.service().faults().next(rootListing, devservice::Fault::wait(latency));
    const std::size_t before = fx.sent(rootListing);
    DialogUpload dialog({});
    GuiTurns turns;
    dialog.resetToRootFolder();
    QVERIFY(DialogUploadProbe::listing(dialog));
    QCOMPARE(dialog.cursor().shape(), Qt::WaitCursor);
    DialogUploadProbe::waitListed(dialog);
    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QCOMPARE(fx.sent(rootListing), before + 1);
    QVERIFY(turns.worstPause() < latency.count());
    QCOMPARE(childNames(treeOf(dialog)->topLevelItem(0)), listing(QString()));
    QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);

    devservice::Fault slowRefusal = devservice::Fault::status(200, R"({"code":500,"msg":"Bận"})");
    slowRefusal.delay = std::chrono::milliseconds(500);
    fx.service().faults().next(rootListing, slowRefusal);
    auto gone = std::make_unique<DialogUpload>(QList<QUrl>{});
    gone->resetToRootFolder();
    QVERIFY(DialogUploadProbe::listing(*gone));
    gone.reset();
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(prompt->asked().size(), 0);
}

void TestFormUpload::deleteOnSelections() {
    FormUpload tab;
    const QString path = fx.writeFile("d.bin", 10);
    QList<UploadFile*> loaded;
    for (int i = 0; i < 5; ++i) {
        auto* job = new UploadFile(fx.folder(), QString("f%1").arg(i), path, "", "", "");
        job->setFinished(true);
        job->setMlink(QString("https://www.localhost/file/L%1").arg(i));
        loaded << job;
    }
    UploadTabProbe::place(tab, loaded);
    auto* tabs = tab.findChild<QTabWidget*>(QStringLiteral("SubTabUpload"));
    auto* finished = tab.findChild<QTableWidget*>(QStringLiteral("tableUploaded"));
    tabs->setCurrentIndex(0);
    finished->setSelectionMode(QAbstractItemView::MultiSelection);
    finished->selectRow(1);
    finished->selectRow(3);
    QSignalSpy deleted(&tab, &FormUpload::delCompleted);

    // Cancelled: nothing goes, nothing is saved.
    prompt->answer(QMessageBox::Cancel);
    UploadTabProbe::del(tab);
    QCOMPARE(UploadTabProbe::finished(tab).size(), 5);
    tab.waitForSaves();
    QVERIFY(!QFile::exists(historyPath()));
    QCOMPARE(deleted.size(), 1);

    prompt->answer(QMessageBox::Ok);
    UploadTabProbe::del(tab);
    tab.waitForSaves();
    QCOMPARE(prompt->asked().last().title, QString("Xác nhận xóa"));
    QCOMPARE(prompt->asked().last().defaultButton, QMessageBox::Cancel);
    QStringList left;
    for (const UploadFile* job : UploadTabProbe::finished(tab))
        left << job->getName();
    QCOMPARE(left, (QStringList{"f0", "f2", "f4"}));
    QCOMPARE(finished->rowCount(), 3);
    QCOMPARE(finished->item(1, 0)->text(), QString("f2"));
    QCOMPARE(UploadHistory::load(historyPath(), "").jobs.size(), 3);
    qDeleteAll(UploadHistory::load(historyPath(), "").jobs);
    QCOMPARE(deleted.size(), 2);

    // The copied links end each with a line feed; the download command hands them over.
    finished->clearSelection();
    finished->selectRow(0);
    finished->selectRow(2);
    UploadTabProbe::exportLinks(tab);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("https://www.localhost/file/L0\nhttps://www.localhost/file/L4\n"));
    QSignalSpy links(&tab, &FormUpload::downloadFile);
    UploadTabProbe::downloadLinks(tab);
    QCOMPARE(links.first().first().toStringList().size(), 2);

    // On the queue page: nothing selected asks for a selection and still reports.
    tabs->setCurrentIndex(1);
    prompt->answer(QMessageBox::Ok);
    UploadTabProbe::del(tab);
    QCOMPARE(prompt->asked().last().text, QString("Vui lòng chọn ít nhất một tập tin cần xoá "));
    QCOMPARE(deleted.size(), 3);
}

namespace {

// Reaches how the row look fills in a cell's drawing.
struct RowLookProbe : TransferRowLook {
    using TransferRowLook::initStyleOption;
};

} // namespace

void TestFormUpload::queueRowsLook() {
    // The model gives each row's state; the queue view draws the state's icon in the status
    // cell and shades odd rows. 7 is a download's (a password is needed), drawn alike.
    FormUpload tab;
    const QString path = fx.writeFile("look.bin", 10);
    const QList<QPair<int, QString>> looks{{0, ":/images/bt_start.png"},
                                           {1, ":/images/bt_pause.png"},
                                           {2, ":/images/bt_pause.png"},
                                           {3, QString()},
                                           {4, ":/images/erroricon.png"},
                                           {7, ":/images/erroricon.png"},
                                           {5, QString()}};
    QList<UploadFile*> jobs;
    for (const auto& look : looks) {
        jobs << new UploadFile(fx.folder(), QString("s%1").arg(look.first), path, "", "", "");
        jobs.last()->setState(look.first);
    }
    UploadTabProbe::place(tab, jobs);
    auto* queue = tab.findChild<QTableView*>(QStringLiteral("tableUploading"));
    QVERIFY(qobject_cast<TransferRowLook*>(queue->itemDelegate()));
    RowLookProbe probe;
    for (int row = 0; row < looks.size(); ++row) {
        for (int column = 0; column < queue->model()->columnCount(); ++column) {
            const QString where = QStringLiteral("row %1, column %2").arg(row).arg(column);
            QStyleOptionViewItem option;
            probe.initStyleOption(&option, queue->model()->index(row, column));
            const QString icon = column == 2 ? looks.at(row).second : QString();
            QCOMPARE(bool(option.features & QStyleOptionViewItem::HasDecoration), !icon.isEmpty());
            if (!icon.isEmpty())
                QVERIFY2(option.icon.pixmap(option.decorationSize).toImage() ==
                             QPixmap(icon).toImage(),
                         qPrintable(where));
            QVERIFY2(option.backgroundBrush ==
                         (row % 2 == 1 ? QBrush(QColor(237, 237, 237)) : QBrush()),
                     qPrintable(where));
        }
    }
}

void TestFormUpload::moveCommands() {
    FormUpload tab;
    const QString path = fx.writeFile("m.bin", 10);
    QList<UploadFile*> jobs;
    for (int i = 0; i < 5; ++i)
        jobs << new UploadFile(fx.folder(), QString("q%1").arg(i), path, "", "", "");
    UploadTabProbe::place(tab, jobs);
    TableUploadModel* model = UploadTabProbe::model(tab);
    auto* queue = tab.findChild<QTableView*>(QStringLiteral("tableUploading"));
    const auto names = [model] {
        QStringList out;
        for (const UploadFile* job : model->getJobs())
            out << job->getName();
        return out;
    };
    const auto selected = [queue] {
        QList<int> rows;
        for (const QModelIndex& index : queue->selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const auto select = [queue](const QList<int>& rows) {
        queue->clearSelection();
        for (int row : rows)
            queue->selectionModel()->select(queue->model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    };
    select({0, 2});
    UploadTabProbe::moveUp(tab);
    QCOMPARE(names(), (QStringList{"q0", "q2", "q1", "q3", "q4"}));
    QCOMPARE(selected(), QList<int>{1});
    select({0, 1});
    UploadTabProbe::moveLast(tab);
    QCOMPARE(names(), (QStringList{"q1", "q3", "q4", "q0", "q2"}));
    QCOMPARE(selected(), (QList<int>{3, 4}));
    // Saved in the new order.
    tab.waitForSaves();
    const UploadHistory::Loaded saved = UploadHistory::load(historyPath(), "");
    QCOMPARE(saved.jobs.size(), 5);
    QCOMPARE(saved.jobs.at(3)->getName(), QString("q0"));
    qDeleteAll(saved.jobs);
    // Pausing with nothing selected asks for a selection, and the button sets the flag.
    queue->clearSelection();
    prompt->answer(QMessageBox::Ok);
    UploadTabProbe::pause(tab);
    QVERIFY(uploadStoppedByUser);
    QCOMPARE(prompt->asked().last().text, QString("Hãy chọn các file cần tạm dừng tải lên"));
    // The folder check leaves no selection behind.
    select({1});
    QVERIFY(!tab.checkFolderIsUse("/Music"));
    QVERIFY(tab.checkFolderIsUse("/Other"));
    QVERIFY(selected().isEmpty());
}

void TestFormUpload::contextMenusOpenAtThePointer_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("uploads in progress") << "tableUploading";
    QTest::newRow("finished uploads") << "tableUploaded";
}

// A right click reports its position in the table's viewport, below the column titles: the
// menu opens there, not a header's height above the pointer.
void TestFormUpload::contextMenusOpenAtThePointer() {
    QFETCH(QString, table);
    FormUpload tab;
    const QString path = fx.writeFile("c.bin", 10);
    auto* queued = new UploadFile(fx.folder(), QStringLiteral("q"), path, "", "", "");
    auto* finished = new UploadFile(fx.folder(), QStringLiteral("f"), path, "", "", "");
    finished->setFinished(true);
    finished->setMlink(QStringLiteral("https://www.localhost/file/L1"));
    UploadTabProbe::place(tab, {queued, finished});
    auto* view = tab.findChild<QAbstractItemView*>(table);
    tab.findChild<QTabWidget*>(QStringLiteral("SubTabUpload"))
        ->setCurrentWidget(view->parentWidget());
    tab.resize(900, 500);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    view->selectionModel()->select(view->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(view->viewport()->y() > 10); // below the column titles
    const QPoint at(40, 12);
    QCOMPARE(contextMenuShownAt(view, at), view->viewport()->mapToGlobal(at));
}

void TestFormUpload::uploadsFromTheDialogFinish() {
    FormUpload tab;
    QSignalSpy done(&tab, qOverload<UploadFile*>(&FormUpload::fileUploadDone));
    QSignalSpy ranEmpty(&tab, qOverload<>(&FormUpload::uploadComplete));
    // As the main window does after each finished upload: the finished page comes forward
    // once the last one is done, not while another still runs.
    auto* pages = tab.findChild<QTabWidget*>(QStringLiteral("SubTabUpload"));
    QStringList pageAtEachEnd;
    connect(&tab, qOverload<UploadFile*>(&FormUpload::fileUploadDone), &tab, [&] {
        tab.showUploadedTab();
        pageAtEachEnd << pages->currentWidget()->objectName();
    });
    QSignalSpy added(&tab, &FormUpload::addCompleted);
    std::string first, second;
    const QString a = fx.writeFile("Bài một.mp3", 3 * kChunk + 17, 11, &first);
    const QString b = fx.writeFile("hai.bin", 1000, 12, &second);
    DialogUpload* dialog = UploadTabProbe::dialog(tab);
    dialog->resetToRootFolder();
    chooseAndAccept(*dialog, {a, b}, "/Music");
    QCOMPARE(added.size(), 1);
    TableUploadModel* model = UploadTabProbe::model(tab);
    QCOMPARE(model->rowCount(), 2);
    for (UploadFile* job : model->getJobs())
        job->setChunkSize(kChunk);
    tab.on_btnStart_clicked(); // nothing selected: the first row
    model->queueItem(1);
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, kUploadWaitMs);
    QCOMPARE(model->rowCount(), 0);
    QVERIFY(!tab.isUploading());
    QCOMPARE(pageAtEachEnd, (QStringList{"tUploading", "tUploaded"}));
    // The queue's end, once the jobs have reported theirs after their links.
    QTRY_VERIFY(ranEmpty.size() >= 1);

    // The finished table holds their links; the service lists them in the chosen folder
    // and hands the very bytes back.
    auto* finished = tab.findChild<QTableWidget*>(QStringLiteral("tableUploaded"));
    QCOMPARE(finished->rowCount(), 2);
    const QStringList inMusic = [] {
        brisko::file_api api(&apiClient);
        std::vector<brisko::file*> records = api.list(0, "%2FMusic");
        QStringList names;
        for (brisko::file* record : records) {
            names << QString::fromStdString(record->get_name());
            delete record;
        }
        return names;
    }();
    QVERIFY(inMusic.contains("Bài một.mp3") && inMusic.contains("hai.bin"));
    for (int row = 0; row < 2; ++row) {
        const QString name = finished->item(row, 0)->text();
        const QString link = finished->item(row, 2)->text();
        QCOMPARE(finished->item(row, 3)->text(), QString("/Music"));
        QVERIFY(devservice::parseShareLink(link.toStdString()));
        brisko::sessionapi sessions(&apiClient);
        const std::string where = sessions.download(link.toStdString(), "", false);
        QCOMPARE(sessions.get_error_code(), 0);
        QVERIFY(fetch(where).body == (name == "hai.bin" ? second : first));
    }
    // And the history file has them as finished.
    tab.waitForSaves();
    const UploadHistory::Loaded saved = UploadHistory::load(historyPath(), "");
    QCOMPARE(saved.jobs.size(), 2);
    QVERIFY(saved.jobs.at(0)->isFinished() && saved.jobs.at(1)->isFinished());
    qDeleteAll(saved.jobs);
}

void TestFormUpload::quitMidUploadResumesAtTheServiceOffset() {
    std::string bytes;
    const qint64 size = 3 * kChunk + 5;
    const QString local = fx.writeFile("resume.bin", size, 21, &bytes);
    QString location;
    {
        FormUpload tab;
        DialogUpload* dialog = UploadTabProbe::dialog(tab);
        dialog->resetToRootFolder();
        chooseAndAccept(*dialog, {local}, "/Music");
        UploadFile* job = UploadTabProbe::model(tab)->getJobs().value(0);
        QVERIFY(job);
        job->setChunkSize(kChunk);
        QSignalSpy handedOut(UploadTabProbe::model(tab), &TableUploadModel::locationObtained);
        fx.waits().chunkPause = std::chrono::milliseconds(60000); // held after a chunk
        tab.on_btnStart_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(handedOut.size(), 1, kUploadWaitMs);
        location = job->getRealUrl();
        const std::string token = location.section('/', -1).toStdString();
        QTRY_COMPARE_WITH_TIMEOUT(fx.service().uploadStore().progress(token).received,
                                  std::uint64_t(kChunk), kUploadWaitMs);
        // Kept as soon as it was handed out, before any quit.
        tab.waitForSaves();
        const UploadHistory::Loaded saved = UploadHistory::load(historyPath(), "");
        const bool kept = saved.jobs.size() == 1 && saved.jobs.first()->getRealUrl() == location;
        qDeleteAll(saved.jobs);
        QVERIFY(kept);
        // Quitting now: the tab stops the job, waits for it and keeps it.
    }
    fx.waits().chunkPause = std::chrono::milliseconds(1);
    const std::size_t sessions = fx.sent("/api/session/upload");
    FormUpload tab;
    TableUploadModel* model = UploadTabProbe::model(tab);
    QCOMPARE(model->rowCount(), 1);
    UploadFile* job = model->getJobs().first();
    QCOMPARE(job->getRealUrl(), location);
    job->setChunkSize(kChunk);
    QSignalSpy done(&tab, qOverload<UploadFile*>(&FormUpload::fileUploadDone));
    tab.on_btnStart_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, kUploadWaitMs);
    QCOMPARE(fx.sent("/api/session/upload"), sessions);

    // No byte range was sent twice: the chunks follow each other from 0 to the end.
    std::set<qint64> starts;
    qint64 next = 0;
    for (const QString& step : fx.locationSteps()) {
        if (step == "GET")
            continue;
        const qint64 first = step.section(' ', 1).section('-', 0, 0).toLongLong();
        QVERIFY2(starts.insert(first).second, qPrintable(step));
        QCOMPARE(first, next);
        next = step.section('-', 1).section('/', 0, 0).toLongLong() + 1;
    }
    QCOMPARE(next, size);
    brisko::sessionapi download(&apiClient);
    const std::string where = download.download(
        UploadTabProbe::finished(tab).first()->getMlink().toStdString(), "", false);
    QVERIFY(fetch(where).body == bytes);
}

// Saves return at once; those asked for while one runs end in one more write with the
// newest lists; closing waits for it; a failure is told on the GUI thread.
void TestFormUpload::historySavesLeaveTheGuiThread() {
    HeldDisk disk;
    const QString path = fx.writeFile("h.bin", 10);
    std::thread later;
    {
        FormUpload tab;
        TableUploadModel* model = UploadTabProbe::model(tab);
        UploadTabProbe::place(tab, {new UploadFile(fx.folder(), "first", path, "", "", "")});
        tab.saveUploads();
        QCOMPARE(disk.askedCount(), 0); // taken once the event loop runs
        QCoreApplication::processEvents();
        QVERIFY(disk.waitUntilAsked(1)); // held
        for (const char* name : {"second", "third"}) {
            model->addJob(new UploadFile(fx.folder(), name, path, "", "", ""));
            tab.saveUploads();
            QCoreApplication::processEvents();
        }
        QVERIFY(!QFile::exists(historyPath()));

        // No room: the box comes once the write is done, on the GUI thread.
        disk.freeBytes = -historyfile::kFreeSpaceSlack; // not even the margin is left
        disk.release();
        prompt->answer(QMessageBox::Ok);
        tab.waitForSaves();
        QCOMPARE(disk.askedCount(), 2);
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked().at(0).text,
                 QString("Không đủ dung lượng trống để lưu thông tin tải lên"));
        QVERIFY(!QFile::exists(historyPath()));

        // Closing: the last save runs while the tab goes, and is waited for.
        disk.freeBytes = qint64(1) << 40;
        disk.hold();
        model->moveItem(2, 0);
        later = std::thread([&disk] {
            QThread::msleep(100);
            disk.release();
        });
    }
    later.join();
    QCOMPARE(disk.askedCount(), 3);
    const UploadHistory::Loaded saved = UploadHistory::load(historyPath(), "");
    QStringList names;
    for (const UploadFile* job : saved.jobs)
        names << job->getName();
    qDeleteAll(saved.jobs);
    QCOMPARE(names, (QStringList{"third", "first", "second"}));
    QCOMPARE(prompt->asked().size(), 1);
}

QTEST_MAIN(TestFormUpload)
#include "test_formupload.moc"
