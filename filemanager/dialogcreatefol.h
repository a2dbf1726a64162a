#pragma once
// Asks for a folder name and creates that folder on the service inside a given folder
// (a link code, "0" for the account's top level). Serves the file manager tab and the
// upload dialog; both reload their tree when it reports success, also when the user
// closed the dialog while the service was creating the folder.
#include "filemanager/framelesspopup.h"

class ServiceCallRunner;
namespace Ui {
class Dialogcreatefol;
}

class Dialogcreatefol : public FramelessPopup {
    Q_OBJECT
public:
    Dialogcreatefol(QString folder, QWidget* parent = nullptr);
    ~Dialogcreatefol() override;

signals:
    void signCreateFolderComplete(int);
    void signCreateFolderError1108();

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_accept_clicked();
    void on_btn_cancel_clicked();
    void createFol_success();

private:
    void setBusy(bool busy);

    Ui::Dialogcreatefol* ui;
    QString folder;
    ServiceCallRunner* calls;
};
