#include <gtest/gtest.h>

#include <QTest>

#include <filesystem>
#include <fstream>

#include "Client_StartScreen.h"
#include "SaveGame.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm3;

struct StartScreenTest : ::testing::Test {
    UiSession ui;
    TForm3 screen{ui.session, nullptr};
    int officeRuns = 0;
    int choices = 0;

    void SetUp() override {
        ui::StartRoutes routes;
        routes.chooseNewGame = [this](NewGameChoice& choice) {
            ++choices;
            choice.scenario = 1;
            choice.logo = 7;
            choice.name = "Test TV";
            return true;
        };
        routes.runOffice = [this] { ++officeRuns; };
        screen.setRoutes(routes);
    }
};

TEST_F(StartScreenTest, AManualThatNoBrowserOpensIsReportedAsAnError) {
    // A desktop without a browser: xdg-open is there, starts, and fails.
    UiFixtureDir bin;
    const auto opener = bin.path() / "xdg-open";
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nexit 3\n";
    }
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.path().string()) + ":" + oldPath);
    ui.session.manualPath = [&] { return QString::fromStdString(opener.string()); };
    screen.visitWebsite();
    QTRY_COMPARE_WITH_TIMEOUT(ui.dialogs.shown.size(), size_t{1}, 10000);
    qputenv("PATH", oldPath);
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Error"});
}

TEST_F(StartScreenTest, NewGameGoesFromTheChoiceIntoTheOfficeWithSlotZeroSaved) {
    screen.startNewGame();
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(officeRuns, 1);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    const GameState& gs = ui.session.game();
    EXPECT_EQ(gs.PlayerChannel, 3);  // logo 7 is Green
    EXPECT_EQ(gs.ChannelNames[3], "Test TV");
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Running Game");
    EXPECT_TRUE(std::filesystem::exists(ui.dir.path() / "QVX2_SAVEGAME_0.int"));
}

TEST_F(StartScreenTest, RestartAnsweredNoLeavesTheRunningGameAndSlotZeroAlone) {
    screen.startNewGame();
    const auto before = std::filesystem::last_write_time(ui.dir.path() / "QVX2_SAVEGAME_0.int");
    const std::string name = ui.session.game().ChannelNames[3];
    ui.dialogs.answers = {false};
    screen.startNewGame();
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Restart game?");
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(officeRuns, 1);
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Running Game");
    EXPECT_EQ(ui.session.game().ChannelNames[3], name);
    EXPECT_EQ(std::filesystem::last_write_time(ui.dir.path() / "QVX2_SAVEGAME_0.int"), before);
}

TEST_F(StartScreenTest, CancelledNewGameLeavesSlotZeroEmptyAfterTheRestartYes) {
    screen.startNewGame();
    ui::StartRoutes routes;
    routes.chooseNewGame = [](NewGameChoice&) { return false; };
    routes.runOffice = [this] { ++officeRuns; };
    screen.setRoutes(routes);
    ui.dialogs.answers = {true};
    screen.startNewGame();
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Empty slot");
    EXPECT_EQ(officeRuns, 1);
    EXPECT_EQ(ui.sounds.Count("click"), 1);  // the Yes answer's click
}

TEST_F(StartScreenTest, UnreadableCatalogueShowsWhyAndOpensNoOffice) {
    std::filesystem::remove(ui.dir.path() / "QVX2_Movies.int");
    screen.startNewGame();
    EXPECT_EQ(officeRuns, 0);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Error");
    EXPECT_NE(ui.dialogs.shown[0].text.find("QVX2_Movies.int"), std::string::npos);
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Empty slot");
    EXPECT_FALSE(std::filesystem::exists(ui.dir.path() / "QVX2_SAVEGAME_0.int"));
}

// The running-game flag of the first game stays set after the restart clears the game; the
// second start's failure must still read as "not started".
TEST_F(StartScreenTest, AnUnreadableCatalogueAfterAnEarlierGameStillOpensNoOffice) {
    screen.startNewGame();
    ASSERT_EQ(officeRuns, 1);
    std::filesystem::remove(ui.dir.path() / "QVX2_Movies.int");
    ui.dialogs.answers = {true};
    screen.startNewGame();
    EXPECT_EQ(officeRuns, 1);
    EXPECT_EQ(ui.dialogs.Titles(), (std::vector<std::string>{"Restart game?", "Error"}));
    EXPECT_NE(ui.dialogs.shown[1].text.find("QVX2_Movies.int"), std::string::npos);
    EXPECT_EQ(ui.dialogs.shown[1].text.find("could not be saved"), std::string::npos);
}

