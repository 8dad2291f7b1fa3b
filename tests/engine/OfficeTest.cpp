#include "Office.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvx {
namespace {

std::unique_ptr<GameState> PlayerGame() {
    auto gs = std::make_unique<GameState>();
    gs->PlayerChannel = 2;
    for (int c = 1; c <= kChannels; ++c) {
        gs->Channel[c][Ch::kActive] = 1;
        gs->ChannelAccounts[c][Acc::kSharesIssued] = 1000;
        gs->ChannelNames[c] = "Company " + std::to_string(c);
    }
    gs->Channel[2][Ch::kHuman] = 1;
    return gs;
}

TEST(DateLine, MonthAndYearOfATurn) {
    EXPECT_EQ(DateLine(1), "It\xC2\xB4s a tuesday in February 2010");
    EXPECT_EQ(DateLine(6), "Sunday, July  2010");  // the month text carries its own blank
    EXPECT_EQ(DateLine(11), "Christmas Day 2010");
    EXPECT_EQ(DateLine(12), "A monday in January 2011");
    EXPECT_EQ(DateLine(239), "Christmas Day 2029");
    EXPECT_EQ(DateLine(240), "A monday in January 2030");
}

// The watch buttons only switch during the broadcast; a refused press must leave the TV alone,
// because the office redraws the watched channel from this field.
TEST(Tv, AWatchButtonTogglesItsChannelOnlyDuringTheBroadcast) {
    auto gs = PlayerGame();
    gs->ViewedChannel = 2;
    gs->GameInfo[Info::kPhase] = Info::kPhasePlanning;
    EXPECT_FALSE(WatchChannel(*gs, 3));
    EXPECT_EQ(gs->ViewedChannel, 2);

    gs->GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
    for (const int outside : {0, 5, -1}) {
        EXPECT_FALSE(WatchChannel(*gs, outside)) << outside;
        EXPECT_EQ(gs->ViewedChannel, 2) << outside;
    }
    EXPECT_TRUE(WatchChannel(*gs, 2));
    EXPECT_EQ(gs->ViewedChannel, 0) << "the watched channel's button switches the TV off";
    EXPECT_TRUE(WatchChannel(*gs, 4));
    EXPECT_EQ(gs->ViewedChannel, 4);
    EXPECT_TRUE(WatchChannel(*gs, 1));
    EXPECT_EQ(gs->ViewedChannel, 1);
    SwitchOffTv(*gs);
    EXPECT_EQ(gs->ViewedChannel, 0);

    ConfirmEndTurn(*gs);
    EXPECT_TRUE(gs->EndTurnBusy);
    OpenOffice(*gs);
    EXPECT_FALSE(gs->EndTurnBusy);
    EXPECT_EQ(gs->ViewedChannel, 2);
}

TEST(Cheats, NeedAJournalEntryAndKeepTheGameOutOfTheHighscores) {
    auto gs = PlayerGame();
    gs->Channel[2][Ch::kMoney] = 100;
    ASSERT_EQ(CheatMoney(*gs, 10000), OfficeOutcome::Done);
    ASSERT_EQ(CheatMoney(*gs, 100000), OfficeOutcome::Done);
    EXPECT_EQ(gs->Channel[2][Ch::kMoney], 110100);
    EXPECT_EQ(gs->ActionJournal[2][1], (JournalEntry{JournalKind::CheatMoney10k, 0, 0}));
    EXPECT_EQ(gs->ActionJournal[2][2], (JournalEntry{JournalKind::CheatMoney100k, 0, 0}));
    EXPECT_EQ(gs->ChannelAccounts[0][Acc::kNoHighscore], 1);
    EXPECT_EQ(CheatMoney(*gs, 5), OfficeOutcome::NotAllowed);

    for (int i = 3; i <= kJournalEntries; ++i)
        ASSERT_TRUE(RecordAction(*gs, 2, JournalKind::SellMovie, 0, 0));
    EXPECT_EQ(CheatMoney(*gs, 10000), OfficeOutcome::JournalFull);
    EXPECT_EQ(gs->Channel[2][Ch::kMoney], 110100);
}

TEST(Cheats, PopularityRisesByTenUpToAHundredWhereThePlayerBroadcasts) {
    auto gs = PlayerGame();
    for (int r = 1; r <= 3; ++r)
        gs->Regions[r][Reg::kExists] = 1;
    gs->Licences[1][2] = gs->Licences[2][2] = 1;
    gs->Licences[5][2] = 1;  // a licence for a region the map does not have counts nothing
    gs->Popularity[1][2][2] = 95;
    gs->Popularity[2][2][3] = 40;
    ASSERT_EQ(CheatPopularity(*gs, 2), OfficeOutcome::Done);  // teens only
    EXPECT_EQ(gs->Popularity[1][2][2], 95);
    EXPECT_EQ(gs->Popularity[1][2][3], 10);
    EXPECT_EQ(gs->Popularity[2][2][3], 50);
    EXPECT_EQ(gs->Popularity[3][2][3], 0);
    EXPECT_EQ(gs->Popularity[5][2][3], 0);
    gs->Popularity[2][2][Pop::kGroupFirst] = INT32_MAX;  // as a loaded slot may hold it
    ASSERT_EQ(CheatPopularity(*gs, 0), OfficeOutcome::Done);
    EXPECT_EQ(gs->Popularity[1][2][2], 100);
    EXPECT_EQ(gs->Popularity[2][2][Pop::kGroupFirst], 100);
    EXPECT_EQ(gs->ActionJournal[2][1], (JournalEntry{JournalKind::CheatPopularity, 2, 10}));
    EXPECT_EQ(CheatPopularity(*gs, 6), OfficeOutcome::NotAllowed);
}

TEST(Phone, TheBoardAnswersOnlyAboveTwentyNinePercent) {
    auto gs = PlayerGame();
    gs->ChannelAccounts[2][Acc::kShareHoldings + 0] = 290;  // 29%: not enough
    gs->ChannelAccounts[2][Acc::kShareHoldings + 2] = 300;  // 30% of company 3
    gs->ChannelAccounts[2][Acc::kShareHoldings + 1] = 900;  // its own shares never count
    EXPECT_EQ(BoardContacts(*gs), (std::vector<int>{3}));
    EXPECT_EQ(CallBoardOfDirectors(*gs, 1), OfficeOutcome::NotAllowed);
    ASSERT_EQ(CallBoardOfDirectors(*gs, 3), OfficeOutcome::Done);
    ASSERT_EQ(CallBoardOfDirectors(*gs, 3), OfficeOutcome::Done);
    EXPECT_EQ(gs->Channel[3][Ch::kPendingDisabledTurns], 2);
    EXPECT_EQ(gs->GameLog[2][1], "* " + BoardCallText(*gs, 3));
    EXPECT_EQ(gs->ActionJournal[2][1].kind, JournalKind::Free);
    gs->Channel[3][Ch::kActive] = 0;
    EXPECT_TRUE(BoardContacts(*gs).empty());
}

TEST(Phone, BankruptcyEndsTheGameAndRanksIt) {
    auto gs = PlayerGame();
    auto cat = std::make_unique<Catalogue>();
    gs->Channel[1][Ch::kMoney] = 500;
    const Bankruptcy b = DeclareBankruptcy(*gs, *cat);
    ASSERT_EQ(b.outcome, OfficeOutcome::Done);
    EXPECT_EQ(gs->Channel[2][Ch::kActive], 0);
    EXPECT_EQ(gs->Channel[2][Ch::kMoney], -1);
    EXPECT_EQ(gs->GameInfo[Info::kGameOver], 1);
    EXPECT_EQ(gs->GameLog[2][1], "* Company 2 declares bankruptcy and ceases business.");
    EXPECT_FALSE(b.final.hasCandidate);
    EXPECT_EQ(DeclareBankruptcy(*gs, *cat).outcome, OfficeOutcome::NotAllowed);
}

}  // namespace
}  // namespace qvx
