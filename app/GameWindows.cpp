#include "GameWindows.h"

#include <QFileInfo>

#include "Client_StartScreen.h"
#include "Session.h"
#include "WindowDialogs.h"
#include "background.h"

namespace qvx::app {
namespace {

// The manual ships in the data directory; a build run from the source tree finds it there.
QString ManualPath(const ui::Session& session) {
    const QString beside = QString::fromStdString((session.dataDir() / "manual.html").string());
    if (QFileInfo::exists(beside)) return QFileInfo(beside).absoluteFilePath();
    const QString source = QStringLiteral(QVX_SOURCE_DIR "/docs/manual.html");
    return QFileInfo::exists(source) ? source : QString();
}

}  // namespace

GameWindows::GameWindows(ui::Session& s)
    : session(s),
      background(new ui::TFbackground(s)),
      dialogs(std::make_unique<ui::WindowDialogs>(s, background)),
      startScreen(new ui::TForm3(s, background)) {
    s.setDialogs(dialogs.get());
    background->setStartScreen(startScreen);
    ui::StartRoutes routes;
    routes.manualPath = [&s] { return ManualPath(s); };
    startScreen->setRoutes(std::move(routes));
}

GameWindows::~GameWindows() {
    session.setDialogs(nullptr);
    delete background;
}

}  // namespace qvx::app
