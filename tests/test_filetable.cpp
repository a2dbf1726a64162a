// The file manager's rows and folder keys, without widgets: what each column of a row
// shows and sorts by, and how folder keys are made and split.
#include "filemanager/filesortproxy.h"
#include "filemanager/filetablemodel.h"
#include "filemanager/folderlisting.h"
#include "filemanager/namerules.h"

#include <QDateTime>

#include <QtTest>
#include <ctime>

using namespace filetable;

namespace {

brisko::file record(std::int64_t id, const char* type, const char* name) {
    brisko::file f;
    f.set_id(std::to_string(id));
    f.set_type(type);
    f.set_name(name);
    f.set_linkcode("C" + std::to_string(id));
    f.set_path("/");
    f.set_created("1704067200");
    return f;
}

const RowOptions kOptions{QStringLiteral("https://www.example.test"), QStringLiteral("dd/MM/yyyy")};

} // namespace

class TestFileTable : public QObject {
    Q_OBJECT
private slots:
    void fileRow();
    void folderRow();
    void linkAndDate_data();
    void linkAndDate();
    void datesFollowLocalTime_data();
    void datesFollowLocalTime();
    void folderKeys_data();
    void folderKeys();
    void listingSplitsFolders();
    void nameRefusals_data();
    void nameRefusals();
    void passwordHints_data();
    void passwordHints();
    void sortsFoldersFirstBothWays();
    void editsAndIcons();
};

