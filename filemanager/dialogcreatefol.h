#pragma once
// Stand-in for the file manager's new-folder dialog until that dialog lands: asks for a
// name and creates the folder on the server inside the folder with link code `folder`
// ("0" is the account's top level). A refusal is shown and the dialog stays open.
#include <QDialog>
#include <QString>

namespace Ui {
class Dialogcreatefol;
}

class Dialogcreatefol : public QDialog {
    Q_OBJECT
public:
    Dialogcreatefol(const QString& folder, QWidget* parent = nullptr);
    ~Dialogcreatefol() override;

signals:
    // 0 once the folder exists, just before the dialog closes.
    void signCreateFolderComplete(int result);

private slots:
    void on_btn_accept_clicked();

private:
    Ui::Dialogcreatefol* ui;
    QString parentFolder;
};
