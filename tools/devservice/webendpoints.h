#pragma once
// Files of the service's web site that the program downloads outside the API: the media
// players' setup programs behind their share links and the program's own update, plus a
// few misbehaving addresses for the download dialog's tests.
#include "tools/devservice/httpmessage.h"

#include <string>

namespace devservice {

class Service;

// GET routes:
//   /file/VLCSETUP0001, /file/MPCSETUP0001  a player's setup program (setupProgram())
//   /setup/BriskoSetup.bin                  the update's setup program (setupProgram())
//   /setup/moved                            302 to /setup/BriskoSetup.bin
//   /setup/page.html                        an HTML page (text/html; charset=utf-8)
//   /setup/missing                          404 with a binary content type
//   /setup/slow?size=N&hold=K&pause=MS      N bytes (slowBody(N)); after the first K it
//                                           pauses MS milliseconds (defaults 100000,
//                                           50000, 10000); the pause ends early when
//                                           the service stops
void addWebEndpoints(Service& service);

// The setup programs served: a tiny sh script that installs nothing and exits 0.
std::string setupProgram();
// The first `size` bytes of the slow body: a repeating alphabet.
std::string slowBody(std::size_t size);

inline constexpr char kUpdateSetupPath[] = "/setup/BriskoSetup.bin";

} // namespace devservice
