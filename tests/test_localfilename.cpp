// Local names of new downloads: the safe form of the service's names and the free name
// that keeps a new download off existing files and other downloads' files; the rename of
// a download's file, which never replaces a file.
#include "download/localfilename.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestLocalFileName : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void renameKeepsAnExistingFile_data();
    void renameKeepsAnExistingFile();
};

namespace {

QString times(const QString& piece, int count) {
    return piece.repeated(count);
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

void TestLocalFileName::names_data() {
    QTest::addColumn<QString>("serviceName");
    QTest::addColumn<bool>("zip");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    const QStringList none;

    // Reserved device names, judged on the base name of the name as it came.
    QTest::newRow("reserved with extension") << "Con.TXT" << false << none << "_Con.TXT";
    QTest::newRow("reserved without extension") << "CON" << false << none << "_CON";
    QTest::newRow("reserved any case") << "Lpt1" << false << none << "_Lpt1";
    QTest::newRow("only the last extension is cut")
        << "nul.tar.gz" << false << none << "nul.tar.gz";
    QTest::newRow("longer than reserved") << "COM10.txt" << false << none << "COM10.txt";
    QTest::newRow("reserved prefix only") << "CONSOLE.txt" << false << none << "CONSOLE.txt";
    QTest::newRow("base with a replaced character") << "AUX?.txt" << false << none << "AUX_.txt";
    QTest::newRow("hidden name") << ".hidden" << false << none << ".hidden";

    // Replaced and removed characters.
    QTest::newRow("colon and question mark") << "a:b?.mkv" << false << none << "a_b_.mkv";
    QTest::newRow("angle quotes and em dash") << QString::fromUtf8("«Phim» — tập 2.mkv") << false
                                              << none << QString::fromUtf8("Phim _ tập 2.mkv");
    QTest::newRow("every replaced character")
        << QString::fromUtf8("\",?!'`—#$%^&*|\\:/><~=+") << false << none << times("_", 22);
    QTest::newRow("kept punctuation")
        << "a-b_c;d(e)[f].txt" << false << none << "a-b_c;d(e)[f].txt";
    QTest::newRow("no path separator survives")
        << "../../etc/passwd" << false << none << ".._.._etc_passwd";

    // Control characters, and names that name no file.
    QTest::newRow("control characters")
        << QString("a\tb\nc") + QChar(0x01) + QChar(0x7f) + "d" + QChar(0x85) + ".txt" << false
        << none << "a_b_c__d_.txt";
    QTest::newRow("bidirectional override cannot disguise the extension")
        << QString("photo") + QChar(0x202E) + "gpj.sh" << false << none << "photogpj.sh";
    QTest::newRow("every bidirectional control and the byte order mark")
        << QString(QChar(0xFEFF)) + "a" + QChar(0x202A) + QChar(0x202B) + QChar(0x202C) +
               QChar(0x202D) + QChar(0x2066) + QChar(0x2067) + QChar(0x2068) + QChar(0x2069) +
               "b.txt"
        << false << none << "ab.txt";
    QTest::newRow("other format characters stay")
        << QString("a") + QChar(0x200E) + QChar(0x200D) + QChar(0x2029) + "b" << false << none
        << QString("a") + QChar(0x200E) + QChar(0x200D) + QChar(0x2029) + "b";
    QTest::newRow("a reserved name behind an override")
        << QString(QChar(0x202D)) + "CON.txt" << false << none << "_CON.txt";
    QTest::newRow("only format characters") << QString(QChar(0x202E)) << false << none << "_";
    QTest::newRow("empty") << "" << false << none << "_";
    QTest::newRow("only removed characters") << QString::fromUtf8("«»") << false << none << "_";
    QTest::newRow("dot") << "." << false << none << "_.";
    QTest::newRow("dots") << "..." << false << none << "_...";

    // 255 bytes of UTF-8 at most, the extension kept.
    QTest::newRow("long ascii") << times("a", 300) + ".mkv" << false << none
                                << times("a", 251) + ".mkv";
    QTest::newRow("long Vietnamese") << times(QString::fromUtf8("ệ"), 200) + ".mp4" << false << none
                                     << times(QString::fromUtf8("ệ"), 83) + ".mp4";
    QTest::newRow("surrogate pairs kept whole")
        << times(QString::fromUtf8("😀"), 70) + ".txt" << false << none
        << times(QString::fromUtf8("😀"), 62) + ".txt";
    // Half of a pair encodes as nothing a file system stores: it becomes "_", and the
    // length is that of the bytes written.
    QTest::newRow("unpaired surrogates")
        << times(QString(QChar(0xD83D)) + QString::fromUtf8("😀"), 100) << false << none
        << times("_" + QString::fromUtf8("😀"), 51);
    QTest::newRow("a lone low surrogate")
        << "a" + QString(QChar(0xDE00)) + ".txt" << false << none << "a_.txt";
    QTest::newRow("long zip") << times("a", 300) + ".mkv" << true << none
                              << times("a", 251) + ".zip";
    QTest::newRow("extension too long to keep")
        << "a." + times("b", 300) << false << none << "a." + times("b", 253);

    // Free names.
    QTest::newRow("zip") << QString::fromUtf8("Ảnh") << true << none
                         << QString::fromUtf8("Ảnh.zip");
    QTest::newRow("taken once") << "film.mkv" << false << QStringList{"film.mkv"} << "film (2).mkv";
    QTest::newRow("taken twice") << "film.mkv" << false << QStringList{"film.mkv", "film (2).mkv"}
                                 << "film (3).mkv";
    QTest::newRow("taken zip") << QString::fromUtf8("Ảnh") << true
                               << QStringList{QString::fromUtf8("Ảnh.zip")}
                               << QString::fromUtf8("Ảnh (2).zip");
    QTest::newRow("taken without extension")
        << "README" << false << QStringList{"README"} << "README (2)";
    QTest::newRow("taken hidden") << ".hidden" << false << QStringList{".hidden"} << ".hidden (2)";
    QTest::newRow("taken after sanitising")
        << "a:b.txt" << false << QStringList{"a_b.txt"} << "a_b (2).txt";
    QTest::newRow("taken long name")
        << times("a", 300) + ".mkv" << false << QStringList{times("a", 251) + ".mkv"}
        << times("a", 247) + " (2).mkv";
}

void TestLocalFileName::names() {
    QFETCH(QString, serviceName);
    QFETCH(bool, zip);
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);

    const QSet<QString> used(taken.begin(), taken.end());
    const QString name =
        downloadFileName(serviceName, zip, [&](const QString& n) { return used.contains(n); });
    QCOMPARE(name, expected);
    QVERIFY(name.toUtf8().size() <= 255);
    QCOMPARE(QString::fromUtf8(name.toUtf8()), name); // no broken character
    if (!zip && taken.isEmpty())
        QCOMPARE(sanitizeFileName(serviceName), expected);
}

void TestLocalFileName::renameKeepsAnExistingFile_data() {
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("the no-replace rename") << false;
    QTest::newRow("a file system without it: the name taken first") << true;
}

// A file that appeared at the target after the dialog looked (another program's, or a
// download's) is never replaced by the move.
void TestLocalFileName::renameKeepsAnExistingFile() {
    QFETCH(bool, placeholder);
    const auto rename = [&](const QString& from, const QString& to) {
        return placeholder ? renameOverPlaceholder(from, to)
                           : renameDownloadFile(from, to) == FileMove::Moved;
    };
    QTemporaryDir folder;
    const QString from = folder.filePath("a.mkv.part");
    const QString to = folder.filePath("a.mkv");
    QVERIFY(write(from, "partial"));
    QVERIFY(write(to, "mine"));
    QVERIFY(!rename(from, to));
    QCOMPARE(read(from), QByteArray("partial"));
    QCOMPARE(read(to), QByteArray("mine"));

    QVERIFY(QFile::remove(to));
    QVERIFY(rename(from, to));
    QVERIFY(!QFile::exists(from));
    QCOMPARE(read(to), QByteArray("partial"));
    // A failed move leaves no placeholder behind.
    QVERIFY(!rename(folder.filePath("gone"), folder.filePath("b.mkv")));
    QVERIFY(!QFile::exists(folder.filePath("b.mkv")));
}

QTEST_APPLESS_MAIN(TestLocalFileName)
#include "test_localfilename.moc"
