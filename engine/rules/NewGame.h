#pragma once
// Creating a game: the map's regions, the four companies, their start licences and popularity,
// the first ad pool and the first offers.
#include <cstdint>
#include <filesystem>
#include <string>

#include "Catalogue.h"
#include "GameDirs.h"
#include "GameState.h"
#include "Rng.h"
#include "Settings.h"
#include "Status.h"

namespace qvx {

enum class Difficulty { Normal, Expert };
enum class StartMode { EarlyBeginnings, LateGame };
enum class PopulationMode { None, Random, MoreYoungPeople, MoreAdults };

// The settings a Custom game asks for; the defaults are what the custom screen starts with.
struct CustomSettings {
    int32_t turns = 120;
    Difficulty difficulty = Difficulty::Normal;
    int competitors = 3;  // 0..3
    StartMode start = StartMode::EarlyBeginnings;
    PopulationMode population = PopulationMode::None;
};

struct NewGameChoice {
    int scenario = 1;  // 1..30
    int32_t logo = 1;  // 1..8
    std::string name;  // empty: the logo's default name
    CustomSettings custom;
};

// Builds a new game into a cleared state (CurrentGame 1, catalogue loaded). Draws from rng in
// the order the rules give. A logo outside 1..8 is taken as 1.
void NewGame(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng, int32_t kind,
             int32_t map, int32_t logo, const std::string& name, const CustomSettings& custom);

// What StartNewGame did. NotStarted: the scenario or its catalogue could not be had and nothing
// changed. StartedUnsaved: the new game stands and the office may open, but slot 0 still holds
// what it held. The status says why in both cases.
enum class StartOutcome { Started, NotStarted, StartedUnsaved };
struct GameStart {
    StartOutcome outcome = StartOutcome::NotStarted;
    Status status = Status::Ok();
    bool started() const { return outcome != StartOutcome::NotStarted; }
    // Only a new game that is also saved has nothing to report.
    explicit operator bool() const { return outcome == StartOutcome::Started; }
    const std::string& message() const { return status.message(); }
};

// The whole road from the start screen into the office: loads the catalogue of the scenario's
// kind (from dirs.content), clears the game, NewGame, the planning phase at 08:00, the
// running-game flag, slot 0 named "Running Game" and saved (into dirs.user).
GameStart StartNewGame(GameState& gs, Catalogue& cat, Settings& settings, Rng& rng,
                       const NewGameChoice& choice, const GameDirs& dirs);

}  // namespace qvx
