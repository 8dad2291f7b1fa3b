#include "Competitor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "DayTestSupport.h"
#include "Shares.h"

namespace qvx {
namespace {

using test::CaseName;
using test::DayWorld;
using namespace Genre;

// ---- steering the generator ----

// One draw Random(n) that a test needs to fall in lo..hi.
struct Draw {
    int32_t n, lo, hi;
};

bool Follows(Rng& rng, const std::vector<Draw>& draws) {
    for (const Draw& d : draws) {
        const int32_t v = rng.Random(d.n);
        if (v < d.lo || v > d.hi) return false;
    }
    return true;
}

template <class Pred>
uint64_t FindSeed(Pred pred) {
    for (uint64_t seed = 1; seed < 30'000'000; ++seed) {
        Rng rng(seed);
        if (pred(rng)) return seed;
    }
    ADD_FAILURE() << "no seed gives the wanted draws";
    return 0;
}

// Draw shorthands: a plan roll, the budget roll, and the choice from a list of n entries (a
// movie found in both passes counts twice).
constexpr Draw Roll(int32_t lo, int32_t hi) {
    return {100, lo, hi};
}
constexpr Draw kBudget{30, 0, 29};
constexpr Draw Pick(int32_t n) {
    return {n, 0, n - 1};
}
constexpr Draw Exactly(int32_t n, int32_t v) {
    return {n, v, v};
}

uint64_t SeedFor(const std::vector<Draw>& draws) {
    return FindSeed([&](Rng& rng) { return Follows(rng, draws); });
}

// The generator state after exactly these draws: the operation must have drawn no more, no less.
uint64_t StateAfter(uint64_t seed, const std::vector<Draw>& draws) {
    Rng rng(seed);
    Follows(rng, draws);
    return rng.State();
}

std::vector<Draw> Hundreds(int count) {
    return std::vector<Draw>(static_cast<size_t>(count), Draw{100, 0, 99});
}

// A seed whose first Random(100) draws are exactly these.
uint64_t SeedForHundreds(const std::vector<int32_t>& values) {
    std::vector<Draw> draws;
    for (const int32_t v : values)
        draws.push_back({100, v, v});
    return SeedFor(draws);
}

void AddTitle(DayWorld& w, int32_t id, int32_t type, int32_t genre, int32_t length, int32_t price,
              int32_t onMarket = 1) {
    w.PutTitle(id, {type, genre, length});
    w.cat.MovieCatalogue[id][Movie::kPrice] = price;
    w.cat.MovieCatalogue[id][Movie::kOnMarket] = onMarket;
}

// ---- choosing an offer ----

constexpr GenreList kDramaComedy = {kDrama, kComedy};

enum class Place { Market, OwnArchive, OtherArchive, OtherOffers };

struct FilterCase {
    std::string name;
    int32_t type, genre, length, price, onMarket;
    Place place;
    int32_t expected;
};

class CompetitorMovieFilterTest : public testing::TestWithParam<FilterCase> {};

// Two hours on a budget of 50: the title must cost at most 100.
TEST_P(CompetitorMovieFilterTest, OnlyAFreeTitleOfTheRightKindLengthGenreAndPrice) {
    const FilterCase& p = GetParam();
    DayWorld w;
    AddTitle(w, 7, p.type, p.genre, p.length, p.price, p.onMarket);
    if (p.place == Place::OwnArchive) w.gs.MovieArchive[1][1] = 7;
    if (p.place == Place::OtherArchive) w.gs.MovieArchive[4][28] = 7;
    if (p.place == Place::OtherOffers) w.gs.ShopOffers[3][14] = 7;
    Rng rng(1);
    EXPECT_EQ(PickMovieOffer(w.cat, TitlesTaken(w.gs), rng, 2, 50, kDramaComedy), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompetitorMovieFilterTest,
    testing::Values(
        FilterCase{"Movie", Movie::kTypeMovie, kDrama, 2, 60, 1, Place::Market, 7},
        FilterCase{"Show", Movie::kTypeShow, kComedy, 2, 60, 1, Place::Market, 7},
        FilterCase{"LiveSport", Movie::kTypeLiveSport, kDrama, 2, 60, 1, Place::Market, 7},
        FilterCase{"Series", Movie::kTypeSeries, kDrama, 2, 60, 1, Place::Market, 0},
        FilterCase{"NotOnMarket", Movie::kTypeMovie, kDrama, 2, 60, 0, Place::Market, 0},
        FilterCase{"Withdrawn", Movie::kTypeMovie, kDrama, 2, 60, -1, Place::Market, 0},
        FilterCase{"TooShort", Movie::kTypeMovie, kDrama, 1, 60, 1, Place::Market, 0},
        FilterCase{"TooLong", Movie::kTypeMovie, kDrama, 3, 60, 1, Place::Market, 0},
        FilterCase{"GenreNotListed", Movie::kTypeMovie, kWestern, 2, 60, 1, Place::Market, 0},
        FilterCase{"GenreZeroMatchesNoGap", Movie::kTypeMovie, 0, 2, 60, 1, Place::Market, 0},
        FilterCase{"PriceAtBudgetTimesHours", Movie::kTypeMovie, kDrama, 2, 100, 1, Place::Market,
                   7},
        FilterCase{"PriceAboveBudgetTimesHours", Movie::kTypeMovie, kDrama, 2, 101, 1,
                   Place::Market, 0},
        FilterCase{"CheapTitleFromSecondPass", Movie::kTypeMovie, kDrama, 2, 10, 1, Place::Market,
                   7},
        FilterCase{"InAnArchive", Movie::kTypeMovie, kDrama, 2, 60, 1, Place::OwnArchive, 0},
        FilterCase{"InAnotherArchive", Movie::kTypeMovie, kDrama, 2, 60, 1, Place::OtherArchive, 0},
        FilterCase{"OfferedToAnyCompany", Movie::kTypeMovie, kDrama, 2, 60, 1, Place::OtherOffers,
                   0}),
    CaseName{});

// Expensive title 5 (price 60 > 100/4) and cheap title 3 (20): the first pass gives [5], the
// second appends [3, 5], so the list is [5, 3, 5].
class CompetitorTwoPassTest : public testing::TestWithParam<int32_t> {};

TEST_P(CompetitorTwoPassTest, ExpensiveTitleIsListedTwice) {
    const int32_t draw = GetParam();
    DayWorld w;
    AddTitle(w, 3, Movie::kTypeMovie, kDrama, 2, 20);
    AddTitle(w, 5, Movie::kTypeMovie, kDrama, 2, 60);
    Rng rng(SeedFor({Exactly(3, draw)}));
    const std::array<int32_t, 3> list = {5, 3, 5};
    EXPECT_EQ(PickMovieOffer(w.cat, TitlesTaken(w.gs), rng, 2, 50, kDramaComedy),
              list[static_cast<size_t>(draw)]);
}

INSTANTIATE_TEST_SUITE_P(Draws, CompetitorTwoPassTest, testing::Values(0, 1, 2));

// Three hours on a budget of 10: the lower bound is (10 x 3) / 4 = 7, not 10/4 x 3 = 6. The
// seed draws below a third of the range, i.e. index 0 of a list of two or three.
struct BoundCase {
    std::string name;
    int32_t price, expected;
};

class CompetitorLowerBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(CompetitorLowerBoundTest, BudgetTimesHoursIsQuarteredAfterwards) {
    const BoundCase& p = GetParam();
    DayWorld w;
    AddTitle(w, 1, Movie::kTypeMovie, kDrama, 3, 1);
    AddTitle(w, 2, Movie::kTypeMovie, kDrama, 3, p.price);
    Rng rng(SeedFor({Exactly(3, 0)}));
    EXPECT_EQ(PickMovieOffer(w.cat, TitlesTaken(w.gs), rng, 3, 10, kDramaComedy), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompetitorLowerBoundTest,
                         testing::Values(BoundCase{"AtTheQuarterOnlyInTheSecondPass", 7, 1},
                                         BoundCase{"AboveTheQuarterInBothPasses", 8, 2}),
                         CaseName{});

// Nine expensive titles 11..19 and the cheap title 1: [11..19, 1, 11..19], 19 entries.
struct NineCase {
    int32_t draw, expected;
};

class CompetitorNineCandidatesTest : public testing::TestWithParam<NineCase> {};

TEST_P(CompetitorNineCandidatesTest, SecondPassAppendsInCatalogueOrder) {
    DayWorld w;
    AddTitle(w, 1, Movie::kTypeMovie, kComedy, 2, 10);
    for (int32_t id = 11; id <= 19; ++id)
        AddTitle(w, id, Movie::kTypeMovie, kDrama, 2, 90);
    Rng rng(SeedFor({Exactly(19, GetParam().draw)}));
    EXPECT_EQ(PickMovieOffer(w.cat, TitlesTaken(w.gs), rng, 2, 50, kDramaComedy),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Draws, CompetitorNineCandidatesTest,
                         testing::Values(NineCase{8, 19}, NineCase{9, 1}, NineCase{10, 11},
                                         NineCase{18, 19}));

TEST(CompetitorPickMovieOffer, TenExpensiveTitlesLeaveTheCheapOneOut) {
    DayWorld w;
    AddTitle(w, 1, Movie::kTypeMovie, kComedy, 2, 10);
    for (int32_t id = 11; id <= 20; ++id)
        AddTitle(w, id, Movie::kTypeMovie, kDrama, 2, 90);
    const TakenTitles taken = TitlesTaken(w.gs);
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        Rng rng(seed);
        Rng mirror(seed);
        EXPECT_EQ(PickMovieOffer(w.cat, taken, rng, 2, 50, kDramaComedy), 11 + mirror.Random(10))
            << "seed " << seed;
    }
}

// One pass with the lower bound: the cheap series (20 <= 100/4) and the titles of other kinds
// are never chosen.
TEST(CompetitorPickSeriesOffer, OnlyExpensiveEnoughSeries) {
    DayWorld w;
    AddTitle(w, 2, Movie::kTypeSeries, kDrama, 1, 20);
    AddTitle(w, 3, Movie::kTypeMovie, kDrama, 1, 60);
    AddTitle(w, 4, Movie::kTypeSeries, kComedy, 1, 60);
    AddTitle(w, 5, Movie::kTypeShow, kDrama, 1, 60);
    AddTitle(w, 6, Movie::kTypeSeries, kDrama, 2, 60);
    const TakenTitles taken = TitlesTaken(w.gs);
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        Rng rng(seed);
        EXPECT_EQ(PickSeriesOffer(w.cat, taken, rng, 1, 100, kDramaComedy), 4) << seed;
    }
    w.gs.ShopOffers[2][1] = 4;
    Rng rng(1);
    EXPECT_EQ(PickSeriesOffer(w.cat, TitlesTaken(w.gs), rng, 1, 100, kDramaComedy), 0);
}

// ---- buying a title ----

struct BuyWorld : DayWorld {
    BuyWorld() {
        OpenChannel(2, false, 2000);
        AddTitle(*this, 9, Movie::kTypeMovie, kDrama, 2, 1250);
        cat.MovieTitles[9] = "Night Train";
        gs.ChannelAccounts[2][Acc::kMovieCost] = 40;
        gs.MovieArchive[2][1] = 30;
        gs.MovieArchive[2][2] = 31;
        gs.MovieArchive[2][4] = 32;
    }
};

TEST(CompetitorAiBuyTitle, FillsTheLowestFreePositionAndBooksThePrice) {
    BuyWorld w;
    EXPECT_EQ(AiBuyTitle(w.gs, w.cat, 2, 9), 9);
    EXPECT_EQ(w.gs.MovieArchive[2][3], 9);
    EXPECT_EQ(w.gs.MovieArchive[2][5], 0);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 750);
    EXPECT_EQ(w.gs.ChannelAccounts[2][Acc::kMovieCost], 1290);
    EXPECT_EQ(w.Lines(2),
              std::vector<std::string>{"* Movie \"Night Train\" bought for $ 1,250 millions."});
}

TEST(CompetitorAiBuyTitle, MoneyEqualToThePriceIsEnough) {
    BuyWorld w;
    w.gs.Channel[2][Ch::kMoney] = 1250;
    EXPECT_EQ(AiBuyTitle(w.gs, w.cat, 2, 9), 9);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 0);
}

struct RefusalCase {
    std::string name;
    int32_t title, money;
    bool fullArchive;
};

class CompetitorAiBuyRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(CompetitorAiBuyRefusalTest, NothingChanges) {
    const RefusalCase& p = GetParam();
    BuyWorld w;
    w.gs.Channel[2][Ch::kMoney] = p.money;
    if (p.fullArchive) {
        for (int pos = 1; pos <= kArchivePositions; ++pos)
            w.gs.MovieArchive[2][pos] = 100 + pos;
    }
    const auto archive = w.gs.MovieArchive[2];
    EXPECT_EQ(AiBuyTitle(w.gs, w.cat, 2, p.title), 0);
    EXPECT_EQ(w.gs.MovieArchive[2], archive);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], p.money);
    EXPECT_EQ(w.gs.ChannelAccounts[2][Acc::kMovieCost], 40);
    EXPECT_TRUE(w.Lines(2).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CompetitorAiBuyRefusalTest,
                         testing::Values(RefusalCase{"NoTitle", 0, 5000, false},
                                         RefusalCase{"FullArchive", 9, 5000, true},
                                         RefusalCase{"MoneyShortByOne", 9, 1249, false}),
                         CaseName{});

