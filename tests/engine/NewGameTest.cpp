#include "NewGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "Boosters.h"
#include "EngineTestSupport.h"
#include "SaveGame.h"
#include "Scenarios.h"

namespace qvx {
namespace {

using test::Differences;
using test::Names;
using test::TempDir;
namespace fs = std::filesystem;

// Many titles, ads and news may not be offered, so that the offer searches meet rejections.
std::unique_ptr<Catalogue> TestCatalogue(const std::string& titlePrefix = "Movie ") {
    auto cat = std::make_unique<Catalogue>();
    for (int m = 1; m <= kMovies; ++m) {
        Record& movie = cat->MovieCatalogue[m];
        movie[Movie::kOnMarket] = m % 3 == 0 ? 1 : 0;
        movie[Movie::kType] = Movie::kTypeMovie;
        movie[Movie::kGenre] = m % 15 + 1;
        movie[Movie::kStars] = m % 5 + 1;
        movie[Movie::kLength] = m % 3 + 1;
        movie[Movie::kPrice] = 100 + m;
        for (int f = Movie::kRatingAction; f <= Movie::kRatingCast; ++f)
            movie[f] = (m * f) % 101;
        cat->MovieTitles[m] = titlePrefix + std::to_string(m);
    }
    for (int j = 1; j <= kAds; ++j) {
        cat->AdTargets[j] = j <= 90 ? (j - 1) % 8 + 1 : 0;
        cat->AdNames[j] = "Advertiser " + std::to_string(j);
    }
    for (int n = 1; n <= kNews; ++n) {
        cat->NewsCatalogue[n][News::kAvailable] = n % 4 == 0 ? 1 : 0;
        cat->NewsCatalogue[n][News::kCategory] = n % 3 + 1;
        cat->NewsTexts[n] = "Headline " + std::to_string(n);
    }
    return cat;
}

const Catalogue& Cat() {
    static const std::unique_ptr<Catalogue> cat = TestCatalogue();
    return *cat;
}

Boosters Deck(std::initializer_list<int32_t> cards) {
    Boosters deck;
    int slot = 1;
    for (int32_t card : cards)
        deck.ActiveBoosters[slot++] = card;
    return deck;
}

struct GameSetup {
    int scenario = 1;
    int32_t logo = 1;
    CustomSettings custom{};
    uint64_t seed = 1;
    Boosters deck{};
    std::string name = "Test TV";
};

std::unique_ptr<GameState> MakeGame(const GameSetup& setup) {
    auto gs = std::make_unique<GameState>();
    ClearGame(*gs);
    gs->CurrentGame = 1;
    Rng rng(setup.seed);
    NewGame(*gs, Cat(), setup.deck, rng, ScenarioKind(setup.scenario), ScenarioMap(setup.scenario),
            setup.logo, setup.name, setup.custom);
    return gs;
}

constexpr int kCustomUsa = 26;

int Money(const GameState& gs, int c) {
    return gs.Channel[c][Ch::kMoney];
}

// What the licences beyond a company's starting one cost it.
int32_t BoughtLicences(const GameState& gs, int c) {
    int32_t sum = 0;
    const int start = StartingRegion(gs.GameInfo[Info::kMap], c);
    for (int r = 1; r <= kRegions; ++r) {
        if (r != start && gs.Licences[r][c] == 1) sum += gs.Regions[r][Reg::kRegionLicencePrice];
    }
    return sum;
}

void ExpectValidFirstOffers(const GameState& gs, const Catalogue& cat, int c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    std::set<int32_t> ads, movies, newsA, newsB;
    for (int k = 1; k <= kAdOfferPositions; ++k) {
        const int32_t id = gs.AdOffers[c][k];
        ASSERT_GE(id, 1);
        ASSERT_LE(id, kAds);
        EXPECT_GT(gs.AdPool[c][id][Ad::kOpen], 0) << "ad " << id;
        EXPECT_GE(cat.AdTargets[id], 1) << "ad " << id;
        ads.insert(id);
    }
    EXPECT_EQ(ads.size(), size_t{kAdOfferPositions});
    for (int k = 1; k <= kShopPositions; ++k) {
        const int32_t id = gs.ShopOffers[c][k];
        ASSERT_GE(id, 1);
        ASSERT_LE(id, kMovies);
        EXPECT_GT(cat.MovieCatalogue[id][Movie::kOnMarket], 0) << "movie " << id;
        for (int a = 1; a <= kArchivePositions; ++a)
            EXPECT_NE(gs.MovieArchive[c][a], id);
        movies.insert(id);
    }
    EXPECT_EQ(movies.size(), size_t{kShopPositions});
    const auto takeNews = [&](const auto& list, std::set<int32_t>& seen) {
        for (int k = 1; k <= kNewsOfferPositions; ++k) {
            const int32_t id = list[k];
            ASSERT_GE(id, 1);
            ASSERT_LE(id, kNews);
            EXPECT_GT(cat.NewsCatalogue[id][News::kAvailable], 0) << "news " << id;
            seen.insert(id);
        }
    };
    takeNews(gs.NewsOffersA[c], newsA);
    takeNews(gs.NewsOffersB[c], newsB);
    EXPECT_EQ(newsA.size(), size_t{kNewsOfferPositions});
    EXPECT_EQ(newsB.size(), size_t{kNewsOfferPositions});
    for (int32_t id : newsA)
        EXPECT_FALSE(newsB.contains(id)) << "news " << id << " offered twice";
}

// Starting regions of Red, Yellow, Green and Blue, by map.
const std::array<std::array<std::string, kChannels>, kMaps> kStartingRegionNames = {{
    {"East Coast", "Midwest (East)", "West Coast", "Midwest (West)"},
    {"Germany", "France", "Great Britain", "Italy"},
    {"South East", "South West", "North East", "Scotland"},
    {"Baden-W\u00fcrttemberg", "Bavaria", "Midland Germany", "Eastern Germany"},
    {"North West France", "North East France", "Upland France", "Southern France"},
}};

struct RegionRow {
    int32_t map;
    int r;
    const char* name;
    std::array<int32_t, kAudienceGroups> population;
    int32_t cost, price, x, y;
};
constexpr RegionRow kRegionRows[] = {
    {Map::kUsa, 1, "New England", {4, 4, 6, 4, 2}, 20, 5000, 782, 103},
    {Map::kUsa, 5, "South Atlantic", {10, 10, 15, 10, 15}, 55, 14000, 620, 435},
    {Map::kEu, 1, "Germany", {12, 14, 24, 16, 12}, 60, 18000, 447, 261},
    {Map::kEu, 9, "Northern countries", {3, 3, 5, 4, 2}, 15, 4000, 513, 106},
    {Map::kGreatBritain, 6, "Scotland", {1, 1, 2, 1, 1}, 8, 4000, 523, 136},
    {Map::kGermany, 6, "Eastern Germany", {3, 3, 2, 2, 6}, 15, 12000, 475, 210},
    {Map::kFrance, 2, "Paris/Loire", {4, 3, 5, 4, 2}, 20, 25000, 427, 189},
};

class EveryScenarioTest : public testing::TestWithParam<int> {};

// Default custom settings: three competitors, early start, normal difficulty, table populations.
TEST_P(EveryScenarioTest, BuildsTheMapAndTheFourCompanies) {
    const int s = GetParam();
    const int32_t kind = ScenarioKind(s), map = ScenarioMap(s);
    const int32_t logo = (s - 1) % kLogos + 1;  // every logo on several maps
    const int p = (logo - 1) % kChannels + 1;
    const bool expert = kind == Kind::kExpert;
    const auto gs = MakeGame({.scenario = s, .logo = logo});

    const Record& info = gs->GameInfo;
    EXPECT_EQ(info[Info::kMap], map);
    EXPECT_EQ(info[Info::kScenarioKind], kind);
    EXPECT_EQ(info[Info::kTurn], 1);
    EXPECT_EQ(info[Info::kPhase], 1);
    EXPECT_EQ(info[Info::kWeekday], 4);
    EXPECT_EQ(info[Info::kCreated], 1);
    EXPECT_EQ(info[Info::kCustomTurns], kind == Kind::kCustom ? 120 : 0);
    constexpr int32_t kTurns[] = {120, 60, 240, 160, 24, 120};
    EXPECT_EQ(info[Info::kTurnCount], kTurns[kind - 1]);
    for (int f : {7, 8, 9, 10, Info::kAutoPlayDays, Info::kGameOver})
        EXPECT_EQ(info[f], 0) << "GameInfo field " << f;

    const int regionCount = map <= Map::kEu ? 9 : 6;
    int licences = 0;
    for (int r = 1; r <= kRegions; ++r) {
        SCOPED_TRACE("region " + std::to_string(r));
        EXPECT_EQ(gs->Regions[r][Reg::kExists], r <= regionCount ? 1 : 0);
        if (r > regionCount) {
            EXPECT_EQ(gs->Regions[r], Record{});
            EXPECT_EQ(gs->RegionNames[r], "");
        } else {
            EXPECT_FALSE(gs->RegionDescriptions[r].empty());
            EXPECT_EQ(gs->RegionCodes[r].front(), '(');
        }
        for (int c = 1; c <= kChannels; ++c) {
            const bool start =
                r <= regionCount && gs->RegionNames[r] == kStartingRegionNames[map - 1][c - 1];
            EXPECT_EQ(gs->Licences[r][c], start ? 1 : 0) << "channel " << c;
            licences += gs->Licences[r][c];
            const int32_t pop = !start ? 0 : expert && c != p ? 50 : 25;
            for (int f = 1; f <= kFields; ++f) {
                const bool group = f >= Pop::kGroupFirst && f < Pop::kGroupFirst + kAudienceGroups;
                EXPECT_EQ(gs->Popularity[r][c][f], group ? pop : 0)
                    << "channel " << c << " field " << f;
            }
        }
    }
    EXPECT_EQ(licences, kChannels);
    for (const RegionRow& row : kRegionRows) {
        if (row.map != map) continue;
        const Record& region = gs->Regions[row.r];
        EXPECT_EQ(gs->RegionNames[row.r], row.name);
        for (int g = 0; g < kAudienceGroups; ++g)
            EXPECT_EQ(region[Reg::kPopulation + g], row.population[static_cast<size_t>(g)]);
        EXPECT_EQ(region[Reg::kRegionMonthlyCost], row.cost);
        EXPECT_EQ(region[Reg::kRegionLicencePrice], row.price);
        EXPECT_EQ(region[Reg::kMarkerX], row.x);
        EXPECT_EQ(region[Reg::kMarkerY], row.y);
    }

    EXPECT_EQ(gs->PlayerChannel, p);
    EXPECT_EQ(gs->Channel[p][Ch::kLogo], logo);
    EXPECT_EQ(gs->ChannelNames[p], "Test TV");
    std::set<int32_t> computerLogoSets;
    for (int c = 1; c <= kChannels; ++c) {
        SCOPED_TRACE("channel " + std::to_string(c));
        const Record& ch = gs->Channel[c];
        EXPECT_EQ(ch[Ch::kActive], 1);
        EXPECT_EQ(ch[Ch::kHuman], c == p ? 1 : 0);
        EXPECT_EQ(ch[Ch::kMoney], expert && c != p ? 14000 : 3500);
        EXPECT_EQ(ch[Ch::kTvEquipment], 500);
        EXPECT_EQ(LogoChannel(ch[Ch::kLogo]), c);
        if (c != p) {
            EXPECT_EQ(gs->ChannelNames[c], DefaultChannelName(ch[Ch::kLogo]));
            computerLogoSets.insert((ch[Ch::kLogo] - 1) / kChannels);
        }
        const Record& acc = gs->ChannelAccounts[c];
        EXPECT_GE(acc[Acc::kSharePrice], 2);  // the opening share price update moves it
        EXPECT_EQ(acc[Acc::kSharesIssued], 1000);
        EXPECT_EQ(acc[Acc::kBonds], 5000);
        EXPECT_EQ(acc[Acc::kBondInterestRate], 10);
        EXPECT_EQ(acc[Acc::kStockholdersEquity], 5000);
        for (int f : {4, 5, 6, 7, 8, 9, 13, 16, 17, 18, 19, 20})
            EXPECT_EQ(acc[f], 0) << "ChannelAccounts field " << f;
        EXPECT_EQ(gs->ChannelPendingIncome[c], Record{});
        ExpectValidFirstOffers(*gs, Cat(), c);
    }
    EXPECT_EQ(computerLogoSets.size(), 1u) << "the computer companies mix logo sets";
    if (p == 1) {
        EXPECT_EQ(*computerLogoSets.begin(), 1) << "a player on Red leaves logos 6..8";
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, EveryScenarioTest, testing::Range(1, kScenarios + 1));

TEST(NewGameLogoTest, LogoSevenMakesThePlayerGreenAndACoinPicksTheRivalsSet) {
    std::set<int32_t> sets;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        const auto gs = MakeGame({.logo = 7, .seed = seed});
        ASSERT_EQ(gs->PlayerChannel, 3);
        ASSERT_EQ(gs->Channel[3][Ch::kHuman], 1);
        ASSERT_EQ(gs->Channel[3][Ch::kLogo], 7);
        const int32_t set = gs->Channel[1][Ch::kLogo] == 1 ? 0 : 4;
        EXPECT_EQ(gs->Channel[1][Ch::kLogo], 1 + set);
        EXPECT_EQ(gs->Channel[2][Ch::kLogo], 2 + set);
        EXPECT_EQ(gs->Channel[4][Ch::kLogo], 4 + set);
        sets.insert(set);
    }
    EXPECT_EQ(sets.size(), 2u) << "the coin never came up the other way in 40 games";
}

TEST(NewGameLogoTest, PlayerOnRedLeavesTheRivalsLogosSixToEight) {
    for (int32_t logo : {1, 5}) {
        for (uint64_t seed : {1u, 2u, 3u}) {
            const auto gs = MakeGame({.logo = logo, .seed = seed});
            EXPECT_EQ(gs->Channel[1][Ch::kLogo], logo);
            EXPECT_EQ(gs->Channel[2][Ch::kLogo], 6);
            EXPECT_EQ(gs->Channel[3][Ch::kLogo], 7);
            EXPECT_EQ(gs->Channel[4][Ch::kLogo], 8);
            EXPECT_EQ(gs->ChannelNames[2], "Fruit TV");
        }
    }
}

TEST(NewGameLogoTest, UnknownLogoIsLogoOne) {
    for (int32_t logo : {0, 9, -5}) {
        const auto gs = MakeGame({.logo = logo, .name = ""});
        EXPECT_EQ(gs->PlayerChannel, 1);
        EXPECT_EQ(gs->Channel[1][Ch::kLogo], 1);
        EXPECT_EQ(gs->ChannelNames[1], "Hollyfilms TV");
    }
}

TEST(NewGameNameTest, EmptyNameTakesTheLogosNameAndLongNamesAreCut) {
    EXPECT_EQ(MakeGame({.logo = 3, .name = ""})->ChannelNames[3], "Palm TV");
    EXPECT_EQ(MakeGame({.logo = 8, .name = ""})->ChannelNames[4], "Blue TV");
    std::string longName;
    for (int i = 0; i < 300; ++i)
        longName += "\u00e9";  // two bytes here, one in the save file
    const auto gs = MakeGame({.logo = 2, .name = longName});
    EXPECT_EQ(gs->ChannelNames[2], longName.substr(0, 2 * 255));
}

struct CompetitorCase {
    int competitors;
    int32_t logo;
    std::array<int32_t, kChannels> active;
};
class NewGameCompetitorTest : public testing::TestWithParam<CompetitorCase> {};

TEST_P(NewGameCompetitorTest, RivalsLeaveFromBlueDownwardsSkippingThePlayer) {
    const CompetitorCase& c = GetParam();
    const auto gs = MakeGame(
        {.scenario = kCustomUsa, .logo = c.logo, .custom = {.competitors = c.competitors}});
    for (int ch = 1; ch <= kChannels; ++ch)
        EXPECT_EQ(gs->Channel[ch][Ch::kActive], c.active[static_cast<size_t>(ch - 1)])
            << "channel " << ch;
    ExpectValidFirstOffers(*gs, Cat(), gs->PlayerChannel);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, NewGameCompetitorTest,
    testing::Values(CompetitorCase{3, 1, {1, 1, 1, 1}}, CompetitorCase{2, 1, {1, 1, 1, 0}},
                    CompetitorCase{2, 4, {1, 1, 0, 1}}, CompetitorCase{1, 3, {1, 0, 1, 0}},
                    CompetitorCase{1, 1, {1, 1, 0, 0}}, CompetitorCase{0, 1, {1, 0, 0, 0}},
                    CompetitorCase{0, 6, {0, 1, 0, 0}}, CompetitorCase{-2, 8, {0, 0, 0, 1}},
                    CompetitorCase{9, 2, {1, 1, 1, 1}}));

class NewGamePopulationTest : public testing::TestWithParam<std::tuple<PopulationMode, int32_t>> {};

// Each group is g + Random(g) with g = t div 10 (h = t div 5 for the favoured groups), where t
// is the region's total, first blown up to 3t..5t-1 when below 30; never below 1.
TEST_P(NewGamePopulationTest, GroupsStayInTheirDrawnRanges) {
    const auto [mode, map] = GetParam();
    const auto regions = MapRegions(map);
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        const auto gs = MakeGame({.scenario = ScenarioIndex(Kind::kCustom, map),
                                  .custom = {.population = mode},
                                  .seed = seed});
        for (size_t i = 0; i < regions.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            int32_t t = 0;
            for (int32_t v : regions[i].population)
                t += v;
            const int32_t tLo = t < 30 ? 3 * t : t, tHi = t < 30 ? 5 * t - 1 : t;
            for (int g = 0; g < kAudienceGroups; ++g) {
                const bool young = g < 2;
                const bool favoured = (mode == PopulationMode::MoreYoungPeople && young) ||
                                      (mode == PopulationMode::MoreAdults && !young);
                const int32_t div = favoured ? 5 : 10;
                const int32_t lo = std::max(1, tLo / div), hi = std::max(1, 2 * (tHi / div) - 1);
                const int32_t v = gs->Regions[r][Reg::kPopulation + g];
                EXPECT_GE(v, lo) << regions[i].name << " group " << g << " seed " << seed;
                EXPECT_LE(v, hi) << regions[i].name << " group " << g << " seed " << seed;
            }
        }
        for (int r = static_cast<int>(regions.size()) + 1; r <= kRegions; ++r)
            EXPECT_EQ(gs->Regions[r], Record{});
    }
}

std::string PopulationCaseName(
    const testing::TestParamInfo<NewGamePopulationTest::ParamType>& param) {
    constexpr const char* kModeNames[] = {"None", "Random", "Young", "Adults"};
    return std::string(kModeNames[static_cast<int>(std::get<0>(param.param))]) + "_Map" +
           std::to_string(std::get<1>(param.param));
}

INSTANTIATE_TEST_SUITE_P(ModesAndMaps, NewGamePopulationTest,
                         testing::Combine(testing::Values(PopulationMode::Random,
                                                          PopulationMode::MoreYoungPeople,
                                                          PopulationMode::MoreAdults),
                                          testing::Range(1, kMaps + 1)),
                         PopulationCaseName);

TEST(NewGameCustomTest, OtherKindsIgnoreTheCustomSettings) {
    const CustomSettings all{.turns = 48,
                             .difficulty = Difficulty::Expert,
                             .competitors = 0,
                             .start = StartMode::LateGame,
                             .population = PopulationMode::Random};
    const auto gs = MakeGame({.scenario = 1, .custom = all});
    EXPECT_EQ(gs->GameInfo[Info::kCustomTurns], 0);
    EXPECT_EQ(gs->GameInfo[Info::kTurnCount], 120);
    for (int c = 1; c <= kChannels; ++c) {
        EXPECT_EQ(gs->Channel[c][Ch::kActive], 1);
        EXPECT_EQ(Money(*gs, c), 3500);
    }
    EXPECT_EQ(gs->Regions[1][Reg::kPopulation], 4);  // New England's kids as in the table
}

TEST(NewGameCustomTest, TurnsComeFromTheChoices) {
    for (const auto& [chosen, stored] : {std::pair{48, 48}, {240, 240}, {24, 24}, {50, 120}}) {
        const auto gs = MakeGame({.scenario = 28, .custom = {.turns = chosen}});
        EXPECT_EQ(gs->GameInfo[Info::kCustomTurns], stored) << chosen;
        EXPECT_EQ(gs->GameInfo[Info::kTurnCount], stored) << chosen;
    }
}

TEST(NewGameCustomTest, ExpertDifficultyStrengthensOnlyRivalsInBusiness) {
    const auto gs = MakeGame({.scenario = kCustomUsa,
                              .logo = 2,
                              .custom = {.difficulty = Difficulty::Expert, .competitors = 2}});
    const int32_t map = Map::kUsa;
    for (int c = 1; c <= kChannels; ++c) {
        const bool strong = c == 1 || c == 3;  // Yellow is the player, Blue left the market
        EXPECT_EQ(Money(*gs, c), strong ? 14000 : 3500) << c;
        const Record& pop = gs->Popularity[StartingRegion(map, c)][c];
        for (int g = 0; g < kAudienceGroups; ++g)
            EXPECT_EQ(pop[Pop::kGroupFirst + g], strong ? 50 : 25) << c;
    }
}

TEST(NewGameCustomTest, LateGameStartsEveryoneInBusinessWith15000) {
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        const auto gs = MakeGame({.scenario = kCustomUsa + 1,
                                  .logo = 4,
                                  .custom = {.competitors = 1, .start = StartMode::LateGame},
                                  .seed = seed,
                                  .deck = Deck({Card::kRich})});
        // Red and Blue stay; late money replaces the Rich bonus rather than adding to it.
        for (int c : {1, 4})
            EXPECT_EQ(Money(*gs, c) + BoughtLicences(*gs, c), 15000) << c;
        ExpectValidFirstOffers(*gs, Cat(), 4);
    }
}

