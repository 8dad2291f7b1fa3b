#include "Popularity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DayTestSupport.h"

namespace qvx {
namespace {

using test::DayWorld;
using test::Five;

void SetAppeal(DayWorld& w, int c, int group, int32_t appeal) {
    for (int h = 1; h <= kSlots; ++h)
        w.gs.Programme[c][h][Slot::kAppeal + group] = appeal;
}

Five PopularityOf(const DayWorld& w, int r, int c) {
    Five out{};
    for (int g = 0; g < kAudienceGroups; ++g)
        out[static_cast<size_t>(g)] = w.gs.Popularity[r][c][Pop::kGroupFirst + g];
    return out;
}

void OneRegionOneChannel(DayWorld& w, Five popularity) {
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.AddRegion(2, "Southland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, true);
    w.GrantLicence(1, 1, popularity);
}

TEST(Popularity, DayAverageUsesTheHourWeightsAndTruncates) {
    DayWorld w;
    // Appeal 5 x slot in every group. Weighted sums / weights:
    // Kids 495/26 = 19, Teens 500/16 = 31, Women 725/25 = 29, Men 470/13 = 36, Seniors 785/22 = 35.
    // Each popularity is 2 x avg + 1, so d = 0: nothing changes and nothing is drawn.
    const Five popularity{39, 63, 59, 73, 71};
    OneRegionOneChannel(w, popularity);
    for (int h = 1; h <= kSlots; ++h) {
        for (int g = 0; g < kAudienceGroups; ++g)
            w.gs.Programme[1][h][Slot::kAppeal + g] = 5 * h;
    }
    Rng rng(77);
    UpdatePopularity(w.gs, rng);
    EXPECT_EQ(rng.State(), Rng(77).State());
    EXPECT_EQ(PopularityOf(w, 1, 1), popularity);
    EXPECT_TRUE(w.Lines(1).empty());
}

class CertainRise : public testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(CertainRise, NamesTheGroupAndStopsAtOneHundredSilently) {
    const auto [group, word] = GetParam();
    DayWorld w;
    OneRegionOneChannel(w, {});
    w.GrantLicence(2, 1);
    w.gs.Popularity[1][1][Pop::kGroupFirst + group] = 97;
    w.gs.Popularity[2][1][Pop::kGroupFirst + group] = 99;
    SetAppeal(w, 1, group, 250);  // d = 250 - 49 at least: certain
    Rng rng(5);
    UpdatePopularity(w.gs, rng);
    EXPECT_EQ(w.gs.Popularity[1][1][Pop::kGroupFirst + group], 100);
    EXPECT_EQ(w.gs.Popularity[2][1][Pop::kGroupFirst + group], 100);
    EXPECT_EQ(w.Lines(1), std::vector<std::string>{std::string("Red TV's ") + word +
                                                   " popularity in Northland increased."});
}

INSTANTIATE_TEST_SUITE_P(Groups, CertainRise,
                         testing::Values(std::pair{kKids, "kids"}, std::pair{kTeens, "teens"},
                                         std::pair{kWomen, "women"}, std::pair{kMen, "men"},
                                         std::pair{kSeniors, "seniors"}));

TEST(Popularity, FallStopsAtZeroSilently) {
    DayWorld w;
    OneRegionOneChannel(w, {});
    w.GrantLicence(2, 1, {1, 0, 0, 0, 0});
    SetAppeal(w, 1, kKids, -200);  // only reachable by hand, but the floor is a rule of its own
    Rng rng(5);
    UpdatePopularity(w.gs, rng);
    EXPECT_EQ(w.gs.Popularity[1][1][Pop::kGroupFirst + kKids], 0);
    EXPECT_EQ(w.gs.Popularity[2][1][Pop::kGroupFirst + kKids], 0);
    EXPECT_EQ(w.Lines(1),
              std::vector<std::string>{"Red TV's kids popularity in Southland decreased."});
}

TEST(Popularity, ChanceIncludesTheDrawEqualToTheGap) {
    // x is the first draw of the seed; a gap of exactly x changes, a gap of x - 1 does not.
    uint64_t seed = 0;
    int32_t x = 0;
    for (seed = 1; x < 1 || x > 20; ++seed)
        x = Rng(seed).Random(100);
    --seed;
    struct Case {
        int32_t appeal;
        int32_t after;
        const char* line;
    };
    // Popularity 40: half is 20.
    const Case cases[] = {{20 + x, 43, "Red TV's kids popularity in Northland increased."},
                          {20 + x - 1, 40, nullptr},
                          {20 - x, 39, "Red TV's kids popularity in Northland decreased."},
                          {20 - x + 1, 40, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.appeal);
        DayWorld w;
        OneRegionOneChannel(w, {40, 0, 0, 0, 0});
        SetAppeal(w, 1, kKids, c.appeal);
        Rng rng(seed);
        UpdatePopularity(w.gs, rng);
        EXPECT_EQ(w.gs.Popularity[1][1][Pop::kGroupFirst + kKids], c.after);
        EXPECT_EQ(w.Lines(1),
                  c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{});
    }
}

TEST(Popularity, NoLicenceOrNoRegionMeansNoChangeAndNoDraw) {
    DayWorld w;
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.OpenChannel(1, true);
    w.OpenChannel(2, false);
    w.OpenChannel(3, false);
    w.gs.Popularity[1][2] = Record{0, 0, 80, 80, 80, 80, 80};  // no licence
    w.GrantLicence(5, 3, {80, 80, 80, 80, 80});                // region 5 does not exist
    Rng rng(9);
    UpdatePopularity(w.gs, rng);
    EXPECT_EQ(rng.State(), Rng(9).State());
    EXPECT_EQ(PopularityOf(w, 1, 2), (Five{80, 80, 80, 80, 80}));
    EXPECT_EQ(PopularityOf(w, 5, 3), (Five{80, 80, 80, 80, 80}));
    for (int c = 1; c <= 3; ++c)
        EXPECT_TRUE(w.Lines(c).empty());
}

TEST(Popularity, DrawsGoGroupByGroupThenChannelThenRegion) {
    // Every (group, channel, region) has gap 50; which ones rise depends on the draw order.
    DayWorld w;
    w.AddRegion(1, "Northland", {10, 10, 10, 10, 10});
    w.AddRegion(2, "Southland", {10, 10, 10, 10, 10});
    for (int c = 1; c <= 2; ++c) {
        w.OpenChannel(c, c == 1);
        for (int r = 1; r <= 2; ++r)
            w.GrantLicence(r, c, {20, 20, 20, 20, 20});
        for (int g = 0; g < kAudienceGroups; ++g)
            SetAppeal(w, c, g, 60);
    }
    const auto risesInOrder = [](uint64_t seed, bool groupFirst) {
        Rng twin(seed);
        std::array<std::array<std::array<bool, 3>, 3>, kAudienceGroups> rises{};
        for (int outer = 0; outer < (groupFirst ? kAudienceGroups : 2); ++outer) {
            for (int inner = 0; inner < (groupFirst ? 2 : kAudienceGroups); ++inner) {
                const int g = groupFirst ? outer : inner;
                const int c = 1 + (groupFirst ? inner : outer);
                for (int r = 1; r <= 2; ++r)
                    rises[g][c][r] = twin.Random(100) <= 50;
            }
        }
        return rises;
    };
    constexpr uint64_t kSeed = 4242;
    const auto expected = risesInOrder(kSeed, true);
    ASSERT_NE(expected, risesInOrder(kSeed, false)) << "the seed must tell the orders apart";
    Rng rng(kSeed);
    UpdatePopularity(w.gs, rng);
    for (int g = 0; g < kAudienceGroups; ++g) {
        for (int c = 1; c <= 2; ++c) {
            for (int r = 1; r <= 2; ++r) {
                EXPECT_EQ(w.gs.Popularity[r][c][Pop::kGroupFirst + g], expected[g][c][r] ? 23 : 20)
                    << g << " " << c << " " << r;
            }
        }
    }
}

}  // namespace
}  // namespace qvx
