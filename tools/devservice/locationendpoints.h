#pragma once

namespace devservice {

class Service;

// The locations the sessions hand out: "/dl/<token>" serves a file or zip (GET, HEAD;
// byte ranges), "/up/<token>" will take uploaded chunks.
void addLocationEndpoints(Service& service);

} // namespace devservice
