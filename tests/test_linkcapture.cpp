// How links and local files reach the transfer tabs: messages of other copies of the
// program before and after the login, drops, the clipboard, text files, and a second
// real copy of briskotool handing a link to a logged-in first one.
#include "core/globals.h"
#include "core/linkparser.h"
#include "core/ruridudi.h"
#include "tests/support/scripteduserprompt.h"
#include "download/dialogdownload.h"
#include "tests/uploadtabprobe.h"
#include "upload/dialogupload.h"
#include "mainwindow/loginform.h"
#include "mainwindow/rememberedpassword.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/modalanswerer.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMimeData>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// What a dialog showed: "links: " and the link field's links (sorted, the dialog keeps
// no order), or "upload: " and the chosen files.
QString describe(QDialog* dialog) {
    if (auto* links = dialog->findChild<QLineEdit*>(QStringLiteral("txt_duongdan"))) {
        QStringList shown = links->text().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        shown.sort();
        return QStringLiteral("links: ") + shown.join(QLatin1Char(';'));
    }
    if (auto* upload = qobject_cast<DialogUpload*>(dialog))
        return QStringLiteral("upload: ") + DialogUploadProbe::files(*upload);
    return QString::fromLatin1(dialog->metaObject()->className());
}

// Hands freed blocks of small sizes out again and overwrites them, so that code still
// holding an object freed a moment ago trips over it instead of reading stale bytes.
void reuseFreedMemory() {
    std::vector<std::unique_ptr<char[]>> blocks;
    for (std::size_t size = 8; size <= 512; size += 8) {
        for (int i = 0; i < 8; ++i) {
            blocks.emplace_back(new char[size]);
            std::memset(blocks.back().get(), 0xA5, size);
        }
    }
}

QTabWidget* tabs(MainForm& window) {
    return window.findChild<QTabWidget*>(QStringLiteral("MainTab"));
}

} // namespace

class TestLinkCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void handleMessage_data();
    void handleMessage();
    void messageJoinsTheOpenAddLinksDialog();
    void dropsAndPaste_data();
    void dropsAndPaste();
    void importFile_data();
    void importFile();
    void shortcutOpensUploadAtTheTop();
    void secondCopyReachesTheLoggedInFirst();
    void dialogOutlivesTheSendersConnection();

private:
    // Replaces the markers of a table row: {L1}, {L2} (links), {FILE}, {DIR} (a local file
    // and a folder with two files), {DIRFILES} (the folder's files as the upload dialog
    // lists them).
    QString expand(QString text) const;
    std::unique_ptr<TrayMainForm> window(const QString& state);
    // Answers every dialog with a record of what it showed, then closes it.
    void recordDialogs(ModalAnswerer& modals, QStringList& shown, int count);

    MainWindowSession session;
    QTemporaryDir local;
    QString one;
    QString two;
};

