#pragma once
// Every window of the game, created once at start-up in the game's order and wired together.
#include <memory>

namespace qvx::ui {
class Session;
class TFbackground;
class TForm3;
class WindowDialogs;
}  // namespace qvx::ui

namespace qvx::app {

struct GameWindows {
    explicit GameWindows(ui::Session& session);
    ~GameWindows();

    ui::Session& session;
    ui::TFbackground* background;
    std::unique_ptr<ui::WindowDialogs> dialogs;
    ui::TForm3* startScreen;
};

}  // namespace qvx::app
