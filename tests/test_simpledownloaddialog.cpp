// The simple download dialog against the stand-in's web files: outcomes and their
// codes, the digest retries, what is left on disk, Abort and its lock past 94 %, stalls.
#include "core/crypto.h"
#include "core/simpledownloaddialog.h"
#include "core/timesource.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/webendpoints.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// Scripts the stand-in before a download of `path`.
using Script = std::function<void(devservice::Service&, const std::string& path)>;
Q_DECLARE_METATYPE(Script)

namespace {

const QString kSetupPath = QString::fromLatin1(devservice::kUpdateSetupPath);

QString setupDigest() {
    return QString::fromStdString(sha256String(devservice::setupProgram()));
}

Script tampered(int times, const std::string& type = "application/octet-stream") {
    return [times, type](devservice::Service& service, const std::string& path) {
        for (int i = 0; i < times; ++i)
            service.faults().next(path, devservice::Fault::status(200, "tampered", type));
    };
}

// Stalls count after one second instead of a minute, while the object lives.
class ShortStall : public TimeSource {
public:
    ShortStall() : previous(TimeSource::install(this)) {}
    ~ShortStall() override { TimeSource::install(previous); }
    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override {
        return kind == Wait::StallLimit ? std::chrono::milliseconds(1000) : designed;
    }

private:
    TimeSource* previous;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSimpleDownloadDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void outcomes_data();
    void outcomes();
    void unwritablePathFailsWithoutARequest();
    void endedWhileRunning_data();
    void endedWhileRunning();
    void abortIsLockedPast94Percent_data();
    void abortIsLockedPast94Percent();
    void stallIsATransferFailure();

private:
    QString webUrl(const QString& pathAndQuery) const;
    // Shows the dialog (not modally: no test waits in a modal loop) and waits for its
    // one result.
    int run(SimpleDownloadDialog& dialog);
    std::size_t requestsFor(const QString& path);

    DevServiceFixture fixture;
    std::unique_ptr<QTemporaryDir> folder;
    QString target;
};

void TestSimpleDownloadDialog::initTestCase() {
    QVERIFY(fixture.start());
}

void TestSimpleDownloadDialog::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    target = folder->filePath(QStringLiteral("BriskoSetup.bin"));
    fixture.service().requests().clear();
    fixture.service().faults().clear();
}

QString TestSimpleDownloadDialog::webUrl(const QString& pathAndQuery) const {
    return QStringLiteral("https://www.localhost:%1%2").arg(fixture.port()).arg(pathAndQuery);
}

int TestSimpleDownloadDialog::run(SimpleDownloadDialog& dialog) {
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    if (!finished.wait(30000))
        return -1;
    QCoreApplication::processEvents(); // a stale second result would arrive now
    return finished.count() == 1 ? finished.at(0).at(0).toInt() : -2;
}

std::size_t TestSimpleDownloadDialog::requestsFor(const QString& path) {
    return fixture.service().requests().forPath(path.toStdString()).size();
}

void TestSimpleDownloadDialog::outcomes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("checksum");
    QTest::addColumn<Script>("script");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QByteArray>("kept"); // the file's content; empty: no file

    const QByteArray setup = QByteArray::fromStdString(devservice::setupProgram());
    const Script none = tampered(0);
    QTest::newRow("binary, no digest") << kSetupPath << QString() << none << 1 << 1 << setup;
    QTest::newRow("digest matches") << kSetupPath << setupDigest() << none << 1 << 1 << setup;
    QTest::newRow("digest in upper case")
        << kSetupPath << setupDigest().toUpper() << none << 1 << 1 << setup;
    QTest::newRow("digest wrong twice, then right")
        << kSetupPath << setupDigest() << tampered(2) << 1 << 3 << setup;
    QTest::newRow("digest wrong three times")
        << kSetupPath << setupDigest() << tampered(3) << 11 << 3 << QByteArray();
    QTest::newRow("63 characters switch the check off")
        << kSetupPath << setupDigest().left(63) << tampered(1) << 1 << 1
        << QByteArrayLiteral("tampered");
    QTest::newRow("65 characters switch the check off")
        << kSetupPath << setupDigest() + "0" << tampered(1) << 1 << 1
        << QByteArrayLiteral("tampered");
    QTest::newRow("text/html with a charset")
        << QStringLiteral("/setup/page.html") << QString() << none << 10 << 1 << QByteArray();
    QTest::newRow("Text/html is not a text type")
        << kSetupPath << QString() << tampered(1, "Text/html") << 1 << 1
        << QByteArrayLiteral("tampered");
    QTest::newRow("digest checked before the type")
        << kSetupPath << setupDigest() << tampered(3, "text/plain") << 11 << 3 << QByteArray();
    QTest::newRow("redirect followed")
        << QStringLiteral("/setup/moved") << setupDigest() << none << 1 << 1 << setup;
    QTest::newRow("404 with a text type is a text page")
        << QStringLiteral("/setup/gone.html") << QString() << none << 10 << 1 << QByteArray();
    QTest::newRow("404 with a binary type")
        << QStringLiteral("/setup/missing") << QString() << none << 100 << 1 << QByteArray();
    QTest::newRow("no reply, no second try")
        << kSetupPath << setupDigest()
        << Script([](devservice::Service& service, const std::string& path) {
               service.faults().next(path, devservice::Fault::cutBeforeReply());
           })
        << 100 << 1 << QByteArray();
    QTest::newRow("cut in the middle")
        << kSetupPath << QString()
        << Script([](devservice::Service& service, const std::string& path) {
               service.faults().next(path, devservice::Fault::cutMidReply(10));
           })
        << 100 << 1 << QByteArray();
}

