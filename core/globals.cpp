#include "core/globals.h"

#include "api/appkey.h"

brisko::client apiClient(brisko::application_key());
GAnalytics* analytics = nullptr;
BriskoLogger* statisticsLogger = nullptr;

MediaPlayerInfo playbackPlayer;
QString playbackPath;
QString playbackMediaText;
bool playbackUseMediaText = false;
bool playbackPending = false;

bool downloadStoppedByUser = false;
bool uploadStoppedByUser = false;

QString currentUserId;
QString currentUserLevel;
