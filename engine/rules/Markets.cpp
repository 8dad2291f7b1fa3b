#include "Markets.h"

#include <algorithm>

#include "Boosters.h"
#include "Licences.h"

namespace qvx {

namespace {

int64_t Population(const Record& region) {
    int64_t sum = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        sum += region[Reg::kPopulation + g];
    return sum;
}

template <size_t N>
bool Contains(const std::array<int32_t, N>& table, int first, int last, int32_t id) {
    for (int i = first; i <= last; ++i) {
        if (table[i] == id) return true;
    }
    return false;
}

bool IsAccepted(const GameState& gs, int c, int32_t id) {
    return Contains(gs.AcceptedAds[c], 1, kAcceptedAdPositions, id);
}

struct AdSize {
    int32_t viewerDivisor;  // 0 marks the largest class: F - F div 4
    int32_t deadline;
    int32_t basePayment;
};
constexpr AdSize kAdSizes[5] = {{}, {8, 2, 75}, {5, 3, 100}, {3, 4, 250}, {0, 7, 600}};

// Draws contract j of channel c anew. E and F are the populations of the whole map and of the
// channel's licensed regions.
void DrawContract(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng, int c,
                  int j, int64_t e, int64_t f) {
    Record& ad = gs.AdPool[c][j];
    const int32_t target = cat.AdTargets[j];
    ad[Ad::kOpen] = 1;
    ad[Ad::kKind] = 1;
    ad[Ad::kTargetCode] = target;

    const int32_t spotRoll = rng.Random(100);
    int32_t spots = spotRoll < 21 ? 4 : spotRoll <= 50 ? 6 : spotRoll <= 70 ? 8 : 12;
    spots *= 2;

    const int32_t sizeRoll = rng.Random(100);
    int t = sizeRoll < 21 ? 1 : sizeRoll <= 60 ? 2 : sizeRoll <= 90 ? 3 : 4;
    if (t == 1 && target > 1) t = 2;
    const AdSize& size = kAdSizes[t];

    int64_t viewers = size.viewerDivisor > 0 ? f / size.viewerDivisor : f - f / 4;
    if (target == 2 || target == 3 || target == 6) viewers /= 2;
    if (target == 4 || target == 5 || target == 7 || target == 8) viewers /= 3;
    ad[Ad::kMinViewers] = SaturateToInt32(std::max<int64_t>(viewers, 1));

    int32_t deadline = gs.GameInfo[Info::kAutoPlayDays] > 0 ? 31 : size.deadline;
    if (deadline == 2 && spots > 16) spots = 16;
    ad[Ad::kSpotsRequired] = spots;
    ad[Ad::kDeadline] = deadline;

    // The payment grows with the share of the map the channel reaches; each step truncates.
    const int64_t w0 = size.basePayment;
    const int64_t reach = f * 100 / (e == 0 ? 1 : e);
    const int64_t w = w0 + (reach * 4 * w0 / 100) * 200;
    const int64_t b = (w / 40) * spots;
    int64_t payment = spots == 24 ? b / 32 + b / 8 : b / 8;
    // Short deadlines carry a random premium: up to a quarter for two turns, an eighth for three.
    const int32_t paymentNow = SaturateToInt32(payment);
    if (deadline == 2) payment += rng.Random(paymentNow / 4);
    if (deadline == 3) payment += rng.Random(paymentNow / 8);
    if (gs.GameInfo[Info::kScenarioKind] == 5) payment *= 2;
    payment += CardsOf(gs, boosters, c, Card::kConnections) * (payment / 10);
    ad[Ad::kPayment] = SaturateToInt32(payment);
    ad[Ad::kPaymentTenth] = ad[Ad::kPayment] / 10;
    gs.AdSpotsDone[c][j] = 0;
    gs.AdDaysLeft[c][j] = deadline;
}

}  // namespace

void RefreshAdPool(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng) {
    int64_t e = 0;
    for (int r = 1; r <= kRegions; ++r) {
        if (gs.Regions[r][Reg::kExists] > 0) e += Population(gs.Regions[r]);
    }
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        int64_t f = 0;
        for (int r = 1; r <= kRegions; ++r) {
            if (gs.Regions[r][Reg::kExists] > 0 && HoldsLicence(gs, r, c))
                f += Population(gs.Regions[r]);
        }
        for (int j = 1; j <= kAds; ++j) {
            if (cat.AdTargets[j] >= 1 && !IsAccepted(gs, c, j))
                DrawContract(gs, cat, boosters, rng, c, j, e, f);
        }
    }
}

