#include "core/localpaths.h"
#include "media/subtitleextraction.h"
#include "platform/userfolders.h"
#include "tools/devservice/mediasite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using devservice::ZipMember;

class TestSubtitleExtraction : public QObject {
    Q_OBJECT

private slots:
    void init();
    void renamedBesideVideo();
    void subtitleInArchiveFolder();
    void lastOfTwoSubtitlesTakesVideoName();
    void keywordModeKeepsNames();
    void hostileMembersStayInside();
    void symlinkMemberIsNeverMoved();
    void memberNamedLikeVideoLeavesVideo();
    void failures_data();
    void failures();
    void unpackingOverTheLimits_data();
    void unpackingOverTheLimits();
    void extractorThatCannotStart();

private:
    // Runs one extraction of a zip of `members` into the save folder.
    void extract(const std::vector<ZipMember>& members, const QString& video);
    QString save(const QString& name) const { return root->filePath("save/" + name); }
    // Every entry below the root with its content (links by target), for comparing.
    QMap<QString, QByteArray> snapshot() const;

    std::unique_ptr<QTemporaryDir> root;
    SubtitleExtraction::Outcome outcome = SubtitleExtraction::NoSubtitle;
    QString subtitlePath;
};

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The staging folders 7-Zip unpacked into that are still there.
QStringList stagingFolders() {
    return QDir(tempFolder())
        .entryList({QStringLiteral("subtitle-*")},
                   QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

void TestSubtitleExtraction::init() {
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(root->path()).mkpath("save"));
    writeFile(save("My.Movie.2016.mkv"), "video");
    writeFile(root->filePath("outside/keep.txt"), "keep");
}

void TestSubtitleExtraction::extract(const std::vector<ZipMember>& members, const QString& video) {
    const QString archive = root->filePath("tmpSubtitile.zip");
    writeFile(archive, QByteArray::fromStdString(devservice::storedZip(members)));
    SubtitleExtraction extraction;
    QSignalSpy finished(&extraction, &SubtitleExtraction::finished);
    QVERIFY(extraction.extractZip(archive, root->filePath("save"), video));
    QVERIFY(!extraction.extractZip(archive, root->filePath("save"), video));
    QVERIFY(finished.wait(30000));
    QCoreApplication::sendPostedEvents(); // the extractor has ended: nothing more is due
    QCOMPARE(finished.count(), 1);
    outcome = finished.first().at(0).value<SubtitleExtraction::Outcome>();
    subtitlePath = finished.first().at(1).toString();
    // Whatever became of the members, the staging folder is gone.
    QCOMPARE(stagingFolders(), QStringList());
}

QMap<QString, QByteArray> TestSubtitleExtraction::snapshot() const {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root->path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(root->path()).relativeFilePath(info.filePath());
        if (name == QLatin1String("tmpSubtitile.zip"))
            continue;
        entries[name] = info.isSymLink() ? "link:" + info.symLinkTarget().toUtf8()
                        : info.isDir()   ? QByteArray("dir")
                                         : readFile(info.filePath());
    }
    return entries;
}

