#include "PlanningPhase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DayTestSupport.h"
#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::DayWorld;

class NextPlanningPhase : public testing::Test {
  protected:
    DayLogs Open() { return OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0); }
    DayWorld w;
    Settings settings;
    test::TempDir dir;
};

TEST_F(NextPlanningPhase, AdvancesTheCalendarAndBooksTheDaysResults) {
    for (const auto& [weekday, next] : {std::pair{3, 4}, std::pair{7, 1}}) {
        w.gs.GameInfo[Info::kTurn] = 5;
        w.gs.GameInfo[Info::kWeekday] = weekday;
        w.gs.GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
        w.gs.ClockHour = 11;
        w.gs.ClockMinute = 50;
        for (int c = 1; c <= kChannels; ++c) {
            w.gs.Channel[c][Ch::kMoney] = 100 * c;
            w.gs.Channel[c][Ch::kMoneyAfterDay] = 1000 * c;
            w.gs.AdSpotsDone[c][40] = 1;
            w.gs.AdSpotsShadow[c][40] = 2 + c;
        }
        Open();
        EXPECT_EQ(w.gs.GameInfo[Info::kTurn], 6);
        EXPECT_EQ(w.gs.GameInfo[Info::kWeekday], next);
        EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhasePlanning);
        EXPECT_EQ(w.gs.ClockHour, 8);
        EXPECT_EQ(w.gs.ClockMinute, 0);
        for (int c = 1; c <= kChannels; ++c) {
            EXPECT_EQ(w.gs.Channel[c][Ch::kMoney], 1000 * c);
            EXPECT_EQ(w.gs.AdSpotsDone[c][40], 2 + c);
        }
    }
}

TEST_F(NextPlanningPhase, CleansThePlans) {
    using Movie::kTypeMovie, Movie::kTypeSeries, Movie::kTypeShow;
    w.PutTitle(10, {.type = kTypeMovie});
    w.PutTitle(11, {.type = kTypeShow});
    w.PutTitle(20, {.type = kTypeSeries, .episodes = 10, .episodeMark = 10});  // 10 >= 10: stays
    w.PutTitle(21, {.type = kTypeSeries, .episodes = 3, .episodeMark = 4});    // 3 < 4: goes
    w.PutTitle(22, {.type = kTypeSeries, .episodes = 8, .episodeMark = 2});    // not owned
    for (const int32_t id : {10, 11, 20, 21})
        w.gs.MovieArchive[2][id - 9] = id;
    const int32_t plan[kSlots] = {10, 11, 20, 21, 22, Slot::kNewsShow, 0, 20, Slot::kNewsShow, 0};
    const int32_t kept[kSlots] = {0, 0, 20, 0, 0, Slot::kNewsShow, 0, 20, Slot::kNewsShow, 0};
    for (int h = 1; h <= kSlots; ++h)
        w.SetSlot(2, h, plan[h - 1]);
    // Ads stay while their contract is accepted in positions 1..14.
    w.gs.AcceptedAds[2][14] = 5;
    w.gs.AcceptedAds[2][15] = 7;
    w.gs.Programme[2][6][Slot::kAd] = 5;
    w.gs.Programme[2][8][Slot::kAd] = 6;
    w.gs.Programme[2][9][Slot::kAd] = 7;
    w.gs.Programme[2][3][Slot::kViewers] = 99;
    Open();
    for (int h = 1; h <= kSlots; ++h)
        EXPECT_EQ(w.gs.Programme[2][h][Slot::kProgramme], kept[h - 1]) << h;
    EXPECT_EQ(w.gs.Programme[2][6][Slot::kAd], 5);
    EXPECT_EQ(w.gs.Programme[2][8][Slot::kAd], 0);
    EXPECT_EQ(w.gs.Programme[2][9][Slot::kAd], 0);
    EXPECT_EQ(w.gs.Programme[2][3][Slot::kViewers], 99)
        << "the day's figures stay for the statistics";
}

TEST_F(NextPlanningPhase, ClearsNewsShowsAndHandsTheLogsOver) {
    w.OpenChannel(1, true);
    w.OpenChannel(2, false);
    w.gs.NewsShow[1] = {0, 4, 5, 6};
    w.gs.NewsShow[4] = {0, 1, 0, 2};
    w.gs.GameLog[2][1] = "first";
    w.gs.GameLog[2][2] = " ";
    w.gs.GameLog[2][3] = "second";
    w.gs.ActionJournal[1][1] = {JournalKind::AcceptAd, 1, 2};
    const DayLogs day = Open();
    EXPECT_EQ(day.lines[2], (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(day.lines[1].empty());
    EXPECT_FALSE(day.gameOver);
    for (int c = 1; c <= kChannels; ++c) {
        EXPECT_EQ(w.gs.NewsShow[c], (Table<int32_t, kNewsShowPositions>{})) << c;
        EXPECT_TRUE(w.Lines(c).empty()) << c;
    }
    EXPECT_EQ(w.gs.ActionJournal[1][1], JournalEntry{});

    // The summary gets them back packed from line 1, the blank gap gone, "&" left as stored.
    w.gs.GameLog[2][2] = "* Bill && Ben";
    DayLogs back = day;
    back.lines[2].push_back("* Bill & Ben");
    RestoreDayLogs(w.gs, back);
    EXPECT_EQ(w.gs.GameLog[2][2], "second");
    EXPECT_EQ(w.gs.GameLog[2][3], "* Bill & Ben");
    EXPECT_EQ(w.Lines(1).size(), 0u);
}

TEST_F(NextPlanningPhase, OnlyTheEndOfTheGameFreesTheRunningGameSlot) {
    w.OpenChannel(1, true);
    settings.SaveSlotNames[0] = kRunningGameCaption;
    for (const int32_t over : {0, 1}) {
        w.gs.GameInfo[Info::kGameOver] = over;
        const DayLogs day = Open();
        EXPECT_EQ(day.gameOver, over == 1);
        EXPECT_EQ(settings.SaveSlotNames[0], over == 1 ? kEmptySlotCaption : kRunningGameCaption);
    }
}

}  // namespace
}  // namespace qvx
