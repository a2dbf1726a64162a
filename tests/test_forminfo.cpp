// The account panel against the stand-in: what it shows for each account level (records
// handed in directly, as the account job hands them), the one chart it keeps across
// loads, the one-shot automatic upload and load errors. Its logout button is the main
// window's logout (test_mainform).
#include "api/user.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "core/sizetext.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/pieview.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/mainwindowsession.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/demoaccount.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

const char kAccountPath[] = "/api/user/get";

constexpr qint64 kGiB = 1073741824;

QString label(const FormInfo& panel, const char* name) {
    return panel.findChild<QLabel*>(QLatin1String(name))->text();
}

bool shownOnScreen(const FormInfo& panel, const char* name) {
    return !panel.findChild<QWidget*>(QLatin1String(name))->isHidden();
}

QString dateText(qint64 seconds) {
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toLocalTime();
    return QLocale::system().toString(moment.date(), QLocale::ShortFormat) + ' ' +
           QLocale::system().toString(moment.time(), QLocale::ShortFormat);
}

QString purchaseLink(const QString& content) {
    return "<a href=\"https://" + QString::fromStdString(hosts::webHost()) +
           "/payment/package/?type=vip&_src=bq\">" + content + "</a>";
}

// An account of the given level with round figures: 10 GiB secure of which 1 used, 100 GiB
// of which 30 used, 50 GiB traffic of which 20 used.
brisko::user* account(const QString& level, const QString& accountType, const QString& points) {
    auto* record = new brisko::user;
    record->set_id("4242");
    record->set_email("an@example.com");
    record->set_level(level.toStdString());
    record->account_type = accountType.toStdString();
    record->set_totalpoints(points.toStdString());
    record->set_expire_vip("1924905600");
    record->set_joindate("1420070400");
    record->set_webspace_secure(std::to_string(10 * kGiB));
    record->set_webspace_secure_used(std::to_string(1 * kGiB));
    record->set_webspace(std::to_string(100 * kGiB));
    record->set_webspace_used(std::to_string(30 * kGiB));
    record->set_traffic(std::to_string(50 * kGiB));
    record->set_traffic_used(std::to_string(20 * kGiB));
    record->dl_time_avail = 7;
    return record;
}

void deliver(FormInfo& panel, brisko::user* record) {
    QVERIFY(QMetaObject::invokeMethod(&panel, "getUserInfo_Success", Qt::DirectConnection,
                                      Q_ARG(brisko::user*, record)));
}

QStandardItemModel* chartModel(const FormInfo& panel) {
    return panel.findChild<QStandardItemModel*>();
}

QStringList chartValues(const FormInfo& panel) {
    QStringList values;
    QStandardItemModel* model = chartModel(panel);
    for (int row = 0; model && row < model->rowCount(); ++row)
        values << model->index(row, 1).data().toString();
    return values;
}

} // namespace

class TestFormInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsTheDemoAccount();
    void levels_data();
    void levels();
    void storageAboveTheQuota();
    void keepsOneChartAcrossLoads();
    void keepsTheAccountOverALanguageChange();
    void automaticUploadOnce();
    void loadError();

private:
    // A panel whose own first load has arrived.
    std::unique_ptr<FormInfo> loadedPanel();
    int calls(const char* path) { return int(session.service().requests().forPath(path).size()); }

    MainWindowSession session;
};

void TestFormInfo::initTestCase() {
    ActionThread::registerMetaTypes();
    QVERIFY(session.start());
}

void TestFormInfo::init() {
    std::unique_ptr<RuriDudi> user = session.logIn();
    QVERIFY(user);
    currentUser = user.release();
    SettingsStore settings;
    settings.setValue(SettingsKeys::AutoUpload, false);
    settings.setValue(SettingsKeys::AutoUploaded, false);
}

void TestFormInfo::cleanup() {
    delete currentUser;
    currentUser = nullptr;
    session.service().faults().clear();
}

std::unique_ptr<FormInfo> TestFormInfo::loadedPanel() {
    auto panel = std::make_unique<FormInfo>();
    const QString id = session.accountId();
    if (!QTest::qWaitFor([&] { return label(*panel, "lb_memberid") == id; }, 20000))
        return nullptr;
    return panel;
}

