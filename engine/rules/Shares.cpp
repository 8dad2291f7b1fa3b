#include "Shares.h"

#include <algorithm>
#include <string>

#include "Formatting.h"
#include "Licences.h"

namespace qvx {

namespace {

// The value of c's holding in company i at i's sell price, discounted for large blocks.
int64_t BlockValue(const GameState& gs, int c, int i) {
    const Record& acc = gs.ChannelAccounts[i];
    return HoldingValue(Holding(gs, c, i), acc[Acc::kSharesIssued], acc[Acc::kSharePrice],
                        acc[Acc::kSellPremium]);
}

// Holdings of 10% or less are too small to count in the strict valuation and the share price.
bool AboveTenPercent(const GameState& gs, int c, int i) {
    return SharePercent(Holding(gs, c, i), SharesIssued(gs, i)) > 10;
}

// Premiums fade by a twenty-fifth each turn; a premium already at 0 or below is left alone.
void DecayPremium(int32_t& premium) {
    if (premium > 0) premium -= premium / 25;
    premium = std::max(premium, 0);
}

}  // namespace

int32_t SharePercent(int64_t count, int32_t issued) {
    return SaturateToInt32(count * 100 / (issued == 0 ? 1 : issued));
}

int32_t OthersHoldings(const GameState& gs, int t) {
    int64_t sum = 0;
    for (int k = 1; k <= kChannels; ++k) {
        if (k != t && InBusiness(gs, k)) sum += Holding(gs, k, t);
    }
    return SaturateToInt32(sum);
}

int32_t PublicShares(const GameState& gs, int t) {
    return SaturateToInt32(int64_t{SharesIssued(gs, t)} - OthersHoldings(gs, t) -
                           Holding(gs, t, t));
}

int32_t BuyPrice(const GameState& gs, int t) {
    const Record& acc = gs.ChannelAccounts[t];
    const int32_t price = acc[Acc::kSharePrice];
    return SaturateToInt32(int64_t{price} + price / 5 + acc[Acc::kBuyPremium]);
}

int32_t SellPrice(const GameState& gs, int t) {
    const Record& acc = gs.ChannelAccounts[t];
    const int32_t price = acc[Acc::kSharePrice];
    return SaturateToInt32(int64_t{price} + acc[Acc::kSellPremium] - price / 5);
}

int32_t Security(const GameState& gs, int c) {
    int64_t security = gs.Channel[c][Ch::kTvEquipment];
    for (int r = 1; r <= kRegions; ++r) {
        if (HoldsLicence(gs, r, c)) security += gs.Regions[r][Reg::kRegionLicencePrice];
    }
    return SaturateToInt32(security);
}

int32_t CompanyValue(const GameState& gs, const Catalogue& cat, int c, ValueVariant variant) {
    const Record& acc = gs.ChannelAccounts[c];
    int64_t value = gs.Channel[c][Ch::kMoney];
    value += int64_t{Holding(gs, c, c)} * acc[Acc::kSharePrice];
    for (int i = 1; i <= kChannels; ++i) {
        if (i == c) continue;
        if (variant == ValueVariant::Strict && !AboveTenPercent(gs, c, i)) continue;
        value += BlockValue(gs, c, i);
    }
    value += gs.Channel[c][Ch::kTvEquipment];
    for (int r = 1; r <= kRegions; ++r) {
        if (RegionExists(gs, r) && HoldsLicence(gs, r, c))
            value += gs.Regions[r][Reg::kRegionLicencePrice] / 2;
    }
    for (int pos = 1; pos <= kArchivePositions; ++pos) {
        const int32_t id = gs.MovieArchive[c][pos];
        if (ValidMovie(id)) value += cat.MovieCatalogue[id][Movie::kPrice];
    }
    value -= int64_t{acc[Acc::kBonds]} + acc[Acc::kStockholdersEquity];
    return SaturateToInt32(value);
}

void UpdateSharePrices(GameState& gs, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        Record& acc = gs.ChannelAccounts[c];
        int64_t licences = 0;
        for (int r = 1; r <= kRegions; ++r) {
            if (RegionExists(gs, r) && HoldsLicence(gs, r, c))
                licences += gs.Regions[r][Reg::kRegionLicencePrice];
        }
        int64_t holdings = 0;
        for (int i = 1; i <= kChannels; ++i) {
            if (i != c && AboveTenPercent(gs, c, i)) holdings += BlockValue(gs, c, i);
        }
        const int64_t gross = int64_t{gs.Channel[c][Ch::kMoney]} + gs.Channel[c][Ch::kTvEquipment] +
                              licences + holdings;
        const int64_t net = std::max(gross - acc[Acc::kBonds], gross / 2);
        const int64_t d = net / (acc[Acc::kSharesIssued] == 0 ? 1 : acc[Acc::kSharesIssued]);
        const int64_t base = d + d / 10;
        const int32_t spread = SaturateToInt32(std::max<int64_t>(base * 25 / 100, 5));
        const int32_t up = rng.Random(spread);
        const int32_t down = rng.Random(spread);
        const int64_t price = base + up - down;
        DecayPremium(acc[Acc::kBuyPremium]);
        DecayPremium(acc[Acc::kSellPremium]);
        acc[Acc::kSharePrice] = SaturateToInt32(std::max<int64_t>(price, 2));
    }
}

