#pragma once
// Start with the session: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/briskotool.desktop (~/.config when unset).
#include <QString>
#include <QStringList>

namespace platform {

QString autostartEntryPath();

// Writes the entry that starts the program (with its arguments). False, with a
// warning, when the file could not be written.
bool writeAutostartEntry(const QString& program, const QStringList& arguments = {});

// True when no entry is left (also when there was none).
bool removeAutostartEntry();

// The Exec= value for a command line: each argument quoted where the desktop-entry
// rules ask for it, then escaped as a desktop-entry string.
QString desktopExecLine(const QString& program, const QStringList& arguments = {});

} // namespace platform
