#include "ProgrammeView.h"

#include "Playback.h"
#include "TitleInfo.h"

namespace qvx {

namespace {

constexpr const char* kHourTexts[kSlots] = {
    "02:00pm: ", "03:00pm: ", "04:00pm: ", "05:00pm: ", "06:00pm: ",
    "07:00pm: ", "08:00pm: ", "09:00pm: ", "10:00pm: ", "11:00pm: "};
constexpr const char* kEmptyRow = " (Empty)";
constexpr const char* kEmptyPicture = "MovieArchiveG.jpg";

bool ValidSlot(int slot) {
    return slot >= 1 && slot <= kSlots;
}

const Record* PlayerSlot(const GameState& gs, int slot) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidSlot(slot)) return nullptr;
    return &gs.Programme[gs.PlayerChannel][slot];
}

ProgrammeRow BuildProgrammeRow(const GameState& gs, const Catalogue& cat, int slot) {
    ProgrammeRow row{ProgrammeRowText(gs, cat, slot), "", 0};
    const int32_t p = (*PlayerSlot(gs, slot))[Slot::kProgramme];
    if (p == Slot::kNewsShow) row.picture = "QVX2_NewsSlot.jpg";
    if (ValidMovie(p)) {
        row.picture = "QVX2_MovieSlot.jpg";
        row.id = p;
    }
    return row;
}

ProgrammeRow BuildAdRow(const GameState& gs, const Catalogue& cat, int slot) {
    ProgrammeRow row{AdRowText(gs, cat, slot), "", 0};
    const int32_t c = (*PlayerSlot(gs, slot))[Slot::kAd];
    if (ValidAd(c)) {
        row.picture = "QVX2_AdSlot.jpg";
        row.id = c;
    }
    return row;
}

ArchiveImageView TitleImage(const GameState& gs, const Catalogue& cat, int image) {
    ArchiveImageView view;
    view.shown = true;
    view.isTitle = true;
    if (image == kNewsImage) {
        view.picture = "NewsArchive.jpg";
        view.blindText = "1. News spot";
        return view;
    }
    const int32_t m = gs.MovieArchive[gs.PlayerChannel][image - 1];
    view.blindText = TitleBlindText(image, cat, m);
    if (!ValidMovie(m)) {
        view.picture = kEmptyPicture;
        return view;
    }
    view.id = m;
    view.picture = cat.MovieCatalogue[m][Movie::kType] == Movie::kTypeSeries ? "SeriesArchive.jpg"
                                                                             : "MovieArchive.jpg";
    return view;
}

ArchiveImageView ContractImage(const GameState& gs, const Catalogue& cat, int image) {
    ArchiveImageView view;
    if (image > kAcceptedAdPositions) return view;
    view.shown = true;
    const int32_t c = gs.AcceptedAds[gs.PlayerChannel][image];
    view.blindText = ContractBlindText(image, gs, cat, c);
    view.picture = ValidAd(c) ? "AdsArchive.jpg" : kEmptyPicture;
    if (ValidAd(c)) view.id = c;
    return view;
}

}  // namespace

std::string ProgrammeRowText(const GameState& gs, const Catalogue& cat, int slot) {
    const Record* s = PlayerSlot(gs, slot);
    if (!s) return {};
    std::string text = kHourTexts[slot - 1];
    const int32_t p = (*s)[Slot::kProgramme];
    if (p == Slot::kNewsShow) return text + " News spot";
    if (!ValidMovie(p)) return text + kEmptyRow;
    const Record& m = cat.MovieCatalogue[p];
    text += " \"" + cat.MovieTitles[p] + "\" - " + GenreText(m[Movie::kGenre]);
    for (int32_t i = 0; i < m[Movie::kStars]; ++i)
        text += '*';
    return text;
}

std::string AdRowText(const GameState& gs, const Catalogue& cat, int slot) {
    const Record* s = PlayerSlot(gs, slot);
    if (!s) return {};
    std::string text = "Advertisement spot: ";
    const int32_t c = (*s)[Slot::kAd];
    if (!ValidAd(c)) return text + kEmptyRow;
    const int p = gs.PlayerChannel;
    return text + "\"" + cat.AdNames[c] + "\" -" + std::to_string(gs.AdSpotsDone[p][c]) + "/" +
           std::to_string(gs.AdPool[p][c][Ad::kSpotsRequired]);
}

ProgrammeTableView BuildProgrammeTable(const GameState& gs, const Catalogue& cat, ArchiveTab tab) {
    ProgrammeTableView view;
    if (!ValidChannel(gs.PlayerChannel)) return view;
    for (int s = 1; s <= kSlots; ++s) {
        view.programmes[s - 1] = BuildProgrammeRow(gs, cat, s);
        view.ads[s - 1] = BuildAdRow(gs, cat, s);
    }
    for (int k = 1; k <= kArchiveImages; ++k) {
        view.archive[k - 1] =
            tab == ArchiveTab::MoviesNews ? TitleImage(gs, cat, k) : ContractImage(gs, cat, k);
    }
    return view;
}

ProgrammeEdits TakeProgrammeEdits(const GameState& gs) {
    ProgrammeEdits edits;
    if (!ValidChannel(gs.PlayerChannel)) return edits;
    const int c = gs.PlayerChannel;
    edits.programme = gs.Programme[c];
    edits.movieArchive = gs.MovieArchive[c];
    edits.acceptedAds = gs.AcceptedAds[c];
    return edits;
}

void RestoreProgrammeEdits(GameState& gs, const ProgrammeEdits& edits) {
    if (!ValidChannel(gs.PlayerChannel)) return;
    const int c = gs.PlayerChannel;
    gs.Programme[c] = edits.programme;
    gs.MovieArchive[c] = edits.movieArchive;
    gs.AcceptedAds[c] = edits.acceptedAds;
}

}  // namespace qvx
