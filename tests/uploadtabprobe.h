#pragma once
// The tests' way into the upload tab's and the upload dialog's private parts.
#include "upload/dialogupload.h"
#include "upload/formupload.h"

#include <QLineEdit>
#include <QMenu>
#include <QTreeWidgetItem>
#include <QtTest>

#include <memory>

struct UploadTabProbe {
    static TableUploadModel* model(FormUpload& tab) { return tab.model; }
    static QList<UploadFile*>& finished(FormUpload& tab) { return tab.uploadedJobs; }
    static DialogUpload* dialog(FormUpload& tab) { return tab.uploadDialog; }
    static std::unique_ptr<QMenu> uploadingMenu(FormUpload& tab) {
        return std::unique_ptr<QMenu>(tab.uploadingMenu());
    }
    static std::unique_ptr<QMenu> uploadedMenu(FormUpload& tab) {
        return std::unique_ptr<QMenu>(tab.uploadedMenu());
    }
    static void place(FormUpload& tab, const QList<UploadFile*>& jobs) {
        tab.placeLoadedUploads(jobs);
    }
    static void complete(FormUpload& tab, UploadFile* job) { tab.uploadComplete(job); }
    static void del(FormUpload& tab) { tab.on_btnDel_clicked(); }
    static void pause(FormUpload& tab) { tab.on_btnPause_clicked(); }
    static void pauseAll(FormUpload& tab) { tab.on_pauseAllButton_clicked(); }
    static void startAll(FormUpload& tab) { tab.on_startAllButton_clicked(); }
    static void contextStart(FormUpload& tab) { tab.contextStart_clicked(); }
    static void contextPause(FormUpload& tab) { tab.contextPause_clicked(); }
    static void moveUp(FormUpload& tab) { tab.contextUp_clicked(); }
    static void moveDown(FormUpload& tab) { tab.contextDown_clicked(); }
    static void moveFirst(FormUpload& tab) { tab.contextMoveFirst_clicked(); }
    static void moveLast(FormUpload& tab) { tab.contextMoveLast_clicked(); }
    static void exportLinks(FormUpload& tab) { tab.contextExportLinks(); }
    static void downloadLinks(FormUpload& tab) { tab.contextDownload_clicked(); }
    static void openFiles(FormUpload& tab) { tab.contextOpenFile_clicked(); }
    static void openFolders(FormUpload& tab) { tab.contextOpenFolder_clicked(); }
};

struct DialogUploadProbe {
    static QString presetFolder(const DialogUpload& dialog) { return dialog.presetFolder; }
    static QString selectedFolderPath(const DialogUpload& dialog) {
        return dialog.folderTree->selectedFolderPath;
    }
    static QString uploadDir(const DialogUpload& dialog) { return dialog.uploadDir; }
    static QString files(DialogUpload& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("txt_filesPath"))->text();
    }
    static void accept(DialogUpload& dialog) { dialog.on_btn_accept_clicked(); }
    static void browse(DialogUpload& dialog) { dialog.on_btn_filebrowser_clicked(); }
    // Runs the new-folder dialog and waits for the listing that follows it.
    static void createFolder(DialogUpload& dialog) {
        dialog.on_btn_createFolder_clicked();
        waitListed(dialog);
    }
    // Clicks a folder and waits for its listing.
    static void click(DialogUpload& dialog, QTreeWidgetItem* item) {
        dialog.on_treeMegaFolderWidget_itemClicked(item, 0);
        waitListed(dialog);
    }
    static bool listing(const DialogUpload& dialog) { return dialog.folderTree->isListing(); }
    static void waitListed(const DialogUpload& dialog) {
        QTRY_VERIFY_WITH_TIMEOUT(!listing(dialog), 20000);
    }
};
