// Self-update: version comparison, the decisions and questions with scripted answers,
// the analytics events, the download through the stand-in, and the install script run
// in a sandbox.
#include "core/ganalytics.h"
#include "core/globals.h"
#include "tests/support/scripteduserprompt.h"
#include "core/updatehelper.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/analyticscollector.h"
#include "tools/devservice/webendpoints.h"

#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

// Ends nothing: notes the exit status the updater asked for.
class TestableUpdateHelper : public UpdateHelper {
public:
    using UpdateHelper::UpdateHelper;
    int quitStatus = -1;

protected:
    void quitProgram(int status) override { quitStatus = status; }
};

const QString kSetup = QString::fromLatin1(devservice::kUpdateSetupPath);
const QString kOptional = QStringLiteral(
    "information: Brisko Tool đã có phiên bản %1.\nBạn có muốn tải & cập nhật ngay không?");
const QString kForced = QStringLiteral("information: Phiên bản Brisko Tool của bạn quá cũ.<br>Chọn "
                                       "<b>Ok</b> để cập nhật lên phiên bản %1.");
const QString kNoLink = QStringLiteral("warning: Phiên bản Brisko Tool của bạn quá cũ.<br>Vui lòng "
                                       "tải phiên bản mới tại LINK");
const QString kTextPage =
    QStringLiteral("warning: Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại "
                   "sau<br>Hoặc tải trực tiếp tại LINK");
const QString kFailed = QStringLiteral("warning: Cập nhật đã bị hủy hoặc bị lỗi khi tải về");
const QString kSucceeded =
    QStringLiteral("information: Brisko Tool của bạn đã được cập nhật thành công");
const QString kInstallFailed =
    QStringLiteral("warning: Quá trình cập nhật bị lỗi. Thử lại lần nữa?");

using Buttons = QList<int>;

void writeScript(const QString& path, const QByteArray& body) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestUpdateHelper : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionNewer_data();
    void versionNewer();
    void decisions_data();
    void decisions();
    void abortThenRetryRestartsTheSameDownload();
    void installThatCannotStartLetsTheProgramGoOn();
    void lastOutcomeAtStart_data();
    void lastOutcomeAtStart();
    void installScript_data();
    void installScript();
    void foldInstallStatus_data();
    void foldInstallStatus();

private:
    QString webUrl(const QString& path) const;
    QString expand(QString text) const;
    // The prompts asked so far as "kind: text".
    QStringList prompts() const;
    // The "autoupdate" events received so far as "action/label", sorted: hits travel on
    // several connections and may arrive in any order.
    QStringList events() const;
    void answer(const Buttons& buttons);
    // The callback and the force flag reach the helper only through check_and_update,
    // whose own check finds nothing newer and calls back once; the count starts afresh.
    void giveCallback(UpdateHelper& helper, bool force);
    void verifyInstallStarted();

    DevServiceFixture fixture;
    devservice::AnalyticsCollector collector;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    std::unique_ptr<platform::RecordingSystemActions> actions;
    std::unique_ptr<QWidget> parent;
    int callbacks = 0;
};

void TestUpdateHelper::initTestCase() {
    QCoreApplication::setOrganizationName(QStringLiteral("Brisko"));
    QCoreApplication::setApplicationName(QStringLiteral("Brisko Tool"));
    QVERIFY(fixture.start());
    std::string error;
    QVERIFY2(collector.start("127.0.0.1", 0, &error), error.c_str());
    qputenv("BRISKO_ANALYTICS_HOST", "127.0.0.1:" + QByteArray::number(collector.port()));
    analytics = new GAnalytics(this, QStringLiteral("UA-00000000-1"), QString());
}

void TestUpdateHelper::init() {
    fixture.service().requests().clear();
    fixture.service().faults().clear();
    fixture.service().setLatestVersion({});
    collector.clear();
    prompt = std::make_unique<ScriptedUserPrompt>();
    actions = std::make_unique<platform::RecordingSystemActions>();
    parent = std::make_unique<QWidget>();
    callbacks = 0;
}

void TestUpdateHelper::cleanup() {
    parent.reset();
    actions.reset();
    prompt.reset();
    SettingsStore().remove(SettingsKeys::UpdateStatus);
    const QString temp = platform::privateTempFolder();
    QFile::remove(temp + QStringLiteral("/BriskoSetup.bin"));
    QFile::remove(temp + QStringLiteral("/BriskoSetup.sh"));
}

QString TestUpdateHelper::webUrl(const QString& path) const {
    return QStringLiteral("https://www.localhost:%1%2").arg(fixture.port()).arg(path);
}