// ---- the programme planner ----

// Company 2 plans with ad pool payments 1000 for 10 spots: B = 100 x (25..54) / 100 = 25..54,
// and every title below fits every B: two-hour titles at 80 (B < 80 <= 4B), the three-hour one
// at 120 (6B/4 < 120 <= 6B), series at 200 (10B/4 < 200 <= 10B). Each genre is chosen so that
// a title is a candidate only in the steps named; a title bought is no longer one.
constexpr int32_t kAfternoonMovie = 10;   // Quiz: afternoon, late
constexpr int32_t kAfternoonSeries = 11;  // Comedy: afternoon
constexpr int32_t kEarlyMovie = 12;       // Crime: early, prime time, late
constexpr int32_t kPrimeMovie = 13;       // Western: prime time
constexpr int32_t kPrimeLong = 14;        // Action, three hours: prime time
constexpr int32_t kLateSeries = 15;       // War: late
constexpr int32_t kLateMovie = 16;        // War: prime time, late

void PlannerWorld(DayWorld& w) {
    w.OpenChannel(2, false, 10000);
    w.PutContract(2, 1, {10, 1, 1, 1000, 1});
    AddTitle(w, kAfternoonMovie, Movie::kTypeMovie, kQuiz, 2, 80);
    AddTitle(w, kAfternoonSeries, Movie::kTypeSeries, kComedy, 1, 200);
    AddTitle(w, kEarlyMovie, Movie::kTypeMovie, kCrime, 2, 80);
    AddTitle(w, kPrimeMovie, Movie::kTypeMovie, kWestern, 2, 80);
    AddTitle(w, kPrimeLong, Movie::kTypeMovie, kAction, 3, 120);
    AddTitle(w, kLateSeries, Movie::kTypeSeries, kWar, 1, 200);
    AddTitle(w, kLateMovie, Movie::kTypeMovie, kWar, 2, 80);
    for (int s = 1; s <= kSlots; ++s)
        w.gs.Programme[2][s].fill(7);
}

