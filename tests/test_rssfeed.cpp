#include "media/categoryhistory.h"
#include "media/rssfeed.h"
#include "platform/atomicfile.h"
#include "tests/support/filemodesinforce.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestRssFeed : public QObject {
    Q_OBJECT

private slots:
    void filmFeed_data();
    void filmFeed();
    void elementText_data();
    void elementText();
    void categoryFeed();
    void autoDownloadFeed_data();
    void autoDownloadFeed();
    void posterFileName_data();
    void posterFileName();
    void storedTimeRoundTrip();
    void historyRoundTrip();
    void historyEdgeCases();
    void damagedHistoryIsKeptAside_data();
    void damagedHistoryIsKeptAside();
};

namespace {

const QString kVi = QStringLiteral("Phụ đề Việt");

QByteArray feed(const QString& items) {
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\" "
                           "xmlns:media=\"http://search.yahoo.com/mrss/\"><channel><title>Phim"
                           "</title>") +
            items + QStringLiteral("</channel></rss>"))
        .toUtf8();
}

QString describe(const RssFilm& f) {
    return QStringList{f.title,      f.pubDate,       f.description, f.links,
                       f.linkTitles, f.subtitleLinks, f.pageLink,    f.image}
        .join(QLatin1Char('|'));
}

} // namespace

void TestRssFeed::filmFeed_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("films");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("posters");

    QTest::newRow("formats and subtitle")
        << feed("<item><title>Phim A</title><pubDate>Mon, 06 Feb 2017 10:00:00 +0000</pubDate>"
                "<guid>http://p.invalid/a</guid><enclosure url=\"http://p.invalid/a.jpg\"/>"
                "<brisko><link url=\"A\" title=\"720p\"/><link url=\"B\" title=\"1080p\"/>"
                "<link url=\"C\" title=\"" +
                kVi + "\"/></brisko></item>")
        << QStringList{"Phim A|Mon, 06 Feb 2017 10:00:00||A\nB|720p\n1080p|C|http://p.invalid/a|"
                       "http://p.invalid/a.jpg"}
        << true << QStringList{"0 http://p.invalid/a.jpg"};
    QTest::newRow("Sub Viet, not Phu de Viet, untitled inherits")
        << feed("<item><title>B</title><brisko><link url=\"S\" title=\"Sub Việt\"/>"
                "<link url=\"P\" title=\"Phu de Viet\"/><link url=\"Q\" title=\"x.mkv\"/>"
                "<link url=\"R\"/></brisko></item>")
        << QStringList{"B|||P\nQ\nR|Phu de Viet\nx.mkv\nx.mkv|S||"} << true << QStringList{};
    QTest::newRow("item link before, then only a subtitle")
        << feed("<item><title>C</title><link>http://p.invalid/c</link><brisko>"
                "<link url=\"S\" title=\"" +
                kVi + "\"/></brisko><link>http://late.invalid</link></item>")
        << QStringList{"C|||http://p.invalid/c||S||"} << true << QStringList{};
    QTest::newRow("zone kept, nested title wins")
        << feed("<item><title>D</title><pubDate>Mon, 06 Feb 2017 10:00:00 +0700</pubDate>"
                "<media:group><media:title>D2</media:title></media:group></item>")
        << QStringList{"D2|Mon, 06 Feb 2017 10:00:00 +0700||||||"} << true << QStringList{};
    const QString tail(120, QLatin1Char('x'));
    QTest::newRow("long caption")
        << feed("<item><title>E</title><description><![CDATA[[CAPTION id=\"1\"]<img/>"
                "[/Caption]\n\t " +
                tail + "]]></description></item>")
        << QStringList{"E||" + tail.left(100) + "...|||||"} << true << QStringList{};
    QTest::newRow("long description without caption")
        << feed("<item><title>F</title><description>" + tail + "</description></item>")
        << QStringList{"F||" + tail + "|||||"} << true << QStringList{};
    QString three;
    for (int i = 0; i < 3; ++i)
        three +=
            QStringLiteral("<item><title>%1</title><enclosure url=\"http://p.invalid/%1.png\"/>"
                           "</item>")
                .arg(i);
    QTest::newRow("broken after three items")
        << feed(three + "<item><title>3</title><enclosure url=\"http://p.invalid/3.png\"/>")
               .replace("</channel></rss>", "")
        << QStringList{"0|||||||http://p.invalid/0.png", "1|||||||http://p.invalid/1.png",
                       "2|||||||http://p.invalid/2.png"}
        << false
        << QStringList{"0 http://p.invalid/0.png", "1 http://p.invalid/1.png",
                       "2 http://p.invalid/2.png", "3 http://p.invalid/3.png"};
    QTest::newRow("empty feed") << feed(QString()) << QStringList{} << true << QStringList{};
    QTest::newRow("not xml") << QByteArray("<html>404</html><p>") << QStringList{} << false
                             << QStringList{};
}

