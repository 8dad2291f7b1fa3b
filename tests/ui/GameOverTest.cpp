// The game over screen's ranking, and the end of a game as the program wires it: the office's
// last day, the game over screen, the highscores at list 1, the saved game, the closed office.
#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "Client_GameOver.h"
#include "Client_Highscore.h"
#include "Client_OfficeScreen.h"
#include "Formatting.h"
#include "GameWindows.h"
#include "Highscores.h"
#include "NewGame.h"
#include "Scenarios.h"
#include "Shares.h"
#include "TurnCycle.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

struct GameOverTest : ::testing::Test {
    UiSession ui;
    ui::TForm20 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();

    void SetUp() override { ASSERT_TRUE(ui.startGame()); }
    int32_t Value(int c) { return CompanyValue(gs, ui.session.catalogue(), c, ValueVariant::Full); }
    bool Hidden(const char* name) { return Child<QWidget>(&screen, name)->isHidden(); }
};

TEST_F(GameOverTest, AnActiveCompanyWorthLessThanNothingIsBankruptWithoutMillions) {
    gs.Channel[2][Ch::kMoney] = -9'000'000;
    ASSERT_EQ(gs.Channel[2][Ch::kActive], 1);
    ASSERT_LT(Value(2), 0);
    screen.prepare();
    EXPECT_EQ(TextOf(&screen, "Label14"), "\"Bankrupt\"");
    EXPECT_TRUE(Hidden("Label11"));
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image5")->pictureName(),
              QString("QVX2_complogo%1_sm.jpg").arg(gs.Channel[2][Ch::kLogo]));
    for (const char* millions : {"Label1", "Label7"}) {
        EXPECT_FALSE(Hidden(millions)) << millions;
        EXPECT_EQ(TextOf(&screen, millions), "millions");
    }
    EXPECT_EQ(TextOf(&screen, "Label5"), ScenarioTitle(1));
    EXPECT_EQ(TextOf(&screen, "Label6"), ScenarioDescription(1));
    EXPECT_EQ(TextOf(&screen, "Label10"), ScenarioGoal(1));
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image1")->pictureName(), "QVX2_Scenario1.jpg");
}

TEST_F(GameOverTest, OfTwoTiedAtTheTopTheLaterWinsAndEveryPlaceNamesItsColour) {
    gs.Channel[3][Ch::kMoney] += 400'000;
    gs.Channel[4][Ch::kMoney] += 400'000;
    gs.Channel[4][Ch::kMoney] += Value(3) - Value(4);
    ASSERT_EQ(Value(3), Value(4));
    gs.Channel[1][Ch::kLogo] = 5;
    gs.Channel[2][Ch::kLogo] = 2;
    gs.Channel[3][Ch::kLogo] = 7;
    gs.Channel[4][Ch::kLogo] = 8;
    gs.Channel[1][Ch::kMoney] += 200'000;  // the player stays clear of company 2
    ui.session.setBlindMode(true);
    screen.prepare();

    EXPECT_EQ(TextOf(&screen, "Label9"), gs.ChannelNames[4]);
    EXPECT_EQ(TextOf(&screen, "Label3"), "$ " + FormatAmount(Value(4)) + " millions");
    EXPECT_EQ(TextOf(&screen, "Label4"), "$ " + FormatAmount(Value(3)));
    EXPECT_EQ(TextOf(&screen, "BlindLabel1"), "Blue player");
    EXPECT_EQ(TextOf(&screen, "BlindLabel2"), "Green player");
    EXPECT_EQ(TextOf(&screen, "BlindLabel3"), "Red player");
    EXPECT_EQ(TextOf(&screen, "BlindLabel4"), "Yellow player");
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image2")->accessibleName(), "Blue player");
    // This screen's texts for blind players stay hidden whatever the switch says.
    for (const char* blind : {"BlindLabel1", "BlindLabel4", "BlindButton1"})
        EXPECT_TRUE(Hidden(blind)) << blind;
}

// Closes every modal window as it comes up, noting its name and letting the test look first.
struct ModalCloser {
    QTimer timer;
    std::vector<std::string> seen;
    std::function<void(QWidget*)> look;
    ModalCloser() {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible()) return;
            seen.push_back(modal->objectName().toStdString());
            if (look) look(modal);
            modal->accept();
        });
        timer.start();
    }
};

