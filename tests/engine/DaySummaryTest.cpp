#include "DaySummary.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "DayTestSupport.h"
#include "EngineTestSupport.h"
#include "PlanningPhase.h"
#include "Playback.h"
#include "Settings.h"
#include "TurnCycle.h"

namespace qvx {
namespace {

using test::DayWorld;
using Lines = std::vector<std::string>;

class SummaryWorld : public testing::Test {
  protected:
    SummaryWorld() {
        w.OpenChannel(1, true, 3500);
        w.gs.Channel[1][Ch::kLogo] = 5;
        w.gs.GameInfo[Info::kTurn] = 5;
        w.AddRegion(1, "A", {1, 1, 1, 1, 1}, 30);
        w.AddRegion(2, "B", {1, 1, 1, 1, 1}, 20);
        w.AddRegion(4, "D", {1, 1, 1, 1, 1}, 500);  // not licensed
        w.GrantLicence(1, 1);
        w.GrantLicence(2, 1);
        w.gs.Licences[3][1] = 1;  // region 3 is not on the map
        w.gs.Regions[3][Reg::kRegionMonthlyCost] = 1000;
        Record& acc = w.gs.ChannelAccounts[1];
        acc[Acc::kAdIncome] = 1000;
        acc[Acc::kShareSaleIncome] = 200;
        acc[Acc::kBonds] = 5000;
        acc[Acc::kBondInterestRate] = 10;  // 50000 / 1200 = 41; dividing first would give 40
        acc[Acc::kLicenceCost] = 100;
        acc[Acc::kMovieCost] = 300;
        acc[Acc::kSharePurchaseCost] = 50;
    }
    DayWorld w;
};

TEST_F(SummaryWorld, NetRevenueTakesTheMonthsInterestFromTheYearlyRate) {
    EXPECT_EQ(NetRevenue(w.gs, 1), 1000 + 200 - 41 - 100 - 50 - 300 - 50);

    w.gs.ChannelAccounts[1][Acc::kBondInterestRate] = 7;  // 35000 / 1200 = 29
    EXPECT_EQ(NetRevenue(w.gs, 1), 1000 + 200 - 29 - 100 - 50 - 300 - 50);

    // Sums and products past 32 bits.
    Record& acc = w.gs.ChannelAccounts[1];
    acc[Acc::kAdIncome] = INT_MAX;
    acc[Acc::kShareSaleIncome] = INT_MAX;
    acc[Acc::kBonds] = 2'000'000'000;
    acc[Acc::kBondInterestRate] = 12;
    acc[Acc::kLicenceCost] = acc[Acc::kMovieCost] = acc[Acc::kSharePurchaseCost] = 0;
    EXPECT_EQ(NetRevenue(w.gs, 1), 2LL * INT_MAX - 20'000'000 - 50);
}

TEST_F(SummaryWorld, ActiveCompany) {
    w.gs.GameLog[1][1] = "* first";
    w.gs.GameLog[1][2] = " ";
    w.gs.GameLog[1][4] = "second";
    w.gs.GameLog[1][kLogLines] = "last";
    const DaySummary s = BuildDaySummary(w.gs, 1);
    EXPECT_EQ(s.title, "Summary - Day 4/120");
    EXPECT_EQ(s.infoTitle, "Red TV - Info");
    EXPECT_EQ(s.logTitle, "Red TV - Game log");
    EXPECT_FALSE(s.bankrupt);
    EXPECT_EQ(s.logoPicture, "QVX2_complogo5_md.jpg");
    EXPECT_EQ(s.funds, "$ 3,500 millions");
    EXPECT_EQ(s.netRevenue, "$ 659 millions");
    EXPECT_EQ(s.log, (Lines{"* first", "second", "last"}));

    w.gs.GameInfo[Info::kScenarioKind] = Info::kKindCustom;
    w.gs.GameInfo[Info::kCustomTurns] = 48;
    EXPECT_EQ(BuildDaySummary(w.gs, 1).title, "Summary - Day 4/48");
}

TEST_F(SummaryWorld, BankruptCompany) {
    w.gs.Channel[1][Ch::kActive] = 0;
    w.gs.GameLog[1][1] = "* Red TV declares bankruptcy and ceases business.";
    const DaySummary s = BuildDaySummary(w.gs, 1);
    EXPECT_TRUE(s.bankrupt);
    EXPECT_EQ(s.logoPicture, "QVX2_complogo5_md_g.jpg");
    EXPECT_EQ(s.funds, "$ 0 millions");
    EXPECT_EQ(s.netRevenue, "$ 0 millions");
    EXPECT_EQ(s.log, (Lines{"This company is bankrupt."}));
    EXPECT_EQ(s.infoTitle, "Red TV - Info");
}

TEST_F(SummaryWorld, ClearGameLogsEmptiesEveryCompany) {
    for (int c = 1; c <= kChannels; ++c) {
        w.gs.GameLog[c][1] = "x";
        w.gs.GameLog[c][kLogLines] = "y";
    }
    ClearGameLogs(w.gs);
    for (int c = 1; c <= kChannels; ++c)
        EXPECT_TRUE(LogLines(w.gs, c).empty()) << c;
}

// A whole day: the turn cycle, the playback at the office's pace, midnight and the summary.
TEST(DayInOffice, PlaybackMatchesTheSimulationAndTheSummaryShowsTheDay) {
    DayWorld w;
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20}, 1500);
    w.OpenChannel(1, true, 10000);
    w.GrantLicence(1, 1, {60, 60, 60, 60, 60});
    for (int h = 1; h <= kSlots; ++h)
        w.SetSlot(1, h, Slot::kNewsShow);
    w.gs.ChannelAccounts[1][Acc::kBonds] = 5000;
    w.gs.ChannelAccounts[1][Acc::kBondInterestRate] = 7;
    w.PutContract(1, 5, {.spots = 3, .payment = 1234});
    w.gs.AcceptedAds[1][1] = 5;
    w.gs.AdDaysLeft[1][5] = 4;
    w.SetSlot(1, 1, Slot::kNewsShow, 5);
    w.SetSlot(1, 4, Slot::kNewsShow, 5);
    w.gs.ChannelPendingIncome[1][Acc::kMovieCost] = 70;
    Rng rng(1);
    EndTurn(w.gs, w.cat, w.deck, rng);

