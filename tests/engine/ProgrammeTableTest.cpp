#include "ProgrammeTable.h"

#include <gtest/gtest.h>

#include <ostream>

#include "EngineTestSupport.h"
#include "ProgrammeTableTestSupport.h"

namespace qvx {
namespace {

using namespace programme_test;

// ---- titles from the archive ----

struct PlaceCase {
    const char* name;
    friend void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }
    Row before;
    int image;
    int target;
    O outcome;
    Row after;
};

class PlaceArchiveProgrammeTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceArchiveProgrammeTest, FollowsTheDropRules) {
    const PlaceCase& p = GetParam();
    Editor e;
    e.SetPlan(p.before, kHourAds);
    const auto before = e.Copy();
    EXPECT_EQ(PlaceArchiveProgramme(e.gs, e.cat, p.image, p.target), p.outcome);
    EXPECT_EQ(e.Programmes(), p.after);
    EXPECT_EQ(e.Ads(), kHourAds);  // placing a title never touches an ad
    if (p.outcome != O::Changed) {
        EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
    }
    e.SetPlan(p.before, kHourAds);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});  // nothing else was written
}

INSTANTIATE_TEST_SUITE_P(
    ProgrammeTable, PlaceArchiveProgrammeTest,
    testing::Values(
        PlaceCase{"ThreeBlocksFromEightPm", kNoRow, kImgMovie3, 7, O::Changed, kMovie3At7},
        // A title dropped on any block of another removes all of it, not only the hit block.
        PlaceCase{"OneBlockOnTheMiddleOfThree",
                  kMovie3At7,
                  kImgMovie1,
                  8,
                  O::Changed,
                  {0, 0, 0, 0, 0, 0, 0, kMovie1, 0, 0}},
        PlaceCase{"SecondBlockHitsATitle",
                  {0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0, 0, 0},
                  kImgMovie2,
                  4,
                  O::Changed,
                  {0, 0, 0, kMovie2, kMovie2, 0, 0, 0, 0, 0}},
        PlaceCase{"SportMovesToSevenPm",
                  kNoRow,
                  kImgSport2,
                  1,
                  O::Changed,
                  {0, 0, 0, 0, 0, kSport2, kSport2, 0, 0, 0}},
        // The sport rule comes before the length test: five blocks would not fit at 11pm.
        PlaceCase{"LongSportOnElevenPm",
                  kNoRow,
                  kImgSport5,
                  10,
                  O::Changed,
                  {0, 0, 0, 0, 0, kSport5, kSport5, kSport5, kSport5, kSport5}},
        PlaceCase{"FiveBlocksOnElevenPmRefused", kMovie3At7, kImgMovie5, 10, O::DoesNotFit,
                  kMovie3At7},
        // Accepted; the blocks after 11pm are not kept.
        PlaceCase{"FourBlocksOnElevenPm",
                  kMovie3At7,
                  kImgMovie4,
                  10,
                  O::Changed,
                  {0, 0, 0, 0, 0, 0, kMovie3, kMovie3, kMovie3, kMovie4}},
        PlaceCase{"FiveBlocksOnTenPm",
                  kNoRow,
                  kImgMovie5,
                  9,
                  O::Changed,
                  {0, 0, 0, 0, 0, 0, 0, 0, kMovie5, kMovie5}},
        PlaceCase{"SameMovieTwiceKeepsTheNewer",
                  {kMovie3, kMovie3, kMovie3, 0, 0, 0, 0, 0, 0, 0},
                  kImgMovie3,
                  5,
                  O::Changed,
                  {0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0, 0, 0}},
        PlaceCase{"SameSeriesTwiceKeepsBoth",
                  {kSeries2, kSeries2, 0, 0, 0, 0, 0, 0, 0, 0},
                  kImgSeries2,
                  5,
                  O::Changed,
                  {kSeries2, kSeries2, 0, 0, kSeries2, kSeries2, 0, 0, 0, 0}},
        // The series in the way is a title in the way: all its placements go.
        PlaceCase{"SeriesOnItsOwnSecondBlock",
                  {kSeries2, kSeries2, 0, 0, 0, 0, kSeries2, kSeries2, 0, 0},
                  kImgSeries2,
                  2,
                  O::Changed,
                  {0, kSeries2, kSeries2, 0, 0, 0, 0, 0, 0, 0}},
        // The news spot in the way is overwritten; other news spots stay.
        PlaceCase{"OverwritesNewsSpot",
                  {0, 0, N, 0, 0, 0, 0, N, 0, 0},
                  kImgMovie2,
                  2,
                  O::Changed,
                  {0, kMovie2, kMovie2, 0, 0, 0, 0, N, 0, 0}},
        // Blocks 2..4 clear what stands in them, wherever else those titles stand.
        PlaceCase{"ClearsEveryTitleInTheWay",
                  {0, 0, 0, kMovie1, 0, kSeries1, 0, 0, kSeries1, 0},
                  kImgMovie4,
                  3,
                  O::Changed,
                  {0, 0, kMovie4, kMovie4, kMovie4, kMovie4, 0, 0, 0, 0}},
        PlaceCase{"EmptyPosition", kMovie3At7, kImgEmpty, 3, O::EmptyPosition, kMovie3At7},
        PlaceCase{"NewsImageIsNotATitle", kMovie3At7, kNewsImage, 3, O::Invalid, kMovie3At7},
        PlaceCase{"ImagePastTheArchive", kMovie3At7, 29, 3, O::Invalid, kMovie3At7},
        PlaceCase{"OntoTheDustbin", kMovie3At7, kImgMovie1, kDustbin, O::NoRule, kMovie3At7},
        PlaceCase{"SlotPastTheDay", kMovie3At7, kImgMovie1, 11, O::NoRule, kMovie3At7}),
    CaseName);

