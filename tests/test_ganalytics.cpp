// The usage-analytics client against the stand-in collector: what each hit carries, in
// which order and encoding, the stored client id, and which answers switch sending off.
#include "core/ganalytics.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tools/devservice/analyticscollector.h"

#include <QGuiApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

using Send = std::function<void(GAnalytics&)>;
Q_DECLARE_METATYPE(Send)

namespace {

const QString kTrackingId = QStringLiteral("UA-00000000-1");

// A hit's fields as "key=value", decoded by the collector.
QStringList pairs(const devservice::AnalyticsHit& hit) {
    QStringList out;
    for (const auto& field : hit.fields)
        out << QString::fromStdString(field.first + "=" + field.second);
    return out;
}

QStringList pairs(const GAnalytics::QueryItems& query) {
    QStringList out;
    for (const auto& item : query)
        out << item.first + "=" + item.second;
    return out;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

class TestGAnalytics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void collectorDecodesForms_data();
    void collectorDecodesForms();
    void commonItemsComeFirst();
    void hitTypes_data();
    void hitTypes();
    void textsAreEncoded_data();
    void textsAreEncoded();
    void languageAndUserAgent_data();
    void languageAndUserAgent();
    void clientIdFromTheSettings_data();
    void clientIdFromTheSettings();
    void givenClientIdLeavesTheSettingsAlone();
    void answerDecidesWhetherSendingGoesOn_data();
    void answerDecidesWhetherSendingGoesOn();

private:
    std::unique_ptr<GAnalytics> makeClient(bool withParent = true, const QString& clientId = {});
    devservice::AnalyticsHit onlyHit();

    devservice::AnalyticsCollector collector;
};

std::unique_ptr<GAnalytics> TestGAnalytics::makeClient(bool withParent, const QString& clientId) {
    auto client = std::make_unique<GAnalytics>(withParent ? this : nullptr, kTrackingId, clientId);
    client->readSystemInfo(QLocale(QStringLiteral("vi_VN")));
    return client;
}

devservice::AnalyticsHit TestGAnalytics::onlyHit() {
    [&] { QTRY_COMPARE(collector.hitCount(), std::size_t(1)); }();
    const auto hits = collector.hits();
    return hits.empty() ? devservice::AnalyticsHit() : hits.front();
}

void TestGAnalytics::initTestCase() {
    qRegisterMetaType<QNetworkReply*>(); // for spying on the manager's finished signal
    QCoreApplication::setApplicationName(QStringLiteral("Brisko Tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.0"));
    std::string error;
    QVERIFY2(collector.start("127.0.0.1", 0, &error), error.c_str());
    qputenv("BRISKO_ANALYTICS_HOST", "127.0.0.1:" + QByteArray::number(collector.port()));
}

void TestGAnalytics::init() {
    collector.clear();
    SettingsStore settings;
    settings.remove(SettingsKeys::AnalyticsClientId);
    QVERIFY(settings.sync());
}

void TestGAnalytics::collectorDecodesForms_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("plus is a blank") << "a=1&b=x+y" << QStringList{"a=1", "b=x y"};
    QTest::newRow("escapes, UTF-8") << "c=%2B%20%E1%BA%A3" << QStringList{"c=+ ả"};
    QTest::newRow("missing parts") << "flag&&empty=&=v" << QStringList{"flag=", "empty=", "=v"};
    QTest::newRow("bad escapes kept") << "bad=%zz%4" << QStringList{"bad=%zz%4"};
}

void TestGAnalytics::collectorDecodesForms() {
    QFETCH(QString, body);
    QFETCH(QStringList, fields);
    devservice::AnalyticsHit hit;
    hit.fields = devservice::parseForm(body.toStdString());
    QCOMPARE(pairs(hit), fields);
}

void TestGAnalytics::commonItemsComeFirst() {
    auto client = makeClient();
    client->sendAppview(QStringLiteral("Other name"), QStringLiteral("9.9"),
                        QStringLiteral("Form download"));
    const devservice::AnalyticsHit hit = onlyHit();

    QStringList expected{"v=1", "tid=" + kTrackingId, "cid=" + client->clientId(), "t=appview"};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        expected
            << QString("sr=%1x%2").arg(screen->geometry().width()).arg(screen->geometry().height());
    // The program's own name and version win over the arguments; no uid before a login.
    expected << "ul=vi-vn"
             << "an=Brisko Tool"
             << "av=5.3.0"
             << "cd=Form download";
    QCOMPARE(pairs(hit), expected);
    QCOMPARE(hit.request.method, std::string("POST"));
    QCOMPARE(hit.request.target, std::string("/collect"));
    QCOMPARE(text(hit.request.header("Content-Type").value_or("")),
             QString("application/x-www-form-urlencoded"));

    client->setUserId(QStringLiteral("4711"));
    client->sendAppview(QString());
    QTRY_COMPARE(collector.hitCount(), std::size_t(2));
    QCOMPARE(pairs(collector.hits().at(1)).mid(3, 2), (QStringList{"t=appview", "uid=4711"}));
}

