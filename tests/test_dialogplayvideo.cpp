// The play dialog of a download: online play through the chosen player, installing a
// missing player, the offline play with its waiting request, and the dialog's form.
#include "core/globals.h"
#include "core/servicecallrunner.h"
#include "download/tabledownloadmodel.h"
#include "transfer/transferprogress.h"
#include "media/dialogplayvideo.h"
#include "media/videoplayback.h"
#include "media/searchsubtitleonline.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadjobfixture.h"
#include "tests/mediatesthelpers.h"
#include "tests/support/environmentvalue.h"
#include "tests/support/scripteduserprompt.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <thread>

using devservice::Fault;
using mediatest::child;

namespace {

const char kSessionPath[] = "/api/session/download";
const QString kNetworkBox = "Lỗi kết nối mạng. \nVui lòng kiểm tra lại";
const QString kFailedBox = "Thực hiện không thành công.";
const QString kInstallQuestion = "Chương trình xem video bạn chọn chưa được cài đặt.<br>Bạn có "
                                 "muốn cài đặt để xem video không?";
const QString kUnsupported = "Chương trình không hỗ trợ mở loại định dạng của tập tin này";
const QString kAlreadyWaiting = "Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn 1% thì "
                                "chương trình sẽ tự động mở video này.";
const QString kAskToWait = "Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này.";
const QString kExpired = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";

QString located(const QString& location) {
    return QStringLiteral(R"({"code":0,"msg":"OK","location":"%1"})").arg(location);
}

// A folder of fake player executables, searched instead of PATH.
class FakePlayers {
public:
    explicit FakePlayers(const QStringList& names)
        : variable(kPlayerSearchPathVariable, QFile::encodeName(folder.path())) {
        for (const QString& name : names)
            install(name);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    void install(const QString& name) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

private:
    QTemporaryDir folder;
    EnvironmentValue variable;
};

// Installs the test's installer for its lifetime.
struct InstallerScope {
    explicit InstallerScope(DialogPlayVideo::Installer installer) {
        DialogPlayVideo::setInstaller(std::move(installer));
    }
    ~InstallerScope() { DialogPlayVideo::setInstaller(nullptr); }
};

// A job whose change reports the test sends itself.
class ReportingJob : public DownloadFile {
public:
    using DownloadFile::DownloadFile;
    // Reports that `fraction` of the file has arrived.
    void reach(double fraction) {
        TransferProgress tracker(10);
        tracker.setTotalSize(getSize());
        tracker.setStartOffset(qint64(fraction * double(getSize())));
        setTracker(tracker);
        emitChanged(ProgressChanged);
    }
};

// The direct link is asked for off the GUI thread: waits until its answer is handled.
void waitForLink(DialogPlayVideo& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.findChild<ServiceCallRunner*>()->isBusy(), 20000);
}

void clearPending() {
    playbackPending = false;
    playbackWaitPath.clear();
    playbackMedia.clear();
    playbackUseMedia = false;
    playbackPlayer = MediaPlayerInfo();
}

} // namespace

class TestDialogPlayVideo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void playerNamesShowWhole();
    void playerSetting_data();
    void playerSetting();
    void languageChangeKeepsTheJob();
    void onlinePlay_data();
    void onlinePlay();
    void subtitleSearch_data();
    void subtitleSearch();
    void missingPlayer_data();
    void missingPlayer();
    void offlinePlay_data();
    void offlinePlay();
    void waitingRequestOpensOnceAtOnePercent();
    void playingAnotherJobLeavesTheWaitingRequest();
    void secondWaitingRequestReplacesTheFirst();

private:
    devservice::Service& service() { return fixture.service(); }
    // A job of the test account saved as `name`, `onDisk` bytes of `total` already there
    // (-1: no file yet).
    std::unique_ptr<ReportingJob> makeJob(const QString& name, qint64 total, qint64 onDisk = -1);
    void replyWith(const QStringList& replies);
    // Presses OK with "download and watch" ticked.
    void playOffline(DownloadFile* job, int row, QSignalSpy** started = nullptr);

    DownloadJobFixture fixture;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    std::unique_ptr<platform::RecordingSystemActions> actions;
    std::vector<std::unique_ptr<DialogPlayVideo>> dialogs;
};