void RefreshAdOffers(GameState& gs, Rng& rng, int probesPerPosition) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        auto& offers = gs.AdOffers[c];
        const auto acceptable = [&](int32_t id) {
            return !Contains(offers, 1, kAdOfferPositions, id) && !IsAccepted(gs, c, id) &&
                   gs.AdPool[c][id][Ad::kOpen] != 0;
        };
        for (int k = 1; k <= kAdOfferPositions; ++k) {
            int32_t chosen = 0;
            for (int d = 1; d <= probesPerPosition && chosen == 0; ++d) {
                const int32_t j = rng.Random(kAds / d) + 1;
                if (acceptable(j)) chosen = j;
            }
            for (int32_t j = 1; j <= kAds && chosen == 0; ++j) {
                if (acceptable(j)) chosen = j;
            }
            if (chosen == 0) break;  // the remaining positions keep what they held
            offers[k] = chosen;
        }
    }
}

void RefreshMovieOffers(GameState& gs, const Catalogue& cat, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        auto& offers = gs.ShopOffers[c];
        offers.fill(0);
        const auto acceptable = [&](int32_t m) {
            return !Contains(offers, 1, kShopPositions, m) &&
                   !Contains(gs.MovieArchive[c], 1, kArchivePositions, m) &&
                   cat.MovieCatalogue[m][Movie::kOnMarket] != 0;
        };
        for (int k = 1; k <= kShopPositions; ++k) {
            const int32_t m = rng.Random(kMovies) + 1;
            if (acceptable(m)) {
                offers[k] = m;
                continue;
            }
            int32_t id = rng.Random(kMovies) + 1;
            for (int step = 0; step < 1000; ++step, id = id % kMovies + 1) {
                if (acceptable(id)) {
                    offers[k] = id;
                    break;
                }
            }
        }
    }
}

namespace {

// Fills a list of five news offers; `other` holds ids the list must not repeat (may be null).
void FillNewsList(Table<int32_t, kNewsOfferPositions>& list,
                  const Table<int32_t, kNewsOfferPositions>* other, const Catalogue& cat,
                  Rng& rng) {
    list.fill(0);
    const auto acceptable = [&](int32_t id) {
        return !Contains(list, 1, kNewsOfferPositions, id) &&
               (other == nullptr || !Contains(*other, 1, kNewsOfferPositions, id)) &&
               cat.NewsCatalogue[id][News::kAvailable] != 0;
    };
    constexpr int kProbes = 31;
    for (int k = 1; k <= kNewsOfferPositions; ++k) {
        int32_t chosen = 0;
        for (int d = 1; d <= kProbes && chosen == 0; ++d) {
            const int32_t id = rng.Random(kNews / d) + 1;
            if (acceptable(id)) chosen = id;
        }
        for (int32_t id = 1; id <= kNews && chosen == 0; ++id) {
            if (acceptable(id)) chosen = id;
        }
        if (chosen == 0) return;
        list[k] = chosen;
    }
}

}  // namespace

void RefreshNewsOffers(GameState& gs, const Catalogue& cat, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        FillNewsList(gs.NewsOffersA[c], nullptr, cat, rng);
        FillNewsList(gs.NewsOffersB[c], &gs.NewsOffersA[c], cat, rng);
    }
}

}  // namespace qvx
