// The options dialog and its four pages: what each page shows for stored values and
// writes back, when OK is enabled and the restart question comes, the restart through
// the process seam, and the about box.
#include "core/globals.h"
#include "download/formdownload.h"
#include "mainwindow/dialogabout.h"
#include "mainwindow/dialogoption.h"
#include "mainwindow/loginform.h"
#include "mainwindow/programexit.h"
#include "platform/hostconfig.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/modalanswerer.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scripteduserprompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

using Values = QMap<QString, QString>; // settings key -> stored text; "<none>" is missing
const QString kMissing = QStringLiteral("<none>");

// Every key the pages touch, so that each row starts from exactly its own values.
const char* const kPageKeys[] = {
    SettingsKeys::Language,        SettingsKeys::AutoStart,
    SettingsKeys::AutoLogin,       SettingsKeys::SystrayMinimized,
    SettingsKeys::StayOnTop,       SettingsKeys::RememberAccount,
    SettingsKeys::AccountEmail,    SettingsKeys::AccountPassword,
    SettingsKeys::UseProxy,        SettingsKeys::HttpProxy,
    SettingsKeys::HttpPort,        SettingsKeys::DownloadThreads,
    SettingsKeys::DownloadFailTry, SettingsKeys::DownloadAutoShutdown,
    SettingsKeys::AutoDownload,    SettingsKeys::UseDownloadLimit,
    SettingsKeys::DownloadLimit,   SettingsKeys::DownloadDir,
    SettingsKeys::FirefoxCapture,  SettingsKeys::IeCapture,
    SettingsKeys::ChromeCapture,   SettingsKeys::UploadThreads,
    SettingsKeys::UploadFailTry,   SettingsKeys::UploadAutoShutdown,
    SettingsKeys::AutoUpload,      SettingsKeys::UseUploadLimit,
    SettingsKeys::UploadLimit,     SettingsKeys::UploadDir,
};

void storeOnly(const Values& values) {
    SettingsStore settings;
    for (const char* key : kPageKeys)
        settings.remove(QLatin1String(key));
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
    QVERIFY(settings.sync());
}

QString stored(const QString& key) {
    const SettingsStore settings;
    return settings.contains(key) ? settings.text(key) : kMissing;
}

template <typename T> T* child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

QPushButton* okButton(DialogOption& dialog) {
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

QWidget* page(DialogOption& dialog, const char* className) {
    return child<QWidget>(dialog, className);
}

// Builds the dialog on the stored values, checks what a page shows, presses OK and
// compares what was written. `shown` maps widget names to what they show: the text of
// line edits and combo boxes, the value of spin boxes, "on"/"off" (and "/disabled") of
// check and radio buttons.
void checkPage(const char* pageName, const Values& shown, const Values& saved) {
    DialogOption dialog(DialogOption::AllPages);
    QWidget* form = page(dialog, pageName);
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        QWidget* widget = child<QWidget>(*form, qPrintable(it.key()));
        QString seen;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            seen = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            seen = combo->currentText();
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            seen = QString::number(spin->value());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            seen = QLatin1String(button->isChecked() ? "on" : "off");
        if (!widget->isEnabled())
            seen += QStringLiteral("/disabled");
        QCOMPARE(seen, it.value());
    }
    // Loading reports no change.
    QVERIFY(!okButton(dialog)->isEnabled());
    ScriptedUserPrompt prompt; // no question expected: none is queued
    // OK saves every page whether it was changed or not.
    okButton(dialog)->setEnabled(true);
    okButton(dialog)->click();
    for (auto it = saved.begin(); it != saved.end(); ++it)
        QCOMPARE(stored(it.key()), it.value());
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void generalPage_data();
    void generalPage();
    void languageList();
    void connectionPage_data();
    void connectionPage();
    void portTakesDigitsUpTo65535();
    void downloadPage_data();
    void downloadPage();
    void uploadPage_data();
    void uploadPage();
    void folderChooser();
    void speedLimitSurvivesLanguageChange();
    void speedLimitShowsWhole();

    void okOnlyAfterChange_data();
    void okOnlyAfterChange();
    void cancelWritesNothing();
    void pagesFromTheList();
    void connectionPageAloneFromLogin();
    void restartFromLogin_data();
    void restartFromLogin();
    void restartFromMainWindow();
    void failedSaveIsTold_data();
    void failedSaveIsTold();

    void aboutTexts_data();
    void aboutTexts();
    void aboutDialog();

private:
    MainWindowSession session;
    QList<int> quitStatuses;
};

