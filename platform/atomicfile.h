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

} // namespace platform
