#include "Act.h"

#include "DialogService.h"

namespace qvx::ui {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

bool Act(DialogService& dialogs, const ActSteps& steps, const std::function<void()>& redraw) {
    if (steps.check) {
        if (const Dialog refusal = steps.check(); !refusal.empty()) {
            dialogs.Inform(Q(refusal.title), Q(refusal.text));
            return false;
        }
    }
    if (steps.question) {
        const Dialog question = steps.question();
        if (!question.empty() && !dialogs.Ask(Q(question.title), Q(question.text))) return false;
    }
    const Dialog message = steps.apply();
    // The message stands over the screen as the action left it: the money already paid.
    if (redraw) redraw();
    if (!message.empty()) dialogs.Inform(Q(message.title), Q(message.text));
    return true;
}

}  // namespace qvx::ui
