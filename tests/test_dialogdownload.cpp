// The add-links dialog against the local stand-in: where its links and folder come from,
// its refusals, the folder it creates, the progress of the expansion, what it hands over
// and the jobs that the download tab makes of it.
#include "core/actionthread.h"
#include "core/dialogmsg.h"
#include "core/linkexpansion.h"
#include "tests/support/scripteduserprompt.h"
#include "download/dialogdownload.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadtabprobe.h"
#include "tests/downloadtabsession.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const char kFilePath[] = "/ghi chú.txt"; // 1000 bytes at the demo account's top level

// What a receiver of send_dir saw, taken during the emission (the records go after it).
struct HandOver {
    int count = 0;
    QStringList names;
    QStringList urls;
    QString downloadZip;
    QString dir;
    QString password;

    void attach(DialogDownload* dialog) {
        QObject::connect(
            dialog, &DialogDownload::send_dir, dialog,
            [this](QList<brisko::file*> files, QString zip, QString folder, QString pwd) {
                ++count;
                for (const brisko::file* f : files) {
                    names << QString::fromStdString(f->get_name());
                    urls << QString::fromStdString(f->get_url());
                }
                downloadZip = zip;
                dir = folder;
                password = pwd;
            });
    }
};

template <typename T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// Notes each notice dialog as it is shown.
class NoticeWatch : public QObject {
public:
    explicit NoticeWatch(QStringList& events) : events(events) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<DialogMsg*>(watched))
            events << "notice";
        return false;
    }

private:
    QStringList& events;
};

QSet<QString> linkSet(const QString& text) {
    const QStringList links = text.split(';', Qt::SkipEmptyParts);
    return QSet<QString>(links.begin(), links.end());
}

} // namespace

class TestDialogDownload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void linksFromArgumentOrClipboard_data();
    void linksFromArgumentOrClipboard();
    void emptyLinksAreRefused();
    void editingKeepsOnlyLinks();
    void setLinksMerges_data();
    void setLinksMerges();
    void folderChecks_data();
    void folderChecks();
    void defaultFolder_data();
    void defaultFolder();
    void progressSlot_data();
    void progressSlot();
    void folderLinkShowsProgressAndHandsOver();
    void failedLinksAreReportedBeforeTheHandOver();
    void jobsReachTheTab();
    void closeButtons_data();
    void closeButtons();
    void dragging_data();
    void dragging();

private:
    // Clicks "Tải xuống" and waits for the hand-over.
    bool downloadAndWait(DialogDownload& dialog);

    std::unique_ptr<DownloadTabSession> session;
    std::unique_ptr<QTemporaryDir> downloads;
    std::unique_ptr<ScriptedUserPrompt> prompt;
};

void TestDialogDownload::init() {
    ActionThread::registerMetaTypes();
    session = std::make_unique<DownloadTabSession>();
    QVERIFY(session->start());
    downloads = std::make_unique<QTemporaryDir>();
    SettingsStore().remove(SettingsKeys::DownloadDir);
    QApplication::clipboard()->clear();
    prompt = std::make_unique<ScriptedUserPrompt>();
}

void TestDialogDownload::cleanup() {
    QCOMPARE(prompt->unanswered(), 0);
    prompt.reset();
    session.reset();
    downloads.reset();
}

bool TestDialogDownload::downloadAndWait(DialogDownload& dialog) {
    QSignalSpy handed(&dialog, &DialogDownload::send_dir);
    child<QPushButton>(&dialog, "btn_download")->click();
    return handed.wait(20000);
}

void TestDialogDownload::linksFromArgumentOrClipboard_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sentence with a password link")
        << ""
        << "Tải đi nhé: https://www.HOST/file/AbC123?p=secret bạn ơi"
        << "https://www.HOST/file/AbC123";
    QTest::newRow("no link in the clipboard") << ""
                                              << "chỉ là chữ"
                                              << "";
    QTest::newRow("blank argument") << "  "
                                    << "www.HOST/folder/F1"
                                    << "https://www.HOST/folder/F1";
    QTest::newRow("argument wins") << "HOST/file/X1"
                                   << "https://www.HOST/file/Y2"
                                   << "https://www.HOST/file/X1";
}

