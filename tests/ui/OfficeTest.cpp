// The office's turn flow: End turn and its questions, the locked buttons of the playback, the
// date and clock, the phase change at the end of the day, the phone, the cheats and Exit.
#include <QListWidget>

#include <fstream>

#include "Formatting.h"
#include "Highscores.h"
#include "OfficeTestSupport.h"
#include "SaveGame.h"
#include "TurnCycle.h"

namespace qvx::test {
namespace {

// --- End turn ----------------------------------------------------------------------------------

enum class Plan { NewsSpotTwoItems, EmptyAdSpots };

struct EndTurnCase {
    const char* name;
    Plan plan;
    std::deque<bool> answers;
    std::vector<std::string> titles;
    bool broadcasting;
};

struct EndTurnQuestions : OfficeTest, ::testing::WithParamInterface<EndTurnCase> {};

TEST_P(EndTurnQuestions, AskInOrderAndOnlyYesEndsThePlanning) {
    const EndTurnCase& c = GetParam();
    if (c.plan == Plan::NewsSpotTwoItems) {
        gs.Programme[player][3][Slot::kProgramme] = Slot::kNewsShow;
        gs.NewsShow[player][1] = 1;
        gs.NewsShow[player][2] = 2;
        gs.NewsShow[player][3] = 0;
    }
    // Every ad spot of a new game is empty.
    ui.dialogs.answers = c.answers;
    office.endTurnClicked();
    EXPECT_EQ(ui.dialogs.Titles(), c.titles);
    EXPECT_EQ(gs.GameInfo[Info::kPhase] == Info::kPhaseBroadcasting, c.broadcasting);
    EXPECT_EQ(office.playbackRunning(), c.broadcasting);
    EXPECT_FALSE(gs.EndTurnBusy);
    EXPECT_EQ(TextOf(&office, "Label6"), c.broadcasting ? "02:00" : "08:00");
    EXPECT_EQ(TextOf(&office, "Label20"), c.broadcasting ? "pm" : "am");
}

INSTANTIATE_TEST_SUITE_P(
    Office, EndTurnQuestions,
    ::testing::Values(
        EndTurnCase{"NoStops", Plan::EmptyAdSpots, {false}, {"End turn?"}, false},
        EndTurnCase{"NewsAnsweredNo",
                    Plan::NewsSpotTwoItems,
                    {true, false},
                    {"End turn?", "No news?"},
                    false},
        // Yes to the news question skips the ad question although every ad spot is empty.
        EndTurnCase{"NewsAnsweredYes",
                    Plan::NewsSpotTwoItems,
                    {true, true, true},
                    {"End turn?", "No news?"},
                    true},
        EndTurnCase{
            "AdsAnsweredNo", Plan::EmptyAdSpots, {true, false}, {"End turn?", "No ads?"}, false},
        EndTurnCase{
            "AdsAnsweredYes", Plan::EmptyAdSpots, {true, true}, {"End turn?", "No ads?"}, true}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST_F(OfficeTest, EndTurnDuringThePlaybackAsksOnceAndOpensTheNextMorning) {
    StartDay();
    office.playBackTo(5, 30);
    ui.dialogs.answers = {true};
    office.endTurnClicked();
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"End turn?"});
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_EQ(TextOf(&office, "Label6"), "08:00");
    EXPECT_EQ(TextOf(&office, "Label20"), "am");
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_EQ(ui.sounds.Count("stopcue"), 1);
}

TEST_F(OfficeTest, EndTurnAnsweredNoDuringThePlaybackLeavesItPaused) {
    StartDay();
    office.playBackTo(4, 10);
    ui.dialogs.answers = {false};
    office.endTurnClicked();
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
    EXPECT_FALSE(Visible("ControlButton5_Pressed"));
    EXPECT_EQ(TextOf(&office, "Label6"), "04:10");
}

// --- The playback locks the planning screens ----------------------------------------------------

struct LockedCase {
    int button;
    const char* text;
};

struct LockedButtons : OfficeTest, ::testing::WithParamInterface<LockedCase> {};

TEST_P(LockedButtons, PauseThePlaybackAndExplainThemselves) {
    const LockedCase& c = GetParam();
    int opened = 0;
    if (c.button != 8) office.setScreenOpener(c.button, [&opened] { ++opened; });
    StartDay();
    office.playBackTo(3, 5);
    auto* button =
        Child<QWidget>(&office, ("Button" + std::to_string(c.button) + "_Pressed").c_str());
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    office.mainButtonClicked(c.button);
    EXPECT_EQ(LastDialog(), std::string("inform|N/A|") + c.text);
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
    EXPECT_FALSE(Visible("ControlButton5_Pressed"));
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(Visible("Panel2"));
    // The playback stays paused after the dialog until Play.
    office.playPressed();
    office.playReleased();
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_EQ(office.playbackInterval(), 200);
}

constexpr const char* kOtherScreens =
    "You cannot access this screen during broadcasting. To end this broadcasting phase click on "
    "\"End turn\" again.";

INSTANTIATE_TEST_SUITE_P(
    Office, LockedButtons,
    ::testing::Values(
        LockedCase{1,
                   "You cannot access the TV program table screen during the broadcasting. To "
                   "end this broadcasting phase click on \"End turn\" again."},
        LockedCase{2,
                   "You cannot buy new movies during the broadcasting. To end this broadcasting "
                   "phase click on \"End turn\" again."},
        LockedCase{3,
                   "You cannot acquire new ads during the broadcasting. To end this broadcasting "
                   "phase click on \"End turn\" again."},
        LockedCase{4,
                   "You cannot mix news during the broadcasting. To end this broadcasting phase "
                   "click on \"End turn\" again."},
        LockedCase{6, kOtherScreens}, LockedCase{7, kOtherScreens}, LockedCase{8, kOtherScreens},
        LockedCase{9, kOtherScreens}),
    [](const auto& tp) { return "Button" + std::to_string(tp.param.button); });

TEST_F(OfficeTest, PlanningButtonsWaitForTheirScreensAndOpenThemOnceInstalled) {
    auto* movies = Child<QWidget>(&office, "Button2_Pressed");
    EXPECT_FALSE(movies->isEnabled());
    EXPECT_TRUE(Child<QWidget>(&office, "Button8_Pressed")->isEnabled());
    int opened = 0;
    office.setScreenOpener(2, [&] {
        ++opened;
        gs.Channel[player][Ch::kMoney] = 4321;
    });
    EXPECT_TRUE(movies->isEnabled());
    office.mainButtonClicked(2);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(TextOf(&office, "Label1"), "$ 4,321 millions");  // redrawn after the screen
    EXPECT_TRUE(ui.dialogs.shown.empty());
    // Busy with a turn change: nothing opens.
    gs.EndTurnBusy = true;
    office.mainButtonClicked(2);
    EXPECT_EQ(opened, 1);
}

// --- Date and clock ------------------------------------------------------------------------------

struct DateCase {
    int32_t turn;
    const char* line;
};
struct DateLines : OfficeTest, ::testing::WithParamInterface<DateCase> {};

TEST_P(DateLines, ShowTheMonthOfTheTurn) {
    gs.GameInfo[Info::kTurn] = GetParam().turn;
    office.refreshOffice();
    EXPECT_EQ(TextOf(&office, "Label17"), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Office, DateLines,
                         ::testing::Values(DateCase{11, "Christmas Day 2010"},
                                           DateCase{12, "A monday in January 2011"},
                                           DateCase{6, "Sunday, July  2010"},
                                           DateCase{25, "It\u00b4s a tuesday in February 2012"}));

// --- The day ends -------------------------------------------------------------------------------

TEST_F(OfficeTest, TheNextMorningBooksTheDaysResultsAndCleansThePlan) {
    const int32_t movie = SomeMovie();
    ASSERT_GT(movie, 0);
    gs.MovieArchive[player][1] = movie;
    gs.Programme[player][1][Slot::kProgramme] = movie;
    gs.Programme[player][2][Slot::kProgramme] = Slot::kNewsShow;
    std::vector<int> summaries;
    office.setSummary([&](int company) { summaries.push_back(company); });
    StartDay();
    // The playback counts from the morning's values; the day's results wait.
    const int32_t result = gs.Channel[player][Ch::kMoneyAfterDay];
    const auto spots = gs.AdSpotsShadow[player];
    gs.Channel[player][Ch::kMoneyAfterDay] = result + 1234;  // unmistakable
    office.playBackTo(5, 30);
    ui.dialogs.answers = {true};
    office.endTurnClicked();
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], result + 1234);
    EXPECT_EQ(gs.AdSpotsDone[player], spots);
    EXPECT_EQ(TextOf(&office, "Label1"), "$ " + FormatAmount(result + 1234) + " millions");
    EXPECT_EQ(gs.Programme[player][1][Slot::kProgramme], 0);  // the movie had its day
    EXPECT_EQ(gs.Programme[player][2][Slot::kProgramme], Slot::kNewsShow);
    EXPECT_EQ(summaries, std::vector<int>{player});
    EXPECT_EQ(gs.GameInfo[Info::kTurn], 2);
    EXPECT_FALSE(Visible("GroupBox_TVScreen"));
    EXPECT_EQ(TextOf(&office, "BlindLabel23"), "Now broadcasting: Nothing");
}

TEST_F(OfficeTest, MidnightEndsTheDayByItself) {
    StartDay();
    office.playBackTo(11, 59);
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    office.tick();
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(ui.dialogs.shown.empty());  // no question at midnight
    EXPECT_EQ(TextOf(&office, "Label6"), "08:00");
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
    EXPECT_TRUE(Visible("ControlButton1_Pressed"));
}

// --- The last turn -------------------------------------------------------------------------------

struct LastTurnTest : OfficeTest {
    void SetUp() override {
        OfficeTest::SetUp();
        gs.GameInfo[Info::kTurn] = TurnLimit(gs);
        gs.Channel[player][Ch::kMoney] = 100000000;  // far ahead of every computer company
        office.setSummary([this](int) { events.push_back(GameOverNow("summary")); });
        office.setGameOverScreen([this] { events.push_back(GameOverNow("game over")); });
    }
    // What slot 0 holds at a moment: the morning's game or the finished one.
    std::string GameOverNow(const std::string& event) {
        auto saved = std::make_unique<GameState>();
        if (!LoadRunningGame(*saved, ui.dir.path())) return event + " (no save)";
        return event + (saved->GameInfo[Info::kGameOver] == 1 ? " (saved over)" : " (morning)");
    }
    int PlaceOf(const std::string& name) {
        HighscoreTable table;
        Rng rng(1);
        if (!LoadHighscores(table, ui.dir.path(), rng)) return -1;
        for (int i = 1; i <= kHighscoreEntries; ++i)
            if (table.lists[1][i].name == name) return i;
        return 0;
    }
    std::vector<std::string> events;
};

// The result is in the highscores from End turn on, while slot 0 still holds the morning; the
// summary, the game over screen and the finished game's save follow at midnight.
TEST_F(LastTurnTest, TheHighscoreComesBeforeThePlaybackAndTheSaveAtMidnight) {
    StartDay();
    EXPECT_GT(PlaceOf("Night Owl TV"), 0);
    EXPECT_EQ(GameOverNow("after End turn"), "after End turn (morning)");
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_TRUE(events.empty());

    office.playBackTo(12, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"summary (saved over)", "game over (saved over)"}));
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(ui.sounds.Count("winningmusic"), 1);
    EXPECT_FALSE(office.isVisible());
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Empty slot");
}

