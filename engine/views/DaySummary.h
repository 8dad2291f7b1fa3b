#pragma once
// The day summary shown when the playback of a day ends: a company's funds, its net revenue of
// the day and its game log.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "GameState.h"

namespace qvx {

inline constexpr const char* kBankruptLogLine = "This company is bankrupt.";

struct DaySummary {
    std::string title;      // Label18: "Summary - Day <turn - 1>/<total>"
    std::string infoTitle;  // Label22: "<name> - Info"
    std::string logTitle;   // Label7: "<name> - Game log"
    bool bankrupt = false;  // Bankrupt_Label "BANKRUPT"
    std::string logoPicture;
    std::string funds;             // Label24
    std::string netRevenue;        // Label26
    std::vector<std::string> log;  // Memo1
};

// The summary of company c 1..4 with the given log lines. The next planning phase has already
// taken the day's lines out of the game (OpenPlanningPhase's DayLogs); pass them here.
DaySummary BuildDaySummary(const GameState& gs, int c, std::span<const std::string> logLines);
// The same with the lines still in the company's GameLog.
DaySummary BuildDaySummary(const GameState& gs, int c);

// The used lines of a company's log in order; an empty line and a single blank are free.
std::vector<std::string> LogLines(const GameState& gs, int c);
// What company c earned in the last day: advertising income and share sales, less bond
// interest, licences bought, station costs, titles bought and shares bought.
int64_t NetRevenue(const GameState& gs, int c);
// Empties every line of the four companies' logs.
void ClearGameLogs(GameState& gs);

}  // namespace qvx