void TestDialogDownload::linksFromArgumentOrClipboard() {
    QFETCH(QString, argument);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    const QString host = QString::fromStdString(hosts::webHost());
    QApplication::clipboard()->setText(clipboard.replace("HOST", host));
    DialogDownload dialog(argument.replace("HOST", host));
    QCOMPARE(child<QLineEdit>(&dialog, "txt_duongdan")->text(), expected.replace("HOST", host));
    QVERIFY(child<QWidget>(&dialog, "prb_getList")->isHidden());
    QVERIFY(child<QLabel>(&dialog, "lb_displayString")->text().isEmpty());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestDialogDownload::emptyLinksAreRefused() {
    DialogDownload dialog("no links here");
    auto* links = child<QLineEdit>(&dialog, "txt_duongdan");
    QVERIFY(links->text().isEmpty());
    child<QLineEdit>(&dialog, "txt_luu")->setFocus();
    prompt->answer(QMessageBox::Ok);
    child<QPushButton>(&dialog, "btn_download")->click();
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(prompt->asked().at(0).kind, ScriptedUserPrompt::Kind::Warning);
    QCOMPARE(prompt->asked().at(0).title, QStringLiteral("Download"));
    QCOMPARE(prompt->asked().at(0).text,
             QString::fromUtf8("Vui lòng nhập đường dẫn tải xuống của brisko."));
    QCOMPARE(dialog.focusWidget(), links);
}

void TestDialogDownload::editingKeepsOnlyLinks() {
    DialogDownload dialog("x");
    auto* links = child<QLineEdit>(&dialog, "txt_duongdan");
    const QString link = session->linkOf(kFilePath);
    links->setText("hello " + link + " world");
    QMetaObject::invokeMethod(&dialog, "on_txt_duongdan_editingFinished");
    QCOMPARE(links->text(), link);
    links->setText("hello world");
    QMetaObject::invokeMethod(&dialog, "on_txt_duongdan_editingFinished");
    QVERIFY(links->text().isEmpty());
}

void TestDialogDownload::setLinksMerges_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("added") << false << QStringList{"A", "B"};
    QTest::newRow("replaced") << true << QStringList{"B", "C"};
}

void TestDialogDownload::setLinksMerges() {
    QFETCH(bool, replace);
    QFETCH(QStringList, expected);
    const auto link = [&](const QString& code) { return session->link(code.toStdString()); };
    DialogDownload dialog(link("A"));
    dialog.setLinks("mới: " + link("B") + "?p=1 và " + link("C").mid(8) + " " + link("B"), replace);
    QSet<QString> wanted;
    for (const QString& code : expected)
        wanted << link(code);
    if (!replace)
        wanted << link("C");
    QCOMPARE(linkSet(child<QLineEdit>(&dialog, "txt_duongdan")->text()), wanted);
    QCOMPARE(child<QLineEdit>(&dialog, "txt_duongdan")->text().split(';').size(), wanted.size());
}

void TestDialogDownload::folderChecks_data() {
    QTest::addColumn<QString>("folder"); // TMP: a fresh folder
    QTest::addColumn<int>("answer");     // to the creation question; 0: none asked
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("created");
    QTest::addColumn<QString>("handedDir"); // empty: nothing handed over
    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;
    const QString question =
        QString::fromUtf8("Folder|Thư mục không tồn tại, bạn có muốn tạo thư mục này không?");
    QTest::newRow("blanks") << "   " << 0
                            << QStringList{QString::fromUtf8(
                                   "Folder|Vui lòng chọn đường dẫn thư mục!")}
                            << ""
                            << "";
    QTest::newRow("missing, declined") << "TMP/Mới" << cancel << QStringList{question} << ""
                                       << "";
    QTest::newRow("missing, created") << "TMP/Mới" << ok << QStringList{question} << "TMP/Mới"
                                      << "TMP/Mới";
    QTest::newRow("missing parent")
        << "TMP/Phim/Moi/Tap1" << ok
        << QStringList{question, QString::fromUtf8("Folder|Tạo thư mục thất bại. Bạn vui lòng "
                                                   "kiểm tra lại đường dẫn <b>TMP/Phim/Moi</b>.")}
        << ""
        << "";
    QTest::newRow("existing, blanks and trailing slash") << "  TMP/  " << 0 << QStringList() << ""
                                                         << "TMP";
}

