#include "Ranking.h"

namespace qvx {

// The ranking and highscores arrive with the economy.
void FinalRanking(GameState&) {}

}  // namespace qvx
