#include "DayClose.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DayTestSupport.h"
#include "EngineTestSupport.h"
#include "Highscores.h"
#include "SaveGame.h"

namespace qvx {
namespace {

namespace fs = std::filesystem;
using test::DayWorld;

// Northland with a station cost, so that every day leaves a line in the player's log; the human
// channel 1 (rich enough to win) and the computer channel 2 show the news all day.
class DayCloseTest : public testing::Test {
  protected:
    void SetUp() override {
        w.AddRegion(1, "Northland", {20, 20, 20, 20, 20}, 10);
        for (int c = 1; c <= 2; ++c) {
            w.OpenChannel(c, c == 1, c == 1 ? 100000000 : 2000);
            w.GrantLicence(1, c, {60, 60, 60, 60, 60});
            for (int h = 1; h <= kSlots; ++h)
                w.SetSlot(c, h, Slot::kNewsShow);
        }
        settings.Deck = w.deck;
        settings.SaveSlotNames[0] = kRunningGameCaption;
    }
    void MakeLastTurn() { w.gs.GameInfo[Info::kTurn] = TurnLimit(w.gs); }
    fs::path Highscores() const { return dir.path() / kHighscoresIntFile; }
    fs::path SlotInt() const { return dir.path() / (SlotFileStem(0) + ".int"); }
    int PlaceOfPlayer() {
        HighscoreTable table;
        Rng reader(1);
        EXPECT_TRUE(LoadHighscores(table, dir.path(), reader));
        for (int i = 1; i <= kHighscoreEntries; ++i)
            if (table.lists[1][i].name == w.gs.ChannelNames[1]) return i;
        return 0;
    }

    DayWorld w;
    Settings settings;
    test::TempDir dir;
    Rng rng{21};
};

TEST_F(DayCloseTest, TheLastTurnEntersTheWinnerThenSavesTheFinishedGame) {
    MakeLastTurn();
    const DayClose close = PlayTurn(w.gs, w.cat, settings, rng, dir.path(), 0);
    ASSERT_TRUE(close.broadcast.turn.final);
    ASSERT_TRUE(close.broadcast.turn.final->hasCandidate);
    EXPECT_EQ(close.broadcast.turn.final->candidate.name, "Red TV");
    EXPECT_TRUE(close.broadcast.highscore) << close.broadcast.highscore.message();
    EXPECT_GT(PlaceOfPlayer(), 0);

    ASSERT_TRUE(close.day);
    EXPECT_TRUE(close.day->saved) << close.day->saved.message();
    EXPECT_TRUE(close.day->gameOver);
    EXPECT_EQ(settings.SaveSlotNames[0], kEmptySlotCaption);
    auto saved = std::make_unique<GameState>();
    ASSERT_TRUE(LoadRunningGame(*saved, dir.path()));
    EXPECT_EQ(saved->GameInfo[Info::kGameOver], 1);
    EXPECT_EQ(saved->GameInfo[Info::kPhase], Info::kPhasePlanning);

    // The day's close takes the lines out of the game and hands them over for the summary.
    EXPECT_FALSE(close.day->lines[1].empty());
    for (int c = 1; c <= kChannels; ++c)
        EXPECT_TRUE(w.Lines(c).empty()) << c;
}

// A result nobody recorded must not be saved over: the game waits at the broadcast, its day's
// lines still in the logs and slot 0 as it was.
TEST_F(DayCloseTest, AFailedHighscoreEntryStopsTheDayBeforeMidnight) {
    MakeLastTurn();
    fs::create_directory(Highscores());
    test::WriteBytes(Highscores() / "inside", {1});
    const DayClose close = PlayTurn(w.gs, w.cat, settings, rng, dir.path(), 0);
    EXPECT_FALSE(close.broadcast.highscore);
    EXPECT_FALSE(close.day);
    EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(w.gs.GameInfo[Info::kGameOver], 1);
    EXPECT_FALSE(w.Lines(1).empty());
    EXPECT_FALSE(fs::exists(SlotInt()));
    EXPECT_EQ(settings.SaveSlotNames[0], kRunningGameCaption);
}

struct NoEntryCase {
    const char* name;
    bool lastTurn, computerWins, cheated;
};

class NothingToEnter : public DayCloseTest, public testing::WithParamInterface<NoEntryCase> {};

// Reading absent highscore files writes fresh ones, so an entry tried for nothing would show.
TEST_P(NothingToEnter, LeavesTheHighscoresUntouched) {
    const NoEntryCase& c = GetParam();
    w.gs.GameInfo[Info::kTurn] = 5;
    if (c.lastTurn) MakeLastTurn();
    if (c.computerWins) {
        w.gs.Channel[1][Ch::kMoney] = 1000;
        w.gs.Channel[2][Ch::kMoney] = 900000;
    }
    if (c.cheated) w.gs.ChannelAccounts[0][Acc::kNoHighscore] = 1;
    const Broadcast day = BeginBroadcast(w.gs, w.cat, w.deck, rng, dir.path());
    EXPECT_EQ(day.turn.final.has_value(), c.lastTurn);
    EXPECT_TRUE(day.highscore);
    EXPECT_FALSE(fs::exists(Highscores()));
    EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(w.gs.ClockHour, 2);
    EXPECT_EQ(w.gs.ViewedChannel, w.gs.PlayerChannel);
}

INSTANTIATE_TEST_SUITE_P(Results, NothingToEnter,
                         testing::Values(NoEntryCase{"OrdinaryDay", false, false, false},
                                         NoEntryCase{"ComputerWins", true, true, false},
                                         NoEntryCase{"Cheated", true, false, true}),
                         test::CaseName{});

TEST_F(DayCloseTest, AnOrdinaryTurnWithoutAutosaveLeavesTheSlotAlone) {
    w.gs.GameInfo[Info::kTurn] = 5;
    const DayClose close = PlayTurn(w.gs, w.cat, settings, rng, dir.path(), -1);
    ASSERT_TRUE(close.day);
    EXPECT_TRUE(close.day->saved);
    EXPECT_FALSE(close.day->gameOver);
    EXPECT_EQ(w.gs.GameInfo[Info::kTurn], 6);
    EXPECT_EQ(w.gs.GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_EQ(w.gs.ClockHour, 8);
    EXPECT_FALSE(fs::exists(SlotInt()));
    EXPECT_EQ(settings.SaveSlotNames[0], kRunningGameCaption);
}

}  // namespace
}  // namespace qvx
