#include "SimulateDay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Appeal.h"
#include "Boosters.h"
#include "DayTestSupport.h"

namespace qvx {
namespace {

using test::ContractData;
using test::DayWorld;
using test::Five;
using test::Ratings;
using test::TitleData;

// ---- hour bands ----

TEST(PotentialViewers, BandsTakeTheTruncatedFractionAway) {
    // p = 101: half = 101 - 50, three quarters = 101 - 25, two thirds = 101 - 33.
    constexpr int32_t F = 101, H = 51, Q = 76, T = 68, O = 0;
    constexpr int32_t kExpected[kAudienceGroups][kSlots] = {
        {F, F, F, F, F, F, F, Q, Q, O},  // Kids
        {H, H, H, Q, Q, Q, F, F, F, H},  // Teens
        {F, F, F, F, F, F, Q, Q, H, H},  // Women
        {O, O, O, H, H, H, F, F, T, T},  // Men
        {H, H, H, H, H, H, F, F, F, F},  // Seniors
    };
    for (int g = 0; g < kAudienceGroups; ++g) {
        for (int h = 1; h <= kSlots; ++h) {
            EXPECT_EQ(PotentialViewers(101, g, h, false), kExpected[g][h - 1]) << g << " " << h;
            const bool full = g == kTeens || g == kWomen || g == kMen;
            EXPECT_EQ(PotentialViewers(101, g, h, true), full ? F : kExpected[g][h - 1])
                << "holiday " << g << " " << h;
        }
    }
}

// A title every group likes at least 50, shown alone to an audience whose popularity is 100:
// every score is at least 100, so each group's share is the whole potential.
const TitleData kCrowdPleaser{
    .genre = Genre::kAction, .length = 2, .ratings = {100, 100, 100, 100, 100, 100}};

class HolidayTurn : public testing::TestWithParam<std::pair<int32_t, bool>> {};

TEST_P(HolidayTurn, TeensWomenAndMenWatchInFullAtTwoPm) {
    const auto [turn, holiday] = GetParam();
    DayWorld w;
    w.gs.GameInfo[Info::kTurn] = turn;
    w.AddRegion(1, "Northland", {40, 61, 80, 101, 51});
    w.OpenChannel(2, false);
    w.GrantLicence(1, 2, {100, 100, 100, 100, 100});
    w.PutTitle(10, kCrowdPleaser);
    w.SetSlot(2, 1, 10);
    w.Simulate();
    const Five expected = holiday ? Five{40, 61, 80, 101, 26} : Five{40, 31, 80, 0, 26};
    EXPECT_EQ(w.Viewers(2, 1), expected);
}

INSTANTIATE_TEST_SUITE_P(Turns, HolidayTurn,
                         testing::Values(std::pair{5, false}, std::pair{6, true},
                                         std::pair{11, true}, std::pair{12, false},
                                         std::pair{18, true}));

// ---- appeal of a title ----

struct AppealCase {
    const char* name;
    TitleData title;
    Five expected;
};

class TitleAppealCase : public testing::TestWithParam<AppealCase> {};

TEST_P(TitleAppealCase, MatchesTheGroupFormulas) {
    EXPECT_EQ(TitleAppeal(test::MakeTitle(GetParam().title)), GetParam().expected);
}

constexpr int32_t kMovieType = Movie::kTypeMovie;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Titles, TitleAppealCase, testing::Values(
    // Kids 10+40+30+40-5 +25 cartoon +25 one block = 165 -> 22; Teens 20+30+50-5-40 = 55.
    AppealCase{"CartoonOneBlock", {kMovieType, Genre::kCartoon, 1, {10, 20, 5, 30, 40, 50}},
        {22, 8, 10, 14, 6}},
    // Kids 0 for War whatever the ratings; Teens n = 2 (A) + X + K = 4 -> 345.
    AppealCase{"WarAllExcellent", {kMovieType, Genre::kWar, 2, {95, 95, 95, 95, 95, 95}},
        {0, 53, 68, 78, 78}},
    // Teens -164 -> -16400/650 = -25.2 -> -25 (toward zero); Men -37 -> -7.4 -> -7.
    AppealCase{"LoveNegativeRaw", {kMovieType, Genre::kLove, 4, {0, 47, 80, 0, 0, 10}},
        {0, -25, 35, -7, 23}},
    AppealCase{"QuizFourBlocks", {kMovieType, Genre::kQuiz, 4, {30, 60, 40, 10, 70, 20}},
        {25, -10, 28, 0, 36}},
    // 90 is not "above 90": no 50s at all; at 91 every rating earns its 50.
    AppealCase{"RatingsOf90", {kMovieType, Genre::kDrama, 3, {90, 90, 90, 90, 90, 90}},
        {48, 17, 42, 41, 45}},
    AppealCase{"RatingsOf91", {kMovieType, Genre::kDrama, 3, {91, 91, 91, 91, 91, 91}},
        {75, 48, 69, 71, 76}},
    // Only A above 90: Teens 190 + 2 x 50 + 25 = 315 -> 48; Women -95 -> -12.
    AppealCase{"ActionCountsTwiceForTeens", {kMovieType, Genre::kAction, 1, {95, 0, 0, 0, 0, 0}},
        {22, 48, -12, 34, 22}},
    AppealCase{"ThrillerKidsZero", {kMovieType, Genre::kThriller, 1, {99, 99, 0, 99, 99, 0}},
        {0, 42, 13, 44, 53}},
    AppealCase{"CulturalKidsZero", {kMovieType, Genre::kCultural, 2, {0, 95, 0, 0, 95, 0}},
        {0, -25, 45, -14, 48}},
    AppealCase{"ScienceFiction", {kMovieType, Genre::kSciFi, 3, {40, 0, 0, 95, 50, 30}},
        {31, 46, -4, 48, 0}},
    AppealCase{"PlainWestern", test::kPlainWestern, test::kPlainWesternAppeal}),
    test::CaseName{});
// clang-format on

TEST(SimulateDayAppeal, NegativeScoreTruncatesThenTakesTheBonusThenStopsAtZero) {
    DayWorld w;
    w.gs.GameInfo[Info::kTurn] = 6;  // a holiday: the Holidays card adds 25
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, true);
    w.OpenChannel(2, false);
    w.PutTitle(10, {kMovieType, Genre::kLove, 4, {0, 47, 80, 0, 0, 10}});
    w.SetSlot(1, 1, 10);
    w.SetSlot(2, 1, 10);
    w.SetDeck({Card::kTechnician, Card::kHolidays});
    w.Simulate();
    // Human: (0, -25, 35, -7, 23) + 30. Flooring -25.2 and -7.4 would give 4 and 22.
    EXPECT_EQ(w.Appeals(1, 1), (Five{30, 5, 65, 23, 53}));
    // Computer: no cards, negative appeals cut to 0.
    EXPECT_EQ(w.Appeals(2, 1), (Five{0, 0, 35, 0, 23}));
}

