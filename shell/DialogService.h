#pragma once
// Every message the game shows goes through this one service: the information dialog
// (TFMessage1) and the yes/no dialog (TFMessage2) in the game, a scripted answerer in tests.
#include <QString>

namespace qvx::ui {

class DialogService {
  public:
    virtual ~DialogService() = default;
    // Information dialog, modal: returns when the player has read it.
    virtual void Inform(const QString& title, const QString& text) = 0;
    // Information dialog, not modal (messages at start-up): the caller goes on at once.
    virtual void InformLater(const QString& title, const QString& text) { Inform(title, text); }
    // Yes/no dialog: true only for "Yes"; any other way of closing it counts as No.
    virtual bool Ask(const QString& title, const QString& text) = 0;
};

// Answers nothing and shows nothing: the session's dialogs until the program installs its own.
class SilentDialogs : public DialogService {
  public:
    void Inform(const QString&, const QString&) override {}
    bool Ask(const QString&, const QString&) override { return false; }
};

}  // namespace qvx::ui
