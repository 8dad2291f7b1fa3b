#pragma once
// TForm10, the ad agency: the channel's ads archive and the agency's contract offers. Accepting
// and reordering are drags; a contract dragged away from the archive is answered by the agency's
// refusal to cancel. The rules are the engine's; this screen routes the drops and shows dialogs.
#include <memory>

#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class ContractInfoPanel;
class PlaceGrid;

class TForm10 : public GameScreen {
    Q_OBJECT
  public:
    TForm10(Session& session, QWidget* parent);
    ~TForm10() override;

    void prepare() override { redraw(); }
    void redraw();
    // The hover panel for contract c; c < 1 hides it.
    void showAdInfo(int32_t contract);

    void acceptContract(int offer, int position);
    void swapArchive(int from, int to);
    void refuseCancel(int position);

  private:
    void dropped(int from, int to);
    void openBlindInfo(int32_t contract);
    void close();

    std::unique_ptr<PlaceGrid> m_archive;
    std::unique_ptr<PlaceGrid> m_offers;
    ContractInfoPanel* m_panel;
    ContractInfoPanel* m_blindPanel;
    QLabel* m_money;
};

}  // namespace qvx::ui
