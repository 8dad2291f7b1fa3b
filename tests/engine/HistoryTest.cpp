#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "BinaryFile.h"
#include "DayTestSupport.h"
#include "EngineTestSupport.h"
#include "HistoryFile.h"
#include "PlanningPhase.h"
#include "SaveGame.h"
#include "Shares.h"
#include "TurnHistory.h"

namespace qvx {
namespace {

namespace fs = std::filesystem;
using test::IntAt;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

HistoryEntry Entry(int32_t turn, int32_t base) {
    HistoryEntry e;
    e.turn = turn;
    for (int c = 1; c <= kChannels; ++c)
        e.companies[c] = {1, base * c, base * c + 7, c * 3, 100 + c};
    return e;
}

// Three turns; company 4 went bankrupt after the first, and company 1 is in debt.
GameHistory SampleHistory() {
    GameHistory h;
    for (int32_t turn = 1; turn <= 3; ++turn)
        h.entries.push_back(Entry(turn, 1000 * turn));
    h.entries[1].companies[4] = {};
    h.entries[2].companies[4] = {};
    h.entries[2].companies[1].funds = -2500;
    return h;
}

std::unique_ptr<GameState> GameWithHistory() {
    auto gs = std::make_unique<GameState>();
    test::FillGame(*gs, 4);
    gs->GameInfo[Info::kTurn] = 3;
    gs->History = SampleHistory();
    return gs;
}

fs::path HistPath(const TempDir& dir, int slot) {
    return dir.path() / (SlotFileStem(slot) + ".hist");
}

TEST(GameHistory, AppendingAnEarlierOrSameTurnDropsWhatFollowed) {
    GameHistory h = SampleHistory();
    AppendHistory(h, Entry(4, 9));
    ASSERT_EQ(h.entries.size(), 4u);
    // A game continued from an older save of itself starts its line again from there.
    AppendHistory(h, Entry(2, 5));
    ASSERT_EQ(h.entries.size(), 2u);
    EXPECT_EQ(h.entries[0], SampleHistory().entries[0]);
    EXPECT_EQ(h.entries[1], Entry(2, 5));
}

TEST(HistoryFile, LayoutIsHeaderThenTwentyOneValuesPerTurn) {
    const std::vector<uint8_t> bytes = EncodeHistory(SampleHistory());
    ASSERT_EQ(bytes.size(), (3u + 3u * 21u) * 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "QVXH");
    EXPECT_EQ(IntAt(bytes, 1), 1);  // version
    EXPECT_EQ(IntAt(bytes, 2), 3);  // count
    // Turn 3: turn, then five values per company from company 1.
    const size_t turn3 = 3 + 2 * 21;
    EXPECT_EQ(IntAt(bytes, turn3), 3);
    EXPECT_EQ(IntAt(bytes, turn3 + 2), -2500);             // company 1's funds
    EXPECT_EQ(IntAt(bytes, turn3 + 1 + 5 * 1 + 2), 6007);  // company 2's value
    EXPECT_EQ(IntAt(bytes, turn3 + 1 + 5 * 2 + 3), 9);     // company 3's viewers
    EXPECT_EQ(IntAt(bytes, turn3 + 1 + 5 * 3 + 0), 0);     // company 4 out of business
    EXPECT_EQ(IntAt(bytes, 3 + 1 + 5 * 3 + 4), 104);       // company 4's price on turn 1
}

TEST(HistoryFile, SurvivesSaveLoadAndASecondSaveByteForByte) {
    TempDir dir, again;
    const auto saved = GameWithHistory();
    Settings settings;
    ASSERT_TRUE(SaveSlot(*saved, settings, 3, dir.path()));
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadSlot(*loaded, 3, dir.path()));
    EXPECT_EQ(loaded->History, saved->History);
    EXPECT_EQ(loaded->HistoryNote, "");
    ASSERT_TRUE(SaveSlot(*loaded, settings, 3, again.path()));
    for (const char* ext : {".int", ".str", ".hist"})
        EXPECT_EQ(ReadBytes(dir.path() / (SlotFileStem(3) + ext)),
                  ReadBytes(again.path() / (SlotFileStem(3) + ext)))
            << ext;