void TestDialogPlayVideo::initTestCase() {
    QVERIFY(fixture.start());
}

void TestDialogPlayVideo::init() {
    prompt = std::make_unique<ScriptedUserPrompt>();
    actions = std::make_unique<platform::RecordingSystemActions>();
    SettingsStore().remove(SettingsKeys::MediaPlayer);
    service().faults().clear();
    service().requests().clear();
    clearPending();
}

void TestDialogPlayVideo::cleanup() {
    dialogs.clear();
    QCOMPARE(prompt->unanswered(), 0);
    actions.reset();
    prompt.reset();
    clearPending();
}

std::unique_ptr<ReportingJob> TestDialogPlayVideo::makeJob(const QString& name, qint64 total,
                                                           qint64 onDisk) {
    const QString path = fixture.localPath(name);
    QFile::remove(path);
    if (onDisk >= 0)
        DownloadJobFixture::writeFile(path, QByteArray(int(onDisk), 'v'));
    return std::make_unique<ReportingJob>(name, path, "code", "", "1", "false",
                                          fixture.shareLink(DownloadJobFixture::kSmall.path), "",
                                          total);
}

void TestDialogPlayVideo::replyWith(const QStringList& replies) {
    for (const QString& reply : replies) {
        if (reply == "cut")
            // Cut once the headers are out: a kept connection that dies before any reply
            // would be tried again on a new one.
            service().faults().next(kSessionPath, Fault::cutMidReply());
        else if (reply.startsWith('{'))
            service().faults().next(kSessionPath, Fault::status(200, reply.toStdString()));
        else
            service().faults().next(kSessionPath,
                                    Fault::status(reply.toInt(), "<html>error</html>", "text/html"));
    }
}

void TestDialogPlayVideo::form() {
    auto job = makeJob("phim hay.mkv", 1536);
    DialogPlayVideo dialog(job.get(), 0);
    QCOMPARE(dialog.objectName(), QString("DialogPlayVideo"));
    QCOMPARE(dialog.size(), QSize(442, 218));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(child<QLabel>(dialog, "lblFileName")->text(), QString("phim hay.mkv"));
    QCOMPARE(child<QLabel>(dialog, "lblFileSize")->text(), QString("1.5 KB"));
    QCOMPARE(child<QPushButton>(dialog, "pushPlayVideo")->text(), QString("Đồng ý"));
    QCOMPARE(child<QPushButton>(dialog, "btn_searchSub")->text(), QString("Tìm phụ đề"));
    QCOMPARE(child<QPushButton>(dialog, "pushHuy")->text(), QString("Hủy"));
    QCOMPARE(child<QPushButton>(dialog, "btnClose")->toolTip(), QString("Đóng"));
    QCOMPARE(child<QGroupBox>(dialog, "Video_program")->title(),
             QString("Chọn chương trình xem video"));
    QCOMPARE(child<QLabel>(dialog, "titleDlg")->text(),
             QString("<font color=\"white\"><h2><b>Xem video</b></h2></font>"));
    auto* check = child<QCheckBox>(dialog, "downAndView");
    QCOMPARE(check->text(), QString("Tải xuống và xem"));
    QVERIFY(!check->isChecked());

    // The radio buttons are the dialog's own children, and still exclude each other.
    auto* vlc = child<QRadioButton>(dialog, "VLC");
    auto* mpc = child<QRadioButton>(dialog, "MediaClassic");
    QCOMPARE(vlc->parentWidget(), &dialog);
    QCOMPARE(mpc->parentWidget(), &dialog);
    mpc->click();
    QVERIFY(mpc->isChecked() && !vlc->isChecked());
    vlc->click();
    QVERIFY(vlc->isChecked() && !mpc->isChecked());

    QStringList order;
    QWidget* widget = vlc;
    for (; order.size() < 7; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    QCOMPARE(order, QStringList({"VLC", "MediaClassic", "downAndView", "pushPlayVideo",
                                 "btn_searchSub", "pushHuy", "btnClose"}));

    // Both ways out close without playing or saving.
    for (const char* button : {"pushHuy", "btnClose"}) {
        dialog.show();
        child<QPushButton>(dialog, button)->click();
        QVERIFY(!dialog.isVisible());
    }
    QVERIFY(!SettingsStore().contains(SettingsKeys::MediaPlayer));
    QVERIFY(actions->calls().isEmpty());
}

void TestDialogPlayVideo::playerNamesShowWhole() {
    auto job = makeJob("phim hay.mkv", 1536);
    DialogPlayVideo dialog(job.get(), 0);
    dialog.show();
    auto* label = child<QLabel>(dialog, "label_2");
    label->ensurePolished();
    for (const char* name : {"VLC", "MediaClassic"}) {
        auto* radio = child<QRadioButton>(dialog, name);
        radio->ensurePolished();
        // The dialog's font, as its labels and check box have it, and room for the text.
        QCOMPARE(radio->font(), label->font());
        QVERIFY2(radio->sizeHint().width() <= radio->width(), name);
    }
}

void TestDialogPlayVideo::playerSetting_data() {
    QTest::addColumn<QString>("stored"); // "-": none
    QTest::addColumn<bool>("mpc");
    QTest::newRow("none") << "-" << false;
    QTest::newRow("MPC") << "MPC" << true;
    QTest::newRow("VLC") << "VLC" << false;
    QTest::newRow("mpc, lower case") << "mpc" << false;
    QTest::newRow("anything else") << "KMPlayer" << false;
}

void TestDialogPlayVideo::playerSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, mpc);
    if (stored != "-")
        SettingsStore().setValue(SettingsKeys::MediaPlayer, stored);
    auto job = makeJob("a.mkv", 10);
    DialogPlayVideo dialog(job.get(), 0);
    QCOMPARE(child<QRadioButton>(dialog, "MediaClassic")->isChecked(), mpc);
    QCOMPARE(child<QRadioButton>(dialog, "VLC")->isChecked(), !mpc);
}