// ---- card bonuses on title hours ----

struct CardCase {
    const char* name;
    std::vector<int32_t> cards;
    int32_t turn;
    bool human;
    std::vector<std::pair<int, int32_t>> otherSlots;  // (slot, title id)
    int32_t bonus;
};

class TitleCardBonus : public testing::TestWithParam<CardCase> {};

TEST_P(TitleCardBonus, AddsToEveryGroupOfEveryTitleHour) {
    const CardCase& p = GetParam();
    DayWorld w;
    w.gs.GameInfo[Info::kTurn] = p.turn;
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, p.human);
    w.PutTitle(10, test::kPlainWestern);
    w.PutTitle(11, {kMovieType, Genre::kAction, 2, {80, 10, 10, 70, 40, 60}});
    w.PutTitle(12, {kMovieType, Genre::kWar, 1, {60, 5, 5, 50, 30, 40}});
    w.PutTitle(13, {kMovieType, Genre::kSport, 1, {70, 10, 0, 20, 20, 50}});
    w.PutTitle(14, {.genre = Genre::kDrama, .ratings = {50, 50, 50, 50, 50, 50}, .stars = 5});
    w.SetSlot(1, 4, 10);
    w.SetSlot(1, 5, Slot::kNewsShow);
    for (const auto& [h, id] : p.otherSlots)
        w.SetSlot(1, h, id);
    w.deck.ActiveBoosters.fill(0);
    for (size_t i = 0; i < p.cards.size(); ++i)
        w.deck.ActiveBoosters[i + 1] = p.cards[i];
    w.Simulate();
    Five expected = test::kPlainWesternAppeal;
    for (auto& v : expected)
        v += p.bonus;
    EXPECT_EQ(w.Appeals(1, 4), expected);
    // Title cards never touch the news show: a human's empty show rates 0, a computer's slot 5
    // mix (1, 1, 1) rates as usual.
    EXPECT_EQ(w.Appeals(1, 5), (p.human ? Five{0, 0, 0, 0, 0} : Five{0, 25, 25, 24, 25}));
}

