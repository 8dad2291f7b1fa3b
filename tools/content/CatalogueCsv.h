#pragma once
// The catalogue as three spreadsheet-friendly CSV files (UTF-8, RFC 4180 quoting), so a player
// can build a custom set: export, edit, import. The import checks every value first and writes
// nothing unless all three files are sound.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "Status.h"

namespace qvx::content {

inline constexpr const char* kMoviesCsv = "movies.csv";
inline constexpr const char* kAdsCsv = "ads.csv";
inline constexpr const char* kNewsCsv = "news.csv";
inline constexpr const char* kCatalogueCsvFiles[] = {kMoviesCsv, kAdsCsv, kNewsCsv};

// A field holding a comma, a quote, a line break or an edge space is quoted, quotes doubled.
std::string CsvField(std::string_view text);

struct CsvRow {
    int line = 0;  // 1-based line the row starts on
    std::vector<std::string> fields;
    std::vector<int> fieldLines;  // a quoted field may span lines, so each keeps its own
};
// Splits CSV text into rows. Accepts LF and CRLF line ends and a leading byte-order mark (as
// spreadsheets write them) and skips empty lines. Errors name fileName, line and column.
Status ParseCsv(std::string_view text, std::string_view fileName, std::vector<CsvRow>& rows);

std::string MoviesCsv(const Catalogue& cat);
std::string AdsCsv(const Catalogue& cat);
std::string NewsCsv(const Catalogue& cat);

// One of the three files' text, named as above: the tables it fills in cat, or the first bad
// value (cat may then be half filled); and the text of that file for cat.
Status ParseCatalogueCsv(std::string_view fileName, std::string_view text, Catalogue& cat);
std::string CatalogueCsv(std::string_view fileName, const Catalogue& cat);

// Fills cat from the three files in csvDir; on the first bad value the message names the file,
// the line and the column, and cat is left as it was.
Status ReadCatalogueCsv(const std::filesystem::path& csvDir, Catalogue& cat);

Status ExportCatalogue(const std::filesystem::path& dir, CatalogueSet set,
                       const std::filesystem::path& csvDir);
Status ImportCatalogue(const std::filesystem::path& csvDir, CatalogueSet set,
                       const std::filesystem::path& dir);

}  // namespace qvx::content
