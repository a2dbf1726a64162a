#pragma once
// The tree of the account's folders in which the move and copy dialogs pick a target:
// a root item "Brisko", and the subfolders of a folder listed (folders only, on the GUI
// thread) each time it is clicked.
#include "api/file.h"

#include <QString>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Adds one child item per folder under `parent`: its name, the folder icon and its key.
void addFolderItems(QTreeWidgetItem* parent, const std::vector<brisko::file>& folders);

class FolderPickTree {
public:
    // `rootData` is the root item's key (";" or ""); `busy` is told around each listing;
    // `context` translates the error title.
    FolderPickTree(QTreeWidget* tree, QWidget* dialog, QString rootData, const char* context,
                   std::function<void(bool)> busy = {});

    // Builds the lone root item and makes it current; the target becomes the root.
    void buildRoot();
    // Lists the subfolders of currentPath into `item` (the clicked one, or the current).
    void list(int dirFlag, QTreeWidgetItem* item);
    // Adds the folders of the last listing under `item`.
    void fill(QTreeWidgetItem* item);
    // A click: the folder becomes the target and its subfolders are listed afresh.
    void click(QTreeWidgetItem* item, int dirFlag);

    QString currentPath;
    QString targetLinkcode; // empty: the root
    std::vector<brisko::file> folderList;

private:
    QTreeWidget* tree;
    QWidget* dialog;
    QString rootData;
    const char* context;
    std::function<void(bool)> busy;
};
