#include "ResultsView.h"

#include <gtest/gtest.h>

#include <memory>

#include "Scenarios.h"

namespace qvx {
namespace {

// Four companies whose value is their money alone, on logos 5..8.
struct ResultsWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> cat = std::make_unique<Catalogue>();
    GameState& gs = *owned;

    explicit ResultsWorld(std::array<int32_t, 4> money) {
        gs.GameInfo[Info::kScenarioKind] = Kind::kTweaked;
        gs.GameInfo[Info::kMap] = Map::kFrance;
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

TEST(GameOverView, ShowsTheScenarioPlayedAndTheRankingWithTheWinnersMillions) {
    ResultsWorld w({1500, 250000, 300, 7});
    const GameOverView v = BuildGameOverView(w.gs, *w.cat);
    const int s = ScenarioIndex(Kind::kTweaked, Map::kFrance);
    EXPECT_EQ(s, 25);
    EXPECT_EQ(v.title, ScenarioTitle(s));
    EXPECT_EQ(v.goal, ScenarioGoal(s));
    EXPECT_EQ(v.description, ScenarioDescription(s));
    EXPECT_EQ(v.picture, "QVX2_Scenario5.jpg");

    EXPECT_EQ(v.places[0].channel, 2);
    EXPECT_EQ(v.places[0].value, "$ 250,000");
    EXPECT_EQ(v.winnerValue, "$ 250,000 millions");
    EXPECT_EQ(v.winnerName, "Company 2");
    EXPECT_EQ(v.places[1].value, "$ 1,500");
    EXPECT_EQ(v.places[3].channel, 4);
    EXPECT_EQ(v.places[3].value, "$ 7");
    // Logos 5..8 are the second set of the same four colours.
    EXPECT_EQ(v.places[0].colourText, "Yellow player");
    EXPECT_EQ(v.places[0].logoPicture, "QVX2_complogo6_lg.jpg");
    EXPECT_EQ(v.places[1].logoPicture.substr(14), "_sm.jpg");
    EXPECT_EQ(v.places[1].colourText, "Red player");
    EXPECT_EQ(v.places[2].colourText, "Green player");
    EXPECT_EQ(v.places[3].colourText, "Blue player");
}

TEST(GameOverView, NegativeValueOrClosedCompanyIsBankruptAndTiesGoToTheLater) {
    // 3 and 4 tie at the top: 4, the later, wins. 1 is still in business but owes more than it
    // has; 2 closed with money on its books, which the ranking takes away.
    ResultsWorld w({-20, 9000, 800, 800});
    w.gs.Channel[2][Ch::kActive] = 0;
    const GameOverView v = BuildGameOverView(w.gs, *w.cat);
    EXPECT_EQ(v.places[0].channel, 4);
    EXPECT_EQ(v.places[1].channel, 3);
    EXPECT_EQ(v.winnerName, "Company 4");
    EXPECT_EQ(v.winnerValue, "$ 800 millions");
    // Closed: money -1, above the -20 of company 1.
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], -1);
    EXPECT_EQ(v.places[2].channel, 2);
    EXPECT_EQ(v.places[3].channel, 1);
    for (size_t p : {2u, 3u}) {
        EXPECT_TRUE(v.places[p].bankrupt) << p;
        EXPECT_EQ(v.places[p].value, "\"Bankrupt\"") << p;
    }
    EXPECT_FALSE(v.places[1].bankrupt);
}

TEST(GameOverView, ABankruptWinnerHasNoMillions) {
    ResultsWorld w({-5, -6, -7, -8});
    const GameOverView v = BuildGameOverView(w.gs, *w.cat);
    EXPECT_EQ(v.places[0].channel, 1);
    EXPECT_EQ(v.winnerValue, "\"Bankrupt\"");
}

TEST(HighscoreView, ScoresInMillionsAndAListOutsideTheThirtyShowsTheFirst) {
    HighscoreTable t;
    t.lists[1][1] = {1234567, "Ada", 7};
    t.lists[30][10] = {-3, "Zed", 2};
    const HighscoreListView last = BuildHighscoreView(t, 30);
    EXPECT_EQ(last.title, ScenarioTitle(30));
    EXPECT_EQ(last.description, ScenarioDescription(30));
    EXPECT_EQ(last.rows[9].name, "Zed");
    EXPECT_EQ(last.rows[9].score, "$ -3 millions");
    EXPECT_EQ(last.rows[9].logoPicture, "QVX2_complogo2_sm.jpg");
    for (int list : {0, 31}) {
        const HighscoreListView v = BuildHighscoreView(t, list);
        EXPECT_EQ(v.list, 1);
        EXPECT_EQ(v.rows[0].score, "$ 1,234,567 millions");
        EXPECT_EQ(v.rows[0].logoPicture, "QVX2_complogo7_sm.jpg");
    }
}

}  // namespace
}  // namespace qvx
