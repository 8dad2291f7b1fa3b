#include "Generator.h"

#include <gtest/gtest.h>

#include <set>

#include "ContentTestSupport.h"
#include "Settings.h"
#include "TextCodec.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::SetFileNames;
using testing::TempDir;

void ExpectSoundText(const std::string& text, const std::string& what) {
    EXPECT_FALSE(text.empty()) << what;
    EXPECT_TRUE(FitsCp1252(text)) << what << ": " << text;
    EXPECT_LE(Utf8ToCp1252(text).size(), kMaxRecordText) << what << ": " << text;
    // A brace means a template token found no words.
    EXPECT_EQ(text.find_first_of("{}|"), std::string::npos) << what << ": " << text;
}

// The rules a catalogue must keep for the game to play well with it.
void ExpectPlayable(const Catalogue& cat, const std::string& label) {
    SCOPED_TRACE(label);
    std::array<int, 5> types{};
    int offMarket = 0, recent = 0;
    std::set<std::string> titles;
    // Sums of each rating (10..15) per genre, to see that genres lean the right way.
    std::array<std::array<double, kFields + 1>, 16> ratingSum{};
    std::array<int, 16> genreCount{};
    double cheapMax = 0, epicMin = 1e9;
    for (int m = 1; m <= kMovies; ++m) {
        const Record& r = cat.MovieCatalogue[m];
        const std::string id = "movie " + std::to_string(m);
        const int type = r[Movie::kType], genre = r[Movie::kGenre];
        ASSERT_TRUE(type >= 1 && type <= 4) << id;
        ASSERT_TRUE(genre >= 1 && genre <= 15) << id;
        ++types[type];
        EXPECT_TRUE(r[Movie::kStars] >= 1 && r[Movie::kStars] <= 5) << id;
        EXPECT_TRUE(r[Movie::kLength] >= 1 && r[Movie::kLength] <= 3) << id;
        EXPECT_GE(r[Movie::kPrice], 1) << id;
        // Live sport is always genre 9, and genre 9 is only ever live or a sport show.
        EXPECT_TRUE(type != Movie::kTypeLiveSport || genre == 9) << id;
        EXPECT_TRUE(genre != 9 || type >= Movie::kTypeShow) << id;
        EXPECT_TRUE(genre != 6 || type == Movie::kTypeShow) << id;
        if (type == Movie::kTypeSeries) {
            EXPECT_TRUE(r[Movie::kEpisodes] >= 6 && r[Movie::kEpisodes] <= 26) << id;
        } else {
            EXPECT_EQ(r[Movie::kEpisodes], 0) << id;
        }
        for (int f : {Movie::kEpisodeMark, 16, 17, 18, 19, 20})
            EXPECT_EQ(r[f], 0) << id << " field " << f;
        for (int f = Movie::kRatingAction; f <= Movie::kRatingCast; ++f) {
            EXPECT_TRUE(r[f] >= 0 && r[f] <= 100) << id << " field " << f;
            ratingSum[static_cast<size_t>(genre)][f] += r[f];
        }
        ++genreCount[static_cast<size_t>(genre)];
        if (type == Movie::kTypeMovie && r[Movie::kStars] == 1 && r[Movie::kLength] == 1) {
            cheapMax = std::max(cheapMax, double(r[Movie::kPrice]));
        }
        if (type == Movie::kTypeMovie && r[Movie::kStars] == 5 && r[Movie::kLength] == 3) {
            epicMin = std::min(epicMin, double(r[Movie::kPrice]));
        }
        offMarket += r[Movie::kOnMarket] == 0;
        recent += r[Movie::kRecentlyShown] > 0;
        EXPECT_TRUE(titles.insert(cat.MovieTitles[m]).second) << "repeated: " << cat.MovieTitles[m];
        ExpectSoundText(cat.MovieTitles[m], id + " title");
        ExpectSoundText(cat.MovieTexts2[m], id + " text2");
        ExpectSoundText(cat.MovieDescriptions[m], id + " description");
    }
    EXPECT_GT(types[Movie::kTypeMovie], kMovies / 2);
    EXPECT_GE(types[Movie::kTypeSeries], 40);
    EXPECT_GE(types[Movie::kTypeShow], 40);
    EXPECT_GE(types[Movie::kTypeLiveSport], 20);
    EXPECT_TRUE(offMarket > 0 && offMarket <= kMovies / 10) << offMarket;
    EXPECT_TRUE(recent > 0 && recent <= kMovies / 5) << recent;
    EXPECT_LT(cheapMax, 10);
    EXPECT_GE(epicMin, 80);

    // Each genre scores higher than the rest of the catalogue on what it is about.
    const std::pair<int, int> leanings[] = {{1, Movie::kRatingAction},
                                            {4, Movie::kRatingRomance},
                                            {12, Movie::kRatingComedy},
                                            {15, Movie::kRatingSfx},
                                            {14, Movie::kRatingStory}};
    for (const auto& [genre, field] : leanings) {
        double others = 0;
        int otherCount = 0;
        for (int g = 1; g <= 15; ++g) {
            if (g == genre) continue;
            others += ratingSum[static_cast<size_t>(g)][field];
            otherCount += genreCount[static_cast<size_t>(g)];
        }
        const double mean =
            ratingSum[static_cast<size_t>(genre)][field] / genreCount[static_cast<size_t>(genre)];
        EXPECT_GT(mean, others / otherCount + 20) << "genre " << genre << " field " << field;
    }

    std::array<int, 9> targets{};
    std::set<std::string> advertisers;
    for (int a = 1; a <= kAds; ++a) {
        ASSERT_TRUE(cat.AdTargets[a] >= 1 && cat.AdTargets[a] <= 8) << "ad " << a;
        ++targets[static_cast<size_t>(cat.AdTargets[a])];
        EXPECT_TRUE(advertisers.insert(cat.AdNames[a]).second) << cat.AdNames[a];
        ExpectSoundText(cat.AdNames[a], "ad name " + std::to_string(a));
        ExpectSoundText(cat.AdTexts[a], "ad text " + std::to_string(a));
    }
    for (int t = 1; t <= 8; ++t)
        EXPECT_GT(targets[static_cast<size_t>(t)], 0) << "target " << t;

    std::array<int, 4> categories{};
    int withdrawn = 0;
    for (int n = 1; n <= kNews; ++n) {
        const Record& r = cat.NewsCatalogue[n];
        ASSERT_TRUE(r[News::kCategory] >= 1 && r[News::kCategory] <= 3) << "news " << n;
        ++categories[static_cast<size_t>(r[News::kCategory])];
        withdrawn += r[News::kAvailable] == 0;
        ExpectSoundText(cat.NewsTexts[n], "headline " + std::to_string(n));
    }
    for (int c = 1; c <= 3; ++c)
        EXPECT_GE(categories[static_cast<size_t>(c)], 60) << c;
    EXPECT_TRUE(withdrawn > 0 && withdrawn <= kNews / 20) << withdrawn;
}

