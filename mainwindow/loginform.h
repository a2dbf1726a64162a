#pragma once
// The login dialog: checks the typed e-mail address (or phone number) and password, logs
// in on a background job, remembers the account when asked, loads the account record and
// hands the account to the main window. Every showing runs the update check first; at
// start-up it logs in by itself when automatic login is set. Quitting it ends the
// program with status 1.
#include "api/user.h"
#include "core/servicecall.h"
#include "core/windowdrag.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class RuriDudi;
class ServiceCallRunner;

namespace Ui {
class LoginForm;
}

class LoginForm : public QDialog {
    Q_OBJECT
public:
    explicit LoginForm(QWidget* parent = nullptr);
    ~LoginForm() override;

    // Whether the coming run is the one at start-up (the only one that logs in by itself).
    // Called before every run.
    void setStartupLogin(bool startup);

    // Escape: ends the program like the quit button.
    void reject() override;

signals:
    // Once per successful login, after the dialog has hidden itself. The receiver copies
    // the record; it lives only during the emission.
    void loginFinish(RuriDudi& user);

public slots:
    void login_success();
    void login_error(int code, QString message);
    void check_update(bool force);
    void check_update();
    void disableForm();
    void enableForm();

private slots:
    void on_btn_login_clicked();
    void on_btn_quit_clicked();
    void on_btn_quit_pressed();
    void on_txt_email_textEdited(QString text);
    void on_txt_password_textEdited(QString text);
    void on_chckRemember_stateChanged(int state);
    void on_lblOption_linkActivated(QString link);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the account read after a login brings back.
    struct AccountRead {
        ServiceCallResult result;
        std::shared_ptr<brisko::user> account;
    };

    void accountRead(const AccountRead& read, const QString& email, const QString& password);
    // Ends the program (every way of quitting the dialog).
    void quit();
    void autoLoginAfterUpdateCheck();
    void restoreRememberedAccount();
    void saveRememberedAccount(const QString& email, const QString& password);
    // The texts of the form that carry the web site's address.
    void applyWebLinks();
    void centreOnScreen();
    // What the busy state disables; the quit button stays usable.
    QList<QWidget*> formWidgets() const;

    Ui::LoginForm* ui;
    bool startupLogin = false;
    ServiceCallRunner* accountReads;
    WindowDrag windowDrag{this};
};