using Slots = std::vector<std::pair<int, int32_t>>;
const Slots kActionTwoHoursWarOne{{1, 11}, {2, 11}, {3, 12}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, TitleCardBonus, testing::Values(
    CardCase{"NoCards", {}, 1, true, {}, 0},
    CardCase{"Technician", {Card::kTechnician}, 1, true, {}, 5},
    CardCase{"TechnicianAndHighDefinition", {Card::kTechnician, Card::kHighDefinition}, 1, true,
        {}, 10},
    CardCase{"ComputerGetsNothing", {Card::kTechnician, Card::kHighDefinition}, 1, false, {}, 0},
    CardCase{"HolidaysOffHoliday", {Card::kHolidays}, 5, true, {}, 0},
    CardCase{"HolidaysOnHoliday", {Card::kHolidays}, 11, true, {}, 25},
    CardCase{"TentpolingWithoutFiveStars", {Card::kTentpoling}, 1, true, {}, 0},
    CardCase{"TentpolingFiveStarsLater", {Card::kTentpoling}, 1, true, {{9, 14}}, 5},
    CardCase{"ActionWarThreeSlots", {Card::kThemingActionWar}, 1, true, kActionTwoHoursWarOne, 5},
    CardCase{"ActionWarTwoSlots", {Card::kThemingActionWar}, 1, true, {{1, 11}, {2, 11}}, 0},
    CardCase{"SportOneSlot", {Card::kThemingSport}, 1, true, {{1, 13}}, 5},
    CardCase{"WrongTheme", {Card::kThemingCartoonComedy}, 1, true, kActionTwoHoursWarOne, 0},
    CardCase{"Everything", {Card::kTechnician, Card::kHolidays, Card::kTentpoling,
             Card::kThemingActionWar, Card::kThemingSport}, 6, true,
             {{1, 11}, {2, 11}, {3, 12}, {7, 13}, {9, 14}}, 45}),
    test::CaseName{});
// clang-format on

// ---- news show ----

struct NewsCase {
    const char* name;
    bool human;
    int32_t autoPlayDays;
    std::vector<int> newsSlots;
    std::array<int32_t, 3> newsShow;  // ids: 1 Politics, 2 and 3 Sport, 4 Stars & Lifestyle
    std::vector<int32_t> cards;
    int slot;
    Five expected;
};

class NewsShowAppeal : public testing::TestWithParam<NewsCase> {};

TEST_P(NewsShowAppeal, FollowsMixCardsAndWearDown) {
    const NewsCase& p = GetParam();
    DayWorld w;
    w.gs.GameInfo[Info::kAutoPlayDays] = p.autoPlayDays;
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, p.human);
    w.PutNews(1, News::kPolitics);
    w.PutNews(2, News::kSport);
    w.PutNews(3, News::kSport);
    w.PutNews(4, News::kStarsLifestyle);
    for (int i = 0; i < 3; ++i)
        w.gs.NewsShow[1][i + 1] = p.newsShow[static_cast<size_t>(i)];
    for (const int h : p.newsSlots)
        w.SetSlot(1, h, Slot::kNewsShow);
    for (size_t i = 0; i < p.cards.size(); ++i)
        w.deck.ActiveBoosters[i + 1] = p.cards[i];
    w.Simulate();
    EXPECT_EQ(w.Appeals(1, p.slot), p.expected);
}

constexpr std::array<int32_t, 3> kPolSportSport{1, 2, 3};  // mix (1, 0, 2)
constexpr std::array<int32_t, 3> kOneOfEach{1, 4, 2};      // mix (1, 1, 1)

