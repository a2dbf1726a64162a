#pragma once
// The account page of the main window: the logged-in account as the service reports it
// (e-mail, member id, level with a link to the paid packages, validity, points, opening
// date, storage and traffic), a pie chart of the storage, and the logout button (the main
// window does the logout itself, the same for its menu and this button). Each load
// asks the service again in a background job; the first successful load after a login
// starts the automatic upload once when the user switched it on.
#include <QString>
#include <QWidget>

#include <memory>

namespace brisko {
class user;
}
namespace Ui {
class FormInfo;
}
class PieView;
class QStandardItemModel;

class FormInfo : public QWidget {
    Q_OBJECT
public:
    explicit FormInfo(QWidget* parent = nullptr);
    ~FormInfo() override;

    // Asks the service for the account once; the reply fills the panel.
    void getUserInfo();

public slots:
    // Connected to the main window's current tab; nothing to do.
    void update_infor(int tabindex);

    // The logout's failure, over the panel.
    void showLogoutError(int code, const QString& message);

signals:
    // The logout button was pressed: the main window asks, logs out and tears down, as
    // for its own logout entry.
    void logout(QString mess);
    void loadInfoComplete();
    void managerZidUdarDirectLink();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_lblManageHotLink_linkActivated(QString link);
    // The record is this panel's to keep or free.
    void getUserInfo_Success(brisko::user* fuser);
    void getUserInfo_Error(int errorCode, QString errorMsg);

private:
    void fill(const brisko::user& account);
    void fillChart(const brisko::user& account);
    void startAutomaticUploadOnce();

    Ui::FormInfo* ui;
    // Made at the first successful load and refilled by every later one.
    QStandardItemModel* chartModel = nullptr;
    PieView* chartView = nullptr;
    // The account last shown, to show again after a language change.
    std::unique_ptr<brisko::user> shown;
};
