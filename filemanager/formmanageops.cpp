// The file manager tab's operations on the selected entries: the context menu, rename,
// delete, secure and direct-link switches, file passwords, move, copy, new folders.
#include "filemanager/formmanage.h"

#include "api/fileapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/dialogcalls.h"
#include "filemanager/dialogcopyfile.h"
#include "filemanager/dialogcreatefol.h"
#include "filemanager/dialogmovefile.h"
#include "filemanager/filesortproxy.h"
#include "filemanager/filetablemodel.h"
#include "filemanager/formchangefilepassword.h"
#include "filemanager/namerules.h"
#include "ui_formmanage.h"

#include <QMenu>

#include <set>

// ---- context menu

void FormManage::on_tableManage_customContextMenuRequested(QPoint pos) {
    QMenu menu(this);
    fillContextMenu(&menu);
    // The position is the viewport's, below the header and right of the row numbers.
    menu.exec(ui->tableManage->viewport()->mapToGlobal(pos));
}

void FormManage::fillContextMenu(QMenu* menu) {
    if (!ui->tableManage->selectionModel()->selectedIndexes().isEmpty())
        menu->addAction(QIcon(QStringLiteral(":/images/icon_edit_file.png")), tr("Sửa tên"), this,
                        &FormManage::context_Edit_Filename, QKeySequence(tr("F2")));
    const int files = countSelectedFiles();
    const int rows = collectSelectedLinks();
    // Only meaningful to look at a password when the one selected row is a file.
    if ((rows == 1 && files == 1) || files > 1) {
        QString text = tr("Tạo mật khẩu");
        if (rows == 1 && files == 1) {
            const brisko::file* record = recordAt(ui->tableManage->currentIndex().row());
            if (record && !record->get_pwd().empty())
                text = tr("Đổi mật khẩu");
        }
        menu->addAction(QIcon(QStringLiteral(":/images/password.png")), text, this,
                        &FormManage::changeFilePassword);
    }
    menu->addSeparator();
    if (rows == 0) {
        auto* upload = new QAction(QIcon(QStringLiteral(":/images/up.png")), tr("Tải Lên"), menu);
        upload->setShortcut(QKeySequence(tr("Ctrl+U")));
        connect(upload, &QAction::triggered, this, &FormManage::UploadIntoFolder);
        menu->addAction(upload);
    } else {
        auto* download =
            new QAction(QIcon(QStringLiteral(":/images/bt_down.png")), tr("Tải xuống"), menu);
        download->setShortcut(QKeySequence(tr("Ctrl+D")));
        connect(download, &QAction::triggered, this, &FormManage::DownloadFile);
        menu->addAction(download);
        menu->addSeparator();
        menu->addAction(QIcon(QStringLiteral(":/images/bt_exportfile_on.png")),
                        tr("Sao chép links"), this, &FormManage::exportLinks);
        menu->addAction(QIcon(QStringLiteral(":/images/share.png")), tr("Gửi link cho bạn bè"),
                        this, &FormManage::sendLinksViaMail);
        if (files >= 1) {
            menu->addSeparator();
            menu->addAction(QIcon(QStringLiteral(":/images/lock.png")), tr("Giữ bảo đảm file"),
                            this, &FormManage::secureFiles);
            menu->addAction(QIcon(QStringLiteral(":/images/unlock.png")), tr("Không bảo đảm file"),
                            this, &FormManage::unsecureFiles);
            menu->addSeparator();
            menu->addAction(QIcon(QStringLiteral(":/images/direct_link.png")), tr("Bật Directlink"),
                            this, &FormManage::directFiles);
            menu->addAction(QIcon(QStringLiteral(":/images/undirect_link.png")),
                            tr("Tắt Directlink"), this, &FormManage::unDirectFiles);
        }
    }
}

// ---- rename

void FormManage::context_Edit_Filename() {
    if (ui->tableManage->selectionModel()->selectedRows(filetable::ColName).isEmpty()) {
        UserPrompt::current()->critical(this, appText("Lỗi!"), tr("Bạn chưa chọn file"),
                                        QMessageBox::Ok);
        return;
    }
    sendEvent("Click MenuContext", "Edit file name");
    const QModelIndex current = ui->tableManage->selectionModel()->currentIndex();
    if (current.column() == filetable::ColName)
        ui->tableManage->edit(current);
}

