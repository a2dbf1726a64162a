#pragma once
// The account's file manager tab: the folder tree on the left, the entries of the current
// folder in a sortable table on the right, the share link of the current folder, and the
// operations on the selected entries.
#include "api/file.h"
#include "api/fileapi.h"
#include "core/servicecall.h"
#include "filemanager/folderlisting.h"

#include <QModelIndex>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QMenu;
class QMovie;
class ServiceCallRunner;
class QTreeWidgetItem;
namespace Ui {
class FormManage;
}
namespace filetable {
class Model;
class SortProxy;
} // namespace filetable

class FormManage : public QWidget {
    Q_OBJECT
    friend class FormManageProbe;

public:
    explicit FormManage(QWidget* parent = nullptr);
    ~FormManage() override;

    // Back to the account's top level, which is listed again. The main window calls it
    // each time the tab becomes the current one.
    void resetToRootFolder();
    // The main window's answer to a question the tab never asks; changes nothing.
    void setFolderIsUse(bool inUse);
    // Changes nothing.
    void openFolder(QString folderName, QString fileName);

    // The number of selected rows that are files.
    int countSelectedFiles();
    // Gathers the share links of the selected rows (rows without one are left out) into
    // the link list and the kept link; the number gathered.
    int collectSelectedLinks();

signals:
    void downloadFile(QStringList links);
    void uploadIntoFolder(QString folder);
    void needCheckFolderIsUse(QString folder);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_tableManage_customContextMenuRequested(QPoint pos);
    void on_btnUpdate_clicked();
    void on_btnMove_clicked();
    void on_btnDel_2_clicked();
    void on_btnCreate_2_clicked();
    void CallWSLoadFolderTree(int dirFlag, bool flag = true);
    void UploadIntoFolder();
    void copyIntoFolder();
    void editFile(QModelIndex topLeft, QModelIndex bottomRight);
    void moveFileSuccess(QString atParentLinkcode);
    void loadFileInFolderAfterMoveOrDel();
    std::vector<std::string> getList_LinkCode_Of_FileSelected();
    void disableForm();
    void enableForm();
    void DownloadFile();
    void exportLinks();
    void sendLinksViaMail();
    void changeSecured(bool status);
    void secureFiles();
    void unsecureFiles();
    void context_Edit_Filename();
    void updateSelectedSecuredStatus(bool bSecured);
    void on_btnUpLoad_clicked();
    void changeFilePassword();
    void createDirectLink(bool status);
    void directFiles();
    void unDirectFiles();
    void copyFileSuccess(QString folderPath);
    void on_treeWidgetFolder_itemClicked(QTreeWidgetItem* item, int column);
    void changeSecure_finish(bool result, bool status, int errorCode, QString errorMsg);
    void createDirectLink_finish(bool result, bool status, int errorCode, QString errorMsg);
    void on_tableManage_doubleClicked(QModelIndex index);
    void loadFolderTree_success(FolderListingPtr listing);
    void loadFolderTree_error(int errorCode, QString errorMsg);

private:
    // Where the tab stands: the tree item of the folder shown, the kept folder and the
    // link text.
    struct Place {
        QString itemKey;
        QString path;
        QString linkCode;
        QString linkText;
    };
    // One folder load: what it lists and whose children its folders become.
    struct LoadRequest {
        int dirFlag = 0;
        Place place; // its path is the folder listed
    };

    void setBusy(bool busy);
    void setUpTable();
    void setUpTree();
    QTreeWidgetItem* makeRootItem();
    QTreeWidgetItem* findItem(const QString& key) const;
    void startLoad(const LoadRequest& request);
    void endLoad();
    void loadFolders(QTreeWidgetItem* parent);
    void getFilesInFolder(std::vector<filetable::Row> rows);
    void restorePlace(const Place& place);
    filetable::RowOptions rowOptions() const;
    // The record a view row shows.
    const brisko::file* recordAt(int viewRow) const;
    QModelIndexList selectedLinkCells() const;
    bool selectionHoldsDefaultFolder();
    // Tells the user that the selected entries have no share link to act on.
    void sayNoLink();
    void sendEvent(const char* action, const char* label);
    // The context menu's entries for the current selection.
    void fillContextMenu(QMenu* menu);
    // Connects the rows' changes to the rename, once.
    void connectRename();
    // Source rows whose link code is one of `codes`.
    std::vector<int> sourceRowsOf(const std::vector<std::string>& codes) const;
    void setFileIcons(const std::vector<std::string>& codes, int column, const char* icon);
    // Turns the secure or direct-link flag of the selected entries on or off through
    // `change`; `finish` takes the outcome.
    using FlagChange = bool (brisko::file_api::*)(const std::vector<std::string>&, int);
    using FlagFinish = void (FormManage::*)(bool, bool, int, QString);
    void switchFlag(const QString& action, bool status, FlagChange change, FlagFinish finish);
    // Leaves the busy state after a secure or direct-link call and explains a refusal
    // (the ordinary-member words when `memberRule`); true when it was refused.
    bool switchRefused(bool result, bool memberRule, int errorCode, const QString& errorMsg);
    // The password dialog's success, for the entries it was opened for.
    void createPasswordSuccess(const std::vector<std::string>& codes, const QString& strPassword);
    void renameDone(const QString& code, const QString& name, const ServiceCallResult& result);
    void showError(int code, const QString& message);
    // A text of the shared "QApplication" context. Texts no other source names in full are
    // marked with QT_TRANSLATE_NOOP where they are used, so lupdate still finds them.
    static QString appText(const char* text);

    Ui::FormManage* ui;
    filetable::Model* model;
    filetable::SortProxy* proxyModel;
    QMovie* loadingMovie;
    QStringList linkList;
    QString currentFolderPath;
    QString currentFolderLinkCode;
    // The shown folder's listing, read-only as it came from the load: a change (a password
    // set) makes the tab a copy of its own.
    FolderListingPtr listing = std::make_shared<const FolderListing>();
    QString keptLink;

    // The tab's own service calls (rename, delete, the flags): off the GUI thread, their
    // results dropped when the tab is gone.
    ServiceCallRunner* calls;
    std::vector<std::string> requestCodes;  // the entries of the secure or direct-link call
    std::optional<LoadRequest> loadLock;    // the load in flight: one at a time
    std::optional<LoadRequest> pendingLoad; // the last one asked for meanwhile
    Place shownPlace;                       // the place of the last listing shown
};