void TestDialogDownload::folderChecks() {
    QFETCH(QString, folder);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QString, created);
    QFETCH(QString, handedDir);
    const QString tmp = downloads->path();
    DialogDownload dialog(session->linkOf(kFilePath));
    HandOver handOver;
    handOver.attach(&dialog);
    child<QLineEdit>(&dialog, "txt_luu")->setText(folder.replace("TMP", tmp));
    for (int i = 0; i < boxes.size(); ++i)
        prompt->answer(i == 0 && answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok);

    if (handedDir.isEmpty()) {
        child<QPushButton>(&dialog, "btn_download")->click();
        QVERIFY(child<QPushButton>(&dialog, "btn_download")->isEnabled());
        // A later click with a good folder starts the one and only expansion.
        child<QLineEdit>(&dialog, "txt_luu")->setText(tmp);
        QVERIFY(downloadAndWait(dialog));
        QCOMPARE(int(session->service().requests().forPath("/api/fileops/get").size()), 1);
    } else {
        QVERIFY(downloadAndWait(dialog));
        QCOMPARE(handOver.dir, handedDir.replace("TMP", tmp));
    }
    QCOMPARE(handOver.count, 1);
    QStringList asked;
    for (const auto& box : prompt->asked())
        asked << box.title + "|" + box.text;
    QStringList expected;
    for (const QString& box : boxes)
        expected << QString(box).replace("TMP", tmp);
    QCOMPARE(asked, expected);
    if (!created.isEmpty())
        QVERIFY(QDir(created.replace("TMP", tmp)).exists());
    QVERIFY(!QDir(tmp + QString::fromUtf8("/Mới")).exists() || !created.isEmpty());
    QVERIFY(!QDir(tmp + "/Phim").exists());
}

void TestDialogDownload::defaultFolder_data() {
    QTest::addColumn<QString>("stored"); // before the dialog opens; "-" none
    QTest::addColumn<bool>("keep");     // "Sử dụng làm thư mục tải xuống mặc định"
    QTest::addColumn<QString>("typed"); // TMP: a fresh folder
    QTest::addColumn<QString>("shown"); // HOME: the home folder
    QTest::addColumn<QString>("after");
    QTest::newRow("none, kept as typed") << "-" << true << "  TMP "
                                         << "HOME"
                                         << "  TMP ";
    QTest::newRow("stored, not kept") << "/stored/place" << false << "TMP"
                                      << "/stored/place"
                                      << "/stored/place";
}

void TestDialogDownload::defaultFolder() {
    QFETCH(QString, stored);
    QFETCH(bool, keep);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, after);
    if (stored != "-")
        SettingsStore().setValue(SettingsKeys::DownloadDir, stored);
    DialogDownload dialog(session->linkOf(kFilePath));
    auto* folder = child<QLineEdit>(&dialog, "txt_luu");
    QCOMPARE(folder->text(), shown.replace("HOME", QDir::homePath()));
    folder->setText(typed.replace("TMP", downloads->path()));
    child<QCheckBox>(&dialog, "chckUsedAsDefault")->setChecked(keep);
    child<QPushButton>(&dialog, "btn_download")->click();
    // Written when the job starts, before it ends.
    QCOMPARE(SettingsStore().text(SettingsKeys::DownloadDir),
             after.replace("TMP", downloads->path()));
    QSignalSpy handed(&dialog, &DialogDownload::send_dir);
    QVERIFY(handed.wait(20000));
}

void TestDialogDownload::progressSlot_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("barShown");
    QTest::newRow("a file link") << 1 << 1 << false;
    QTest::newRow("a folder page") << 500 << 1200 << true;
}

void TestDialogDownload::progressSlot() {
    QFETCH(int, value);
    QFETCH(int, max);
    QFETCH(bool, barShown);
    DialogDownload dialog("x");
    QMetaObject::invokeMethod(&dialog, "setProgressBar", Q_ARG(int, value), Q_ARG(int, max),
                              Q_ARG(QString, QStringLiteral("đang đọc")));
    QCOMPARE(child<QLabel>(&dialog, "lb_displayString")->text(), QString::fromUtf8("đang đọc"));
    auto* bar = child<QProgressBar>(&dialog, "prb_getList");
    QCOMPARE(!bar->isHidden(), barShown);
    if (barShown) {
        QCOMPARE(bar->maximum(), max);
        QCOMPARE(bar->value(), value);
    }
    for (const char* name :
         {"txt_duongdan", "txt_luu", "chckUsedAsDefault", "btn_chon", "btn_download"})
        QVERIFY2(!child<QWidget>(&dialog, name)->isEnabled(), name);
    QVERIFY(child<QWidget>(&dialog, "btn_close1")->isEnabled());
}

