#include "ProgrammeView.h"

#include <gtest/gtest.h>

#include <ostream>

#include "EngineTestSupport.h"
#include "ProgrammeTableTestSupport.h"

namespace qvx {
namespace {

using namespace programme_test;

constexpr int32_t kContract = 7;

struct ViewEditor : Editor {
    ViewEditor() {
        cat.MovieTitles[kMovie3] = "Night Drive";
        cat.MovieCatalogue[kMovie3][Movie::kStars] = 3;
        cat.MovieTitles[kSport2] = "Cup Final";
        cat.MovieCatalogue[kSport2][Movie::kStars] = 1;
        cat.MovieTitles[kSeries2] = "Harbour Lane";
        cat.MovieCatalogue[kSeries2][Movie::kStars] = 0;
        cat.AdNames[kContract] = "Fizz Cola";
        gs.AdPool[kPlayer][kContract][Ad::kSpotsRequired] = 5;
        gs.AdPool[kPlayer][kContract][Ad::kPayment] = 30;
        gs.AdSpotsDone[kPlayer][kContract] = 2;
        gs.AcceptedAds[kPlayer][3] = kContract;
    }
};

struct RowCase {
    const char* name;
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }
    int slot;
    int32_t programme;
    int32_t ad;
    const char* programmeText;
    const char* programmePicture;
    const char* adText;
    const char* adPicture;
};

class ProgrammeRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ProgrammeRowTest, ShowsTheHour) {
    const RowCase& c = GetParam();
    ViewEditor e;
    e.gs.Programme[kPlayer][c.slot][Slot::kProgramme] = c.programme;
    e.gs.Programme[kPlayer][c.slot][Slot::kAd] = c.ad;
    const ProgrammeTableView view = BuildProgrammeTable(e.gs, e.cat, ArchiveTab::MoviesNews);
    const ProgrammeRow& row = view.programmes[static_cast<size_t>(c.slot - 1)];
    const ProgrammeRow& ad = view.ads[static_cast<size_t>(c.slot - 1)];
    EXPECT_EQ(ProgrammeRowText(e.gs, e.cat, c.slot), c.programmeText);
    EXPECT_EQ(row.text, c.programmeText);
    EXPECT_EQ(row.picture, c.programmePicture);
    EXPECT_EQ(row.id, c.programme > 0 ? c.programme : 0);
    EXPECT_EQ(AdRowText(e.gs, e.cat, c.slot), c.adText);
    EXPECT_EQ(ad.text, c.adText);
    EXPECT_EQ(ad.picture, c.adPicture);
    EXPECT_EQ(ad.id, c.ad);
}

INSTANTIATE_TEST_SUITE_P(
    ProgrammeView, ProgrammeRowTest,
    testing::Values(
        RowCase{"EmptyAtTwo", 1, 0, 0, "02:00pm:  (Empty)", "", "Advertisement spot:  (Empty)", ""},
        RowCase{"NewsAtFive", 4, N, 0, "05:00pm:  News spot", "QVX2_NewsSlot.jpg",
                "Advertisement spot:  (Empty)", ""},
        RowCase{"MovieWithAd", 7, kMovie3, kContract, "08:00pm:  \"Night Drive\" - Action***",
                "QVX2_MovieSlot.jpg", "Advertisement spot: \"Fizz Cola\" -2/5", "QVX2_AdSlot.jpg"},
        RowCase{"SportSaysLive", 6, kSport2, 0, "07:00pm:  \"Cup Final\" - Sport / Live*",
                "QVX2_MovieSlot.jpg", "Advertisement spot:  (Empty)", ""},
        RowCase{"NoStarsNoAsterisk", 10, kSeries2, kContract, "11:00pm:  \"Harbour Lane\" - Soap",
                "QVX2_MovieSlot.jpg", "Advertisement spot: \"Fizz Cola\" -2/5", "QVX2_AdSlot.jpg"}),
    CaseName);