// URL: the setup program, PAGE: an HTML page, GONE: an HTML page with status 404,
// MISSING: a 404 of another type; LINK: the web site link of the messages.
QString TestUpdateHelper::expand(QString text) const {
    const QString site = QStringLiteral("www.localhost:%1").arg(fixture.port());
    return text.replace("URL", webUrl(kSetup))
        .replace("PAGE", webUrl("/setup/page.html"))
        .replace("GONE", webUrl("/setup/gone.html"))
        .replace("MISSING", webUrl("/setup/missing"))
        .replace("LINK", QStringLiteral("<a href=\"https://%1/briskoapp\">%1</a>").arg(site));
}

QStringList TestUpdateHelper::prompts() const {
    QStringList out;
    for (const auto& asked : prompt->asked()) {
        // Every box of the updater has the same untranslated title.
        const QString title = asked.title == QStringLiteral("Brisko Updater")
                                  ? QString()
                                  : QStringLiteral(" (title: %1)").arg(asked.title);
        out << ScriptedUserPrompt::kindName(asked.kind) + QStringLiteral(": ") + asked.text + title;
    }
    return out;
}

QStringList TestUpdateHelper::events() const {
    QStringList out;
    for (const auto& hit : collector.hits()) {
        if (hit.field("ec") == "autoupdate")
            out << QString::fromStdString(hit.field("ea") + "/" + hit.field("el"));
    }
    out.sort();
    return out;
}

void TestUpdateHelper::answer(const Buttons& buttons) {
    for (int button : buttons)
        prompt->answer(QMessageBox::StandardButton(button));
}

void TestUpdateHelper::giveCallback(UpdateHelper& helper, bool force) {
    helper.check_and_update([this] { ++callbacks; }, force);
    QTRY_COMPARE_WITH_TIMEOUT(callbacks, 1, 20000);
    callbacks = 0;
}

void TestUpdateHelper::verifyInstallStarted() {
    const QString setup = platform::privateTempFolder() + QStringLiteral("/BriskoSetup.bin");
    const QString script = platform::privateTempFolder() + QStringLiteral("/BriskoSetup.sh");
    const auto calls = actions->calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).kind, QStringLiteral("detached"));
    QCOMPARE(calls.at(0).program, QStringLiteral("/bin/sh"));
    QCOMPARE(calls.at(0).arguments, QStringList{script});
    QFile file(script);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("SETUP='" + QFile::encodeName(setup) + "'\n"));
    QVERIFY(QFileInfo(setup).isExecutable());
    QCOMPARE(SettingsStore().text(SettingsKeys::UpdateStatus), QStringLiteral("updating"));
}

void TestUpdateHelper::versionNewer_data() {
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("direction");
    QTest::newRow("same") << "5.3.0.174" << 999999 << 0;
    QTest::newRow("same with .0") << "5.3.0.174.0" << 999999 << 0;
    QTest::newRow("build") << "5.3.0.175" << 3 << 1;
    QTest::newRow("minor") << "5.4" << 1 << 1;
    QTest::newRow("minor, beta") << "5.4.0-beta" << 1 << 1;
    QTest::newRow("major") << "6.0" << 0 << 1;
    QTest::newRow("one more element") << "5.3.0.174.1" << 4 << 1;
    QTest::newRow("shorter") << "5.3" << 3 << -1;
    QTest::newRow("older build") << "5.3.0.99" << 3 << -1;
    QTest::newRow("empty") << "" << 0 << -1;
    QTest::newRow("leading letter counts as 0") << "ver6" << 0 << -1;
    QTest::newRow("10 is more than 9") << "5.10" << 1 << 1;
}

void TestUpdateHelper::versionNewer() {
    QFETCH(QString, candidate);
    QFETCH(int, position);
    QFETCH(int, direction);
    const auto order = UpdateHelper::versionNewer(QStringLiteral("5.3.0.174"), candidate);
    QCOMPARE(order.position, position);
    QCOMPARE(order.direction, direction);
}

