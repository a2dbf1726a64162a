#include "download/localfilename.h"

#include "download/downloadfile.h"
#include "transfer/transferenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Longest file name, in bytes, of the file systems the program writes to.
constexpr int kMaxNameBytes = 255;

const char* const kReservedNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

// Replaced by "_", in this order.
const char16_t kReplaced[] = u"\",?!'`\u2014#$%^&*|\\:/><~=+";

// Format characters that reorder or hide what a name shows: the bidirectional embeddings,
// overrides and isolates ("photo\u202Egpj.sh" reads "photohs.jpg"), and the byte order
// mark, which vanishes on the next UTF-8 round trip. Removed, as browsers remove them
// from the names of what they download.
bool isDisguising(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

int utf8Length(const QString& text) {
    return text.toUtf8().size();
}

bool isReserved(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = (dot < 0 ? name : name.left(dot)).toUpper();
    for (const char* reserved : kReservedNames) {
        if (base == QLatin1String(reserved))
            return true;
    }
    return false;
}

bool dotsOnly(const QString& name) {
    for (const QChar c : name) {
        if (c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// Everything but the length limit.
QString cleaned(const QString& name) {
    // First, so that what the name shows is what the other rules see.
    QString result = name;
    result.resize(int(std::remove_if(result.begin(), result.end(),
                                     [](QChar c) { return isDisguising(c.unicode()); }) -
                      result.begin()));
    if (isReserved(result))
        result.prepend(QLatin1Char('_'));
    for (const char16_t* c = kReplaced; *c; ++c)
        result.replace(QChar(*c), QLatin1Char('_'));
    result.remove(QChar(0x00AB));
    result.remove(QChar(0x00BB));
    for (int i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        // Half a surrogate pair names no character: no file system can store it as given.
        if (c.isHighSurrogate() && i + 1 < result.size() && result.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c.category() == QChar::Other_Control)
            result[i] = QLatin1Char('_');
    }
    if (dotsOnly(result)) // also the empty name
        result.prepend(QLatin1Char('_'));
    return result;
}

// The longest start of text that takes at most maxBytes of UTF-8, never splitting a
// surrogate pair. Each character is measured as it encodes: a pair as one, anything
// else alone.
QString cutToBytes(const QString& text, int maxBytes) {
    int bytes = 0;
    int i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int step = pair ? 2 : 1;
        const int size = utf8Length(text.mid(i, step));
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        i += step;
    }
    return text.left(i);
}

// base + tag + extension, with the base cut so that the whole fits. An extension too
// long to keep is cut with the base.
QString fitted(const QString& name, const QString& tag) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString base = dot > 0 ? name.left(dot) : name;
    QString extension = dot > 0 ? name.mid(dot) : QString();
    if (utf8Length(extension) + utf8Length(tag) >= kMaxNameBytes / 2) {
        base = name;
        extension.clear();
    }
    const int room = kMaxNameBytes - utf8Length(extension) - utf8Length(tag);
    return cutToBytes(base, room) + tag + extension;
}

} // namespace

QString sanitizeFileName(const QString& name) {
    return fitted(cleaned(name), QString());
}

QString downloadFileName(const QString& serviceName, bool zip,
                         const std::function<bool(const QString& name)>& taken) {
    QString name = cleaned(serviceName);
    if (zip)
        name += QStringLiteral(".zip");
    QString candidate = fitted(name, QString());
    for (int n = 2; taken && taken(candidate); ++n)
        candidate = fitted(name, QStringLiteral(" (%1)").arg(n));
    return candidate;
}

DownloadPaths::DownloadPaths(const QList<DownloadFile*>& jobs, const DownloadFile* except) {
    for (const DownloadFile* job : jobs) {
        if (job != except)
            add(job->getPath());
    }
}

void DownloadPaths::add(const QString& path) {
    paths.insert(QDir::cleanPath(path));
}

bool DownloadPaths::taken(const QString& path) const {
    const QFileInfo target(path);
    return paths.contains(QDir::cleanPath(path)) || target.exists() || target.isSymLink();
}

bool renameOverPlaceholder(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    // Taken exclusively first: the rename then replaces nothing but this empty file.
    const int placeholder =
        ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (placeholder < 0)
        return false;
    ::close(placeholder);
    if (std::rename(source.constData(), target.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(target.constData());
    errno = error;
    return false;
}

FileMove renameDownloadFile(const QString& from, const QString& to) {
    if (!TransferEnvironment::current().sameFileSystem(from, QFileInfo(to).absolutePath()))
        return FileMove::NeedsCopy;
    // The kernel's rename itself (QFile::rename would fall back to copying, on the
    // caller's thread), told to refuse a file that appeared at the target meanwhile:
    // plain rename(2) replaces it silently.
    bool moved = ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                             QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0;
    // File systems that don't know the flag refuse it as invalid.
    if (!moved && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP))
        moved = renameOverPlaceholder(from, to);
    if (moved)
        return FileMove::Moved;
    return errno == EXDEV ? FileMove::NeedsCopy : FileMove::Failed; // EXDEV: a bind mount
}
