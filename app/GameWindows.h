#pragma once
// Every window of the game, created once at start-up in the game's order and wired together.
#include <memory>

namespace qvx::ui {
class Session;
class TFbackground;
class TForm1;
class TForm3;
class AudioSounds;
class TForm6;
class TForm7;
class TForm12;
class TForm25;
class WindowDialogs;
}  // namespace qvx::ui

namespace qvx::app {

struct GameWindows {
    explicit GameWindows(ui::Session& session);
    ~GameWindows();

    ui::Session& session;
    ui::TFbackground* background;
    ui::TForm1* logIn;
    std::unique_ptr<ui::AudioSounds> sounds;
    std::unique_ptr<ui::WindowDialogs> dialogs;
    ui::TForm3* startScreen;
    ui::TForm6* newGame;
    ui::TForm7* office;
    ui::TForm12* summary;
    ui::TForm25* customGame;
};

}  // namespace qvx::app
