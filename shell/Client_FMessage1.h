#pragma once
// TFMessage1, the information dialog: a title, one sentence and "Continue".
#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class ImageButton;

class TFMessage1 : public GameScreen {
    Q_OBJECT
  public:
    TFMessage1(Session& session, QWidget* parent);
    void setTexts(const QString& title, const QString& text);
    // Modal use: returns when the player pressed "Continue".
    void showModal(const QString& title, const QString& text);
    // Start-up messages: shown in front, the caller goes on at once. A message arriving while
    // the dialog is already up only replaces its texts.
    void showInFront(const QString& title, const QString& text);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* m_title;
    QLabel* m_text;
};

}  // namespace qvx::ui
