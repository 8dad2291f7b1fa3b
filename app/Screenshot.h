#pragma once
// quovix2 --screenshot: renders one named screen to a PNG without showing a window.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <filesystem>

#include "GameDirs.h"

namespace qvx::app {

struct ScreenshotRequest {
    QString screen;
    QString out;
    int slot = -1;      // -1: a fresh "Normal - USA" game
    int clockHour = 3;  // the playback's clock for office-broadcast (03:20 pm)
    int clockMinute = 20;
};

// The names of the screens that can be rendered.
QStringList ScreenshotNames();
// Renders the screen of the game in `dirs`; on failure returns a one-line reason. The player's
// files are never written: the game runs on a scratch copy of the user directory.
QString TakeScreenshot(const GameDirs& dirs, uint64_t seed, const ScreenshotRequest& request);

}  // namespace qvx::app