void TestOptions::initTestCase() {
    // The program seems to run from a folder with the three translations and strays.
    QVERIFY(session.start());
    const QString lang = session.programFolder() + QStringLiteral("/lang/");
    QVERIFY(QDir().mkpath(lang));
    for (const char* name : {"brisko_vi.qm", "brisko_en.qm", "brisko_ja.qm", "BRISKO_JA.QM",
                             "brisko_en.qm.bak", "brisko_fr.qm"}) {
        QFile file(lang + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkpath(lang + QStringLiteral("brisko_vi.qm.d")));
    programexit::setHandler([this](int status) { quitStatuses << status; });
}

void TestOptions::cleanupTestCase() {
    programexit::setHandler({});
    programexit::setInstanceRelease({});
}

void TestOptions::generalPage_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<Values>("shown");
    QTest::addColumn<Values>("saved");
    QTest::newRow("nothing stored")
        << Values{} << Values{{"cmbLanguage", ""},         {"chk_autostart", "off"},
                              {"chk_minimized", "off"},    {"chk_ontop", "off"},
                              {"chk_remember_acc", "off"}, {"chk_autologin", "off/disabled"}}
        << Values{{"Language", ""},         {"AutoStart", "false"}, {"Systray_minimized", "false"},
                  {"Stay_on_top", "false"}, {"remacc", "false"},    {"AutoLogin", kMissing}};
    QTest::newRow("English, remembered, automatic login")
        << Values{{"Language", "brisko_en.qm"}, {"remacc", "true"}, {"AutoLogin", "true"},
                  {"account/email", "a@b.vn"},  {"AutoStart", "1"}, {"Stay_on_top", "true"}}
        << Values{{"cmbLanguage", "English"},
                  {"chk_autostart", "on"},
                  {"chk_ontop", "on"},
                  {"chk_remember_acc", "on"},
                  {"chk_autologin", "on"}}
        << Values{{"Language", "brisko_en.qm"},
                  {"AutoLogin", "true"},
                  {"AutoStart", "true"},
                  {"account/email", "a@b.vn"}};
    // Automatic login without a remembered account is shown ticked but cannot be used,
    // and OK removes it together with the remembered account.
    QTest::newRow("automatic login, not remembered")
        << Values{{"Language", "brisko_vi.qm"},
                  {"remacc", "false"},
                  {"AutoLogin", "true"},
                  {"account/email", "a@b.vn"},
                  {"account/password", "x"}}
        << Values{{"cmbLanguage", "Tiếng Việt"}, {"chk_autologin", "on/disabled"}}
        << Values{{"AutoLogin", kMissing},
                  {"account/email", kMissing},
                  {"account/password", kMissing},
                  {"Language", "brisko_vi.qm"}};
    QTest::newRow("a language the program does not carry")
        << Values{{"Language", "brisko_fr.qm"}} << Values{{"cmbLanguage", ""}}
        << Values{{"Language", ""}};
    QTest::newRow("letter case of the name counts")
        << Values{{"Language", "BRISKO_JA.QM"}} << Values{{"cmbLanguage", ""}}
        << Values{{"Language", ""}};
}

void TestOptions::generalPage() {
    QFETCH(Values, values);
    QFETCH(Values, shown);
    QFETCH(Values, saved);
    storeOnly(values);
    checkPage("dialogoption_formgeneral", shown, saved);
}

void TestOptions::languageList() {
    DialogOption dialog(DialogOption::AllPages);
    auto* list = child<QComboBox>(dialog, "cmbLanguage");
    QStringList names, files;
    for (int i = 0; i < list->count(); ++i) {
        names << list->itemText(i);
        files << list->itemData(i).toString();
    }
    QCOMPARE(names, (QStringList{"English", "Japan", "Tiếng Việt"}));
    QCOMPARE(files, (QStringList{"brisko_en.qm", "brisko_ja.qm", "brisko_vi.qm"}));
    QVERIFY(!list->itemIcon(0).isNull());
    QVERIFY(list->itemIcon(1).isNull());
}

