#include "SaveGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

#include "BinaryFile.h"
#include "EngineTestSupport.h"
#include "Scenarios.h"

namespace qvx {
namespace {

using test::Differences;
using test::Names;
using test::ReadBytes;
using test::TempDir;
namespace fs = std::filesystem;

std::unique_ptr<GameState> FilledGame(uint32_t seed) {
    auto gs = std::make_unique<GameState>();
    test::FillGame(*gs, seed);
    return gs;
}

std::unique_ptr<Catalogue> FilledCatalogue(uint32_t seed) {
    auto cat = std::make_unique<Catalogue>();
    test::FillCatalogue(*cat, seed);
    return cat;
}

// What a load brings back of a saved game: everything except what a slot does not hold.
std::unique_ptr<GameState> AsLoaded(const GameState& saved) {
    auto gs = std::make_unique<GameState>(saved);
    for (auto& names : gs->ChannelNames2)
        names.clear();
    for (auto& journal : gs->ActionJournal)
        journal.fill(JournalEntry{});
    gs->ViewedChannel = 0;
    gs->ClockHour = 0;
    gs->ClockMinute = 0;
    gs->EndTurnBusy = false;
    return gs;
}

std::string SlotFile(int slot, const char* ext) {
    return "QVX2_SAVEGAME_" + std::to_string(slot) + ext;
}

TEST(SlotFile, IntItemsAppearInOrderWithRegionsOutermost) {
    // int32 values per stored item, in file order; the running-game flag comes last.
    const size_t kCounts[] = {320, 64, 1280, 800, 56, 112, 500, 2000, 8000, 400, 400, 400,
                              400, 56, 20,   20,  12, 80,  80,  80,   20,   20,  1,   1};
    size_t start[std::size(kCounts) + 1] = {};
    for (size_t i = 0; i < std::size(kCounts); ++i)
        start[i + 1] = start[i] + kCounts[i];

    auto gs = std::make_unique<GameState>();
    GameState& g = *gs;
    const struct {
        int32_t* cell;
        size_t item, offset;
    } probes[] = {// clang-format off
        {&g.Regions[1][1], 0, 0}, {&g.Regions[2][1], 0, 20}, {&g.Regions[16][20], 0, 319},
        {&g.Licences[1][1], 1, 0}, {&g.Licences[1][2], 1, 1}, {&g.Licences[2][1], 1, 4},
        {&g.Licences[16][4], 1, 63}, {&g.Popularity[1][1][1], 2, 0},
        {&g.Popularity[1][2][1], 2, 20}, {&g.Popularity[2][1][3], 2, 82},
        {&g.Popularity[16][4][20], 2, 1279}, {&g.Programme[1][1][1], 3, 0},
        {&g.Programme[1][2][1], 3, 20}, {&g.Programme[2][1][1], 3, 200},
        {&g.Programme[4][10][20], 3, 799}, {&g.ShopOffers[1][1], 4, 0},
        {&g.ShopOffers[2][1], 4, 14}, {&g.ShopOffers[4][14], 4, 55},
        {&g.MovieArchive[1][1], 5, 0}, {&g.MovieArchive[2][1], 5, 28},
        {&g.MovieArchive[4][28], 5, 111}, {&g.MovieMarketAux[1], 6, 0},
        {&g.MovieMarketAux[500], 6, 499}, {&g.EpisodesShown[1][1], 7, 0},
        {&g.EpisodesShown[2][1], 7, 500}, {&g.EpisodesShown[4][500], 7, 1999},
        {&g.AdPool[1][1][1], 8, 0}, {&g.AdPool[1][2][1], 8, 20}, {&g.AdPool[2][1][1], 8, 2000},
        {&g.AdPool[4][100][20], 8, 7999}, {&g.AcceptedAds[1][1], 9, 0},
        {&g.AcceptedAds[2][1], 9, 100}, {&g.AcceptedAds[4][100], 9, 399},
        {&g.AdSpotsDone[1][1], 10, 0}, {&g.AdSpotsDone[4][100], 10, 399},
        {&g.AdSpotsShadow[1][1], 11, 0}, {&g.AdSpotsShadow[4][100], 11, 399},
        {&g.AdDaysLeft[1][1], 12, 0}, {&g.AdDaysLeft[4][100], 12, 399},
        {&g.AdOffers[1][1], 13, 0}, {&g.AdOffers[2][1], 13, 14}, {&g.AdOffers[4][14], 13, 55},
        {&g.NewsOffersA[1][1], 14, 0}, {&g.NewsOffersA[2][1], 14, 5},
        {&g.NewsOffersA[4][5], 14, 19}, {&g.NewsOffersB[1][1], 15, 0},
        {&g.NewsOffersB[4][5], 15, 19}, {&g.NewsShow[1][1], 16, 0}, {&g.NewsShow[2][1], 16, 3},
        {&g.NewsShow[4][3], 16, 11}, {&g.Channel[1][1], 17, 0}, {&g.Channel[2][1], 17, 20},
        {&g.Channel[4][20], 17, 79}, {&g.ChannelAccounts[1][1], 18, 0},
        {&g.ChannelAccounts[4][20], 18, 79}, {&g.ChannelPendingIncome[1][1], 19, 0},
        {&g.ChannelPendingIncome[4][20], 19, 79}, {&g.GameInfo[1], 20, 0},
        {&g.GameInfo[20], 20, 19}, {&g.ChannelAccounts[0][1], 21, 0},
        {&g.ChannelAccounts[0][20], 21, 19}, {&g.PlayerChannel, 22, 0},
        {&g.RunningGameFlag, 23, 0}};
    // clang-format on
    for (size_t i = 0; i < std::size(probes); ++i)
        *probes[i].cell = static_cast<int32_t>(1000 + i);
    // Neither is stored: they must not show up anywhere in the file.
    g.ActionJournal[1][1] = JournalEntry{JournalKind::DeclareBankruptcy, 77, 77};
    g.ClockHour = 77;

    TempDir dir;
    for (const auto& [slot, size] : {std::pair{0, size_t{60488}}, std::pair{5, size_t{60484}}}) {
        ASSERT_TRUE(WriteSlotFiles(g, slot, dir.path()));
        const auto bytes = ReadBytes(dir.path() / SlotFile(slot, ".int"));
        ASSERT_EQ(bytes.size(), size) << slot;
        size_t expectedNonZero = 0;
        for (size_t i = 0; i < std::size(probes); ++i) {
            if (slot != 0 && probes[i].item == 23) continue;
            ++expectedNonZero;
            EXPECT_EQ(test::IntAt(bytes, start[probes[i].item] + probes[i].offset),
                      static_cast<int32_t>(1000 + i))
                << "slot " << slot << " item " << probes[i].item << " offset " << probes[i].offset;
        }
        size_t nonZero = 0;
        for (size_t w = 0; w < bytes.size() / 4; ++w)
            nonZero += test::IntAt(bytes, w) != 0;
        EXPECT_EQ(nonZero, expectedNonZero) << slot;
    }
}

TEST(SlotFile, StrRecordsAndTheCodePage) {
    auto gs = std::make_unique<GameState>();
    gs->PlayerChannel = 1;
    std::string longE;
    for (int i = 0; i < 300; ++i)
        longE += "é";
    gs->ChannelNames = {"", "Café €", std::string(300, 'a'), "漢字", "😀x"};
    gs->ChannelNames2[1] = "not stored";
    gs->RegionNames[1] = longE;
    gs->RegionDescriptions[1] = "d1";
    gs->RegionCodes[16] = "“R”";
    gs->GameLog[1][1] = "log 1.1";
    gs->GameLog[2][1] = "log 2.1";
    gs->GameLog[4][kLogLines] = "last";

    TempDir dir;
    ASSERT_TRUE(WriteSlotFiles(*gs, 1, dir.path()));
    const auto bytes = ReadBytes(dir.path() / SlotFile(1, ".str"));
    ASSERT_EQ(bytes.size(), 20052u * 256);
    const std::pair<size_t, std::string> records[] = {{0, "Caf\xE9 \x80"},
                                                      {1, std::string(255, 'a')},
                                                      {2, "??"},
                                                      {3, "?x"},
                                                      {4, std::string(255, '\xE9')},
                                                      {20, "d1"},
                                                      {51, "\x93R\x94"},
                                                      {52, "log 1.1"},
                                                      {5052, "log 2.1"},
                                                      {20051, "last"}};
    for (const auto& [index, text] : records)
        EXPECT_EQ(test::RecordAt(bytes, index), text) << index;
    size_t used = 0;
    for (size_t r = 0; r < 20052; ++r)
        used += bytes[r * 256] != 0;
    EXPECT_EQ(used, std::size(records));

    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadSlot(*loaded, 1, dir.path()));
    EXPECT_EQ(loaded->ChannelNames,
              (PerChannel<std::string>{"", "Café €", std::string(255, 'a'), "??", "?x"}));
    EXPECT_EQ(loaded->RegionNames[1], longE.substr(0, 510));
    EXPECT_EQ(loaded->RegionCodes[16], "“R”");
    EXPECT_EQ(loaded->ChannelNames2[1], "");
}

class SlotRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(SlotRoundTrip, EveryStoredValueComesBackAndTheFilesRepeat) {
    const int slot = GetParam();
    TempDir dir;
    TempDir again;
    const auto saved = FilledGame(21);
    Settings settings;
    settings.SaveSlotNames[4] = "mine";
    auto running = FilledGame(22);
    running->RunningGameFlag = slot == 0 ? 0 : 1;
    if (slot == 0) {
        ASSERT_TRUE(SaveRunningGame(*saved, dir.path()));
        ASSERT_TRUE(LoadRunningGame(*running, dir.path()));
        ASSERT_TRUE(SaveRunningGame(*running, again.path()));
    } else {
        ASSERT_TRUE(SaveSlot(*saved, settings, slot, dir.path()));
        EXPECT_EQ(settings.SaveSlotNames[0], "Running Game");
        EXPECT_EQ(settings.SaveSlotNames[4], "mine");
        ASSERT_TRUE(LoadSlot(*running, slot, dir.path()));
        ASSERT_TRUE(SaveSlot(*running, settings, slot, again.path()));
    }
    auto expected = AsLoaded(*saved);
    expected->RunningGameFlag = slot == 0 ? 1 : 0;
    EXPECT_EQ(Differences(*expected, *running), Names{});
    for (const char* ext : {".int", ".str"}) {
        EXPECT_TRUE(ReadBytes(dir.path() / SlotFile(slot, ext)) ==
                    ReadBytes(again.path() / SlotFile(slot, ext)))
            << ext;
    }
}

INSTANTIATE_TEST_SUITE_P(RunningAndNumbered, SlotRoundTrip, ::testing::Values(0, 4, 6));

// The fuzzer decodes and encodes in memory: that must be exactly what the files hold, and a
// refused decode must leave the caller's state where it was, whichever file is at fault.
TEST(SlotBytes, AreTheFilesAndARefusedDecodeKeepsTheCallersState) {
    TempDir dir;
    const auto saved = FilledGame(21);
    for (const int slot : {0, 3}) {
        ASSERT_TRUE(WriteSlotFiles(*saved, slot, dir.path()));
        const SlotFileBytes bytes = EncodeSlot(*saved, slot);
        EXPECT_TRUE(bytes.ints == ReadBytes(dir.path() / SlotFile(slot, ".int"))) << slot;
        EXPECT_TRUE(bytes.strs == ReadBytes(dir.path() / SlotFile(slot, ".str"))) << slot;
        std::unique_ptr<GameState> decoded;
        ASSERT_TRUE(DecodeSlot(slot, bytes.ints, bytes.strs, decoded)) << slot;
        auto expected = AsLoaded(*saved);
        expected->RunningGameFlag = slot == 0 ? saved->RunningGameFlag : 0;
        expected->CurrentGame = 0;  // not stored: a load keeps the caller's
        EXPECT_EQ(Differences(*expected, *decoded), Names{}) << slot;

        // The other kind of slot's .int differs by the running-game flag alone.
        const auto otherInts = EncodeSlot(*saved, slot == 0 ? 3 : 0).ints;
        auto shortStrs = bytes.strs;
        shortStrs.resize(shortStrs.size() - kRecordBytes);
        auto noPlayer = bytes.ints;
        const size_t player = (SlotIntBytes(slot) / kIntBytes - (slot == 0 ? 2 : 1)) * kIntBytes;
        std::fill_n(noPlayer.begin() + static_cast<long>(player), kIntBytes, uint8_t{0});
        const struct {
            const std::vector<uint8_t>& ints;
            const std::vector<uint8_t>& strs;
            std::string expected;
        } refused[] = {
            {otherInts, bytes.strs, SlotFile(slot, ".int: ")},
            {bytes.ints, shortStrs, SlotFile(slot, ".str: ")},
            {noPlayer, bytes.strs, SlotFile(slot, ".int: PlayerChannel is 0")},
        };
        for (const auto& r : refused) {
            auto kept = std::make_unique<GameState>();
            const GameState* keptAt = kept.get();
            const Status s = DecodeSlot(slot, r.ints, r.strs, kept);
            EXPECT_FALSE(s) << r.expected;
            EXPECT_EQ(s.message().rfind(r.expected, 0), 0u) << s.message();
            EXPECT_EQ(kept.get(), keptAt) << r.expected;
        }
    }
}

// The fuzz targets encode again and again into one buffer and decode one file of a pair into a
// state they keep: that must give the very bytes of a fresh encoding, and fill what DecodeSlot
// fills, whatever the buffer and the state held before.
TEST(SlotBytes, TheHalvesAreTheWholeOverWhateverTheyReuse) {
    const auto saved = FilledGame(22);
    for (const int slot : {0, 5}) {
        const SlotFileBytes whole = EncodeSlot(*saved, slot);
        std::vector<uint8_t> reused(whole.strs.size() + 99, 0xAB);
        EncodeSlotTexts(*saved, reused);
        EXPECT_TRUE(reused == whole.strs) << slot;
        EncodeSlotNumbers(*saved, slot, reused);
        EXPECT_TRUE(reused == whole.ints) << slot;

        std::unique_ptr<GameState> decoded;
        ASSERT_TRUE(DecodeSlot(slot, whole.ints, whole.strs, decoded));
        auto kept = FilledGame(23);
        kept->CurrentGame = decoded->CurrentGame;
        kept->RunningGameFlag = slot == 0 ? kept->RunningGameFlag : decoded->RunningGameFlag;
        ASSERT_TRUE(DecodeSlotNumbers(slot, whole.ints, *kept));
        ASSERT_TRUE(DecodeSlotTexts(slot, whole.strs, *kept));
        EncodeSlotNumbers(*kept, slot, reused);
        EXPECT_TRUE(reused == whole.ints) << slot;
        EncodeSlotTexts(*kept, reused);
        EXPECT_TRUE(reused == whole.strs) << slot;

        const std::vector<uint8_t> shortInts(whole.ints.begin(), whole.ints.end() - 4);
        const Status s = DecodeSlotNumbers(slot, shortInts, *kept);
        EXPECT_EQ(s.message().rfind(SlotFile(slot, ".int: "), 0), 0u) << s.message();
        const std::vector<uint8_t> longStrs(whole.strs.size() + 1, 0);
        const Status t = DecodeSlotTexts(slot, longStrs, *kept);
        EXPECT_EQ(t.message().rfind(SlotFile(slot, ".str: "), 0), 0u) << t.message();
    }
}

TEST(SaveSlot, OnlySlotsOneToSixAreNumbered) {
    TempDir dir;
    auto gs = FilledGame(3);
    auto cat = std::make_unique<Catalogue>();
    Settings settings;
    for (int n : {-1, 0, 7}) {
        EXPECT_FALSE(SaveSlot(*gs, settings, n, dir.path())) << n;
        EXPECT_FALSE(LoadSlot(*gs, n, dir.path())) << n;
    }
    EXPECT_EQ(settings.SaveSlotNames[0], "Empty slot");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    for (int n : {-1, 7})
        EXPECT_FALSE(LoadGameFromSlot(*gs, *cat, n, dir.path())) << n;
}

enum class Loader { Slot, Running, GameFromSlot3, GameFromSlot0 };
enum class Damage { Missing, OneByteShort, OneByteLong, Garbage };

class BrokenSlot : public ::testing::TestWithParam<std::tuple<Loader, const char*, Damage>> {};

TEST_P(BrokenSlot, FailsNamingTheFileAndLeavesTheRunningGame) {
    const auto [loader, ext, damage] = GetParam();
    const int slot = loader == Loader::Running || loader == Loader::GameFromSlot0 ? 0 : 3;
    TempDir dir;
    // What the files hold does not matter, only that they would load if undamaged.
    auto saved = std::make_unique<GameState>();
    saved->PlayerChannel = 2;
    ASSERT_TRUE(WriteSlotFiles(*saved, slot, dir.path()));
    ASSERT_TRUE(
        SaveCatalogueSet(*std::make_unique<Catalogue>(), CatalogueSet::Standard, dir.path()));
    const std::string name = SlotFile(slot, ext);
    const auto path = dir.path() / name;
    auto bytes = ReadBytes(path);
    if (damage == Damage::Missing) fs::remove(path);
    if (damage == Damage::OneByteShort) bytes.pop_back();
    if (damage == Damage::OneByteLong) bytes.push_back(0);
    if (damage == Damage::Garbage) bytes.assign({'n', 'o', 't', ' ', 'a', ' ', 'g', 'a', 'm', 'e'});
    if (damage != Damage::Missing) test::WriteBytes(path, bytes);

    auto gs = FilledGame(32);
    auto cat = FilledCatalogue(33);
    const auto gsBefore = std::make_unique<GameState>(*gs);
    const auto catBefore = std::make_unique<Catalogue>(*cat);
    const Status s = loader == Loader::Slot      ? LoadSlot(*gs, slot, dir.path())
                     : loader == Loader::Running ? LoadRunningGame(*gs, dir.path())
                                                 : LoadGameFromSlot(*gs, *cat, slot, dir.path());
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find(name), std::string::npos) << s.message();
    EXPECT_EQ(Differences(*gsBefore, *gs), Names{});
    EXPECT_EQ(Differences(*catBefore, *cat), Names{});
}