void TestRssFeed::filmFeed() {
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, films);
    QFETCH(bool, ok);
    QFETCH(QStringList, posters);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QStringList requested;
    const auto result = rssfeed::readFilmFeed(buffer, [&](int row, const QString& address) {
        requested << QString::number(row) + QLatin1Char(' ') + address;
    });
    QStringList read;
    for (const RssFilm& film : result.films)
        read << describe(film);
    QCOMPARE(read, films);
    QCOMPARE(result.ok, ok);
    QCOMPARE(requested, posters);
}

void TestRssFeed::elementText_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("<t>abc</t>") << "abc";
    QTest::newRow("cdata") << QByteArray("<t><![CDATA[a<b]]></t>") << "a<b";
    QTest::newRow("blank before cdata") << QByteArray("<t>\n  <![CDATA[x]]></t>") << "\n  ";
    QTest::newRow("comment cuts") << QByteArray("<t>ab<!-- c -->cd</t>") << "ab";
    QTest::newRow("child first") << QByteArray("<t><b>x</b></t>") << "";
    QTest::newRow("empty") << QByteArray("<t/>") << "";
}

void TestRssFeed::elementText() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, text);
    QXmlStreamReader reader(xml);
    while (!reader.isStartElement())
        reader.readNext();
    QCOMPARE(rssfeed::readElementText(reader), text);
}

void TestRssFeed::categoryFeed() {
    QByteArray xml = feed("<item><x><title>Phim lẻ</title></x><guid>le</guid></item>"
                          "<item><title/><guid>bo</guid></item>");
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    auto result = rssfeed::readCategoryFeed(buffer);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.categories.size(), 2);
    QCOMPARE(result.categories.at(0).title, QStringLiteral("Phim lẻ"));
    QCOMPARE(result.categories.at(0).guid, QStringLiteral("le"));
    QVERIFY(result.categories.at(1).title.isEmpty());

    QByteArray cut = xml.left(xml.indexOf("<guid>bo"));
    QBuffer cutBuffer(&cut);
    cutBuffer.open(QIODevice::ReadOnly);
    result = rssfeed::readCategoryFeed(cutBuffer);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.categories.size(), 1);
}

