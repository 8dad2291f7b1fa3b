#pragma once
// TFbackground, the main window: full-screen and black, with one large picture, the dark frame
// the screens stand on, filling the game's canvas. It runs the program's start-up and
// shutdown around the start screen.
#include <QWidget>

#include "DisplayMode.h"

namespace qvx::ui {

class Session;
class TForm3;
class PictureLabel;

class TFbackground : public QWidget {
    Q_OBJECT
  public:
    explicit TFbackground(Session& session);
    void setStartScreen(TForm3* startScreen) { m_startScreen = startScreen; }

    // In an ordinary window of the canvas's size instead of full-screen.
    void setWindowed(bool windowed) { m_displayMode.setWindowed(windowed); }

    // Display mode, version line, settings and start counter, timers; then the start screen
    // modally; then Shutdown. `screen` is the desktop's size in the logical pixels the game
    // is laid out in; `canvas` the canvas chosen for it (by default the one the rules ask for).
    void Startup(QSize screen, QSize canvas = {});
    // Settings written, display restored, window closed (the program ends).
    void Shutdown();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOutCanvas();

    Session& m_session;
    DisplayMode m_displayMode;
    TForm3* m_startScreen = nullptr;
    PictureLabel* m_picture;
};

}  // namespace qvx::ui
