#include "Generator.h"

#include <algorithm>
#include <array>
#include <span>
#include <system_error>
#include <unordered_set>
#include <vector>

#include "AdNewsWords.h"
#include "CatalogueSummary.h"
#include "MovieWords.h"
#include "Rng.h"
#include "Settings.h"

namespace qvx::content {

namespace fs = std::filesystem;

namespace {

// Movies, ads and news draw from streams of their own, so a change in one table's rules does
// not reshuffle the other two.
constexpr uint64_t kMovieStream = 0x6d6f76696573ULL;
constexpr uint64_t kAdStream = 0x616473ULL;
constexpr uint64_t kNewsStream = 0x6e657773ULL;

constexpr int kOffMarket = kMovies / 20;      // about 5% the agency never offers
constexpr int kRecentlyShown = kMovies / 10;  // about 10% start as "recently broadcast"
constexpr int kNewsWithdrawn = kNews * 3 / 100;
constexpr int kTitleAttempts = 200;

// Genre weights 1..15 per programme type. Quiz and sport never make a movie; the talky genres
// are where shows come from; live sport is always genre 9.
constexpr std::array<int, kGenres + 1> kMovieGenres = {0, 12, 5, 9, 9,  9, 0,  2,
                                                       0, 0,  6, 6, 12, 5, 10, 9};
constexpr std::array<int, kGenres + 1> kSeriesGenres = {0, 3, 4, 6, 3, 2, 0, 0,
                                                        7, 0, 1, 2, 6, 1, 4, 4};
constexpr std::array<int, kGenres + 1> kShowGenres = {0, 0, 0, 0, 0, 0, 8, 5,
                                                      3, 4, 0, 0, 3, 0, 0, 0};
constexpr std::array<int, 6> kStarWeights = {0, 18, 28, 28, 17, 9};
// $ millions for one hourly block of a movie of 1..5 stars; a 5-star three-hour epic costs about
// a hundred, a 1-star filler one or two. Tuned with quovix-sim tournaments (docs/balance.md):
// dearer titles bleed the companies on the small maps dry before their audience pays.
constexpr std::array<int64_t, 6> kStarBlockPrice = {0, 1, 3, 8, 18, 38};

// Ratings 10..15 (Action, Comedy, Romance, SFX, Story, Cast) a genre leans towards.
constexpr std::array<std::array<int, 6>, kGenres + 1> kRatingProfiles = {{
    {0, 0, 0, 0, 0, 0},
    {85, 20, 15, 60, 45, 50},  // Action
    {40, 75, 20, 55, 45, 40},  // Cartoon
    {60, 15, 15, 30, 70, 55},  // Crime
    {10, 35, 88, 10, 55, 60},  // Love
    {55, 10, 20, 35, 75, 55},  // Thriller
    {5, 40, 5, 15, 20, 55},    // Quiz
    {5, 15, 10, 20, 70, 35},   // Cultural
    {10, 30, 75, 5, 45, 55},   // Soap
    {80, 10, 5, 25, 20, 45},   // Sport / Live
    {85, 5, 15, 65, 55, 50},   // War
    {70, 20, 25, 30, 50, 50},  // Western
    {15, 88, 35, 15, 45, 55},  // Comedy
    {65, 15, 35, 55, 55, 50},  // Ancient/Medieval
    {15, 15, 45, 10, 80, 65},  // Drama
    {60, 15, 15, 90, 55, 45},  // Science-Fiction
}};

uint64_t SplitMix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27U)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31U);
}

int PickWeighted(std::span<const int> weights, Rng& rng) {
    int total = 0;
    for (int w : weights)
        total += w;
    int r = rng.Random(total);
    for (size_t i = 0; i < weights.size(); ++i) {
        if (r < weights[i]) return static_cast<int>(i);
        r -= weights[i];
    }
    return 0;
}