TEST(Generate, WritesBothSetsAndBothLoadAndArePlayable) {
    TempDir dir;
    const fs::path game = dir / "game";  // not there yet: generate creates it
    std::string summary;
    ASSERT_TRUE(GenerateCatalogueFiles(game, 1, summary).ok());
    EXPECT_NE(summary.find("\"standard\""), std::string::npos);
    EXPECT_NE(summary.find("\"settingsFile\": \"created\""), std::string::npos);
    EXPECT_TRUE(fs::exists(game / kSettingsFileName));

    auto standard = std::make_unique<Catalogue>();
    auto custom = std::make_unique<Catalogue>();
    const Status s1 = LoadCatalogue(*standard, game);
    const Status s2 = LoadCustomCatalogue(*custom, game);
    ASSERT_TRUE(s1.ok()) << s1.message();
    ASSERT_TRUE(s2.ok()) << s2.message();
    ExpectPlayable(*standard, "standard");
    ExpectPlayable(*custom, "custom");

    int shared = 0;
    const std::set<std::string> standardTitles(standard->MovieTitles.begin() + 1,
                                               standard->MovieTitles.end());
    for (int m = 1; m <= kMovies; ++m)
        shared += standardTitles.contains(custom->MovieTitles[m]);
    EXPECT_LT(shared, kMovies / 4) << "the custom set should be a different catalogue";
}

TEST(Generate, EverySeedKeepsTheRules) {
    // Rare patterns (and the title retry) only show up over many draws.
    for (const uint64_t seed : std::array<uint64_t, 6>{0, 2, 3, 42, 1234567, UINT64_MAX}) {
        ExpectPlayable(*GenerateCatalogue(seed), "seed " + std::to_string(seed));
    }
}

TEST(Generate, SameSeedSameBytesOtherSeedOtherBytes) {
    TempDir dir;
    std::string summary;
    ASSERT_TRUE(GenerateCatalogueFiles(dir / "a", 5, summary).ok());
    ASSERT_TRUE(GenerateCatalogueFiles(dir / "b", 5, summary).ok());
    ASSERT_TRUE(GenerateCatalogueFiles(dir / "c", 6, summary).ok());
    for (CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
        for (const std::string& name : SetFileNames(set)) {
            const std::string a = ReadText(dir / "a" / name);
            EXPECT_EQ(a, ReadText(dir / "b" / name)) << name;
            EXPECT_NE(a, ReadText(dir / "c" / name)) << name;
        }
    }
    EXPECT_NE(ReadText(dir / "a" / "QVX2_Movies.str"),
              ReadText(dir / "a" / "QVX2_CustomMovies.str"));
}

TEST(Generate, KeepsAnExistingSettingsFile) {
    TempDir dir;
    Settings mine;
    mine.SaveSlotNames[3] = "My best season";
    mine.StartCounter = 17;
    ASSERT_TRUE(SaveSettings(mine, dir.path()).ok());
    const std::string before = ReadText(dir / kSettingsFileName);

    std::string summary;
    ASSERT_TRUE(GenerateCatalogueFiles(dir.path(), 1, summary).ok());
    EXPECT_EQ(ReadText(dir / kSettingsFileName), before);
    EXPECT_NE(summary.find("\"settingsFile\": \"kept\""), std::string::npos);
}

}  // namespace
}  // namespace qvx::content