TEST_F(LastTurnTest, AHighscoreThatCannotBeWrittenIsReportedAndTheDayGoesOn) {
    const auto highscores = ui.dir.path() / kHighscoresIntFile;
    std::filesystem::create_directory(highscores);
    std::ofstream(highscores / "inside") << "x";
    ui.dialogs.answers = {true, true, true};
    office.endTurnClicked();
    ASSERT_FALSE(ui.dialogs.shown.empty());
    EXPECT_EQ(ui.dialogs.shown.back().title, "Error");
    EXPECT_EQ(ui.dialogs.shown.back().text.rfind(
                  "Your result could not be entered into the highscores: ", 0),
              0u)
        << ui.dialogs.shown.back().text;
    EXPECT_TRUE(office.playbackRunning());

    Forget();
    office.playBackTo(12, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"summary (saved over)", "game over (saved over)"}));
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

// --- The phone ----------------------------------------------------------------------------------

std::vector<std::string> Items(QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->item(i)->text().toStdString());
    return items;
}

void Hold(GameState& gs, int owner, int company, int32_t held, int32_t issued) {
    gs.ChannelAccounts[company][Acc::kSharesIssued] = issued;
    gs.ChannelAccounts[owner][Acc::kShareHoldings + company - 1] = held;
}

TEST_F(OfficeTest, ThePhoneListsOnlyCompaniesAboveTwentyNinePercent) {
    Hold(gs, player, 2, 300, 1000);  // 30 %
    Hold(gs, player, 3, 299, 1000);  // 29 % after truncation
    Hold(gs, player, 4, 900, 1000);
    gs.Channel[4][Ch::kActive] = 0;  // out of business
    Hold(gs, player, player, 1000, 1000);
    office.mainButtonClicked(8);
    EXPECT_TRUE(Visible("Panel2"));
    auto* list = Child<QListWidget>(&office, "ListBox1");
    EXPECT_EQ(Items(list),
              (std::vector<std::string>{"Stock broker", gs.ChannelNames[2], "Liquidator"}));
}

