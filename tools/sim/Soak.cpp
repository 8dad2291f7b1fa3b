#include "Soak.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "Catalogue.h"
#include "DayClose.h"
#include "Json.h"
#include "Licences.h"
#include "NewGame.h"
#include "Office.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "SoakChecks.h"
#include "SoakPlayer.h"
#include "StockBroker.h"

namespace qvx::sim {

namespace fs = std::filesystem;

namespace {

struct Violation : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(const std::string& problem) {
    if (!problem.empty()) throw Violation(problem);
}

void Require(const Status& s) {
    if (!s) throw Violation(s.message());
}

std::string FileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The soak works on copies of the catalogues in a scratch directory, so that the player's own
// save slots and highscores are never touched.
fs::path ScratchDir(const fs::path& dataDir) {
    const fs::path scratch =
        fs::temp_directory_path() / ("quovix-soak-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    for (const CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
        const CatalogueFiles& f = CatalogueFileNames(set);
        for (const std::string& name :
             {f.moviesInt, f.moviesStr, f.adsInt, f.adsStr, f.newsInt, f.newsStr})
            fs::copy_file(dataDir / name, scratch / name, fs::copy_options::overwrite_existing);
    }
    return scratch;
}

// Saving, loading and saving again must give the very same files.
void SaveAndReload(std::unique_ptr<GameState>& gs, std::unique_ptr<Catalogue>& cat, int slot,
                   const fs::path& dir) {
    Require(WriteSlotFiles(*gs, slot, dir));
    const std::string stem = SlotFileStem(slot);
    const std::string before = FileText(dir / (stem + ".int")) + FileText(dir / (stem + ".str"));
    auto loaded = std::make_unique<GameState>();
    auto loadedCat = std::make_unique<Catalogue>();
    Require(LoadGameFromSlot(*loaded, *loadedCat, slot, dir));
    Require(WriteSlotFiles(*loaded, slot, dir));
    if (FileText(dir / (stem + ".int")) + FileText(dir / (stem + ".str")) != before)
        throw Violation("slot " + std::to_string(slot) +
                        " saved after loading differs from the save");
    gs = std::move(loaded);
    cat = std::move(loadedCat);
}

struct Totals {
    int64_t games = 0, turns = 0, actions = 0;
};

using Clock = std::chrono::steady_clock;

void PlayGame(uint64_t seed, int game, const fs::path& dir, Clock::time_point deadline,
              Totals& totals, int& turn) {
    Rng player(seed * 7919 + static_cast<uint64_t>(game));
    auto gs = std::make_unique<GameState>();
    auto cat = std::make_unique<Catalogue>();
    Settings settings;
    for (int slot = 1; slot <= kBoosterSlots; ++slot)
        settings.Deck.ActiveBoosters[slot] = player.Random(kBoosterIds + 1);
    NewGameChoice choice;
    choice.scenario = game % kScenarios + 1;
    choice.logo = player.Random(kLogoCount) + 1;
    choice.name = RandomCompanyName(player);
    choice.custom = RandomCustomSettings(player);
    Rng newGameRng(seed + static_cast<uint64_t>(game));
    Require(StartNewGame(*gs, *cat, settings, newGameRng, choice, dir).status);
    Require(CheckInvariants(*gs, *cat));

    for (turn = 1; gs->GameInfo[Info::kGameOver] == 0 && Clock::now() < deadline; ++turn) {
        if (turn > 2000) throw Violation("the game does not end");
        totals.actions += PlayPlanningPhase(*gs, *cat, settings, player);
        Require(CheckInvariants(*gs, *cat));
        if (player.Random(20) == 0)
            SaveAndReload(gs, cat, player.Random(kNumberedSaveSlots) + 1, dir);
        if (player.Random(25) == 0) StartAutoPlay(*gs, player.Random(14) + 2);

        Rng day(seed ^ (static_cast<uint64_t>(game) << 20U) ^ static_cast<uint64_t>(turn));
        std::array<bool, kChannels + 1> closed{};
        for (int c = 1; c <= kChannels; ++c)
            closed[c] = !InBusiness(*gs, c);
        // Saving is checked on the random saves above; an autosave every turn would only cost time.
        const DayClose close = PlayTurn(*gs, *cat, settings, day, dir, -1);
        Require(close.broadcast.highscore);
        // The day's viewer figures stay in the programme table past midnight.
        Require(CheckClosedCompaniesSilent(*gs, closed));
        Require(CheckInvariants(*gs, *cat));
        ++totals.turns;
    }
    ++totals.games;
}

}  // namespace

int SoakCommand(const Args& args, const fs::path& dataDir, uint64_t seed) {
    args.Allow({"games", "seed", "seconds"});
    const int64_t games = args.Number("games", 1, 1000000, 1000000);
    const int64_t seconds = args.Number("seconds", 1, 86400, 86400);
    if (!args.Has("games") && !args.Has("seconds"))
        throw UsageError{"--games or --seconds is required"};
    const fs::path dir = ScratchDir(dataDir);
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::seconds(seconds);
    const auto elapsed = [&] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };

    Totals totals;
    json::Writer w;
    w.BeginObject();
    int exitCode = 0;
    int game = 0;
    int turn = 0;
    try {
        for (; game < games && Clock::now() < deadline; ++game)
            PlayGame(seed, game, dir, deadline, totals, turn);
        w.Key("ok").Bool(true);
    } catch (const Violation& v) {
        w.Key("ok").Bool(false).Key("seed").Value(std::to_string(seed)).Key("game").Value(game);
        w.Key("scenario")
            .Value(game % kScenarios + 1)
            .Key("turn")
            .Value(turn)
            .Key("violation")
            .Value(v.what());
        exitCode = 1;
    }
    w.Key("games")
        .Value(totals.games)
        .Key("turns")
        .Value(totals.turns)
        .Key("actions")
        .Value(totals.actions);
    w.Key("seconds").Raw(std::to_string(elapsed()));
    w.EndObject();
    fs::remove_all(dir);
    std::cout << w.Text() << "\n";
    if (exitCode != 0) std::cerr << "quovix-sim: soak found a violation (see the JSON on stdout)\n";
    return exitCode;
}

}  // namespace qvx::sim
