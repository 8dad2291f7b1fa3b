// Timing of the engine work behind one press of "end turn" and of the computer's decisions, on
// a mid-game state: four computer companies, a generated catalogue, 40 turns played so that
// archives, ad pools, licences and logs look as they do in a running game.
//   ./build/release/bench/quovix_game_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

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
#include "Shares.h"
#include "SimulateDay.h"
#include "TurnCycle.h"

using namespace qvx;

namespace {

constexpr int kScenario = 1;
constexpr int kTurnsPlayed = 40;

struct MidGame {
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Boosters noCards{};
    Rng rng{7};
};

// Plays whole turns as the office would: the day, then the next planning phase (no autosave).
void PlayTurns(MidGame& game, int turns) {
    Settings settings;
    for (int t = 0; t < turns && game.gs->GameInfo[Info::kGameOver] != 1; ++t) {
        game.gs->EndTurnBusy = true;
        EndTurn(*game.gs, *game.cat, game.noCards, game.rng);
        OpenPlanningPhase(*game.gs, *game.cat, settings, {}, -1);
    }
}

// Built once: generating the catalogue and playing 40 turns takes far longer than any timed op.
const MidGame& SharedMidGame() {
    static const std::unique_ptr<MidGame> game = [] {
        auto g = std::make_unique<MidGame>();
        g->cat = content::GenerateCatalogue(content::kDefaultSeed);
        const int32_t kind = ScenarioKind(kScenario);
        ClearGame(*g->gs);
        g->gs->CurrentGame = 1;
        NewGame(*g->gs, *g->cat, g->noCards, g->rng, kind, ScenarioMap(kScenario), 1, "",
                CustomSettings{});
        for (int c = 1; c <= kChannels; ++c)
            g->gs->Channel[c][Ch::kHuman] = 0;
        PlayTurns(*g, kTurnsPlayed);
        return g;
    }();
    return *game;
}

// The state a turn starts from: the computer has planned every channel's day.
std::unique_ptr<GameState> PlannedDay(const MidGame& game) {
    auto gs = std::make_unique<GameState>(*game.gs);
    Rng rng{11};
    for (int c = 1; c <= kChannels; ++c) {
        if (IsEligibleForCompetitorTurn(*gs, c)) PlanCompetitorProgramme(*gs, *game.cat, rng, c);
    }
    return gs;
}

void SimulateDayBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    const auto planned = PlannedDay(game);
    auto gs = std::make_unique<GameState>(*planned);
    for (auto _ : state) {
        state.PauseTiming();
        *gs = *planned;
        state.ResumeTiming();
        SimulateDay(*gs, *game.cat, game.noCards);
        benchmark::DoNotOptimize(gs->Channel);
    }
}
BENCHMARK(SimulateDayBench)->Name("SimulateDay")->Unit(benchmark::kMicrosecond);

void TurnCycleBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    auto gs = std::make_unique<GameState>(*game.gs);
    Rng rng{13};
    for (auto _ : state) {
        state.PauseTiming();
        *gs = *game.gs;
        gs->EndTurnBusy = true;
        state.ResumeTiming();
        const TurnOutcome outcome = TurnCycle(*gs, *game.cat, game.noCards, rng);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(TurnCycleBench)->Name("TurnCycle")->Unit(benchmark::kMicrosecond);

void CompanyValueBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    for (auto _ : state) {
        for (int c = 1; c <= kChannels; ++c) {
            benchmark::DoNotOptimize(CompanyValue(*game.gs, *game.cat, c, ValueVariant::Full));
            benchmark::DoNotOptimize(CompanyValue(*game.gs, *game.cat, c, ValueVariant::Strict));
        }
    }
    state.SetItemsProcessed(state.iterations() * kChannels * 2);
}
BENCHMARK(CompanyValueBench)->Name("CompanyValue/4x2")->Unit(benchmark::kMicrosecond);

void PlanCompetitorBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    auto gs = std::make_unique<GameState>(*game.gs);
    Rng rng{17};
    for (auto _ : state) {
        state.PauseTiming();
        *gs = *game.gs;
        state.ResumeTiming();
        for (int c = 1; c <= kChannels; ++c)
            PlanCompetitorProgramme(*gs, *game.cat, rng, c);
        benchmark::DoNotOptimize(gs->Programme);
    }
}
BENCHMARK(PlanCompetitorBench)->Name("PlanCompetitorProgramme/4")->Unit(benchmark::kMicrosecond);

// The mid-game with channel 1 handed to a player whose day the planner has filled: what the
// programme table sees while the player plans.
std::unique_ptr<GameState> PlayerPlanning(const MidGame& game) {
    auto gs = std::make_unique<GameState>(*game.gs);
    gs->Channel[1][Ch::kHuman] = 1;
    gs->PlayerChannel = gs->ViewedChannel = 1;
    Rng rng{23};
    PlanCompetitorProgramme(*gs, *game.cat, rng, 1);
    return gs;
}

// What every redraw of the programme table costs: the coming day played on a copy.
void ForecastBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    const auto gs = PlayerPlanning(game);
    const Rng rng{29};
    for (auto _ : state) {
        const DayForecast forecast = ForecastPlayerDay(*gs, *game.cat, game.noCards, rng);
        benchmark::DoNotOptimize(forecast);
    }
}
BENCHMARK(ForecastBench)->Name("ForecastPlayerDay")->Unit(benchmark::kMicrosecond);

// The part of the forecast that is only the copy of the state.
void StateCopyBench(benchmark::State& state) {
    const MidGame& game = SharedMidGame();
    for (auto _ : state) {
        auto copy = std::make_unique<GameState>(*game.gs);
        benchmark::DoNotOptimize(copy->Channel);
    }
}
BENCHMARK(StateCopyBench)->Name("GameStateCopy")->Unit(benchmark::kMicrosecond);

// A whole 120-turn Normal game run by the computer in one auto-play, as the tournament plays it.
void WholeGameBench(benchmark::State& state) {
    const MidGame& shared = SharedMidGame();
    const int32_t kind = ScenarioKind(kScenario);
    auto gs = std::make_unique<GameState>();
    Rng rng{19};
    for (auto _ : state) {
        ClearGame(*gs);
        gs->CurrentGame = 1;
        NewGame(*gs, *shared.cat, shared.noCards, rng, kind, ScenarioMap(kScenario), 1, "",
                CustomSettings{});
        for (int c = 1; c <= kChannels; ++c)
            gs->Channel[c][Ch::kHuman] = 0;
        gs->GameInfo[Info::kAutoPlayDays] = TurnLimit(*gs) + 1;
        const TurnOutcome outcome = EndTurn(*gs, *shared.cat, shared.noCards, rng);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(WholeGameBench)->Name("WholeGame/Normal120")->Unit(benchmark::kMillisecond);

}  // namespace
