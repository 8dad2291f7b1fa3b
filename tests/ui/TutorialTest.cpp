#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>

#include "Client_GetAds.h"
#include "Client_GetMovies.h"
#include "Client_ManageBoosters.h"
#include "Client_MixNews.h"
#include "Client_NewGameScreen.h"
#include "Client_OfficeScreen.h"
#include "Client_SaveLoad.h"
#include "Client_StartScreen.h"
#include "Client_Summary.h"
#include "Client_TVProgramme.h"
#include "Client_TutorialWindow.h"
#include "GameWindows.h"
#include "NewGame.h"
#include "Settings.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm28;

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The program's windows with the tutorial installed as at start-up, on a running game.
struct TutorialTest : ::testing::Test {
    UiSession ui;
    app::GameWindows windows{ui.session};
    TForm28* tutorial = windows.tutorial;
    GameState& gs = ui.session.game();

    void SetUp() override {
        ui.session.setDialogs(&ui.dialogs);
        ui.session.setSounds(&ui.sounds);
        ASSERT_NE(tutorial, nullptr);
        tutorial->setHome({664, 0});
    }
    void TearDown() override {
        ui.session.setDialogs(nullptr);
        ui.session.setSounds(nullptr);
    }

    void StartGame() {
        NewGameChoice choice;
        choice.scenario = 1;
        choice.logo = 1;
        choice.name = "Night Owl TV";
        const GameStart started = StartNewGame(gs, ui.session.catalogue(), ui.session.settings(),
                                               ui.session.rng(), choice, ui.session.dirs());
        ASSERT_TRUE(started) << started.message();
    }

    template <class Screen>
    Screen* S() {
        return windows.screen<Screen>();
    }
    std::string Text1() const { return TextOf(tutorial, "TutorialMessage_Text1"); }
    std::string Text2() const { return TextOf(tutorial, "TutorialMessage_Text2"); }
};

TEST_F(TutorialTest, TheStepTextsAreTheGamesOwnWithTheAccentAndTheHtmlManual) {
    EXPECT_TRUE(tutorial->active());
    EXPECT_EQ(tutorial->step(), 1);
    EXPECT_EQ(Text1(),
              "Welcome to Quovix 2! In this game you have to lead a TV company and make it become "
              "the largest TV company in the country. To start a new game just click on \"Start a "
              "new game\" at the top left part of the start screen.");
    EXPECT_EQ(Text2(), "Click on the \"Start a new game\" button.");

    tutorial->showStep(3);
    // The blanks inside the sentence are the game's own and stay.
    EXPECT_NE(Text1().find("select the   \"Normal -  USA\" scenario."), std::string::npos);
    EXPECT_EQ(Text2(), "Select the \"Normal - USA\" scenario by clicking on the \"Next\" button.");

    tutorial->showStep(2);
    EXPECT_NE(Text1().find("scenarios"), std::string::npos);
    EXPECT_EQ(Text2(), "Click on the \"Next button\" at the left bottom of the screen.");

    tutorial->showStep(16);
    EXPECT_EQ(Text1(),
              "Good. Let\u00b4s see how successful your TV program is. This is a VERY complex "
              "process allowing many different strategies and - at a later time - you should "
              "definately take a look at the manual (manual.html in the game folder). Now "
              "let\u00b4s start the broadcasting!");
    tutorial->showStep(18);
    EXPECT_EQ(Text1(),
              "That\u00b4s it. You have completed a full turn. With some luck you might have "
              "already completed an ad contract and earned some money. In any case just continue "
              "playing the game. For more info, please read the manual (manual.html in your game "
              "folder).");
    EXPECT_EQ(Text2(), "This tutorial has ended. Click on \"Cancel tutorial\" below.");
    EXPECT_EQ(TextOf(tutorial, "TutorialMessage_MinimizedText"), Text2());
    EXPECT_EQ(Utf8(tutorial->windowTitle()), " ");
}

TEST(TutorialStateTest, ContinueEndsTheSetUpAtAnyStepButNothingCountsOnceItIsOver) {
    ui::Tutorial tutorial;
    tutorial.enter(1);
    EXPECT_EQ(tutorial.nextAfter(ui::kTutorialContinueStep), 5);
    tutorial.enter(3);
    EXPECT_EQ(tutorial.nextAfter(ui::kTutorialContinueStep), 5);
    EXPECT_EQ(tutorial.nextAfter(2), 0);
    EXPECT_EQ(tutorial.nextAfter(3), 4);
    tutorial.enter(18);
    EXPECT_EQ(tutorial.nextAfter(18), 0);
    tutorial.end();
    tutorial.enter(3);
    EXPECT_EQ(tutorial.nextAfter(3), 0);
    EXPECT_EQ(tutorial.nextAfter(ui::kTutorialContinueStep), 0);
    tutorial.begin();
    EXPECT_TRUE(tutorial.active());
    EXPECT_EQ(tutorial.step(), 1);
}