void TestOptions::connectionPage_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<Values>("shown");
    QTest::addColumn<Values>("saved");
    QTest::newRow("nothing stored")
        << Values{}
        << Values{{"rd_noproxy", "on"}, {"txt_proxy", "/disabled"}, {"txt_port", "/disabled"}}
        << Values{{"useProxy", "0"}, {"httpProxy", kMissing}, {"httpPort", kMissing}};
    QTest::newRow("system proxy: the typed one stays stored, unseen")
        << Values{{"useProxy", "1"}, {"httpProxy", "proxy.lan"}, {"httpPort", "3128"}}
        << Values{{"rd_autodetectproxy", "on"}, {"txt_proxy", "/disabled"}}
        << Values{{"useProxy", "1"}, {"httpProxy", "proxy.lan"}, {"httpPort", "3128"}};
    QTest::newRow("own proxy")
        << Values{{"useProxy", "2"}, {"httpProxy", "proxy.lan"}, {"httpPort", "3128"}}
        << Values{{"rd_proxy", "on"}, {"txt_proxy", "proxy.lan"}, {"txt_port", "3128"}}
        << Values{{"useProxy", "2"}, {"httpProxy", "proxy.lan"}, {"httpPort", "3128"}};
    QTest::newRow("port with a letter")
        << Values{{"useProxy", "2"}, {"httpProxy", "p"}, {"httpPort", "12a"}}
        << Values{{"txt_port", "0"}} << Values{{"httpPort", "0"}};
    QTest::newRow("port out of range")
        << Values{{"useProxy", "2"}, {"httpProxy", "p"}, {"httpPort", "70000"}}
        << Values{{"txt_port", "0"}} << Values{{"httpPort", "0"}};
    QTest::newRow("unknown choice")
        << Values{{"useProxy", "7"}} << Values{{"rd_noproxy", "on"}} << Values{{"useProxy", "0"}};
}

void TestOptions::connectionPage() {
    QFETCH(Values, values);
    QFETCH(Values, shown);
    QFETCH(Values, saved);
    storeOnly(values);
    checkPage("dialogoption_formconnect", shown, saved);
}

void TestOptions::portTakesDigitsUpTo65535() {
    storeOnly({{"useProxy", "2"}, {"httpProxy", "proxy.lan"}, {"httpPort", "8080"}});
    DialogOption dialog(DialogOption::Connection);
    auto* port = child<QLineEdit>(dialog, "txt_port");
    port->clear();
    QTest::keyClicks(port, QStringLiteral("12a"));
    QCOMPARE(port->text(), QStringLiteral("12"));
    port->clear();
    QTest::keyClicks(port, QStringLiteral("70000"));
    QCOMPARE(port->text(), QStringLiteral("7000"));
    port->clear();
    QTest::keyClicks(port, QStringLiteral("65535"));
    QCOMPARE(port->text(), QStringLiteral("65535"));

    // No proxy after all: the typed proxy stays as it was stored.
    child<QRadioButton>(dialog, "rd_noproxy")->click();
    QVERIFY(!port->isEnabled());
    QCOMPARE(port->text(), QStringLiteral("65535"));
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::No);
    okButton(dialog)->click();
    QCOMPARE(stored("useProxy"), QStringLiteral("0"));
    QCOMPARE(stored("httpPort"), QStringLiteral("8080"));
}

void TestOptions::downloadPage_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<Values>("shown");
    QTest::addColumn<Values>("saved");
    // Capture switches that are missing count as on, as the companions read them.
    QTest::newRow("nothing stored")
        << Values{} << Values{{"sBDownloadThreads", "2"},        {"sBTryFail", "10"},
                              {"chckspeedlimit", "off"},         {"txt_speedlimit", "/disabled"},
                              {"chkAutoDownload", "off"},        {"chkAutoShutdown", "off"},
                              {"txt_Download_Dir", "/disabled"}, {"chkCaptureChrome", "on"},
                              {"chkCaptureFirefox", "on"},       {"chkCaptureIE", "on"}}
        << Values{{"Download_threads", "2"},
                  {"Download_fail_try", "10"},
                  {"Download_auto_shutdown", "false"},
                  {"Auto_download", "false"},
                  {"use_download_limit", "false"},
                  {"Download_limit", "0"},
                  {"Download_Dir", ""},
                  {"ff_download", "1"},
                  {"ie_download", "1"},
                  {"chrome_download", "1"}};
    QTest::newRow("too many threads, too many tries")
        << Values{{"Download_threads", "15"}, {"Download_fail_try", "25"}}
        << Values{{"sBDownloadThreads", "10"}, {"sBTryFail", "10"}}
        << Values{{"Download_threads", "10"}, {"Download_fail_try", "10"}};
    QTest::newRow("no threads, negative tries")
        << Values{{"Download_threads", "0"}, {"Download_fail_try", "-3"}}
        << Values{{"sBDownloadThreads", "1"}, {"sBTryFail", "0"}}
        << Values{{"Download_threads", "1"}, {"Download_fail_try", "0"}};
    QTest::newRow("threads not a number")
        << Values{{"Download_threads", "abc"}} << Values{{"sBDownloadThreads", "1"}}
        << Values{{"Download_threads", "1"}};
    QTest::newRow("threads with a leading zero")
        << Values{{"Download_threads", "02"}} << Values{{"sBDownloadThreads", "2"}}
        << Values{{"Download_threads", "2"}};
    QTest::newRow("limit kept while switched off, switches off, folder")
        << Values{{"use_download_limit", "false"},
                  {"Download_limit", "512"},
                  {"ff_download", "0"},
                  {"chrome_download", "0"},
                  {"ie_download", "1"},
                  {"Download_Dir", "/tmp/tải về "},
                  {"Auto_download", "true"}}
        << Values{{"txt_speedlimit", "512/disabled"},
                  {"chkCaptureFirefox", "off"},
                  {"chkCaptureChrome", "off"},
                  {"chkCaptureIE", "on"},
                  {"txt_Download_Dir", "/tmp/tải về /disabled"},
                  {"chkAutoDownload", "on"}}
        << Values{{"Download_limit", "512"}, {"use_download_limit", "false"},
                  {"ff_download", "0"},      {"chrome_download", "0"},
                  {"ie_download", "1"},      {"Download_Dir", "/tmp/tải về "},
                  {"Auto_download", "true"}};
    QTest::newRow("limit switched on, not digits, too long")
        << Values{{"use_download_limit", "true"}, {"Download_limit", "12345678901"}}
        << Values{{"txt_speedlimit", "1234567890"}} << Values{{"Download_limit", "1234567890"}};
}

