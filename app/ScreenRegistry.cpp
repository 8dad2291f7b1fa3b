#include "ScreenRegistry.h"

#include "AdAgency.h"
#include "Boosters.h"
#include "Client_CustomGame.h"
#include "Client_GameOver.h"
#include "Client_GetAds.h"
#include "Client_GetMovies.h"
#include "Client_Highscore.h"
#include "Client_ManageBoosters.h"
#include "Client_MixNews.h"
#include "Client_NewGameScreen.h"
#include "Client_OfficeScreen.h"
#include "Client_RegionalLicenses.h"
#include "Client_SaveLoad.h"
#include "Client_StartScreen.h"
#include "Client_Statistics.h"
#include "Client_StockBroker.h"
#include "Client_Summary.h"
#include "Client_TVProgramme.h"
#include "Client_TutorialWindow.h"
#include "DayClose.h"
#include "GameWindows.h"
#include "Licences.h"
#include "MovieAgency.h"
#include "NewGame.h"
#include "NewsAgency.h"
#include "Office.h"
#include "PlanningPhase.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "Screenshot.h"
#include "Session.h"
#include "StandInPlanner.h"
#include "StockBroker.h"
#include "TurnCycle.h"

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

// The office at the tutorial's first planning step, its window at the display's top right.
QString OfficeWithTutorial(GameWindows& windows, const ScreenshotRequest&) {
    windows.screen<ui::TForm7>()->prepareForPlanning();
    ui::TForm28* tutorial = windows.tutorial;
    tutorial->setHome({1024 - tutorial->width(), 0});
    tutorial->move(tutorial->home());
    tutorial->begin();
    tutorial->showStep(5);
    return {};
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
        OpenPlanningPhase(gs, session.catalogue(), session.settings(), session.userDir(), -1);
    RestoreDayLogs(gs, day);
    windows.screen<ui::TForm12>()->redraw(gs.PlayerChannel);
    return {};
}

// A game a few turns in, in its planning phase: every day so far planned by the stand-in for the
// player and played as the office plays it, and the coming day planned too. The stand-in draws
// from its own generator, so the game's own draws are those of a real game.
void PlayIntoMidGame(GameWindows& windows, int turnsPlayed = 3) {
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    Rng planner(gs.GameInfo[Info::kTurn] + 7u);
    for (int turn = 0; turn < turnsPlayed; ++turn) {
        PlanPlayerDay(gs, session.catalogue(), planner);
        PlayTurn(gs, session.catalogue(), session.settings(), session.rng(), session.userDir(), -1);
    }
    PlanPlayerDay(gs, session.catalogue(), planner);
}

QString NewsChosen(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows);
    GameState& gs = windows.session.game();
    SelectNews(gs, 2, 1);
    SelectNews(gs, 4, 2);
    windows.screen<ui::TForm13>()->prepare();
    return {};
}

// The movie agency some weeks into a game: titles bought into scattered archive positions with
// the engine's own trade, the rest still on offer, and one offer's details on show.
QString MovieAgencyMidGame(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows);
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    const int bought[][2] = {{1, 1}, {3, 2}, {4, 3}, {6, 5}, {8, 9}, {10, 14}};
    for (const auto& [offer, position] : bought)
        BuyMovie(gs, session.catalogue(), session.deck(), offer, position);
    auto* agency = windows.screen<ui::TForm9>();
    agency->prepare();
    agency->showMovieInfo(gs.ShopOffers[gs.PlayerChannel][2]);
    return {};
}

// The ad agency with contracts accepted into the archive and the others on offer.
QString AdAgencyMidGame(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows);
    GameState& gs = windows.session.game();
    const int accepted[][2] = {{1, 1}, {2, 2}, {5, 4}, {7, 7}};
    for (const auto& [offer, position] : accepted)
        AcceptContract(gs, offer, position);
    auto* agency = windows.screen<ui::TForm10>();
    agency->prepare();
    agency->showAdInfo(gs.AcceptedAds[gs.PlayerChannel][2]);
    return {};
}

// The day as a player leaves it a few turns in: titles placed in every hour, contracts on them.
QString PlannedDay(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows);
    windows.screen<ui::TForm8>()->prepare();
    return {};
}

