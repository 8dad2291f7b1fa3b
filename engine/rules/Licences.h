#pragma once
// Broadcasting licences of the regions: who holds them, and the player's purchases and
// cancellations on the licence map.
#include <cstdint>
#include <string>

#include "Dialog.h"
#include "GameState.h"

namespace qvx {

// True when channel c holds the broadcasting licence for region r.
inline bool HoldsLicence(const GameState& gs, int r, int c) {
    return gs.Licences[r][c] == 1;
}

// The licence price the player's channel pays: Lawyer cards take price/20 each, computed once
// from the undiscounted price, and only for a human-run channel.
int32_t PlayerLicencePrice(const GameState& gs, const Boosters& boosters, int region);

enum class LicenceOutcome {
    Confirm,  // the check passed: the screen asks the confirmation question next
    Purchased,
    Cancelled,
    NoSuchRegion,
    AlreadyOwned,
    NotEnoughMoney,
    NotOwned,
    JournalFull,
};

// The checks before the purchase question; never changes state.
LicenceOutcome CheckBuyLicence(const GameState& gs, const Boosters& boosters, int region);
// After "Yes": checks again, records the action (JournalKind::BuyLicence) and buys; anything
// but Purchased changes nothing.
LicenceOutcome BuyLicence(GameState& gs, const Boosters& boosters, int region);
// The check before the cancellation question; never changes state.
LicenceOutcome CheckCancelLicence(const GameState& gs, int region);
// After "Yes": records the action (JournalKind::CancelLicence) and gives the licence up
// without refund.
LicenceOutcome CancelLicence(GameState& gs, int region);

// The information dialog for a refusal or a success (not for Confirm).
Dialog LicenceMessage(LicenceOutcome outcome);
// The yes/no questions asked between check and apply.
Dialog BuyLicenceQuestion(const GameState& gs, const Boosters& boosters, int region);
Dialog CancelLicenceQuestion(const GameState& gs, int region);

// The map screen's text line of a region: name, population and holders.
std::string LicenceMapLine(const GameState& gs, int region);

}  // namespace qvx