TEST(NewGameCustomTest, LateExpertRivalsGetFourTimesTheirLateMoney) {
    const auto gs =
        MakeGame({.scenario = kCustomUsa,
                  .logo = 1,
                  .custom = {.difficulty = Difficulty::Expert, .start = StartMode::LateGame}});
    EXPECT_EQ(Money(*gs, 1) + BoughtLicences(*gs, 1), 15000);
    for (int c = 2; c <= kChannels; ++c)
        EXPECT_EQ(Money(*gs, c), 4 * (15000 - BoughtLicences(*gs, c))) << c;
}

TEST(NewGameBoosterTest, RichAddsAQuarterOnceToThePlayerOnly) {
    for (const Boosters& deck :
         {Deck({Card::kRich}), Deck({Card::kMob, Card::kRich, Card::kRich})}) {
        const auto gs = MakeGame({.logo = 2, .deck = deck});
        EXPECT_EQ(Money(*gs, 2), 3500 + 875);
        for (int c : {1, 3, 4})
            EXPECT_EQ(Money(*gs, c), 3500) << c;
    }
    const auto expert = MakeGame({.scenario = 16, .logo = 1, .deck = Deck({Card::kRich})});
    EXPECT_EQ(Money(*expert, 1), 4375);
    EXPECT_EQ(Money(*expert, 2), 14000);
    EXPECT_EQ(Money(*MakeGame({.deck = Deck({Card::kConnections})}), 1), 3500);
}

