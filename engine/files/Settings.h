#pragma once
// The per-user settings file "SaveGameData.str": 13 string records holding the captions of save
// slots 0..6, the five advantage-deck card ids and the program start counter, as text.
#include <filesystem>
#include <string>

#include "GameState.h"
#include "Status.h"

namespace qvx {

inline constexpr const char* kSettingsFileName = "SaveGameData.str";
inline constexpr const char* kEmptySlotCaption = "Empty slot";
inline constexpr const char* kRunningGameCaption = "Running Game";
constexpr int kSettingsRecords = 7 + kBoosterSlots + 1;

struct Settings {
    Settings();
    Table<std::string, kNumberedSaveSlots> SaveSlotNames{};  // index 0 = the running game
    Boosters Deck{};
    int32_t StartCounter = 0;
};

struct SettingsLoad {
    Settings settings;
    // Empty when the file was read as it stood; otherwise what was repaired, for stderr.
    std::string repaired;
};

// Reads the settings file. Never fails: a missing file is created with the neutral values
// (seven "Empty slot" captions, an empty deck, counter 0); a short or garbled one yields those
// neutral values for every record that cannot be read.
SettingsLoad LoadSettings(const std::filesystem::path& dir);
// The same without ever writing: a missing file gives the neutral values (for the headless tool).
SettingsLoad ReadSettings(const std::filesystem::path& dir);
Status SaveSettings(const Settings& settings, const std::filesystem::path& dir);

}  // namespace qvx
