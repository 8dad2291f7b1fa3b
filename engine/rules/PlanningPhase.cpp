#include "PlanningPhase.h"

#include "SaveGame.h"
#include "TurnHistory.h"

namespace qvx {

namespace {

template <size_t N>
bool Holds(const std::array<int32_t, N>& table, int last, int32_t id) {
    for (int i = 1; i <= last; ++i) {
        if (table[i] == id) return true;
    }
    return false;
}

// Movies are one-time licences and leave the table after their day; the news spot stays, and
// so does a series while the catalogue lets it run and the channel still owns it.
void CleanPlan(GameState& gs, const Catalogue& cat, int c) {
    for (int s = 1; s <= kSlots; ++s) {
        Record& slot = gs.Programme[c][s];
        int32_t& id = slot[Slot::kProgramme];
        if (ValidMovie(id)) {
            const Record& movie = cat.MovieCatalogue[id];
            const bool runningSeries = movie[Movie::kType] == Movie::kTypeSeries &&
                                       movie[Movie::kEpisodes] >= movie[Movie::kEpisodeMark];
            if (!runningSeries || !Holds(gs.MovieArchive[c], kArchivePositions, id)) id = 0;
        } else if (id != Slot::kNewsShow) {
            id = 0;
        }
        int32_t& ad = slot[Slot::kAd];
        if (ad > 0 && !Holds(gs.AcceptedAds[c], kAcceptedAdPositions, ad)) ad = 0;
    }
}

}  // namespace

DayLogs OpenPlanningPhase(GameState& gs, const Catalogue& cat, Settings& settings,
                          const std::filesystem::path& dir, int autosaveSlot) {
    gs.ViewedChannel = gs.PlayerChannel;
    gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
    gs.GameInfo[Info::kTurn] = AddSaturated(gs.GameInfo[Info::kTurn], 1);
    gs.GameInfo[Info::kWeekday] = gs.GameInfo[Info::kWeekday] % 7 + 1;
    gs.ClockMinute = 0;
    gs.ClockHour = 8;
    for (int c = 1; c <= kChannels; ++c) {
        gs.Channel[c][Ch::kMoney] = gs.Channel[c][Ch::kMoneyAfterDay];
        gs.AdSpotsDone[c] = gs.AdSpotsShadow[c];
        CleanPlan(gs, cat, c);
        gs.NewsShow[c].fill(0);
    }
    gs.EndTurnBusy = false;
    ClearActionJournals(gs);
    // Every path into a new turn (the office, quovix-sim, the soak) comes through here, and
    // the 08:00 pm viewers of the day just broadcast are still in the plans.
    RecordTurnHistory(gs, cat);

    DayLogs day;
    for (int c = 1; c <= kChannels; ++c) {
        for (int line = 1; line <= kLogLines; ++line) {
            std::string& text = gs.GameLog[c][line];
            if (!text.empty() && text != " ") day.lines[c].push_back(std::move(text));
            text.clear();
        }
    }
    day.gameOver = gs.GameInfo[Info::kGameOver] == 1;
    if (day.gameOver) settings.SaveSlotNames[0] = kEmptySlotCaption;
    if (autosaveSlot >= 0) day.saved = WriteSlotFiles(gs, autosaveSlot, dir);
    return day;
}

void RestoreDayLogs(GameState& gs, const DayLogs& day) {
    for (int c = 1; c <= kChannels; ++c) {
        const auto& lines = day.lines[c];
        for (size_t i = 0; i < lines.size() && i < kLogLines; ++i)
            gs.GameLog[c][static_cast<int>(i) + 1] = lines[i];
    }
}

}  // namespace qvx