void TestLinkCapture::initTestCase() {
    QVERIFY(session.start());
    QVERIFY(local.isValid());
    one = session.addFile("mot.txt", 1000);
    two = session.addFile("hai.txt", 2000);
    QDir(local.path()).mkdir(QStringLiteral("dir"));
    for (const QString& name :
         {QStringLiteral("file.txt"), QStringLiteral("dir/a.txt"), QStringLiteral("dir/b.txt")}) {
        QFile file(local.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    QDir(local.filePath(QStringLiteral("dir"))).mkdir(QStringLiteral("sub")); // not listed
}

void TestLinkCapture::init() {
    SettingsStore().setValue(SettingsKeys::DownloadDir, local.path());
}

void TestLinkCapture::cleanup() {
    currentUserId.clear();
    currentUserLevel.clear();
}

QString TestLinkCapture::expand(QString text) const {
    // Markers in braces, which neither link codes nor temporary paths contain. Files of
    // equal size come by name, descending.
    text.replace(QLatin1String("{DIRFILES}"), local.filePath(QStringLiteral("dir/b.txt")) +
                                                  QLatin1Char('|') +
                                                  local.filePath(QStringLiteral("dir/a.txt")));
    text.replace(QLatin1String("{DIR}"), local.filePath(QStringLiteral("dir")));
    text.replace(QLatin1String("{FILE}"), local.filePath(QStringLiteral("file.txt")));
    text.replace(QLatin1String("{L1}"), one);
    text.replace(QLatin1String("{L2}"), two);
    return text;
}

std::unique_ptr<TrayMainForm> TestLinkCapture::window(const QString& state) {
    auto made = std::make_unique<TrayMainForm>();
    if (state == QLatin1String("login shown"))
        MainFormProbe::loginForm(*made)->show();
    if (state != QLatin1String("logged in") && state != QLatin1String("in the tray"))
        return made;
    const auto user = session.logIn();
    if (!user)
        return nullptr;
    made->loginDone(*user);
    if (state == QLatin1String("in the tray")) {
        SettingsStore().setValue(SettingsKeys::SystrayMinimized, true);
        made->showMinimized();
        if (!QTest::qWaitFor([&] { return MainFormProbe::tray(*made)->isVisible(); }))
            return nullptr;
        SettingsStore().remove(SettingsKeys::SystrayMinimized);
    }
    return made;
}

void TestLinkCapture::recordDialogs(ModalAnswerer& modals, QStringList& shown, int count) {
    for (int i = 0; i < count; ++i)
        modals.next([&shown](QDialog* dialog) {
            shown << describe(dialog);
            dialog->reject();
        });
}

void TestLinkCapture::handleMessage_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("keptLinks");
    QTest::addColumn<QString>("keptPaths");
    QTest::addColumn<QString>("dialog"); // "" none
    QTest::addColumn<int>("tab");        // -1: not looked at
    QTest::addColumn<int>("comesForward");
    QTest::newRow("blank, logged out") << "logged out"
                                       << " \n "
                                       << ""
                                       << ""
                                       << "" << -1 << 0;
    QTest::newRow("blank, logged in") << "logged in"
                                      << "  "
                                      << ""
                                      << ""
                                      << "" << 3 << 0;
    QTest::newRow("a link, logged out") << "logged out"
                                        << "-d|{L1}"
                                        << "{L1}"
                                        << ""
                                        << "" << -1 << 0;
    QTest::newRow("two links, logged out") << "logged out"
                                           << "-d|{L1}|{L2}"
                                           << "{L1}|{L2}"
                                           << ""
                                           << "" << -1 << 0;
    QTest::newRow("a link, login on screen") << "login shown"
                                             << "-d|{L1}"
                                             << "{L1}"
                                             << ""
                                             << "" << -1 << 1;
    QTest::newRow("paths, logged out") << "logged out"
                                       << "{FILE}|{DIR}"
                                       << ""
                                       << "{FILE}|{DIR}"
                                       << "" << -1 << 0;
    QTest::newRow("a link, logged in") << "logged in"
                                       << "-d|{L1}"
                                       << ""
                                       << ""
                                       << "links: {L1}" << 1 << 1;
    QTest::newRow("two links, logged in") << "logged in"
                                          << "-d|{L2}|{L1}"
                                          << ""
                                          << ""
                                          << "links: {L2};{L1}" << 1 << 1;
    QTest::newRow("a link, window in the tray") << "in the tray"
                                                << "-d|{L1}"
                                                << ""
                                                << ""
                                                << "links: {L1}" << 1 << 1;
    QTest::newRow("no link behind -d|") << "logged in"
                                        << "-d|nothing here"
                                        << ""
                                        << ""
                                        << "" << 1 << 1;
    QTest::newRow("a file and a folder, logged in") << "logged in"
                                                    << "{FILE}|{DIR}"
                                                    << ""
                                                    << ""
                                                    << "upload: {FILE}|{DIRFILES}" << 0 << 1;
}

void TestLinkCapture::handleMessage() {
    QFETCH(QString, state);
    QFETCH(QString, message);
    QFETCH(QString, keptLinks);
    QFETCH(QString, keptPaths);
    QFETCH(QString, dialog);
    QFETCH(int, tab);
    QFETCH(int, comesForward);
    auto shownWindow = window(state);
    QVERIFY(shownWindow);
    TrayMainForm& main = *shownWindow;
    tabs(main)->setCurrentIndex(3);
    ModalAnswerer modals;
    QStringList shown;
    recordDialogs(modals, shown, 1);
    QSignalSpy forward(&main, &MainForm::needtoShow);
    main.handleMessage(expand(message));
    QCOMPARE(main.keptLinks(), expand(keptLinks));
    QCOMPARE(main.keptPaths(), expand(keptPaths));
    QStringList expected;
    if (!dialog.isEmpty()) {
        QStringList links = expand(dialog).split(QStringLiteral(": ")).last().split(';');
        links.sort();
        expected << (dialog.startsWith(QLatin1String("links"))
                         ? QStringLiteral("links: ") + links.join(QLatin1Char(';'))
                         : expand(dialog));
    }
    QCOMPARE(shown, expected);
    QCOMPARE(forward.count(), comesForward);
    if (tab >= 0)
        QCOMPARE(tabs(main)->currentIndex(), tab);
    if (state == QLatin1String("in the tray")) {
        QVERIFY(main.isVisible());
        QVERIFY(!MainFormProbe::tray(main)->isVisible());
    }
    QVERIFY(modals.unexpected().isEmpty());
    main.logout(QStringLiteral("1"));
}

void TestLinkCapture::messageJoinsTheOpenAddLinksDialog() {
    auto main = window(QStringLiteral("logged in"));
    QVERIFY(main);
    ModalAnswerer modals;
    QString shown;
    modals.next([&](QDialog* dialog) {
        // A second copy's link while the dialog is open joins it.
        main->handleMessage(QStringLiteral("-d|") + two);
        shown = describe(dialog);
        dialog->reject();
    });
    main->handleMessage(QStringLiteral("-d|") + one);
    QStringList both = {one, two};
    both.sort();
    QCOMPARE(shown, QStringLiteral("links: ") + both.join(QLatin1Char(';')));
    QCOMPARE(modals.answered().size(), 1);
    QVERIFY(modals.unexpected().isEmpty());
    main->logout(QStringLiteral("1"));
}

void TestLinkCapture::dropsAndPaste_data() {
    QTest::addColumn<QString>("how");  // "drop" or "paste"
    QTest::addColumn<QString>("text"); // text/plain; "-" none
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("accepted"); // by the drag entering
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<int>("tab");
    const QStringList none;
    QTest::newRow("text with a link")
        << "drop"
        << "xem {L1} nhé" << none << true << QStringList{"links: {L1}"} << 1;
    QTest::newRow("text without a link") << "drop"
                                         << "chỉ là chữ" << none << false << none << 3;
    QTest::newRow("a browser link")
        << "drop"
        << "{L1}" << QStringList{"{L1}"} << true << QStringList{"links: {L1}"} << 1;
    QTest::newRow("local files with their paths as text")
        << "drop"
        << "{FILE}" << QStringList{"file:{FILE}", "file:{DIR}"} << true
        << QStringList{"upload: {FILE}|{DIRFILES}"} << 0;
    QTest::newRow("local files and a link") << "drop"
                                            << "{L2}" << QStringList{"file:{FILE}"} << true
                                            << QStringList{"upload: {FILE}", "links: {L2}"} << 1;
    QTest::newRow("a local file and a web address")
        << "drop"
        << "-" << QStringList{"file:{FILE}", "https://example.test/a"} << true << none << 0;
    QTest::newRow("paste: a link twice")
        << "paste"
        << "{L1} và {L1}" << none << true << QStringList{"links: {L1}"} << 1;
    QTest::newRow("paste: no link") << "paste"
                                    << "không có gì" << none << true << none << 1;
}

void TestLinkCapture::dropsAndPaste() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QStringList, urls);
    QFETCH(bool, accepted);
    QFETCH(QStringList, dialogs);
    QFETCH(int, tab);
    auto main = window(QStringLiteral("logged in"));
    QVERIFY(main);
    tabs(*main)->setCurrentIndex(3);
    ModalAnswerer modals;
    QStringList shown;
    recordDialogs(modals, shown, dialogs.size());
    for (QString& dialog : dialogs)
        dialog = expand(dialog);

    if (how == QLatin1String("paste")) {
        QApplication::clipboard()->setText(expand(text));
        main->on_actionPaste_triggered();
    } else {
        QMimeData data;
        if (text != QLatin1String("-"))
            data.setText(expand(text));
        QList<QUrl> list;
        for (const QString& url : urls)
            list << (url.startsWith(QLatin1String("file:"))
                         ? QUrl::fromLocalFile(expand(url.mid(5)))
                         : QUrl(expand(url)));
        if (!list.isEmpty())
            data.setUrls(list);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(main.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted) {
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(main.get(), &drop);
        }
    }
    QCOMPARE(shown, dialogs);
    QCOMPARE(tabs(*main)->currentIndex(), tab);
    QVERIFY(modals.unexpected().isEmpty());
    main->logout(QStringLiteral("1"));
}

