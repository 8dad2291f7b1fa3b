#include "Licences.h"

#include <gtest/gtest.h>

#include <memory>

#include "Boosters.h"
#include "EngineTestSupport.h"

namespace qvx {
namespace {

// A game whose player (Green, channel 3) is human and may buy licences on a small map.
struct LicenceWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& gs = *owned;
    Boosters deck;

    LicenceWorld() {
        gs.PlayerChannel = 3;
        for (int c = 1; c <= kChannels; ++c)
            gs.Channel[c][Ch::kActive] = 1;
        gs.Channel[3][Ch::kHuman] = 1;
        gs.Channel[3][Ch::kMoney] = 5000;
        AddRegion(2, "Lakeshore", 4000, {1, 20, 300, 4000, 50000});
        AddRegion(5, "Dunmoor Flats", 19, {0, 0, 0, 0, 0});
    }
    void AddRegion(int r, const char* name, int32_t price, std::array<int32_t, 5> population) {
        gs.Regions[r][Reg::kExists] = 1;
        gs.Regions[r][Reg::kRegionLicencePrice] = price;
        for (int g = 0; g < 5; ++g)
            gs.Regions[r][Reg::kPopulation + g] = population[static_cast<size_t>(g)];
        gs.RegionNames[r] = name;
    }
    void Lawyers(int n) {
        for (int i = 1; i <= n; ++i)
            deck.ActiveBoosters[i] = Card::kLawyer;
    }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(gs); }
};

struct PriceCase {
    int32_t price;
    int lawyers;
    bool human;
    int32_t expected;
};

class PlayerLicencePriceTest : public testing::TestWithParam<PriceCase> {};

TEST_P(PlayerLicencePriceTest, LawyersTakeATwentiethOfTheFullPriceEach) {
    const PriceCase& p = GetParam();
    LicenceWorld w;
    w.gs.Regions[2][Reg::kRegionLicencePrice] = p.price;
    w.gs.Channel[3][Ch::kHuman] = p.human ? 1 : 0;
    w.Lawyers(p.lawyers);
    EXPECT_EQ(PlayerLicencePrice(w.gs, w.deck, 2), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerLicencePriceTest,
                         testing::Values(PriceCase{4000, 0, true, 4000},
                                         PriceCase{4000, 2, true, 3600},
                                         // Not compounded: 5 x 200, not 4000 x 0.95^5.
                                         PriceCase{4000, 5, true, 3000}, PriceCase{19, 2, true, 19},
                                         PriceCase{39, 1, true, 38},
                                         PriceCase{4000, 2, false, 4000}));

TEST(BuyLicence, ChecksInTheGivenOrderAndNeverChangeState) {
    LicenceWorld w;
    w.Lawyers(2);  // price 3600
    const auto before = w.Copy();

    w.gs.Channel[3][Ch::kMoney] = 3599;
    EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, 2), LicenceOutcome::NotEnoughMoney);
    w.gs.Channel[3][Ch::kMoney] = 3600;
    EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, 2), LicenceOutcome::Confirm);
    // Owning it is reported even when the money would not suffice.
    w.gs.Licences[2][3] = 1;
    w.gs.Channel[3][Ch::kMoney] = 0;
    EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, 2), LicenceOutcome::AlreadyOwned);
    // Another company's licence is no obstacle.
    w.gs.Licences[2][3] = 0;
    w.gs.Licences[2][1] = 1;
    w.gs.Channel[3][Ch::kMoney] = 3600;
    EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, 2), LicenceOutcome::Confirm);

    w.gs.Licences[2][1] = 0;
    w.gs.Channel[3][Ch::kMoney] = 5000;
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(BuyLicence, PaysTheDiscountedPriceAndBooksItForTheTurn) {
    LicenceWorld w;
    w.Lawyers(2);
    w.gs.ChannelPendingIncome[3][Acc::kLicenceCost] = 100;
    w.gs.ActionJournal[3][1] = {JournalKind::BuyMovie, 77, 4};

    ASSERT_EQ(BuyLicence(w.gs, w.deck, 2), LicenceOutcome::Purchased);
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], 1400);
    EXPECT_EQ(w.gs.ChannelPendingIncome[3][Acc::kLicenceCost], 3700);
    EXPECT_EQ(w.gs.ChannelAccounts[3][Acc::kLicenceCost], 0);
    EXPECT_TRUE(HoldsLicence(w.gs, 2, 3));
    EXPECT_EQ(w.gs.ActionJournal[3][2], (JournalEntry{JournalKind::BuyLicence, 2, 0}));

    EXPECT_EQ(BuyLicence(w.gs, w.deck, 2), LicenceOutcome::AlreadyOwned);
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], 1400);
}

