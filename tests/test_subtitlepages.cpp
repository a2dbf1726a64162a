#include "media/subtitleextraction.h"
#include "media/subtitlepages.h"
#include "tests/support/environmentvalue.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSubtitlePages : public QObject {
    Q_OBJECT

private slots:
    void searchAddresses();
    void absoluteLink_data();
    void absoluteLink();
    void titleLink_data();
    void titleLink();
    void listEntries();
    void listRowsWithoutMarkersAreDropped();
    void languageOrder();
    void downloadLink_data();
    void downloadLink();
    void readPage_data();
    void readPage();
    void listedSubtitles_data();
    void listedSubtitles();

private:
    EnvironmentValue host{"BRISKO_SUBTITLE_HOST", "subs.test.invalid:81"};
};

namespace {

QString row(const QString& link, const QString& language, const QString& name,
            const QString& uploader) {
    return QStringLiteral("<td class=\"a1\"><a href=\"%1\"><span class=\"l r %2-icon\">%2</span>"
                          "<span>%3</span></a></td><td class=\"a3\">1</td><td class=\"a5\">"
                          "<a href=\"/u/%4\">%4</a></td></tr><tr>")
        .arg(link, language, name, uploader);
}

QString describe(const QList<SubtitleEntry>& entries) {
    QStringList parts;
    for (const auto& e : entries)
        parts << e.name + QLatin1Char('|') + e.language + QLatin1Char('|') + e.uploader +
                     QLatin1Char('|') + e.link;
    return parts.join(QLatin1Char('\n'));
}

} // namespace

void TestSubtitlePages::searchAddresses() {
    QCOMPARE(subtitlepages::siteBase(), QStringLiteral("http://subs.test.invalid:81"));
    QCOMPARE(subtitlepages::titleSearchUrl(QStringLiteral("Fast & Furious 7")),
             QStringLiteral(
                 "http://subs.test.invalid:81/subtitles/title?q=Fast%20%26%20Furious%207&l=vn"));
    QCOMPARE(subtitlepages::releaseSearchUrl(QStringLiteral("Mắt biếc#1")),
             QStringLiteral(
                 "http://subs.test.invalid:81/subtitles/release?q=M%E1%BA%AFt%20bi%E1%BA%BFc%231"));
    // Blanks are searched as typed.
    QCOMPARE(subtitlepages::titleSearchUrl(QStringLiteral("  ")),
             QStringLiteral("http://subs.test.invalid:81/subtitles/title?q=%20%20&l=vn"));
}

void TestSubtitlePages::absoluteLink_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");
    QTest::newRow("relative") << "/subtitles/film"
                              << "http://subs.test.invalid:81/subtitles/film";
    QTest::newRow("no leading slash") << "subtitles/film"
                                      << "http://subs.test.invalid:81/subtitles/film";
    QTest::newRow("http") << "http://other.invalid/x"
                          << "http://other.invalid/x";
    QTest::newRow("https") << "https://other.invalid/x"
                           << "https://other.invalid/x";
    QTest::newRow("http inside") << "/go?to=http://other.invalid/x"
                                 << "http://subs.test.invalid:81/go?to=http://other.invalid/x";
    QTest::newRow("other scheme") << "ftp://other.invalid/x"
                                  << "http://subs.test.invalid:81/ftp://other.invalid/x";
}

void TestSubtitlePages::absoluteLink() {
    QFETCH(QString, link);
    QFETCH(QString, expected);
    QCOMPARE(subtitlepages::absoluteLink(link), expected);
}

void TestSubtitlePages::titleLink_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("link");
    QTest::newRow("first of several")
        << "<ul><div class=\"title\"><a href=\"/subtitles/some-film\">Some Film (2016)</a></div>"
           "<div class=\"title\"><a href=\"/subtitles/other\">Other</a></div></ul>"
        << "/subtitles/some-film";
    QTest::newRow("absolute") << "<div class=\"title\"><a href=\"http://x.invalid/s/a\">A</a>"
                              << "http://x.invalid/s/a";
    QTest::newRow("no title") << "<div class=\"box\"><a href=\"/x\">x</a></div>"
                              << "";
    QTest::newRow("anchor never closed") << "<div class=\"title\"><a href=\"/x\">x"
                                         << "";
    QTest::newRow("empty page") << ""
                                << "";
}

void TestSubtitlePages::titleLink() {
    QFETCH(QString, page);
    QFETCH(QString, link);
    QCOMPARE(subtitlepages::titleLink(page), link);
}

void TestSubtitlePages::listEntries() {
    const QString page = QStringLiteral("<table><tr>") +
                         row("/s/f/english/1", "English", "F.720p", "ann") +
                         row("/s/f/vietnamese/2", "Vietnamese", "F.1080p", "bảo") +
                         row("/s/f/arabic/3", "Arabic", "F.DVD", "cid") + "</table>";
    QCOMPARE(describe(subtitlepages::listEntries(page)),
             QStringLiteral("F.720p|English|ann|/s/f/english/1\n"
                            "F.1080p|Vietnamese|bảo|/s/f/vietnamese/2\n"
                            "F.DVD|Arabic|cid|/s/f/arabic/3"));
    // The one row of a page is listed.
    QCOMPARE(subtitlepages::listEntries(row("/s/1", "English", "One", "u")).size(), 1);
}

