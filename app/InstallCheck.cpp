#include "InstallCheck.h"

#include <memory>

#include "NewGame.h"
#include "SaveGame.h"
#include "Settings.h"

namespace qvx::app {

int RunInstallCheck(const GameDirs& dirs, uint64_t seed, std::ostream& out, std::ostream& err) {
    out << "quovix2: game data in " << dirs.content.string() << "\n"
        << "quovix2: saved games and settings in " << dirs.user.string() << "\n";
    SettingsLoad loaded = LoadSettings(dirs.user);
    if (!loaded.repaired.empty()) err << loaded.repaired << "\n";
    Settings settings = std::move(loaded.settings);
    if (settings.SaveSlotNames[kRunningGameSlot] != kEmptySlotCaption) {
        err << "quovix2: --check stops here: slot 0 holds a game in progress, and a new game "
               "would replace it\n";
        return 1;
    }
    auto game = std::make_unique<GameState>();
    auto catalogue = std::make_unique<Catalogue>();
    Rng rng(seed);
    NewGameChoice choice;
    choice.scenario = 1;
    choice.logo = 1;
    const GameStart started = StartNewGame(*game, *catalogue, settings, rng, choice, dirs);
    if (!started) {
        err << "quovix2: the new game " << (started.started() ? "was not saved" : "did not start")
            << ": " << started.message() << "\n";
        return 1;
    }
    // The caption makes the start screen's "Continue" offer the game just made.
    if (const Status saved = SaveSettings(settings, dirs.user); !saved) {
        err << "quovix2: the settings file was not written: " << saved.message() << "\n";
        return 1;
    }
    out << "quovix2: a new game was started and saved as the running game (slot 0)\n";
    return 0;
}

}  // namespace qvx::app
