// The stand-in's upload locations, spoken to directly: offsets, chunks streamed to disk,
// the link of a finished file, refusals, and cuts that keep what arrived.
#include "api/apiresult.h"
#include "api/curlhandle.h"
#include "tests/support/devservicefixture.h"
#include "tests/support/locationfetch.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/filecontent.h"
#include "tools/devservice/uploadendpoints.h"
#include "tools/devservice/urltext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using devservice::UploadStore;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(UploadStore::LinkReply)

namespace {

struct Posted {
    CURLcode result = CURLE_OK;
    long status = 0;
    Json::Value reply;
};

size_t collect(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

// One chunk as the program sends it; `range` goes into the Content-Range line as is.
// With `expectContinue` the body waits for the server's go-ahead.
Posted post(const std::string& url, const std::string& range, const std::string& body,
            bool expectContinue = false) {
    Posted out;
    std::string text;
    CURL* handle = utils::create_curl_handle();
    curl_slist* headers =
        curl_slist_append(nullptr, expectContinue ? "Expect: 100-continue" : "Expect:");
    headers = curl_slist_append(headers, ("Content-Range: " + range).c_str());
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &text);
    out.result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &out.status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(handle);
    brisko::json::parse(text, out.reply);
    return out;
}

std::string range(std::uint64_t first, std::int64_t last, std::uint64_t size) {
    return "bytes " + std::to_string(first) + "-" + std::to_string(last) + "/" +
           std::to_string(size);
}

std::string readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

} // namespace

class TestDevServiceUpload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void finishedFileJoinsFolder_data();
    void finishedFileJoinsFolder();
    void refusals_data();
    void refusals();
    void invalidLocation();
    void cutKeepsWhatArrived();
    void streamedBodiesPassTheBodyLimit();
    void locationsKeptInDataFolder();

private:
    devservice::Service& service() { return fixture.service(); }
    // A location for a file of `size` bytes in the demo account's folder `folder`.
    std::string location(std::uint64_t size, const std::string& name = "a.bin",
                         const std::string& folder = "/Music", int secured = 0) {
        devservice::UploadSlot slot{accountId, name, size,
                                    service().files().findByPath(accountId, folder)->linkcode,
                                    secured};
        token = service().uploads().issue(slot);
        return "https://127.0.0.1:" + std::to_string(fixture.port()) + "/up/" + token;
    }

    // The location of `issued` on the running instance.
    std::string at(const std::string& issued) {
        return "https://127.0.0.1:" + std::to_string(fixture.port()) + "/up/" + issued;
    }

    DevServiceFixture fixture;
    std::string accountId;
    std::string token;
};

void TestDevServiceUpload::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    accountId = service().accounts().findByLogin(devservice::demo::kEmail)->id;
}

void TestDevServiceUpload::finishedFileJoinsFolder_data() {
    QTest::addColumn<UploadStore::LinkReply>("linkReply");
    QTest::newRow("link with the last chunk") << UploadStore::LinkReply::CompletingChunk;
    QTest::newRow("link with the final request") << UploadStore::LinkReply::FinalRequest;
}

void TestDevServiceUpload::finishedFileJoinsFolder() {
    QFETCH(UploadStore::LinkReply, linkReply);
    service().uploadStore().setLinkReply(linkReply);
    const std::uint64_t size = 250000;
    const std::string bytes = devservice::generateContent(99, 0, size);
    // The name is taken in the folder already.
    const std::string url = location(size, "Trịnh Công Sơn - Diễm xưa.mp3", "/Music", 1);
    const auto usedBefore = std::stoull(
        service().accounts().get(accountId)->profile["webspace_secure_used"].asString());

    QCOMPARE(fetch(url).body, std::string(R"({"offset":0})"));
    Posted first = post(url, range(0, 99999, size), bytes.substr(0, 100000));
    QCOMPARE(first.reply["offset"].asUInt64(), 100000u);
    QCOMPARE(fetch(url).body, std::string(R"({"offset":100000})"));

    Posted last = post(url, range(100000, size - 1, size), bytes.substr(100000));
    std::string link = last.reply["url"].asString();
    if (linkReply == UploadStore::LinkReply::FinalRequest) {
        QVERIFY(link.empty());
        QCOMPARE(last.reply["offset"].asUInt64(), size);
        QCOMPARE(fetch(url).body, std::string(R"({"offset":250000})"));
        link = post(url, range(size, size - 1, size), "").reply["url"].asString();
    }
    // The empty final request hears the link in either case.
    QCOMPARE(post(url, range(size, size - 1, size), "").reply["url"].asString(), link);

    const auto share = devservice::parseShareLink(link);
    QVERIFY(share && !share->folder);
    const auto entry = service().files().find(share->code);
    QVERIFY(entry);
    QCOMPARE(service().files().pathOf(share->code),
             std::string("/Music/Trịnh Công Sơn - Diễm xưa (1).mp3"));
    QCOMPARE(entry->size, size);
    QVERIFY(entry->secure);
    QVERIFY(readFile(entry->contentFile) == bytes);
    QVERIFY(QFile::exists(QString::fromStdString(service().uploadStore().folder())));
    const auto usedAfter = std::stoull(
        service().accounts().get(accountId)->profile["webspace_secure_used"].asString());
    QCOMPARE(usedAfter, usedBefore + size);
}

