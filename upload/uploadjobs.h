#pragma once
// Making upload jobs from the local files chosen for an upload, and the key that names
// an upload job (also recomputed for jobs read back from the history file).
#include "core/megafile.h"
#include "upload/uploadfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// Lower-case hex MD5 of the UTF-8 text of file name + account id + target folder id.
QString uploadJobKey(const QString& fileName, const QString& accountId, const QString& folderId);

// Paths with a character the service refuses in names ("!@#$%^*,", anywhere in the path).
bool hasRefusedCharacter(const QString& path);

// One new job (no Qt parent, initial state) per existing local file of `localFiles`, in
// order; paths with a refused character and files that don't exist are skipped. The
// password is not kept: jobs carry none.
QList<UploadFile*> makeUploadFiles(const MegaFile& folder, const QStringList& localFiles,
                                   const QString& desc, bool fileSecure, bool fileDirectLink,
                                   const QString& accountId);
