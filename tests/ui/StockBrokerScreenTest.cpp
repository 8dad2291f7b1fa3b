#include <gtest/gtest.h>

#include <QTest>

#include "Client_StockBroker.h"
#include "OfficeView.h"
#include "Shares.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm15;

// A Normal - USA game in its first planning phase, every company at the start price of 50 with
// no premiums, so a block of 100 million shares costs 60 a share and sells at 40.
struct StockBrokerScreenTest : ::testing::Test {
    UiSession ui;
    TForm15 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    int player = 0;
    int rival = 0;

    void SetUp() override {
        ASSERT_TRUE(ui.startGame());
        player = gs.PlayerChannel;
        rival = player == 1 ? 2 : 1;
        for (int c = 1; c <= kChannels; ++c) {
            gs.ChannelAccounts[c][Acc::kSharePrice] = 50;
            gs.ChannelAccounts[c][Acc::kBuyPremium] = 0;
            gs.ChannelAccounts[c][Acc::kSellPremium] = 0;
        }
        screen.prepare();
        screen.show();
    }
    int32_t& money() { return gs.Channel[player][Ch::kMoney]; }
    int32_t& bonds() { return gs.ChannelAccounts[player][Acc::kBonds]; }
    // Sets the player's TV equipment so that its security comes to exactly `security`.
    void setSecurity(int32_t security) {
        int32_t& tv = gs.Channel[player][Ch::kTvEquipment];
        tv += security - Security(gs, player);
        ASSERT_EQ(Security(gs, player), security);
    }
    void click(const char* name) {
        QWidget* w = Child<QWidget>(&screen, name);
        ASSERT_NE(w, nullptr) << name;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    bool enabled(const char* name) { return Child<QWidget>(&screen, name)->isEnabled(); }
    std::vector<bool> buttons() {
        return {enabled("Button1ActiveField"), enabled("Button2ActiveField"),
                enabled("Button3ActiveField"), enabled("Button4ActiveField")};
    }
    int journalCount(JournalKind kind) const {
        int n = 0;
        for (const JournalEntry& e : gs.ActionJournal[player])
            n += e.kind == kind;
        return n;
    }
    std::string text(const char* name) { return TextOf(&screen, name); }
};

TEST_F(StockBrokerScreenTest, FreshGameShowsTheOwnCompanyAndItsFigures) {
    setSecurity(4000);
    money() = 3500;
    screen.redraw();
    EXPECT_EQ(screen.selected(), player);
    EXPECT_EQ(text("MoneyLabel"), "$: 3,500 millions");
    EXPECT_EQ(text("Label36"), "0 million (0%)");
    EXPECT_EQ(text("Label37"), "0 million (0%)");
    EXPECT_EQ(text("Label38"), "1000 million (100%)");
    EXPECT_EQ(text("Label39"), "1000 million shares");
    EXPECT_EQ(text("Label3"), "$ 60");
    EXPECT_EQ(text("Label4"), "$ 40");
    EXPECT_EQ(text("Label42"), "$ 4,000 millions");
    EXPECT_EQ(text("Label1"), "$ 5,000 millions");
    EXPECT_EQ(text("Label45"), "10%");
    // The bonds exceed the security: nothing is available, a quarter of the security trades.
    EXPECT_EQ(text("Label48"), "$ -1,000 millions");
    EXPECT_EQ(text("Label46"), "$ 1,000 millions");
    EXPECT_TRUE(Child(&screen, "Bankrupt_Label")->isHidden());
    const auto* logo = Child<ui::PictureLabel>(&screen, "Image2");
    EXPECT_EQ(logo->pictureName().toStdString(), SmallLogoPicture(gs.Channel[player][Ch::kLogo]));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true, true}));

    // A competitor's bonds are not the player's to trade.
    screen.selectCompany(rival);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(text("CompanyLabel"), gs.ChannelNames[rival]);
}