void TestDialogPlayVideo::languageChangeKeepsTheJob() {
    auto job = makeJob("a.mkv", 1000);
    DialogPlayVideo dialog(job.get(), 0);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&dialog, &change);
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(child<QLabel>(dialog, "lblFileName")->text(), QString("a.mkv"));
    QCOMPARE(child<QLabel>(dialog, "lblFileSize")->text(), QString("1000 B  "));
}

void TestDialogPlayVideo::onlinePlay_data() {
    QTest::addColumn<QString>("player");   // "VLC" or "MPC"
    QTest::addColumn<QString>("subtitle"); // chosen before the play
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<bool>("starts");      // the player can be started
    QTest::addColumn<QStringList>("args"); // the player's arguments; empty: not started
    QTest::addColumn<QString>("box");      // the error box; empty: none
    QTest::addColumn<int>("logins");

    const QString link = "https://127.0.0.1:1/dl/T0K3N/phim.mkv";
    const QString sub = "/home/u/Phim/phim hay.srt";
    QTest::newRow("VLC") << "VLC" << "" << QStringList{located(link)} << true
                         << QStringList{link} << "" << 0;
    QTest::newRow("VLC with subtitle") << "VLC" << sub << QStringList{located(link)} << true
                                       << QStringList{link, "--sub-file", sub} << "" << 0;
    QTest::newRow("MPC") << "MPC" << "" << QStringList{located(link)} << true
                         << QStringList{link} << "" << 0;
    QTest::newRow("MPC with subtitle") << "MPC" << sub << QStringList{located(link)} << true
                                       << QStringList{link, "/sub", sub} << "" << 0;
    QTest::newRow("expired once") << "VLC" << "" << QStringList{kExpired, located(link)} << true
                                  << QStringList{link} << "" << 1;
    QTest::newRow("expired twice") << "VLC" << "" << QStringList{kExpired, kExpired} << true
                                   << QStringList() << kFailedBox << 1;
    QTest::newRow("code 11") << "VLC" << "" << QStringList{"cut"} << true << QStringList()
                             << kNetworkBox << 0;
    QTest::newRow("code 500") << "VLC" << "" << QStringList{"500"} << true << QStringList()
                              << kFailedBox << 0;
    QTest::newRow("refused") << "VLC" << "" << QStringList{R"({"code":21,"msg":"Không có"})"}
                             << true << QStringList() << kFailedBox << 0;
    QTest::newRow("empty location") << "VLC" << "" << QStringList{located("")} << true
                                    << QStringList() << kFailedBox << 0;
    QTest::newRow("player does not start") << "VLC" << "" << QStringList{located(link)} << false
                                           << QStringList{link} << kFailedBox << 0;
}

