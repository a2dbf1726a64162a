// briskohost as a browser runs it: a separate process fed framed messages, beside a fake
// briskotool that records the arguments it was started with.
#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray frame(const QByteArray& body) {
    const quint32 length = quint32(body.size());
    QByteArray framed;
    for (int i = 0; i < 4; ++i)
        framed.append(char((length >> (8 * i)) & 0xff));
    return framed + body;
}

// The replies in the host's output, unframed.
QList<QByteArray> replies(QByteArray output) {
    QList<QByteArray> found;
    while (output.size() >= 4) {
        const quint32 length = quint8(output[0]) | quint8(output[1]) << 8 |
                               quint8(output[2]) << 16 | quint32(quint8(output[3])) << 24;
        found << output.mid(4, int(length));
        output.remove(0, 4 + int(length));
    }
    return found;
}

constexpr char kFieldEnd = '\x1f';

// The host's log, in the per-user data folder.
QString logFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Brisko/Brisko Tool/briskohost.log");
}

} // namespace

class TestNativeHost : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void messages_data();
    void messages();
    void lengthsAreReadExactly();
    void missingMainProgramEndsThePresenceCheck();
    void cutInputEndsTheHost_data();
    void cutInputEndsTheHost();
    void eachMessageIsLogged();
    void closedOutputEndsTheHost_data();
    void closedOutputEndsTheHost();

private:
    struct Run {
        QList<QByteArray> replies;
        QList<QStringList> starts;
        int exitCode = -1;
    };
    // Runs the host on `input` and waits for it and every program it started to end.
    Run run(const QByteArray& input, const QStringList& arguments = {},
            bool withMainProgram = true);
    // The fake main program, recording its starts, or none.
    void prepareMainProgram(bool withMainProgram);
    QString startsRecord() const { return m_folder->filePath("starts"); }
    // The fake main program's starts, once the host has ended: waits for every program
    // it started to end first.
    QList<QStringList> starts();

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestNativeHost::initTestCase() {
    // The host starts programs detached; as a subreaper this test inherits them, so it
    // can wait for them to end instead of waiting for a while.
    QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
}

void TestNativeHost::init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY(QFile::copy(QStringLiteral(BRISKOHOST_PATH), m_folder->filePath("briskohost")));
    SettingsStore settings;
    for (const char* key : {"chrome_download", "ff_download"})
        settings.remove(QString::fromLatin1(key));
    settings.sync();
    QFile::remove(logFile());
}