void TestUpdateHelper::decisions_data() {
    QTest::addColumn<QString>("ver");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("isRetry");
    QTest::addColumn<bool>("force");
    QTest::addColumn<Buttons>("answers");
    QTest::addColumn<QStringList>("expectedPrompts");
    QTest::addColumn<QStringList>("expectedEvents");
    QTest::addColumn<int>("quit"); // -1: the callback runs instead
    QTest::addColumn<int>("downloads");

    const int yes = QMessageBox::Yes, no = QMessageBox::No, ok = QMessageBox::Ok,
              cancel = QMessageBox::Cancel, retry = QMessageBox::Retry;
    const QStringList none;
    QTest::newRow("same version") << "5.3.0.174"
                                  << "URL" << false << false << Buttons{} << none << none << -1
                                  << 0;
    QTest::newRow("no version (failed check)")
        << ""
        << "" << false << true << Buttons{} << none << none << -1 << 0;
    QTest::newRow("older") << "5.3"
                           << "URL" << false << true << Buttons{} << none << none << -1 << 0;
    QTest::newRow("newer, no link") << "5.4"
                                    << "" << false << false << Buttons{} << none << none << -1 << 0;
    QTest::newRow("newer, no link, forced")
        << "5.4"
        << "" << false << true << Buttons{ok} << QStringList{kNoLink} << none << -1 << 0;
    QTest::newRow("minor update declined")
        << "5.3.0.175"
        << "URL" << false << false << Buttons{no} << QStringList{kOptional.arg("5.3.0.175")}
        << QStringList{"ask/no"} << -1 << 0;
    QTest::newRow("major update refused")
        << "6.0"
        << "URL" << false << false << Buttons{cancel} << QStringList{kForced.arg("6.0")}
        << QStringList{"ask-force/no"} << 1 << 0;
    QTest::newRow("forced minor update refused")
        << "5.4"
        << "URL" << false << true << Buttons{cancel} << QStringList{kForced.arg("5.4")}
        << QStringList{"ask-force/no"} << 1 << 0;
    QTest::newRow("minor update accepted")
        << "5.4"
        << "URL" << false << false << Buttons{yes} << QStringList{kOptional.arg("5.4")}
        << QStringList{"ask/yes", "download/ok"} << 0 << 1;
    QTest::newRow("major update accepted")
        << "6.0"
        << "URL" << false << false << Buttons{ok} << QStringList{kForced.arg("6.0")}
        << QStringList{"ask-force/yes", "download/ok"} << 0 << 1;
    QTest::newRow("a retry downloads without asking")
        << "5.4"
        << "URL" << true << false << Buttons{} << none << QStringList{"download/ok"} << 0 << 1;
    QTest::newRow("a text page ends the attempt")
        << "5.4"
        << "PAGE" << false << false << Buttons{yes, ok}
        << QStringList{kOptional.arg("5.4"), kTextPage}
        << QStringList{"ask/yes", "download/fail-text"} << -1 << 1;
    QTest::newRow("an error page, too, points to the web site")
        << "5.4"
        << "GONE" << false << false << Buttons{yes, ok}
        << QStringList{kOptional.arg("5.4"), kTextPage}
        << QStringList{"ask/yes", "download/fail-text"} << -1 << 1;
    QTest::newRow("failed download retried, then given up")
        << "5.4"
        << "MISSING" << false << false << Buttons{yes, retry, cancel}
        << QStringList{kOptional.arg("5.4"), kFailed, kFailed}
        << QStringList{"ask/yes", "download/fail-curl", "download-retry/retry",
                       "download/fail-curl", "download-retry/cancel"}
        << -1 << 2;
    QTest::newRow("wrong digest") << "5.4"
                                  << "URL;" + QString(64, '0') << true << false << Buttons{cancel}
                                  << QStringList{kFailed}
                                  << QStringList{"download/fail-checksum", "download-retry/cancel"}
                                  << -1 << 3;
    QTest::newRow("a checksum that isn't 64 long is no checksum")
        << "5.4"
        << "URL;0123" << true << false << Buttons{} << none << QStringList{"download/ok"} << 0 << 1;
}

void TestUpdateHelper::decisions() {
    QFETCH(QString, ver);
    QFETCH(QString, data);
    QFETCH(bool, isRetry);
    QFETCH(bool, force);
    QFETCH(Buttons, answers);
    QFETCH(QStringList, expectedPrompts);
    QFETCH(QStringList, expectedEvents);
    QFETCH(int, quit);
    QFETCH(int, downloads);

    answer(answers);
    TestableUpdateHelper helper(parent.get());
    giveCallback(helper, force);

    QVERIFY(QMetaObject::invokeMethod(&helper, "do_update", Qt::DirectConnection,
                                      Q_ARG(QString, ver), Q_ARG(QString, expand(data)),
                                      Q_ARG(bool, isRetry)));
    // Until the helper calls back or asks to quit.
    QTRY_VERIFY_WITH_TIMEOUT(callbacks > 0 || helper.quitStatus >= 0, 30000);
    QCOMPARE(helper.quitStatus, quit);
    QCOMPARE(callbacks, quit < 0 ? 1 : 0);
    for (QString& text : expectedPrompts)
        text = expand(text);
    QCOMPARE(prompts(), expectedPrompts);
    QCOMPARE(prompt->unanswered(), 0);
    expectedEvents.sort();
    QTRY_COMPARE(events(), expectedEvents);

    const QString target = QUrl(expand(data).section(';', 0, 0)).path();
    const auto got = fixture.service().requests().forPath(target.toStdString()).size();
    QCOMPARE(int(got), downloads);
    if (quit == 0)
        verifyInstallStarted();
    else
        QVERIFY(actions->calls().isEmpty());
}

