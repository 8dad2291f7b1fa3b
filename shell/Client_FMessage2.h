#pragma once
// TFMessage2, the yes/no dialog. DialogAnswer: 0 not answered, 1 yes, 2 no.
#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class TFMessage2 : public GameScreen {
    Q_OBJECT
  public:
    TFMessage2(Session& session, QWidget* parent);
    // Shows the question modally; true only when "Yes" was pressed.
    bool ask(const QString& title, const QString& text);
    int dialogAnswer() const { return m_answer; }

  private:
    void answer(int value);
    QLabel* m_title;
    QLabel* m_text;
    int m_answer = 0;
};

}  // namespace qvx::ui
