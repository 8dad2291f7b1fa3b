#pragma once
// The per-game tables of one TV game. Tables are 1-based (element 0 unused) so that code reads
// like the rules: gs.Channel[c][Ch::kMoney]. A record is 20 int32 fields, addressed 1..20.
#include <array>
#include <cstdint>
#include <string>

#include "GameHistory.h"
#include "JournalKind.h"

namespace qvx {

constexpr int kChannels = 4;
constexpr int kRegions = 16;
constexpr int kSlots = 10;
constexpr int kMovies = 500;
constexpr int kAds = 100;
constexpr int kNews = 250;
constexpr int kFields = 20;
constexpr int kLogLines = 5000;
constexpr int kJournalEntries = 5000;
constexpr int kShopPositions = 14;
constexpr int kArchivePositions = 28;
constexpr int kAcceptedAdEntries = 100;
constexpr int kAcceptedAdPositions = 14;  // only entries 1..14 ever hold a contract
constexpr int kAdOfferPositions = 14;
constexpr int kNewsOfferPositions = 5;
constexpr int kNewsShowPositions = 3;
constexpr int kBoosterSlots = 5;
constexpr int kBoosterIds = 20;
constexpr int kNumberedSaveSlots = 6;
constexpr int kAudienceGroups = 5;
constexpr int kLogos = 8;

// Array indexed 1..N; index 0 exists but is never used unless a table says otherwise.
template <class T, int N>
using Table = std::array<T, N + 1>;
using Record = Table<int32_t, kFields>;
template <class T>
using PerChannel = Table<T, kChannels>;
template <class T>
using PerRegion = Table<T, kRegions>;

// Named fields, one namespace per record kind because the same number means different things.
namespace Movie {
constexpr int kOnMarket = 1, kType = 2, kGenre = 3, kStars = 4, kEpisodes = 5, kEpisodeMark = 6,
              kLength = 7, kRecentlyShown = 8, kPrice = 9, kRatingAction = 10, kRatingComedy = 11,
              kRatingRomance = 12, kRatingSfx = 13, kRatingStory = 14, kRatingCast = 15;
constexpr int kTypeMovie = 1, kTypeSeries = 2, kTypeShow = 3, kTypeLiveSport = 4;
}  // namespace Movie
namespace News {
constexpr int kAvailable = 1, kCategory = 2;
constexpr int kPolitics = 1, kStarsLifestyle = 2, kSport = 3;
}  // namespace News
namespace Info {
constexpr int kTurn = 1, kPhase = 2, kWeekday = 3, kMap = 4, kScenarioKind = 5, kCustomTurns = 6,
              kCreated = 12, kTurnCount = 14, kAutoPlayDays = 17, kGameOver = 20;
constexpr int kPhasePlanning = 1, kPhaseBroadcasting = 2;
constexpr int kKindCustom = 6;
}  // namespace Info
namespace Ch {
constexpr int kActive = 1, kMoney = 2, kHuman = 3, kMoneyBeforeDay = 5, kMoneyAfterDay = 6,
              kLogo = 11, kDisabledTurns = 12, kPendingDisabledTurns = 13, kTvEquipment = 15;
}
namespace Acc {  // ChannelAccounts and ChannelPendingIncome
constexpr int kSharePrice = 2, kSharesIssued = 3, kShareHoldings = 4,  // 4..7: companies 1..4
    kBuyPremium = 8, kSellPremium = 9, kBonds = 10, kBondInterestRate = 11,
              kStockholdersEquity = 12, kDaysInDebt = 13, kAdIncome = 16, kShareSaleIncome = 17,
              kLicenceCost = 18, kMovieCost = 19, kSharePurchaseCost = 20;
// Field of the game-wide record (index 0): above 0 keeps the game out of the highscores.
constexpr int kNoHighscore = 19;
}  // namespace Acc
namespace Reg {
constexpr int kExists = 1, kPopulation = 2,  // 2..6: Kids .. Seniors
    kRegionMonthlyCost = 9, kRegionLicencePrice = 10, kMarkerX = 11, kMarkerY = 12;
}
namespace Pop {
constexpr int kGroupFirst = 2;  // 2..6: Kids .. Seniors
}
namespace Slot {
constexpr int kProgramme = 1, kAd = 2, kViewers = 3,  // 3..7: Kids .. Seniors
    kAppeal = 10,                                     // 10..14: Kids .. Seniors
    kContinuesEpisode = 20;
constexpr int32_t kNewsShow = -1;
}  // namespace Slot
namespace Ad {
constexpr int kOpen = 1, kKind = 2, kSpotsRequired = 3, kTargetCode = 4, kMinViewers = 5,
              kPayment = 6, kPaymentTenth = 7, kDeadline = 9;
}

struct JournalEntry {
    JournalKind kind = JournalKind::Free;
    int32_t a = 0;
    int32_t b = 0;
    bool operator==(const JournalEntry&) const = default;
};

// Everything a running game holds, plus the office's single globals. Large (about a megabyte):
// allocate it on the heap.
struct GameState {
    Record GameInfo{};
    PerChannel<Record> Channel{};
    // Index 0 is the game-wide accounts record; 1..4 the companies.
    Table<Record, kChannels> ChannelAccounts{};
    PerChannel<Record> ChannelPendingIncome{};
    PerChannel<std::string> ChannelNames{};
    PerChannel<std::string> ChannelNames2{};  // cleared with the game; never stored in a slot

