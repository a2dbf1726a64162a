#pragma once
// The tree of the account's folders in which the move, copy and upload dialogs pick a
// target: a root item "Brisko", and the subfolders of a folder listed (folders only, off
// the GUI thread) each time it is clicked.
#include "api/file.h"

#include <QString>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class ServiceCallRunner;

// Adds one child item per folder under `parent`: its name, the folder icon and its key.
void addFolderItems(QTreeWidgetItem* parent, const std::vector<brisko::file>& folders);

class FolderPickTree {
public:
    // `calls` runs the listings (a child of `dialog`, so that a listing still running
    // when the dialog goes is dropped); `rootData` is the root item's key (";" or "");
    // `busy` is told around each listing (its end once the tree is filled, or before a
    // failure is shown); `context` translates the error title.
    FolderPickTree(QTreeWidget* tree, QWidget* dialog, ServiceCallRunner* calls, QString rootData,
                   const char* context, std::function<void(bool)> busy = {});

    // Builds the lone root item and makes it current; the target becomes the root.
    void buildRoot();
    // Lists the subfolders of selectedFolderPath into `item` (the clicked one, or the
    // current) once the listing arrives. A listing still running is dropped: the last
    // one asked for wins.
    void list(int dirFlag, QTreeWidgetItem* item);
    // Adds the folders of the last listing under `item`.
    void fill(QTreeWidgetItem* item);
    // A click: the folder becomes the target and its subfolders are listed afresh.
    void click(QTreeWidgetItem* item, int dirFlag);
    bool isListing() const;

    QString selectedFolderPath;     // the folder last clicked; empty: the root
    QString selectedFolderLinkcode; // its link code; empty: the root
    std::vector<brisko::file> folderList;
    bool lastListingFailed = false; // read when `busy` tells the listing is over

private:
    void listed(QTreeWidgetItem* item, bool ok, int code, const QString& message);
    bool holds(const QTreeWidgetItem* item) const;

    QTreeWidget* tree;
    QWidget* dialog;
    ServiceCallRunner* calls;
    QString rootData;
    const char* context;
    std::function<void(bool)> busy;
};
