#pragma once
// One player action from a button or a drop, always in the same order: the check, the question
// if the check lets the action go on and it asks one, the action, the screen's redraw, the
// action's message. The rules stay in the engine; a screen only says which of its operations are
// the steps.
#include <functional>

#include "Dialog.h"

namespace qvx::ui {

class DialogService;

struct ActSteps {
    // The check, which never changes the game: an empty dialog lets the action go on, anything
    // else is the refusal shown instead.
    std::function<Dialog()> check;
    // Asked once the check has passed; any answer but "Yes" stops. None when null or empty.
    std::function<Dialog()> question;
    // The action (which checks again and changes everything or nothing) and the message it
    // answers with; an empty one shows nothing.
    std::function<Dialog()> apply;
};

// Runs the steps through the dialog service and redraws after the action. True when the action
// was applied (whatever its message said).
bool Act(DialogService& dialogs, const ActSteps& steps, const std::function<void()>& redraw);

}  // namespace qvx::ui
