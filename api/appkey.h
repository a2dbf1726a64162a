#pragma once
#include <string>

namespace brisko {

// The application key that identifies the program to the service. The program keeps it
// only in scrambled form and rebuilds it at run time.
std::string application_key();

} // namespace brisko
