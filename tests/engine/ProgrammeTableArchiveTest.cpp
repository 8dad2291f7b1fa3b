#include "ProgrammeTable.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

#include "EngineTestSupport.h"
#include "ProgrammeTableTestSupport.h"

namespace qvx {
namespace {

using namespace programme_test;

// ---- the news item ----

struct NewsCase {
    const char* name;
    friend void PrintTo(const NewsCase& c, std::ostream* os) { *os << c.name; }
    Row before;
    int target;
    O outcome;
    Row after;
};

class PlaceNewsSpotTest : public testing::TestWithParam<NewsCase> {};

TEST_P(PlaceNewsSpotTest, FollowsTheDropRules) {
    const NewsCase& p = GetParam();
    Editor e;
    e.SetPlan(p.before, kHourAds);
    const auto before = e.Copy();
    EXPECT_EQ(PlaceNewsSpot(e.gs, e.cat, p.target), p.outcome);
    EXPECT_EQ(e.Programmes(), p.after);
    EXPECT_EQ(e.Ads(), kHourAds);
    if (p.outcome != O::Changed) {
        EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProgrammeTable, PlaceNewsSpotTest,
    testing::Values(NewsCase{"EmptyHour", kNoRow, 4, O::Changed, {0, 0, 0, N, 0, 0, 0, 0, 0, 0}},
                    // The sweep reaches one hour past the title's length.
                    NewsCase{"TwoBlockMovieAndTheHourAfter",
                             {0, 0, 0, kMovie2, kMovie2, kMovie1, kSeries1, 0, 0, 0},
                             4,
                             O::Changed,
                             {0, 0, 0, N, 0, 0, kSeries1, 0, 0, 0}},
                    // Counted from the drop, not from the title's start; a news spot found in the
                    // sweep takes every news spot with it, a series every placement.
                    NewsCase{"MiddleBlockSweepsNewsAndSeries",
                             {N, 0, kMovie3, kMovie3, kMovie3, N, kSeries1, 0, kSeries1, kMovie1},
                             4,
                             O::Changed,
                             {0, 0, 0, N, 0, 0, 0, 0, 0, kMovie1}},
                    NewsCase{"NoSweepWithoutATitleAtTheTarget",
                             {0, 0, 0, 0, kMovie1, 0, 0, 0, 0, 0},
                             4,
                             O::Changed,
                             {0, 0, 0, N, kMovie1, 0, 0, 0, 0, 0}},
                    NewsCase{"FourBlocksAtElevenPm",
                             {0, 0, 0, 0, 0, 0, 0, 0, kMovie1, kMovie4},
                             10,
                             O::Changed,
                             {0, 0, 0, 0, 0, 0, 0, 0, kMovie1, N}},
                    NewsCase{"OntoTheDustbin", kTwoNews, kDustbin, O::NewsLocked, kTwoNews},
                    NewsCase{"OntoATitleImage", kTwoNews, -kImgMovie2, O::NewsLocked, kTwoNews},
                    NewsCase{"OntoTheLastImage", kTwoNews, -28, O::NewsLocked, kTwoNews},
                    // Its own image takes no drop on this tab, so no target was hit.
                    NewsCase{"OntoItsOwnImage", kTwoNews, -1, O::NoRule, kTwoNews},
                    NewsCase{"Nowhere", kTwoNews, 0, O::NoRule, kTwoNews},
                    NewsCase{"PastTheDay", kTwoNews, 11, O::NoRule, kTwoNews}),
    CaseName);

TEST(ProgrammeTableTexts, OnlyTheLockedNewsItemSpeaks) {
    EXPECT_EQ(ProgrammeMessage(O::NewsLocked),
              (Dialog{"N/A",
                      "The position of the news spots is locked. You cannot move "
                      "them to other movie slots."}));
    for (const O o : {O::Changed, O::NoRule, O::DoesNotFit, O::EmptyPosition, O::NotInArchive,
                      O::NotPlanning, O::Invalid})
        EXPECT_EQ(ProgrammeMessage(o), Dialog{});
    EXPECT_EQ(DeleteProgrammeQuestion(),
              (Dialog{"Delete TV program?",
                      "Do you really wish to delete the whole TV program? You can delete "
                      "single slots by dragging them into this dustbin."}));
}

// ---- contracts, the archive order, the whole table ----

struct AdEditor : Editor {
    AdEditor() {
        gs.AcceptedAds[kPlayer][1] = 33;
        gs.AcceptedAds[kPlayer][14] = 44;
        SetPlan(kMovie3At7, {0, 5, 0, 0, 6, 0, 0, 7, 0, 0});
    }
};

TEST(ProgrammeTableAds, AnyHourTakesAnyContractAndAnEmptyPositionClears) {
    AdEditor e;
    EXPECT_EQ(PlaceArchiveAd(e.gs, 1, 1), O::Changed);   // an hour without a programme
    EXPECT_EQ(PlaceArchiveAd(e.gs, 14, 8), O::Changed);  // replaces contract 7
    EXPECT_EQ(PlaceArchiveAd(e.gs, 2, 2), O::Changed);   // empty position
    EXPECT_EQ(e.Ads(), (Row{33, 0, 0, 0, 6, 0, 0, 44, 0, 0}));
    EXPECT_EQ(e.Programmes(), kMovie3At7);
    const auto before = e.Copy();
    EXPECT_EQ(PlaceArchiveAd(e.gs, 15, 3), O::Invalid);
    EXPECT_EQ(PlaceArchiveAd(e.gs, 0, 3), O::Invalid);
    EXPECT_EQ(PlaceArchiveAd(e.gs, 1, 11), O::NoRule);
    EXPECT_EQ(PlaceArchiveAd(e.gs, 1, kDustbin), O::NoRule);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
}

TEST(ProgrammeTableAds, FillsExactlyTheHoursWithoutAnAd) {
    AdEditor e;
    EXPECT_EQ(FillEmptyAdHours(e.gs, ArchiveTab::Advertisements, 14), O::Changed);
    EXPECT_EQ(e.Ads(), (Row{44, 5, 44, 44, 6, 44, 44, 7, 44, 44}));
    EXPECT_EQ(e.Programmes(), kMovie3At7);
    const auto before = e.Copy();
    EXPECT_EQ(FillEmptyAdHours(e.gs, ArchiveTab::MoviesNews, 1), O::NoRule);
    EXPECT_EQ(FillEmptyAdHours(e.gs, ArchiveTab::Advertisements, 15), O::Invalid);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
}

TEST(ProgrammeTableArchive, SwapsPositionsBehindTheImagesOfEachTab) {
    AdEditor e;
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kImgMovie1, kImgSport2), O::Changed);
    EXPECT_EQ(e.gs.MovieArchive[kPlayer][kImgMovie1 - 1], kSport2);
    EXPECT_EQ(e.gs.MovieArchive[kPlayer][kImgSport2 - 1], kMovie1);
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kArchiveImages, kImgMovie3), O::Changed);
    EXPECT_EQ(e.gs.MovieArchive[kPlayer][kArchivePositions - 1], kMovie3);
    EXPECT_EQ(e.gs.MovieArchive[kPlayer][1], 0);
    // On the Advertisements tab image 1 is an ordinary position.
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::Advertisements, 14, 1), O::Changed);
    EXPECT_EQ(e.gs.AcceptedAds[kPlayer][1], 44);
    EXPECT_EQ(e.gs.AcceptedAds[kPlayer][14], 33);
    const auto before = e.Copy();
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kImgMovie1, kNewsImage), O::NoRule);
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kNewsImage, kImgMovie1), O::Invalid);
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kImgMovie1, kImgMovie1), O::NoRule);
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, kImgMovie1, 29), O::NoRule);
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::Advertisements, 1, 15), O::NoRule);  // hidden
    EXPECT_EQ(SwapArchive(e.gs, ArchiveTab::Advertisements, 15, 1), O::Invalid);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
}

