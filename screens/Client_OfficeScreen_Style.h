#pragma once
// The office's colours and the places of its popups, shared by the screen's source files.
#include <QPoint>
#include <QString>

namespace qvx::ui::office {

inline constexpr const char* kWhite = "#ffffff";
inline constexpr const char* kBlinkYellow = "#ffd60a";
inline constexpr const char* kWarningRed = "#ff4d5a";
inline constexpr const char* kMuted = "#a9b8cc";

// The hour popup sits over the TV; the group popup beside the face that opened it, Kids first.
inline constexpr QPoint kInfoPopupPlace{128, 170};
inline constexpr QPoint kKidsPopupPlace{713, 163};

inline QString TextStyle(const char* colour, bool bold = false) {
    return QString("color: %1; background: transparent;%2")
        .arg(colour, bold ? " font-weight: bold;" : "");
}

inline QString PanelStyle(const QString& name) {
    return QString(
               "QFrame#%1 { background: rgba(17, 28, 46, 248); border: 1px solid #778da9;"
               " border-radius: 10px; }")
        .arg(name);
}

inline QString PopupStyle(const QString& name) {
    return QString(
               "QFrame#%1 { background: rgba(10, 18, 32, 250); border: 2px solid #ffb703;"
               " border-radius: 8px; }")
        .arg(name);
}

}  // namespace qvx::ui::office
