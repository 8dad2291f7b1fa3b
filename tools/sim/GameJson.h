#pragma once
#include <string>

#include "GameState.h"
#include "PlanningPhase.h"

namespace qvx::sim {

// Every table of a slot; JSON indices equal the game's own (element 0 included).
std::string DumpJson(const GameState& gs, int slot);
// Where the game stands after a command: turn, phase and every company's figures, plus the
// lines of the day that just ended for the player's channel when there was one.
std::string StandingsJson(const GameState& gs, const DayLogs* day, uint64_t seed);

}  // namespace qvx::sim
