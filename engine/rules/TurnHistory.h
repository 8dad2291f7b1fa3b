#pragma once
// Taking the companies' figures for the history at the start of a planning phase.
#include "Catalogue.h"
#include "GameHistory.h"
#include "GameState.h"

namespace qvx {

// The hour whose viewers the history keeps: slot 7 of the ten from 02:00 pm is 08:00 pm.
constexpr int kPrimeTimeSlot = 7;

// The entry for the turn now being planned, from the state as the day close left it.
HistoryEntry TakeHistoryEntry(const GameState& gs, const Catalogue& cat);
// Appends TakeHistoryEntry to gs.History.
void RecordTurnHistory(GameState& gs, const Catalogue& cat);

}  // namespace qvx
