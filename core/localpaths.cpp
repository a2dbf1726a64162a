#include "core/localpaths.h"

#include "platform/autostart.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "platform/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Paths compare as the original store did: separators, surrounding blanks and letter
// case don't count.
QString comparablePath(const QString& path) {
    QString p = path.trimmed();
    p.replace('\\', '/');
    return p.toLower();
}

QString dataFolderMade() {
    const QString folder = platform::userDataFolder();
    if (!QDir().mkpath(folder))
        qWarning("Cannot create the data folder %s", qPrintable(folder));
    return folder;
}

// The history kept beside an older installed program moves into the data folder,
// unless a non-empty list already lives there.
void takeOverLegacyFile(const QString& legacy, const QString& current) {
    if (!QFileInfo::exists(legacy))
        return;
    const QFileInfo currentInfo(current);
    if (currentInfo.exists() && currentInfo.size() > 0) {
        if (!QFile::remove(legacy))
            qWarning("Cannot remove the old history file %s", qPrintable(legacy));
        return;
    }
    QFile::remove(current);
    if (!QFile::rename(legacy, current))
        qWarning("Cannot move %s to %s", qPrintable(legacy), qPrintable(current));
}

} // namespace

bool isInstalledCopy() {
    const QString stored = SettingsStore().text(SettingsKeys::Path);
    if (stored.trimmed().isEmpty())
        return false;
    return comparablePath(stored) == comparablePath(platform::programFilePath());
}

QString historyFilePath(qint64 accountId, const QString& shortName, const QString& longName) {
    const QString id = QString::number(accountId);
    const QString name = QStringLiteral("/history.%1.%2.xml").arg(shortName, id);
    const QString programFolder = platform::programFolder();
    if (!isInstalledCopy()) {
        if (platform::isWritableFolder(programFolder))
            return programFolder + name;
        return dataFolderMade() + name;
    }
    const QString current = dataFolderMade() + name;
    takeOverLegacyFile(programFolder + '/' + longName + '.' + id + QStringLiteral(".tmp"), current);
    return current;
}

QString downloadHistoryFilePath(qint64 accountId) {
    return historyFilePath(accountId, QStringLiteral("dl"), QStringLiteral("download"));
}

QString uploadHistoryFilePath(qint64 accountId) {
    return historyFilePath(accountId, QStringLiteral("ul"), QStringLiteral("upload"));
}

QString tempFolder() {
    return platform::privateTempFolder();
}

std::string fileSystemName(const std::string& path) {
    return platform::volumeFileSystemName(path);
}

bool getDiskSpace(const QString& path, qint64& total, qint64& freeForCaller) {
    return platform::volumeSpace(path, total, freeForCaller);
}

bool setAutoStart(const QString& programPath, bool remove) {
    if (remove)
        return platform::removeAutostartEntry();
    return platform::writeAutostartEntry(programPath);
}