template <class T>
void Shuffle(std::vector<T>& items, Rng& rng) {
    for (size_t i = items.size(); i > 1; --i) {
        const auto j = static_cast<size_t>(rng.Random(static_cast<int32_t>(i)));
        std::swap(items[i - 1], items[j]);
    }
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

Lexicon MovieLexicon(const GenreVocabulary& v) {
    Lexicon lexicon;
    lexicon.Set('A', v.adjectives)
        .Set('N', v.nouns)
        .Set('P', v.places)
        .Set('X', v.extra)
        .Set('F', v.firstNames.empty() ? FirstNames() : v.firstNames)
        .Set('S', v.surnames.empty() ? Surnames() : v.surnames)
        .Set('T', Towns());
    return lexicon;
}

// The list for a programme type, or the movie list, or the show list, whichever exists first.
Words ForType(const std::array<Words, 5>& lists, int type) {
    if (!lists[static_cast<size_t>(type)].empty()) return lists[static_cast<size_t>(type)];
    if (!lists[Movie::kTypeMovie].empty()) return lists[Movie::kTypeMovie];
    return lists[Movie::kTypeShow];
}

int PickGenre(int type, Rng& rng) {
    switch (type) {
        case Movie::kTypeSeries:
            return PickWeighted(kSeriesGenres, rng);
        case Movie::kTypeShow:
            return PickWeighted(kShowGenres, rng);
        case Movie::kTypeLiveSport:
            return 9;
        default:
            return PickWeighted(kMovieGenres, rng);
    }
}

int PickLength(int type, int genre, Rng& rng) {
    const int r = rng.Random(100);
    switch (type) {
        case Movie::kTypeSeries:
            // Crime, drama and science fiction sometimes run double episodes.
            return (genre == 3 || genre == 14 || genre == 15) && r < 15 ? 2 : 1;
        case Movie::kTypeShow:
            return genre == 7 && r < 30 ? 2 : 1;
        case Movie::kTypeLiveSport:
            return r < 55 ? 2 : 3;
        default:
            if (genre == 2) return r < 70 ? 1 : 2;
            return r < 20 ? 1 : (r < 78 ? 2 : 3);
    }
}

int32_t Price(int type, int stars, int length, int episodes, Rng& rng) {
    const int64_t block = kStarBlockPrice[static_cast<size_t>(stars)];
    int64_t price = 0;
    switch (type) {
        // A series is licensed whole, so it costs a sixth of a movie block per episode block.
        case Movie::kTypeSeries:
            price = block * episodes * length / 8;
            break;
        case Movie::kTypeShow:
            price = block * length * 3 / 4;
            break;
        case Movie::kTypeLiveSport:
            price = block * length * 5 / 4;
            break;
        default:
            price = block * length;
            break;
    }
    price = price * (85 + rng.Random(31)) / 100;
    return static_cast<int32_t>(std::max<int64_t>(1, price));
}

void Ratings(Record& r, int genre, int stars, Rng& rng) {
    const auto& profile = kRatingProfiles[static_cast<size_t>(genre)];
    for (int i = 0; i < 6; ++i) {
        int value = profile[static_cast<size_t>(i)] + rng.Random(25) - 4;
        // Better films are better told and better cast; the other scores are matters of taste.
        if (Movie::kRatingAction + i >= Movie::kRatingStory) value += (stars - 3) * 7;
        r[Movie::kRatingAction + i] = std::clamp(value, 0, 100);
    }
}

void WriteMovieTexts(Catalogue& cat, int m, int type, int genre,
                     std::unordered_set<std::string>& usedTitles, Rng& rng) {
    const GenreVocabulary& words = GenreWords(genre);
    const Lexicon lexicon = MovieLexicon(words);
    const Words patterns = ForType(words.titles, type);
    for (int attempt = 0;; ++attempt) {
        Expander expand(lexicon, rng);
        const std::string_view pattern = Pick(patterns, rng);
        const size_t bar = pattern.find('|');
        std::string title = Capitalised(expand(pattern.substr(0, bar)));
        if (attempt >= kTitleAttempts) {
            // Never reached with the present tables; it only guarantees the loop ends.
            const std::string base = title;
            for (int n = 2; usedTitles.contains(title); ++n)
                title = base + " " + std::to_string(n);
        }
        if (!usedTitles.insert(title).second) continue;
        const std::string_view story = bar != std::string_view::npos
                                           ? pattern.substr(bar + 1)
                                           : Pick(ForType(words.stories, type), rng);
        cat.MovieTitles[m] = std::move(title);
        cat.MovieDescriptions[m] = Capitalised(expand(story));
        cat.MovieTexts2[m] = expand(Pick(words.taglines, rng));
        return;
    }
}

void GenerateMovies(Catalogue& cat, Rng& rng) {
    const int series = 95 + rng.Random(21);
    const int shows = 60 + rng.Random(21);
    const int live = 30 + rng.Random(11);
    std::vector<int> types(kMovies, Movie::kTypeMovie);
    std::fill_n(types.begin(), series, Movie::kTypeSeries);
    std::fill_n(types.begin() + series, shows, Movie::kTypeShow);
    std::fill_n(types.begin() + series + shows, live, Movie::kTypeLiveSport);
    Shuffle(types, rng);

    std::unordered_set<std::string> usedTitles;
    for (int m = 1; m <= kMovies; ++m) {
        const int type = types[static_cast<size_t>(m - 1)];
        const int genre = PickGenre(type, rng);
        const int stars = PickWeighted(kStarWeights, rng);
        const int length = PickLength(type, genre, rng);
        const int episodes = type == Movie::kTypeSeries ? 6 + rng.Random(21) : 0;

        Record& r = cat.MovieCatalogue[m];
        r = Record{};
        r[Movie::kOnMarket] = 1;
        r[Movie::kType] = type;
        r[Movie::kGenre] = genre;
        r[Movie::kStars] = stars;
        r[Movie::kEpisodes] = episodes;
        r[Movie::kLength] = length;
        r[Movie::kPrice] = Price(type, stars, length, episodes, rng);
        Ratings(r, genre, stars, rng);
        WriteMovieTexts(cat, m, type, genre, usedTitles, rng);
    }

    // Disjoint picks: a title the agency never sells has no business being "recently shown".
    std::vector<int> order(kMovies);
    for (int i = 0; i < kMovies; ++i)
        order[static_cast<size_t>(i)] = i + 1;
    Shuffle(order, rng);
    for (int i = 0; i < kOffMarket; ++i) {
        cat.MovieCatalogue[order[static_cast<size_t>(i)]][Movie::kOnMarket] = 0;
    }
    for (int i = kOffMarket; i < kOffMarket + kRecentlyShown; ++i) {
        cat.MovieCatalogue[order[static_cast<size_t>(i)]][Movie::kRecentlyShown] = 1;
    }
}

void GenerateAds(Catalogue& cat, Rng& rng) {
    // Every target group gets at least ten advertisers; the rest fall where they may.
    std::vector<int32_t> targets(kAds);
    for (int i = 0; i < kAds; ++i) {
        targets[static_cast<size_t>(i)] = i < 80 ? i % 8 + 1 : 1 + rng.Random(8);
    }
    Shuffle(targets, rng);

    std::unordered_set<std::string> usedNames;
    for (int a = 1; a <= kAds; ++a) {
        const int32_t target = targets[static_cast<size_t>(a - 1)];
        std::vector<const AdvertiserKind*> kinds;
        for (const AdvertiserKind& kind : AdvertiserKinds()) {
            if (kind.target == target) kinds.push_back(&kind);
        }
        const AdvertiserKind& kind =
            *kinds[static_cast<size_t>(rng.Random(static_cast<int32_t>(kinds.size())))];
        std::string brand;
        std::string name;
        do {
            brand = std::string(Pick(BrandStarts(), rng)) + std::string(Pick(BrandEnds(), rng));
            name = brand + " " + std::string(kind.trade);
        } while (!usedNames.insert(name).second);

        const std::array<std::string_view, 1> brandList = {brand};
        Lexicon lexicon;
        lexicon.Set('B', brandList).Set('T', Towns());
        Expander expand(lexicon, rng);
        cat.AdTargets[a] = target;
        cat.AdNames[a] = std::move(name);
        cat.AdTexts[a] = expand(Pick(kind.slogans, rng));
    }
}

void GenerateNews(Catalogue& cat, Rng& rng) {
    std::vector<int32_t> categories(kNews);
    for (int i = 0; i < kNews; ++i)
        categories[static_cast<size_t>(i)] = i % 3 + 1;
    Shuffle(categories, rng);

    Lexicon lexicon;
    lexicon.Set('F', FirstNames()).Set('S', Surnames()).Set('T', Towns());
    AddNewsWords(lexicon);
    std::unordered_set<std::string> usedHeadlines;
    for (int n = 1; n <= kNews; ++n) {
        const int32_t category = categories[static_cast<size_t>(n - 1)];
        std::string headline;
        for (int attempt = 0; attempt < kTitleAttempts; ++attempt) {
            Expander expand(lexicon, rng);
            headline = Capitalised(expand(Pick(NewsPatterns(category), rng)));
            if (usedHeadlines.insert(headline).second) break;
        }
        Record& r = cat.NewsCatalogue[n];
        r = Record{};
        r[News::kAvailable] = 1;
        r[News::kCategory] = category;
        cat.NewsTexts[n] = std::move(headline);
    }
    for (int i = 0; i < kNewsWithdrawn; ++i) {
        int n = 1 + rng.Random(kNews);
        while (cat.NewsCatalogue[n][News::kAvailable] == 0)
            n = n % kNews + 1;
        cat.NewsCatalogue[n][News::kAvailable] = 0;
    }
}

}  // namespace