// A deck the player has built (a stackable card twice), with one card's details up.
QString DeckBuilt(GameWindows& windows, const ScreenshotRequest&) {
    Boosters& deck = windows.session.settings().Deck;
    ClearDeck(deck);
    const int32_t cards[] = {Card::kLawyer, Card::kLawyer, Card::kTechnician, Card::kProducer,
                             Card::kPaparazzi};
    for (int s = 1; s <= kBoosterSlots; ++s)
        PlaceCard(deck, s, cards[s - 1]);
    auto* screen = windows.screen<ui::TForm26>();
    screen->prepare();
    screen->showDetails(Card::kTentpoling);
    return {};
}

// The licence map a few turns in: the player has saved up (the office's money cheat stands in
// for that), bought two licences in regions the competitors already broadcast in with the
// engine's own purchase, and the panel is open on the region held by the most companies.
QString LicencesMidGame(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows);
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    for (int i = 0; i < 3; ++i)
        CheatMoney(gs, 10000);
    int bought = 0;
    for (int r = 1; r <= kMapMarkers && bought < 2; ++r) {
        bool competitor = false;
        for (int c = 1; c <= kChannels; ++c)
            competitor = competitor || (c != gs.PlayerChannel && HoldsLicence(gs, r, c));
        if (competitor) bought += BuyLicence(gs, session.deck(), r) == LicenceOutcome::Purchased;
    }
    int shown = 1, most = -1;
    for (int r = 1; r <= kMapMarkers; ++r) {
        if (!RegionExists(gs, r)) continue;
        int holders = 0;
        for (int c = 1; c <= kChannels; ++c)
            holders += HoldsLicence(gs, r, c);
        if (holders > most) {
            most = holders;
            shown = r;
        }
    }
    auto* map = windows.screen<ui::TForm16>();
    map->prepare();
    map->showRegion(shown);
    return {};
}

// The broker showing a competitor the player has bought into over two turns with the engine's
// own trade (the computer companies' treasury stock grows as they play); this turn's trade is
// still open, so the buttons are lit.
QString ShareholderMidGame(GameWindows& windows, const ScreenshotRequest&) {
    constexpr int kTurnsPlayed = 3;
    constexpr int kTurnsBuying = 2;
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    const int player = gs.PlayerChannel;
    int target = 0;
    for (int c = 1; c <= kChannels && target == 0; ++c)
        if (c != player && InBusiness(gs, c)) target = c;
    if (target == 0) return "no competitor is in business";
    Rng planner(gs.GameInfo[Info::kTurn] + 7u);
    for (int turn = 0; turn < kTurnsPlayed; ++turn) {
        PlanPlayerDay(gs, session.catalogue(), planner);
        if (turn < kTurnsBuying) BuyShares(gs, player, target);
        PlayTurn(gs, session.catalogue(), session.settings(), session.rng(), session.userDir(), -1);
    }
    PlanPlayerDay(gs, session.catalogue(), planner);
    auto* broker = windows.screen<ui::TForm15>();
    broker->prepare();
    broker->selectCompany(target);
    return {};
}

// The statistics a few turns in on the given page (0 balance sheet, 1 income statement, 2
// audience popularity, 3 history), showing the player's own company or the first competitor in
// business. The history gets a year of turns, so that its lines have a course to show.
template <int kPage, bool kCompetitor>
QString StatisticsMidGame(GameWindows& windows, const ScreenshotRequest&) {
    PlayIntoMidGame(windows, kPage == 3 ? 12 : 3);
    const GameState& gs = windows.session.game();
    auto* statistics = windows.screen<ui::TForm17>();
    statistics->prepare();
    if (kCompetitor) {
        int shown = 0;
        for (int c = 1; c <= kChannels && shown == 0; ++c)
            if (c != gs.PlayerChannel && InBusiness(gs, c)) shown = c;
        if (shown == 0) return "no competitor is in business";
        statistics->selectCompany(shown);
    }
    statistics->choosePage(kPage);
    return {};
}