// ---- rows of the table ----

struct RowCase {
    const char* name;
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }
    Row before;
    Row beforeAds;
    int from;
    int target;
    O outcome;
    Row after;
    Row afterAds;
};

class MoveSlotProgrammeTest : public testing::TestWithParam<RowCase> {};

TEST_P(MoveSlotProgrammeTest, FollowsTheDropRules) {
    const RowCase& p = GetParam();
    Editor e;
    e.gs.MovieArchive[kPlayer][kArchivePositions] = kMovie3;  // a second copy, last position
    e.SetPlan(p.before, p.beforeAds);
    const auto before = e.Copy();
    EXPECT_EQ(MoveSlotProgramme(e.gs, e.cat, p.from, p.target), p.outcome);
    EXPECT_EQ(e.Programmes(), p.after);
    EXPECT_EQ(e.Ads(), p.afterAds);
    e.SetPlan(p.before, p.beforeAds);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{});
}

constexpr Row kSeriesTwice = {kSeries2, kSeries2, 0, 0, kSeries2, kSeries2, 0, 0, 0, 0};
constexpr Row kMovie5At1 = {kMovie5, kMovie5, kMovie5, kMovie5, kMovie5, 0, 0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    ProgrammeTable, MoveSlotProgrammeTest,
    testing::Values(
        RowCase{"DustbinClearsAllHoursAndTheirAds",
                kMovie3At7,
                kHourAds,
                8,
                kDustbin,
                O::Changed,
                kNoRow,
                {51, 52, 53, 54, 55, 56, 0, 0, 0, 60}},
        RowCase{"DustbinClearsEveryPlacementOfASeries",
                kSeriesTwice,
                kHourAds,
                5,
                kDustbin,
                O::Changed,
                kNoRow,
                {0, 0, 53, 54, 0, 0, 57, 58, 59, 60}},
        RowCase{"DustbinClearsOneNewsSpot",
                kTwoNews,
                kHourAds,
                3,
                kDustbin,
                O::Changed,
                {0, 0, 0, 0, N, kMovie2, kMovie2, 0, 0, 0},
                {51, 52, 0, 54, 55, 56, 57, 58, 59, 60}},
        RowCase{"DustbinOnAnEmptyRowClearsItsAd",
                kNoRow,
                kHourAds,
                4,
                kDustbin,
                O::Changed,
                kNoRow,
                {51, 52, 53, 0, 55, 56, 57, 58, 59, 60}},
        // The title hit by the news spot goes from every hour; the ads stay.
        RowCase{"NewsOntoATitle",
                kTwoNews,
                kHourAds,
                3,
                7,
                O::Changed,
                {0, 0, 0, 0, N, 0, N, 0, 0, 0},
                kHourAds},
        RowCase{"NewsOntoAnotherNewsSpot",
                kTwoNews,
                kHourAds,
                3,
                5,
                O::Changed,
                {0, 0, 0, 0, N, kMovie2, kMovie2, 0, 0, 0},
                kHourAds},
        RowCase{"NewsOntoItself", kTwoNews, kHourAds, 3, 3, O::NoRule, kTwoNews, kHourAds},
        RowCase{"MovieFromItsMiddleRow",
                {kMovie3, kMovie3, kMovie3, 0, 0, 0, 0, 0, 0, 0},
                kHourAds,
                2,
                5,
                O::Changed,
                {0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0, 0, 0},
                kHourAds},
        RowCase{"MovieOntoItsOwnLaterBlock",
                {0, kMovie3, kMovie3, kMovie3, 0, 0, 0, 0, 0, 0},
                kHourAds,
                2,
                3,
                O::Changed,
                {0, 0, kMovie3, kMovie3, kMovie3, 0, 0, 0, 0, 0},
                kHourAds},
        // Moving one placement of a series takes the others away too.
        RowCase{"SeriesMoveRemovesOtherPlacements",
                kSeriesTwice,
                kHourAds,
                1,
                8,
                O::Changed,
                {0, 0, 0, 0, 0, 0, 0, kSeries2, kSeries2, 0},
                kHourAds},
        RowCase{"SportMovesToSevenPm",
                {kSport2, kSport2, 0, 0, 0, 0, 0, 0, 0, 0},
                kHourAds,
                1,
                9,
                O::Changed,
                {0, 0, 0, 0, 0, kSport2, kSport2, 0, 0, 0},
                kHourAds},
        // Refused before anything is removed: the movie keeps its hours.
        RowCase{"DoesNotFitKeepsTheMovie", kMovie5At1, kHourAds, 1, 10, O::DoesNotFit, kMovie5At1,
                kHourAds},
        RowCase{"TitleNotInArchive",
                {0, 0, 0, kNotOwned, 0, 0, 0, 0, 0, 0},
                kHourAds,
                4,
                6,
                O::NotInArchive,
                {0, 0, 0, kNotOwned, 0, 0, 0, 0, 0, 0},
                kHourAds},
        RowCase{"EmptyRowOntoARow", kTwoNews, kHourAds, 1, 3, O::NoRule, kTwoNews, kHourAds},
        RowCase{"RowOntoTheArchive", kTwoNews, kHourAds, 6, -3, O::NoRule, kTwoNews, kHourAds},
        RowCase{"RowPastTheDay", kTwoNews, kHourAds, 11, kDustbin, O::Invalid, kTwoNews, kHourAds},
        RowCase{"RowZero", kTwoNews, kHourAds, 0, 3, O::Invalid, kTwoNews, kHourAds}),
    CaseName);