uint64_t CustomSetSeed(uint64_t seed) {
    return SplitMix(seed ^ 0xC057C057C057C057ULL);
}

std::unique_ptr<Catalogue> GenerateCatalogue(uint64_t seed) {
    auto cat = std::make_unique<Catalogue>();
    Rng movieRng(SplitMix(seed ^ kMovieStream));
    Rng adRng(SplitMix(seed ^ kAdStream));
    Rng newsRng(SplitMix(seed ^ kNewsStream));
    GenerateMovies(*cat, movieRng);
    GenerateAds(*cat, adRng);
    GenerateNews(*cat, newsRng);
    return cat;
}

Status GenerateCatalogueFiles(const fs::path& dir, uint64_t seed, std::string& summaryJson) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        return Status::Fail(dir.string() + ": cannot be created as a directory" +
                            (ec ? " (" + ec.message() + ")" : std::string()));
    }
    const auto standard = GenerateCatalogue(seed);
    const auto custom = GenerateCatalogue(CustomSetSeed(seed));
    if (Status s = SaveCatalogueSet(*standard, CatalogueSet::Standard, dir); !s) return s;
    if (Status s = SaveCatalogueSet(*custom, CatalogueSet::Custom, dir); !s) return s;

    bool settingsCreated = false;
    if (!fs::exists(dir / kSettingsFileName, ec)) {
        if (ec) return Status::Fail(std::string(kSettingsFileName) + ": " + ec.message());
        if (Status s = SaveSettings(Settings{}, dir); !s) return s;
        settingsCreated = true;
    }
    summaryJson = CatalogueSummaryJson(seed, *standard, *custom, settingsCreated);
    return Status::Ok();
}

}  // namespace qvx::content
