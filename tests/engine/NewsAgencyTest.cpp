#include "NewsAgency.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <memory>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

constexpr int kPlayer = 1;
using Show = std::array<int32_t, kNewsShowPositions + 1>;

struct NewsWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& gs = *owned;

    NewsWorld() {
        gs.PlayerChannel = kPlayer;
        gs.Channel[kPlayer][Ch::kActive] = 1;
        gs.Channel[kPlayer][Ch::kHuman] = 1;
        gs.Channel[kPlayer][Ch::kMoney] = 50;
        gs.NewsOffersA[kPlayer] = {0, 101, 102, 103, 104, 105};
        gs.NewsOffersB[kPlayer] = {0, 201, 202, 203, 204, 205};
    }
    Show ShowOf() const { return gs.NewsShow[kPlayer]; }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(gs); }
};

struct SelectCase {
    const char* name;
    Show show;  // before the drag
    int offer;
    int target;
    Show expected;
};

class NewsAgencySelectTest : public testing::TestWithParam<SelectCase> {};

TEST_P(NewsAgencySelectTest, AnArticleIsInTheShowAtMostOnce) {
    const SelectCase& s = GetParam();
    NewsWorld w;
    w.gs.NewsShow[kPlayer] = s.show;
    const auto before = w.Copy();
    EXPECT_EQ(SelectNews(w.gs, s.offer, s.target), NewsOutcome::Selected);
    EXPECT_EQ(w.ShowOf(), s.expected);
    // Selecting is free and unrecorded; the offers stay.
    w.gs.NewsShow = before->NewsShow;
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewsAgencySelectTest,
    testing::Values(SelectCase{"IntoEmpty", {0, 0, 0, 0}, 2, 2, {0, 0, 102, 0}},
                    SelectCase{"MovesFromOneToThree", {0, 101, 0, 0}, 1, 3, {0, 0, 0, 101}},
                    SelectCase{"ReplacesAnother", {0, 104, 0, 0}, 5, 1, {0, 105, 0, 0}},
                    SelectCase{"OntoItself", {0, 0, 103, 0}, 3, 2, {0, 0, 103, 0}},
                    SelectCase{
                        "DroppedElsewhereRemoves", {0, 101, 103, 105}, 3, 0, {0, 101, 0, 105}},
                    SelectCase{"DroppedElsewhereNotInShow", {0, 101, 0, 0}, 4, 0, {0, 101, 0, 0}},
                    // An article left over from the first set keeps its place.
                    SelectCase{"OldArticleStays", {0, 99, 0, 0}, 2, 3, {0, 99, 0, 102}}),
    [](const testing::TestParamInfo<SelectCase>& p) { return p.param.name; });

TEST(NewsAgencySelect, AnEmptyOfferEmptiesTheTargetPosition) {
    NewsWorld w;
    w.gs.NewsShow[kPlayer] = {0, 101, 102, 103};
    w.gs.NewsOffersA[kPlayer][4] = 0;
    EXPECT_EQ(SelectNews(w.gs, 4, 2), NewsOutcome::Selected);
    EXPECT_EQ(w.ShowOf(), (Show{0, 101, 0, 103}));
}

