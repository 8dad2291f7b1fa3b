#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "Client_Summary.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm12;

void Click(QWidget* screen, const char* name) {
    QWidget* target = Child<QWidget>(screen, name);
    ASSERT_NE(target, nullptr) << name;
    QTest::mouseClick(target, Qt::LeftButton);
}

// A Normal - USA game in its fifth turn: the summary reports day 4. The player is Red.
struct SummaryTest : ::testing::Test {
    UiSession ui;
    TForm12 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();

    void SetUp() override {
        ASSERT_TRUE(ui.startGame());
        gs.GameInfo[Info::kTurn] = 5;
        for (int c = 1; c <= kChannels; ++c)
            for (int line = 1; line <= 12; ++line)
                gs.GameLog[c][line] =
                    "* Line " + std::to_string(line) + " of " + gs.ChannelNames[c];
        screen.show();
    }
    std::string memo() {
        return Child<QPlainTextEdit>(&screen, "Memo1")->toPlainText().toStdString();
    }
    bool logsEmpty() const {
        for (int c = 1; c <= kChannels; ++c)
            for (int line = 1; line <= kLogLines; ++line)
                if (!gs.GameLog[c][line].empty()) return false;
        return true;
    }
};

TEST_F(SummaryTest, FundsAndNetRevenueOfACompanyWithKnownFigures) {
    // Yellow holds Midwest (East), station cost 45. Interest: 999 * 7 / 1200 = 5 (not 999 * 0).
    Record& acc = gs.ChannelAccounts[2];
    acc[Acc::kAdIncome] = 1500;
    acc[Acc::kShareSaleIncome] = 100;
    acc[Acc::kBonds] = 999;
    acc[Acc::kBondInterestRate] = 7;
    acc[Acc::kLicenceCost] = 50;
    acc[Acc::kMovieCost] = 200;
    acc[Acc::kSharePurchaseCost] = 30;
    gs.Channel[2][Ch::kMoney] = 1234567;
    screen.redraw(2);
    EXPECT_EQ(TextOf(&screen, "Label18"), "Summary - Day 4/120");
    EXPECT_EQ(TextOf(&screen, "Label22"), "Fruit TV - Info");
    EXPECT_EQ(TextOf(&screen, "Label7"), "Fruit TV - Game log");
    EXPECT_EQ(TextOf(&screen, "Label24"), "$ 1,234,567 millions");
    EXPECT_EQ(TextOf(&screen, "Label26"), "$ 1,270 millions");
    EXPECT_FALSE(Child(&screen, "Bankrupt_Label")->isVisible());
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image1")->pictureName(), "QVX2_complogo6_md.jpg");
}

TEST_F(SummaryTest, BankruptCompanyShowsItsGreyLogoAndOneLine) {
    gs.Channel[4][Ch::kActive] = 0;
    gs.Channel[4][Ch::kMoney] = 900;
    screen.redraw(4);
    EXPECT_TRUE(Child(&screen, "Bankrupt_Label")->isVisible());
    EXPECT_EQ(TextOf(&screen, "Bankrupt_Label"), "BANKRUPT");
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image1")->pictureName(), "QVX2_complogo8_md_g.jpg");
    EXPECT_EQ(TextOf(&screen, "Label24"), "$ 0 millions");
    EXPECT_EQ(TextOf(&screen, "Label26"), "$ 0 millions");
    EXPECT_EQ(memo(), "This company is bankrupt.");

    // The next company drawn is not bankrupt: nothing of the last one stays.
    Click(&screen, "Bubble1");
    EXPECT_FALSE(Child(&screen, "Bankrupt_Label")->isVisible());
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image1")->pictureName(), "QVX2_complogo1_md.jpg");
}

