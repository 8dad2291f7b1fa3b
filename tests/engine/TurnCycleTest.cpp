#include "TurnCycle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Boosters.h"
#include "DayTestSupport.h"
#include "EngineTestSupport.h"
#include "PlanningPhase.h"
#include "Settings.h"

namespace qvx {
namespace {

using test::DayWorld;
using test::Five;

// Money of a channel the computer runs: at most 2500 leaves it nothing to buy (no licence, no
// share block, and the catalogue has no titles), so its money moves only by the rules tested.
constexpr int32_t kPoor = 2000;

// Northland with station cost `cost`; the human channel 1 and the computer channel 2 show the
// news all day there. The catalogue offers no ads, so no contract is ever drawn anew and the
// hand-made ones stay as they are.
void NewsWorld(DayWorld& w, int32_t cost) {
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20}, cost);
    for (int c = 1; c <= 2; ++c) {
        w.OpenChannel(c, c == 1, c == 1 ? 10000 : kPoor);
        w.GrantLicence(1, c, {60, 60, 60, 60, 60});
        for (int h = 1; h <= kSlots; ++h)
            w.SetSlot(c, h, Slot::kNewsShow);
    }
}

bool Broadcasts(const DayWorld& w, int c) {
    for (int h = 1; h <= kSlots; ++h) {
        if (w.gs.Programme[c][h][Slot::kProgramme] != 0 || w.Viewers(c, h) != Five{}) return true;
    }
    return false;
}

TEST(TurnCycle, NormalTurnHoldsTheDaysMoneyAndSpotsBackForThePlayback) {
    DayWorld w;
    NewsWorld(w, 1500);
    w.gs.ChannelAccounts[1][Acc::kBonds] = 5000;
    w.gs.ChannelAccounts[1][Acc::kBondInterestRate] = 7;  // 350 a year, 29 a month
    w.PutContract(1, 5, {.spots = 2, .payment = 1234});
    w.gs.AcceptedAds[1][1] = 5;
    w.gs.AdDaysLeft[1][5] = 4;
    w.SetSlot(1, 1, Slot::kNewsShow, 5);
    w.gs.ChannelPendingIncome[1][Acc::kAdIncome] = 50;
    w.gs.ChannelPendingIncome[1][Acc::kShareSaleIncome] = 7;
    for (int f = Acc::kAdIncome; f <= Acc::kSharePurchaseCost; ++f)
        w.gs.ChannelAccounts[2][f] = 99;
    w.gs.ViewedChannel = 2;
    w.gs.EndTurnBusy = true;
    Rng rng(1);
    EndTurn(w.gs, w.cat, w.deck, rng);

    const Record& ch = w.gs.Channel[1];
    EXPECT_EQ(ch[Ch::kMoneyBeforeDay], 10000);
    EXPECT_EQ(ch[Ch::kMoneyAfterDay], 10000 + 1234 - 29 - 1500);
    EXPECT_EQ(ch[Ch::kMoney], 10000);
    EXPECT_EQ(w.gs.AdSpotsDone[1][5], 0);
    EXPECT_EQ(w.gs.AdSpotsShadow[1][5], 2);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoneyAfterDay], kPoor - 1500);
    EXPECT_EQ(w.gs.ChannelAccounts[1][Acc::kAdIncome], 50 + 1234);
    EXPECT_EQ(w.gs.ChannelAccounts[1][Acc::kShareSaleIncome], 7);
    EXPECT_EQ(w.gs.ChannelPendingIncome[1], Record{});
    for (int f = Acc::kAdIncome; f <= Acc::kSharePurchaseCost; ++f)
        EXPECT_EQ(w.gs.ChannelAccounts[2][f], 0) << f;
    EXPECT_EQ(w.LinesWith(1, "monthly"),
              (std::vector<std::string>{
                  "* $ 29 millions monthly interest rate for bonds paid.",
                  "* $ 1,500 millions monthly TV station costs for Northland paid."}));
    EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(w.gs.GameInfo[Info::kTurn], 1);
    EXPECT_EQ(w.gs.ClockHour, 2);
    EXPECT_EQ(w.gs.ClockMinute, 0);
    EXPECT_FALSE(w.gs.EndTurnBusy);
    EXPECT_EQ(w.gs.ViewedChannel, 1);
    EXPECT_EQ(w.gs.AcceptedAds[1][1], 0);
}