TEST(NewsAgencySelect, OutOfRangeArgumentsChangeNothing) {
    NewsWorld w;
    w.gs.NewsShow[kPlayer] = {0, 101, 102, 103};
    const auto before = w.Copy();
    const std::array<std::array<int, 2>, 6> args = {
        {{0, 1}, {6, 1}, {1, 4}, {1, -1}, {INT_MIN, 0}, {1, INT_MAX}}};
    for (const auto& [offer, target] : args)
        EXPECT_EQ(SelectNews(w.gs, offer, target), NewsOutcome::Invalid) << offer << " " << target;
    w.gs.PlayerChannel = 0;
    EXPECT_EQ(SelectNews(w.gs, 1, 1), NewsOutcome::Invalid);
    EXPECT_EQ(BuyNewsSet(w.gs), NewsOutcome::Invalid);
    w.gs.PlayerChannel = kPlayer;
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(NewsAgencyBuySet, WithExactlyFiftySucceedsOnceAndLeavesZero) {
    NewsWorld w;
    w.gs.NewsShow[kPlayer] = {0, 101, 0, 104};
    w.gs.ChannelPendingIncome[kPlayer][20] = 50;
    ASSERT_EQ(CheckBuyNewsSet(w.gs), NewsOutcome::Confirm);
    ASSERT_EQ(BuyNewsSet(w.gs), NewsOutcome::Purchased);
    EXPECT_EQ(w.gs.Channel[kPlayer][Ch::kMoney], 0);
    EXPECT_EQ(w.gs.ChannelPendingIncome[kPlayer][20], 100);
    EXPECT_EQ(w.gs.NewsOffersA[kPlayer], (Table<int32_t, 5>{0, 201, 202, 203, 204, 205}));
    EXPECT_EQ(w.gs.NewsOffersB[kPlayer], (Table<int32_t, 5>{}));
    EXPECT_EQ(w.ShowOf(), (Show{0, 101, 0, 104}));
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][1], (JournalEntry{JournalKind::BuyNewsSet, 0, 0}));
    EXPECT_EQ(NewsAgencyMessage(NewsOutcome::Purchased),
              (Dialog{"New set purchased",
                      "You have successfully purchased a new set of news articles."}));

    // A second purchase in the same turn finds no set, even with money enough.
    w.gs.Channel[kPlayer][Ch::kMoney] = 1000;
    const auto before = w.Copy();
    EXPECT_EQ(CheckBuyNewsSet(w.gs), NewsOutcome::NoNewSet);
    EXPECT_EQ(BuyNewsSet(w.gs), NewsOutcome::NoNewSet);
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(NewsAgencyBuySet, RefusalsInOrderChangeNothing) {
    NewsWorld w;
    w.gs.Channel[kPlayer][Ch::kMoney] = 49;
    w.gs.NewsOffersB[kPlayer][1] = 0;  // only position 1 is looked at
    const auto before = w.Copy();
    // No set is reported before the money.
    EXPECT_EQ(BuyNewsSet(w.gs), NewsOutcome::NoNewSet);
    w.gs.NewsOffersB[kPlayer][1] = 201;
    EXPECT_EQ(CheckBuyNewsSet(w.gs), NewsOutcome::NotEnoughMoney);
    EXPECT_EQ(BuyNewsSet(w.gs), NewsOutcome::NotEnoughMoney);
    w.gs.Channel[kPlayer][Ch::kMoney] = 50;
    for (int i = 1; i <= kJournalEntries; ++i)
        w.gs.ActionJournal[kPlayer][i] = {JournalKind::BuyMovie, 1, 1};
    // The journal is only consulted after the question.
    EXPECT_EQ(CheckBuyNewsSet(w.gs), NewsOutcome::Confirm);
    const auto full = w.Copy();
    EXPECT_EQ(BuyNewsSet(w.gs), NewsOutcome::JournalFull);
    EXPECT_EQ(test::Differences(w.gs, *full), test::Names{});
    EXPECT_EQ(before->NewsOffersA, w.gs.NewsOffersA);
}

TEST(NewsDialogs, HaveTheGameTexts) {
    EXPECT_EQ(BuyNewsSetQuestion(),
              (Dialog{"Purchase new set?",
                      "Do you really wish to purchase a new set of news articles for $ 50 "
                      "millions?"}));
    EXPECT_EQ(NewsAgencyMessage(NewsOutcome::NoNewSet),
              (Dialog{"N/A",
                      "There are no new articles available. Please check back tomorrow "
                      "(next turn)."}));
    EXPECT_EQ(NewsAgencyMessage(NewsOutcome::NotEnoughMoney),
              (Dialog{"N/A", "You do not have enough money."}));
    EXPECT_EQ(NewsAgencyMessage(NewsOutcome::JournalFull),
              (Dialog{"N/A", "You have reached the max. number of actions this turn."}));
}

}  // namespace
}  // namespace qvx
