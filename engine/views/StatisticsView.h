#pragma once
// The statistics screen's figures of one company: its header, its balance sheet and its income
// statement of the last turn, every amount written "$ <amount> millions".
#include <array>
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

struct StatisticsHeader {
    std::string name;         // Label7
    bool bankrupt = false;    // Bankrupt_Label "BANKRUPT", over the grey logo
    std::string logoPicture;  // QVX2_complogo<n>_sm.jpg, or _sm_g.jpg for a closed company
    std::string funds;        // Label10
    std::string licences;     // Label12: how many regions of the map it holds
};

inline constexpr int kBalanceLines = 9;
inline constexpr int kIncomeLines = 8;

// Operating funds, treasury stock, other stock, TV equipment, broadcasting licences, movie
// licences, bonds, stockholders' equity and what is left: BS_Text1..BS_Text9.
struct BalanceSheet {
    std::array<int64_t, kBalanceLines> amounts{};
    std::array<std::string, kBalanceLines> texts{};
};

// Advertisements, other revenues, bond fees, station setup, station monthly, movie licence
// fees, other expenses and the net revenue: IS_Text1..IS_Text8.
struct IncomeStatement {
    std::array<int64_t, kIncomeLines> amounts{};
    std::array<std::string, kIncomeLines> texts{};
};

// For company c 1..4; empty for another number.
StatisticsHeader BuildStatisticsHeader(const GameState& gs, int c);
// All zero for a closed company.
BalanceSheet BuildBalanceSheet(const GameState& gs, const Catalogue& cat, int c);
// All zero for a closed company and in the first turn, when no month has been paid yet.
IncomeStatement BuildIncomeStatement(const GameState& gs, int c);

}  // namespace qvx
