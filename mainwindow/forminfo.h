#pragma once
// Stand-in for the account panel until its own change replaces it: the logged-in
// account's e-mail, id and level, and the logout button. The button only asks the main
// window to log out; the window sends the service's logout request.
#include <QString>
#include <QWidget>

class QLabel;

class FormInfo : public QWidget {
    Q_OBJECT
public:
    explicit FormInfo(QWidget* parent = nullptr);

signals:
    void logout(QString reason);
    void loadInfoComplete();
    void managerZidUdarDirectLink();

public slots:
    void on_pushButton_clicked();
    // Connected to the tab widget's current tab; nothing to do.
    void update_infor(int tab);
    // Shows the account again.
    void getUserInfo();

private:
    QLabel* account;
};
