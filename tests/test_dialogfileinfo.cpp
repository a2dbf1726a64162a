// The download properties dialog: renaming and moving one download (collisions, new and
// impossible folders, a move that fails), several downloads at once with the "xxx"
// placeholders, running downloads kept where they are, and a password-protected file
// downloaded end to end after its password was typed here.
#include "core/actionthread.h"
#include "core/dialogloading.h"
#include "download/dialogfileinfo.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "download/localfilename.h"
#include "tests/downloadtabprobe.h"
#include "tests/downloadtabsession.h"
#include "tests/otherdisk.h"
#include "tests/shortwaits.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/filecontent.h"
#include "transfer/transferenvironment.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// A job whose thread runs until released.
class BlockedJob : public DownloadFile {
public:
    BlockedJob(const QString& name, const QString& path)
        : DownloadFile(name, path, {}, {}, "1", "false", "https://u/" + name, {}, 10) {}
    ~BlockedJob() override {
        released.release();
        wait();
    }
    QSemaphore released;

protected:
    void run() override { released.acquire(); }
};

QLineEdit* field(QDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

QPushButton* okButton(QDialog& dialog) {
    return dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
}

bool touch(const QString& path, const QByteArray& content = "partial") {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestDialogFileInfo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneJob_data();
    void oneJob();
    void runningJobIsReadOnly();
    void severalJobs_data();
    void severalJobs();
    void otherDownloadsPathsAreTaken_data();
    void otherDownloadsPathsAreTaken();
    void downloadAddedWhileOpen();
    void moveToAnotherDisk_data();
    void moveToAnotherDisk();
    void moveToAFullDisk();
    void passwordProtectedDownload();

private:
    DownloadFile* job(const QString& name, const QString& password = QString());

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    QList<DownloadFile*> jobs;
};

void TestDialogFileInfo::init() {
    folder = std::make_unique<QTemporaryDir>();
    prompt = std::make_unique<ScriptedUserPrompt>();
}

void TestDialogFileInfo::cleanup() {
    qDeleteAll(jobs);
    jobs.clear();
    QCOMPARE(prompt->unanswered(), 0);
    prompt.reset();
}

DownloadFile* TestDialogFileInfo::job(const QString& name, const QString& password) {
    jobs << new DownloadFile(name, folder->filePath(name), "c", "", "1", "false",
                             "https://www.example/file/" + name, password, 4096);
    return jobs.last();
}

void TestDialogFileInfo::oneJob_data() {
    QTest::addColumn<QString>("name");    // typed; "" keeps a.mkv
    QTest::addColumn<QString>("folder");  // typed, under the test's folder; "/proc": there
    QTest::addColumn<QString>("answer");  // to the new-folder question: "ok", "cancel", ""
    QTest::addColumn<QString>("message"); // text of the box shown, "" none
    QTest::addColumn<QString>("path");    // the job's path after OK, under the test's folder
    QTest::addColumn<QString>("password");
    QTest::newRow("password only, file already there") << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "a.mkv"
                                                       << "mới";
    QTest::newRow("rename") << "b.mkv"
                            << ""
                            << ""
                            << ""
                            << "b.mkv"
                            << "mới";
    QTest::newRow("rename onto an existing file")
        << "c.mkv"
        << ""
        << ""
        << "Tập tin đã tồn tại, không thể đổi tên tập tin."
        << "a.mkv"
        << "cũ";
    QTest::newRow("a typed name is made a safe local name")
        << "x/y\t.mkv"
        << ""
        << ""
        << "" << sanitizeFileName("x/y\t.mkv") << "mới";
    QTest::newRow("empty name") << " "
                                << ""
                                << ""
                                << "Nhập tên cho tập tin."
                                << "a.mkv"
                                << "cũ";
    QTest::newRow("move to a new folder, created") << ""
                                                   << "Phim mới"
                                                   << "ok"
                                                   << ""
                                                   << "Phim mới/a.mkv"
                                                   << "mới";
    QTest::newRow("new folder not wanted") << ""
                                           << "Phim mới"
                                           << "cancel"
                                           << ""
                                           << "a.mkv"
                                           << "cũ";
    QTest::newRow("folder that cannot be made")
        << ""
        << "x/y"
        << "ok"
        << "Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn."
        << "a.mkv"
        << "cũ";
    QTest::newRow("a move that fails keeps the old path") << ""
                                                          << "/proc"
                                                          << ""
                                                          << "move failed"
                                                          << "a.mkv"
                                                          << "cũ";
}

void TestDialogFileInfo::oneJob() {
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(QString, path);
    QFETCH(QString, password);
    DownloadFile* download = job("a.mkv", "cũ");
    QVERIFY(touch(download->getPath()));
    QVERIFY(touch(this->folder->filePath("c.mkv"), "other"));
    DialogFileInfo dialog({download});
    QCOMPARE(field(dialog, "txt_localPath")->text(), this->folder->path() + "/");
    QCOMPARE(field(dialog, "txtPassword")->echoMode(), QLineEdit::Password);
    QVERIFY(!okButton(dialog)->isEnabled());
    if (!name.isEmpty())
        field(dialog, "txt_fileName")->setText(name);
    if (!folder.isEmpty())
        field(dialog, "txt_localPath")
            ->setText(folder.startsWith('/') ? folder : this->folder->filePath(folder));
    field(dialog, "txtPassword")->setText("mới");
    if (!answer.isEmpty())
        prompt->answer(answer == QLatin1String("ok") ? QMessageBox::Ok : QMessageBox::Cancel);
    if (!message.isEmpty())
        prompt->answer(QMessageBox::Ok);
    QVERIFY(okButton(dialog)->isEnabled());
    okButton(dialog)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(download->getPath(), this->folder->filePath(path));
    QCOMPARE(download->getName(), path.section('/', -1));
    QCOMPARE(download->getPassword(), password);
    // The file went with the job, or stayed where the job still points.
    QVERIFY(QFile::exists(download->getPath()));
    QCOMPARE(QFile(this->folder->filePath("c.mkv")).size(), qint64(5));
    if (message == QLatin1String("move failed"))
        QVERIFY(prompt->asked().last().text.startsWith("Không đổi tên hay chuyển được tập tin"));
    else if (!message.isEmpty())
        QCOMPARE(prompt->asked().last().text, message);
    if (message.isEmpty() && answer.isEmpty())
        QVERIFY(prompt->asked().isEmpty());
}

void TestDialogFileInfo::runningJobIsReadOnly() {
    auto* running = new BlockedJob("a.mkv", folder->filePath("a.mkv"));
    jobs << running;
    running->start();
    DialogFileInfo dialog({running});
    QVERIFY(field(dialog, "txt_fileName")->isReadOnly());
    QVERIFY(field(dialog, "txt_localPath")->isReadOnly());
    QVERIFY(field(dialog, "txtPassword")->isReadOnly());
    QVERIFY(dialog.findChild<QPushButton*>("btn_browser")->isHidden());
    QVERIFY(!okButton(dialog)->isEnabled());

    // Started while its dialog was open: its name and folder stay.
    auto* starting = new BlockedJob("b.mkv", folder->filePath("b.mkv"));
    jobs << starting;
    DialogFileInfo late({starting});
    QVERIFY(!field(late, "txt_fileName")->isReadOnly());
    field(late, "txt_fileName")->setText("c.mkv");
    starting->start();
    prompt->answer(QMessageBox::Ok);
    okButton(late)->click();
    QCOMPARE(starting->getName(), QStringLiteral("b.mkv"));
    QCOMPARE(starting->getPath(), folder->filePath("b.mkv"));
    QCOMPARE(prompt->asked().last().text,
             QStringLiteral("Tập tin b.mkv đang được tải, không thể đổi tên hay chuyển tập tin."));
}

void TestDialogFileInfo::severalJobs_data() {
    QTest::addColumn<QString>("folder");   // "": left at xxx
    QTest::addColumn<QString>("password"); // "-": never touched
    QTest::addColumn<bool>("collision");   // b.mkv already in the target folder
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("passwords");
    const QStringList kept = {"a.mkv", "b.mkv", "c.mkv"};
    QTest::newRow("placeholders left: nothing changes")
        << ""
        << "-" << false << kept << QStringList{"1", "2", "3"};
    QTest::newRow("password cleared for all") << ""
                                              << "" << false << kept << QStringList{"", "", ""};
    QTest::newRow("moved, one password")
        << "Đích"
        << "chung" << false << QStringList{"Đích/a.mkv", "Đích/b.mkv", "Đích/c.mkv"}
        << QStringList{"chung", "chung", "chung"};
    QTest::newRow("a collision stops at that job")
        << "Đích"
        << "chung" << true << QStringList{"Đích/a.mkv", "b.mkv", "c.mkv"}
        << QStringList{"chung", "2", "3"};
}

void TestDialogFileInfo::severalJobs() {
    QFETCH(QString, folder);
    QFETCH(QString, password);
    QFETCH(bool, collision);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, passwords);
    const QList<DownloadFile*> three = {job("a.mkv", "1"), job("b.mkv", "2"), job("c.mkv", "3")};
    QVERIFY(QDir(this->folder->path()).mkdir("Đích"));
    if (collision) {
        QVERIFY(touch(this->folder->filePath("Đích/b.mkv")));
        prompt->answer(QMessageBox::Ok);
    }
    DialogFileInfo dialog(three);
    for (const char* name : {"txt_url", "txt_fileName", "txtPassword", "txt_localPath"})
        QCOMPARE(field(dialog, name)->text(), QStringLiteral("xxx"));
    QCOMPARE(field(dialog, "txtPassword")->echoMode(), QLineEdit::Normal);
    QVERIFY(!field(dialog, "txt_fileName")->isEnabled());
    if (!folder.isEmpty())
        field(dialog, "txt_localPath")->setText(this->folder->filePath(folder));
    if (password != QLatin1String("-"))
        field(dialog, "txtPassword")->setText(password);
    QMetaObject::invokeMethod(&dialog, "info_changed");
    okButton(dialog)->click();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(three[i]->getPath(), this->folder->filePath(paths[i]));
        QCOMPARE(three[i]->getPassword(), passwords[i]);
    }
    if (collision)
        QCOMPARE(prompt->asked().last().text, "Tập tin " + this->folder->filePath("Đích/b.mkv") +
                                                  " đã tồn tại, không thể đổi tên tập tin.");
}

