#pragma once
// The settings file's format: QSettings' own INI text, written whole or not at all.
// QSettings alone does not count a write that fails in its last flush: on a full disk it
// renames a cut file over the settings and reports success.
#include <QSettings>

namespace platform {

// Registered once; files of this format end in ".conf", as the native INI files do.
QSettings::Format settingsFormat();

} // namespace platform
