#include "CatalogueCsv.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstdio>
#include <memory>
#include <optional>
#include <system_error>

#include "BinaryFile.h"
#include "TextCodec.h"

namespace qvx::content {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kMin = INT32_MIN;
constexpr int32_t kMax = INT32_MAX;
constexpr int32_t kMaxEpisodes = 1000;
constexpr size_t kShownValueChars = 40;

// The game does not check catalogue values, so the import holds them to what the game can use:
// a table index must be in range, unused fields may hold anything.
struct IntColumn {
    std::string_view name;
    int32_t lo, hi;
};

constexpr std::array<IntColumn, kFields + 1> kMovieColumns = {{
    {"", 0, 0},
    {"onMarket", 0, kMax},
    {"type", 1, 4},
    {"genre", 1, 15},
    {"stars", 1, 5},
    {"episodes", 0, kMaxEpisodes},
    {"field6", kMin, kMax},
    {"length", 1, kSlots},  // no programme is longer than a broadcasting day
    {"recentlyShown", 0, kMax},
    {"price", 0, kMax},
    {"ratingAction", 0, 100},
    {"ratingComedy", 0, 100},
    {"ratingRomance", 0, 100},
    {"ratingSfx", 0, 100},
    {"ratingStory", 0, 100},
    {"ratingCast", 0, 100},
    {"field16", kMin, kMax},
    {"field17", kMin, kMax},
    {"field18", kMin, kMax},
    {"field19", kMin, kMax},
    {"field20", kMin, kMax},
}};
constexpr std::array<std::string_view, 3> kMovieTexts = {"title", "text2", "description"};
constexpr IntColumn kAdTarget = {"target", 0, 8};
constexpr std::array<std::string_view, 2> kAdTexts = {"name", "text"};
constexpr std::array<IntColumn, 3> kNewsNamed = {
    {{"", 0, 0}, {"available", 0, kMax}, {"category", 1, 3}}};

IntColumn NewsColumn(int field) {
    if (field < 3) return kNewsNamed[static_cast<size_t>(field)];
    return {"", kMin, kMax};
}
std::string NewsColumnName(int field) {
    return field < 3 ? std::string(kNewsNamed[static_cast<size_t>(field)].name)
                     : "field" + std::to_string(field);
}

std::vector<std::string> MovieHeader() {
    std::vector<std::string> h = {"id"};
    for (int f = 1; f <= kFields; ++f)
        h.emplace_back(kMovieColumns[static_cast<size_t>(f)].name);
    for (std::string_view t : kMovieTexts)
        h.emplace_back(t);
    return h;
}
std::vector<std::string> AdHeader() {
    return {"id", std::string(kAdTarget.name), std::string(kAdTexts[0]), std::string(kAdTexts[1])};
}
std::vector<std::string> NewsHeader() {
    std::vector<std::string> h = {"id"};
    for (int f = 1; f <= kFields; ++f)
        h.push_back(NewsColumnName(f));
    h.emplace_back("headline");
    return h;
}

void AppendRow(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += '\n';
}

// A value as it can be quoted inside a one-line message.
std::string Shown(std::string_view value) {
    std::string out;
    size_t chars = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if ((c & 0xC0) != 0x80 && ++chars > kShownValueChars) return "'" + out + "...'";
        out += c < 0x20 ? ' ' : static_cast<char>(c);
    }
    return "'" + out + "'";
}

// The first character of utf8 that Windows-1252 cannot hold, described for a message.
std::optional<std::string> FirstForeignCharacter(std::string_view utf8) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {  // ASCII, nearly every character of a catalogue
            ++pos;
            continue;
        }
        const size_t len = (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
        const std::string_view ch = utf8.substr(pos, len);
        if (!FitsCp1252(ch)) {
            bool wellFormed = lead >= 0xC0 && lead <= 0xF4 && ch.size() == len;
            uint32_t cp = lead & (0x7FU >> len);
            for (size_t i = 1; wellFormed && i < len; ++i) {
                const auto c = static_cast<uint8_t>(ch[i]);
                wellFormed = (c & 0xC0U) == 0x80U;
                cp = (cp << 6) | (c & 0x3FU);
            }
            if (!wellFormed) return "a byte that is not UTF-8";
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%04X", cp);
            return std::string("the character ") + hex + ", which Windows-1252 cannot hold";
        }
        pos += len;
    }
    return std::nullopt;
}

