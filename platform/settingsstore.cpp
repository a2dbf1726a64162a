#include "platform/settingsstore.h"

#include "platform/settingsformat.h"

SettingsStore::SettingsStore()
    // The INI file "Brisko Tool.conf", where the native format keeps it.
    : m_settings(std::make_unique<QSettings>(platform::settingsFormat(), QSettings::UserScope,
                                             QStringLiteral("Brisko"),
                                             QStringLiteral("Brisko Tool"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, platform::settingsFormat())) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::storedKey(const QString& key) const {
    if (m_settings->contains(key))
        return key;
    const QStringList keys = m_settings->allKeys();
    for (const QString& stored : keys) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return key;
}

bool SettingsStore::contains(const QString& key) const {
    return m_settings->contains(storedKey(key));
}

QVariant SettingsStore::value(const QString& key, const QVariant& fallback) const {
    return m_settings->value(storedKey(key), fallback);
}

QString SettingsStore::text(const QString& key, const QString& fallback) const {
    return value(key, fallback).toString();
}

int SettingsStore::integer(const QString& key, int fallback) const {
    bool ok = false;
    const int number = value(key).toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool SettingsStore::boolean(const QString& key, bool fallback) const {
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true"))
        return true;
    if (t == QLatin1String("false"))
        return false;
    bool ok = false;
    const int number = t.toInt(&ok);
    return ok ? number != 0 : fallback;
}

void SettingsStore::setValue(const QString& key, const QVariant& value) {
    // Drop other spellings of the key so that exactly one copy remains.
    const QString target = storedKey(key);
    const QStringList keys = m_settings->allKeys();
    for (const QString& stored : keys) {
        if (stored != target && stored.compare(key, Qt::CaseInsensitive) == 0)
            m_settings->remove(stored);
    }
    m_settings->setValue(target, value);
}

void SettingsStore::remove(const QString& key) {
    const QStringList keys = m_settings->allKeys();
    for (const QString& stored : keys) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            m_settings->remove(stored);
    }
}

bool SettingsStore::sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsStore::fileName() const { return m_settings->fileName(); }
