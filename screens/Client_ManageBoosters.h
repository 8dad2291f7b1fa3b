#pragma once
// TForm26, the advantage deck: the twenty cards, the five slots of the player's own deck (it
// counts for every game he starts or continues) and what each card does.
#include <array>

#include "GameScreen.h"
#include "GameState.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class BlindLabel;
class PictureLabel;

class TForm26 : public GameScreen {
    Q_OBJECT
  public:
    TForm26(Session& session, QWidget* parent);

    // Opens with the deck as the settings hold it, no card's details up, no slot chosen.
    void prepare() override;
    void redraw();

    // A drag of card (1..20) was let go over deck slot (1..5).
    void placeCard(int card, int slot);
    // Blind play: clicking a slot's twin chooses it (again: unchooses it); clicking a card's twin
    // puts the card into the chosen slot, or else into the first empty one.
    void chooseSlot(int slot);
    void placeCardBlind(int card);
    void clearDeck();
    // The detail panel for a card; 0 hides it.
    void showDetails(int card);
    // Keeps the deck on disk at once, so a later crash does not lose it, and closes.
    void continueToStart();

    int chosenSlot() const { return m_chosenSlot; }

  private:
    struct Slot {
        QFrame* place = nullptr;  // the frame that is always there to drop on
        QLabel* empty = nullptr;
        PictureLabel* card = nullptr;
        QLabel* name = nullptr;
        BlindLabel* twin = nullptr;
    };
    void buildCards();
    void buildDeck();
    void buildDetails();

    std::array<PictureLabel*, kBoosterIds> m_cards{};
    std::array<Slot, kBoosterSlots> m_slots{};
    QFrame* m_details = nullptr;
    QLabel* m_detailName = nullptr;
    QLabel* m_detailText = nullptr;
    QLabel* m_detailStack = nullptr;
    int m_chosenSlot = 0;
};

}  // namespace qvx::ui