TEST(TurnCycle, AutoPlayOfTwelveDaysPlaysElevenAndHoldsTheTwelfthBack) {
    DayWorld w;
    NewsWorld(w, 10);
    w.gs.Channel[1][Ch::kMoney] = kPoor;
    w.gs.GameInfo[Info::kAutoPlayDays] = 12;
    // Open in the pool but not accepted: only an auto-played player takes it.
    w.PutContract(1, 3, {.spots = 2, .payment = 100});
    Rng rng(2);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.GameInfo[Info::kAutoPlayDays], 0);
    EXPECT_EQ(w.gs.GameInfo[Info::kTurn], 12);
    EXPECT_EQ(w.gs.GameInfo[Info::kWeekday], 1);  // 4 + 11, wrapping after 7
    // Twelve station costs of 10 and the contract cashed on day 1.
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoneyAfterDay], kPoor + 100 - 120);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], kPoor + 100 - 110);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoneyBeforeDay], kPoor + 100 - 110);
    EXPECT_EQ(w.LinesWith(1, "fulfilled"),
              std::vector<std::string>{
                  "* Ad spot \"Brand 3\" successfully fulfilled. $100 millions cashed."});
    EXPECT_EQ(w.LinesWith(1, "TV station costs").size(), 12u);
    EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
}

TEST(TurnCycle, UnfinishedContractWithDeadlineTwoEndsAfterTheSecondTurn) {
    DayWorld w;
    NewsWorld(w, 0);
    Settings settings;
    const test::TempDir dir;
    w.PutContract(1, 5, {.spots = 8, .payment = 900});
    w.gs.AcceptedAds[1][3] = 5;
    w.gs.AdDaysLeft[1][5] = 2;
    w.gs.AdSpotsDone[1][5] = 6;
    Rng rng(3);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.AdDaysLeft[1][5], 1);
    EXPECT_EQ(w.gs.AcceptedAds[1][3], 5);
    EXPECT_EQ(w.gs.AdPool[1][5][Ad::kOpen], 1);
    EXPECT_TRUE(w.LinesWith(1, "canceled").empty());
    OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.LinesWith(1, "canceled"),
              std::vector<std::string>{
                  "* Ad spot \"Brand 5\" has not been completed in time and is canceled."});
    EXPECT_EQ(w.gs.AdPool[1][5][Ad::kOpen], 0);
    EXPECT_EQ(w.gs.AcceptedAds[1][3], 0);
}

TEST(TurnCycle, ComputerChannelInDebtQuitsOnTheThirdTurnThePlayerNever) {
    DayWorld w;
    NewsWorld(w, 0);
    w.gs.Channel[1][Ch::kMoney] = -100;
    w.gs.Channel[2][Ch::kMoney] = -100;
    w.OpenChannel(3, false, 500);
    w.gs.ChannelAccounts[3][Acc::kDaysInDebt] = 2;  // out of debt now: the count starts again
    Settings settings;
    const test::TempDir dir;
    Rng rng(4);
    for (int turn = 1; turn <= 3; ++turn) {
        SCOPED_TRACE(turn);
        TurnCycle(w.gs, w.cat, w.deck, rng);
        EXPECT_EQ(w.gs.ChannelAccounts[2][Acc::kDaysInDebt], turn);
        EXPECT_EQ(w.gs.Channel[2][Ch::kActive], turn < 3 ? 1 : 0);
        EXPECT_EQ(w.LinesWith(2, "bankruptcy"),
                  turn < 3 ? std::vector<std::string>{}
                           : std::vector<std::string>{
                                 "Yellow TV declares bankruptcy and quits business."});
        EXPECT_EQ(w.gs.Channel[1][Ch::kActive], 1);
        EXPECT_EQ(w.gs.ChannelAccounts[1][Acc::kDaysInDebt], 0);
        EXPECT_EQ(w.gs.ChannelAccounts[3][Acc::kDaysInDebt], 0);
        OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0);
    }
}

