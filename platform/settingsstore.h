#pragma once
// The program's settings: one INI file per user (~/.config/Brisko/Brisko Tool.conf), in
// the format QSettings writes. Keys are matched without regard to case, as the store of the
// original platform did, and values come back as text (use the typed helpers for numbers).
//
// A store is a light handle on the file as this process sees it: what one store sets,
// every store of the process reads at once. The disk gets the changes from a writer thread
// when the store that made them goes (or through sync() and whenSaved()), so that a window
// never waits for the disk; a failed write keeps the changes for the next one.
#include <QString>
#include <QVariant>

#include <functional>

class QObject;

namespace platform {
class SettingsFile;
}

class SettingsStore {
public:
    // The per-user store of the program.
    SettingsStore();
    // A store kept in the given INI file (tests, companions given an explicit file).
    explicit SettingsStore(const QString& iniFile);
    // Hands what this store changed to the writer thread; does not wait.
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

    // Writes every change made in this process now, on the calling thread, after a write
    // already running; false (and why) when the file could not be written. Waits for the
    // disk: for the end of the program, start-up and the companions, never for a window's
    // action (see whenSaved).
    bool sync(QString* error = nullptr);
    // Hands every change made in this process to the writer thread, and calls `done` on
    // the main thread, while `context` lives, once the file holds them (true) or the write
    // that took them failed (false, and why): once.
    void whenSaved(QObject* context,
                   std::function<void(bool saved, const QString& error)> done) const;

    QString fileName() const;

private:
    platform::SettingsFile* m_file;
    bool m_changed = false;
};