void TestUpdateHelper::abortThenRetryRestartsTheSameDownload() {
    answer({QMessageBox::Yes, QMessageBox::Retry, QMessageBox::Cancel});
    TestableUpdateHelper helper(parent.get());
    giveCallback(helper, false);
    const QString slow = "/setup/slow?size=100000&hold=10000&pause=30000";
    QVERIFY(QMetaObject::invokeMethod(&helper, "do_update", Qt::DirectConnection,
                                      Q_ARG(QString, "5.4"), Q_ARG(QString, webUrl(slow)),
                                      Q_ARG(bool, false)));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        auto* dialog = parent->findChild<QDialog*>();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible() &&
                                     fixture.service().requests().forPath("/setup/slow").size() ==
                                         std::size_t(attempt),
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->findChild<QProgressBar*>()->value() > 0, 20000);
        dialog->reject();
        QTRY_COMPARE_WITH_TIMEOUT(prompt->asked().size(), 1 + attempt, 20000);
    }
    // Until the helper calls back or asks to quit.
    QTRY_VERIFY_WITH_TIMEOUT(callbacks > 0 || helper.quitStatus >= 0, 30000);
    QCOMPARE(callbacks, 1);
    QStringList expectedEvents{"ask/yes", "download/fail", "download-retry/retry", "download/fail",
                               "download-retry/cancel"};
    expectedEvents.sort();
    QTRY_COMPARE(events(), expectedEvents);
    QVERIFY(!QFile::exists(platform::privateTempFolder() + QStringLiteral("/BriskoSetup.bin")));
}

void TestUpdateHelper::installThatCannotStartLetsTheProgramGoOn() {
    actions->setStartResult(false);
    answer({QMessageBox::Yes});
    TestableUpdateHelper helper(parent.get());
    giveCallback(helper, false);
    QVERIFY(QMetaObject::invokeMethod(&helper, "do_update", Qt::DirectConnection,
                                      Q_ARG(QString, "5.4"), Q_ARG(QString, expand("URL")),
                                      Q_ARG(bool, false)));
    QTRY_VERIFY_WITH_TIMEOUT(callbacks > 0 || helper.quitStatus >= 0, 30000);
    // No quitting for an update that nothing will install; the next start offers a retry.
    QCOMPARE(helper.quitStatus, -1);
    QCOMPARE(callbacks, 1);
    QCOMPARE(SettingsStore().text(SettingsKeys::UpdateStatus), QStringLiteral("error"));
    QTRY_COMPARE(events(), (QStringList{"ask/yes", "download/ok"}));
    const QString temp = platform::privateTempFolder();
    QVERIFY(!QFile::exists(temp + QStringLiteral("/BriskoSetup.bin")));
    QVERIFY(!QFile::exists(temp + QStringLiteral("/BriskoSetup.sh")));
}

void TestUpdateHelper::lastOutcomeAtStart_data() {
    QTest::addColumn<QString>("status");
    QTest::addColumn<Buttons>("answers");
    QTest::addColumn<QStringList>("expectedPrompts");
    QTest::addColumn<QStringList>("expectedEvents");
    QTest::addColumn<int>("checks"); // version requests
    QTest::addColumn<int>("quit");

    const QStringList none;
    QTest::newRow("none") << "" << Buttons{} << none << none << 1 << -1;
    QTest::newRow("interrupted") << "updating" << Buttons{} << none << none << 1 << -1;
    QTest::newRow("success") << "success" << Buttons{QMessageBox::Ok} << QStringList{kSucceeded}
                             << QStringList{"install-success/"} << 1 << -1;
    QTest::newRow("error, cancelled")
        << "error" << Buttons{QMessageBox::Cancel} << QStringList{kInstallFailed}
        << QStringList{"install-error/cancel"} << 0 << -1;
    // The service offers 5.4: a retry installs it without asking again.
    QTest::newRow("error, retried")
        << "error" << Buttons{QMessageBox::Retry} << QStringList{kInstallFailed}
        << QStringList{"install-error/retry", "download/ok"} << 1 << 0;
}

