#include <gtest/gtest.h>

#include <QTest>

#include "Client_MixNews.h"
#include "DragDrop.h"
#include "NewsAgency.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm13;

// A Normal - USA game in its first planning phase, Red is the player, both sets on offer.
struct MixNewsTest : ::testing::Test {
    UiSession ui;
    TForm13 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    int player = 0;

    void SetUp() override {
        ASSERT_TRUE(ui.startGame());
        player = gs.PlayerChannel;
        ASSERT_NE(gs.NewsOffersA[player][1], 0);
        ASSERT_NE(gs.NewsOffersB[player][1], 0);
        screen.prepare();
        screen.show();
    }
    QWidget* offer(int o) {
        return Child<QWidget>(&screen, QString("NewsSlotDragRec%1").arg(o).toLatin1());
    }
    QWidget* show(int p) {
        return Child<QWidget>(&screen, QString("SelNewsDragRec%1_BehindPanel").arg(p).toLatin1());
    }
    int32_t article(int o) const { return gs.NewsOffersA[player][o]; }
    const Table<int32_t, kNewsShowPositions>& newsShow() const { return gs.NewsShow[player]; }
    void click(const char* name) {
        QTest::mouseClick(Child<QWidget>(&screen, name), Qt::LeftButton);
    }
    void fillJournal() {
        while (RecordAction(gs, player, JournalKind::BuyNewsSet, 0, 0)) {
        }
    }
};

TEST_F(MixNewsTest, DraggingAnArticleAlreadyInTheShowMovesItThere) {
    ASSERT_TRUE(Drop(offer(2), show(1)));
    EXPECT_EQ(newsShow()[1], article(2));
    EXPECT_EQ(TextOf(&screen, "SelNewsTopic_1"), TextOf(&screen, "NewsSlotTopic2"));
    EXPECT_FALSE(Child<QWidget>(&screen, "NewsSlotChosen2")->isHidden());
    EXPECT_TRUE(Child<QWidget>(&screen, "NewsSlotChosen1")->isHidden());

    // Dropped on the filled position's own card, not on the place behind it.
    ASSERT_TRUE(Drop(offer(2), Child<QWidget>(&screen, "SelNewsText_1")));
    EXPECT_EQ(newsShow()[1], article(2));
    ASSERT_TRUE(Drop(offer(2), show(3)));
    EXPECT_EQ(newsShow()[1], 0);
    EXPECT_EQ(newsShow()[3], article(2));
    EXPECT_TRUE(Child<QWidget>(&screen, "SelNewsPanel1")->isHidden());
    EXPECT_FALSE(Child<QWidget>(&screen, "SelNewsPanel3")->isHidden());
    EXPECT_EQ(ui.sounds.Count("click"), 3);
}

TEST_F(MixNewsTest, LettingAnArticleGoAwayFromTheShowTakesItOut) {
    ASSERT_TRUE(Drop(offer(1), show(1)));
    ASSERT_TRUE(Drop(offer(4), show(2)));
    // On the offer list (the screen behind it) ...
    ASSERT_TRUE(Drop(offer(1), &screen));
    EXPECT_EQ(newsShow()[1], 0);
    // ... or nowhere at all.
    ui::FindDragSource(offer(4))->droppedNowhere();
    EXPECT_EQ(newsShow()[2], 0);
    EXPECT_NE(article(1), 0) << "the articles stay on offer";
}

TEST_F(MixNewsTest, EmptyShowPositionsReadOutOnlyInBlindMode) {
    EXPECT_TRUE(Child<QWidget>(&screen, "SelNewsPanel1")->isHidden());
    ui.session.setBlindMode(true);
    screen.redraw();
    EXPECT_FALSE(Child<QWidget>(&screen, "SelNewsPanel1")->isHidden());
    EXPECT_EQ(TextOf(&screen, "SelNewsTopic_1"), "Empty slot");
    EXPECT_EQ(TextOf(&screen, "SelNewsText_1"),
              "(To fill your news programme, drag & drop news from the list at the right)");
}

TEST_F(MixNewsTest, TheSecondSetIsBoughtOnceWithExactlyTheMoneyItCosts) {
    gs.Channel[player][Ch::kMoney] = kNewsSetPrice;
    const int32_t second = gs.NewsOffersB[player][1];
    ASSERT_TRUE(Drop(offer(3), show(2)));
    const int32_t chosen = newsShow()[2];
    ui.dialogs.answers = {true};
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Purchase new set?");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to purchase a new set of news articles for $ 50 millions?");
    EXPECT_EQ(ui.dialogs.shown[1].title, "New set purchased");
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], 0);
    EXPECT_EQ(TextOf(&screen, "MoneyLabel"), "$ 0 millions");
    EXPECT_EQ(article(1), second);
    EXPECT_EQ(newsShow()[2], chosen) << "the show keeps what it had";

    // The blind twin asks the same, and there is nothing left to buy.
    ui.dialogs.shown.clear();
    gs.Channel[player][Ch::kMoney] = 500;
    QTest::mouseClick(Child<QWidget>(&screen, "BlindButton4"), Qt::LeftButton);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "There are no new articles available. Please check back tomorrow (next turn).");
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], 500);
}

TEST_F(MixNewsTest, RefusalsBeforeAndAfterTheQuestionChangeNothing) {
    const auto offersBefore = gs.NewsOffersA[player];
    gs.Channel[player][Ch::kMoney] = kNewsSetPrice - 1;
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 1u) << "money is tested before the question";
    EXPECT_EQ(ui.dialogs.shown[0].text, "You do not have enough money.");

    ui.dialogs.shown.clear();
    gs.Channel[player][Ch::kMoney] = 1000;
    ui.dialogs.answers = {false};
    click("Button1ActiveField");
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);

    ui.dialogs.shown.clear();
    fillJournal();
    ui.dialogs.answers = {true};
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_EQ(ui.dialogs.shown[1].title, "N/A");
    EXPECT_EQ(ui.dialogs.shown[1].text, "You have reached the max. number of actions this turn.");
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], 1000);
    EXPECT_EQ(gs.NewsOffersA[player], offersBefore);
}

TEST_F(MixNewsTest, CloseAndItsTwinCloseTheScreen) {
    int steps = 0;
    ui.session.leaveTutorialStep = [&](int step) { steps = steps * 100 + step; };
    ASSERT_TRUE(Drop(offer(1), show(1)));
    QTest::mouseClick(Child<QWidget>(&screen, "BlindButton5"), Qt::LeftButton);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(steps, 1213) << "the selection's step, then the close's";
}

}  // namespace
}  // namespace qvx::test
