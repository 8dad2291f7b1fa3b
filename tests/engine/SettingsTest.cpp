#include "Settings.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::ReadBytes;
using test::TempDir;

using Captions = Table<std::string, kNumberedSaveSlots>;
using Deck = Table<int32_t, kBoosterSlots>;

const Captions kEmptyCaptions = {"Empty slot", "Empty slot", "Empty slot", "Empty slot",
                                 "Empty slot", "Empty slot", "Empty slot"};

// A settings file written record by record, without the engine's writer.
std::vector<uint8_t> SettingsFile(const std::vector<std::string>& cp1252Records) {
    std::vector<uint8_t> bytes;
    for (const auto& r : cp1252Records)
        test::AppendRecord(bytes, r);
    return bytes;
}

TEST(Settings, MissingFileIsCreatedWithNeutralValues) {
    TempDir dir;
    const SettingsLoad load = LoadSettings(dir.path());
    EXPECT_EQ(load.settings.SaveSlotNames, kEmptyCaptions);
    EXPECT_EQ(load.settings.Deck.ActiveBoosters, Deck{});
    EXPECT_EQ(load.settings.StartCounter, 0);
    EXPECT_FALSE(load.repaired.empty());

    const auto bytes = ReadBytes(dir.path() / "SaveGameData.str");
    ASSERT_EQ(bytes.size(), 13u * 256);
    for (size_t r = 0; r < 7; ++r)
        EXPECT_EQ(test::RecordAt(bytes, r), "Empty slot") << r;
    for (size_t r = 7; r < 13; ++r)
        EXPECT_EQ(test::RecordAt(bytes, r), "0") << r;
    EXPECT_TRUE(LoadSettings(dir.path()).repaired.empty());
}

TEST(Settings, RoundTripWithCodePageCaptions) {
    TempDir dir;
    Settings s;
    s.SaveSlotNames = {"Running Game", "Café “Zürich”", "", std::string(255, 'x'),
                       "5 €",          "Empty slot",    "ÿ"};
    s.Deck.ActiveBoosters = {0, 1, 20, 0, 7, 13};
    s.StartCounter = 123456;
    ASSERT_TRUE(SaveSettings(s, dir.path()));

    const auto bytes = ReadBytes(dir.path() / "SaveGameData.str");
    ASSERT_EQ(bytes.size(), 13u * 256);
    EXPECT_EQ(test::RecordAt(bytes, 1), "Caf\xE9 \x93Z\xFCrich\x94");
    EXPECT_EQ(test::RecordAt(bytes, 8), "20");
    EXPECT_EQ(test::RecordAt(bytes, 12), "123456");

    const SettingsLoad load = LoadSettings(dir.path());
    EXPECT_EQ(load.settings.SaveSlotNames, s.SaveSlotNames);
    EXPECT_EQ(load.settings.Deck.ActiveBoosters, s.Deck.ActiveBoosters);
    EXPECT_EQ(load.settings.StartCounter, 123456);
    EXPECT_TRUE(load.repaired.empty()) << load.repaired;
}

TEST(Settings, GarbledDeckSlotsReadAsEmptyAndTheRestSurvives) {
    const char* const garbage[] = {"abc", "21", "-1", "", " ", "3x", "99999999999", "0x5"};
    for (const char* bad : garbage) {
        TempDir dir;
        test::WriteBytes(dir.path() / "SaveGameData.str",
                         SettingsFile({"Running Game", "a", "b", "c", "d", "e", "f\xE9", "20", bad,
                                       "0", "1", "19", "42"}));
        const SettingsLoad load = LoadSettings(dir.path());
        EXPECT_EQ(load.settings.Deck.ActiveBoosters, (Deck{0, 20, 0, 0, 1, 19})) << bad;
        EXPECT_EQ(load.settings.SaveSlotNames,
                  (Captions{"Running Game", "a", "b", "c", "d", "e", "fé"}));
        EXPECT_EQ(load.settings.StartCounter, 42) << bad;
        EXPECT_FALSE(load.repaired.empty()) << bad;
    }
}

TEST(Settings, ShortFileGivesNeutralValuesForTheMissingRecords) {
    const std::vector<std::string> full = {"r",  "1",  "2",  "3",  "4",  "5",  "6",
                                           "11", "12", "13", "14", "15", "777"};
    const struct {
        size_t records;
        Captions captions;
        Deck deck;
        int32_t counter;
    } cases[] = {
        {0, kEmptyCaptions, {}, 0},
        {3, {"r", "1", "2", "Empty slot", "Empty slot", "Empty slot", "Empty slot"}, {}, 0},
        {9, {"r", "1", "2", "3", "4", "5", "6"}, {0, 11, 12, 0, 0, 0}, 0},
        {12, {"r", "1", "2", "3", "4", "5", "6"}, {0, 11, 12, 13, 14, 15}, 0},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto bytes = SettingsFile({full.begin(), full.begin() + static_cast<long>(c.records)});
        bytes.resize(bytes.size() + 100, 'z');  // a torn record is not read
        test::WriteBytes(dir.path() / "SaveGameData.str", bytes);
        const SettingsLoad load = LoadSettings(dir.path());
        EXPECT_EQ(load.settings.SaveSlotNames, c.captions) << c.records;
        EXPECT_EQ(load.settings.Deck.ActiveBoosters, c.deck) << c.records;
        EXPECT_EQ(load.settings.StartCounter, c.counter) << c.records;
    }
}

}  // namespace
}  // namespace qvx