void TestNativeHost::prepareMainProgram(bool withMainProgram) {
    QFile::remove(startsRecord());
    const QString fake = m_folder->filePath("briskotool");
    QFile::remove(fake);
    if (!withMainProgram)
        return;
    QFile script(fake);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\n{ for a in \"$@\"; do printf '%s\\037' \"$a\"; done; echo; } >> '" +
                 QFile::encodeName(startsRecord()) + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QList<QStringList> TestNativeHost::starts() {
    // Whatever the host started has come to this test by now (the host has ended, and a
    // detached start leaves its program an orphan at once); each has written its whole
    // line when it has ended. The host's own process is waited for by its caller.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const pid_t ended = ::waitpid(-1, nullptr, WNOHANG);
        if (ended < 0 && errno == ECHILD)
            break; // none left
        if (ended == 0) {
            if (waited.elapsed() > 30000) {
                qWarning("a started program does not end");
                break;
            }
            QThread::msleep(10);
        }
    }
    QFile file(startsRecord());
    QList<QByteArray> lines;
    if (file.open(QIODevice::ReadOnly))
        lines = file.readAll().split('\n');
    if (!lines.isEmpty())
        lines.removeLast(); // after the last line end: empty
    QList<QStringList> found;
    for (const QByteArray& line : lines) {
        QStringList arguments = QString::fromUtf8(line).split(QLatin1Char(kFieldEnd));
        arguments.removeLast();
        found << arguments;
    }
    return found;
}

TestNativeHost::Run TestNativeHost::run(const QByteArray& input, const QStringList& arguments,
                                        bool withMainProgram) {
    prepareMainProgram(withMainProgram);
    QProcess host;
    host.start(m_folder->filePath("briskohost"), arguments);
    Run result;
    if (!host.waitForStarted(10000))
        return result;
    host.write(input);
    host.closeWriteChannel();
    host.waitForFinished(30000);
    result.exitCode = host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -2;
    result.replies = replies(host.readAllStandardOutput());
    result.starts = starts();
    return result;
}

void TestNativeHost::messages_data() {
    QTest::addColumn<QString>("chrome");  // "chrome_download": "-" when missing
    QTest::addColumn<QString>("firefox"); // "ff_download": "-" when missing
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("reply"); // empty: none
    QTest::addColumn<QString>("link");     // null: nothing started

    const QStringList chromium{QStringLiteral("chrome-extension://abcdefghijklmnop/")};
    const QStringList firefox{QStringLiteral("/home/u/.mozilla/native-messaging-hosts/x.json"),
                              QStringLiteral("capture@brisko")};
    const QByteArray v2 = "\"v2 https://www.brisko.vn/file/ABC\"";
    const QString link = QStringLiteral("https://www.brisko.vn/file/ABC");

    QTest::newRow("hello") << "0" << "-" << chromium << QByteArray("\"hello\"")
                           << QByteArray("\"brisko2\"") << QString();
    QTest::newRow("Hello is a link") << "1" << "-" << chromium << QByteArray("\"Hello\"")
                                     << QByteArray() << QStringLiteral("Hello");
    QTest::newRow("v2, on") << "1" << "-" << chromium << v2 << QByteArray("\"captured\"") << link;
    QTest::newRow("v2, missing means on")
        << "-" << "-" << chromium << v2 << QByteArray("\"captured\"") << link;
    QTest::newRow("v2, off") << "0" << "-" << chromium << v2 << QByteArray("\"not-capture\"")
                             << QString();
    QTest::newRow("v2, 2 is off") << "2" << "-" << chromium << v2
                                  << QByteArray("\"not-capture\"") << QString();
    QTest::newRow("v2, long text is on") << "abc" << "-" << chromium << v2
                                         << QByteArray("\"captured\"") << link;
    QTest::newRow("plain link, on") << "1" << "-" << chromium
                                    << QByteArray("\"https://www.brisko.vn/file/ABC\"")
                                    << QByteArray() << link;
    QTest::newRow("plain link, off") << "0" << "-" << chromium
                                     << QByteArray("\"https://www.brisko.vn/file/ABC\"")
                                     << QByteArray() << QString();
    QTest::newRow("v2 empty link") << "1" << "-" << chromium << QByteArray("\"v2 \"")
                                   << QByteArray("\"captured\"") << QString("");
    QTest::newRow("shell characters stay in the argument")
        << "1" << "-" << chromium << QByteArray("\"v2 https://x/a?b=\\\"1\\\"&c|d;$(id)`e`\"")
        << QByteArray("\"captured\"") << QStringLiteral("https://x/a?b=\\\"1\\\"&c|d;$(id)`e`");
    QTest::newRow("a line break is refused")
        << "1" << "-" << chromium << QByteArray("\"v2 https://x/a\nrm -rf /\"")
        << QByteArray("\"not-capture\"") << QString();
    QTest::newRow("firefox follows its own switch, off")
        << "1" << "0" << firefox << v2 << QByteArray("\"not-capture\"") << QString();
    QTest::newRow("firefox follows its own switch, on")
        << "0" << "1" << firefox << v2 << QByteArray("\"captured\"") << link;
    QTest::newRow("no arguments read the chromium switch")
        << "0" << "1" << QStringList() << v2 << QByteArray("\"not-capture\"") << QString();
}

void TestNativeHost::messages() {
    QFETCH(QString, chrome);
    QFETCH(QString, firefox);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, reply);
    QFETCH(QString, link);
    SettingsStore settings;
    if (chrome != QLatin1String("-"))
        settings.setValue(QStringLiteral("chrome_download"), chrome);
    if (firefox != QLatin1String("-"))
        settings.setValue(QStringLiteral("ff_download"), firefox);
    QVERIFY(settings.sync());

    // An empty message first: ignored, and the host goes on.
    const Run result = run(frame(QByteArray()) + frame(message), arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.replies, reply.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{reply});
    const QList<QStringList> starts =
        link.isNull() ? QList<QStringList>() : QList<QStringList>{{QStringLiteral("-d"), link}};
    QCOMPARE(result.starts, starts);
}

