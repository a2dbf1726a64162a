// The file manager tab's selection, links and hand-offs to the transfer queues.
#include "filemanager/filetablemodel.h"
#include "filemanager/formmanage.h"

#include "core/linkparser.h"
#include "core/userprompt.h"
#include "platform/hostconfig.h"
#include "platform/systemactions.h"
#include "ui_formmanage.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QUrl>

#include <algorithm>

QModelIndexList FormManage::selectedLinkCells() const {
    QModelIndexList cells;
    const QModelIndexList selected = ui->tableManage->selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        if (index.column() == filetable::ColLink)
            cells.append(index);
    }
    return cells;
}

std::vector<std::string> FormManage::getList_LinkCode_Of_FileSelected() {
    QModelIndexList selected = ui->tableManage->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        UserPrompt::current()->critical(this, appText("Lỗi!"), tr("Bạn chưa chọn file"),
                                        QMessageBox::Ok);
        return {};
    }
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    linkList.clear();
    std::vector<std::string> codes;
    for (const QModelIndex& index : selected) {
        if (index.column() != filetable::ColLink)
            continue;
        // Rows without a share link have no code the service could act on.
        const QString code = filetable::linkCodeOf(index.data().toString());
        if (!code.isEmpty())
            codes.push_back(code.toStdString());
    }
    if (codes.empty())
        sayNoLink();
    return codes;
}

void FormManage::sayNoLink() {
    UserPrompt::current()->critical(
        this, appText("Lỗi!"),
        tr("Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này."),
        QMessageBox::Ok);
}

int FormManage::collectSelectedLinks() {
    linkList.clear();
    for (const QModelIndex& cell : selectedLinkCells()) {
        const QString link = cell.data().toString();
        if (link.isEmpty())
            continue;
        keptLink = link;
        linkList.append(link);
    }
    return linkList.size();
}

int FormManage::countSelectedFiles() {
    int files = 0;
    const QModelIndexList rows = ui->tableManage->selectionModel()->selectedRows(0);
    for (const QModelIndex& row : rows) {
        const brisko::file* record = recordAt(row.row());
        if (record && record->get_type() == "1")
            ++files;
    }
    return files;
}

void FormManage::exportLinks() {
    sendEvent("Click MenuContext", "Copy link");
    QApplication::clipboard()->setText(keptLink, QClipboard::Clipboard);
}

void FormManage::sendLinksViaMail() {
    sendEvent("Click MenuContext", "Send link");
    const QString subject = tr("Duong dan hay tren ") + QString::fromStdString(hosts::webHost());
    QString body;
    for (const QString& link : linkList)
        body += link + QLatin1Char('\n');
    // Encoded, so that a "&" or "#" of a subject or link cannot cut the mail short.
    const QString url =
        QStringLiteral("mailto:?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject)) +
        QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
    platform::openUrl(url);
}

bool FormManage::selectionHoldsDefaultFolder() {
    const QModelIndexList rows = ui->tableManage->selectionModel()->selectedRows(0);
    for (const QModelIndex& row : rows) {
        const brisko::file* record = recordAt(row.row());
        if (record && record->get_type() == "0" && record->get_path() == "/" &&
            (record->get_name() == "Music" || record->get_name() == "Photos"))
            return true;
    }
    return false;
}

void FormManage::DownloadFile() {
    if (ui->tableManage->selectionModel()->selectedIndexes().isEmpty()) {
        UserPrompt::current()->critical(this, appText("Lỗi!"), tr("Bạn chưa chọn file"),
                                        QMessageBox::Ok);
        return;
    }
    collectSelectedLinks();
    // The account's own default folders are not for downloading; the whole selection is
    // refused, not only them.
    if (selectionHoldsDefaultFolder()) {
        UserPrompt::current()->critical(
            this, appText(QT_TRANSLATE_NOOP("QApplication", "Cảnh báo!")),
            tr("Thư mục mặc định Music, Photos không được phép tải về!"), QMessageBox::Ok);
        return;
    }
    if (linkList.isEmpty()) {
        sayNoLink();
        return;
    }
    sendEvent("Click", "Download file");
    emit downloadFile(linkList);
    linkList.clear();
}

void FormManage::UploadIntoFolder() {
    sendEvent("Click", "Upload folder");
    emit uploadIntoFolder(currentFolderPath);
}

void FormManage::on_btnUpLoad_clicked() {
    UploadIntoFolder();
}

void FormManage::copyFileSuccess(QString) {}
