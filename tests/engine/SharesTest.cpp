#include "Shares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "EngineTestSupport.h"
#include "MarketTestSupport.h"

namespace qvx {
namespace {

// Four companies in business with the values a new game starts from, no licences, no titles.
struct Market {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> cat = std::make_unique<Catalogue>();

    Market() { test::OpenStartMarket(*gs); }
    Record& Acc(int c) { return gs->ChannelAccounts[c]; }
    int32_t& Money(int c) { return gs->Channel[c][Ch::kMoney]; }
    void Close(int c) { gs->Channel[c][Ch::kActive] = 0; }
    void Region(int r, int32_t price, bool exists = true) {
        gs->Regions[r][Reg::kExists] = exists ? 1 : 0;
        gs->Regions[r][Reg::kRegionLicencePrice] = price;
    }
    void Grant(int r, int c) { gs->Licences[r][c] = 1; }
};

// ---- company value ----

TEST(CompanyValue, StartValuesAreMoneyAndEquipmentLessBondsAndEquity) {
    Market m;
    // 3500 + 500 - (5000 + 5000)
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Strict), -6000);
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Full), -6000);
}

TEST(CompanyValue, AddsEveryKindOfAssetWithItsOwnTruncation) {
    Market m;
    Holding(*m.gs, 1, 1) = 100;  // treasury at the plain price: 100 x 50 = 5000
    Holding(*m.gs, 1, 2) = 110;  // 11%: 110 x (7 + 50 - 10) = 5170
    m.Acc(2)[Acc::kSellPremium] = 7;
    Holding(*m.gs, 1, 3) = 100;  // 10%: 100 x 40 = 4000, full variant only
    Holding(*m.gs, 1, 4) = 250;  // 25% of a closed company: 250 x (64 x 65 / 100 = 41) = 10250
    m.Acc(4)[Acc::kSharePrice] = 80;
    m.Close(4);
    m.Region(1, 1001);  // halves per region: 500 + 1, not (1001 + 3) / 2 = 502
    m.Region(2, 3);
    m.Region(3, 2000, false);  // a licence for a region that is not on the map counts nothing
    m.Grant(1, 1);
    m.Grant(2, 1);
    m.Grant(3, 1);
    m.cat->MovieCatalogue[7][Movie::kPrice] = 120;
    m.cat->MovieCatalogue[500][Movie::kPrice] = 30;
    m.gs->MovieArchive[1][1] = 7;
    m.gs->MovieArchive[1][28] = 500;
    m.gs->MovieArchive[1][5] = -1;
    m.gs->MovieArchive[2][1] = 7;  // another company's title

    // 3500 + 5000 + 5170 + 4000 + 10250 + 500 + 501 + 150 - 10000
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Full), 19071);
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Strict), 19071 - 4000);
}

struct BlockCase {
    int32_t held;
    int32_t strict;  // what the holding adds to the value
    int32_t full;
};

class HoldingInCompanyValue : public testing::TestWithParam<BlockCase> {};

TEST_P(HoldingInCompanyValue, CountsAtTheDiscountOfItsSize) {
    const BlockCase& bc = GetParam();
    Market m;
    Holding(*m.gs, 1, 3) = bc.held;
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Strict), -6000 + bc.strict);
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Full), -6000 + bc.full);
}

// The sell price per share is 50 - 10 = 40.
INSTANTIATE_TEST_SUITE_P(Blocks, HoldingInCompanyValue,
                         testing::Values(BlockCase{100, 0, 4000},       // 10%
                                         BlockCase{110, 4400, 4400},    // 11%
                                         BlockCase{250, 6500, 6500},    // 25%: 26
                                         BlockCase{450, 5400, 5400}));  // 45%: 12

TEST(CompanyValue, SaturatesInsteadOfWrapping) {
    Market m;
    m.Money(1) = std::numeric_limits<int32_t>::max() - 10;
    Holding(*m.gs, 1, 1) = 1000;
    EXPECT_EQ(CompanyValue(*m.gs, *m.cat, 1, ValueVariant::Full),
              std::numeric_limits<int32_t>::max());
}

