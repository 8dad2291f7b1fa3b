// The headless tool as a player of the command line sees it: real processes, real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "GameState.h"
#include "JsonCheck.h"
#include "SaveGame.h"
#include "SimTestSupport.h"

namespace fs = std::filesystem;

namespace qvx {
namespace {

using simtest::Outcome;

class SimTest : public simtest::SimFixture {
  protected:
    std::unique_ptr<GameState> SampleGame() {
        auto gs = std::make_unique<GameState>();
        gs->PlayerChannel = 3;
        gs->RunningGameFlag = 1;
        gs->GameInfo[Info::kTurn] = 17;
        gs->Channel[1][Ch::kMoney] = -2500;
        gs->ChannelNames[2] = "Caf\xC3\xA9 \"Quote\" TV";  // UTF-8 é, and a quote to escape
        gs->GameLog[4][3] = "* a line";
        return gs;
    }
};

TEST_F(SimTest, DumpShowsTablesAtTheGamesOwnIndices) {
    ASSERT_TRUE(WriteSlotFiles(*SampleGame(), 2, m_dir));
    const Outcome o = Sim("dump --slot 2");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("\"PlayerChannel\":3"), std::string::npos);
    EXPECT_NE(o.out.find("\"GameInfo\":[0,17,"), std::string::npos);
    EXPECT_NE(o.out.find("\"Channel\":[[0,0,0,"), std::string::npos);
    EXPECT_NE(o.out.find("[0,0,-2500,"), std::string::npos);
    EXPECT_NE(o.out.find("\"Caf\xC3\xA9 \\\"Quote\\\" TV\""), std::string::npos);
    EXPECT_NE(o.out.find("[\"\",\"\",\"\",\"* a line\"]"), std::string::npos);
    // A numbered slot holds no running-game flag.
    EXPECT_EQ(o.out.find("RunningGameFlag"), std::string::npos);
}

TEST_F(SimTest, ResaveBetweenSlotsAddsOrDropsOnlyTheRunningGameFlag) {
    ASSERT_TRUE(WriteSlotFiles(*SampleGame(), 0, m_dir));
    ASSERT_EQ(Sim("resave --slot 0 --to 4").exitCode, 0);
    const std::string running = Read("QVX2_SAVEGAME_0.int");
    const std::string numbered = Read("QVX2_SAVEGAME_4.int");
    ASSERT_EQ(numbered.size(), 60484u);
    EXPECT_EQ(running.substr(0, 60484), numbered);
    EXPECT_EQ(Read("QVX2_SAVEGAME_0.str"), Read("QVX2_SAVEGAME_4.str"));

    ASSERT_EQ(Sim("resave --slot 4 --to 6").exitCode, 0);
    EXPECT_EQ(Read("QVX2_SAVEGAME_6.int"), numbered);
}

TEST_F(SimTest, BadInputFailsWithOneLineAndChangesNothing) {
    ASSERT_TRUE(WriteSlotFiles(*SampleGame(), 1, m_dir));
    const std::string before = Read("QVX2_SAVEGAME_1.int");
    const std::pair<const char*, const char*> cases[] = {
        {"dump --slot 5", "QVX2_SAVEGAME_5.int"},  // no such save
        {"dump --slot 7", "--slot must be a whole number 0..6"},
        {"dump --slot x", "--slot must be a whole number 0..6"},
        {"resave --slot 1", "--to"},
        {"resave --slot 2 --to 1", "QVX2_SAVEGAME_2.int"},
        {"fly", "unknown command"},
        {"dump --frobnicate 1", "unknown option"},
        {"", "no command"},
    };
    for (const auto& [args, expected] : cases) {
        const Outcome o = Sim(args);
        EXPECT_NE(o.exitCode, 0) << args;
        EXPECT_NE(o.err.find(expected), std::string::npos) << args << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << args;
        EXPECT_TRUE(o.out.empty()) << args;
    }
    EXPECT_EQ(Read("QVX2_SAVEGAME_1.int"), before);

    std::ofstream(m_dir / "QVX2_SAVEGAME_3.int", std::ios::binary) << before.substr(0, 100);
    std::ofstream(m_dir / "QVX2_SAVEGAME_3.str", std::ios::binary) << "x";
    const Outcome shortFile = Sim("dump --slot 3");
    EXPECT_NE(shortFile.exitCode, 0);
    EXPECT_NE(shortFile.err.find("QVX2_SAVEGAME_3.int: 100 bytes, expected 60484"),
              std::string::npos)
        << shortFile.err;
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

TEST(JsonCheck, TellsWellFormedFromBroken) {
    using simtest::JsonCheck;
    for (const char* good :
         {"{}", "[]", "{\"a\":[1,-2,3.5,\"x\\n\\u00e9\"],\"b\":true,\"c\":null}", " [ {} ] "})
        EXPECT_TRUE(JsonCheck::WellFormed(good)) << good;
    for (const char* bad :
         {"", "{", "[1,]", "{\"a\" 1}", "{a:1}", "[1] x", "\"\x01\"", "[01.]", "[-]", "tru"})
        EXPECT_FALSE(JsonCheck::WellFormed(bad)) << bad;
}

}  // namespace
}  // namespace qvx
