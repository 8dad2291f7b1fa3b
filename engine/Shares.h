#pragma once
// Share prices, bonds and takeovers.
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// Moves the share price of every company in business.
void UpdateSharePrices(GameState& gs, Rng& rng);

}  // namespace qvx