using Slots = std::array<int32_t, kSlots>;

Slots ProgrammeOf(const DayWorld& w, int c) {
    Slots out{};
    for (int s = 1; s <= kSlots; ++s)
        out[static_cast<size_t>(s - 1)] = w.gs.Programme[c][s][Slot::kProgramme];
    return out;
}

struct DayCase {
    std::string name;
    bool ownsAfternoonSeries;
    std::vector<Draw> draws;
    Slots slots;
    int32_t spent;
};

class CompetitorPlannerTest : public testing::TestWithParam<DayCase> {};

TEST_P(CompetitorPlannerTest, PlansTheDayWithTheDrawsInOrder) {
    const DayCase& p = GetParam();
    DayWorld w;
    PlannerWorld(w);
    if (p.ownsAfternoonSeries) w.gs.MovieArchive[2][1] = kAfternoonSeries;
    const uint64_t seed = SeedFor(p.draws);
    Rng rng(seed);
    PlanCompetitorProgramme(w.gs, w.cat, rng, 2);
    EXPECT_EQ(ProgrammeOf(w, 2), p.slots);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 10000 - p.spent);
    EXPECT_EQ(w.gs.ChannelAccounts[2][Acc::kMovieCost], p.spent);
    EXPECT_EQ(rng.State(), StateAfter(seed, p.draws));
    for (int s = 1; s <= kSlots; ++s) {
        for (int f = 2; f <= kFields; ++f)
            EXPECT_EQ(w.gs.Programme[2][s][f], 0) << "slot " << s << " field " << f;
    }
}

