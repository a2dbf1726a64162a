#pragma once
// Stand-in login dialog until the real one (remembered account, auto-login) replaces it.
// It runs the update check when shown, logs in with the typed credentials and hands the
// account over; quitting it ends the program.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class RuriDudi;

class LoginForm : public QDialog {
    Q_OBJECT
public:
    explicit LoginForm(QWidget* parent = nullptr);

    // The coming run is the one at start-up.
    void setStartupLogin(bool startup) { startupLogin = startup; }

    // Quitting the login ends the whole program with status 1.
    void reject() override;

signals:
    void loginFinish(RuriDudi& user);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void login();
    void setFormEnabled(bool enabled);

    QLineEdit* email;
    QLineEdit* password;
    QPushButton* loginButton;
    QPushButton* quitButton;
    QLabel* status;
    bool startupLogin = false;
};
