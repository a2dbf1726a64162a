#include "platform/settingsformat.h"

#include "platform/atomicfile.h"
#include "platform/userfolders.h"

#include <QFile>
#include <QMutex>
#include <QSet>
#include <QTemporaryFile>

// The INI text is made and read by QSettings itself, on a private scratch file; this side
// checks it and hands it to the device, which is flushed and synced before QSettings lets
// it take the settings file's name.

namespace {

// A fresh name in the private temporary folder, removed with the object.
class Scratch {
public:
    Scratch() : file(platform::privateTempFolder() + QStringLiteral("/settings.XXXXXX")) {
        if (file.open())
            file.close();
    }
    QString path() const { return file.fileName(); }

private:
    QTemporaryFile file;
};

// Settings files whose last read failed: writing them would drop what could not be read.
QMutex unreadMutex;
QSet<QString>& unreadFiles() {
    static QSet<QString> files;
    return files;
}

void noteRead(const QIODevice& device, bool ok) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (!file)
        return;
    QMutexLocker lock(&unreadMutex);
    if (ok)
        unreadFiles().remove(file->fileName());
    else
        unreadFiles().insert(file->fileName());
}

bool parseIni(const QByteArray& text, QSettings::SettingsMap& map) {
    // A copy only for QSettings to read back at once: it need not reach the disk.
    QTemporaryFile scratch(platform::privateTempFolder() + QStringLiteral("/settings.XXXXXX"));
    if (!scratch.open() || scratch.write(text) != text.size() || !scratch.flush())
        return false;
    scratch.close();
    const QSettings ini(scratch.fileName(), QSettings::IniFormat);
    for (const QString& key : ini.allKeys())
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

// What a value reads as, whatever type it was written with.
QString canonical(const QVariant& value) {
    return value.userType() == QMetaType::QStringList ? value.toStringList().join(QChar(0x1f))
                                                      : value.toString();
}

bool sameSettings(const QSettings::SettingsMap& a, const QSettings::SettingsMap& b) {
    if (a.keys() != b.keys())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (canonical(it.value()) != canonical(b.value(it.key())))
            return false;
    }
    return true;
}

bool iniText(const QSettings::SettingsMap& map, QByteArray& text) {
    const Scratch scratch;
    if (scratch.path().isEmpty())
        return false;
    {
        QSettings ini(scratch.path(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    QFile file(scratch.path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = file.readAll();
    // That write may have been cut as well: the text must read back as the settings.
    QSettings::SettingsMap back;
    return parseIni(text, back) && sameSettings(map, back);
}

bool readSettings(QIODevice& device, QSettings::SettingsMap& map) {
    const bool ok = parseIni(device.readAll(), map);
    noteRead(device, ok);
    return ok;
}

bool writeSettings(QIODevice& device, const QSettings::SettingsMap& map) {
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file)
        return false;
    {
        QMutexLocker lock(&unreadMutex);
        if (unreadFiles().contains(file->fileName()))
            return false;
    }
    QByteArray text;
    return iniText(map, text) && device.write(text) == text.size() && platform::flushAndSync(*file);
}

} // namespace

namespace platform {

QSettings::Format settingsFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), &readSettings, &writeSettings);
    return format;
}

} // namespace platform
