#pragma once
// The final ranking of a finished game and the highscore entry of a winning player.
#include "GameState.h"

namespace qvx {

void FinalRanking(GameState& gs);

}  // namespace qvx
