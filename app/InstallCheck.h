#pragma once
// quovix2 --check: proves, without a window, that the game finds its data and can keep the
// player's files: it starts a "Normal - USA" game and saves it as the running game, as the start
// screen's "Start a new game" would. A game in progress is never replaced.
#include <cstdint>
#include <ostream>

#include "GameDirs.h"

namespace qvx::app {

// 0 when the new game was started and saved; 1 with the reason on err otherwise.
int RunInstallCheck(const GameDirs& dirs, uint64_t seed, std::ostream& out, std::ostream& err);

}  // namespace qvx::app
