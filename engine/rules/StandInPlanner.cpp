#include "StandInPlanner.h"

#include <vector>

#include "AdAgency.h"
#include "Competitor.h"

namespace qvx {

void PlanPlayerDay(GameState& gs, const Catalogue& cat, Rng& planner) {
    const int player = gs.PlayerChannel;
    if (!ValidChannel(player)) return;
    PlanCompetitorProgramme(gs, cat, planner, player);
    for (int offer = 1; offer <= kAdOfferPositions; ++offer) {
        for (int p = 1; p <= kAcceptedAdPositions; ++p) {
            if (gs.AcceptedAds[player][p] != 0) continue;
            if (CheckAcceptContract(gs, offer, p) == AdOutcome::Confirm)
                AcceptContract(gs, offer, p);
            break;
        }
    }
    std::vector<int32_t> open;
    for (int p = 1; p <= kAcceptedAdPositions; ++p) {
        const int32_t id = gs.AcceptedAds[player][p];
        if (ValidAd(id) && gs.AdPool[player][id][Ad::kOpen] > 0) open.push_back(id);
    }
    size_t next = 0;
    for (int s = 1; s <= kSlots; ++s) {
        Record& slot = gs.Programme[player][s];
        slot[Slot::kAd] = 0;
        if (slot[Slot::kProgramme] != 0 && !open.empty())
            slot[Slot::kAd] = open[next++ % open.size()];
    }
}

}  // namespace qvx
