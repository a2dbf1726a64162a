#pragma once
// Lists one folder of the account on a job thread and prepares what the file manager
// shows of it there too (records copied, rows made), so that even a folder of tens of
// thousands of entries reaches the GUI thread ready to be swapped in.
#include "filemanager/folderlisting.h"

#include <QObject>

class FolderLoadJob : public QObject {
    Q_OBJECT
public:
    // Starts the listing of `path` ("" for the account's top level); folders only when
    // `dirFlag` is not 0. Connect to the returned object's signals at once: they arrive
    // queued, and the object frees itself after the listing ended.
    static FolderLoadJob* start(int dirFlag, const QString& path,
                                const filetable::RowOptions& options);

signals:
    void listed(FolderListingPtr listing);
    void failed(int errorCode, QString errorMsg);

private:
    FolderLoadJob() = default;
};
