#pragma once
// The start screen's own texts.
namespace qvx::ui {

inline constexpr const char* kPitchText =
    "Take charge of a nearly bankrupt TV station and  make it become the largest network in the "
    "country. Buy movie licenses, acquire advertising contracts and create the TV program of "
    "your dreams! Welcome to the showbiz!";
inline constexpr const char* kMusicOffLabel = "Turn music && SFX off";
inline constexpr const char* kMusicOnLabel = "Turn music && SFX on";
inline constexpr const char* kRestartTitle = "Restart game?";
inline constexpr const char* kRestartText =
    "There is an active game session running in the background. Do you really wish to restart "
    "the game (the old game session will be lost)?";
inline constexpr const char* kBlindOnQuestionTitle = "Blind compatibility mode";
inline constexpr const char* kBlindOnQuestionText =
    "Do you wish to turn on the blind compatibility mode (additional helping text headers etc. "
    "will appear on the screen)? ONLY recommended for blind players.";
inline constexpr const char* kBlindOnTitle = "Compatibility mode: ON";
inline constexpr const char* kBlindOnText =
    "Attention! In this mode clicking certain icons with your right mouse button will cause "
    "popup information windows to come up. To close them click on the same icon again or the "
    "close button (depends on window).";
inline constexpr const char* kBlindOffTitle = "Compatibility mode: OFF";
inline constexpr const char* kBlindOffText = "The blind compatibility mode has been turned off.";
inline constexpr const char* kVersionHeading = "** GAME VERSION: **";
inline constexpr const char* kVersionLine = "Release 1.4";
inline constexpr const char* kDisplayModeErrorTitle = "Error";
inline constexpr const char* kDisplayModeErrorText =
    "The screen resolution could not be changed to the recommended setting. If the game is "
    "displayed incorrectly, please contact support.";

inline constexpr const char* kCreditsText =
    "QUOVIX 2\n"
    "A television business game\n\n"
    "Game design, programming, pictures, music and sounds:\n"
    "  the Quovix 2 team\n\n"
    "Built with Qt, libjpeg-turbo, libvorbis and OpenAL Soft.\n"
    "Fonts: DejaVu Sans, Noto Color Emoji.\n\n"
    "Every channel, company, movie, advertiser and news story in this game is invented.\n"
    "Any likeness to real ones is a coincidence.\n\n"
    "Thank you for playing!\n\n"
    "** GAME VERSION: **";

}  // namespace qvx::ui
