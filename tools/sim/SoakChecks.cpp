#include "SoakChecks.h"

namespace qvx::sim {

namespace {

std::string Where(const char* table, int a, int b = -1) {
    return std::string(table) + "[" + std::to_string(a) + (b >= 0 ? "][" + std::to_string(b) : "") +
           "]";
}

template <size_t N>
std::string IdsIn(const std::array<int32_t, N>& ids, const char* table, int c, int32_t hi,
                  int32_t lo = 0) {
    for (size_t i = 1; i < N; ++i) {
        if (ids[i] < lo || ids[i] > hi)
            return Where(table, c, static_cast<int>(i)) + " holds " + std::to_string(ids[i]);
    }
    return ids[0] == 0 ? "" : Where(table, c, 0) + " was written";
}

std::string Holdings(const GameState& gs) {
    for (int t = 1; t <= kChannels; ++t) {
        const int64_t issued = gs.ChannelAccounts[t][Acc::kSharesIssued];
        int64_t all = 0, others = 0;
        for (int c = 1; c <= kChannels; ++c) {
            const int64_t held = gs.ChannelAccounts[c][Acc::kShareHoldings + t - 1];
            if (held < 0) return Where("holding", c, t) + " is negative";
            all += held;
            if (c != t && InBusiness(gs, c)) others += held;
        }
        if (all > issued)
            return "the holdings of company " + std::to_string(t) + " exceed its shares";
        const int64_t treasury = gs.ChannelAccounts[t][Acc::kShareHoldings + t - 1];
        if (issued - others - treasury < 0)
            return "company " + std::to_string(t) + " has negative public shares";
    }
    return "";
}

std::string Contracts(const GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        for (int id = 1; id <= kAds; ++id) {
            if (gs.AdSpotsDone[c][id] > gs.AdPool[c][id][Ad::kSpotsRequired] ||
                gs.AdSpotsDone[c][id] < 0)
                return Where("AdSpotsDone", c, id) + " counts past its spots";
        }
        for (int p = 1; p <= kAcceptedAdPositions; ++p) {
            const int32_t id = gs.AcceptedAds[c][p];
            if (id == 0) continue;
            const Record& ad = gs.AdPool[c][id];
            if (ad[Ad::kOpen] <= 0) return Where("AcceptedAds", c, p) + " holds a closed contract";
            if (gs.AdSpotsDone[c][id] >= ad[Ad::kSpotsRequired])
                return Where("AcceptedAds", c, p) + " holds a contract already paid";
        }
        for (int p = kAcceptedAdPositions + 1; p <= kAcceptedAdEntries; ++p) {
            if (gs.AcceptedAds[c][p] != 0) return Where("AcceptedAds", c, p) + " was written";
        }
    }
    return "";
}

}  // namespace

std::string CheckInvariants(const GameState& gs, const Catalogue& cat) {
    (void)cat;
    for (int r = 0; r <= kRegions; ++r) {
        for (int c = 0; c <= kChannels; ++c) {
            for (int g = 0; g < kAudienceGroups; ++g) {
                const int32_t p = gs.Popularity[r][c][Pop::kGroupFirst + g];
                if ((r == 0 || c == 0) && p != 0) return Where("Popularity", r, c) + " was written";
                if (p < 0 || p > 100) return Where("Popularity", r, c) + " is " + std::to_string(p);
            }
        }
    }
    if (gs.Channel[0] != Record{} || gs.Regions[0] != Record{})
        return "record 0 of Channel or Regions was written";
    for (int c = 1; c <= kChannels; ++c) {
        const std::string checks[] = {
            IdsIn(gs.MovieArchive[c], "MovieArchive", c, kMovies),
            IdsIn(gs.ShopOffers[c], "ShopOffers", c, kMovies),
            IdsIn(gs.AdOffers[c], "AdOffers", c, kAds),
            IdsIn(gs.AcceptedAds[c], "AcceptedAds", c, kAds),
            IdsIn(gs.NewsOffersA[c], "NewsOffersA", c, kNews),
            IdsIn(gs.NewsOffersB[c], "NewsOffersB", c, kNews),
            IdsIn(gs.NewsShow[c], "NewsShow", c, kNews),
        };
        for (const std::string& s : checks) {
            if (!s.empty()) return s;
        }
        if (gs.Programme[c][0] != Record{} || gs.AdPool[c][0] != Record{})
            return Where("slot 0 of", c) + " was written";
        for (int s = 1; s <= kSlots; ++s) {
            const int32_t id = gs.Programme[c][s][Slot::kProgramme];
            const int32_t ad = gs.Programme[c][s][Slot::kAd];
            if (id < Slot::kNewsShow || id > kMovies || ad < 0 || ad > kAds)
                return Where("Programme", c, s) + " holds " + std::to_string(id) + "/" +
                       std::to_string(ad);
        }
        int used = 0;
        for (int line = 1; line <= kLogLines; ++line)
            used += !gs.GameLog[c][line].empty();
        if (used > kLogLines || !gs.GameLog[c][0].empty())
            return Where("GameLog", c) + " overflowed";
    }
    if (std::string h = Holdings(gs); !h.empty()) return h;
    return Contracts(gs);
}

std::string CheckClosedCompaniesSilent(const GameState& gs,
                                       const std::array<bool, kChannels + 1>& closedBefore) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!closedBefore[c]) continue;
        for (int s = 1; s <= kSlots; ++s) {
            for (int g = 0; g < kAudienceGroups; ++g) {
                if (gs.Programme[c][s][Slot::kViewers + g] != 0)
                    return "company " + std::to_string(c) + " is out of business but had viewers";
            }
        }
    }
    return "";
}

}  // namespace qvx::sim
