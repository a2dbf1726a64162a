#include "upload/dialogupload.h"

#include "api/apiresult.h"
#include "api/fileapi.h"
#include "core/actionthread.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "core/windowdrag.h"
#include "core/windowshape.h"
#include "filemanager/dialogcreatefol.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogupload.h"
#include "upload/uploadjobs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>

namespace {

// Accounts of this level and above may store into the secured space.
constexpr int kSecureLevel = 3;
// An expired session is renewed this often for one listing before it counts as failed.
constexpr int kListingReLogins = 1;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), int(text.size()));
}

QString boxText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

// The folder path as the listing takes it: every byte but the unreserved ones
// percent-encoded, the slashes included.
std::string listingPath(const QString& folderPath) {
    const QByteArray encoded = folderPath.toUtf8().toPercentEncoding();
    return std::string(encoded.constData(), size_t(encoded.size()));
}

QString tooltipOf(const QString& paths) {
    return QString(paths).replace(QLatin1Char('|'), QLatin1String("<br>"));
}

} // namespace

DialogUpload::DialogUpload(const QList<QUrl>& files, QWidget* parent)
    : QDialog(parent), ui(new Ui::DialogUpload) {
    ui->setupUi(this);
    new WindowDrag(this);
    setTermsText();
    QTreeWidget* tree = ui->treeMegaFolderWidget;
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList(QStringLiteral("Brisko")), 0);
    root->setIcon(0, QIcon(QStringLiteral(":/images/home.png")));
    root->setData(0, Qt::UserRole, QStringLiteral(";"));
    tree->setCurrentItem(root);
    tree->setEnabled(true);
    tree->header()->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->show();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    const SettingsStore settings;
    if (settings.boolean(SettingsKeys::StayOnTop, false))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    ui->chk_tearmAgree->setChecked(settings.boolean(SettingsKeys::UploadPolicyAgree, false));

    QStringList paths;
    for (const QUrl& url : files)
        paths << url.toLocalFile();
    if (!paths.isEmpty())
        setFilesText(paths.join(QLatin1Char('|')));

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_movefile.png"));

    const bool secureAllowed = currentUser && currentUser->getLevel() >= kSecureLevel;
    ui->chkFileSecure->setChecked(secureAllowed);
    ui->chkFileSecure->setEnabled(secureAllowed);
}

DialogUpload::~DialogUpload() {
    delete ui;
}

void DialogUpload::setTermsText() {
    const QString terms = QStringLiteral("https://www.") +
                          QString::fromStdString(hosts::webHost()) + QStringLiteral("/policy");
    ui->lblForgotPass->setText(tr("Bạn có đồng ý với tất cả ") +
                               QStringLiteral("<a href=\"%1\">").arg(terms) + tr("điều khoản") +
                               QStringLiteral("</a>") + tr(" của ") + QStringLiteral("Brisko") +
                               QStringLiteral(" ?"));
}

void DialogUpload::setFilesText(const QString& text) {
    ui->txt_filesPath->setText(text);
    ui->txt_filesPath->setToolTip(tooltipOf(text));
}

void DialogUpload::setUploadFolder(const QString& folder) {
    presetFolder = folder;
}

void DialogUpload::clearSelectedFiles() {
    setFilesText(QString());
}

void DialogUpload::resetToRootFolder() {
    QTreeWidget* tree = ui->treeMegaFolderWidget;
    if (tree->topLevelItemCount() > 0)
        tree->setCurrentItem(tree->topLevelItem(0));
    selectedFolderPath.clear();
    selectedFolderLinkcode.clear();
    CallWSLoadFolderTree(1);
}

void DialogUpload::addLocalPath(QString& path, bool replace) {
    const QFileInfo info(path);
    if (info.isDir()) {
        // Plain files only, hidden ones too; smallest first, equal sizes by name descending.
        const QFileInfoList entries = QDir(path).entryInfoList(
            QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Size | QDir::Reversed);
        QStringList files;
        for (const QFileInfo& entry : entries) {
            if (entry.fileName() != QLatin1String(".") && entry.fileName() != QLatin1String("..") &&
                entry.isFile())
                files << entry.absoluteFilePath();
        }
        path = files.join(QLatin1Char('|'));
    }
    if (replace) {
        setFilesText(path);
        ui->chk_tearmAgree->setChecked(
            SettingsStore().boolean(SettingsKeys::UploadPolicyAgree, false));
        return;
    }
    const QString current = ui->txt_filesPath->text();
    setFilesText(current.trimmed().isEmpty() ? path : current + QLatin1Char('|') + path);
}

void DialogUpload::setCheckZidUdarDirectLink() {}

void DialogUpload::on_chkFileSecure_toggled(bool) {}

void DialogUpload::CallWSLoadFolderTree(int dirFlag) {
    QTreeWidget* tree = ui->treeMegaFolderWidget;
    for (int round = 0; round <= kListingReLogins; ++round) {
        folderList.clear();
        tree->setEnabled(false);
        brisko::file_api api(&apiClient);
        std::vector<brisko::file*> records =
            api.list(dirFlag, selectedFolderPath.isEmpty() ? std::string()
                                                           : listingPath(selectedFolderPath));
        const int code = api.get_error_code();
        if (records.empty() && code != 0) {
            tree->setEnabled(true);
            if (code == brisko::kCodeSessionExpired && round < kListingReLogins && currentUser) {
                ActionThread::reLogin(currentUser->getEmail(), currentUser->getPassword());
                continue;
            }
            UserPrompt::current()->critical(this, tr("Lỗi ") + QStringLiteral("(%1)").arg(code),
                                            fromUtf8(api.get_error_msg()));
            return;
        }
        for (brisko::file* record : records) {
            std::unique_ptr<brisko::file> owned(record);
            if (record->get_type() == "0")
                folderList.push_back(std::move(owned));
        }
        if (QTreeWidgetItem* current = tree->currentItem())
            qDeleteAll(current->takeChildren());
        if (folderList.empty())
            tree->setEnabled(true);
        else
            loadFolders();
        return;
    }
}

