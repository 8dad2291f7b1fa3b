#include "GameState.h"

#include <algorithm>
#include <limits>

namespace qvx {

namespace {

template <class T, size_t N>
void Zero(std::array<T, N>& table) {
    if constexpr (std::is_arithmetic_v<T>) {
        table.fill(T{});
    } else if constexpr (std::is_same_v<T, std::string>) {
        for (auto& s : table)
            s.clear();
    } else if constexpr (std::is_same_v<T, JournalEntry>) {
        table.fill(JournalEntry{});
    } else {
        for (auto& inner : table)
            Zero(inner);
    }
}

}  // namespace

void ClearGame(GameState& gs) {
    Zero(gs.GameInfo);
    gs.History = {};
    gs.HistoryNote.clear();
    Zero(gs.Channel);
    Zero(gs.ChannelAccounts);
    Zero(gs.ChannelPendingIncome);
    Zero(gs.ChannelNames);
    Zero(gs.ChannelNames2);
    Zero(gs.GameLogFilled);
    Zero(gs.Regions);
    Zero(gs.RegionNames);
    Zero(gs.RegionDescriptions);
    Zero(gs.RegionCodes);
    Zero(gs.Licences);
    Zero(gs.Popularity);
    Zero(gs.Programme);
    Zero(gs.ShopOffers);
    Zero(gs.MovieArchive);
    Zero(gs.MovieMarketAux);
    Zero(gs.EpisodesShown);
    Zero(gs.AdPool);
    Zero(gs.AcceptedAds);
    Zero(gs.AdSpotsDone);
    Zero(gs.AdSpotsShadow);
    Zero(gs.AdDaysLeft);
    Zero(gs.AdOffers);
    Zero(gs.NewsOffersA);
    Zero(gs.NewsOffersB);
    Zero(gs.NewsShow);
    Zero(gs.GameLog);
    Zero(gs.ActionJournal);
    gs.ClockMinute = 0;
    gs.ClockHour = 0;
    gs.EndTurnBusy = false;
}

void ClearGameForLoading(GameState& gs) {
    ClearGame(gs);
    gs.ClockHour = 8;
}

void ClearActionJournals(GameState& gs) {
    Zero(gs.ActionJournal);
}

int32_t SaturateToInt32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t AddSaturated(int32_t a, int64_t b) {
    // Beyond 2^32 either way the sum leaves the int32 range whatever a is; clamping b first
    // keeps the 64-bit sum from overflowing.
    constexpr int64_t kReach = int64_t{1} << 32;
    return SaturateToInt32(int64_t{a} + std::clamp(b, -kReach, kReach));
}

bool CanAfford(const GameState& gs, int channel, int32_t amount) {
    return gs.Channel[channel][Ch::kMoney] >= amount;
}

void Pay(GameState& gs, int channel, int32_t amount) {
    if (!CanAfford(gs, channel, amount)) return;
    int32_t& money = gs.Channel[channel][Ch::kMoney];
    money = AddSaturated(money, -int64_t{amount});
}

void Credit(GameState& gs, int channel, int32_t amount) {
    int32_t& money = gs.Channel[channel][Ch::kMoney];
    money = AddSaturated(money, amount);
}

bool RecordAction(GameState& gs, int channel, JournalKind kind, int32_t a, int32_t b) {
    auto& journal = gs.ActionJournal[channel];
    const auto free = std::find_if(journal.begin() + 1, journal.end(), [](const JournalEntry& e) {
        return e.kind == JournalKind::Free;
    });
    if (free == journal.end()) return false;
    *free = JournalEntry{kind, a, b};
    return true;
}

int BoosterCount(const Boosters& boosters, int32_t b) {
    return static_cast<int>(
        std::count(boosters.ActiveBoosters.begin() + 1, boosters.ActiveBoosters.end(), b));
}

}  // namespace qvx
