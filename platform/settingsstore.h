#pragma once
// The program's settings: one INI file per user (~/.config/Brisko/Brisko Tool.conf).
// Keys are matched without regard to case, as the store of the original platform did,
// and values come back as text (use the typed helpers for numbers).
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

class SettingsStore {
public:
    // The per-user store of the program.
    SettingsStore();
    // A store kept in the given INI file (tests, companions given an explicit file).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool contains(const QString& key) const;
    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    QString text(const QString& key, const QString& fallback = QString()) const;
    // The value read as a decimal integer; fallback when missing or not a number.
    int integer(const QString& key, int fallback = 0) const;
    bool boolean(const QString& key, bool fallback = false) const;

    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // Writes pending changes; false when the file could not be written.
    bool sync();
    QString fileName() const;

private:
    // The spelling under which the key is stored, or the key itself when it is new.
    QString storedKey(const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
};
