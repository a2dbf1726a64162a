// Start-up: the start-up message, the hand-over between two real copies of briskotool,
// the proxy and translation set-up, and what the main window keeps before the login.
#include "core/ruridudi.h"
#include "app/startup.h"
#include "mainwindow/loginform.h"
#include "mainwindow/mainform.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/userfolders.h"
#include "tests/support/childenvironment.h"
#include "tests/support/devservicefixture.h"
#include "tests/support/environmentvalue.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>

namespace {

// Every match of a pattern in a text, sorted, so that word order may change.
QStringList matches(const QRegularExpression& pattern, const QString& text) {
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void startupMessage_data();
    void startupMessage();
    void handOverToNobodyGoesOnAtOnce();
    void handOverRetriesWithinItsBudget();
    void laterCopyHandsItsMessageOver_data();
    void laterCopyHandsItsMessageOver();
    void runningCopyEndsThroughItsEndOnSigterm();
    void lockThatCannotBeWrittenIsTold();
    void proxyChoice_data();
    void proxyChoice();
    void translation_data();
    void translation();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void messagesBeforeLoginAreKept();
    void loginHandsTheKeptLinksOver();

private:
    DevServiceFixture fixture;
    QTemporaryDir workFolder;
    QProcess first;
    QByteArray firstOutput;
};

void TestStartup::initTestCase() {
    // The copies started here talk to the stand-in only, never to the real hosts.
    QVERIFY(fixture.start());
    QVERIFY(workFolder.isValid());
}

void TestStartup::cleanupTestCase() {
    if (first.state() != QProcess::NotRunning) {
        first.terminate();
        first.waitForFinished(10000);
    }
}

void TestStartup::startupMessage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList() << "";
    QTest::newRow("links") << QStringList{"-d", "L1", "L2"} << "-d|L1|L2";
    QTest::newRow("only -d") << QStringList{"-d"} << "-d";
    QTest::newRow("-d not first: all paths")
        << QStringList{"phim.mkv", "-d"} << "/home/u/phim.mkv|/home/u/-d";
    QTest::newRow("-D is a path") << QStringList{"-D"} << "/home/u/-D";
    QTest::newRow("one folder up") << QStringList{"../x/phim.mkv"} << "/home/x/phim.mkv";
    QTest::newRow("absolute, cleaned") << QStringList{"/srv/./a/../b c.txt"} << "/srv/b c.txt";
    QTest::newRow("UTF-8 names") << QStringList{"Phim Việt.mkv", "ảnh"}
                                 << "/home/u/Phim Việt.mkv|/home/u/ảnh";
    QTest::newRow("links keep their text") << QStringList{"-d", "https://www.localhost/file/Ă|B"}
                                           << "-d|https://www.localhost/file/Ă|B";
}

void TestStartup::startupMessage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QCOMPARE(startup::buildStartupMessage(arguments, QStringLiteral("/home/u")), message);
}

void TestStartup::handOverToNobodyGoesOnAtOnce() {
    SingleInstance only(QStringLiteral("alone"));
    const startup::HandOver result = startup::handOver(only, QStringLiteral("-d|L1"));
    QVERIFY(!result.otherCopyRuns);
    QCOMPARE(result.attempts, 0);
}

void TestStartup::handOverRetriesWithinItsBudget() {
    // A copy that holds the lock but doesn't listen (yet): the message can't go anywhere.
    QLockFile held(platform::privateTempFolder() + QStringLiteral("/silent.lock"));
    QVERIFY(held.tryLock(0));

    SingleInstance later(QStringLiteral("silent"));
    const startup::HandOver result = startup::handOver(later, QStringLiteral("x"), 600, 100);
    QVERIFY(result.otherCopyRuns);
    QVERIFY(!result.delivered);
    QVERIFY2(result.attempts >= 2 && result.attempts <= 7,
             qPrintable(QString::number(result.attempts)));
}

void TestStartup::laterCopyHandsItsMessageOver_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("received");
    QTest::newRow("links") << QStringList{"-d", "L1", "L2"} << "-d|L1|L2";
    QTest::newRow("a Vietnamese link") << QStringList{"-d", "https://www.localhost/file/Phim Việt"}
                                       << "-d|https://www.localhost/file/Phim Việt";
    QTest::newRow("a local file, made absolute") << QStringList{"Ảnh 1.jpg"} << "WORK/Ảnh 1.jpg";
    QTest::newRow("nothing") << QStringList() << "";
}

