#pragma once
// TForm13, the news agency: tomorrow's news show is three articles dragged from the five on
// offer; once a turn the player may buy the second set of five.
#include <array>

#include "GameScreen.h"
#include "GameState.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class PictureLabel;

class TForm13 : public GameScreen {
    Q_OBJECT
  public:
    TForm13(Session& session, QWidget* parent);

    void prepare() override { redraw(); }
    void redraw();
    // A drag of offer o ended on show position p (1..3), or anywhere else (0).
    void selectNews(int offer, int position);
    void buyNewsSet();

  private:
    struct Card {
        QFrame* panel = nullptr;
        PictureLabel* picture = nullptr;
        QLabel* topic = nullptr;
        QLabel* text = nullptr;
        QLabel* chosen = nullptr;  // offers only: "On the show"
    };
    Card makeCard(QWidget* parent, const QString& panel, const QString& picture,
                  const QString& topic, const QString& text, const QRect& place, int textHeight,
                  bool large);
    void buildShow();
    void buildOffers();
    void close();

    std::array<Card, kNewsShowPositions> m_show{};
    std::array<Card, kNewsOfferPositions> m_offers{};
    std::array<QLabel*, kNewsShowPositions> m_hints{};
    QLabel* m_money;
};

}  // namespace qvx::ui
