#include "Highscores.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::IntAt;
using test::ReadBytes;
using test::RecordAt;
using test::TempDir;
using test::WriteBytes;

constexpr const char* kInt = "QVX2_Highscores.int";
constexpr const char* kStr = "QVX2_Highscores.str";

// Every entry distinct, so that a value read from the wrong place shows.
HighscoreTable Numbered() {
    HighscoreTable t;
    for (int list = 1; list <= kHighscoreLists; ++list) {
        for (int i = 1; i <= kHighscoreEntries; ++i) {
            t.lists[list][i] = {list * 1000 - i,
                                "L" + std::to_string(list) + "E" + std::to_string(i),
                                (list + i) % 8 + 1};
        }
    }
    return t;
}

TEST(HighscoreFiles, LayoutScoresThenLogosAndOneNameRecordPerEntry) {
    TempDir dir;
    HighscoreTable t = Numbered();
    t.lists[1][1].name = "Caf\u00e9 \u20ac";
    t.lists[30][10].score = -7;
    ASSERT_TRUE(SaveHighscores(t, dir.path()));

    const auto ints = ReadBytes(dir.path() / kInt);
    const auto strs = ReadBytes(dir.path() / kStr);
    ASSERT_EQ(ints.size(), 2400u);
    ASSERT_EQ(strs.size(), 76800u);
    EXPECT_EQ(IntAt(ints, 0), 999);
    EXPECT_EQ(IntAt(ints, 9), 990);    // list 1 entry 10
    EXPECT_EQ(IntAt(ints, 10), 1999);  // list 2 entry 1
    EXPECT_EQ(IntAt(ints, 299), -7);   // list 30 entry 10
    EXPECT_EQ(IntAt(ints, 300), 3);    // logo of list 1 entry 1
    EXPECT_EQ(IntAt(ints, 311), 5);    // logo of list 2 entry 2
    EXPECT_EQ(IntAt(ints, 599), 1);    // logo of list 30 entry 10
    EXPECT_EQ(RecordAt(strs, 0), "Caf\xE9 \x80");
    EXPECT_EQ(RecordAt(strs, 24), "L3E5");
    EXPECT_EQ(RecordAt(strs, 299), "L30E10");

    HighscoreTable back;
    Rng rng(5);
    const uint64_t state = rng.State();
    EXPECT_TRUE(LoadHighscores(back, dir.path(), rng));
    EXPECT_EQ(rng.State(), state);  // nothing was reset
    EXPECT_EQ(back.lists, t.lists);
}

TEST(HighscoreFiles, LogosOutsideOneToEightReadAsOne) {
    TempDir dir;
    ASSERT_TRUE(SaveHighscores(Numbered(), dir.path()));
    auto ints = ReadBytes(dir.path() / kInt);
    const auto putInt = [&](size_t index, uint32_t v) {
        for (size_t b = 0; b < 4; ++b)
            ints[index * 4 + b] = static_cast<uint8_t>(v >> (8 * b));
    };
    putInt(300, 0);
    putInt(301, 9);
    putInt(302, 0xFFFFFFFFu);
    putInt(303, 8);
    WriteBytes(dir.path() / kInt, ints);

    HighscoreTable back;
    Rng rng(1);
    ASSERT_TRUE(LoadHighscores(back, dir.path(), rng));
    EXPECT_EQ(back.lists[1][1].logo, 1);
    EXPECT_EQ(back.lists[1][2].logo, 1);
    EXPECT_EQ(back.lists[1][3].logo, 1);
    EXPECT_EQ(back.lists[1][4].logo, 8);
    EXPECT_EQ(back.lists[1][1].score, 999);
}

bool NonIncreasing(const HighscoreTable& t) {
    for (int list = 1; list <= kHighscoreLists; ++list) {
        for (int i = 2; i <= kHighscoreEntries; ++i) {
            if (t.lists[list][i].score > t.lists[list][i - 1].score) return false;
        }
    }
    return true;
}

// Damage done to a saved pair before loading it.
struct DamageCase {
    const char* name;
    void (*damage)(const std::filesystem::path& dir);
};

