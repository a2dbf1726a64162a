#include "core/timesource.h"
#include "media/rssfilestemp.h"
#include "tests/shortwaits.h"
#include "tests/support/stalledserver.h"
#include "tests/support/tricklingbody.h"
#include "tools/devservice/mediasite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>

class TestRssFilesTemp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void signalChosenByFileName_data();
    void signalChosenByFileName();
    void addressIsSentEncoded();
    void errorPageIsStoredAndSignalled();
    void earlierFileIsReplaced();
    void failuresSignalFailure_data();
    void failuresSignalFailure();
    void secondFetchWhileRunningIsDropped();
    void destroyingOwnerMidFetchIsSafe();
    void answersOverTheLimitFail_data();
    void answersOverTheLimitFail();
    void slowAnswersMeetTheDeadline_data();
    void slowAnswersMeetTheDeadline();
    void cancelAllStopsStalledFetches();

private:
    QString url(const QString& target) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(site.port()).arg(target);
    }

    devservice::MediaSite site;
};

// Passes a fetcher's signal on, on the thread it lives in.
class SignalRelay : public QObject {
    Q_OBJECT
signals:
    void relayed(QString path);
};

namespace {

const char* const kSignals[] = {"readyParseRssCategoryXml",
                                "readyParseRssListFilmsXml",
                                "readyLoadPresentImage",
                                "autoDownload_readyParseRssListFilmsXml",
                                "readyReadSearchSubtitle",
                                "readyReadListSubtitle",
                                "readyDownloadSubtitle",
                                "readyReadSubFile",
                                "fetchFailed"};

// Spies on every signal of a fetcher, by name. The fetcher emits on its own thread, so
// each signal reaches its spy through a relay on the test's thread (a queued connection):
// a spy records on the thread that emits.
struct AllSignals {
    explicit AllSignals(RssFilesTemp& fetcher) {
        for (const char* name : kSignals) {
            const int index = fetcher.metaObject()->indexOfSignal(
                QMetaObject::normalizedSignature(QByteArray(name) + "(QString)"));
            relays.push_back(std::make_unique<SignalRelay>());
            SignalRelay* relay = relays.back().get();
            QObject::connect(&fetcher, fetcher.metaObject()->method(index), relay,
                             QMetaMethod::fromSignal(&SignalRelay::relayed), Qt::QueuedConnection);
            spies.emplace_back(name, std::make_unique<QSignalSpy>(relay, &SignalRelay::relayed));
        }
    }
    // Waits for the first signal; its name, or empty after a generous time.
    QString wait() {
        for (int i = 0; i < 300; ++i) {
            for (auto& [name, spy] : spies) {
                if (!spy->isEmpty())
                    return QString::fromLatin1(name);
            }
            QTest::qWait(50);
        }
        return QString();
    }
    // Once the fetcher has ended: every signal it emitted has been posted.
    int total() const {
        QCoreApplication::sendPostedEvents();
        int count = 0;
        for (auto& entry : spies)
            count += entry.second->count();
        return count;
    }
    QString path(const QString& name) const {
        for (auto& [n, spy] : spies) {
            if (name == QLatin1String(n) && !spy->isEmpty())
                return spy->first().first().toString();
        }
        return QString();
    }
    std::vector<std::unique_ptr<SignalRelay>> relays;
    std::vector<std::pair<const char*, std::unique_ptr<QSignalSpy>>> spies;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A body of `size` bytes, with its length announced or ending where the connection does.
devservice::Response bytes(qint64 size, bool announced) {
    devservice::Response response;
    response.streamLength = std::uint64_t(size);
    response.closeDelimited = !announced;
    response.producer = [size](const devservice::BodySink& sink) {
        const std::string block(64 * 1024, 'x');
        for (qint64 left = size; left > 0; left -= qint64(block.size())) {
            if (!sink(block.data(), std::size_t(std::min<qint64>(left, qint64(block.size())))))
                return;
        }
    };
    return response;
}

} // namespace

void TestRssFilesTemp::initTestCase() {
    std::string error;
    QVERIFY2(site.start("127.0.0.1", 0, &error), error.c_str());
    site.setPage("/page", "<html>page</html>");
    site.setPage("/slow", tricklingBody(100000));
}

void TestRssFilesTemp::signalChosenByFileName_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("signal");
    QTest::newRow("category") << "rssCategoryTemp.xml"
                              << "readyParseRssCategoryXml";
    QTest::newRow("films of a category") << "rssListFilmsTemp.xml"
                                         << "readyParseRssListFilmsXml";
    QTest::newRow("search") << "rssSearchTemp.xml"
                            << "readyParseRssListFilmsXml";
    QTest::newRow("search in capitals") << "RSSSEARCHTEMP.XML"
                                        << "readyLoadPresentImage";
    QTest::newRow("title page") << "searchSub.html"
                                << "readyReadSearchSubtitle";
    QTest::newRow("list page") << "listSub.html"
                               << "readyReadListSubtitle";
    QTest::newRow("subtitle page") << "fileLinkSub.html"
                                   << "readyDownloadSubtitle";
    QTest::newRow("archive") << "tmpSubtitile.zip"
                             << "readyReadSubFile";
    QTest::newRow("auto-download feed") << "autoDownload_phim-le.xml"
                                        << "autoDownload_readyParseRssListFilmsXml";
    QTest::newRow("auto-download, .xml inside") << "autoDownload_a.xml.part"
                                                << "autoDownload_readyParseRssListFilmsXml";
    QTest::newRow("auto-download poster") << "autoDownload_a.png"
                                          << "readyLoadPresentImage";
    QTest::newRow("poster") << "poster_12.jpg"
                            << "readyLoadPresentImage";
}

