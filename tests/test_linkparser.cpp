#include "core/linkparser.h"

#include <QRegExp>
#include <QtTest>

class TestLinkParser : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void canonicalFormFollowsTheWebHost();
    void patternFindsLinksInsideText();
};

namespace {
// The parser's order is a hash set's; compare as sorted lists.
QStringList sorted(const QString& links) {
    QStringList list = links.split(';', Qt::SkipEmptyParts);
    list.sort();
    return list;
}
const QString F = QStringLiteral("https://www.brisko.vn/file/");
const QString D = QStringLiteral("https://www.brisko.vn/folder/");
} // namespace

// The rows below are written for this web host, whatever the built-in default.
void TestLinkParser::initTestCase() {
    qputenv("BRISKO_WEB_HOST", "brisko.vn");
}

void TestLinkParser::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no link") << "hello world https://example.com/file/A"
                             << "";
    QTest::newRow("bare") << "brisko.vn/file/ABC123" << F + "ABC123";
    QTest::newRow("canonical") << "https://www.brisko.vn/file/ABC123" << F + "ABC123";
    QTest::newRow("http and label") << "http://m.brisko.vn/file/ABC123" << F + "ABC123";
    QTest::newRow("doubled slashes") << "https://www.brisko.vn//file//ABC123" << F + "ABC123";
    QTest::newRow("file name") << "https://www.brisko.vn/file/ABC123/movie.mkv" << F + "ABC123";
    QTest::newRow("query with password")
        << "https://www.brisko.vn/file/ABC123?a=1&p=secret&b=2" << F + "ABC123";
    QTest::newRow("fragment") << "https://www.brisko.vn/file/ABC123#top" << F + "ABC123";
    QTest::newRow("folder") << "brisko.vn/folder/XYZ_9" << D + "XYZ_9";
    QTest::newRow("letters of any script") << "brisko.vn/file/Tệp_1" << F + "Tệp_1";
    QTest::newRow("same link twice")
        << "brisko.vn/file/A https://www.brisko.vn/file/A?p=x" << F + "A";
    QTest::newRow("separators") << "brisko.vn/file/A;brisko.vn/file/B|brisko.vn/folder/C "
                                   "brisko.vn/file/D\nbrisko.vn/file/E\t;"
                                << D + "C;" + F + "A;" + F + "B;" + F + "D;" + F + "E";
    QTest::newRow("quotes, brackets, braces")
        << "\"brisko.vn/file/A\" [brisko.vn/file/B] {brisko.vn/file/C} 'brisko.vn/file/D'"
        << F + "A;" + F + "B;" + F + "C;" + F + "D";
    QTest::newRow("glued to a word") << "see:https://www.brisko.vn/file/A"
                                     << "";
    QTest::newRow("in parentheses") << "(https://www.brisko.vn/file/A)"
                                    << "";
    QTest::newRow("comma is no separator") << "brisko.vn/file/A,brisko.vn/file/B"
                                           << "";
    QTest::newRow("kind in capitals") << "https://www.brisko.vn/File/A brisko.vn/FOLDER/B"
                                      << "";
    QTest::newRow("scheme in capitals") << "HTTPS://www.brisko.vn/file/A"
                                        << "";
    QTest::newRow("host in capitals") << "https://www.BRISKO.vn/file/A"
                                      << "";
    QTest::newRow("two labels") << "https://a.b.brisko.vn/file/A"
                                << "";
    QTest::newRow("dot of the host is literal") << "https://www.briskoXvn/file/A"
                                                << "";
    QTest::newRow("longer host") << "https://www.brisko.vnx/file/A"
                                 << "";
    QTest::newRow("code then dash") << "https://www.brisko.vn/file/A-b"
                                    << "";
    QTest::newRow("code then path") << "https://www.brisko.vn/file/A/b-c.zip" << F + "A";
    QTest::newRow("no code") << "https://www.brisko.vn/file/"
                             << "";
}

void TestLinkParser::parse() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString result = parseShareLinks(text);
    QCOMPARE(sorted(result), sorted(expected));
    QVERIFY(!result.startsWith(';') && !result.endsWith(';'));
}

void TestLinkParser::canonicalFormFollowsTheWebHost() {
    qputenv("BRISKO_WEB_HOST", "localhost:4443");
    QCOMPARE(parseShareLinks("http://localhost:4443/folder/Q1?p=z brisko.vn/file/A"),
             QString("https://www.localhost:4443/folder/Q1"));
    qputenv("BRISKO_WEB_HOST", "brisko.vn");
}

void TestLinkParser::patternFindsLinksInsideText() {
    QRegExp link(shareLinkPattern(), Qt::CaseSensitive, QRegExp::RegExp);
    const QString text = "Xem: https://www.brisko.vn/file/A1?p=pw và brisko.vn/folder/B2 nhé";
    QStringList found;
    for (int pos = 0; (pos = link.indexIn(text, pos)) >= 0; pos += link.matchedLength())
        found << link.cap(0);
    QCOMPARE(found, QStringList({"https://www.brisko.vn/file/A1?p=pw", "brisko.vn/folder/B2"}));
    QVERIFY(link.exactMatch("https://www.brisko.vn/file/A1?x=1&p=pw&y=2"));
    QCOMPARE(link.cap(1), QString("file"));
    QCOMPARE(link.cap(2), QString("A1"));
    QCOMPARE(link.cap(3), QString("pw"));
}

QTEST_GUILESS_MAIN(TestLinkParser)
#include "test_linkparser.moc"
