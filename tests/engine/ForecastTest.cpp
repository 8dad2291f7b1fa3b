#include "Forecast.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "AdAgency.h"
#include "Boosters.h"
#include "Competitor.h"
#include "DayTestSupport.h"
#include "EngineTestSupport.h"
#include "NewGame.h"
#include "PlanningPhase.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "Settings.h"
#include "TurnCycle.h"

namespace qvx {
namespace {

using test::CaseName;
using test::DayWorld;
using test::Differences;

// Titles of every length and genre, most of them on the market, and ads of every target, so
// that the computer companies buy, the pools refill and the offers turn over.
std::unique_ptr<Catalogue> GameCatalogue() {
    auto cat = std::make_unique<Catalogue>();
    for (int m = 1; m <= kMovies; ++m) {
        Record& movie = cat->MovieCatalogue[m];
        movie[Movie::kOnMarket] = m % 4 == 0 ? 0 : 1;
        movie[Movie::kType] = Movie::kTypeMovie;
        movie[Movie::kGenre] = m % 15 + 1;
        movie[Movie::kStars] = m % 5 + 1;
        movie[Movie::kLength] = m % 3 + 1;
        movie[Movie::kPrice] = 50 + m % 200;
        for (int f = Movie::kRatingAction; f <= Movie::kRatingCast; ++f)
            movie[f] = (m * f) % 101;
        cat->MovieTitles[m] = "Title " + std::to_string(m);
    }
    for (int j = 1; j <= kAds; ++j) {
        cat->AdTargets[j] = (j - 1) % 8 + 1;
        cat->AdNames[j] = "Brand " + std::to_string(j);
    }
    for (int n = 1; n <= kNews; ++n) {
        cat->NewsCatalogue[n][News::kAvailable] = n % 2;
        cat->NewsCatalogue[n][News::kCategory] = n % 3 + 1;
        cat->NewsTexts[n] = "Headline " + std::to_string(n);
    }
    return cat;
}

const Catalogue& Cat() {
    static const std::unique_ptr<Catalogue> cat = GameCatalogue();
    return *cat;
}

struct GameCase {
    std::string name;
    int scenario;
    uint64_t seed;
    std::array<int32_t, kBoosterSlots + 1> deck;
    bool mobStrikes;  // the deck's mob card shuts a computer company down on some turn
    friend void PrintTo(const GameCase& c, std::ostream* os) { *os << c.name; }
};

class PlayedGame : public testing::TestWithParam<GameCase> {
  protected:
    void SetUp() override {
        for (int i = 1; i <= kBoosterSlots; ++i)
            settings.Deck.ActiveBoosters[i] = GetParam().deck[i];
        ClearGame(*gs);
        gs->CurrentGame = 1;
        const int s = GetParam().scenario;
        NewGame(*gs, Cat(), settings.Deck, rng, ScenarioKind(s), ScenarioMap(s), 1, "",
                CustomSettings{});
    }
    // The player's day as a player might plan it: the computer planner's titles and news, and
    // the player's contracts in every hour that holds a programme.
    void PlanPlayerDay() {
        const int p = gs->PlayerChannel;
        PlanCompetitorProgramme(*gs, Cat(), planner, p);
        for (int offer = 1, position = 1; offer <= 3 && position <= kAcceptedAdPositions;
             ++position) {
            if (gs->AcceptedAds[p][position] != 0) continue;
            if (CheckAcceptContract(*gs, offer, position) == AdOutcome::Confirm)
                AcceptContract(*gs, offer, position);
            ++offer;
        }
        int next = 0;
        for (int s = 1; s <= kSlots; ++s) {
            int32_t& ad = gs->Programme[p][s][Slot::kAd];
            ad = 0;
            if (gs->Programme[p][s][Slot::kProgramme] == 0) continue;
            for (int tries = 0; tries < kAcceptedAdPositions && ad == 0; ++tries)
                ad = gs->AcceptedAds[p][next++ % kAcceptedAdPositions + 1];
        }
    }