constexpr int32_t kPap = Card::kPaparazzi, kStar = Card::kStarModerator,
                  kTheme = Card::kThemingNews;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shows, NewsShowAppeal, testing::Values(
    // Computer mixes: (0,2,1) in slots 1-3, (1,1,1) in 4-8, (3,0,0) in 9-10.
    // Men = (25 k1) div 2 + (25 k3) div 2, so (1,1,1) gives 12 + 12.
    NewsCase{"ComputerSlot3", false, 0, {3}, {}, {}, 3, {0, 25, 50, 12, 0}},
    NewsCase{"ComputerSlot4", false, 0, {4}, {}, {}, 4, {0, 25, 25, 24, 25}},
    NewsCase{"ComputerSlot8", false, 0, {8}, {}, {}, 8, {0, 25, 25, 24, 25}},
    NewsCase{"ComputerSlot9", false, 0, {9}, {}, {}, 9, {0, 0, 0, 37, 75}},
    NewsCase{"HumanOwnItems", true, 0, {1}, kPolSportSport, {}, 1, {0, 50, 0, 37, 25}},
    NewsCase{"HumanOneLifestyleItem", true, 0, {1}, {4, 0, 0}, {}, 1, {0, 0, 25, 0, 0}},
    NewsCase{"HumanOnAutoPlayGetsComputerMix", true, 3, {1}, kPolSportSport, {}, 1,
        {0, 25, 50, 12, 0}},
    NewsCase{"PaparazziTwice", true, 0, {1}, kPolSportSport, {kPap, kPap}, 1, {0, 60, 10, 47, 35}},
    NewsCase{"ComputerIgnoresCards", false, 0, {4}, {}, {kPap}, 4, {0, 25, 25, 24, 25}},
    // Wear-down: w earlier news slots, divided when w > 2.
    NewsCase{"TwoEarlierNewsNoWear", false, 0, {1, 2, 3}, {}, {}, 3, {0, 25, 50, 12, 0}},
    NewsCase{"ThreeEarlierNews", false, 0, {1, 2, 3, 4}, {}, {}, 4, {0, 8, 8, 8, 8}},
    NewsCase{"FifthNewsSlotQuartered", false, 0, {1, 2, 3, 4, 5}, {}, {}, 5, {0, 6, 6, 6, 6}},
    NewsCase{"StarModeratorStopsWear", true, 0, {1, 2, 3, 4, 5}, kPolSportSport, {kStar}, 5,
        {0, 50, 0, 37, 25}},
    // Bonus first, then the division: (25 + 5) / 4 and (24 + 5) / 4.
    NewsCase{"PaparazziBeforeWear", true, 0, {1, 2, 3, 4, 5}, kOneOfEach, {kPap}, 5,
        {0, 7, 7, 7, 7}},
    NewsCase{"ThemingNewsSevenSlots", true, 0, {1, 2, 3, 4, 5, 6, 7}, kPolSportSport, {kTheme}, 1,
        {0, 55, 5, 42, 30}},
    NewsCase{"ThemingNewsSixSlots", true, 0, {1, 2, 3, 4, 5, 6}, kPolSportSport, {kTheme}, 1,
        {0, 50, 0, 37, 25}}),
    test::CaseName{});
// clang-format on

// ---- regional distribution ----

TEST(RegionalDistribution, SharesOfScoresSummedOverRegions) {
    DayWorld w;
    w.AddRegion(1, "Northland", {40, 60, 80, 101, 50});
    w.AddRegion(2, "Southland", {20, 20, 20, 20, 20});
    w.AddRegion(3, "Westland", {30, 30, 30, 30, 30});  // nobody broadcasts here
    w.OpenChannel(1, true);
    w.OpenChannel(2, false);
    w.OpenChannel(3, false);
    w.OpenChannel(4, false);
    w.PutTitle(10, test::kPlainWestern);
    w.PutTitle(11, {kMovieType, Genre::kDrama, 3, {91, 91, 91, 91, 91, 91}});  // 75,48,69,71,76
    w.GrantLicence(1, 2, {10, 30, 0, 0, 0});
    w.GrantLicence(2, 2);
    w.GrantLicence(1, 3, {0, 0, 41, 0, 100});
    w.GrantLicence(1, 4, {100, 100, 100, 100, 100});
    w.SetSlot(1, 7, 11);               // strong programme, but no licence anywhere
    w.SetSlot(2, 7, Slot::kNewsShow);  // 0, 25, 25, 24, 25
    w.SetSlot(3, 7, 10);
    w.SetSlot(4, 7, 11);
    w.Simulate();
    // Slot 7 potentials in Northland: 40, 60, 80 - 20, 101, 50. Scores there:
    // ch2 (5, 40, 25, 24, 25), ch3 (26, 7, 40, 25, 73), ch4 (125, 98, 119, 121, 126);
    // totals (156, 145, 184, 170, 224). ch2's shares 500/156 = 3, 4000/145 = 27, 13, 14, 11.
    // Southland has ch2 alone: T = its score, share = score (cut from 100): Kids 0 with T := 1,
    // Teens 25 x 20 / 100 = 5, Women 25 x 15 / 100 = 3, Men 24 x 20 / 100 = 4, Seniors 5.
    EXPECT_EQ(w.Viewers(2, 7), (Five{1 + 0, 16 + 5, 7 + 3, 14 + 4, 5 + 5}));
    EXPECT_EQ(w.Viewers(3, 7), (Five{6, 2, 12, 14, 16}));
    EXPECT_EQ(w.Viewers(4, 7), (Five{32, 40, 38, 71, 28}));
    EXPECT_EQ(w.Viewers(1, 7), (Five{0, 0, 0, 0, 0}));
    EXPECT_EQ(w.Appeals(1, 7), (Five{75, 48, 69, 71, 76}));
    for (int h = 1; h <= kSlots; ++h) {
        if (h != 7) {
            EXPECT_EQ(w.Viewers(2, h), (Five{0, 0, 0, 0, 0})) << h;
        }
    }
}