constexpr int32_t N = Slot::kNewsShow;
constexpr int32_t AM = kAfternoonMovie, AS = kAfternoonSeries, EM = kEarlyMovie, PM = kPrimeMovie,
                  PL = kPrimeLong, LS = kLateSeries, LM = kLateMovie;

INSTANTIATE_TEST_SUITE_P(
    Plans, CompetitorPlannerTest,
    testing::Values(
        DayCase{"NewsFirstAfternoonNewsLastEveningLateSeries",
                false,
                {Roll(29, 29), kBudget, Pick(2), Roll(50, 50), Pick(2), Roll(0, 74), Exactly(4, 0),
                 Roll(50, 99), Pick(1)},
                {N, AM, AM, EM, EM, N, PM, PM, LS, N},
                440},
        DayCase{"SeriesAfternoonNewsFirstEveningLateMovie",
                false,
                {Roll(30, 30), kBudget, Pick(2), Pick(1), Roll(49, 49), Pick(2), Roll(0, 74),
                 Exactly(4, 0), Roll(0, 49), Pick(2)},
                {AM, AM, AS, N, EM, EM, PM, PM, LM, LM},
                520},
        // The late roll would choose the movie, but the three-hour title already fills slot 9.
        DayCase{"ThreeHourPrimeTime",
                false,
                {Roll(70, 99), kBudget, Pick(2), Pick(1), Roll(0, 49), Pick(2), Roll(75, 75),
                 Pick(2), Roll(0, 49)},
                {AM, AM, AS, N, EM, EM, PL, PL, PL, N},
                480},
        // The bought Comedy series is no late-evening genre, so the War series is bought.
        DayCase{"PrimeTimeBoundaryLateSeriesAtBoundary",
                false,
                {Roll(70, 99), kBudget, Pick(2), Pick(1), Roll(0, 49), Pick(2), Roll(74, 74),
                 Exactly(4, 2), Roll(50, 50), Pick(1)},
                {AM, AM, AS, N, EM, EM, PM, PM, LS, N},
                640},
        DayCase{"LateMovieAtBoundary",
                false,
                {Roll(70, 99), kBudget, Pick(2), Pick(1), Roll(50, 99), Pick(2), Roll(0, 74),
                 Exactly(4, 0), Roll(49, 49), Pick(2)},
                {AM, AM, AS, EM, EM, N, PM, PM, LM, LM},
                520},
        // An owned one-hour series fills slot 3 without a pick.
        DayCase{"OwnedSeriesInTheAfternoon",
                true,
                {Roll(30, 69), kBudget, Pick(2), Roll(0, 49), Pick(2), Roll(75, 99), Pick(2),
                 Roll(0, 99)},
                {AM, AM, AS, N, EM, EM, PL, PL, PL, N},
                280}),
    CaseName{});

// The pool pays 1000 for 12 spots (83 a spot); a closed contract does not count. With the budget
// roll 5, B = 83 x 30 / 100 = 24, so a two-hour title may cost 4B = 96; any other order of the
// divisions gives 25 and would afford 97.
struct BudgetCase {
    std::string name;
    int32_t price;
    Slots slots;
};

class CompetitorPlannerBudgetTest : public testing::TestWithParam<BudgetCase> {};

TEST_P(CompetitorPlannerBudgetTest, MeanPaymentPerSpotTruncatesFirst) {
    const BudgetCase& p = GetParam();
    DayWorld w;
    w.OpenChannel(2, false, 10000);
    w.PutContract(2, 1, {12, 1, 1, 1000, 1});
    w.PutContract(2, 2, {1, 1, 1, 90000, 0});
    AddTitle(w, 10, Movie::kTypeMovie, kQuiz, 2, p.price);
    Rng rng(SeedFor({Roll(0, 29), Exactly(30, 5)}));
    PlanCompetitorProgramme(w.gs, w.cat, rng, 2);
    EXPECT_EQ(ProgrammeOf(w, 2), p.slots);
}

INSTANTIATE_TEST_SUITE_P(
    Prices, CompetitorPlannerBudgetTest,
    testing::Values(BudgetCase{"Affordable", 96, {N, 10, 10, N, N, N, N, N, N, N}},
                    BudgetCase{"OneTooMuch", 97, {N, N, N, N, N, N, N, N, N, N}}),
    CaseName{});

