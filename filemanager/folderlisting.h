#pragma once
// One folder's listing as the file manager keeps it, and the keys of its folder items.
#include "api/file.h"
#include "filemanager/filetablemodel.h"

#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>
#include <vector>

struct FolderListing {
    std::vector<brisko::file> entries; // every entry, in the service's order
    std::vector<brisko::file> folders; // the entries that are folders, in the same order
    std::vector<filetable::Row> rows;  // the table's rows, one per entry
};
using FolderListingPtr = std::shared_ptr<const FolderListing>;
Q_DECLARE_METATYPE(FolderListingPtr)

// Copies the records into a listing with its rows made, and frees them.
FolderListingPtr makeFolderListing(QList<brisko::file*> records,
                                   const filetable::RowOptions& options);

// A folder item's key: the folder's full path, ";" and its link code. The account's top
// level has the key ";".
namespace folderkey {

struct Parts {
    QString path;
    QString linkCode;
};

// The full path of a listed folder: "/" and its name at the top level (path "/"),
// otherwise its path, "/" and its name.
QString fullPath(const brisko::file& folder);
QString make(const QString& fullPath, const QString& linkCode);
QString of(const brisko::file& folder);
// Split at the last ";" (a folder name may hold one; link codes never do). A text
// without ";" gives an empty path and link code.
Parts split(const QString& key);

} // namespace folderkey