class DamagedHighscoreFiles : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedHighscoreFiles, AreReplacedByAFreshReset) {
    TempDir dir;
    ASSERT_TRUE(SaveHighscores(Numbered(), dir.path()));
    GetParam().damage(dir.path());

    HighscoreTable t = Numbered();
    Rng rng(77);
    const Status s = LoadHighscores(t, dir.path(), rng);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("reset"), std::string::npos) << s.message();
    EXPECT_TRUE(NonIncreasing(t));
    EXPECT_NE(t.lists[3][5].name, "L3E5");

    EXPECT_EQ(ReadBytes(dir.path() / kInt).size(), 2400u);
    EXPECT_EQ(ReadBytes(dir.path() / kStr).size(), 76800u);
    HighscoreTable again;
    EXPECT_TRUE(LoadHighscores(again, dir.path(), rng));
    EXPECT_EQ(again.lists, t.lists);
}

void Truncate(const std::filesystem::path& file, size_t bytes) {
    auto content = ReadBytes(file);
    content.resize(bytes);
    WriteBytes(file, content);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedHighscoreFiles,
    testing::Values(
        DamageCase{"BothMissing",
                   [](const std::filesystem::path& d) {
                       std::filesystem::remove(d / kInt);
                       std::filesystem::remove(d / kStr);
                   }},
        DamageCase{"NamesMissing",
                   [](const std::filesystem::path& d) { std::filesystem::remove(d / kStr); }},
        DamageCase{"ScoresShortByOneByte",
                   [](const std::filesystem::path& d) { Truncate(d / kInt, 2399); }},
        DamageCase{"NamesShortByOneRecord",
                   [](const std::filesystem::path& d) { Truncate(d / kStr, 76800 - 256); }},
        DamageCase{"ScoresEmpty", [](const std::filesystem::path& d) { Truncate(d / kInt, 0); }},
        DamageCase{"ScoresTooLong",
                   [](const std::filesystem::path& d) { Truncate(d / kInt, 2404); }}),
    [](const testing::TestParamInfo<DamageCase>& p) { return p.param.name; });

// List 1 scores 1000, 900, ..., 100 by companies "A" .. "J".
HighscoreTable Tens() {
    HighscoreTable t;
    for (int i = 1; i <= kHighscoreEntries; ++i)
        t.lists[1][i] = {1100 - 100 * i, std::string(1, static_cast<char>('A' + i - 1)), 2};
    return t;
}

struct PositionCase {
    const char* name;
    int list;
    int32_t score;
    const char* company;
    int expected;
};

class HighscorePositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(HighscorePositionTest, FirstEntryNotAboveTheScoreUnlessTheSameCompanyIsAbove) {
    const PositionCase& p = GetParam();
    EXPECT_EQ(HighscorePosition(Tens(), p.list, {p.score, p.company, 3}), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HighscorePositionTest,
    testing::Values(PositionCase{"EqualToEntry5", 1, 600, "New", 5},
                    PositionCase{"JustAboveEntry5", 1, 601, "New", 5},
                    PositionCase{"Best", 1, 5000, "New", 1},
                    PositionCase{"EqualToTheLast", 1, 100, "New", 10},
                    PositionCase{"BelowAll", 1, 99, "New", 0},
                    PositionCase{"SameNameAsEntry2Above", 1, 700, "B", 0},
                    PositionCase{"SameNameAsEntry2AtItsPlace", 1, 900, "B", 2},
                    PositionCase{"SameNameAsEntry7Below", 1, 700, "G", 4},
                    PositionCase{"SameNameAsEntry1BeatingIt", 1, 1000, "A", 1},
                    PositionCase{"ListZero", 0, 5000, "New", 0},
                    PositionCase{"ListThirtyOne", 31, 5000, "New", 0},
                    // Other lists are empty (all scores 0): any score from 0 up enters first.
                    PositionCase{"EmptyList", 30, 0, "New", 1}),
    [](const testing::TestParamInfo<PositionCase>& p) { return p.param.name; });

TEST(InsertHighscore, PushesTheEntriesFromItsPlaceDown) {
    HighscoreTable t = Tens();
    EXPECT_EQ(InsertHighscore(t, 1, {600, "New", 7}), 5);
    const auto& l = t.lists[1];
    EXPECT_EQ(l[4], (HighscoreEntry{700, "D", 2}));
    EXPECT_EQ(l[5], (HighscoreEntry{600, "New", 7}));
    EXPECT_EQ(l[6], (HighscoreEntry{600, "E", 2}));
    EXPECT_EQ(l[10], (HighscoreEntry{200, "I", 2}));  // "J" is gone

    // The same company again at its own score: a second entry, the first one pushed down.
    EXPECT_EQ(InsertHighscore(t, 1, {900, "B", 1}), 2);
    EXPECT_EQ(t.lists[1][2], (HighscoreEntry{900, "B", 1}));
    EXPECT_EQ(t.lists[1][3], (HighscoreEntry{900, "B", 2}));

    const HighscoreTable before = t;
    EXPECT_EQ(InsertHighscore(t, 1, {800, "B", 1}), 0);
    EXPECT_EQ(t.lists, before.lists);
}

TEST(ResetHighscores, ListsDescendFromTheirBaseWithExampleNames) {
    // B(L) for L = 1..30.
    constexpr int32_t kBase[31] = {0,      200000, 300000, 100000, 100000, 100000, 100000, 120000,
                                   80000,  80000,  80000,  350000, 500000, 250000, 250000, 250000,
                                   200000, 300000, 100000, 100000, 100000, 60000,  80000,  50000,
                                   50000,  50000,  200000, 300000, 100000, 100000, 100000};
    const auto& names = HighscoreExampleNames();
    const std::set<std::string> nameSet(names.begin(), names.end());
    ASSERT_EQ(nameSet.size(), 30u);
    EXPECT_EQ(nameSet.count(""), 0u);

    int firstNameAtTop = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        HighscoreTable t;
        Rng rng(seed);
        ResetHighscores(t, rng);
        ASSERT_TRUE(NonIncreasing(t)) << seed;
        for (int list = 1; list <= kHighscoreLists; ++list) {
            const int32_t top = t.lists[list][1].score;
            EXPECT_GE(top, kBase[list]) << list;
            EXPECT_LT(top, kBase[list] + 10000) << list;
            for (int i = 1; i <= kHighscoreEntries; ++i) {
                const HighscoreEntry& e = t.lists[list][i];
                EXPECT_EQ(nameSet.count(e.name), 1u) << e.name;
                EXPECT_GE(e.logo, 1);
                EXPECT_LE(e.logo, 4);
                if (e.name == names[0]) {
                    EXPECT_LE(i, 3) << "seed " << seed << " list " << list;
                    ++firstNameAtTop;
                }
            }
        }
    }
    EXPECT_GT(firstNameAtTop, 0);
}

TEST(ResetHighscores, DrawsScoreThenLogoThenName) {
    HighscoreTable t;
    Rng rng(2024);
    ResetHighscores(t, rng);
    Rng twin(2024);
    const int32_t score = 200000 + twin.Random(10000);
    const int32_t logo = twin.Random(4) + 1;
    const int32_t name = twin.Random(30);
    EXPECT_EQ(t.lists[1][1],
              (HighscoreEntry{score, HighscoreExampleNames()[static_cast<size_t>(name)], logo}));
}

TEST(EnterHighscore, EntersListOneAndWritesThePairBack) {
    TempDir dir;
    Rng rng(3);
    int position = -1;
    ASSERT_TRUE(EnterHighscore({900000, "Night Owl TV", 6}, dir.path(), rng, &position));
    EXPECT_EQ(position, 1);

    HighscoreTable t;
    ASSERT_TRUE(LoadHighscores(t, dir.path(), rng));
    EXPECT_EQ(t.lists[1][1], (HighscoreEntry{900000, "Night Owl TV", 6}));
    EXPECT_TRUE(NonIncreasing(t));

    // Same company, second best: its better result stands above, so nothing changes.
    ASSERT_TRUE(
        EnterHighscore({t.lists[1][2].score, "Night Owl TV", 6}, dir.path(), rng, &position));
    EXPECT_EQ(position, 0);
    HighscoreTable after;
    ASSERT_TRUE(LoadHighscores(after, dir.path(), rng));
    EXPECT_EQ(after.lists, t.lists);
}

}  // namespace
}  // namespace qvx