// Hands each row of CSV text to onRow as soon as it is read, in one row object whose memory is
// kept from row to row (onRow may move it away); stops at the first error, the text's or onRow's.
template <class OnRow>
Status ForEachCsvRow(std::string_view text, std::string_view fileName, OnRow&& onRow) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const size_t n = text.size();
    const auto isLineEnd = [&](size_t i) { return text[i] == '\n' || text[i] == '\r'; };
    // The first quote or line end from i on, or comma too outside quotes; n when none.
    const auto nextSpecial = [&](size_t i, bool quoted) {
        for (; i < n; ++i) {
            const char c = text[i];
            if (c == '"' || c == '\n' || c == '\r' || (c == ',' && !quoted)) break;
        }
        return i;
    };
    // Steps over one line end (CRLF counts once) and counts it.
    int line = 1;
    const auto skipLineEnd = [&](size_t& i) {
        i += text[i] == '\r' && i + 1 < n && text[i + 1] == '\n' ? 2 : 1;
        ++line;
    };
    const auto fail = [&](int atLine, size_t column, const std::string& what) {
        return Status::Fail(std::string(fileName) + " line " + std::to_string(atLine) +
                            ", column " + std::to_string(column) + ": " + what);
    };

    CsvRow row;
    size_t width = 0;
    size_t i = 0;
    while (i < n) {
        if (isLineEnd(i)) {
            skipLineEnd(i);
            continue;
        }
        row.fields.clear();
        row.fieldLines.clear();
        // Rows are mostly as wide as the one before, if onRow took that one away.
        row.fields.reserve(width);
        row.fieldLines.reserve(width);
        row.line = line;
        while (true) {
            std::string field;
            const int fieldLine = line;
            const size_t column = row.fields.size() + 1;
            if (text[i] == '"') {
                // Runs between quotes and line ends are appended whole: a catalogue is 100 KB.
                for (++i;;) {
                    const size_t stop = nextSpecial(i, true);
                    if (stop == n)
                        return fail(fieldLine, column, "the quoted value is never closed");
                    field.append(text, i, stop - i);
                    i = stop;
                    if (text[i] == '"') {
                        if (i + 1 < n && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n' || !(i + 1 < n && text[i + 1] == '\n')) ++line;
                    field += text[i++];
                }
                if (i < n && text[i] != ',' && !isLineEnd(i)) {
                    return fail(line, column, "text after the closing quote");
                }
            } else {
                const size_t stop = nextSpecial(i, false);
                field.assign(text, i, stop - i);
                i = stop;
                if (i < n && text[i] == '"') {
                    return fail(line, column,
                                "a quote inside an unquoted value (quote the whole value "
                                "and double the quote)");
                }
            }
            row.fields.push_back(std::move(field));
            row.fieldLines.push_back(fieldLine);
            if (i < n && text[i] == ',') {
                ++i;
                if (i < n) continue;
                // A comma ends the text: the row still has an empty last value.
                row.fields.emplace_back();
                row.fieldLines.push_back(line);
            }
            break;
        }
        if (i < n) skipLineEnd(i);
        width = row.fields.size();
        if (Status s = onRow(row); !s) return s;
    }
    return Status::Ok();
}

class TableReader {
  public:
    TableReader(std::string_view fileName, std::vector<std::string> header, int rowCount)
        : m_file(fileName), m_header(std::move(header)), m_rowCount(rowCount) {}

    // Checks the layout and the ids, then hands each row to perRow(row, id).
    template <class PerRow>
    Status Read(std::string_view text, PerRow&& perRow) const {
        bool header = true;
        std::vector<int> seenOnLine(static_cast<size_t>(m_rowCount) + 1, 0);
        const Status read = ForEachCsvRow(text, m_file, [&](const CsvRow& row) {
            if (header) {
                header = false;
                return CheckHeader(row);
            }
            if (Status s = CheckWidth(row); !s) return s;
            int32_t id = 0;
            if (Status s = Int(row, 0, {"id", 1, m_rowCount}, id); !s) return s;
            int& seen = seenOnLine[static_cast<size_t>(id)];
            if (seen != 0) {
                return Fail(row, 0,
                            "id " + std::to_string(id) + " was already given on line " +
                                std::to_string(seen));
            }
            seen = row.fieldLines[0];
            return perRow(row, id);
        });
        if (!read) return read;
        if (header) return Status::Fail(m_file + ": empty, expected the header line first");
        for (int id = 1; id <= m_rowCount; ++id) {
            if (seenOnLine[static_cast<size_t>(id)] == 0) {
                return Status::Fail(m_file + ": no line for id " + std::to_string(id) +
                                    " (ids 1.." + std::to_string(m_rowCount) +
                                    " must each appear once)");
            }
        }
        return Status::Ok();
    }

    Status Fail(const CsvRow& row, size_t col, const std::string& what) const {
        const int line = col < row.fieldLines.size() ? row.fieldLines[col] : row.line;
        std::string where =
            m_file + " line " + std::to_string(line) + ", column " + std::to_string(col + 1);
        if (col < m_header.size()) where += " (" + m_header[col] + ")";
        return Status::Fail(where + ": " + what);
    }

    Status Int(const CsvRow& row, size_t col, const IntColumn& range, int32_t& out) const {
        std::string_view text = row.fields[col];
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        int32_t value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec == std::errc::invalid_argument || end != text.data() + text.size()) {
            return Fail(row, col, Shown(row.fields[col]) + " is not a whole number");
        }
        if (ec == std::errc::result_out_of_range) {
            return Fail(row, col, Shown(row.fields[col]) + " is too large for a whole number");
        }
        if (value < range.lo || value > range.hi) {
            return Fail(row, col, Shown(row.fields[col]) + " is not in " + RangeText(range));
        }
        out = value;
        return Status::Ok();
    }

    Status Text(const CsvRow& row, size_t col, std::string& out) const {
        const std::string& text = row.fields[col];
        if (auto foreign = FirstForeignCharacter(text)) {
            return Fail(row, col, Shown(text) + " holds " + *foreign);
        }
        const size_t bytes = Utf8ToCp1252(text).size();
        if (bytes > kMaxRecordText) {
            return Fail(row, col,
                        Shown(text) + " is " + std::to_string(bytes) +
                            " characters long, at most " + std::to_string(kMaxRecordText) + " fit");
        }
        out = text;
        return Status::Ok();
    }

  private:
    static std::string RangeText(const IntColumn& range) {
        if (range.hi == kMax) return std::to_string(range.lo) + " or more";
        return std::to_string(range.lo) + ".." + std::to_string(range.hi);
    }

    Status CheckHeader(const CsvRow& row) const {
        for (size_t c = 0; c < std::max(row.fields.size(), m_header.size()); ++c) {
            const int line = row.line;
            const std::string where =
                m_file + " line " + std::to_string(line) + ", column " + std::to_string(c + 1);
            if (c >= row.fields.size()) {
                return Status::Fail(where + ": header '" + m_header[c] + "' is missing");
            }
            if (c >= m_header.size()) {
                return Status::Fail(where + ": unexpected header " + Shown(row.fields[c]));
            }
            if (row.fields[c] != m_header[c]) {
                return Status::Fail(where + ": header " + Shown(row.fields[c]) + " should be '" +
                                    m_header[c] + "'");
            }
        }
        return Status::Ok();
    }

    Status CheckWidth(const CsvRow& row) const {
        const size_t want = m_header.size();
        const std::string counts = "the line has " + std::to_string(row.fields.size()) + " of " +
                                   std::to_string(want) + " columns";
        if (row.fields.size() < want) return Fail(row, row.fields.size(), "missing, " + counts);
        if (row.fields.size() > want) return Fail(row, want, "one too many, " + counts);
        return Status::Ok();
    }

    std::string m_file;
    std::vector<std::string> m_header;
    int m_rowCount;
};