TEST(ProgrammeView, MoviesAndNewsTabShowsTheNewsItemThenTheArchive) {
    ViewEditor e;
    const ProgrammeTableView view = BuildProgrammeTable(e.gs, e.cat, ArchiveTab::MoviesNews);
    const auto& news = view.archive[0];
    EXPECT_TRUE(news.shown);
    EXPECT_EQ(news.picture, "NewsArchive.jpg");
    EXPECT_EQ(news.id, 0);
    // Image k shows archive position k - 1, and its blind text carries the image number.
    const auto& movie = view.archive[kImgMovie3 - 1];
    EXPECT_EQ(movie.picture, "MovieArchive.jpg");
    EXPECT_EQ(movie.id, kMovie3);
    EXPECT_TRUE(movie.isTitle);
    EXPECT_EQ(movie.blindText, "2. Night Drive, Movie, Action, Three-Stars (***)");
    EXPECT_EQ(view.archive[kImgSeries2 - 1].picture, "SeriesArchive.jpg");
    EXPECT_EQ(view.archive[kImgEmpty - 1].picture, "MovieArchiveG.jpg");
    EXPECT_EQ(view.archive[kImgEmpty - 1].blindText, "9. Empty slot");
    EXPECT_EQ(view.archive[kImgEmpty - 1].id, 0);
    for (const auto& image : view.archive)
        EXPECT_TRUE(image.shown);
}

TEST(ProgrammeView, AdvertisementsTabShowsFourteenPositions) {
    ViewEditor e;
    const ProgrammeTableView view = BuildProgrammeTable(e.gs, e.cat, ArchiveTab::Advertisements);
    // Image 1 is an ordinary position here, not the news item.
    EXPECT_EQ(view.archive[0].picture, "MovieArchiveG.jpg");
    EXPECT_EQ(view.archive[0].blindText, "1. Empty slot");
    const auto& contract = view.archive[2];
    EXPECT_EQ(contract.picture, "AdsArchive.jpg");
    EXPECT_EQ(contract.id, kContract);
    EXPECT_FALSE(contract.isTitle);
    EXPECT_EQ(contract.blindText, "3. Fizz Cola, 30 millions, 5/2 impressions");
    for (int k = 1; k <= kArchiveImages; ++k)
        EXPECT_EQ(view.archive[static_cast<size_t>(k - 1)].shown, k <= kAcceptedAdPositions) << k;
}

TEST(ProgrammeView, EditsComeBackExactlyAndOnlyThePlayersTables) {
    ViewEditor e;
    e.SetPlan(kMovie3At7, kHourAds);
    const auto before = e.Copy();
    const ProgrammeEdits edits = TakeProgrammeEdits(e.gs);
    // Every table an operation may write, in a slot past the day too.
    e.gs.Programme[kPlayer][0][Slot::kViewers] = 9;
    e.gs.Programme[kPlayer][10][Slot::kAppeal] = 4;
    ASSERT_EQ(PlaceNewsSpot(e.gs, e.cat, 8), O::Changed);
    ASSERT_EQ(SwapArchive(e.gs, ArchiveTab::MoviesNews, 2, 9), O::Changed);
    ASSERT_EQ(SwapArchive(e.gs, ArchiveTab::Advertisements, 3, 14), O::Changed);
    ASSERT_EQ(DeleteProgrammeTable(e.gs), O::Changed);
    EXPECT_NE(TakeProgrammeEdits(e.gs), edits);
    // Something a restore must leave as it is.
    e.gs.AdSpotsDone[kPlayer][kContract] = 4;
    RestoreProgrammeEdits(e.gs, edits);
    EXPECT_EQ(TakeProgrammeEdits(e.gs), edits);
    EXPECT_EQ(test::Differences(e.gs, *before), test::Names{"AdSpotsDone"});
}

}  // namespace
}  // namespace qvx
