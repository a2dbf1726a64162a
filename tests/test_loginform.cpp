// The login dialog against the stand-in: what it accepts as a login name and password,
// the remembered account and automatic login in the settings, the stored password's
// cipher, how it answers the service's result codes, and quitting.
#include "core/globals.h"
#include "core/ruridudi.h"
#include "tests/support/scripteduserprompt.h"
#include "mainwindow/loginform.h"
#include "mainwindow/loginrules.h"
#include "mainwindow/programexit.h"
#include "mainwindow/rememberedpassword.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/mainwindowsession.h"
#include "tests/support/environmentvalue.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/windowshots.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QCheckBox>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

const char kLoginPath[] = "/api/user/login";
const char kAccountPath[] = "/api/user/get";
const char kVersionPath[] = "/api/service/getlatestversion";

QString demoEmail() {
    return QString::fromLatin1(devservice::demo::kEmail);
}
QString demoPassword() {
    return QString::fromLatin1(devservice::demo::kPassword);
}

// The dialog's widgets by name.
struct Fields {
    explicit Fields(LoginForm& form)
        : email(form.findChild<QLineEdit*>(QStringLiteral("txt_email"))),
          password(form.findChild<QLineEdit*>(QStringLiteral("txt_password"))),
          login(form.findChild<QPushButton*>(QStringLiteral("btn_login"))),
          quit(form.findChild<QPushButton*>(QStringLiteral("btn_quit"))),
          remember(form.findChild<QCheckBox*>(QStringLiteral("chckRemember"))),
          autoLogin(form.findChild<QCheckBox*>(QStringLiteral("chckAutoLogin"))) {}
    QLineEdit* email;
    QLineEdit* password;
    QPushButton* login;
    QPushButton* quit;
    QCheckBox* remember;
    QCheckBox* autoLogin;
};

// Counts the logins the dialog hands over (QSignalSpy can't hold a RuriDudi&).
struct LoginCounter {
    explicit LoginCounter(LoginForm& form) {
        QObject::connect(&form, &LoginForm::loginFinish, [this](RuriDudi&) { ++n; });
    }
    int count() const { return n; }
    int n = 0;
};

bool showsError(const QLineEdit* field) {
    return field->styleSheet().contains(QLatin1String("login_textbox_error.png"));
}

void storeRememberedAccount(const QString& email, const QString& password, bool autoLogin) {
    SettingsStore settings;
    const QString salt = RememberedPassword::makeSalt(QTime(9, 30, 15));
    settings.setValue(SettingsKeys::RememberAccount, true);
    settings.setValue(SettingsKeys::AccountEmail, email);
    settings.setValue(SettingsKeys::PasswordSalt, salt);
    settings.setValue(SettingsKeys::AccountPassword, RememberedPassword::encipher(password, salt));
    settings.setValue(SettingsKeys::AutoLogin, autoLogin);
}

} // namespace

class TestLoginForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loginNames_data();
    void loginNames();
    void checksBeforeLogin_data();
    void checksBeforeLogin();
    void rememberedPassword_data();
    void rememberedPassword();
    void passphraseNamesMachineAndUser();
    void loginStoresTheAccount_data();
    void loginStoresTheAccount();
    void rememberedAccountNotSavedIsTold();
    void restoresTheAccount_data();
    void restoresTheAccount();
    void resultCodes_data();
    void resultCodes();
    void automaticLogin_data();
    void automaticLogin();
    void quitting_data();
    void quitting();
    void whileBusy_data();
    void whileBusy();

private:
    // Shows the dialog and waits until its update check has handed the form back.
    bool showReady(LoginForm& form);
    int calls(const char* path) { return int(session.service().requests().forPath(path).size()); }

    MainWindowSession session;
    QList<int> quitStatuses;
};

void TestLoginForm::initTestCase() {
    QVERIFY(session.start());
    programexit::setHandler([this](int status) { quitStatuses << status; });
}

void TestLoginForm::init() {
    SettingsStore settings;
    for (const char* key :
         {SettingsKeys::RememberAccount, SettingsKeys::AccountEmail, SettingsKeys::AccountPassword,
          SettingsKeys::PasswordSalt, SettingsKeys::AutoLogin})
        settings.remove(QString::fromLatin1(key));
    quitStatuses.clear();
    session.service().faults().clear();
}