void TestRssFilesTemp::signalChosenByFileName() {
    QFETCH(QString, fileName);
    QFETCH(QString, signal);
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(fileName, url("/page"));
    QCOMPARE(spies.wait(), signal);
    QTRY_VERIFY(fetcher.isFinished());
    QCOMPARE(spies.total(), 1);
    const QString path = spies.path(signal);
    QCOMPARE(path, RssFilesTemp::resultPath(fileName));
    QVERIFY(path.endsWith(QLatin1Char('/') + fileName));
    QCOMPARE(readAll(path), QByteArray("<html>page</html>"));
}

void TestRssFilesTemp::addressIsSentEncoded() {
    site.requests().clear();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(QStringLiteral("searchSub.html"),
                  url(QStringLiteral("/subtitles/title?q=Phim hay Việt&l=vn#part")));
    QCOMPARE(spies.wait(), QStringLiteral("readyReadSearchSubtitle"));
    const auto requests = site.requests().all();
    QCOMPARE(requests.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(requests.front().target),
             QStringLiteral("/subtitles/title?q=Phim%20hay%20Vi%E1%BB%87t&l=vn"));
}

void TestRssFilesTemp::errorPageIsStoredAndSignalled() {
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(QStringLiteral("listSub.html"), url("/nowhere"));
    QCOMPARE(spies.wait(), QStringLiteral("readyReadListSubtitle"));
    QVERIFY(readAll(spies.path("readyReadListSubtitle")).contains("404 Not Found"));
}

void TestRssFilesTemp::earlierFileIsReplaced() {
    const QString path = RssFilesTemp::resultPath(QStringLiteral("poster_old.png"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'o'));
    old.close();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(QStringLiteral("poster_old.png"), url("/page"));
    QCOMPARE(spies.wait(), QStringLiteral("readyLoadPresentImage"));
    QCOMPARE(readAll(path), QByteArray("<html>page</html>"));
}

void TestRssFilesTemp::failuresSignalFailure_data() {
    QTest::addColumn<QString>("address");
    // A port nobody listens on: the site's own port once a second site has given it up.
    devservice::MediaSite closed;
    closed.start();
    const quint16 refused = closed.port();
    closed.stop();
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:%1/page").arg(refused);
    QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1:%1/page").arg(site.port());
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd");
    QTest::newRow("no scheme") << QStringLiteral("127.0.0.1/page");
}

void TestRssFilesTemp::failuresSignalFailure() {
    QFETCH(QString, address);
    site.requests().clear();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(QStringLiteral("listSub.html"), address);
    QCOMPARE(spies.wait(), QStringLiteral("fetchFailed"));
    QTRY_VERIFY(fetcher.isFinished());
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spies.path("fetchFailed"), RssFilesTemp::resultPath(QStringLiteral("listSub.html")));
    QCOMPARE(site.requests().size(), std::size_t(0));
}

void TestRssFilesTemp::secondFetchWhileRunningIsDropped() {
    site.requests().clear();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(QStringLiteral("listSub.html"), url("/slow"));
    QTRY_COMPARE(site.requests().size(), std::size_t(1));
    fetcher.fetch(QStringLiteral("searchSub.html"), url("/page"));
    fetcher.cancel();
    QCOMPARE(spies.wait(), QStringLiteral("fetchFailed"));
    QCOMPARE(spies.path("fetchFailed"), RssFilesTemp::resultPath(QStringLiteral("listSub.html")));
    QCOMPARE(site.requests().size(), std::size_t(1));
}

void TestRssFilesTemp::destroyingOwnerMidFetchIsSafe() {
    site.requests().clear();
    auto* owner = new QObject;
    auto* fetcher = new RssFilesTemp(owner);
    int delivered = 0;
    connect(fetcher, &RssFilesTemp::readyReadListSubtitle, this, [&] { ++delivered; });
    fetcher->fetch(QStringLiteral("listSub.html"), url("/slow"));
    QTRY_COMPARE(site.requests().size(), std::size_t(1));
    delete owner; // stops the transfer and waits for the thread
    // The thread has ended: whatever it sent is queued already.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(delivered, 0);
}

