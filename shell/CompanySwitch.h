#pragma once
// The row of four company bubbles that screens showing one company at a time switch with: each
// company's bubble in its colour, its logo and name beside it, and a blind twin "Switch to Red
// channel" ... . The selected company is lit; choosing it again does nothing.
#include <QWidget>
#include <array>
#include <functional>

namespace qvx::ui {

class BlindLabel;
class PictureLabel;
class Session;

class CompanySwitch : public QWidget {
    Q_OBJECT
  public:
    // Four cells of `pitch` pixels side by side from `origin`; blind twins take the names
    // "<blindStem>1".."<blindStem>4".
    CompanySwitch(Session& session, QWidget* parent, QPoint origin, int pitch = 228,
                  const QString& blindStem = "BlindLabel");

    // 1..4; 0 until a company was chosen.
    int selected() const { return m_selected; }
    // Selects c (1..4) without telling the callback: for the screen's own choice on opening.
    // A number outside 1..4 is ignored.
    void select(int c);
    // Called with the new company when the player chose another one.
    void setOnChange(std::function<void(int)> onChange) { m_onChange = std::move(onChange); }
    // Brings names, logos and the grey logos of closed companies up to date with the game.
    void refresh();
    // What the player's click on company c does: plays the click, selects and tells the
    // callback, unless c is already selected.
    void choose(int c);

  private:
    struct Cell {
        PictureLabel* bubble = nullptr;
        PictureLabel* shape = nullptr;  // the company's logo beside the bubble
        PictureLabel* name = nullptr;
        PictureLabel* marker = nullptr;  // the bar in the company's colour under the name
        BlindLabel* twin = nullptr;
    };
    void mark();

    Session& m_session;
    std::array<Cell, 4> m_cells{};
    int m_selected = 0;
    std::function<void(int)> m_onChange;
};

}  // namespace qvx::ui
