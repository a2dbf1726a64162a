#pragma once
// The settings file as this process sees it: one object per file, shared by every store on
// it and by every thread, kept until the process ends. Reads come from memory (read again
// when the file changed on disk); a change applies in memory at once and reaches the disk
// through a writer thread, so that nobody waits for the disk unless they ask to.
//
// A write reads the file again when another program changed it, puts this process's
// changes on top, keeps a damaged or unreadable file aside ("<file>.damaged",
// keepDamagedCopy) before the first write replaces it, and replaces the file atomically.
// Writes of one file, from any process of ours, hold a lock on its folder for that while.
#include "platform/settingsformat.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QObject;

namespace platform {

class SettingsFile {
public:
    // The object of the file at `path` (made absolute), made on first use.
    static SettingsFile& of(const QString& path);

    QString path() const;

    // The values now: what the file held when it was last read or written (read again
    // first if it changed on disk since), with this process's changes on top.
    settingsformat::Map values();

    // Changes apply at once to values(); the disk gets them with the next write. A key is
    // matched without regard to case: setting it keeps the spelling stored and drops every
    // other one, removing it removes every spelling.
    void set(const QString& key, const settingsformat::Value& value);
    void remove(const QString& key);

    // Asks the writer thread for a write of the changes made so far; returns at once.
    void requestWrite();
    // Writes the changes made so far on the calling thread, after any write already running.
    // True when the file holds them; else they stay for the next write and `error` says why.
    bool writeNow(QString* error = nullptr);
    // Asks for a write of the changes made so far and calls `done` once on the main thread
    // (the application object's) when the file holds them, or with false and the reason
    // when the write that took them failed. Not called once `context` is gone; a null
    // context is always called.
    using Done = std::function<void(bool saved, const QString& error)>;
    void whenWritten(QObject* context, Done done);

    struct Data;

private:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    void refresh();

    std::unique_ptr<Data> d;

    friend class SettingsWriter;
};

} // namespace platform
