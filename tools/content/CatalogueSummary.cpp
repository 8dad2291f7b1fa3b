#include "CatalogueSummary.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "MovieWords.h"

namespace qvx::content {

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

// {"a": 1, "b": 2} on one line: the launcher shows the summary in a terminal, where one line per
// table reads better than one line per number.
std::string Counts(const std::vector<std::pair<std::string, int>>& counts) {
    std::string out = "{";
    for (size_t i = 0; i < counts.size(); ++i) {
        if (i > 0) out += ", ";
        out += Quoted(counts[i].first) + ": " + std::to_string(counts[i].second);
    }
    return out + "}";
}

std::string SetJson(const Catalogue& cat) {
    std::vector<std::pair<std::string, int>> types = {
        {"movie", 0}, {"series", 0}, {"show", 0}, {"liveSport", 0}};
    std::vector<std::pair<std::string, int>> genres;
    for (int g = 1; g <= kGenres; ++g)
        genres.emplace_back(GenreName(g), 0);
    std::vector<std::pair<std::string, int>> stars;
    for (int s = 1; s <= 5; ++s)
        stars.emplace_back(std::to_string(s), 0);
    int offMarket = 0;
    int recentlyShown = 0;
    int32_t minPrice = INT32_MAX;
    int32_t maxPrice = INT32_MIN;
    std::vector<int32_t> prices;
    for (int m = 1; m <= kMovies; ++m) {
        const Record& r = cat.MovieCatalogue[m];
        if (r[Movie::kType] >= 1 && r[Movie::kType] <= 4) ++types[r[Movie::kType] - 1].second;
        if (r[Movie::kGenre] >= 1 && r[Movie::kGenre] <= kGenres)
            ++genres[r[Movie::kGenre] - 1].second;
        if (r[Movie::kStars] >= 1 && r[Movie::kStars] <= 5) ++stars[r[Movie::kStars] - 1].second;
        offMarket += r[Movie::kOnMarket] == 0 ? 1 : 0;
        recentlyShown += r[Movie::kRecentlyShown] > 0 ? 1 : 0;
        minPrice = std::min(minPrice, r[Movie::kPrice]);
        maxPrice = std::max(maxPrice, r[Movie::kPrice]);
        prices.push_back(r[Movie::kPrice]);
    }
    std::sort(prices.begin(), prices.end());

    std::vector<std::pair<std::string, int>> targets;
    for (int t = 1; t <= 8; ++t)
        targets.emplace_back(std::to_string(t), 0);
    for (int a = 1; a <= kAds; ++a) {
        if (cat.AdTargets[a] >= 1 && cat.AdTargets[a] <= 8) ++targets[cat.AdTargets[a] - 1].second;
    }
    std::vector<std::pair<std::string, int>> categories = {
        {"politics", 0}, {"starsLifestyle", 0}, {"sport", 0}};
    int newsAvailable = 0;
    for (int n = 1; n <= kNews; ++n) {
        const Record& r = cat.NewsCatalogue[n];
        if (r[News::kCategory] >= 1 && r[News::kCategory] <= 3)
            ++categories[r[News::kCategory] - 1].second;
        newsAvailable += r[News::kAvailable] > 0 ? 1 : 0;
    }

    const std::string indent = "\n    ";
    std::string out = "{";
    out += indent + "\"movies\": " + std::to_string(kMovies) +
           ", \"offMarket\": " + std::to_string(offMarket) +
           ", \"recentlyShown\": " + std::to_string(recentlyShown) + ",";
    out += indent + "\"types\": " + Counts(types) + ",";
    out += indent + "\"genres\": " + Counts(genres) + ",";
    out += indent + "\"stars\": " + Counts(stars) + ",";
    out += indent + "\"price\": " +
           Counts({{"min", minPrice}, {"median", prices[prices.size() / 2]}, {"max", maxPrice}}) +
           ",";
    out +=
        indent + "\"ads\": " + std::to_string(kAds) + ", \"adTargets\": " + Counts(targets) + ",";
    out += indent + "\"news\": " + std::to_string(kNews) +
           ", \"newsAvailable\": " + std::to_string(newsAvailable) +
           ", \"newsCategories\": " + Counts(categories);
    return out + "\n  }";
}

}  // namespace

std::string CatalogueSummaryJson(uint64_t seed, const Catalogue& standard, const Catalogue& custom,
                                 bool settingsCreated) {
    std::string out = "{\n";
    out += "  \"seed\": " + std::to_string(seed) + ",\n";
    out += "  \"settingsFile\": " + Quoted(settingsCreated ? "created" : "kept") + ",\n";
    out += "  \"standard\": " + SetJson(standard) + ",\n";
    out += "  \"custom\": " + SetJson(custom) + "\n";
    return out + "}\n";
}

}  // namespace qvx::content