TEST_F(SummaryTest, CompanySwitchShowsAnotherCompanysLogWithoutItsFreeLines) {
    gs.GameLog[3][4] = " ";
    gs.GameLog[3][7] = "";
    gs.GameLog[3][20] =
        "The mob disables your competitor Banana TV for this and the upcoming turn.";
    screen.redraw(1);
    EXPECT_EQ(memo().rfind("* Line 1 of Night Owl TV\n* Line 2 of Night Owl TV\n", 0), 0u);

    Click(&screen, "Bubble3");
    EXPECT_EQ(screen.company(), 3);
    EXPECT_EQ(TextOf(&screen, "Label7"), "Green TV - Game log");
    const std::string expected =
        "* Line 1 of Green TV\n* Line 2 of Green TV\n* Line 3 of Green TV\n"
        "* Line 5 of Green TV\n* Line 6 of Green TV\n* Line 8 of Green TV\n"
        "* Line 9 of Green TV\n* Line 10 of Green TV\n* Line 11 of Green TV\n"
        "* Line 12 of Green TV\n"
        "The mob disables your competitor Banana TV for this and the upcoming turn.";
    EXPECT_EQ(memo(), expected);
    EXPECT_TRUE(Child<QPlainTextEdit>(&screen, "Memo1")->isReadOnly());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

TEST_F(SummaryTest, BlindSwitchTextsPickTheirCompany) {
    ui.session.setBlindMode(true);
    const char* names[] = {"BlindBubble1", "BlindBubble2", "BlindBubble3", "BlindBubble4"};
    const char* texts[] = {"Switch to Red channel", "Switch to Yellow channel",
                           "Switch to Green channel", "Switch to Blue channel"};
    for (int c = 4; c >= 1; --c) {
        EXPECT_EQ(TextOf(&screen, names[c - 1]), texts[c - 1]);
        Click(&screen, names[c - 1]);
        EXPECT_EQ(screen.company(), c);
    }
}

TEST_F(SummaryTest, TabsShowOnePanelAtATime) {
    screen.showInfo();
    Click(&screen, "Image3");
    EXPECT_FALSE(screen.infoShown());
    EXPECT_TRUE(Child<QWidget>(&screen, "Panel2")->isVisible());
    EXPECT_FALSE(Child<QWidget>(&screen, "Panel1")->isVisible());
    EXPECT_TRUE(Child<QWidget>(&screen, "Image9")->isVisible());
    Click(&screen, "Image2");
    EXPECT_TRUE(screen.infoShown());
    EXPECT_TRUE(Child<QWidget>(&screen, "Panel1")->isVisible());
    EXPECT_TRUE(Child<QWidget>(&screen, "Image8")->isVisible());
    EXPECT_FALSE(Child<QWidget>(&screen, "Image9")->isVisible());
}

// Every way of closing the summary empties the four logs.
struct CloseTest : SummaryTest, ::testing::WithParamInterface<const char*> {};

TEST_P(CloseTest, ClosingClearsEveryCompanysLog) {
    gs.GameLog[2][kLogLines] = "the last line";
    screen.redraw(1);
    const std::string how = GetParam();
    if (how == "close") {
        screen.close();
    } else {
        if (how == "BlindButton1") ui.session.setBlindMode(true);
        Click(&screen, GetParam());
    }
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(logsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseTest,
                         ::testing::Values("Button1ActiveField", "BlindButton1", "close"));

TEST_F(SummaryTest, ShowForOpensOnTheCompanysInfoAndClearsTheLogsWhenClosed) {
    screen.hide();
    screen.redraw(3);
    screen.showGameLog();
    bool sawInfo = false;
    int sawCompany = 0;
    QTimer::singleShot(0, &screen, [&] {
        sawInfo = screen.infoShown();
        sawCompany = screen.company();
        EXPECT_FALSE(logsEmpty());
        QTest::mouseClick(Child<QWidget>(&screen, "Button1ActiveField"), Qt::LeftButton);
    });
    screen.showFor(1);
    EXPECT_TRUE(sawInfo);
    EXPECT_EQ(sawCompany, 1);
    EXPECT_TRUE(logsEmpty());
}

}  // namespace
}  // namespace qvx::test
