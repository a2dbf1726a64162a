#pragma once
// The question the download dialogs ask about a folder that does not exist yet.
#include <QString>

class QWidget;

// True when `folder` exists, or the user agreed to create it and it was created (one
// level: its parent must exist). When creating fails, `failure` is shown as the error.
bool ensureFolderAsked(QWidget* parent, const QString& folder, const QString& failure);
