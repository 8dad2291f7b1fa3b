#pragma once
// TFbackground, the main window: full-screen, black, one large picture. It runs the program's
// start-up and shutdown around the start screen.
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

    // Display mode, version line, settings and start counter, timers; then the start screen
    // modally; then Shutdown. `screen` is the desktop's size.
    void Startup(QSize screen);
    // Settings written, display restored, window closed (the program ends).
    void Shutdown();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    Session& m_session;
    DisplayMode m_displayMode;
    TForm3* m_startScreen = nullptr;
    PictureLabel* m_picture;
};

}  // namespace qvx::ui