void FormManage::editFile(QModelIndex topLeft, QModelIndex) {
    sendEvent("Click", "Edit file");
    if (topLeft.column() != filetable::ColName)
        return;
    // The handling's own changes, and the reload's, must not start it again.
    disconnect(proxyModel, &QAbstractItemModel::dataChanged, this, &FormManage::editFile);
    const QModelIndex source = proxyModel->mapToSource(topLeft);
    const QString name = source.data().toString();
    const QString code =
        filetable::linkCodeOf(source.sibling(source.row(), filetable::ColLink).data().toString());
    if (code.isEmpty()) {
        // Nothing the service could rename: say so, and put the old name back.
        sayNoLink();
        CallWSLoadFolderTree(0, true);
        connectRename();
        return;
    }
    const std::string code8 = code.toStdString();
    const std::string name8 = name.toUtf8().toStdString();
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("rename"),
        [code8, name8](brisko::file_api& api) { return api.rename(code8, name8); },
        [this, code, name](const ServiceCallResult& result) { renameDone(code, name, result); });
    if (started)
        disableForm();
    else
        connectRename();
}

void FormManage::renameDone(const QString& code, const QString& name,
                            const ServiceCallResult& result) {
    if (result.ok) {
        for (const brisko::file& folder : listing->folders) {
            if (QString::fromStdString(folder.get_linkcode()) == code) {
                const QString path = QString::fromStdString(folder.get_path());
                currentFolderPath = path == QLatin1String("/") ? QString() : path;
                break;
            }
        }
    } else {
        const QString why = nameRefusalText(name);
        if (!why.isEmpty())
            UserPrompt::current()->critical(this, tr("Lỗi"), why, QMessageBox::Ok);
        else
            showError(result.code, QString::fromStdString(result.message));
    }
    enableForm();
    CallWSLoadFolderTree(0, true);
    connectRename();
}

void FormManage::connectRename() {
    connect(proxyModel, &QAbstractItemModel::dataChanged, this, &FormManage::editFile,
            Qt::UniqueConnection);
}

// ---- delete

void FormManage::on_btnDel_2_clicked() {
    sendEvent("Click", "Delete button");
    const std::vector<std::string> codes = getList_LinkCode_Of_FileSelected();
    if (codes.empty())
        return;
    const QMessageBox::StandardButton answer =
        UserPrompt::current()->warning(this, tr("Thông báo"), tr("Bạn có muốn xóa file ?"),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("delete"), [codes](brisko::file_api& api) { return api.deleteItems(codes); },
        [this](const ServiceCallResult& result) {
            if (!result.ok)
                showError(result.code, QString::fromStdString(result.message));
            enableForm();
            CallWSLoadFolderTree(0, true);
        });
    if (started)
        disableForm();
}

// ---- secure and direct link

void FormManage::secureFiles() {
    sendEvent("Click record", "Secure file");
    changeSecured(true);
}

void FormManage::unsecureFiles() {
    sendEvent("Click record", "Unsecure file");
    changeSecured(false);
}

void FormManage::directFiles() {
    sendEvent("Click record", "Direct link file");
    createDirectLink(true);
}

void FormManage::unDirectFiles() {
    sendEvent("Click record", "Undirect link file");
    createDirectLink(false);
}

void FormManage::changeSecured(bool status) {
    switchFlag(QStringLiteral("secure"), status, &brisko::file_api::changeSecure,
               &FormManage::changeSecure_finish);
}

void FormManage::createDirectLink(bool status) {
    switchFlag(QStringLiteral("direct link"), status, &brisko::file_api::setDirectLink,
               &FormManage::createDirectLink_finish);
}

void FormManage::switchFlag(const QString& action, bool status, FlagChange change,
                            FlagFinish finish) {
    const std::vector<std::string> codes = getList_LinkCode_Of_FileSelected();
    if (codes.empty())
        return;
    const bool started = calls->call<brisko::file_api>(
        action,
        [codes, status, change](brisko::file_api& api) {
            return (api.*change)(codes, status ? 1 : 0);
        },
        [this, codes, status, finish](const ServiceCallResult& result) {
            // The rows the call was for, wherever the selection went meanwhile.
            requestCodes = codes;
            (this->*finish)(result.ok, status, result.code, QString::fromStdString(result.message));
        });
    if (started)
        disableForm();
}

bool FormManage::switchRefused(bool result, bool memberRule, int errorCode,
                               const QString& errorMsg) {
    enableForm();
    if (result)
        return false;
    if (memberRule && currentUser && currentUser->getLevel() <= 2)
        UserPrompt::current()->critical(
            this, appText("Lỗi!"),
            tr("Bạn là thành viên thường nên không thực hiện được chức năng này."),
            QMessageBox::Ok);
    else if (errorCode == 11)
        UserPrompt::current()->critical(this, appText("Lỗi!"), tr("Lỗi kết nối mạng !"),
                                        QMessageBox::Ok);
    else
        showError(errorCode, errorMsg);
    return true;
}

void FormManage::changeSecure_finish(bool result, bool status, int errorCode, QString errorMsg) {
    if (!switchRefused(result, true, errorCode, errorMsg))
        setFileIcons(requestCodes, filetable::ColSecure,
                     status ? ":/images/lock.png" : ":/images/unlock.png");
}

