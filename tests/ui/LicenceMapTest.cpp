#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

#include "Boosters.h"
#include "Client_RegionalLicenses.h"
#include "Licences.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm16;

// A Normal - USA game in its first planning phase with the licence table cleared, so that each
// test says who holds what.
struct LicenceMapTest : ::testing::Test {
    UiSession ui;
    TForm16 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    int player = 0;

    void SetUp() override {
        ASSERT_TRUE(ui.startGame());
        player = gs.PlayerChannel;
        // No card of the generated deck may change a price unless a test puts it there.
        ClearDeck(ui.session.settings().Deck);
        ASSERT_EQ(gs.Channel[player][Ch::kHuman], 1);
        for (int r = 1; r <= kRegions; ++r)
            for (int c = 1; c <= kChannels; ++c)
                gs.Licences[r][c] = 0;
        screen.prepare();
        screen.show();
    }
    QWidget* widget(const QString& name) {
        QWidget* w = screen.findChild<QWidget*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    ui::PictureLabel* marker(int r) {
        return static_cast<ui::PictureLabel*>(widget(QString("Region%1").arg(r)));
    }
    QWidget* flag(int r, int k) { return widget(QString("Region%1_Flag%2").arg(r).arg(k)); }
    std::string line(int r) {
        return TextOf(&screen, QString("BlindLabel%1").arg(r + 1).toLatin1());
    }
    void click(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    int32_t& money() { return gs.Channel[player][Ch::kMoney]; }
    JournalEntry lastAction() const {
        JournalEntry last;
        for (int i = 1; i <= kJournalEntries; ++i)
            if (gs.ActionJournal[player][i].kind != JournalKind::Free)
                last = gs.ActionJournal[player][i];
        return last;
    }
    void fillJournal() {
        while (RecordAction(gs, player, JournalKind::BuyNewsSet, 0, 0)) {
        }
    }
};

TEST_F(LicenceMapTest, LinesNameEveryHolderInColourOrderAndMissingRegionsSaySo) {
    gs.Licences[2][4] = 1;
    gs.Licences[2][1] = 1;
    gs.Regions[9][Reg::kExists] = 0;
    gs.Licences[9][2] = 1;
    screen.redraw();
    EXPECT_EQ(line(2), "East Coast, 50 million people, Licensed by: Red Blue ");
    EXPECT_EQ(line(1), "New England, 20 million people, Licensed by: None");
    EXPECT_EQ(line(9), "Not available on this map.");
    EXPECT_EQ(TextOf(&screen, "BlindLabel1"), "Territories in this country:");
    // A sighted player hovering a marker reads the same line.
    EXPECT_EQ(marker(2)->accessibleName().toStdString(), line(2));
    EXPECT_TRUE(marker(9)->isHidden());
    for (int k = 1; k <= kChannels; ++k)
        EXPECT_TRUE(flag(9, k)->isHidden()) << k;
}

TEST_F(LicenceMapTest, FlagsStandAroundTheMarkerForHoldersStillInBusiness) {
    gs.Licences[3][1] = 1;
    gs.Licences[3][2] = 1;
    gs.Licences[3][3] = 1;
    gs.Channel[2][Ch::kActive] = 0;  // Yellow is bankrupt, its licence stays in the table
    screen.redraw();
    const int x = gs.Regions[3][Reg::kMarkerX], y = gs.Regions[3][Reg::kMarkerY];
    EXPECT_EQ(marker(3)->pos(), QPoint(x, y));
    EXPECT_FALSE(flag(3, 1)->isHidden());
    EXPECT_TRUE(flag(3, 2)->isHidden());
    EXPECT_FALSE(flag(3, 3)->isHidden());
    EXPECT_TRUE(flag(3, 4)->isHidden());
    EXPECT_EQ(flag(3, 1)->pos(), QPoint(x + 6, y - 41));
    EXPECT_EQ(flag(3, 2)->pos(), QPoint(x + 41, y));
    EXPECT_EQ(flag(3, 3)->pos(), QPoint(x + 6, y + 41));
    EXPECT_EQ(flag(3, 4)->pos(), QPoint(x - 36, y));
    EXPECT_EQ(line(3), "Midwest (East), 50 million people, Licensed by: Red Yellow Green ");
    // Markers and flags stay on the map picture.
    const QRect map = widget("Image1")->rect();
    for (int r = 1; r <= kMapMarkers; ++r)
        for (int k = 1; k <= kChannels; ++k)
            EXPECT_TRUE(map.contains(flag(r, k)->geometry())) << r << "/" << k;
}

TEST_F(LicenceMapTest, HoverLightsTheMarkerAndLeavingPutsItOut) {
    EXPECT_EQ(marker(5)->pictureName(), "QVX2_RegionA.bmp");
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
    QApplication::sendEvent(marker(5), &enter);
    EXPECT_EQ(marker(5)->pictureName(), "QVX2_RegionB.bmp");
    EXPECT_EQ(marker(4)->pictureName(), "QVX2_RegionA.bmp");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(marker(5), &leave);
    EXPECT_EQ(marker(5)->pictureName(), "QVX2_RegionA.bmp");
}

TEST_F(LicenceMapTest, PanelShowsTheRegionAndThePriceAfterLawyerCards) {
    gs.Regions[1][Reg::kRegionLicencePrice] = 4000;
    ui.session.settings().Deck.ActiveBoosters[2] = Card::kLawyer;
    ui.session.settings().Deck.ActiveBoosters[4] = Card::kLawyer;
    QTest::mouseClick(marker(1), Qt::LeftButton);
    EXPECT_EQ(screen.shownRegion(), 1);
    EXPECT_FALSE(widget("Panel1")->isHidden());
    EXPECT_EQ(TextOf(&screen, "Label8"), "New England");
    EXPECT_EQ(TextOf(&screen, "Label9"), "(ME, NH, VT, MA, RI, CT)");
    EXPECT_EQ(TextOf(&screen, "Label2"), "4 million");
    EXPECT_EQ(TextOf(&screen, "Label6"), "6 million");
    EXPECT_EQ(TextOf(&screen, "Label14"), "2 million");
    EXPECT_EQ(TextOf(&screen, "Label11"), "20 million");
    EXPECT_EQ(TextOf(&screen, "Label16"), "$ 3,600 millions");
    EXPECT_EQ(TextOf(&screen, "Label21"), "$ 20 millions");
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    click("ButtonP3ActiveField");
    EXPECT_TRUE(widget("Panel1")->isHidden());
    EXPECT_EQ(screen.shownRegion(), 0);
}

TEST_F(LicenceMapTest, PanelMovesAwayFromEasternAndWesternMarkersAndStaysForTheMiddle) {
    QWidget* panel = widget("Panel1");
    gs.Regions[4][Reg::kMarkerX] = 300;  // between the two bounds
    screen.showRegion(1);                // x 782: east
    const int left = panel->x();
    screen.showRegion(4);
    EXPECT_EQ(panel->x(), left);
    screen.showRegion(9);  // x 46: west
    const int right = panel->x();
    EXPECT_GT(right, left);
    screen.showRegion(4);
    EXPECT_EQ(panel->x(), right);
    gs.Regions[4][Reg::kMarkerX] = 366;
    screen.showRegion(4);
    EXPECT_EQ(panel->x(), left);
    gs.Regions[4][Reg::kMarkerX] = 260;
    screen.showRegion(4);
    EXPECT_EQ(panel->x(), right);
}

TEST_F(LicenceMapTest, AcquireAsksThenBuysRecordsAndConfirms) {
    money() = 50000;
    ui.session.setBlindMode(true);
    QTest::mouseClick(widget("BlindLabel3"), Qt::LeftButton);  // the East Coast's line
    ASSERT_EQ(screen.shownRegion(), 2);
    ui.dialogs.whenShown = [this] {
        // The map is redrawn before the success message is read.
        if (ui.dialogs.shown.back().title == "License acquired") {
            EXPECT_FALSE(flag(2, player)->isHidden());
        }
    };
    ui.dialogs.answers.push_back(true);
    click("BlindButton1");
    ASSERT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, "Purchase license?");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to purchase the broadcasting license for East Coast for "
              "$ 12,000 millions?");
    EXPECT_EQ(ui.dialogs.shown[1].title, "License acquired");
    EXPECT_EQ(ui.dialogs.shown[1].text,
              "You have successfully purchased the broadcasting license.");
    EXPECT_EQ(money(), 38000);
    EXPECT_EQ(gs.ChannelPendingIncome[player][Acc::kLicenceCost], 12000);
    EXPECT_TRUE(HoldsLicence(gs, 2, player));
    EXPECT_EQ(lastAction(), (JournalEntry{JournalKind::BuyLicence, 2, 0}));
    EXPECT_EQ(TextOf(&screen, "MoneyLabel"), "$ 38,000 millions");

