#include "BenchCommand.h"

#include "EconomyCommands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Json.h"
#include "NewGame.h"
#include "Scenarios.h"
#include "TurnCycle.h"

namespace qvx::sim {

namespace {

std::string Fixed(double x, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    return text;
}

}  // namespace

int BenchCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed) {
    args.Allow({"games", "scenario", "seed"});
    const int scenario = static_cast<int>(args.Number("scenario", 1, kScenarios, 1));
    const int games = static_cast<int>(args.Number("games", 1, 100000, 20));
    const int32_t kind = ScenarioKind(scenario);
    auto cat = std::make_unique<Catalogue>();
    if (const Status s = LoadCatalogueSet(*cat, CatalogueSetForKind(kind), dir); !s)
        throw std::runtime_error(s.message());

    using Clock = std::chrono::steady_clock;
    Rng rng(seed);
    auto gs = std::make_unique<GameState>();
    std::vector<double> millis;
    millis.reserve(static_cast<size_t>(games));
    const auto start = Clock::now();
    for (int game = 0; game < games; ++game) {
        const auto gameStart = Clock::now();
        PlayComputerGame(*gs, *cat, rng, scenario, game);
        millis.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - gameStart).count());
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    const double mean = std::accumulate(millis.begin(), millis.end(), 0.0) / games;
    std::sort(millis.begin(), millis.end());
    const size_t mid = millis.size() / 2;
    const double median =
        millis.size() % 2 == 1 ? millis[mid] : (millis[mid - 1] + millis[mid]) / 2;

    json::Writer w;
    w.BeginObject();
    w.Key("games").Value(games);
    w.Key("scenario").Value(scenario);
    w.Key("turns").Value(TurnLimit(*gs));
    w.Key("median_ms").Raw(Fixed(median, 3));
    w.Key("mean_ms").Raw(Fixed(mean, 3));
    w.Key("min_ms").Raw(Fixed(millis.front(), 3));
    w.Key("max_ms").Raw(Fixed(millis.back(), 3));
    w.Key("total_seconds").Raw(Fixed(seconds, 3));
    w.EndObject();
    std::cout << w.Text() << "\n";
    return 0;
}

}  // namespace qvx::sim
