#include "SoakPlayer.h"

#include "Licences.h"
#include "Office.h"
#include "Scenarios.h"
#include "StockBroker.h"

namespace qvx::sim {

namespace {

// A value a screen could send, or one just outside what it could.
int Index(Rng& rng, int count) {
    return rng.Random(count + 3) - 1;
}

void TradeShares(GameState& gs, Rng& rng) {
    const int p = gs.PlayerChannel;
    const int t = Index(rng, kChannels);
    switch (rng.Random(4)) {
        case 0:
            ApplyBuyShares(gs, p, t);
            break;
        case 1:
            ApplySellShares(gs, p, t);
            break;
        case 2:
            ApplyBuyBackBonds(gs, p, rng.Random(2) == 0 ? p : t);
            break;
        default:
            ApplyIssueBonds(gs, p, rng.Random(2) == 0 ? p : t);
            break;
    }
}

void UseOffice(GameState& gs, const Catalogue& cat, Rng& rng) {
    switch (rng.Random(5)) {
        case 0:
            CheatMoney(gs, rng.Random(2) == 0 ? 10000 : 100000);
            break;
        case 1:
            CheatPopularity(gs, Index(rng, kAudienceGroups));
            break;
        case 2:
            CallBoardOfDirectors(gs, Index(rng, kChannels));
            break;
        case 3:
            // Now and then the player gives up; the game then ends with this turn.
            if (rng.Random(40) == 0) DeclareBankruptcy(gs, cat);
            break;
        default:
            break;
    }
}

}  // namespace

std::string RandomCompanyName(Rng& rng) {
    static const char* const kNames[] = {"Night Owl TV",
                                         "",
                                         "Caf\xC3\xA9 Cr\xC3\xA8me Channel",
                                         "\xE6\xBC\xA2\xE5\xAD\x97 TV",
                                         "A&&B \"Quoted\" <TV>",
                                         "\xE2\x82\xAC Money Channel"};
    std::string name = kNames[rng.Random(6)];
    if (rng.Random(8) == 0) name.append(static_cast<size_t>(rng.Random(400)), 'x');
    return name;
}

CustomSettings RandomCustomSettings(Rng& rng) {
    CustomSettings custom;
    custom.turns = kCustomTurnChoices[rng.Random(7)];
    custom.difficulty = rng.Random(2) == 0 ? Difficulty::Normal : Difficulty::Expert;
    custom.competitors = rng.Random(4);
    custom.start = rng.Random(3) == 0 ? StartMode::LateGame : StartMode::EarlyBeginnings;
    custom.population = static_cast<PopulationMode>(rng.Random(4));
    return custom;
}

int PlayPlanningPhase(GameState& gs, const Catalogue& cat, const Settings& settings, Rng& rng) {
    const int actions = rng.Random(25);
    for (int i = 0; i < actions && gs.GameInfo[Info::kGameOver] == 0; ++i) {
        switch (rng.Random(4)) {
            case 0:
                BuyLicence(gs, settings.Deck, Index(rng, kRegions));
                break;
            case 1:
                CancelLicence(gs, Index(rng, kRegions));
                break;
            case 2:
                TradeShares(gs, rng);
                break;
            default:
                UseOffice(gs, cat, rng);
                break;
        }
    }
    return actions;
}

}  // namespace qvx::sim
