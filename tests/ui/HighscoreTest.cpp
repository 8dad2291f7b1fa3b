// The highscore screen: stepping through the thirty lists, the reset question, files that are
// missing or cut short, and a finished game's result shown where it entered.
#include <QTest>
#include <fstream>

#include "Client_Highscore.h"
#include "DayClose.h"
#include "Formatting.h"
#include "Highscores.h"
#include "ResultsView.h"
#include "Scenarios.h"
#include "Shares.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm21;

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry different, so that a row drawn from the wrong place shows.
HighscoreTable Numbered() {
    HighscoreTable t;
    for (int list = 1; list <= kHighscoreLists; ++list)
        for (int i = 1; i <= kHighscoreEntries; ++i)
            t.lists[list][i] = {list * 1000 - i * 10,
                                "L" + std::to_string(list) + "E" + std::to_string(i), i % 8 + 1};
    return t;
}

struct HighscoreTest : ::testing::Test {
    UiSession ui;
    TForm21 screen{ui.session, nullptr};
    std::filesystem::path intFile = ui.session.userDir() / kHighscoresIntFile;
    std::filesystem::path strFile = ui.session.userDir() / kHighscoresStrFile;

    void Keep(const HighscoreTable& t) { ASSERT_TRUE(SaveHighscores(t, ui.session.userDir())); }
    void Click(const char* name) {
        QTest::mouseClick(Child<QWidget>(&screen, name), Qt::LeftButton);
    }
};

TEST_F(HighscoreTest, ListsWrapBothWaysAndTheTwinsStepAlike) {
    Keep(Numbered());
    ui.session.setBlindMode(true);
    screen.prepareAt(30);
    screen.show();
    EXPECT_EQ(TextOf(&screen, "Label1"), ScenarioTitle(30));
    EXPECT_EQ(TextOf(&screen, "ScoreLabel1"), "L30E1");
    Click("Button2ActiveField");  // ">>"
    EXPECT_EQ(screen.list(), 1);
    EXPECT_EQ(TextOf(&screen, "Label1"), ScenarioTitle(1));
    EXPECT_EQ(TextOf(&screen, "Label6"), ScenarioDescription(1));
    EXPECT_EQ(TextOf(&screen, "ScoreLabel10"), "L1E10");
    EXPECT_EQ(TextOf(&screen, "Score10"), "$ 900 millions");
    Click("BlindButton1");  // "Previous list"
    EXPECT_EQ(screen.list(), 30);
    EXPECT_EQ(TextOf(&screen, "ScoreLabel3"), "L30E3");
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "ScorePic3")->pictureName(),
              "QVX2_complogo4_sm.jpg");
    EXPECT_EQ(ui.sounds.Count("click"), 2);
    EXPECT_TRUE(ui.dialogs.shown.empty());

    // Opened again, the screen starts with the list last shown.
    screen.prepare();
    EXPECT_EQ(screen.list(), 30);
    EXPECT_EQ(TextOf(&screen, "BlindButton2"), "Next list");
}

TEST_F(HighscoreTest, ResetAsksAndOnlyYesReplacesTheListsOnDisk) {
    Keep(Numbered());
    const std::string before = Bytes(intFile) + Bytes(strFile);
    screen.prepareAt(4);

    ui.dialogs.answers = {false};
    Click("Button3ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, "Reset highscores?");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to reset the highscore list? All previous scores of you will be "
              "lost forever!");
    EXPECT_EQ(Bytes(intFile) + Bytes(strFile), before);
    EXPECT_EQ(TextOf(&screen, "ScoreLabel1"), "L4E1");

    ui.dialogs.answers = {true};
    Click("Button3ActiveField");
    EXPECT_EQ(ui.dialogs.Titles(),
              (std::vector<std::string>{"Reset highscores?", "Reset highscores?"}));
    EXPECT_NE(Bytes(intFile) + Bytes(strFile), before);
    // What is drawn is what is now on disk, on the same list.
    HighscoreTable onDisk;
    Rng rng(3);
    ASSERT_TRUE(LoadHighscores(onDisk, ui.session.userDir(), rng));
    EXPECT_EQ(screen.list(), 4);
    for (int i = 1; i <= kHighscoreEntries; ++i) {
        const std::string row = std::to_string(i);
        EXPECT_EQ(TextOf(&screen, ("ScoreLabel" + row).c_str()), onDisk.lists[4][i].name);
        EXPECT_EQ(TextOf(&screen, ("Score" + row).c_str()),
                  "$ " + FormatAmount(onDisk.lists[4][i].score) + " millions");
        EXPECT_FALSE(onDisk.lists[4][i].name.empty());
    }
}

TEST_F(HighscoreTest, MissingOrShortFilesAreReplacedWithoutAWord) {
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing" : "short");
        Keep(Numbered());
        if (missing) {
            std::filesystem::remove(intFile);
        } else {
            std::filesystem::resize_file(strFile, 1000);
        }
        ui.dialogs.shown.clear();
        screen.prepareAt(1);
        EXPECT_TRUE(ui.dialogs.shown.empty());
        EXPECT_EQ(std::filesystem::file_size(intFile), 2400u);
        EXPECT_EQ(std::filesystem::file_size(strFile), 76800u);
        for (int i = 1; i <= kHighscoreEntries; ++i)
            EXPECT_FALSE(TextOf(&screen, ("ScoreLabel" + std::to_string(i)).c_str()).empty());
        EXPECT_NE(TextOf(&screen, "ScoreLabel1"), "L1E1");
    }
}

// A finished game whose winning value equals entry 5 enters at place 5, and the screen opened
// at list 1 shows it there with the old entry 5 one place lower.
TEST_F(HighscoreTest, AWinEqualToEntryFiveIsShownAtPlaceFive) {
    ASSERT_TRUE(ui.startGame());
    GameState& gs = ui.session.game();
    const int player = gs.PlayerChannel;
    gs.Channel[player][Ch::kMoney] += 5'000'000;
    gs.GameInfo[Info::kGameOver] = 1;
    const int32_t value = CompanyValue(gs, ui.session.catalogue(), player, ValueVariant::Full);

    HighscoreTable t = Numbered();
    for (int i = 1; i <= kHighscoreEntries; ++i)
        t.lists[1][i].score = value + (5 - i) * 100;
    Keep(t);

    const FinalResult final = FinalRanking(gs, ui.session.catalogue());
    ASSERT_EQ(final.places.winner, player);
    ASSERT_TRUE(final.hasCandidate);
    ASSERT_EQ(final.candidate.score, value);
    ASSERT_TRUE(EnterFinalResult(final, ui.session.userDir(), ui.session.rng()));

    screen.prepareAt(1);
    EXPECT_EQ(TextOf(&screen, "ScoreLabel4"), "L1E4");
    EXPECT_EQ(TextOf(&screen, "ScoreLabel5"), "Night Owl TV");
    EXPECT_EQ(TextOf(&screen, "Score5"), "$ " + FormatAmount(value) + " millions");
    EXPECT_EQ(TextOf(&screen, "ScoreLabel6"), "L1E5");
    EXPECT_EQ(TextOf(&screen, "Score6"), "$ " + FormatAmount(value) + " millions");
    EXPECT_EQ(TextOf(&screen, "ScoreLabel10"), "L1E9");
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "ScorePic5")->pictureName(),
              QString("QVX2_complogo%1_sm.jpg").arg(gs.Channel[player][Ch::kLogo]));
}

}  // namespace
}  // namespace qvx::test