// The demo account as the stand-in describes it (level 5, 1250 points).
void TestFormInfo::showsTheDemoAccount() {
    const auto panel = loadedPanel();
    QVERIFY(panel);
    QCOMPARE(label(*panel, "lblUserName"), QString::fromLatin1(devservice::demo::kEmail));
    QCOMPARE(label(*panel, "lb_user_level"), purchaseLink("<b>VIP</b>"));
    QCOMPARE(label(*panel, "lb_expire_vip"), dateText(1924905600));
    QCOMPARE(label(*panel, "lb_user_joindate"), dateText(1420070400));
    QCOMPARE(label(*panel, "lb_user_totalpoints"), purchaseLink("1250 điểm"));
    QCOMPARE(label(*panel, "lblSumTraffic"), formatSize(100 * kGiB));
    QCOMPARE(label(*panel, "lblUsedTraffic"), formatSize(15 * kGiB));
    QCOMPARE(label(*panel, "lblUsesTraffic"), formatSize(85 * kGiB));
    QCOMPARE(label(*panel, "lb_total"), formatSize(600 * kGiB));
    QCOMPARE(currentUserId, session.accountId());
    QCOMPARE(currentUserLevel, QStringLiteral("5"));
    // The rows the service no longer fills are gone; the chart stands in its host.
    for (const char* name :
         {"label_5", "lb_max_upload_size", "label_14", "label_16", "lb_user_totaldownloads",
          "checkBox", "lblManageHotLink", "lblDownloadTimes"})
        QVERIFY2(!shownOnScreen(*panel, name), name);
    auto* chart = panel->findChild<PieView*>();
    QVERIFY(chart);
    QCOMPARE(chart->parentWidget()->objectName(), QStringLiteral("widget"));
}

void TestFormInfo::levels_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("accountType");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("levelText"); // inside the purchase link unless noLink
    QTest::addColumn<bool>("noLink");
    QTest::addColumn<QString>("validity"); // "date": the expiry date
    QTest::addColumn<QString>("memberId");
    QTest::addColumn<bool>("pointsLinked");
    QTest::addColumn<bool>("downloadRow");
    QTest::addColumn<QString>("secureLeft"); // "": the computed remainder
    QTest::addColumn<int>("levelCode");      // what the logged-in record keeps
    const QString ordinary = "Thành viên thường";
    const QString unlimited = "Không giới hạn";
    QTest::newRow("0") << "0"
                       << ""
                       << "10" << ordinary << false << unlimited << "4242" << false << false << ""
                       << 0;
    QTest::newRow("not a number") << "abc"
                                  << ""
                                  << "10" << ordinary << false << unlimited << "4242" << false
                                  << false << "" << 0;
    QTest::newRow("empty") << ""
                           << ""
                           << "10" << ordinary << false << unlimited << "4242" << false << false
                           << "" << 0;
    QTest::newRow("2 with secure files") << "2"
                                         << ""
                                         << "10" << ordinary << false << unlimited << "4242"
                                         << false << false << "-" + formatSize(kGiB) << 2;
    QTest::newRow("VIP, 999 points") << "3"
                                     << ""
                                     << "999"
                                     << "<b>VIP</b>" << false << "date"
                                     << "4242" << false << false << "" << 3;
    QTest::newRow("VIP, 1000 points") << "6"
                                      << ""
                                      << "1000"
                                      << "<b>VIP</b>" << false << "date"
                                      << "4242" << true << false << "" << 6;
    QTest::newRow("7") << "7"
                       << ""
                       << "10"
                       << "<b>Promo</b>" << false << "date"
                       << "4242" << false << false << "" << 7;
    QTest::newRow("8") << "8"
                       << ""
                       << "10"
                       << "<b>PromoPlus</b>" << false << "date"
                       << "4242" << false << false << "" << 8;
    QTest::newRow("9 counts downloads") << "9"
                                        << ""
                                        << "10"
                                        << "<b>TRVA15</b>" << false << "date"
                                        << "4242" << false << true << "" << 9;
    QTest::newRow("10 counts downloads") << "10"
                                         << ""
                                         << "10"
                                         << "<b>TRVA10</b>" << false << "date"
                                         << "4242" << false << true << "" << 10;
    QTest::newRow("11 pays later") << "11"
                                   << ""
                                   << "10"
                                   << "<b>BUNDLE</b>" << false << "date"
                                   << "Khách hàng trả sau" << false << false << "" << 11;
    QTest::newRow("12 by its type") << "12"
                                    << "Gold & <i>co</i>"
                                    << "10"
                                    << "<b>Gold &amp; &lt;i&gt;co&lt;/i&gt;</b>" << false << "date"
                                    << "4242" << false << false << "" << 12;
    QTest::newRow("15 without a type") << "15"
                                       << ""
                                       << "10"
                                       << "<b></b>" << false << "date"
                                       << "4242" << false << false << "" << 15;
    QTest::newRow("16 counts downloads") << "16"
                                         << ""
                                         << "10"
                                         << "<b>TRVA20</b>" << false << "date"
                                         << "4242" << false << true << "" << 16;
    QTest::newRow("17 storage, no link") << "17"
                                         << ""
                                         << "5000"
                                         << "<b>Storage</b>" << true << "date"
                                         << "4242" << false << false << "" << 17;
    QTest::newRow("18 forever, no link") << "18"
                                         << ""
                                         << "5000"
                                         << "<b>Forever</b>" << true << "Vĩnh viễn"
                                         << "4242" << false << false << "" << 18;
    QTest::newRow("19 by its type") << "19"
                                    << "Team"
                                    << "10"
                                    << "<b>Team</b>" << false << "date"
                                    << "4242" << false << false << "" << 19;
}

