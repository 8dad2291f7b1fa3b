#pragma once
// TForm20, game over: the scenario just played and the final ranking of the four companies with
// their full values. "Continue" closes it; whoever opened it then shows the highscores.
#include <array>

#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class BlindLabel;
class PictureLabel;

class TForm20 : public GameScreen {
    Q_OBJECT
  public:
    TForm20(Session& session, QWidget* parent);

    // Ranks the running game (closed companies get money -1, as the ranking of a finished game
    // does) and draws it.
    void prepare() override;

  private:
    struct PlaceView {
        PictureLabel* logo = nullptr;
        QLabel* value = nullptr;
        QLabel* millions = nullptr;  // none for the winner, whose value says it itself
        BlindLabel* colour = nullptr;
    };

    QLabel* m_title;
    QLabel* m_description;
    QLabel* m_goal;
    PictureLabel* m_picture;
    QLabel* m_winnerName;
    std::array<PlaceView, 4> m_places{};
};

}  // namespace qvx::ui
