#include "Formatting.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace qvx {
namespace {

TEST(FormatAmount, GroupsThousandsAndKeepsTheSign) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0"},
        {5, "5"},
        {999, "999"},
        {1000, "1,000"},
        {1500, "1,500"},
        {-1500, "-1,500"},
        {100000, "100,000"},
        {1000001, "1,000,001"},
        {3500000, "3,500,000"},
        {-999, "-999"},
        // Past a billion every digit is kept instead of only the last nine.
        {1234567890, "1,234,567,890"},
        {INT32_MIN, "-2,147,483,648"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatAmount(value), text) << value;
}

TEST(IsHoliday, JulyAndDecemberOfEveryGameYear) {
    for (int turn : {6, 11, 18, 23, 30, 35, 234, 239})
        EXPECT_TRUE(IsHoliday(turn)) << turn;
    for (int turn : {1, 5, 7, 10, 12, 13, 17, 24, 0, -5})
        EXPECT_FALSE(IsHoliday(turn)) << turn;
}

TEST(AddLogLine, ReducesDoubleAmpersandsAndFillsTheLowestFreeLine) {
    auto gs = std::make_unique<GameState>();
    gs->GameLog[2][1] = "first";
    gs->GameLog[2][2] = " ";  // a single space counts as a free line
    ASSERT_TRUE(AddLogLine(*gs, 2, "Stars && Lifestyle && more &&& &"));
    EXPECT_EQ(gs->GameLog[2][2], "Stars & Lifestyle & more && &");
    ASSERT_TRUE(AddLogLine(*gs, 2, "third"));
    EXPECT_EQ(gs->GameLog[2][3], "third");
    EXPECT_TRUE(gs->GameLog[1][1].empty());
}

TEST(AddLogLine, FillsAGapInALoadedLogAndStartsOverAfterTheLogIsCleared) {
    auto gs = std::make_unique<GameState>();
    // A log read from a file may have free lines in the middle: the gap is the lowest free line.
    for (int line = 1; line <= 100; ++line)
        gs->GameLog[3][line] = "old " + std::to_string(line);
    gs->GameLog[3][3] = " ";
    ASSERT_TRUE(AddLogLine(*gs, 3, "into the gap"));
    EXPECT_EQ(gs->GameLog[3][3], "into the gap");
    ASSERT_TRUE(AddLogLine(*gs, 3, "after the old lines"));
    EXPECT_EQ(gs->GameLog[3][101], "after the old lines");
    // The next planning phase empties every line; the next message goes to line 1 again.
    for (auto& line : gs->GameLog[3])
        line.clear();
    ASSERT_TRUE(AddLogLine(*gs, 3, "a new day"));
    EXPECT_EQ(gs->GameLog[3][1], "a new day");
    EXPECT_TRUE(gs->GameLog[3][2].empty());
}

TEST(AddLogLine, TheLineAfterTheLastIsDroppedWithoutHarm) {
    auto gs = std::make_unique<GameState>();
    for (int i = 1; i <= kLogLines; ++i)
        ASSERT_TRUE(AddLogLine(*gs, 4, "line " + std::to_string(i)));
    EXPECT_FALSE(AddLogLine(*gs, 4, "one too many"));
    EXPECT_EQ(gs->GameLog[4][kLogLines], "line 5000");
    EXPECT_EQ(gs->GameLog[4][0], "");
}

TEST(HoldingValue, LargerBlocksAreWorthLessPerShare) {
    struct Case {
        int32_t held, total, price, bonus, expected;
    };
    // v = bonus + price - price div 5; factor by the block's percentage of all shares.
    const Case cases[] = {
        {199, 1000, 50, 0, 199 * 40},               // 19%: full value
        {200, 1000, 50, 0, 200 * (40 * 65 / 100)},  // 20%: 65 percent
        {250, 1000, 50, 0, 250 * 26},               // 25%
        {299, 1000, 50, 0, 299 * 26},
        {300, 1000, 50, 0, 300 * 20},    // 30%: 50 percent
        {400, 1000, 50, 0, 400 * 12},    // 40%: 30 percent
        {1000, 1000, 50, 0, 1000 * 12},  // 100%
        {1010, 1000, 50, 0, 0},          // 101%: more than all shares is worth nothing
        {250, 1000, 53, 7, 250 * ((7 + 53 - 10) * 65 / 100)},  // truncation inside the factor
        {10, 0, 50, 0, 0},                                     // no shares issued
    };
    for (const auto& c : cases)
        EXPECT_EQ(HoldingValue(c.held, c.total, c.price, c.bonus), c.expected)
            << c.held << "/" << c.total;
}

}  // namespace
}  // namespace qvx
