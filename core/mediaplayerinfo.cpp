#include "core/mediaplayerinfo.h"

#include "platform/systemactions.h"

#include <QStringList>

bool MediaPlayerInfo::startPlayer(const QString& media, const QString& subtitle) const {
    QStringList arguments{media};
    if (!subtitle.isEmpty()) {
        if (id == MEDIAPLAYER_VLC)
            arguments << QStringLiteral("--sub-file") << subtitle;
        else if (id == MEDIAPLAYER_MPCHC)
            arguments << QStringLiteral("/sub") << subtitle;
    }
    return platform::systemActions().startDetached(path, arguments);
}
