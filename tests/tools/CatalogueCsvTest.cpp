#include "CatalogueCsv.h"

#include <gtest/gtest.h>

#include <functional>

#include "ContentTestSupport.h"
#include "Generator.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::SetFileNames;
using testing::TempDir;
using testing::WriteText;
using Rows = std::vector<std::vector<std::string>>;

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"Dust over Copper Creek", "Dust over Copper Creek"},
        {"", ""},
        {"Laugh now, apologise later.", "\"Laugh now, apologise later.\""},
        {"The \"Big\" One", "\"The \"\"Big\"\" One\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {" padded", "\" padded\""},
        {"Café", "Café"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

TEST(ParseCsv, HandlesQuotesLineEndsAndKeepsLineNumbers) {
    // BOM, CRLF, a quoted value spanning two lines, a doubled quote, an empty line, an empty
    // last value and no final line end.
    const std::string text =
        "\xEF\xBB\xBFid,text\r\n1,\"first\r\nsecond\"\r\n\r\n2,\"say \"\"hi\"\"\"\n3,\n4,x";
    std::vector<CsvRow> rows;
    ASSERT_TRUE(ParseCsv(text, "t.csv", rows).ok());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"id", "text"}));
    EXPECT_EQ(rows[1].fields[1], "first\r\nsecond");
    EXPECT_EQ(rows[2].line, 5);  // line 4 is the empty one
    EXPECT_EQ(rows[2].fields[1], "say \"hi\"");
    EXPECT_EQ(rows[3].fields, (std::vector<std::string>{"3", ""}));
    EXPECT_EQ(rows[4].line, 7);

    // A trailing comma at the very end is still an empty value.
    ASSERT_TRUE(ParseCsv("a,b\n1,", "t.csv", rows).ok());
    EXPECT_EQ(rows[1].fields.size(), 2u);

    const std::pair<std::string, std::string> broken[] = {
        {"id,text\n1,\"never closed\n2,x\n", "t.csv line 2, column 2: the quoted value is never"},
        {"id,text\n1,half\"quoted\n", "t.csv line 2, column 2: a quote inside an unquoted"},
        {"id,text\n1,\"closed\"late\n", "t.csv line 2, column 2: text after the closing quote"},
    };
    for (const auto& [bad, message] : broken) {
        const Status s = ParseCsv(bad, "t.csv", rows);
        EXPECT_EQ(s.message().rfind(message, 0), 0u) << s.message();
    }
}

class CatalogueCsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string summary;
        ASSERT_TRUE(GenerateCatalogueFiles(m_dir / "game", 11, summary).ok());
        ASSERT_TRUE(ExportCatalogue(m_dir / "game", CatalogueSet::Standard, csv()).ok());
    }
    fs::path csv() const { return m_dir / "csv"; }
    fs::path game() const { return m_dir / "game"; }

    static Rows Load(const fs::path& path) {
        std::vector<CsvRow> parsed;
        EXPECT_TRUE(ParseCsv(ReadText(path), path.filename().string(), parsed).ok());
        Rows rows;
        for (CsvRow& row : parsed)
            rows.push_back(std::move(row.fields));
        return rows;
    }
    static void Save(const fs::path& path, const Rows& rows) {
        std::string text;
        for (const auto& row : rows) {
            for (size_t i = 0; i < row.size(); ++i)
                text += (i ? "," : "") + CsvField(row[i]);
            text += "\n";
        }
        WriteText(path, text);
    }

    TempDir m_dir;
};

TEST_F(CatalogueCsvTest, ExportThenImportGivesTheSameBytes) {
    ASSERT_TRUE(ExportCatalogue(game(), CatalogueSet::Custom, m_dir / "csv2").ok());
    ASSERT_TRUE(ImportCatalogue(csv(), CatalogueSet::Standard, m_dir / "back").ok());
    ASSERT_TRUE(ImportCatalogue(m_dir / "csv2", CatalogueSet::Custom, m_dir / "back").ok());
    for (CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
        for (const std::string& name : SetFileNames(set)) {
            EXPECT_EQ(ReadText(game() / name), ReadText(m_dir / "back" / name)) << name;
        }
    }
}

TEST_F(CatalogueCsvTest, TextThatNeedsQuotingOrTheHighCodePageSurvives) {
    auto cat = std::make_unique<Catalogue>();
    ASSERT_TRUE(LoadCatalogue(*cat, game()).ok());
    cat->MovieTitles[1] = "Commas, \"quotes\" and\na line break";
    cat->MovieTexts2[2] = "";
    cat->MovieDescriptions[3] = " edge spaces \r\n";
    cat->AdNames[4] = "Café Zoë €5 – “smart” quotes";  // all inside Windows-1252
    cat->NewsTexts[5] = std::string(255, 'x');
    cat->MovieCatalogue[6][20] = -2147483647 - 1;
    fs::create_directories(m_dir / "odd");
    ASSERT_TRUE(SaveCatalogueSet(*cat, CatalogueSet::Custom, m_dir / "odd").ok());
    ASSERT_TRUE(ExportCatalogue(m_dir / "odd", CatalogueSet::Custom, m_dir / "oddcsv").ok());
    ASSERT_TRUE(ImportCatalogue(m_dir / "oddcsv", CatalogueSet::Custom, m_dir / "back").ok());
    for (const std::string& name : SetFileNames(CatalogueSet::Custom)) {
        EXPECT_EQ(ReadText(m_dir / "odd" / name), ReadText(m_dir / "back" / name)) << name;
    }
}

