#pragma once
// Replacing a file of the program's own whole or not at all. Qt 5's QSaveFile flushes
// its buffer only inside commit() and does not count a failure there: on a full disk it
// renames a cut file over the old one and reports success. Every byte is therefore
// flushed and synced before the new file takes the old one's name.
#include <QByteArray>
#include <QString>

#include <cstdio>

class QFileDevice;

namespace platform {

// Flushes what `file` buffers and syncs it to the disk. False when either fails: the
// file does not hold every byte written, and must not replace anything.
bool flushAndSync(QFileDevice& file);
bool flushAndSync(std::FILE* file);

// Replaces the file at `path` by `bytes`: they go to a new file beside it, which takes
// its name once they are all on the disk. On any failure (no room, a file-size limit, a
// failed sync) the old file stays as it was, false comes back and `error`, when given,
// says why. The folder must exist.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Where keepDamagedCopy keeps the file at `path`: beside it, "<name>.damaged".
QString damagedCopyPath(const QString& path);
// Keeps the file at `path`, which could not be read whole, beside it before anything
// writes over it: one copy, replacing an older one. A second name for the same file where
// the file system allows it (no room needed), else a copy. True when it is kept, or when
// there is no file; false (and why) when it could not be, and the file must then not be
// replaced.
bool keepDamagedCopy(const QString& path, QString* error = nullptr);

} // namespace platform
