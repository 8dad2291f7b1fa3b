#include <gtest/gtest.h>

#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "Client_Statistics.h"
#include "Licences.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::PictureLabel;
using ui::TForm17;
using Five = std::array<int32_t, kAudienceGroups>;

// Population label, quote label and face of Kids .. Seniors.
constexpr const char* kPopulationLabels[] = {"Label55", "Label43", "Label58", "Label56", "Label59"};
constexpr const char* kQuoteLabels[] = {"Label75", "Label65", "Label66", "Label57", "Label60"};
constexpr const char* kFaces[] = {"Face1", "Face2", "Face3", "Face4", "Face5"};
constexpr const char* kZero = "$ 0 millions";

std::string WithName(std::string text, const std::string& name) {
    const std::string mark = "<channel>";
    for (size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + name.size()))
        text.replace(at, mark.size(), name);
    return text;
}

// A Normal - USA game in its first planning phase, the screen on its first page.
struct StatisticsTest : ::testing::Test {
    UiSession ui;
    TForm17 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    int player = 0;
    int rival = 0;
    std::vector<int> mapRegions;

    void SetUp() override {
        ASSERT_TRUE(ui.startGame());
        player = gs.PlayerChannel;
        rival = player == 1 ? 2 : 1;
        for (int r = 1; r <= kRegions; ++r)
            if (RegionExists(gs, r)) mapRegions.push_back(r);
        ASSERT_GE(mapRegions.size(), 2u);
        screen.prepare();
        screen.show();
    }
    // Company c holds the licences of the first map regions only, with these popularities.
    void holdOnly(int c, const std::vector<Five>& popularities) {
        for (int r = 1; r <= kRegions; ++r)
            gs.Licences[r][c] = 0;
        for (size_t i = 0; i < popularities.size(); ++i) {
            const int r = mapRegions[i];
            gs.Licences[r][c] = 1;
            for (int g = 0; g < kAudienceGroups; ++g)
                gs.Popularity[r][c][Pop::kGroupFirst + g] = popularities[i][static_cast<size_t>(g)];
        }
    }
    void click(const char* name) {
        QWidget* w = Child<QWidget>(&screen, name);
        ASSERT_NE(w, nullptr) << name;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    // Shows company c on the audience page, from whichever company and page was open.
    void showAudience(int c) {
        screen.selectCompany(c);
        screen.choosePage(2);
        screen.redraw();
    }
    std::string text(const char* name) { return TextOf(&screen, name); }
    std::string face(int group) {
        return Child<PictureLabel>(&screen, kFaces[group - 1])->pictureName().toStdString();
    }
    bool visible(const char* name) { return Child<QWidget>(&screen, name)->isVisible(); }
};

struct VoiceCase {
    int company;
    int group;
    int32_t popularity;
    const char* quote;
    const char* face;
};

// Band edges, and the tables where the company shown changes the words.
TEST_F(StatisticsTest, QuoteAndFaceFollowGroupBandAndCompany) {
    const VoiceCase cases[] = {
        {1, 1, 30,
         "Sometimes <channel> has a bad programme. I would love more and better cartoon movies.",
         "QVX2_faces_girl_05.jpg"},
        {1, 1, 31, "<channel>? Yes, sometimes I like watching them.", "QVX2_faces_girl_04.jpg"},
        {2, 1, 89, "<channel> is the best! I have their posters everywhere in my room!",
         "QVX2_faces_girl_02.jpg"},
        {2, 1, 90, "I absolutely love <channel>! It\u00b4s the best channel ever!",
         "QVX2_faces_girl_01.jpg"},
        // Teens split at 90/91 but the face turns delighted at 90.
        {1, 2, 90, "You rarely come across a TV channel like <channel>!",
         "QVX2_faces_teenager_01.jpg"},
        {1, 2, 91, "Oh my god! You are from <channel>, aren\u00b4t you? Can I get an autograph?",
         "QVX2_faces_teenager_01.jpg"},
        {1, 2, 5, "<channel>is just %&$\u00a7% man!", "QVX2_faces_teenager_06.jpg"},
        {2, 2, 5, "The guys at <channel> suck. Why don\u00b4t you &%$\u00a7% off now?",
         "QVX2_faces_teenager_06.jpg"},
        {3, 3, 11, "I cannot remember when we last talked about<channel>.",
         "QVX2_faces_mom_05.jpg"},
        {4, 3, 60, "In general, I\u00b4d recomment<channel>.", "QVX2_faces_mom_03.jpg"},
        {4, 4, 50, "The more I watch <channel> the better it becomes.", "QVX2_faces_father_04.jpg"},
        {2, 4, 71, "I can recommended <channel> to everyone! Great show!",
         "QVX2_faces_father_02.jpg"},
        {3, 5, 10, "When I was young, <channel> would have been whipped for such a programme.",
         "QVX2_faces_grandma_06.jpg"},
        {1, 5, 100,
         "Today I called my lawyer to change my will. I want to give everything I have to "
         "<channel>.",
         "QVX2_faces_grandma_01.jpg"},
    };
    for (const VoiceCase& v : cases) {
        SCOPED_TRACE(testing::Message()
                     << "company " << v.company << " group " << v.group << " at " << v.popularity);
        Five popularity{};
        popularity[static_cast<size_t>(v.group - 1)] = v.popularity;
        holdOnly(v.company, {popularity});
        showAudience(v.company);
        EXPECT_EQ(text(kQuoteLabels[v.group - 1]), WithName(v.quote, gs.ChannelNames[v.company]));
        EXPECT_EQ(face(v.group), v.face);
    }
}

// 89 and 90 average to 89.5, which the screen truncates: the Kids' 81..89 words, not 90's.
TEST_F(StatisticsTest, AverageOverTheLicensedRegionsIsTruncated) {
    holdOnly(player, {{89, 0, 0, 0, 0}, {90, 0, 0, 0, 0}});
    showAudience(player);
    EXPECT_EQ(face(1), "QVX2_faces_girl_02.jpg");
    const int32_t kids =
        gs.Regions[mapRegions[0]][Reg::kPopulation] + gs.Regions[mapRegions[1]][Reg::kPopulation];
    EXPECT_EQ(text("Label55"), std::to_string(kids) + " million children");
    EXPECT_EQ(text("Label75"), gs.ChannelNames[player] +
                                   " is the best! I have their posters everywhere in my room!");
}

TEST_F(StatisticsTest, WithoutLicencesNobodyIsCountedAndEveryoneIsAppalled) {
    holdOnly(3, {});
    showAudience(3);
    const char* populations[] = {"0 million children", "0 million teenager", "0 million women",
                                 "0 million men", "0 million seniors"};
    const char* quotes[] = {
        "In my school, everyone who watches <channel> is a loser.",
        "Everyone I know that watches <channel> is a real loser and nerd.",
        "Why is nobody stopping <channel>? They are ridiculous.",
        "Someone should unplug <channel>.",
        "When I was young, <channel> would have been whipped for such a programme."};
    for (int g = 1; g <= kAudienceGroups; ++g) {
        EXPECT_EQ(text(kPopulationLabels[g - 1]), populations[g - 1]);
        EXPECT_EQ(text(kQuoteLabels[g - 1]), WithName(quotes[g - 1], gs.ChannelNames[3]));
        EXPECT_EQ(face(g).substr(face(g).size() - 7), "_06.jpg");
    }
    EXPECT_EQ(text("Label12"), "0");
}

TEST_F(StatisticsTest, HeaderShowsFundsAndLicences) {
    gs.Channel[player][Ch::kMoney] = 1234567;
    holdOnly(player, {Five{}, Five{}});
    screen.redraw();
    EXPECT_EQ(text("Label7"), gs.ChannelNames[player]);
    EXPECT_EQ(text("Label10"), "$ 1,234,567 millions");
    EXPECT_EQ(text("Label12"), "2");
    EXPECT_FALSE(visible("Bankrupt_Label"));
}

// The first turn has no last month: every line and the net revenue read 0, whatever the bonds
// and the stations would cost. From the second turn the lines are the month's, in their order.
TEST_F(StatisticsTest, IncomeStatementInTheFirstTurnAndAfter) {
    ASSERT_EQ(gs.GameInfo[Info::kTurn], 1);
    Record& acc = gs.ChannelAccounts[player];
    acc[Acc::kBonds] = 5000;
    acc[Acc::kBondInterestRate] = 10;
    holdOnly(player, {Five{}});
    gs.Regions[mapRegions[0]][Reg::kRegionMonthlyCost] = 75;
    click("Panel2");
    for (int line = 1; line <= 8; ++line)
        EXPECT_EQ(text(("IS_Text" + std::to_string(line)).c_str()), kZero) << line;

    gs.GameInfo[Info::kTurn] = 2;
    acc[Acc::kAdIncome] = 2000;
    acc[Acc::kShareSaleIncome] = 10;
    acc[Acc::kLicenceCost] = 20;
    acc[Acc::kMovieCost] = 30;
    acc[Acc::kSharePurchaseCost] = 40;
    screen.redraw();
    const char* expected[] = {"$ 2,000 millions", "$ 10 millions",   "$ 41 millions",
                              "$ 20 millions",    "$ 75 millions",   "$ 30 millions",
                              "$ 40 millions",    "$ 1,804 millions"};
    for (int line = 1; line <= 8; ++line)
        EXPECT_EQ(text(("IS_Text" + std::to_string(line)).c_str()), expected[line - 1]) << line;
}

TEST_F(StatisticsTest, BankruptCompanyShowsGreyLogoAndZeros) {
    gs.Channel[rival][Ch::kActive] = 0;
    gs.Channel[rival][Ch::kLogo] = 7;
    gs.GameInfo[Info::kTurn] = 4;
    gs.ChannelAccounts[rival][Acc::kAdIncome] = 900;
    screen.selectCompany(rival);
    EXPECT_TRUE(visible("Bankrupt_Label"));
    EXPECT_EQ(text("Bankrupt_Label"), "BANKRUPT");
    EXPECT_EQ(Child<PictureLabel>(&screen, "Image1")->pictureName(), "QVX2_complogo7_sm_g.jpg");
    for (int line = 1; line <= 9; ++line)
        EXPECT_EQ(text(("BS_Text" + std::to_string(line)).c_str()), kZero) << line;
    click("Panel2");
    for (int line = 1; line <= 8; ++line)
        EXPECT_EQ(text(("IS_Text" + std::to_string(line)).c_str()), kZero) << line;

    screen.selectCompany(player);
    EXPECT_FALSE(visible("Bankrupt_Label"));
    EXPECT_EQ(Child<PictureLabel>(&screen, "Image1")->pictureName().toStdString(),
              "QVX2_complogo" + std::to_string(gs.Channel[player][Ch::kLogo]) + "_sm.jpg");
}

TEST_F(StatisticsTest, SwitchRedrawsHeaderAndTheOpenPage) {
    ui.session.setBlindMode(true);
    gs.GameInfo[Info::kTurn] = 3;
    gs.ChannelAccounts[rival][Acc::kAdIncome] = 777;
    click("Panel2");
    EXPECT_TRUE(visible("IncomePage"));
    EXPECT_FALSE(visible("BalancePage"));
    ui.sounds.played.clear();
    click(("BlindLabel" + std::to_string(rival)).c_str());
    EXPECT_EQ(screen.selected(), rival);
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    EXPECT_EQ(text("Label7"), gs.ChannelNames[rival]);
    EXPECT_EQ(text("IS_Text1"), "$ 777 millions");
    EXPECT_TRUE(visible("IncomePage"));
    // The same company again is no switch: nothing redrawn, no click.
    gs.ChannelAccounts[rival][Acc::kAdIncome] = 5;
    screen.selectCompany(rival);
    EXPECT_EQ(text("IS_Text1"), "$ 777 millions");
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

TEST_F(StatisticsTest, ChoosingTheOpenPageAgainDoesNothing) {
    ui.session.setBlindMode(true);
    EXPECT_EQ(screen.openPage(), 0);
    EXPECT_TRUE(visible("BalancePage"));
    gs.Channel[player][Ch::kMoney] = 4321;
    ui.sounds.played.clear();
    click("Panel1Lit");
    click("BlindPanel1");
    EXPECT_EQ(ui.sounds.Count("click"), 0);
    EXPECT_NE(text("BS_Text1"), "$ 4,321 millions");

    // Another page is drawn as it opens, each with a click; the twin opens it too.
    ASSERT_TRUE(visible("BlindPanel3"));
    EXPECT_EQ(Child(&screen, "BlindPanel3")->accessibleName(), "Audience popularity");
    click("BlindPanel3");
    EXPECT_EQ(screen.openPage(), 2);
    EXPECT_TRUE(visible("AudiencePage"));
    EXPECT_FALSE(visible("BalancePage"));
    click("Panel1");
    EXPECT_EQ(text("BS_Text1"), "$ 4,321 millions");
    EXPECT_EQ(ui.sounds.Count("click"), 2);
}

TEST_F(StatisticsTest, BackClosesTheScreen) {
    ASSERT_TRUE(screen.isVisible());
    click("Button1ActiveField");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

}  // namespace
}  // namespace qvx::test