void TestDialogPlayVideo::onlinePlay() {
    QFETCH(QString, player);
    QFETCH(QString, subtitle);
    QFETCH(QStringList, replies);
    QFETCH(bool, starts);
    QFETCH(QStringList, args);
    QFETCH(QString, box);
    QFETCH(int, logins);

    FakePlayers players({"vlc", "mpc-hc"});
    SettingsStore().setValue(SettingsKeys::MediaPlayer, player == "MPC" ? "MPC" : "other");
    actions->setStartResult(starts);
    replyWith(replies);
    auto job = makeJob("phim.mkv", 1000);
    DialogPlayVideo dialog(job.get(), 0);
    QSignalSpy viewed(&dialog, &DialogPlayVideo::viewOline);
    QSignalSpy queued(&dialog, &DialogPlayVideo::startDownload);
    if (!subtitle.isEmpty())
        QMetaObject::invokeMethod(&dialog, "setSubtitle", Q_ARG(QString, subtitle));
    if (!box.isEmpty())
        prompt->answer(QMessageBox::Ok);
    dialog.show();
    child<QPushButton>(dialog, "pushPlayVideo")->click();
    waitForLink(dialog);

    const bool played = box.isEmpty();
    if (args.isEmpty()) {
        QVERIFY(actions->calls().isEmpty());
    } else {
        QCOMPARE(actions->calls().size(), 1);
        QCOMPARE(actions->calls().first().kind, QString("detached"));
        QCOMPARE(actions->calls().first().program, players.path(player == "MPC" ? "mpc-hc" : "vlc"));
        QCOMPARE(actions->calls().first().arguments, args);
    }
    QCOMPARE(prompt->asked().size(), played ? 0 : 1);
    if (!played) {
        QCOMPARE(prompt->asked().first().kind, ScriptedUserPrompt::Kind::Critical);
        QCOMPARE(prompt->asked().first().title, QString("Lỗi!"));
        QCOMPARE(prompt->asked().first().text, box);
    }
    QCOMPARE(viewed.count(), played ? 1 : 0);
    QCOMPARE(queued.count(), 0);
    QCOMPARE(dialog.isVisible(), !played);
    QCOMPARE(SettingsStore().text(SettingsKeys::MediaPlayer),
             played ? player : QString(player == "MPC" ? "MPC" : "other"));
    QCOMPARE(int(service().requests().forPath("/api/user/login").size()), logins);
    QCOMPARE(int(service().requests().forPath(kSessionPath).size()), replies.size());
    QVERIFY(!playbackPending);
}

// A search replaces the subtitle chosen before, also when it ends without one.
void TestDialogPlayVideo::subtitleSearch_data() {
    QTest::addColumn<QString>("found"); // empty: the search is left without a subtitle
    QTest::addColumn<QStringList>("args");
    const QString link = "https://127.0.0.1:1/dl/T0K3N/phim.mkv";
    QTest::newRow("a subtitle found") << "/phim/phim.srt"
                                      << QStringList{link, "--sub-file", "/phim/phim.srt"};
    QTest::newRow("none found") << "" << QStringList{link};
}