Status ReadFileText(const fs::path& path, std::string& text) {
    std::vector<uint8_t> bytes;
    if (Status s = ReadWholeFile(path, bytes); !s) return s;
    text.assign(bytes.begin(), bytes.end());
    return Status::Ok();
}

Status ParseMovies(std::string_view text, Catalogue& cat) {
    const TableReader reader(kMoviesCsv, MovieHeader(), kMovies);
    return reader.Read(text, [&](const CsvRow& row, int id) {
        Record& r = cat.MovieCatalogue[id];
        for (int f = 1; f <= kFields; ++f) {
            const auto col = static_cast<size_t>(f);
            if (Status s = reader.Int(row, col, kMovieColumns[col], r[f]); !s) return s;
        }
        if (r[Movie::kType] == Movie::kTypeSeries && r[Movie::kEpisodes] < 1) {
            return reader.Fail(row, Movie::kEpisodes,
                               Shown(row.fields[Movie::kEpisodes]) + " is not in 1.." +
                                   std::to_string(kMaxEpisodes) + ", as a series needs");
        }
        Table<std::string, kMovies>* texts[] = {&cat.MovieTitles, &cat.MovieTexts2,
                                                &cat.MovieDescriptions};
        for (size_t t = 0; t < kMovieTexts.size(); ++t) {
            if (Status s = reader.Text(row, kFields + 1 + t, (*texts[t])[id]); !s) return s;
        }
        return Status::Ok();
    });
}

Status ParseAds(std::string_view text, Catalogue& cat) {
    const TableReader reader(kAdsCsv, AdHeader(), kAds);
    return reader.Read(text, [&](const CsvRow& row, int id) {
        if (Status s = reader.Int(row, 1, kAdTarget, cat.AdTargets[id]); !s) return s;
        if (Status s = reader.Text(row, 2, cat.AdNames[id]); !s) return s;
        return reader.Text(row, 3, cat.AdTexts[id]);
    });
}

