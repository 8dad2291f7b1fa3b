// A game that is saved and loaded between turns must play on exactly as one played through:
// anything the engine keeps outside the save would make the two diverge.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Catalogue.h"
#include "Generator.h"
#include "NewGame.h"
#include "PlanningPhase.h"
#include "SaveGame.h"
#include "SimTestSupport.h"
#include "TurnCycle.h"

namespace qvx {
namespace {

class ReplayTest : public simtest::SimFixture {
  protected:
    void SetUp() override {
        SimFixture::SetUp();
        std::string summary;
        ASSERT_TRUE(content::GenerateCatalogueFiles(m_dir, 5, summary));
    }

    // Plays `turns` turns, each seeded by its number; with `reloadEvery` > 0 the game goes
    // through slot 4 (written and read back) before every such turn.
    std::string Play(int scenario, int turns, int reloadEvery, int autoPlayTurn) {
        auto gs = std::make_unique<GameState>();
        auto cat = std::make_unique<Catalogue>();
        Settings settings;
        Rng newGameRng(77);
        NewGameChoice choice;
        choice.scenario = scenario;
        choice.logo = 6;
        choice.name = "Replay TV";
        EXPECT_TRUE(StartNewGame(*gs, *cat, settings, newGameRng, choice, m_dir));
        for (int turn = 1; turn <= turns && gs->GameInfo[Info::kGameOver] == 0; ++turn) {
            if (reloadEvery > 0 && turn % reloadEvery == 0) {
                EXPECT_TRUE(WriteSlotFiles(*gs, 4, m_dir));
                gs = std::make_unique<GameState>();
                cat = std::make_unique<Catalogue>();
                EXPECT_TRUE(LoadGameFromSlot(*gs, *cat, 4, m_dir));
            }
            Rng rng(1000 + static_cast<uint64_t>(turn));
            if (turn == autoPlayTurn) gs->GameInfo[Info::kAutoPlayDays] = 5;
            EndTurn(*gs, *cat, settings.Deck, rng);
            OpenPlanningPhase(*gs, *cat, settings, m_dir, -1);
        }
        EXPECT_TRUE(WriteSlotFiles(*gs, 5, m_dir));
        return Read("QVX2_SAVEGAME_5.int") + Read("QVX2_SAVEGAME_5.str");
    }
};

TEST_F(ReplayTest, SavingAndLoadingBetweenTurnsChangesNothing) {
    for (const int scenario : {1, 13, 23}) {
        const std::string through = Play(scenario, 24, 0, 9);
        EXPECT_EQ(Play(scenario, 24, 1, 9), through) << scenario;
        EXPECT_EQ(Play(scenario, 24, 7, 9), through) << scenario;
        EXPECT_NE(Play(scenario, 24, 0, 0), through) << scenario;  // the comparison can fail
    }
}

}  // namespace
}  // namespace qvx