void TestFormInfo::levels() {
    QFETCH(QString, level);
    QFETCH(QString, accountType);
    QFETCH(QString, points);
    QFETCH(QString, levelText);
    QFETCH(bool, noLink);
    QFETCH(QString, validity);
    QFETCH(QString, memberId);
    QFETCH(bool, pointsLinked);
    QFETCH(bool, downloadRow);
    QFETCH(QString, secureLeft);
    QFETCH(int, levelCode);
    const auto panel = loadedPanel();
    QVERIFY(panel);
    // A level that counts downloads first, so that every row shows the count row hidden
    // again by a later load.
    deliver(*panel, account("9", "", "0"));
    QVERIFY(shownOnScreen(*panel, "lblDownloadTimes"));
    deliver(*panel, account(level, accountType, points));

    QCOMPARE(label(*panel, "lb_user_level"), noLink ? levelText : purchaseLink(levelText));
    QCOMPARE(label(*panel, "lb_expire_vip"),
             validity == QLatin1String("date") ? dateText(1924905600) : validity);
    QCOMPARE(label(*panel, "lb_memberid"), memberId);
    const QString pointsText = QString::number(points.toInt()) + " điểm";
    QCOMPARE(label(*panel, "lb_user_totalpoints"),
             pointsLinked ? purchaseLink(pointsText) : pointsText);
    QCOMPARE(panel->findChild<QLabel*>("lb_user_totalpoints")->toolTip(),
             pointsLinked ? QStringLiteral("Click vào để mua VIP") : QString());
    QCOMPARE(shownOnScreen(*panel, "lblDownloadTimes"), downloadRow);
    QCOMPARE(shownOnScreen(*panel, "lblDownloadTimesLabel"), downloadRow);
    if (downloadRow)
        QCOMPARE(label(*panel, "lblDownloadTimes"), QStringLiteral("7 lượt"));
    QCOMPARE(label(*panel, "lb_user_webspace_secure"),
             secureLeft.isEmpty() ? formatSize(9 * kGiB) : secureLeft);
    QCOMPARE(label(*panel, "lb_user_webspace_secure_used"), formatSize(kGiB));
    QCOMPARE(label(*panel, "lb_user_webspace"), formatSize(70 * kGiB));
    QCOMPARE(label(*panel, "lb_user_webspace_used"), formatSize(30 * kGiB));
    QCOMPARE(label(*panel, "lb_total"), formatSize(110 * kGiB));
    QCOMPARE(label(*panel, "lblUsesTraffic"), formatSize(30 * kGiB));
    QCOMPARE(label(*panel, "lblUserName"), QStringLiteral("an@example.com"));
    QCOMPARE(currentUserId, QStringLiteral("4242"));
    QCOMPARE(currentUserLevel, level);
    QCOMPARE(currentUser->getLevel(), levelCode);
    QCOMPARE(chartValues(*panel),
             (QStringList{QString::number(9.0 * kGiB, 'g', 6), QString::number(1.0 * kGiB, 'g', 6),
                          QString::number(70.0 * kGiB, 'g', 6), QString::number(30 * kGiB)}));
}

