#include "ScreenRegistry.h"

#include "AdAgency.h"
#include "Client_CustomGame.h"
#include "Client_NewGameScreen.h"
#include "Client_OfficeScreen.h"
#include "Client_StartScreen.h"
#include "Client_Summary.h"
#include "Client_TVProgramme.h"
#include "Competitor.h"
#include "GameWindows.h"
#include "PlanningPhase.h"
#include "ProgrammeTable.h"
#include "Screenshot.h"
#include "Session.h"

namespace qvx::app {
namespace {

template <class Screen>
ui::GameScreen* Make(ui::Session& session, QWidget* parent) {
    return new Screen(session, parent);
}

QString AsBuilt(GameWindows&, const ScreenshotRequest&) {
    return {};
}

template <class Screen>
QString Prepared(GameWindows& windows, const ScreenshotRequest&) {
    windows.screen<Screen>()->prepare();
    return {};
}

QString OfficePlanning(GameWindows& windows, const ScreenshotRequest&) {
    windows.screen<ui::TForm7>()->prepareForPlanning();
    return {};
}

ui::TForm7* OfficeOnAir(GameWindows& windows) {
    auto* office = windows.screen<ui::TForm7>();
    office->prepareForPlanning();
    if (windows.session.game().GameInfo[Info::kPhase] != Info::kPhaseBroadcasting)
        office->startBroadcasting();
    return office;
}

QString OfficeBroadcasting(GameWindows& windows, const ScreenshotRequest& request) {
    OfficeOnAir(windows)->playBackTo(request.clockHour, request.clockMinute);
    return {};
}

// The summary after the day: the office's midnight, without its modal summary.
QString SummaryAfterTheDay(GameWindows& windows, const ScreenshotRequest&) {
    OfficeOnAir(windows);
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    DayLogs day =
        OpenPlanningPhase(gs, session.catalogue(), session.settings(), session.dataDir(), -1);
    RestoreDayLogs(gs, day);
    windows.screen<ui::TForm12>()->redraw(gs.PlayerChannel);
    return {};
}

// A planned day as a player leaves it: contracts accepted, titles bought and placed by the
// computer's own planner on the player's channel, every hour with an ad, a news spot.
QString PlannedDay(GameWindows& windows, const ScreenshotRequest&) {
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    const Catalogue& cat = session.catalogue();
    for (int offer = 1; offer <= 4; ++offer)
        AcceptContract(gs, offer, offer);
    Rng planner = session.rng();
    PlanCompetitorProgramme(gs, cat, planner, gs.PlayerChannel);
    PlaceNewsSpot(gs, cat, 1);
    // The hours the planner left open get further episodes of a series that fits there.
    const auto& plan = gs.Programme[gs.PlayerChannel];
    for (int slot = 1; slot <= kSlots; ++slot) {
        for (int image = 2; image <= kArchiveImages && plan[slot][Slot::kProgramme] == 0; ++image) {
            const int32_t title = gs.MovieArchive[gs.PlayerChannel][image - 1];
            if (!ValidMovie(title) || cat.MovieCatalogue[title][Movie::kType] != Movie::kTypeSeries)
                continue;
            const int32_t length = cat.MovieCatalogue[title][Movie::kLength];
            bool free = slot + length - 1 <= kSlots;
            for (int i = 0; free && i < length; ++i)
                free = plan[slot + i][Slot::kProgramme] == 0;
            if (free) PlaceArchiveProgramme(gs, cat, image, slot);
        }
    }
    for (int slot = 1; slot <= kSlots; slot += 3)
        PlaceArchiveAd(gs, 1 + slot % 4, slot);
    FillEmptyAdHours(gs, ArchiveTab::Advertisements, 1);
    windows.screen<ui::TForm8>()->prepare();
    return {};
}

}  // namespace

const std::vector<ScreenEntry>& Screens() {
    static const std::vector<ScreenEntry> screens = {
        {"TForm3", Make<ui::TForm3>, 0, {{"start", false, AsBuilt}}},
        {"TForm6", Make<ui::TForm6>, 0, {{"newgame", false, Prepared<ui::TForm6>}}},
        {"TForm25", Make<ui::TForm25>, 0, {{"custom", false, Prepared<ui::TForm25>}}},
        {"TForm7",
         Make<ui::TForm7>,
         0,
         {{"office", true, OfficePlanning}, {"office-broadcast", true, OfficeBroadcasting}}},
        {"TForm12", Make<ui::TForm12>, 0, {{"summary", true, SummaryAfterTheDay}}},
        {"TForm8", Make<ui::TForm8>, 1, {{"tvprogramme", true, PlannedDay}}},
    };
    return screens;
}

std::vector<const char*> ShotNames() {
    std::vector<const char*> names;
    for (const ScreenEntry& entry : Screens())
        for (const Shot& shot : entry.shots)
            names.push_back(shot.name);
    return names;
}

const ScreenEntry* FindShot(std::string_view name, const Shot** found) {
    for (const ScreenEntry& entry : Screens())
        for (const Shot& shot : entry.shots)
            if (name == shot.name) {
                *found = &shot;
                return &entry;
            }
    return nullptr;
}

}  // namespace qvx::app
