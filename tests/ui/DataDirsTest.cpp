// Where the game reads its data and keeps the player's files: --data-dir, an installed game's
// share directory and $XDG_DATA_HOME, the current directory; and a session on two directories
// that writes only into the player's.
#include <unistd.h>

#include <QTimer>
#include <fstream>
#include <optional>
#include <set>

#include "Client_Highscore.h"
#include "Client_StartScreen.h"
#include "DataDirs.h"
#include "Highscores.h"
#include "NewGame.h"
#include "Pictures.h"
#include "SaveGame.h"
#include "UiTestSupport.h"
#include "background.h"

namespace qvx::test {
namespace {

namespace fs = std::filesystem;
using app::DataDirs;
using app::ResolveDataDirs;

// An empty directory of the test's own, removed at its end.
class EmptyDir {
  public:
    EmptyDir() {
        static int count = 0;
        m_path = fs::temp_directory_path() /
                 ("qvx-dirs-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~EmptyDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }

  private:
    fs::path m_path;
};

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// A prefix as `cmake --install` lays it out, and a build tree whose share directory is empty.
struct DataDirsTest : ::testing::Test {
    void SetUp() override {
        Touch(prefix / "share" / "quovix2" / app::kDataMarkerFile);
        fs::create_directories(build / "share" / "quovix2");
    }
    EmptyDir scratch;
    fs::path prefix = scratch.path() / "prefix";
    fs::path build = scratch.path() / "build";
    fs::path installedExe = prefix / "bin" / "quovix2";
    fs::path share = prefix / "share" / "quovix2";
};

TEST_F(DataDirsTest, ResolvesDataDirOptionInstallThenCurrentDirectory) {
    const struct {
        const char* what;
        std::optional<fs::path> dataDir;
        fs::path exe;
        const char* xdg;
        const char* home;
        bool installed;
        fs::path content, user;
    } cases[] = {
        {"--data-dir wins over an install", fs::path("/games/q"), installedExe, "/x", "/h", false,
         "/games/q", "/games/q"},
        {"installed, XDG_DATA_HOME",
         {},
         installedExe,
         "/x/data",
         "/h",
         true,
         share,
         "/x/data/quovix2"},
        {"installed, XDG_DATA_HOME unset",
         {},
         installedExe,
         nullptr,
         "/h",
         true,
         share,
         "/h/.local/share/quovix2"},
        {"installed, XDG_DATA_HOME empty",
         {},
         installedExe,
         "",
         "/h",
         true,
         share,
         "/h/.local/share/quovix2"},
        {"installed, XDG_DATA_HOME relative",
         {},
         installedExe,
         "data",
         "/h",
         true,
         share,
         "/h/.local/share/quovix2"},
        {"a build tree without data beside it",
         {},
         build / "app" / "quovix2",
         "/x",
         "/h",
         false,
         ".",
         "."},
        {"a bare program name", {}, "quovix2", "/x", "/h", false, ".", "."},
    };
    for (const auto& c : cases) {
        const DataDirs d = ResolveDataDirs(c.dataDir, c.exe, c.xdg, c.home);
        EXPECT_EQ(d.installed, c.installed) << c.what;
        EXPECT_EQ(d.dirs.content, c.content) << c.what;
        EXPECT_EQ(d.dirs.user, c.user) << c.what;
        EXPECT_EQ(d.problem, "") << c.what;
    }
}

TEST_F(DataDirsTest, UserDirIsMadeOnFirstStartAndAnImpossibleOneIsAProblem) {
    const fs::path xdg = scratch.path() / "fresh" / "data";
    const DataDirs fresh = ResolveDataDirs({}, installedExe, xdg.c_str(), nullptr);
    EXPECT_EQ(app::PrepareUserDir(fresh), "");
    EXPECT_TRUE(fs::is_directory(xdg / "quovix2"));
    EXPECT_EQ(app::PrepareUserDir(fresh), "");  // the second start finds it

    // No home at all, or a file where the directory should be: a sentence, not a crash.
    const DataDirs homeless = ResolveDataDirs({}, installedExe, "relative", nullptr);
    EXPECT_NE(app::PrepareUserDir(homeless).find("HOME"), std::string::npos);
    Touch(scratch.path() / "blocked");
    const fs::path blocked = scratch.path() / "blocked";
    const DataDirs inTheWay = ResolveDataDirs({}, installedExe, blocked.c_str(), "/h");
    const std::string problem = app::PrepareUserDir(inTheWay);
    EXPECT_NE(problem.find("cannot create"), std::string::npos) << problem;
    EXPECT_NE(problem.find((blocked / "quovix2").string()), std::string::npos) << problem;
}

// A launch, a new game and the highscore screen on an installed game's two directories: the
// settings, the slot and the highscores land in the player's, the data stays as installed.
TEST(SplitSessionTest, EveryPlayerFileGoesToTheUserDir) {
    UiFixtureDir content;
    EmptyDir user;
    const std::set<std::string> installed = Listing(content.path());
    ui::Pictures::SetDirectory(content.path());
    ScriptedDialogs dialogs;
    ui::Session session(GameDirs(content.path(), user.path()), 3);
    session.setDialogs(&dialogs);
    {
        ui::TFbackground background(session);
        auto* start = new ui::TForm3(session, &background);
        background.setStartScreen(start);
        QTimer::singleShot(
            0, start, [start] { QTimer::singleShot(0, start, [start] { start->exitGame(); }); });
        background.Startup({1440, 900});
    }
    NewGameChoice choice;
    ASSERT_TRUE(StartNewGame(session.game(), session.catalogue(), session.settings(), session.rng(),
                             choice, session.dirs()));
    ui::TForm21 highscores(session, nullptr);
    highscores.prepareAt(1);
    session.setDialogs(nullptr);

    EXPECT_EQ(Listing(content.path()), installed);
    const std::set<std::string> made = Listing(user.path());
    for (const std::string& name :
         {std::string(kSettingsFileName), std::string(kHighscoresIntFile),
          std::string(kHighscoresStrFile), SlotFileStem(kRunningGameSlot) + ".int"})
        EXPECT_TRUE(made.contains(name)) << name;
}

}  // namespace
}  // namespace qvx::test
