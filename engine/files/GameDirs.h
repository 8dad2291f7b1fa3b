#pragma once
// Where the game reads what no player made (catalogues, pictures, sounds, the manual) and where it
// keeps what the player makes (save slots, their history, the settings file, the highscores). An
// installed game reads the first from its share directory and writes the second to the player's
// own data directory; run from a build or with --data-dir, both are one directory.
#include <filesystem>

namespace qvx {

struct GameDirs {
    GameDirs() = default;
    // One directory for both, as the build's game directory, --data-dir and the tests use it.
    GameDirs(std::filesystem::path both) : content(both), user(std::move(both)) {}
    GameDirs(std::filesystem::path contentDir, std::filesystem::path userDir)
        : content(std::move(contentDir)), user(std::move(userDir)) {}
    std::filesystem::path content;  // read only
    std::filesystem::path user;     // the player's files
};

}  // namespace qvx