void TestLoginForm::cleanup() {
    currentUserId.clear();
    currentUserLevel.clear();
}

bool TestLoginForm::showReady(LoginForm& form) {
    form.show();
    Fields fields(form);
    // Busy while the update check runs; ready once it called back.
    if (!QTest::qWaitFor([&] { return !fields.login->isEnabled(); }, 5000))
        return false;
    return QTest::qWaitFor([&] { return fields.login->isEnabled(); }, 20000);
}

void TestLoginForm::loginNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain address") << "demo@brisko.local" << true;
    QTest::newRow("two dots in a row") << "an..na@mail.vn" << true;
    QTest::newRow("plus and dot between runs") << "an+b.c@mail.vn" << true;
    QTest::newRow("underscore in the domain") << "an@my_mail.vn" << true;
    QTest::newRow("upper case") << "An.Nguyen@Mail.COM" << true;
    QTest::newRow("last label of 6 letters") << "an@mail.travel" << true;
    QTest::newRow("starts with a separator") << "_an@mail.vn" << false;
    QTest::newRow("ends with a separator") << "an_@mail.vn" << false;
    QTest::newRow("last label of 1") << "an@mail.v" << false;
    QTest::newRow("last label of 7") << "an@mail.abcdefg" << false;
    QTest::newRow("domain label starts with -") << "an@-mail.vn" << false;
    QTest::newRow("no @") << "an.mail.vn" << false;
    QTest::newRow("0, 9, 8 digits") << "0912345678" << true;
    QTest::newRow("0, 1, 9 digits") << "01234567890" << true;
    QTest::newRow("84, 9, 8 digits") << "84912345678" << true;
    QTest::newRow("84, 1, 9 digits") << "841234567890" << true;
    QTest::newRow("one digit more") << "09123456789" << false;
    QTest::newRow("one digit less") << "091234567" << false;
    QTest::newRow("0, 1, 8 digits") << "0123456789" << false;
    QTest::newRow("leading +") << "+84912345678" << false;
    QTest::newRow("space inside") << "0912 345678" << false;
    QTest::newRow("empty") << "" << false;
}

void TestLoginForm::loginNames() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(loginrules::isLoginName(text), accepted);
}

void TestLoginForm::checksBeforeLogin_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("emailWrong");
    QTest::addColumn<bool>("passwordWrong");
    QTest::newRow("spaces around the address")
        << QStringLiteral("  %1 ").arg(demoEmail()) << demoPassword() << false << false;
    QTest::newRow("bad address") << "nobody" << demoPassword() << true << false;
    QTest::newRow("blank password") << demoEmail() << "   " << false << true;
    QTest::newRow("empty password") << demoEmail() << "" << false << true;
    QTest::newRow("both wrong") << "nobody"
                                << "" << true << true;
}

void TestLoginForm::checksBeforeLogin() {
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(bool, emailWrong);
    QFETCH(bool, passwordWrong);
    LoginForm form;
    QVERIFY(showReady(form));
    Fields fields(form);
    fields.email->setText(email);
    fields.password->setText(password);
    const int before = calls(kLoginPath);
    LoginCounter finished(form);
    fields.login->click();
    QCOMPARE(fields.email->text(), email.trimmed());
    QCOMPARE(showsError(fields.email), emailWrong);
    QCOMPARE(showsError(fields.password), passwordWrong);
    if (emailWrong || passwordWrong) {
        // No job: the form stays ready and nothing reaches the service.
        QVERIFY(fields.login->isEnabled());
        QCOMPARE(calls(kLoginPath), before);
        QCOMPARE(form.focusWidget(), emailWrong ? fields.email : fields.password);
        // Typing in a field puts its normal look back.
        QTest::keyClick(emailWrong ? fields.email : fields.password, Qt::Key_A);
        QVERIFY(!showsError(emailWrong ? fields.email : fields.password));
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    const auto sent = session.service().requests().forPath(kLoginPath).back();
    QVERIFY2(sent.body.find("\"" + demoEmail().toStdString() + "\"") != std::string::npos,
             sent.body.c_str());
}

void TestLoginForm::rememberedPassword_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("ascii") << demoPassword();
    QTest::newRow("blanks kept") << " pass word ";
    QTest::newRow("beyond Latin-1") << QStringLiteral("mật khẩu ✓ 密码");
    QTest::newRow("empty") << "";
}

