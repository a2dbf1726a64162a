#pragma once
// What the download and upload history files share: their XML text, built in one pass
// the way QXmlStreamWriter writes it, and the atomic save that refuses to fill the disk.
#include <QByteArray>
#include <QString>

namespace historyfile {

// A document may take this much more than the free space reported for its volume.
constexpr qint64 kFreeSpaceSlack = 10240;

enum class SaveResult { Saved, NoRoom, WriteFailed };

// Appends text escaped as QXmlStreamWriter escapes it (markup characters, and in attribute
// values tab, line feed and carriage return, as references). Characters XML 1.0 has no
// form for are left out, as that writer leaves them out; an unpaired surrogate, which
// would break its output, becomes U+FFFD.
void appendEscaped(QString& out, const QString& text, bool attribute);
// ` name="value"`, the value escaped.
void appendAttribute(QString& out, const char* name, const QString& value);

// Replaces the file atomically: on any failure the previous file stays as it was. The
// free space is asked of the file's own folder, where the document lands.
SaveResult write(const QString& path, const QByteArray& document);

} // namespace historyfile
