#include "filemanager/folderpicktree.h"

#include "api/fileapi.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/folderlisting.h"

#include <QCoreApplication>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

namespace {

const char kListing[] = "folder listing";

// The error title in the context of each dialog that holds a tree, named here so that
// lupdate finds it: the context is only known at run time.
[[maybe_unused]] const char* const kErrorTitles[] = {
    QT_TRANSLATE_NOOP("DialogMoveFIle", "Lỗi "),
    QT_TRANSLATE_NOOP("DialogCopyFile", "Lỗi "),
    QT_TRANSLATE_NOOP("DialogUpload", "Lỗi "),
};

} // namespace

FolderPickTree::FolderPickTree(QTreeWidget* tree, QWidget* dialog, ServiceCallRunner* calls,
                               QString rootData, const char* context,
                               std::function<void(bool)> busy)
    : tree(tree), dialog(dialog), calls(calls), rootData(std::move(rootData)), context(context),
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
    selectedFolderPath.clear();
    selectedFolderLinkcode.clear();
}

void FolderPickTree::list(int dirFlag, QTreeWidgetItem* item) {
    folderList.clear();
    calls->drop(QLatin1String(kListing));
    if (busy)
        busy(true);
    tree->setEnabled(false);
    // The path goes into the URL as one segment of its UTF-8 bytes: "/" becomes %2F.
    const std::string encoded = QUrl::toPercentEncoding(selectedFolderPath).toStdString();
    auto folders = std::make_shared<std::vector<brisko::file>>();
    calls->call<brisko::file_api>(
        QLatin1String(kListing),
        [dirFlag, encoded, folders](brisko::file_api& api) {
            folders->clear();
            const std::vector<brisko::file*> records = api.list(dirFlag, encoded);
            for (brisko::file* record : records) {
                if (record->get_type() == "0")
                    folders->push_back(*record);
                delete record;
            }
            return !records.empty() || api.get_error_code() == 0;
        },
        [this, item, folders](const ServiceCallResult& result) {
            folderList = std::move(*folders);
            listed(item, result.ok, result.code, QString::fromStdString(result.message));
        });
}

bool FolderPickTree::isListing() const {
    return calls->isRunning(QLatin1String(kListing));
}

bool FolderPickTree::holds(const QTreeWidgetItem* item) const {
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it) {
        if (*it == item)
            return true;
    }
    return false;
}

void FolderPickTree::listed(QTreeWidgetItem* item, bool ok, int code, const QString& message) {
    lastListingFailed = !ok;
    if (!ok) {
        folderList.clear();
        tree->setEnabled(true);
        if (busy)
            busy(false);
        // A listing of a dialog closed meanwhile is of no interest any more.
        if (!dialog->isVisible())
            return;
        UserPrompt::current()->critical(dialog,
                                        QCoreApplication::translate(context, "Lỗi ") + '(' +
                                            QString::number(code) + ')',
                                        message, QMessageBox::Ok);
        return;
    }
    // The tree was rebuilt meanwhile: the listing has no place left.
    if (item && !holds(item))
        item = nullptr;
    if (item)
        qDeleteAll(item->takeChildren());
    if (folderList.empty() || !item)
        tree->setEnabled(true);
    else
        fill(item);
    if (busy)
        busy(false);
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
    selectedFolderPath = parts.path;
    selectedFolderLinkcode = parts.linkCode;
    list(dirFlag, item);
}
