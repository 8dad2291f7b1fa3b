#include "SoakPlayer.h"

#include "AdAgency.h"
#include "Licences.h"
#include "MovieAgency.h"
#include "NewsAgency.h"
#include "Office.h"
#include "ProgrammeTable.h"
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
            BuyShares(gs, p, t);
            break;
        case 1:
            SellShares(gs, p, t);
            break;
        case 2:
            BuyBackBonds(gs, p, rng.Random(2) == 0 ? p : t);
            break;
        default:
            IssueBonds(gs, p, rng.Random(2) == 0 ? p : t);
            break;
    }
}

void UseAgencies(GameState& gs, const Catalogue& cat, const Boosters& deck, Rng& rng) {
    switch (rng.Random(8)) {
        case 0:
            BuyMovie(gs, cat, deck, Index(rng, kShopPositions), Index(rng, kArchivePositions));
            break;
        case 1:
            SellMovie(gs, cat, Index(rng, kArchivePositions));
            break;
        case 2:
            SwapMovieArchive(gs, Index(rng, kArchivePositions), Index(rng, kArchivePositions));
            break;
        case 3:
            AcceptContract(gs, Index(rng, kAdOfferPositions), Index(rng, kAcceptedAdPositions));
            break;
        case 4:
            SwapAdArchive(gs, Index(rng, kAcceptedAdPositions), Index(rng, kAcceptedAdPositions));
            break;
        case 5:
            CheckCancelContract(gs, Index(rng, kAcceptedAdPositions));
            break;
        case 6:
            SelectNews(gs, Index(rng, 2 * kNewsOfferPositions), Index(rng, kNewsShowPositions));
            break;
        default:
            BuyNewsSet(gs);
            break;
    }
}

// Drops anywhere on the programme table, the dustbin included, most of them sensible.
void PlanProgramme(GameState& gs, const Catalogue& cat, Rng& rng) {
    const auto tab = rng.Random(2) == 0 ? ArchiveTab::MoviesNews : ArchiveTab::Advertisements;
    const int target = rng.Random(12) == 0 ? kDustbin : Index(rng, kSlots);
    switch (rng.Random(9)) {
        case 0:
            MoveSlotProgramme(gs, cat, Index(rng, kSlots), target);
            break;
        case 1:
            MoveSlotAd(gs, Index(rng, kSlots), target);
            break;
        case 2:
            PlaceArchiveProgramme(gs, cat, Index(rng, kArchivePositions), target);
            break;
        case 3:
            PlaceNewsSpot(gs, cat, target);
            break;
        case 4:
            PlaceArchiveAd(gs, Index(rng, kAcceptedAdPositions), target);
            break;
        case 5:
            SwapArchive(gs, tab, Index(rng, kArchivePositions), Index(rng, kArchivePositions));
            break;
        case 6:
            DropArchiveImage(gs, cat, tab, Index(rng, kArchivePositions), target);
            break;
        case 7:
            FillEmptyAdHours(gs, tab, Index(rng, kAcceptedAdPositions));
            break;
        default:
            if (rng.Random(30) == 0) DeleteProgrammeTable(gs);
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
    const int actions = rng.Random(60);
    for (int i = 0; i < actions && gs.GameInfo[Info::kGameOver] == 0; ++i) {
        const int roll = rng.Random(100);
        if (roll < 30) {
            UseAgencies(gs, cat, settings.Deck, rng);
        } else if (roll < 75) {
            PlanProgramme(gs, cat, rng);
        } else if (roll < 82) {
            BuyLicence(gs, settings.Deck, Index(rng, kRegions));
        } else if (roll < 85) {
            CancelLicence(gs, Index(rng, kRegions));
        } else if (roll < 93) {
            TradeShares(gs, rng);
        } else {
            UseOffice(gs, cat, rng);
        }
    }
    return actions;
}

}  // namespace qvx::sim
