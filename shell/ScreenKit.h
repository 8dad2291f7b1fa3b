#pragma once
// What every screen builds itself from: the game's palette and its buttons with blind twins.
// A screen defines no colours of its own and never wires a twin by hand.
#include <functional>

#include <QRect>
#include <QString>
#include <QWidget>

namespace qvx::ui {

class GameScreen;
class ImageButton;

// The palette of the game's look: night-blue surfaces, white text, the channel colours.
namespace palette {
inline constexpr const char* kText = "#ffffff";
inline constexpr const char* kMuted = "#a9b8cc";
inline constexpr const char* kDisabled = "#6c7a89";
inline constexpr const char* kHighlight = "#ffd60a";
inline constexpr const char* kWarning = "#ff4d5a";
inline constexpr const char* kPanelEdge = "#778da9";
inline constexpr const char* kPanel = "#1b263b";
inline constexpr const char* kNight = "#0d1b2a";
}  // namespace palette

struct TwinButton {
    QString stem;  // "Button1": the button's objectName is "<stem>ActiveField"
    QString text;
    QRect rect;
    QString twinName;  // the blind twin's own component name, "BlindButton1"
    QRect twinRect;
    bool small = false;      // the dialogs' short buttons
    bool playsClick = true;  // the rules make a few buttons silent
};

// An image button and its blind twin that act alike: both play the click (unless the button is
// silent) and call the same handler.
ImageButton* ButtonWithTwin(GameScreen& screen, QWidget* parent, const TwinButton& spec,
                            std::function<void()> handler);

}  // namespace qvx::ui
