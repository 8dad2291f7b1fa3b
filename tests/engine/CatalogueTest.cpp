#include "Catalogue.h"

#include <gtest/gtest.h>

#include <memory>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::Differences;
using test::Names;
using test::ReadBytes;
using test::TempDir;
namespace fs = std::filesystem;

// In the order they are read.
const char* const kStandardFiles[] = {"QVX2_Movies.int", "QVX2_Movies.str", "QVX2_Ads.int",
                                      "QVX2_Ads.str",    "QVX2_News.int",   "QVX2_News.str"};
const size_t kSizes[] = {40000, 384000, 400, 51200, 20000, 64000};

std::unique_ptr<Catalogue> Filled(uint32_t seed) {
    auto cat = std::make_unique<Catalogue>();
    test::FillCatalogue(*cat, seed);
    return cat;
}

TEST(Catalogue, FileSizesAndLayout) {
    TempDir dir;
    auto cat = std::make_unique<Catalogue>();
    cat->MovieCatalogue[2][1] = 201;
    cat->MovieCatalogue[kMovies][kFields] = 500020;
    cat->MovieTexts2[1] = "second";
    cat->MovieDescriptions[1] = "third";
    cat->AdTargets[kAds] = 100;
    cat->AdTexts[1] = "ad text";
    cat->NewsCatalogue[1][3] = 13;
    cat->NewsTexts[kNews] = "last news";
    ASSERT_TRUE(SaveCatalogueSet(*cat, CatalogueSet::Standard, dir.path()));

    std::vector<std::vector<uint8_t>> files;
    for (size_t i = 0; i < 6; ++i) {
        files.push_back(ReadBytes(dir.path() / kStandardFiles[i]));
        EXPECT_EQ(files[i].size(), kSizes[i]) << kStandardFiles[i];
    }
    EXPECT_EQ(test::IntAt(files[0], 20), 201);
    EXPECT_EQ(test::IntAt(files[0], 9999), 500020);
    EXPECT_EQ(test::RecordAt(files[1], 500), "second");
    EXPECT_EQ(test::RecordAt(files[1], 1000), "third");
    EXPECT_EQ(test::IntAt(files[2], 99), 100);
    EXPECT_EQ(test::RecordAt(files[3], 100), "ad text");
    EXPECT_EQ(test::IntAt(files[4], 2), 13);
    EXPECT_EQ(test::RecordAt(files[5], 249), "last news");
}

TEST(Catalogue, EachSetHasItsOwnFilesAndLoadingReplacesEverything) {
    TempDir dir;
    const auto standard = Filled(10);
    auto custom = Filled(11);
    custom->MovieTitles[7].clear();
    custom->MovieCatalogue[3] = Record{};
    custom->NewsTexts[kNews].clear();
    ASSERT_TRUE(SaveCatalogueSet(*standard, CatalogueSet::Standard, dir.path()));
    ASSERT_TRUE(SaveCatalogueSet(*custom, CatalogueSet::Custom, dir.path()));

    auto cat = std::make_unique<Catalogue>();
    ASSERT_TRUE(LoadCatalogue(*cat, dir.path()));
    EXPECT_EQ(Differences(*standard, *cat), Names{});
    ASSERT_TRUE(LoadCustomCatalogue(*cat, dir.path()));
    EXPECT_EQ(Differences(*custom, *cat), Names{});
}

