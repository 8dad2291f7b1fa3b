#pragma once
// TForm12, the day summary: for any of the four companies its operational funds, the day's net
// revenue and its game log. Closing it empties all four logs for the next turn.
#include <array>

#include "GameScreen.h"

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace qvx::ui {

class PictureLabel;

class TForm12 : public GameScreen {
    Q_OBJECT
  public:
    TForm12(Session& session, QWidget* parent);

    // Draws company 1..4 from the game state; the log lines are those in gs.GameLog.
    void redraw(int company);
    // Redraws for the company and shows the screen modally.
    void showFor(int company);
    int company() const { return m_company; }

    void showInfo();
    void showGameLog();
    bool infoShown() const;

    // However the screen closes, the logs are cleared once it has been read.
    void done(int result) override;

  private:
    void buildHeader();
    void buildInfoPanel();
    void buildLogPanel();
    void buildTabs();

    int m_company = 1;
    QLabel* m_title;
    std::array<PictureLabel*, 4> m_bubbles{};
    QLabel* m_bubbleRing;
    QFrame* m_info;
    QFrame* m_log;
    std::array<QLabel*, 2> m_tabs{};     // Image2, Image3
    std::array<QLabel*, 2> m_litTabs{};  // Image8, Image9
    QLabel* m_infoTitle;
    QLabel* m_logTitle;
    PictureLabel* m_logo;
    QLabel* m_bankrupt;
    QLabel* m_funds;
    QLabel* m_netRevenue;
    QPlainTextEdit* m_memo;
};

}  // namespace qvx::ui
