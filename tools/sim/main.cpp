// quovix-sim: the headless game. Works on the save slots of the data directory exactly as the
// game does; every command prints one JSON object on stdout, or one line on stderr and a
// non-zero exit code on bad input.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "BenchCommand.h"
#include "Catalogue.h"
#include "DayClose.h"
#include "EconomyCommands.h"
#include "GameJson.h"
#include "GameState.h"
#include "NewGame.h"
#include "Office.h"
#include "Rng.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "Settings.h"
#include "SimArgs.h"
#include "SimulateDay.h"
#include "Soak.h"

namespace fs = std::filesystem;
using namespace qvx;
using qvx::sim::Args;
using qvx::sim::UsageError;

namespace {

constexpr const char* kUsage =
    "usage: quovix-sim [--data-dir DIR] COMMAND [options]\n"
    "  new --scenario S --logo L --name N [--seed X]\n"
    "      [--custom-turns T --difficulty normal|expert --competitors 0..3\n"
    "       --start early|late --population none|random|young|adults]\n"
    "                             start a new game (S = 1..30 or its title) in slot 0\n"
    "  end-turn [--slot K] [--seed X]      end the turn of slot K (default 0) and open the next\n"
    "  play --days N [--slot K] [--seed X] auto-play N days, then open the next planning phase\n"
    "  simulate-day [--slot K]             only simulate the broadcast day of slot K\n"
    "  dump [--slot K]                     every table of slot K as JSON\n"
    "  resave --slot K --to M              load slot K and save it as slot M\n"
    "  rank [--slot K]                     company values and both rankings of slot K\n"
    "  tournament --scenario S --games N [--seed X]\n"
    "                                      N whole games with four computer companies\n"
    "  bench [--games N] [--scenario S] [--seed X]  time whole computer-run games (ms)\n"
    "  soak (--games N | --seconds S) [--seed X]\n"
    "                                      random players in every scenario, checking the\n"
    "                                      game's invariants after every turn\n";

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Check(const Status& s) {
    if (!s) throw Failure(s.message());
}

uint64_t SeedOf(const Args& args) {
    if (args.Has("seed")) return static_cast<uint64_t>(args.Number("seed", 0, INT64_MAX));
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int SlotOf(const Args& args, const std::string& name = "slot") {
    return static_cast<int>(args.Number(name, 0, kNumberedSaveSlots, 0));
}

int ScenarioOf(const Args& args) {
    const std::string text = args.Text("scenario");
    for (int s = 1; s <= kScenarios; ++s) {
        if (text == ScenarioTitle(s)) return s;
    }
    return static_cast<int>(args.Number("scenario", 1, kScenarios));
}

// A loaded game with the catalogue it was made with, as a load button leaves it.
struct LoadedGame {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> cat = std::make_unique<Catalogue>();
};

LoadedGame Load(int slot, const fs::path& dir) {
    LoadedGame game;
    Check(LoadGameFromSlot(*game.gs, *game.cat, slot, dir));
    // An unusable history only empties the charts; the turn goes on and a fresh one is kept.
    if (!game.gs->HistoryNote.empty()) std::cerr << "quovix-sim: " << game.gs->HistoryNote << "\n";
    return game;
}

int New(const Args& args, const fs::path& dir) {
    args.Allow({"scenario", "logo", "name", "seed", "custom-turns", "difficulty", "competitors",
                "start", "population"});
    NewGameChoice choice;
    choice.scenario = ScenarioOf(args);
    choice.logo = static_cast<int32_t>(args.Number("logo", 1, kLogoCount));
    choice.name = args.Text("name");
    CustomSettings& custom = choice.custom;
    custom.turns = static_cast<int32_t>(args.Number("custom-turns", 1, 241, kDefaultCustomTurns));
    custom.difficulty = args.Choice("difficulty", {"normal", "expert"}, 0) == 1
                            ? Difficulty::Expert
                            : Difficulty::Normal;
    custom.competitors = static_cast<int>(args.Number("competitors", 0, 3, 3));
    custom.start = args.Choice("start", {"early", "late"}, 0) == 1 ? StartMode::LateGame
                                                                   : StartMode::EarlyBeginnings;
    custom.population = static_cast<PopulationMode>(
        args.Choice("population", {"none", "random", "young", "adults"}, 0));
    const uint64_t seed = SeedOf(args);

    Rng rng(seed);
    auto gs = std::make_unique<GameState>();
    auto cat = std::make_unique<Catalogue>();
    Settings settings = ReadSettings(dir).settings;  // the deck; the tool never writes settings
    Check(StartNewGame(*gs, *cat, settings, rng, choice, dir).status);
    std::cout << sim::StandingsJson(*gs, nullptr, seed) << "\n";
    return 0;
}

// Ends the turn as the office does, then opens the next planning phase as at midnight.
int EndTurnCommand(const Args& args, const fs::path& dir, bool autoPlay) {
    args.Allow(autoPlay ? std::vector<std::string>{"days", "slot", "seed"}
                        : std::vector<std::string>{"slot", "seed"});
    const int slot = SlotOf(args);
    const int32_t days = autoPlay ? static_cast<int32_t>(args.Number("days", 1, 100000)) : 0;
    const uint64_t seed = SeedOf(args);
    LoadedGame game = Load(slot, dir);
    GameState& gs = *game.gs;
    if (gs.GameInfo[Info::kGameOver] == 1)
        throw Failure("the game in slot " + std::to_string(slot) + " is over");
    Settings settings = ReadSettings(dir).settings;
    Rng rng(seed);
    if (autoPlay) StartAutoPlay(gs, days);
    const DayClose close = PlayTurn(gs, *game.cat, settings, rng, dir, slot);
    Check(close.broadcast.highscore);
    Check(close.day->saved);
    std::cout << sim::StandingsJson(gs, &*close.day, seed) << "\n";
    return 0;
}

int SimulateDayCommand(const Args& args, const fs::path& dir) {
    args.Allow({"slot"});
    const int slot = SlotOf(args);
    std::unique_ptr<GameState> gs;
    Check(ReadSlotFiles(slot, dir, gs));
    auto cat = std::make_unique<Catalogue>();
    Check(LoadCatalogueSet(*cat, CatalogueSetForKind(gs->GameInfo[Info::kScenarioKind]), dir));
    SimulateDay(*gs, *cat, ReadSettings(dir).settings.Deck);
    Check(WriteSlotFiles(*gs, slot, dir));
    std::cout << sim::StandingsJson(*gs, nullptr, 0) << "\n";
    return 0;
}

int Run(const Args& args) {
    const fs::path dir = args.Text("data-dir", ".");
    const std::string& command = args.Command();
    if (command == "new") return New(args, dir);
    if (command == "end-turn") return EndTurnCommand(args, dir, false);
    if (command == "play") return EndTurnCommand(args, dir, true);
    if (command == "simulate-day") return SimulateDayCommand(args, dir);
    if (command == "rank") return sim::RankCommand(args, dir);
    if (command == "soak") return sim::SoakCommand(args, dir, SeedOf(args));
    if (command == "tournament") return sim::TournamentCommand(args, dir, SeedOf(args));
    if (command == "bench") return sim::BenchCommand(args, dir, SeedOf(args));
    if (command == "dump") {
        args.Allow({"slot"});
        const int slot = SlotOf(args);
        std::unique_ptr<GameState> gs;
        Check(ReadSlotFiles(slot, dir, gs));
        std::cout << sim::DumpJson(*gs, slot) << "\n";
        return 0;
    }
    if (command == "resave") {
        args.Allow({"slot", "to"});
        const int from = static_cast<int>(args.Number("slot", 0, kNumberedSaveSlots));
        const int to = static_cast<int>(args.Number("to", 0, kNumberedSaveSlots));
        std::unique_ptr<GameState> gs;
        Check(ReadSlotFiles(from, dir, gs));
        Check(WriteSlotFiles(*gs, to, dir));
        std::cout << "{\"resaved\":" << from << ",\"to\":" << to << "}\n";
        return 0;
    }
    throw UsageError{"unknown command '" + command + "'"};
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(Args(argc, argv));
    } catch (const UsageError& e) {
        if (e.message.empty()) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "quovix-sim: " << e.message << " (see --help)\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quovix-sim: " << e.what() << "\n";
        return 1;
    }
}
