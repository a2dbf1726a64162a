// Link expansion, the background job that turns share links into file records, against
// the local stand-in with the file endpoints' replies scripted call by call.
#include "api/apiresult.h"
#include "api/userapi.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "platform/hostconfig.h"
#include "tests/joblog.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QtTest>

using devservice::Fault;

namespace {

const char kTotalPath[] = "/api/fileops/getTotalFileInFolder";
const char kPagePath[] = "/api/fileops/getFolderListPaging";
const char kGetPath[] = "/api/fileops/get";
const char kExpired[] = R"({"code":201,"msg":"Phiên làm việc đã hết hạn"})";

// Texts of the table name the stand-in's web host "HOST".
QString withHost(QString text) {
    return text.replace("HOST", QString::fromStdString(hosts::webHost()));
}
QStringList withHost(QStringList texts) {
    for (QString& text : texts)
        text = withHost(text);
    return texts;
}

std::string isSubFolder(int id, int folderEvery) {
    return folderEvery && id % folderEvery == 0 ? "0" : "1";
}

// A page of entries with ids from `firstId`; every id divisible by `folderEvery` is a
// sub-folder.
std::string page(int count, int firstId, int folderEvery = 0) {
    std::string out = "[";
    for (int id = firstId; id < firstId + count; ++id) {
        out += (id > firstId ? "," : "") + std::string("{\"id\":") + std::to_string(id) +
               ",\"linkcode\":\"L" + std::to_string(id) + "\",\"name\":\"n" + std::to_string(id) +
               "\",\"type\":\"" + isSubFolder(id, folderEvery) + "\"}";
    }
    return out + "]";
}

std::string total(int count) {
    return R"({"code":200,"msg":"OK","total":)" + std::to_string(count) + "}";
}

std::string record(const std::string& linkCode) {
    return R"({"code":200,"msg":"OK","id":7,"linkcode":")" + linkCode +
           R"(","name":"f","file_type":"1"})";
}

} // namespace

class TestLinkExpansion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void folderPages_data();
    void folderPages();
    void pieces_data();
    void pieces();
    void fileLink();
    void failuresReported();
    void emptyText();
    void expiredSessionReruns_data();
    void expiredSessionReruns();
    void secondExpiryListsEveryLinkLeft();

private:
    devservice::FaultScript& faults() { return fixture.service().faults(); }
    std::vector<devservice::Request> sent(const std::string& path) {
        return fixture.service().requests().forPath(path);
    }
    QStringList sentUrls(const std::string& path) {
        QStringList urls;
        for (const auto& request : sent(path))
            urls << QString::fromStdString(bodyOf(request)["url"].asString());
        return urls;
    }
    bool expand(const QString& links, JobLog& log) {
        auto* job = new ActionThread;
        log.attach(job);
        return log.runToEnd(job, [&](ActionThread* j) { j->getAllFile(links); });
    }
    QStringList filesOf(const JobLog& log) {
        const auto found = log.argsOf("getAllFileSuccess");
        return found.size() == 1 ? found.at(0).at(0).toStringList() : QStringList{"<none>"};
    }

    DevServiceFixture fixture;
};

void TestLinkExpansion::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    brisko::user_api api(&apiClient);
    QVERIFY(api.login(devservice::demo::kEmail, devservice::demo::kPassword));
    currentUser =
        new RuriDudi("1", devservice::demo::kEmail, "", devservice::demo::kPassword, 0, 1800.0);
}

void TestLinkExpansion::cleanup() {
    delete currentUser;
    currentUser = nullptr;
}

void TestLinkExpansion::folderPages_data() {
    QTest::addColumn<int>("totalCount");
    QTest::addColumn<QList<int>>("pageSizes");
    QTest::addColumn<int>("folderEvery");
    QTest::addColumn<QStringList>("progress");
    QTest::newRow("1200 entries") << 1200 << QList<int>{500, 500, 200} << 0
                                  << QStringList{"500/1200", "1000/1200", "1200/1200"};
    QTest::newRow("exactly 500") << 500 << QList<int>{500, 0} << 0
                                 << QStringList{"500/500", "500/500"};
    QTest::newRow("sub-folders left out") << 6 << QList<int>{6} << 3 << QStringList{"6/6"};
    // The total is the service's word only: the pages end at the first short one.
    QTest::newRow("a total of 2147483647, one short page")
        << 2147483647 << QList<int>{3} << 0 << QStringList{"3/2147483647"};
    QTest::newRow("a total past the entries, an empty page")
        << 5000 << QList<int>{500, 0} << 0 << QStringList{"500/5000", "500/5000"};
}

