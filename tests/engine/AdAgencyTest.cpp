#include "AdAgency.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

constexpr int kPlayer = 4;

struct AdWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> ownedCat = std::make_unique<Catalogue>();
    GameState& gs = *owned;
    Catalogue& cat = *ownedCat;

    AdWorld() {
        gs.PlayerChannel = kPlayer;
        gs.Channel[kPlayer][Ch::kActive] = 1;
        gs.Channel[kPlayer][Ch::kHuman] = 1;
        gs.Channel[kPlayer][Ch::kMoney] = -500;  // accepting costs nothing, even in debt
        gs.AdOffers[kPlayer][2] = 17;
        gs.AdOffers[kPlayer][14] = 58;
        gs.AcceptedAds[kPlayer][3] = 40;
        cat.AdNames[17] = "Fizzwater";
        cat.AdNames[40] = "Dunmore Tyres";
        Contract(17, 4, 12, 9);
        Contract(40, 6, 1500, 6);
    }
    void Contract(int32_t id, int32_t target, int32_t minViewers, int32_t deadline) {
        Record& rec = gs.AdPool[kPlayer][id];
        rec[Ad::kOpen] = 1;
        rec[Ad::kTargetCode] = target;
        rec[Ad::kMinViewers] = minViewers;
        rec[Ad::kDeadline] = deadline;
    }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(gs); }
};

TEST(AdAgencyAccept, OccupiedPositionIsRefusedBeforeTheQuestion) {
    AdWorld w;
    const auto before = w.Copy();
    EXPECT_EQ(CheckAcceptContract(w.gs, 2, 3), AdOutcome::PositionFull);
    EXPECT_EQ(AcceptContract(w.gs, 2, 3), AdOutcome::PositionFull);
    EXPECT_EQ(AdAgencyMessage(AdOutcome::PositionFull),
              (Dialog{"N/A", "This position in your ads archive is already full."}));
    EXPECT_EQ(CheckAcceptContract(w.gs, 2, 1), AdOutcome::Confirm);
    EXPECT_EQ(AcceptContractQuestion(w.gs, w.cat, 2),
              (Dialog{"\"Fizzwater\"", "Do you really wish to accept this advertising contract?"}));
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(AdAgencyAccept, TwoAcceptsLeaveBothOffersEmptyAndTouchNothingElse) {
    AdWorld w;
    w.gs.AdDaysLeft[kPlayer][17] = 0;
    const auto before = w.Copy();
    ASSERT_EQ(AcceptContract(w.gs, 2, 14), AdOutcome::Accepted);
    ASSERT_EQ(AcceptContract(w.gs, 14, 1), AdOutcome::Accepted);

    EXPECT_EQ(w.gs.AdOffers[kPlayer][2], 0);
    EXPECT_EQ(w.gs.AdOffers[kPlayer][14], 0);
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][14], 17);
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][1], 58);
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][3], 40);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][1], (JournalEntry{JournalKind::AcceptAd, 17, 14}));
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][2], (JournalEntry{JournalKind::AcceptAd, 58, 1}));
    // No money, no deadline counter, no pool change.
    EXPECT_EQ(test::Differences(w.gs, *before),
              (test::Names{"AcceptedAds", "AdOffers", "ActionJournal"}));
}

TEST(AdAgency, ContractsAreNeverGivenBack) {
    AdWorld w;
    const auto before = w.Copy();
    EXPECT_EQ(CheckCancelContract(w.gs, 3), AdOutcome::NoCancel);
    EXPECT_EQ(NoCancelMessage(w.gs, w.cat, 3),
              (Dialog{"\"Dunmore Tyres\"",
                      "\"We are sorry, but we do not cancel commercial contracts. Please "
                      "fulfill the contract or let it run out.\""}));
    EXPECT_EQ(CheckCancelContract(w.gs, 4), AdOutcome::Empty);
    EXPECT_EQ(NoCancelMessage(w.gs, w.cat, 4), Dialog{});
    EXPECT_EQ(CheckCancelContract(w.gs, 15), AdOutcome::Invalid);
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(AdAgencySwap, ExchangesAndJournalsThePositions) {
    AdWorld w;
    ASSERT_EQ(SwapAdArchive(w.gs, 3, 14), AdOutcome::Swapped);
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][3], 0);
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][14], 40);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][1], (JournalEntry{JournalKind::SwapAdArchive, 3, 14}));
    ASSERT_EQ(SwapAdArchive(w.gs, 14, 14), AdOutcome::Swapped);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][2], (JournalEntry{JournalKind::SwapAdArchive, 14, 14}));
    EXPECT_EQ(w.gs.AcceptedAds[kPlayer][14], 40);
}

