#include "ProgrammeTable.h"

#include <utility>

#include "Appeal.h"

namespace qvx {

namespace {

using Plan = Table<Record, kSlots>;

// A title may start at slot t when its length is at most this minus t. Its blocks past 11:00pm
// are not stored: the day only broadcasts slots 1..10, and the table holds no more.
constexpr int kLengthLimit = 14;
// Placing a title clears whatever stands in its first blocks, up to this many after the first.
constexpr int kBlocksClearedAfterFirst = 4;

bool ValidSlot(int s) {
    return s >= 1 && s <= kSlots;
}

// Every operation edits the player's plan, and only while the day is being planned.
ProgrammeOutcome Guard(const GameState& gs) {
    if (gs.GameInfo[Info::kPhase] != Info::kPhasePlanning) return ProgrammeOutcome::NotPlanning;
    if (!ValidChannel(gs.PlayerChannel)) return ProgrammeOutcome::Invalid;
    return ProgrammeOutcome::Changed;
}

Plan& PlanOf(GameState& gs) {
    return gs.Programme[gs.PlayerChannel];
}

int32_t& ProgrammeAt(Plan& plan, int s) {
    return plan[s][Slot::kProgramme];
}

void RemoveEverywhere(Plan& plan, int32_t programme) {
    for (int s = 1; s <= kSlots; ++s) {
        if (ProgrammeAt(plan, s) == programme) ProgrammeAt(plan, s) = 0;
    }
}

int32_t LengthOf(const Catalogue& cat, int32_t m) {
    return ValidMovie(m) ? cat.MovieCatalogue[m][Movie::kLength] : 0;
}

// The placement rules shared by an archive drop and a row move; m is a valid title id.
// `moving` removes every block of m first, a series included.
ProgrammeOutcome PlaceTitle(Plan& plan, const Catalogue& cat, int32_t m, int t, bool moving) {
    const Record& title = cat.MovieCatalogue[m];
    if (title[Movie::kGenre] == Genre::kSport) t = kLiveSportSlot;
    const int32_t length = title[Movie::kLength];
    if (length < 1 || length > kLengthLimit - t) return ProgrammeOutcome::DoesNotFit;
    // A movie moves rather than being duplicated; a series may stand again for more episodes.
    if (moving || title[Movie::kType] != Movie::kTypeSeries) RemoveEverywhere(plan, m);
    // The news spot is not removed here: the title simply overwrites it.
    for (int i = 0; i <= kBlocksClearedAfterFirst && i < length && t + i <= kSlots; ++i) {
        const int32_t q = ProgrammeAt(plan, t + i);
        if (q > 0) RemoveEverywhere(plan, q);
    }
    for (int i = 0; i < length && t + i <= kSlots; ++i)
        ProgrammeAt(plan, t + i) = m;
    return ProgrammeOutcome::Changed;
}

bool InMovieArchive(const GameState& gs, int32_t m) {
    const auto& archive = gs.MovieArchive[gs.PlayerChannel];
    for (int i = 1; i <= kArchivePositions; ++i) {
        if (archive[i] == m) return true;
    }
    return false;
}

bool MovieImage(int k) {
    return k > kNewsImage && k <= kArchiveImages;
}

bool AdImage(int k) {
    return k >= 1 && k <= kAcceptedAdPositions;
}

// The archive image a target names, or 0 when it names none.
int ImageOf(int target) {
    return target <= -1 && target >= -kArchiveImages ? -target : 0;
}

}  // namespace

ProgrammeOutcome MoveSlotProgramme(GameState& gs, const Catalogue& cat, int from, int target) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (!ValidSlot(from)) return ProgrammeOutcome::Invalid;
    Plan& plan = PlanOf(gs);
    const int32_t p = ProgrammeAt(plan, from);
    if (target == kDustbin) {
        // A title goes with all its hours, and the ads of those hours go with it.
        for (int s = 1; s <= kSlots; ++s) {
            if (p > 0 && ProgrammeAt(plan, s) == p) {
                plan[s][Slot::kProgramme] = 0;
                plan[s][Slot::kAd] = 0;
            }
        }
        plan[from][Slot::kProgramme] = 0;
        plan[from][Slot::kAd] = 0;
        return ProgrammeOutcome::Changed;
    }
    if (!ValidSlot(target)) return ProgrammeOutcome::NoRule;
    if (p == Slot::kNewsShow) {
        // Taken literally, dropping the spot on its own row would delete it; a move onto
        // itself is no move.
        if (target == from) return ProgrammeOutcome::NoRule;
        const int32_t q = ProgrammeAt(plan, target);
        if (q > 0) RemoveEverywhere(plan, q);
        ProgrammeAt(plan, target) = Slot::kNewsShow;
        ProgrammeAt(plan, from) = 0;
        return ProgrammeOutcome::Changed;
    }
    if (p <= 0) return ProgrammeOutcome::NoRule;
    if (!InMovieArchive(gs, p)) return ProgrammeOutcome::NotInArchive;
    if (!ValidMovie(p)) return ProgrammeOutcome::Invalid;
    return PlaceTitle(plan, cat, p, target, true);
}

ProgrammeOutcome MoveSlotAd(GameState& gs, int from, int target) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (!ValidSlot(from)) return ProgrammeOutcome::Invalid;
    Plan& plan = PlanOf(gs);
    if (target == kDustbin) {
        plan[from][Slot::kAd] = 0;
        return ProgrammeOutcome::Changed;
    }
    // Taken literally, a drop on its own row would clear the ad; a move onto itself is no move.
    if (!ValidSlot(target) || target == from) return ProgrammeOutcome::NoRule;
    plan[target][Slot::kAd] = plan[from][Slot::kAd];
    plan[from][Slot::kAd] = 0;
    return ProgrammeOutcome::Changed;
}

