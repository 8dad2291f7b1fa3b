#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <QTimer>

#include "Client_CustomGame.h"
#include "NewGame.h"
#include "UiTestSupport.h"

namespace qvx::test {
namespace {

using ui::TForm25;

struct CustomGameTest : ::testing::Test {
    UiSession ui;
    TForm25 screen{ui.session, nullptr};

    void SetUp() override { screen.prepare(); }
    QComboBox* list(int n) {
        return Child<QComboBox>(&screen, ("ComboBox" + std::to_string(n)).c_str());
    }
};

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

TEST_F(CustomGameTest, EscapeDoesNotStartTheGame) {
    // Only "Continue" leaves the screen; Escape used to return as if it had been pressed.
    QTimer::singleShot(0, &screen, [this] {
        QTest::keyClick(&screen, Qt::Key_Escape);
        QTimer::singleShot(0, &screen, [this] {
            EXPECT_TRUE(screen.isVisible());
            QTest::mouseClick(Child(&screen, "Button1ActiveField"), Qt::LeftButton);
        });
    });
    EXPECT_EQ(screen.run(), QDialog::Accepted);
}

TEST_F(CustomGameTest, ListsHoldTheGamesChoices) {
    EXPECT_EQ(Items(list(1)), QStringList({"Normal", "Expert"}));
    EXPECT_EQ(Items(list(2)), QStringList({"24", "48", "60", "120", "160", "180", "240"}));
    EXPECT_EQ(Items(list(3)),
              QStringList({"3 competitors", "2 competitors", "1 competitor", "No competitors"}));
    EXPECT_EQ(Items(list(4)), QStringList({"Early beginnings", "Late game"}));
    EXPECT_EQ(Items(list(5)),
              QStringList({"None", "Random population", "More young people", "More adults"}));
}

TEST_F(CustomGameTest, PrepareGivesTheDefaultsWithNoTurnCountChosen) {
    for (int n = 1; n <= 5; ++n)
        list(n)->setCurrentIndex(list(n)->count() - 1);
    screen.prepare();
    EXPECT_EQ(list(2)->currentIndex(), -1);
    const CustomSettings s = screen.settings();
    EXPECT_EQ(s.turns, 120);
    EXPECT_EQ(s.difficulty, Difficulty::Normal);
    EXPECT_EQ(s.competitors, 3);
    EXPECT_EQ(s.start, StartMode::EarlyBeginnings);
    EXPECT_EQ(s.population, PopulationMode::None);
    EXPECT_EQ(TextOf(&screen, "BlindLabel2"), "Number of turns: 120");
}

struct TurnsTest : CustomGameTest, ::testing::WithParamInterface<std::pair<int, int32_t>> {};

TEST_P(TurnsTest, EachEntryOfTheTurnList) {
    list(2)->setCurrentIndex(GetParam().first);
    EXPECT_EQ(screen.settings().turns, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Entries, TurnsTest,
                         ::testing::Values(std::pair{-1, 120}, std::pair{0, 24}, std::pair{1, 48},
                                           std::pair{2, 60}, std::pair{3, 120}, std::pair{4, 160},
                                           std::pair{5, 180}, std::pair{6, 240}));

TEST_F(CustomGameTest, EveryOtherListMapsOntoTheSettings) {
    const int competitors[] = {3, 2, 1, 0};
    for (int i = 0; i < 4; ++i) {
        list(3)->setCurrentIndex(i);
        EXPECT_EQ(screen.settings().competitors, competitors[i]) << i;
    }
    const PopulationMode populations[] = {PopulationMode::None, PopulationMode::Random,
                                          PopulationMode::MoreYoungPeople,
                                          PopulationMode::MoreAdults};
    for (int i = 0; i < 4; ++i) {
        list(5)->setCurrentIndex(i);
        EXPECT_EQ(screen.settings().population, populations[i]) << i;
    }
    list(1)->setCurrentIndex(1);
    EXPECT_EQ(screen.settings().difficulty, Difficulty::Expert);
    list(4)->setCurrentIndex(1);
    EXPECT_EQ(screen.settings().start, StartMode::LateGame);
    EXPECT_EQ(TextOf(&screen, "BlindLabel4"), "Start: Late game");
}

TEST_F(CustomGameTest, NoCompetitorsAndFortyEightTurnsReachTheNewGame) {
    list(2)->setCurrentIndex(1);
    list(3)->setCurrentIndex(3);
    NewGameChoice choice;
    choice.scenario = 26;  // Custom - USA
    choice.logo = 2;
    choice.custom = screen.settings();
    ASSERT_TRUE(StartNewGame(ui.session.game(), ui.session.catalogue(), ui.session.settings(),
                             ui.session.rng(), choice, ui.dir.path()));
    const GameState& gs = ui.session.game();
    EXPECT_EQ(gs.GameInfo[Info::kCustomTurns], 48);
    EXPECT_EQ(gs.GameInfo[Info::kTurnCount], 48);
    for (int c = 1; c <= kChannels; ++c)
        EXPECT_EQ(InBusiness(gs, c), c == 2) << c;
}

TEST_F(CustomGameTest, ContinueClosesTheScreenWithTheClick) {
    screen.show();
    QTest::mouseClick(Child<QWidget>(&screen, "Button1ActiveField"), Qt::LeftButton);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

}  // namespace
}  // namespace qvx::test
