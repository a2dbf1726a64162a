#include "platform/settingsstore.h"

#include "platform/settingsfile.h"

#include <QStandardPaths>

namespace {

QString userSettingsPath() {
    // Where QSettings keeps the INI file of organisation "Brisko", application "Brisko Tool".
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brisko/Brisko Tool.conf");
}

// The stored value of the key, matched without regard to case; null when there is none.
const settingsformat::Value* find(const settingsformat::Map& values, const QString& key) {
    const auto it = settingsformat::findKey(values, settingsformat::normalizedKey(key));
    return it == values.cend() ? nullptr : &it.value();
}

} // namespace

SettingsStore::SettingsStore() : m_file(&platform::SettingsFile::of(userSettingsPath())) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_file(&platform::SettingsFile::of(iniFile)) {}

SettingsStore::~SettingsStore() {
    if (m_changed)
        m_file->requestWrite();
}

bool SettingsStore::contains(const QString& key) const {
    return find(m_file->values(), key) != nullptr;
}

QVariant SettingsStore::value(const QString& key, const QVariant& fallback) const {
    const settingsformat::Map values = m_file->values();
    const settingsformat::Value* stored = find(values, key);
    if (!stored)
        return fallback;
    // A value damaged past use reads as missing; its text stays in the file.
    bool usable = false;
    const QVariant read = settingsformat::toVariant(*stored, &usable);
    return usable ? read : fallback;
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
    const QString normalized = settingsformat::normalizedKey(key);
    if (normalized.isEmpty())
        return;
    m_file->set(normalized, settingsformat::fromVariant(value));
    m_changed = true;
}

void SettingsStore::remove(const QString& key) {
    const QString normalized = settingsformat::normalizedKey(key);
    if (normalized.isEmpty())
        return;
    m_file->remove(normalized);
    m_changed = true;
}

bool SettingsStore::sync(QString* error) {
    m_changed = false;
    return m_file->writeNow(error);
}

void SettingsStore::whenSaved(QObject* context,
                              std::function<void(bool saved, const QString& error)> done) const {
    m_file->whenWritten(context, std::move(done));
}

QString SettingsStore::fileName() const {
    return m_file->path();
}
