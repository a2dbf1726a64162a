#pragma once
// Moves the chosen entries of the account into a folder picked in a tree of its folders.
// The listings and the move run off the GUI thread; the dialog closes when the service
// took the move. Closed before, it still tells its opener the move's outcome.
#include "filemanager/folderpicktree.h"
#include "filemanager/framelesspopup.h"

#include <memory>
#include <string>
#include <vector>

class QTreeWidgetItem;
class ServiceCallRunner;
namespace Ui {
class DialogMoveFIle;
}

class DialogMoveFIle : public FramelessPopup {
    Q_OBJECT
    friend class FileDialogsProbe;

public:
    DialogMoveFIle(std::vector<std::string> linkcodes, QWidget* parent = nullptr);
    ~DialogMoveFIle() override;

signals:
    void getlistToReresh(QString folder);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btn_accept_clicked();
    void on_treeFldMove_itemClicked(QTreeWidgetItem* item, int column);
    void on_btn_cancel_clicked();
    void CallWSLoadFolderTree(int dirFlag);
    void disableForm();
    void enableForm();
    void loadFoldersQelv();
    void moveComplete();
    void moveUncomplete(int errorCode, QString errorMsg);

private:
    void listingBusy(bool busy);

    Ui::DialogMoveFIle* ui;
    std::vector<std::string> linkcodes;
    // The folder last clicked in the tree, whose subfolders were listed last, and the
    // target it makes (empty: the top level, "0" once a move was asked for it).
    QString currentPath;
    QString targetLinkcode;
    // "Đồng ý" was pressed while a listing ran: the move starts once it is over.
    bool acceptKept = false;
    ServiceCallRunner* calls;
    std::unique_ptr<FolderPickTree> picker;
};