TEST(NewGameDeterminismTest, SameSeedSameGameOtherSeedOtherOffers) {
    const GameSetup setup{
        .scenario = kCustomUsa + 2,
        .logo = 6,
        .custom = {.start = StartMode::LateGame, .population = PopulationMode::MoreAdults},
        .seed = 77};
    const auto a = MakeGame(setup);
    const auto b = MakeGame(setup);
    EXPECT_EQ(Differences(*a, *b), Names{});
    GameSetup other = setup;
    other.seed = 78;
    const auto c = MakeGame(other);
    const Names differ = Differences(*a, *c);
    for (const char* table : {"AdOffers", "ShopOffers", "NewsOffersA", "Regions"})
        EXPECT_NE(std::find(differ.begin(), differ.end(), table), differ.end()) << table;
}

// The new-game road from the start screen, with the files it reads and writes.
class StartNewGameTest : public testing::Test {
  protected:
    void WriteCatalogue(CatalogueSet set, const std::string& prefix) {
        ASSERT_TRUE(SaveCatalogueSet(*TestCatalogue(prefix), set, dir.path()));
    }
    GameStart Start(const NewGameChoice& choice, uint64_t seed = 5) {
        Rng rng(seed);
        return StartNewGame(*gs, *cat, settings, rng, choice, dir.path());
    }
    fs::path SlotInt() const { return dir.path() / (SlotFileStem(0) + ".int"); }

