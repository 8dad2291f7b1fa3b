#pragma once
// TForm15, the stock broker: one company's shares and bonds at a time, a block of its shares
// bought or sold, or the own company's bonds issued or bought back; one such transaction a turn.
#include <utility>

#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class CompanySwitch;
class ImageButton;
class PictureLabel;

class TForm15 : public GameScreen {
    Q_OBJECT
  public:
    TForm15(Session& session, QWidget* parent);

    // Keeps the company chosen at the last opening; the first opening shows the player's own.
    void prepare() override;
    void redraw();
    // The company shown, 1..4.
    int selected() const;
    void selectCompany(int c);

    void buyShares();
    void sellShares();
    void buyBackBonds();
    void issueBonds();

  private:
    void buildShares();
    void buildBonds();
    QLabel* row(QWidget* panel, int top, const QString& caption, const QString& name);
    // Buttons `first` ("Buy") and `first` + 1 ("Sell") with their twins.
    std::pair<ImageButton*, ImageButton*> tradeButtons(QWidget* panel, int first,
                                                       const QString& buyTrade,
                                                       const QString& sellTrade,
                                                       void (TForm15::*buy)(),
                                                       void (TForm15::*sell)());

    CompanySwitch* m_switch;
    PictureLabel* m_logo;
    QLabel* m_name;
    QLabel* m_bankrupt;
    QLabel* m_money;
    QLabel* m_note;
    QLabel *m_treasury = nullptr, *m_others = nullptr, *m_public = nullptr, *m_total = nullptr;
    QLabel *m_buyPrice = nullptr, *m_sellPrice = nullptr;
    QLabel *m_security = nullptr, *m_bonds = nullptr, *m_interest = nullptr;
    QLabel *m_available = nullptr, *m_tradeable = nullptr;
    ImageButton *m_buyShares = nullptr, *m_sellShares = nullptr;
    ImageButton *m_buyBonds = nullptr, *m_sellBonds = nullptr;
};

}  // namespace qvx::ui
