#pragma once
// Midnight in the office: the broadcast day is over and the next planning phase opens.
#include <filesystem>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "GameState.h"
#include "Settings.h"
#include "Status.h"

namespace qvx {

struct DayLogs {
    // Each channel's log lines of the day that just ended, for the day summary.
    PerChannel<std::vector<std::string>> lines;
    bool gameOver = false;
    Status saved = Status::Ok();  // the autosave; a failure leaves the game playable
};

// Advances turn and weekday, books the day's money and spot counters, cleans the plans (movies
// leave, news and running series stay, finished contracts go), clears the news shows and the
// action journals, records the turn's history entry, and empties the logs, handing their lines
// to the caller. When the game is
// over the running-game slot's caption becomes "Empty slot". Then the game is saved to
// `autosaveSlot` (the office: slot 0; -1: not saved), so that a crash loses at most the turn
// being planned.
DayLogs OpenPlanningPhase(GameState& gs, const Catalogue& cat, Settings& settings,
                          const std::filesystem::path& dir, int autosaveSlot);

// Puts the day's lines back into the logs, in order from line 1, for the day summary to show
// (it empties the logs when it closes).
void RestoreDayLogs(GameState& gs, const DayLogs& day);

}  // namespace qvx