    TempDir dir;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> cat = std::make_unique<Catalogue>();
    Settings settings;
};

TEST_F(StartNewGameTest, FailureChangesNothingAndSaysWhy) {
    WriteCatalogue(CatalogueSet::Standard, "Standard ");
    test::FillGame(*gs, 3);
    test::FillCatalogue(*cat, 4);
    const auto gsBefore = std::make_unique<GameState>(*gs);
    const auto catBefore = std::make_unique<Catalogue>(*cat);
    const Settings settingsBefore = settings;

    struct Case {
        int scenario;
        const char* named;
    };
    for (const Case& c : {Case{kCustomUsa, "QVX2_CustomMovies.int"}, Case{0, "scenario 0"},
                          Case{31, "scenario 31"}}) {
        const GameStart s = Start({.scenario = c.scenario, .name = "", .custom = {}});
        ASSERT_EQ(s.outcome, StartOutcome::NotStarted) << c.scenario;
        EXPECT_FALSE(s.started());
        EXPECT_NE(s.message().find(c.named), std::string::npos) << s.message();
    }
    fs::remove(dir.path() / "QVX2_Movies.int");
    const GameStart s = Start({.scenario = 1, .name = "", .custom = {}});
    ASSERT_EQ(s.outcome, StartOutcome::NotStarted);
    EXPECT_NE(s.message().find("QVX2_Movies.int"), std::string::npos) << s.message();

    EXPECT_EQ(Differences(*gs, *gsBefore), Names{});
    EXPECT_EQ(Differences(*cat, *catBefore), Names{});
    EXPECT_EQ(settings.SaveSlotNames, settingsBefore.SaveSlotNames);
    EXPECT_FALSE(fs::exists(SlotInt()));
}