TEST_F(StockBrokerScreenTest, BuyingABlockAsksThenPaysAndClosesTheMarketForTheTurn) {
    money() = 10000;
    screen.selectCompany(rival);
    const size_t clicks = ui.sounds.played.size();

    // "No" changes nothing and leaves the market open.
    ui.dialogs.answers = {false};
    click("Button1ActiveField");
    EXPECT_EQ(money(), 10000);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false, false}));

    ui.dialogs.answers = {true};
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 2u);
    for (const ShownDialog& d : ui.dialogs.shown) {
        EXPECT_EQ(d.kind, "ask");
        EXPECT_EQ(d.title, "Buy offer");
        EXPECT_EQ(d.text,
                  "\"Okay, I offer you 100 million shares for $ 6,000 millions. Time is money. "
                  "Decide fast. Do you wish to buy or not?\"");
    }
    EXPECT_EQ(ui.sounds.played.size() - clicks, 2u) << "each click of the button plays";
    EXPECT_EQ(money(), 4000);
    EXPECT_EQ(Holding(gs, player, rival), 100);
    EXPECT_EQ(journalCount(JournalKind::BuyShares), 1);
    EXPECT_EQ(text("MoneyLabel"), "$: 4,000 millions");
    EXPECT_EQ(text("Label37"), "100 million (10%)");
    EXPECT_EQ(text("Label38"), "900 million (90%)");

    // One transaction a turn: every button is off, on the own company too, and a handler
    // reached anyway does nothing and says nothing.
    EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(enabled("BlindButton1"));
    screen.sellShares();
    screen.buyShares();
    screen.selectCompany(player);
    EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));
    screen.issueBonds();
    screen.buyBackBonds();
    EXPECT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_EQ(money(), 4000);
    EXPECT_EQ(Holding(gs, player, rival), 100);
    EXPECT_EQ(bonds(), 5000);
}

TEST_F(StockBrokerScreenTest, OwnSharesStopAt49Percent) {
    money() = 100000;
    Holding(gs, player, player) = 450;
    ui.dialogs.answers = {true};
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(), (std::vector<std::string>{"Buy offer"}));
    // (49 - 45) x 1000 / 100 = 40 million shares at $ 60.
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "\"Okay, I offer you 40 million shares for $ 2,400 millions. Time is money. "
              "Decide fast. Do you wish to buy or not?\"");
    EXPECT_EQ(Holding(gs, player, player), 490);
    EXPECT_EQ(text("Label36"), "490 million (49%)");
    EXPECT_EQ(text("Label38"), "510 million (51%)");
}

TEST_F(StockBrokerScreenTest, RefusalsShowOneNotAvailableMessageAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* button;
        const char* text;
    };
    const Case cases[] = {
        {"own treasury at 49%", [&] { Holding(gs, player, player) = 490; }, "Button1ActiveField",
         "There are no shares available."},
        {"rivals hold the float",
         [&] {
             const int third = rival == 2 ? 3 : 2;
             Holding(gs, third, player) = 950;
         },
         "Button1ActiveField", "There are not enough public shares available."},
        {"too little money", [&] { money() = 5999; }, "Button1ActiveField",
         "You do not have enough money."},
        {"nothing to sell", [] {}, "Button2ActiveField", "You do not own any shares to sell."},
        {"no room for bonds", [&] { setSecurity(4000); }, "Button4ActiveField",
         "There are no bonds vailable."},
        {"no bonds to buy back", [&] { bonds() = 0; }, "Button3ActiveField",
         "There are no bonds vailable."},
        {"too little for the bonds",
         [&] {
             setSecurity(4000);
             money() = 999;
         },
         "Button3ActiveField", "You do not have enough money available."},
        {"journal full",
         [&] {
             money() = 100000;
             while (RecordAction(gs, player, JournalKind::BuyNewsSet, 0, 0)) {
             }
         },
         "Button1ActiveField", "You have reached the max. number of actions this turn."},
    };
    // Each case starts from the same game, so earlier cases leave nothing behind.
    const GameState start = gs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gs = start;
        c.arrange();
        const int32_t moneyBefore = money(), bondsBefore = bonds();
        const auto holdings = gs.ChannelAccounts;
        ui.dialogs.shown.clear();
        screen.redraw();
        click(c.button);
        ASSERT_EQ(ui.dialogs.shown.size(), 1u);
        EXPECT_EQ(ui.dialogs.shown[0].kind, "inform");
        EXPECT_EQ(ui.dialogs.shown[0].title, "N/A");
        EXPECT_EQ(ui.dialogs.shown[0].text, c.text);
        EXPECT_EQ(money(), moneyBefore);
        EXPECT_EQ(bonds(), bondsBefore);
        EXPECT_TRUE(gs.ChannelAccounts == holdings);
        EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true, true})) << "still open";
    }
}