void TestSubtitleExtraction::renamedBesideVideo() {
    writeFile(save("My.Movie.2016.srt"), "older subtitle");
    extract({{"Other.Name.srt", "new subtitle"}}, save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(subtitlePath, QDir::toNativeSeparators(save("My.Movie.2016.srt")));
    QCOMPARE(readFile(save("My.Movie.2016.srt")), QByteArray("new subtitle"));
    QVERIFY(!QFile::exists(save("Other.Name.srt")));
    QCOMPARE(readFile(save("My.Movie.2016.mkv")), QByteArray("video"));
}

void TestSubtitleExtraction::subtitleInArchiveFolder() {
    extract({{"Sub/Vie/Film.SRT", "s"}}, save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(subtitlePath, QDir::toNativeSeparators(save("Sub/Vie/My.Movie.2016.SRT")));
    QCOMPARE(readFile(subtitlePath), QByteArray("s"));
}

void TestSubtitleExtraction::lastOfTwoSubtitlesTakesVideoName() {
    extract({{"first.srt", "1"}, {"notes.txt", "n"}, {"second.srt", "2"}},
            save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(readFile(save("My.Movie.2016.srt")), QByteArray("2"));
    QCOMPARE(readFile(save("first.srt")), QByteArray("1"));
    QCOMPARE(readFile(save("notes.txt")), QByteArray("n"));
}

void TestSubtitleExtraction::keywordModeKeepsNames() {
    extract({{"Film.Vie.srt", "v"}, {"Sub/Film.Eng.srt", "e"}}, QString());
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(readFile(save("Film.Vie.srt")), QByteArray("v"));
    QCOMPARE(readFile(save("Sub/Film.Eng.srt")), QByteArray("e"));
    // Nothing is left behind in the private temporary folder.
    QVERIFY(QDir(platform::privateTempFolder()).entryList({"subtitle-*"}, QDir::Dirs).isEmpty());
}

void TestSubtitleExtraction::hostileMembersStayInside() {
    const auto before = snapshot();
    extract({{"../evil.srt", "e"},
             {"../../outside/keep.txt", "overwritten"},
             {"/abs.srt", "a"},
             {"dir\\win.srt", "w"}},
            save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    auto after = snapshot();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    // Whatever 7-Zip made of the names, every new entry is inside the save folder.
    for (const QString& name : after.keys()) {
        if (!before.contains(name))
            QVERIFY2(name.startsWith(QLatin1String("save/")), qPrintable(name));
    }
    QCOMPARE(readFile(save("My.Movie.2016.srt")), QByteArray("w"));
}

void TestSubtitleExtraction::symlinkMemberIsNeverMoved() {
    const QString secret = root->filePath("outside/keep.txt");
    const auto before = snapshot();
    ZipMember link{"link.srt", secret.toStdString(), true};
    extract({link, {"real.srt", "r"}}, save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(readFile(save("My.Movie.2016.srt")), QByteArray("r"));
    QVERIFY(!QFileInfo(save("link.srt")).isSymLink());
    QVERIFY(!QFileInfo::exists(save("link.srt")));
    QCOMPARE(readFile(secret), QByteArray("keep"));

    // A link as the only subtitle: nothing to take.
    extract({link}, save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::NotFound);
    const auto after = snapshot();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

void TestSubtitleExtraction::memberNamedLikeVideoLeavesVideo() {
    writeFile(save("notes.txt"), "mine");
    extract({{"My.Movie.2016.mkv", "not the video"}, {"notes.txt", "theirs"}, {"x.srt", "s"}},
            save("My.Movie.2016.mkv"));
    QCOMPARE(outcome, SubtitleExtraction::Done);
    QCOMPARE(readFile(save("My.Movie.2016.mkv")), QByteArray("video"));
    QCOMPARE(readFile(save("notes.txt")), QByteArray("mine"));
    QCOMPARE(readFile(save("My.Movie.2016.srt")), QByteArray("s"));

    // A subtitle whose name would land on the video itself: the video stays, the
    // subtitle is kept under its own name.
    writeFile(save("Clip.srt"), "video named like a subtitle");
    extract({{"other.srt", "o"}}, save("Clip.srt"));
    QCOMPARE(outcome, SubtitleExtraction::MoveFailed);
    QCOMPARE(readFile(save("Clip.srt")), QByteArray("video named like a subtitle"));
    QCOMPARE(readFile(save("other.srt")), QByteArray("o"));
}

void TestSubtitleExtraction::failures_data() {
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("expected");
    QTest::newRow("no subtitle") << QByteArray::fromStdString(
                                        devservice::storedZip({{"a.txt", "t"}}))
                                 << int(SubtitleExtraction::NoSubtitle);
    QTest::newRow("not an archive")
        << QByteArray("<html>404 Not Found</html>") << int(SubtitleExtraction::NoSubtitle);
    QTest::newRow("empty") << QByteArray() << int(SubtitleExtraction::NoSubtitle);
}

void TestSubtitleExtraction::failures() {
    QFETCH(QByteArray, archive);
    QFETCH(int, expected);
    const auto before = snapshot();
    const QString path = root->filePath("tmpSubtitile.zip");
    writeFile(path, archive);
    SubtitleExtraction extraction;
    QSignalSpy finished(&extraction, &SubtitleExtraction::finished);
    extraction.extractZip(path, root->filePath("save"), save("My.Movie.2016.mkv"));
    QVERIFY(finished.wait(30000));
    QCOMPARE(int(finished.first().at(0).value<SubtitleExtraction::Outcome>()), expected);
    QCOMPARE(snapshot(), before);
}

void TestSubtitleExtraction::unpackingOverTheLimits_data() {
    QTest::addColumn<QByteArray>("archive");
    const std::string big(5000, 's');
    const std::string part(400, 's');
    // The limits here: 1000 bytes and 3 files.
    QTest::newRow("one member over the size")
        << QByteArray::fromStdString(devservice::storedZip({{"big.srt", big}}));
    QTest::newRow("members together over the size") << QByteArray::fromStdString(
        devservice::storedZip({{"a.srt", part}, {"b.srt", part}, {"c.srt", part}}));
    QTest::newRow("too many files") << QByteArray::fromStdString(
        devservice::storedZip({{"a.srt", "1"}, {"b.txt", "2"}, {"c.txt", "3"}, {"d.txt", "4"}}));
    QTest::newRow("too many, in folders") << QByteArray::fromStdString(
        devservice::storedZip({{"x/y/a.srt", "1"}, {"x/z/b.txt", "2"}}));
}

void TestSubtitleExtraction::unpackingOverTheLimits() {
    QFETCH(QByteArray, archive);
    const auto before = snapshot();
    const QString path = root->filePath("tmpSubtitile.zip");
    writeFile(path, archive);
    SubtitleExtraction extraction;
    extraction.setLimits(1000, 3);
    QSignalSpy finished(&extraction, &SubtitleExtraction::finished);
    QVERIFY(extraction.extractZip(path, root->filePath("save"), save("My.Movie.2016.mkv")));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().at(0).value<SubtitleExtraction::Outcome>(),
             SubtitleExtraction::NoSubtitle);
    QCOMPARE(snapshot(), before); // nothing reached the save folder
    QCOMPARE(stagingFolders(), QStringList());
}

void TestSubtitleExtraction::extractorThatCannotStart() {
    // A program folder whose own extractor is no program.
    writeFile(root->filePath("program/7za920/7za"), "not a program");
    platform::setProgramFilePathOverride(root->filePath("program/briskotool"));
    extract({{"a.srt", "s"}}, save("My.Movie.2016.mkv"));
    platform::setProgramFilePathOverride(QString());
    QCOMPARE(outcome, SubtitleExtraction::NoSubtitle);
    QVERIFY(!QFile::exists(save("My.Movie.2016.srt")));
}

QTEST_GUILESS_MAIN(TestSubtitleExtraction)
#include "test_subtitleextraction.moc"
