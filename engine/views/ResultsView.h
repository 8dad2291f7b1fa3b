#pragma once
// What the two result screens show: one highscore list, and the game over screen's scenario and
// final ranking with every company's full value.
#include <array>
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "Highscores.h"

namespace qvx {

inline constexpr const char* kResetHighscoresTitle = "Reset highscores?";
inline constexpr const char* kResetHighscoresText =
    "Do you really wish to reset the highscore list? All previous scores of you will be lost "
    "forever!";
inline constexpr const char* kBankruptValueText = "\"Bankrupt\"";

struct HighscoreRow {
    std::string name;
    std::string score;        // "$ 250,000 millions"
    std::string logoPicture;  // "QVX2_complogo3_sm.jpg", the winner's "..._lg.jpg" (128 px)
};
struct HighscoreListView {
    int list = 1;
    std::string title;  // the scenario's, as the new game screen names it
    std::string description;
    std::array<HighscoreRow, kHighscoreEntries> rows;
};
// List 1..30; a list outside that range shows list 1.
HighscoreListView BuildHighscoreView(const HighscoreTable& table, int list);

struct GameOverPlace {
    int channel = 0;  // 0: nobody took this place
    std::string logoPicture;
    // "$ 1,234" or "\"Bankrupt\"" for a closed company or one worth less than nothing.
    std::string value;
    bool bankrupt = false;
    std::string colourText;  // "Red player"
};
struct GameOverView {
    std::string title, description, goal, picture;
    // Winner, second, third, last.
    std::array<GameOverPlace, 4> places;
    std::string winnerValue;  // the winner's value with " millions" (unless "Bankrupt")
    std::string winnerName;
};
// Ranks the companies with their full values on both sides (closed companies get money -1
// first, as every ranking of a finished game does) and describes the scenario played.
GameOverView BuildGameOverView(GameState& gs, const Catalogue& cat);

// "Red player", "Yellow player", "Green player" or "Blue player" for logo 1..8.
const char* LogoPlayerText(int32_t logo);

}  // namespace qvx