// Every step's trigger, in order: the ones that open another screen close the window, and the
// screen that comes up shows it again; the others leave it up.
TEST_F(TutorialTest, EachClosingStepClosesTheWindowAndTheNextScreenShowsItAgain) {
    StartGame();
    auto* office = S<ui::TForm7>();
    office->prepareForPlanning();
    const std::map<int, ui::GameScreen*> next = {
        {1, S<ui::TForm6>()},   {4, office},           {5, S<ui::TForm9>()},  {8, S<ui::TForm10>()},
        {11, S<ui::TForm13>()}, {14, S<ui::TForm8>()}, {17, S<ui::TForm12>()}};
    tutorial->showOver(office);
    for (int n = 1; n < ui::kTutorialSteps; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(tutorial->step(), n);
        ASSERT_TRUE(tutorial->isVisible());
        ui.session.tutorialHook(n);
        EXPECT_EQ(tutorial->step(), n + 1);
        const auto closing = next.find(n);
        EXPECT_EQ(tutorial->isVisible(), closing == next.end());
        if (closing == next.end()) continue;
        ui::GameScreen* screen = closing->second;
        screen->show();
        EXPECT_TRUE(tutorial->isVisible());
        EXPECT_EQ(tutorial->parentWidget(), screen);
        screen->hide();
        tutorial->showOver(office);
    }
    // The last step waits for the player to cancel: no trigger leaves it.
    ui.session.tutorialHook(18);
    EXPECT_EQ(tutorial->step(), 18);
    EXPECT_TRUE(tutorial->active());
}

TEST_F(TutorialTest, ScreensOffTheFirstTurnDoNotBringTheWindowUp) {
    StartGame();
    tutorial->showStep(5);
    auto* deck = S<ui::TForm26>();
    deck->prepare();
    deck->show();
    EXPECT_FALSE(tutorial->isVisible());
    deck->hide();
}

TEST_F(TutorialTest, TheNewGameScreenBrowsesFromStepTwoToFourOnlyOnScenarioOne) {
    auto* newGame = S<ui::TForm6>();
    newGame->prepare();
    newGame->show();
    tutorial->showStep(2);
    newGame->previousScenario();  // wraps round to the last scenario
    ASSERT_NE(newGame->scenario(), 1);
    EXPECT_EQ(tutorial->step(), 3);
    newGame->previousScenario();
    EXPECT_EQ(tutorial->step(), 3);
    newGame->nextScenario();
    EXPECT_EQ(tutorial->step(), 3);
    newGame->nextScenario();
    ASSERT_EQ(newGame->scenario(), 1);
    EXPECT_EQ(tutorial->step(), 4);
    EXPECT_TRUE(tutorial->isVisible());
    // Going on browsing does not count again.
    newGame->nextScenario();
    newGame->previousScenario();
    EXPECT_EQ(tutorial->step(), 4);
    newGame->hide();
}

TEST_F(TutorialTest, ContinueOnTheNewGameScreenAtStepTwoJumpsToFiveAndClosesTheWindow) {
    auto* newGame = S<ui::TForm6>();
    newGame->prepare();
    newGame->show();
    tutorial->showStep(2);
    ASSERT_TRUE(tutorial->isVisible());
    newGame->confirm();
    EXPECT_EQ(tutorial->step(), 5);
    EXPECT_FALSE(tutorial->isVisible());
    EXPECT_EQ(Text2(), "Click on the \"Movie agency\" button (left, second from above).");
}

TEST_F(TutorialTest, BuyingAMovieCountsOnlyOnceTheTutorialAskedForIt) {
    StartGame();
    auto* agency = S<ui::TForm9>();
    agency->prepare();
    agency->show();
    tutorial->showStep(5);
    ui.dialogs.answers = {true};
    ASSERT_TRUE(Drop(Child<QWidget>(agency, "Shop2"), Child<QWidget>(agency, "Archive7")));
    EXPECT_EQ(tutorial->step(), 5);
    tutorial->showStep(6);
    ui.dialogs.answers = {true};
    ASSERT_TRUE(Drop(Child<QWidget>(agency, "Shop3"), Child<QWidget>(agency, "Archive8")));
    EXPECT_EQ(tutorial->step(), 7);
    agency->hide();
}

