#pragma once
// The day's close, in the one order every caller keeps: End turn plays the day and enters a
// final result into the highscores (BeginBroadcast); the office then plays the day back hour by
// hour; at midnight the next planning phase opens and is autosaved (OpenPlanningPhase). A caller
// without a playback runs the whole of it with PlayTurn.
#include <filesystem>
#include <optional>

#include "Catalogue.h"
#include "GameState.h"
#include "PlanningPhase.h"
#include "Ranking.h"
#include "Rng.h"
#include "Settings.h"
#include "Status.h"
#include "TurnCycle.h"

namespace qvx {

// Enters the winner's result of a finished game into the highscores. A result without a
// candidate (a computer winner, a game with cheats) has nothing to enter and is Ok.
Status EnterFinalResult(const FinalResult& final, const std::filesystem::path& dir, Rng& rng);

struct Broadcast {
    TurnOutcome turn;
    // The final result's highscore entry when the day ended the game; Ok otherwise.
    Status highscore = Status::Ok();
};
// End turn from the planning phase: plays the day (and any auto-play days) and, when that ended
// the game, enters the final result at once, so a crash during the playback or the autosave
// cannot lose it. Leaves the game broadcasting at 02:00 pm on the player's channel.
Broadcast BeginBroadcast(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng,
                         const std::filesystem::path& dir);

struct DayClose {
    Broadcast broadcast;
    // The next planning phase and its autosave. Absent when the highscore entry failed: the day
    // stops at the broadcast, so the slot is not saved over with a result nobody recorded.
    std::optional<DayLogs> day;
};
// A whole turn as the office plays it, without the playback: BeginBroadcast, then the next
// planning phase saved to `autosaveSlot` (-1: not saved).
DayClose PlayTurn(GameState& gs, const Catalogue& cat, Settings& settings, Rng& rng,
                  const std::filesystem::path& dir, int autosaveSlot);

}  // namespace qvx
