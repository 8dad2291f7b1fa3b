#include "Forecast.h"

#include <memory>

#include "Formatting.h"
#include "Playback.h"
#include "SimulateDay.h"
#include "TurnCycle.h"

namespace qvx {

namespace {

// Nothing the player does in a planning phase draws from the generator, so the copy draws what
// End turn will draw and the computer companies come out with the very plans they will make.
constexpr const char* kAssumption =
    "The forecast assumes the computer companies plan their day as they would if you ended the "
    "turn now; whatever you change before then can change their plans and the forecast.";

std::string Millions(int64_t viewers) {
    return FormatAmount(viewers) + " millions";
}

HourForecast ForecastHour(const Record& planned, const Record& aired,
                          const Table<Record, kAds>& pool) {
    HourForecast hour;
    hour.hasProgramme = planned[Slot::kProgramme] != 0;
    int64_t total = 0;
    for (int g = 0; g < kAudienceGroups; ++g) {
        hour.groups[g] = aired[Slot::kViewers + g];
        total += hour.groups[g];
    }
    hour.viewers = SaturateToInt32(total);
    const int32_t ad = planned[Slot::kAd];
    if (ValidAd(ad)) {
        const Record& contract = pool[ad];
        hour.adReached =
            AudienceForTarget(aired, contract[Ad::kTargetCode]) >= contract[Ad::kMinViewers];
    }
    if (!hour.hasProgramme) return hour;
    hour.text = "\u2248 " + Millions(hour.viewers);
    for (int g = 0; g < kAudienceGroups; ++g)
        hour.tooltip += std::string(GroupName(g + 1)) + ": " + Millions(hour.groups[g]) + "\n";
    hour.tooltip += kAssumption;
    return hour;
}

}  // namespace

DayForecast ForecastPlayerDay(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                              const Rng& rng) {
    DayForecast forecast;
    const int c = gs.PlayerChannel;
    if (!ValidChannel(c)) return forecast;
    auto day = std::make_unique<GameState>(gs);
    Rng draws = rng;
    PrepareBroadcastDay(*day, cat, boosters, draws);
    SimulateDay(*day, cat, boosters);
    for (int s = 1; s <= kSlots; ++s)
        forecast.hours[s - 1] =
            ForecastHour(gs.Programme[c][s], day->Programme[c][s], day->AdPool[c]);
    return forecast;
}

const char* ForecastAssumption() {
    return kAssumption;
}

}  // namespace qvx
