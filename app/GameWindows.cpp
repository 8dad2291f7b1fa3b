#include "GameWindows.h"

#include <QFileInfo>

#include "AudioSounds.h"
#include "Client_CustomGame.h"
#include "Client_GameOver.h"
#include "Client_Highscore.h"
#include "Client_LogIn.h"
#include "Client_ManageBoosters.h"
#include "Client_NewGameScreen.h"
#include "Client_OfficeScreen.h"
#include "Client_SaveLoad.h"
#include "Client_StartScreen.h"
#include "Client_StockBroker.h"
#include "Client_Summary.h"
#include "Client_TutorialWindow.h"
#include "Scenarios.h"
#include "ScreenRegistry.h"
#include "Session.h"
#include "WindowDialogs.h"
#include "background.h"

namespace qvx::app {
namespace {

// The manual ships in the data directory; a build run from the source tree finds it there.
QString ManualPath(const ui::Session& session) {
    const QString beside = QString::fromStdString((session.contentDir() / "manual.html").string());
    if (QFileInfo::exists(beside)) return QFileInfo(beside).absoluteFilePath();
    const QString source = QStringLiteral(QVX_SOURCE_DIR "/docs/manual.html");
    return QFileInfo::exists(source) ? source : QString();
}

}  // namespace

bool ChooseNewGame(ui::TForm6& newGame, ui::TForm25& customGame, NewGameChoice& choice) {
    newGame.prepare();
    if (newGame.run() != QDialog::Accepted) return false;
    choice = newGame.choice();
    if (ScenarioKind(choice.scenario) == Kind::kCustom) {
        customGame.prepare();
        customGame.run();
        choice.custom = customGame.settings();
    }
    return true;
}

GameWindows::GameWindows(ui::Session& s)
    : session(s),
      background(new ui::TFbackground(s)),
      logIn(new ui::TForm1(s, background)),
      sounds(std::make_unique<ui::AudioSounds>(*logIn)),
      dialogs(std::make_unique<ui::WindowDialogs>(s, background)) {
    s.setDialogs(dialogs.get());
    s.setSounds(sounds.get());
    s.manualPath = [&s] { return ManualPath(s); };
    tutorial = new ui::TForm28(s);
    s.setTutorial(tutorial);
    for (const ScreenEntry& entry : Screens()) {
        screens.push_back(entry.make(s, background));
        screens.back()->setManualSection(entry.manualSection);
    }

    auto* office = screen<ui::TForm7>();
    for (size_t i = 0; i < screens.size(); ++i) {
        if (const int button = Screens()[i].officeButton) {
            office->setScreenOpener(button, [made = screens[i]] {
                made->prepare();
                made->run();
            });
        }
    }
    // A game loaded from inside the office replaces the one on the desk: the office then opens
    // the loaded game's planning phase.
    auto* saveLoad = screen<ui::TForm14>();
    office->setScreenOpener(9, [office, saveLoad] {
        saveLoad->prepareInOffice();
        saveLoad->run();
        if (saveLoad->loaded()) office->prepareForPlanning();
    });
    office->setSummary([this](int company) { screen<ui::TForm12>()->showFor(company); });
    office->setStockBroker([broker = screen<ui::TForm15>()] {
        broker->prepare();
        broker->run();
    });

    // The end of a game: its ranking, then the lists with the first one up, where a finished
    // game enters; the office saves and closes after that.
    auto* highscores = screen<ui::TForm21>();
    office->setGameOverScreen([gameOver = screen<ui::TForm20>(), highscores] {
        gameOver->prepare();
        gameOver->run();
        highscores->prepareAt(1);
        highscores->run();
    });

    auto* start = screen<ui::TForm3>();
    background->setStartScreen(start);
    ui::StartRoutes routes;
    routes.chooseNewGame = [this](NewGameChoice& choice) {
        return ChooseNewGame(*screen<ui::TForm6>(), *screen<ui::TForm25>(), choice);
    };
    routes.runOffice = [office] {
        office->prepareForPlanning();
        office->run();
    };
    routes.continueGame = [saveLoad] {
        saveLoad->prepare();
        saveLoad->run();
        return saveLoad->loaded();
    };
    routes.modifyDeck = [this] {
        auto* deck = screen<ui::TForm26>();
        deck->prepare();
        deck->run();
    };
    // The start screen opens the lists at the first scenario's, as the game over screen does.
    routes.showHighscores = [highscores] {
        highscores->prepareAt(1);
        highscores->run();
    };
    start->setRoutes(std::move(routes));
}

GameWindows::~GameWindows() {
    session.setTutorial(nullptr);
    delete tutorial.data();
    session.setDialogs(nullptr);
    session.setSounds(nullptr);
    delete background;
}

}  // namespace qvx::app