TEST_F(StockBrokerScreenTest, SellingABlockPaysTheSellPrice) {
    money() = 1000;
    Holding(gs, player, rival) = 150;
    screen.selectCompany(rival);
    ui.dialogs.answers = {true};
    click("Button2ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(), (std::vector<std::string>{"Sell offer"}));
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "\"I could offer you $ 4,000 millions for 100 million shares. Sorry, but the "
              "market is tight. Do you wish to sell?\"");
    EXPECT_EQ(money(), 5000);
    EXPECT_EQ(Holding(gs, player, rival), 50);
    EXPECT_EQ(journalCount(JournalKind::SellShares), 1);
    EXPECT_EQ(text("Label37"), "50 million (5%)");
}

TEST_F(StockBrokerScreenTest, BondsChangeHandsWithoutAQuestion) {
    // Security 8000: a quarter is 2000, within the 3000 of room above the bonds.
    setSecurity(8000);
    money() = 100;
    screen.redraw();
    EXPECT_EQ(text("Label48"), "$ 3,000 millions");
    EXPECT_EQ(text("Label46"), "$ 2,000 millions");
    click("Button4ActiveField");
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(bonds(), 7000);
    EXPECT_EQ(money(), 2100);
    EXPECT_EQ(journalCount(JournalKind::IssueBonds), 1);
    EXPECT_EQ(text("Label1"), "$ 7,000 millions");
    EXPECT_EQ(text("Label48"), "$ 1,000 millions");
    EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(StockBrokerScreenTest, BuyingBackBondsThroughTheBlindTwin) {
    ui.session.setBlindMode(true);
    setSecurity(4000);
    money() = 1500;
    screen.redraw();
    ASSERT_TRUE(Child(&screen, "BlindButton3")->isVisible());
    EXPECT_EQ(Child(&screen, "BlindButton3")->accessibleName(), "Buy back bonds");
    const int clicks = ui.sounds.Count("click");
    click("BlindButton3");
    EXPECT_EQ(ui.sounds.Count("click"), clicks + 1);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(bonds(), 4000);
    EXPECT_EQ(money(), 500);
    EXPECT_EQ(journalCount(JournalKind::BuyBackBonds), 1);
}

TEST_F(StockBrokerScreenTest, AClosedCompanyShowsZerosAndCannotBeTraded) {
    money() = 100000;
    Holding(gs, player, rival) = 200;
    gs.Channel[rival][Ch::kActive] = 0;
    screen.selectCompany(rival);
    EXPECT_FALSE(Child(&screen, "Bankrupt_Label")->isHidden());
    EXPECT_EQ(text("Bankrupt_Label"), "BANKRUPT");
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Image2")->pictureName().toStdString(),
              GreyLogoPicture(gs.Channel[rival][Ch::kLogo]));
    // The switch greys the closed company's logo too.
    const QByteArray shape = QString("Shape%1").arg(rival).toLatin1();
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, shape.constData())->pictureName().toStdString(),
              GreyLogoPicture(gs.Channel[rival][Ch::kLogo]));
    for (const char* name :
         {"Label36", "Label37", "Label38", "Label39", "Label42", "Label1", "Label48", "Label46"})
        EXPECT_EQ(text(name), "0 millions") << name;
    EXPECT_EQ(text("Label3"), "0");
    EXPECT_EQ(text("Label4"), "0");
    EXPECT_EQ(text("MoneyLabel"), "$: 100,000 millions") << "the player's money still shows";
    EXPECT_EQ(buttons(), (std::vector<bool>{false, false, false, false}));
    screen.buyShares();
    screen.sellShares();
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(Holding(gs, player, rival), 200);
}

