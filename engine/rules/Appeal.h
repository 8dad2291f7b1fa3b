#pragma once
// How much each audience group likes an hour of programme, 0 and up (about 0..100).
#include <array>
#include <cstdint>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

constexpr int kKids = 0, kTeens = 1, kWomen = 2, kMen = 3, kSeniors = 4;
using GroupValues = std::array<int32_t, kAudienceGroups>;

namespace Genre {
constexpr int32_t kAction = 1, kCartoon = 2, kCrime = 3, kLove = 4, kThriller = 5, kQuiz = 6,
                  kCultural = 7, kSoap = 8, kSport = 9, kWar = 10, kWestern = 11, kComedy = 12,
                  kAncient = 13, kDrama = 14, kSciFi = 15;
}

// The appeal of a title from its ratings, genre and length, before any card bonus and before
// negative values are cut to 0.
GroupValues TitleAppeal(const Record& movie);

// News categories of the three news items shown: counts of Politics, Stars & Lifestyle, Sport.
struct NewsMix {
    int32_t politics = 0, lifestyle = 0, sport = 0;
};
// The appeal of a news show of that mix, before cards and wear-down (Kids never watch news).
GroupValues NewsAppeal(const NewsMix& mix);

}  // namespace qvx
