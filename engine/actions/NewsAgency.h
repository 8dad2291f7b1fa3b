#pragma once
// The player's news agency: composing the three articles of tomorrow's news show from the five
// on offer, and buying the turn's second set of five articles once.
#include <cstdint>

#include "Dialog.h"
#include "GameState.h"

namespace qvx {

inline constexpr int32_t kNewsSetPrice = 50;

enum class NewsOutcome {
    Confirm,  // the check passed: the screen asks the question next
    Selected,
    Purchased,
    Invalid,  // an argument no screen could produce; nothing is shown
    // Each of these is one "N/A" dialog.
    NoNewSet,
    NotEnoughMoney,
    JournalFull,
};

// A drag of offer o ended on show position p (1..3), or anywhere else (p = 0). The article
// leaves every show position it held, then takes position p. Free and not journalled.
NewsOutcome SelectNews(GameState& gs, int offer, int target);

// "Buy a new set": the check tests the second set and the money before the question; the apply
// step checks again, records the action and replaces the offers by the second set.
NewsOutcome CheckBuyNewsSet(const GameState& gs);
NewsOutcome BuyNewsSet(GameState& gs);

// The dialog of a refusal or of the purchase; empty for Confirm, Selected and Invalid.
Dialog NewsAgencyMessage(NewsOutcome outcome);
Dialog BuyNewsSetQuestion();

}  // namespace qvx