    std::vector<std::string> events;
    TickActions tick;
    while (!tick.endOfDay) {
        const ClockTime t = AdvanceClock(w.gs.ClockHour, w.gs.ClockMinute);
        w.gs.ClockHour = t.hour;
        w.gs.ClockMinute = t.minute;
        const LiveSpots spots =
            CountLiveAdSpots(w.gs, w.gs.ClockHour, w.gs.ClockMinute, w.gs.ViewedChannel);
        if (spots.viewed != SpotEvent::None)
            events.push_back(std::to_string(t.hour) + ":" + std::to_string(t.minute) +
                             (spots.viewed == SpotEvent::Payment ? " pay" : " fanfare"));
        tick = TickActionsAt(t.hour, t.minute);
    }
    // Two spots at 02:00 pm, the third at 05:20 pm pays; 05:40 has nothing left to count.
    EXPECT_EQ(events, (Lines{"2:20 fanfare", "2:40 fanfare", "5:20 pay"}));
    EXPECT_EQ(w.gs.AdSpotsDone[1][5], w.gs.AdSpotsShadow[1][5]);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 10000 + 1234);

    Settings settings;
    test::TempDir dir;
    const DayLogs day = OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), -1);
    const DaySummary s = BuildDaySummary(w.gs, 1, day.lines[1]);
    EXPECT_EQ(s.title, "Summary - Day 1/120");
    // 1234 paid - 70 for a title - 29 interest - 1500 for the station.
    EXPECT_EQ(s.netRevenue, "$ -365 millions");
    EXPECT_EQ(s.funds, "$ 9,705 millions");
    EXPECT_EQ(s.log, day.lines[1]);
    EXPECT_FALSE(s.log.empty());
}

}  // namespace
}  // namespace qvx
