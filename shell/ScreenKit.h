#pragma once
// What every screen builds itself from: the game's palette, its panels, captions and texts, and
// its buttons with blind twins. A screen defines no colours of its own and never wires a twin by
// hand, so that every screen looks and answers alike.
#include <functional>

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace qvx::ui {

class GameScreen;
class ImageButton;
class PictureLabel;

// The "TV studio at night" palette: night-blue surfaces, white text, warm studio light.
namespace palette {
inline constexpr const char* kText = "#ffffff";
inline constexpr const char* kSoftText = "#dde6f0";
inline constexpr const char* kMuted = "#a9b8cc";
inline constexpr const char* kDisabled = "#6c7a89";
inline constexpr const char* kAccent = "#ffb703";     // captions, the studio light
inline constexpr const char* kHighlight = "#ffd60a";  // what blinks or is on air now
inline constexpr const char* kWarning = "#ff4d5a";
inline constexpr const char* kGain = "#8ee6a0";
inline constexpr const char* kBlindText = "#ffe8a3";
inline constexpr const char* kPanelEdge = "#778da9";
inline constexpr const char* kLine = "#415a77";  // rules, inner edges, empty places
inline constexpr const char* kPanel = "#1b263b";
inline constexpr const char* kNight = "#0d1b2a";
inline constexpr const char* kOnAir = "#e63946";
// The companies' colours, Red, Yellow, Green and Blue, by channel 1..4 at [channel - 1].
inline constexpr const char* kChannels[4] = {"#e63946", "#ffb703", "#2a9d8f", "#219ebc"};
}  // namespace palette

// How a text stands out: plain white, softer body text, muted captions, and the accents.
enum class Tone { Plain, Soft, Muted, Disabled, Accent, Highlight, Warning, Gain };

const char* ToneColour(Tone tone);
// The style sheet of a text in a tone; for texts whose tone changes as the game goes on.
QString ToneStyle(Tone tone, bool bold = false);
QString ColourStyle(const char* colour, bool bold = false);

// A label of the game's font at the given point size, in its tone.
QLabel* Text(QWidget* parent, const QString& name, const QString& text, const QRect& place,
             int pointSize = 11, Tone tone = Tone::Plain, bool bold = false);
// The heading of a panel or a screen: bold, in the studio light.
QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                int pointSize = 13);

// Puts a text into a one-line label, cut with "..." when it is wider than the label; a screen
// reader (the accessible name) always gets all of it.
void SetFittedText(QLabel* label, const QString& text);

// A tooltip of several lines that wraps its long ones instead of spanning the screen.
QString WrappedToolTip(const QString& text);

enum class PanelKind {
    Panel,   // the rounded panel every group of controls sits on
    Tabbed,  // a panel under a row of tabs: its top-left corner joins the first tab
    Popup,   // a hover popup over the screen, edged in the studio light
    Inset,   // a small box inside a screen, quieter than a panel
    Bar,     // a strip across the top of a screen
    Bezel,   // the frame of a TV set
    Screen,  // the dark glass inside it
};
QFrame* Panel(QWidget* parent, const QString& name, const QRect& place,
              PanelKind kind = PanelKind::Panel);
// The style of a panel for a frame the screen makes itself (a panel that is its own class).
QString PanelStyleSheet(const QString& name, PanelKind kind);

// A picture with what a screen reader says of it.
PictureLabel* Picture(QWidget* parent, const QString& name, const QRect& place,
                      const QString& picture, const QString& accessibleName);

// A panel that answers the pointer like a picture: the backdrop a group of places sits on, which
// a screen may watch for hover or make a drop area.
PictureLabel* PanelPicture(QWidget* parent, const QString& name, const QRect& place, PanelKind kind,
                           const QString& accessibleName);

// A tab over a tabbed panel: the lit one covers the panel's edge so tab and panel read as one.
PictureLabel* Tab(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                  bool lit);

struct TwinButton {
    QString stem;  // "Button1": the button's parts are "<stem>ActiveField", "<stem>Label", ...
    QString text;
    QRect rect;
    QString twinName = {};  // the blind twin's own component name, "BlindButton1"; empty for none
    QRect twinRect = {};
    bool small = false;      // the dialogs' and panels' short buttons
    bool playsClick = true;  // the rules make a few buttons silent
    QString picture = {};    // a picture of its own, "QVX2_office1": with "QVX2_office1_over"
    QString twinText = {};   // what the twin says when it must say more than the button
};

// An image button and its blind twin that act alike: both play the click (unless the button is
// silent) and call the same handler.
ImageButton* ButtonWithTwin(GameScreen& screen, QWidget* parent, const TwinButton& spec,
                            std::function<void()> handler);

}  // namespace qvx::ui