TEST(AdAgency, FullJournalRefusesAndChangesNothing) {
    AdWorld w;
    for (int i = 1; i <= kJournalEntries; ++i)
        w.gs.ActionJournal[kPlayer][i] = {JournalKind::SellMovie, 0, 0};
    const auto before = w.Copy();
    EXPECT_EQ(CheckAcceptContract(w.gs, 2, 1), AdOutcome::Confirm);
    EXPECT_EQ(AcceptContract(w.gs, 2, 1), AdOutcome::JournalFull);
    EXPECT_EQ(SwapAdArchive(w.gs, 3, 1), AdOutcome::JournalFull);
    EXPECT_EQ(AdAgencyMessage(AdOutcome::JournalFull),
              (Dialog{"N/A", "You have reached the max. number of actions this turn."}));
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

struct BadAccept {
    int offer;
    int position;
    AdOutcome expected;
};

class AdAgencyAcceptBadArgsTest : public testing::TestWithParam<BadAccept> {};

TEST_P(AdAgencyAcceptBadArgsTest, AreRefusedWithoutChange) {
    const BadAccept& a = GetParam();
    AdWorld w;
    w.gs.AdOffers[kPlayer][5] = kAds + 1;  // an id the pool does not hold
    const auto before = w.Copy();
    EXPECT_EQ(CheckAcceptContract(w.gs, a.offer, a.position), a.expected);
    EXPECT_EQ(AcceptContract(w.gs, a.offer, a.position), a.expected);
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdAgencyAcceptBadArgsTest,
    testing::Values(BadAccept{0, 1, AdOutcome::Invalid}, BadAccept{15, 2, AdOutcome::Invalid},
                    BadAccept{2, 15, AdOutcome::Invalid}, BadAccept{2, 0, AdOutcome::Invalid},
                    BadAccept{INT_MIN, INT_MAX, AdOutcome::Invalid},
                    BadAccept{1, 2, AdOutcome::Empty}, BadAccept{5, 2, AdOutcome::Invalid}));

TEST(AdAgency, OutOfRangePositionsAndIdsAreNeverIndexed) {
    AdWorld w;
    w.gs.AdOffers[kPlayer][5] = kAds + 1;
    w.gs.AcceptedAds[kPlayer][15] = 17;  // entries past 14 are never positions
    w.gs.AcceptedAds[kPlayer][6] = -2;
    const auto before = w.Copy();
    for (const int bad : {0, 15, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(SwapAdArchive(w.gs, bad, 1), AdOutcome::Invalid) << bad;
        EXPECT_EQ(SwapAdArchive(w.gs, 1, bad), AdOutcome::Invalid) << bad;
        EXPECT_EQ(CheckCancelContract(w.gs, bad), AdOutcome::Invalid) << bad;
        EXPECT_EQ(NoCancelMessage(w.gs, w.cat, bad), Dialog{}) << bad;
        EXPECT_EQ(AcceptContractQuestion(w.gs, w.cat, bad), Dialog{}) << bad;
    }
    for (const int32_t bad : {0, kAds + 1, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(AdDeadlineText(w.gs, bad), "") << bad;
        EXPECT_EQ(AdAudienceText(w.gs, bad), "") << bad;
    }
    EXPECT_EQ(CheckCancelContract(w.gs, 6), AdOutcome::Invalid);
    EXPECT_EQ(AcceptContractQuestion(w.gs, w.cat, 5), Dialog{});
    w.gs.PlayerChannel = 0;
    EXPECT_EQ(AcceptContract(w.gs, 2, 1), AdOutcome::Invalid);
    EXPECT_EQ(SwapAdArchive(w.gs, 3, 1), AdOutcome::Invalid);
    EXPECT_EQ(AdDeadlineText(w.gs, 17), "");
    w.gs.PlayerChannel = kPlayer;
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(AdAgencyInfoPanel, DeadlineShowsDaysLeftOnlyOnceAccepted) {
    AdWorld w;
    w.gs.AdDaysLeft[kPlayer][17] = 2;
    w.gs.AdDaysLeft[kPlayer][40] = 4;
    EXPECT_EQ(AdDeadlineText(w.gs, 17), "Deadline: 9 days");
    EXPECT_EQ(AdDeadlineText(w.gs, 40), "Deadline: 4 / 6 days left");
    ASSERT_EQ(AcceptContract(w.gs, 2, 14), AdOutcome::Accepted);
    EXPECT_EQ(AdDeadlineText(w.gs, 17), "Deadline: 2 / 9 days left");
    EXPECT_EQ(AdDeadlineText(w.gs, 0), "");
    EXPECT_EQ(AdDeadlineText(w.gs, kAds + 1), "");
}

TEST(AdAgencyInfoPanel, AudienceNamesTheTargetGroup) {
    AdWorld w;
    EXPECT_EQ(AdAudienceText(w.gs, 17), "Audience: 12 million kids");
    const struct {
        int32_t code;
        const char* text;
    } cases[] = {
        {0, "Audience: 1,500 million viewers"},       {1, "Audience: 1,500 million viewers"},
        {2, "Audience: 1,500 million kids or teens"}, {3, "Audience: 1,500 million adults"},
        {5, "Audience: 1,500 million teens"},         {6, "Audience: 1,500 million women"},
        {7, "Audience: 1,500 million men"},           {8, "Audience: 1,500 million seniors"}};
    for (const auto& c : cases) {
        w.gs.AdPool[kPlayer][40][Ad::kTargetCode] = c.code;
        EXPECT_EQ(AdAudienceText(w.gs, 40), c.text) << c.code;
    }
}

}  // namespace
}  // namespace qvx