ProgrammeOutcome PlaceArchiveProgramme(GameState& gs, const Catalogue& cat, int image, int target) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (!MovieImage(image)) return ProgrammeOutcome::Invalid;
    if (!ValidSlot(target)) return ProgrammeOutcome::NoRule;
    const int32_t m = gs.MovieArchive[gs.PlayerChannel][image - 1];
    if (m == 0) return ProgrammeOutcome::EmptyPosition;
    if (!ValidMovie(m)) return ProgrammeOutcome::Invalid;
    return PlaceTitle(PlanOf(gs), cat, m, target, false);
}

ProgrammeOutcome PlaceNewsSpot(GameState& gs, const Catalogue& cat, int target) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (target == kDustbin || MovieImage(ImageOf(target))) return ProgrammeOutcome::NewsLocked;
    if (!ValidSlot(target)) return ProgrammeOutcome::NoRule;
    Plan& plan = PlanOf(gs);
    const int32_t q = ProgrammeAt(plan, target);
    if (q > 0) {
        // The title's own length decides how far the clearing reaches, one slot beyond it;
        // whatever stands there goes from the whole table, news spots included.
        const int32_t length = LengthOf(cat, q);
        for (int i = 0; i <= length && target + i <= kSlots; ++i) {
            const int32_t r = ProgrammeAt(plan, target + i);
            if (r != 0) RemoveEverywhere(plan, r);
        }
    }
    ProgrammeAt(plan, target) = Slot::kNewsShow;
    return ProgrammeOutcome::Changed;
}

ProgrammeOutcome PlaceArchiveAd(GameState& gs, int image, int target) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (!AdImage(image)) return ProgrammeOutcome::Invalid;
    if (!ValidSlot(target)) return ProgrammeOutcome::NoRule;
    const int32_t contract = gs.AcceptedAds[gs.PlayerChannel][image];
    if (contract != 0 && !ValidAd(contract)) return ProgrammeOutcome::Invalid;
    PlanOf(gs)[target][Slot::kAd] = contract;
    return ProgrammeOutcome::Changed;
}

ProgrammeOutcome SwapArchive(GameState& gs, ArchiveTab tab, int k, int j) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    const int c = gs.PlayerChannel;
    if (tab == ArchiveTab::MoviesNews) {
        if (!MovieImage(k)) return ProgrammeOutcome::Invalid;
        if (!MovieImage(j) || j == k) return ProgrammeOutcome::NoRule;
        std::swap(gs.MovieArchive[c][k - 1], gs.MovieArchive[c][j - 1]);
        return ProgrammeOutcome::Changed;
    }
    if (!AdImage(k)) return ProgrammeOutcome::Invalid;
    if (!AdImage(j) || j == k) return ProgrammeOutcome::NoRule;
    std::swap(gs.AcceptedAds[c][k], gs.AcceptedAds[c][j]);
    return ProgrammeOutcome::Changed;
}

ProgrammeOutcome DropArchiveImage(GameState& gs, const Catalogue& cat, ArchiveTab tab, int k,
                                  int target) {
    if (tab == ArchiveTab::MoviesNews && k == kNewsImage) return PlaceNewsSpot(gs, cat, target);
    if (ValidSlot(target)) {
        return tab == ArchiveTab::MoviesNews ? PlaceArchiveProgramme(gs, cat, k, target)
                                             : PlaceArchiveAd(gs, k, target);
    }
    if (ImageOf(target) != 0) return SwapArchive(gs, tab, k, ImageOf(target));
    // The dustbin has no rule for archive images, and 0 means no target took the drop.
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    const bool known = tab == ArchiveTab::MoviesNews ? MovieImage(k) : AdImage(k);
    return known ? ProgrammeOutcome::NoRule : ProgrammeOutcome::Invalid;
}

ProgrammeOutcome FillEmptyAdHours(GameState& gs, ArchiveTab tab, int image) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    if (tab != ArchiveTab::Advertisements) return ProgrammeOutcome::NoRule;
    if (!AdImage(image)) return ProgrammeOutcome::Invalid;
    const int32_t contract = gs.AcceptedAds[gs.PlayerChannel][image];
    if (contract != 0 && !ValidAd(contract)) return ProgrammeOutcome::Invalid;
    Plan& plan = PlanOf(gs);
    for (int s = 1; s <= kSlots; ++s) {
        if (plan[s][Slot::kAd] == 0) plan[s][Slot::kAd] = contract;
    }
    return ProgrammeOutcome::Changed;
}

ProgrammeOutcome DeleteProgrammeTable(GameState& gs) {
    if (const auto g = Guard(gs); g != ProgrammeOutcome::Changed) return g;
    Plan& plan = PlanOf(gs);
    for (int s = 1; s <= kSlots; ++s) {
        for (int f = 1; f <= kFields; ++f)
            plan[s][f] = 0;
    }
    return ProgrammeOutcome::Changed;
}

Dialog ProgrammeMessage(ProgrammeOutcome outcome) {
    if (outcome == ProgrammeOutcome::NewsLocked) {
        return Refusal(
            "The position of the news spots is locked. You cannot move them to other movie "
            "slots.");
    }
    return {};
}

Dialog DeleteProgrammeQuestion() {
    return {"Delete TV program?",
            "Do you really wish to delete the whole TV program? You can delete single slots by "
            "dragging them into this dustbin."};
}

}  // namespace qvx
