#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex g_mutex;
QString g_programFileOverride;
std::function<bool(const QString&)> g_writableCheck;
// Made once per temporary base when the usual name there can't be used.
QString g_fallbackBase;
QString g_fallbackTemp;

// A folder is ours when it is a real folder (not a link), owned by us and closed to
// everyone else. An owner-only folder missing some of our own bits is repaired.
bool isPrivateFolder(const QByteArray& path) {
    struct stat st {};
    if (lstat(path.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid() || (st.st_mode & 077) != 0)
        return false;
    if ((st.st_mode & 0700) != 0700 && chmod(path.constData(), 0700) != 0)
        return false;
    return true;
}

bool makePrivateFolder(const QByteArray& path) {
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isPrivateFolder(path);
}

QString makeFallbackTemp(const QString& base, const QString& name) {
    QByteArray pattern = QFile::encodeName(base + '/' + name + QStringLiteral("-XXXXXX"));
    if (mkdtemp(pattern.data()))
        return QFile::decodeName(pattern);
    // Last resort: a folder inside our own data folder, which nobody else can reach.
    const QString inData = platform::userDataFolder() + QStringLiteral("/tmp");
    QDir().mkpath(platform::userDataFolder());
    if (makePrivateFolder(QFile::encodeName(inData)))
        return inData;
    qWarning("No private temporary folder could be made under %s", qPrintable(base));
    return inData;
}

} // namespace

namespace platform {

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString privateTempFolder() {
    const QString base = QDir::tempPath(); // $TMPDIR, else /tmp
    const QString name = QStringLiteral("briskotool-%1").arg(geteuid());
    const QString path = base + '/' + name;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_fallbackBase == base && isPrivateFolder(QFile::encodeName(g_fallbackTemp)))
        return g_fallbackTemp;
    if (makePrivateFolder(QFile::encodeName(path)))
        return path;
    g_fallbackBase = base;
    g_fallbackTemp = makeFallbackTemp(base, name);
    return g_fallbackTemp;
}

QString programFilePath() {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_programFileOverride.isEmpty())
            return g_programFileOverride;
    }
    return QCoreApplication::applicationFilePath();
}

QString programFolder() {
    return QFileInfo(programFilePath()).absolutePath();
}

void setProgramFilePathOverride(const QString& filePath) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_programFileOverride = filePath;
}

bool isWritableFolder(const QString& folder) {
    std::function<bool(const QString&)> check;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        check = g_writableCheck;
    }
    if (check)
        return check(folder);
    return access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

void setWritableFolderCheck(std::function<bool(const QString&)> check) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_writableCheck = std::move(check);
}

} // namespace platform