// The office's movie agency button at step 5, as the program wires it: the window steps aside,
// the agency comes up with it at step 6, and the office has it back on top afterwards.
TEST_F(TutorialTest, TheOfficeButtonOpensTheAgencyWithTheNextStep) {
    StartGame();
    auto* office = S<ui::TForm7>();
    auto* agency = S<ui::TForm9>();
    office->prepareForPlanning();
    office->show();
    tutorial->showStep(5);
    int stepInAgency = 0;
    bool upInAgency = false;
    QTimer::singleShot(0, agency, [&] {
        stepInAgency = tutorial->step();
        upInAgency = tutorial->isVisible() && tutorial->parentWidget() == agency;
        agency->reject();
    });
    office->mainButtonClicked(2);
    EXPECT_EQ(stepInAgency, 6);
    EXPECT_TRUE(upInAgency);
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_EQ(tutorial->parentWidget(), office);
    office->hide();
}

// End turn at step 16 starts the day and step 17; the day's end closes the window for step 18,
// and the day summary brings it back.
TEST_F(TutorialTest, TheDaySwitchesLeadToTheLastStep) {
    StartGame();
    auto* office = S<ui::TForm7>();
    auto* summary = S<ui::TForm12>();
    office->prepareForPlanning();
    office->show();
    tutorial->showStep(16);
    ui.dialogs.answers = {true, true, true};
    office->endTurnClicked();
    ASSERT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(tutorial->step(), 17);
    ui.dialogs.answers = {true};
    int stepInSummary = 0;
    bool upInSummary = false;
    QTimer::singleShot(0, summary, [&] {
        stepInSummary = tutorial->step();
        upInSummary = tutorial->isVisible() && tutorial->parentWidget() == summary;
        summary->reject();
    });
    office->endTurnClicked();
    EXPECT_EQ(stepInSummary, 18);
    EXPECT_TRUE(upInSummary);
    EXPECT_EQ(tutorial->step(), 18);
    office->hide();
}

TEST_F(TutorialTest, TheWindowRefusesToCloseWhileTheTutorialRuns) {
    tutorial->show();
    EXPECT_FALSE(tutorial->close());
    EXPECT_TRUE(tutorial->isVisible());
    QCloseEvent event;
    QApplication::sendEvent(tutorial, &event);
    EXPECT_FALSE(event.isAccepted());

    tutorial->closeByProgram();
    EXPECT_FALSE(tutorial->isVisible());
    EXPECT_TRUE(tutorial->active());
    // Shown again, it is the user's to not close once more.
    tutorial->show();
    EXPECT_FALSE(tutorial->closedByProgram());
    EXPECT_FALSE(tutorial->close());
}

TEST_F(TutorialTest, QuittingAsksAndNoBringsTheWindowBackWhileYesEndsIt) {
    tutorial->show();
    tutorial->move(20, 300);
    ui.dialogs.answers = {false};
    QTest::mouseClick(Child<QWidget>(tutorial, "TutorialButton2ActiveField"), Qt::LeftButton);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, "Quit tutorial?");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to quit the tutorial and play on your own?");
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    EXPECT_EQ(tutorial->pos(), QPoint(664, 0));
    EXPECT_TRUE(tutorial->active());
    EXPECT_TRUE(tutorial->isVisible());
    // After No the tutorial runs on, and the user still cannot close its window.
    EXPECT_FALSE(tutorial->close());

    // No to the question asked while the window was away brings it back.
    tutorial->closeByProgram();
    ui.dialogs.answers = {false};
    tutorial->askQuit();
    EXPECT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_TRUE(tutorial->isVisible());

    ui.dialogs.answers = {true};
    QTest::keyClick(tutorial, Qt::Key_Escape);
    EXPECT_FALSE(tutorial->active());
    EXPECT_FALSE(tutorial->isVisible());
    // Nothing brings it back: no screen, no hook.
    ui.session.tutorialHook(1);
    EXPECT_EQ(tutorial->step(), 1);
    auto* newGame = S<ui::TForm6>();
    newGame->show();
    EXPECT_FALSE(tutorial->isVisible());
    newGame->hide();
}

TEST_F(TutorialTest, EscapeInTheOfficeAsksTheQuitQuestion) {
    StartGame();
    auto* office = S<ui::TForm7>();
    office->prepareForPlanning();
    office->show();
    ui.dialogs.answers = {true};
    QTest::keyClick(office, Qt::Key_Escape);
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Quit tutorial?"});
    EXPECT_FALSE(tutorial->active());
    EXPECT_TRUE(office->isVisible());
    // Once the tutorial is over Escape asks nothing.
    QTest::keyClick(office, Qt::Key_Escape);
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);
    office->hide();
}

