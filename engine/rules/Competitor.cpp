#include "Competitor.h"

#include <cstdint>
#include <vector>

#include "Appeal.h"
#include "Formatting.h"
#include "Licences.h"
#include "Shares.h"

namespace qvx {

namespace {

using namespace Genre;
constexpr GenreList kAfternoonGenres = {kDrama, kQuiz, kCultural, kLove, kSoap, kComedy, kCartoon};
constexpr GenreList kEarlyEveningGenres = {kAncient, kCrime,  kDrama,  kLove,
                                           kSoap,    kComedy, kCartoon};
constexpr GenreList kPrimeTimeGenres = {kDrama, kWestern, kAncient, kSciFi, kThriller,
                                        kSport, kWar,     kCrime,   kAction};
constexpr GenreList kLateGenres = {kDrama, kSoap, kCultural, kQuiz, kWar, kCrime};

bool InGenres(const GenreList& genres, int32_t genre) {
    for (const int32_t g : genres) {
        if (g != 0 && g == genre) return true;
    }
    return false;
}

// Candidates of one scan; `lowerBound` keeps out titles that would waste most of the budget.
// The planner scans the whole catalogue several times a day per company, so the genre list is
// turned into a bit mask once instead of being searched for every title.
void Scan(const Catalogue& cat, const TakenTitles& taken, int32_t hours, int64_t budget,
          const GenreList& genres, bool series, bool lowerBound, std::vector<int32_t>& out) {
    uint64_t mask = 0;
    bool outsideMask = false;
    for (const int32_t g : genres) {
        if (g > 0 && g < 64) {
            mask |= uint64_t{1} << g;
        } else if (g != 0) {
            outsideMask = true;
        }
    }
    const auto inGenres = [&](int32_t genre) {
        if (genre > 0 && genre < 64) return ((mask >> genre) & 1) != 0;
        return outsideMask && InGenres(genres, genre);
    };
    const int64_t limit = budget * hours;
    for (int32_t m = 1; m <= kMovies; ++m) {
        const Record& title = cat.MovieCatalogue[m];
        if (title[Movie::kLength] != hours || title[Movie::kOnMarket] <= 0) continue;
        if ((title[Movie::kType] == Movie::kTypeSeries) != series) continue;
        if (!inGenres(title[Movie::kGenre]) || taken[m]) continue;
        const int64_t price = title[Movie::kPrice];
        if (limit < price || (lowerBound && limit / 4 >= price)) continue;
        out.push_back(m);
    }
}

int32_t Choose(const std::vector<int32_t>& candidates, Rng& rng) {
    const int32_t pick = rng.Random(static_cast<int32_t>(candidates.size()));
    return candidates.empty() ? 0 : candidates[static_cast<size_t>(pick)];
}

void Put(GameState& gs, int c, int first, int last, int32_t programme) {
    for (int s = first; s <= last; ++s)
        gs.Programme[c][s][Slot::kProgramme] = programme;
}

// The owned one-hour series with the highest archive position, of one of the genres (any
// genre when none are given).
int32_t OwnedSeries(const GameState& gs, const Catalogue& cat, int c, const GenreList* genres) {
    for (int p = kArchivePositions; p >= 1; --p) {
        const int32_t id = gs.MovieArchive[c][p];
        if (!ValidMovie(id)) continue;
        const Record& title = cat.MovieCatalogue[id];
        if (title[Movie::kOnMarket] > 0 && title[Movie::kType] == Movie::kTypeSeries &&
            title[Movie::kLength] == 1 &&
            (genres == nullptr || InGenres(*genres, title[Movie::kGenre])))
            return id;
    }
    return 0;
}

// What the planner may spend per hour: a share of the pool's mean payment per spot.
int64_t Budget(const GameState& gs, Rng& rng, int c) {
    int64_t payments = 0, spots = 0;
    for (int id = 1; id <= kAds; ++id) {
        const Record& ad = gs.AdPool[c][id];
        if (ad[Ad::kOpen] <= 0) continue;
        payments += ad[Ad::kPayment];
        spots += ad[Ad::kSpotsRequired];
    }
    const int64_t perSpot = spots == 0 ? 0 : payments / spots;
    return perSpot * (25 + rng.Random(30)) / 100;
}

struct Planner {
    GameState& gs;
    const Catalogue& cat;
    Rng& rng;
    int c;
    TakenTitles taken;