TEST(RegionalDistribution, ChannelOutOfBusinessNeitherRatedNorCounted) {
    DayWorld w;
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.OpenChannel(2, false);
    w.GrantLicence(1, 2);
    w.GrantLicence(1, 3, {100, 100, 100, 100, 100});
    w.gs.Channel[3][Ch::kMoney] = 500;  // licence and plan, but not in business
    w.PutTitle(10, test::kPlainWestern);
    w.gs.MovieArchive[3][1] = 10;
    w.SetSlot(2, 7, 10);
    w.SetSlot(3, 7, 10);
    w.Simulate();
    // ch2 alone: share = score = appeal (popularity 0).
    EXPECT_EQ(w.Viewers(2, 7),
              (Five{26 * 20 / 100, 7 * 20 / 100, 20 * 15 / 100, 25 * 20 / 100, 23 * 20 / 100}));
    EXPECT_EQ(w.Viewers(3, 7), (Five{0, 0, 0, 0, 0}));
    EXPECT_EQ(w.Appeals(3, 7), (Five{0, 0, 0, 0, 0}));
    EXPECT_EQ(w.gs.MovieArchive[3][1], 10);
}

// ---- titles used up ----

TEST(Consumption, MovieLeavesTheArchiveAfterItsRunAndIsStillRatedLater) {
    DayWorld w;
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.OpenChannel(2, false);
    w.GrantLicence(1, 2);
    w.PutTitle(10, test::kPlainWestern);
    w.gs.MovieArchive[2][3] = 10;
    w.gs.MovieArchive[2][7] = 10;
    w.gs.MovieArchive[2][8] = 11;
    w.SetSlots(2, {4, 5, 6, 9}, 10);
    w.Simulate();
    EXPECT_EQ(w.gs.MovieArchive[2][3], 0);
    EXPECT_EQ(w.gs.MovieArchive[2][7], 0);
    EXPECT_EQ(w.gs.MovieArchive[2][8], 11);
    for (const int h : {4, 5, 6, 9}) {
        EXPECT_EQ(w.gs.Programme[2][h][Slot::kProgramme], 10) << h;
        EXPECT_EQ(w.Appeals(2, h), test::kPlainWesternAppeal) << h;
    }
}

struct EpisodeCase {
    const char* name;
    std::vector<int> slots;
    std::vector<int> archivePositions;
    int32_t episodesShown;
    std::vector<int> continuationSlots;
};

class EpisodeCount : public testing::TestWithParam<EpisodeCase> {};