void TestRssFeed::autoDownloadFeed_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("links");
    const QString date = QStringLiteral("<pubDate>Mon, 06 Feb 2017 10:00:01 +0000</pubDate>");
    QTest::newRow("first of each kind")
        << feed("<item>" + date +
                "<link>http://p.invalid/rss</link><brisko>"
                "<link url=\"o1\" title=\"a\"/><link url=\"s1\" title=\"" +
                kVi +
                "\"/>"
                "<link url=\"o2\"/><link url=\"s2\" title=\"" +
                kVi +
                "\"/>"
                "<link url=\"o3\" title=\"Phu de Viet\"/></brisko></item>")
        << "o1;s1;";
    QTest::newRow("Sub Viet is another link here")
        << feed("<item>" + date + "<brisko><link url=\"s\" title=\"Sub Việt\"/></brisko></item>")
        << "s;;";
    QTest::newRow("at the last time: not new")
        << feed("<item><pubDate>Mon, 06 Feb 2017 10:00:00 +0000</pubDate><brisko>"
                "<link url=\"old\"/></brisko></item>")
        << "";
    QTest::newRow("same instant in another zone: not new")
        << feed("<item><pubDate>Mon, 06 Feb 2017 17:00:00 +0700</pubDate><brisko>"
                "<link url=\"old\"/></brisko></item>")
        << "";
    QTest::newRow("one second later in another zone")
        << feed("<item><pubDate>Mon, 06 Feb 2017 17:00:01 +0700</pubDate><brisko>"
                "<link url=\"new\"/></brisko></item>")
        << "new;;";
    QTest::newRow("undated") << feed("<item><brisko><link url=\"x\"/></brisko></item>") << "";
    QTest::newRow("broken")
        << feed("<item>" + date + "<brisko><link url=\"x\"/></brisko></item>").left(100) << "";
}

void TestRssFeed::autoDownloadFeed() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, links);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    const QDateTime last(QDate(2017, 2, 6), QTime(10, 0), Qt::UTC);
    const auto result = rssfeed::readAutoDownloadFeed(buffer, last);
    QCOMPARE(result.links, links);
}

void TestRssFeed::posterFileName_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("jpg") << "http://p.invalid/x/3.jpg"
                         << "poster7-3.jpg";
    QTest::newRow("query ignored") << "http://p.invalid/a.png?size=2"
                                   << "poster7-3.png";
    QTest::newRow("no suffix") << "http://p.invalid/poster"
                               << "poster7-3.img";
    QTest::newRow("too long") << "http://p.invalid/a.abcdef"
                              << "poster7-3.img";
    QTest::newRow("hostile") << "http://p.invalid/a.x%2F..%2Fy"
                             << "poster7-3.img";
    QTest::newRow("dot in folder") << "http://p.invalid/v1.2/poster"
                                   << "poster7-3.img";
}

void TestRssFeed::posterFileName() {
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(rssfeed::posterFileName(7, 3, address), name);
}

void TestRssFeed::storedTimeRoundTrip() {
    QLocale::setDefault(QLocale(QLocale::Vietnamese));
    const QDateTime time(QDate(2017, 2, 6), QTime(10, 0, 59));
    const QString text = rssfeed::formatStoredTime(time);
    QCOMPARE(text, QStringLiteral("Mon, 06 Feb 2017 10:00:59"));
    QCOMPARE(rssfeed::parseStoredTime(text), time);
    QVERIFY(rssfeed::formatStoredTime(QDateTime()).isEmpty());
    QVERIFY(!rssfeed::parseStoredTime(QString()).isValid());
    QLocale::setDefault(QLocale::c());
}

