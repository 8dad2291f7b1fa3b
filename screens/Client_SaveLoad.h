#pragma once
// TForm14, the save/load screen: six save slots with their captions and what each holds, and
// the running game's own slot behind "Continue previous game".
#include <array>

#include "GameScreen.h"
#include "SaveGame.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace qvx::ui {

class ImageButton;

class TForm14 : public GameScreen {
    Q_OBJECT
  public:
    TForm14(Session& session, QWidget* parent);

    // Opened from the start screen: "Continue previous game" goes back to the running game's
    // slot when it holds one.
    void prepare() override { prepareFor(Opener::StartScreen); }
    // Opened from the office, where the running game is the one on the desk: no continuing.
    void prepareInOffice() { prepareFor(Opener::Office); }
    // Whether the last run() ended with a game loaded (the caller then opens its planning).
    bool loaded() const { return m_loaded; }

    // Row n = 1..6.
    void saveSlot(int n);
    void loadSlot(int n);
    void continuePreviousGame();

  private:
    enum class Opener { StartScreen, Office };
    struct Row {
        QFrame* panel = nullptr;
        QLineEdit* caption = nullptr;
        QLabel* summary = nullptr;
        ImageButton* save = nullptr;
        ImageButton* load = nullptr;
        SlotSummary held;
    };
    void prepareFor(Opener opener);
    void buildRow(int n);
    void showRow(int n);
    // Loads slot 0..6 and closes on success; says what went wrong otherwise.
    void loadFrom(int slot, const QString& which);

    std::array<Row, kNumberedSaveSlots + 1> m_rows{};  // [1..6]
    ImageButton* m_continue = nullptr;
    Opener m_opener = Opener::StartScreen;
    bool m_loaded = false;
};

}  // namespace qvx::ui