void TestNativeHost::lengthsAreReadExactly() {
    // 0x0D0A bytes: a length holding CR LF, and a body holding 0x1A and CR LF.
    QByteArray body = "\"v2 https://www.brisko.vn/file/ABC?x=";
    while (body.size() < 0x0D0A - 1)
        body.append(body.size() % 3 ? "\x1a" : "\r\n");
    body.truncate(0x0D0A - 1);
    body.append('"');
    QCOMPARE(body.size(), 0x0D0A);
    // An oversize message is read through and dropped; the presence check after it works.
    QByteArray oversize(4, '\0');
    oversize[2] = 0x20; // 2 MiB
    oversize.append(QByteArray(2 << 20, 'x'));
    const Run result = run(oversize + frame(body) + frame("\"hello\""));
    QCOMPARE(result.exitCode, 0);
    // The body's CR LF makes it a refused link; the reply's length byte 13 goes out as is.
    QCOMPARE(result.replies, (QList<QByteArray>{"\"not-capture\"", "\"brisko2\""}));
}

void TestNativeHost::missingMainProgramEndsThePresenceCheck() {
    const Run result = run(frame("\"hello\"") + frame("\"v2 https://x\""), {}, false);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.replies.isEmpty()); // ended at the check: the next message is never read
}

void TestNativeHost::cutInputEndsTheHost_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("inside the length") << QByteArray("\x05\x00", 2);
    QTest::newRow("inside the body") << frame("\"v2 https://x/y\"").left(10);
}

void TestNativeHost::cutInputEndsTheHost() {
    QFETCH(QByteArray, input);
    const Run result = run(input);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.replies.isEmpty());
    QVERIFY(result.starts.isEmpty());
}

void TestNativeHost::eachMessageIsLogged() {
    run(frame("\"hello\"") + frame("\"v2 x\"") + frame(QByteArray()));
    QFile file(logFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(logFile()));
    QCOMPARE(file.readAll(), QByteArray("xxx 7\nxxx 6\nxxx 0\n"));
    QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}

void TestNativeHost::closedOutputEndsTheHost_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<int>("started"); // by the first message, before its reply
    QTest::newRow("presence check") << QByteArray("\"hello\"") << 0;
    QTest::newRow("capture request") << QByteArray("\"v2 https://x/first\"") << 1;
}

// A browser that closed the pipe before a reply: the host ends there with 0, not killed by
// SIGPIPE (whose default a browser leaves it), and reads no further message.
void TestNativeHost::closedOutputEndsTheHost() {
    QFETCH(QByteArray, first);
    QFETCH(int, started);
    prepareMainProgram(true);
    QTemporaryFile input;
    QVERIFY(input.open());
    input.write(frame(first) + frame("\"v2 https://x/second\""));
    input.flush();
    const int inputFd = ::open(QFile::encodeName(input.fileName()).constData(), O_RDONLY);
    QVERIFY(inputFd >= 0);
    int output[2];
    QCOMPARE(::pipe(output), 0);
    ::close(output[0]); // nobody reads the replies

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inputFd, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const QByteArray program = QFile::encodeName(m_folder->filePath("briskohost"));
    char* const argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(output[1]);
    ::close(inputFd);
    QCOMPARE(spawned, 0);
    int status = 0;
    QCOMPARE(::waitpid(pid, &status, 0), pid);
    QVERIFY2(WIFEXITED(status), qPrintable(QString("signal %1").arg(WTERMSIG(status))));
    QCOMPARE(WEXITSTATUS(status), 0);
    const QList<QStringList> expected =
        started ? QList<QStringList>{{"-d", "https://x/first"}} : QList<QStringList>{};
    QCOMPARE(starts(), expected);
}

QTEST_GUILESS_MAIN(TestNativeHost)
#include "test_nativehost.moc"
