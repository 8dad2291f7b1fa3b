#pragma once
// How the four companies got where they are: one entry per planning phase, kept with the game
// (a loaded game brings its own, a new game starts with its first turn only).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qvx {

// One company at the start of one planning phase.
struct HistoryPoint {
    // 0: out of business at that turn (bankrupt or taken over); its line ends before it.
    int32_t inBusiness = 0;
    int32_t funds = 0;         // Ch::kMoney, $ millions
    int32_t companyValue = 0;  // CompanyValue(..., ValueVariant::Full), $ millions
    // The day just broadcast: the company's viewers of the 08:00 pm hour, all five groups, in
    // millions; 0 on a game's first turn, before anything was broadcast.
    int32_t primeTimeViewers = 0;
    int32_t sharePrice = 0;  // Acc::kSharePrice
    bool operator==(const HistoryPoint&) const = default;
};

struct HistoryEntry {
    int32_t turn = 0;
    std::array<HistoryPoint, 5> companies{};  // 1..4; element 0 unused like every table
    bool operator==(const HistoryEntry&) const = default;
};

struct GameHistory {
    std::vector<HistoryEntry> entries;  // turns strictly increasing
    bool operator==(const GameHistory&) const = default;
};

// Appends an entry; one for the same or a later turn already there (a game continued from an
// older save of itself) is dropped first, so the turns stay strictly increasing.
void AppendHistory(GameHistory& history, const HistoryEntry& entry);

}  // namespace qvx