void TestDevServiceUpload::refusals_data() {
    QTest::addColumn<std::string>("contentRange");
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<long>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("size of another file")
        << range(0, 9, 999) << 10 << 200L << "FILE_SIZE_MISS_MATCH";
    QTest::newRow("gap before the chunk")
        << range(10, 19, 1000) << 10 << 200L << "OFFSET_MISS_MATCH";
    QTest::newRow("body shorter than range")
        << range(0, 9, 1000) << 5 << 400L << "BAD_CONTENT_RANGE";
    QTest::newRow("past the end") << range(0, 1000, 1000) << 1001 << 400L << "BAD_CONTENT_RANGE";
    QTest::newRow("no unit") << std::string("0-9/1000") << 10 << 400L << "BAD_CONTENT_RANGE";
}

void TestDevServiceUpload::refusals() {
    QFETCH(std::string, contentRange);
    QFETCH(int, bodySize);
    QFETCH(long, status);
    QFETCH(QString, error);
    const std::string url = location(1000);
    const Posted refused = post(url, contentRange, std::string(bodySize, 'x'));
    QCOMPARE(refused.result, CURLE_OK);
    QCOMPARE(refused.status, status);
    QCOMPARE(QString::fromStdString(refused.reply["error"].asString()), error);
    QCOMPARE(service().uploadStore().progress(token).received, 0u);
    if (error == "OFFSET_MISS_MATCH")
        QCOMPARE(refused.reply["offset"].asUInt64(), 0u);
}

void TestDevServiceUpload::invalidLocation() {
    const std::string url = location(1000);
    const std::string unknown = url.substr(0, url.rfind('/') + 1) + "0123456789abcdef";
    service().uploadStore().invalidate(token);
    for (const std::string& where : {url, unknown}) {
        QVERIFY(fetch(where).body.find("INVALID_UPLOAD_SESSION") != std::string::npos);
        QCOMPARE(post(where, range(0, 9, 1000), "0123456789").reply["error"].asString(),
                 std::string("INVALID_UPLOAD_SESSION"));
    }
}

void TestDevServiceUpload::cutKeepsWhatArrived() {
    const std::string bytes = devservice::generateContent(5, 0, 10000);
    const std::string url = location(bytes.size());
    service().uploadStore().cutNextChunkAfter(4000);
    const Posted cut = post(url, range(0, 9999, bytes.size()), bytes);
    QVERIFY(cut.result != CURLE_OK);
    QCOMPARE(fetch(url).body, std::string(R"({"offset":4000})"));
    QVERIFY(readFile(service().uploadStore().partPath(token)) == bytes.substr(0, 4000));

    // The rest completes the file from there.
    const Posted rest = post(url, range(4000, 9999, bytes.size()), bytes.substr(4000));
    QVERIFY(!rest.reply["url"].asString().empty());
}

void TestDevServiceUpload::streamedBodiesPassTheBodyLimit() {
    devservice::ServiceOptions options = DevServiceFixture::defaultOptions();
    options.limits.maxBodyBytes = 64 * 1024;
    QVERIFY2(fixture.start(options), qPrintable(fixture.error()));
    accountId = service().accounts().findByLogin(devservice::demo::kEmail)->id;
    const std::string big(200000, 'b');
    const Posted chunk =
        post(location(big.size() + 1), range(0, big.size() - 1, big.size() + 1), big);
    QCOMPARE(chunk.reply["offset"].asUInt64(), big.size());
    // Other routes still hold their bodies in memory, within the limit.
    const Posted login = post(
        "https://127.0.0.1:" + std::to_string(fixture.port()) + "/api/user/login", "x", big, true);
    QCOMPARE(login.status, 413L);
}

void TestDevServiceUpload::locationsKeptInDataFolder() {
    // Started again on its data folder, the stand-in still knows its upload locations and
    // what each holds, as the service does after a restart.
    QTemporaryDir data;
    auto options = DevServiceFixture::defaultOptions();
    options.dataFolder = QFile::encodeName(data.path()).toStdString();
    QVERIFY2(fixture.start(options), qPrintable(fixture.error()));
    const std::string bytes = devservice::generateContent(8, 0, 10000);
    location(bytes.size(), "half.bin");
    const std::string half = token;
    service().uploadStore().cutNextChunkAfter(4000);
    QVERIFY(post(at(half), range(0, 9999, 10000), bytes).result != CURLE_OK);
    location(500, "done.bin");
    const std::string done = token;
    const std::string link =
        post(at(done), range(0, 499, 500), bytes.substr(0, 500)).reply["url"].asString();
    QVERIFY(!link.empty());

    QVERIFY2(fixture.start(options), qPrintable(fixture.error())); // a new instance
    QCOMPARE(fetch(at(half)).body, std::string(R"({"offset":4000})"));
    const std::string rest =
        post(at(half), range(4000, 9999, 10000), bytes.substr(4000)).reply["url"].asString();
    const auto share = devservice::parseShareLink(rest);
    QVERIFY(share);
    QVERIFY(readFile(service().files().find(share->code)->contentFile) == bytes);
    QCOMPARE(fetch(at(done)).body, std::string(R"({"offset":500})"));
    QCOMPARE(post(at(done), range(500, 499, 500), "").reply["url"].asString(), link);
    QVERIFY(fetch(at("0123456789abcdef")).body.find("INVALID_UPLOAD_SESSION") != std::string::npos);
}

QTEST_GUILESS_MAIN(TestDevServiceUpload)
#include "test_devservice_upload.moc"
