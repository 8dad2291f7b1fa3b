#pragma once
// The player's programme table for the next broadcasting day: every drag-and-drop of the
// editor is one operation here. A drop either applies its whole rule or changes nothing; the
// editor records nothing in the journal and costs nothing. Only the player's channel is edited,
// and only in the planning phase.
//
// Drop targets use the editor's own encoding: 1..10 a programme or ad row (the same slot
// number for both rows of an hour), -k archive image k (1..28), kDustbin the dustbin, 0 no
// target accepted the drop. Archive images are numbered as on screen: on "Movies & News"
// image 1 is the news show item and images 2..28 show MovieArchive positions 1..27; on
// "Advertisements" images 1..14 show AcceptedAds positions 1..14.
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "Dialog.h"
#include "GameState.h"

namespace qvx {

constexpr int kDustbin = -1000;
constexpr int kArchiveImages = 28;
constexpr int kNewsImage = 1;
// Live sport always starts at 07:00pm.
constexpr int kLiveSportSlot = 6;

enum class ArchiveTab { MoviesNews = 0, Advertisements = 1 };

enum class ProgrammeOutcome {
    Changed,        // the rule of this drop was applied
    NoRule,         // the target has no rule for this drag: nothing happens, no message
    DoesNotFit,     // the title is longer than the day allows from that hour: silently refused
    NewsLocked,     // the news item left the table: "N/A" dialog
    EmptyPosition,  // an empty archive position was dragged onto a row
    NotInArchive,   // the dragged row's title is in none of the archive positions
    NotPlanning,    // the plan is only edited in the planning phase
    Invalid,        // an index or id outside its table
};

// A programme row (slot `from`) was dropped: on the dustbin it deletes the title with all its
// hours and their ads; on a row it moves the news spot or the title.
ProgrammeOutcome MoveSlotProgramme(GameState& gs, const Catalogue& cat, int from, int target);
// An ad row was dropped: on the dustbin it clears that ad; on a row it moves the ad there.
ProgrammeOutcome MoveSlotAd(GameState& gs, int from, int target);
// Archive image `image` (2..28) of "Movies & News" was dropped on a row.
ProgrammeOutcome PlaceArchiveProgramme(GameState& gs, const Catalogue& cat, int image, int target);
// The news show item was dropped: on a row it plans a news spot there; on another archive
// image or the dustbin it is refused with NewsLocked.
ProgrammeOutcome PlaceNewsSpot(GameState& gs, const Catalogue& cat, int target);
// Contract image `image` (1..14) of "Advertisements" was dropped on a row; an empty position
// clears that hour's ad.
ProgrammeOutcome PlaceArchiveAd(GameState& gs, int image, int target);
// Archive image k was dropped on archive image j of the same tab: the two positions swap.
ProgrammeOutcome SwapArchive(GameState& gs, ArchiveTab tab, int k, int j);
// Any drag that started on archive image k of `tab`, routed to the rule of its target.
ProgrammeOutcome DropArchiveImage(GameState& gs, const Catalogue& cat, ArchiveTab tab, int k,
                                  int target);
// The modifier + double click on contract image `image`: that contract goes into every hour
// without an ad. Does nothing on "Movies & News".
ProgrammeOutcome FillEmptyAdHours(GameState& gs, ArchiveTab tab, int image);
// After "Yes" to the dustbin's question: every field of the ten slots becomes 0.
ProgrammeOutcome DeleteProgrammeTable(GameState& gs);

// The message a drop shows; empty for every outcome the editor passes over in silence.
Dialog ProgrammeMessage(ProgrammeOutcome outcome);
// The dustbin click's question, answered with "Yes" or "No".
Dialog DeleteProgrammeQuestion();

}  // namespace qvx
