#include "Markets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "Boosters.h"
#include "DayTestSupport.h"

namespace qvx {
namespace {

using test::DayWorld;

// ---- ad pool ----

// Licensed population F = 299 (Northland) of E = 1000 (Northland + Southland; Lostland does
// not exist). F x 100 div E = 29, so
// w = w0 + (29 x 4 x w0 div 100) x 200 and w div 40 is 436, 582, 1456 or 3495 for w0 = 75,
// 100, 250, 600 (taking F x 4 x w0 div E in one go would give 89 instead of 87 for w0 = 75).
struct AdCase {
    const char* name;
    int32_t target;
    int32_t spotRoll, sizeRoll;
    int32_t spots, minViewers, deadline;
    int32_t payment;     // before the random premium
    int32_t premiumDiv;  // 4 or 8: + Random(payment div premiumDiv); 0: none
    int32_t kind = 1;
    int32_t autoPlayDays = 0;
    bool human = false;
    int connections = 0;
    bool licensed = true;
};

class AdContractDraw : public testing::TestWithParam<AdCase> {};

TEST_P(AdContractDraw, FollowsTheRolls) {
    const AdCase& p = GetParam();
    DayWorld w;
    w.gs.GameInfo[Info::kScenarioKind] = p.kind;
    w.gs.GameInfo[Info::kAutoPlayDays] = p.autoPlayDays;
    w.AddRegion(1, "Northland", {59, 60, 60, 60, 60});
    w.AddRegion(2, "Southland", {140, 140, 140, 141, 140});
    w.AddRegion(3, "Lostland", {500, 0, 0, 0, 0});
    w.gs.Regions[3][Reg::kExists] = 0;
    w.OpenChannel(1, p.human);
    if (p.licensed) w.GrantLicence(1, 1);
    for (int i = 1; i <= p.connections; ++i)
        w.deck.ActiveBoosters[i] = Card::kConnections;
    constexpr int32_t j = 17;
    w.cat.AdTargets[j] = p.target;
    w.gs.AdSpotsDone[1][j] = 5;

    const uint64_t seed = test::SeedWithFirstDraws({p.spotRoll, p.sizeRoll});
    ASSERT_NE(seed, 0u);
    Rng twin(seed);
    twin.Random(100);
    twin.Random(100);
    const int32_t payment =
        p.payment + (p.premiumDiv > 0 ? twin.Random(p.payment / p.premiumDiv) : 0);
    Rng rng(seed);
    RefreshAdPool(w.gs, w.cat, w.deck, rng);

    const Record& ad = w.gs.AdPool[1][j];
    EXPECT_EQ(ad[Ad::kOpen], 1);
    EXPECT_EQ(ad[Ad::kKind], 1);
    EXPECT_EQ(ad[Ad::kSpotsRequired], p.spots);
    EXPECT_EQ(ad[Ad::kTargetCode], p.target);
    EXPECT_EQ(ad[Ad::kMinViewers], p.minViewers);
    EXPECT_EQ(ad[Ad::kPayment], payment);
    EXPECT_EQ(ad[Ad::kPaymentTenth], payment / 10);
    EXPECT_EQ(ad[Ad::kDeadline], p.deadline);
    EXPECT_EQ(w.gs.AdSpotsDone[1][j], 0);
    EXPECT_EQ(w.gs.AdDaysLeft[1][j], p.deadline);
    EXPECT_EQ(w.gs.AdPool[1][j + 1], Record{}) << "ads the catalogue does not offer stay empty";
}

INSTANTIATE_TEST_SUITE_P(
    Rolls, AdContractDraw,
    testing::Values(
        // Class 1: F div 8 = 37, deadline 2; B = 436 x 8, payment B div 8.
        AdCase{"Class1", 1, 20, 20, 8, 37, 2, 436, 4},
        AdCase{"Class2LowerBounds", 1, 21, 21, 12, 59, 3, 873, 8},
        AdCase{"Class2UpperBounds", 1, 50, 60, 12, 59, 3, 873, 8},
        // 24 spots: B = 1456 x 24 = 34944, payment 34944/32 + 34944/8 = 1092 + 4368.
        AdCase{"Class3TwentyFourSpots", 1, 71, 61, 24, 99, 4, 5460, 0},
        AdCase{"Class3Bounds", 1, 51, 90, 16, 99, 4, 2912, 0},
        AdCase{"Class4", 1, 70, 91, 16, 225, 7, 6990, 0},
        // Deadline 2 cuts 24 spots to 16 before the payment is worked out: 436 x 16 div 8.
        AdCase{"ShortDeadlineCutsSpots", 1, 99, 0, 16, 37, 2, 872, 4},
        // A group target turns class 1 into class 2: Teens, 59 div 3 = 19.
        AdCase{"TeensNeverClass1", 5, 0, 0, 8, 19, 3, 582, 8},
        AdCase{"WomenMenSeniorsHalf", 3, 0, 70, 8, 49, 4, 1456, 0},
        AdCase{"KidsTeensHalfAndNeverClass1", 2, 0, 0, 8, 29, 3, 582, 8},
        AdCase{"WomenHalf", 6, 0, 95, 8, 112, 7, 3495, 0},
        AdCase{"SeniorsThird", 8, 30, 95, 12, 75, 7, 5242, 0},
        // Auto-play: deadline 31, no cut, no premium; 436 x 24 = 10464 -> 327 + 1308.
        AdCase{"AutoPlay", 1, 99, 0, 24, 37, 31, 1635, 0, 1, 5},
        AdCase{"Tweaked", 1, 71, 61, 24, 99, 4, 10920, 0, 5},
        AdCase{"ConnectionsTwice", 1, 71, 61, 24, 99, 4, 5460 + 2 * 546, 0, 1, 0, true, 2},
        AdCase{"ConnectionsNotForComputers", 1, 71, 61, 24, 99, 4, 5460, 0, 1, 0, false, 2},
        // Doubled first, then a tenth of the doubled payment: 2912 + 291 (not 2 x (1456 + 145)).
        AdCase{"TweakedThenConnections", 1, 0, 61, 8, 99, 4, 3203, 0, 5, 0, true, 1},
        // No licence: F = 0, at least 1 viewer, w = w0: 600 div 40 x 8 div 8.
        AdCase{"NoLicence", 1, 0, 95, 8, 1, 7, 15, 0, 1, 0, false, 0, false}),
    test::CaseName{});

TEST(AdPool, AcceptedContractsAndOtherChannelsStayAsTheyAre) {
    DayWorld w;
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, true);
    w.GrantLicence(1, 1);
    w.GrantLicence(1, 2);  // channel 2 is not in business
    w.cat.AdTargets[17] = 1;
    w.cat.AdTargets[18] = 1;
    w.PutContract(1, 17, {.spots = 12, .minViewers = 3, .payment = 77});
    w.gs.AcceptedAds[1][14] = 17;
    w.gs.AdSpotsDone[1][17] = 4;
    w.gs.AdDaysLeft[1][17] = 1;
    const Record accepted = w.gs.AdPool[1][17];
    Rng rng(3);
    RefreshAdPool(w.gs, w.cat, w.deck, rng);
    EXPECT_EQ(w.gs.AdPool[1][17], accepted);
    EXPECT_EQ(w.gs.AdSpotsDone[1][17], 4);
    EXPECT_EQ(w.gs.AdDaysLeft[1][17], 1);
    EXPECT_EQ(w.gs.AdPool[1][18][Ad::kOpen], 1);
    EXPECT_EQ(w.gs.AdPool[2][18], Record{});
}

// ---- ad offers ----

TEST(AdOffers, NeverAcceptedNorClosedContracts) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        DayWorld w;
        w.OpenChannel(1, true);
        for (int32_t id = 1; id <= 20; ++id)
            w.PutContract(1, id, {});
        w.gs.AcceptedAds[1][1] = 3;
        w.gs.AcceptedAds[1][14] = 7;
        Rng rng(seed);
        RefreshAdOffers(w.gs, rng, 1);
        std::set<int32_t> offered;
        for (int k = 1; k <= kAdOfferPositions; ++k) {
            const int32_t id = w.gs.AdOffers[1][k];
            EXPECT_TRUE(id >= 1 && id <= 20 && id != 3 && id != 7) << seed << ": " << id;
            offered.insert(id);
        }
        EXPECT_EQ(offered.size(), 14u) << seed;
    }
}

