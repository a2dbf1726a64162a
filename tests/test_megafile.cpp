#include "core/megafile.h"

#include <QDateTime>
#include <QLocale>
#include <QtTest>

class TestMegaFile : public QObject {
    Q_OBJECT
private slots:
    void entryFields_data();
    void entryFields();
    void fullEntryAndCopies();
    void readerOnAnEndTagGivesDefaults();
    void elementText();
    void listKeys_data();
    void listKeys();
    void brokenDocuments_data();
    void brokenDocuments();

private:
    // Every field by its element name, the three without accessors included.
    static QVariant field(const MegaFile& f, const QString& name);
};

namespace {

QString localShort(qint64 secondsUtc) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(secondsUtc, Qt::UTC).toLocalTime();
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + ' ' +
           locale.toString(when.time(), QLocale::ShortFormat);
}

// The entry of a one-entry document, read as the list reader reads it.
MegaFile firstEntry(const QString& xml) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() &&
           !(reader.isStartElement() &&
             (reader.name() == QLatin1String("link") || reader.name() == QLatin1String("FOLDER"))))
        reader.readNext();
    return MegaFile(reader);
}

const QString twoEntries = QStringLiteral(
    "<LIST>"
    "<link><file_id>9</file_id><file_linkcode>B</file_linkcode><file_name_change>b.mkv"
    "</file_name_change><file_size>200</file_size><file_folder>/x</file_folder>"
    "<file_downloadcount>3</file_downloadcount><file_created>0</file_created></link>"
    "<FOLDER><file_id>10</file_id><file_linkcode>A</file_linkcode><file_name_change>Phim"
    "</file_name_change><file_size>0</file_size><file_folder>/</file_folder>"
    "<file_downloadcount>1</file_downloadcount><file_created>86400</file_created></FOLDER>"
    "</LIST>");

} // namespace

QVariant TestMegaFile::field(const MegaFile& f, const QString& name) {
    const QMap<QString, QVariant> fields{{"file_id", f.getId()},
                                         {"file_linkcode", f.getLinkcode()},
                                         {"file_name_change", f.getName()},
                                         {"file_size", f.getSize()},
                                         {"file_descr", f.getDescription()},
                                         {"file_folder", f.getFolder()},
                                         {"file_downloadcount", f.getDownloadCount()},
                                         {"file_created", f.getCreated()},
                                         {"file_pwd", f.m_password},
                                         {"link_status", f.getLinkStatus()},
                                         {"file_secure", f.m_secure},
                                         {"file_direct_dl", f.m_directDownload}};
    return fields.value(name);
}