void TestDialogDownload::folderLinkShowsProgressAndHandsOver() {
    auto& files = session->service().files();
    QVERIFY(files.addFolder(session->accountId(), "/", "Bộ sưu tập"));
    QVERIFY(files.addFolder(session->accountId(), "/Bộ sưu tập", "Con"));
    for (const char* name : {"một.txt", "hai.txt", "ba.txt"})
        QVERIFY(!session->addFile("/Bộ sưu tập", name, 100, 7).empty());
    const QString folderLink = session->linkOf("/Bộ sưu tập");

    DialogDownload dialog(folderLink);
    dialog.show();
    HandOver handOver;
    handOver.attach(&dialog);
    child<QLineEdit>(&dialog, "txt_luu")->setText(downloads->path() + "/");
    QSignalSpy closed(&dialog, &QDialog::finished);
    QVERIFY(downloadAndWait(dialog));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!dialog.isVisible());

    QCOMPARE(QSet<QString>(handOver.names.begin(), handOver.names.end()),
             QSet<QString>({QString::fromUtf8("một.txt"), "hai.txt", "ba.txt"}));
    QCOMPARE(handOver.downloadZip, QStringLiteral("false"));
    QCOMPARE(handOver.dir, downloads->path());
    QCOMPARE(handOver.password, QString());
    auto* bar = child<QProgressBar>(&dialog, "prb_getList");
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->maximum(), 4); // the folder's entries, its sub-folder included
    QCOMPARE(bar->value(), 4);
    QCOMPARE(child<QLabel>(&dialog, "lb_displayString")->text(), folderLink + " (4/4)");
    QVERIFY(child<QWidget>(&dialog, "btn_download")->isEnabled());
}

void TestDialogDownload::failedLinksAreReportedBeforeTheHandOver() {
    const QString bad = session->link("NOSUCHCODE");
    QMainWindow main;
    main.show();
    DialogDownload dialog(session->linkOf(kFilePath) + ";" + bad, &main);
    dialog.show();
    QStringList events;
    const NoticeWatch watch(events);
    QString noticeTitle, noticeDetails;
    QWidget* noticeOwner = &dialog;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* notice = qobject_cast<DialogMsg*>(QApplication::activeModalWidget())) {
            noticeTitle = child<QLabel>(notice, "title")->text();
            noticeDetails = child<QTextEdit>(notice, "listMsg")->toPlainText();
            noticeOwner = notice->parentWidget();
            notice->close();
        }
    });
    closer.start(10);
    connect(&dialog, &DialogDownload::send_dir, [&](QList<brisko::file*> files) {
        events << QStringLiteral("handed %1").arg(files.size());
    });
    child<QLineEdit>(&dialog, "txt_luu")->setText(downloads->path());
    QVERIFY(downloadAndWait(dialog));
    QTRY_VERIFY(!noticeTitle.isEmpty());
    QCOMPARE(events, QStringList({"notice", "handed 1"}));
    QCOMPARE(noticeTitle, LinkExpansion::errorTitle());
    QVERIFY2(noticeDetails.contains("NOSUCHCODE"), qPrintable(noticeDetails));
    QVERIFY(!dialog.isVisible());
    // The dialog had closed: the notice opened over the window that showed it.
    QCOMPARE(noticeOwner, &main);
}