TEST_F(OfficeTest, TheBoardOfDirectorsShutsACompanyForTheNextDay) {
    Hold(gs, player, 3, 400, 1000);
    office.mainButtonClicked(8);
    auto* list = Child<QListWidget>(&office, "ListBox1");
    ASSERT_EQ(list->count(), 3);
    list->setCurrentRow(1);
    const std::string name = gs.ChannelNames[3];
    const std::string call = "You call the board of directors of " + name +
                             " and ask them for an investigation committee. This company will "
                             "not be able to take any actions or broadcast on the next day (game "
                             "turn).";
    ui.dialogs.answers = {false};
    office.callClicked();
    EXPECT_EQ(gs.Channel[3][Ch::kPendingDisabledTurns], 0);
    ui.dialogs.answers = {true};
    office.callClicked();
    EXPECT_EQ(gs.Channel[3][Ch::kPendingDisabledTurns], 1);
    ASSERT_EQ(ui.dialogs.shown.size(), 3u);
    EXPECT_EQ(ui.dialogs.shown[1].text,
              "Do you wish to ask the board of directors for an investigation committee taking "
              "out " +
                  name + " for the next game day?");
    EXPECT_EQ(LastDialog(), "inform|Board of directors|" + call);
    // The summary of that day sees the call in the player's log.
    std::vector<std::string> logged;
    office.setSummary([&](int c) {
        for (int i = 1; i <= kLogLines; ++i)
            if (!gs.GameLog[c][i].empty()) logged.push_back(gs.GameLog[c][i]);
    });
    StartDay();
    EXPECT_GE(gs.Channel[3][Ch::kDisabledTurns], 1);
    office.playBackTo(12, 0);
    EXPECT_NE(std::find(logged.begin(), logged.end(), "* " + call), logged.end());
}

