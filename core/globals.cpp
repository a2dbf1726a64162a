#include "core/globals.h"

#include "api/appkey.h"

brisko::client apiClient(brisko::application_key());
GAnalytics* analytics = nullptr;
BriskoLogger* statisticsLogger = nullptr;

MediaPlayerInfo playbackPlayer;
QString playbackWaitPath;
QString playbackMedia;
bool playbackUseMedia = false;
bool playbackPending = false;

bool downloadStoppedByUser = false;
bool uploadStoppedByUser = false;

QString currentUserId;
QString currentUserLevel;
