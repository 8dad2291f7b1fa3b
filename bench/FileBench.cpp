// Timing of the file work a player waits for: saving and loading a full slot (every log line
// used), summarising the six save slots and loading a catalogue set.
//   ./build/release/bench/quovix_file_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "SaveGame.h"

namespace fs = std::filesystem;
using namespace qvx;

namespace {

fs::path BenchDir() {
    const fs::path dir = fs::temp_directory_path() / "quovix_file_bench";
    fs::create_directories(dir);
    return dir;
}

std::unique_ptr<GameState> FullGame() {
    auto gs = std::make_unique<GameState>();
    gs->PlayerChannel = 1;
    for (int c = 1; c <= kChannels; ++c) {
        gs->ChannelNames[c] = "Channel " + std::to_string(c);
        for (int line = 1; line <= kLogLines; ++line)
            gs->GameLog[c][line] =
                "* $ 1,250 millions paid for the licence of a long movie title " +
                std::to_string(line) + ".";
        for (int m = 1; m <= kMovies; ++m)
            gs->EpisodesShown[c][m] = m % 7;
    }
    return gs;
}

void SaveFullSlot(benchmark::State& state) {
    const auto gs = FullGame();
    const fs::path dir = BenchDir();
    for (auto _ : state) {
        if (!WriteSlotFiles(*gs, 3, dir)) state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveFullSlot)->Unit(benchmark::kMillisecond);

void LoadFullSlot(benchmark::State& state) {
    const fs::path dir = BenchDir();
    if (!WriteSlotFiles(*FullGame(), 3, dir)) state.SkipWithError("save failed");
    auto gs = std::make_unique<GameState>();
    for (auto _ : state) {
        if (!LoadSlot(*gs, 3, dir)) state.SkipWithError("load failed");
    }
}
BENCHMARK(LoadFullSlot)->Unit(benchmark::kMillisecond);

// What the save/load screen reads each time it opens: the six rows' summaries (the budget for
// all six is 20 ms).
void SummariseSixSlots(benchmark::State& state) {
    const fs::path dir = BenchDir();
    auto gs = FullGame();
    gs->PlayerChannel = 1;
    gs->GameInfo[Info::kScenarioKind] = 1;
    gs->GameInfo[Info::kMap] = 1;
    gs->GameInfo[Info::kTurn] = 14;
    for (int slot = 1; slot <= kNumberedSaveSlots; ++slot)
        if (!WriteSlotFiles(*gs, slot, dir)) state.SkipWithError("save failed");
    for (auto _ : state) {
        for (int slot = 1; slot <= kNumberedSaveSlots; ++slot)
            if (!ReadSlotSummary(slot, dir).readable) state.SkipWithError("summary failed");
    }
}
BENCHMARK(SummariseSixSlots)->Unit(benchmark::kMicrosecond);

void LoadCatalogueSet(benchmark::State& state) {
    const fs::path dir = BenchDir();
    auto cat = std::make_unique<Catalogue>();
    for (int m = 1; m <= kMovies; ++m) {
        cat->MovieTitles[m] = "A title of moderate length number " + std::to_string(m);
        cat->MovieDescriptions[m] = std::string(180, 'x');
    }
    if (!SaveCatalogueSet(*cat, CatalogueSet::Standard, dir)) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!LoadCatalogue(*cat, dir)) state.SkipWithError("load failed");
    }
}
BENCHMARK(LoadCatalogueSet)->Unit(benchmark::kMillisecond);

}  // namespace