TEST_P(EpisodeCount, WholeTwoBlockEpisodesCountOnce) {
    const EpisodeCase& p = GetParam();
    DayWorld w;
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.OpenChannel(2, false);
    w.GrantLicence(1, 2);
    w.PutTitle(20,
               {.type = Movie::kTypeSeries, .genre = Genre::kSoap, .length = 2, .episodes = 10});
    for (const int pos : p.archivePositions)
        w.gs.MovieArchive[2][pos] = 20;
    for (const int h : p.slots)
        w.SetSlot(2, h, 20);
    w.Simulate();
    EXPECT_EQ(w.gs.EpisodesShown[2][20], p.episodesShown);
    for (int h = 1; h <= kSlots; ++h) {
        const bool continues = std::find(p.continuationSlots.begin(), p.continuationSlots.end(),
                                         h) != p.continuationSlots.end();
        EXPECT_EQ(w.gs.Programme[2][h][Slot::kContinuesEpisode], continues ? 1 : 0) << h;
    }
    for (const int pos : p.archivePositions)
        EXPECT_EQ(w.gs.MovieArchive[2][pos], 20);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, EpisodeCount,
    testing::Values(EpisodeCase{"FourSlotsTwoEpisodes", {1, 2, 3, 4}, {1}, 2, {2, 4}},
                    EpisodeCase{"ThreeSlotsOneEpisode", {1, 2, 3}, {1}, 1, {2}},
                    EpisodeCase{"TwoSeparateRuns", {2, 3, 6, 7}, {1}, 2, {3, 7}},
                    EpisodeCase{"LoneBlockCountsNothing", {5}, {1}, 0, {}},
                    EpisodeCase{"LastSlotCannotStartAnEpisode", {8, 9, 10}, {1}, 1, {9}},
                    EpisodeCase{"EveryArchivePositionCounts", {1, 2}, {1, 5}, 2, {2}}),
    test::CaseName{});

TEST(Consumption, LastEpisodeEndsTheSeriesForTheDay) {
    for (const int32_t blocks : {1, 2}) {
        SCOPED_TRACE(blocks);
        DayWorld w;
        w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
        w.OpenChannel(2, false);
        w.GrantLicence(1, 2);
        w.PutTitle(20, {.type = Movie::kTypeSeries,
                        .genre = Genre::kSoap,
                        .length = blocks,
                        .ratings = {50, 50, 50, 50, 50, 50},
                        .episodes = 5});
        w.gs.MovieArchive[2][4] = 20;
        // One episode left after this one for one-block episodes, none for two-block ones.
        w.gs.EpisodesShown[2][20] = blocks == 1 ? 3 : 4;
        w.SetSlots(2, {1, 2, 3, 4, 5, 6}, 20);
        w.Simulate();
        EXPECT_EQ(w.gs.EpisodesShown[2][20], 0);
        EXPECT_EQ(w.gs.MovieArchive[2][4], 0);
        for (int h = 1; h <= 6; ++h) {
            const bool kept = h <= 2;  // the last episode ends in slot 2 in both cases
            EXPECT_EQ(w.gs.Programme[2][h][Slot::kProgramme], kept ? 20 : 0) << h;
            EXPECT_EQ(w.Appeals(2, h)[kWomen] > 0, kept) << h;
            EXPECT_EQ(w.Viewers(2, h)[kWomen] > 0, kept) << h;
        }
    }
}

// ---- ad choice of computer channels ----

// Channel 2, computer-run, shows the news all day to a loyal audience: every hour reaches
// well over one viewer, and no hour reaches a million.
void LoyalNewsChannel(DayWorld& w, int c) {
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.GrantLicence(1, c, {100, 100, 100, 100, 100});
    for (int h = 1; h <= kSlots; ++h)
        w.SetSlot(c, h, Slot::kNewsShow);
}

std::vector<int32_t> AdsOfTheDay(const DayWorld& w, int c) {
    std::vector<int32_t> ads;
    for (int h = 1; h <= kSlots; ++h)
        ads.push_back(w.gs.Programme[c][h][Slot::kAd]);
    return ads;
}

constexpr int32_t kUnreachable = 1'000'000;

TEST(AdChoice, AcceptedContractsFirstByPaymentPerSpotEarlierPositionOnTies) {
    DayWorld w;
    w.OpenChannel(2, false);
    LoyalNewsChannel(w, 2);
    w.PutContract(2, 7, {.spots = 10, .payment = 900});   // 90 a spot
    w.PutContract(2, 6, {.spots = 12, .payment = 1200});  // 100
    w.PutContract(2, 5, {.spots = 8, .payment = 800});    // 100
    w.PutContract(2, 8, {.minViewers = kUnreachable, .payment = 2400});
    w.PutContract(2, 9, {.payment = 5000, .open = 0});
    w.PutContract(2, 20, {.payment = 9999});  // better, but not accepted
    const int32_t accepted[] = {7, 6, 5, 8, 9};
    for (int p = 1; p <= 5; ++p)
        w.gs.AcceptedAds[2][p] = accepted[p - 1];
    w.Simulate();
    // 6 runs its 12 spots in slots 1-6, then 5 its 8 spots in slots 7-10.
    EXPECT_EQ(AdsOfTheDay(w, 2), (std::vector<int32_t>{6, 6, 6, 6, 6, 6, 5, 5, 5, 5}));
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 10000 + 1200 + 800);
    EXPECT_EQ(w.gs.AcceptedAds[2][1], 7);
    EXPECT_EQ(w.gs.AcceptedAds[2][2], 0);
    EXPECT_EQ(w.gs.AcceptedAds[2][3], 0);
    EXPECT_EQ(w.gs.AdPool[2][20][Ad::kOpen], 1);
    EXPECT_TRUE(w.LinesWith(2, "Ad contract").empty());
}

