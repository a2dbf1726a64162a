#pragma once
// The few process-wide objects every part of the program reaches.
#include "api/client.h"
#include "core/mediaplayerinfo.h"

#include <QString>

class GAnalytics;
class BriskoLogger;

// The one API client, holding the application key and the login session.
extern brisko::client apiClient;
// Usage analytics and transfer statistics; made at start-up, null before.
extern GAnalytics* analytics;
extern BriskoLogger* statisticsLogger;

// A request to play a download once enough of it has arrived: written by the video-play
// dialog, read by the download queue on the GUI thread.
extern MediaPlayerInfo playbackPlayer; // the player to start
extern QString playbackWaitPath;       // local path of the download waited for
extern bool playbackUseMedia;          // the player gets playbackMedia instead
extern QString playbackMedia;          // the direct link to stream
extern bool playbackPending;           // a request is waiting for its download

// Set by the download tab's pause commands, cleared by its start commands; while set, the
// download queue does not report running empty. GUI thread only.
extern bool downloadStoppedByUser;

// Set by the upload tab's pause commands, cleared by its start commands; while set, the
// upload queue does not report running empty. GUI thread only.
extern bool uploadStoppedByUser;

// The logged-in account's id and level as the service sent them; empty while nobody is
// logged in. Written by the login dialog and the account panel, read by the banner.
// GUI thread only.
extern QString currentUserId;
extern QString currentUserLevel;
