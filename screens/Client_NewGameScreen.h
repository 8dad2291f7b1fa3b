#pragma once
// TForm6, the new game screen: one of the thirty scenarios, one of the eight logos, the
// company's name, and a look at the advantage deck the game will be played with.
#include <array>

#include "GameScreen.h"
#include "NewGame.h"

class QLabel;
class QLineEdit;

namespace qvx::ui {

class BlindLabel;
class ImageButton;
class PictureLabel;

class TForm6 : public GameScreen {
    Q_OBJECT
  public:
    TForm6(Session& session, QWidget* parent);

    // Opens on scenario 1 and logo 1 with an empty name, the deck column as the settings hold it.
    void prepare() override;
    // What the player chose, the name without the blanks around it. A name left empty or blank
    // thus reaches the engine empty, and NewGame gives the company its logo's default name: the
    // screen does not repeat that rule.
    NewGameChoice choice() const;

    int scenario() const { return m_scenario; }
    int logo() const { return m_logo; }

    void previousScenario();
    void nextScenario();
    void previousLogo();
    void nextLogo();
    void back();
    // Accepts the screen, after the question the difficult kinds ask first.
    void confirm();

  private:
    void buildScenarioPanel();
    void buildLogoPanel();
    void buildNamePanel();
    void buildDeckColumn();
    void buildBottomButtons();
    // An image button with its blind twin, both running handler.
    ImageButton* addButton(QWidget* parent, int number, const QString& text,
                           const QString& blindText, const QRect& place, const QRect& blindPlace,
                           void (TForm6::*handler)(), bool small = true);
    void showScenario();
    void scenarioBrowsed();
    void showLogo();
    void showDeck();

    int m_scenario = 1;
    int32_t m_logo = 1;

    PictureLabel* m_scenarioPicture;
    QLabel* m_title;
    QLabel* m_goal;
    QLabel* m_description;
    PictureLabel* m_logoPicture;
    QLabel* m_logoCaption;
    QLineEdit* m_name;
    BlindLabel* m_blindTitle;
    BlindLabel* m_blindLogo;
    std::array<PictureLabel*, 5> m_deckPictures{};
    std::array<QLabel*, 5> m_deckNames{};
};

}  // namespace qvx::ui