void DialogUpload::loadFolders() {
    QTreeWidget* tree = ui->treeMegaFolderWidget;
    QTreeWidgetItem* current = tree->currentItem();
    if (current) {
        for (const auto& record : folderList) {
            const QString name = fromUtf8(record->get_name());
            const QString path = fromUtf8(record->get_path());
            const QString full = path == QLatin1String("/") ? QLatin1Char('/') + name
                                                            : path + QLatin1Char('/') + name;
            auto* item = new QTreeWidgetItem(QStringList(name), 0);
            item->setIcon(0, QIcon(QStringLiteral(":/images/folder_qlfile_on.png")));
            item->setData(0, Qt::UserRole,
                          full + QLatin1Char(';') + fromUtf8(record->get_linkcode()));
            current->addChild(item);
        }
        current->setExpanded(true);
    }
    tree->setEnabled(true);
}

void DialogUpload::on_treeMegaFolderWidget_itemClicked(QTreeWidgetItem* item, int) {
    if (!item)
        return;
    item->setExpanded(true);
    const QString data = item->data(0, Qt::UserRole).toString();
    const int cut = data.lastIndexOf(QLatin1Char(';'));
    selectedFolderPath = cut < 0 ? data : data.left(cut);
    selectedFolderLinkcode = cut < 0 ? QString() : data.mid(cut + 1);
    qDeleteAll(item->takeChildren());
    ui->treeMegaFolderWidget->setCurrentItem(item);
    CallWSLoadFolderTree(1);
}

void DialogUpload::on_btn_filebrowser_clicked() {
    if (uploadDir.isEmpty())
        uploadDir = SettingsStore().text(SettingsKeys::UploadDir);
    if (uploadDir.isEmpty())
        uploadDir = QDir::homePath();
    const QStringList chosen = UserPrompt::current()->openFiles(
        this, tr("Chọn tập tin tải lên"), uploadDir, tr("Tất cả tập tin (*.*)"));
    if (!chosen.isEmpty()) {
        static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
        const QString& first = chosen.first();
        uploadDir = first.left(first.lastIndexOf(separator));
    }
    setFilesText(chosen.join(QLatin1Char('|')));
}

void DialogUpload::on_btn_createFolder_clicked() {
    const QString parentCode =
        selectedFolderLinkcode.isEmpty() ? QStringLiteral("0") : selectedFolderLinkcode;
    Dialogcreatefol dialog(parentCode, this);
    connect(&dialog, &Dialogcreatefol::signCreateFolderComplete, this,
            &DialogUpload::CallWSLoadFolderTree);
    dialog.exec();
}

bool DialogUpload::validFiles(const QStringList& parts) {
    for (const QString& part : parts) {
        if (part.isEmpty())
            continue;
        const QString tested = part.mid(part.lastIndexOf(QLatin1Char('\\')) + 1);
        if (hasRefusedCharacter(tested)) {
            UserPrompt::current()->warning(
                this, boxText(QT_TRANSLATE_NOOP("QApplication", "Upload")),
                tr("Tên tập tin \"") + tested + tr("\" chứa kí tự đặc biệt"));
            return false;
        }
    }
    const bool agreed = ui->chk_tearmAgree->isChecked();
    SettingsStore().setValue(SettingsKeys::UploadPolicyAgree, agreed);
    if (!agreed) {
        UserPrompt::current()->warning(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Upload")),
            boxText(QT_TRANSLATE_NOOP("QApplication",
                                      "Vui lòng xác nhận đồng ý các điều khoản của Brisko.")));
        ui->chk_tearmAgree->setFocus();
        return false;
    }
    for (const QString& part : parts) {
        const QFileInfo file(part);
        const char* problem = nullptr;
        if (part.isEmpty() || !file.exists())
            problem = QT_TRANSLATE_NOOP("QApplication", "Tập tin \"%1\" không tồn tại");
        else if (file.size() < 1)
            problem = QT_TRANSLATE_NOOP("QApplication", "Tập tin \"%1\" rỗng");
        if (problem) {
            UserPrompt::current()->warning(
                this, boxText(QT_TRANSLATE_NOOP("QApplication", "Lỗi tập tin")),
                boxText(problem).arg(part));
            return false;
        }
    }
    return true;
}

QString DialogUpload::destination() const {
    QString path = selectedFolderPath;
    if (path.isEmpty())
        path = presetFolder;
    if (path.isEmpty())
        path = QStringLiteral("/");
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path.trimmed();
}

void DialogUpload::on_btn_accept_clicked() {
    const QString text = ui->txt_filesPath->text().trimmed();
    if (text.isEmpty()) {
        UserPrompt::current()->warning(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Upload")),
            boxText(QT_TRANSLATE_NOOP("QApplication", "Vui lòng chọn file cần upload.")));
        ui->btn_filebrowser->setFocus();
        return;
    }
    const QStringList parts = text.split(QLatin1Char('|'));
    if (!validFiles(parts))
        return;
    uploadFolder.setName(destination());
    emit getUploadInfor(MegaFile(uploadFolder), parts, QString(), QString(),
                        ui->chkFileSecure->isChecked(), false);
    close();
}

void DialogUpload::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui->btn_filebrowser->setFocus();
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog upload"));
}

void DialogUpload::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setTermsText();
    }
}