TEST_F(StartNewGameTest, ReplacesTheOldGameAndSavesTheRunningGame) {
    WriteCatalogue(CatalogueSet::Standard, "Standard ");
    test::FillGame(*gs, 9);
    gs->History.entries = {HistoryEntry{.turn = 30, .companies = {}}};
    settings.Deck = Deck({Card::kRich});
    ASSERT_TRUE(Start({.scenario = 8, .logo = 6, .name = "Night Owl TV", .custom = {}}));
    // The old game's history goes; the new one starts with its first turn's figures.
    ASSERT_EQ(gs->History.entries.size(), 1u);
    EXPECT_EQ(gs->History.entries[0].turn, 1);
    EXPECT_EQ(gs->History.entries[0].companies[2].funds, 4375);

    EXPECT_EQ(cat->MovieTitles[1], "Standard 1");
    EXPECT_EQ(gs->CurrentGame, 1);
    EXPECT_EQ(gs->PlayerChannel, 2);
    EXPECT_EQ(gs->ViewedChannel, 2);
    EXPECT_EQ(gs->ChannelNames[2], "Night Owl TV");
    EXPECT_EQ(Money(*gs, 2), 4375);  // the deck of the settings is the one played
    EXPECT_EQ(gs->GameInfo[Info::kMap], Map::kGreatBritain);
    EXPECT_EQ(gs->GameInfo[Info::kScenarioKind], Kind::kFast);
    EXPECT_EQ(gs->GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_EQ(gs->RunningGameFlag, 1);
    EXPECT_EQ(gs->ClockHour, 8);
    EXPECT_EQ(gs->ClockMinute, 0);
    EXPECT_FALSE(gs->EndTurnBusy);
    // Nothing of the old game survives.
    EXPECT_EQ(gs->Regions[7], Record{});
    EXPECT_EQ(gs->GameLog[1][1], "");
    EXPECT_EQ(gs->ActionJournal[1][1], JournalEntry{});
    EXPECT_EQ(gs->Programme[1][1], Record{});
    EXPECT_EQ(gs->ChannelNames2[1], "");

    EXPECT_EQ(settings.SaveSlotNames[0], "Running Game");
    ASSERT_TRUE(fs::exists(SlotInt()));
    EXPECT_EQ(fs::file_size(SlotInt()), 60488u);
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadRunningGame(*loaded, dir.path()));
    EXPECT_EQ(loaded->GameInfo, gs->GameInfo);
    EXPECT_EQ(loaded->Channel, gs->Channel);
    EXPECT_EQ(loaded->RegionNames, gs->RegionNames);
    EXPECT_EQ(loaded->ChannelNames, gs->ChannelNames);
    EXPECT_EQ(loaded->AdOffers, gs->AdOffers);
    EXPECT_EQ(loaded->History, gs->History);
}