void TestLoginForm::rememberedPassword() {
    QFETCH(QString, password);
    const QString morning = RememberedPassword::makeSalt(QTime(8, 0, 1));
    const QString evening = RememberedPassword::makeSalt(QTime(20, 15, 59));
    QCOMPARE(morning.size(), 23);
    QVERIFY(morning.contains(QLatin1String("08:00:01")));
    const QString stored = RememberedPassword::encipher(password, morning);
    QVERIFY(
        QByteArray::fromBase64Encoding(stored.toLatin1(), QByteArray::AbortOnBase64DecodingErrors));
    QCOMPARE(RememberedPassword::decipher(stored, morning), password);
    if (password.isEmpty())
        return;
    QVERIFY(!stored.contains(password));
    // Another save time, another salt, another stored text.
    QVERIFY(RememberedPassword::encipher(password, evening) != stored);
    QVERIFY(RememberedPassword::decipher(stored, evening) != password);
    // Another user on the machine reads nothing useful.
    EnvironmentValue other("USERNAME", "someone-else");
    QVERIFY(RememberedPassword::decipher(stored, morning) != password);
}

void TestLoginForm::passphraseNamesMachineAndUser() {
    const QString salt = RememberedPassword::makeSalt(QTime(1, 2, 3));
    {
        EnvironmentValue computer("COMPUTERNAME", QByteArray());
        EnvironmentValue user("USERNAME", QByteArray());
        const QByteArray phrase = RememberedPassword::passphrase(salt);
        QVERIFY(phrase.contains(salt.toUtf8()));
        QVERIFY(phrase.contains(QHostInfo::localHostName().toUtf8()));
        QVERIFY(!RememberedPassword::userName().isEmpty());
        QVERIFY(phrase.endsWith(RememberedPassword::userName().toUtf8()));
    }
    EnvironmentValue computer("COMPUTERNAME", "OFFICE-PC");
    EnvironmentValue user("USERNAME", "lan");
    QVERIFY(RememberedPassword::passphrase(salt).endsWith(salt.toUtf8() + "OFFICE-PClan"));
}

void TestLoginForm::loginStoresTheAccount_data() {
    QTest::addColumn<bool>("remember");
    QTest::addColumn<bool>("autoLogin");
    QTest::newRow("remembered, automatic") << true << true;
    QTest::newRow("remembered") << true << false;
    QTest::newRow("not remembered, automatic box still ticked") << false << true;
    QTest::newRow("not remembered") << false << false;
}

void TestLoginForm::loginStoresTheAccount() {
    QFETCH(bool, remember);
    QFETCH(bool, autoLogin);
    storeRememberedAccount(QStringLiteral("old@mail.vn"), QStringLiteral("old"), false);
    const QString oldSalt = SettingsStore().text(SettingsKeys::PasswordSalt);
    LoginForm form;
    QVERIFY(showReady(form));
    Fields fields(form);
    fields.email->setText(demoEmail());
    fields.password->setText(demoPassword());
    fields.remember->setChecked(remember);
    fields.autoLogin->setChecked(autoLogin);
    std::unique_ptr<RuriDudi> handed;
    connect(&form, &LoginForm::loginFinish, this,
            [&handed](RuriDudi& user) { handed = std::make_unique<RuriDudi>(user); });
    fields.login->click();
    QTRY_VERIFY_WITH_TIMEOUT(handed, 20000);
    QVERIFY(form.isHidden());

    const SettingsStore settings;
    QCOMPARE(settings.boolean(SettingsKeys::RememberAccount), remember);
    QCOMPARE(settings.boolean(SettingsKeys::AutoLogin), autoLogin);
    const QString salt = settings.text(SettingsKeys::PasswordSalt);
    if (remember) {
        QVERIFY(salt != oldSalt);
        QCOMPARE(settings.text(SettingsKeys::AccountEmail), demoEmail());
        QCOMPARE(RememberedPassword::decipher(settings.text(SettingsKeys::AccountPassword), salt),
                 demoPassword());
    } else {
        QCOMPARE(salt, oldSalt);
        QVERIFY(!settings.contains(SettingsKeys::AccountEmail));
        QVERIFY(!settings.contains(SettingsKeys::AccountPassword));
    }
    // The record handed over, and the account's id and level for the banner.
    const auto account = session.service().accounts().findByLogin(devservice::demo::kEmail);
    QCOMPARE(handed->getUserId(), QString::fromStdString(account->id));
    QCOMPARE(currentUserId, handed->getUserId());
    QCOMPARE(handed->getLevel(), currentUserLevel.toInt());
    QCOMPARE(handed->getEmail(), demoEmail());
    QCOMPARE(handed->getPassword(), demoPassword());
    QCOMPARE(handed->getSessionId(),
             QString::fromStdString(apiClient.get_session()->get_session_id()));
}