// With all 28 positions taken nothing can be bought; slots 3 and 9 still take the owned series
// with the highest position that qualifies: 42 (any genre) and 41 (a late-evening genre).
TEST(CompetitorPlannerWithFullArchive, OwnedSeriesAndNewsOnly) {
    DayWorld w;
    PlannerWorld(w);
    for (int pos = 1; pos <= kArchivePositions; ++pos)
        w.gs.MovieArchive[2][pos] = 200 + pos;  // empty catalogue records
    const auto own = [&](int pos, int32_t id, int32_t type, int32_t genre, int32_t length,
                         int32_t onMarket) {
        AddTitle(w, id, type, genre, length, 50, onMarket);
        w.gs.MovieArchive[2][pos] = id;
    };
    own(5, 40, Movie::kTypeSeries, kDrama, 1, 1);
    own(12, 41, Movie::kTypeSeries, kSoap, 1, 1);
    own(20, 42, Movie::kTypeSeries, kComedy, 1, 1);
    own(25, 43, Movie::kTypeSeries, kWar, 1, 0);
    own(26, 44, Movie::kTypeSeries, kDrama, 2, 1);
    own(27, 45, Movie::kTypeMovie, kDrama, 1, 1);
    own(28, 46, Movie::kTypeShow, kDrama, 1, 1);
    const auto archive = w.gs.MovieArchive[2];
    // The early movie stays on the market, so prime time lists 12, 13, 16 twice.
    const std::vector<Draw> draws = {Roll(30, 99), kBudget,     Pick(2), Roll(0, 99),
                                     Pick(2),      Roll(0, 74), Pick(6), Roll(50, 99)};
    const uint64_t seed = SeedFor(draws);
    Rng rng(seed);
    PlanCompetitorProgramme(w.gs, w.cat, rng, 2);
    EXPECT_EQ(ProgrammeOf(w, 2), (Slots{N, N, 42, N, N, N, N, N, 41, N}));
    EXPECT_EQ(w.gs.MovieArchive[2], archive);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 10000);
    EXPECT_TRUE(w.Lines(2).empty());
    EXPECT_EQ(rng.State(), StateAfter(seed, draws));
}

// ---- the licence decision ----

// Company 3 decides. Northport is its own, Highmoor costs exactly money - 2500, Lakeside one
// less, Eastvale belongs to company 1, Southbay to company 4; regions 0 and 6..16 do not exist.
// With the money below every company is worth 10500 (money plus half its licence prices).
class LicenceWorld : public DayWorld {
  public:
    LicenceWorld() {
        const std::array<int32_t, 5> money = {0, 9500, 10500, 10000, 9000};
        for (int c = 1; c <= kChannels; ++c)
            OpenChannel(c, false, money[static_cast<size_t>(c)]);
        Region(1, "Northport", 1000);
        Region(2, "Highmoor", 7500);
        Region(3, "Lakeside", 7499);
        Region(4, "Eastvale", 2000);
        Region(5, "Southbay", 3000);
        GrantLicence(1, 3);
        GrantLicence(4, 1);
        GrantLicence(5, 4);
        gs.ChannelAccounts[3][Acc::kLicenceCost] = 250;
    }
    void Region(int r, const std::string& name, int32_t price) {
        AddRegion(r, name, {1, 1, 1, 1, 1});
        gs.Regions[r][Reg::kRegionLicencePrice] = price;
    }
    // Company 3 poor enough (5000) that only Eastvale (2000 < 2500) is in reach; last in value.
    void OnlyEastvaleInReach() { gs.Channel[3][Ch::kMoney] = 5000; }
    std::array<int32_t, kRegions + 1> HeldBy(int c) const {
        std::array<int32_t, kRegions + 1> out{};
        for (int r = 0; r <= kRegions; ++r)
            out[static_cast<size_t>(r)] = gs.Licences[r][c];
        return out;
    }
};

// Region draws until `expected` (at most 101), which must come after every region of `before`
// and before any of `excluded`; then a winning chance draw.
auto DrawsReaching(int32_t expected, std::vector<int32_t> before, std::vector<int32_t> excluded) {
    return [=](Rng& rng) {
        std::set<int32_t> seen;
        for (int i = 0; i < 101; ++i) {
            const int32_t r = rng.Random(17);
            if (r == expected) {
                for (const int32_t b : before) {
                    if (seen.count(b) == 0) return false;
                }
                return rng.Random(100) <= 10;
            }
            if (std::find(excluded.begin(), excluded.end(), r) != excluded.end()) return false;
            seen.insert(r);
        }
        return false;
    };
}

struct LicenceCase {
    std::string name;
    std::array<int32_t, kChannels> money;  // companies 1..4
    bool tenPercentOfBlue;
    int32_t expected;
    std::vector<int32_t> before, excluded;
};

class CompetitorLicenceChoiceTest : public testing::TestWithParam<LicenceCase> {};

TEST_P(CompetitorLicenceChoiceTest, BuysTheFirstAcceptableRegion) {
    const LicenceCase& p = GetParam();
    LicenceWorld w;
    for (int c = 1; c <= kChannels; ++c)
        w.gs.Channel[c][Ch::kMoney] = p.money[static_cast<size_t>(c - 1)];
    if (p.tenPercentOfBlue) Holding(w.gs, 3, 4) = 100;
    const int32_t price = w.gs.Regions[p.expected][Reg::kRegionLicencePrice];
    const auto draws = DrawsReaching(p.expected, p.before, p.excluded);
    const uint64_t seed = FindSeed(draws);
    Rng rng(seed);
    DecideCompetitorLicence(w.gs, w.cat, rng, 3);

    std::array<int32_t, kRegions + 1> held{};
    held[1] = 1;
    held[static_cast<size_t>(p.expected)] = 1;
    EXPECT_EQ(w.HeldBy(3), held);
    EXPECT_EQ(w.HeldBy(1)[4], 1);
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], 10000 - price);
    EXPECT_EQ(w.gs.ChannelAccounts[3][Acc::kLicenceCost], 250 + price);
    EXPECT_EQ(w.Lines(3), std::vector<std::string>{"* Purchasing broadcasting license for " +
                                                   w.gs.RegionNames[p.expected] + "."});
    Rng mirror(seed);
    draws(mirror);
    EXPECT_EQ(rng.State(), mirror.State());
}

