#pragma once
// Lists one folder of the account on a job thread and prepares what the file manager
// shows of it there too (records copied, rows made), so that even a folder of tens of
// thousands of entries reaches the GUI thread ready to be shown. The listing travels
// read-only; the tab copies what it keeps and changes.
#include "filemanager/folderlisting.h"

#include <QObject>
#include <QString>

class ActionThread;

class FolderLoadJob : public QObject {
    Q_OBJECT
public:
    // The listing of `path` ("" for the account's top level); folders only when `dirFlag`
    // is not 0. Connect to the returned object's signals, then start() it: a listing can
    // end before the caller gets control back. The object frees itself after the listing
    // ended.
    static FolderLoadJob* prepare(int dirFlag, const QString& path,
                                  const filetable::RowOptions& options);
    void start();

signals:
    void listed(FolderListingPtr listing);
    void failed(int errorCode, QString errorMsg);

private:
    FolderLoadJob() = default;

    ActionThread* thread = nullptr;
    int dirFlag = 0;
    QString path;
};