void TestRssFeed::historyRoundTrip() {
    QTemporaryDir folder;
    const QString path = folder.filePath("phimmot_rssCategoryHistory.tmp");
    const QList<AutoDownloadCategory> chosen{{"phim-le", "/films/Tom & \"Jerry\" <1>"},
                                             {"phim bộ", "/phim/Hoạt hình"}};
    QString error;
    QVERIFY(categoryhistory::write(path, chosen, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(text,
             QStringLiteral(
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sourceFilm>\n"
                 "    <category id=\"phim-le\" folder=\"/films/Tom &amp; &quot;Jerry&quot; "
                 "&lt;1&gt;\"/>\n"
                 "    <category id=\"phim bộ\" folder=\"/phim/Hoạt hình\"/>\n</sourceFilm>\n"));
    const auto read = categoryhistory::read(path);
    QVERIFY(read.error.isEmpty());
    QCOMPARE(read.categories.size(), 2);
    QCOMPARE(read.categories.at(0).folder, chosen.at(0).folder);
    QCOMPARE(read.categories.at(1).id, chosen.at(1).id);
    QCOMPARE(read.categories.at(1).folder, chosen.at(1).folder);

    // No choice left: no file.
    QVERIFY(categoryhistory::write(path, {}, &error));
    QVERIFY(!QFile::exists(path));
    const auto none = categoryhistory::read(path);
    QVERIFY(none.categories.isEmpty() && none.error.isEmpty() && !none.openFailed);
}

void TestRssFeed::historyEdgeCases() {
    QTemporaryDir folder;
    const QString path = folder.filePath("h.tmp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?><sourceFilm><category id=\"a\"/>"
               "<x><category id=\"b\" folder=\"/b\"/></x><category id=\"c\" fol");
    file.close();
    const auto read = categoryhistory::read(path);
    QVERIFY(!read.error.isEmpty());
    QCOMPARE(read.categories.size(), 2);
    QCOMPARE(read.categories.at(0).id, QStringLiteral("a"));
    QVERIFY(read.categories.at(0).folder.isEmpty());
    QCOMPARE(read.categories.at(1).folder, QStringLiteral("/b"));

    // A write that cannot happen is reported.
    QString error;
    QVERIFY(!categoryhistory::write(folder.filePath("missing/h.tmp"), {{"new", "/n"}}, &error));
    QVERIFY(!error.isEmpty());

    // A removal that fails says why (here: something that is no file stands in the way).
    const QString blocked = folder.filePath("blocked.tmp");
    QVERIFY(QDir().mkpath(blocked + "/inside"));
    error.clear();
    QVERIFY(!categoryhistory::write(blocked, {}, &error));
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EISDIR)));
    QVERIFY(QFileInfo(blocked).isDir());
}

void TestRssFeed::damagedHistoryIsKeptAside_data() {
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("read");
    QTest::addColumn<bool>("unchooseAll");
    QTest::newRow("a bad byte, then a choice") << true << 1 << false;
    QTest::newRow("a bad byte, then the last unchoosing") << true << 1 << true;
    QTest::newRow("unreadable (mode 0200), then a choice") << false << 0 << false;
}

// A file that cannot be read whole (a bad byte loses every category after it) or at all is
// kept beside the new one before the next choice writes over it or removes it.
void TestRssFeed::damagedHistoryIsKeptAside() {
    QFETCH(bool, readable);
    QFETCH(int, read);
    QFETCH(bool, unchooseAll);
    QTemporaryDir folder;
    const QString path = folder.filePath("phimmot_rssCategoryHistory.tmp");
    const QByteArray damaged = "<?xml version=\"1.0\"?>\n<sourceFilm>\n"
                               "    <category id=\"a\" folder=\"/a\"/>\n\x01"
                               "    <category id=\"b\" folder=\"/b\"/>\n</sourceFilm>\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(damaged), qint64(damaged.size()));
    }
    if (!readable)
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const QList<AutoDownloadCategory> chosen =
        unchooseAll ? QList<AutoDownloadCategory>() : QList<AutoDownloadCategory>{{"c", "/c"}};
    withFileModesInForce([&] {
        const categoryhistory::ReadResult result = categoryhistory::read(path);
        QCOMPARE(result.openFailed, !readable);
        QCOMPARE(result.error.isEmpty(), !readable);
        QCOMPARE(result.categories.size(), read);
        QString error;
        QVERIFY2(categoryhistory::write(path, chosen, &error), qPrintable(error));
        const categoryhistory::ReadResult now = categoryhistory::read(path);
        QVERIFY(!now.openFailed && now.error.isEmpty());
        QCOMPARE(now.categories.size(), chosen.size());
    });
    if (QTest::currentTestFailed())
        return;
    QFile copy(platform::damagedCopyPath(path));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), damaged);
}

QTEST_GUILESS_MAIN(TestRssFeed)
#include "test_rssfeed.moc"
