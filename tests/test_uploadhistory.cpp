// The upload history file: what is written for each job and read back into the same
// fields, the bound on finished uploads, entries whose local file is gone, broken and
// truncated documents, entries without text, and saves that must leave the old file.
#include "platform/atomicfile.h"
#include "tests/faketransferenvironment.h"
#include "tests/support/filemodesinforce.h"
#include "transfer/historyfile.h"
#include "upload/uploadhistory.h"
#include "upload/uploadjobs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>

#include <memory>

namespace {

const QString kAccount = QStringLiteral("1001");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Jobs {
    QList<UploadFile*> list;
    ~Jobs() { qDeleteAll(list); }
};

} // namespace

class TestUploadHistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void attributesRoundTrip_data();
    void attributesRoundTrip();
    void finishedListIsBounded();
    void missingLocalFile();
    void brokenDocuments_data();
    void brokenDocuments();
    void unreadableFileIsKeptAside();
    void emptyElementTakesNothingFromTheOneBefore();
    void interruptedSaveKeepsTheOldFile_data();
    void interruptedSaveKeepsTheOldFile();
    void jobsFromChosenFiles();

private:
    QString local(const QString& name, qint64 size);
    QString historyPath() const { return folder->filePath(QStringLiteral("history.ul.1001.xml")); }
    UploadHistory::Loaded loadText(const QByteArray& text);

    std::unique_ptr<QTemporaryDir> folder;
};

void TestUploadHistory::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

QString TestUploadHistory::local(const QString& name, qint64 size) {
    const QString path = folder->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(int(size), 'x')) != size)
        qFatal("can't write %s", qPrintable(path));
    return path;
}

