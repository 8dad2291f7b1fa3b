#include "SimulateDay.h"

#include <algorithm>

#include "Appeal.h"
#include "Boosters.h"
#include "Formatting.h"
#include "Licences.h"

namespace qvx {

namespace {

enum Band : int8_t { kFull, kThreeQuarters, kHalf, kTwoThirds, kNone };

// Share of a group's population that can watch, by slot 1..10 (index 0 unused).
constexpr Band kBands[kAudienceGroups][kSlots + 1] = {
    {kNone, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kThreeQuarters, kThreeQuarters, kNone},
    {kNone, kHalf, kHalf, kHalf, kThreeQuarters, kThreeQuarters, kThreeQuarters, kFull, kFull,
     kFull, kHalf},
    {kNone, kFull, kFull, kFull, kFull, kFull, kFull, kThreeQuarters, kThreeQuarters, kHalf, kHalf},
    {kNone, kNone, kNone, kNone, kHalf, kHalf, kHalf, kFull, kFull, kTwoThirds, kTwoThirds},
    {kNone, kHalf, kHalf, kHalf, kHalf, kHalf, kHalf, kFull, kFull, kFull, kFull},
};

bool AutoPlay(const GameState& gs) {
    return gs.GameInfo[Info::kAutoPlayDays] > 0;
}

const Record* TitleIn(const GameState& gs, const Catalogue& cat, int c, int slot) {
    const int32_t id = gs.Programme[c][slot][Slot::kProgramme];
    return ValidMovie(id) ? &cat.MovieCatalogue[id] : nullptr;
}

int SlotsWithGenre(const GameState& gs, const Catalogue& cat, int c, int32_t g1, int32_t g2) {
    int n = 0;
    for (int s = 1; s <= kSlots; ++s) {
        const Record* m = TitleIn(gs, cat, c, s);
        if (m != nullptr && ((*m)[Movie::kGenre] == g1 || (*m)[Movie::kGenre] == g2)) ++n;
    }
    return n;
}

int SlotsWithNews(const GameState& gs, int c, int firstSlot, int lastSlot) {
    int n = 0;
    for (int s = firstSlot; s <= lastSlot; ++s)
        n += gs.Programme[c][s][Slot::kProgramme] == Slot::kNewsShow;
    return n;
}

// The card bonus a human channel adds to every title hour, from what its ten slots hold today.
int32_t TitleCardBonus(const GameState& gs, const Catalogue& cat, const Boosters& boosters, int c) {
    if (!IsHumanRun(gs, c)) return 0;
    const auto cards = [&](int32_t card) { return BoosterCount(boosters, card); };
    int32_t bonus = 5 * cards(Card::kTechnician) + 5 * cards(Card::kHighDefinition);
    if (IsHoliday(gs.GameInfo[Info::kTurn])) bonus += 25 * cards(Card::kHolidays);
    bool fiveStars = false;
    for (int s = 1; s <= kSlots; ++s) {
        const Record* m = TitleIn(gs, cat, c, s);
        fiveStars = fiveStars || (m != nullptr && (*m)[Movie::kStars] == 5);
    }
    if (fiveStars) bonus += 5 * cards(Card::kTentpoling);

    using namespace Genre;
    struct Theme {
        int32_t card, genre1, genre2, slotsNeeded;
    };
    constexpr Theme kThemes[] = {
        {Card::kThemingActionWar, kAction, kWar, 3},
        {Card::kThemingCartoonComedy, kCartoon, kComedy, 3},
        {Card::kThemingThriller, kThriller, kThriller, 3},
        {Card::kThemingLoveSoap, kLove, kSoap, 3},
        {Card::kThemingCulturalQuiz, kQuiz, kCultural, 3},
        {Card::kThemingSport, kSport, kSport, 1},
        {Card::kThemingDrama, kAncient, kDrama, 3},
        {Card::kThemingSciFi, kSciFi, kSciFi, 3},
    };
    for (const Theme& theme : kThemes) {
        const int n = cards(theme.card);
        if (n > 0 && SlotsWithGenre(gs, cat, c, theme.genre1, theme.genre2) >= theme.slotsNeeded)
            bonus += 5 * n;
    }
    return bonus;
}

void RateTitle(GameState& gs, const Catalogue& cat, const Boosters& boosters, int c, int h,
               const Record& movie) {
    const GroupValues appeal = TitleAppeal(movie);
    const int32_t bonus = TitleCardBonus(gs, cat, boosters, c);
    for (int g = 0; g < kAudienceGroups; ++g)
        gs.Programme[c][h][Slot::kAppeal + g] = std::max(0, AddSaturated(appeal[g], bonus));
}

// A one-time licence is used up at the end of the title's last consecutive block.
void ConsumeTitle(GameState& gs, int c, int h, int32_t id) {
    if (h < kSlots && gs.Programme[c][h + 1][Slot::kProgramme] == id) return;
    for (int p = 1; p <= kArchivePositions; ++p) {
        if (gs.MovieArchive[c][p] == id) gs.MovieArchive[c][p] = 0;
    }
}

// An episode counts once, when a whole episode's blocks run back to back from this slot.
void CountEpisode(GameState& gs, const Record& series, int c, int h, int32_t id) {
    if (gs.Programme[c][h][Slot::kContinuesEpisode] != 0) return;
    const int32_t blocks = series[Movie::kLength];
    int run = 0;
    while (h + run <= kSlots && gs.Programme[c][h + run][Slot::kProgramme] == id)
        ++run;
    if (run < blocks) return;

    int32_t& shown = gs.EpisodesShown[c][id];
    for (int p = 1; p <= kArchivePositions; ++p) {
        if (gs.MovieArchive[c][p] == id) shown = AddSaturated(shown, 1);
    }
    for (int s = h + 1; s <= std::min(h + blocks - 1, kSlots); ++s)
        gs.Programme[c][s][Slot::kContinuesEpisode] = 1;
    if (shown < series[Movie::kEpisodes]) return;
    // The last episode is out: the series leaves the rest of the day and the archive.
    for (int s = std::max(h + blocks, h + 1); s <= kSlots; ++s) {
        if (gs.Programme[c][s][Slot::kProgramme] == id) gs.Programme[c][s][Slot::kProgramme] = 0;
    }
    shown = 0;
    for (int p = 1; p <= kArchivePositions; ++p) {
        if (gs.MovieArchive[c][p] == id) gs.MovieArchive[c][p] = 0;
    }
}

NewsMix MixOfHour(const GameState& gs, const Catalogue& cat, int c, int h) {
    if (!IsHumanRun(gs, c) || AutoPlay(gs)) {
        // Computer news desks follow the hour: gossip in the afternoon, politics late at night.
        if (h <= 3) return {0, 2, 1};
        if (h <= 8) return {1, 1, 1};
        return {3, 0, 0};
    }
    NewsMix mix;
    for (int i = 1; i <= kNewsShowPositions; ++i) {
        const int32_t id = gs.NewsShow[c][i];
        if (!ValidNews(id)) continue;
        const int32_t category = cat.NewsCatalogue[id][News::kCategory];
        mix.politics += category == News::kPolitics;
        mix.lifestyle += category == News::kStarsLifestyle;
        mix.sport += category == News::kSport;
    }
    return mix;
}

void RateNews(GameState& gs, const Catalogue& cat, const Boosters& boosters, int c, int h) {
    GroupValues appeal = NewsAppeal(MixOfHour(gs, cat, c, h));
    const auto cards = [&](int32_t card) { return CardsOf(gs, boosters, c, card); };
    int32_t bonus = 5 * cards(Card::kPaparazzi);
    if (SlotsWithNews(gs, c, 1, kSlots) > 6) bonus += 5 * cards(Card::kThemingNews);
    // The same news again and again wears viewers out, unless a star presents it.
    const int repeats = SlotsWithNews(gs, c, 1, h - 1);
    const bool wearDown = repeats > 2 && cards(Card::kStarModerator) == 0;
    for (int g = kTeens; g <= kSeniors; ++g) {
        appeal[g] += bonus;
        if (wearDown) appeal[g] /= repeats;
    }
    for (int g = 0; g < kAudienceGroups; ++g)
        gs.Programme[c][h][Slot::kAppeal + g] = appeal[g];
}

void RateAndConsume(GameState& gs, const Catalogue& cat, const Boosters& boosters, int c, int h) {
    const int32_t id = gs.Programme[c][h][Slot::kProgramme];
    if (id == Slot::kNewsShow) {
        RateNews(gs, cat, boosters, c, h);
        return;
    }
    if (!ValidMovie(id)) return;
    const Record& movie = cat.MovieCatalogue[id];
    RateTitle(gs, cat, boosters, c, h, movie);
    if (movie[Movie::kType] == Movie::kTypeSeries) {
        CountEpisode(gs, movie, c, h, id);
    } else {
        ConsumeTitle(gs, c, h, id);
    }
}

void DistributeAudience(GameState& gs, int h) {
    const bool holiday = IsHoliday(gs.GameInfo[Info::kTurn]);
    for (int r = 1; r <= kRegions; ++r) {
        const Record& region = gs.Regions[r];
        if (region[Reg::kExists] <= 0) continue;
        for (int g = 0; g < kAudienceGroups; ++g) {
            const int32_t p = region[Reg::kPopulation + g];
            const int64_t potential = PotentialViewers(p, g, h, holiday);
            std::array<int64_t, kChannels + 1> score{};
            int64_t total = 0;
            for (int c = 1; c <= kChannels; ++c) {
                const bool takesPart = InBusiness(gs, c) &&
                                       gs.Programme[c][h][Slot::kProgramme] != 0 &&
                                       HoldsLicence(gs, r, c);
                if (!takesPart) continue;
                score[c] = int64_t{gs.Programme[c][h][Slot::kAppeal + g]} +
                           gs.Popularity[r][c][Pop::kGroupFirst + g] / 2;
                total += score[c];
            }
            if (total == 0) total = 1;
            for (int c = 1; c <= kChannels; ++c) {
                if (score[c] == 0) continue;
                const int64_t share = std::min(score[c], score[c] * 100 / total);
                // A region gives a channel at most its own population; the channel's total is
                // the sum over every region it broadcasts in.
                const int64_t gained =
                    std::clamp<int64_t>(share * potential / 100, 0, std::max(p, 0));
                int32_t& viewers = gs.Programme[c][h][Slot::kViewers + g];
                viewers = std::max(0, AddSaturated(viewers, gained));
            }
        }
    }
}

int64_t PaymentPerSpot(const Record& ad) {
    return ad[Ad::kSpotsRequired] > 0 ? ad[Ad::kPayment] / ad[Ad::kSpotsRequired] : 0;
}

bool Qualifies(const Record& ad, const Record& slot) {
    return ad[Ad::kOpen] > 0 && AudienceForTarget(slot, ad[Ad::kTargetCode]) >= ad[Ad::kMinViewers];
}

std::string Quoted(const Catalogue& cat, int32_t id) {
    return "\"" + cat.AdNames[id] + "\"";
}

int FreeAcceptedPosition(const GameState& gs, int c) {
    for (int p = 1; p <= kAcceptedAdPositions; ++p) {
        if (gs.AcceptedAds[c][p] == 0) return p;
    }
    return 0;
}

// Computer channels (and an auto-played one) take the best-paying contract the hour can serve,
// accepting new ones from the pool when none of theirs qualifies.
void ChooseAd(GameState& gs, const Catalogue& cat, int c, int h) {
    const Record& slot = gs.Programme[c][h];
    int32_t choice = 0;
    for (int p = 1; p <= kAcceptedAdPositions; ++p) {
        const int32_t id = gs.AcceptedAds[c][p];
        if (!ValidAd(id) || !Qualifies(gs.AdPool[c][id], slot)) continue;
        if (choice == 0 || PaymentPerSpot(gs.AdPool[c][id]) > PaymentPerSpot(gs.AdPool[c][choice]))
            choice = id;
    }
    if (choice == 0) {
        bool first = true;
        for (int32_t id = 1; id <= kAds; ++id) {
            if (!Qualifies(gs.AdPool[c][id], slot)) continue;
            const bool better = first || (choice > 0 && PaymentPerSpot(gs.AdPool[c][id]) >
                                                            PaymentPerSpot(gs.AdPool[c][choice]));
            if (!better) continue;
            const int free = FreeAcceptedPosition(gs, c);
            if (free > 0) {
                gs.AcceptedAds[c][free] = id;
                if (!first) AddLogLine(gs, c, "* Ad contract " + Quoted(cat, id) + " accepted.");
                choice = id;
            }
            first = false;
        }
    }
    if (choice > 0) gs.Programme[c][h][Slot::kAd] = choice;
}

void BroadcastSpots(GameState& gs, const Catalogue& cat, int c, int h) {
    const int32_t id = gs.Programme[c][h][Slot::kAd];
    if (!ValidAd(id)) return;
    Record& ad = gs.AdPool[c][id];
    int32_t& done = gs.AdSpotsDone[c][id];
    if (done >= ad[Ad::kSpotsRequired]) return;
    if (AudienceForTarget(gs.Programme[c][h], ad[Ad::kTargetCode]) < ad[Ad::kMinViewers]) return;
    for (int spot = 0; spot < 2 && done < ad[Ad::kSpotsRequired]; ++spot) {
        ++done;
        AddLogLine(gs, c, "* Ad spot " + Quoted(cat, id) + " successfully broadcasted.");
        if (done < ad[Ad::kSpotsRequired]) continue;
        Credit(gs, c, ad[Ad::kPayment]);
        int32_t& income = gs.ChannelAccounts[c][Acc::kAdIncome];
        income = AddSaturated(income, ad[Ad::kPayment]);
        ad[Ad::kOpen] = 0;
        AddLogLine(gs, c,
                   "* Ad spot " + Quoted(cat, id) + " successfully fulfilled. $" +
                       FormatAmount(ad[Ad::kPayment]) + " millions cashed.");
        for (auto& entry : gs.AcceptedAds[c]) {
            if (entry == id) entry = 0;
        }
    }
}

}  // namespace

int32_t PotentialViewers(int32_t p, int group, int slot, bool holiday) {
    if (slot < 1 || slot > kSlots || group < 0 || group >= kAudienceGroups) return 0;
    if (holiday && (group == kTeens || group == kWomen || group == kMen)) return p;
    switch (kBands[group][slot]) {
        case kFull:
            return p;
        case kThreeQuarters:
            return p - p / 4;
        case kHalf:
            return p - p / 2;
        case kTwoThirds:
            return p - p / 3;
        case kNone:
            return 0;
    }
    return 0;
}

int32_t AudienceForTarget(const Record& slot, int32_t targetCode) {
    const auto viewers = [&](int g) { return int64_t{slot[Slot::kViewers + g]}; };
    int64_t sum = 0;
    switch (targetCode) {
        case 2:
            sum = viewers(kKids) + viewers(kTeens);
            break;
        case 3:
            sum = viewers(kWomen) + viewers(kMen) + viewers(kSeniors);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
            sum = viewers(targetCode - 4);
            break;
        default:
            for (int g = 0; g < kAudienceGroups; ++g)
                sum += viewers(g);
    }
    return SaturateToInt32(sum);
}

int32_t AudiencePercent(const Record& slot) {
    int64_t sum = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        sum += slot[Slot::kAppeal + g];
    return SaturateToInt32(sum / kAudienceGroups);
}

const char* AudienceVerdict(int32_t percent) {
    if (percent <= 2) return "This is really bad...";
    if (percent <= 5) return "Uh, oh...";
    if (percent <= 10) return "Boring...";
    if (percent <= 20) return "Average...";
    if (percent <= 30) return "Good!";
    if (percent <= 40) return "Very good!";
    return "Excellent!";
}

void SimulateDay(GameState& gs, const Catalogue& cat, const Boosters& boosters) {
    for (int c = 1; c <= kChannels; ++c) {
        for (int h = 1; h <= kSlots; ++h)
            std::fill(gs.Programme[c][h].begin() + 3, gs.Programme[c][h].end(), 0);
    }
    for (int h = 1; h <= kSlots; ++h) {
        for (int c = 1; c <= kChannels; ++c) {
            if (InBusiness(gs, c)) RateAndConsume(gs, cat, boosters, c, h);
        }
        DistributeAudience(gs, h);
        for (int c = 1; c <= kChannels; ++c) {
            if (InBusiness(gs, c) && (!IsHumanRun(gs, c) || AutoPlay(gs))) ChooseAd(gs, cat, c, h);
        }
        for (int c = 1; c <= kChannels; ++c) {
            if (InBusiness(gs, c)) BroadcastSpots(gs, cat, c, h);
        }
    }
}

}  // namespace qvx