// On a full disk the remembered account is not kept: the login goes on, and the user is
// told once, with the program's error box.
void TestLoginForm::rememberedAccountNotSavedIsTold() {
    {
        SettingsStore settings; // a file the next write cannot fit under the limit
        settings.setValue(QStringLiteral("Download_Dir"), QString(4000, 'd'));
        QVERIFY(settings.sync());
    }
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Ok);
    LoginForm form;
    QVERIFY(showReady(form));
    Fields fields(form);
    fields.email->setText(demoEmail());
    fields.password->setText(demoPassword());
    fields.remember->setChecked(true);
    LoginCounter logins(form);
    const bool told = withFileSizeLimit(2048, [&] {
        fields.login->click();
        return QTest::qWaitFor([&] { return logins.count() == 1 && !prompt.asked().isEmpty(); },
                               20000);
    });
    QVERIFY(told);
    QCOMPARE(prompt.asked().size(), 1);
    const auto& box = prompt.asked().first();
    QCOMPARE(box.kind, ScriptedUserPrompt::Kind::Critical);
    QCOMPARE(box.title, QStringLiteral("Lỗi!"));
    QVERIFY2(box.text.startsWith(QStringLiteral("Không lưu được tùy chỉnh (")), qPrintable(box.text));
    QCOMPARE(box.parent.data(), &form);
    // In force for this run all the same, and written once there is room.
    QCOMPARE(SettingsStore().text(SettingsKeys::AccountEmail), demoEmail());
    QVERIFY(SettingsStore().sync());
    SettingsStore().remove(QStringLiteral("Download_Dir"));
}

void TestLoginForm::restoresTheAccount_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("remembered");
    QTest::newRow("remembered") << "remembered" << demoEmail() << demoPassword() << true;
    QTest::newRow("salt missing") << "no salt" << demoEmail() << "" << true;
    QTest::newRow("stored text not base64") << "not base64" << demoEmail() << "*" << true;
    QTest::newRow("not remembered") << "forgotten"
                                    << ""
                                    << "" << false;
}

void TestLoginForm::restoresTheAccount() {
    QFETCH(QString, setup);
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(bool, remembered);
    storeRememberedAccount(demoEmail(), demoPassword(), false);
    SettingsStore settings;
    if (setup == QLatin1String("no salt"))
        settings.remove(SettingsKeys::PasswordSalt);
    else if (setup == QLatin1String("not base64"))
        settings.setValue(SettingsKeys::AccountPassword, QStringLiteral("%%not*base64"));
    else if (setup == QLatin1String("forgotten"))
        settings.setValue(SettingsKeys::RememberAccount, false);
    settings.sync();

    LoginForm form;
    Fields fields(form);
    QCOMPARE(fields.email->text(), email);
    if (password == QLatin1String("*"))
        QVERIFY(fields.password->text() != demoPassword()); // deciphered garbage, no crash
    else
        QCOMPARE(fields.password->text(), password);
    QCOMPARE(fields.remember->isChecked(), remembered);
    QCOMPARE(fields.autoLogin->isEnabled(), remembered);
}

void TestLoginForm::resultCodes_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("code");     // the box's code; 0: no box
    QTest::addColumn<QString>("text"); // the box's text
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<int>("logins"); // login requests made
    QTest::newRow("5: refused") << "wrong"
                                << "" << 5 << "Sai email hoặc mật khẩu" << false << 1;
    // Sent twice: once on the kept connection, once more on a new one.
    QTest::newRow("11: no reply") << demoPassword() << "cut" << 11 << "Kết nối mạng bị lỗi \n"
                                  << false << 2;
    QTest::newRow("433: version refused") << demoPassword() << "433" << 0 << "" << false << 1;
    QTest::newRow("33: version refused") << demoPassword() << "33" << 0 << "" << false << 1;
    QTest::newRow("201 once: one new login") << demoPassword() << "201" << 0 << "" << true << 2;
    QTest::newRow("201 twice: reported")
        << demoPassword() << "201 201" << 201 << "Phiên đăng nhập đã hết hạn" << false << 2;
}