    int32_t Buy(int32_t title) {
        const int32_t bought = AiBuyTitle(gs, cat, c, title);
        if (bought > 0) taken[bought] = true;
        return bought;
    }
    int32_t BuyMovie(int32_t hours, int64_t budget, const GenreList& genres) {
        return Buy(PickMovieOffer(cat, taken, rng, hours, budget, genres));
    }
    int32_t SeriesFor(int64_t budget, const GenreList& genres, bool anyGenre) {
        const int32_t owned = OwnedSeries(gs, cat, c, anyGenre ? nullptr : &genres);
        return owned > 0 ? owned : Buy(PickSeriesOffer(cat, taken, rng, 1, budget, genres));
    }
};

}  // namespace

bool IsEligibleForCompetitorTurn(const GameState& gs, int c) {
    const Record& ch = gs.Channel[c];
    const bool autoPlay = gs.GameInfo[Info::kAutoPlayDays] > 0;
    return ch[Ch::kActive] > 0 && ch[Ch::kDisabledTurns] == 0 && (ch[Ch::kHuman] == 0 || autoPlay);
}

TakenTitles TitlesTaken(const GameState& gs) {
    TakenTitles taken;
    const auto mark = [&](int32_t id) {
        if (ValidMovie(id)) taken[static_cast<size_t>(id)] = true;
    };
    for (int c = 1; c <= kChannels; ++c) {
        for (int p = 1; p <= kArchivePositions; ++p)
            mark(gs.MovieArchive[c][p]);
        for (int p = 1; p <= kShopPositions; ++p)
            mark(gs.ShopOffers[c][p]);
    }
    return taken;
}

int32_t PickMovieOffer(const Catalogue& cat, const TakenTitles& taken, Rng& rng, int32_t hours,
                       int64_t budget, const GenreList& genres) {
    std::vector<int32_t> candidates;
    Scan(cat, taken, hours, budget, genres, false, true, candidates);
    if (candidates.size() < 10) Scan(cat, taken, hours, budget, genres, false, false, candidates);
    return Choose(candidates, rng);
}

int32_t PickSeriesOffer(const Catalogue& cat, const TakenTitles& taken, Rng& rng, int32_t hours,
                        int64_t budget, const GenreList& genres) {
    std::vector<int32_t> candidates;
    Scan(cat, taken, hours, budget, genres, true, true, candidates);
    return Choose(candidates, rng);
}

int32_t AiBuyTitle(GameState& gs, const Catalogue& cat, int c, int32_t title) {
    if (!ValidMovie(title)) return 0;
    int free = 0;
    for (int p = kArchivePositions; p >= 1; --p) {
        if (gs.MovieArchive[c][p] == 0) free = p;
    }
    const int32_t price = cat.MovieCatalogue[title][Movie::kPrice];
    if (free == 0 || gs.Channel[c][Ch::kMoney] < price) return 0;
    gs.MovieArchive[c][free] = title;
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -int64_t{price});
    int32_t& movieCost = gs.ChannelAccounts[c][Acc::kMovieCost];
    movieCost = AddSaturated(movieCost, price);
    AddLogLine(gs, c,
               "* Movie \"" + cat.MovieTitles[title] + "\" bought for $ " + FormatAmount(price) +
                   " millions.");
    return title;
}

void PlanCompetitorProgramme(GameState& gs, const Catalogue& cat, Rng& rng, int c) {
    for (int s = 1; s <= kSlots; ++s)
        gs.Programme[c][s].fill(0);
    Planner plan{gs, cat, rng, c, TitlesTaken(gs)};

    const int32_t afternoon = rng.Random(100);
    const int64_t b = Budget(gs, rng, c);
    if (afternoon < 30) {
        Put(gs, c, 1, 1, Slot::kNewsShow);
        Put(gs, c, 2, 3, plan.BuyMovie(2, 2 * b, kAfternoonGenres));
    } else {
        Put(gs, c, 1, 2, plan.BuyMovie(2, 2 * b, kAfternoonGenres));
        Put(gs, c, 3, 3, plan.SeriesFor(10 * b, kAfternoonGenres, true));
    }

    const bool earlyNewsFirst = rng.Random(100) < 50;
    const int32_t early = plan.BuyMovie(2, 2 * b, kEarlyEveningGenres);
    if (earlyNewsFirst) {
        Put(gs, c, 4, 4, Slot::kNewsShow);
        Put(gs, c, 5, 6, early);
    } else {
        Put(gs, c, 4, 5, early);
        Put(gs, c, 6, 6, Slot::kNewsShow);
    }

    if (rng.Random(100) < 75) {
        Put(gs, c, 7, 8, plan.BuyMovie(2, 2 * b, kPrimeTimeGenres));
    } else {
        Put(gs, c, 7, 9, plan.BuyMovie(3, 2 * b, kPrimeTimeGenres));
    }

    const int32_t late = rng.Random(100);
    if (gs.Programme[c][9][Slot::kProgramme] != 0) {
        Put(gs, c, 10, 10, Slot::kNewsShow);
    } else if (late < 50) {
        Put(gs, c, 9, 10, plan.BuyMovie(2, 2 * b, kLateGenres));
    } else {
        Put(gs, c, 9, 9, plan.SeriesFor(10 * b, kLateGenres, false));
        Put(gs, c, 10, 10, Slot::kNewsShow);
    }

    for (int s = 1; s <= kSlots; ++s) {
        if (gs.Programme[c][s][Slot::kProgramme] == 0)
            gs.Programme[c][s][Slot::kProgramme] = Slot::kNewsShow;
    }
}