void TestRssFilesTemp::answersOverTheLimitFail_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QString>("signal");
    const qint64 mb = 1024 * 1024;
    QTest::newRow("feed, announced") << "rssSearchTemp.xml" << 8 * mb + 1 << true << "fetchFailed";
    QTest::newRow("page, unannounced") << "listSub.html" << 8 * mb + 1 << false << "fetchFailed";
    QTest::newRow("archive, announced")
        << "tmpSubtitile.zip" << 32 * mb + 1 << true << "fetchFailed";
    QTest::newRow("poster, unannounced") << "poster0-1.png" << 4 * mb + 1 << false << "fetchFailed";
    QTest::newRow("poster at the limit")
        << "poster0-2.png" << 4 * mb << false << "readyLoadPresentImage";
}

void TestRssFilesTemp::answersOverTheLimitFail() {
    QFETCH(QString, fileName);
    QFETCH(qint64, size);
    QFETCH(bool, announced);
    QFETCH(QString, signal);
    site.setPage("/big", bytes(size, announced));
    site.requests().clear();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(fileName, url("/big"));
    QCOMPARE(spies.wait(), signal);
    QVERIFY(fetcher.wait());
    const QString path = RssFilesTemp::resultPath(fileName);
    if (signal == QLatin1String("fetchFailed")) {
        QVERIFY(!QFile::exists(path));                    // nothing of it is left
        QCOMPARE(site.requests().size(), std::size_t(1)); // and it is not tried again
    } else {
        QCOMPARE(QFileInfo(path).size(), size);
        QFile::remove(path);
    }
}

void TestRssFilesTemp::slowAnswersMeetTheDeadline_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<qint64>("designed");
    QTest::newRow("feed") << "rssSearchTemp.xml" << qint64(60000);
    QTest::newRow("page") << "fileLinkSub.html" << qint64(60000);
    QTest::newRow("poster") << "poster7-0.jpg" << qint64(60000);
    QTest::newRow("archive") << "tmpSubtitile.zip" << qint64(300000);
}

// A site that sends a byte now and then never meets the low-speed limit; the deadline
// ends the fetch as a failure, and holds for all the attempts together.
void TestRssFilesTemp::slowAnswersMeetTheDeadline() {
    QFETCH(QString, fileName);
    QFETCH(qint64, designed);
    ShortWaits waits; // the deadline lasts a moment
    waits.fetchDeadline = std::chrono::milliseconds(300);
    site.requests().clear();
    RssFilesTemp fetcher;
    AllSignals spies(fetcher);
    fetcher.fetch(fileName, url("/slow")); // would trickle on for 100 s
    QCOMPARE(spies.wait(), QStringLiteral("fetchFailed"));
    QVERIFY(fetcher.wait());
    const QList<qint64> asked = waits.designed(TimeSource::Wait::FetchDeadline);
    QVERIFY(!asked.isEmpty());
    for (qint64 each : asked)
        QCOMPARE(each, designed);
    QCOMPARE(site.requests().size(), std::size_t(1));
    QVERIFY(!QFile::exists(RssFilesTemp::resultPath(fileName)));
}

void TestRssFilesTemp::cancelAllStopsStalledFetches() {
    StalledServer stalled;
    QVERIFY(stalled.port());
    auto* owner = new QObject;
    QList<RssFilesTemp*> fetchers;
    std::vector<std::unique_ptr<QSignalSpy>> failed;
    const QStringList names{"rssSearchTemp.xml", "poster9-0.jpg", "poster9-1.jpg", "poster9-2.jpg",
                            "poster9-3.jpg"};
    for (const QString& name : names) {
        auto* fetcher = new RssFilesTemp(owner);
        failed.push_back(std::make_unique<QSignalSpy>(fetcher, &RssFilesTemp::fetchFailed));
        fetcher->fetch(name, QString::fromStdString(stalled.url("/" + name.toStdString())));
        fetchers << fetcher;
    }
    QTRY_COMPARE_WITH_TIMEOUT(stalled.accepted(), int(names.size()), 30000);
    // The requests are out and unanswered; one call stops them all, at once and together
    // (not one after the other, nor at the next look at the flag, nor by a time-out).
    QElapsedTimer stopping;
    stopping.start();
    RssFilesTemp::cancelAll(owner);
    for (RssFilesTemp* fetcher : fetchers)
        QVERIFY(fetcher->wait());
    QVERIFY2(stopping.elapsed() < 2000, qPrintable(QString::number(stopping.elapsed())));
    QCoreApplication::sendPostedEvents();
    for (const auto& spy : failed)
        QCOMPARE(spy->count(), 1);
    for (const QString& name : names)
        QVERIFY(!QFile::exists(RssFilesTemp::resultPath(name)));
    delete owner;
    QCOMPARE(stalled.accepted(), int(names.size())); // nothing was tried again
}

QTEST_GUILESS_MAIN(TestRssFilesTemp)
#include "test_rssfilestemp.moc"
