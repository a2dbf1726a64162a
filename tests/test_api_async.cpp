// The asynchronous request path: requests queued together finish on the transport's
// worker, and every reply reaches the reader of its own request.
#include "api/appkey.h"
#include "api/client.h"
#include "api/fileapi.h"
#include "api/httputil.h"
#include "api/sessionapi.h"
#include "api/userapi.h"
#include "tests/cancelmoments.h"
#include "tests/support/devservicefixture.h"
#include "tools/devservice/demoaccount.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <set>

using devservice::Fault;

namespace {

// What the callbacks heard; they run on the transport's worker thread.
struct Heard {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::pair<int, std::string>> calls; // code, what the result said

    void add(int code, std::string what) {
        std::lock_guard<std::mutex> lock(mutex);
        calls.emplace_back(code, std::move(what));
        arrived.notify_all();
    }
    bool waitFor(size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return arrived.wait_for(lock, std::chrono::seconds(20),
                                [&] { return calls.size() >= count; });
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex);
        calls.clear();
    }
};
Heard heard;

void onCode(int code, void*) { heard.add(code, std::string()); }

void onAccount(int code, void* data) {
    heard.add(code, data ? static_cast<brisko::user*>(data)->get_email() : std::string());
}

// Says which folder the entries came from ("P3:3" = three entries of folder 3).
void onFiles(int code, void* data) {
    auto* files = static_cast<std::vector<brisko::file*>*>(data);
    std::string what;
    for (brisko::file* f : *files) {
        const std::string tag = f->get_linkcode().substr(0, f->get_linkcode().find('-'));
        if (what.empty())
            what = tag;
        else if (what != tag)
            what = "mixed";
        delete f;
    }
    heard.add(code, what + ":" + std::to_string(files->size()));
}

void onLinks(int code, void* data) {
    const auto* links = static_cast<std::vector<std::string>*>(data);
    std::string joined;
    for (const std::string& link : *links)
        joined += link + ";";
    heard.add(code, joined);
}

void onLocation(int code, void* data) {
    heard.add(code, data ? *static_cast<std::string*>(data) : std::string());
}

std::string folderReply(int folder) {
    std::string out = "[";
    for (int j = 0; j < folder; ++j)
        out += (j ? "," : "") + std::string(R"({"id":)") + std::to_string(j + 1) +
               R"(,"linkcode":"P)" + std::to_string(folder) + "-" + std::to_string(j) + "\"}";
    return out + "]";
}

} // namespace

class TestApiAsync : public QObject {
    Q_OBJECT
private slots:
    void init();
    void loginGetLogout();
    void manyInFlightReachTheirOwnReaders();
    void failuresReachTheReader_data();
    void failuresReachTheReader();
    void shareLinkRepliesOfEitherShape();
    void cancelEndsAWaitingCallAtOnce_data();
    void cancelEndsAWaitingCallAtOnce();

private:
    DevServiceFixture fixture;
    std::unique_ptr<brisko::client> client;
};

void TestApiAsync::init() {
    QVERIFY2(fixture.start(), qPrintable(fixture.error()));
    client = std::make_unique<brisko::client>(brisko::application_key());
    heard.clear();
}

void TestApiAsync::loginGetLogout() {
    const auto before = client->get_session();
    brisko::user_api api(client.get());
    api.loginAsync(devservice::demo::kEmail, devservice::demo::kPassword, &onCode);
    QVERIFY(heard.waitFor(1));
    QCOMPARE(heard.calls[0].first, 0);
    QVERIFY(client->get_session() != before);

    api.getAsync(&onAccount);
    QVERIFY(heard.waitFor(2));
    QCOMPARE(heard.calls[1], std::make_pair(0, std::string(devservice::demo::kEmail)));
    QCOMPARE(client->get_session()->get_user()->get_email(),
             std::string(devservice::demo::kEmail));

    api.logoutAsync(&onCode);
    QVERIFY(heard.waitFor(3));
    QCOMPARE(heard.calls[2].first, 0);
    api.getAsync(&onAccount); // the session has ended
    QVERIFY(heard.waitFor(4));
    QCOMPARE(heard.calls[3].first, 201);
}

