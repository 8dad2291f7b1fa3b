#include "Popularity.h"

#include "Formatting.h"
#include "Licences.h"

namespace qvx {

namespace {

// How much each hour counts for a group's impression of the day (slot 1..10, index 0 unused).
constexpr int32_t kWeights[kAudienceGroups][kSlots + 1] = {
    {0, 4, 4, 4, 4, 4, 4, 1, 1, 0, 0},  // Kids
    {0, 1, 1, 1, 1, 1, 1, 4, 4, 1, 1},  // Teens
    {0, 1, 1, 1, 4, 4, 4, 4, 4, 1, 1},  // Women
    {0, 0, 0, 0, 1, 1, 1, 4, 4, 1, 1},  // Men
    {0, 1, 1, 1, 1, 1, 1, 4, 4, 4, 4},  // Seniors
};
constexpr const char* kGroupWords[kAudienceGroups] = {
    "'s kids popularity in ", "'s teens popularity in ", "'s women popularity in ",
    "'s men popularity in ", "'s seniors popularity in "};

int64_t DayAverage(const GameState& gs, int c, int g) {
    int64_t weighted = 0, weights = 0;
    for (int s = 1; s <= kSlots; ++s) {
        const int32_t w = kWeights[g][s];
        if (w == 0) continue;
        weighted += int64_t{w} * gs.Programme[c][s][Slot::kAppeal + g];
        weights += w;
    }
    return weighted / weights;
}

}  // namespace

void UpdatePopularity(GameState& gs, Rng& rng) {
    for (int g = 0; g < kAudienceGroups; ++g) {
        for (int c = 1; c <= kChannels; ++c) {
            if (!InBusiness(gs, c)) continue;
            const int64_t avg = DayAverage(gs, c, g);
            for (int r = 1; r <= kRegions; ++r) {
                if (gs.Regions[r][Reg::kExists] <= 0 || !HoldsLicence(gs, r, c)) continue;
                int32_t& popularity = gs.Popularity[r][c][Pop::kGroupFirst + g];
                const int64_t d = avg - popularity / 2;
                const char* change = nullptr;
                if (d < 0 && rng.Random(100) <= -d) {
                    popularity -= 1;
                    change = " decreased.";
                    // Falling below 0 or rising above 100 is cut silently.
                    if (popularity < 0) {
                        popularity = 0;
                        change = nullptr;
                    }
                } else if (d > 0 && rng.Random(100) <= d) {
                    popularity = AddSaturated(popularity, 3);
                    change = " increased.";
                    if (popularity > 100) {
                        popularity = 100;
                        change = nullptr;
                    }
                }
                if (change != nullptr)
                    AddLogLine(gs, c,
                               gs.ChannelNames[c] + kGroupWords[g] + gs.RegionNames[r] + change);
            }
        }
    }
}

}  // namespace qvx
