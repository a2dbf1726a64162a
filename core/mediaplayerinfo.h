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

// The players found on this machine, by id: "vlc" and "mpc-hc" looked up on PATH, or
// in the folders of this variable (separated by ":") when it is set.
constexpr char kPlayerSearchPathVariable[] = "BRISKO_PLAYER_PATH";
QMap<MEDIAPLAYER_ID, QString> findPlayerPath();

// Downloads a player's setup program from the service (a modal download dialog over
// `parent`), makes it executable by its owner and runs it with the player's silent
// arguments on a thread of its own, then removes it. Returns before the download ends.
// `done` hears the outcome exactly once: false at once for a player that can't be
// installed, false on the GUI thread when the download fails, else on the installer's
// thread, true when the installer ran to its end.
void installPlayer(MEDIAPLAYER_ID id, std::function<void(bool)> done, QWidget* parent);
