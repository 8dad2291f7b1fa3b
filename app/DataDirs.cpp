#include "DataDirs.h"

#include <cstdlib>
#include <system_error>

namespace qvx::app {
namespace fs = std::filesystem;

namespace {

// An unset, empty or relative value does not count, as XDG says for its variables.
std::optional<fs::path> AbsoluteOrNone(const char* value) {
    if (!value || !*value) return std::nullopt;
    fs::path path(value);
    if (!path.is_absolute()) return std::nullopt;
    return path;
}

}  // namespace

DataDirs ResolveDataDirs(const std::optional<fs::path>& dataDirOption, const fs::path& executable,
                         const char* xdgDataHome, const char* home) {
    DataDirs result;
    if (dataDirOption) {
        result.dirs = GameDirs(*dataDirOption);
        return result;
    }
    std::error_code ec;
    const fs::path share =
        (executable.parent_path().parent_path() / "share" / "quovix2").lexically_normal();
    if (executable.has_parent_path() && fs::is_regular_file(share / kDataMarkerFile, ec)) {
        result.installed = true;
        fs::path base;
        if (const auto xdg = AbsoluteOrNone(xdgDataHome))
            base = *xdg;
        else if (const auto homeDir = AbsoluteOrNone(home))
            base = *homeDir / ".local" / "share";
        else
            result.problem =
                "there is no place for the saved games: neither XDG_DATA_HOME nor HOME is set to "
                "an absolute directory";
        result.dirs = GameDirs(share, base.empty() ? fs::path() : base / "quovix2");
        return result;
    }
    result.dirs = GameDirs(fs::path("."));
    return result;
}

std::string PrepareUserDir(const DataDirs& dirs) {
    if (!dirs.problem.empty()) return dirs.problem;
    if (!dirs.installed) return {};
    std::error_code ec;
    fs::create_directories(dirs.dirs.user, ec);
    std::error_code probe;
    if (fs::is_directory(dirs.dirs.user, probe)) return {};
    return "cannot create the directory for the saved games, " + dirs.dirs.user.string() + ": " +
           (ec ? ec.message() : std::string("something else has that name"));
}

fs::path ExecutablePath(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) return self;
    return fs::absolute(argv0 ? fs::path(argv0) : fs::path(), ec);
}

GameDirs ChooseGameDirs(const std::optional<fs::path>& dataDirOption, const char* argv0,
                        std::string& problem) {
    const DataDirs found = ResolveDataDirs(dataDirOption, ExecutablePath(argv0),
                                           std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    problem = PrepareUserDir(found);
    return found.dirs;
}

}  // namespace qvx::app