struct RouteCase {
    const char* name;
    friend void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }
    ArchiveTab tab;
    int image;
    int target;
    O outcome;
    Row programmes;
    Row ads;
    int32_t archive1;   // MovieArchive position 1
    int32_t accepted1;  // AcceptedAds position 1
};

class DropArchiveImageTest : public testing::TestWithParam<RouteCase> {};

TEST_P(DropArchiveImageTest, RoutesToTheRuleOfTheTarget) {
    const RouteCase& p = GetParam();
    AdEditor e;
    EXPECT_EQ(DropArchiveImage(e.gs, e.cat, p.tab, p.image, p.target), p.outcome);
    EXPECT_EQ(e.Programmes(), p.programmes);
    EXPECT_EQ(e.Ads(), p.ads);
    EXPECT_EQ(e.gs.MovieArchive[kPlayer][1], p.archive1);
    EXPECT_EQ(e.gs.AcceptedAds[kPlayer][1], p.accepted1);
}

constexpr Row kAdEditorAds = {0, 5, 0, 0, 6, 0, 0, 7, 0, 0};
constexpr auto kMN = ArchiveTab::MoviesNews;
constexpr auto kAdTab = ArchiveTab::Advertisements;

INSTANTIATE_TEST_SUITE_P(
    ProgrammeTable, DropArchiveImageTest,
    testing::Values(RouteCase{"NewsItemOnARow",
                              kMN,
                              1,
                              2,
                              O::Changed,
                              {0, N, 0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0},
                              kAdEditorAds,
                              kMovie3,
                              33},
                    RouteCase{"NewsItemOnTheDustbin", kMN, 1, kDustbin, O::NewsLocked, kMovie3At7,
                              kAdEditorAds, kMovie3, 33},
                    RouteCase{"TitleOnARow",
                              kMN,
                              kImgMovie1,
                              1,
                              O::Changed,
                              {kMovie1, 0, 0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0},
                              kAdEditorAds,
                              kMovie3,
                              33},
                    RouteCase{"TitleOnATitle", kMN, kImgMovie1, -kImgMovie3, O::Changed, kMovie3At7,
                              kAdEditorAds, kMovie1, 33},
                    RouteCase{"TitleOnTheNewsItem", kMN, kImgMovie1, -1, O::NoRule, kMovie3At7,
                              kAdEditorAds, kMovie3, 33},
                    RouteCase{"TitleOnTheDustbin", kMN, kImgMovie3, kDustbin, O::NoRule, kMovie3At7,
                              kAdEditorAds, kMovie3, 33},
                    RouteCase{"ContractOnARow",
                              kAdTab,
                              1,
                              3,
                              O::Changed,
                              kMovie3At7,
                              {0, 5, 33, 0, 6, 0, 0, 7, 0, 0},
                              kMovie3,
                              33},
                    RouteCase{"ContractOnContractOne", kAdTab, 2, -1, O::Changed, kMovie3At7,
                              kAdEditorAds, kMovie3, 0},
                    RouteCase{"ContractOnTheDustbin", kAdTab, 1, kDustbin, O::NoRule, kMovie3At7,
                              kAdEditorAds, kMovie3, 33},
                    RouteCase{"HiddenContractImage", kAdTab, 15, kDustbin, O::Invalid, kMovie3At7,
                              kAdEditorAds, kMovie3, 33}),
    CaseName);