INSTANTIATE_TEST_SUITE_P(
    Standings, CompetitorLicenceChoiceTest,
    testing::Values(
        // Standing 0: any region; its own and the one at the money limit are passed over.
        LicenceCase{"LastTakesAnyRegion", {20000, 20000, 10000, 20000}, false, 5, {1, 2}, {3, 4}},
        // Values 31000, 10500, 10500, 6500: an equal value counts, standing 2, leader 1.
        LicenceCase{"SecondFollowsTheLeader", {30000, 10500, 10000, 5000}, false, 4, {3, 5}, {}},
        // All worth 10500: standing 3, and company 1 leads the tie.
        LicenceCase{
            "TieForTheLeadGoesToTheFirst", {9500, 10500, 10000, 9000}, false, 4, {3, 5}, {}},
        // 10% of company 4 (worth 4000 in full) counts nothing: 10500 beats only company 4's
        // 6500, standing 1, any region.
        LicenceCase{"StrictValue", {30000, 12000, 10000, 5000}, true, 3, {}, {4, 5}}),
    CaseName{});

// Values: company 1 `v`, company 2 and 3 -100, company 4 -200. Company 3 stands second and
// follows a leader only when some company is worth more than 0.
class CompetitorNoLeaderTest : public testing::TestWithParam<int32_t> {};

TEST_P(CompetitorNoLeaderTest, NobodyAboveZeroMeansNoLeader) {
    const int32_t v = GetParam();
    LicenceWorld w;
    w.gs.ChannelAccounts[1][Acc::kBonds] = 10500 - v;
    w.gs.ChannelAccounts[2][Acc::kBonds] = 10600;
    w.gs.ChannelAccounts[3][Acc::kBonds] = 10600;
    w.gs.ChannelAccounts[4][Acc::kBonds] = 10700;
    const auto draws = DrawsReaching(4, {}, {});
    const uint64_t seed = FindSeed(draws);
    Rng rng(seed);
    DecideCompetitorLicence(w.gs, w.cat, rng, 3);
    EXPECT_EQ(w.gs.Licences[4][3], v > 0 ? 1 : 0);
    Rng mirror(seed);
    if (v > 0) {
        draws(mirror);
    } else {
        Follows(mirror, std::vector<Draw>(101, Draw{17, 0, 16}));
    }
    EXPECT_EQ(rng.State(), mirror.State());
}

INSTANTIATE_TEST_SUITE_P(LeaderValue, CompetitorNoLeaderTest, testing::Values(0, 1));

// Eastvale is the only acceptable region; it first comes up at draw `at`.
class CompetitorDrawLimitTest : public testing::TestWithParam<int> {};

TEST_P(CompetitorDrawLimitTest, AtMostOneHundredAndOneRegionDraws) {
    const int at = GetParam();
    LicenceWorld w;
    w.OnlyEastvaleInReach();
    const uint64_t seed = FindSeed([&](Rng& rng) {
        for (int i = 1; i < at; ++i) {
            if (rng.Random(17) == 4) return false;
        }
        return rng.Random(17) == 4 && rng.Random(100) <= 10;
    });
    Rng rng(seed);
    DecideCompetitorLicence(w.gs, w.cat, rng, 3);
    EXPECT_EQ(w.gs.Licences[4][3], at <= 101 ? 1 : 0);
    Rng mirror(seed);
    Follows(mirror, std::vector<Draw>(static_cast<size_t>(std::min(at, 101)), Draw{17, 0, 16}));
    if (at <= 101) mirror.Random(100);
    EXPECT_EQ(rng.State(), mirror.State());
}

INSTANTIATE_TEST_SUITE_P(FirstHit, CompetitorDrawLimitTest, testing::Values(101, 102));

struct EndCase {
    std::string name;
    int32_t turns, turn;
    bool buys;
};

class CompetitorLicenceEndOfGameTest : public testing::TestWithParam<EndCase> {};

TEST_P(CompetitorLicenceEndOfGameTest, NoLicencesInTheLastTurns) {
    const EndCase& p = GetParam();
    LicenceWorld w;
    w.OnlyEastvaleInReach();
    w.gs.GameInfo[Info::kTurnCount] = p.turns;
    w.gs.GameInfo[Info::kTurn] = p.turn;
    const uint64_t seed = SeedFor({Exactly(17, 4), {100, 0, 10}});
    Rng rng(seed);
    DecideCompetitorLicence(w.gs, w.cat, rng, 3);
    EXPECT_EQ(w.gs.Licences[4][3], p.buys ? 1 : 0);
    EXPECT_EQ(w.gs.Channel[3][Ch::kMoney], p.buys ? 3000 : 5000);
    EXPECT_EQ(rng.State(), p.buys ? StateAfter(seed, {Exactly(17, 4), {100, 0, 10}})
                                  : StateAfter(seed, {Exactly(17, 4)}));
}

INSTANTIATE_TEST_SUITE_P(Cases, CompetitorLicenceEndOfGameTest,
                         testing::Values(EndCase{"ThirtySixLeft", 120, 84, true},
                                         EndCase{"ThirtyFiveLeft", 120, 85, false},
                                         EndCase{"TwentySixTurnGame", 26, 1, false},
                                         EndCase{"TwentyFiveTurnGameHasNoLimit", 25, 24, true},
                                         EndCase{"SixLeftOfTwentyFour", 24, 18, true},
                                         EndCase{"FiveLeftOfTwentyFour", 24, 19, false}),
                         CaseName{});

struct ChanceCase {
    std::string name;
    int32_t kind;
    std::vector<Draw> chance;
    bool buys;
};

class CompetitorLicenceChanceTest : public testing::TestWithParam<ChanceCase> {};

