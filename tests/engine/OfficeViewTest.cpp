#include "OfficeView.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "DayTestSupport.h"

namespace qvx {
namespace {

using test::DayWorld;

TEST(OfficeClock, PlanningShowsAmFromFourAndTheBroadcastDayPm) {
    struct Case {
        int32_t phase, hour, minute;
        const char* clock;
        const char* suffix;
    };
    const Case cases[] = {
        {Info::kPhasePlanning, 8, 0, "08:00", "am"},
        {Info::kPhasePlanning, 4, 0, "04:00", "am"},
        {Info::kPhasePlanning, 3, 59, "03:59", "pm"},
        {Info::kPhaseBroadcasting, 2, 0, "02:00", "pm"},
        {Info::kPhaseBroadcasting, 4, 5, "04:05", "pm"},
        {Info::kPhaseBroadcasting, 8, 30, "08:30", "pm"},
        {Info::kPhaseBroadcasting, 11, 59, "11:59", "pm"},
        {Info::kPhaseBroadcasting, 12, 0, "12:00", "pm"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(ClockText(k.hour, k.minute), k.clock);
        EXPECT_STREQ(ClockSuffix(k.phase, k.hour), k.suffix) << k.clock;
    }
}

class MoneyPanelTest : public testing::Test {
  protected:
    MoneyPanelTest() {
        w.OpenChannel(2, true, 3500);
        w.gs.Channel[2][Ch::kLogo] = 6;
        w.gs.GameInfo[Info::kTurn] = 11;
        w.gs.GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
        w.gs.ClockHour = 5;
        w.gs.ClockMinute = 30;
    }
    DayWorld w;
};

TEST_F(MoneyPanelTest, ViewedChannel) {
    const MoneyPanel panel = BuildMoneyPanel(w.gs, 2);
    EXPECT_EQ(panel.money, "$ 3,500 millions");
    EXPECT_TRUE(panel.logoVisible);
    EXPECT_EQ(panel.logoPicture, "QVX2_complogo6_sm.jpg");
    EXPECT_EQ(panel.channelText, "Yellow channel");
    EXPECT_FALSE(panel.bankrupt);
    EXPECT_FALSE(panel.viewers.has_value());
    EXPECT_EQ(panel.dateLine, "Christmas Day 2010");
    EXPECT_EQ(panel.clock, "05:30");
    EXPECT_EQ(panel.clockSuffix, "pm");

    w.gs.Channel[2][Ch::kMoney] = -1500;
    EXPECT_EQ(BuildMoneyPanel(w.gs, 2).money, "$ -1,500 millions");
}

TEST_F(MoneyPanelTest, BankruptChannelAndTvOff) {
    w.gs.Channel[2][Ch::kActive] = 0;
    const MoneyPanel bankrupt = BuildMoneyPanel(w.gs, 2);
    EXPECT_TRUE(bankrupt.bankrupt);
    EXPECT_EQ(bankrupt.money, "$ 0 millions");
    EXPECT_EQ(bankrupt.viewers, "0 millions");
    EXPECT_EQ(bankrupt.adRequirement, "0 millions");
    EXPECT_EQ(bankrupt.appeal, "0 %");
    EXPECT_TRUE(bankrupt.logoVisible);

    const MoneyPanel off = BuildMoneyPanel(w.gs, 0);
    EXPECT_EQ(off.money, " ");
    EXPECT_FALSE(off.logoVisible);
    EXPECT_FALSE(off.bankrupt);
    EXPECT_EQ(off.dateLine, "Christmas Day 2010");
}

TEST(ChannelColour, TwoLogosPerColour) {
    const char* colours[] = {"Red channel", "Yellow channel", "Green channel", "Blue channel"};
    for (int32_t logo = 1; logo <= 8; ++logo)
        EXPECT_STREQ(ChannelColourText(logo), colours[(logo - 1) % 4]) << logo;
    EXPECT_EQ(SmallLogoPicture(8), "QVX2_complogo8_sm.jpg");
    EXPECT_EQ(GreyLogoPicture(3), "QVX2_complogo3_sm_g.jpg");
}

TEST(Contacts, BoardOnlyAboveTwentyNinePercentAfterTruncation) {
    DayWorld w;
    for (int c = 1; c <= kChannels; ++c)
        w.OpenChannel(c, c == 3);
    Record& mine = w.gs.ChannelAccounts[3];
    mine[Acc::kShareHoldings + 0] = 299;   // 29.9 percent: 29
    mine[Acc::kShareHoldings + 1] = 300;   // 30
    mine[Acc::kShareHoldings + 2] = 1000;  // its own company never shows
    mine[Acc::kShareHoldings + 3] = 800;
    w.gs.Channel[4][Ch::kActive] = 0;  // out of business
    EXPECT_EQ(FillContacts(w.gs),
              (std::vector<Contact>{{ContactKind::StockBroker, 0, "Stock broker"},
                                    {ContactKind::BoardOfDirectors, 2, "Yellow TV"},
                                    {ContactKind::Liquidator, 0, "Liquidator"}}));
}

// End turn in the planning phase asks about news first; that answer skips the ad question.
struct WarningCase {
    const char* name;
    bool newsSpot;
    std::array<int32_t, 3> news;
    int emptyAdSlot;  // 0 = all ten hours carry an ad
    int32_t emptyAdValue;
    TurnWarning warning;
};
class EndTurnWarningTest : public testing::TestWithParam<WarningCase> {};
TEST_P(EndTurnWarningTest, Sequence) {
    const WarningCase& k = GetParam();
    DayWorld w;
    w.OpenChannel(2, true);
    for (int h = 1; h <= kSlots; ++h)
        w.SetSlot(2, h, 0, 5);
    if (k.newsSpot) w.SetSlot(2, 10, Slot::kNewsShow, 5);
    if (k.emptyAdSlot > 0) w.gs.Programme[2][k.emptyAdSlot][Slot::kAd] = k.emptyAdValue;
    for (int i = 0; i < 3; ++i)
        w.gs.NewsShow[2][i + 1] = k.news[static_cast<size_t>(i)];
    EXPECT_EQ(EndTurnWarning(w.gs), k.warning);
}
INSTANTIATE_TEST_SUITE_P(
    Plans, EndTurnWarningTest,
    testing::Values(
        WarningCase{"TwoNewsAndEmptyAdsAsksOnlyNews", true, {4, 0, 6}, 3, 0, TurnWarning::NoNews},
        WarningCase{"NoNewsChosenAtAll", true, {0, 0, 0}, 0, 0, TurnWarning::NoNews},
        WarningCase{"ThreeNewsAndEmptyAd", true, {4, 5, 6}, 1, 0, TurnWarning::NoAds},
        WarningCase{"NegativeAdCountsAsEmpty", true, {4, 5, 6}, 10, -2, TurnWarning::NoAds},
        WarningCase{"ThreeNewsAllAds", true, {4, 5, 6}, 0, 0, TurnWarning::None},
        WarningCase{"NoNewsSpotNeedsNoNews", false, {0, 0, 0}, 0, 0, TurnWarning::None},
        WarningCase{"NoNewsSpotEmptyAd", false, {0, 0, 0}, 7, 0, TurnWarning::NoAds}),
    test::CaseName{});

TEST(OfficeTexts, LockedButtonsDuringBroadcasting) {
    EXPECT_STREQ(LockedButtonText(1), OfficeText::kLockedProgrammeTable);
    EXPECT_STREQ(LockedButtonText(4), OfficeText::kLockedNews);
    for (const int button : {6, 7, 8, 9})
        EXPECT_STREQ(LockedButtonText(button), OfficeText::kLockedScreen) << button;
    for (const int button : {0, 5, 10, 11})
        EXPECT_EQ(LockedButtonText(button), nullptr) << button;
    EXPECT_STREQ(MainButtonCaption(10), "Exit game");
    EXPECT_STREQ(MainButtonCaption(11), "");
    EXPECT_EQ(AutoPlayText(120),
              "After you close this screen the next 120 game days will be solved automatically.");
}

}  // namespace
}  // namespace qvx
