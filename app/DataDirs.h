#pragma once
// Where quovix2 reads its data and keeps the player's files. Three ways to run it:
// --data-dir DIR (both in DIR), an installed game (its data in <prefix>/share/quovix2, the
// player's files in $XDG_DATA_HOME/quovix2) and, failing both, the current directory (the build
// tree's ./play and the tests start the game inside its data).
#include <filesystem>
#include <optional>
#include <string>

#include "GameDirs.h"

namespace qvx::app {

// The file whose presence tells that a share directory holds the game's data.
inline constexpr const char* kDataMarkerFile = "QVX2_Movies.int";

struct DataDirs {
    GameDirs dirs;
    bool installed = false;
    // Why the game cannot run with these directories (an installed game with no home to keep
    // its saves in); empty when it can.
    std::string problem;
};

// Decides the directories from the command line's --data-dir (if given), the program's own path
// and the values of XDG_DATA_HOME and HOME (null when unset). Creates nothing; it only looks
// whether <exe dir>/../share/quovix2 holds the data.
DataDirs ResolveDataDirs(const std::optional<std::filesystem::path>& dataDirOption,
                         const std::filesystem::path& executable, const char* xdgDataHome,
                         const char* home);

// Creates an installed game's user directory on its first start; the problem, or "" when the
// directory is there.
std::string PrepareUserDir(const DataDirs& dirs);

// The running program's own file (symbolic links resolved), or argv0 when that cannot be told.
std::filesystem::path ExecutablePath(const char* argv0);

// All of it for main: resolves from the environment and prepares the user directory. On a
// problem the directories are not usable and `problem` says why.
GameDirs ChooseGameDirs(const std::optional<std::filesystem::path>& dataDirOption,
                        const char* argv0, std::string& problem);

}  // namespace qvx::app
