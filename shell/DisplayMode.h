#pragma once
// The game's display mode. The desktop's real resolution is never changed: the black
// background window goes full-screen and the game is laid out on a canvas of the requested
// size, centred on the screen and scaled uniformly to the largest size the screen holds.
// Restoring gives the desktop back exactly as it was.
#include <QRect>
#include <QSize>

class QWidget;

namespace qvx::ui {

// 1440 x 900 on a desktop at least 1440 pixels wide (wider ones too), otherwise 1024 x 768.
QSize RequestedDisplayMode(int desktopWidth);

// The smallest canvas the screens need: every game screen is 1024 x 768.
inline constexpr QSize kMinimumCanvas{1024, 768};

// The canvas for a screen of `screen` pixels and the uniform scale that makes it as large as
// the screen holds. A wide screen too short for 1440 x 900 at full size shows 1024 x 768
// instead of shrinking it; below 1024 x 768 the game stays at its pixel size (`fits` false).
struct CanvasFit {
    QSize canvas;
    double scale = 1.0;
    bool fits = true;
};
CanvasFit FitCanvas(QSize screen);

// Where a canvas of `canvas` lies, centred on a screen of `screen` logical pixels.
QRect CenteredCanvas(QSize canvas, QSize screen);

class DisplayMode {
  public:
    // Remembers the desktop size, then puts `background` full-screen (or, when windowed, in an
    // ordinary window of the canvas's size) with the canvas of the requested size. `screen` is
    // in the logical pixels the game is laid out in. False when the screen cannot hold even
    // the smallest canvas.
    bool Set(QWidget* background, QSize requested, QSize screen);
    void Restore();
    void setWindowed(bool windowed) { m_windowed = windowed; }
    QSize desktop() const { return m_desktop; }
    QSize canvas() const { return m_canvas; }
    // The canvas on the screen, in the background window's coordinates.
    QRect canvasRect() const { return m_canvasRect; }

  private:
    QWidget* m_background = nullptr;
    QSize m_desktop;
    QSize m_canvas;
    QRect m_canvasRect;
    bool m_windowed = false;
};

}  // namespace qvx::ui
