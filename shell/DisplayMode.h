#pragma once
// The game's display mode. The desktop's real resolution is never changed: the black
// background window goes full-screen and the game is laid out on a canvas of the requested
// size, centred on the screen. Restoring gives the desktop back exactly as it was.
#include <QSize>

class QWidget;

namespace qvx::ui {

// 1440 x 900 on a desktop at least 1440 pixels wide (wider ones too), otherwise 1024 x 768.
QSize RequestedDisplayMode(int desktopWidth);

// The smallest canvas the screens need: every game screen is 1024 x 768.
inline constexpr QSize kMinimumCanvas{1024, 768};

class DisplayMode {
  public:
    // Remembers the desktop size, then puts `background` full-screen with the canvas of the
    // requested size. False when the screen cannot hold even the smallest canvas.
    bool Set(QWidget* background, QSize requested, QSize screen);
    void Restore();
    QSize desktop() const { return m_desktop; }
    QSize canvas() const { return m_canvas; }

  private:
    QWidget* m_background = nullptr;
    QSize m_desktop;
    QSize m_canvas;
};

}  // namespace qvx::ui