void TestSubtitlePages::listRowsWithoutMarkersAreDropped() {
    const QString noUploader =
        "<td class=\"a1\"><a href=\"/s/2\"><span class=\"l r English-icon\">English</span>"
        "<span>NoUploader</span></a></td><td class=\"a5\">anonymous</td>";
    const QString noIcon = "<td class=\"a1\"><a href=\"/s/3\"><span class=\"plain\">x</span>"
                           "<span>NoIcon</span></a></td><td><a href=\"/u/d\">dee</a></td>";
    const QString noName = "<td class=\"a1\"><a href=\"/s/4\"><span class=\"l English-icon\">"
                           "English</span></a><a href=\"/u/e\">e</a>";
    const auto entries = subtitlepages::listEntries(row("/s/1", "English", "Good", "u") +
                                                    noUploader + noIcon + noName);
    // A row whose head has no language icon is kept with an empty language.
    QCOMPARE(describe(entries), QStringLiteral("Good|English|u|/s/1\nNoIcon||dee|/s/3"));
    QVERIFY(subtitlepages::listEntries(QStringLiteral("<html>404 Not Found</html>")).isEmpty());
}

void TestSubtitlePages::languageOrder() {
    QList<SubtitleEntry> entries;
    for (const char* language : {"English", "Vietnamese", "Arabic", "Vietnamese", "", "English"}) {
        SubtitleEntry e;
        e.language = QString::fromLatin1(language);
        e.name = QString::number(entries.size());
        entries << e;
    }
    QStringList order;
    for (const auto& e : subtitlepages::byLanguage(entries))
        order << e.name;
    QCOMPARE(order, QStringList({"1", "3", "0", "5", "2", "4"}));
}

void TestSubtitlePages::downloadLink_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("link");
    QTest::newRow("attributes after href")
        << "<div class=\"download\"><a href=\"/subtitle/download?id=9\" rel=\"nofollow\" "
           "id=\"btn\">Download</a></div>"
        << "/subtitle/download?id=9";
    QTest::newRow("first of two") << "<div class=\"download\"><a href=\"/a.zip\">A</a></div>"
                                     "<div class=\"download\"><a href=\"/b.zip\">B</a></div>"
                                  << "/a.zip";
    QTest::newRow("none") << "<div class=\"other\"><a href=\"/a.zip\">A</a></div>"
                          << "";
    QTest::newRow("never closed") << "<div class=\"download\"><a href=\"/a.zip\">A"
                                  << "";
}

void TestSubtitlePages::downloadLink() {
    QFETCH(QString, page);
    QFETCH(QString, link);
    QCOMPARE(subtitlepages::downloadLink(page), link);
}

void TestSubtitlePages::readPage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8, lines joined")
        << QByteArray("<p>\tPh\xe1\xbb\xa5 \xc4\x91\xe1\xbb\x81\r\n</p>\n")
        << QStringLiteral("<p>Phụ đề</p>");
    QTest::newRow("latin-1 when not utf-8") << QByteArray("caf\xe9\n") << QStringLiteral("café");
    QTest::newRow("ends at a zero byte") << QByteArray("abc\0def", 7) << QStringLiteral("abc");
}

void TestSubtitlePages::readPage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTemporaryDir folder;
    QFile file(folder.filePath("page.html"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(subtitlepages::readFileContent(file.fileName()), text);
    QVERIFY(subtitlepages::readFileContent(folder.filePath("missing.html")).isNull());
}

void TestSubtitlePages::listedSubtitles_data() {
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("names");
    const QByteArray head = "\n7-Zip [64] 16.02 : Copyright (c) 1999-2016 Igor Pavlov\n\n"
                            "Extracting archive: /tmp/tmpSubtitile.zip\n--\nPath = /tmp/x.zip\n"
                            "Type = zip\n\n";
    QTest::newRow("per-file lines") << head + "- Film.2016.srt\n- readme.txt\n\nEverything is Ok\n"
                                    << QStringList{"Film.2016.srt"};
    QTest::newRow("mixed case, suffix after srt") << head + "- A.SRT\r\n- b.srt.txt\r\n- c.Srt\r\n"
                                                  << QStringList{"A.SRT", "b.srt.txt", "c.Srt"};
    QTest::newRow("folders and escapes")
        << head + "- Sub/Vie/Film.srt\n- ../evil.srt\n- /abs.srt\n- dir\\win.srt\n"
        << QStringList{"Sub/Vie/Film.srt", "../evil.srt", "/abs.srt", "dir\\win.srt"};
    QTest::newRow("two batches") << head + "- one.srt\n" + head + "- two.srt\nEverything is Ok\n"
                                 << QStringList{"one.srt", "two.srt"};
    QTest::newRow("older listing")
        << QByteArray("Extracting  Sub/Film.srt\r\nExtracting  x.nfo\r\n")
        << QStringList{"Sub/Film.srt"};
    QTest::newRow("utf-8 names") << head + "- Ph\xe1\xbb\xa5 \xc4\x91\xe1\xbb\x81.srt\n"
                                 << QStringList{QStringLiteral("Phụ đề.srt")};
    QTest::newRow("archive path is no member")
        << QByteArray("Extracting archive: /tmp/a.srt.zip\nERROR: /tmp/a.srt.zip\n"
                      "Can not open the file as archive\n")
        << QStringList{};
}

void TestSubtitlePages::listedSubtitles() {
    QFETCH(QByteArray, output);
    QFETCH(QStringList, names);
    QCOMPARE(subtitlearchive::listedSubtitles(output), names);
}

QTEST_GUILESS_MAIN(TestSubtitlePages)
#include "test_subtitlepages.moc"