TEST(ProgrammeTableDelete, ClearsEveryFieldOfTheTenHoursOfThePlayerOnly) {
    Editor e;
    for (int s = 0; s <= kSlots; ++s) {
        for (int f = 1; f <= kFields; ++f)
            e.gs.Programme[kPlayer][s][f] = 100 * s + f;
    }
    const auto before = e.Copy();
    EXPECT_EQ(DeleteProgrammeTable(e.gs), O::Changed);
    for (int s = 1; s <= kSlots; ++s)
        EXPECT_EQ(e.gs.Programme[kPlayer][s], Record{}) << "slot " << s;
    e.gs.Programme[kPlayer] = before->Programme[kPlayer];
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
}

// ---- every drop outside the planning phase, and arbitrary input ----

TEST(ProgrammeTable, NoDropOutsideThePlanningPhaseOrWithoutAPlayer) {
    for (const auto& [phase, player, expected] :
         {std::tuple{Info::kPhaseBroadcasting, kPlayer, O::NotPlanning},
          std::tuple{0, kPlayer, O::NotPlanning}, std::tuple{Info::kPhasePlanning, 0, O::Invalid},
          std::tuple{Info::kPhasePlanning, 5, O::Invalid}}) {
        AdEditor e;
        e.gs.GameInfo[Info::kPhase] = phase;
        e.gs.PlayerChannel = player;
        const auto before = e.Copy();
        EXPECT_EQ(MoveSlotProgramme(e.gs, e.cat, 7, kDustbin), expected);
        EXPECT_EQ(MoveSlotAd(e.gs, 2, kDustbin), expected);
        EXPECT_EQ(PlaceArchiveProgramme(e.gs, e.cat, kImgMovie1, 1), expected);
        EXPECT_EQ(PlaceNewsSpot(e.gs, e.cat, 1), expected);
        EXPECT_EQ(PlaceArchiveAd(e.gs, 1, 1), expected);
        EXPECT_EQ(SwapArchive(e.gs, kMN, kImgMovie1, kImgMovie2), expected);
        EXPECT_EQ(DropArchiveImage(e.gs, e.cat, kAdTab, 1, kDustbin), expected);
        EXPECT_EQ(FillEmptyAdHours(e.gs, kAdTab, 1), expected);
        EXPECT_EQ(DeleteProgrammeTable(e.gs), expected);
        EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
    }
}

