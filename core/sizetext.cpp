#include "core/sizetext.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace {

constexpr double kKB = 1024.0;
constexpr double kMB = 1048576.0;
constexpr double kGB = 1073741824.0;

// Rounded up, never down, so a figure is never shown as less than it is.
QString scaled(double value, double unit) {
    const double r = std::ceil(value / unit * 100.0) / 100.0;
    return QString::number(r, 'g', 6);
}

} // namespace

QString formatSize(qint64 bytes) {
    if (bytes <= 1024)
        return QString::number(bytes) + QStringLiteral(" B  ");
    const double v = static_cast<double>(bytes);
    if (bytes <= 1048576)
        return scaled(v, kKB) + QStringLiteral(" KB");
    if (bytes <= 1073741824)
        return scaled(v, kMB) + QStringLiteral(" MB");
    return scaled(v, kGB) + QStringLiteral(" GB");
}

QString formatSpeed(double bytesPerSecond) {
    if (bytesPerSecond > kGB)
        return scaled(bytesPerSecond, kGB) + QStringLiteral(" GB/s");
    if (bytesPerSecond > kMB)
        return scaled(bytesPerSecond, kMB) + QStringLiteral(" MB/s");
    if (bytesPerSecond > kKB)
        return scaled(bytesPerSecond, kKB) + QStringLiteral(" KB/s");
    return QString::number(bytesPerSecond, 'g', 6) + QStringLiteral(" B/s");
}

QString localShortDateTime(qint64 secs) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(secs, Qt::UTC).toLocalTime();
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), QLocale::ShortFormat);
}
