#pragma once
// The ranking of the four companies at the end of a game.
#include <array>
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

// Channel numbers placed winner, second, third and last; 0 for a place left free.
struct Places {
    int winner = 0, second = 0, third = 0, last = 0;
    bool operator==(const Places&) const = default;
};

// The place rules of both rankings, given for each channel 1..4 the number of other companies
// valued strictly below it. Ties push the later channel upwards; a channel may get no place.
Places PlaceCompanies(const Table<int, kChannels>& below);

// A winning player's result waiting to enter the highscore list of the scenario.
struct HighscoreCandidate {
    int32_t score = 0;
    std::string name;
    int32_t logo = 1;
};

// The final ranking when the last turn has been played (or the player declares bankruptcy):
// companies out of business get money -1; the company being placed counts with its strict value
// against the others' full values. Returns the places; a human, active winner's result is
// returned as a candidate unless the game is barred from the highscores.
struct FinalResult {
    Places places;
    bool hasCandidate = false;
    HighscoreCandidate candidate;
};
FinalResult FinalRanking(GameState& gs, const Catalogue& cat);

// The game over screen's ranking: full values on both sides of every comparison.
Places GameOverRanking(GameState& gs, const Catalogue& cat);

}  // namespace qvx