void TestApiAsync::manyInFlightReachTheirOwnReaders() {
    brisko::user_api login(client.get());
    QVERIFY(login.login(devservice::demo::kEmail, devservice::demo::kPassword));
    const int folders = 12;
    for (int i = 0; i < folders; ++i) {
        Fault slow = Fault::status(200, folderReply(i));
        slow.delay = std::chrono::milliseconds(20 * (folders - i)); // finish out of order
        fixture.service().faults().next("/api/fileops/list/f" + std::to_string(i), slow);
    }
    fixture.service().faults().next("/api/session/download",
                                    Fault::status(200, R"({"location":"https://x/dl"})"));

    brisko::file_api files(client.get());
    for (int i = 0; i < folders; ++i)
        files.listAsync(0, "/f" + std::to_string(i), 0, &onFiles);
    brisko::sessionapi session(client.get());
    session.downloadAsync("https://www.localhost/file/A", &onLocation);
    QVERIFY(heard.waitFor(folders + 1));

    std::set<std::string> expected{"0:https://x/dl"};
    for (int i = 0; i < folders; ++i)
        expected.insert(i ? "0:P" + std::to_string(i) + ":" + std::to_string(i) : "0::0");
    std::set<std::string> got;
    for (const auto& call : heard.calls)
        got.insert(std::to_string(call.first) + ":" + call.second);
    QCOMPARE(got, expected);
    // Listing queries carry no limit: one page per asynchronous call.
    QCOMPARE(fixture.service().requests().forPath("/api/fileops/list/f3").front().query(),
             std::string("pageIndex=0&dirOnly=0"));
}

void TestApiAsync::failuresReachTheReader_data() {
    QTest::addColumn<int>("kind"); // 0: cut, 1: HTML 200, 2: 404, 3: code 201
    QTest::addColumn<int>("code");
    QTest::newRow("no reply") << 0 << 600;
    QTest::newRow("not json") << 1 << 99;
    QTest::newRow("404") << 2 << 404;
    QTest::newRow("expired") << 3 << 201;
}

void TestApiAsync::failuresReachTheReader() {
    QFETCH(int, kind);
    QFETCH(int, code);
    const Fault faults[] = {Fault::cutBeforeReply(), Fault::status(200, "<html/>", "text/html"),
                            Fault::status(404, "", "text/plain"),
                            Fault::status(200, R"({"code":201,"msg":"x"})")};
    fixture.service().faults().next("/api/fileops/delete", faults[kind]);
    fixture.service().faults().next("/api/fileops/list/home", faults[kind]);
    brisko::file_api files(client.get());
    files.deleteItemsAsync({"A"}, &onCode);
    QVERIFY(heard.waitFor(1));
    QCOMPARE(heard.calls[0].first, code);
    files.listAsync(0, "", 0, &onFiles);
    QVERIFY(heard.waitFor(2));
    // The listing reader reads no "code": an object where a list belongs is not a list.
    QCOMPARE(heard.calls[1].first, kind == 3 ? 99 : code);
}

void TestApiAsync::shareLinkRepliesOfEitherShape() {
    const std::string path = "/api/share/createsharelink";
    fixture.service().faults().next(path, Fault::status(200, R"(["https://a","https://b","",)"
                                                             R"("https://c"])"));
    fixture.service().faults().next(path, Fault::status(200, R"({"code":200,"msg":"ok"})"));
    fixture.service().faults().next(path, Fault::status(200, R"({"code":201,"msg":"x"})"));
    brisko::file_api files(client.get());
    for (int i = 0; i < 3; ++i) {
        files.createShareLinkAsync({"A"}, {"x@y.z"}, "hi", &onLinks);
        QVERIFY(heard.waitFor(i + 1)); // one at a time, so the answers keep their order
    }
    QCOMPARE(heard.calls[0], std::make_pair(0, std::string("https://a;https://b;")));
    QCOMPARE(heard.calls[1], std::make_pair(0, std::string()));
    QCOMPARE(heard.calls[2].first, 201);
}

void TestApiAsync::cancelEndsAWaitingCallAtOnce_data() {
    addCancelMoments();
}

// The worker's wait for a held reply is woken by the cancel: the call ends at once, as a
// call without a reply.
void TestApiAsync::cancelEndsAWaitingCallAtOnce() {
    QFETCH(int, heldMs);
    const auto allow = qScopeGuard([] { utils::http_util::allow_calls(); });
    fixture.service().faults().next("/api/fileops/delete", Fault::wait(std::chrono::seconds(20)));
    brisko::file_api files(client.get());
    files.deleteItemsAsync({"A"}, &onCode);
    QTRY_COMPARE(fixture.service().requests().forPath("/api/fileops/delete").size(), size_t(1));
    QTest::qWait(heldMs);

    QElapsedTimer clock;
    clock.start();
    utils::http_util::cancel_calls();
    QVERIFY(heard.waitFor(1));
    qInfo("ended %lld ms after the cancel", clock.elapsed());
    QVERIFY(clock.elapsed() < 300);
    QCOMPARE(heard.calls[0].first, 600);
}

QTEST_GUILESS_MAIN(TestApiAsync)
#include "test_api_async.moc"
