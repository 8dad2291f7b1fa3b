#pragma once
// The player's side of the ad agency: accepting an offered contract into a position of the ads
// archive, exchanging two archive positions, and the agency's refusal to take a contract back.
// Accepting is free and cannot be undone; spots, deadlines and payment belong to the day and
// the turn cycle.
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "Dialog.h"
#include "GameState.h"

namespace qvx {

enum class AdOutcome {
    Confirm,  // the check passed: the screen asks the question next
    Accepted,
    Swapped,
    // The screen shows nothing for these two: an argument no screen could produce, or a drag
    // that started on an empty position (the game would ask about contract 0).
    Invalid,
    Empty,
    PositionFull,  // "N/A" dialog
    JournalFull,   // "N/A" dialog
    NoCancel,      // the no-cancel dialog, titled with the contract's name
};

// Offer n dragged onto ads archive position k: the check refuses an occupied position before
// the question; the apply step records the action and moves the contract.
AdOutcome CheckAcceptContract(const GameState& gs, int offer, int position);
AdOutcome AcceptContract(GameState& gs, int offer, int position);
// Ads archive position k dragged onto position j.
AdOutcome SwapAdArchive(GameState& gs, int from, int to);
// An accepted contract dragged onto an offer or the background: the agency never cancels, so
// there is only the check; NoCancel when the position holds a contract.
AdOutcome CheckCancelContract(const GameState& gs, int position);

// The "N/A" dialog of a refusal; empty for every other outcome.
Dialog AdAgencyMessage(AdOutcome outcome);
// The question between check and accept, titled with the name of the contract on offer n.
Dialog AcceptContractQuestion(const GameState& gs, const Catalogue& cat, int offer);
// The answer to a drag of ads archive position k away from the archive.
Dialog NoCancelMessage(const GameState& gs, const Catalogue& cat, int position);

// Info panel lines of contract id c for the player: "Audience: 12 million kids", and the
// deadline, which shows the days left only once the contract is accepted.
std::string AdAudienceText(const GameState& gs, int32_t contract);
std::string AdDeadlineText(const GameState& gs, int32_t contract);

}  // namespace qvx
