#pragma once
// TForm21, the highscores: the ten best results of one scenario at a time, stepped through the
// thirty lists with wrap-around, and a reset to fresh example lists.
#include <array>

#include "GameScreen.h"
#include "Highscores.h"

class QLabel;

namespace qvx::ui {

class BlindLabel;
class PictureLabel;

class TForm21 : public GameScreen {
    Q_OBJECT
  public:
    TForm21(Session& session, QWidget* parent);

    // Reads the lists from disk and shows the list last shown.
    void prepare() override;
    // Reads the lists from disk and shows list 1..30 (the game over screen's road: list 1).
    void prepareAt(int list);
    void redraw();

    int list() const { return m_list; }
    const HighscoreTable& table() const { return m_table; }

    void previousList();
    void nextList();
    void resetHighscores();

  private:
    struct Row {
        QLabel* place = nullptr;
        PictureLabel* logo = nullptr;
        QLabel* name = nullptr;
        QLabel* score = nullptr;
    };
    void load();
    void stepList(int delta);

    HighscoreTable m_table;
    int m_list = 1;
    QLabel* m_title;
    QLabel* m_description;
    QLabel* m_listNumber;
    BlindLabel* m_blindList;
    std::array<Row, kHighscoreEntries> m_rows{};
};

}  // namespace qvx::ui
