// The CSV import: ParseCsv on the input itself, then ImportCatalogue with the input as one of
// the three files and valid copies of the other two.
#include <array>
#include <memory>

#include "CatalogueCsv.h"
#include "FuzzSupport.h"

using namespace qvx;
using namespace qvx::content;
using namespace qvx::fuzz;

namespace {

constexpr std::array<const char*, 3> kFiles = {kMoviesCsv, kAdsCsv, kNewsCsv};

struct Target {
    fs::path csv, out, again;
    std::array<std::string, 3> valid;
};

// The smallest catalogue the import accepts, for runs without real files.
std::unique_ptr<Catalogue> Plain() {
    auto cat = std::make_unique<Catalogue>();
    for (int m = 1; m <= kMovies; ++m) {
        Record& r = cat->MovieCatalogue[m];
        r[Movie::kType] = r[Movie::kGenre] = r[Movie::kStars] = r[Movie::kLength] = 1;
    }
    for (int n = 1; n <= kNews; ++n)
        cat->NewsCatalogue[n][News::kCategory] = 1;
    return cat;
}

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        s->csv = MakeScratch("csv");
        s->out = MakeScratch("csv-out");
        s->again = MakeScratch("csv-again");
        if (BaseDir() != nullptr) {
            for (size_t f = 0; f < kFiles.size(); ++f) {
                const Bytes b = ReadFile(fs::path(BaseDir()) / kFiles[f]);
                s->valid[f].assign(b.begin(), b.end());
            }
        } else {
            const auto cat = Plain();
            s->valid = {MoviesCsv(*cat), AdsCsv(*cat), NewsCsv(*cat)};
        }
        return s;
    }();
    return *t;
}

bool Same(const Catalogue& a, const Catalogue& b) {
    return a.MovieCatalogue == b.MovieCatalogue && a.MovieTitles == b.MovieTitles &&
           a.MovieTexts2 == b.MovieTexts2 && a.MovieDescriptions == b.MovieDescriptions &&
           a.AdTargets == b.AdTargets && a.AdNames == b.AdNames && a.AdTexts == b.AdTexts &&
           a.NewsCatalogue == b.NewsCatalogue && a.NewsTexts == b.NewsTexts;
}

// Parsed rows written back with CsvField parse to the same rows. A row of one empty value is
// an empty line once written, which the parser skips by design, so such rows are left out.
void CheckParseRoundTrip(std::string_view text) {
    std::vector<CsvRow> rows;
    if (!ParseCsv(text, "fuzz.csv", rows)) return;
    // A first value may itself start with a byte-order mark; the one in front is the one skipped.
    std::string written = "\xEF\xBB\xBF";
    std::vector<std::vector<std::string>> kept;
    for (const CsvRow& row : rows) {
        Expect(!row.fields.empty() && row.fields.size() == row.fieldLines.size(),
               "a parsed row without values or with unmatched field lines");
        Expect(row.line >= 1 && row.fieldLines.front() == row.line,
               "a row's line is not its first value's line");
        if (row.fields.size() == 1 && row.fields[0].empty()) continue;
        for (size_t i = 0; i < row.fields.size(); ++i)
            written += (i > 0 ? "," : "") + CsvField(row.fields[i]);
        written += '\n';
        kept.push_back(row.fields);
    }
    std::vector<CsvRow> again;
    Expect(static_cast<bool>(ParseCsv(written, "fuzz.csv", again)), "written rows do not parse");
    Expect(again.size() == kept.size(), "written rows parse to another number of rows");
    for (size_t r = 0; r < kept.size(); ++r)
        if (again[r].fields != kept[r])
            Fail("row " + std::to_string(r) + " changed in a write/parse");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Target& t = State();
    if (size < 1) return 0;
    const size_t fuzzed = data[0] % kFiles.size();
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckParseRoundTrip(text);

    for (size_t f = 0; f < kFiles.size(); ++f)
        WriteFile(t.csv / kFiles[f], f == fuzzed ? text : std::string_view(t.valid[f]));

    auto read = std::make_unique<Catalogue>();
    read->AdNames[1] = "untouched";
    const Status s = ReadCatalogueCsv(t.csv, *read);
    if (!s) {
        Expect(read->AdNames[1] == "untouched", "a refused import changed the catalogue");
        return 0;
    }
    // An accepted import writes a set that the game loads to the very same values, and that
    // exports to CSV that imports to them again.
    if (Status imported = ImportCatalogue(t.csv, CatalogueSet::Custom, t.out); !imported)
        Fail("ReadCatalogueCsv accepted what ImportCatalogue refused: " + imported.message());
    auto loaded = std::make_unique<Catalogue>();
    if (Status l = LoadCatalogueSet(*loaded, CatalogueSet::Custom, t.out); !l)
        Fail("an imported set does not load: " + l.message());
    Expect(Same(*loaded, *read), "the imported set loads to other values");
    WriteFile(t.again / kMoviesCsv, MoviesCsv(*loaded));
    WriteFile(t.again / kAdsCsv, AdsCsv(*loaded));
    WriteFile(t.again / kNewsCsv, NewsCsv(*loaded));
    auto reread = std::make_unique<Catalogue>();
    if (Status r = ReadCatalogueCsv(t.again, *reread); !r)
        Fail("an exported set does not import: " + r.message());
    Expect(Same(*reread, *loaded), "an exported set imports to other values");
    return 0;
}
