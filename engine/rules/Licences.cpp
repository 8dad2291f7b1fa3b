#include "Licences.h"

#include "Boosters.h"
#include "Formatting.h"

namespace qvx {

namespace {

constexpr const char* kNotAvailableText = "Not available on this map.";

bool OnMap(const GameState& gs, int region) {
    return region >= 1 && region <= kRegions && gs.Regions[region][Reg::kExists] == 1;
}

bool PlayerHolds(const GameState& gs, int region) {
    return HoldsLicence(gs, region, gs.PlayerChannel);
}

// The screen only offers regions of the map; anything else is refused rather than indexed.
bool Usable(const GameState& gs, int region) {
    return ValidChannel(gs.PlayerChannel) && OnMap(gs, region);
}

}  // namespace

int32_t PlayerLicencePrice(const GameState& gs, const Boosters& boosters, int region) {
    if (region < 1 || region > kRegions) return 0;
    const int64_t price = gs.Regions[region][Reg::kRegionLicencePrice];
    if (!ValidChannel(gs.PlayerChannel)) return static_cast<int32_t>(price);
    const int64_t lawyers = CardsOf(gs, boosters, gs.PlayerChannel, Card::kLawyer);
    return SaturateToInt32(price - lawyers * (price / 20));
}

LicenceOutcome CheckBuyLicence(const GameState& gs, const Boosters& boosters, int region) {
    if (!Usable(gs, region)) return LicenceOutcome::NoSuchRegion;
    if (PlayerHolds(gs, region)) return LicenceOutcome::AlreadyOwned;
    if (!CanAfford(gs, gs.PlayerChannel, PlayerLicencePrice(gs, boosters, region)))
        return LicenceOutcome::NotEnoughMoney;
    return LicenceOutcome::Confirm;
}

LicenceOutcome BuyLicence(GameState& gs, const Boosters& boosters, int region) {
    if (const auto check = CheckBuyLicence(gs, boosters, region); check != LicenceOutcome::Confirm)
        return check;
    const int c = gs.PlayerChannel;
    if (!RecordAction(gs, c, JournalKind::BuyLicence, region, 0))
        return LicenceOutcome::JournalFull;
    const int32_t price = PlayerLicencePrice(gs, boosters, region);
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -int64_t{price});
    int32_t& cost = gs.ChannelPendingIncome[c][Acc::kLicenceCost];
    cost = AddSaturated(cost, price);
    gs.Licences[region][c] = 1;
    return LicenceOutcome::Purchased;
}

LicenceOutcome CheckCancelLicence(const GameState& gs, int region) {
    if (!Usable(gs, region)) return LicenceOutcome::NoSuchRegion;
    if (!PlayerHolds(gs, region)) return LicenceOutcome::NotOwned;
    return LicenceOutcome::Confirm;
}

LicenceOutcome CancelLicence(GameState& gs, int region) {
    if (const auto check = CheckCancelLicence(gs, region); check != LicenceOutcome::Confirm)
        return check;
    const int c = gs.PlayerChannel;
    if (!RecordAction(gs, c, JournalKind::CancelLicence, region, 0))
        return LicenceOutcome::JournalFull;
    gs.Licences[region][c] = 0;
    return LicenceOutcome::Cancelled;
}

Dialog LicenceMessage(LicenceOutcome outcome) {
    switch (outcome) {
        case LicenceOutcome::Purchased:
            return {"License acquired",
                    "You have successfully purchased the broadcasting license."};
        case LicenceOutcome::Cancelled:
            return {"License canceled", "You have successfully canceled the broadcasting license."};
        case LicenceOutcome::NoSuchRegion:
            return Refusal(kNotAvailableText);
        case LicenceOutcome::AlreadyOwned:
            return Refusal("You already own a license for this region.");
        case LicenceOutcome::NotEnoughMoney:
            return Refusal("You do not have enough money.");
        case LicenceOutcome::NotOwned:
            return Refusal("You do not own any license in regard to this region.");
        case LicenceOutcome::JournalFull:
            return Refusal(kJournalFullText);
        case LicenceOutcome::Confirm:
            break;
    }
    return {};
}

Dialog BuyLicenceQuestion(const GameState& gs, const Boosters& boosters, int region) {
    if (region < 1 || region > kRegions) return {};
    return {"Purchase license?", "Do you really wish to purchase the broadcasting license for " +
                                     gs.RegionNames[region] + " for $ " +
                                     FormatAmount(PlayerLicencePrice(gs, boosters, region)) +
                                     " millions?"};
}

Dialog CancelLicenceQuestion(const GameState& gs, int region) {
    if (region < 1 || region > kRegions) return {};
    return {"Cancel license?", "Do you really wish to CANCEL the broadcasting license for " +
                                   gs.RegionNames[region] + " ?"};
}

std::string LicenceMapLine(const GameState& gs, int region) {
    if (!OnMap(gs, region)) return kNotAvailableText;
    int64_t population = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        population += gs.Regions[region][Reg::kPopulation + g];
    // Every holder is listed, bankrupt or not: the licence table keeps a bankrupt company's
    // licences, only the map hides its flags.
    static constexpr const char* kColours[] = {"", "Red ", "Yellow ", "Green ", "Blue "};
    std::string holders;
    for (int c = 1; c <= kChannels; ++c) {
        if (HoldsLicence(gs, region, c)) holders += kColours[c];
    }
    if (holders.empty()) holders = "None";
    return gs.RegionNames[region] + ", " + FormatAmount(population) +
           " million people, Licensed by: " + holders;
}

}  // namespace qvx
