#pragma once
#include <filesystem>

#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"
#include "SimArgs.h"
#include "TurnCycle.h"

namespace qvx::sim {

// Plays a whole game of the scenario with all four companies run by the computer, from the
// first turn to the last in one auto-play; game picks the player's logo so games vary.
TurnOutcome PlayComputerGame(GameState& gs, const Catalogue& cat, Rng& rng, int scenario, int game);

// Values and both rankings of a slot, without writing anything.
int RankCommand(const Args& args, const std::filesystem::path& dir);
// Whole games with four computer companies, for balancing the economy.
int TournamentCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed);

}  // namespace qvx::sim