TEST_P(CompetitorLicenceChanceTest, ElevenInAHundredOrInThirty) {
    const ChanceCase& p = GetParam();
    LicenceWorld w;
    w.OnlyEastvaleInReach();
    w.gs.GameInfo[Info::kScenarioKind] = p.kind;
    w.gs.GameInfo[Info::kTurnCount] = p.kind == 5 ? 24 : 120;
    std::vector<Draw> draws = {Exactly(17, 4)};
    draws.insert(draws.end(), p.chance.begin(), p.chance.end());
    const uint64_t seed = SeedFor(draws);
    Rng rng(seed);
    DecideCompetitorLicence(w.gs, w.cat, rng, 3);
    EXPECT_EQ(w.gs.Licences[4][3], p.buys ? 1 : 0);
    EXPECT_EQ(rng.State(), StateAfter(seed, draws));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompetitorLicenceChanceTest,
    testing::Values(
        ChanceCase{"Ten", 1, {Exactly(100, 10)}, true},
        ChanceCase{"Eleven", 1, {Exactly(100, 11)}, false},
        ChanceCase{"ShortScenarioRedraws", 5, {Exactly(100, 99), Exactly(30, 10)}, true},
        ChanceCase{"ShortScenarioRedrawFails", 5, {Exactly(100, 0), Exactly(30, 11)}, false}),
    CaseName{});

// ---- the stock decision ----

// Company 2 decides; every company has 1000 shares. A price of 4 with buy premium 156 makes the
// block estimate E = (4 - 0 + 156) x 100 = 16000 equal to the cost of the block, and too dear for
// either chance rule, so only the threat rules can buy.
struct BuyBackCase {
    std::string name;
    int32_t price, buyPremium, money, treasury;
    std::array<int32_t, 5> holders;  // shares of company 2 held by companies 1..4
    int closed;
    std::vector<int32_t> draws;
    bool buys;
    int used;  // Random(100) draws made, the selling rule's included
};

class CompetitorBuyBackTest : public testing::TestWithParam<BuyBackCase> {};