    Settings settings;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Rng rng{GetParam().seed};
    Rng planner{GetParam().seed + 100};
};

// The forecast is the day End turn then plays: hour by hour, group by group, and each ad's
// verdict is the one the day's audience gives it.
TEST_P(PlayedGame, ForecastIsTheDayEndTurnPlays) {
    bool struck = false;
    int hoursWithProgramme = 0, adsSeen = 0;
    for (int turn = 1; turn <= 15 && gs->GameInfo[Info::kGameOver] == 0; ++turn) {
        PlanPlayerDay();
        const DayForecast forecast = ForecastPlayerDay(*gs, Cat(), settings.Deck, rng);
        const int p = gs->PlayerChannel;
        const auto planned = gs->Programme[p];
        gs->EndTurnBusy = true;
        EndTurn(*gs, Cat(), settings.Deck, rng);
        for (int c = 1; c <= kChannels; ++c)
            struck = struck || (c != p && gs->Channel[c][Ch::kDisabledTurns] > 0);
        for (int s = 1; s <= kSlots; ++s) {
            SCOPED_TRACE("turn " + std::to_string(turn) + ", slot " + std::to_string(s));
            const HourForecast& hour = forecast.hours[s - 1];
            const Record& aired = gs->Programme[p][s];
            EXPECT_EQ(hour.hasProgramme, planned[s][Slot::kProgramme] != 0);
            hoursWithProgramme += hour.hasProgramme;
            int32_t total = 0;
            for (int g = 0; g < kAudienceGroups; ++g) {
                EXPECT_EQ(hour.groups[g], aired[Slot::kViewers + g]) << "group " << g;
                total += aired[Slot::kViewers + g];
            }
            EXPECT_EQ(hour.viewers, total);
            const int32_t ad = planned[s][Slot::kAd];
            if (!ValidAd(ad)) {
                EXPECT_FALSE(hour.adReached.has_value());
                continue;
            }
            ++adsSeen;
            const Record& contract = gs->AdPool[p][ad];
            ASSERT_TRUE(hour.adReached.has_value());
            EXPECT_EQ(*hour.adReached, AudienceForTarget(aired, contract[Ad::kTargetCode]) >=
                                           contract[Ad::kMinViewers]);
        }
        OpenPlanningPhase(*gs, Cat(), settings, {}, -1);
    }
    EXPECT_GT(hoursWithProgramme, 50);
    EXPECT_GT(adsSeen, 20);
    EXPECT_EQ(struck, GetParam().mobStrikes);
}

// Nothing of the game moves: not a table, not a log line, not a saved byte, not the generator.
TEST_P(PlayedGame, ForecastLeavesTheGameAsItWas) {
    for (int turn = 1; turn <= 3; ++turn) {
        PlanPlayerDay();
        gs->EndTurnBusy = true;
        EndTurn(*gs, Cat(), settings.Deck, rng);
        OpenPlanningPhase(*gs, Cat(), settings, {}, -1);
    }
    PlanPlayerDay();
    const auto before = std::make_unique<GameState>(*gs);
    const SlotFileBytes saved = EncodeSlot(*gs, kRunningGameSlot);
    const Rng rngBefore = rng;
    ForecastPlayerDay(*gs, Cat(), settings.Deck, rng);
    EXPECT_EQ(Differences(*before, *gs), std::vector<std::string>{});
    const SlotFileBytes after = EncodeSlot(*gs, kRunningGameSlot);
    EXPECT_EQ(saved.ints, after.ints);
    EXPECT_EQ(saved.strs, after.strs);
    Rng copy = rngBefore;
    EXPECT_EQ(rng.Random(1 << 30), copy.Random(1 << 30));
}

INSTANTIATE_TEST_SUITE_P(
    Games, PlayedGame,
    testing::Values(GameCase{"Scenario1", 1, 3, {}, false},
                    GameCase{"Scenario19", 19, 5, {}, false},
                    GameCase{"MobCard", 7, 2, {0, Card::kMob, 0, 0, 0, 0}, true},
                    GameCase{
                        "Cards", 12, 4, {0, Card::kTechnician, Card::kPaparazzi, 0, 0, 0}, false}),
    CaseName());

// A hand-made day: one region, the player alone with a plain Western in slot 7 and the news
// show in slot 8, an ad contract in slot 7.
class ForecastWorld : public testing::Test {
  protected:
    ForecastWorld() {
        w.AddRegion(1, "Plains", {40, 30, 50, 60, 20});
        w.OpenChannel(1, true);
        w.GrantLicence(1, 1, {10, 10, 10, 10, 10});
        w.PutTitle(5, test::kPlainWestern);
        w.SetSlots(1, {7}, 5);
        w.SetSlot(1, 8, Slot::kNewsShow);
        w.gs.MovieArchive[1][1] = 5;
    }
    void PlaceContract(int32_t target, int32_t minViewers) {
        w.PutContract(1, 9, {.target = target, .minViewers = minViewers});
        w.gs.AcceptedAds[1][1] = 9;
        w.gs.Programme[1][7][Slot::kAd] = 9;
    }
    DayForecast Forecast() const { return ForecastPlayerDay(w.gs, w.cat, w.deck, Rng{1}); }
    // What the day really gives the player's slot 7.
    Record Aired() {
        SimulateDay(w.gs, w.cat, w.deck);
        return w.gs.Programme[1][7];
    }

