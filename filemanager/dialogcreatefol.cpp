#include "filemanager/dialogcreatefol.h"

#include "api/apiresult.h"
#include "api/fileapi.h"
#include "core/actionthread.h"
#include "core/crypto.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "ui_dialogcreatefol.h"

Dialogcreatefol::Dialogcreatefol(const QString& folder, QWidget* parent)
    : QDialog(parent), ui(new Ui::Dialogcreatefol), parentFolder(folder) {
    ui->setupUi(this);
}

Dialogcreatefol::~Dialogcreatefol() {
    delete ui;
}

void Dialogcreatefol::on_btn_accept_clicked() {
    const QString name = ui->txt_folderName->text().trimmed();
    if (name.isEmpty()) {
        UserPrompt::current()->warning(this, tr("Tạo thư mục"), tr("Vui lòng nhập tên thư mục"));
        return;
    }
    // One re-login and one repeat when the session expired.
    for (int round = 0; round < 2; ++round) {
        brisko::file_api api(&apiClient);
        if (api.createFolder(toUtf8StdString(name), toUtf8StdString(parentFolder))) {
            emit signCreateFolderComplete(0);
            accept();
            return;
        }
        const int code = api.get_error_code();
        if (code == brisko::kCodeSessionExpired && round == 0 && currentUser) {
            ActionThread::reLogin(currentUser->getEmail(), currentUser->getPassword());
            continue;
        }
        UserPrompt::current()->critical(this, tr("Lỗi (%1)").arg(code),
                                        QString::fromStdString(api.get_error_msg()));
        return;
    }
}
