#include "AdAgency.h"

#include <algorithm>

#include "Formatting.h"

namespace qvx {

namespace {

bool ValidArchivePosition(int k) {
    return k >= 1 && k <= kAcceptedAdPositions;
}
bool ValidOffer(int n) {
    return n >= 1 && n <= kAdOfferPositions;
}

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

bool IsAccepted(const GameState& gs, int32_t contract) {
    const auto& accepted = gs.AcceptedAds[gs.PlayerChannel];
    return std::find(accepted.begin() + 1, accepted.begin() + 1 + kAcceptedAdPositions, contract) !=
           accepted.begin() + 1 + kAcceptedAdPositions;
}

}  // namespace

AdOutcome CheckAcceptContract(const GameState& gs, int offer, int position) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidOffer(offer) || !ValidArchivePosition(position))
        return AdOutcome::Invalid;
    const int c = gs.PlayerChannel;
    const int32_t contract = gs.AdOffers[c][offer];
    if (contract == 0) return AdOutcome::Empty;
    if (!ValidAd(contract)) return AdOutcome::Invalid;
    if (gs.AcceptedAds[c][position] != 0) return AdOutcome::PositionFull;
    return AdOutcome::Confirm;
}

AdOutcome AcceptContract(GameState& gs, int offer, int position) {
    if (const AdOutcome check = CheckAcceptContract(gs, offer, position);
        check != AdOutcome::Confirm)
        return check;
    const int c = gs.PlayerChannel;
    const int32_t contract = gs.AdOffers[c][offer];
    if (!RecordAction(gs, c, JournalKind::AcceptAd, contract, position))
        return AdOutcome::JournalFull;
    // The deadline counter is the turn cycle's; accepting neither pays nor starts anything.
    gs.AcceptedAds[c][position] = contract;
    gs.AdOffers[c][offer] = 0;
    return AdOutcome::Accepted;
}

AdOutcome SwapAdArchive(GameState& gs, int from, int to) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidArchivePosition(from) || !ValidArchivePosition(to))
        return AdOutcome::Invalid;
    const int c = gs.PlayerChannel;
    if (!RecordAction(gs, c, JournalKind::SwapAdArchive, from, to)) return AdOutcome::JournalFull;
    std::swap(gs.AcceptedAds[c][from], gs.AcceptedAds[c][to]);
    return AdOutcome::Swapped;
}

AdOutcome CheckCancelContract(const GameState& gs, int position) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidArchivePosition(position))
        return AdOutcome::Invalid;
    const int32_t contract = gs.AcceptedAds[gs.PlayerChannel][position];
    if (contract == 0) return AdOutcome::Empty;
    if (!ValidAd(contract)) return AdOutcome::Invalid;
    return AdOutcome::NoCancel;
}

Dialog AdAgencyMessage(AdOutcome outcome) {
    switch (outcome) {
        case AdOutcome::PositionFull:
            return Refusal("This position in your ads archive is already full.");
        case AdOutcome::JournalFull:
            return Refusal(kJournalFullText);
        case AdOutcome::Confirm:
        case AdOutcome::Accepted:
        case AdOutcome::Swapped:
        case AdOutcome::Invalid:
        case AdOutcome::Empty:
        case AdOutcome::NoCancel:
            break;
    }
    return {};
}

Dialog AcceptContractQuestion(const GameState& gs, const Catalogue& cat, int offer) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidOffer(offer)) return {};
    const int32_t contract = gs.AdOffers[gs.PlayerChannel][offer];
    if (!ValidAd(contract)) return {};
    return {Quoted(cat.AdNames[contract]),
            "Do you really wish to accept this advertising contract?"};
}

Dialog NoCancelMessage(const GameState& gs, const Catalogue& cat, int position) {
    if (CheckCancelContract(gs, position) != AdOutcome::NoCancel) return {};
    const int32_t contract = gs.AcceptedAds[gs.PlayerChannel][position];
    return {Quoted(cat.AdNames[contract]),
            "\"We are sorry, but we do not cancel commercial contracts. Please fulfill the "
            "contract or let it run out.\""};
}

std::string AdAudienceText(const GameState& gs, int32_t contract) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidAd(contract)) return {};
    static constexpr const char* kTargets[] = {
        " million viewers", " million viewers", " million kids or teens",
        " million adults",  " million kids",    " million teens",
        " million women",   " million men",     " million seniors"};
    const Record& rec = gs.AdPool[gs.PlayerChannel][contract];
    const int32_t code = rec[Ad::kTargetCode];
    // Codes outside the table count as all viewers, as code 0 does.
    const char* target = code >= 0 && code <= 8 ? kTargets[code] : kTargets[0];
    return "Audience: " + FormatAmount(rec[Ad::kMinViewers]) + target;
}

std::string AdDeadlineText(const GameState& gs, int32_t contract) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidAd(contract)) return {};
    const int c = gs.PlayerChannel;
    const std::string deadline = std::to_string(gs.AdPool[c][contract][Ad::kDeadline]);
    if (IsAccepted(gs, contract))
        return "Deadline: " + std::to_string(gs.AdDaysLeft[c][contract]) + " / " + deadline +
               " days left";
    return "Deadline: " + deadline + " days";
}

}  // namespace qvx
