#pragma once
// The external media players the program can start on a file or a URL.
#include <QMap>
#include <QString>

#include <functional>

class QWidget;

enum MEDIAPLAYER_ID {
    MEDIAPLAYER_NONE = 0,
    MEDIAPLAYER_VLC = 1,
    MEDIAPLAYER_MPCHC = 2,
    MEDIAPLAYER_KMPLAYER = 3,
};

// One player: which one, a label, and the full path of its executable.
struct MediaPlayerInfo {
    MEDIAPLAYER_ID id = MEDIAPLAYER_NONE;
    QString text;
    QString path;

    // Starts the player detached on `media`, with the subtitle file when there is one;
    // false when it could not be started.
    bool startPlayer(const QString& media, const QString& subtitle = QString()) const;
};

// The players found on this machine, by id.
QMap<MEDIAPLAYER_ID, QString> findPlayerPath();

// Downloads a player's setup program from the service and runs it; `done` hears the
// outcome exactly once.
void installPlayer(MEDIAPLAYER_ID id, std::function<void(bool)> done, QWidget* parent);
