#include "GameWindows.h"

#include <QFileInfo>

#include "AudioSounds.h"
#include "Client_CustomGame.h"
#include "Client_LogIn.h"
#include "Client_NewGameScreen.h"
#include "Client_OfficeScreen.h"
#include "Client_StartScreen.h"
#include "Client_Summary.h"
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
      logIn(new ui::TForm1(s, background)),
      sounds(std::make_unique<ui::AudioSounds>(*logIn)),
      dialogs(std::make_unique<ui::WindowDialogs>(s, background)),
      startScreen(new ui::TForm3(s, background)),
      newGame(new ui::TForm6(s, background)),
      office(new ui::TForm7(s, background)),
      summary(new ui::TForm12(s, background)),
      customGame(new ui::TForm25(s, background)) {
    s.setDialogs(dialogs.get());
    s.setSounds(sounds.get());
    background->setStartScreen(startScreen);
    office->setSummary([this](int company) { summary->showFor(company); });
    ui::StartRoutes routes;
    routes.chooseNewGame = [this](NewGameChoice& choice) {
        return ui::ChooseNewGame(*newGame, *customGame, choice);
    };
    routes.runOffice = [this] {
        office->prepareForPlanning();
        office->run();
    };
    routes.manualPath = [&s] { return ManualPath(s); };
    startScreen->setRoutes(std::move(routes));
}

GameWindows::~GameWindows() {
    session.setDialogs(nullptr);
    session.setSounds(nullptr);
    delete background;
}

}  // namespace qvx::app
