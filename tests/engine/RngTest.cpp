#include "Rng.h"

#include <gtest/gtest.h>

#include <array>

namespace qvx {
namespace {

TEST(Rng, ASeedReplaysTheSameDraws) {
    Rng a(42), b(42), c(43);
    int differences = 0;
    for (int i = 0; i < 1000; ++i) {
        const int32_t x = a.Random(1000);
        EXPECT_EQ(x, b.Random(1000));
        differences += x != c.Random(1000);
    }
    EXPECT_GT(differences, 900);
}

TEST(Rng, RandomStaysInItsRangeAndCoversIt) {
    Rng rng(7);
    for (const int32_t n : {0, -5, INT32_MIN})
        EXPECT_EQ(rng.Random(n), 0) << n;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(rng.Random(1), 0);
    std::array<int, 6> seen{};
    for (int i = 0; i < 6000; ++i) {
        const int32_t x = rng.Random(6);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 6);
        ++seen[x];
    }
    for (const int count : seen)
        EXPECT_NEAR(count, 1000, 150);
    for (int i = 0; i < 1000; ++i) {
        const int32_t x = rng.Random(INT32_MAX);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, INT32_MAX);
    }
}

}  // namespace
}  // namespace qvx
