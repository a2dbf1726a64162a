#include "core/globals.h"

#include "api/appkey.h"

brisko::client apiClient(brisko::application_key());
GAnalytics* analytics = nullptr;
BriskoLogger* statisticsLogger = nullptr;
