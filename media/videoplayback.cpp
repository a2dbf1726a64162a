#include "media/videoplayback.h"

#include "api/apiresult.h"
#include "core/globals.h"
#include "core/locationrequest.h"

#include <QFileInfo>
#include <QUrl>

namespace videoplay {

const QStringList& videoSuffixes() {
    static const QStringList suffixes = {
        "mkv", "avi", "flv", "dat", "wmv", "rm",  "swf",  "mov",  "mpeg", "mp4",  "mpg",  "m1v",
        "m2v", "mod", "mpa", "ifo", "vob", "m4v", "mp4v", "3gp",  "3gpp", "3gp2", "m2ts", "m2t",
        "mts", "ts",  "tts", "ogm", "ogv", "mvb", "ra",   "webm", "asf",  "h264"};
    return suffixes;
}

bool isVideoName(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    return videoSuffixes().contains(suffix);
}

DirectLink requestDirectLink(const QString& shareLink, const QString& password,
                             const ReLoginCredentials& credentials) {
    const LocationAnswer reply = requestDownloadLocation(shareLink, password, false, credentials);
    DirectLink answer;
    answer.location = reply.location;
    answer.code = reply.code;
    answer.message = reply.message;
    // Success without a location is nothing to play.
    if (answer.code == brisko::kCodeSuccess && answer.location.isEmpty())
        answer.code = brisko::kCodeBadReply;
    return answer;
}

double downloadedFraction(const QString& path, qint64 total) {
    const QFileInfo file(path);
    if (total <= 0 || !file.exists())
        return 0;
    return double(file.size()) / double(total);
}

bool streamsFromLink(const QString& directLink) {
    const QString suffix = QFileInfo(QUrl(directLink).path()).suffix().toLower();
    return suffix == QLatin1String("mp4") || suffix == QLatin1String("mkv");
}

bool isVideoPending() {
    return playbackPending;
}

QString pendingVideoPath() {
    return playbackWaitPath;
}

MediaPlayerInfo pendingPlayer() {
    return playbackPlayer;
}

void setPendingVideo(const QString& localPath, const MediaPlayerInfo& player, bool useMediaText,
                     const QString& mediaText) {
    playbackPlayer = player;
    playbackWaitPath = localPath;
    playbackUseMedia = useMediaText;
    playbackMedia = useMediaText ? mediaText : QString();
    playbackPending = true;
}

void clearPendingVideo(const QString& localPath) {
    if (playbackPending && playbackWaitPath == localPath)
        playbackPending = false;
}

} // namespace videoplay