void TestDialogPlayVideo::subtitleSearch() {
    QFETCH(QString, found);
    QFETCH(QStringList, args);
    FakePlayers players({"vlc"});
    replyWith({located("https://127.0.0.1:1/dl/T0K3N/phim.mkv")});
    auto job = makeJob("phim.mkv", 1000);
    // The search opens on a subtitle site that takes the request and never answers, so
    // nothing it fetches interferes while the test plays the user.
    QTcpServer silentSite;
    QVERIFY(silentSite.listen(QHostAddress::LocalHost));
    const EnvironmentValue site("BRISKO_SUBTITLE_HOST",
                                "127.0.0.1:" + QByteArray::number(silentSite.serverPort()));
    DialogPlayVideo dialog(job.get(), 0);
    QMetaObject::invokeMethod(&dialog, "setSubtitle", Q_ARG(QString, "/phim/cũ.srt"));
    dialog.show();
    bool searched = false;
    QTimer::singleShot(0, [&] {
        auto* search = qobject_cast<SearchSubtitleOnline*>(QApplication::activeModalWidget());
        QVERIFY(search);
        QCOMPARE(search->parentWidget(), &dialog);
        searched = true;
        if (!found.isEmpty())
            emit search->readyGetSubtitleOnline(found);
        search->reject();
    });
    child<QPushButton>(dialog, "btn_searchSub")->click();
    QVERIFY(searched);
    child<QPushButton>(dialog, "pushPlayVideo")->click();
    waitForLink(dialog);
    QCOMPARE(actions->calls().size(), 1);
    QCOMPARE(actions->calls().first().arguments, args);
}

void TestDialogPlayVideo::missingPlayer_data() {
    QTest::addColumn<bool>("install");   // the answer to the question
    QTest::addColumn<int>("outcome");    // the installer: 0 fails, 1 installs, 2 runs but installs nothing
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("played");

    QTest::newRow("no") << false << 0 << 1 << false;
    QTest::newRow("yes, download fails") << true << 0 << 1 << false;
    QTest::newRow("yes, installed") << true << 1 << 1 << true;
    QTest::newRow("yes, still missing") << true << 2 << 2 << false;
}