void TestFileTable::fileRow() {
    brisko::file f = record(1234, "1", "Báo Cáo.PDF");
    f.set_size("2048");
    f.set_downloadcount("7");
    f.set_secure("1");
    f.set_pwd("x");
    Model model;
    model.setRows({makeRow(f, kOptions)});
    auto cell = [&](int column, int role) { return model.index(0, column).data(role); };
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(cell(ColName, Qt::DisplayRole).toString(), QStringLiteral("Báo Cáo.PDF"));
    QCOMPARE(cell(ColName, Qt::ToolTipRole).toString(), QStringLiteral("Báo Cáo.PDF"));
    QCOMPARE(cell(ColName, SortRole).toString(), QStringLiteral("1báo cáo.pdf"));
    QCOMPARE(cell(ColName, IconNameRole).toString(), QStringLiteral(":/images/icon_file.png"));
    QCOMPARE(cell(ColSecure, IconNameRole).toString(), QStringLiteral(":/images/lock.png"));
    QCOMPARE(cell(ColDirectLink, IconNameRole).toString(),
             QStringLiteral(":/images/undirect_link.png"));
    QCOMPARE(cell(ColPassword, IconNameRole).toString(), QStringLiteral(":/images/password.png"));
    QCOMPARE(cell(ColSize, Qt::DisplayRole).toString(), QStringLiteral("2 KB"));
    QCOMPARE(cell(ColSize, SortRole).toLongLong(), 2048LL);
    // Every text of the row sits in the middle of its height: the size at the right.
    QCOMPARE(cell(ColSize, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(cell(ColDownloads, Qt::DisplayRole).toString(), QStringLiteral("7"));
    QCOMPARE(cell(ColDownloads, SortRole).toUInt(), 8u);
    QCOMPARE(cell(ColDownloads, Qt::TextAlignmentRole).toInt(), 132);
    QCOMPARE(cell(ColCreated, Qt::TextAlignmentRole).toInt(), 132);
    QCOMPARE(cell(ColLink, Qt::DisplayRole).toString(),
             QStringLiteral("https://www.example.test/file/C1234"));
    QVERIFY(model.flags(model.index(0, ColName)) & Qt::ItemIsEditable);
    for (int column : {0, 2, 3, 4, 5, 6, 7, 8})
        QVERIFY(!(model.flags(model.index(0, column)) & Qt::ItemIsEditable));
}

void TestFileTable::folderRow() {
    brisko::file f = record(555, "0", "Docs");
    f.set_secure("1");
    Model model;
    model.setRows({makeRow(f, kOptions)});
    auto cell = [&](int column, int role) { return model.index(0, column).data(role); };
    QCOMPARE(cell(ColName, IconNameRole).toString(),
             QStringLiteral(":/images/folder_qlfile_on.png"));
    for (int column : {ColSecure, ColDirectLink, ColPassword})
        QVERIFY(cell(column, Qt::DecorationRole).isNull());
    QCOMPARE(cell(ColSize, Qt::DisplayRole).toString(), QString());
    QCOMPARE(cell(ColSize, SortRole).toLongLong(), -1LL);
    QCOMPARE(cell(ColDownloads, SortRole).toUInt(), 0u);
    QCOMPARE(cell(ColLink, Qt::DisplayRole).toString(),
             QStringLiteral("https://www.example.test/folder/C555"));
}

void TestFileTable::linkAndDate_data() {
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QString>("created");
    QTest::addColumn<QString>("downloads");
    QTest::addColumn<bool>("hasLink");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<uint>("downloadsKey");
    const QString epoch =
        QDateTime::fromSecsSinceEpoch(0, Qt::LocalTime).toString(QStringLiteral("dd/MM/yyyy"));
    QTest::newRow("id 42: no link") << qint64(42) << "0"
                                    << "3" << false << epoch << 4u;
    QTest::newRow("id 99: no link") << qint64(99) << "0"
                                    << "0" << false << epoch << 1u;
    QTest::newRow("id 100: link") << qint64(100) << "0"
                                  << "0" << true << epoch << 1u;
    QTest::newRow("negative id: huge unsigned") << qint64(-5) << "0"
                                                << "0" << true << epoch << 1u;
    QTest::newRow("empty date") << qint64(500) << ""
                                << "abc" << true << "   -   " << 1u;
    QTest::newRow("blank date") << qint64(500) << "  "
                                << "" << true << "   -   " << 1u;
    QTest::newRow("date not a number") << qint64(500) << "soon"
                                       << "2" << true << epoch << 3u;
}

void TestFileTable::linkAndDate() {
    QFETCH(qint64, id);
    QFETCH(QString, created);
    QFETCH(QString, downloads);
    brisko::file f = record(0, "1", "a");
    f.set_id(std::to_string(id));
    f.set_created(created.toStdString());
    f.set_downloadcount(downloads.toStdString());
    const Row row = makeRow(f, kOptions);
    QTEST(!row.link.isEmpty(), "hasLink");
    QTEST(row.createdText, "dateText");
    QTEST(uint(row.downloadsKey), "downloadsKey");
    QCOMPARE(row.downloadsText, downloads);
    QCOMPARE(linkCodeOf(row.link), row.link.isEmpty() ? QString() : QStringLiteral("C0"));
}

void TestFileTable::datesFollowLocalTime_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("daylight saving") << QByteArray("Europe/Berlin");
    QTest::newRow("half-hour shift") << QByteArray("Australia/Lord_Howe");
    QTest::newRow("west of UTC") << QByteArray("America/St_Johns");
}

// The rows' dates, made with cached offsets, match Qt's own local time around the year's
// offset changes.
void TestFileTable::datesFollowLocalTime() {
    QFETCH(QByteArray, zone);
    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    std::vector<brisko::file> records;
    for (qint64 secs = 1710000000; secs < 1710000000 + 370LL * 86400; secs += 7 * 3600 + 13 * 60) {
        records.push_back(record(500, "1", "a"));
        records.back().set_created(std::to_string(secs));
    }
    const std::vector<Row> rows = makeRows(records, kOptions);
    for (size_t i = 0; i < rows.size(); ++i) {
        const qint64 at = std::stoll(records[i].get_created());
        QCOMPARE(rows[i].createdText,
                 QDateTime::fromSecsSinceEpoch(at, Qt::LocalTime).toString("dd/MM/yyyy"));
        QCOMPARE(rows[i].createdKey, at * 1000);
    }
    if (previous.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", previous);
    tzset();
}

void TestFileTable::folderKeys_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::newRow("top level") << "/"
                               << "Docs"
                               << "/Docs;K";
    QTest::newRow("nested") << "/Docs"
                            << "2016"
                            << "/Docs/2016;K";
    QTest::newRow("non-ASCII") << "/Tài liệu"
                               << "Phụ đề"
                               << "/Tài liệu/Phụ đề;K";
    QTest::newRow("semicolon in a name") << "/a;b"
                                         << "c;d"
                                         << "/a;b/c;d;K";
}

void TestFileTable::folderKeys() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    brisko::file f;
    f.set_path(path.toStdString());
    f.set_name(name.toStdString());
    f.set_linkcode("K");
    const QString key = folderkey::of(f);
    QTEST(key, "key");
    const folderkey::Parts parts = folderkey::split(key);
    QCOMPARE(parts.path + ";" + parts.linkCode, key);
    QCOMPARE(parts.linkCode, QStringLiteral("K"));
    QCOMPARE(folderkey::split(QStringLiteral(";")).path, QString());
    QCOMPARE(folderkey::split(QString()).linkCode, QString());
}

void TestFileTable::listingSplitsFolders() {
    QList<brisko::file*> records{new brisko::file(record(200, "1", "x")),
                                 new brisko::file(record(201, "0", "B")),
                                 new brisko::file(record(202, "0", "A"))};
    const FolderListingPtr listing = makeFolderListing(records, kOptions);
    QCOMPARE(listing->entries.size(), size_t(3));
    QCOMPARE(listing->rows.size(), size_t(3));
    QCOMPARE(listing->folders.size(), size_t(2));
    QCOMPARE(listing->folders[0].get_name(), std::string("B"));
    QCOMPARE(listing->folders[1].get_name(), std::string("A"));
}