namespace {

// How many others a company's strict value matches or beats, and who leads (0: nobody above 0).
struct Standing {
    int standing = 0;
    int leader = 0;
};

Standing StandingOf(const GameState& gs, const Catalogue& cat, int c) {
    std::array<int32_t, kChannels + 1> value{};
    for (int i = 1; i <= kChannels; ++i)
        value[i] = CompanyValue(gs, cat, i, ValueVariant::Strict);
    Standing result;
    int32_t best = 0;
    for (int i = 1; i <= kChannels; ++i) {
        if (i != c && value[i] <= value[c]) ++result.standing;
        if (value[i] > best) {
            best = value[i];
            result.leader = i;
        }
    }
    return result;
}

}  // namespace

void DecideCompetitorLicence(GameState& gs, const Catalogue& cat, Rng& rng, int c) {
    const Standing standing = StandingOf(gs, cat, c);
    const int64_t spendable = int64_t{gs.Channel[c][Ch::kMoney]} - 2500;
    int region = 0;
    for (int draw = 0; draw < 101 && region == 0; ++draw) {
        const int r = rng.Random(kRegions + 1);
        const Record& reg = gs.Regions[r];
        const bool candidate = reg[Reg::kExists] > 0 && !HoldsLicence(gs, r, c) &&
                               reg[Reg::kRegionLicencePrice] < spendable;
        // Behind the field, a company follows the leader into its regions.
        const bool wanted =
            standing.standing < 2 || (standing.leader > 0 && HoldsLicence(gs, r, standing.leader));
        if (r > 0 && candidate && wanted) region = r;
    }
    if (region == 0) return;

    const int32_t total = gs.GameInfo[Info::kTurnCount];
    const int32_t left = total - gs.GameInfo[Info::kTurn];
    if ((total > 25 && left < 36) || (total < 25 && left < 6)) return;
    int32_t chance = rng.Random(100);
    if (gs.GameInfo[Info::kScenarioKind] == 5) chance = rng.Random(30);
    if (chance > 10) return;

    const int32_t price = gs.Regions[region][Reg::kRegionLicencePrice];
    const std::string& name = gs.RegionNames[region];
    if (gs.Channel[c][Ch::kMoney] < price || HoldsLicence(gs, region, c)) {
        AddLogLine(gs, c, "* Purchase of broadcasting license for " + name + " failed.");
        return;
    }
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -int64_t{price});
    int32_t& licenceCost = gs.ChannelAccounts[c][Acc::kLicenceCost];
    licenceCost = AddSaturated(licenceCost, price);
    gs.Licences[region][c] = 1;
    AddLogLine(gs, c, "* Purchasing broadcasting license for " + name + ".");
}

void DecideCompetitorStock(GameState& gs, Rng& rng, int c) {
    const Record& own = gs.ChannelAccounts[c];
    const int64_t issued = own[Acc::kSharesIssued] > 0 ? own[Acc::kSharesIssued] : 1;
    const int64_t treasury = own[Acc::kShareHoldings + c - 1];
    int64_t others = 0, largest = 0;
    for (int i = 1; i <= kChannels; ++i) {
        if (i == c || gs.Channel[i][Ch::kActive] <= 0) continue;
        const int64_t held = gs.ChannelAccounts[i][Acc::kShareHoldings + c - 1];
        others += held;
        largest = std::max(largest, held);
    }
    int threat = largest * 100 / issued > 39 ? 2 : largest * 100 / issued > 19 ? 1 : 0;
    if ((treasury + others - largest) * 100 / issued > 50 && threat == 2) threat = 1;

    const int64_t price = own[Acc::kSharePrice];
    const int64_t blockCost =
        (price - price / 5 + own[Acc::kBuyPremium]) * (own[Acc::kSharesIssued] / 10);
    const int64_t money = gs.Channel[c][Ch::kMoney];
    const int64_t treasuryPercent = treasury * 100 / issued;
    const auto luckyDraw = [&] {
        const int32_t a = rng.Random(100);
        return a <= 10 || (a <= 80 && treasury < 10);
    };
    const bool buyBack =
        (blockCost < 5000 && money - blockCost > 2500 && treasuryPercent < 30 && luckyDraw()) ||
        (blockCost < 15000 && money - blockCost > 50000 && treasuryPercent < 30 && luckyDraw()) ||
        (blockCost + 2500 < money && threat == 1 && treasuryPercent < 20) ||
        (blockCost + 2500 < money && threat == 2);
    if (buyBack) {
        CompetitorBuyShares(gs, c, c, own[Acc::kSharesIssued] / 10);
        return;
    }
    for (int j = 1; j <= kChannels; ++j) {
        const int32_t held = gs.ChannelAccounts[c][Acc::kShareHoldings + j - 1];
        if (gs.Channel[j][Ch::kActive] <= 0 || held <= 0) continue;
        const Record& target = gs.ChannelAccounts[j];
        const int64_t v = (int64_t{target[Acc::kSharePrice]} + target[Acc::kSellPremium] -
                           target[Acc::kSharePrice] / 5) *
                          100;
        const int32_t a = rng.Random(100);
        if ((v > 15000 && v < 20000 && a < 11) || (v > 20000 && a <= 80))
            CompetitorSellShares(gs, c, j, std::min(held, target[Acc::kSharesIssued] / 10));
    }
}

}  // namespace qvx