TEST(AdOffers, RefillStopsWhenNothingIsLeft) {
    DayWorld w;
    w.OpenChannel(1, true);
    for (const int32_t id : {2, 5, 9})
        w.PutContract(1, id, {});
    for (int k = 1; k <= kAdOfferPositions; ++k)
        w.gs.AdOffers[1][k] = 80 + k;  // closed
    Rng rng(11);
    RefreshAdOffers(w.gs, rng, 1);
    std::vector<int32_t> first(w.gs.AdOffers[1].begin() + 1, w.gs.AdOffers[1].begin() + 4);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (std::vector<int32_t>{2, 5, 9}));
    for (int k = 4; k <= kAdOfferPositions; ++k)
        EXPECT_EQ(w.gs.AdOffers[1][k], 80 + k);
}

// ---- movie offers ----

TEST(MovieOffers, SearchGivesUpLeavingEmptyPositions) {
    DayWorld w;
    w.OpenChannel(1, true);
    for (int k = 1; k <= kShopPositions; ++k)
        w.gs.ShopOffers[1][k] = 7;
    Rng none(1);
    RefreshMovieOffers(w.gs, w.cat, none);  // no title is on the market
    for (int k = 1; k <= kShopPositions; ++k)
        EXPECT_EQ(w.gs.ShopOffers[1][k], 0) << k;

    w.PutTitle(100, test::kPlainWestern);
    w.PutTitle(250, test::kPlainWestern);
    w.PutTitle(499, test::kPlainWestern);
    w.gs.MovieArchive[1][28] = 250;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        Rng rng(seed);
        RefreshMovieOffers(w.gs, w.cat, rng);
        const std::set<int32_t> firstTwo{w.gs.ShopOffers[1][1], w.gs.ShopOffers[1][2]};
        EXPECT_EQ(firstTwo, (std::set<int32_t>{100, 499})) << seed;
        for (int k = 3; k <= kShopPositions; ++k)
            EXPECT_EQ(w.gs.ShopOffers[1][k], 0) << seed;
    }
}

