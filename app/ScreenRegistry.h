#pragma once
// Every screen of the game, listed once: its component name, how it is made, the office button
// that opens it and the screenshots `--screenshot` can take of it. The windows, the screenshot
// option and the screenshot test all read this list, so a new screen is added here and nowhere
// else.
#include <QString>
#include <string_view>
#include <vector>

class QWidget;

namespace qvx::ui {
class GameScreen;
class Session;
}  // namespace qvx::ui

namespace qvx::app {

struct GameWindows;
struct ScreenshotRequest;

// One picture of a screen: its `--screenshot` name and how the screen is brought to the state
// the picture shows. Shots that need a game get the running game (a fresh "Normal - USA" game
// or the requested slot) before `prepare` is called.
struct Shot {
    const char* name;
    bool needsGame;
    // Returns a one-line reason when the screen cannot be brought there.
    QString (*prepare)(GameWindows& windows, const ScreenshotRequest& request);
};

struct ScreenEntry {
    const char* name;  // the window's component name, "TForm7"
    ui::GameScreen* (*make)(ui::Session& session, QWidget* parent);
    // The office's main button (1..10) that prepares and runs the screen; 0 for none.
    int officeButton;
    // The anchor of the manual's section on the screen (manual.html#anchor), which F1 opens.
    const char* manualSection;
    std::vector<Shot> shots;
};

const std::vector<ScreenEntry>& Screens();

// Every shot's name, in the order of the list.
std::vector<const char*> ShotNames();
// The screen a shot pictures, or null for an unknown name.
const ScreenEntry* FindShot(std::string_view name, const Shot** shot);

}  // namespace qvx::app
