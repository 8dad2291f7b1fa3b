#pragma once
// The thirty highscore lists (one per scenario) of ten entries, kept in
// "QVX2_Highscores.int" / ".str".
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "GameState.h"
#include "Ranking.h"
#include "Rng.h"
#include "Status.h"

namespace qvx {

constexpr int kHighscoreLists = 30;
constexpr int kHighscoreEntries = 10;
inline constexpr const char* kHighscoresIntFile = "QVX2_Highscores.int";
inline constexpr const char* kHighscoresStrFile = "QVX2_Highscores.str";
constexpr int kHighscoreExampleNames = 30;

struct HighscoreEntry {
    int32_t score = 0;
    std::string name;
    int32_t logo = 1;
    bool operator==(const HighscoreEntry&) const = default;
};
// lists[L][i]: list L = 1..30, entry i = 1..10 (1 = best); index 0 unused.
struct HighscoreTable {
    // No "{}" initialiser: clang 14 crashes on it here, and every entry has its own defaults.
    Table<Table<HighscoreEntry, kHighscoreEntries>, kHighscoreLists> lists;
};

// The invented names of the example results; the first is only ever used for entries 1..3.
const std::array<const char*, kHighscoreExampleNames>& HighscoreExampleNames();
// Fills every list with invented example results, each list non-increasing.
void ResetHighscores(HighscoreTable& table, Rng& rng);
Status SaveHighscores(const HighscoreTable& table, const std::filesystem::path& dir);
// Reads the pair. A missing or wrongly sized pair is replaced by a fresh reset (written back),
// never a crash: the status is then not ok and says why, but the table is usable either way.
// A logo outside 1..8 reads as 1.
Status LoadHighscores(HighscoreTable& table, const std::filesystem::path& dir, Rng& rng);

// Where a result enters list L (1..10), or 0 when it does not enter: below every entry, or a
// same-named entry stands above its place.
int HighscorePosition(const HighscoreTable& table, int list, const HighscoreCandidate& candidate);
// Inserts at that position, pushing the entries below down (entry 10 is lost); the position.
int InsertHighscore(HighscoreTable& table, int list, const HighscoreCandidate& candidate);
// The whole entry of a finished game: reads the files, inserts into list 1, writes them back.
Status EnterHighscore(const HighscoreCandidate& candidate, const std::filesystem::path& dir,
                      Rng& rng, int* position = nullptr);

}  // namespace qvx
