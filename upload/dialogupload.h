#pragma once
// The upload dialog: the local files of a new upload, the account folder that receives
// them (a tree listed level by level from the service), secured storage and the terms.
// Accepting checks the choice and hands it out through getUploadInfor; the dialog itself
// transfers nothing. Each owner keeps one and shows it again for every upload.
#include "api/file.h"
#include "core/megafile.h"
#include "core/windowdrag.h"
#include "filemanager/folderpicktree.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class DialogUpload;
}

class DialogUpload : public QDialog {
    Q_OBJECT
public:
    DialogUpload(const QList<QUrl>& files, QWidget* parent = nullptr);
    ~DialogUpload() override;

    // The server folder (path) an upload goes to when no folder is clicked.
    void setUploadFolder(const QString& folder);
    void clearSelectedFiles();
    // The tree back at the account's top level, listed afresh.
    void resetToRootFolder();
    // Adds a file, or the plain files of a folder (smallest first), to the chosen files;
    // `path` is rewritten with what was added. With `replace` the field starts afresh.
    void addLocalPath(QString& path, bool replace);

signals:
    void getUploadInfor(MegaFile folder, QStringList localFile, QString desc, QString filepass,
                        bool fileSecure, bool fileDirectLink);

public slots:
    // Lists the folder last clicked and shows its sub-folders under the current item.
    void CallWSLoadFolderTree(int dirFlag);
    void loadFolders();
    void setCheckZidUdarDirectLink();

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_treeMegaFolderWidget_itemClicked(QTreeWidgetItem* item, int column);
    void on_btn_filebrowser_clicked();
    void on_btn_createFolder_clicked();
    void on_btn_accept_clicked();
    void on_chkFileSecure_toggled(bool checked);

private:
    friend struct DialogUploadProbe; // the tests

    void setFilesText(const QString& text);
    void setTermsText();
    // False, with the box shown, when the choice can't be uploaded.
    bool validFiles(const QStringList& parts);
    QString destination() const;

    Ui::DialogUpload* ui;
    MegaFile uploadFolder;
    QString uploadDir;
    QString presetFolder;
    // The account's folders; its target is the folder last clicked.
    std::unique_ptr<FolderPickTree> folderTree;
    WindowDrag windowDrag{this};
};