TEST(TurnCycle, MobTakesItsShareOfLastTurnsIncome) {
    DayWorld w;
    NewsWorld(w, 0);
    w.gs.ChannelPendingIncome[1][Acc::kAdIncome] = 30000;
    w.gs.ChannelPendingIncome[1][Acc::kShareSaleIncome] = 10500;
    w.SetDeck({Card::kMob});
    Rng rng(5);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 10000 - 2025);  // 40500 div 20, before the day
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoneyAfterDay], 10000 - 2025);
    EXPECT_EQ(w.LinesWith(1, "mob 5%"),
              std::vector<std::string>{"You have to pay the mob 5% of your last game days "
                                       "income, which is: 2,025$."});
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], kPoor);
}

TEST(TurnCycle, MobDisablesACompetitorForThisAndTheNextTurn) {
    int hits = 0, misses = 0;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        DayWorld w;
        w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
        for (int c = 1; c <= 4; ++c) {
            w.OpenChannel(c, c == 2, kPoor);
            w.GrantLicence(1, c, {60, 60, 60, 60, 60});
            for (int h = 1; h <= kSlots; ++h)
                w.SetSlot(c, h, Slot::kNewsShow);
        }
        w.SetDeck({Card::kMob});
        Rng rng(seed);
        TurnCycle(w.gs, w.cat, w.deck, rng);
        const auto lines = w.LinesWith(2, "The mob disables");
        ASSERT_LE(lines.size(), 1u);
        int victim = 0;
        for (int c = 1; c <= 4; ++c) {
            if (!lines.empty() && lines[0] == "The mob disables your competitor " +
                                                  w.gs.ChannelNames[c] +
                                                  " for this and the upcoming turn.")
                victim = c;
        }
        if (lines.empty()) {
            ++misses;
        } else {
            ++hits;
            // Random(4) never draws 4, and drawing the player itself disables nobody.
            ASSERT_TRUE(victim == 1 || victim == 3) << lines[0];
        }
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(w.gs.Channel[c][Ch::kDisabledTurns], c == victim ? 1 : 0);
            EXPECT_EQ(Broadcasts(w, c), c != victim) << seed << " " << c;
        }
        if (victim == 0 || hits > 1) continue;
        // The next turn the victim is still shut down, whatever it planned; then it is back.
        Settings settings;
        const test::TempDir dir;
        w.SetDeck({});
        for (int turn = 2; turn <= 3; ++turn) {
            OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0);
            for (int h = 1; h <= kSlots; ++h)
                w.SetSlot(victim, h, Slot::kNewsShow);
            TurnCycle(w.gs, w.cat, w.deck, rng);
            EXPECT_EQ(Broadcasts(w, victim), turn == 3) << turn;
            EXPECT_EQ(w.gs.Channel[victim][Ch::kDisabledTurns], 0) << turn;
        }
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);
}

TEST(TurnCycle, TheMobStrikesOnARollOfTwentyFiveAndNotOnTwentySix) {
    // Seeds whose first roll is exactly on either side of the line, and whose victim draw
    // then names a competitor of the player (channel 2).
    const auto seedFor = [](int32_t roll) {
        for (uint64_t seed = 1;; ++seed) {
            Rng probe(seed);
            if (probe.Random(100) != roll) continue;
            const int32_t victim = probe.Random(4);
            if (victim == 1 || victim == 3) return seed;
        }
    };
    for (const int32_t roll : {25, 26}) {
        DayWorld w;
        for (int c = 1; c <= 4; ++c)
            w.OpenChannel(c, c == 2, kPoor);
        w.SetDeck({Card::kMob});
        Rng rng(seedFor(roll));
        ApplyMob(w.gs, w.deck, rng);
        const int disabled =
            w.gs.Channel[1][Ch::kDisabledTurns] + w.gs.Channel[3][Ch::kDisabledTurns];
        EXPECT_EQ(disabled, roll == 25 ? 2 : 0) << "roll " << roll;
        EXPECT_EQ(w.LinesWith(2, "The mob disables").size(), roll == 25 ? 1u : 0u);
    }
}

