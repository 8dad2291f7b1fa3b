#pragma once
// TForm28, the tutorial window: a small bordered window at the top edge of the display that
// tells the player what to do next. It floats over whichever screen is up; the screens' hooks
// move it on through its steps (Tutorial.h).
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "Tutorial.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class GameScreen;
class Session;

class TForm28 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 360;
    static constexpr int kFullHeight = 336;
    static constexpr int kMinimizedHeight = 115;

    explicit TForm28(Session& session);

    const Tutorial& state() const { return m_tutorial; }
    bool active() const { return m_tutorial.active(); }
    int step() const { return m_tutorial.step(); }
    bool closedByProgram() const { return m_closedByProgram; }

    // Where the window is placed: the canvas's top right once the game has its display mode,
    // the screen's top left otherwise.
    void setHome(QPoint home) { m_home = home; }
    QPoint home() const { return m_home; }

    // Start-up: the tutorial runs from step 1 at every launch.
    void begin();
    // Sets the step and puts its texts into the window.
    void showStep(int n);
    // The screens' hook: the event that ends step n happened.
    void leaveStep(int n);

    // A screen came up: the screens the tutorial walks through show the window over them.
    void screenBecameActive(GameScreen* screen);
    // The start screen came up (again): back to step 1, at its place on top.
    void restartOver(QWidget* startScreen);
    // Shows the window over the screen, on top, when the tutorial runs.
    void showOver(QWidget* screen);
    // The program closes the window (the user could not), if it is showing.
    void closeByProgram();
    // A loaded game is the player's own: the tutorial is over.
    void gameLoaded();
    // The quit question: Yes ends the tutorial (quit), No brings the window back.
    void askQuit();
    void quit();

    // The window's buttons.
    void minimize();
    void showFull();
    void cancelClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Hands a key to the screen under the window; false when there is none.
    bool passToScreen(QKeyEvent* event);

    Session& m_session;
    Tutorial m_tutorial;
    bool m_closedByProgram = false;
    QPoint m_home;
    // The screen the window floats over: a modal screen blocks every window but its own, so
    // the window belongs to the screen that is up.
    QPointer<QWidget> m_over;

    QFrame* m_panel;
    QLabel* m_text1;
    QLabel* m_text2;
    QFrame* m_minimized;
    QLabel* m_minimizedText;
};

}  // namespace qvx::ui
