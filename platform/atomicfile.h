#pragma once
// Replacing a file of the program's own whole or not at all. Qt 5's QSaveFile flushes
// its buffer only inside commit() and does not count a failure there: on a full disk it
// renames a cut file over the old one and reports success. Every byte is therefore
// flushed and synced before the new file takes the old one's name, and the folder is
// synced after, so that the new name survives a power cut.
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
// its name once they are all on the disk; then the folder is synced, on the calling
// thread. The new file keeps the old one's mode, but is always readable and writable by
// its owner. On any failure before the rename (no room, a file-size limit, a failed
// sync) the old file stays as it was, false comes back and `error`, when given, says why;
// false after the rename means the folder could not be synced: the file holds the bytes,
// but a power cut may still bring the old one back. The folder must exist.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// How many copies of damaged files keepDamagedCopy keeps beside one file.
constexpr int kDamagedCopies = 5;
// Where keepDamagedCopy keeps the file at `path`: beside it, "<name>.damaged" for the
// first copy (index 0), "<name>.damaged.1" and so on for later ones.
QString damagedCopyPath(const QString& path, int index = 0);
// Keeps the file at `path`, which could not be read whole, beside it before anything
// writes over it, in the first free copy's place; a copy kept earlier is never replaced,
// but for the last of the kDamagedCopies: once every place is taken, the newest damage
// takes the last one. So the first copies, which hold what the file was before anything
// went wrong, always stay, and so does the latest. A second name for the same file where
// the file system allows it (no room needed), else a copy. True when it is kept (also when
// it already was), or when there is no file; false (and why) when it could not be, and the
// file must then not be replaced.
bool keepDamagedCopy(const QString& path, QString* error = nullptr);

// Notes that the file at `path` could not be read whole (or at all), for the writer that
// replaces it later, on whatever thread.
void noteDamaged(const QString& path);
// Keeps the file at `path` aside (keepDamagedCopy) when it was noted damaged, and forgets
// the note once it is kept. False (and why) when it could not be kept: the file must then
// not be replaced.
bool keepIfNotedDamaged(const QString& path, QString* error = nullptr);

} // namespace platform