void TestDialogFileInfo::otherDownloadsPathsAreTaken_data() {
    QTest::addColumn<QList<int>>("edited"); // of a.mkv, b.mkv and x/a.mkv, none on disk
    QTest::addColumn<QString>("name");      // "": kept
    QTest::addColumn<QString>("folder");    // "": kept
    QTest::addColumn<QStringList>("paths"); // afterwards
    QTest::addColumn<QString>("message");
    const QString exists = QStringLiteral("Tập tin đã tồn tại, không thể đổi tên tập tin.");
    QTest::newRow("renamed onto another download")
        << QList<int>{0} << "b.mkv"
        << "" << QStringList{"a.mkv", "b.mkv", "x/a.mkv"} << exists;
    QTest::newRow("moved onto another download")
        << QList<int>{0} << ""
        << "x" << QStringList{"a.mkv", "b.mkv", "x/a.mkv"} << exists;
    QTest::newRow("two of one name moved into one folder")
        << QList<int>{0, 2} << ""
        << "y" << QStringList{"y/a.mkv", "b.mkv", "x/a.mkv"}
        << "Tập tin %1/y/a.mkv đã tồn tại, không thể đổi tên tập tin.";
}

// Queued downloads that have written nothing yet: only their paths tell where they go, and
// no two downloads may end up writing one file.
void TestDialogFileInfo::otherDownloadsPathsAreTaken() {
    QFETCH(QList<int>, edited);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QStringList, paths);
    QFETCH(QString, message);
    QVERIFY(QDir(this->folder->path()).mkdir("x"));
    QVERIFY(QDir(this->folder->path()).mkdir("y"));
    const QList<DownloadFile*> tab = {job("a.mkv"), job("b.mkv"), job("x/a.mkv")};
    tab[2]->setName("a.mkv");
    QList<DownloadFile*> chosen;
    for (int i : edited)
        chosen << tab[i];
    DialogFileInfo dialog(chosen, nullptr, [&] { return tab; });
    if (!name.isEmpty())
        field(dialog, "txt_fileName")->setText(name);
    if (!folder.isEmpty())
        field(dialog, "txt_localPath")->setText(this->folder->filePath(folder));
    QMetaObject::invokeMethod(&dialog, "info_changed");
    prompt->answer(QMessageBox::Ok);
    okButton(dialog)->click();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(tab[i]->getPath(), this->folder->filePath(paths[i]));
    QCOMPARE(prompt->asked().last().text, message.arg(this->folder->path()));
}

