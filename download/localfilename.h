#pragma once
// Local file names for files named by the service: names the file systems and the other
// programs of this machine take, and free names so that a new download never writes
// over an existing file or another download's file.
#include <QString>

#include <functional>

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
