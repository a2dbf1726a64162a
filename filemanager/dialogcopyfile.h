#pragma once
// Copies the chosen entries of the account into a folder picked in a tree of its
// folders. The listings and the copy run off the GUI thread; the dialog closes when the
// service took the copy. Closed before, it still tells its opener the copy's outcome.
#include "filemanager/folderpicktree.h"
#include "filemanager/framelesspopup.h"

#include <memory>
#include <string>
#include <vector>

class QTreeWidgetItem;
class ServiceCallRunner;
namespace Ui {
class DialogCopyFile;
}

class DialogCopyFile : public FramelessPopup {
    Q_OBJECT
    friend class FileDialogsProbe;

public:
    DialogCopyFile(std::vector<std::string> linkcodes, QWidget* parent = nullptr);
    ~DialogCopyFile() override;

signals:
    void getlistToReresh(QString folder);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_accept_clicked();
    void on_btn_cancel_clicked();
    void on_treeCopy_itemClicked(QTreeWidgetItem* item, int column);

private:
    void CallWSLoadFolderTree(int dirFlag);
    void loadFolders();
    void setCopying(bool copying);

    Ui::DialogCopyFile* ui;
    std::vector<std::string> linkcodes;
    // The folder last clicked in the tree, whose subfolders were listed last, and the
    // target it makes (empty: the top level, "0" once a copy was asked for it).
    QString currentPath;
    QString targetLinkcode;
    ServiceCallRunner* calls;
    std::unique_ptr<FolderPickTree> picker;
};