    // The slot's own bytes do not depend on the history at all.
    auto without = std::make_unique<GameState>(*saved);
    without->History = {};
    const SlotFileBytes a = EncodeSlot(*saved, 3), b = EncodeSlot(*without, 3);
    EXPECT_EQ(a.ints, b.ints);
    EXPECT_EQ(a.strs, b.strs);
}

TEST(HistoryFile, AMissingOrBrokenFileEmptiesOnlyTheHistory) {
    const std::vector<uint8_t> good = EncodeHistory(SampleHistory());
    auto withByte = [&](size_t at, uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;  // empty with remove: the file is missing
        bool remove;
        const char* note;
    };
    const Case cases[] = {
        {"missing", {}, true, "QVX2_SAVEGAME_2.hist: missing"},
        {"empty", {}, false, "too short"},
        {"short by a byte", std::vector<uint8_t>(good.begin(), good.end() - 1), false,
         "263 bytes, expected 264 for 3 turns"},
        {"wrong magic", withByte(0, 'X'), false, "not a history file"},
        {"later version", withByte(4, 2), false, "version 2"},
        {"count too large", withByte(8, 4), false, "expected 348 for 4 turns"},
        {"negative count", withByte(11, 0x80), false, "count -"},
        {"turns out of order", withByte(4 * (3 + 21), 1), false, "turn 1 after turn 1"},
        {"bad business flag", withByte(4 * 4, 7), false, "in business 7"},
        {"past the slot's turn", withByte(4 * (3 + 2 * 21), 4), false,
         "reaches turn 4, after the slot's turn 3"},
    };
    const auto saved = GameWithHistory();
    for (const Case& c : cases) {
        TempDir dir;
        ASSERT_TRUE(WriteSlotFiles(*saved, 2, dir.path()));
        if (c.remove)
            fs::remove(HistPath(dir, 2));
        else
            WriteBytes(HistPath(dir, 2), c.bytes);
        auto gs = std::make_unique<GameState>();
        gs->History = SampleHistory();  // the game being replaced had one
        ASSERT_TRUE(LoadSlot(*gs, 2, dir.path())) << c.what;
        EXPECT_TRUE(gs->History.entries.empty()) << c.what;
        EXPECT_NE(gs->HistoryNote.find(c.note), std::string::npos)
            << c.what << ": " << gs->HistoryNote;
        EXPECT_NE(gs->HistoryNote.find("QVX2_SAVEGAME_2.hist"), std::string::npos) << c.what;
        auto expected = std::make_unique<GameState>(*saved);
        expected->History = {};
        EXPECT_EQ(gs->Channel, expected->Channel) << c.what;
        EXPECT_EQ(gs->GameLog, expected->GameLog) << c.what;
        EXPECT_EQ(gs->Programme, expected->Programme) << c.what;
    }
}

TEST(HistoryFile, AFailedHistoryWriteLeavesTheWholePreviousSlot) {
    TempDir dir;
    auto first = std::make_unique<GameState>();
    test::FillGame(*first, 1);
    first->GameInfo[Info::kTurn] = 1;
    first->History.entries = {Entry(1, 5)};
    ASSERT_TRUE(WriteSlotFiles(*first, 5, dir.path()));
    std::vector<std::vector<uint8_t>> before;
    for (const char* ext : {".int", ".str", ".hist"})
        before.push_back(ReadBytes(dir.path() / (SlotFileStem(5) + ext)));

    // A directory where the history's temporary file must go: that write fails last.
    const fs::path blocker = dir.path() / (SlotFileStem(5) + ".hist.tmp");
    fs::create_directories(blocker / "inside");
    EXPECT_FALSE(WriteSlotFiles(*GameWithHistory(), 5, dir.path()));
    fs::remove_all(blocker);
    size_t i = 0;
    for (const char* ext : {".int", ".str", ".hist"})
        EXPECT_EQ(ReadBytes(dir.path() / (SlotFileStem(5) + ext)), before[i++]) << ext;
    EXPECT_FALSE(fs::exists(dir.path() / (SlotFileStem(5) + ".int.tmp")));
    EXPECT_FALSE(fs::exists(dir.path() / (SlotFileStem(5) + ".str.tmp")));
}

class HistoryAtPlanning : public testing::Test {
  protected:
    test::DayWorld w;
    Settings settings;
    TempDir dir;
};

TEST_F(HistoryAtPlanning, RecordsTheNewTurnWithTheDaysPrimeTimeViewersAndIsAutosaved) {
    w.gs.GameInfo[Info::kTurn] = 6;
    w.gs.History.entries = {Entry(6, 1)};
    for (int c = 1; c <= kChannels; ++c) {
        w.gs.Channel[c][Ch::kActive] = 1;
        w.gs.Channel[c][Ch::kMoneyAfterDay] = 1000 * c;
        w.gs.ChannelAccounts[c][Acc::kSharePrice] = 40 + c;
        for (int g = 0; g < kAudienceGroups; ++g) {
            w.gs.Programme[c][kPrimeTimeSlot][Slot::kViewers + g] = c * 10 + g;
            w.gs.Programme[c][kPrimeTimeSlot - 1][Slot::kViewers + g] = 999;  // 07:00 pm
        }
    }
    w.gs.Channel[3][Ch::kActive] = 0;

    OpenPlanningPhase(w.gs, w.cat, settings, dir.path(), 0);
    ASSERT_EQ(w.gs.History.entries.size(), 2u);
    const HistoryEntry& e = w.gs.History.entries[1];
    EXPECT_EQ(e.turn, 7);
    EXPECT_EQ(e.companies[2].inBusiness, 1);
    EXPECT_EQ(e.companies[2].funds, 2000);  // the day's money is booked first
    EXPECT_EQ(e.companies[2].primeTimeViewers, 5 * 20 + 0 + 1 + 2 + 3 + 4);
    EXPECT_EQ(e.companies[2].sharePrice, 42);
    EXPECT_EQ(e.companies[2].companyValue, CompanyValue(w.gs, w.cat, 2, ValueVariant::Full));
    EXPECT_EQ(e.companies[3], HistoryPoint{});  // out of business: its line ends

    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadRunningGame(*loaded, dir.path()));
    EXPECT_EQ(loaded->History, w.gs.History);
}

TEST(HistoryOfANewGame, ClearingTheGameEmptiesItsHistory) {
    auto gs = std::make_unique<GameState>();
    gs->History = SampleHistory();
    gs->HistoryNote = "old";
    ClearGame(*gs);
    EXPECT_TRUE(gs->History.entries.empty());
    EXPECT_EQ(gs->HistoryNote, "");
}

}  // namespace
}  // namespace qvx
