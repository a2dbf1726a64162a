#include "platform/hostconfig.h"
#include "platform/settingsstore.h"

#include <QStandardPaths>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void keysIgnoreCase();
    void typedReads_data();
    void typedReads();
    void storeLivesInTheUserConfigFolder();
    void hostsFollowTheEnvironment();
};

void TestSettings::keysIgnoreCase() {
    {
        SettingsStore store;
        store.setValue("Download_threads", 3);
        store.setValue("update/status", "ok");
        QVERIFY(store.sync());
    }
    SettingsStore store;
    QCOMPARE(store.text("download_THREADS"), QString("3"));
    QVERIFY(store.contains("UPDATE/Status"));
    // Writing through another spelling keeps a single copy of the key.
    store.setValue("DOWNLOAD_threads", 5);
    QCOMPARE(store.integer("Download_threads"), 5);
    int copies = 0;
    QSettings raw(store.fileName(), QSettings::IniFormat);
    for (const QString& k : raw.allKeys())
        copies += k.compare("download_threads", Qt::CaseInsensitive) == 0;
    QCOMPARE(copies, 1);
    store.remove("Update/STATUS");
    QVERIFY(!store.contains("update/status"));
}

void TestSettings::typedReads_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    QTest::newRow("number") << QVariant(2) << 2 << true;
    QTest::newRow("zero text") << QVariant("0") << 0 << false;
    QTest::newRow("padded") << QVariant(" 7 ") << 7 << true;
    QTest::newRow("bool text") << QVariant("true") << -1 << true;
    QTest::newRow("not a number") << QVariant("abc") << -1 << false;
}

void TestSettings::typedReads() {
    QFETCH(QVariant, stored);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    SettingsStore store;
    store.setValue("Some_key", stored);
    QCOMPARE(store.integer("some_key", -1), integer);
    QCOMPARE(store.boolean("SOME_KEY", false), boolean);
    QCOMPARE(store.integer("missing", -1), -1);
}

void TestSettings::storeLivesInTheUserConfigFolder() {
    SettingsStore store;
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brisko/Brisko Tool.conf";
    QCOMPARE(store.fileName(), expected);
}

void TestSettings::hostsFollowTheEnvironment() {
    QCOMPARE(QString::fromStdString(hosts::apiHost()), QString("api.brisko.vn"));
    qputenv("BRISKO_API_HOST", "127.0.0.1:4443");
    qputenv("BRISKO_WEB_HOST", "localhost:4443");
    QCOMPARE(QString::fromStdString(hosts::apiUrl("/api/user/get")),
             QString("https://127.0.0.1:4443/api/user/get"));
    QCOMPARE(QString::fromStdString(hosts::webHost()), QString("localhost:4443"));
    qunsetenv("BRISKO_API_HOST");
    qunsetenv("BRISKO_WEB_HOST");
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
