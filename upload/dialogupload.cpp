#include "upload/dialogupload.h"

#include "core/busycursor.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "core/windowshape.h"
#include "filemanager/dialogcalls.h"
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

QString boxText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

QString tooltipOf(const QString& paths) {
    return QString(paths).replace(QLatin1Char('|'), QLatin1String("<br>"));
}

} // namespace

DialogUpload::DialogUpload(const QList<QUrl>& files, QWidget* parent)
    : QDialog(parent), ui(new Ui::DialogUpload) {
    ui->setupUi(this);
    setTermsText();
    QTreeWidget* tree = ui->treeMegaFolderWidget;
    auto* calls = new ServiceCallRunner(this);
    showWaitCursorWhileBusy(calls, this);
    folderTree =
        std::make_unique<FolderPickTree>(tree, this, calls, QStringLiteral(";"), "DialogUpload");
    tree->setColumnCount(1);
    folderTree->buildRoot();
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
    folderTree->selectedFolderPath.clear();
    folderTree->selectedFolderLinkcode.clear();
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
    folderTree->list(dirFlag, ui->treeMegaFolderWidget->currentItem());
}

void DialogUpload::loadFolders() {
    if (QTreeWidgetItem* current = ui->treeMegaFolderWidget->currentItem())
        folderTree->fill(current);
    else
        ui->treeMegaFolderWidget->setEnabled(true);
}

void DialogUpload::on_treeMegaFolderWidget_itemClicked(QTreeWidgetItem* item, int) {
    if (!item)
        return;
    ui->treeMegaFolderWidget->setCurrentItem(item);
    folderTree->click(item, 1);
}

void DialogUpload::on_btn_filebrowser_clicked() {
    if (uploadDir.isEmpty())
        uploadDir = SettingsStore().text(SettingsKeys::UploadDir);
    if (uploadDir.isEmpty())
        uploadDir = QDir::homePath();
    const QStringList chosen = UserPrompt::current()->openFiles(
        this, tr("Chọn tập tin tải lên"), uploadDir, tr("Tất cả tập tin (*)"));
    if (!chosen.isEmpty()) {
        static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
        const QString& first = chosen.first();
        uploadDir = first.left(first.lastIndexOf(separator));
    }
    setFilesText(chosen.join(QLatin1Char('|')));
}

void DialogUpload::on_btn_createFolder_clicked() {
    const QString parentCode = folderTree->selectedFolderLinkcode.isEmpty()
                                   ? QStringLiteral("0")
                                   : folderTree->selectedFolderLinkcode;
    // A folder the service creates after the dialog was closed still shows in the tree.
    auto* dialog = new Dialogcreatefol(parentCode, this);
    connect(dialog, &Dialogcreatefol::signCreateFolderComplete, this,
            &DialogUpload::CallWSLoadFolderTree);
    dialog->exec();
    releaseAfterCalls(dialog);
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
    QString path = folderTree->selectedFolderPath;
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

void DialogUpload::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogUpload::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
