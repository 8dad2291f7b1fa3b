#pragma once
// Four companies in business with the share and bond values a new game starts from.
#include "GameState.h"

namespace qvx::test {

inline void OpenStartMarket(GameState& gs) {
    static const char* const kNames[] = {"", "Red Wave", "Yellow Star", "Green Field", "Blue Hour"};
    for (int c = 1; c <= kChannels; ++c) {
        gs.Channel[c][Ch::kActive] = 1;
        gs.Channel[c][Ch::kMoney] = 3500;
        gs.Channel[c][Ch::kTvEquipment] = 500;
        Record& acc = gs.ChannelAccounts[c];
        acc[Acc::kSharePrice] = 50;
        acc[Acc::kSharesIssued] = 1000;
        acc[Acc::kBonds] = 5000;
        acc[Acc::kBondInterestRate] = 10;
        acc[Acc::kStockholdersEquity] = 5000;
        gs.ChannelNames[c] = kNames[c];
    }
}

}  // namespace qvx::test