void TestLinkExpansion::folderPages() {
    QFETCH(int, totalCount);
    QFETCH(QList<int>, pageSizes);
    QFETCH(int, folderEvery);
    QFETCH(QStringList, progress);
    const QString link = withHost("https://www.HOST/folder/F1");
    faults().next(kTotalPath, Fault::status(200, total(totalCount)));
    QStringList expectedFiles;
    int nextId = 1;
    for (int size : pageSizes) {
        faults().next(kPagePath, Fault::status(200, page(size, nextId, folderEvery)));
        for (int id = nextId; id < nextId + size; ++id) {
            if (isSubFolder(id, folderEvery) == "1")
                expectedFiles << withHost("https://www.HOST/file/L") + QString::number(id);
        }
        nextId += size;
    }
    JobLog log;
    QVERIFY(expand(link, log));

    QCOMPARE(sentUrls(kTotalPath), QStringList{link});
    const auto pages = sent(kPagePath);
    QCOMPARE(pages.size(), size_t(pageSizes.size()));
    for (size_t i = 0; i < pages.size(); ++i) {
        const Json::Value body = bodyOf(pages[i]);
        QCOMPARE(body["page_index"].asInt(), int(i));
        QCOMPARE(body["page_size"].asInt(), 500);
        QCOMPARE(QString::fromStdString(body["url"].asString()), link);
    }
    QStringList reported;
    for (const QVariantList& args : log.argsOf("setProgressBar")) {
        const QString counts = args.at(0).toString() + '/' + args.at(1).toString();
        QCOMPARE(args.at(2).toString(), link + " (" + counts + ')');
        reported << counts;
    }
    QCOMPARE(reported, progress);
    QCOMPARE(log.signalNames(), QStringList{"getAllFileSuccess"});
    QCOMPARE(filesOf(log), expectedFiles);
}

void TestLinkExpansion::pieces_data() {
    QTest::addColumn<QString>("links");
    QTest::addColumn<QStringList>("lookups");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("semicolon and bar separate")
        << "HOST/file/a;http://HOST/file/b|https://www.HOST/file/c"
        << QStringList{"https://HOST/file/a", "http://HOST/file/b", "https://www.HOST/file/c"}
        << QStringList{};
    QTest::newRow("a line break does not")
        << "HOST/file/a\nHOST/file/b" << QStringList{"https://HOST/file/a\nHOST/file/b"}
        << QStringList{};
    QTest::newRow("http anywhere keeps the text")
        << "see:http://HOST/file/a" << QStringList{"see:http://HOST/file/a"} << QStringList{};
    QTest::newRow("blanks trimmed for the request")
        << " https://HOST/file/a \t;" << QStringList{"https://HOST/file/a"} << QStringList{};
    QTest::newRow("backslash folder")
        << "HOST\\folder\\f" << QStringList{} << QStringList{"https://HOST\\folder\\f"};
    QTest::newRow("only separators") << ";;|" << QStringList{} << QStringList{};
}

void TestLinkExpansion::pieces() {
    QFETCH(QString, links);
    QFETCH(QStringList, lookups);
    QFETCH(QStringList, folders);
    JobLog log;
    QVERIFY(expand(withHost(links), log));
    QCOMPARE(sentUrls(kGetPath), withHost(lookups));
    QCOMPARE(sentUrls(kTotalPath), withHost(folders));
    QCOMPARE(log.argsOf("getAllFileSuccess").size(), 1);
}

void TestLinkExpansion::fileLink() {
    faults().next(kGetPath, Fault::status(200, record("a")));
    JobLog log;
    QVERIFY(expand(withHost("HOST/file/a"), log));
    // The record keeps the link it was asked by, with the scheme put in front.
    const QString link = withHost("https://HOST/file/a");
    QCOMPARE(log.signalNames(true), (QStringList{"setProgressBar", "getAllFileSuccess"}));
    QCOMPARE(log.entries.first().args, (QVariantList{1, 1, link}));
    QCOMPARE(filesOf(log), QStringList{link});
}

void TestLinkExpansion::failuresReported() {
    faults().next(kTotalPath, Fault::status(200, total(0)));
    faults().next(kGetPath, Fault::status(200, R"({"code":404,"msg":"Không tìm thấy tập tin"})"));
    faults().next(kTotalPath, Fault::status(200, total(1600)));
    faults().next(kPagePath, Fault::status(200, page(500, 1)));
    faults().next(kPagePath, Fault::status(200, R"({"code":500,"msg":"Lỗi máy chủ"})"));
    faults().next(kGetPath, Fault::status(200, R"({"code":404,"msg":"<không có>"})"));
    faults().next(kGetPath, Fault::status(200, record("ok")));
    JobLog log;
    QVERIFY(expand(withHost("HOST/folder/empty; HOST/file/gone|HOST/folder/half;"
                            "HOST/file/a<i>b;HOST/file/ok"),
                   log));

    // The dialog closes on the report, so the files must follow it, not precede it.
    QCOMPARE(log.signalNames(), (QStringList{"getAllFileError", "getAllFileSuccess"}));
    const QVariantList report = log.argsOf("getAllFileError").at(0);
    QCOMPARE(report.at(0).toString(), withHost("Vui lòng kiểm tra lại đường dẫn HOST"));
    QCOMPARE(report.at(1).toString(),
             withHost("<b>(ERROR tập tin rỗng:)</b> HOST/folder/empty<br>"
                      "<b>(ERROR Không tìm thấy tập tin:)</b> HOST/file/gone<br>"
                      "<b>(ERROR Lỗi máy chủ:)</b> HOST/folder/half<br>"
                      "<b>(ERROR &lt;không có&gt;:)</b> HOST/file/a&lt;i&gt;b<br>"));
    // A failed page ends its folder: the pages after it are not asked for.
    QCOMPARE(sent(kPagePath).size(), size_t(2));
    const QStringList files = filesOf(log);
    QCOMPARE(files.size(), 501);
    QCOMPARE(files.last(), withHost("https://HOST/file/ok"));
}

