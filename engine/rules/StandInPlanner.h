#pragma once
// A stand-in for the player: plans the player's day the way a computer company plans its own
// (titles bought and placed, news spots), accepts the contracts on offer and spreads them over
// the hours. Benchmarks and screenshots use it to reach a realistic mid-game; the game itself
// never plans for the player.
#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// Draws only from `planner`, so a caller can keep the game's own generator untouched.
void PlanPlayerDay(GameState& gs, const Catalogue& cat, Rng& planner);

}  // namespace qvx
