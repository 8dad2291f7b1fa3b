#pragma once
// The end of a turn: markets, the computer companies, the broadcast day, popularity, costs,
// deadlines, bankruptcies and the end of the game. Auto-play runs several days in one go.
#include <optional>

#include "Catalogue.h"
#include "GameState.h"
#include "Ranking.h"
#include "Rng.h"

namespace qvx {

// What a turn leaves for the caller: when the game ended in it, the final ranking, whose
// highscore candidate (if any) the caller enters into the highscore files.
struct TurnOutcome {
    std::optional<FinalResult> final;
};

// Plays the day (and any auto-play days) and leaves the game in the broadcasting phase at
// 02:00 pm, ready for the playback, with the player's channel on the TV.
TurnOutcome EndTurn(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng);
// The turn cycle itself: one pass per game day while auto-play days remain. In the last pass
// the day's money and spot counters are held back for the playback to count up.
TurnOutcome TurnCycle(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng);

// Everything a game day does before the broadcast, in the turn's order: the auto-play count,
// last turn's income, the markets' refresh, the mob card, the computer companies' plans, and
// the wipe of shut-down channels' programmes. Leaves the state as SimulateDay takes it.
void PrepareBroadcastDay(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng);
// A channel shut down for this turn broadcasts nothing: its hours and ad spots are emptied.
void WipeDisabledProgrammes(GameState& gs);

// The mob card's step of the turn, for every human channel holding it: the levy of 5% of the
// last day's income, then with 26 chances in 100 a strike on a drawn competitor.
void ApplyMob(GameState& gs, const Boosters& boosters, Rng& rng);

// The turn at which a game of this state ends.
int32_t TurnLimit(const GameState& gs);

}  // namespace qvx
