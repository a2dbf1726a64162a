#include "filemanager/folderlisting.h"

FolderListingPtr makeFolderListing(QList<brisko::file*> records,
                                   const filetable::RowOptions& options) {
    auto listing = std::make_shared<FolderListing>();
    listing->entries.reserve(static_cast<size_t>(records.size()));
    for (brisko::file* record : records) {
        listing->entries.push_back(std::move(*record));
        delete record;
        if (listing->entries.back().get_type() == "0")
            listing->folders.push_back(listing->entries.back());
    }
    listing->rows = filetable::makeRows(listing->entries, options);
    return listing;
}

namespace folderkey {

QString fullPath(const brisko::file& folder) {
    const QString path = QString::fromStdString(folder.get_path());
    const QString name = QString::fromStdString(folder.get_name());
    return path == QLatin1String("/") ? path + name : path + QLatin1Char('/') + name;
}

QString make(const QString& fullPath, const QString& linkCode) {
    return fullPath + QLatin1Char(';') + linkCode;
}

QString of(const brisko::file& folder) {
    return make(fullPath(folder), QString::fromStdString(folder.get_linkcode()));
}

Parts split(const QString& key) {
    const int at = key.lastIndexOf(QLatin1Char(';'));
    if (at < 0)
        return {};
    return {key.left(at), key.mid(at + 1)};
}

} // namespace folderkey
