// A real Chromium, headless, with a small capture extension: its messages reach
// briskohost through native messaging, and the host starts (a fake) briskotool with the
// link the extension handed over.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// An extension's id: the first half of the SHA-256 of its public key, in the letters a-p.
QString extensionId(const QByteArray& publicKeyBase64) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromBase64(publicKeyBase64), QCryptographicHash::Sha256)
            .left(16)
            .toHex();
    QString id;
    for (const char c : digest)
        id += QChar('a' + QByteArray(1, c).toInt(nullptr, 16));
    return id;
}

bool copyWith(const QString& from, const QString& to, const QByteArray& placeholder = {},
              const QByteArray& value = {}) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = in.readAll();
    if (!placeholder.isEmpty())
        text.replace(placeholder, value);
    return out.write(text) == text.size();
}

} // namespace

class TestBrowserCapture : public QObject {
    Q_OBJECT

private slots:
    void extensionHandsALinkToTheProgram();
};

void TestBrowserCapture::extensionHandsALinkToTheProgram() {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QSKIP("Chromium is not installed (scripts/install-deps installs it)");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir root(folder.path());
    for (const char* sub : {"bin", "ext", "profile/NativeMessagingHosts", "home"})
        QVERIFY(root.mkpath(QString::fromLatin1(sub)));

    // The host, beside a briskotool that records how it was started.
    const QString host = root.filePath(QStringLiteral("bin/briskohost"));
    QVERIFY(QFile::copy(QStringLiteral(BRISKOHOST_PATH), host));
    const QString record = root.filePath(QStringLiteral("starts"));
    QFile fake(root.filePath(QStringLiteral("bin/briskotool")));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + QFile::encodeName(record) + "'\n");
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The extension, with the link it will hand over.
    const QByteArray link = "https://www.localhost/file/CAPTURETEST1";
    const QString source = QStringLiteral(BRISKO_SOURCE_DIR "/tests/capture-extension/");
    QVERIFY(copyWith(source + "manifest.json", root.filePath("ext/manifest.json")));
    QVERIFY(copyWith(source + "background.js", root.filePath("ext/background.js"), "@LINK@", link));
    QFile manifest(source + "manifest.json");
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    const QString id = extensionId(
        QJsonDocument::fromJson(manifest.readAll()).object().value("key").toString().toLatin1());

    // The host's registration, from the manifest the program ships.
    QVERIFY(copyWith(QStringLiteral(BRISKO_SOURCE_DIR "/capture/manifests/chromium.json.in"),
                     root.filePath("profile/NativeMessagingHosts/vn.brisko.host.json.in")));
    QFile in(root.filePath("profile/NativeMessagingHosts/vn.brisko.host.json.in"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray registration = in.readAll();
    registration.replace("@HOST@", QFile::encodeName(host));
    registration.replace("@ORIGINS@", "\"chrome-extension://" + id.toLatin1() + "/\"");
    in.remove();
    QFile out(root.filePath("profile/NativeMessagingHosts/vn.brisko.host.json"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(registration);
    out.close();

    QProcess browser;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), root.filePath("home"));
    browser.setProcessEnvironment(environment);
    browser.setProcessChannelMode(QProcess::MergedChannels);
    browser.start(chromium,
                  {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
                   QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
                   QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                   QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                   QStringLiteral("--user-data-dir=") + root.filePath("profile"),
                   QStringLiteral("--load-extension=") + root.filePath("ext"),
                   QStringLiteral("--disable-extensions-except=") + root.filePath("ext"),
                   QStringLiteral("about:blank")});
    QVERIFY(browser.waitForStarted(30000));
    // The program is started once the host answered the presence check and took the link.
    const QByteArray expected = "-d\n" + link + "\n";
    QFile starts(record);
    QTRY_VERIFY_WITH_TIMEOUT((starts.open(QIODevice::ReadOnly) && starts.readAll() == expected) ||
                                 (starts.close(), false),
                             90000);
    browser.kill();
    browser.waitForFinished(10000);
}

QTEST_GUILESS_MAIN(TestBrowserCapture)
#include "test_browsercapture.moc"
