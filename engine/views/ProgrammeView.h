#pragma once
// What the programme table shows: the ten hours' programme and ad rows and the 28 archive
// images of the open tab, with their pictures, blind texts and the ids their info panels show.
#include <array>
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "ProgrammeTable.h"

namespace qvx {

// "08:00pm:  \"Night Drive\" - Action***", "02:00pm:  (Empty)", "05:00pm:  News spot".
std::string ProgrammeRowText(const GameState& gs, const Catalogue& cat, int slot);
// "Advertisement spot: \"Fizz Cola\" -2/5", "Advertisement spot:  (Empty)".
std::string AdRowText(const GameState& gs, const Catalogue& cat, int slot);

struct ProgrammeRow {
    std::string text;
    std::string picture;  // empty: no picture
    int32_t id = 0;       // the title or contract its info panel shows (below 1: none)
};

struct ArchiveImageView {
    bool shown = false;  // images 15..28 are hidden on "Advertisements"
    std::string picture;
    std::string blindText;
    bool isTitle = false;  // the info panel is the movie panel (else the contract panel)
    int32_t id = 0;        // the title or contract at the position; 0 for none or the news item
};

struct ProgrammeTableView {
    std::array<ProgrammeRow, kSlots> programmes{};  // [slot - 1]
    std::array<ProgrammeRow, kSlots> ads{};
    std::array<ArchiveImageView, kArchiveImages> archive{};  // [image - 1]
};
ProgrammeTableView BuildProgrammeTable(const GameState& gs, const Catalogue& cat, ArchiveTab tab);

// Everything the table's operations may write, so that an edit can be taken back exactly: the
// player's slot records, movie archive and accepted contracts.
struct ProgrammeEdits {
    Table<Record, kSlots> programme{};
    Table<int32_t, kArchivePositions> movieArchive{};
    Table<int32_t, kAcceptedAdEntries> acceptedAds{};
    bool operator==(const ProgrammeEdits&) const = default;
};
ProgrammeEdits TakeProgrammeEdits(const GameState& gs);
// Writes the edits back over the player's tables; nothing else is touched.
void RestoreProgrammeEdits(GameState& gs, const ProgrammeEdits& edits);

}  // namespace qvx
