#pragma once
// Sets, changes or removes the file password of entries of the account, in one request
// run off the GUI thread; a strength hint follows the typed text.
#include "filemanager/framelesspopup.h"

#include <string>
#include <vector>

class ServiceCallRunner;
namespace Ui {
class formChangeFilePassword;
}

class formChangeFilePassword : public FramelessPopup {
    Q_OBJECT
    friend class FileDialogsProbe;

public:
    formChangeFilePassword(std::vector<std::string> linkcodes, QWidget* parent = nullptr);
    ~formChangeFilePassword() override;

    // Switches to the wording of changing an existing password (not empty).
    void setCurrentPassword(QString password);

signals:
    // The password sent, "" when it was removed.
    void createPasswordSuccess(QString password);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_cancel_clicked();
    void on_btn_accept_clicked();
    void on_txtFilePassword_textChanged(QString text);
    void on_chkDelPassword_stateChanged(int state);
    void on_chkDelPassword_toggled(bool checked);
    void createPasswordComplete();
    void createPasswordUncomplete(int errorCode, QString errorMsg);
    void disableForm();
    void enableForm();

private:
    void applyWording();

    Ui::formChangeFilePassword* ui;
    std::vector<std::string> linkcodes;
    ServiceCallRunner* calls;
    bool changing = false;
};