void TestGAnalytics::hitTypes_data() {
    QTest::addColumn<Send>("send");
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("appended");
    const QStringList app{"an=Brisko Tool", "av=5.3.0"};

    QTest::newRow("pageview, empty title")
        << Send([](GAnalytics& a) { a.sendPageview("brisko.vn", "/home", ""); }) << true
        << "pageview" << QStringList{"dh=brisko.vn", "dp=/home", "dt="};
    QTest::newRow("event, category only")
        << Send([](GAnalytics& a) { a.sendEvent("FormDownload", "", "", 0); }) << true << "event"
        << app + QStringList{"ec=FormDownload"};
    QTest::newRow("event, all") << Send([](GAnalytics& a) {
        a.sendEvent("autoupdate", "Click", "Update", 5);
    }) << true << "event" << app + QStringList{"ec=autoupdate", "ea=Click", "el=Update", "ev=5"};
    QTest::newRow("event without names")
        << Send([](GAnalytics& a) { a.sendEvent("c"); }) << false << "event" << QStringList{"ec=c"};
    QTest::newRow("transaction") << Send([](GAnalytics& a) { a.sendTransaction("T1"); }) << true
                                 << "transaction" << QStringList{"ti=T1"};
    QTest::newRow("transaction, affiliation")
        << Send([](GAnalytics& a) { a.sendTransaction("T1", "shop"); }) << true << "transaction"
        << QStringList{"ti=T1", "ta=shop"};
    QTest::newRow("item") << Send([](GAnalytics& a) { a.sendItem("disk"); }) << true << "item"
                          << QStringList{"in=disk"};
    QTest::newRow("social") << Send([](GAnalytics& a) { a.sendSocial("net", "like", "/f"); })
                            << true << "social" << QStringList{"sn=net", "sa=like", "st=/f"};
    QTest::newRow("exception, fatal") << Send([](GAnalytics& a) { a.sendException("boom"); })
                                      << true << "exception" << QStringList{"exd=boom"};
    QTest::newRow("exception, not fatal")
        << Send([](GAnalytics& a) { a.sendException("boom", false); }) << true << "exception"
        << QStringList{"exd=boom", "exf=0"};
    QTest::newRow("timing") << Send([](GAnalytics& a) { a.sendTiming(); }) << true << "timing"
                            << QStringList{};
    QTest::newRow("appview, no screen name")
        << Send([](GAnalytics& a) { a.sendAppview("x"); }) << true << "appview" << app;
    QTest::newRow("appview without own names")
        << Send([](GAnalytics& a) { a.sendAppview("Other", "1.0", "Dialog download"); }) << false
        << "appview" << QStringList{"an=Other", "av=1.0", "cd=Dialog download"};
    QTest::newRow("end of session")
        << Send([](GAnalytics& a) { a.endSession(); }) << true << "event" << QStringList{"sc=end"};
}

void TestGAnalytics::hitTypes() {
    QFETCH(Send, send);
    QFETCH(bool, withParent);
    QFETCH(QString, type);
    QFETCH(QStringList, appended);
    auto client = makeClient(withParent);
    send(*client);
    const QStringList sent = pairs(onlyHit());
    const QStringList common = pairs(client->buildQuery(type));
    QCOMPARE(sent.mid(0, common.size()), common);
    QCOMPARE(sent.mid(common.size()), appended);
}

void TestGAnalytics::textsAreEncoded_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("blank") << "Create download" << QByteArray("Create%20download");
    QTest::newRow("plus") << "C++" << QByteArray("C%2B%2B");
    QTest::newRow("separators") << "a&b=c" << QByteArray("a%26b%3Dc");
    QTest::newRow("percent") << "100%" << QByteArray("100%25");
    QTest::newRow("Vietnamese") << "Tải về" << QByteArray("T%E1%BA%A3i%20v%E1%BB%81");
}

void TestGAnalytics::textsAreEncoded() {
    QFETCH(QString, label);
    QFETCH(QByteArray, encoded);
    auto client = makeClient();
    client->sendEvent("FormDownload", "Click", label);
    const devservice::AnalyticsHit hit = onlyHit();
    QVERIFY2(QByteArray::fromStdString(hit.request.body).endsWith("&el=" + encoded),
             hit.request.body.c_str());
    QCOMPARE(text(hit.field("el")), label);
}