// A random player drops anything anywhere: nothing is read or written out of bounds (the
// sanitizer build checks), a drop that is not applied changes nothing, and nothing but the
// player's plan and archives is ever written.
TEST(ProgrammeTable, ArbitraryDropsStayInBounds) {
    std::mt19937 rng(2024);
    Editor e;
    test::FillGame(e.gs, 7);
    test::FillCatalogue(e.cat, 8);
    for (int m = 1; m <= kMovies; ++m) {
        Record& title = e.cat.MovieCatalogue[m];
        // Most titles sane so that drops apply; the rest keep garbage lengths and genres.
        if (m % 4 != 0) {
            title[Movie::kLength] = static_cast<int32_t>(rng() % 8) - 1;
            title[Movie::kGenre] = static_cast<int32_t>(rng() % 16);
            title[Movie::kType] = static_cast<int32_t>(rng() % 5);
        }
    }
    e.gs.PlayerChannel = kPlayer;
    e.gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
    e.gs.MovieArchive[kPlayer][3] = -5;
    e.gs.AcceptedAds[kPlayer][4] = 1000;
    const auto initial = e.Copy();
    const std::vector<int> values = {INT_MIN, -1001, kDustbin, -29, -28, -15, -14, -2, -1,     0,
                                     1,       5,     10,       11,  12,  14,  28,  29, INT_MAX};
    const auto pick = [&] {
        return rng() % 2 ? values[rng() % values.size()] : static_cast<int>(rng() % 31) - 15;
    };
    for (int i = 0; i < 20000; ++i) {
        if (i % 200 == 0) {  // keep the plan from wearing down to an empty table
            for (int s = 1; s <= kSlots; ++s)
                e.gs.Programme[kPlayer][s][Slot::kProgramme] = static_cast<int32_t>(rng() % 40) - 1;
        }
        const auto plan = e.gs.Programme[kPlayer];
        const auto archive = e.gs.MovieArchive[kPlayer];
        const auto accepted = e.gs.AcceptedAds[kPlayer];
        const int a = pick(), b = pick();
        const auto tab = rng() % 2 ? kMN : kAdTab;
        O o = O::Changed;
        switch (rng() % 7) {
            case 0:
                o = MoveSlotProgramme(e.gs, e.cat, a, b);
                break;
            case 1:
                o = MoveSlotAd(e.gs, a, b);
                break;
            case 2:
                o = PlaceArchiveProgramme(e.gs, e.cat, a, b);
                break;
            case 3:
                o = PlaceNewsSpot(e.gs, e.cat, b);
                break;
            case 4:
                o = DropArchiveImage(e.gs, e.cat, tab, a, b);
                break;
            case 5:
                o = FillEmptyAdHours(e.gs, tab, a);
                break;
            default:
                o = PlaceArchiveAd(e.gs, a, b);
                break;
        }
        if (o != O::Changed) {
            ASSERT_EQ(e.gs.Programme[kPlayer], plan) << i;
            ASSERT_EQ(e.gs.MovieArchive[kPlayer], archive) << i;
            ASSERT_EQ(e.gs.AcceptedAds[kPlayer], accepted) << i;
        }
    }
    e.gs.Programme[kPlayer] = initial->Programme[kPlayer];
    e.gs.MovieArchive[kPlayer] = initial->MovieArchive[kPlayer];
    e.gs.AcceptedAds[kPlayer] = initial->AcceptedAds[kPlayer];
    EXPECT_EQ(test::Differences(e.gs, *initial), test::Names{});
}

}  // namespace
}  // namespace qvx
