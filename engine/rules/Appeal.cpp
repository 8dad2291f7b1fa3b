#include "Appeal.h"

#include <initializer_list>

namespace qvx {

namespace {

bool In(int32_t genre, std::initializer_list<int32_t> genres) {
    for (const int32_t g : genres) {
        if (g == genre) return true;
    }
    return false;
}

// Every rating above 90 earns a bonus of 50.
int64_t Excellent(std::initializer_list<int64_t> ratings) {
    int64_t n = 0;
    for (const int64_t r : ratings)
        n += r > 90 ? 1 : 0;
    return n;
}

int32_t Scaled(int64_t raw, int32_t divisor) {
    return SaturateToInt32(raw * 100 / divisor);
}

}  // namespace

GroupValues TitleAppeal(const Record& movie) {
    using namespace Genre;
    const int64_t a = movie[Movie::kRatingAction], c = movie[Movie::kRatingComedy],
                  r = movie[Movie::kRatingRomance], x = movie[Movie::kRatingSfx],
                  s = movie[Movie::kRatingStory], k = movie[Movie::kRatingCast];
    const int32_t g = movie[Movie::kGenre];
    const int32_t b = movie[Movie::kLength];

    int64_t kids = a + 2 * c + x + s + 50 * Excellent({a, c, x, s}) - r;
    if (In(g, {kCartoon, kComedy})) kids += 25;
    if (b == 1 || b == 2) kids += 25;
    if (In(g, {kThriller, kWar, kLove, kCultural})) kids = 0;

    // Action above 90 counts twice for teens.
    int64_t teens = 2 * a + x + k + 50 * (2 * Excellent({a}) + Excellent({x, k})) - r - 2 * c;
    if (In(g, {kAction, kCrime, kWar, kSport, kThriller, kSciFi, kAncient})) teens += 25;
    if (b == 2 || b == 3) teens += 25;

    int64_t women = c + 2 * r + s + k + 50 * Excellent({c, r, s, k}) - a - x;
    if (In(g, {kLove, kQuiz, kCultural, kSoap, kComedy, kDrama})) women += 25;
    if (g == kLove) women += 25;
    if (b == 2 || b == 3) women += 25;

    int64_t men = a + x + k + 50 * Excellent({a, x, k}) - c;
    if (In(g, {kAction, kCrime, kWar, kSport, kWestern, kSciFi, kThriller, kAncient, kDrama}))
        men += 25;
    if (b == 2) men += 25;

    int64_t seniors = a + c + r + s + 50 * Excellent({a, c, r, s}) - x;
    if (In(g, {kCrime, kWar, kQuiz, kCultural, kSoap, kDrama})) seniors += 25;
    if (b == 4) seniors += 25;

    return {Scaled(kids, 750), Scaled(teens, 650), Scaled(women, 750), Scaled(men, 500),
            Scaled(seniors, 650)};
}

GroupValues NewsAppeal(const NewsMix& mix) {
    return {0, 25 * mix.sport, 25 * mix.lifestyle, (25 * mix.politics) / 2 + (25 * mix.sport) / 2,
            25 * mix.politics};
}

}  // namespace qvx