void TestOptions::downloadPage() {
    QFETCH(Values, values);
    QFETCH(Values, shown);
    QFETCH(Values, saved);
    storeOnly(values);
    checkPage("dialogoption_formdownload", shown, saved);
}

void TestOptions::uploadPage_data() {
    QTest::addColumn<Values>("values");
    QTest::addColumn<Values>("shown");
    QTest::addColumn<Values>("saved");
    QTest::newRow("nothing stored")
        << Values{} << Values{{"sBUploadThreads", "2"},       {"sBTryFail", "100"},
                              {"chckspeedlimit", "off"},      {"txt_speedlimit", "/disabled"},
                              {"chck_AutoUpload", "off"},     {"chck_AutoShutdown", "off"},
                              {"txt_Upload_Dir", "/disabled"}}
        << Values{{"Upload_threads", "2"},
                  {"Upload_fail_try", "100"},
                  {"Upload_auto_shutdown", "false"},
                  {"Auto_upload", "false"},
                  {"use_upload_limit", "false"},
                  {"Upload_limit", "0"},
                  {"Upload_Dir", ""}};
    QTest::newRow("above the ranges")
        << Values{{"Upload_threads", "10"}, {"Upload_fail_try", "5000"}}
        << Values{{"sBUploadThreads", "4"}, {"sBTryFail", "1500"}}
        << Values{{"Upload_threads", "4"}, {"Upload_fail_try", "1500"}};
    QTest::newRow("below the ranges") << Values{{"Upload_threads", "0"}, {"Upload_fail_try", "0"}}
                                      << Values{{"sBUploadThreads", "1"}, {"sBTryFail", "1"}}
                                      << Values{{"Upload_threads", "1"}, {"Upload_fail_try", "1"}};
    QTest::newRow("not numbers") << Values{{"Upload_threads", "abc"}, {"Upload_fail_try", "many"}}
                                 << Values{{"sBUploadThreads", "1"}, {"sBTryFail", "1"}}
                                 << Values{{"Upload_threads", "1"}, {"Upload_fail_try", "1"}};
    QTest::newRow("limit on, shutdown, folder") << Values{{"use_upload_limit", "true"},
                                                          {"Upload_limit", "64"},
                                                          {"Upload_auto_shutdown", "true"},
                                                          {"Upload_Dir", "/srv/up"}}
                                                << Values{{"txt_speedlimit", "64"},
                                                          {"chck_AutoShutdown", "on"},
                                                          {"txt_Upload_Dir", "/srv/up/disabled"}}
                                                << Values{{"Upload_limit", "64"},
                                                          {"use_upload_limit", "true"},
                                                          {"Upload_auto_shutdown", "true"},
                                                          {"Upload_Dir", "/srv/up"}};
}

void TestOptions::uploadPage() {
    QFETCH(Values, values);
    QFETCH(Values, shown);
    QFETCH(Values, saved);
    storeOnly(values);
    checkPage("dialogoption_formupload", shown, saved);
}