INSTANTIATE_TEST_SUITE_P(
    AllLoaders, BrokenSlot,
    ::testing::Combine(::testing::Values(Loader::Slot, Loader::Running, Loader::GameFromSlot3,
                                         Loader::GameFromSlot0),
                       ::testing::Values(".int", ".str"),
                       ::testing::Values(Damage::Missing, Damage::OneByteShort, Damage::OneByteLong,
                                         Damage::Garbage)));

TEST(LoadGameFromSlot, LoadsTheCatalogueOfTheSavedScenarioAndOpensThePlanningPhase) {
    TempDir dir;
    const auto standard = FilledCatalogue(40);
    auto custom = FilledCatalogue(41);
    custom->MovieTitles[7].clear();
    custom->MovieCatalogue[3] = Record{};
    custom->AdTargets[kAds] = 0;
    ASSERT_TRUE(SaveCatalogueSet(*standard, CatalogueSet::Standard, dir.path()));
    ASSERT_TRUE(SaveCatalogueSet(*custom, CatalogueSet::Custom, dir.path()));

    const struct {
        int slot;
        int32_t kind, player, flagAfter;
        const Catalogue* cat;
    } cases[] = {
        {0, 1, 2, 1, standard.get()},  // slot 0 keeps the flag it holds
        {2, Info::kKindCustom, 3, 0, custom.get()},
        {5, 5, 4, 0, standard.get()},
    };
    auto gs = std::make_unique<GameState>();
    auto cat = std::make_unique<Catalogue>();
    for (const auto& c : cases) {
        auto saved = FilledGame(static_cast<uint32_t>(50 + c.slot));
        saved->GameInfo[Info::kScenarioKind] = c.kind;
        saved->GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
        saved->PlayerChannel = c.player;
        saved->RunningGameFlag = 1;
        ASSERT_TRUE(WriteSlotFiles(*saved, c.slot, dir.path()));
        gs->CurrentGame = 0;
        gs->RunningGameFlag = 1 - c.flagAfter;
        gs->EndTurnBusy = true;

        ASSERT_TRUE(LoadGameFromSlot(*gs, *cat, c.slot, dir.path())) << c.slot;
        EXPECT_EQ(Differences(*c.cat, *cat), Names{}) << c.slot;
        auto expected = AsLoaded(*saved);
        expected->GameInfo[Info::kPhase] = Info::kPhasePlanning;
        expected->ViewedChannel = c.player;
        expected->ClockHour = 8;
        expected->CurrentGame = 1;
        expected->RunningGameFlag = c.flagAfter;
        EXPECT_EQ(Differences(*expected, *gs), Names{}) << c.slot;
    }

    // A custom game whose catalogue cannot be read is not loaded at all.
    fs::remove(dir.path() / "QVX2_CustomNews.str");
    gs->CurrentGame = 0;
    const auto gsBefore = std::make_unique<GameState>(*gs);
    const auto catBefore = std::make_unique<Catalogue>(*cat);
    const Status s = LoadGameFromSlot(*gs, *cat, 2, dir.path());
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message().rfind("QVX2_CustomNews.str: ", 0), 0u) << s.message();
    EXPECT_EQ(Differences(*gsBefore, *gs), Names{});
    EXPECT_EQ(Differences(*catBefore, *cat), Names{});
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