TEST_P(CompetitorBuyBackTest, BuysOneBlockOfItsOwnShares) {
    const BuyBackCase& p = GetParam();
    DayWorld w;
    for (int c = 1; c <= kChannels; ++c)
        w.OpenChannel(c, false, 0);
    w.gs.Channel[2][Ch::kMoney] = p.money;
    w.gs.ChannelAccounts[2][Acc::kSharePrice] = p.price;
    w.gs.ChannelAccounts[2][Acc::kBuyPremium] = p.buyPremium;
    Holding(w.gs, 2, 2) = p.treasury;
    for (int i = 1; i <= kChannels; ++i) {
        if (i != 2) Holding(w.gs, i, 2) = p.holders[static_cast<size_t>(i)];
    }
    if (p.closed > 0) w.gs.Channel[p.closed][Ch::kActive] = 0;
    const uint64_t seed = SeedForHundreds(p.draws);
    Rng rng(seed);
    DecideCompetitorStock(w.gs, rng, 2);
    const int32_t cost = (p.price + p.price / 5 + p.buyPremium) * 100;
    EXPECT_EQ(Holding(w.gs, 2, 2), p.treasury + (p.buys ? 100 : 0));
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], p.money - (p.buys ? cost : 0));
    EXPECT_EQ(rng.State(), StateAfter(seed, Hundreds(p.used)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompetitorBuyBackTest,
    testing::Values(
        // E = (50 - 10) x 100 = 4000: the cheap-block rule, money - E must exceed 2500.
        BuyBackCase{"CheapBlockDrawTen", 50, 0, 6501, 10, {}, 0, {10}, true, 1},
        BuyBackCase{"CheapBlockDrawEleven", 50, 0, 6501, 10, {}, 0, {11}, false, 2},
        BuyBackCase{"FewTreasurySharesDrawEighty", 50, 0, 6501, 9, {}, 0, {80}, true, 1},
        BuyBackCase{"FewTreasurySharesDrawEightyOne", 50, 0, 6501, 9, {}, 0, {81}, false, 2},
        BuyBackCase{"CheapBlockMoneyAtTheMargin", 50, 0, 6500, 0, {}, 0, {}, false, 0},
        BuyBackCase{"TreasuryAtThirtyPercent", 50, 0, 100000, 300, {}, 0, {}, false, 1},
        BuyBackCase{"TreasuryAtTwentyNinePercent", 50, 0, 6501, 290, {}, 0, {10}, true, 1},
        // E = (100 - 20) x 100 = 8000: only the second rule, money - E must exceed 50000.
        BuyBackCase{"SecondRule", 100, 0, 58001, 10, {}, 0, {10}, true, 1},
        BuyBackCase{"SecondRuleMoneyAtTheMargin", 100, 0, 58000, 10, {}, 0, {10}, false, 1},
        BuyBackCase{"BothRulesDrawAndFail", 50, 0, 54001, 10, {}, 0, {50, 11}, false, 3},
        BuyBackCase{"SecondRuleDrawsAfresh", 50, 0, 54001, 10, {}, 0, {50, 10}, true, 2},
        BuyBackCase{"RivalAt40", 4, 156, 18501, 0, {0, 400}, 0, {}, true, 0},
        BuyBackCase{"RivalAt40MoneyAtTheMargin", 4, 156, 18500, 0, {0, 400}, 0, {}, false, 0},
        BuyBackCase{"RivalAt39Treasury19", 4, 156, 18501, 190, {0, 399}, 0, {}, true, 0},
        BuyBackCase{"RivalAt20Treasury20", 4, 156, 18501, 200, {0, 200}, 0, {}, false, 1},
        BuyBackCase{"RivalAt19", 4, 156, 18501, 0, {0, 199}, 0, {}, false, 0},
        // Two holders of 20%: the largest single holding sets the level, not their sum.
        BuyBackCase{"LargestSingleHolding", 4, 156, 18501, 250, {0, 200, 0, 200}, 0, {}, false, 1},
        // (310 + 600 - 400) x 100 / 1000 = 51 > 50: level 2 eases to 1.
        BuyBackCase{
            "MajorityOfFriendsEases", 4, 156, 18501, 310, {0, 400, 0, 200}, 0, {}, false, 1},
        BuyBackCase{"FriendlyHalfDoesNot", 4, 156, 18501, 300, {0, 400, 0, 200}, 0, {}, true, 0},
        BuyBackCase{"ClosedHolderIgnored", 4, 156, 18501, 0, {0, 100, 0, 0, 450}, 4, {}, false, 0},
        // 10% own shares against a rival's 45%: the chance draw fails, the threat buys.
        BuyBackCase{"TenPercentAgainstFortyFive", 50, 0, 6501, 100, {0, 450}, 0, {99}, true, 1}),
    CaseName{});

// Company 2 holds shares of company 3 only and has no money: no buy-back, one draw to sell.
struct SellCase {
    std::string name;
    int32_t price, sellPremium, issued, held, draw, sold;
};

class CompetitorSellTest : public testing::TestWithParam<SellCase> {};

TEST_P(CompetitorSellTest, SellsOneBlockWhenThePriceIsHigh) {
    const SellCase& p = GetParam();
    DayWorld w;
    for (int c = 1; c <= kChannels; ++c)
        w.OpenChannel(c, false, 0);
    Record& acc = w.gs.ChannelAccounts[3];
    acc[Acc::kSharePrice] = p.price;
    acc[Acc::kSellPremium] = p.sellPremium;
    acc[Acc::kSharesIssued] = p.issued;
    Holding(w.gs, 2, 3) = p.held;
    const uint64_t seed = SeedForHundreds({p.draw});
    Rng rng(seed);
    DecideCompetitorStock(w.gs, rng, 2);
    const int32_t sellPrice = p.price + p.sellPremium - p.price / 5;
    EXPECT_EQ(Holding(w.gs, 2, 3), p.held - p.sold);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], p.sold * sellPrice);
    EXPECT_EQ(Holding(w.gs, 2, 2), 0);
    EXPECT_EQ(rng.State(), StateAfter(seed, Hundreds(1)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompetitorSellTest,
    testing::Values(SellCase{"AboveTwentyThousandDrawEighty", 50, 161, 1000, 250, 80, 100},
                    SellCase{"AboveTwentyThousandDrawEightyOne", 50, 161, 1000, 250, 81, 0},
                    SellCase{"ExactlyTwentyThousand", 50, 160, 1000, 250, 0, 0},
                    SellCase{"BelowTwentyThousandDrawTen", 50, 159, 1000, 250, 10, 100},
                    SellCase{"BelowTwentyThousandDrawEleven", 50, 159, 1000, 250, 11, 0},
                    SellCase{"ExactlyFifteenThousand", 50, 110, 1000, 250, 0, 0},
                    SellCase{"JustAboveFifteenThousand", 50, 111, 1000, 250, 10, 100},
                    // 54/5 = 10: v = (54 + 157 - 10) x 100 = 20100.
                    SellCase{"FifthOfThePriceTruncates", 54, 157, 1000, 250, 80, 100},
                    SellCase{"SmallHoldingSoldWhole", 50, 161, 1000, 60, 0, 60},
                    SellCase{"BlockIsATenthOfTheIssue", 50, 161, 1500, 400, 0, 150}),
    CaseName{});

// Company 2 holds 150 of company 1 (v 20100), 150 of its own (v 20100), 100 of company 3
// (v 19000) and 80 of the closed company 4. One draw each for 1, 2, 3 in this order; the closed
// company is skipped. Holdings of others only ever shrink.
TEST(CompetitorStock, SellsCompanyByCompanyItselfIncluded) {
    DayWorld w;
    for (int c = 1; c <= kChannels; ++c)
        w.OpenChannel(c, false, 0);
    w.gs.ChannelAccounts[1][Acc::kSellPremium] = 161;
    w.gs.ChannelAccounts[2][Acc::kSellPremium] = 161;
    w.gs.ChannelAccounts[3][Acc::kSellPremium] = 150;
    w.gs.ChannelAccounts[4][Acc::kSellPremium] = 300;
    w.gs.Channel[4][Ch::kActive] = 0;
    Holding(w.gs, 2, 1) = 150;
    Holding(w.gs, 2, 2) = 150;
    Holding(w.gs, 2, 3) = 100;
    Holding(w.gs, 2, 4) = 80;
    const uint64_t seed = SeedForHundreds({80, 81, 10});
    Rng rng(seed);
    DecideCompetitorStock(w.gs, rng, 2);
    EXPECT_EQ(Holding(w.gs, 2, 1), 50);
    EXPECT_EQ(Holding(w.gs, 2, 2), 150);
    EXPECT_EQ(Holding(w.gs, 2, 3), 0);
    EXPECT_EQ(Holding(w.gs, 2, 4), 80);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], 100 * 201 + 100 * 190);
    EXPECT_EQ(w.Lines(2), (std::vector<std::string>{"* 100 shares of \"Red TV\" sold.",
                                                    "* 100 shares of \"Green TV\" sold."}));
    EXPECT_EQ(rng.State(), StateAfter(seed, Hundreds(3)));
}

}  // namespace
}  // namespace qvx
