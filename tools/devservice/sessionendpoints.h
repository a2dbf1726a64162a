#pragma once

namespace devservice {

class Service;

// Download and upload sessions, the version check and the log collector.
void addSessionEndpoints(Service& service);

} // namespace devservice
