#pragma once
#include <filesystem>

#include "SimArgs.h"

namespace qvx::sim {

// Plays whole games with a random player who does everything a player can do, checking the
// game's invariants after every turn; stops at the first violation with its seed and turn.
int SoakCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed);

}  // namespace qvx::sim