void FormManage::createDirectLink_finish(bool result, bool status, int errorCode,
                                         QString errorMsg) {
    if (!switchRefused(result, false, errorCode, errorMsg))
        setFileIcons(requestCodes, filetable::ColDirectLink,
                     status ? ":/images/direct_link.png" : ":/images/undirect_link.png");
}

std::vector<int> FormManage::sourceRowsOf(const std::vector<std::string>& codes) const {
    const std::set<std::string> wanted(codes.begin(), codes.end());
    std::vector<int> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString code = filetable::linkCodeOf(model->row(row).link);
        if (!code.isEmpty() && wanted.count(code.toStdString()))
            rows.push_back(row);
    }
    return rows;
}

void FormManage::setFileIcons(const std::vector<std::string>& codes, int column, const char* icon) {
    // The rows the request was for, wherever the selection went meanwhile; folders keep
    // their empty cells.
    for (int row : sourceRowsOf(codes)) {
        if (!model->row(row).folder)
            model->setData(model->index(row, column), QString::fromLatin1(icon),
                           Qt::DecorationRole);
    }
}

void FormManage::updateSelectedSecuredStatus(bool bSecured) {
    for (const QModelIndex& cell : selectedLinkCells()) {
        const QModelIndex source =
            proxyModel->mapToSource(cell.sibling(cell.row(), filetable::ColSecure));
        model->setData(source, bSecured ? 1 : 0, filetable::SortRole);
        model->setData(source,
                       QString::fromLatin1(bSecured ? ":/images/lock.png" : ":/images/unlock.png"),
                       Qt::DecorationRole);
    }
}

// ---- file password

void FormManage::changeFilePassword() {
    sendEvent("Click", "Change password file");
    const std::vector<std::string> codes = getList_LinkCode_Of_FileSelected();
    if (codes.empty())
        return;
    // Its call may still report after the dialog was closed.
    auto* dialog = new formChangeFilePassword(codes, this);
    if (codes.size() == 1) {
        const brisko::file* record = recordAt(ui->tableManage->currentIndex().row());
        if (record && !record->get_pwd().empty())
            dialog->setCurrentPassword(QString::fromStdString(record->get_pwd()));
    }
    // The result belongs to the entries the dialog was opened for.
    connect(dialog, &formChangeFilePassword::createPasswordSuccess, this,
            [this, codes](QString password) { createPasswordSuccess(codes, password); });
    dialog->exec();
    releaseAfterCalls(dialog);
}

void FormManage::createPasswordSuccess(const std::vector<std::string>& codes,
                                       const QString& strPassword) {
    auto edited = std::make_shared<FolderListing>(*listing);
    for (int row : sourceRowsOf(codes)) {
        if (static_cast<size_t>(row) < edited->entries.size())
            edited->entries[static_cast<size_t>(row)].set_pwd(strPassword.toUtf8().toStdString());
        if (!model->row(row).folder)
            model->setData(model->index(row, filetable::ColPassword),
                           QString::fromLatin1(strPassword.isEmpty() ? ":/images/unpassword.png"
                                                                     : ":/images/password.png"),
                           Qt::DecorationRole);
    }
    listing = std::move(edited);
}

// ---- move, copy, new folder

void FormManage::on_btnMove_clicked() {
    sendEvent("Click", "Move file button");
    const std::vector<std::string> codes = getList_LinkCode_Of_FileSelected();
    if (codes.empty())
        return;
    // A move still running after the dialog was closed reloads the tab when it ends.
    auto* dialog = new DialogMoveFIle(codes, this);
    connect(dialog, &DialogMoveFIle::getlistToReresh, this, &FormManage::moveFileSuccess);
    dialog->exec();
    releaseAfterCalls(dialog);
}

void FormManage::copyIntoFolder() {
    const std::vector<std::string> codes = getList_LinkCode_Of_FileSelected();
    if (codes.empty())
        return;
    auto* dialog = new DialogCopyFile(codes, this);
    connect(dialog, &DialogCopyFile::getlistToReresh, this, &FormManage::copyFileSuccess);
    dialog->exec();
    releaseAfterCalls(dialog);
}

void FormManage::on_btnCreate_2_clicked() {
    sendEvent("Click", "Create folder button");
    const QString in =
        currentFolderLinkCode.isEmpty() ? QStringLiteral("0") : currentFolderLinkCode;
    // A folder the service creates after the dialog was closed still shows in the tab.
    auto* dialog = new Dialogcreatefol(in, this);
    connect(dialog, &Dialogcreatefol::signCreateFolderComplete, this,
            [this](int dirFlag) { CallWSLoadFolderTree(dirFlag); });
    dialog->exec();
    releaseAfterCalls(dialog);
}
