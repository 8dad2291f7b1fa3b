#pragma once
// TForm25, the custom game settings shown after the new game screen for a Custom scenario:
// difficulty, number of turns, competitors, start and population.
#include <array>

#include "GameScreen.h"
#include "NewGame.h"

class QComboBox;

namespace qvx::ui {

class BlindLabel;

class TForm25 : public GameScreen {
    Q_OBJECT
  public:
    TForm25(Session& session, QWidget* parent);

    // Every list back on its first entry, the turn list with nothing chosen (which means 120).
    void prepare() override;
    CustomSettings settings() const;

  protected:
    // The screen has no way back: Escape would start the game with the defaults unasked.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QComboBox* addSetting(QWidget* panel, int row, const QString& caption,
                          const QStringList& entries);
    void showBlindState(int row);

    std::array<QComboBox*, 5> m_lists{};
    std::array<BlindLabel*, 5> m_blindStates{};
    std::array<QString, 5> m_captions;
};

}  // namespace qvx::ui
