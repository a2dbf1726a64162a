#pragma once
// The external media players the program can start on a file or a URL.
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

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

// Where the service offers a player's setup program, where it is saved, and the arguments
// that run it without questions; false for a player that can't be installed.
struct PlayerSetupPlan {
    QString name;
    QString link;
    QString setupPath;
    QStringList arguments;
};
bool playerSetupPlan(MEDIAPLAYER_ID id, PlayerSetupPlan* plan);

// Runs a downloaded setup program to its end and removes it; `done` hears whether it ran.
// Blocks: call it on a thread of its own.
void runPlayerSetup(const QString& setupPath, const QStringList& arguments,
                    const std::function<void(bool)>& done);