struct BrokenCase {
    const char* label;
    const char* file;
    std::function<void(Rows&)> breakIt;
    const char* message;  // the start of the expected error
};

TEST_F(CatalogueCsvTest, BrokenFilesNameLineAndColumnAndWriteNothing) {
    // The row of id n sits on line n + 1 (after the header) in a freshly exported file.
    const BrokenCase cases[] = {
        {"not a number", "movies.csv", [](Rows& r) { r[17][4] = "abc"; },
         "movies.csv line 18, column 5 (stars): 'abc' is not a whole number"},
        {"out of range", "movies.csv", [](Rows& r) { r[3][3] = "16"; },
         "movies.csv line 4, column 4 (genre): '16' is not in 1..15"},
        {"beyond int32", "news.csv", [](Rows& r) { r[9][5] = "2147483648"; },
         "news.csv line 10, column 6 (field5): '2147483648' is too large"},
        {"missing column", "ads.csv", [](Rows& r) { r[3].pop_back(); },
         "ads.csv line 4, column 4 (text): missing, the line has 3 of 4 columns"},
        {"extra column", "ads.csv", [](Rows& r) { r[8].push_back("x"); },
         "ads.csv line 9, column 5: one too many"},
        {"duplicate id", "news.csv", [](Rows& r) { r[10][0] = "3"; },
         "news.csv line 11, column 1 (id): id 3 was already given on line 4"},
        {"missing id", "news.csv", [](Rows& r) { r.pop_back(); }, "news.csv: no line for id 250"},
        {"id out of range", "ads.csv", [](Rows& r) { r[100][0] = "101"; },
         "ads.csv line 101, column 1 (id): '101' is not in 1..100"},
        {"over-long title", "movies.csv", [](Rows& r) { r[1][21] = std::string(256, 'a'); },
         "movies.csv line 2, column 22 (title): 'aaaa"},
        {"outside Windows-1252", "movies.csv", [](Rows& r) { r[2][23] = "Snow \u2603 day"; },
         "movies.csv line 3, column 24 (description): 'Snow \u2603 day' holds the character "
         "U+2603"},
        {"broken UTF-8", "ads.csv", [](Rows& r) { r[5][3] = "bad \xC3 byte"; },
         "ads.csv line 6, column 4 (text): 'bad \xC3 byte' holds a byte that is not UTF-8"},
        {"series without episodes", "movies.csv",
         [](Rows& r) {
             r[7][2] = "2";
             r[7][5] = "0";
         },
         "movies.csv line 8, column 6 (episodes): '0' is not in 1..1000, as a series needs"},
        {"renamed header", "ads.csv", [](Rows& r) { r[0][3] = "slogan"; },
         "ads.csv line 1, column 4: header 'slogan' should be 'text'"},
        // A line break inside a quoted title pushes every later line down by one.
        {"line after a two-line value", "movies.csv",
         [](Rows& r) {
             r[1][21] = "Two\nlines";
             r[2][4] = "";
         },
         "movies.csv line 4, column 5 (stars): '' is not a whole number"},
    };

    // The target holds another set already; a failed import must leave it exactly as it was.
    const fs::path target = m_dir / "target";
    std::string summary;
    ASSERT_TRUE(GenerateCatalogueFiles(target, 99, summary).ok());
    std::vector<std::string> before;
    for (const std::string& name : SetFileNames(CatalogueSet::Custom)) {
        before.push_back(ReadText(target / name));
    }

    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.label);
        const fs::path broken = m_dir / "broken";
        fs::remove_all(broken);
        fs::copy(csv(), broken);
        Rows rows = Load(broken / c.file);
        c.breakIt(rows);
        Save(broken / c.file, rows);

        const Status s = ImportCatalogue(broken, CatalogueSet::Custom, target);
        EXPECT_EQ(s.message().rfind(c.message, 0), 0u) << s.message();
        EXPECT_EQ(s.message().find('\n'), std::string::npos);
        const auto names = SetFileNames(CatalogueSet::Custom);
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(ReadText(target / names[i]), before[i]) << names[i];
        }
        const Status intoNowhere = ImportCatalogue(broken, CatalogueSet::Custom, m_dir / "none");
        EXPECT_FALSE(intoNowhere.ok());
        EXPECT_FALSE(fs::exists(m_dir / "none"));
    }
}

TEST_F(CatalogueCsvTest, AMissingFileIsNamed) {
    fs::remove(csv() / "news.csv");
    const Status s = ImportCatalogue(csv(), CatalogueSet::Standard, m_dir / "out");
    EXPECT_EQ(s.message().rfind("news.csv: cannot be opened", 0), 0u) << s.message();
    EXPECT_FALSE(fs::exists(m_dir / "out"));
}

}  // namespace
}  // namespace qvx::content