void TestLoginForm::resultCodes() {
    QFETCH(QString, password);
    QFETCH(QString, fault);
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(bool, loggedIn);
    QFETCH(int, logins);
    LoginForm form;
    QVERIFY(showReady(form));
    ScriptedUserPrompt prompt;
    if (code != 0)
        prompt.answer(QMessageBox::Ok);
    auto& faults = session.service().faults();
    const std::string expired = R"({"code":201,"msg":"Phiên đăng nhập đã hết hạn"})";
    if (fault == QLatin1String("cut")) {
        // On a kept connection a call that gets no reply is sent once more on a new one.
        faults.next(kLoginPath, devservice::Fault::cutBeforeReply());
        faults.next(kLoginPath, devservice::Fault::cutBeforeReply());
    }
    else if (fault == QLatin1String("433") || fault == QLatin1String("33"))
        faults.next(kLoginPath,
                    devservice::Fault::status(200, R"({"code":)" + fault.toStdString() +
                                                       R"(,"msg":"Phiên bản quá cũ"})"));
    for (int i = 0; i < fault.count(QLatin1String("201")); ++i)
        faults.next(kAccountPath, devservice::Fault::status(200, expired));

    Fields fields(form);
    fields.email->setText(demoEmail());
    fields.password->setText(password);
    const int loginsBefore = calls(kLoginPath);
    const int checksBefore = calls(kVersionPath);
    LoginCounter finished(form);
    fields.login->click();
    if (loggedIn) {
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    } else if (code != 0) {
        QTRY_COMPARE_WITH_TIMEOUT(prompt.asked().size(), 1, 20000);
        const auto& box = prompt.asked().first();
        QCOMPARE(box.kind, ScriptedUserPrompt::Kind::Critical);
        QCOMPARE(box.title, QStringLiteral("Login error! (%1)").arg(code));
        QCOMPARE(box.text, text);
        QVERIFY(fields.login->isEnabled());
        QVERIFY(form.isVisible());
    } else {
        // No box: the update check runs again, as a required one, and gives the form back.
        QTRY_COMPARE_WITH_TIMEOUT(calls(kVersionPath), checksBefore + 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(fields.login->isEnabled(), 20000);
        QVERIFY(prompt.asked().isEmpty());
    }
    QCOMPARE(calls(kLoginPath) - loginsBefore, logins);
    QCOMPARE(finished.count(), loggedIn ? 1 : 0);
}

void TestLoginForm::automaticLogin_data() {
    QTest::addColumn<bool>("startup");
    QTest::addColumn<bool>("autoLogin");
    QTest::addColumn<QString>("storedEmail");
    QTest::addColumn<bool>("logsIn");
    QTest::newRow("start-up, automatic") << true << true << demoEmail() << true;
    QTest::newRow("after a logout") << false << true << demoEmail() << false;
    QTest::newRow("not automatic") << true << false << demoEmail() << false;
    QTest::newRow("no stored address") << true << true << "  " << false;
}

void TestLoginForm::automaticLogin() {
    QFETCH(bool, startup);
    QFETCH(bool, autoLogin);
    QFETCH(QString, storedEmail);
    QFETCH(bool, logsIn);
    storeRememberedAccount(storedEmail, demoPassword(), autoLogin);
    LoginForm form;
    form.setStartupLogin(startup);
    LoginCounter finished(form);
    const int before = calls(kLoginPath);
    form.show();
    if (logsIn) {
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        return;
    }
    // The form comes back from the update check and stays ready: the automatic click
    // would have happened in that same moment.
    Fields fields(form);
    QVERIFY(QTest::qWaitFor([&] { return !fields.login->isEnabled(); }, 5000));
    QTRY_VERIFY_WITH_TIMEOUT(fields.login->isEnabled(), 20000);
    QCOMPARE(calls(kLoginPath), before);
    QCOMPARE(finished.count(), 0);
}

void TestLoginForm::quitting_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("quit button pressed") << "press";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window closed") << "close";
}