void TestUpdateHelper::lastOutcomeAtStart() {
    QFETCH(QString, status);
    QFETCH(Buttons, answers);
    QFETCH(QStringList, expectedPrompts);
    QFETCH(QStringList, expectedEvents);
    QFETCH(int, checks);
    QFETCH(int, quit);

    if (quit == 0)
        fixture.service().setLatestVersion({"5.4", expand("URL").toStdString()});
    SettingsStore settings;
    if (!status.isEmpty())
        settings.setValue(SettingsKeys::UpdateStatus, status);
    QVERIFY(settings.sync());
    answer(answers);

    TestableUpdateHelper helper(parent.get());
    helper.check_and_update([this] { ++callbacks; }, false);
    // Until the helper calls back or asks to quit.
    QTRY_VERIFY_WITH_TIMEOUT(callbacks > 0 || helper.quitStatus >= 0, 30000);
    QCOMPARE(helper.quitStatus, quit);
    QCOMPARE(callbacks, quit < 0 ? 1 : 0);
    QCOMPARE(prompts(), expectedPrompts);
    expectedEvents.sort();
    QTRY_COMPARE(events(), expectedEvents);
    const auto requests = fixture.service().requests().forPath("/api/service/getlatestversion");
    QCOMPARE(int(requests.size()), checks);
    if (checks > 0)
        QCOMPARE(requests.front().query(), std::string("type=6"));
    if (quit == 0)
        verifyInstallStarted();
    else
        QVERIFY(!SettingsStore().contains(SettingsKeys::UpdateStatus));
}

void TestUpdateHelper::installScript_data() {
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("status");
    QTest::newRow("installer succeeds") << 0 << "success";
    QTest::newRow("installer fails") << 1 << "error";
}

void TestUpdateHelper::installScript() {
    QFETCH(int, exitCode);
    QFETCH(QString, status);
    QTemporaryDir sandbox;
    // Blanks, a quote and a dollar in the paths must reach the programs unharmed.
    const QString folder = sandbox.filePath(QStringLiteral("Brisko's $HOME dir"));
    QVERIFY(QDir().mkpath(folder));
    const QString setup = folder + QStringLiteral("/BriskoSetup.bin");
    const QString program = folder + QStringLiteral("/brisko tool");
    const QString script = folder + QStringLiteral("/BriskoSetup.sh");
    writeScript(setup,
                "printf '%s\\n' \"$@\" > \"$0.args\"\nexit " + QByteArray::number(exitCode) + "\n");
    writeScript(program, "touch \"$0.started\"\n");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(UpdateHelper::installScript(setup, program, UpdateHelper::installStatusPath(), 0));
    file.close();
    QVERIFY(QDir().mkpath(platform::userDataFolder()));

    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {script});
    QVERIFY(shell.waitForFinished(20000));
    QCOMPARE(shell.exitCode(), 0);

    QFile args(setup + QStringLiteral(".args"));
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(args.readAll(), QByteArray("/SILENT\n/NOCANCEL\n"));
    QVERIFY(!QFile::exists(setup));
    QVERIFY(!QFile::exists(script));
    QTRY_VERIFY(QFile::exists(program + QStringLiteral(".started"))); // started in the background

    // Start-up reads what the script left.
    UpdateHelper::foldInstallStatus();
    QCOMPARE(SettingsStore().text(SettingsKeys::UpdateStatus), status);
    QVERIFY(!QFile::exists(UpdateHelper::installStatusPath()));
}

void TestUpdateHelper::foldInstallStatus_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QString>("status");     // empty: the setting stays unset
    QTest::newRow("no file") << QByteArray() << QString();
    QTest::newRow("success") << QByteArray("success\n") << "success";
    QTest::newRow("error") << QByteArray("error") << "error";
    QTest::newRow("anything else is dropped") << QByteArray("rubbish\n") << QString();
}

void TestUpdateHelper::foldInstallStatus() {
    QFETCH(QByteArray, content);
    QFETCH(QString, status);
    const QString path = UpdateHelper::installStatusPath();
    if (!content.isEmpty()) {
        QVERIFY(QDir().mkpath(platform::userDataFolder()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    UpdateHelper::foldInstallStatus();
    SettingsStore settings;
    QCOMPARE(settings.contains(SettingsKeys::UpdateStatus), !status.isEmpty());
    QCOMPARE(settings.text(SettingsKeys::UpdateStatus), status);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestUpdateHelper)
#include "test_updatehelper.moc"
