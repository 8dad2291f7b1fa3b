#pragma once
// The game's look: its fonts (loaded from the font files by path, so every machine draws the
// same) and the style sheet of the plain Qt controls.
namespace qvx::ui {

void ApplyLook();

}  // namespace qvx::ui
