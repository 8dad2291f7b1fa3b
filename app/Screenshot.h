#pragma once
// quovix2 --screenshot: renders one named screen to a PNG without showing a window.
#include <QString>

namespace qvx::ui {
class Session;
}

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
// Renders the screen; on failure returns a one-line reason.
QString TakeScreenshot(ui::Session& session, const ScreenshotRequest& request);

}  // namespace qvx::app