TEST(AdChoice, PoolScanTakesTheFirstSilentlyAndEachStrictlyBetterOneWithALogLine) {
    DayWorld w;
    w.OpenChannel(2, false);
    LoyalNewsChannel(w, 2);
    w.PutContract(2, 3, {.payment = 400});                // 50 a spot
    w.PutContract(2, 4, {.payment = 320});                // 40
    w.PutContract(2, 9, {.payment = 480});                // 60
    w.PutContract(2, 12, {.spots = 12, .payment = 720});  // 60, not strictly better
    w.PutContract(2, 20, {.minViewers = kUnreachable, .payment = 999});
    w.PutContract(2, 30, {.spots = 4, .payment = 280});  // 70
    w.PutContract(2, 31, {.payment = 8000, .open = 0});
    w.Simulate();
    EXPECT_EQ(w.LinesWith(2, "Ad contract"),
              (std::vector<std::string>{"* Ad contract \"Brand 9\" accepted.",
                                        "* Ad contract \"Brand 30\" accepted."}));
    // Afterwards the accepted ones qualify: 30 until done, then 9, then 3.
    EXPECT_EQ(AdsOfTheDay(w, 2), (std::vector<int32_t>{30, 30, 9, 9, 9, 9, 3, 3, 3, 3}));
    EXPECT_EQ(w.gs.AcceptedAds[2][1], 0);
    EXPECT_EQ(w.gs.AdPool[2][12][Ad::kOpen], 1);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 10000 + 280 + 480 + 400);
}

TEST(AdChoice, PoolScanStoresOnlyIntoAFreePosition) {
    DayWorld w;
    w.OpenChannel(2, false);
    LoyalNewsChannel(w, 2);
    for (int p = 1; p <= 13; ++p)
        w.gs.AcceptedAds[2][p] = 49 + p;  // closed contracts
    w.PutContract(2, 3, {.payment = 400});
    w.PutContract(2, 9, {.payment = 480});
    w.Simulate();
    // 3 takes position 14; 9 is better but finds no room until 3 is done.
    EXPECT_EQ(AdsOfTheDay(w, 2), (std::vector<int32_t>{3, 3, 3, 3, 9, 9, 9, 9, 0, 0}));
    EXPECT_TRUE(w.LinesWith(2, "Ad contract").empty());
}

class AdChooser : public testing::TestWithParam<std::tuple<bool, int32_t, bool>> {};