// The start screen opens the office on a new game whose save failed, and says so; the outcome
// is all it has to tell the two failures apart.
TEST_F(StartNewGameTest, AFailedSaveStillStartsTheGame) {
    WriteCatalogue(CatalogueSet::Standard, "Standard ");
    fs::create_directory(SlotInt());
    test::WriteBytes(SlotInt() / "inside", {1});
    const GameStart s = Start({.scenario = 8, .logo = 6, .name = "Night Owl TV", .custom = {}});
    EXPECT_EQ(s.outcome, StartOutcome::StartedUnsaved);
    EXPECT_TRUE(s.started());
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find(SlotFileStem(0)), std::string::npos) << s.message();
    EXPECT_EQ(gs->CurrentGame, 1);
    EXPECT_EQ(gs->RunningGameFlag, 1);
    EXPECT_EQ(gs->ChannelNames[2], "Night Owl TV");
    EXPECT_EQ(settings.SaveSlotNames[0], "Running Game");
    EXPECT_TRUE(fs::is_directory(SlotInt()));

    fs::remove_all(SlotInt());
    const GameStart saved = Start({.scenario = 8, .logo = 6, .name = "Night Owl TV", .custom = {}});
    EXPECT_EQ(saved.outcome, StartOutcome::Started);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(saved.message().empty());
}

