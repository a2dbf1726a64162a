#pragma once
// Direct download locations come from the service or from a history file; only plain
// web locations are ever fetched.
#include <QString>

// True for an http:// or https:// location (scheme in any case) with a host part.
bool isFetchableLocation(const QString& location);