// A second start hands a link over while the dialog of another download is open: the
// new download's path, where nothing is written yet, is taken all the same.
void TestDialogFileInfo::downloadAddedWhileOpen() {
    DownloadTabSession session;
    QVERIFY(session.start());
    auto tab = std::make_unique<FormDownload>(nullptr);
    TableDownloadModel* model = DownloadTabProbe::model(*tab);
    auto* download = new DownloadFile("a.mkv", folder->filePath("a.mkv"), "c", "", "1", "false",
                                      "https://www.example/file/a", "", 4096);
    model->addJob(download);
    bool handedOver = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogFileInfo*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        brisko::file record;
        record.set_name("b.mkv");
        record.set_type("1");
        record.set_linkcode("LCb");
        record.set_url("https://www.example/file/LCb");
        record.set_size("4096");
        DownloadTabProbe::getDir(*tab, {&record}, "false", folder->path());
        handedOver = true;
        field(*dialog, "txt_fileName")->setText("b.mkv");
        okButton(*dialog)->click();
    });
    prompt->answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(tab.get(), "on_tableDownloading_doubleClicked",
                              Q_ARG(QModelIndex, model->index(0, 2)));
    QVERIFY(handedOver);
    QCOMPARE(model->getJobs().size(), 2);
    QCOMPARE(model->getJobs().at(1)->getPath(), folder->filePath("b.mkv"));
    QCOMPARE(download->getPath(), folder->filePath("a.mkv"));
    QCOMPARE(download->getName(), QStringLiteral("a.mkv"));
    QCOMPARE(prompt->asked().last().text,
             QStringLiteral("Tập tin đã tồn tại, không thể đổi tên tập tin."));
}