TEST_F(StartNewGameTest, CustomGameReadsTheCustomCatalogue) {
    WriteCatalogue(CatalogueSet::Standard, "Standard ");
    WriteCatalogue(CatalogueSet::Custom, "Custom ");
    ASSERT_TRUE(
        Start({.scenario = 29, .logo = 3, .name = "", .custom = {.turns = 180, .competitors = 1}}));
    EXPECT_EQ(cat->MovieTitles[500], "Custom 500");
    EXPECT_EQ(gs->GameInfo[Info::kScenarioKind], Kind::kCustom);
    EXPECT_EQ(gs->GameInfo[Info::kMap], Map::kGermany);
    EXPECT_EQ(gs->GameInfo[Info::kCustomTurns], 180);
    EXPECT_EQ(gs->Channel[4][Ch::kActive], 0);
    EXPECT_EQ(gs->ChannelNames[3], "Palm TV");
}

// An installed game reads its catalogue from the share directory and keeps the player's slots in
// the player's own: a new game and a load must never mix the two up.
TEST(GameDirsTest, NewGameAndLoadReadContentAndKeepSlotsInTheUserDir) {
    TempDir content;
    TempDir user;
    ASSERT_TRUE(
        SaveCatalogueSet(*TestCatalogue("Shared "), CatalogueSet::Standard, content.path()));
    const auto listing = [](const fs::path& dir) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    };
    const std::set<std::string> contentBefore = listing(content.path());
    const GameDirs dirs(content.path(), user.path());

    auto gs = std::make_unique<GameState>();
    auto cat = std::make_unique<Catalogue>();
    Settings settings;
    Rng rng(3);
    ASSERT_TRUE(
        StartNewGame(*gs, *cat, settings, rng, {.scenario = 1, .name = "", .custom = {}}, dirs));
    EXPECT_EQ(cat->MovieTitles[2], "Shared 2");
    EXPECT_EQ(listing(content.path()), contentBefore);
    const std::string stem = SlotFileStem(kRunningGameSlot);
    EXPECT_EQ(listing(user.path()),
              (std::set<std::string>{stem + ".int", stem + ".str", stem + HistoryFileSuffix()}));

    auto loaded = std::make_unique<GameState>();
    auto loadedCat = std::make_unique<Catalogue>();
    ASSERT_TRUE(LoadGameFromSlot(*loaded, *loadedCat, kRunningGameSlot, dirs));
    EXPECT_EQ(loaded->ChannelNames, gs->ChannelNames);
    EXPECT_EQ(loadedCat->MovieTitles[2], "Shared 2");
    EXPECT_EQ(listing(content.path()), contentBefore);
    // The same directories the other way round: no slot among the content, no catalogue among
    // the player's files.
    EXPECT_FALSE(LoadGameFromSlot(*loaded, *loadedCat, kRunningGameSlot,
                                  GameDirs(user.path(), content.path())));
}

}  // namespace
}  // namespace qvx
