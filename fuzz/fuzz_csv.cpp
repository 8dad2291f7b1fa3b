// The CSV import, one of its three files patched and read by the import's own reading of that
// file (ReadCatalogueCsv runs it on each file over a fresh catalogue). An accepted file's tables
// are encoded into the binary files the import saves, which must decode to the same values. A
// share of the inputs is also parsed by ParseCsv alone, whose rows must write back and parse to
// the same rows, and, when accepted, exported to CSV that must read back to the same values.
#include <memory>
#include <vector>

#include "CatalogueCsv.h"
#include "FuzzSupport.h"
#include "TextCodec.h"

using namespace qvx;
using namespace qvx::content;
using namespace qvx::fuzz;

namespace {

struct Target {
    std::vector<PatchedFile> files;  // as kCatalogueCsvFiles
    std::unique_ptr<Catalogue> read = std::make_unique<Catalogue>();
    std::unique_ptr<Catalogue> again = std::make_unique<Catalogue>();
    Bytes encoded;
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

// The exported catalogue with every text cut to a few words: the same rows, numbers and
// quoting, a third of the bytes and no text long enough to need memory of its own, which keeps
// a run of the movies' 500 rows near a millisecond.
std::unique_ptr<Catalogue> Shortened(const fs::path& csvDir) {
    auto cat = std::make_unique<Catalogue>();
    if (Status s = ReadCatalogueCsv(csvDir, *cat); !s)
        Fail("the base CSV does not import: " + s.message());
    const auto cut = [](auto& table) {
        for (std::string& text : table)
            text = TruncateForRecord(text, 15);
    };
    cut(cat->MovieTitles);
    cut(cat->MovieTexts2);
    cut(cat->MovieDescriptions);
    cut(cat->AdNames);
    cut(cat->AdTexts);
    cut(cat->NewsTexts);
    return cat;
}

Target& State() {
    static Target* t = [] {
        auto* s = new Target;
        const auto base = BaseDir() != nullptr ? Shortened(fs::path(BaseDir())) : Plain();
        for (const char* name : kCatalogueCsvFiles) {
            const std::string text = CatalogueCsv(name, *base);
            s->files.emplace_back(Bytes(text.begin(), text.end()));
        }
        return s;
    }();
    return *t;
}

// The binary files a CSV file's tables are saved to.
std::vector<CatalogueFile> BinaryFilesOf(std::string_view name) {
    if (name == kMoviesCsv) return {CatalogueFile::MoviesInt, CatalogueFile::MoviesStr};
    if (name == kAdsCsv) return {CatalogueFile::AdsInt, CatalogueFile::AdsStr};
    return {CatalogueFile::NewsInt, CatalogueFile::NewsStr};
}

// The tables a CSV file fills.
bool SameTables(std::string_view name, const Catalogue& a, const Catalogue& b) {
    if (name == kMoviesCsv) {
        return a.MovieCatalogue == b.MovieCatalogue && a.MovieTitles == b.MovieTitles &&
               a.MovieTexts2 == b.MovieTexts2 && a.MovieDescriptions == b.MovieDescriptions;
    }
    if (name == kAdsCsv)
        return a.AdTargets == b.AdTargets && a.AdNames == b.AdNames && a.AdTexts == b.AdTexts;
    return a.NewsCatalogue == b.NewsCatalogue && a.NewsTexts == b.NewsTexts;
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
    Patched in;
    if (!ApplyInput(t.files, data, size, in)) return 0;
    const std::string name = kCatalogueCsvFiles[in.file];
    const std::string_view text(reinterpret_cast<const char*>(in.bytes->data()), in.bytes->size());
    // Each parse of the movies' 500 rows costs about a millisecond here: the checks that parse
    // again run on one input in eight, chosen by its bytes so that a finding reproduces.
    const bool thorough = Hash(data, size) % 8 == 0;
    if (thorough) CheckParseRoundTrip(text);

    const Status s = ParseCatalogueCsv(name, text, *t.read);
    if (!s) {
        Expect(s.message().rfind(name + ":", 0) == 0 || s.message().rfind(name + " line", 0) == 0,
               "a refusal that names no file: " + s.message());
        return 0;
    }
    // What the import saves loads to the very same values...
    for (const CatalogueFile file : BinaryFilesOf(name)) {
        EncodeCatalogueFile(*t.read, file, t.encoded);
        const std::string& binary = CatalogueFileName(CatalogueSet::Custom, file);
        if (Status d = DecodeCatalogueFile(file, binary, t.encoded, *t.again); !d)
            Fail("an imported file does not load: " + d.message());
    }
    Expect(SameTables(name, *t.read, *t.again), "the imported set loads to other values");
    if (!thorough) return 0;
    // ...and exports to CSV that imports to them again.
    if (Status r = ParseCatalogueCsv(name, CatalogueCsv(name, *t.again), *t.again); !r)
        Fail("an exported file does not import: " + r.message());
    Expect(SameTables(name, *t.read, *t.again), "an exported set imports to other values");
    return 0;
}