void TestDialogPlayVideo::missingPlayer() {
    QFETCH(bool, install);
    QFETCH(int, outcome);
    QFETCH(int, questions);
    QFETCH(bool, played);

    FakePlayers players({});
    const QString link = "https://127.0.0.1:1/dl/T0K3N/phim.mkv";
    replyWith({located(link)});
    QList<MEDIAPLAYER_ID> installs;
    std::unique_ptr<std::thread> installer;
    InstallerScope scope([&](MEDIAPLAYER_ID id, std::function<void(bool)> done, QWidget*) {
        installs << id;
        if (outcome == 0) {
            done(false); // as a failed download answers, on the GUI thread
            return;
        }
        installer = std::make_unique<std::thread>([&players, outcome, done] {
            if (outcome == 1)
                players.install("vlc");
            done(true);
        });
    });
    prompt->answer(install ? QMessageBox::Yes : QMessageBox::No);
    if (questions > 1)
        prompt->answer(QMessageBox::No);
    auto job = makeJob("phim.mkv", 1000);
    DialogPlayVideo dialog(job.get(), 0);
    dialog.show();
    child<QPushButton>(dialog, "pushPlayVideo")->click();
    QCOMPARE(prompt->asked().first().kind, ScriptedUserPrompt::Kind::Warning);
    QCOMPARE(prompt->asked().first().title, QString("Thông báo"));
    QCOMPARE(prompt->asked().first().text, kInstallQuestion);
    QCOMPARE(prompt->asked().first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(installs.size(), install ? 1 : 0);
    if (install) {
        QCOMPARE(installs.first(), MEDIAPLAYER_VLC);
        QTRY_VERIFY(dialog.isEnabled());
        if (installer)
            installer->join();
    }
    QTRY_COMPARE(prompt->asked().size(), questions);
    if (played) {
        QTRY_COMPARE(actions->calls().size(), 1);
        QCOMPARE(actions->calls().first().program, players.path("vlc"));
        QCOMPARE(actions->calls().first().arguments, QStringList{link});
        // The player starts on a worker; the dialog closes when the GUI thread hears of it.
        QTRY_VERIFY(!dialog.isVisible());
    } else {
        QTest::qWait(50); // a repeated play step would come from the event loop
        QVERIFY(actions->calls().isEmpty());
        QVERIFY(dialog.isVisible() && dialog.isEnabled());
        QCOMPARE(int(service().requests().forPath(kSessionPath).size()), 0);
        service().faults().clear();
    }
    // The install's wait cursor goes with it; a play it starts shows its own while it asks
    // for the link, and that one goes when the play ends.
    if (install)
        QTRY_COMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
}

void TestDialogPlayVideo::playOffline(DownloadFile* job, int row, QSignalSpy** started) {
    auto dialog = std::make_unique<DialogPlayVideo>(job, row);
    if (started)
        *started = new QSignalSpy(dialog.get(), &DialogPlayVideo::startDownload);
    child<QCheckBox>(*dialog, "downAndView")->setChecked(true);
    dialog->show();
    child<QPushButton>(*dialog, "pushPlayVideo")->click();
    waitForLink(*dialog);
    dialogs.push_back(std::move(dialog));
}

void TestDialogPlayVideo::offlinePlay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("onDisk"); // -1: no file yet
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("link");   // the direct link the service hands out
    QTest::addColumn<bool>("waiting");   // this job already waits
    QTest::addColumn<int>("answer");     // to the question to wait; 0: not asked
    QTest::addColumn<QString>("box");    // the warning shown; empty: none
    QTest::addColumn<QString>("media");  // the player's media; empty: not started; "LOCAL"
    QTest::addColumn<bool>("queued");    // startDownload(row)
    QTest::addColumn<bool>("pending");   // this job waits afterwards
    QTest::addColumn<bool>("saved");     // "media_player" written

    const QString avi = "https://127.0.0.1:1/dl/T0K3N/Phim.avi";
    const QString mp4 = "https://127.0.0.1:1/dl/T0K3N/Phim.MP4";
    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("one percent plays the local file")
        << "Phim.avi" << 100LL << 10000LL << avi << false << 0 << "" << "LOCAL" << true << false
        << true;
    QTest::newRow("more than the total plays") << "Phim.avi" << 200LL << 100LL << avi << false << 0
                                               << "" << "LOCAL" << true << false << true;
    QTest::newRow("upper-case suffixes: the stream")
        << "Phim.MKV" << 100LL << 10000LL << mp4 << false << 0 << "" << mp4 << true << false
        << true;
    QTest::newRow("playing clears this job's waiting request")
        << "Phim.avi" << 100LL << 10000LL << avi << true << 0 << "" << "LOCAL" << true << false
        << true;
    QTest::newRow("99 bytes of 10000: wait, OK")
        << "Phim.avi" << 99LL << 10000LL << avi << false << ok << kAskToWait << "" << true << true
        << true;
    QTest::newRow("no file yet: wait, Cancel") << "Phim.avi" << -1LL << 10000LL << avi << false
                                               << cancel << kAskToWait << "" << false << false
                                               << false;
    QTest::newRow("total 0: wait") << "Phim.avi" << 500LL << 0LL << avi << false << ok
                                   << kAskToWait << "" << true << true << true;
    QTest::newRow("already waiting") << "Phim.avi" << 0LL << 10000LL << avi << true << 0
                                     << kAlreadyWaiting << "" << false << true << false;
    QTest::newRow("no suffix") << "Phim" << 500LL << 1000LL << avi << false << 0 << kUnsupported
                               << "" << false << false << false;
    QTest::newRow("ends in a dot") << "Phim." << 500LL << 1000LL << avi << false << 0
                                   << kUnsupported << "" << false << false << false;
    QTest::newRow("judged by the last suffix") << "Phim.mkv.part" << 500LL << 1000LL << avi
                                               << false << 0 << kUnsupported << "" << false
                                               << false << false;
}