void TestStartup::laterCopyHandsItsMessageOver() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, received);
    received.replace(QStringLiteral("WORK"), workFolder.path());

    // The first copy runs for every row; it says "ready" once it listens.
    if (first.state() == QProcess::NotRunning) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("BRISKO_PRINT_MESSAGES"), QStringLiteral("1"));
        // It ends through its own end (runningCopyEndsThroughItsEndOnSigterm).
        first.setProcessEnvironment(childEnvironment(environment));
        first.setProcessChannelMode(QProcess::SeparateChannels);
        connect(&first, &QProcess::readyReadStandardOutput, this,
                [this] { firstOutput += first.readAllStandardOutput(); });
        first.start(QStringLiteral(BRISKOTOOL_PATH), QStringList());
        QVERIFY(first.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(firstOutput.contains("ready\n"), 20000);
    }
    firstOutput.clear();

    QProcess later;
    later.setWorkingDirectory(workFolder.path());
    later.start(QStringLiteral(BRISKOTOOL_PATH), arguments);
    QVERIFY(later.waitForFinished(20000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);

    const QByteArray line = "message (gui thread): " + received.toUtf8() + "\n";
    QTRY_VERIFY_WITH_TIMEOUT(firstOutput.contains(line), 10000);
    QCOMPARE(first.state(), QProcess::Running);
}

// The copy of the hand-over rows, at its login dialog, gets a SIGTERM (a logout of the
// desktop, a kill): it ends through its own end, letting go of its lock.
void TestStartup::runningCopyEndsThroughItsEndOnSigterm() {
    if (first.state() == QProcess::NotRunning)
        QSKIP("needs the running copy of laterCopyHandsItsMessageOver");
    first.terminate();
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 128 + SIGTERM);
    QVERIFY(!SingleInstance().isRunning());
}

// A start whose temporary folder takes no file (a full disk: no byte can be written) has
// no single-copy lock and nobody to hand over to: it says why instead of ending silently.
void TestStartup::lockThatCannotBeWrittenIsTold() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QProcess full;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    full.setProcessEnvironment(environment);
    full.setReadChannel(QProcess::StandardError);
    // SIGXFSZ ignored: a write past the limit fails as on a full disk.
    full.start(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 0; exec \"$0\""),
                QStringLiteral(BRISKOTOOL_PATH)});
    QVERIFY(full.waitForStarted(10000));
    QByteArray errors;
    const QByteArray told = "cannot run: the single-copy lock cannot be written in " +
                            QFile::encodeName(temporary.path());
    while (!errors.contains(told) && full.waitForReadyRead(30000))
        errors += full.readAllStandardError();
    QVERIFY2(errors.contains(told), errors.constData());
    // Its box waits for the user.
    QCOMPARE(full.state(), QProcess::Running);
    full.kill();
    QVERIFY(full.waitForFinished(10000));
}

void TestStartup::proxyChoice_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QByteArray>("systemProxy"); // http_proxy; null: unset
    QTest::addColumn<QString>("expected");       // "host:port"; empty: toolkit left alone

    const QByteArray unset;
    QTest::newRow("nothing set") << QString() << QString() << QString() << unset << "";
    QTest::newRow("mode not a number") << "x"
                                       << "p.local"
                                       << "80" << unset << "";
    QTest::newRow("system, none there") << "1" << QString() << QString() << unset << "";
    QTest::newRow("system") << "1" << QString() << QString()
                            << QByteArray("http://me:pw@proxy.local:3128/") << "proxy.local:3128";
    QTest::newRow("manual") << "2"
                            << "10.0.0.5"
                            << "8080" << unset << "10.0.0.5:8080";
    QTest::newRow("manual, port not a number") << "2"
                                               << "p.local"
                                               << "x" << unset << "p.local:0";
    QTest::newRow("manual, port cut to 16 bits") << "2"
                                                 << "p.local"
                                                 << "65537" << unset << "p.local:1";
    QTest::newRow("manual, no host") << "2" << QString() << "8080" << unset << "";
    QTest::newRow("another mode") << "3"
                                  << "p.local"
                                  << "80" << unset << "";
}

