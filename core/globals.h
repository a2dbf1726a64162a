#pragma once
// The few process-wide objects every part of the program reaches.
#include "api/client.h"

class GAnalytics;
class BriskoLogger;

// The one API client, holding the application key and the login session.
extern brisko::client apiClient;
// Usage analytics and transfer statistics; made at start-up, null before.
extern GAnalytics* analytics;
extern BriskoLogger* statisticsLogger;
