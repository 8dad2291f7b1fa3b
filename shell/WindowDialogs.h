#pragma once
// The game's own dialog service: the two dialog windows, created once and reused.
#include "DialogService.h"

class QWidget;

namespace qvx::ui {

class Session;
class TFMessage1;
class TFMessage2;

class WindowDialogs : public DialogService {
  public:
    WindowDialogs(Session& session, QWidget* host);
    void Inform(const QString& title, const QString& text) override;
    void InformLater(const QString& title, const QString& text) override;
    bool Ask(const QString& title, const QString& text) override;
    TFMessage1* information() const { return m_information; }
    TFMessage2* question() const { return m_question; }

  private:
    TFMessage1* m_information;
    TFMessage2* m_question;
};

}  // namespace qvx::ui