void TestStartup::proxyChoice() {
    QFETCH(QString, mode);
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QByteArray, systemProxy);
    QFETCH(QString, expected);
    EnvironmentValue lower("http_proxy", systemProxy);
    EnvironmentValue upper("HTTP_PROXY", QByteArray());
    SettingsStore settings;
    const std::pair<const char*, QString> values[] = {{SettingsKeys::UseProxy, mode},
                                                      {SettingsKeys::HttpProxy, host},
                                                      {SettingsKeys::HttpPort, port}};
    for (const auto& value : values) {
        if (value.second.isNull())
            settings.remove(value.first);
        else
            settings.setValue(value.first, value.second);
    }

    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    startup::applyProxy(settings);
    const QNetworkProxy proxy = QNetworkProxy::applicationProxy();
    if (expected.isEmpty()) {
        QCOMPARE(proxy.type(), QNetworkProxy::NoProxy); // left as it was
        return;
    }
    QCOMPARE(proxy.type(), QNetworkProxy::HttpProxy);
    QCOMPARE(QStringLiteral("%1:%2").arg(proxy.hostName()).arg(proxy.port()), expected);
}

void TestStartup::translation_data() {
    QTest::addColumn<QString>("language"); // null: the setting is missing
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text"); // of "Cập nhật đã bị hủy hoặc bị lỗi khi tải về"
    const QString vietnamese = QStringLiteral("Cập nhật đã bị hủy hoặc bị lỗi khi tải về");
    QTest::newRow("missing: Vietnamese") << QString() << true << "brisko_vi.qm" << vietnamese;
    QTest::newRow("empty: Vietnamese") << "" << true << "brisko_vi.qm" << vietnamese;
    QTest::newRow("English") << "brisko_en.qm" << true << "brisko_en.qm"
                             << "The update was canceled or failed to download";
    QTest::newRow("Japanese")
        << "brisko_ja.qm" << true << "brisko_ja.qm"
        << "アップデートはキャンセルされたか、ダウンロード中にエラーが発生しました";
    QTest::newRow("no such file: untranslated")
        << "brisko_xx.qm" << false << "brisko_xx.qm" << vietnamese;
}

void TestStartup::translation() {
    QFETCH(QString, language);
    QFETCH(bool, loaded);
    QFETCH(QString, stored);
    QFETCH(QString, text);
    // The translations are built into lang/ of the program folder.
    platform::setProgramFilePathOverride(QStringLiteral(BRISKOTOOL_PATH));
    SettingsStore settings;
    if (language.isNull())
        settings.remove(SettingsKeys::Language);
    else
        settings.setValue(SettingsKeys::Language, language);

    QTranslator translator;
    QCOMPARE(startup::loadTranslation(translator, settings), loaded);
    QCOMPARE(settings.text(SettingsKeys::Language), stored);
    QCOMPARE(
        QCoreApplication::translate("UpdateHelper", "Cập nhật đã bị hủy hoặc bị lỗi khi tải về"),
        text);
    QCoreApplication::removeTranslator(&translator);
    platform::setProgramFilePathOverride(QString());
}

void TestStartup::everyTextIsTranslated_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << "brisko_en.ts";
    QTest::newRow("Japanese") << "brisko_ja.ts";
}

void TestStartup::everyTextIsTranslated() {
    QFETCH(QString, file);
    QFile ts(QStringLiteral(BRISKO_SOURCE_DIR "/lang/") + file);
    QVERIFY(ts.open(QIODevice::ReadOnly));
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
    QXmlStreamReader xml(&ts);
    QString source;
    bool numerus = false;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            // A text with a count has one translation per plural form.
            QStringList translations;
            if (numerus) {
                while (xml.readNextStartElement())
                    translations << xml.readElementText();
            } else {
                translations << xml.readElementText();
            }
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            ++messages;
            QVERIFY2(type.isEmpty() && !translations.isEmpty(),
                     qUtf8Printable(QStringLiteral("not translated: ") + source));
            for (const QString& translation : qAsConst(translations)) {
                QVERIFY2(!translation.isEmpty(),
                         qUtf8Printable(QStringLiteral("not translated: ") + source));
                // The translation has the source's placeholders and markup, no more, no less.
                for (const QRegularExpression* pattern : {&placeholder, &markup}) {
                    const QStringList wanted = matches(*pattern, source);
                    const QStringList got = matches(*pattern, translation);
                    const QString why =
                        QStringLiteral("%1 has %2, %3 has %4")
                            .arg(source, wanted.join(' '), translation, got.join(' '));
                    QVERIFY2(got == wanted, qUtf8Printable(why));
                }
            }
        } else if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
        }
    }
    QVERIFY2(!xml.hasError(), qUtf8Printable(xml.errorString()));
    QVERIFY(messages > 0);
}

