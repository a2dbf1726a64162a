#include "filemanager/folderpicktree.h"

#include "api/fileapi.h"
#include "core/servicecall.h"
#include "core/userprompt.h"
#include "filemanager/folderlisting.h"

#include <QCoreApplication>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The listing error's title is translated in its dialog's context, which the translation
// scan cannot read from the variable below; the upload dialog has no such text of its own.
[[maybe_unused]] const char* const kUploadErrorTitle = QT_TRANSLATE_NOOP("DialogUpload", "Lỗi ");

} // namespace

FolderPickTree::FolderPickTree(QTreeWidget* tree, QWidget* dialog, QString rootData,
                               const char* context, std::function<void(bool)> busy)
    : tree(tree), dialog(dialog), rootData(std::move(rootData)), context(context),
      busy(std::move(busy)) {}

void FolderPickTree::buildRoot() {
    tree->setHeaderHidden(true);
    tree->clear();
    auto* root = new QTreeWidgetItem(tree);
    root->setText(0, QStringLiteral("Brisko"));
    root->setIcon(0, QIcon(QPixmap(QStringLiteral(":/images/home.png"))));
    root->setData(0, Qt::UserRole, rootData);
    tree->setCurrentItem(root);
    tree->setEnabled(true);
    currentPath.clear();
    targetLinkcode.clear();
}

void FolderPickTree::list(int dirFlag, QTreeWidgetItem* item) {
    folderList.clear();
    if (busy)
        busy(true);
    tree->setEnabled(false);
    // The path goes into the URL as one segment of its UTF-8 bytes: "/" becomes %2F.
    const std::string encoded = QUrl::toPercentEncoding(currentPath).toStdString();
    std::vector<brisko::file*> records;
    const ServiceCallResult result = callWithReLogin<brisko::file_api>([&](brisko::file_api& api) {
        records = api.list(dirFlag, encoded);
        return !records.empty() || api.get_error_code() == 0;
    });
    if (busy)
        busy(false);
    if (!result.ok) {
        tree->setEnabled(true);
        UserPrompt::current()->critical(dialog,
                                        QCoreApplication::translate(context, "Lỗi ") + '(' +
                                            QString::number(result.code) + ')',
                                        QString::fromStdString(result.message), QMessageBox::Ok);
        return;
    }
    for (brisko::file* record : records) {
        if (record->get_type() == "0")
            folderList.push_back(*record);
        delete record;
    }
    if (item)
        qDeleteAll(item->takeChildren());
    if (folderList.empty() || !item)
        tree->setEnabled(true);
    else
        fill(item);
}

void addFolderItems(QTreeWidgetItem* parent, const std::vector<brisko::file>& folders) {
    const QIcon icon(QStringLiteral(":/images/folder_qlfile_on.png"));
    for (const brisko::file& folder : folders) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, QString::fromStdString(folder.get_name()));
        item->setIcon(0, icon);
        item->setData(0, Qt::UserRole, folderkey::of(folder));
    }
}

void FolderPickTree::fill(QTreeWidgetItem* item) {
    addFolderItems(item, folderList);
    item->setExpanded(true);
    tree->setEnabled(true);
}

void FolderPickTree::click(QTreeWidgetItem* item, int dirFlag) {
    item->setExpanded(true);
    const folderkey::Parts parts = folderkey::split(item->data(0, Qt::UserRole).toString());
    qDeleteAll(item->takeChildren());
    currentPath = parts.path;
    targetLinkcode = parts.linkCode;
    list(dirFlag, item);
}