void TestDialogFileInfo::moveToAnotherDisk_data() {
    QTest::addColumn<bool>("startsMeanwhile");
    QTest::newRow("moved") << false;
    QTest::newRow("the download started meanwhile") << true;
}

// A partial file moved to another disk is copied on a thread of its own while a loading
// box shows and the window goes on; a download that starts meanwhile keeps its file.
void TestDialogFileInfo::moveToAnotherDisk() {
    QFETCH(bool, startsMeanwhile);
    OtherDisk disk;
    auto* download = new BlockedJob("a.mkv", folder->filePath("a.mkv"));
    jobs << download;
    const QByteArray partial(300000, 'p');
    QVERIFY(touch(download->getPath(), partial));
    QVERIFY(QDir(folder->path()).mkdir("khác"));
    DialogFileInfo dialog({download});
    field(dialog, "txt_localPath")->setText(folder->filePath("khác"));
    bool boxSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!qobject_cast<DialogLoading*>(QApplication::activeModalWidget()))
            return;
        watch.stop();
        boxSeen = true;
        if (startsMeanwhile)
            download->start();
        disk.go.release();
    });
    watch.start(0);
    if (startsMeanwhile)
        prompt->answer(QMessageBox::Ok);
    okButton(dialog)->click();
    QVERIFY(boxSeen);
    QVERIFY(disk.offGuiThread);
    const QString moved = folder->filePath("khác/a.mkv");
    const QString kept = startsMeanwhile ? folder->filePath("a.mkv") : moved;
    QCOMPARE(download->getPath(), kept);
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), partial);
    QCOMPARE(QFile::exists(startsMeanwhile ? moved : folder->filePath("a.mkv")), false);
    QCOMPARE(QDir(folder->filePath("khác")).entryList(QDir::Files | QDir::Hidden).size(),
             startsMeanwhile ? 0 : 1);
    if (startsMeanwhile)
        QCOMPARE(
            prompt->asked().last().text,
            QStringLiteral("Tập tin a.mkv đang được tải, không thể đổi tên hay chuyển tập tin."));
    else
        QVERIFY(prompt->asked().isEmpty());
}

