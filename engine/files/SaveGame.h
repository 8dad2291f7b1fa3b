#pragma once
// Save games: slot 0 holds the running game (saved by the game itself), slots 1..6 the
// player's. Each slot is a pair "QVX2_SAVEGAME_<n>.int" / ".str" holding the whole game except
// the catalogue, the action journal and the office clock.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "GameDirs.h"
#include "GameState.h"
#include "Settings.h"
#include "Status.h"

namespace qvx {

constexpr int kRunningGameSlot = 0;
size_t SlotIntBytes(int slot);  // 60484, or 60488 for slot 0
size_t SlotStrBytes();          // 20052 records
std::string SlotFileStem(int slot);

// A slot's two files as bytes.
struct SlotFileBytes {
    std::vector<uint8_t> ints;
    std::vector<uint8_t> strs;
};
// The bytes WriteSlotFiles puts on disk for this state.
SlotFileBytes EncodeSlot(const GameState& gs, int slot);
// What ReadSlotFiles makes of the files' bytes, with the same checks and messages; on failure
// out is untouched.
Status DecodeSlot(int slot, const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs,
                  std::unique_ptr<GameState>& out);
// The halves of the two calls above, one file each. Encoding replaces out's bytes and keeps its
// memory. A decoding half checks its file's size and fills only the cells its file holds (the
// numbers' half then checks the ids); on failure gs may be half filled. The fuzz targets read
// one file of a pair this way, again and again.
void EncodeSlotNumbers(const GameState& gs, int slot, std::vector<uint8_t>& out);
void EncodeSlotTexts(const GameState& gs, std::vector<uint8_t>& out);
Status DecodeSlotNumbers(int slot, const std::vector<uint8_t>& ints, GameState& gs);
Status DecodeSlotTexts(int slot, const std::vector<uint8_t>& strs, GameState& gs);

// Writes a slot's two files and its history file (".hist", see HistoryFile.h) as one atomic
// group (the previous save survives any failure).
Status WriteSlotFiles(const GameState& gs, int slot, const std::filesystem::path& dir);
// Reads a slot into a fresh, cleared state. A file of the wrong size, or one whose ids point
// outside the game's tables, is refused; the message says which file and why. The history
// file is read too; a missing or broken one leaves the history empty and says why in
// HistoryNote, never failing the read.
Status ReadSlotFiles(int slot, const std::filesystem::path& dir, std::unique_ptr<GameState>& out);

std::string HistoryFileSuffix();  // ".hist"
// Reads slot n's history file into gs.History (empty, with gs.HistoryNote, when unusable or
// when it reaches past gs's turn).
void ReadSlotHistory(int slot, const std::filesystem::path& dir, GameState& gs);

Status SaveRunningGame(const GameState& gs, const std::filesystem::path& dir);
// Reads slot 0 (with the running-game flag) into gs; on failure gs is untouched.
Status LoadRunningGame(GameState& gs, const std::filesystem::path& dir);
// Writes slot n (1..6), then names slot 0 "Running Game"; the caller stores the slot's caption.
Status SaveSlot(const GameState& gs, Settings& settings, int n, const std::filesystem::path& dir);
// Reads slot n (1..6) into gs; on failure gs is untouched.
Status LoadSlot(GameState& gs, int n, const std::filesystem::path& dir);

// Everything a load button does to the engine: reads the slot (from dirs.user) and the catalogue
// of its scenario kind (from dirs.content), then swaps both in and opens the office in the
// planning phase at 08:00. On failure the running game and the loaded catalogue stay exactly as
// they were.
Status LoadGameFromSlot(GameState& gs, Catalogue& cat, int slot, const GameDirs& dirs);

// What a slot holds, as the save/load screen tells it beside the caption. Read from a few
// integers at their places in the files, not by loading the slot, so all six rows are quick.
struct SlotSummary {
    bool readable = false;
    std::string problem;   // why not, naming the file
    int32_t scenario = 0;  // 1..30
    int32_t turn = 0;
    int32_t turns = 0;
    int32_t money = 0;    // the player's, $ millions
    std::string channel;  // the player's channel name
};
SlotSummary ReadSlotSummary(int slot, const std::filesystem::path& dir);
// "Night Owl TV | Normal - USA | Turn 14 of 120 | $ 1,500 millions", or "damaged".
std::string SlotSummaryText(const SlotSummary& summary);
inline constexpr const char* kDamagedSlotText = "damaged";
// The caption a save gets when the player left none (or the empty slot's own caption, which
// would hide the saved game): "Night Owl TV, turn 14".
std::string DefaultSlotCaption(const GameState& gs);

}  // namespace qvx
