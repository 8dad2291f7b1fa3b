#include "Ranking.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvx {
namespace {

struct PlaceCase {
    const char* name;
    Table<int, kChannels> below;
    Places expected;
};

class PlaceCompaniesTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceCompaniesTest, FollowsThePlaceRules) {
    EXPECT_EQ(PlaceCompanies(GetParam().below), GetParam().expected);
}

// Places are {winner, second, third, last}.
INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceCompaniesTest,
    testing::Values(PlaceCase{"Distinct", {0, 3, 2, 1, 0}, {1, 2, 3, 4}},
                    PlaceCase{"DistinctReversed", {0, 0, 1, 2, 3}, {4, 3, 2, 1}},
                    PlaceCase{"TieForTheTopGoesToTheLater", {0, 2, 2, 1, 0}, {2, 1, 3, 4}},
                    // c1 last, c2 third; c3 pushes c2 up; c4 pushes both up.
                    PlaceCase{"AllFourEqual", {0, 0, 0, 0, 0}, {2, 3, 4, 1}},
                    PlaceCase{"ThreeTiedAboveOne", {0, 1, 1, 1, 0}, {2, 3, 1, 4}},
                    PlaceCase{"ThreeTiedBelowOne", {0, 3, 0, 0, 0}, {1, 3, 4, 2}},
                    PlaceCase{"ShiftUpIntoAFreeWinnerPlace", {0, 1, 0, 0, 0}, {1, 3, 4, 2}},
                    PlaceCase{"ThirdOfAThreeWayTopTieGetsNoPlace", {0, 2, 2, 2, 0}, {2, 1, 0, 4}},
                    PlaceCase{"FourthWithOneBelowGetsNoPlace", {0, 1, 1, 1, 1}, {2, 3, 1, 0}},
                    PlaceCase{"SecondWinnerReplacesTheFirst", {0, 3, 3, 0, 0}, {2, 0, 4, 3}}),
    [](const testing::TestParamInfo<PlaceCase>& p) { return p.param.name; });

// Four companies whose value is their money alone: no equipment, bonds, equity, holdings,
// licences or titles.
struct RankingWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> cat = std::make_unique<Catalogue>();
    GameState& gs = *owned;

    explicit RankingWorld(std::array<int32_t, 4> money) {
        for (int c = 1; c <= kChannels; ++c) {
            gs.Channel[c][Ch::kActive] = 1;
            gs.Channel[c][Ch::kMoney] = money[static_cast<size_t>(c - 1)];
            gs.Channel[c][Ch::kLogo] = c + 4;
            gs.ChannelAccounts[c][Acc::kSharePrice] = 50;
            gs.ChannelAccounts[c][Acc::kSharesIssued] = 1000;
            gs.ChannelNames[c] = "Company " + std::to_string(c);
        }
    }
};

TEST(FinalRanking, EqualValuesPutTheLaterCompanyFirst) {
    RankingWorld w({500, 500, 300, 100});
    w.gs.Channel[2][Ch::kHuman] = 1;
    const FinalResult r = FinalRanking(w.gs, *w.cat);
    EXPECT_EQ(r.places, (Places{2, 1, 3, 4}));
    ASSERT_TRUE(r.hasCandidate);
    EXPECT_EQ(r.candidate.score, 500);
    EXPECT_EQ(r.candidate.name, "Company 2");
    EXPECT_EQ(r.candidate.logo, 6);
}

TEST(FinalRanking, CompaniesOutOfBusinessRankWithMoneyMinusOne) {
    // Company 2 still has money on its books, but counts -1 and falls below company 4 at 0.
    RankingWorld w({100, 9000, 300, 0});
    w.gs.Channel[2][Ch::kActive] = 0;
    w.gs.Channel[2][Ch::kHuman] = 1;
    const FinalResult r = FinalRanking(w.gs, *w.cat);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], -1);
    EXPECT_EQ(w.gs.Channel[4][Ch::kMoney], 0);
    EXPECT_EQ(r.places, (Places{3, 1, 4, 2}));
    EXPECT_FALSE(r.hasCandidate);
}

TEST(FinalRanking, AnInactiveHumanWinnerLeavesNoCandidate) {
    RankingWorld w({0, 0, 0, 0});
    for (int c = 1; c <= kChannels; ++c)
        w.gs.Channel[c][Ch::kActive] = 0;
    w.gs.Channel[2][Ch::kHuman] = 1;
    const FinalResult r = FinalRanking(w.gs, *w.cat);
    EXPECT_EQ(r.places, (Places{2, 3, 4, 1}));
    EXPECT_FALSE(r.hasCandidate);
}

struct CandidateCase {
    const char* name;
    int human;
    int32_t noHighscore;
    bool candidate;
};

class FinalRankingCandidate : public testing::TestWithParam<CandidateCase> {};

TEST_P(FinalRankingCandidate, OnlyForAHumanWinnerOfAnAdmittedGame) {
    const CandidateCase& p = GetParam();
    RankingWorld w({100, 200, 7000, 300});
    w.gs.Channel[p.human][Ch::kHuman] = 1;
    w.gs.ChannelAccounts[0][Acc::kNoHighscore] = p.noHighscore;
    const FinalResult r = FinalRanking(w.gs, *w.cat);
    EXPECT_EQ(r.places.winner, 3);
    EXPECT_EQ(r.hasCandidate, p.candidate);
    if (p.candidate) {
        EXPECT_EQ(r.candidate.score, 7000);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FinalRankingCandidate,
                         testing::Values(CandidateCase{"HumanWinner", 3, 0, true},
                                         CandidateCase{"NegativeMarkStillAdmits", 3, -5, true},
                                         CandidateCase{"BarredGame", 3, 1, false},
                                         CandidateCase{"ComputerWinner", 1, 0, false}),
                         [](const testing::TestParamInfo<CandidateCase>& p) {
                             return p.param.name;
                         });

// Company 1 holds 5% of company 2: 50 shares at the sell price 50 - 50/5 = 40, worth 2000.
// Placed in the final ranking it counts without them (10000 < 11000); every other comparison
// and the game over screen use 12000.
TEST(Rankings, ASmallHoldingCountsOnlyOnTheGameOverScreen) {
    RankingWorld w({10000, 11000, 100, 50});
    w.gs.ChannelAccounts[1][Acc::kShareHoldings + 1] = 50;
    w.gs.Channel[1][Ch::kHuman] = 1;

    const FinalResult r = FinalRanking(w.gs, *w.cat);
    EXPECT_EQ(r.places, (Places{2, 1, 3, 4}));
    EXPECT_FALSE(r.hasCandidate);

    EXPECT_EQ(GameOverRanking(w.gs, *w.cat), (Places{1, 2, 3, 4}));
}

TEST(Rankings, GameOverRankingAlsoMarksBankruptCompanies) {
    RankingWorld w({100, 200, 300, 400});
    w.gs.Channel[4][Ch::kActive] = 0;
    EXPECT_EQ(GameOverRanking(w.gs, *w.cat), (Places{3, 2, 1, 4}));
    EXPECT_EQ(w.gs.Channel[4][Ch::kMoney], -1);
}

}  // namespace
}  // namespace qvx
