#pragma once
// The soak's random player: does, at random, whatever a player can do in a planning phase,
// including what the screens would refuse.
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "NewGame.h"
#include "Rng.h"
#include "Settings.h"

namespace qvx::sim {

std::string RandomCompanyName(Rng& rng);
CustomSettings RandomCustomSettings(Rng& rng);
// Some random actions of one planning phase; the number of actions tried.
int PlayPlanningPhase(GameState& gs, const Catalogue& cat, const Settings& settings, Rng& rng);

}  // namespace qvx::sim