void TestLinkCapture::importFile_data() {
    QTest::addColumn<QString>("content"); // "-": the chooser is cancelled; "missing": no file
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<int>("tab");
    QTest::newRow("links, one twice, among words") << "Phim: {L1}\n{L2} và {L1}\n"
                                                   << QStringList{"links: {L1};{L2}"} << 1;
    QTest::newRow("no links") << "không có gì\n" << QStringList() << 1;
    QTest::newRow("cancelled") << "-" << QStringList() << 3;
    QTest::newRow("file missing") << "missing" << QStringList() << 3;
}

void TestLinkCapture::importFile() {
    QFETCH(QString, content);
    QFETCH(QStringList, dialogs);
    QFETCH(int, tab);
    auto main = window(QStringLiteral("logged in"));
    QVERIFY(main);
    tabs(*main)->setCurrentIndex(3);
    const QString path = local.filePath(QStringLiteral("links.txt"));
    QFile::remove(path);
    if (content != QLatin1String("-") && content != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(expand(content).toUtf8());
    }
    ScriptedUserPrompt prompt;
    prompt.answerPath(content == QLatin1String("-") ? QString() : path);
    ModalAnswerer modals;
    QStringList shown;
    recordDialogs(modals, shown, dialogs.size());
    for (QString& dialog : dialogs) {
        QStringList links = expand(dialog).mid(7).split(QLatin1Char(';'));
        links.sort();
        dialog = QStringLiteral("links: ") + links.join(QLatin1Char(';'));
    }
    main->on_actionImportFile_triggered();
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().kind, ScriptedUserPrompt::Kind::OpenFile);
    QCOMPARE(prompt.asked().first().filter, QStringLiteral("Txt file(*.txt)"));
    QCOMPARE(shown, dialogs);
    QCOMPARE(tabs(*main)->currentIndex(), tab);
    main->logout(QStringLiteral("1"));
}