void TestDialogPlayVideo::offlinePlay() {
    QFETCH(QString, name);
    QFETCH(qint64, onDisk);
    QFETCH(qint64, total);
    QFETCH(QString, link);
    QFETCH(bool, waiting);
    QFETCH(int, answer);
    QFETCH(QString, box);
    QFETCH(QString, media);

    FakePlayers players({"vlc"});
    replyWith({located(link)});
    auto job = makeJob(name, total, onDisk);
    if (waiting) {
        playbackPending = true;
        playbackWaitPath = job->getPath();
    }
    if (!box.isEmpty())
        prompt->answer(answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok);
    QSignalSpy* started = nullptr;
    playOffline(job.get(), 4, &started);
    std::unique_ptr<QSignalSpy> spy(started);

    QCOMPARE(prompt->asked().size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(prompt->asked().first().kind, ScriptedUserPrompt::Kind::Warning);
        QCOMPARE(prompt->asked().first().title, QString("Thông báo"));
        QCOMPARE(prompt->asked().first().text, box);
        QCOMPARE(prompt->asked().first().buttons,
                 answer ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    }
    if (media.isEmpty()) {
        QVERIFY(actions->calls().isEmpty());
    } else {
        QCOMPARE(actions->calls().size(), 1);
        QCOMPARE(actions->calls().first().arguments,
                 QStringList{media == "LOCAL" ? job->getPath() : media});
    }
    QTEST(spy->count() == 1, "queued");
    if (spy->count())
        QCOMPARE(spy->first().first().toInt(), 4);
    QTEST(videoplay::isVideoPending() && videoplay::pendingVideoPath() == job->getPath(),
          "pending");
    QTEST(SettingsStore().contains(SettingsKeys::MediaPlayer), "saved");
    QVERIFY(!dialogs.back()->isVisible());
}

// A waiting request opens its player once, at one per cent of its download, and with the
// stream choice of its own request.
void TestDialogPlayVideo::waitingRequestOpensOnceAtOnePercent() {
    FakePlayers players({"vlc"});
    const QString mkv = "https://127.0.0.1:1/dl/T0K3N/a.mkv";
    replyWith({located(mkv)});
    TableDownloadModel model;
    auto job = makeJob("a.mkv", 10000);
    model.addJob(job.get());
    prompt->answer(QMessageBox::Ok);
    playOffline(job.get(), 0);
    QVERIFY(videoplay::isVideoPending());

    job->reach(0.005);
    QVERIFY(actions->calls().isEmpty());
    job->reach(0.01);
    job->reach(0.5);
    QCOMPARE(actions->calls().size(), 1);
    QCOMPARE(actions->calls().first().program, players.path("vlc"));
    QCOMPARE(actions->calls().first().arguments, QStringList{mkv});
    QVERIFY(!videoplay::isVideoPending());
    model.removeRows(0, 1); // the model never owns its jobs: the test frees this one
}

void TestDialogPlayVideo::playingAnotherJobLeavesTheWaitingRequest() {
    FakePlayers players({"vlc"});
    const QString avi = "https://127.0.0.1:1/dl/T0K3N/a.avi";
    const QString mkv = "https://127.0.0.1:1/dl/T0K3N/b.mkv";
    replyWith({located(avi), located(mkv)});
    auto waiting = makeJob("a.avi", 10000);
    auto other = makeJob("b.mkv", 10000, 5000);
    prompt->answer(QMessageBox::Ok);
    playOffline(waiting.get(), 0);
    playOffline(other.get(), 1);
    QCOMPARE(actions->calls().size(), 1);
    QCOMPARE(actions->calls().first().arguments, QStringList{mkv});
    // The waiting request keeps its own choice: the local file, not the other's stream.
    QVERIFY(videoplay::isVideoPending());
    QCOMPARE(videoplay::pendingVideoPath(), waiting->getPath());
    QVERIFY(!playbackUseMedia);
}

void TestDialogPlayVideo::secondWaitingRequestReplacesTheFirst() {
    const QString a = "https://127.0.0.1:1/dl/T0K3N/a.mkv";
    const QString b = "https://127.0.0.1:1/dl/T0K3N/b.avi";
    replyWith({located(a), located(b)});
    SettingsStore().setValue(SettingsKeys::MediaPlayer, "MPC");
    FakePlayers both({"vlc", "mpc-hc"});
    auto jobA = makeJob("a.mkv", 10000);
    auto jobB = makeJob("b.avi", 10000);
    prompt->answer(QMessageBox::Ok);
    prompt->answer(QMessageBox::Ok);
    playOffline(jobA.get(), 0);
    playOffline(jobB.get(), 1);
    QVERIFY(videoplay::isVideoPending());
    QCOMPARE(videoplay::pendingVideoPath(), jobB->getPath());
    QCOMPARE(videoplay::pendingPlayer().id, MEDIAPLAYER_MPCHC);
    QVERIFY(!playbackUseMedia);
    // B was asked to wait, not told that a video already waits.
    QCOMPARE(prompt->asked().at(1).text, kAskToWait);
    QVERIFY(actions->calls().isEmpty());
}

QTEST_MAIN(TestDialogPlayVideo)
#include "test_dialogplayvideo.moc"