TEST_F(OfficeTest, BankruptcyStillPlaysTheDayBackThenTheGameEnds) {
    office.mainButtonClicked(8);
    auto* list = Child<QListWidget>(&office, "ListBox1");
    list->setCurrentRow(list->count() - 1);
    int summaries = 0;
    office.setSummary([&](int) { ++summaries; });
    ui.dialogs.answers = {true};
    office.callClicked();
    EXPECT_EQ(ui.dialogs.Titles(),
              (std::vector<std::string>{"Declare bankruptcy?", "Bankcruptcy"}));
    EXPECT_EQ(ui.dialogs.shown[1].text,
              "You declare bankruptcy. Soon it is in the news and everyone speaks about the great "
              "failure of Night Owl TV.");
    EXPECT_FALSE(Visible("Panel2"));
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(gs.Channel[player][Ch::kActive], 0);
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_TRUE(office.isVisible());
    EXPECT_EQ(TextOf(&office, "Bankrupt_Label"), "BANKRUPT");
    EXPECT_TRUE(Visible("Bankrupt_Label"));

    std::filesystem::remove(ui.dir.path() / "QVX2_SAVEGAME_0.int");
    office.playBackTo(12, 0);
    EXPECT_EQ(summaries, 1);
    EXPECT_EQ(ui.sounds.Count("winningmusic"), 1);
    EXPECT_FALSE(office.isVisible());
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Empty slot");
    EXPECT_TRUE(std::filesystem::exists(ui.dir.path() / "QVX2_SAVEGAME_0.int"));
}

