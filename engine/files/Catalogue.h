#pragma once
// The movies, advertisers and news every game draws from, read from three file pairs. Not part
// of a saved game: it is reloaded before each new or loaded game.
#include <filesystem>
#include <string>
#include <vector>

#include "GameState.h"
#include "Status.h"

namespace qvx {

struct Catalogue {
    Table<Record, kMovies> MovieCatalogue{};
    Table<std::string, kMovies> MovieTitles{};
    Table<std::string, kMovies> MovieTexts2{};
    Table<std::string, kMovies> MovieDescriptions{};
    Table<int32_t, kAds> AdTargets{};
    Table<std::string, kAds> AdNames{};
    Table<std::string, kAds> AdTexts{};
    Table<Record, kNews> NewsCatalogue{};
    Table<std::string, kNews> NewsTexts{};
};

enum class CatalogueSet { Standard, Custom };

struct CatalogueFiles {
    std::string moviesInt, moviesStr, adsInt, adsStr, newsInt, newsStr;
};
const CatalogueFiles& CatalogueFileNames(CatalogueSet set);
// The set a game of this scenario kind uses: Custom games have their own.
CatalogueSet CatalogueSetForKind(int32_t scenarioKind);

constexpr size_t kMoviesIntBytes = size_t{kMovies} * kFields * 4;  // 40000
constexpr size_t kMoviesStrBytes = size_t{kMovies} * 3 * 256;      // 384000
constexpr size_t kAdsIntBytes = size_t{kAds} * 4;                  // 400
constexpr size_t kAdsStrBytes = size_t{kAds} * 2 * 256;            // 51200
constexpr size_t kNewsIntBytes = size_t{kNews} * kFields * 4;      // 20000
constexpr size_t kNewsStrBytes = size_t{kNews} * 256;              // 64000

// The six files of a set, in the order they are read.
enum class CatalogueFile { MoviesInt, MoviesStr, AdsInt, AdsStr, NewsInt, NewsStr };
inline constexpr CatalogueFile kCatalogueFiles[] = {
    CatalogueFile::MoviesInt, CatalogueFile::MoviesStr, CatalogueFile::AdsInt,
    CatalogueFile::AdsStr,    CatalogueFile::NewsInt,   CatalogueFile::NewsStr};
const std::string& CatalogueFileName(CatalogueSet set, CatalogueFile file);
size_t CatalogueFileBytes(CatalogueFile file);
// One file from memory: checks its size (the message names it) and fills only the tables the
// file holds; on failure cat is untouched. Encoding replaces out's bytes and keeps its memory.
Status DecodeCatalogueFile(CatalogueFile file, const std::string& name,
                           const std::vector<uint8_t>& bytes, Catalogue& cat);
void EncodeCatalogueFile(const Catalogue& cat, CatalogueFile file, std::vector<uint8_t>& out);

// Reads the six files of a set from dir. On any error (a missing file, a wrong size) the
// message names the file and cat is left exactly as it was.
Status LoadCatalogueSet(Catalogue& cat, CatalogueSet set, const std::filesystem::path& dir);
inline Status LoadCatalogue(Catalogue& cat, const std::filesystem::path& dir) {
    return LoadCatalogueSet(cat, CatalogueSet::Standard, dir);
}
inline Status LoadCustomCatalogue(Catalogue& cat, const std::filesystem::path& dir) {
    return LoadCatalogueSet(cat, CatalogueSet::Custom, dir);
}
// Writes the six files of a set (used by the content tool and its CSV import).
Status SaveCatalogueSet(const Catalogue& cat, CatalogueSet set, const std::filesystem::path& dir);

}  // namespace qvx
