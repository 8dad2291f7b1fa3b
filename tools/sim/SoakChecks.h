#pragma once
// The invariants a game must keep whatever the player does; an empty text when they hold.
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx::sim {

std::string CheckInvariants(const GameState& gs, const Catalogue& cat);
// After a simulated day: a company out of business reached nobody.
std::string CheckClosedCompaniesSilent(const GameState& gs);

}  // namespace qvx::sim
