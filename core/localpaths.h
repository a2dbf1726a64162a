#pragma once
// Where the program keeps things on this machine: transfer history files, temporary
// files, disk queries and the start-with-the-session entry.
#include <QString>
#include <QtGlobal>

#include <string>

// True when the setting "path" names this very program file (the installed copy).
bool isInstalledCopy();

// The per-account history file "history.<short>.<id>.xml". An installed copy keeps
// it in the per-user data folder and takes over a legacy "<long>.<id>.tmp" of the
// program folder; a portable copy keeps it beside the program, or in the data folder
// when the program folder is read-only.
QString historyFilePath(qint64 accountId, const QString& shortName, const QString& longName);
QString downloadHistoryFilePath(qint64 accountId);
QString uploadHistoryFilePath(qint64 accountId);

// The program's private temporary folder (created on demand).
QString tempFolder();

// File system of the volume holding the path (UTF-8), e.g. "FAT32", "NTFS", "ext4";
// "unknown" when it can't be told.
std::string fileSystemName(const std::string& path);

// Total size of the volume holding the path and the bytes free for this user; false
// with both untouched when the query fails.
bool getDiskSpace(const QString& path, qint64& total, qint64& freeForCaller);

// Writes (remove false) or removes the entry that starts the program with the
// session. False, with a warning, when the entry could not be written or removed.
bool setAutoStart(const QString& programPath, bool remove);
