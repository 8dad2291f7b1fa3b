#include "GameState.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::Differences;
using test::Names;

TEST(ClearGame, EmptiesEveryTableAndSetsTheClock) {
    const struct {
        void (*clear)(GameState&);
        int32_t clockHour;
    } cases[] = {{ClearGame, 0}, {ClearGameForLoading, 8}};
    for (const auto& c : cases) {
        auto gs = std::make_unique<GameState>();
        test::FillGame(*gs, 7);
        c.clear(*gs);
        auto expected = std::make_unique<GameState>();
        // Who plays and whether a game runs belong to the caller, not to the tables.
        expected->CurrentGame = gs->CurrentGame;
        expected->PlayerChannel = gs->PlayerChannel;
        expected->ViewedChannel = gs->ViewedChannel;
        expected->RunningGameFlag = gs->RunningGameFlag;
        expected->ClockHour = c.clockHour;
        EXPECT_EQ(Differences(*expected, *gs), Names{}) << "clock " << c.clockHour;
    }
}

TEST(Money, PayRefusesWhatCannotBeAffordedAndBothSaturate) {
    enum Op { kPay, kCredit };
    const struct {
        Op op;
        int32_t money, amount, expected;
    } cases[] = {
        {kPay, 100, 100, 0},
        {kPay, 99, 100, 99},  // refused: nothing is taken, not even a part
        {kPay, -5, 1, -5},
        {kPay, 100, 0, 100},
        {kPay, INT32_MAX, -1, INT32_MAX},
        {kPay, 0, INT32_MIN, INT32_MAX},
        {kCredit, -100, 50, -50},
        {kCredit, INT32_MAX - 5, 10, INT32_MAX},
        {kCredit, INT32_MIN + 5, -10, INT32_MIN},
        {kCredit, INT32_MAX, INT32_MAX, INT32_MAX},
        {kCredit, INT32_MIN, INT32_MIN, INT32_MIN},
    };
    for (const auto& c : cases) {
        auto gs = std::make_unique<GameState>();
        for (int ch = 1; ch <= kChannels; ++ch)
            gs->Channel[ch][Ch::kMoney] = 1000 + ch;
        gs->Channel[3][Ch::kMoney] = c.money;
        if (c.op == kPay) {
            EXPECT_EQ(CanAfford(*gs, 3, c.amount), c.money >= c.amount);
            Pay(*gs, 3, c.amount);
        } else {
            Credit(*gs, 3, c.amount);
        }
        EXPECT_EQ(gs->Channel[3][Ch::kMoney], c.expected)
            << (c.op == kPay ? "pay " : "credit ") << c.amount << " from " << c.money;
        for (int ch : {1, 2, 4})
            EXPECT_EQ(gs->Channel[ch][Ch::kMoney], 1000 + ch);
    }
}

TEST(AddSaturated, ClampsAtBothEndsOfTheInt32Range) {
    constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
    constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();
    EXPECT_EQ(AddSaturated(-100, 50), -50);
    EXPECT_EQ(AddSaturated(INT32_MAX - 5, 5), INT32_MAX);
    EXPECT_EQ(AddSaturated(INT32_MAX - 5, 6), INT32_MAX);
    EXPECT_EQ(AddSaturated(INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(AddSaturated(INT32_MIN + 5, -5), INT32_MIN);
    EXPECT_EQ(AddSaturated(INT32_MIN + 5, -6), INT32_MIN);
    EXPECT_EQ(AddSaturated(INT32_MIN, INT32_MIN), INT32_MIN);
    // A 64-bit amount is added whole, not clamped first: back into range from the other end.
    EXPECT_EQ(AddSaturated(INT32_MIN, int64_t{INT32_MAX} + 10), 9);
    EXPECT_EQ(AddSaturated(INT32_MAX, int64_t{INT32_MIN} - 10), -11);
    // Amounts at the ends of the 64-bit range saturate without overflowing on the way.
    EXPECT_EQ(AddSaturated(1, kInt64Max), INT32_MAX);
    EXPECT_EQ(AddSaturated(-1, kInt64Min), INT32_MIN);
    EXPECT_EQ(AddSaturated(INT32_MIN, kInt64Max), INT32_MAX);
}

TEST(ValidIndices, AcceptExactlyTheTablesRanges) {
    EXPECT_FALSE(ValidChannel(0));
    EXPECT_TRUE(ValidChannel(1));
    EXPECT_TRUE(ValidChannel(kChannels));
    EXPECT_FALSE(ValidChannel(kChannels + 1));
    const struct {
        bool (*valid)(int32_t);
        int32_t last;
    } catalogues[] = {{ValidMovie, 500}, {ValidAd, 100}, {ValidNews, 250}};
    for (const auto& c : catalogues) {
        EXPECT_FALSE(c.valid(INT32_MIN)) << c.last;
        EXPECT_FALSE(c.valid(0)) << c.last;
        EXPECT_TRUE(c.valid(1)) << c.last;
        EXPECT_TRUE(c.valid(c.last)) << c.last;
        EXPECT_FALSE(c.valid(c.last + 1)) << c.last;
    }
}

TEST(RecordAction, FillsTheLowestFreeEntryAndRefusesTheOneAfterTheLast) {
    auto gs = std::make_unique<GameState>();
    for (int i = 1; i <= kJournalEntries; ++i)
        ASSERT_TRUE(RecordAction(*gs, 2, JournalKind::SwapAdArchive, i, -i)) << i;
    EXPECT_EQ(gs->ActionJournal[2][kJournalEntries],
              (JournalEntry{JournalKind::SwapAdArchive, kJournalEntries, -kJournalEntries}));

    const auto before = gs->ActionJournal;
    EXPECT_FALSE(RecordAction(*gs, 2, JournalKind::BuyBackBonds, 9, 9));
    EXPECT_TRUE(gs->ActionJournal == before);
    // Each channel has a journal of its own.
    ASSERT_TRUE(RecordAction(*gs, 1, JournalKind::AcceptAd, 4, 5));
    EXPECT_EQ(gs->ActionJournal[1][1], (JournalEntry{JournalKind::AcceptAd, 4, 5}));

    gs->ActionJournal[2][17] = JournalEntry{};
    ASSERT_TRUE(RecordAction(*gs, 2, JournalKind::SellShares, 1, 2));
    EXPECT_EQ(gs->ActionJournal[2][17], (JournalEntry{JournalKind::SellShares, 1, 2}));

    ClearActionJournals(*gs);
    for (int ch = 1; ch <= kChannels; ++ch) {
        for (const auto& e : gs->ActionJournal[ch])
            ASSERT_EQ(e, JournalEntry{});
    }
    ASSERT_TRUE(RecordAction(*gs, 2, JournalKind::IssueBonds, 0, 0));
    EXPECT_EQ(gs->ActionJournal[2][1].kind, JournalKind::IssueBonds);
}

TEST(BoosterCount, CountsTheFiveDeckSlots) {
    Boosters deck;
    deck.ActiveBoosters = {0, 3, 3, 0, 20, 3};
    const std::pair<int32_t, int> cases[] = {{3, 3}, {20, 1}, {0, 1}, {7, 0}, {1, 0}};
    for (const auto& [id, count] : cases)
        EXPECT_EQ(BoosterCount(deck, id), count) << id;
}

}  // namespace
}  // namespace qvx
