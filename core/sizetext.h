#pragma once
// Byte counts and rates as the user sees them: binary units, rounded up to hundredths.
#include <QString>
#include <QtGlobal>

QString formatSize(qint64 bytes);
QString formatSpeed(double bytesPerSecond);
// Seconds since 1970 (UTC) in local time, as the system locale writes a short date and time.
QString localShortDateTime(qint64 secs);