Status ParseNews(std::string_view text, Catalogue& cat) {
    const TableReader reader(kNewsCsv, NewsHeader(), kNews);
    return reader.Read(text, [&](const CsvRow& row, int id) {
        Record& r = cat.NewsCatalogue[id];
        for (int f = 1; f <= kFields; ++f) {
            if (Status s = reader.Int(row, static_cast<size_t>(f), NewsColumn(f), r[f]); !s)
                return s;
        }
        return reader.Text(row, kFields + 1, cat.NewsTexts[id]);
    });
}

Status MakeDirectory(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        return Status::Fail(dir.string() + ": cannot be created as a directory" +
                            (ec ? " (" + ec.message() + ")" : std::string()));
    }
    return Status::Ok();
}

}  // namespace

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

Status ParseCsv(std::string_view text, std::string_view fileName, std::vector<CsvRow>& rows) {
    rows.clear();
    return ForEachCsvRow(text, fileName, [&rows](CsvRow& row) {
        rows.push_back(std::move(row));
        return Status::Ok();
    });
}

std::string MoviesCsv(const Catalogue& cat) {
    const std::vector<std::string> header = MovieHeader();
    std::string out;
    AppendRow(out, header);
    for (int m = 1; m <= kMovies; ++m) {
        std::vector<std::string> fields = {std::to_string(m)};
        for (int f = 1; f <= kFields; ++f)
            fields.push_back(std::to_string(cat.MovieCatalogue[m][f]));
        fields.push_back(cat.MovieTitles[m]);
        fields.push_back(cat.MovieTexts2[m]);
        fields.push_back(cat.MovieDescriptions[m]);
        AppendRow(out, fields);
    }
    return out;
}

std::string AdsCsv(const Catalogue& cat) {
    std::string out;
    AppendRow(out, AdHeader());
    for (int a = 1; a <= kAds; ++a) {
        AppendRow(out, {std::to_string(a), std::to_string(cat.AdTargets[a]), cat.AdNames[a],
                        cat.AdTexts[a]});
    }
    return out;
}

std::string NewsCsv(const Catalogue& cat) {
    std::string out;
    AppendRow(out, NewsHeader());
    for (int n = 1; n <= kNews; ++n) {
        std::vector<std::string> fields = {std::to_string(n)};
        for (int f = 1; f <= kFields; ++f)
            fields.push_back(std::to_string(cat.NewsCatalogue[n][f]));
        fields.push_back(cat.NewsTexts[n]);
        AppendRow(out, fields);
    }
    return out;
}

Status ParseCatalogueCsv(std::string_view fileName, std::string_view text, Catalogue& cat) {
    if (fileName == kMoviesCsv) return ParseMovies(text, cat);
    if (fileName == kAdsCsv) return ParseAds(text, cat);
    if (fileName == kNewsCsv) return ParseNews(text, cat);
    return Status::Fail(std::string(fileName) + ": not a catalogue file");
}

std::string CatalogueCsv(std::string_view fileName, const Catalogue& cat) {
    if (fileName == kMoviesCsv) return MoviesCsv(cat);
    if (fileName == kAdsCsv) return AdsCsv(cat);
    return fileName == kNewsCsv ? NewsCsv(cat) : std::string();
}

Status ReadCatalogueCsv(const fs::path& csvDir, Catalogue& cat) {
    auto fresh = std::make_unique<Catalogue>();
    std::string text;
    for (const char* name : kCatalogueCsvFiles) {
        if (Status s = ReadFileText(csvDir / name, text); !s) return s;
        if (Status s = ParseCatalogueCsv(name, text, *fresh); !s) return s;
    }
    cat = std::move(*fresh);
    return Status::Ok();
}

Status ExportCatalogue(const fs::path& dir, CatalogueSet set, const fs::path& csvDir) {
    auto cat = std::make_unique<Catalogue>();
    if (Status s = LoadCatalogueSet(*cat, set, dir); !s) return s;
    if (Status s = MakeDirectory(csvDir); !s) return s;
    const std::pair<const char*, std::string> files[] = {
        {kMoviesCsv, MoviesCsv(*cat)}, {kAdsCsv, AdsCsv(*cat)}, {kNewsCsv, NewsCsv(*cat)}};
    for (const auto& [name, text] : files) {
        const std::vector<uint8_t> bytes(text.begin(), text.end());
        if (Status s = WriteFileAtomic(csvDir / name, bytes); !s) return s;
    }
    return Status::Ok();
}

Status ImportCatalogue(const fs::path& csvDir, CatalogueSet set, const fs::path& dir) {
    auto cat = std::make_unique<Catalogue>();
    if (Status s = ReadCatalogueCsv(csvDir, *cat); !s) return s;
    if (Status s = MakeDirectory(dir); !s) return s;
    return SaveCatalogueSet(*cat, set, dir);
}

}  // namespace qvx::content