void TestFileTable::sortsFoldersFirstBothWays() {
    Model model;
    std::vector<Row> rows;
    const char* const entries[][2] = {
        {"1", "apple"}, {"0", "zeta"}, {"1", "Banana"}, {"0", "Alpha"}, {"1", "banana"}};
    std::int64_t id = 300;
    for (const auto& e : entries)
        rows.push_back(makeRow(record(id++, e[0], e[1]), kOptions));
    model.setRows(std::move(rows));
    SortProxy proxy;
    proxy.setSourceModel(&model);
    auto names = [&] {
        QStringList out;
        for (int r = 0; r < proxy.rowCount(); ++r)
            out << proxy.index(r, ColName).data().toString();
        return out;
    };
    // Unsorted: the service's order.
    QCOMPARE(names(), (QStringList{"apple", "zeta", "Banana", "Alpha", "banana"}));
    proxy.sort(ColName, Qt::AscendingOrder);
    QCOMPARE(names(), (QStringList{"Alpha", "zeta", "apple", "Banana", "banana"}));
    proxy.sort(ColName, Qt::DescendingOrder);
    QCOMPARE(names().mid(0, 3), (QStringList{"Banana", "banana", "apple"}));
    QCOMPARE(names().mid(3), (QStringList{"zeta", "Alpha"}));
    proxy.sort(ColSize, Qt::AscendingOrder);
    QCOMPARE(names().mid(0, 2), (QStringList{"zeta", "Alpha"}));
    proxy.sort(ColDownloads, Qt::AscendingOrder);
    QCOMPARE(names().mid(0, 2), (QStringList{"zeta", "Alpha"}));
}

void TestFileTable::editsAndIcons() {
    Model model;
    model.setRows({makeRow(record(400, "1", "old"), kOptions)});
    SortProxy proxy;
    proxy.setSourceModel(&model);
    QSignalSpy changed(&proxy, &QAbstractItemModel::dataChanged);
    QVERIFY(proxy.setData(proxy.index(0, ColName), QStringLiteral("new")));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(proxy.index(0, ColName).data().toString(), QStringLiteral("new"));
    QVERIFY(proxy.setData(proxy.index(0, ColSecure), QStringLiteral(":/images/lock.png"),
                          Qt::DecorationRole));
    QCOMPARE(proxy.index(0, ColSecure).data(IconNameRole).toString(),
             QStringLiteral(":/images/lock.png"));
    QVERIFY(proxy.setData(proxy.index(0, ColSecure), 1, SortRole));
    QCOMPARE(proxy.index(0, ColSecure).data(SortRole).toInt(), 1);
    QVERIFY(!proxy.setData(proxy.index(0, ColSize), QStringLiteral("x")));
}

void TestFileTable::nameRefusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QString special = QStringLiteral("Tên tập tin không được chứa kí tự đặt biệt: ");
    QTest::newRow("101 characters") << QString(101, QChar(0x1EC7)) << "Độ dài tối đa là 100 kí tự";
    QTest::newRow("100 characters") << QString(100, 'a') << "";
    QTest::newRow("empty") << ""
                           << "Tên tập tin không được phép rỗng.";
    QTest::newRow("plain") << "Báo cáo (2024).pdf"
                           << "";
    QTest::newRow("# before @") << "a@b#c" << special + "#";
    QTest::newRow("em dash") << QStringLiteral("a\u2014b") << special + QChar(0x2014);
    const QString forbidden = QStringLiteral("\",?!'`\u2014#$%^&*|\\:/><~=+@");
    QCOMPARE(forbidden.size(), 23);
    for (const QChar c : forbidden)
        QTest::newRow(qPrintable("holds " + QString(c))) << "x" + QString(c) + "y" << special + c;
}

void TestFileTable::nameRefusals() {
    QFETCH(QString, name);
    QTEST(nameRefusalText(name), "text");
}

void TestFileTable::passwordHints_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("hint");
    const QString weak = "<font color=\"red\">Mức bảo mật yếu</font>";
    const QString simple = "<font color=\"red\">Mật khẩu đơn giản</font>";
    const QString medium = "<font color=\"#A56F09\">Mức bảo mật trung bình</font>";
    const QString high = "<font color=\"Green\">Mức bảo mật cao</font>";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one") << "a" << weak;
    QTest::newRow("five") << "abcde" << weak;
    QTest::newRow("listed") << "123456" << simple;
    QTest::newRow("listed, ten") << "0123456789" << simple;
    QTest::newRow("listed word") << "abc123" << simple;
    QTest::newRow("other case of a listed one") << "ABC123" << medium;
    QTest::newRow("1 to 9 then 0") << "1234567890" << medium;
    QTest::newRow("six Vietnamese letters") << QStringLiteral("ệệệệệệ") << medium;
    QTest::newRow("eleven") << "abcdefghijk" << high;
}

void TestFileTable::passwordHints() {
    QFETCH(QString, password);
    QTEST(passwordStrengthHint(password), "hint");
}

QTEST_MAIN(TestFileTable)
#include "test_filetable.moc"