TEST_F(StartScreenTest, AnUnsavedNewGameSaysSoAndStillOpensTheOffice) {
    const auto slot = ui.dir.path() / "QVX2_SAVEGAME_0.int";
    std::filesystem::create_directory(slot);
    std::ofstream(slot / "inside") << "x";
    screen.startNewGame();
    EXPECT_EQ(officeRuns, 1);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Error");
    EXPECT_EQ(ui.dialogs.shown[0].text.rfind("The new game could not be saved: ", 0), 0u)
        << ui.dialogs.shown[0].text;
    EXPECT_EQ(ui.session.game().ChannelNames[3], "Test TV");
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Running Game");
}

TEST_F(StartScreenTest, BlindModeTwiceAsksOnceThenOnlyInforms) {
    auto* blindLabel = Child(&screen, "BlindTopicLabel");
    screen.show();
    ui.dialogs.answers = {true};
    std::vector<bool> visibleDuringMessage;
    ui.dialogs.whenShown = [&] { visibleDuringMessage.push_back(blindLabel->isVisible()); };
    screen.toggleBlindMode();
    // The twins appear once the player has read that they will.
    EXPECT_EQ(visibleDuringMessage, std::vector<bool>{false});
    EXPECT_TRUE(ui.session.blindMode());
    EXPECT_TRUE(blindLabel->isVisible());
    screen.toggleBlindMode();
    EXPECT_FALSE(ui.session.blindMode());
    EXPECT_FALSE(blindLabel->isVisible());
    const std::vector<std::string> expected = {"Blind compatibility mode", "Compatibility mode: ON",
                                               "Compatibility mode: OFF"};
    EXPECT_EQ(ui.dialogs.Titles(), expected);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[2].kind, "inform");
}

TEST_F(StartScreenTest, BlindModeQuestionAnsweredNoChangesNothing) {
    ui.dialogs.answers = {false};
    screen.toggleBlindMode();
    EXPECT_FALSE(ui.session.blindMode());
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);
}

TEST_F(StartScreenTest, MusicSwitchFlipsBothFlagsAndItsLabelWithoutAClick) {
    auto* button = Child<ui::ImageButton>(&screen, "Button6ActiveField");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toStdString(), "Turn music & SFX off");
    screen.toggleMusicAndEffects();
    EXPECT_FALSE(ui.session.musicEnabled);
    EXPECT_FALSE(ui.session.soundEffectsEnabled);
    EXPECT_EQ(button->text().toStdString(), "Turn music & SFX on");
    screen.toggleMusicAndEffects();
    EXPECT_TRUE(ui.session.musicEnabled);
    EXPECT_EQ(button->text().toStdString(), "Turn music & SFX off");
    const std::vector<std::string> expected = {"stopmusic", "restartmusic"};
    EXPECT_EQ(ui.sounds.played, expected);
}

TEST_F(StartScreenTest, EscapeDoesNotEndTheProgram) {
    screen.show();
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isVisible());
    // Without a tutorial to quit it closes the credits, and only them.
    screen.showCredits();
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_FALSE(Child<QWidget>(&screen, "Panel1")->isVisible());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

TEST_F(StartScreenTest, ButtonsWithoutAScreenBehindThemAreDisabled) {
    for (const char* name : {"Button2ActiveField", "Button5ActiveField", "Button10ActiveField"})
        EXPECT_FALSE(Child(&screen, name)->isEnabled()) << name;
    EXPECT_TRUE(Child(&screen, "Button1ActiveField")->isEnabled());
}

TEST_F(StartScreenTest, OnlyALoadedGameLeadsFromContinueIntoTheOffice) {
    bool loads = false;
    int decks = 0;
    ui::StartRoutes routes;
    routes.continueGame = [&] { return loads; };
    routes.modifyDeck = [&] { ++decks; };
    routes.runOffice = [this] { ++officeRuns; };
    screen.setRoutes(routes);
    EXPECT_TRUE(Child(&screen, "Button2ActiveField")->isEnabled());
    EXPECT_TRUE(Child(&screen, "Button10ActiveField")->isEnabled());
    EXPECT_FALSE(Child(&screen, "Button5ActiveField")->isEnabled());

    screen.continueGame();  // the player went back without loading
    EXPECT_EQ(officeRuns, 0);
    loads = true;
    screen.continueGame();
    EXPECT_EQ(officeRuns, 1);
    screen.modifyDeck();
    EXPECT_EQ(decks, 1);
}

}  // namespace
}  // namespace qvx::test
