#include "Session.h"

#include "Client_TutorialWindow.h"
#include "DialogService.h"
#include "Sounds.h"

namespace qvx::ui {

Session::Session(GameDirs dirs, uint64_t seed)
    : m_dirs(std::move(dirs)),
      m_game(std::make_unique<GameState>()),
      m_catalogue(std::make_unique<Catalogue>()),
      m_rng(seed),
      m_silentDialogs(std::make_unique<SilentDialogs>()),
      m_silentSounds(std::make_unique<Sounds>()),
      m_dialogs(m_silentDialogs.get()),
      m_sounds(m_silentSounds.get()) {}

Session::~Session() = default;

void Session::setDialogs(DialogService* dialogs) {
    m_dialogs = dialogs ? dialogs : m_silentDialogs.get();
}

void Session::setSounds(Sounds* sounds) {
    m_sounds = sounds ? sounds : m_silentSounds.get();
}

void Session::setTutorial(TForm28* tutorial) {
    m_tutorial = tutorial;
    if (tutorial)
        leaveTutorialStep = [tutorial](int step) { tutorial->leaveStep(step); };
    else
        leaveTutorialStep = nullptr;
}

void Session::setBlindMode(bool on) {
    if (m_blindMode == on) return;
    m_blindMode = on;
    emit blindModeChanged(on);
}

}  // namespace qvx::ui