// ---- news offers ----

TEST(NewsOffers, ListsAreDisjointAndHoldOnlyAvailableItems) {
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        DayWorld w;
        w.OpenChannel(1, true);
        for (const int32_t id : {3, 50, 120, 121, 200, 249, 250})
            w.PutNews(id, News::kPolitics);
        w.gs.NewsOffersB[1].fill(3);
        Rng rng(seed);
        RefreshNewsOffers(w.gs, w.cat, rng);
        std::set<int32_t> all;
        for (int k = 1; k <= kNewsOfferPositions; ++k)
            all.insert(w.gs.NewsOffersA[1][k]);
        all.insert(w.gs.NewsOffersB[1][1]);
        all.insert(w.gs.NewsOffersB[1][2]);
        EXPECT_EQ(all, (std::set<int32_t>{3, 50, 120, 121, 200, 249, 250})) << seed;
        for (int k = 3; k <= kNewsOfferPositions; ++k)
            EXPECT_EQ(w.gs.NewsOffersB[1][k], 0);
    }
}

TEST(NewsOffers, ManyItemsFillBothListsWithoutRepeats) {
    DayWorld w;
    w.OpenChannel(1, true);
    for (int32_t id = 1; id <= kNews; ++id) {
        if (id % 3 != 0) w.PutNews(id, News::kSport);
    }
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        Rng rng(seed);
        RefreshNewsOffers(w.gs, w.cat, rng);
        std::set<int32_t> all;
        for (int k = 1; k <= kNewsOfferPositions; ++k) {
            for (const int32_t id : {w.gs.NewsOffersA[1][k], w.gs.NewsOffersB[1][k]}) {
                EXPECT_TRUE(id >= 1 && id <= kNews && id % 3 != 0) << seed << ": " << id;
                all.insert(id);
            }
        }
        EXPECT_EQ(all.size(), 10u) << seed;
    }
}

}  // namespace
}  // namespace qvx