// A file of the right size can still be garbage; ids that would index past a table must not
// get into the running game.
TEST(LoadSlot, RefusesIdsOutsideTheGamesTables) {
    struct Case {
        const char* expected;
        void (*garble)(GameState&);
    };
    const Case cases[] = {
        {"PlayerChannel is 0", [](GameState& g) { g.PlayerChannel = 0; }},
        {"PlayerChannel is 5", [](GameState& g) { g.PlayerChannel = 5; }},
        {"Programme holds -2", [](GameState& g) { g.Programme[4][10][Slot::kProgramme] = -2; }},
        {"Programme holds 501", [](GameState& g) { g.Programme[1][1][Slot::kProgramme] = 501; }},
        {"Programme ads holds 101", [](GameState& g) { g.Programme[2][3][Slot::kAd] = 101; }},
        {"MovieArchive holds 501", [](GameState& g) { g.MovieArchive[3][28] = 501; }},
        {"ShopOffers holds -1", [](GameState& g) { g.ShopOffers[1][14] = -1; }},
        {"AcceptedAds holds 101", [](GameState& g) { g.AcceptedAds[1][100] = 101; }},
        {"AdOffers holds 2147483647", [](GameState& g) { g.AdOffers[4][1] = INT32_MAX; }},
        {"NewsShow holds 251", [](GameState& g) { g.NewsShow[2][3] = 251; }},
        {"NewsOffersB holds -7", [](GameState& g) { g.NewsOffersB[2][5] = -7; }},
        {"Channel logo holds 9", [](GameState& g) { g.Channel[4][Ch::kLogo] = 9; }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto saved = FilledGame(50);
        c.garble(*saved);
        ASSERT_TRUE(WriteSlotFiles(*saved, 2, dir.path()));
        auto gs = FilledGame(51);
        const auto before = std::make_unique<GameState>(*gs);
        const Status s = LoadSlot(*gs, 2, dir.path());
        ASSERT_FALSE(s) << c.expected;
        EXPECT_NE(s.message().find(std::string("QVX2_SAVEGAME_2.int: ") + c.expected),
                  std::string::npos)
            << s.message();
        EXPECT_EQ(Differences(*before, *gs), Names{});
    }
}

// A game whose summary values are known: the Blue company playing Custom on the British map.
std::unique_ptr<GameState> SummaryGame() {
    auto gs = FilledGame(11);
    gs->PlayerChannel = 4;
    gs->GameInfo[Info::kScenarioKind] = Kind::kCustom;
    gs->GameInfo[Info::kMap] = Map::kGreatBritain;
    gs->GameInfo[Info::kCustomTurns] = 48;
    gs->GameInfo[Info::kTurn] = 14;
    gs->Channel[3][Ch::kMoney] = 77;
    gs->Channel[4][Ch::kMoney] = -1234567;
    gs->ChannelNames[3] = "Wrong TV";
    gs->ChannelNames[4] = "Caf\xC3\xA9 TV";
    return gs;
}

TEST(SlotSummary, ReadsThePlayersValuesFromTheFilesOfEitherSlotKind) {
    TempDir dir;
    const auto gs = SummaryGame();
    // Slot 0 holds one integer more, after the values read; both layouts must agree.
    for (int slot : {0, 3}) {
        ASSERT_TRUE(WriteSlotFiles(*gs, slot, dir.path()));
        const SlotSummary summary = ReadSlotSummary(slot, dir.path());
        ASSERT_TRUE(summary.readable) << summary.problem;
        EXPECT_EQ(summary.scenario, ScenarioIndex(Kind::kCustom, Map::kGreatBritain));
        EXPECT_EQ(summary.turn, 14);
        EXPECT_EQ(summary.turns, 48);
        EXPECT_EQ(summary.money, -1234567);
        EXPECT_EQ(summary.channel, "Caf\xC3\xA9 TV");
        EXPECT_EQ(
            SlotSummaryText(summary),
            "Caf\xC3\xA9 TV | Custom - Great Britain | Turn 14 of 48 | $ -1,234,567 millions");
    }
}

struct DamagedSummaryCase {
    const char* label;
    std::function<void(const fs::path& dir)> damage;
    const char* named;  // the file the problem names
};

struct DamagedSummary : ::testing::TestWithParam<DamagedSummaryCase> {};

TEST_P(DamagedSummary, ReadsDamagedAndNamesTheFile) {
    TempDir dir;
    ASSERT_TRUE(WriteSlotFiles(*SummaryGame(), 5, dir.path()));
    GetParam().damage(dir.path());
    const SlotSummary summary = ReadSlotSummary(5, dir.path());
    EXPECT_FALSE(summary.readable);
    EXPECT_NE(summary.problem.find(GetParam().named), std::string::npos) << summary.problem;
    EXPECT_EQ(SlotSummaryText(summary), "damaged");
}

// Overwrites one integer of the .int file at the place the game's layout gives the value.
void Poke(const fs::path& dir, int32_t value, auto place) {
    auto gs = SummaryGame();
    const std::vector<uint8_t> before = EncodeSlot(*gs, 5).ints;
    place(*gs) = 0x5A5A5A5A;
    const std::vector<uint8_t> marked = EncodeSlot(*gs, 5).ints;
    const auto at = std::mismatch(before.begin(), before.end(), marked.begin()).first;
    ASSERT_NE(at, before.end());
    std::vector<uint8_t> bytes = ReadBytes(dir / SlotFile(5, ".int"));
    const size_t offset = static_cast<size_t>(at - before.begin()) / 4 * 4;
    for (size_t k = 0; k < 4; ++k)
        bytes[offset + k] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * k));
    test::WriteBytes(dir / SlotFile(5, ".int"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, DamagedSummary,
    ::testing::Values(
        DamagedSummaryCase{"ShortInt",
                           [](const fs::path& d) {
                               auto bytes = ReadBytes(d / SlotFile(5, ".int"));
                               bytes.resize(bytes.size() - 4);
                               test::WriteBytes(d / SlotFile(5, ".int"), bytes);
                           },
                           "QVX2_SAVEGAME_5.int"},
        DamagedSummaryCase{"MissingInt",
                           [](const fs::path& d) { fs::remove(d / SlotFile(5, ".int")); },
                           "QVX2_SAVEGAME_5.int"},
        DamagedSummaryCase{"MissingStr",
                           [](const fs::path& d) { fs::remove(d / SlotFile(5, ".str")); },
                           "QVX2_SAVEGAME_5.str"},
        DamagedSummaryCase{"LongStr",
                           [](const fs::path& d) {
                               auto bytes = ReadBytes(d / SlotFile(5, ".str"));
                               bytes.push_back(0);
                               test::WriteBytes(d / SlotFile(5, ".str"), bytes);
                           },
                           "QVX2_SAVEGAME_5.str"},
        DamagedSummaryCase{"PlayerOutOfRange",
                           [](const fs::path& d) {
                               Poke(d, 5, [](GameState& g) -> int32_t& { return g.PlayerChannel; });
                           },
                           "PlayerChannel"},
        DamagedSummaryCase{"NoSuchScenario",
                           [](const fs::path& d) {
                               Poke(d, 7, [](GameState& g) -> int32_t& {
                                   return g.GameInfo[Info::kScenarioKind];
                               });
                           },
                           "scenario"}),
    [](const auto& p) { return std::string(p.param.label); });

TEST(SlotSummary, DefaultCaptionNamesThePlayersChannelAndTurn) {
    const auto gs = SummaryGame();
    EXPECT_EQ(DefaultSlotCaption(*gs), "Caf\xC3\xA9 TV, turn 14");
    gs->ChannelNames[4].clear();
    EXPECT_EQ(DefaultSlotCaption(*gs), "Saved game, turn 14");
}

}  // namespace
}  // namespace qvx