TEST(CancelLicence, RefundsNothingAndBuyingAgainCostsTheFullPrice) {
    LicenceWorld w;
    EXPECT_EQ(CheckCancelLicence(w.gs, 2), LicenceOutcome::NotOwned);
    ASSERT_EQ(BuyLicence(w.gs, w.deck, 2), LicenceOutcome::Purchased);
    ASSERT_EQ(w.gs.Channel[3][Ch::kMoney], 1000);

    EXPECT_EQ(CheckCancelLicence(w.gs, 2), LicenceOutcome::Confirm);
    ASSERT_EQ(CancelLicence(w.gs, 2), LicenceOutcome::Cancelled);
    EXPECT_FALSE(HoldsLicence(w.gs, 2, 3));
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], 1000);
    EXPECT_EQ(w.gs.ChannelPendingIncome[3][Acc::kLicenceCost], 4000);
    EXPECT_EQ(w.gs.ActionJournal[3][2], (JournalEntry{JournalKind::CancelLicence, 2, 0}));

    EXPECT_EQ(CancelLicence(w.gs, 2), LicenceOutcome::NotOwned);
    w.gs.Channel[3][Ch::kMoney] = 4000;
    ASSERT_EQ(BuyLicence(w.gs, w.deck, 2), LicenceOutcome::Purchased);
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], 0);
    EXPECT_EQ(w.gs.ChannelPendingIncome[3][Acc::kLicenceCost], 8000);
}

TEST(LicenceActions, AFullJournalRefusesAndChangesNothing) {
    LicenceWorld w;
    w.gs.Licences[5][3] = 1;
    for (int i = 1; i <= kJournalEntries; ++i)
        w.gs.ActionJournal[3][i] = {JournalKind::SellMovie, i, 0};
    const auto before = w.Copy();

    EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, 2), LicenceOutcome::Confirm);
    EXPECT_EQ(BuyLicence(w.gs, w.deck, 2), LicenceOutcome::JournalFull);
    EXPECT_EQ(CancelLicence(w.gs, 5), LicenceOutcome::JournalFull);
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
    EXPECT_EQ(LicenceMessage(LicenceOutcome::JournalFull).text,
              "You have reached the max. number of actions this turn.");
}

TEST(LicenceActions, RegionsOffTheMapAreRefused) {
    LicenceWorld w;
    w.gs.Regions[7][Reg::kRegionLicencePrice] = 1;  // a region that does not exist
    const auto before = w.Copy();
    for (int region : {-1, 0, 7, 17, 1000}) {
        EXPECT_EQ(CheckBuyLicence(w.gs, w.deck, region), LicenceOutcome::NoSuchRegion) << region;
        EXPECT_EQ(BuyLicence(w.gs, w.deck, region), LicenceOutcome::NoSuchRegion) << region;
        EXPECT_EQ(CancelLicence(w.gs, region), LicenceOutcome::NoSuchRegion) << region;
        EXPECT_EQ(LicenceMapLine(w.gs, region), "Not available on this map.") << region;
    }
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(LicenceMapLine, ListsEveryHolderInColourOrder) {
    LicenceWorld w;
    EXPECT_EQ(LicenceMapLine(w.gs, 2), "Lakeshore, 54,321 million people, Licensed by: None");
    w.gs.Licences[2][4] = 1;
    w.gs.Licences[2][1] = 1;
    EXPECT_EQ(LicenceMapLine(w.gs, 2), "Lakeshore, 54,321 million people, Licensed by: Red Blue ");
    // A bankrupt company keeps its licences in the table and in this line.
    w.gs.Channel[4][Ch::kActive] = 0;
    w.gs.Licences[2][2] = 1;
    w.gs.Licences[2][3] = 1;
    EXPECT_EQ(LicenceMapLine(w.gs, 2),
              "Lakeshore, 54,321 million people, Licensed by: Red Yellow Green Blue ");
    EXPECT_EQ(LicenceMapLine(w.gs, 5), "Dunmoor Flats, 0 million people, Licensed by: None");
}

TEST(LicenceDialogs, QuestionsShowTheRegionAndThePlayersPrice) {
    LicenceWorld w;
    w.Lawyers(1);
    EXPECT_EQ(BuyLicenceQuestion(w.gs, w.deck, 2),
              (Dialog{"Purchase license?",
                      "Do you really wish to purchase the broadcasting license for "
                      "Lakeshore for $ 3,800 millions?"}));
    EXPECT_EQ(CancelLicenceQuestion(w.gs, 2),
              (Dialog{"Cancel license?",
                      "Do you really wish to CANCEL the broadcasting license for "
                      "Lakeshore ?"}));
    EXPECT_EQ(LicenceMessage(LicenceOutcome::AlreadyOwned),
              (Dialog{"N/A", "You already own a license for this region."}));
    EXPECT_EQ(LicenceMessage(LicenceOutcome::NotOwned).text,
              "You do not own any license in regard to this region.");
    EXPECT_EQ(LicenceMessage(LicenceOutcome::NotEnoughMoney).text, "You do not have enough money.");
    EXPECT_EQ(
        LicenceMessage(LicenceOutcome::Purchased),
        (Dialog{"License acquired", "You have successfully purchased the broadcasting license."}));
    EXPECT_EQ(
        LicenceMessage(LicenceOutcome::Cancelled),
        (Dialog{"License canceled", "You have successfully canceled the broadcasting license."}));
}

}  // namespace
}  // namespace qvx