// Used above the quota, quotas of 0, a used text of "0": labels keep the sign, the chart
// gets no negative slice and draws what is left.
void TestFormInfo::storageAboveTheQuota() {
    const auto panel = loadedPanel();
    QVERIFY(panel);
    brisko::user* record = account("5", "", "0");
    record->set_webspace_secure("0");
    record->set_webspace_secure_used("0");
    record->set_webspace(std::to_string(kGiB));
    record->set_webspace_used(std::to_string(3 * kGiB));
    record->set_traffic("0");
    record->set_traffic_used("2048");
    deliver(*panel, record);
    QCOMPARE(label(*panel, "lb_user_webspace"), "-" + formatSize(2 * kGiB));
    QCOMPARE(label(*panel, "lblUsesTraffic"), "-" + formatSize(2048));
    QCOMPARE(label(*panel, "lb_user_webspace_secure"), formatSize(0));
    auto* chart = panel->findChild<PieView*>();
    // Only the used storage is drawn: the whole pie in its colour.
    const QImage image = chart->viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(62, 40), QColor("#996f00"));
    QCOMPARE(image.pixelColor(62, 90), QColor("#996f00"));

    // Nothing used anywhere: the used text "0" becomes "1", "0.0" stays as it is.
    record = account("5", "", "0");
    record->set_webspace_used("0");
    deliver(*panel, record);
    QCOMPARE(chartValues(*panel).at(3), QStringLiteral("1"));
    record = account("5", "", "0");
    record->set_webspace_used("0.0");
    deliver(*panel, record);
    QCOMPARE(chartValues(*panel).at(3), QStringLiteral("0.0"));
    QCOMPARE(label(*panel, "lb_user_webspace"), formatSize(100 * kGiB));
}

void TestFormInfo::keepsOneChartAcrossLoads() {
    const auto panel = loadedPanel();
    QVERIFY(panel);
    const int loads = calls(kAccountPath);
    panel->getUserInfo();
    panel->getUserInfo();
    QTRY_COMPARE_WITH_TIMEOUT(calls(kAccountPath), loads + 2, 20000);
    deliver(*panel, account("5", "", "0"));
    QCOMPARE(panel->findChildren<PieView*>().size(), 1);
    QCOMPARE(panel->findChildren<QStandardItemModel*>().size(), 1);
    QCOMPARE(chartModel(*panel)->rowCount(), 4);
    QVERIFY(panel->findChild<PieView*>()->isVisibleTo(panel.get()));
}

void TestFormInfo::keepsTheAccountOverALanguageChange() {
    const auto panel = loadedPanel();
    QVERIFY(panel);
    deliver(*panel, account("9", "", "1200"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(panel.get(), &change);
    QCOMPARE(label(*panel, "lb_expire_vip"), dateText(1924905600));
    QCOMPARE(label(*panel, "lb_user_totalpoints"), purchaseLink("1200 điểm"));
    QCOMPARE(label(*panel, "lblSumTraffic"), formatSize(50 * kGiB));
    QVERIFY(!shownOnScreen(*panel, "checkBox"));
}

void TestFormInfo::automaticUploadOnce() {
    SettingsStore settings;
    settings.setValue(SettingsKeys::AutoUpload, true);
    auto panel = std::make_unique<FormInfo>();
    QSignalSpy fired(panel.get(), &FormInfo::loadInfoComplete);
    QTRY_COMPARE_WITH_TIMEOUT(fired.size(), 1, 20000);
    QVERIFY(settings.boolean(SettingsKeys::AutoUploaded));
    // Later loads of the same login start nothing.
    const int loads = calls(kAccountPath);
    panel->getUserInfo();
    panel->getUserInfo();
    QTRY_COMPARE_WITH_TIMEOUT(calls(kAccountPath), loads + 2, 20000);
    deliver(*panel, account("5", "", "0"));
    QCOMPARE(fired.size(), 1);

    // Off at the first load of the next login, switched on before a later one.
    settings.setValue(SettingsKeys::AutoUploaded, false);
    settings.setValue(SettingsKeys::AutoUpload, false);
    panel = loadedPanel();
    QVERIFY(panel);
    QSignalSpy later(panel.get(), &FormInfo::loadInfoComplete);
    deliver(*panel, account("5", "", "0"));
    QCOMPARE(later.size(), 0);
    settings.setValue(SettingsKeys::AutoUpload, true);
    deliver(*panel, account("5", "", "0"));
    QCOMPARE(later.size(), 1);
}

void TestFormInfo::loadError() {
    const auto panel = loadedPanel();
    QVERIFY(panel);
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    session.service().faults().next(
        kAccountPath, devservice::Fault::status(200, R"({"code":404,"msg":"Không thấy"})"));
    panel->getUserInfo();
    QTRY_COMPARE_WITH_TIMEOUT(prompt.asked().size(), 1, 20000);
    QCOMPARE(prompt.asked().first().kind, ScriptedUserPrompt::Kind::Critical);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Lỗi (404)"));
    QCOMPARE(prompt.asked().first().text, QStringLiteral("Không thấy"));
    QCOMPARE(label(*panel, "lb_memberid"), session.accountId());
}

QTEST_MAIN(TestFormInfo)
#include "test_forminfo.moc"
