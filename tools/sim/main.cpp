// quovix-sim: the headless game. Works on the save slots of the working directory exactly as the
// game does; every subcommand prints one JSON object on stdout, or one line on stderr and a
// non-zero exit code on bad input.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameState.h"
#include "Json.h"
#include "SaveGame.h"

namespace fs = std::filesystem;
using namespace qvx;

namespace {

constexpr const char* kUsage =
    "usage: quovix-sim [--data-dir DIR] COMMAND [options]\n"
    "  dump [--slot K]            every table of save slot K (default 0) as JSON\n"
    "  resave --slot K --to M     load slot K and save it as slot M\n";

struct Args {
    std::string command;
    std::map<std::string, std::string> options;
};

struct UsageError {
    std::string message;
};

Args Parse(int argc, char** argv) {
    Args args;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.rfind("--", 0) == 0) {
            if (word == "--help") throw UsageError{""};
            if (i + 1 >= argc) throw UsageError{"option " + word + " needs a value"};
            args.options[word.substr(2)] = argv[++i];
        } else if (args.command.empty()) {
            args.command = word;
        } else {
            throw UsageError{"unexpected argument '" + word + "'"};
        }
    }
    if (args.command.empty()) throw UsageError{"no command given"};
    return args;
}

int SlotOption(const Args& args, const std::string& name, std::optional<int> fallback) {
    const auto it = args.options.find(name);
    if (it == args.options.end()) {
        if (fallback) return *fallback;
        throw UsageError{"--" + name + " is required"};
    }
    int slot = -1;
    const std::string& text = it->second;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), slot);
    if (ec != std::errc() || ptr != text.data() + text.size() || slot < 0 ||
        slot > kNumberedSaveSlots)
        throw UsageError{"--" + name + " must be a slot number 0.." +
                         std::to_string(kNumberedSaveSlots)};
    return slot;
}

void CheckOptions(const Args& args, const std::vector<std::string>& allowed) {
    for (const auto& [name, value] : args.options) {
        if (name == "data-dir") continue;
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw UsageError{"unknown option --" + name + " for " + args.command};
    }
}

template <class T, size_t N>
void LogLines(json::Writer& w, const std::array<T, N>& log) {
    size_t last = 0;
    for (size_t i = 1; i < N; ++i) {
        if (!log[i].empty()) last = i;
    }
    w.BeginArray();
    for (size_t i = 0; i <= last; ++i)
        w.Value(log[i]);
    w.EndArray();
}

std::string Dump(const GameState& gs, int slot) {
    json::Writer w;
    w.BeginObject();
    w.Key("slot").Value(slot);
    w.Key("PlayerChannel").Value(gs.PlayerChannel);
    if (slot == kRunningGameSlot) w.Key("RunningGameFlag").Value(gs.RunningGameFlag);
    w.Key("GameInfo").Value(gs.GameInfo);
    w.Key("GameAccounts").Value(gs.ChannelAccounts[0]);
    w.Key("ChannelNames").Value(gs.ChannelNames);
    w.Key("Channel").Value(gs.Channel);
    w.Key("ChannelAccounts").Value(gs.ChannelAccounts);
    w.Key("ChannelPendingIncome").Value(gs.ChannelPendingIncome);
    w.Key("RegionNames").Value(gs.RegionNames);
    w.Key("RegionDescriptions").Value(gs.RegionDescriptions);
    w.Key("RegionCodes").Value(gs.RegionCodes);
    w.Key("Regions").Value(gs.Regions);
    w.Key("Licences").Value(gs.Licences);
    w.Key("Popularity").Value(gs.Popularity);
    w.Key("Programme").Value(gs.Programme);
    w.Key("ShopOffers").Value(gs.ShopOffers);
    w.Key("MovieArchive").Value(gs.MovieArchive);
    w.Key("MovieMarketAux").Value(gs.MovieMarketAux);
    w.Key("EpisodesShown").Value(gs.EpisodesShown);
    w.Key("AdPool").Value(gs.AdPool);
    w.Key("AcceptedAds").Value(gs.AcceptedAds);
    w.Key("AdSpotsDone").Value(gs.AdSpotsDone);
    w.Key("AdSpotsShadow").Value(gs.AdSpotsShadow);
    w.Key("AdDaysLeft").Value(gs.AdDaysLeft);
    w.Key("AdOffers").Value(gs.AdOffers);
    w.Key("NewsOffersA").Value(gs.NewsOffersA);
    w.Key("NewsOffersB").Value(gs.NewsOffersB);
    w.Key("NewsShow").Value(gs.NewsShow);
    // Only up to each channel's last used line: the rest are empty.
    w.Key("GameLog").BeginArray();
    for (const auto& log : gs.GameLog)
        LogLines(w, log);
    w.EndArray();
    w.EndObject();
    return w.Text();
}

std::unique_ptr<GameState> ReadSlot(int slot, const fs::path& dir) {
    std::unique_ptr<GameState> gs;
    if (Status s = ReadSlotFiles(slot, dir, gs); !s) throw std::runtime_error(s.message());
    return gs;
}

int Run(const Args& args) {
    const fs::path dir =
        args.options.count("data-dir") ? fs::path(args.options.at("data-dir")) : ".";
    if (args.command == "dump") {
        CheckOptions(args, {"slot"});
        const int slot = SlotOption(args, "slot", 0);
        std::cout << Dump(*ReadSlot(slot, dir), slot) << "\n";
        return 0;
    }
    if (args.command == "resave") {
        CheckOptions(args, {"slot", "to"});
        const int from = SlotOption(args, "slot", std::nullopt);
        const int to = SlotOption(args, "to", std::nullopt);
        const auto gs = ReadSlot(from, dir);
        if (Status s = WriteSlotFiles(*gs, to, dir); !s) throw std::runtime_error(s.message());
        json::Writer w;
        w.BeginObject().Key("resaved").Value(from).Key("to").Value(to).EndObject();
        std::cout << w.Text() << "\n";
        return 0;
    }
    throw UsageError{"unknown command '" + args.command + "'"};
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(Parse(argc, argv));
    } catch (const UsageError& e) {
        if (e.message.empty()) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "quovix-sim: " << e.message << " (see --help)\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quovix-sim: " << e.what() << "\n";
        return 1;
    }
}