void MarketReaction(GameState& gs, int t, MarketMove move) {
    int64_t held = 0;
    for (int k = 1; k <= kChannels; ++k) {
        if (InBusiness(gs, k)) held += Holding(gs, k, t);
    }
    const int32_t q = SharePercent(held, SharesIssued(gs, t));
    int32_t b = 0;
    if (q >= 0 && q <= 10) {
        b = 200;
    } else if (q >= 11 && q <= 20) {
        b = 300;
    } else if (q >= 21 && q <= 30) {
        b = 400;
    } else if (q >= 31 && q <= 70) {
        b = 500;
    } else if (q >= 71 && q <= 100) {
        b = 600;
    }
    const int32_t m = q > 29 ? 4 : q > 10 ? 2 : 1;
    const int32_t u = (m == 1 ? b + b / 2 : b * m) / 5;

    Record& acc = gs.ChannelAccounts[t];
    int32_t& buy = acc[Acc::kBuyPremium];
    int32_t& sell = acc[Acc::kSellPremium];
    if (move == MarketMove::Purchase) {
        const int32_t oldBuy = buy;
        sell = AddSaturated(sell, u);
        if (oldBuy < sell) sell = AddSaturated(oldBuy, u / 4);
        buy = AddSaturated(buy, u);
    } else {
        sell = AddSaturated(sell, -int64_t{u});
        if (buy < sell) sell = buy;
        buy = AddSaturated(buy, -int64_t{u / 2});
        buy = std::max(buy, 0);
        sell = std::max(sell, 0);
    }
}

void CompetitorBuyShares(GameState& gs, int buyer, int target, int32_t quantity) {
    if (buyer != target) return;
    const int t = target;
    const int32_t issued = SharesIssued(gs, t);
    const int32_t treasury = Holding(gs, t, t);
    int64_t n = quantity;
    if (SharePercent(int64_t{treasury} + n, issued) > 49)
        n = (49 - int64_t{SharePercent(treasury, issued)}) * issued / 100;
    const std::string& name = gs.ChannelNames[t];
    if (PublicShares(gs, t) < n || SharePercent(treasury + n, issued) > 49) {
        AddLogLine(gs, buyer, "* Purchase of stocks from \"" + name + "\" failed.");
        return;
    }
    const int64_t cost = int64_t{BuyPrice(gs, t)} * n;
    if (gs.Channel[buyer][Ch::kMoney] < cost) return;
    int32_t& money = gs.Channel[buyer][Ch::kMoney];
    money = AddSaturated(money, -cost);
    int32_t& purchases = gs.ChannelAccounts[buyer][Acc::kSharePurchaseCost];
    purchases = AddSaturated(purchases, cost);
    int32_t& held = Holding(gs, buyer, t);
    held = AddSaturated(held, n);
    AddLogLine(gs, buyer,
               "* " + std::to_string(n) + " million stocks from \"" + name + "\" bought.");
    MarketReaction(gs, t, MarketMove::Purchase);
}

void CompetitorSellShares(GameState& gs, int seller, int target, int32_t quantity) {
    const int t = target;
    int32_t& held = Holding(gs, seller, t);
    const int32_t n = std::min(quantity, held);
    const int64_t proceeds = int64_t{SellPrice(gs, t)} * n;
    int32_t& money = gs.Channel[seller][Ch::kMoney];
    money = AddSaturated(money, proceeds);
    int32_t& sales = gs.ChannelAccounts[seller][Acc::kShareSaleIncome];
    sales = AddSaturated(sales, proceeds);
    held -= n;
    AddLogLine(gs, seller,
               "* " + std::to_string(n) + " shares of \"" + gs.ChannelNames[t] + "\" sold.");
    MarketReaction(gs, t, MarketMove::Sale);
}

}  // namespace qvx
