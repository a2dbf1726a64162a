#pragma once
// Local file names for files named by the service: names the file systems and the other
// programs of this machine take, free names so that a download never writes over an
// existing file or another download's file, and the rename of a download's file.
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

class DownloadFile;

// The safe form of a name the service gave: a reserved device name ("CON", "LPT1"...)
// gets a "_" in front, characters unwanted in file names become "_", the angle
// quotation marks and the format characters that disguise a name (bidirectional
// controls, the byte order mark) go, control characters and halves of surrogate pairs become "_",
// an empty or dots-only name gets a "_" in front, and the result fits in 255 bytes of UTF-8,
// keeping its extension.
QString sanitizeFileName(const QString& name);

// The name a new download of `serviceName` gets: sanitised, with ".zip" appended for a
// zip download, and, when `taken` says the name is in use, "name (2).ext", "name (3).ext"
// and so on. Every candidate fits in 255 bytes of UTF-8.
QString downloadFileName(const QString& serviceName, bool zip,
                         const std::function<bool(const QString& name)>& taken);

// The paths downloads write to, to tell whether a path is free for one more.
class DownloadPaths {
public:
    // The paths of `jobs`, but for `except` (the job that looks for a new path).
    explicit DownloadPaths(const QList<DownloadFile*>& jobs, const DownloadFile* except = nullptr);
    void add(const QString& path);
    // Whether a download may not take `path`: one of the paths is it, or a file (or a
    // link, even a dangling one) is there.
    bool taken(const QString& path) const;

private:
    QSet<QString> paths; // cleaned, so "a//b" and "a/b" are one
};

enum class FileMove { Moved, NeedsCopy, Failed };

// Renames a download's file to `to` when that moves it at once; NeedsCopy when `to` lies
// on another file system, where the move is a copy that may take long
// (TransferEnvironment::copyAcross, off the GUI thread). A file at `to`, even one that
// appeared a moment ago, is never replaced: the move fails instead.
FileMove renameDownloadFile(const QString& from, const QString& to);

// The same rename where the file system has no rename that refuses a target: `to` is
// created empty and exclusively first, so only that is replaced. False, with errno,
// when `to` exists or the rename fails (then `to` is gone again).
bool renameOverPlaceholder(const QString& from, const QString& to);