void TestDialogDownload::jobsReachTheTab() {
    auto& files = session->service().files();
    QVERIFY(files.addFolder(session->accountId(), "/", "Thư mục"));
    QVERIFY(!session->addFile("/Thư mục", "ghi chú.txt", 10, 3).empty()); // same name as kFilePath
    QVERIFY(!session->addFile("/Thư mục", "Ảnh.png", 20, 4).empty());
    QFile onDisk(downloads->filePath(QString::fromUtf8("Ảnh.png")));
    QVERIFY(onDisk.open(QIODevice::WriteOnly)); // the user's own file, not to be touched
    onDisk.close();
    QApplication::clipboard()->setText("Tải: " + session->linkOf(kFilePath) + " và " +
                                       session->linkOf("/Thư mục") + " nhé");

    FormDownload tab(nullptr);
    QSignalSpy added(&tab, &FormDownload::addCompleted);
    tab.findChild<QTabWidget*>("SubTabDownload")->setCurrentIndex(0);
    QString linksShown;
    // Drives the dialog that the button opens modally: fill in the folder, confirm.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialogDownload*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        linksShown = child<QLineEdit>(dialog, "txt_duongdan")->text();
        child<QLineEdit>(dialog, "txt_luu")->setText(downloads->path());
        child<QPushButton>(dialog, "btn_download")->click();
    });
    QTimer::singleShot(30000, [] { // never left hanging in the modal loop
        if (auto* dialog = qobject_cast<DialogDownload*>(QApplication::activeModalWidget()))
            dialog->close();
    });
    QMetaObject::invokeMethod(&tab, "on_btnCreate_3_clicked");

    QCOMPARE(linkSet(linksShown),
             QSet<QString>({session->linkOf(kFilePath), session->linkOf("/Thư mục")}));
    QCOMPARE(added.count(), 1);
    QCOMPARE(tab.findChild<QTabWidget*>("SubTabDownload")->currentIndex(), 1);
    QCOMPARE(DownloadTabProbe::playingRow(tab), 0);
    TableDownloadModel* model = DownloadTabProbe::model(tab);
    QCOMPARE(model->rowCount(), 3);
    QVERIFY(model->getPendingJobs().isEmpty()); // idle until started
    QMap<QString, QString> urlOf;
    for (const DownloadFile* job : model->getJobs()) {
        QCOMPARE(job->getState(), int(DownloadFile::StateIdle));
        QCOMPARE(job->getPath(), downloads->path() + "/" + job->getName());
        QVERIFY(job->getPassword().isEmpty());
        urlOf.insert(job->getName(), job->getUrl());
    }
    // Two "ghi chú.txt" and a file already on disk: free names, nothing overwritten.
    QCOMPARE(QSet<QString>(urlOf.keyBegin(), urlOf.keyEnd()),
             QSet<QString>({QString::fromUtf8("ghi chú.txt"), QString::fromUtf8("ghi chú (2).txt"),
                            QString::fromUtf8("Ảnh (2).png")}));
    QCOMPARE(urlOf.value(QString::fromUtf8("Ảnh (2).png")).left(28), session->link("x").left(28));
    QCOMPARE(QFileInfo(onDisk.fileName()).size(), 0);

    tab.waitForSaves();
    const auto saved = DownloadHistory::load(session->historyPath());
    QCOMPARE(saved.jobs.size(), 3);
    qDeleteAll(saved.jobs);
}

void TestDialogDownload::closeButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Hủy") << "btn_close1";
    QTest::newRow("corner") << "btnClose";
}

void TestDialogDownload::closeButtons() {
    QFETCH(QString, button);
    DialogDownload dialog("x");
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    child<QPushButton>(&dialog, button.toLatin1().constData())->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);
    QVERIFY(child<QPushButton>(&dialog, "btn_download")->isDefault());
}

void TestDialogDownload::dragging_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << int(Qt::LeftButton) << true;
    QTest::newRow("right") << int(Qt::RightButton) << false;
}

void TestDialogDownload::dragging() {
    QFETCH(int, button);
    QFETCH(bool, moves);
    DialogDownload dialog("x");
    dialog.move(100, 100);
    dialog.show();
    const QPoint start = dialog.pos();
    const auto held = Qt::MouseButton(button);
    const QPoint grip(50, 150);
    QMouseEvent press(QEvent::MouseButtonPress, grip, dialog.mapToGlobal(grip), held, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
    const QPoint to = grip + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, to, dialog.mapToGlobal(to), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QCOMPARE(dialog.pos(), moves ? start + QPoint(30, 20) : start);
}

QTEST_MAIN(TestDialogDownload)
#include "test_dialogdownload.moc"
