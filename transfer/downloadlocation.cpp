#include "transfer/downloadlocation.h"

#include <QUrl>

bool isFetchableLocation(const QString& location) {
    const QUrl parsed(location);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !parsed.host().isEmpty();
}