void TestMegaFile::entryFields_data() {
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");
    const QString empty = "<FOLDER></FOLDER>";
    QTest::newRow("default id") << empty << "file_id" << QVariant(QString());
    QTest::newRow("default status") << empty << "link_status" << QVariant(0);
    QTest::newRow("default secure") << empty << "file_secure" << QVariant(false);
    QTest::newRow("default direct download") << empty << "file_direct_dl" << QVariant("0");
    QTest::newRow("default created") << empty << "file_created" << QVariant(QString());
    QTest::newRow("empty secure is true") << "<link><file_secure/></link>"
                                          << "file_secure" << QVariant(true);
    QTest::newRow("secure 0") << "<link><file_secure>0</file_secure></link>"
                              << "file_secure" << QVariant(false);
    QTest::newRow("secure padded 0") << "<link><file_secure> 0</file_secure></link>"
                                     << "file_secure" << QVariant(true);
    QTest::newRow("empty created is the epoch") << "<link><file_created></file_created></link>"
                                                << "file_created" << QVariant(localShort(0));
    QTest::newRow("created") << "<link><file_created>86400</file_created></link>"
                             << "file_created" << QVariant(localShort(86400));
    QTest::newRow("created -1 wraps") << "<link><file_created>-1</file_created></link>"
                                      << "file_created" << QVariant(localShort(4294967295LL));
    QTest::newRow("created not a number") << "<link><file_created>x</file_created></link>"
                                          << "file_created" << QVariant(localShort(0));
    QTest::newRow("status letters") << "<link><link_status>ab</link_status></link>"
                                    << "link_status" << QVariant(0);
    QTest::newRow("status too big") << "<link><link_status>2147483648</link_status></link>"
                                    << "link_status" << QVariant(0);
    QTest::newRow("status negative") << "<link><link_status>-3</link_status></link>"
                                     << "link_status" << QVariant(-3);
    QTest::newRow("text kept whole") << "<link><file_descr>  a &amp; b\n</file_descr></link>"
                                     << "file_descr" << QVariant("  a & b\n");
    QTest::newRow("child before text") << "<link><file_descr><b>x</b></file_descr></link>"
                                       << "file_descr" << QVariant(QString());
    QTest::newRow("comment before text") << "<link><file_id><!--c-->5</file_id></link>"
                                         << "file_id" << QVariant(QString());
    QTest::newRow("nested inside other elements")
        << "<link><meta><x>1</x><file_id>5</file_id></meta></link>"
        << "file_id" << QVariant("5");
    QTest::newRow("repeated element") << "<link><file_id>1</file_id><file_id>2</file_id></link>"
                                      << "file_id" << QVariant("2");
    QTest::newRow("names are case-sensitive") << "<link><FILE_ID>1</FILE_ID></link>"
                                              << "file_id" << QVariant(QString());
    QTest::newRow("entry ends at its end tag")
        << "<LIST><link><file_id>1</file_id></link><file_pwd>x</file_pwd></LIST>"
        << "file_pwd" << QVariant(QString());
    QTest::newRow("password") << "<link><file_pwd>mật khẩu</file_pwd></link>"
                              << "file_pwd" << QVariant("mật khẩu");
}

void TestMegaFile::entryFields() {
    QFETCH(QString, xml);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    QCOMPARE(TestMegaFile::field(firstEntry(xml), field), expected);
}

void TestMegaFile::fullEntryAndCopies() {
    const MegaFile f = firstEntry(
        "<link><file_id>1</file_id><file_linkcode>L</file_linkcode><file_name_change>n"
        "</file_name_change><file_size>5</file_size><file_descr>d</file_descr><file_folder>/f"
        "</file_folder><link_status>2</link_status><file_downloadcount>4</file_downloadcount>"
        "<file_created>60</file_created><file_secure>1</file_secure><file_pwd>p</file_pwd>"
        "<file_direct_dl>1</file_direct_dl></link>");
    const QStringList names{"file_id",     "file_linkcode",      "file_name_change",
                            "file_size",   "file_descr",         "file_folder",
                            "link_status", "file_downloadcount", "file_created",
                            "file_secure", "file_pwd",           "file_direct_dl"};
    const QVariantList values{"1",  "L", "n", "5", "d", "/f", 2, "4", localShort(60),
                              true, "p", "1"};
    MegaFile copy(f);
    MegaFile assigned;
    assigned = f;
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(field(f, names[i]), values[i]);
        QCOMPARE(field(copy, names[i]), values[i]);
        QCOMPARE(field(assigned, names[i]), values[i]);
    }
    QVERIFY(copy.parent() == nullptr);

    copy.setName("other");
    copy.setLinkStatus(9);
    QCOMPARE(f.getName(), QString("n")); // the source keeps its values
    QCOMPARE(f.getLinkStatus(), 2);
    QVERIFY(copy == f); // same id and link code
    copy.setLinkcode("M");
    QVERIFY(!(copy == f));

    const MegaFile made("7", "C", "name", "10", "/d", "0", "today", "descr", true);
    QCOMPARE(made.getDescription(), QString("descr"));
    QCOMPARE(made.getCreated(), QString("today"));
    QCOMPARE(field(made, "file_secure"), QVariant(true));
    QCOMPARE(field(made, "file_direct_dl"), QVariant("0"));
    QCOMPARE(QVariant::fromValue(made).value<MegaFile>().getId(), QString("7"));
}

