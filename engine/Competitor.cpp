#include "Competitor.h"

namespace qvx {

bool IsEligibleForCompetitorTurn(const GameState& gs, int c) {
    const Record& ch = gs.Channel[c];
    const bool autoPlay = gs.GameInfo[Info::kAutoPlayDays] > 0;
    return ch[Ch::kActive] > 0 && ch[Ch::kDisabledTurns] == 0 && (ch[Ch::kHuman] == 0 || autoPlay);
}

// The decisions arrive with the economy; until then the computer companies stand still.
void PlanCompetitorProgramme(GameState&, const Catalogue&, Rng&, int) {}
void DecideCompetitorLicence(GameState&, Rng&, int) {}
void DecideCompetitorStock(GameState&, Rng&, int) {}

}  // namespace qvx