// ---- share price update ----

// The price the update draws for a company of the given base, from a generator in the same
// state as the one the update uses.
int32_t DrawnPrice(int64_t base, Rng& rng) {
    const int32_t spread = static_cast<int32_t>(std::max<int64_t>(base * 25 / 100, 5));
    const int32_t up = rng.Random(spread);
    const int32_t down = rng.Random(spread);
    return static_cast<int32_t>(std::max<int64_t>(base + up - down, 2));
}

struct PriceCase {
    const char* name;
    int32_t money;
    int32_t licencePrice;  // 0: no licence
    int32_t bonds;
    int32_t issued;
    int32_t heldOfCompany2;
    int64_t base;
};

class SharePriceBase : public testing::TestWithParam<PriceCase> {};

TEST_P(SharePriceBase, DrawsAroundTheAssetsPerShare) {
    const PriceCase& pc = GetParam();
    for (uint64_t seed : {1u, 2u, 77u}) {
        Market m;
        for (int c = 2; c <= kChannels; ++c)
            m.Close(c);
        m.Money(1) = pc.money;
        m.Acc(1)[Acc::kBonds] = pc.bonds;
        m.Acc(1)[Acc::kSharesIssued] = pc.issued;
        Holding(*m.gs, 1, 2) = pc.heldOfCompany2;
        if (pc.licencePrice > 0) {
            m.Region(4, pc.licencePrice);
            m.Grant(4, 1);
        }
        Rng rng(seed), expected(seed);
        UpdateSharePrices(*m.gs, rng);
        EXPECT_EQ(m.Acc(1)[Acc::kSharePrice], DrawnPrice(pc.base, expected)) << seed;
        EXPECT_EQ(rng.State(), expected.State()) << "exactly two draws";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SharePriceBase,
    testing::Values(
        // gross 100500, net 95500: d = 95, base 104, spread 26.
        PriceCase{"Rich", 100000, 0, 5000, 1000, 0, 104},
        // The full licence price counts: gross 101500, net 96500, d = 96, base 105.
        PriceCase{"Licence", 100000, 1000, 5000, 1000, 0, 105},
        // 10% of company 2 counts nothing.
        PriceCase{"TenPercentHolding", 100000, 0, 5000, 1000, 100, 104},
        // 11% counts 110 x 40 = 4400: gross 104900, net 99900, d = 99, base 108.
        PriceCase{"ElevenPercentHolding", 100000, 0, 5000, 1000, 110, 108},
        // gross 5000, net 0 is below 2500: d = 2500 / 100 = 25, base 27, spread 6.
        PriceCase{"NetBelowHalfGross", 3500, 1000, 5000, 100, 0, 27},
        // No shares issued divides by 1: gross 4000, net 4000, base 4400.
        PriceCase{"NoSharesIssued", 3500, 0, 0, 0, 0, 4400},
        // gross -99500, net -104500 raised to -49750: d = -49, base -53, the floor 2 holds.
        PriceCase{"NegativeAssets", -100000, 0, 5000, 1000, 0, -53}),
    [](const testing::TestParamInfo<PriceCase>& p) { return p.param.name; });

TEST(SharePriceUpdate, CompaniesGoInOrderAndSeeTheNewPricesOfEarlierOnes) {
    Market m;
    m.Close(3);
    m.Money(1) = 100000;  // base 104 as above
    m.Money(2) = 100000;
    Holding(*m.gs, 2, 1) = 110;  // 11% of company 1, valued at company 1's new price
    m.Money(4) = 20000;          // gross 20500, net 15500, d 15, base 16
    const int32_t closedPrice = m.Acc(3)[Acc::kSharePrice];

    Rng rng(42), expected(42);
    UpdateSharePrices(*m.gs, rng);
    const int32_t price1 = DrawnPrice(104, expected);
    EXPECT_EQ(m.Acc(1)[Acc::kSharePrice], price1);
    const int64_t gross2 = 100000 + 500 + int64_t{110} * (price1 - price1 / 5);
    const int64_t d2 = (gross2 - 5000) / 1000;
    EXPECT_EQ(m.Acc(2)[Acc::kSharePrice], DrawnPrice(d2 + d2 / 10, expected));
    EXPECT_EQ(m.Acc(3)[Acc::kSharePrice], closedPrice);
    EXPECT_EQ(m.Acc(4)[Acc::kSharePrice], DrawnPrice(16, expected));
    EXPECT_EQ(rng.State(), expected.State());
}

struct DecayCase {
    int32_t before;
    int32_t after;
};

class PremiumDecay : public testing::TestWithParam<DecayCase> {};

TEST_P(PremiumDecay, LosesATwentyFifthAndNeverGoesBelowZero) {
    Market m;
    m.Acc(2)[Acc::kBuyPremium] = GetParam().before;
    m.Acc(2)[Acc::kSellPremium] = GetParam().before;
    m.Acc(3)[Acc::kBuyPremium] = GetParam().before;  // closed: untouched
    m.Close(3);
    Rng rng(3);
    UpdateSharePrices(*m.gs, rng);
    EXPECT_EQ(m.Acc(2)[Acc::kBuyPremium], GetParam().after);
    EXPECT_EQ(m.Acc(2)[Acc::kSellPremium], GetParam().after);
    EXPECT_EQ(m.Acc(3)[Acc::kBuyPremium], GetParam().before);
}

INSTANTIATE_TEST_SUITE_P(Premiums, PremiumDecay,
                         testing::Values(DecayCase{100, 96}, DecayCase{25, 24}, DecayCase{24, 24},
                                         DecayCase{1, 1}, DecayCase{0, 0}, DecayCase{-40, 0}));

// ---- market reaction ----

struct ReactionCase {
    const char* name;
    MarketMove move;
    int32_t percentHeld;  // by the active companies, after the trade
    int32_t buy, sell;    // premiums before
    int32_t buyAfter, sellAfter;
};

class MarketReactionCase : public testing::TestWithParam<ReactionCase> {};

TEST_P(MarketReactionCase, MovesThePremiumsByTheStepOfTheHeldShare) {
    const ReactionCase& rc = GetParam();
    Market m;
    // Spread the holding over the company itself and a competitor; a closed company's
    // holding is not counted.
    Holding(*m.gs, 1, 1) = rc.percentHeld * 10 / 2;
    Holding(*m.gs, 3, 1) = rc.percentHeld * 10 - rc.percentHeld * 10 / 2;
    Holding(*m.gs, 4, 1) = 300;
    m.Close(4);
    m.Acc(1)[Acc::kBuyPremium] = rc.buy;
    m.Acc(1)[Acc::kSellPremium] = rc.sell;
    MarketReaction(*m.gs, 1, rc.move);
    EXPECT_EQ(m.Acc(1)[Acc::kBuyPremium], rc.buyAfter);
    EXPECT_EQ(m.Acc(1)[Acc::kSellPremium], rc.sellAfter);
}

constexpr MarketMove P = MarketMove::Purchase;
constexpr MarketMove S = MarketMove::Sale;

// u by held share: 0..10 -> 300/5 = 60; 11..20 -> 600/5 = 120; 21..29 -> 800/5 = 160;
// 30 -> 1600/5 = 320; 31..70 -> 400; 71..100 -> 480; above 100 -> 0.
INSTANTIATE_TEST_SUITE_P(
    Steps, MarketReactionCase,
    testing::Values(
        // Purchase: the sell premium is held to the old buy premium + u/4.
        ReactionCase{"Buy30", P, 30, 0, 0, 320, 80}, ReactionCase{"Buy29", P, 29, 0, 0, 160, 40},
        ReactionCase{"Buy10", P, 10, 0, 0, 60, 15}, ReactionCase{"Buy11", P, 11, 0, 0, 120, 30},
        ReactionCase{"Buy20", P, 20, 0, 0, 120, 30}, ReactionCase{"Buy31", P, 31, 0, 0, 400, 100},
        ReactionCase{"Buy70", P, 70, 0, 0, 400, 100}, ReactionCase{"Buy71", P, 71, 0, 0, 480, 120},
        ReactionCase{"Buy100", P, 100, 0, 0, 480, 120},
        ReactionCase{"BuyAbove100", P, 110, 5, 10, 5, 5},
        // The old buy premium 1000 is above the new sell premium 160: no cap.
        ReactionCase{"BuyHighPremium", P, 10, 1000, 100, 1060, 160},
        // The cap compares with the buy premium before it rises: 100 < 160 gives 100 + 15.
        ReactionCase{"BuyCapFromOldPremium", P, 10, 100, 100, 160, 115},
        ReactionCase{"BuyEqualPremiums", P, 10, 160, 100, 220, 160},
        // Sale: 400 - 320 = 80; buy 500 - 160 = 340.
        ReactionCase{"Sell30", S, 30, 500, 400, 340, 80},
        // buy 100 - 160 clamps to 0 and leaves the sell premium above it.
        ReactionCase{"Sell30Clamp", S, 30, 100, 400, 0, 80},
        // 200 - 60 = 140 is capped to the buy premium 20; 20 - 30 clamps to 0.
        ReactionCase{"SellCapped", S, 10, 20, 200, 0, 20},
        ReactionCase{"SellFromZero", S, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<ReactionCase>& p) { return p.param.name; });

// ---- the computer's trades ----

TEST(ComputerBuysShares, BuysABlockAndMovesTheMarket) {
    Market m;
    m.Money(2) = 6000;  // exactly the cost
    m.Acc(2)[Acc::kSharePurchaseCost] = 100;
    CompetitorBuyShares(*m.gs, 2, 2, 100);
    EXPECT_EQ(m.Money(2), 0);
    EXPECT_EQ(m.Acc(2)[Acc::kSharePurchaseCost], 6100);
    EXPECT_EQ(Holding(*m.gs, 2, 2), 100);
    EXPECT_EQ(m.gs->GameLog[2][1], "* 100 million stocks from \"Yellow Star\" bought.");
    EXPECT_EQ(m.Acc(2)[Acc::kBuyPremium], 60);
    EXPECT_EQ(m.Acc(2)[Acc::kSellPremium], 15);
}

TEST(ComputerBuysShares, PurchaseToThirtyPercentMovesByThreeHundredTwenty) {
    Market m;
    m.Money(1) = 10000;
    Holding(*m.gs, 1, 1) = 100;
    Holding(*m.gs, 3, 1) = 100;
    CompetitorBuyShares(*m.gs, 1, 1, 100);
    EXPECT_EQ(m.Acc(1)[Acc::kBuyPremium], 320);
    EXPECT_EQ(m.Acc(1)[Acc::kSellPremium], 80);
}

TEST(ComputerBuysShares, BlockShrinksToReachFortyNinePercent) {
    Market m;
    Holding(*m.gs, 2, 2) = 455;
    CompetitorBuyShares(*m.gs, 2, 2,
                        100);  // the percentage truncates first: (49 - 45) x 1000 / 100 = 40
    EXPECT_EQ(Holding(*m.gs, 2, 2), 495);
    EXPECT_EQ(m.Money(2), 3500 - 2400);
    EXPECT_EQ(m.gs->GameLog[2][1], "* 40 million stocks from \"Yellow Star\" bought.");
}

TEST(ComputerBuysShares, AtFortyNinePercentBuysNothingButStillTrades) {
    Market m;
    Holding(*m.gs, 2, 2) = 490;
    CompetitorBuyShares(*m.gs, 2, 2, 100);
    EXPECT_EQ(Holding(*m.gs, 2, 2), 490);
    EXPECT_EQ(m.Money(2), 3500);
    EXPECT_EQ(m.Acc(2)[Acc::kSharePurchaseCost], 0);
    EXPECT_EQ(m.gs->GameLog[2][1], "* 0 million stocks from \"Yellow Star\" bought.");
    EXPECT_EQ(m.Acc(2)[Acc::kBuyPremium], 400);  // 49% held
    EXPECT_EQ(m.Acc(2)[Acc::kSellPremium], 100);
}

TEST(ComputerBuysShares, TooFewPublicSharesFails) {
    Market m;
    m.Money(2) = 10000;
    Holding(*m.gs, 3, 2) = 480;
    Holding(*m.gs, 4, 2) = 450;  // public: 1000 - 930 = 70
    const auto before = std::make_unique<GameState>(*m.gs);
    CompetitorBuyShares(*m.gs, 2, 2, 100);
    before->GameLog[2][1] = "* Purchase of stocks from \"Yellow Star\" failed.";
    EXPECT_EQ(test::Differences(*m.gs, *before), test::Names{});
}

TEST(ComputerBuysShares, AClosedCompanysHoldingIsPublic) {
    Market m;
    m.Money(2) = 10000;
    Holding(*m.gs, 3, 2) = 480;
    Holding(*m.gs, 4, 2) = 450;
    m.Close(4);
    CompetitorBuyShares(*m.gs, 2, 2, 100);
    EXPECT_EQ(Holding(*m.gs, 2, 2), 100);
}

TEST(ComputerBuysShares, ShortOfMoneyNothingHappens) {
    Market m;
    m.Money(2) = 5999;
    const auto before = std::make_unique<GameState>(*m.gs);
    CompetitorBuyShares(*m.gs, 2, 2, 100);
    EXPECT_EQ(test::Differences(*m.gs, *before), test::Names{});
    CompetitorBuyShares(*m.gs, 2, 3, 10);  // never another company's shares
    EXPECT_EQ(test::Differences(*m.gs, *before), test::Names{});
}

TEST(ComputerSellsShares, SellsWhatItHoldsAndLowersThePremiums) {
    Market m;
    Holding(*m.gs, 3, 1) = 150;
    m.Acc(1)[Acc::kBuyPremium] = 100;
    m.Acc(1)[Acc::kSellPremium] = 10;  // sell price 50 + 10 - 10 = 50
    m.Acc(3)[Acc::kShareSaleIncome] = 5;
    CompetitorSellShares(*m.gs, 3, 1, 200);
    EXPECT_EQ(Holding(*m.gs, 3, 1), 0);
    EXPECT_EQ(m.Money(3), 3500 + 7500);
    EXPECT_EQ(m.Acc(3)[Acc::kShareSaleIncome], 7505);
    EXPECT_EQ(m.gs->GameLog[3][1], "* 150 shares of \"Red Wave\" sold.");
    // 0% held afterwards, u = 60: sell 10 - 60 clamps to 0; buy 100 - 30 = 70.
    EXPECT_EQ(m.Acc(1)[Acc::kBuyPremium], 70);
    EXPECT_EQ(m.Acc(1)[Acc::kSellPremium], 0);
}

TEST(ComputerSellsShares, OwnSharesCountInTheHeldShareAfterTheSale) {
    Market m;
    Holding(*m.gs, 2, 2) = 400;
    m.Acc(2)[Acc::kBuyPremium] = 1000;
    m.Acc(2)[Acc::kSellPremium] = 900;
    CompetitorSellShares(*m.gs, 2, 2, 100);  // 30% left: u = 320
    EXPECT_EQ(m.Money(2), 3500 + 100 * 940);
    EXPECT_EQ(m.Acc(2)[Acc::kBuyPremium], 840);
    EXPECT_EQ(m.Acc(2)[Acc::kSellPremium], 580);
}

}  // namespace
}  // namespace qvx