void TestLinkExpansion::emptyText() {
    JobLog log;
    QVERIFY(expand(QString(), log));
    QCOMPARE(log.signalNames(true), QStringList{"getAllFileSuccess"});
    QCOMPARE(filesOf(log), QStringList{});
    QCOMPARE(sent(kGetPath).size() + sent(kTotalPath).size(), size_t(0));
}

void TestLinkExpansion::expiredSessionReruns_data() {
    QTest::addColumn<QString>("links");
    QTest::addColumn<QStringList>("script"); // "get|reply", "total|reply", "page|reply"
    QTest::addColumn<int>("files");
    QTest::newRow("lookup expired after a file was found")
        << "HOST/file/a;HOST/file/b"
        << QStringList{"get|" + QString::fromStdString(record("a")), QString("get|") + kExpired,
                       "get|" + QString::fromStdString(record("a")),
                       "get|" + QString::fromStdString(record("b"))}
        << 2;
    QTest::newRow("total expired")
        << "HOST/folder/f"
        << QStringList{QString("total|") + kExpired, "total|" + QString::fromStdString(total(1)),
                       "page|" + QString::fromStdString(page(1, 1))}
        << 1;
    QTest::newRow("second page expired")
        << "HOST/folder/f"
        << QStringList{"total|" + QString::fromStdString(total(600)),
                       "page|" + QString::fromStdString(page(500, 1)),
                       QString("page|") + kExpired,
                       "total|" + QString::fromStdString(total(600)),
                       "page|" + QString::fromStdString(page(500, 1)),
                       "page|" + QString::fromStdString(page(100, 501))}
        << 600;
}

void TestLinkExpansion::expiredSessionReruns() {
    QFETCH(QString, links);
    QFETCH(QStringList, script);
    QFETCH(int, files);
    const std::map<QString, std::string> paths{
        {"get", kGetPath}, {"total", kTotalPath}, {"page", kPagePath}};
    for (const QString& step : script) {
        const int bar = step.indexOf('|');
        faults().next(paths.at(step.left(bar)),
                      Fault::status(200, step.mid(bar + 1).toStdString()));
    }
    const size_t loginsBefore = sent("/api/user/login").size();
    JobLog log;
    QVERIFY(expand(withHost(links), log));

    QCOMPARE(sent("/api/user/login").size(), loginsBefore + 1);
    // Only the second pass reports: nothing of the abandoned one is handed over.
    QCOMPARE(log.signalNames(), QStringList{"getAllFileSuccess"});
    const QStringList found = filesOf(log);
    QCOMPARE(found.size(), files);
    QCOMPARE(QSet<QString>(found.begin(), found.end()).size(), files);
}

void TestLinkExpansion::secondExpiryListsEveryLinkLeft() {
    // One re-login only: the second pass stops at the expired link, and that link and
    // every one after it are reported, none silently dropped.
    for (int pass = 0; pass < 2; ++pass) {
        faults().next(kGetPath, Fault::status(200, record("a")));
        faults().next(kGetPath, Fault::status(200, kExpired));
    }
    JobLog log;
    QVERIFY(expand(withHost("HOST/file/a;HOST/file/b|HOST/folder/c; HOST/file/d"), log));

    QCOMPARE(log.signalNames(), (QStringList{"getAllFileError", "getAllFileSuccess"}));
    const QString reason = "<b>(ERROR 201 - Phiên làm việc đã hết hạn:)</b> ";
    QCOMPARE(log.argsOf("getAllFileError").at(0).at(1).toString(),
             withHost(reason + "HOST/file/b<br>" + reason + "HOST/folder/c<br>" + reason +
                      "HOST/file/d<br>"));
    QCOMPARE(filesOf(log), QStringList{withHost("https://HOST/file/a")});
    QCOMPARE(sent(kTotalPath).size(), size_t(0));
}

QTEST_GUILESS_MAIN(TestLinkExpansion)
#include "test_linkexpansion.moc"