// One file at a time from memory, as the fuzz target reads them: the bytes of a saved set, into
// whatever buffer was used before, and a decode that fills that file's tables and no other.
TEST(Catalogue, EachFileEncodesAndDecodesOnItsOwn) {
    TempDir dir;
    const auto cat = Filled(12);
    ASSERT_TRUE(SaveCatalogueSet(*cat, CatalogueSet::Custom, dir.path()));
    std::vector<uint8_t> bytes(7, 0xCD);
    auto decoded = std::make_unique<Catalogue>();
    size_t i = 0;
    for (const CatalogueFile file : kCatalogueFiles) {
        const std::string& name = CatalogueFileName(CatalogueSet::Custom, file);
        EXPECT_EQ(name.substr(0, 11), "QVX2_Custom");
        EXPECT_EQ(CatalogueFileName(CatalogueSet::Standard, file), kStandardFiles[i]);
        EXPECT_EQ(CatalogueFileBytes(file), kSizes[i]);
        EncodeCatalogueFile(*cat, file, bytes);
        EXPECT_TRUE(bytes == ReadBytes(dir.path() / name)) << name;
        ASSERT_TRUE(DecodeCatalogueFile(file, name, bytes, *decoded)) << name;
        ++i;
    }
    EXPECT_EQ(Differences(*cat, *decoded), Names{});

    auto adsOnly = std::make_unique<Catalogue>();
    EncodeCatalogueFile(*cat, CatalogueFile::AdsStr, bytes);
    ASSERT_TRUE(DecodeCatalogueFile(CatalogueFile::AdsStr, "ads", bytes, *adsOnly));
    EXPECT_EQ(adsOnly->AdNames, cat->AdNames);
    EXPECT_EQ(adsOnly->AdTexts, cat->AdTexts);
    const auto empty = std::make_unique<Catalogue>();
    EXPECT_EQ(adsOnly->MovieTitles, empty->MovieTitles);
    EXPECT_EQ(adsOnly->AdTargets, empty->AdTargets);

    bytes.pop_back();
    const Status s = DecodeCatalogueFile(CatalogueFile::AdsStr, "ads", bytes, *adsOnly);
    EXPECT_EQ(s.message(), "ads: 51199 bytes, expected 51200");
    EXPECT_EQ(adsOnly->AdNames, cat->AdNames);
}

enum class Damage { Missing, FourBytesShort, FourBytesLong };

class BrokenCatalogueFile : public ::testing::TestWithParam<std::tuple<int, Damage>> {};

TEST_P(BrokenCatalogueFile, FailsNamingTheFileAndKeepsTheLoadedCatalogue) {
    const auto [file, damage] = GetParam();
    TempDir dir;
    ASSERT_TRUE(
        SaveCatalogueSet(*std::make_unique<Catalogue>(), CatalogueSet::Standard, dir.path()));
    const auto path = dir.path() / kStandardFiles[file];
    auto bytes = ReadBytes(path);
    if (damage == Damage::Missing) fs::remove(path);
    if (damage == Damage::FourBytesShort) bytes.resize(bytes.size() - 4);
    if (damage == Damage::FourBytesLong) bytes.resize(bytes.size() + 4, 0);
    if (damage != Damage::Missing) test::WriteBytes(path, bytes);

    auto cat = Filled(2);
    const auto before = std::make_unique<Catalogue>(*cat);
    const Status s = LoadCatalogue(*cat, dir.path());
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message().rfind(std::string(kStandardFiles[file]) + ": ", 0), 0u) << s.message();
    EXPECT_EQ(Differences(*before, *cat), Names{});
}

INSTANTIATE_TEST_SUITE_P(AllFiles, BrokenCatalogueFile,
                         ::testing::Combine(::testing::Range(0, 6),
                                            ::testing::Values(Damage::Missing,
                                                              Damage::FourBytesShort,
                                                              Damage::FourBytesLong)));

TEST(Catalogue, ShortMoviesFileMessage) {
    TempDir dir;
    ASSERT_TRUE(
        SaveCatalogueSet(*std::make_unique<Catalogue>(), CatalogueSet::Standard, dir.path()));
    auto bytes = ReadBytes(dir.path() / "QVX2_Movies.int");
    bytes.resize(39996);
    test::WriteBytes(dir.path() / "QVX2_Movies.int", bytes);
    auto cat = std::make_unique<Catalogue>();
    EXPECT_EQ(LoadCatalogue(*cat, dir.path()).message(),
              "QVX2_Movies.int: 39996 bytes, expected 40000");
}

TEST(Catalogue, TheFirstBrokenFileInReadingOrderIsNamed) {
    for (int first = 0; first < 6; ++first) {
        TempDir dir;
        ASSERT_TRUE(
            SaveCatalogueSet(*std::make_unique<Catalogue>(), CatalogueSet::Standard, dir.path()));
        for (int i = first; i < 6; ++i)
            fs::remove(dir.path() / kStandardFiles[i]);
        auto cat = std::make_unique<Catalogue>();
        const Status s = LoadCatalogue(*cat, dir.path());
        EXPECT_EQ(s.message().rfind(std::string(kStandardFiles[first]) + ": ", 0), 0u)
            << s.message();
    }
}

}  // namespace
}  // namespace qvx
