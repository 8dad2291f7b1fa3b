#include "Scenarios.h"

#include <algorithm>
#include <array>

#include "GameState.h"

namespace qvx {

namespace {

constexpr std::array<const char*, kScenarioKinds> kTitlePrefixes = {
    "Normal - ", "Fast - ", "Long - ", "Expert - ", "Tweaked - ", "Custom - "};
constexpr std::array<const char*, kMaps> kMapNames = {"USA", "European Union", "Great Britain",
                                                      "Germany", "France"};
constexpr std::array<int32_t, kScenarioKinds - 1> kKindTurns = {120, 60, 240, 160, 24};
constexpr std::array<const char*, kScenarioKinds> kGoals = {
    "Most money after 120 turns", "Most money after 60 turns", "Most money after 240 turns",
    "Most money after 160 turns", "Most money after 24 turns", "Most money after 60-240 turns"};

// Every map has its own wording; the other maps follow the pattern of the USA texts.
// clang-format off
constexpr std::array<std::array<const char*, kMaps>, kScenarioKinds - 1> kDescriptions = {{
    {   // Normal
        "This is the standard USA scenario.  The TV company with the most money after 120 turns "
        "(10 game years) wins.",
        "This is the standard European Union scenario.  The TV company with the most money after "
        "120 turns (10 game years) wins.",
        "This is the standard scenario for Great Britain.  The TV company with the most money "
        "after 120 turns (10 game years) wins.",
        "This is the standard Germany scenario. The TV company that has the most money after 120 "
        "turns (10 game years) wins.",
        "This is the standard France scenario.  Whichever TV company has the most money after 120 "
        "turns (10 game years) wins.",
    },
    {   // Fast
        "This fast paced USA scenario has been specifically designed for your coffee break. The "
        "TV company with the most money after 60 turns (5 game years) wins.",
        "This fast paced European Union scenario has been specifically designed for your coffee "
        "break. The TV company with the most money after 60 turns (5 game years) wins.",
        "This fast paced Great Britain scenario is just right for a long tea break. The TV "
        "company with the most money after 60 turns (5 game years) wins.",
        "This fast paced Germany scenario has been designed for your lunch break. The TV company "
        "with the most money after 60 turns (5 game years) wins.",
        "This fast paced France scenario has been made for your coffee break. The TV company with "
        "the most money after 60 turns (5 game years) wins.",
    },
    {   // Long
        "This extended USA scenario takes quiet a while to play through. The TV company with the "
        "most money after 240 turns (20 game years) wins.",
        "This extended European Union scenario takes quite a while to play through. The TV "
        "company with the most money after 240 turns (20 game years) wins.",
        "This extended Great Britain scenario is meant for long winter evenings. The TV company "
        "with the most money after 240 turns (20 game years) wins.",
        "This extended Germany scenario takes a good while to play through. The TV company with "
        "the most money after 240 turns (20 game years) wins.",
        "This extended France scenario will keep you busy for quite a while. The TV company with "
        "the most money after 240 turns (20 game years) wins.",
    },
    {   // Expert
        "This difficult USA scenario has been designed to provide a challenge to real experts. "
        "The TV company with the most money after 160 turns (15 game years) wins.",
        "This difficult European Union scenario has been designed to challenge real experts. The "
        "TV company with the most money after 160 turns (over 13 game years) wins.",
        "This difficult Great Britain scenario will test even real experts. Your rivals start "
        "four times as rich; the TV company with the most money after 160 turns wins.",
        "This difficult Germany scenario has been designed to provide a challenge to real "
        "experts. The TV company with the most money after 160 turns (over 13 game years) wins.",
        "This difficult France scenario is meant for real experts only. The TV company with the "
        "most money after 160 turns (over 13 game years) wins.",
    },
    {   // Tweaked
        "This specifically tweaked USA scenario allows short games of 24 turns (2 game years) and "
        "has been specifically designed for your coffee break.",
        "This specifically tweaked European Union scenario allows short games of 24 turns (2 game "
        "years) and has been designed for your coffee break.",
        "This tweaked Great Britain scenario allows short games of 24 turns (2 game years); ad "
        "contracts pay double, so every decision counts.",
        "This specially tweaked Germany scenario allows short games of 24 turns (2 game years) "
        "and fits neatly into a coffee break.",
        "This tweaked France scenario allows short games of 24 turns (2 game years) and has been "
        "made for a quick game between two meetings.",
    },
}};
// clang-format on

constexpr const char* kCustomDescription =
    "When choosing this game mode you will be able to set up many game variables yourself. "
    "Choose the length of the game, the number of competitors, the difficulty, an early or a "
    "late start and how the viewers are spread across the regions.";

constexpr std::array<const char*, kChannels> kColourCaptions = {
    "Red logo color", "Yellow logo color", "Green logo color", "Blue logo color"};
constexpr std::array<const char*, kLogoCount> kDefaultNames = {
    "Hollyfilms TV", "Banana TV", "Palm TV",  "WaveNow TV",
    "Film TV",       "Fruit TV",  "Green TV", "Blue TV"};

bool ValidScenario(int s) {
    return s >= 1 && s <= kScenarios;
}

// A logo outside 1..8 is taken as logo 1, as the new game does.
size_t LogoIndex(int32_t logo) {
    return logo >= 1 && logo <= kLogoCount ? static_cast<size_t>(logo - 1) : 0;
}

}  // namespace

int32_t ScenarioKind(int s) {
    return ValidScenario(s) ? (s - 1) / kMaps + 1 : 0;
}

int32_t ScenarioMap(int s) {
    return ValidScenario(s) ? (s - 1) % kMaps + 1 : 0;
}

int ScenarioIndex(int32_t kind, int32_t map) {
    if (kind < 1 || kind > kScenarioKinds || map < 1 || map > kMaps) return 0;
    return (kind - 1) * kMaps + map;
}

std::string ScenarioTitle(int s) {
    if (!ValidScenario(s)) return {};
    return std::string(kTitlePrefixes[static_cast<size_t>(ScenarioKind(s) - 1)]) +
           MapName(ScenarioMap(s));
}

std::string ScenarioGoal(int s) {
    if (!ValidScenario(s)) return {};
    return kGoals[static_cast<size_t>(ScenarioKind(s) - 1)];
}

std::string ScenarioDescription(int s) {
    if (!ValidScenario(s)) return {};
    const int32_t kind = ScenarioKind(s);
    if (kind == Kind::kCustom) return kCustomDescription;
    return kDescriptions[static_cast<size_t>(kind - 1)][static_cast<size_t>(ScenarioMap(s) - 1)];
}

std::string ScenarioPicture(int s) {
    if (!ValidScenario(s)) return {};
    return "QVX2_Scenario" + std::to_string(ScenarioMap(s)) + ".jpg";
}

int32_t ScenarioTurns(int32_t kind, int32_t customTurns) {
    if (kind == Kind::kCustom) {
        const auto* end = std::end(kCustomTurnChoices);
        return std::find(std::begin(kCustomTurnChoices), end, customTurns) != end
                   ? customTurns
                   : kDefaultCustomTurns;
    }
    if (kind < 1 || kind > kScenarioKinds) return 0;
    return kKindTurns[static_cast<size_t>(kind - 1)];
}

int StepCyclic(int value, int delta, int count) {
    if (count < 1) return 0;
    const int step = ((value - 1 + delta) % count + count) % count;
    return step + 1;
}

const char* MapName(int32_t map) {
    if (map < 1 || map > kMaps) return "";
    return kMapNames[static_cast<size_t>(map - 1)];
}

int LogoChannel(int32_t logo) {
    return static_cast<int>(LogoIndex(logo) % kChannels) + 1;
}

const char* LogoColourCaption(int32_t logo) {
    return kColourCaptions[static_cast<size_t>(LogoChannel(logo) - 1)];
}

const char* DefaultChannelName(int32_t logo) {
    return kDefaultNames[LogoIndex(logo)];
}

std::string LogoPicture(int32_t logo) {
    return "QVX2_complogo" + std::to_string(LogoIndex(logo) + 1) + ".jpg";
}

}  // namespace qvx