class MoveSlotAdTest : public testing::TestWithParam<RowCase> {};

TEST_P(MoveSlotAdTest, FollowsTheDropRules) {
    const RowCase& p = GetParam();
    Editor e;
    e.SetPlan(p.before, p.beforeAds);
    EXPECT_EQ(MoveSlotAd(e.gs, p.from, p.target), p.outcome);
    EXPECT_EQ(e.Programmes(), p.after);
    EXPECT_EQ(e.Ads(), p.afterAds);
}

INSTANTIATE_TEST_SUITE_P(
    ProgrammeTable, MoveSlotAdTest,
    testing::Values(
        RowCase{"DustbinClearsOnlyThatAd",
                kMovie3At7,
                kHourAds,
                8,
                kDustbin,
                O::Changed,
                kMovie3At7,
                {51, 52, 53, 54, 55, 56, 57, 0, 59, 60}},
        RowCase{"ReplacesTheTargetsAd",
                kMovie3At7,
                kHourAds,
                2,
                9,
                O::Changed,
                kMovie3At7,
                {51, 0, 53, 54, 55, 56, 57, 58, 52, 60}},
        RowCase{"AnyHourTakesAnAd",
                kNoRow,
                {0, 0, 0, 0, 5, 0, 0, 0, 0, 0},
                5,
                1,
                O::Changed,
                kNoRow,
                {5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        RowCase{"OntoItself", kMovie3At7, kHourAds, 4, 4, O::NoRule, kMovie3At7, kHourAds},
        RowCase{"OntoTheArchive", kMovie3At7, kHourAds, 4, -2, O::NoRule, kMovie3At7, kHourAds},
        RowCase{"FromPastTheDay", kMovie3At7, kHourAds, 11, 2, O::Invalid, kMovie3At7, kHourAds},
        RowCase{"OntoPastTheDay", kMovie3At7, kHourAds, 2, 11, O::NoRule, kMovie3At7, kHourAds}),
    CaseName);

}  // namespace
}  // namespace qvx
