#pragma once
// Byte counts and rates as the user sees them: binary units, rounded up to hundredths.
#include <QString>
#include <QtGlobal>

QString formatSize(qint64 bytes);
QString formatSpeed(double bytesPerSecond);
