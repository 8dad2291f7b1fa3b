#pragma once
// The invariants a game must keep whatever the player does; an empty text when they hold.
#include <array>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx::sim {

std::string CheckInvariants(const GameState& gs, const Catalogue& cat);
// After a simulated day: the companies that were out of business before it reached nobody.
// (A computer company going bankrupt at the end of the day did broadcast that day.)
std::string CheckClosedCompaniesSilent(const GameState& gs,
                                       const std::array<bool, kChannels + 1>& closedBefore);

}  // namespace qvx::sim
