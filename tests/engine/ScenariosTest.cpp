#include "Scenarios.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "GameState.h"

namespace qvx {
namespace {

struct ScenarioCase {
    int s;
    int32_t kind, map;
    const char* title;
    const char* goal;
    int32_t turns;
    const char* picture;
};

class ScenarioListTest : public testing::TestWithParam<ScenarioCase> {};

TEST_P(ScenarioListTest, TitleGoalAndPictureFollowKindAndMap) {
    const ScenarioCase& c = GetParam();
    EXPECT_EQ(ScenarioKind(c.s), c.kind);
    EXPECT_EQ(ScenarioMap(c.s), c.map);
    EXPECT_EQ(ScenarioIndex(c.kind, c.map), c.s);
    EXPECT_EQ(ScenarioTitle(c.s), c.title);
    EXPECT_EQ(ScenarioGoal(c.s), c.goal);
    EXPECT_EQ(ScenarioTurns(c.kind, 0), c.turns);
    EXPECT_EQ(ScenarioPicture(c.s), c.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ScenarioListTest,
    testing::Values(ScenarioCase{1, 1, 1, "Normal - USA", "Most money after 120 turns", 120,
                                 "QVX2_Scenario1.jpg"},
                    ScenarioCase{5, 1, 5, "Normal - France", "Most money after 120 turns", 120,
                                 "QVX2_Scenario5.jpg"},
                    ScenarioCase{7, 2, 2, "Fast - European Union", "Most money after 60 turns", 60,
                                 "QVX2_Scenario2.jpg"},
                    ScenarioCase{13, 3, 3, "Long - Great Britain", "Most money after 240 turns",
                                 240, "QVX2_Scenario3.jpg"},
                    ScenarioCase{19, 4, 4, "Expert - Germany", "Most money after 160 turns", 160,
                                 "QVX2_Scenario4.jpg"},
                    ScenarioCase{21, 5, 1, "Tweaked - USA", "Most money after 24 turns", 24,
                                 "QVX2_Scenario1.jpg"},
                    ScenarioCase{26, 6, 1, "Custom - USA", "Most money after 60-240 turns", 120,
                                 "QVX2_Scenario1.jpg"},
                    ScenarioCase{30, 6, 5, "Custom - France", "Most money after 60-240 turns", 120,
                                 "QVX2_Scenario5.jpg"}));

TEST(ScenarioListTest, OutOfRangeGivesEmptyAnswers) {
    for (int s : {0, -1, 31, 1000}) {
        EXPECT_EQ(ScenarioKind(s), 0) << s;
        EXPECT_EQ(ScenarioMap(s), 0) << s;
        EXPECT_EQ(ScenarioTitle(s), "") << s;
        EXPECT_EQ(ScenarioGoal(s), "") << s;
        EXPECT_EQ(ScenarioDescription(s), "") << s;
        EXPECT_EQ(ScenarioPicture(s), "") << s;
    }
    EXPECT_EQ(ScenarioIndex(0, 1), 0);
    EXPECT_EQ(ScenarioIndex(7, 1), 0);
    EXPECT_EQ(ScenarioIndex(1, 6), 0);
    EXPECT_STREQ(MapName(0), "");
    EXPECT_STREQ(MapName(6), "");
    EXPECT_EQ(ScenarioTurns(0, 120), 0);
    EXPECT_EQ(ScenarioTurns(7, 120), 0);
}

TEST(ScenarioListTest, CustomTurnsMustBeOneOfTheChoices) {
    for (int32_t t : kCustomTurnChoices)
        EXPECT_EQ(ScenarioTurns(Kind::kCustom, t), t);
    for (int32_t t : {0, -24, 50, 241, 100000})
        EXPECT_EQ(ScenarioTurns(Kind::kCustom, t), 120) << t;
    // The custom turn count means nothing to the other kinds.
    EXPECT_EQ(ScenarioTurns(Kind::kFast, 240), 60);
}

struct StepCase {
    int value, delta, count, expected;
};
class StepCyclicTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepCyclicTest, WrapsAroundBothEnds) {
    const StepCase& c = GetParam();
    EXPECT_EQ(StepCyclic(c.value, c.delta, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepCyclicTest,
                         testing::Values(StepCase{30, 1, 30, 1}, StepCase{1, -1, 30, 30},
                                         StepCase{15, 1, 30, 16}, StepCase{15, -1, 30, 14},
                                         StepCase{8, 1, 8, 1}, StepCase{1, -1, 8, 8},
                                         StepCase{1, -9, 8, 8}, StepCase{5, 0, 0, 0}));

TEST(ScenarioListTest, NextAndPreviousWrapToTheNamedScenarios) {
    EXPECT_EQ(ScenarioTitle(StepCyclic(30, 1, kScenarios)), "Normal - USA");
    EXPECT_EQ(ScenarioTitle(StepCyclic(1, -1, kScenarios)), "Custom - France");
}

TEST(ScenarioDescriptionTest, UsaTextsAreKeptWordForWord) {
    EXPECT_EQ(ScenarioDescription(1),
              "This is the standard USA scenario.  The TV company with the most money after 120 "
              "turns (10 game years) wins.");
    EXPECT_EQ(ScenarioDescription(6),
              "This fast paced USA scenario has been specifically designed for your coffee break. "
              "The TV company with the most money after 60 turns (5 game years) wins.");
    EXPECT_EQ(ScenarioDescription(11),
              "This extended USA scenario takes quiet a while to play through. The TV company "
              "with the most money after 240 turns (20 game years) wins.");
    EXPECT_EQ(ScenarioDescription(16),
              "This difficult USA scenario has been designed to provide a challenge to real "
              "experts. The TV company with the most money after 160 turns (15 game years) wins.");
    EXPECT_EQ(ScenarioDescription(21),
              "This specifically tweaked USA scenario allows short games of 24 turns (2 game "
              "years) and has been specifically designed for your coffee break.");
}

TEST(ScenarioDescriptionTest, EveryMapHasItsOwnTextNamingItExceptCustom) {
    std::set<std::string> seen;
    for (int s = 1; s <= 25; ++s) {
        const std::string text = ScenarioDescription(s);
        EXPECT_NE(text.find(MapName(ScenarioMap(s))), std::string::npos) << s;
        const std::string turns = std::to_string(ScenarioTurns(ScenarioKind(s), 0)) + " turns";
        EXPECT_NE(text.find(turns), std::string::npos) << s;
        EXPECT_TRUE(seen.insert(text).second) << "text of scenario " << s << " repeats";
    }
    const std::string custom = ScenarioDescription(26);
    EXPECT_EQ(custom.rfind("When choosing this game mode you will be able to set up many game "
                           "variables yourself. ",
                           0),
              0u);
    EXPECT_GT(custom.size(), 90u);
    for (int s = 27; s <= 30; ++s)
        EXPECT_EQ(ScenarioDescription(s), custom);
}

// Column sums of each map's table: population Kids..Seniors, station cost, licence price,
// marker x, marker y. They catch a mistyped number anywhere in a table.
struct MapCase {
    int32_t map;
    const char* name;
    std::vector<const char*> regions;
    std::array<const char*, kChannels> startingRegions;
    std::array<int64_t, 9> sums;
};

class MapTablesTest : public testing::TestWithParam<MapCase> {};

TEST_P(MapTablesTest, RegionsMatchTheMap) {
    const MapCase& c = GetParam();
    EXPECT_STREQ(MapName(c.map), c.name);
    const auto regions = MapRegions(c.map);
    ASSERT_EQ(regions.size(), c.regions.size());
    std::array<int64_t, 9> sums{};
    for (size_t r = 0; r < regions.size(); ++r) {
        const RegionData& d = regions[r];
        EXPECT_STREQ(d.name, c.regions[r]);
        for (size_t g = 0; g < 5; ++g)
            sums[g] += d.population[g];
        sums[5] += d.stationCost;
        sums[6] += d.licencePrice;
        sums[7] += d.markerX;
        sums[8] += d.markerY;
        const std::string codes = d.codes;
        EXPECT_GE(codes.size(), 4u) << d.name;
        EXPECT_EQ(codes.front(), '(') << d.name;
        EXPECT_EQ(codes.back(), ')') << d.name;
        const std::string description = d.description;
        EXPECT_GT(description.size(), 30u) << d.name;
        EXPECT_EQ(description.back(), '.') << d.name;
    }
    EXPECT_EQ(sums, c.sums);
    for (int ch = 1; ch <= kChannels; ++ch) {
        const int r = StartingRegion(c.map, ch);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, static_cast<int>(regions.size()));
        EXPECT_STREQ(regions[static_cast<size_t>(r - 1)].name,
                     c.startingRegions[static_cast<size_t>(ch - 1)])
            << "channel " << ch;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapTablesTest,
    testing::Values(
        MapCase{Map::kUsa,
                "USA",
                {"New England", "East Coast", "Midwest (East)", "Midwest (West)", "South Atlantic",
                 "East South Central", "West South Central", "Mountain", "West Coast"},
                {"East Coast", "Midwest (East)", "West Coast", "Midwest (West)"},
                {78, 78, 117, 78, 49, 380, 97000, 4271, 2293}},
        MapCase{Map::kEu,
                "European Union",
                {"Germany", "France", "Great Britain", "Italy", "Spain", "Portugal", "Greece",
                 "Poland", "Northern countries"},
                {"Germany", "France", "Great Britain", "Italy"},
                {78, 80, 104, 70, 41, 300, 87000, 3671, 2777}},
        MapCase{Map::kGreatBritain,
                "Great Britain",
                {"London", "South East", "South West", "North East", "North West", "Scotland"},
                {"South East", "South West", "North East", "Scotland"},
                {9, 9, 19, 13, 10, 70, 37500, 3074, 2274}},
        MapCase{Map::kGermany,
                "Germany",
                {"Baden-W\u00fcrttemberg", "Bavaria", "North-Rhine Westphalia", "Northern Germany",
                 "Midland Germany", "Eastern Germany"},
                {"Baden-W\u00fcrttemberg", "Bavaria", "Midland Germany", "Eastern Germany"},
                {14, 14, 23, 17, 21, 88, 69000, 1935, 1669}},
        MapCase{Map::kFrance,
                "France",
                {"North West France", "Paris/Loire", "North East France", "Atlantic France",
                 "Upland France", "Southern France"},
                {"North West France", "North East France", "Upland France", "Southern France"},
                {12, 9, 19, 15, 9, 68, 62000, 2310, 1637}}));

TEST(MapTablesTest, CodeListsOfTheNamedRegions) {
    EXPECT_STREQ(MapRegions(Map::kUsa)[0].codes, "(ME, NH, VT, MA, RI, CT)");
    EXPECT_STREQ(MapRegions(Map::kEu)[0].codes, "(DE)");
    EXPECT_STREQ(MapRegions(Map::kEu)[8].codes, "(DK, SE, FI, NO)");
}

TEST(MapTablesTest, OutOfRangeMapsAndChannelsHaveNothing) {
    EXPECT_TRUE(MapRegions(0).empty());
    EXPECT_TRUE(MapRegions(6).empty());
    EXPECT_EQ(StartingRegion(0, 1), 0);
    EXPECT_EQ(StartingRegion(6, 1), 0);
    EXPECT_EQ(StartingRegion(1, 0), 0);
    EXPECT_EQ(StartingRegion(1, 5), 0);
}

struct LogoCase {
    int32_t logo;
    int channel;
    const char* caption;
    const char* defaultName;
    const char* picture;
};
class LogoTest : public testing::TestWithParam<LogoCase> {};

TEST_P(LogoTest, ColourNameAndPicture) {
    const LogoCase& c = GetParam();
    EXPECT_EQ(LogoChannel(c.logo), c.channel);
    EXPECT_STREQ(LogoColourCaption(c.logo), c.caption);
    EXPECT_STREQ(DefaultChannelName(c.logo), c.defaultName);
    EXPECT_EQ(LogoPicture(c.logo), c.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Logos, LogoTest,
    testing::Values(LogoCase{1, 1, "Red logo color", "Hollyfilms TV", "QVX2_complogo1.jpg"},
                    LogoCase{2, 2, "Yellow logo color", "Banana TV", "QVX2_complogo2.jpg"},
                    LogoCase{3, 3, "Green logo color", "Palm TV", "QVX2_complogo3.jpg"},
                    LogoCase{4, 4, "Blue logo color", "WaveNow TV", "QVX2_complogo4.jpg"},
                    LogoCase{5, 1, "Red logo color", "Film TV", "QVX2_complogo5.jpg"},
                    LogoCase{6, 2, "Yellow logo color", "Fruit TV", "QVX2_complogo6.jpg"},
                    LogoCase{7, 3, "Green logo color", "Green TV", "QVX2_complogo7.jpg"},
                    LogoCase{8, 4, "Blue logo color", "Blue TV", "QVX2_complogo8.jpg"},
                    // Anything else is taken as logo 1.
                    LogoCase{0, 1, "Red logo color", "Hollyfilms TV", "QVX2_complogo1.jpg"},
                    LogoCase{9, 1, "Red logo color", "Hollyfilms TV", "QVX2_complogo1.jpg"},
                    LogoCase{-4, 1, "Red logo color", "Hollyfilms TV", "QVX2_complogo1.jpg"}));

}  // namespace
}  // namespace qvx
