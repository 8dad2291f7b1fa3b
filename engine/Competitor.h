#pragma once
// The computer companies' decisions at the end of a turn.
#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// A channel plans its own day when it is in business, not shut down, and either computer-run
// or auto-played.
bool IsEligibleForCompetitorTurn(const GameState& gs, int c);
// Plans channel c's ten hours, buying the titles it needs.
void PlanCompetitorProgramme(GameState& gs, const Catalogue& cat, Rng& rng, int c);
// May buy channel c one broadcasting licence.
void DecideCompetitorLicence(GameState& gs, Rng& rng, int c);
// Lets channel c trade shares and bonds.
void DecideCompetitorStock(GameState& gs, Rng& rng, int c);

}  // namespace qvx