TEST_F(StockBrokerScreenTest, AMajorityBuysTheCompetitorOut) {
    money() = 100000;
    Holding(gs, player, rival) = 450;
    screen.selectCompany(rival);
    bool bankruptWhileShown = false;
    ui.dialogs.whenShown = [&] {
        bankruptWhileShown = !Child(&screen, "Bankrupt_Label")->isHidden();
    };
    ui.dialogs.answers = {true};
    click("Button1ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(),
              (std::vector<std::string>{"Buy offer", "You buy out a competitor!"}));
    EXPECT_EQ(ui.dialogs.shown[1].kind, "inform");
    EXPECT_EQ(ui.dialogs.shown[1].text, "You have reached more than 50% of the shares of " +
                                            gs.ChannelNames[rival] +
                                            ". You will take over this company until the end "
                                            "of the day!");
    EXPECT_EQ(gs.Channel[rival][Ch::kActive], 0);
    EXPECT_EQ(Holding(gs, player, rival), 550);
    EXPECT_TRUE(bankruptWhileShown) << "the announcement stands over the redrawn screen";
    EXPECT_EQ(text("Label36"), "0 millions");
}

TEST_F(StockBrokerScreenTest, TheChosenCompanyStaysAndChoosingItAgainDoesNothing) {
    ui.session.setBlindMode(true);
    const int clicks = ui.sounds.Count("click");
    // Choosing the company already shown neither clicks nor changes anything.
    click(QString("Bubble%1").arg(player).toLatin1().constData());
    click(QString("BlindLabel%1").arg(player).toLatin1().constData());
    EXPECT_EQ(ui.sounds.Count("click"), clicks);
    EXPECT_EQ(screen.selected(), player);

    const std::string colours[] = {"Red", "Yellow", "Green", "Blue"};
    const QByteArray name = QString("BlindLabel%1").arg(rival).toLatin1();
    const char* twin = name.constData();
    EXPECT_EQ(text(twin), "Switch to " + colours[rival - 1] + " channel");
    click(twin);
    EXPECT_EQ(ui.sounds.Count("click"), clicks + 1);
    EXPECT_EQ(screen.selected(), rival);
    EXPECT_EQ(text("CompanyLabel"), gs.ChannelNames[rival]);

    // Closed and opened again, the broker still shows the rival.
    screen.hide();
    screen.prepare();
    screen.show();
    EXPECT_EQ(screen.selected(), rival);
    EXPECT_EQ(text("CompanyLabel"), gs.ChannelNames[rival]);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false, false}));
}

// The window is made at start-up, before any game exists; opening it then offers nothing.
TEST(StockBrokerScreenBeforeAGame, OffersNoTrade) {
    UiSession ui;
    TForm15 screen{ui.session, nullptr};
    screen.prepare();
    EXPECT_EQ(screen.selected(), 0);
    for (const char* name :
         {"Button1ActiveField", "Button2ActiveField", "Button3ActiveField", "Button4ActiveField"})
        EXPECT_FALSE(Child<QWidget>(&screen, name)->isEnabled()) << name;
    screen.buyShares();
    screen.issueBonds();
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

}  // namespace
}  // namespace qvx::test