void TestStartup::messagesBeforeLoginAreKept() {
    MainForm window;
    QSignalSpy toFront(&window, &MainForm::needtoShow);
    window.handleMessage(QStringLiteral("-d|L1|L2"));
    window.handleMessage(QStringLiteral("   ")); // nothing
    window.handleMessage(QStringLiteral("  -d|L3\n"));
    window.handleMessage(QStringLiteral("/a/b.txt"));
    window.handleMessage(QStringLiteral("-d")); // no "|": a path
    window.handleMessage(QStringLiteral("/c|/d"));
    QCOMPARE(window.keptLinks(), QStringLiteral("L1|L2|L3"));
    QCOMPARE(window.keptPaths(), QStringLiteral("/a/b.txt|-d|/c|/d"));
    // The login dialog isn't shown, so nothing comes forward.
    QCOMPARE(toFront.count(), 0);
}

void TestStartup::loginHandsTheKeptLinksOver() {
    // The download tab's history lands in a private program folder.
    QTemporaryDir program;
    QVERIFY(program.isValid());
    platform::setProgramFilePathOverride(program.filePath(QStringLiteral("briskotool")));
    const QString web = QStringLiteral("https://www.") + QString::fromStdString(hosts::webHost());
    const QString one = web + QStringLiteral("/file/AAAAA1");
    const QString two = web + QStringLiteral("/folder/BBBBB2");
    {
        MainForm window;
        window.handleMessage(QStringLiteral("-d|") + one + QLatin1Char('|') + two);
        LoginForm* login = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            login = login ? login : qobject_cast<LoginForm*>(top);
        QVERIFY(login);
        login->show(); // not exec(): no test waits in a modal loop
        auto* button = login->findChild<QPushButton*>(QStringLiteral("btn_login"));
        QVERIFY(button);
        // The form opens once the update check (nothing newer) has called back.
        QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 20000);
        login->findChild<QLineEdit*>(QStringLiteral("txt_email"))
            ->setText(QString::fromLatin1(devservice::demo::kEmail));
        login->findChild<QLineEdit*>(QStringLiteral("txt_password"))
            ->setText(QString::fromLatin1(devservice::demo::kPassword));

        // The hand-overs open their dialogs modally; each is read and closed here.
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || qobject_cast<LoginForm*>(dialog))
                return;
            const auto* links = dialog->findChild<QLineEdit*>(QStringLiteral("txt_duongdan"));
            const auto* files = dialog->findChild<QLineEdit*>(QStringLiteral("txt_filesPath"));
            shown << (links ? links->text() : files ? files->text() : QString());
            dialog->reject();
        });
        closer.start(20);
        QSignalSpy finished(login, &LoginForm::loginFinish);
        button->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(currentUser);
        QCOMPARE(currentUser->getEmail(), QString::fromLatin1(devservice::demo::kEmail));
        QVERIFY(!currentUser->getSessionId().isEmpty());
        QVERIFY(window.isVisible());
        QVERIFY(window.keptLinks().isEmpty());
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(shown.at(0).contains(QStringLiteral("/file/AAAAA1")));
        QVERIFY(shown.at(0).contains(QStringLiteral("/folder/BBBBB2")));
        // After the login a message goes straight through.
        window.handleMessage(QStringLiteral("/a/b.txt"));
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1), QStringLiteral("/a/b.txt"));
        window.logout(QStringLiteral("1"));
    }
    platform::setProgramFilePathOverride(QString());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
