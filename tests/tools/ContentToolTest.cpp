#include "ContentTool.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "ContentTestSupport.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::SetFileNames;
using testing::TempDir;

struct ToolResult {
    int exitCode;
    std::string out, err;
};

ToolResult RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunContentTool(args, out, err);
    return {code, out.str(), err.str()};
}

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

TEST(ContentTool, BadCommandLinesFailWithOneLine) {
    const std::vector<std::string> cases[] = {
        {},
        {"frobnicate"},
        {"generate"},
        {"generate", "--out"},
        {"generate", "--out", "x", "--seed", "-1"},
        {"generate", "--out", "x", "--seed", "12abc"},
        {"generate", "--out", "x", "--out", "y"},
        {"generate", "--out", "x", "stray"},
        {"generate", "--dir", "x"},
        {"export-catalogue", "--dir", "d", "--set", "weird", "--out", "o"},
        {"import-catalogue", "--csv", "c", "--set", "custom"},
        {"import-catalogue", "--csv=", "--set", "custom", "--out", "o"},
    };
    for (const auto& args : cases) {
        const ToolResult run = RunTool(args);
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        EXPECT_EQ(run.exitCode, 2) << joined;
        EXPECT_TRUE(IsOneLine(run.err)) << joined << "-> " << run.err;
        EXPECT_TRUE(run.out.empty()) << joined;
    }
}

TEST(ContentTool, AFileProblemIsReportedWithTheFileName) {
    TempDir dir;
    const ToolResult run = RunTool({"export-catalogue", "--dir", (dir / "empty").string(), "--set",
                                    "custom", "--out", (dir / "csv").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(IsOneLine(run.err));
    EXPECT_NE(run.err.find("QVX2_CustomMovies.int"), std::string::npos) << run.err;
}

TEST(ContentTool, OptionsWithEqualsSignsWork) {
    TempDir dir;
    const ToolResult run = RunTool({"generate", "--seed=4", "--out=" + (dir / "g").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"seed\": 4"), std::string::npos);
}

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ContentExecutable, GeneratesExportsImportsAndRejectsNonsense) {
    TempDir dir;
    const std::string exe = QVX_CONTENT_EXE;
    const std::string game = (dir / "game").string();
    const std::string out = (dir / "out.txt").string();
    const std::string err = (dir / "err.txt").string();
    const std::string redirect = " >'" + out + "' 2>'" + err + "'";

    ASSERT_EQ(Shell("'" + exe + "' generate --out '" + game + "' --seed 3" + redirect), 0)
        << ReadText(err);
    for (CatalogueSet set : {CatalogueSet::Standard, CatalogueSet::Custom}) {
        for (const std::string& name : SetFileNames(set)) {
            EXPECT_TRUE(fs::exists(dir / "game" / name)) << name;
        }
    }
    EXPECT_TRUE(fs::exists(dir / "game" / "SaveGameData.str"));
    EXPECT_NE(ReadText(out).find("\"standard\""), std::string::npos);

    const std::string csv = (dir / "csv").string();
    EXPECT_EQ(Shell("'" + exe + "' export-catalogue --dir '" + game + "' --set standard --out '" +
                    csv + "'" + redirect),
              0);
    EXPECT_EQ(Shell("'" + exe + "' import-catalogue --csv '" + csv + "' --set custom --out '" +
                    (dir / "back").string() + "'" + redirect),
              0);
    EXPECT_EQ(ReadText(dir / "back" / "QVX2_CustomMovies.str"),
              ReadText(dir / "game" / "QVX2_Movies.str"));

    EXPECT_NE(Shell("'" + exe + "' generate --out '" + game + "' --seed minus" + redirect), 0);
    EXPECT_TRUE(IsOneLine(ReadText(err))) << ReadText(err);

    ASSERT_EQ(Shell("'" + exe + "' --help" + redirect), 0);
    for (const char* command : {"generate", "export-catalogue", "import-catalogue"}) {
        EXPECT_NE(ReadText(out).find(command), std::string::npos) << command;
    }
}

}  // namespace
}  // namespace qvx::content