void TestLinkCapture::shortcutOpensUploadAtTheTop() {
    auto main = window(QStringLiteral("logged in"));
    QVERIFY(main);
    ModalAnswerer modals;
    QString folder;
    modals.next([&folder](QDialog* dialog) {
        folder = DialogUploadProbe::presetFolder(*qobject_cast<DialogUpload*>(dialog));
        dialog->reject();
    });
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(folder, QStringLiteral("/"));
    QCOMPARE(tabs(*main)->currentIndex(), 0);
    main->logout(QStringLiteral("1"));
}

void TestLinkCapture::secondCopyReachesTheLoggedInFirst() {
    // The first copy runs from a folder of its own, beside the stand-in's CA, with a
    // remembered account that logs in by itself.
    QTemporaryDir program;
    QTemporaryDir config;
    QVERIFY(program.isValid() && config.isValid());
    const QString binary = program.filePath(QStringLiteral("briskotool"));
    QVERIFY(QFile::copy(QStringLiteral(BRISKOTOOL_PATH), binary));
    QVERIFY(QFile::copy(session.programFolder() + QStringLiteral("/ca.crt"),
                        program.filePath(QStringLiteral("ca.crt"))));
    {
        SettingsStore settings(config.filePath(QStringLiteral("Brisko/Brisko Tool.conf")));
        const QString salt = RememberedPassword::makeSalt();
        settings.setValue(SettingsKeys::RememberAccount, true);
        settings.setValue(SettingsKeys::AutoLogin, true);
        settings.setValue(SettingsKeys::AccountEmail,
                          QString::fromLatin1(devservice::demo::kEmail));
        settings.setValue(SettingsKeys::PasswordSalt, salt);
        settings.setValue(
            SettingsKeys::AccountPassword,
            RememberedPassword::encipher(QString::fromLatin1(devservice::demo::kPassword), salt));
        settings.setValue(SettingsKeys::Language, QStringLiteral("brisko_vi.qm"));
        QVERIFY(settings.sync());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("BRISKO_PRINT_MESSAGES"), QStringLiteral("1"));
    QProcess first;
    first.setProcessEnvironment(environment);
    QByteArray output;
    connect(&first, &QProcess::readyReadStandardOutput, this,
            [&] { output += first.readAllStandardOutput(); });
    const int accountReads = int(session.service().requests().forPath("/api/user/get").size());
    first.start(binary, QStringList());
    QVERIFY(first.waitForStarted(10000));
    // Logged in once it has read the account.
    QTRY_VERIFY_WITH_TIMEOUT(
        int(session.service().requests().forPath("/api/user/get").size()) > accountReads, 30000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(binary, {QStringLiteral("-d"), one});
    QVERIFY(second.waitForFinished(20000));
    QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
    QTRY_VERIFY_WITH_TIMEOUT(output.contains("add-links dialog: " + one.toUtf8() + "\n"), 20000);
    first.kill(); // it waits in the add-links dialog
    first.waitForFinished(10000);
}

void TestLinkCapture::dialogOutlivesTheSendersConnection() {
    // This process is the running copy. A later copy's link arrives in two writes, so
    // that it is read when the connection reports more data; the add-links dialog that
    // opens stays up until the later copy has hung up and its connection is cleaned up.
    SingleInstance running(QStringLiteral("linkcapture"));
    QVERIFY(!running.isRunning());
    auto main = window(QStringLiteral("logged in"));
    QVERIFY(main);
    connect(&running, &SingleInstance::messageReceived, main.get(), &MainForm::handleMessage);
    QLocalSocket later;
    later.connectToServer(running.socketPath());
    QTRY_COMPARE(later.state(), QLocalSocket::ConnectedState);
    const QByteArray message = (QStringLiteral("-d|") + one).toUtf8();
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(message.size());
    later.write(header);
    later.flush();
    QTest::qWait(50);
    ModalAnswerer modals;
    QString shown;
    modals.next([&](QDialog* dialog) {
        QPointer<QLocalSocket> served = running.findChild<QLocalSocket*>();
        later.disconnectFromServer();
        QTRY_VERIFY(!served); // hung up and cleaned up
        reuseFreedMemory();
        shown = describe(dialog);
        dialog->reject();
    });
    later.write(message);
    later.flush();
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 20000);
    QCOMPARE(shown, QStringLiteral("links: ") + one);
    main->logout(QStringLiteral("1"));
}

QTEST_MAIN(TestLinkCapture)
#include "test_linkcapture.moc"
