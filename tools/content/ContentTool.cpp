#include "ContentTool.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "CatalogueCsv.h"
#include "Generator.h"
#include "pictures/Pictures.h"
#include "sounds/Sounds.h"

namespace qvx::content {

namespace {

constexpr int kExitFile = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "quovix-content builds the catalogue files Quovix 2 reads.\n"
    "\n"
    "  quovix-content generate --out DIR [--seed N]\n"
    "      Invent the standard and the custom catalogue set into DIR (created when missing),\n"
    "      draw every picture of the game there, compose its music and sounds (keeping those\n"
    "      an earlier run with the same seed made) and, when DIR has none yet, write a fresh\n"
    "      SaveGameData.str. Prints a JSON summary.\n"
    "      The same seed (default 1) always gives the same files.\n"
    "  quovix-content icons --out DIR\n"
    "      Draw the game's desktop icon at 48, 128, 256 and 512 pixels into DIR, laid out as\n"
    "      the hicolor icon theme wants it (DIR/48x48/apps/quovix2.png, ...).\n"
    "  quovix-content export-catalogue --dir DIR --set standard|custom --out CSVDIR\n"
    "      Write a set as movies.csv, ads.csv and news.csv for editing in a spreadsheet.\n"
    "  quovix-content import-catalogue --csv CSVDIR --set standard|custom --out DIR\n"
    "      Check the three CSV files; only when every value is sound, write the set into DIR.\n"
    "  quovix-content --help\n"
    "      This text.\n";

struct CommandOptions {
    std::vector<std::string_view> required;
    std::vector<std::string_view> optional;
};

using Options = std::map<std::string, std::string, std::less<>>;

// Reads "--name value" and "--name=value" pairs; the error text is empty on success.
std::string ParseOptions(std::string_view command, std::span<const std::string> args,
                         const CommandOptions& allowed, Options& options) {
    const auto known = [&](std::string_view name) {
        return std::ranges::find(allowed.required, name) != allowed.required.end() ||
               std::ranges::find(allowed.optional, name) != allowed.optional.end();
    };
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            return std::string(command) + ": unexpected argument '" + std::string(arg) + "'";
        }
        std::string name(arg);
        std::optional<std::string> value;
        if (const size_t eq = arg.find('='); eq != std::string_view::npos) {
            name = std::string(arg.substr(0, eq));
            value = std::string(arg.substr(eq + 1));
        }
        if (!known(name)) return std::string(command) + ": unknown option '" + name + "'";
        if (!value) {
            if (i + 1 >= args.size()) return std::string(command) + ": " + name + " needs a value";
            value = args[++i];
        }
        if (value->empty()) return std::string(command) + ": " + name + " needs a value";
        if (!options.emplace(name, *value).second) {
            return std::string(command) + ": " + name + " is given twice";
        }
    }
    for (std::string_view name : allowed.required) {
        if (!options.contains(name)) {
            return std::string(command) + ": " + std::string(name) + " is required";
        }
    }
    return {};
}

std::optional<CatalogueSet> ParseSet(std::string_view text) {
    if (text == "standard") return CatalogueSet::Standard;
    if (text == "custom") return CatalogueSet::Custom;
    return std::nullopt;
}

// Adds one more member (pictures, sounds) to the catalogue summary's JSON object.
std::string WithMember(std::string summary, const std::string& name, const std::string& json) {
    const size_t close = summary.rfind('}');
    if (close == std::string::npos) return summary;
    size_t end = close;
    while (end > 0 && (summary[end - 1] == '\n' || summary[end - 1] == ' '))
        --end;
    return summary.substr(0, end) + ",\n  \"" + name + "\": " + json + "\n}\n";
}

std::optional<uint64_t> ParseSeed(std::string_view text) {
    uint64_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

}  // namespace

int RunContentTool(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto usageError = [&](const std::string& what) {
        err << "quovix-content: " << what << " (see quovix-content --help)\n";
        return kExitUsage;
    };
    const auto fileError = [&](const Status& s) {
        err << "quovix-content: " << s.message() << "\n";
        return kExitFile;
    };

    if (args.empty()) return usageError("no command given");
    const std::string_view command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return 0;
    }

    const std::map<std::string_view, CommandOptions> commands = {
        {"generate", {{"--out"}, {"--seed"}}},
        {"icons", {{"--out"}, {}}},
        {"export-catalogue", {{"--dir", "--set", "--out"}, {}}},
        {"import-catalogue", {{"--csv", "--set", "--out"}, {}}}};
    const auto found = commands.find(command);
    if (found == commands.end()) {
        return usageError("unknown command '" + std::string(command) + "'");
    }
    Options options;
    if (std::string error = ParseOptions(command, args.subspan(1), found->second, options);
        !error.empty()) {
        return usageError(error);
    }

    if (command == "generate") {
        uint64_t seed = kDefaultSeed;
        if (const auto it = options.find("--seed"); it != options.end()) {
            const auto parsed = ParseSeed(it->second);
            if (!parsed)
                return usageError("--seed '" + it->second + "' is not a whole number >= 0");
            seed = *parsed;
        }
        std::string summary;
        if (Status s = GenerateCatalogueFiles(options.at("--out"), seed, summary); !s) {
            return fileError(s);
        }
        std::vector<std::string> pictureNames;
        if (Status s = pictures::GeneratePictures(options.at("--out"), seed, pictureNames); !s) {
            return fileError(s);
        }
        sounds::SoundRun soundRun;
        if (Status s = sounds::GenerateSounds(options.at("--out"), seed, soundRun); !s) {
            return fileError(s);
        }
        summary = WithMember(summary, "pictures", pictures::PicturesSummaryJson(pictureNames));
        out << WithMember(summary, "sounds", sounds::SoundsSummaryJson(soundRun));
        return 0;
    }

    if (command == "icons") {
        std::vector<std::string> files;
        if (Status s = pictures::GenerateIcons(options.at("--out"), files); !s) return fileError(s);
        for (const std::string& file : files)
            out << file << "\n";
        return 0;
    }

    const auto set = ParseSet(options.at("--set"));
    if (!set)
        return usageError("--set must be standard or custom, not '" + options.at("--set") + "'");
    const Status s = command == "export-catalogue"
                         ? ExportCatalogue(options.at("--dir"), *set, options.at("--out"))
                         : ImportCatalogue(options.at("--csv"), *set, options.at("--out"));
    return s ? 0 : fileError(s);
}

}  // namespace qvx::content