TEST_F(OfficeTest, ACallOutsideThePlanningOrWithoutAChoiceDoesNothing) {
    office.mainButtonClicked(8);
    office.callClicked();  // nothing selected
    EXPECT_TRUE(ui.dialogs.shown.empty());
    auto* list = Child<QListWidget>(&office, "ListBox1");
    list->setCurrentRow(list->count() - 1);
    gs.EndTurnBusy = true;
    office.callClicked();
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(gs.Channel[player][Ch::kActive], 1);
}

// --- Cheats -------------------------------------------------------------------------------------

TEST_F(OfficeTest, CheatMoneyIsJournaledAndRefusedWhenTheJournalIsFull) {
    EXPECT_FALSE(Visible("Panel1"));
    office.showCheats();
    EXPECT_TRUE(Visible("Panel1"));
    const int32_t before = gs.Channel[player][Ch::kMoney];
    office.cheatMoney(10000);
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], before + 10000);
    EXPECT_EQ(gs.ActionJournal[player][1], (JournalEntry{JournalKind::CheatMoney10k, 0, 0}));
    EXPECT_EQ(TextOf(&office, "Label1"), "$ " + FormatAmount(before + 10000) + " millions");
    EXPECT_TRUE(ui.dialogs.shown.empty());

    for (int i = 2; i <= kJournalEntries; ++i)
        gs.ActionJournal[player][i] = {JournalKind::SellMovie, 1, 1};
    office.cheatMoney(100000);
    office.cheatPopularity(2);
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], before + 10000);
    ASSERT_EQ(ui.dialogs.shown.size(), 2u);
    for (const auto& d : ui.dialogs.shown) {
        EXPECT_EQ(d.title, "N/A");
        EXPECT_EQ(d.text, "You have reached the max. number of actions this turn.");
    }
}

TEST_F(OfficeTest, CheatMoneyDuringThePlaybackSurvivesMidnight) {
    StartDay();
    const int32_t result = gs.Channel[player][Ch::kMoneyAfterDay];
    office.cheatMoney(10000);
    office.playBackTo(12, 0);
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], result + 10000);
}

TEST_F(OfficeTest, AutoPlayTellsThenPlaysTheDays) {
    const int32_t turn = gs.GameInfo[Info::kTurn];
    office.showCheats();
    office.cheatAutoPlay(12);
    EXPECT_EQ(LastDialog(),
              "inform|Cheat|After you close this screen the next 12 game days will be solved "
              "automatically.");
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
    EXPECT_EQ(gs.GameInfo[Info::kTurn], turn + 11);  // eleven days went by unseen, one plays
    EXPECT_FALSE(Visible("Panel1"));
    EXPECT_TRUE(office.playbackRunning());
}

// --- Exit ---------------------------------------------------------------------------------------

TEST_F(OfficeTest, ExitAnsweredNoKeepsTheOfficeAndYesSavesTheGame) {
    const auto slot = ui.dir.path() / "QVX2_SAVEGAME_0.int";
    std::filesystem::remove(slot);
    ui.dialogs.answers = {false};
    office.mainButtonClicked(10);
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Back to main menu?"});
    EXPECT_TRUE(office.isVisible());
    EXPECT_FALSE(std::filesystem::exists(slot));

    // The window's close command asks the same.
    ui.dialogs.answers = {false};
    office.close();
    EXPECT_TRUE(office.isVisible());

    ui.dialogs.answers = {true};
    office.mainButtonClicked(10);
    EXPECT_FALSE(office.isVisible());
    EXPECT_TRUE(std::filesystem::exists(slot));
    EXPECT_EQ(ui.dialogs.shown.size(), 3u);
}

TEST_F(OfficeTest, ExitDuringThePlaybackClosesTheDayBeforeSaving) {
    StartDay();
    office.playBackTo(6, 0);
    const int32_t result = gs.Channel[player][Ch::kMoneyAfterDay];
    ui.dialogs.answers = {true};
    office.exitClicked();
    EXPECT_FALSE(office.isVisible());
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadRunningGame(*loaded, ui.dir.path()));
    EXPECT_EQ(loaded->GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_EQ(loaded->GameInfo[Info::kTurn], 2);
    EXPECT_EQ(loaded->Channel[player][Ch::kMoney], result);
}

TEST_F(OfficeTest, AFinishedGameClosesWithoutTheQuestion) {
    gs.GameInfo[Info::kGameOver] = 1;
    office.exitClicked();
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_FALSE(office.isVisible());
}

}  // namespace
}  // namespace qvx::test
