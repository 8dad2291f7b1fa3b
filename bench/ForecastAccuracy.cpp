// How close the programme table's forecast comes to the day End turn then plays. Plays whole
// games with the player's day planned by the computer's own planner (titles, the news show) and
// the player's accepted contracts spread over the hours; in every planning phase, just before End
// turn, it forecasts the day under each assumption about the computer companies and compares
// hour by hour with the viewers the player's channel then reached.
//   ./build/release/bench/quovix_forecast_accuracy [turns per game, default 100]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <vector>

#include "AdAgency.h"
#include "Boosters.h"
#include "Catalogue.h"
#include "Competitor.h"
#include "Forecast.h"
#include "GameState.h"
#include "Generator.h"
#include "NewGame.h"
#include "PlanningPhase.h"
#include "Rng.h"
#include "Scenarios.h"
#include "Settings.h"
#include "SimulateDay.h"
#include "StandInPlanner.h"
#include "TurnCycle.h"

using namespace qvx;

namespace {

// The assumptions compared. The first is the forecast as built; the others are what it would
// give with the computer companies' last broadcast day, or with a generator that has moved on
// since (as if something had drawn from it between the forecast and End turn).
enum Assumption { kTheirPlan, kLastBroadcast, kMovedGenerator, kAssumptions };
constexpr const char* kAssumptionNames[kAssumptions] = {
    "their plan (turn steps on a copy)", "their last broadcast", "their plan, generator moved on"};

// The day with the computer companies' programmes as they stand: only the player's side of the
// turn's steps (the auto-play count, shut-downs) before the broadcast.
std::array<Record, kSlots + 1> LastBroadcastDay(const GameState& gs, const Catalogue& cat,
                                                const Boosters& boosters) {
    auto day = std::make_unique<GameState>(gs);
    int32_t& autoDays = day->GameInfo[Info::kAutoPlayDays];
    autoDays = std::max(0, autoDays - 1);
    WipeDisabledProgrammes(*day);
    SimulateDay(*day, cat, boosters);
    return day->Programme[gs.PlayerChannel];
}

int32_t Viewers(const Record& slot) {
    int64_t sum = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        sum += slot[Slot::kViewers + g];
    return SaturateToInt32(sum);
}

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

struct Tally {
    std::vector<double> errors;
    int64_t adHours = 0, adAgree = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const int turns = argc > 1 ? std::atoi(argv[1]) : 100;
    const auto cat = content::GenerateCatalogue(content::kDefaultSeed);
    struct Game {
        int scenario;
        uint64_t seed;
        std::array<int32_t, kBoosterSlots + 1> deck;
    };
    // Scenario 1 and five others; two of the decks hold the mob card, whose strikes shut
    // a computer company down in the steps the forecast has to replay.
    const Game games[] = {{1, 1, {}},
                          {7, 2, {0, Card::kMob, Card::kTechnician, 0, 0, 0}},
                          {19, 3, {0, Card::kPaparazzi, 0, 0, 0, 0}},
                          {12, 4, {}},
                          {25, 5, {0, Card::kMob, Card::kMob, 0, 0, 0}},
                          {30, 6, {}}};
    std::array<Tally, kAssumptions> tally;
    int64_t turnsPlayed = 0;
    std::vector<double> actuals;
    for (const Game& game : games) {
        Settings settings;
        for (int i = 1; i <= kBoosterSlots; ++i)
            settings.Deck.ActiveBoosters[i] = game.deck[i];
        auto gs = std::make_unique<GameState>();
        Rng rng(game.seed);
        Rng planner(game.seed * 7919);
        ClearGame(*gs);
        gs->CurrentGame = 1;
        NewGame(*gs, *cat, settings.Deck, rng, ScenarioKind(game.scenario),
                ScenarioMap(game.scenario), 1, "", CustomSettings{});
        const int player = gs->PlayerChannel;
        for (int t = 0; t < turns && gs->GameInfo[Info::kGameOver] != 1; ++t) {
            PlanPlayerDay(*gs, *cat, planner);
            std::array<DayForecast, kAssumptions> forecasts;
            forecasts[kTheirPlan] = ForecastPlayerDay(*gs, *cat, settings.Deck, rng);
            Rng moved = rng;
            moved.Random(2);
            forecasts[kMovedGenerator] = ForecastPlayerDay(*gs, *cat, settings.Deck, moved);
            const auto last = LastBroadcastDay(*gs, *cat, settings.Deck);
            for (int s = 1; s <= kSlots; ++s) {
                HourForecast& h = forecasts[kLastBroadcast].hours[s - 1];
                h = forecasts[kTheirPlan].hours[s - 1];
                h.viewers = Viewers(last[s]);
                const int32_t ad = gs->Programme[player][s][Slot::kAd];
                if (ValidAd(ad)) {
                    const Record& contract = gs->AdPool[player][ad];
                    h.adReached = AudienceForTarget(last[s], contract[Ad::kTargetCode]) >=
                                  contract[Ad::kMinViewers];
                }
            }
            const auto planned = gs->Programme[player];
            gs->EndTurnBusy = true;
            EndTurn(*gs, *cat, settings.Deck, rng);
            ++turnsPlayed;
            for (int s = 1; s <= kSlots; ++s) {
                if (planned[s][Slot::kProgramme] == 0) continue;
                const Record& aired = gs->Programme[player][s];
                const int32_t actual = Viewers(aired);
                actuals.push_back(actual);
                const int32_t ad = planned[s][Slot::kAd];
                std::optional<bool> reached;
                if (ValidAd(ad)) {
                    const Record& contract = gs->AdPool[player][ad];
                    reached = AudienceForTarget(aired, contract[Ad::kTargetCode]) >=
                              contract[Ad::kMinViewers];
                }
                for (int a = 0; a < kAssumptions; ++a) {
                    const HourForecast& h = forecasts[a].hours[s - 1];
                    tally[a].errors.push_back(std::abs(double(h.viewers) - actual) /
                                              std::max(1, actual));
                    if (!reached) continue;
                    ++tally[a].adHours;
                    tally[a].adAgree += h.adReached == reached;
                }
            }
            OpenPlanningPhase(*gs, *cat, settings, {}, -1);
        }
        std::printf("scenario %d: %d turns played%s\n", game.scenario, gs->GameInfo[Info::kTurn],
                    gs->GameInfo[Info::kGameOver] == 1 ? " (game over)" : "");
    }
    std::printf(
        "%lld turns, %zu hours with a programme; viewers per hour: median %.0f, p10 %.0f, "
        "p90 %.0f millions\n",
        static_cast<long long>(turnsPlayed), tally[0].errors.size(), Percentile(actuals, 0.5),
        Percentile(actuals, 0.1), Percentile(actuals, 0.9));
    for (int a = 0; a < kAssumptions; ++a) {
        const Tally& t = tally[a];
        const auto exact = std::count(t.errors.begin(), t.errors.end(), 0.0);
        std::printf(
            "%-34s median %6.2f %%  p90 %6.2f %%  mean %6.2f %%  max %7.2f %%  exact hours %5.1f "
            "%%  ads right %5.1f %% of %lld\n",
            kAssumptionNames[a], 100 * Percentile(t.errors, 0.5), 100 * Percentile(t.errors, 0.9),
            100 * std::accumulate(t.errors.begin(), t.errors.end(), 0.0) / double(t.errors.size()),
            100 * Percentile(t.errors, 1.0), 100.0 * double(exact) / double(t.errors.size()),
            t.adHours ? 100.0 * double(t.adAgree) / double(t.adHours) : 0.0,
            static_cast<long long>(t.adHours));
    }
    return 0;
}
