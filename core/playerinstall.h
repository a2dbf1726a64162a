#pragma once
// Installing a missing media player: the window side of the players' setup programs.
#include "core/mediaplayerinfo.h"

#include <functional>

class QWidget;

// Downloads a player's setup program from the service (a modal download dialog over
// `parent`), makes it executable by its owner and runs it with the player's silent
// arguments on a thread of its own, then removes it. Returns before the download ends.
// `done` hears the outcome exactly once: false at once for a player that can't be
// installed, false on the GUI thread when the download fails, else on the installer's
// thread, true when the installer ran to its end.
void installPlayer(MEDIAPLAYER_ID id, std::function<void(bool)> done, QWidget* parent);
