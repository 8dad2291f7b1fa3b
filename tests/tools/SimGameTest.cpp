// Whole games through the headless tool: new games of every scenario, turns, auto-play,
// determinism and the end of a game.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "JsonCheck.h"
#include "SimTestSupport.h"

namespace qvx {
namespace {

using simtest::Outcome;

class SimGameTest : public simtest::SimFixture {
  protected:
    void SetUp() override {
        SimFixture::SetUp();
        GenerateGameData();
    }

    Outcome Ok(const std::string& args) {
        Outcome o = Sim(args);
        EXPECT_EQ(o.exitCode, 0) << args << ": " << o.err;
        return o;
    }
};

bool Has(const Outcome& o, const std::string& text) {
    return o.out.find(text) != std::string::npos;
}

TEST_F(SimGameTest, NewAcceptsEveryScenarioAndLogoAndNothingElse) {
    for (int s = 1; s <= 30; ++s) {
        const Outcome o = Ok("new --scenario " + std::to_string(s) + " --logo " +
                             std::to_string((s - 1) % 8 + 1) + " --name 'Night Owl TV' --seed " +
                             std::to_string(s));
        EXPECT_TRUE(Has(o, "\"turn\":1")) << s;
        EXPECT_TRUE(Has(o, "\"name\":\"Night Owl TV\",\"human\":true")) << s;
    }
    EXPECT_TRUE(
        Has(Ok("new --scenario 'Custom - France' --logo 8 --name X --seed 1"), "Custom - France"));
    EXPECT_EQ(Read("QVX2_SAVEGAME_0.int").size(), 60488u);

    const std::string before = Read("QVX2_SAVEGAME_0.int");
    const std::pair<const char*, const char*> refused[] = {
        {"new --scenario 0 --logo 1 --name X", "--scenario"},
        {"new --scenario 31 --logo 1 --name X", "--scenario"},
        {"new --scenario 'Normal - Mars' --logo 1 --name X", "--scenario"},
        {"new --scenario 1 --logo 9 --name X", "--logo"},
        {"new --scenario 1 --logo 0 --name X", "--logo"},
        {"new --scenario 1 --logo 1", "--name"},
        {"new --scenario 26 --logo 1 --name X --competitors 4", "--competitors"},
        {"new --scenario 26 --logo 1 --name X --population old", "--population"},
    };
    for (const auto& [args, expected] : refused) {
        const Outcome o = Sim(args);
        EXPECT_NE(o.exitCode, 0) << args;
        EXPECT_NE(o.err.find(expected), std::string::npos) << args << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << args;
    }
    EXPECT_EQ(Read("QVX2_SAVEGAME_0.int"), before);
}

TEST_F(SimGameTest, TurnsAndAutoPlayAdvanceTheCalendar) {
    Ok("new --scenario 1 --logo 3 --name 'Palm Beach TV' --seed 9");
    EXPECT_TRUE(Has(Ok("end-turn --seed 1"), "\"turn\":2"));
    const Outcome played = Ok("play --days 12 --seed 2");
    EXPECT_TRUE(Has(played, "\"turn\":14"));
    EXPECT_TRUE(Has(played, "\"phase\":\"planning\""));
    EXPECT_TRUE(Has(played, "millions monthly TV station costs for West Coast paid."));
    // The running game keeps its history beside the slot: turns 1..14, one entry each.
    const std::string history = Read("QVX2_SAVEGAME_0.hist");
    ASSERT_EQ(history.size(), (3u + 14u * 21u) * 4u);
    EXPECT_EQ(history.substr(0, 4), "QVXH");
    EXPECT_EQ(static_cast<uint8_t>(history[8]), 14);
    EXPECT_EQ(static_cast<uint8_t>(history[4 * (3 + 13 * 21)]), 14);  // the last entry's turn

    // Another slot plays on its own, leaving the running game alone.
    Ok("resave --slot 0 --to 2");
    const std::string running = Read("QVX2_SAVEGAME_0.int");
    EXPECT_TRUE(Has(Ok("end-turn --slot 2 --seed 3"), "\"turn\":15"));
    EXPECT_EQ(Read("QVX2_SAVEGAME_0.int"), running);
    EXPECT_TRUE(Has(Ok("simulate-day --slot 2"), "\"turn\":15"));

    EXPECT_NE(Sim("play --days 0").exitCode, 0);
    EXPECT_NE(Sim("end-turn --slot 5").exitCode, 0);
}

TEST_F(SimGameTest, TheSameSeedsReplayTheSameGame) {
    const auto playGame = [&](const std::string& seedShift) {
        Ok("new --scenario 3 --logo 6 --name 'Replay TV' --seed 41");
        Ok("play --days 12 --seed 4" + seedShift);
        for (int turn = 0; turn < 11; ++turn)
            Ok("end-turn --seed " + std::to_string(100 + turn) + seedShift);
        return Read("QVX2_SAVEGAME_0.int") + Read("QVX2_SAVEGAME_0.str");
    };
    const std::string first = playGame("");
    EXPECT_TRUE(Has(Sim("dump"), "\"GameInfo\":[0,24,"));
    EXPECT_EQ(playGame(""), first);
    EXPECT_NE(playGame("7"), first);
}

TEST_F(SimGameTest, AFinishedGameCannotBePlayedOn) {
    Ok("new --scenario 21 --logo 1 --name 'Short TV' --seed 1");  // Tweaked - USA: 24 turns
    const Outcome last = Ok("play --days 40 --seed 2");
    EXPECT_TRUE(Has(last, "\"gameOver\":true"));
    EXPECT_TRUE(Has(last, "\"turn\":25"));
    const Outcome after = Sim("end-turn --seed 3");
    EXPECT_NE(after.exitCode, 0);
    EXPECT_NE(after.err.find("over"), std::string::npos);

    // Ranking a slot reads it and nothing else.
    const std::string saved = Read("QVX2_SAVEGAME_0.int") + Read("QVX2_SAVEGAME_0.str");
    const Outcome rank = Ok("rank");
    EXPECT_TRUE(simtest::JsonCheck::WellFormed(rank.out)) << rank.out;
    EXPECT_TRUE(Has(rank, "\"final_ranking\":[")) << rank.out;
    EXPECT_TRUE(Has(rank, "\"game_over\":[")) << rank.out;
    EXPECT_EQ(Read("QVX2_SAVEGAME_0.int") + Read("QVX2_SAVEGAME_0.str"), saved);
}

// Long runs of every scenario kind to their end (ctest label "slow").
class SlowFullGame : public SimGameTest,
                     public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(SlowFullGame, RunsToItsLastTurn) {
    const auto [scenario, turns] = GetParam();
    Ok("new --scenario " + std::to_string(scenario) +
       " --logo 2 --name 'Marathon TV' --seed 8 --custom-turns 60");
    Outcome o;
    for (int round = 0; round < 3 && !Has(o, "\"gameOver\":true"); ++round)
        o = Ok("play --days 120 --seed " + std::to_string(round));
    EXPECT_TRUE(Has(o, "\"gameOver\":true")) << o.out.substr(0, 300);
    EXPECT_TRUE(Has(o, "\"turn\":" + std::to_string(turns + 1))) << o.out.substr(0, 300);
}

// Twenty all-computer games of each kind, as the balance runs play them.
class SlowTournament : public SimGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(SlowTournament, PlaysTwentyGamesAndReportsWellFormedJson) {
    const Outcome o = Ok("tournament --games 20 --seed 5 --scenario " + std::to_string(GetParam()));
    EXPECT_TRUE(simtest::JsonCheck::WellFormed(o.out)) << o.out;
    EXPECT_TRUE(Has(o, "\"games\":20"));
    // Every game has exactly one winner, and a company can leave business at most once a game.
    const std::regex company(R"(\{"channel":(\d),"wins":(\d+),.*?"out_of_business":(\d+)\})");
    int wins = 0;
    int companies = 0;
    for (auto m = std::sregex_iterator(o.out.begin(), o.out.end(), company);
         m != std::sregex_iterator(); ++m) {
        EXPECT_EQ(std::stoi((*m)[1]), ++companies);
        wins += std::stoi((*m)[2]);
        EXPECT_LE(std::stoi((*m)[3]), 20);
    }
    EXPECT_EQ(companies, 4) << o.out;
    EXPECT_EQ(wins, 20) << o.out;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SlowTournament, ::testing::Values(1, 7, 13, 19, 25, 30));

INSTANTIATE_TEST_SUITE_P(EveryKind, SlowFullGame,
                         ::testing::Values(std::pair{1, 120}, std::pair{7, 60}, std::pair{13, 240},
                                           std::pair{19, 160}, std::pair{25, 24},
                                           std::pair{30, 60}));

}  // namespace
}  // namespace qvx