void TestOptions::folderChooser() {
    storeOnly({{"Download_Dir", "/srv/down"}});
    DialogOption dialog(DialogOption::AllPages);
    auto* field = child<QLineEdit>(dialog, "txt_Download_Dir");
    auto* choose = child<QPushButton>(*page(dialog, "dialogoption_formdownload"), "btn_chon");
    ScriptedUserPrompt prompt;
    prompt.answerPath(QString());                   // cancelled
    prompt.answerPath(QStringLiteral("  "));        // blank
    prompt.answerPath(QStringLiteral("/srv/down")); // the same folder
    choose->click();
    choose->click();
    choose->click();
    QCOMPARE(field->text(), QStringLiteral("/srv/down"));
    QVERIFY(!okButton(dialog)->isEnabled());
    QCOMPARE(prompt.asked().first().dir, QStringLiteral("/srv/down"));
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Chọn thư mục"));

    // An empty field starts at home; a new folder is a change.
    storeOnly({});
    DialogOption fresh(DialogOption::AllPages);
    prompt.answerPath(QStringLiteral("/srv/up "));
    child<QPushButton>(*page(fresh, "dialogoption_formupload"), "btn_chon")->click();
    QCOMPARE(prompt.asked().last().dir, QDir::homePath());
    QCOMPARE(child<QLineEdit>(fresh, "txt_Upload_Dir")->text(), QStringLiteral("/srv/up "));
    QVERIFY(okButton(fresh)->isEnabled());
}

void TestOptions::speedLimitSurvivesLanguageChange() {
    storeOnly({{"use_download_limit", "true"}, {"Download_limit", "300"}});
    DialogOption dialog(DialogOption::AllPages);
    QEvent change(QEvent::LanguageChange);
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        QCoreApplication::sendEvent(widget, &change);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(child<QLineEdit>(*page(dialog, "dialogoption_formdownload"), "txt_speedlimit")->text(),
             QStringLiteral("300"));
    QCOMPARE(child<QLineEdit>(*page(dialog, "dialogoption_formupload"), "txt_speedlimit")->text(),
             QString());
    QVERIFY(!okButton(dialog)->isEnabled());
    QCOMPARE(child<QLabel>(dialog, "lb_title")->text(), QStringLiteral(" Tổng Quát"));
    QTRY_COMPARE(okButton(dialog)->text(), QStringLiteral("Đồng ý"));
}

// A stored 200 shows as 200 in the narrow fields: nothing scrolled out on the left.
void TestOptions::speedLimitShowsWhole() {
    storeOnly({{"use_download_limit", "true"},
               {"Download_limit", "200"},
               {"use_upload_limit", "true"},
               {"Upload_limit", "200"}});
    DialogOption dialog(DialogOption::AllPages);
    for (const char* name : {"dialogoption_formdownload", "dialogoption_formupload"}) {
        QWidget* shown = page(dialog, name);
        shown->show();
        auto* field = child<QLineEdit>(*shown, "txt_speedlimit");
        QCOMPARE(field->text(), QStringLiteral("200"));
        field->grab(); // the field scrolls to its cursor as it paints
        const QString beforeCursor = field->displayText().left(field->cursorPosition());
        const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(cursor.center().x() >= field->fontMetrics().horizontalAdvance(beforeCursor), name);
    }
}

void TestOptions::okOnlyAfterChange_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<bool>("restartQuestion");
    QTest::newRow("general switch") << "chk_ontop" << false;
    QTest::newRow("language") << "cmbLanguage" << true;
    QTest::newRow("download switch") << "chkCaptureIE" << false;
    QTest::newRow("download threads") << "sBDownloadThreads" << false;
    QTest::newRow("upload tries") << "sBTryFail" << false;
    QTest::newRow("chosen proxy clicked again") << "rd_noproxy" << true;
    QTest::newRow("proxy host typed") << "txt_proxy" << true;
}