TEST_P(AdChooser, ComputerAndAutoPlayedChannelsOnly) {
    const auto [human, autoDays, chooses] = GetParam();
    DayWorld w;
    w.gs.GameInfo[Info::kAutoPlayDays] = autoDays;
    w.OpenChannel(2, human);
    LoyalNewsChannel(w, 2);
    w.PutContract(2, 3, {.spots = 24, .payment = 400});  // not done within the day
    w.Simulate();
    EXPECT_EQ(w.gs.Programme[2][1][Slot::kAd], chooses ? 3 : 0);
    EXPECT_EQ(w.gs.AcceptedAds[2][1], chooses ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(Who, AdChooser,
                         testing::Values(std::tuple{false, 0, true}, std::tuple{true, 0, false},
                                         std::tuple{true, 5, true}));

// ---- spots ----

TEST(AdSpots, EightSpotContractIsFulfilledInItsFourthHourAndPaysOnce) {
    DayWorld w;
    w.OpenChannel(1, true, 5000);
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.GrantLicence(1, 1, {60, 60, 60, 60, 60});
    w.PutContract(1, 7, {.spots = 8, .payment = 1234});
    w.gs.AcceptedAds[1][2] = 7;
    w.gs.AcceptedAds[1][9] = 7;
    w.gs.ChannelAccounts[1][Acc::kAdIncome] = 100;
    for (int h = 1; h <= kSlots; ++h)
        w.SetSlot(1, h, Slot::kNewsShow);
    for (const int h : {2, 4, 6, 8, 9})
        w.SetSlot(1, h, Slot::kNewsShow, 7);
    w.SetSlot(1, 3, 0, 7);  // nothing on air: no viewers, no spot
    w.Simulate();
    const std::string spot = "* Ad spot \"Brand 7\" successfully broadcasted.";
    EXPECT_EQ(w.Lines(1),
              (std::vector<std::string>{
                  spot, spot, spot, spot, spot, spot, spot, spot,
                  "* Ad spot \"Brand 7\" successfully fulfilled. $1,234 millions cashed."}));
    EXPECT_EQ(w.gs.AdSpotsDone[1][7], 8);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 5000 + 1234);
    EXPECT_EQ(w.gs.ChannelAccounts[1][Acc::kAdIncome], 100 + 1234);
    EXPECT_EQ(w.gs.AdPool[1][7][Ad::kOpen], 0);
    EXPECT_EQ(w.gs.AcceptedAds[1][2], 0);
    EXPECT_EQ(w.gs.AcceptedAds[1][9], 0);
}

TEST(AdSpots, MissedAudienceCountsNothingAndALastSpotCountsOnce) {
    DayWorld w;
    w.OpenChannel(1, true, 5000);
    w.AddRegion(1, "Northland", {20, 20, 20, 20, 20});
    w.GrantLicence(1, 1, {60, 60, 60, 60, 60});
    // Target 8 = Seniors alone: 30% of 10 (half of 20 at 02:00pm) = 3 viewers.
    w.PutContract(1, 5, {.spots = 8, .target = 8, .minViewers = 4, .payment = 500});
    w.PutContract(1, 6, {.spots = 8, .target = 8, .minViewers = 3, .payment = 600});
    w.gs.AdSpotsDone[1][5] = 7;
    w.gs.AdSpotsDone[1][6] = 7;
    w.SetSlot(1, 1, Slot::kNewsShow, 5);
    w.SetSlot(1, 2, Slot::kNewsShow, 6);
    w.Simulate();
    EXPECT_EQ(w.gs.AdSpotsDone[1][5], 7);
    EXPECT_EQ(w.gs.AdSpotsDone[1][6], 8);
    EXPECT_EQ(w.Lines(1),
              (std::vector<std::string>{
                  "* Ad spot \"Brand 6\" successfully broadcasted.",
                  "* Ad spot \"Brand 6\" successfully fulfilled. $600 millions cashed."}));
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 5600);
}

TEST(AudienceForTarget, EachCodeSumsItsGroups) {
    Record slot{};
    const Five viewers{1, 2, 4, 8, 16};
    for (int g = 0; g < kAudienceGroups; ++g)
        slot[Slot::kViewers + g] = viewers[static_cast<size_t>(g)];
    const int32_t expected[] = {31, 31, 3, 28, 1, 2, 4, 8, 16};
    for (int32_t code = 0; code <= 8; ++code)
        EXPECT_EQ(AudienceForTarget(slot, code), expected[code]) << code;
}

TEST(AudiencePercent, MeanOfTheFiveAppealsAndItsVerdict) {
    Record slot{};
    const Five appeals{0, 11, 12, 13, 23};  // 59 div 5 = 11
    for (int g = 0; g < kAudienceGroups; ++g)
        slot[Slot::kAppeal + g] = appeals[static_cast<size_t>(g)];
    EXPECT_EQ(AudiencePercent(slot), 11);
    const std::pair<int32_t, const char*> kVerdicts[] = {{0, "This is really bad..."},
                                                         {2, "This is really bad..."},
                                                         {3, "Uh, oh..."},
                                                         {5, "Uh, oh..."},
                                                         {6, "Boring..."},
                                                         {10, "Boring..."},
                                                         {11, "Average..."},
                                                         {20, "Average..."},
                                                         {21, "Good!"},
                                                         {30, "Good!"},
                                                         {31, "Very good!"},
                                                         {40, "Very good!"},
                                                         {41, "Excellent!"},
                                                         {100, "Excellent!"}};
    for (const auto& [percent, verdict] : kVerdicts)
        EXPECT_STREQ(AudienceVerdict(percent), verdict) << percent;
}

}  // namespace
}  // namespace qvx