UploadHistory::Loaded TestUploadHistory::loadText(const QByteArray& text) {
    QFile file(historyPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("can't write the history");
    file.close();
    return UploadHistory::load(historyPath(), kAccount);
}

void TestUploadHistory::attributesRoundTrip_data() {
    QTest::addColumn<bool>("finished");
    QTest::addColumn<double>("progress");
    QTest::addColumn<bool>("secure");
    QTest::addColumn<bool>("directLink");
    QTest::newRow("queued at a quarter, secure") << false << 0.25 << true << false;
    QTest::newRow("new, direct link") << false << 0.0 << false << true;
    QTest::newRow("finished") << true << 0.0 << false << false;
}

void TestUploadHistory::attributesRoundTrip() {
    QFETCH(bool, finished);
    QFETCH(double, progress);
    QFETCH(bool, secure);
    QFETCH(bool, directLink);
    MegaFile target;
    target.setId(QStringLiteral("77"));
    target.setLinkcode(QStringLiteral("FOLD"));
    target.setName(QStringLiteral("/Nhạc & \"mới\""));
    // A carriage return in the name survives too.
    const QString path = local(QStringLiteral("bài <1>\r\n.mp3"), 4000);
    UploadFile job(target, QStringLiteral("bài <1>\r\n.mp3"), path, QStringLiteral("mô tả\tdòng"),
                   QStringLiteral("up.host"), QStringLiteral("https://127.0.0.1/up/tok"));
    job.setSize(4000);
    job.setProgress(progress);
    job.setFileSecure(secure);
    job.setFileDirectLink(directLink);
    job.setMlink(finished ? QStringLiteral("https://www.localhost/file/ABC") : QString());
    job.setFinished(finished);
    const QByteArray document = UploadHistory::document({&job}, QStringLiteral("a@b.c"));
    QCOMPARE(document.count("<file "), 1);
    QCOMPARE(document.contains(" progress="), progress > 0);
    QCOMPARE(document.contains(" host="), progress > 0);
    QCOMPARE(document.contains(" mlink="), finished);

    QCOMPARE(UploadHistory::write(historyPath(), document), historyfile::SaveResult::Saved);
    const UploadHistory::Loaded loaded = UploadHistory::load(historyPath(), kAccount);
    Jobs owned{loaded.jobs};
    QVERIFY(!loaded.broken);
    QCOMPARE(loaded.jobs.size(), 1);
    const UploadFile* back = loaded.jobs.first();
    QCOMPARE(back->getFolder().getId(), target.getId());
    QCOMPARE(back->getFolder().getLinkcode(), target.getLinkcode());
    QCOMPARE(back->getFolder().getName(), target.getName());
    QCOMPARE(back->getName(), job.getName());
    QCOMPARE(back->getPath(), path);
    QCOMPARE(back->getDesc(), job.getDesc());
    QCOMPARE(back->getRealUrl(), job.getRealUrl());
    QCOMPARE(back->getFileSecure(), job.getFileSecure());
    QCOMPARE(back->getFileDirectLink(), job.getFileDirectLink());
    QCOMPARE(back->getHost(), progress > 0 ? job.getHost() : QString());
    QCOMPARE(back->progress(), progress);
    QCOMPARE(back->getMlink(), job.getMlink());
    QCOMPARE(back->isFinished(), finished);
    QCOMPARE(back->getSize(), qint64(4000));
    QCOMPARE(back->getState(), int(UploadFile::StateIdle));
    QCOMPARE(back->getId(), uploadJobKey(job.getName(), kAccount, QStringLiteral("77")));
    // Written again, the same document (but for the time it was made).
    const QDateTime when = QDateTime::currentDateTime();
    QCOMPARE(UploadHistory::document(loaded.jobs, "u", when),
             UploadHistory::document({&job}, "u", when));
}

void TestUploadHistory::finishedListIsBounded() {
    Jobs jobs;
    const QString path = local(QStringLiteral("f.bin"), 10);
    for (int i = 0; i < 603; ++i) {
        auto* job = new UploadFile(MegaFile(), QStringLiteral("f%1.bin").arg(i), path, "", "", "");
        job->setFinished(i >= 3);
        job->setMlink(QStringLiteral("https://www.localhost/file/L%1").arg(i));
        jobs.list << job;
    }
    const QByteArray document = UploadHistory::document(jobs.list, "u");
    QCOMPARE(document.count("<file "), 503);
    QCOMPARE(document.count(" status=\"true\""), 500);
    QVERIFY(document.contains(">f502.bin<"));
    QVERIFY(!document.contains(">f503.bin<"));
    QVERIFY(document.contains("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uploadfiles "));
    QVERIFY(document.endsWith("</file>\n</uploadfiles>\n"));
}

void TestUploadHistory::missingLocalFile() {
    const QString kept = local(QStringLiteral("kept.bin"), 5);
    const QByteArray text =
        "<uploadfiles>"
        "<file name=\"/A\" path=\"" +
        kept.toUtf8() +
        "\">kept.bin</file>"
        "<file name=\"/A\" path=\"/gone/queued.bin\" realUrl=\"https://h/up/1\">queued.bin</file>"
        "<file name=\"/A\" path=\"/gone/done.bin\" mlink=\"https://www.localhost/file/D\" "
        "status=\"true\">done.bin</file>"
        "</uploadfiles>";
    const UploadHistory::Loaded loaded = loadText(text);
    Jobs owned{loaded.jobs};
    QVERIFY(!loaded.broken);
    // The unfinished upload has nothing left to send; the finished one keeps its link.
    QCOMPARE(loaded.jobs.size(), 2);
    QCOMPARE(loaded.jobs.at(0)->getName(), QString("kept.bin"));
    QCOMPARE(loaded.jobs.at(1)->getName(), QString("done.bin"));
    QVERIFY(loaded.jobs.at(1)->isFinished());
    QCOMPARE(loaded.jobs.at(1)->getSize(), qint64(0));
    QCOMPARE(loaded.jobs.at(1)->getMlink(), QString("https://www.localhost/file/D"));
}

void TestUploadHistory::brokenDocuments_data() {
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("jobs");
    QTest::newRow("end missing") << QByteArray("<file name=\"/B\" path=\"PATH\">b") << 1;
    QTest::newRow("cut in a tag") << QByteArray("<file name=\"/B\" pa") << 1;
    QTest::newRow("mismatched tag") << QByteArray("<file path=\"PATH\">b</fiel>") << 1;
    QTest::newRow("not XML") << QByteArray("\x01garbage") << 1;
}

void TestUploadHistory::brokenDocuments() {
    QFETCH(QByteArray, tail);
    QFETCH(int, jobs);
    const QByteArray path = local(QStringLiteral("a.bin"), 3).toUtf8();
    tail.replace("PATH", path);
    const UploadHistory::Loaded loaded =
        loadText("<?xml version=\"1.0\"?>\n<uploadfiles><file name=\"/A\" path=\"" + path +
                 "\">a.bin</file>" + tail);
    Jobs owned{loaded.jobs};
    QVERIFY(loaded.broken);
    QVERIFY(!loaded.error.isEmpty());
    QCOMPARE(loaded.jobs.size(), jobs);
    QCOMPARE(loaded.jobs.first()->getName(), QString("a.bin"));
    // The first save keeps the unreadable file beside the new one.
    const QByteArray broken = readAll(historyPath());
    const QByteArray document = UploadHistory::document(loaded.jobs, "u");
    QCOMPARE(UploadHistory::write(historyPath(), document), historyfile::SaveResult::Saved);
    QCOMPARE(readAll(platform::damagedCopyPath(historyPath())), broken);
    QCOMPARE(readAll(historyPath()), document);
}

// A file that is there but cannot be read is broken, as a damaged one is: the first save
// keeps it beside the new one, and the new one is readable.
void TestUploadHistory::unreadableFileIsKeptAside() {
    const QByteArray old = "<?xml version=\"1.0\"?>\n<uploadfiles><file name=\"/A\" path=\"" +
                           local(QStringLiteral("a.bin"), 3).toUtf8() +
                           "\">a.bin</file></uploadfiles>\n";
    Jobs owned{loadText(old).jobs};
    QVERIFY(QFile::setPermissions(historyPath(), QFileDevice::WriteOwner));
    const QByteArray document = UploadHistory::document(QList<UploadFile*>(), "u");
    withFileModesInForce([&] {
        QVERIFY2(!QFile(historyPath()).open(QIODevice::ReadOnly), "file modes are not in force");
        const UploadHistory::Loaded loaded = UploadHistory::load(historyPath(), kAccount);
        Jobs none{loaded.jobs};
        QVERIFY(loaded.broken);
        QVERIFY(!loaded.error.isEmpty());
        QVERIFY(loaded.jobs.isEmpty());
        QCOMPARE(UploadHistory::write(historyPath(), document), historyfile::SaveResult::Saved);
        QCOMPARE(readAll(historyPath()), document);
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(readAll(platform::damagedCopyPath(historyPath())), old);
}

void TestUploadHistory::emptyElementTakesNothingFromTheOneBefore() {
    const QString first = local(QStringLiteral("first.bin"), 3);
    const QString second = local(QStringLiteral("second.bin"), 4);
    const QByteArray text = "<uploadfiles>"
                            "<file id=\"9\" name=\"/X\" path=\"" +
                            first.toUtf8() +
                            "\" fileSecure=\"0\" realUrl=\"https://h/up/9\"/>"
                            "<file name=\"/Y\" path=\"" +
                            second.toUtf8() +
                            "\" fileSecure=\"1\">second.bin</file>"
                            "</uploadfiles>";
    const UploadHistory::Loaded loaded = loadText(text);
    Jobs owned{loaded.jobs};
    QVERIFY(!loaded.broken);
    QCOMPARE(loaded.jobs.size(), 2);
    // An entry without text is named after its own file.
    QCOMPARE(loaded.jobs.at(0)->getName(), QString("first.bin"));
    QCOMPARE(loaded.jobs.at(0)->getRealUrl(), QString("https://h/up/9"));
    QCOMPARE(loaded.jobs.at(1)->getFolder().getName(), QString("/Y"));
    QCOMPARE(loaded.jobs.at(1)->getFolder().getId(), QString());
    QCOMPARE(loaded.jobs.at(1)->getRealUrl(), QString());
    QCOMPARE(loaded.jobs.at(1)->getFileSecure(), QString("1"));
    QCOMPARE(loaded.jobs.at(1)->getSize(), qint64(4));
}

void TestUploadHistory::interruptedSaveKeepsTheOldFile_data() {
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<bool>("diskFillsUp");
    QTest::addColumn<int>("result");
    // The margin lies on the side of the free space.
    QTest::newRow("no room") << qint64(0) << false << int(historyfile::SaveResult::NoRoom);
    QTest::newRow("within the margin") << qint64(1) << false << int(historyfile::SaveResult::Saved);
    QTest::newRow("disk fills up mid-write")
        << (qint64(1) << 30) << true << int(historyfile::SaveResult::WriteFailed);
}

void TestUploadHistory::interruptedSaveKeepsTheOldFile() {
    QFETCH(qint64, freeBytes);
    QFETCH(bool, diskFillsUp);
    QFETCH(int, result);
    const QByteArray old = "<uploadfiles/>\n";
    QCOMPARE(UploadHistory::write(historyPath(), old), historyfile::SaveResult::Saved);
    Jobs jobs;
    for (int i = 0; i < 200; ++i)
        jobs.list << new UploadFile(MegaFile(), QStringLiteral("n%1").arg(i), "/p", "", "", "");
    const QByteArray document = UploadHistory::document(jobs.list, "u");
    FakeTransferEnvironment disk;
    disk.freeBytes = document.size() - historyfile::kFreeSpaceSlack - 1 + freeBytes;
    // Writes past 16 KiB fail, as on a disk that fills up or goes away mid-write.
    QVERIFY(document.size() > 16384);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 16384;
    if (diskFillsUp)
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto saved = UploadHistory::write(historyPath(), document);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(int(saved), result);
    QFile file(historyPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved == historyfile::SaveResult::Saved ? document : old);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(historyPath()).fileName()});
}

void TestUploadHistory::jobsFromChosenFiles() {
    const QString a = local(QStringLiteral("a.bin"), 3);
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("x,y")));
    const QString comma = local(QStringLiteral("x,y/b.bin"), 3);
    const QString c = local(QStringLiteral("c.bin"), 7);
    MegaFile target;
    target.setName(QStringLiteral("/Music"));
    Jobs jobs{makeUploadFiles(target, {a, comma, c, folder->filePath("gone.bin")}, "d", true, false,
                              kAccount)};
    QCOMPARE(jobs.list.size(), 2);
    QCOMPARE(jobs.list.at(1)->getName(), QString("c.bin"));
    QCOMPARE(jobs.list.at(1)->getSize(), qint64(7));
    QCOMPARE(jobs.list.at(1)->getFileSecure(), QString("1"));
    QCOMPARE(jobs.list.at(1)->getFileDirectLink(), QString("0"));
    QCOMPARE(jobs.list.at(1)->getFolder().getName(), QString("/Music"));
    // The key depends on the name and the account alone for jobs from the dialog.
    QCOMPARE(jobs.list.at(0)->getId(),
             QString::fromLatin1(
                 QCryptographicHash::hash("a.bin1001", QCryptographicHash::Md5).toHex()));
}

QTEST_GUILESS_MAIN(TestUploadHistory)
#include "test_uploadhistory.moc"