void TestSimpleDownloadDialog::outcomes() {
    QFETCH(QString, path);
    QFETCH(QString, checksum);
    QFETCH(Script, script);
    QFETCH(int, result);
    QFETCH(int, requests);
    QFETCH(QByteArray, kept);

    script(fixture.service(), path.toStdString());
    // A file already at the target never survives a failed download.
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    SimpleDownloadDialog dialog(webUrl(path), target, checksum, QStringLiteral("Brisko Updater"),
                                QStringLiteral("Đang tải"), nullptr);
    QCOMPARE(run(dialog), result);
    QCOMPARE(int(requestsFor(path)), requests);
    QCOMPARE(QFile::exists(target), !kept.isEmpty());
    if (!kept.isEmpty())
        QCOMPARE(readAll(target), kept);
    // Nothing else is left behind: no temporary files of the attempts.
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files).size(), kept.isEmpty() ? 0 : 1);
}

void TestSimpleDownloadDialog::unwritablePathFailsWithoutARequest() {
    QFile blocker(folder->filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = blocker.fileName() + QStringLiteral("/setup");
    SimpleDownloadDialog dialog(webUrl(kSetupPath), path, QString(), QStringLiteral("t"),
                                QStringLiteral("x"), nullptr);
    QCOMPARE(run(dialog), int(SimpleDownloadDialog::TransferFailed));
    QCOMPARE(int(requestsFor(kSetupPath)), 0);
    QVERIFY(!QFile::exists(path));
}

void TestSimpleDownloadDialog::endedWhileRunning_data() {
    QTest::addColumn<bool>("byAbort");
    QTest::addColumn<int>("result");
    QTest::newRow("Abort button") << true << int(SimpleDownloadDialog::Aborted);
    QTest::newRow("hidden") << false << int(SimpleDownloadDialog::Hidden);
}

void TestSimpleDownloadDialog::endedWhileRunning() {
    QFETCH(bool, byAbort);
    QFETCH(int, result);
    SimpleDownloadDialog dialog(webUrl("/setup/slow?size=100000&hold=10000&pause=30000"), target,
                                QString(), QStringLiteral("t"), QStringLiteral("x"), nullptr);
    QSignalSpy finished(&dialog, &QDialog::finished);
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    QVERIFY(bar);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 10, 20000);
    if (byAbort) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Abort)->click();
    } else {
        dialog.hide();
        QVERIFY(finished.wait(5000));
    }
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), result);
    QVERIFY(!dialog.isVisible());
    QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());
}

void TestSimpleDownloadDialog::abortIsLockedPast94Percent_data() {
    QTest::addColumn<int>("hold"); // bytes of 100000 before the pause
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("abortable");
    QTest::newRow("94 %: Abort still works") << 94999 << 30000 << 94 << true;
    QTest::newRow("95 %: Abort is switched off") << 95000 << 1500 << 95 << false;
}

void TestSimpleDownloadDialog::abortIsLockedPast94Percent() {
    QFETCH(int, hold);
    QFETCH(int, pauseMs);
    QFETCH(int, percent);
    QFETCH(bool, abortable);
    SimpleDownloadDialog dialog(
        webUrl(QStringLiteral("/setup/slow?size=100000&hold=%1&pause=%2").arg(hold).arg(pauseMs)),
        target, QString(), QStringLiteral("t"), QStringLiteral("x"), nullptr);
    QSignalSpy finished(&dialog, &QDialog::finished);
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), percent, 20000);
    QTRY_COMPARE(buttons->isEnabled(), abortable);

    dialog.reject(); // also what Escape and closing the window do
    if (abortable) {
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(SimpleDownloadDialog::Aborted));
        QVERIFY(!QFile::exists(target));
        return;
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(0).toInt(), int(SimpleDownloadDialog::Downloaded));
    QCOMPARE(readAll(target), QByteArray::fromStdString(devservice::slowBody(100000)));
    // The lock holds for later shows of the same dialog.
    QVERIFY(!buttons->isEnabled());
}

void TestSimpleDownloadDialog::stallIsATransferFailure() {
    ShortStall shortStall;
    SimpleDownloadDialog dialog(webUrl("/setup/slow?size=100000&hold=10000&pause=30000"), target,
                                QString(), QStringLiteral("t"), QStringLiteral("x"), nullptr);
    QCOMPARE(run(dialog), int(SimpleDownloadDialog::TransferFailed));
    QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestSimpleDownloadDialog)
#include "test_simpledownloaddialog.moc"