void TestGAnalytics::languageAndUserAgent_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("ul");
    QTest::addColumn<QString>("agentLanguage");
    QTest::newRow("vi_VN") << "vi_VN"
                           << "vi-vn"
                           << "vi-VN";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "pt-br"
                           << "pt-BR";
}

void TestGAnalytics::languageAndUserAgent() {
    QFETCH(QString, locale);
    QFETCH(QString, ul);
    QFETCH(QString, agentLanguage);
    GAnalytics client(nullptr, kTrackingId, "c1");
    client.readSystemInfo(QLocale(locale));
    client.sendTiming();
    const devservice::AnalyticsHit hit = onlyHit();
    QCOMPARE(text(hit.field("ul")), ul);
    const QString agent = text(hit.request.header("User-Agent").value_or(""));
    const QRegularExpression expected("^Mozilla/5\\.0 \\(X11; Linux [^ ;]+; " + agentLanguage +
                                      "\\) GAnalytics/1\\.0 \\(Qt/" +
                                      QRegularExpression::escape(qVersion()) + " \\)$");
    QVERIFY2(expected.match(agent).hasMatch(), qPrintable(agent));
}

void TestGAnalytics::clientIdFromTheSettings_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("missing") << QVariant() << false;
    QTest::newRow("present") << QVariant("{earlier-id}") << true;
    QTest::newRow("present but empty") << QVariant("") << false;
}

void TestGAnalytics::clientIdFromTheSettings() {
    QFETCH(QVariant, stored);
    QFETCH(bool, kept);
    if (stored.isValid()) {
        SettingsStore settings;
        settings.setValue(SettingsKeys::AnalyticsClientId, stored);
        QVERIFY(settings.sync());
    }
    auto first = makeClient();
    const QString id = SettingsStore().text(SettingsKeys::AnalyticsClientId);
    if (kept) {
        QCOMPARE(id, stored.toString());
    } else {
        const QRegularExpression uuid("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-"
                                      "[0-9a-f]{12}\\}$");
        QVERIFY2(uuid.match(id).hasMatch(), qPrintable(id));
    }
    first->sendTiming();
    QCOMPARE(text(onlyHit().field("cid")), id);

    // A later start reads the same id and writes nothing new.
    auto later = makeClient();
    QCOMPARE(later->clientId(), id);
    QCOMPARE(SettingsStore().text(SettingsKeys::AnalyticsClientId), id);
}

void TestGAnalytics::givenClientIdLeavesTheSettingsAlone() {
    auto client = makeClient(true, QStringLiteral("555"));
    client->sendTiming();
    QCOMPARE(text(onlyHit().field("cid")), QString("555"));
    QVERIFY(!SettingsStore().contains(SettingsKeys::AnalyticsClientId));
}

void TestGAnalytics::answerDecidesWhetherSendingGoesOn_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("200") << 200 << true;
    QTest::newRow("204") << 204 << true;
    QTest::newRow("301") << 301 << false;
    QTest::newRow("302") << 302 << false;
    QTest::newRow("404") << 404 << true;
    QTest::newRow("500") << 500 << true;
}

void TestGAnalytics::answerDecidesWhetherSendingGoesOn() {
    QFETCH(int, status);
    QFETCH(bool, goesOn);
    auto client = makeClient();
    auto* manager = client->findChild<QNetworkAccessManager*>();
    QVERIFY(manager);
    QSignalSpy finished(manager, &QNetworkAccessManager::finished);
    if (status >= 400) {
        // Error statuses arrive as network errors: both are written, sending goes on.
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^network error signal: \\d+$"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^postFinished error: .+"));
    }
    collector.answerNext(status);
    client->sendEvent("first");
    QVERIFY(finished.wait(20000));
    QCOMPARE(collector.hitCount(), std::size_t(1));

    // Replies are made at once by the post, so a hit that leaves shows up here.
    const int repliesBefore = manager->findChildren<QNetworkReply*>().size();
    client->sendAppview("x", "", "later");
    client->endSession();
    client->sendException("later");
    if (goesOn) {
        QTRY_COMPARE(collector.hitCount(), std::size_t(4));
    } else {
        QCOMPARE(manager->findChildren<QNetworkReply*>().size(), repliesBefore);
        QCOMPARE(finished.count(), 1);
    }
}

QTEST_MAIN(TestGAnalytics)
#include "test_ganalytics.moc"
