#pragma once
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// After a day, each channel's popularity with each group drifts towards the appeal of what it
// showed, region by region where it holds the licence: at most -1 or +3 a day.
void UpdatePopularity(GameState& gs, Rng& rng);

}  // namespace qvx
