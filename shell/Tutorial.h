#pragma once
// The guided first turn: a chain of steps from the start screen to the end of the first
// broadcast day. This is its bookkeeping only (whether it runs, which step it is at, which
// trigger ends which step); the window that shows it is TForm28.
#include <string_view>

namespace qvx::ui {

inline constexpr int kTutorialSteps = 18;
// The new game screen's Continue ends the set-up at whatever step the player has reached.
inline constexpr int kTutorialContinueStep = 4;

struct TutorialStepText {
    std::string_view text;         // what the step explains
    std::string_view instruction;  // what the player is to do now
};

// The two texts of step 1..18 (UTF-8); step 0 or beyond 18 gives empty texts.
TutorialStepText TutorialTexts(int step);

// True for the steps whose trigger closes the window: the event opens another screen (or ends
// the day), and that screen shows the window again when it comes up.
bool TutorialStepClosesWindow(int step);

class Tutorial {
  public:
    bool active() const { return m_active; }
    int step() const { return m_step; }

    // The step that the trigger of step n leads to, or 0 when the trigger does not count now
    // (no tutorial, or another step). Does not move the tutorial; enter() does.
    int nextAfter(int n) const;
    void enter(int step) { m_step = step; }
    // Every launch starts the tutorial afresh.
    void begin() {
        m_active = true;
        m_step = 1;
    }
    // The player quit, or loaded a game: there is no way back until the next launch.
    void end() { m_active = false; }

  private:
    bool m_active = true;
    int m_step = 1;
};

}  // namespace qvx::ui