// The save slots as a player leaves them some turns in: two games kept at different turns, one
// slot whose files were cut short, the rest empty. Written into the shot's own scratch directory.
QString SavedSlots(GameWindows& windows, const ScreenshotRequest&) {
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    Settings& settings = session.settings();
    const auto keep = [&](int slot, const char* caption) {
        const Status saved = SaveSlot(gs, settings, slot, session.userDir());
        settings.SaveSlotNames[static_cast<size_t>(slot)] = caption;
        return saved ? QString() : QString::fromStdString(saved.message());
    };
    if (QString problem = keep(1, "Before the big movie deal"); !problem.isEmpty()) return problem;
    PlayIntoMidGame(windows);
    if (QString problem = keep(3, "Week two \u2013 news on every hour"); !problem.isEmpty())
        return problem;
    if (QString problem = keep(5, "Old backup"); !problem.isEmpty()) return problem;
    std::filesystem::resize_file(session.userDir() / (SlotFileStem(5) + ".int"), 4000);
    windows.screen<ui::TForm14>()->prepare();
    return {};
}

// A short game played to its end as the office plays it: a Tweaked game on the USA map, every
// day planned by the stand-in, the last day closed. The game over screen then ranks it.
QString FinishedGame(GameWindows& windows, const ScreenshotRequest&) {
    ui::Session& session = windows.session;
    GameState& gs = session.game();
    NewGameChoice choice;
    choice.scenario = ScenarioIndex(Kind::kTweaked, Map::kUsa);
    choice.logo = 1;
    choice.name = "Night Owl TV";
    const GameStart started = StartNewGame(gs, session.catalogue(), session.settings(),
                                           session.rng(), choice, session.dirs());
    if (!started.started()) return QString::fromStdString(started.message());
    Rng planner(11);
    for (int turn = 0; turn <= TurnLimit(gs) && gs.GameInfo[Info::kGameOver] != 1; ++turn) {
        PlanPlayerDay(gs, session.catalogue(), planner);
        PlayTurn(gs, session.catalogue(), session.settings(), session.rng(), session.userDir(), -1);
    }
    if (gs.GameInfo[Info::kGameOver] != 1) return "the game did not reach its end";
    windows.screen<ui::TForm20>()->prepare();
    return {};
}

}  // namespace

const std::vector<ScreenEntry>& Screens() {
    static const std::vector<ScreenEntry> screens = {
        {"TForm3", Make<ui::TForm3>, 0, "startscreen", {{"start", false, AsBuilt}}},
        {"TForm6", Make<ui::TForm6>, 0, "scenarios", {{"newgame", false, Prepared<ui::TForm6>}}},
        {"TForm25", Make<ui::TForm25>, 0, "custom", {{"custom", false, Prepared<ui::TForm25>}}},
        {"TForm7",
         Make<ui::TForm7>,
         0,
         "office",
         {{"office", true, OfficePlanning},
          {"office-broadcast", true, OfficeBroadcasting},
          {"tutorial", true, OfficeWithTutorial}}},
        {"TForm12", Make<ui::TForm12>, 0, "summary", {{"summary", true, SummaryAfterTheDay}}},
        {"TForm8", Make<ui::TForm8>, 1, "programme", {{"tvprogramme", true, PlannedDay}}},
        {"TForm9", Make<ui::TForm9>, 2, "movies", {{"getmovies", true, MovieAgencyMidGame}}},
        {"TForm10", Make<ui::TForm10>, 3, "ads", {{"getads", true, AdAgencyMidGame}}},
        {"TForm13", Make<ui::TForm13>, 4, "news", {{"mixnews", true, NewsChosen}}},
        {"TForm15", Make<ui::TForm15>, 0, "broker", {{"stockbroker", true, ShareholderMidGame}}},
        {"TForm16", Make<ui::TForm16>, 7, "licences", {{"licenses", true, LicencesMidGame}}},
        {"TForm17",
         Make<ui::TForm17>,
         6,
         "stats",
         {{"statistics", true, StatisticsMidGame<0, false>},
          {"statistics-balance", true, StatisticsMidGame<0, true>},
          {"statistics-income", true, StatisticsMidGame<1, false>},
          {"statistics-audience", true, StatisticsMidGame<2, true>},
          {"statistics-history", true, StatisticsMidGame<3, false>}}},
        {"TForm26", Make<ui::TForm26>, 0, "deck", {{"boosters", false, DeckBuilt}}},
        {"TForm14", Make<ui::TForm14>, 9, "saveload", {{"saveload", true, SavedSlots}}},
        {"TForm20", Make<ui::TForm20>, 0, "end", {{"gameover", true, FinishedGame}}},
        {"TForm21",
         Make<ui::TForm21>,
         0,
         "highscores",
         {{"highscore", false, Prepared<ui::TForm21>}}},
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
