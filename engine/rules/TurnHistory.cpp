#include "TurnHistory.h"

#include "Shares.h"

namespace qvx {

HistoryEntry TakeHistoryEntry(const GameState& gs, const Catalogue& cat) {
    HistoryEntry entry;
    entry.turn = gs.GameInfo[Info::kTurn];
    for (int c = 1; c <= kChannels; ++c) {
        HistoryPoint& point = entry.companies[c];
        if (!InBusiness(gs, c)) continue;
        point.inBusiness = 1;
        point.funds = gs.Channel[c][Ch::kMoney];
        // The full value: what the company is worth with every holding counted, the figure a
        // player compares across turns.
        point.companyValue = CompanyValue(gs, cat, c, ValueVariant::Full);
        int64_t viewers = 0;
        for (int g = 0; g < kAudienceGroups; ++g)
            viewers += gs.Programme[c][kPrimeTimeSlot][Slot::kViewers + g];
        point.primeTimeViewers = SaturateToInt32(viewers);
        point.sharePrice = gs.ChannelAccounts[c][Acc::kSharePrice];
    }
    return entry;
}

void RecordTurnHistory(GameState& gs, const Catalogue& cat) {
    AppendHistory(gs.History, TakeHistoryEntry(gs, cat));
}

}  // namespace qvx
