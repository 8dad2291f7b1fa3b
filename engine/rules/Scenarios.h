#pragma once
// The thirty scenarios (six kinds on five maps), the maps' regions and the company logos.
#include <cstdint>
#include <span>
#include <string>

namespace qvx {

constexpr int kScenarios = 30;
constexpr int kMaps = 5;
constexpr int kScenarioKinds = 6;

namespace Kind {
constexpr int32_t kNormal = 1, kFast = 2, kLong = 3, kExpert = 4, kTweaked = 5, kCustom = 6;
}
namespace Map {
constexpr int32_t kUsa = 1, kEu = 2, kGreatBritain = 3, kGermany = 4, kFrance = 5;
}

// Scenario s = 1..30: kind (s-1) div 5 + 1, map (s-1) mod 5 + 1.
int32_t ScenarioKind(int s);
int32_t ScenarioMap(int s);
int ScenarioIndex(int32_t kind, int32_t map);
std::string ScenarioTitle(int s);        // "Normal - European Union"
std::string ScenarioGoal(int s);         // "Most money after 120 turns"
std::string ScenarioDescription(int s);  // the text the new game screen shows for this map
std::string ScenarioPicture(int s);      // "QVX2_Scenario<map>.jpg"
// Turns of a scenario kind; a Custom game plays the turns chosen for it.
int32_t ScenarioTurns(int32_t kind, int32_t customTurns);
// One-based step through 1..count with wrap-around (the new game screen's Previous / Next).
int StepCyclic(int value, int delta, int count);

const char* MapName(int32_t map);  // "USA", "European Union", ...

struct RegionData {
    const char* name;
    int32_t population[5];  // Kids, Teens, Women, Men, Seniors (millions)
    int32_t stationCost;    // per turn
    int32_t licencePrice;
    int32_t markerX, markerY;
    const char* description;
    const char* codes;  // "(ME, NH, VT, MA, RI, CT)"
};
// The regions of a map in their order 1..n (9 on USA and EU, 6 elsewhere).
std::span<const RegionData> MapRegions(int32_t map);
// The region (1-based) whose licence channel c = 1..4 holds at the start.
int StartingRegion(int32_t map, int c);

constexpr int kLogoCount = 8;
// Logo k belongs to channel ((k-1) mod 4) + 1.
int LogoChannel(int32_t logo);
const char* LogoColourCaption(int32_t logo);   // "Red logo color"
const char* DefaultChannelName(int32_t logo);  // "Hollyfilms TV"
std::string LogoPicture(int32_t logo);         // "QVX2_complogo<k>.jpg"

// The turn counts a Custom game may choose; no choice means 120.
inline constexpr int32_t kCustomTurnChoices[] = {24, 48, 60, 120, 160, 180, 240};
constexpr int32_t kDefaultCustomTurns = 120;

}  // namespace qvx
