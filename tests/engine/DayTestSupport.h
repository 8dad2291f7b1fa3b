#pragma once
// A small hand-made world for the day, popularity, market and turn tests: a few regions of
// chosen populations, channels of chosen kind, a catalogue holding only the titles, ads and news
// a test puts in. Every expected number in those tests is worked out by hand from the rules.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Appeal.h"
#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"
#include "SimulateDay.h"

namespace qvx::test {

using Five = std::array<int32_t, kAudienceGroups>;  // Kids, Teens, Women, Men, Seniors

struct Ratings {
    int32_t action = 0, comedy = 0, romance = 0, sfx = 0, story = 0, cast = 0;
};

struct TitleData {
    int32_t type = Movie::kTypeMovie;
    int32_t genre = Genre::kWestern;
    int32_t length = 1;
    Ratings ratings{};
    int32_t stars = 3;
    int32_t episodes = 0;
    int32_t episodeMark = 0;
};

inline Record MakeTitle(const TitleData& t) {
    Record m{};
    m[Movie::kOnMarket] = 1;
    m[Movie::kType] = t.type;
    m[Movie::kGenre] = t.genre;
    m[Movie::kStars] = t.stars;
    m[Movie::kEpisodes] = t.episodes;
    m[Movie::kEpisodeMark] = t.episodeMark;
    m[Movie::kLength] = t.length;
    m[Movie::kPrice] = 100;
    m[Movie::kRatingAction] = t.ratings.action;
    m[Movie::kRatingComedy] = t.ratings.comedy;
    m[Movie::kRatingRomance] = t.ratings.romance;
    m[Movie::kRatingSfx] = t.ratings.sfx;
    m[Movie::kRatingStory] = t.ratings.story;
    m[Movie::kRatingCast] = t.ratings.cast;
    return m;
}

// All six ratings 50, Western, five blocks (no length bonus for anybody): its appeal is
// Kids 200*100/750 = 26, Teens 50*100/650 = 7, Women 150*100/750 = 20,
// Men (100+25)*100/500 = 25, Seniors 150*100/650 = 23.
inline const TitleData kPlainWestern{
    Movie::kTypeMovie, Genre::kWestern, 5, {50, 50, 50, 50, 50, 50}};
inline constexpr Five kPlainWesternAppeal{26, 7, 20, 25, 23};

struct ContractData {
    int32_t spots = 8;
    int32_t target = 1;
    int32_t minViewers = 1;
    int32_t payment = 800;
    int32_t open = 1;
};

class DayWorld {
  public:
    DayWorld() {
        ClearGame(gs);
        gs.CurrentGame = 1;
        gs.PlayerChannel = 1;
        gs.ViewedChannel = 1;
        gs.GameInfo[Info::kTurn] = 1;
        gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
        gs.GameInfo[Info::kWeekday] = 4;
        gs.GameInfo[Info::kMap] = 1;
        gs.GameInfo[Info::kScenarioKind] = 1;
        gs.GameInfo[Info::kTurnCount] = 120;
        const char* names[] = {"", "Red TV", "Yellow TV", "Green TV", "Blue TV"};
        for (int c = 1; c <= kChannels; ++c)
            gs.ChannelNames[c] = names[c];
        for (int j = 1; j <= kAds; ++j)
            cat.AdNames[j] = "Brand " + std::to_string(j);
    }
    DayWorld(const DayWorld&) = delete;
    DayWorld& operator=(const DayWorld&) = delete;