    DayWorld w;
};

TEST_F(ForecastWorld, RowTextAndTooltipNameTheGroupsInTheSlotsOrder) {
    const DayForecast forecast = Forecast();
    const Record aired = Aired();
    const HourForecast& hour = forecast.hours[6];
    ASSERT_TRUE(hour.hasProgramme);
    const auto v = [&](int g) { return std::to_string(aired[Slot::kViewers + g]); };
    int32_t total = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        total += aired[Slot::kViewers + g];
    EXPECT_EQ(hour.text, "\u2248 " + std::to_string(total) + " millions");
    EXPECT_EQ(hour.tooltip, "Kids: " + v(0) + " millions\nTeens: " + v(1) + " millions\nWomen: " +
                                v(2) + " millions\nMen: " + v(3) + " millions\nSeniors: " + v(4) +
                                " millions\n" + ForecastAssumption());
    EXPECT_TRUE(forecast.hours[7].hasProgramme);  // the news show
    EXPECT_FALSE(forecast.hours[6].adReached.has_value());
    for (int s : {1, 2, 3, 4, 5, 6, 9, 10}) {
        EXPECT_FALSE(forecast.hours[s - 1].hasProgramme) << s;
        EXPECT_EQ(forecast.hours[s - 1].text, "") << s;
        EXPECT_EQ(forecast.hours[s - 1].viewers, 0) << s;
    }
}

struct AdCase {
    std::string name;
    int32_t target;  // the contract's target group code
    int above;       // the minimum over the audience the target counts
    bool reached;
    friend void PrintTo(const AdCase& c, std::ostream* os) { *os << c.name; }
};

class ForecastAd : public ForecastWorld, public testing::WithParamInterface<AdCase> {};

// The minimum is met exactly, or missed by one viewer, in the audience the target counts; the
// other groups' viewers must not help.
TEST_P(ForecastAd, ReachesTheMinimumOfTheContractsTarget) {
    PlaceContract(GetParam().target, 0);
    Record forecastSlot{};
    const HourForecast hour = Forecast().hours[6];
    for (int g = 0; g < kAudienceGroups; ++g)
        forecastSlot[Slot::kViewers + g] = hour.groups[g];
    const int32_t counted = AudienceForTarget(forecastSlot, GetParam().target);
    ASSERT_GT(counted, 0);
    PlaceContract(GetParam().target, counted + GetParam().above);
    EXPECT_EQ(Forecast().hours[6].adReached, std::optional<bool>{GetParam().reached});
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ForecastAd,
                         testing::Values(AdCase{"AllViewersExactly", 1, 0, true},
                                         AdCase{"AllViewersOneShort", 1, 1, false},
                                         AdCase{"KidsTeensExactly", 2, 0, true},
                                         AdCase{"KidsTeensOneShort", 2, 1, false},
                                         AdCase{"MenExactly", 7, 0, true},
                                         AdCase{"MenOneShort", 7, 1, false}),
                         CaseName());

}  // namespace
}  // namespace qvx