TEST_F(TutorialTest, KeysButTheModifiersTypedIntoTheWindowAreHandedOn) {
    QSignalSpy keys(&ui.session, &ui::Session::keyInTutorialWindow);
    for (const Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt})
        QTest::keyClick(tutorial, modifier);
    EXPECT_EQ(keys.count(), 0);
    QTest::keyClick(tutorial, Qt::Key_A);
    EXPECT_EQ(keys.count(), 1);
}

TEST_F(TutorialTest, MinimizeAndShowChangeTheWindowsHeight) {
    tutorial->show();
    ASSERT_EQ(tutorial->height(), 336);
    QTest::mouseClick(Child<QWidget>(tutorial, "TutorialButton1ActiveField"), Qt::LeftButton);
    EXPECT_EQ(tutorial->height(), 115);
    EXPECT_TRUE(Child<QWidget>(tutorial, "TutorialMessage_Panel_Minimized")->isVisible());
    QTest::mouseClick(Child<QWidget>(tutorial, "TutorialButton3ActiveField"), Qt::LeftButton);
    EXPECT_EQ(tutorial->height(), 336);
    EXPECT_FALSE(Child<QWidget>(tutorial, "TutorialMessage_Panel_Minimized")->isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 2);
}

TEST_F(TutorialTest, LoadingAGameEndsTheTutorial) {
    StartGame();
    ASSERT_EQ(ui.session.settings().SaveSlotNames[kRunningGameSlot], kRunningGameCaption);
    auto* saveLoad = S<ui::TForm14>();
    tutorial->showStep(7);
    saveLoad->prepare();
    saveLoad->show();
    EXPECT_TRUE(tutorial->isVisible());
    saveLoad->continuePreviousGame();
    ASSERT_TRUE(saveLoad->loaded());
    EXPECT_FALSE(tutorial->active());
    EXPECT_FALSE(tutorial->isVisible());
}

// The start screen's own road, with the new game and the office stood in for: the new game
// button leaves step 1, and back from the office the tutorial starts over at step 1.
TEST_F(TutorialTest, BackOnTheStartScreenTheTutorialStartsOverAtStepOne) {
    auto* start = S<ui::TForm3>();
    int stepChoosing = 0;
    bool upChoosing = true;
    ui::StartRoutes routes;
    routes.chooseNewGame = [&](NewGameChoice& choice) {
        stepChoosing = tutorial->step();
        upChoosing = tutorial->isVisible();
        choice.scenario = 1;
        choice.logo = 1;
        choice.name = "Night Owl TV";
        return true;
    };
    routes.runOffice = [&] { tutorial->showStep(9); };
    start->setRoutes(routes);
    ui.session.settings().SaveSlotNames.fill(kEmptySlotCaption);
    start->show();
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_EQ(tutorial->pos(), QPoint(664, 0));
    start->startNewGame();
    EXPECT_EQ(stepChoosing, 2);
    EXPECT_FALSE(upChoosing);
    EXPECT_EQ(tutorial->step(), 1);
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_EQ(tutorial->parentWidget(), start);
    start->hide();
}

TEST_F(TutorialTest, TheStartScreenPutsTheWindowAwayForTheDeck) {
    auto* start = S<ui::TForm3>();
    bool upAtDeck = true;
    ui::StartRoutes routes;
    routes.modifyDeck = [&] { upAtDeck = tutorial->isVisible(); };
    start->setRoutes(routes);
    start->show();
    ASSERT_TRUE(tutorial->isVisible());
    start->modifyDeck();
    EXPECT_FALSE(upAtDeck);
    EXPECT_TRUE(tutorial->isVisible());
    start->hide();
}

// The save/load screen is part of the first turn's walk, but opened from the start screen it
// must not bring back the start screen's own step over itself.
TEST_F(TutorialTest, TheStartScreensContinueOpensTheSaveScreenWithoutTheWindow) {
    auto* start = S<ui::TForm3>();
    auto* saveLoad = S<ui::TForm14>();
    bool upAtSaveLoad = true;
    ui::StartRoutes routes;
    routes.continueGame = [&] {
        saveLoad->prepare();
        saveLoad->show();
        upAtSaveLoad = tutorial->isVisible();
        saveLoad->hide();
        return false;
    };
    start->setRoutes(routes);
    start->show();
    ASSERT_TRUE(tutorial->isVisible());
    start->continueGame();
    EXPECT_FALSE(upAtSaveLoad);
    EXPECT_TRUE(tutorial->isVisible());
    start->hide();
}

}  // namespace
}  // namespace qvx::test
