#include "EconomyCommands.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Catalogue.h"
#include "Json.h"
#include "NewGame.h"
#include "Ranking.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "Shares.h"
#include "TurnCycle.h"

namespace qvx::sim {

namespace {

void Check(const Status& s) {
    if (!s) throw std::runtime_error(s.message());
}

void WritePlaces(json::Writer& w, const Places& p) {
    w.BeginArray().Value(p.winner).Value(p.second).Value(p.third).Value(p.last).EndArray();
}

}  // namespace

TurnOutcome PlayComputerGame(GameState& gs, const Catalogue& cat, Rng& rng, int scenario,
                             int game) {
    const Boosters noCards;
    ClearGame(gs);
    gs.CurrentGame = 1;
    NewGame(gs, cat, noCards, rng, ScenarioKind(scenario), ScenarioMap(scenario),
            1 + game % kLogoCount, "", CustomSettings{});
    for (int c = 1; c <= kChannels; ++c)
        gs.Channel[c][Ch::kHuman] = 0;
    gs.GameInfo[Info::kAutoPlayDays] = TurnLimit(gs) + 1;
    return EndTurn(gs, cat, noCards, rng);
}

int RankCommand(const Args& args, const std::filesystem::path& dir) {
    args.Allow({"slot"});
    const int slot = static_cast<int>(args.Number("slot", 0, kNumberedSaveSlots, 0));
    std::unique_ptr<GameState> gs;
    Check(ReadSlotFiles(slot, dir, gs));
    auto cat = std::make_unique<Catalogue>();
    Check(LoadCatalogueSet(*cat, CatalogueSetForKind(gs->GameInfo[Info::kScenarioKind]), dir));

    // Both rankings first put the money of companies out of business at -1; they work on
    // copies so that nothing of the slot changes.
    auto finalState = std::make_unique<GameState>(*gs);
    const FinalResult final = FinalRanking(*finalState, *cat);
    auto overState = std::make_unique<GameState>(*gs);
    const Places over = GameOverRanking(*overState, *cat);

    json::Writer w;
    w.BeginObject().Key("companies").BeginArray();
    for (int c = 1; c <= kChannels; ++c) {
        w.BeginObject();
        w.Key("channel").Value(c);
        w.Key("strict").Value(CompanyValue(*finalState, *cat, c, ValueVariant::Strict));
        w.Key("full").Value(CompanyValue(*finalState, *cat, c, ValueVariant::Full));
        w.EndObject();
    }
    w.EndArray();
    w.Key("final_ranking");
    WritePlaces(w, final.places);
    w.Key("game_over");
    WritePlaces(w, over);
    w.EndObject();
    std::cout << w.Text() << "\n";
    return 0;
}

int TournamentCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed) {
    args.Allow({"scenario", "games", "seed"});
    const int scenario = static_cast<int>(args.Number("scenario", 1, kScenarios));
    const int games = static_cast<int>(args.Number("games", 1, 100000));
    const int32_t kind = ScenarioKind(scenario);
    auto cat = std::make_unique<Catalogue>();
    Check(LoadCatalogueSet(*cat, CatalogueSetForKind(kind), dir));

    const auto start = std::chrono::steady_clock::now();
    Rng rng(seed);
    std::array<std::vector<int64_t>, kChannels + 1> values;
    std::array<int, kChannels + 1> wins{}, outOfBusiness{};
    std::vector<int64_t> winnerValues;
    auto gs = std::make_unique<GameState>();
    for (int game = 0; game < games; ++game) {
        const TurnOutcome outcome = PlayComputerGame(*gs, *cat, rng, scenario, game);
        const int winner = outcome.final ? outcome.final->places.winner : 0;
        wins[winner] += 1;
        if (winner > 0) winnerValues.push_back(CompanyValue(*gs, *cat, winner, ValueVariant::Full));
        for (int c = 1; c <= kChannels; ++c) {
            values[c].push_back(CompanyValue(*gs, *cat, c, ValueVariant::Full));
            outOfBusiness[c] += gs->Channel[c][Ch::kActive] <= 0;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    json::Writer w;
    w.BeginObject();
    w.Key("games").Value(games);
    w.Key("seconds").Raw(std::to_string(seconds));
    w.Key("companies").BeginArray();
    for (int c = 1; c <= kChannels; ++c) {
        std::vector<int64_t>& v = values[c];
        int64_t sum = 0;
        for (const int64_t x : v)
            sum += x;
        std::sort(v.begin(), v.end());
        w.BeginObject();
        w.Key("channel").Value(c);
        w.Key("wins").Value(wins[c]);
        w.Key("mean_value").Value(sum / games);
        w.Key("median_value").Value(v[v.size() / 2]);
        w.Key("out_of_business").Value(outOfBusiness[c]);
        w.EndObject();
    }
    w.EndArray();
    std::sort(winnerValues.begin(), winnerValues.end());
    w.Key("winner_median_value")
        .Value(winnerValues.empty() ? 0 : winnerValues[winnerValues.size() / 2]);
    w.EndObject();
    std::cout << w.Text() << "\n";
    return 0;
}

}  // namespace qvx::sim
