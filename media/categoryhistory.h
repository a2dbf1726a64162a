#pragma once
// The categories chosen for auto-download on one partner site, kept in a small XML file:
//   <sourceFilm>
//       <category id="..." folder="..."/>
//   </sourceFilm>
// No choice is stored as no file.
#include <QList>
#include <QString>

struct AutoDownloadCategory {
    QString id;     // the category's guid
    QString folder; // where its new films are downloaded
};

namespace categoryhistory {

struct ReadResult {
    QList<AutoDownloadCategory> categories; // also those read before an error
    bool openFailed = false;
    QString error; // the XML reader's error text; empty when read whole
};
// A missing file is an empty list. One that cannot be read, or not whole, is kept beside
// the new one (platform::keepDamagedCopy) by the next write.
ReadResult read(const QString& path);

// Replaces the file (atomically) by the list; an empty list removes it. False, with the
// reason in `error` and the old file kept, when it can't be written or removed, or when it
// could not be read last time and cannot be kept aside.
bool write(const QString& path, const QList<AutoDownloadCategory>& categories, QString* error);

} // namespace categoryhistory