TEST(TurnCycle, BoardCallShutsAChannelDownFromTheNextTurn) {
    DayWorld w;
    NewsWorld(w, 0);
    w.gs.Channel[2][Ch::kPendingDisabledTurns] = 1;
    Settings settings;
    const test::TempDir dir;
    Rng rng(6);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_TRUE(Broadcasts(w, 2));
    EXPECT_EQ(w.gs.Channel[2][Ch::kDisabledTurns], 1);
    EXPECT_EQ(w.gs.Channel[2][Ch::kPendingDisabledTurns], 0);
    OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0);
    w.PutContract(2, 5, {.minViewers = 1'000'000});
    w.gs.AcceptedAds[2][1] = 5;
    w.SetSlot(2, 1, Slot::kNewsShow, 5);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_FALSE(Broadcasts(w, 2));
    EXPECT_EQ(w.gs.Programme[2][1][Slot::kAd], 0);
    EXPECT_EQ(w.gs.Channel[2][Ch::kDisabledTurns], 0);
}

// A slot may be loaded holding any number: counters at the ends of the int32 range count down
// and up without overflowing (the sanitizer build fails this on an overflow).
TEST(TurnCycle, CountersAtTheEndsOfTheirRangeStayThere) {
    DayWorld w;
    NewsWorld(w, 0);
    w.gs.GameInfo[Info::kAutoPlayDays] = INT32_MIN;
    w.gs.GameInfo[Info::kTurn] = INT32_MAX;
    w.gs.Channel[2][Ch::kDisabledTurns] = INT32_MIN;
    Rng rng(8);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.GameInfo[Info::kAutoPlayDays], 0);
    EXPECT_EQ(w.gs.Channel[2][Ch::kDisabledTurns], 0);
    Settings settings;
    const test::TempDir dir;
    OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), -1);
    EXPECT_EQ(w.gs.GameInfo[Info::kTurn], INT32_MAX);
}

struct EndCase {
    int32_t kind, customTurns, turn;
    bool over;
};

class EndOfGame : public testing::TestWithParam<EndCase> {};

TEST_P(EndOfGame, ComesWhenTheTurnReachesTheLimit) {
    const EndCase& p = GetParam();
    DayWorld w;
    NewsWorld(w, 0);
    w.gs.GameInfo[Info::kScenarioKind] = p.kind;
    w.gs.GameInfo[Info::kCustomTurns] = p.customTurns;
    w.gs.GameInfo[Info::kTurn] = p.turn;
    Rng rng(8);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.GameInfo[Info::kGameOver], p.over ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Limits, EndOfGame,
                         testing::Values(EndCase{1, 0, 119, false}, EndCase{1, 0, 120, true},
                                         EndCase{2, 0, 59, false}, EndCase{2, 0, 60, true},
                                         EndCase{3, 0, 239, false}, EndCase{3, 0, 240, true},
                                         EndCase{4, 0, 159, false}, EndCase{4, 0, 160, true},
                                         EndCase{5, 0, 23, false}, EndCase{5, 0, 24, true},
                                         EndCase{6, 36, 35, false}, EndCase{6, 36, 36, true},
                                         EndCase{6, 300, 240, false}, EndCase{6, 300, 241, true}));

TEST(TurnCycle, EndOfGameStopsAutoPlay) {
    DayWorld w;
    NewsWorld(w, 10);
    w.gs.Channel[1][Ch::kMoney] = kPoor;
    w.gs.GameInfo[Info::kTurn] = 118;
    w.gs.GameInfo[Info::kAutoPlayDays] = 12;
    Rng rng(9);
    TurnCycle(w.gs, w.cat, w.deck, rng);
    // Days at turns 118, 119 and 120; the third ends the game and is held back.
    EXPECT_EQ(w.gs.GameInfo[Info::kTurn], 120);
    EXPECT_EQ(w.gs.GameInfo[Info::kGameOver], 1);
    EXPECT_EQ(w.gs.GameInfo[Info::kAutoPlayDays], 0);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoneyAfterDay], kPoor - 30);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], kPoor - 20);
}

}  // namespace
}  // namespace qvx
