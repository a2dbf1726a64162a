#pragma once
// Per-user folders and where the running program lives.
#include <QString>

#include <functional>

namespace platform {

// The per-user data folder (~/.local/share/Brisko/Brisko Tool once the application
// names are set). Not created here.
QString userDataFolder();

// A temporary folder private to this user (mode 0700) under $TMPDIR or /tmp, created
// on first use. A name in the shared temporary folder that someone else holds, or that
// is a link or open to others, is never used: a fresh private folder replaces it.
QString privateTempFolder();

// The running program file and its folder. Tests can pretend to run from elsewhere.
QString programFilePath();
QString programFolder();
void setProgramFilePathOverride(const QString& filePath); // empty: the real one

// Whether this user may create files in the folder. Tests can replace the check,
// since root may write anywhere.
bool isWritableFolder(const QString& folder);
void setWritableFolderCheck(std::function<bool(const QString&)> check); // empty: real

} // namespace platform