void TestMegaFile::readerOnAnEndTagGivesDefaults() {
    QXmlStreamReader reader(QString("<LIST><link><file_id>1</file_id></link>"
                                    "<link><file_id>2</file_id></link></LIST>"));
    while (!(reader.isEndElement() && reader.name() == QLatin1String("link")))
        reader.readNext();
    const MegaFile f(reader);
    QCOMPARE(f.getId(), QString());
    QVERIFY(reader.isEndElement()); // nothing was read
}

void TestMegaFile::elementText() {
    QXmlStreamReader reader(QString("<a><b>text</b><c/></a>"));
    reader.readNext(); // start of document
    QCOMPARE(xmlElementText(reader), QString());
    QCOMPARE(reader.tokenType(), QXmlStreamReader::StartDocument); // not moved
    reader.readNext();                                             // <a>
    reader.readNext();                                             // <b>
    QCOMPARE(xmlElementText(reader), QString("text"));
    reader.readNext(); // </b>
    reader.readNext(); // <c>
    QCOMPARE(xmlElementText(reader), QString());
    QVERIFY(reader.isEndElement()); // one token on
}

void TestMegaFile::listKeys_data() {
    QTest::addColumn<int>("keyField");
    QTest::addColumn<QStringList>("keys"); // in map order
    QTest::newRow("id") << 0 << QStringList{"10", "9"};
    QTest::newRow("link code") << 1 << QStringList{"A", "B"};
    QTest::newRow("name") << 2 << QStringList{"Phim", "b.mkv"};
    QTest::newRow("size") << 3 << QStringList{"0", "200"};
    QTest::newRow("folder") << 4 << QStringList{"/", "/x"};
    QTest::newRow("download count") << 5 << QStringList{"1", "3"};
    QStringList created{localShort(0), localShort(86400)};
    created.sort();
    QTest::newRow("created") << 6 << created;
    QTest::newRow("7") << 7 << QStringList();
    QTest::newRow("-1") << -1 << QStringList();
}

void TestMegaFile::listKeys() {
    QFETCH(int, keyField);
    QFETCH(QStringList, keys);
    const QMap<QString, MegaFile> files = readFileList(twoEntries, keyField);
    QCOMPARE(files.keys(), keys);
    if (keyField == 0) {
        QCOMPARE(files.value("9").getName(), QString("b.mkv"));
        QCOMPARE(files.value("10").getLinkcode(), QString("A"));
    }
}

void TestMegaFile::brokenDocuments_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("lastName"); // name of the entry under the last id
    QTest::newRow("later entry wins")
        << "<LIST><link><file_id>1</file_id><file_name_change>a</file_name_change></link>"
           "<link><file_id>1</file_id><file_name_change>b</file_name_change></link></LIST>"
        << QStringList{"1"} << "b";
    QTest::newRow("root not checked")
        << "<ANY><x><link><file_id>1</file_id></link></x></ANY>" << QStringList{"1"} << "";
    QTest::newRow("ends inside an entry")
        << "<LIST><link><file_id>1</file_id></link><FOLDER><file_id>2</file_id>"
           "<file_name_change>Ph"
        << QStringList{"1", "2"} << "";
    QTest::newRow("ends inside a tag")
        << "<LIST><link><file_id>1</file_id><file_name_change>x</file_name_change><file_n"
        << QStringList{"1"} << "x";
    QTest::newRow("mismatched tags")
        << "<LIST><link><file_id>1</file_id></link><link><file_id>2</file_id></oops>"
           "<link><file_id>3</file_id></link></LIST>"
        << QStringList{"1", "2"} << "";
    QTest::newRow("not XML") << "no markup at all" << QStringList() << "";
    QTest::newRow("empty") << "" << QStringList() << "";
}

void TestMegaFile::brokenDocuments() {
    QFETCH(QString, document);
    QFETCH(QStringList, ids);
    QFETCH(QString, lastName);
    const QMap<QString, MegaFile> files = readFileList(document, 0);
    QCOMPARE(files.keys(), ids);
    if (!lastName.isEmpty())
        QCOMPARE(files.last().getName(), lastName);
}

QTEST_GUILESS_MAIN(TestMegaFile)
#include "test_megafile.moc"