void TestOptions::okOnlyAfterChange() {
    QFETCH(QString, widget);
    QFETCH(bool, restartQuestion);
    storeOnly({{"Language", "brisko_vi.qm"}});
    DialogOption dialog(DialogOption::AllPages);
    QSignalSpy saved(&dialog, &DialogOption::settingChange);
    QVERIFY(!okButton(dialog)->isEnabled());
    okButton(dialog)->click(); // disabled: nothing happens
    QCOMPARE(saved.count(), 0);

    QWidget* target = child<QWidget>(dialog, qPrintable(widget));
    if (auto* combo = qobject_cast<QComboBox*>(target))
        combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(target))
        spin->setValue(spin->value() - 1);
    else if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setText(QStringLiteral("proxy.lan"));
    else
        qobject_cast<QAbstractButton*>(target)->click();
    QVERIFY(okButton(dialog)->isEnabled());

    ScriptedUserPrompt prompt;
    if (restartQuestion)
        prompt.answer(QMessageBox::No); // "Khởi động sau"
    okButton(dialog)->click();
    QCOMPARE(saved.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(prompt.asked().size(), restartQuestion ? 1 : 0);
    if (restartQuestion) {
        QCOMPARE(prompt.asked().first().title, QStringLiteral("Chú ý"));
        QCOMPARE(
            prompt.asked().first().text,
            QStringLiteral("Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực."));
    }
    QVERIFY(!dialog.restartRequested());
}

