#pragma once
// What the video-play dialog asks of the engine: which files count as videos, the direct
// link of a download, how much of it is on disk, and the waiting playback request that the
// download queue honours at one per cent.
#include "core/mediaplayerinfo.h"
#include "core/relogin.h"

#include <QString>
#include <QStringList>

namespace videoplay {

// The file suffixes the program offers to play, lower case.
const QStringList& videoSuffixes();
// The suffix of a file name or path (after its last dot; empty without one), lower-cased,
// is one of videoSuffixes().
bool isVideoName(const QString& name);

// The direct link of a shared file, asked synchronously of the service (any thread); an
// expired session earns one re-login with the credentials and one repeat. code is 0 with
// a location, else the failure's code (an empty location counts as a failure).
struct DirectLink {
    QString location;
    int code = 0;
    QString message;
    bool ok() const { return code == 0; }
};
DirectLink requestDirectLink(const QString& shareLink, const QString& password,
                             const ReLoginCredentials& credentials);

// Bytes of `path` on disk over `total`; 0 when the file is missing or total is not positive.
double downloadedFraction(const QString& path, qint64 total);
// The smallest fraction that is worth handing to a player.
constexpr double kPlayableFraction = 0.01;

// Whether a direct link is better streamed than read from the growing local file: mp4 and
// mkv carry their index where a player reading over HTTP can seek to it, so they stream.
bool streamsFromLink(const QString& directLink);

// The waiting playback request (the playback* globals), as the play dialog sees it. GUI
// thread only.
// A video waits to be opened once one per cent of it has arrived.
bool isVideoPending();
// The local path of the waiting download, by which the download queue knows it.
QString pendingVideoPath();
// The player the waiting video opens in.
MediaPlayerInfo pendingPlayer();
// Makes `localPath` the one waiting video (a request for another is replaced); the
// request keeps its own player and stream choice.
void setPendingVideo(const QString& localPath, const MediaPlayerInfo& player, bool useMediaText,
                     const QString& mediaText);
// Forgets the request when it is for `localPath`.
void clearPendingVideo(const QString& localPath);

} // namespace videoplay
