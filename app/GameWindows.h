#pragma once
// Every window of the game, created once at start-up and wired together: the screens of the
// screen registry, in its order, and the windows that are not screens.
#include <QPointer>
#include <memory>
#include <vector>

#include "GameScreen.h"

namespace qvx {
struct NewGameChoice;
}

namespace qvx::ui {
class Session;
class TFbackground;
class TForm1;
class TForm6;
class TForm25;
class TForm28;
class AudioSounds;
class WindowDialogs;
}  // namespace qvx::ui

namespace qvx::app {

struct GameWindows {
    explicit GameWindows(ui::Session& session);
    ~GameWindows();

    // The one window of that screen class.
    template <class Screen>
    Screen* screen() const {
        for (ui::GameScreen* made : screens)
            if (auto* found = qobject_cast<Screen*>(made)) return found;
        return nullptr;
    }

    ui::Session& session;
    ui::TFbackground* background;
    ui::TForm1* logIn;
    std::unique_ptr<ui::AudioSounds> sounds;
    std::unique_ptr<ui::WindowDialogs> dialogs;
    std::vector<ui::GameScreen*> screens;  // one per entry of the screen registry
    // Floats over the screen that is up, which then owns it.
    QPointer<ui::TForm28> tutorial;
};

// The start screen's road through the new game screen and, for a Custom scenario, the custom
// settings. False when the player left the new game screen without confirming.
bool ChooseNewGame(ui::TForm6& newGame, ui::TForm25& customGame, NewGameChoice& choice);

}  // namespace qvx::app