void TestLoginForm::quitting() {
    QFETCH(QString, how);
    LoginForm form;
    QVERIFY(showReady(form));
    Fields fields(form);
    if (how == QLatin1String("press"))
        QTest::mousePress(fields.quit, Qt::LeftButton); // released nowhere
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&form, Qt::Key_Escape);
    else
        form.close();
    QCOMPARE(quitStatuses, QList<int>{1});
}

void TestLoginForm::whileBusy_data() {
    QTest::addColumn<QString>("held"); // the call held while the user acts
    QTest::addColumn<QString>("act");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Enter again during the login") << kLoginPath << "enter" << false;
    QTest::newRow("Enter again during the account read") << kAccountPath << "enter" << false;
    QTest::newRow("Enter during the update check") << kVersionPath << "enter" << false;
    QTest::newRow("Escape during the login") << kLoginPath << "escape" << true;
    QTest::newRow("closed during the login") << kLoginPath << "close" << true;
    QTest::newRow("quit clicked during the login") << kLoginPath << "click quit" << true;
}

// While the form waits for a call, the user typed, pressed Enter and presses it again:
// nothing happens until the call is back, and then the login goes on (the focus must not
// have fallen on the quit button). Escape, closing and the quit button still quit. The
// status line says what the form waits for, and the spinner leaves it room.
void TestLoginForm::whileBusy() {
    QFETCH(QString, held);
    QFETCH(QString, act);
    QFETCH(bool, quits);
    const bool checking = held == QLatin1String(kVersionPath);
    // Shared with the stand-in, which may look at it once more after the row has ended.
    const auto released = std::make_shared<std::atomic<bool>>(false);
    const auto release = qScopeGuard([released] { *released = true; });
    auto& faults = session.service().faults();
    LoginForm form;
    Fields fields(form);
    auto* status = form.findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* spinner = form.findChild<QLabel*>(QStringLiteral("img_loading"));
    LoginCounter logins(form);
    const int before = calls(held.toLatin1().constData());
    faults.next(held.toStdString(),
                devservice::Fault::waitFor([released] { return released->load(); }));
    if (checking) {
        // Shown with the focus in the e-mail field, as the window system gives it.
        form.show();
        fields.email->setFocus(Qt::ActiveWindowFocusReason);
    } else {
        QVERIFY(showReady(form));
        QApplication::setActiveWindow(&form);
        fields.email->setText(demoEmail());
        fields.password->setText(demoPassword());
        fields.password->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(fields.password, Qt::Key_Return);
    }
    QTRY_COMPARE_WITH_TIMEOUT(calls(held.toLatin1().constData()), before + 1, 20000);
    leaveShot(form, checking ? QStringLiteral("login-update-check") : QStringLiteral("login-held"));
    QVERIFY(!fields.login->isEnabled());
    QVERIFY(status->isVisible() && spinner->isVisible());
    QCOMPARE(status->text(), checking ? QStringLiteral("<b>Đang kiểm tra phiên bản mới</b>")
                                      : QStringLiteral("Loading..."));
    QVERIFY2(!spinner->geometry().intersects(status->geometry()),
             qPrintable(QStringLiteral("spinner %1,%2 %3x%4 over the status line")
                            .arg(spinner->x())
                            .arg(spinner->y())
                            .arg(spinner->width())
                            .arg(spinner->height())));

    // The keys go where the user's keyboard sends them: to the widget with the focus.
    QWidget* keys = form.focusWidget() ? form.focusWidget() : &form;
    if (act == QLatin1String("enter"))
        QTest::keyClick(keys, Qt::Key_Return);
    else if (act == QLatin1String("escape"))
        QTest::keyClick(keys, Qt::Key_Escape);
    else if (act == QLatin1String("close"))
        form.close();
    else
        fields.quit->click();
    QCOMPARE(quitStatuses.isEmpty(), !quits);
    if (quits) {
        QCOMPARE(quitStatuses.first(), 1);
        return;
    }
    *released = true;
    if (checking) {
        QTRY_VERIFY_WITH_TIMEOUT(fields.login->isEnabled(), 20000);
        QCOMPARE(logins.count(), 0);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(logins.count(), 1, 20000);
    }
    QVERIFY(quitStatuses.isEmpty());
}

QTEST_MAIN(TestLoginForm)
#include "test_loginform.moc"
