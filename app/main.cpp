// quovix2: the game. Installed, it finds its data beside its bin directory and keeps the player's
// files in $XDG_DATA_HOME/quovix2; otherwise it is started in its data directory (or with
// --data-dir). --screenshot renders one screen to a PNG for people and tests; --check proves an
// installation without a window.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "Client_StartScreen.h"
#include "DataDirs.h"
#include "DisplayMode.h"
#include "GameWindows.h"
#include "InstallCheck.h"
#include "Look.h"
#include "Pictures.h"
#include "Screenshot.h"
#include "Session.h"
#include "background.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> dataDir;  // none: installed, or the current directory
    qvx::app::ScreenshotRequest shot;
    bool screenshot = false;
    bool check = false;
    bool seeded = false;
    uint64_t seed = 0;
    double scale = 0;  // 0: fill the screen
    bool windowed = false;
    bool timeStartup = false;
};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr,
                 "quovix2: %s\nusage: quovix2 [--data-dir DIR] [--seed N] [--scale F] [--window] "
                 "[--time-startup]\n"
                 "       quovix2 [--data-dir DIR] --check\n"
                 "       quovix2 [--data-dir DIR] --screenshot SCREEN OUT.png [--slot K] "
                 "[--clock HH:MM]\n",
                 problem);
    std::exit(2);
}

bool ParseClock(const char* text, int& hour, int& minute) {
    return std::sscanf(text, "%d:%d", &hour, &minute) == 2 && hour >= 0 && hour <= 12 &&
           minute >= 0 && minute < 60;
}

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        auto next = [&]() -> const char* {
            if (i + 1 >= argc) Usage("a value is missing");
            return argv[++i];
        };
        if (!std::strcmp(a, "--data-dir")) {
            o.dataDir = next();
        } else if (!std::strcmp(a, "--seed")) {
            o.seed = std::strtoull(next(), nullptr, 10);
            o.seeded = true;
        } else if (!std::strcmp(a, "--screenshot")) {
            o.screenshot = true;
            o.shot.screen = next();
            o.shot.out = next();
        } else if (!std::strcmp(a, "--scale")) {
            o.scale = std::strtod(next(), nullptr);
            if (!(o.scale >= 0.5 && o.scale <= 8)) Usage("the scale must be between 0.5 and 8");
        } else if (!std::strcmp(a, "--window")) {
            o.windowed = true;
        } else if (!std::strcmp(a, "--time-startup")) {
            o.timeStartup = true;
        } else if (!std::strcmp(a, "--check")) {
            o.check = true;
        } else if (!std::strcmp(a, "--slot")) {
            o.shot.slot = std::atoi(next());
            if (o.shot.slot < 0 || o.shot.slot > 6) Usage("the slot must be 0..6");
        } else if (!std::strcmp(a, "--clock")) {
            // Afternoon times: "03:20" is 03:20 pm, as the office clock shows it.
            if (!ParseClock(next(), o.shot.clockHour, o.shot.clockMinute))
                Usage("the clock must be HH:MM between 02:00 and 12:00");
        } else {
            Usage("unknown argument");
        }
    }
    return o;
}

// --time-startup: once the start screen has painted and the events queued behind that paint
// have run, it takes clicks. Say how long that took since main began, then leave by "Exit
// game" so that the run ends the way a player's does.
class StartupTimer : public QObject {
  public:
    StartupTimer(const QElapsedTimer& clock, qvx::ui::TForm3* start)
        : m_clock(clock), m_start(start) {
        start->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, m_start, [this] {
                std::printf("start screen ready after %lld ms\n",
                            static_cast<long long>(m_clock.elapsed()));
                std::fflush(stdout);
                m_start->exitGame();
            });
        }
        return false;
    }

  private:
    const QElapsedTimer& m_clock;
    qvx::ui::TForm3* m_start;
    bool m_done = false;
};

void SetScaleFactor(double scale) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", scale);
    setenv("QT_SCALE_FACTOR", text, 1);
}

// Qt takes its scale once, when the application starts, so the screen is measured first by a
// short-lived application of its own. Returns the canvas chosen for that screen, or an empty
// size when the scale comes from elsewhere: --scale, the user's own Qt scale variables, or an
// ordinary window, which shows the canvas at its pixel size.
QSize ChooseScale(const Options& o, int argc, char** argv) {
    if (o.scale > 0) {
        SetScaleFactor(o.scale);
        return {};
    }
    if (o.screenshot || o.windowed || std::getenv("QT_SCALE_FACTOR") ||
        std::getenv("QT_SCREEN_SCALE_FACTORS"))
        return {};
    QSize screen;
    {
        QGuiApplication probe(argc, argv);
        if (const QScreen* primary = QGuiApplication::primaryScreen()) screen = primary->size();
    }
    if (screen.isEmpty()) return {};
    const qvx::ui::CanvasFit fit = qvx::ui::FitCanvas(screen);
    if (!fit.fits) return {};
    if (fit.scale != 1.0) SetScaleFactor(fit.scale);
    return fit.canvas;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    const Options options = Parse(argc, argv);
    if (options.screenshot && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::error_code ec;
    if (options.dataDir && !std::filesystem::is_directory(*options.dataDir, ec))
        Usage("the data directory is missing");
    std::string where;
    const qvx::GameDirs dirs = qvx::app::ChooseGameDirs(options.dataDir, argv[0], where);
    if (!where.empty()) {
        std::fprintf(stderr, "quovix2: %s\n", where.c_str());
        return 1;
    }
    if (options.check)
        return qvx::app::RunInstallCheck(
            dirs, options.seeded ? options.seed : uint64_t(QDateTime::currentMSecsSinceEpoch()),
            std::cout, std::cerr);

    // The probe gets copies: Qt takes its own arguments out of the list it is given.
    std::vector<char*> probeArgs(argv, argv + argc);
    int probeCount = argc;
    const bool ownScale = !std::getenv("QT_SCALE_FACTOR");
    const QSize canvas = ChooseScale(options, probeCount, probeArgs.data());
    QApplication app(argc, argv);
    // Read by now; a browser opened for the manual must not inherit the game's scale.
    if (ownScale) unsetenv("QT_SCALE_FACTOR");
    qvx::ui::ApplyLook();
    qvx::ui::Pictures::SetDirectory(dirs.content);
    const uint64_t seed =
        options.seeded ? options.seed : static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch());

    if (options.screenshot) {
        if (options.shot.screen == "list") {
            std::printf("%s\n", qPrintable(qvx::app::ScreenshotNames().join("\n")));
            return 0;
        }
        const QString problem = qvx::app::TakeScreenshot(dirs, seed, options.shot);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "quovix2: %s\n", qPrintable(problem));
            return 1;
        }
        return 0;
    }

    qvx::ui::Session session(dirs, seed);
    qvx::app::GameWindows windows(session);
    std::unique_ptr<StartupTimer> timer;
    if (options.timeStartup)
        timer = std::make_unique<StartupTimer>(sinceLaunch, windows.screen<qvx::ui::TForm3>());
    windows.background->setWindowed(options.windowed);
    windows.background->show();
    QTimer::singleShot(0, windows.background, [&windows, canvas] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        windows.background->Startup(screen ? screen->size() : QSize(1024, 768), canvas);
    });
    return app.exec();
}
