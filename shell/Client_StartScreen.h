#pragma once
// TForm3, the start screen: the pitch, the column of buttons, the credits panel, and the road
// into a new game.
#include <functional>

#include "GameScreen.h"
#include "NewGame.h"
#include "SaveGame.h"

class QFrame;
class QLabel;
class QTextBrowser;

namespace qvx::ui {

class ImageButton;

// The screens the start screen leads to, wired by the program (and by tests).
struct StartRoutes {
    // The new game screen and, for a Custom scenario, the custom settings; false when left
    // without confirming.
    std::function<bool(NewGameChoice&)> chooseNewGame;
    // The office, modal, for the running game.
    std::function<void()> runOffice;
    // The save/load screen, modal; true when it loaded a game (the office is then run).
    std::function<bool()> continueGame;
    // The advantage deck screen, modal.
    std::function<void()> modifyDeck;
    // The highscore lists, modal.
    std::function<void()> showHighscores;
};

class TForm3 : public GameScreen {
    Q_OBJECT
  public:
    TForm3(Session& session, QWidget* parent);
    // A button whose screen has no route stays disabled.
    void setRoutes(StartRoutes routes);
    // The credits text gets its version line once, at start-up.
    void addVersionLine(const QString& line);

    void startNewGame();
    void continueGame();
    void modifyDeck();
    void showHighscores();
    void exitGame();
    void toggleBlindMode();
    void toggleMusicAndEffects();
    void showCredits();
    void hideCredits();
    void visitWebsite();

  protected:
    // Escape belongs to the tutorial; it must not end the program behind the player's back.
    void keyPressEvent(QKeyEvent* event) override;
    // Whenever the start screen is up again, the tutorial starts over at step 1.
    void showEvent(QShowEvent* event) override;
    // Exit game and the window's close command.
    void reject() override;

  private:
    ImageButton* addButton(int number, const QString& text, int row, void (TForm3::*handler)(),
                           bool playsClick = true);
    // The tutorial window makes way for a screen of the player's own, and comes back after.
    void tutorialAside();
    void tutorialBack();

    StartRoutes m_routes;
    QFrame* m_credits;
    QTextBrowser* m_creditsText;
    ImageButton* m_musicButton = nullptr;
    ImageButton* m_continueButton = nullptr;
    ImageButton* m_highscoreButton = nullptr;
    ImageButton* m_deckButton = nullptr;
    QLabel* m_blindTopic;
};

}  // namespace qvx::ui
