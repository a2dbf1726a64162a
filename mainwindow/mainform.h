#pragma once
// Stand-in main window until the real one (tabs, tray, account panel) replaces it: it
// keeps the links and paths that reach it before the login, runs the login and shows
// what it was handed afterwards.
#include <QMainWindow>
#include <QString>

class LoginForm;
class QLabel;
class QListWidget;
class QTimer;
class RuriDudi;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Runs the login dialog modally; returns when it closes. Quitting it ends the
    // program with status 1.
    void showLogin(bool startup);

    // What arrived before the login, each list joined by "|".
    QString keptLinks() const { return m_links; }
    QString keptPaths() const { return m_paths; }

public slots:
    // A start-up message: "-d|" and links, or local paths; joined by "|".
    void handleMessage(const QString& message);
    void loginDone(RuriDudi& user);
    void logout(QString reason);
    void startSendLogDownload();

signals:
    // The main window or the login dialog is to come forward.
    void needtoShow();

private:
    void handOver(const QString& links, const QString& paths);

    LoginForm* loginForm;
    QLabel* account;
    QListWidget* received;
    QTimer* logTimer;
    QString m_links;
    QString m_paths;
    int m_downloadSpeed = 0;
};