void TestOptions::cancelWritesNothing() {
    storeOnly({{"Download_threads", "15"}, {"useProxy", "2"}, {"httpPort", "12a"}});
    const QByteArray before = [] {
        QFile file(SettingsStore().fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    for (const char* closer : {"cancel", "btnClose", "escape"}) {
        DialogOption dialog(DialogOption::AllPages);
        QSignalSpy saved(&dialog, &DialogOption::settingChange);
        child<QCheckBox>(dialog, "chk_ontop")->click();
        child<QRadioButton>(dialog, "rd_noproxy")->click();
        dialog.show();
        if (QByteArray(closer) == "cancel")
            child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        else if (QByteArray(closer) == "btnClose")
            child<QPushButton>(dialog, "btnClose")->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(saved.count(), 0);
    }
    SettingsStore().sync();
    QFile file(SettingsStore().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestOptions::pagesFromTheList() {
    storeOnly({});
    DialogOption dialog(DialogOption::AllPages);
    dialog.show();
    auto* list = child<QListWidget>(dialog, "listWidget");
    auto* title = child<QLabel>(dialog, "lb_title");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        QVERIFY(!list->item(i)->isHidden());
        entries << list->item(i)->text();
    }
    QCOMPARE(entries,
             (QStringList{" Tổng Quát", " Tác vụ tải lên", " Tác vụ tải xuống", " Kết nối"}));
    QCOMPARE(title->text(), QStringLiteral(" Tổng Quát"));
    QVERIFY(page(dialog, "dialogoption_formgeneral")->isVisible());
    list->setCurrentRow(3);
    QCOMPARE(title->text(), QStringLiteral(" Kết nối"));
    QVERIFY(!page(dialog, "dialogoption_formgeneral")->isVisible());
    QVERIFY(page(dialog, "dialogoption_formconnect")->isVisible());
    QVERIFY(!okButton(dialog)->isEnabled());

    // Closing with a current entry: taking the entries away moves the current one, and
    // that must not reach the pages being destroyed.
    auto* shown = new DialogOption(DialogOption::AllPages);
    child<QListWidget>(*shown, "listWidget")->setCurrentRow(0);
    shown->show();
    delete shown;
}

void TestOptions::connectionPageAloneFromLogin() {
    storeOnly({{"Download_threads", "7"}, {"useProxy", "0"}});
    LoginForm login;
    ModalAnswerer modals;
    bool checked = false;
    modals.next([&](QDialog* shown) {
        auto* dialog = qobject_cast<DialogOption*>(shown);
        QVERIFY(dialog);
        auto* list = child<QListWidget>(*dialog, "listWidget");
        QStringList listed;
        for (int i = 0; i < list->count(); ++i)
            if (!list->item(i)->isHidden())
                listed << list->item(i)->text();
        QCOMPARE(listed, QStringList{QStringLiteral(" Kết nối")});
        QCOMPARE(child<QLabel>(*dialog, "lb_title")->text(), QStringLiteral(" Kết nối"));
        for (const char* name :
             {"dialogoption_formgeneral", "dialogoption_formupload", "dialogoption_formdownload"})
            QVERIFY(!page(*dialog, name)->isVisible());
        QVERIFY(page(*dialog, "dialogoption_formconnect")->isVisible());
        QVERIFY(!okButton(*dialog)->isEnabled());
        checked = true;
        dialog->reject();
    });
    emit child<QLabel>(login, "lblOption")->linkActivated(QStringLiteral("/option"));
    QVERIFY(checked);
    QCOMPARE(modals.answered().size(), 1);
    // Another link opens nothing.
    emit child<QLabel>(login, "lblOption")->linkActivated(QStringLiteral("/Option"));
    QCOMPARE(modals.answered().size(), 1);
    QVERIFY(modals.unexpected().isEmpty());
}

void TestOptions::restartFromLogin_data() {
    QTest::addColumn<bool>("restart");
    QTest::addColumn<bool>("startWorks");
    QTest::newRow("restart later") << false << true;
    QTest::newRow("restart now") << true << true;
    QTest::newRow("restart now, the new copy fails to start") << true << false;
}

void TestOptions::restartFromLogin() {
    QFETCH(bool, restart);
    QFETCH(bool, startWorks);
    storeOnly({});
    quitStatuses.clear();
    QStringList order;
    programexit::setInstanceRelease([&order] { order << QStringLiteral("released"); });
    platform::RecordingSystemActions system;
    system.setStartResult(startWorks);
    ScriptedUserPrompt prompt;
    prompt.answer(restart ? QMessageBox::Yes : QMessageBox::No);
    if (!startWorks)
        prompt.answer(QMessageBox::Ok);
    LoginForm login;
    ModalAnswerer modals;
    modals.next([](QDialog* dialog) {
        child<QRadioButton>(*dialog, "rd_proxy")->click();
        child<QLineEdit>(*dialog, "txt_proxy")->setText(QStringLiteral("proxy.lan"));
        child<QLineEdit>(*dialog, "txt_port")->setText(QStringLiteral("3128"));
        okButton(*qobject_cast<DialogOption*>(dialog))->click();
    });
    emit child<QLabel>(login, "lblOption")->linkActivated(QStringLiteral("/option"));
    programexit::setInstanceRelease({});

    QCOMPARE(stored("useProxy"), QStringLiteral("2"));
    QCOMPARE(stored("httpPort"), QStringLiteral("3128"));
    QCOMPARE(quitStatuses, restart ? QList<int>{0} : QList<int>{});
    QCOMPARE(order, restart ? QStringList{"released"} : QStringList{});
    QCOMPARE(system.calls().size(), restart ? 1 : 0);
    if (restart) {
        QCOMPARE(system.calls().first().kind, QStringLiteral("detached"));
        QCOMPARE(system.calls().first().program, platform::programFilePath());
        QVERIFY(system.calls().first().arguments.isEmpty());
        QCOMPARE(stored("useProxy"), QStringLiteral("2")); // written out before the start
    }
    // A failed start is said, not swallowed.
    QCOMPARE(prompt.asked().size(), startWorks ? 1 : 2);
    if (!startWorks)
        QCOMPARE(prompt.asked().last().kind, ScriptedUserPrompt::Kind::Critical);
}

// From the main window the restart goes through quitting: the transfer tabs are torn
// down (their jobs stopped, histories written) before the new copy starts.
void TestOptions::restartFromMainWindow() {
    storeOnly({{"Language", "brisko_vi.qm"}, {"Download_threads", "3"}});
    quitStatuses.clear();
    platform::RecordingSystemActions system;
    TrayMainForm window;
    const auto user = session.logIn();
    QVERIFY(user);
    window.loginDone(*user);
    QVERIFY(MainFormProbe::formDownload(window));
    QPointer<FormDownload> download = MainFormProbe::formDownload(window);
    bool tabsAliveAtStart = true;
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Yes);
    ModalAnswerer modals;
    modals.next([](QDialog* dialog) {
        auto* language = child<QComboBox>(*dialog, "cmbLanguage");
        language->setCurrentIndex(language->findData(QStringLiteral("brisko_en.qm")));
        child<QComboBox>(*dialog, "sBDownloadThreads")->setCurrentIndex(4);
        okButton(*qobject_cast<DialogOption*>(dialog))->click();
    });
    // Just before the new copy starts, this one lets go of its lock.
    programexit::setInstanceRelease([&] { tabsAliveAtStart = !download.isNull(); });
    window.on_actionTool_triggered();
    programexit::setInstanceRelease({});

    QCOMPARE(stored("Language"), QStringLiteral("brisko_en.qm"));
    QCOMPARE(stored("Download_threads"), QStringLiteral("5"));
    QCOMPARE(quitStatuses, QList<int>{0});
    QVERIFY(!tabsAliveAtStart);
    int starts = 0;
    for (const auto& call : system.calls())
        starts += call.program == platform::programFilePath() ? 1 : 0;
    QCOMPARE(starts, 1);
}

void TestOptions::failedSaveIsTold_data() {
    QTest::addColumn<bool>("restart");
    QTest::newRow("OK") << false;
    QTest::newRow("OK, then a restart") << true;
}

// On a full disk, what OK saved is told once with the program's error box: over the window
// the dialog was opened from, or before the restart, which goes on.
void TestOptions::failedSaveIsTold() {
    QFETCH(bool, restart);
    // A file that the next write cannot fit under the limit.
    storeOnly({{"Download_Dir", QString(4000, 'd')}, {"useProxy", "0"}});
    quitStatuses.clear();
    platform::RecordingSystemActions system;
    ScriptedUserPrompt prompt;
    if (restart)
        prompt.answer(QMessageBox::Yes); // the restart question
    prompt.answer(QMessageBox::Ok);
    QWidget window;
    const auto failures = [&] {
        int count = 0;
        for (const auto& asked : prompt.asked())
            count += asked.kind == ScriptedUserPrompt::Kind::Critical;
        return count;
    };
    const bool told = withFileSizeLimit(2048, [&] {
        auto* dialog = new DialogOption(DialogOption::AllPages, &window);
        if (restart)
            child<QRadioButton>(*dialog, "rd_autodetectproxy")->click();
        else
            child<QCheckBox>(*dialog, "chk_ontop")->click();
        okButton(*dialog)->click();
        const bool restartChosen = dialog->restartRequested();
        delete dialog; // as the callers do, once exec() returned
        if (restartChosen)
            programexit::restart();
        return QTest::qWaitFor([&] { return failures() > 0; }, 20000);
    });
    QVERIFY(told);
    QCoreApplication::processEvents(); // a second report would be on its way by now
    QCOMPARE(failures(), 1);
    const auto& box = prompt.asked().last();
    QCOMPARE(box.title, QStringLiteral("Lỗi!"));
    QVERIFY2(box.text.startsWith(QStringLiteral("Không lưu được tùy chỉnh (")), qPrintable(box.text));
    QCOMPARE(box.parent.data(), restart ? nullptr : &window);
    QCOMPARE(quitStatuses, restart ? QList<int>{0} : QList<int>{});
    // The change holds for this run, and is written once there is room.
    QCOMPARE(stored(restart ? "useProxy" : "Stay_on_top"), QString(restart ? "1" : "true"));
    QVERIFY(SettingsStore().sync());
}

void TestOptions::aboutTexts_data() {
    QTest::addColumn<QString>("buildDate");
    QTest::addColumn<QString>("shown");
    QTest::newRow("as released") << "Feb 14 2017"
                                 << "2017/02/14";
    QTest::newRow("one-digit day, padded") << "Feb  4 2017"
                                           << "2017/02/04";
    QTest::newRow("not a date") << "14/02/2017"
                                << "";
}

void TestOptions::aboutTexts() {
    QFETCH(QString, buildDate);
    QFETCH(QString, shown);
    QCOMPARE(dialogabout::releaseDateText(buildDate), shown);
}

void TestOptions::aboutDialog() {
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.0"));
    storeOnly({});
    dialogabout about;
    QCOMPARE(child<QLabel>(about, "lb_value_version")->text(), QStringLiteral("5.3.0 build 174"));
    QCOMPARE(child<QLabel>(about, "lb_value_release")->text(), QStringLiteral("2017/02/14"));
    QVERIFY(child<QLabel>(about, "lb_contact")
                ->text()
                .contains(QStringLiteral("href=\"https://www.") +
                          QString::fromStdString(hosts::webHost()) + QStringLiteral("/support\"")));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(about.windowFlags() & Qt::WindowStaysOnTopHint));

    // A language change keeps the version and date.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&about, &change);
    QCOMPARE(child<QLabel>(about, "lb_value_version")->text(), QStringLiteral("5.3.0 build 174"));
    QVERIFY(child<QLabel>(about, "lb_contact")->text().startsWith(QStringLiteral("Liên hệ: <a")));

    // Dragged with the left button alone.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPoint start = about.pos();
    const QPoint grip(200, 40);
    const QPoint to = grip + QPoint(30, 20);
    auto mouse = [&about](QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent event(type, at, at, about.mapToGlobal(at), button, held, {});
        QCoreApplication::sendEvent(&about, &event);
    };
    mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(about.pos(), start);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(about.pos(), start + QPoint(30, 20));

    child<QPushButton>(about, "btnClose")->click();
    QVERIFY(!about.isVisible());

    SettingsStore().setValue(SettingsKeys::StayOnTop, true);
    dialogabout onTop;
    QVERIFY(onTop.windowFlags() & Qt::WindowStaysOnTopHint);
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