struct GameEndingTest : ::testing::Test {
    UiSession ui;
    GameState& gs = ui.session.game();
    std::unique_ptr<app::GameWindows> windows;
    ui::TForm7* office = nullptr;
    std::string shownList1;  // ScoreLabel1 while the highscores were up
    int shownList = 0;

    void SetUp() override {
        NewGameChoice choice;
        choice.scenario = ScenarioIndex(Kind::kTweaked, Map::kUsa);
        choice.name = "Night Owl TV";
        ASSERT_TRUE(StartNewGame(gs, ui.session.catalogue(), ui.session.settings(),
                                 ui.session.rng(), choice, ui.session.dirs()));
        ASSERT_LE(TurnLimit(gs), 24);
        windows = std::make_unique<app::GameWindows>(ui.session);
        ui.session.setDialogs(&ui.dialogs);
        ui.session.setSounds(&ui.sounds);
        office = windows->screen<ui::TForm7>();
        office->prepareForPlanning();
        office->show();
    }
    void TearDown() override {
        ui.session.setDialogs(nullptr);
        ui.session.setSounds(nullptr);
    }
    void WatchHighscores(ModalCloser& closer) {
        closer.look = [this](QWidget* modal) {
            if (auto* lists = qobject_cast<ui::TForm21*>(modal)) {
                shownList = lists->list();
                shownList1 = TextOf(lists, "ScoreLabel1");
            }
        };
    }
    // One End turn from the planning phase and one during the playback, every question Yes.
    void PlayDay() {
        ui.dialogs.answers = {true, true, true};
        office->endTurnClicked();
        ui.dialogs.answers = {true};
        if (office->isVisible()) office->endTurnClicked();
        ui.dialogs.answers.clear();
    }
};

TEST_F(GameEndingTest, TheLastDayOfAGameEndsInTheHighscoresWithTheWinnersEntry) {
    ModalCloser closer;
    WatchHighscores(closer);
    gs.Channel[gs.PlayerChannel][Ch::kMoney] += 5'000'000;  // a win worth a first place
    for (int day = 0; day <= TurnLimit(gs) && gs.GameInfo[Info::kGameOver] != 1; ++day)
        PlayDay();
    ASSERT_EQ(gs.GameInfo[Info::kGameOver], 1);
    // The last day's summary, then the ending.
    ASSERT_GE(closer.seen.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(closer.seen.end() - 3, closer.seen.end()),
              (std::vector<std::string>{"TForm12", "TForm20", "TForm21"}));
    EXPECT_EQ(shownList, 1);
    EXPECT_EQ(shownList1, "Night Owl TV");
    EXPECT_EQ(ui.sounds.Count("winningmusic"), 1);
    EXPECT_FALSE(office->isVisible());
    EXPECT_EQ(ui.session.settings().SaveSlotNames[0], "Empty slot");
    EXPECT_TRUE(std::filesystem::exists(ui.dir.path() / "QVX2_SAVEGAME_0.int"));
    for (const auto& shown : ui.dialogs.shown)
        EXPECT_NE(shown.title, "Error") << shown.text;
}

TEST_F(GameEndingTest, ABankruptPlayerSeesTheHighscoresUnchanged) {
    HighscoreTable before;
    Rng rng(2);
    (void)LoadHighscores(before, ui.session.userDir(), rng);
    ModalCloser closer;
    WatchHighscores(closer);
    office->mainButtonClicked(8);
    auto* list = Child<QListWidget>(office, "ListBox1");
    list->setCurrentRow(list->count() - 1);
    ui.dialogs.answers = {true};
    office->callClicked();
    ASSERT_EQ(gs.GameInfo[Info::kGameOver], 1);
    ui.dialogs.answers = {true};
    office->endTurnClicked();

    EXPECT_EQ(closer.seen, (std::vector<std::string>{"TForm12", "TForm20", "TForm21"}));
    EXPECT_EQ(shownList, 1);
    EXPECT_EQ(shownList1, before.lists[1][1].name);
    EXPECT_FALSE(office->isVisible());
    HighscoreTable after;
    ASSERT_TRUE(LoadHighscores(after, ui.session.userDir(), rng));
    EXPECT_EQ(after.lists[1][1], before.lists[1][1]);
}

}  // namespace
}  // namespace qvx::test
