#include "Screenshot.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "Client_StartScreen.h"
#include "GameWindows.h"
#include "Session.h"

namespace qvx::app {
namespace {

QString Save(QWidget* screen, const QString& out) {
    screen->show();
    const QImage image = screen->grab().toImage();
    screen->hide();
    if (image.isNull()) return "the screen could not be drawn";
    if (!image.save(out, "PNG")) return "cannot write " + out;
    return {};
}

}  // namespace

QStringList ScreenshotNames() {
    return {"start"};
}

QString TakeScreenshot(ui::Session& session, const ScreenshotRequest& request) {
    GameWindows windows(session);
    if (request.screen == "start") return Save(windows.startScreen, request.out);
    return "unknown screen \"" + request.screen + "\"; known: " + ScreenshotNames().join(", ");
}

}  // namespace qvx::app