    PerRegion<Record> Regions{};
    PerRegion<std::string> RegionNames{};
    PerRegion<std::string> RegionDescriptions{};
    PerRegion<std::string> RegionCodes{};
    PerRegion<PerChannel<int32_t>> Licences{};
    PerRegion<PerChannel<Record>> Popularity{};

    PerChannel<Table<Record, kSlots>> Programme{};
    PerChannel<Table<int32_t, kShopPositions>> ShopOffers{};
    PerChannel<Table<int32_t, kArchivePositions>> MovieArchive{};
    Table<int32_t, kMovies> MovieMarketAux{};
    PerChannel<Table<int32_t, kMovies>> EpisodesShown{};

    PerChannel<Table<Record, kAds>> AdPool{};
    PerChannel<Table<int32_t, kAcceptedAdEntries>> AcceptedAds{};
    PerChannel<Table<int32_t, kAds>> AdSpotsDone{};
    PerChannel<Table<int32_t, kAds>> AdSpotsShadow{};
    PerChannel<Table<int32_t, kAds>> AdDaysLeft{};
    PerChannel<Table<int32_t, kAdOfferPositions>> AdOffers{};

    PerChannel<Table<int32_t, kNewsOfferPositions>> NewsOffersA{};
    PerChannel<Table<int32_t, kNewsOfferPositions>> NewsOffersB{};
    PerChannel<Table<int32_t, kNewsShowPositions>> NewsShow{};

    PerChannel<Table<std::string, kLogLines>> GameLog{};
    // Lines 1..n of each log are known to be in use: where AddLogLine starts looking. Never
    // saved; a state read from a file starts at 0 and finds its own gaps.
    PerChannel<int32_t> GameLogFilled{};
    PerChannel<Table<JournalEntry, kJournalEntries>> ActionJournal{};

    // Single globals of the running game.
    int32_t CurrentGame = 0;    // 0 = no game exists; 1 = the player's game
    int32_t PlayerChannel = 0;  // 1..4
    int32_t ViewedChannel = 0;  // 1..4, the channel on the office TV
    int32_t ClockHour = 0;
    int32_t ClockMinute = 0;
    bool EndTurnBusy = false;
    int32_t RunningGameFlag = 0;  // 1 after a new game was started in this program run

    // Not part of the slot's two files: it travels in the slot's companion .hist file.
    GameHistory History;
    // Why the last load found no usable .hist (empty when it read one); the caller says it once
    // on stderr. A broken history only empties the charts, it never fails the load.
    std::string HistoryNote;
};

// The player's advantage deck: five slots of card ids 1..20, 0 = empty.
struct Boosters {
    Table<int32_t, kBoosterSlots> ActiveBoosters{};
};

// Empties every per-game table and stops the office clock (ClockHour := 0).
void ClearGame(GameState& gs);
// The same, with the office clock set to 08:00 as the save/load screen wants before loading.
void ClearGameForLoading(GameState& gs);
// Empties the action journals; done at the start of each planning phase so the limit is per turn.
void ClearActionJournals(GameState& gs);

bool CanAfford(const GameState& gs, int channel, int32_t amount);
// Subtracts amount when the channel can afford it; otherwise changes nothing.
void Pay(GameState& gs, int channel, int32_t amount);
// Adds amount, saturating at the int32 range.
void Credit(GameState& gs, int channel, int32_t amount);

inline constexpr const char* kJournalFullText =
    "You have reached the max. number of actions this turn.";
// Stores (kind, a, b) in the lowest free journal entry; false when all 5000 are used.
bool RecordAction(GameState& gs, int channel, JournalKind kind, int32_t a, int32_t b);

// The range checks of the tables' indices: a channel 1..4 and the catalogue numbers of a movie
// (1..500), an ad contract (1..100) and a news article (1..250).
constexpr bool ValidChannel(int c) {
    return c >= 1 && c <= kChannels;
}
constexpr bool ValidMovie(int32_t id) {
    return id >= 1 && id <= kMovies;
}
constexpr bool ValidAd(int32_t id) {
    return id >= 1 && id <= kAds;
}
constexpr bool ValidNews(int32_t id) {
    return id >= 1 && id <= kNews;
}

inline bool InBusiness(const GameState& gs, int c) {
    return gs.Channel[c][Ch::kActive] > 0;
}
inline bool IsHumanRun(const GameState& gs, int c) {
    return gs.Channel[c][Ch::kHuman] == 1;
}
inline bool RegionExists(const GameState& gs, int r) {
    return gs.Regions[r][Reg::kExists] > 0;
}

// Number of deck slots holding card id b.
int BoosterCount(const Boosters& boosters, int32_t b);

// Saturating narrowing for values computed in 64 bits.
int32_t SaturateToInt32(int64_t v);
// a + b clamped to the int32 range; b may be any 64-bit amount (a cost computed in 64 bits).
int32_t AddSaturated(int32_t a, int64_t b);
// A counter of days or turns one step nearer 0, never below it (a loaded slot may hold any value).
inline int32_t CountedDown(int32_t v) {
    return v > 0 ? v - 1 : 0;
}

}  // namespace qvx