    // Bought already: refused before any question.
    ui.dialogs.shown.clear();
    click("ButtonP1ActiveField");
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"N/A"});
    EXPECT_EQ(ui.dialogs.shown[0].text, "You already own a license for this region.");
    EXPECT_EQ(money(), 38000);
}

TEST_F(LicenceMapTest, AcquireIsRefusedWithoutTheMoneyAndNoChangesNothing) {
    screen.showRegion(2);
    const JournalEntry before = lastAction();
    money() = 11999;
    click("ButtonP1ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"N/A"});
    EXPECT_EQ(ui.dialogs.shown[0].text, "You do not have enough money.");

    money() = 12000;
    ui.dialogs.shown.clear();
    ui.dialogs.answers.push_back(false);
    click("ButtonP1ActiveField");
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Purchase license?"});
    EXPECT_EQ(money(), 12000);
    EXPECT_FALSE(HoldsLicence(gs, 2, player));
    EXPECT_EQ(lastAction(), before);

    fillJournal();
    ui.dialogs.shown.clear();
    ui.dialogs.answers.push_back(true);
    click("ButtonP1ActiveField");
    EXPECT_EQ(ui.dialogs.Titles(), (std::vector<std::string>{"Purchase license?", "N/A"}));
    EXPECT_EQ(ui.dialogs.shown[1].text, "You have reached the max. number of actions this turn.");
    EXPECT_EQ(money(), 12000);
    EXPECT_FALSE(HoldsLicence(gs, 2, player));
}

TEST_F(LicenceMapTest, CancelGivesNothingBackAndBuyingAgainCostsTheFullPrice) {
    screen.showRegion(7);
    click("ButtonP2ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"N/A"});
    EXPECT_EQ(ui.dialogs.shown[0].text, "You do not own any license in regard to this region.");

    gs.Licences[7][player] = 1;
    money() = 15000;
    ui.dialogs.shown.clear();
    ui.dialogs.answers.push_back(true);
    click("ButtonP2ActiveField");
    ASSERT_EQ(ui.dialogs.Titles(),
              (std::vector<std::string>{"Cancel license?", "License canceled"}));
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to CANCEL the broadcasting license for West South Central ?");
    EXPECT_EQ(ui.dialogs.shown[1].text, "You have successfully canceled the broadcasting license.");
    EXPECT_FALSE(HoldsLicence(gs, 7, player));
    EXPECT_EQ(money(), 15000);
    EXPECT_EQ(lastAction(), (JournalEntry{JournalKind::CancelLicence, 7, 0}));
    EXPECT_TRUE(flag(7, player)->isHidden());

    ui.dialogs.answers.push_back(true);
    click("ButtonP1ActiveField");
    EXPECT_EQ(money(), 5000);
    EXPECT_TRUE(HoldsLicence(gs, 7, player));
}

}  // namespace
}  // namespace qvx::test