    void AddRegion(int r, const std::string& name, Five population, int32_t stationCost = 0) {
        gs.Regions[r][Reg::kExists] = 1;
        for (int g = 0; g < kAudienceGroups; ++g)
            gs.Regions[r][Reg::kPopulation + g] = population[static_cast<size_t>(g)];
        gs.Regions[r][Reg::kRegionMonthlyCost] = stationCost;
        gs.RegionNames[r] = name;
    }
    void OpenChannel(int c, bool human, int32_t money = 10000) {
        gs.Channel[c][Ch::kActive] = 1;
        gs.Channel[c][Ch::kHuman] = human ? 1 : 0;
        gs.Channel[c][Ch::kMoney] = money;
        gs.ChannelAccounts[c][Acc::kSharePrice] = 50;
        gs.ChannelAccounts[c][Acc::kSharesIssued] = 1000;
        if (human) gs.PlayerChannel = c;
    }
    void GrantLicence(int r, int c, Five popularity = {}) {
        gs.Licences[r][c] = 1;
        for (int g = 0; g < kAudienceGroups; ++g)
            gs.Popularity[r][c][Pop::kGroupFirst + g] = popularity[static_cast<size_t>(g)];
    }
    void PutTitle(int32_t id, const TitleData& t) { cat.MovieCatalogue[id] = MakeTitle(t); }
    void PutNews(int32_t id, int32_t category) {
        cat.NewsCatalogue[id][News::kAvailable] = 1;
        cat.NewsCatalogue[id][News::kCategory] = category;
    }
    void PutContract(int c, int32_t id, const ContractData& s) {
        Record& ad = gs.AdPool[c][id];
        ad[Ad::kOpen] = s.open;
        ad[Ad::kKind] = 1;
        ad[Ad::kSpotsRequired] = s.spots;
        ad[Ad::kTargetCode] = s.target;
        ad[Ad::kMinViewers] = s.minViewers;
        ad[Ad::kPayment] = s.payment;
        ad[Ad::kPaymentTenth] = s.payment / 10;
    }
    void SetSlot(int c, int h, int32_t programme, int32_t ad = 0) {
        gs.Programme[c][h][Slot::kProgramme] = programme;
        gs.Programme[c][h][Slot::kAd] = ad;
    }
    void SetSlots(int c, std::initializer_list<int> slots, int32_t programme) {
        for (const int h : slots)
            gs.Programme[c][h][Slot::kProgramme] = programme;
    }
    void SetDeck(std::initializer_list<int32_t> cards) {
        deck.ActiveBoosters.fill(0);
        int i = 1;
        for (const int32_t card : cards)
            deck.ActiveBoosters[static_cast<size_t>(i++)] = card;
    }
    void Simulate() { SimulateDay(gs, cat, deck); }

    Five Appeals(int c, int h) const { return Fields(c, h, Slot::kAppeal); }
    Five Viewers(int c, int h) const { return Fields(c, h, Slot::kViewers); }
    std::vector<std::string> Lines(int c) const {
        std::vector<std::string> out;
        for (int i = 1; i <= kLogLines; ++i) {
            const std::string& line = gs.GameLog[c][i];
            if (!line.empty() && line != " ") out.push_back(line);
        }
        return out;
    }
    std::vector<std::string> LinesWith(int c, const std::string& part) const {
        std::vector<std::string> out;
        for (const std::string& line : Lines(c)) {
            if (line.find(part) != std::string::npos) out.push_back(line);
        }
        return out;
    }

  private:
    Five Fields(int c, int h, int first) const {
        Five out{};
        for (int g = 0; g < kAudienceGroups; ++g)
            out[static_cast<size_t>(g)] = gs.Programme[c][h][first + g];
        return out;
    }
    std::unique_ptr<GameState> m_state = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> m_catalogue = std::make_unique<Catalogue>();

  public:
    GameState& gs = *m_state;
    Catalogue& cat = *m_catalogue;
    Boosters deck{};
};

// Names the cases of a parameterised test after their `name` member.
struct CaseName {
    template <class P>
    std::string operator()(const testing::TestParamInfo<P>& tp) const {
        return tp.param.name;
    }
};

// A seed whose first draws are exactly `draws` (each drawn with Random(100)), so that a test can
// steer the rolls of an operation that starts drawing on a fresh generator.
inline uint64_t SeedWithFirstDraws(std::initializer_list<int32_t> draws) {
    for (uint64_t seed = 1; seed < 50'000'000; ++seed) {
        Rng rng(seed);
        bool match = true;
        for (const int32_t d : draws)
            match = match && rng.Random(100) == d;
        if (match) return seed;
    }
    return 0;
}

}  // namespace qvx::test
