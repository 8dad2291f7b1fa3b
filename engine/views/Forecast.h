#pragma once
// The programme table's audience forecast: the viewers each of the player's ten hours would
// reach, worked out by running the coming day on a copy of the game.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

struct HourForecast {
    bool hasProgramme = false;  // the slot holds a title or the news show
    int32_t viewers = 0;        // the player's channel's viewers in the hour, in millions
    std::array<int32_t, kAudienceGroups> groups{};  // Kids, Teens, Women, Men, Seniors
    std::string text;     // "≈ 12,345 millions"; empty without a programme
    std::string tooltip;  // one line per group, then the assumption; empty without a programme
    // For the hour's ad (0 = none): whether the forecast audience that the contract's target
    // counts reaches its minimum. nullopt without an ad.
    std::optional<bool> adReached;
};

struct DayForecast {
    std::array<HourForecast, kSlots> hours{};  // [slot - 1]
};

// The coming day as End turn would play it now: the turn's steps before the broadcast (markets,
// mob card, the computer companies' plans, shut-downs) and the broadcast itself, on a copy of
// the game and of the generator. Never changes the game: nothing is drawn from `rng`, nothing
// is written to gs, the logs or a file.
DayForecast ForecastPlayerDay(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                              const Rng& rng);

// One sentence naming what the forecast assumes about the computer companies' day.
const char* ForecastAssumption();

}  // namespace qvx