// The copy to another disk fills it (here a file-size limit) in its last write: the file
// stays where it was, whole, and the job with it.
void TestDialogFileInfo::moveToAFullDisk() {
    OtherDisk disk;
    disk.go.release();
    DownloadFile* download = job("a.mkv");
    const QByteArray partial((1 << 20) + 10 * 1024, 'p');
    QVERIFY(touch(download->getPath(), partial));
    QVERIFY(QDir(folder->path()).mkdir("khác"));
    DialogFileInfo dialog({download});
    field(dialog, "txt_localPath")->setText(folder->filePath("khác"));
    prompt->answer(QMessageBox::Ok);
    withFileSizeLimit(1 << 20, [&] {
        okButton(dialog)->click();
        return true;
    });
    QCOMPARE(download->getPath(), folder->filePath("a.mkv"));
    QFile file(download->getPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), partial);
    QCOMPARE(QDir(folder->filePath("khác")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(prompt->asked().last().text.startsWith("Không đổi tên hay chuyển được tập tin"));
}

// A file with a password: the first start stops for it, the password typed in the dialog
// goes with the next start, which brings the service's bytes, and the history keeps it.
void TestDialogFileInfo::passwordProtectedDownload() {
    DownloadTabSession session;
    QVERIFY(session.start());
    ShortWaits waits;
    ActionThread::registerMetaTypes();
    const QString password = QString::fromUtf8("bí mật");
    devservice::FileEntry entry;
    entry.name = "khoa.bin";
    entry.size = 30000;
    entry.seed = 4711;
    entry.password = password.toStdString();
    const auto added = session.service().files().addFile(session.accountId(), "/", entry);
    QVERIFY(added);
    const QString link = session.link(added->linkcode);

    auto tab = std::make_unique<FormDownload>(nullptr);
    TableDownloadModel* model = DownloadTabProbe::model(*tab);
    auto* download = new DownloadFile("khoa.bin", folder->filePath("khoa.bin"),
                                      QString::fromStdString(added->linkcode), "", "1", "false",
                                      link, "", 30000);
    model->addJob(download);
    model->queueItem(0);
    QTRY_COMPARE_WITH_TIMEOUT(download->getState(), int(DownloadFile::StatePassword), 20000);
    QCOMPARE(download->getStatusText(),
             QStringLiteral("Tập tin có mật khẩu. Double click để nhập mật khẩu!"));
    QTRY_VERIFY(!download->isRunning());

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogFileInfo*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(field(*dialog, "txtPassword")->hasFocus() ||
                dialog->focusWidget() == field(*dialog, "txtPassword"));
        field(*dialog, "txtPassword")->setText(password);
        okButton(*dialog)->click();
    });
    QMetaObject::invokeMethod(tab.get(), "on_tableDownloading_doubleClicked",
                              Q_ARG(QModelIndex, model->index(0, 2)));
    QCOMPARE(download->getPassword(), password);

    QSignalSpy done(tab.get(), qOverload<DownloadFile*>(&FormDownload::filedownloadDone));
    model->queueItem(0);
    QVERIFY(done.wait(30000));
    QFile file(folder->filePath("khoa.bin"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray::fromStdString(devservice::generateContent(4711, 0, 30000)));

    // Through the history file into the next session's tab.
    tab.reset();
    const auto saved = DownloadHistory::load(session.historyPath());
    QCOMPARE(saved.jobs.size(), 1);
    QCOMPARE(saved.jobs.first()->getPassword(), password);
    qDeleteAll(saved.jobs);
}

QTEST_MAIN(TestDialogFileInfo)
#include "test_dialogfileinfo.moc"
