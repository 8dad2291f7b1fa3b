// quovix2: the game. Installed, it finds its data beside its bin directory and keeps the player's
// files in $XDG_DATA_HOME/quovix2; otherwise it is started in its data directory (or with
// --data-dir). --screenshot renders one screen to a PNG for people and tests; --check proves an
// installation without a window.
#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#include "DataDirs.h"
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
};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr,
                 "quovix2: %s\nusage: quovix2 [--data-dir DIR] [--seed N]\n"
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

}  // namespace

int main(int argc, char** argv) {
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

    QApplication app(argc, argv);
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
    windows.background->show();
    QTimer::singleShot(0, windows.background, [&windows] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        windows.background->Startup(screen ? screen->size() : QSize(1024, 768));
    });
    return app.exec();
}
