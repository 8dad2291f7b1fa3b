#include "SaveGame.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <type_traits>

#include "BinaryFile.h"
#include "Formatting.h"
#include "HistoryFile.h"
#include "Scenarios.h"

namespace qvx {

namespace fs = std::filesystem;

namespace {

template <class T>
constexpr bool kIsTable = false;
template <class T, size_t N>
constexpr bool kIsTable<std::array<T, N>> = true;

// A value, or every used cell of a table in index order: element 0 of every level is left
// out, as the game never uses it.
template <class T, class Visitor>
void Cells(T& value, Visitor& visit) {
    if constexpr (kIsTable<std::remove_const_t<T>>) {
        for (size_t i = 1; i < value.size(); ++i)
            Cells(value[i], visit);
    } else {
        visit(value);
    }
}

// The one description of a slot's layout: the numbers of the .int file and the texts of the .str
// file, each in the order met here. Saving, loading and the expected file sizes are all these
// walks with a different visitor, so they cannot disagree about the layout.
template <class State, class Visitor>
void WalkSlotNumbers(State& gs, int slot, Visitor& visit) {
    const auto cells = [&visit](auto& value) { Cells(value, visit); };
    cells(gs.Regions);
    cells(gs.Licences);
    cells(gs.Popularity);
    cells(gs.Programme);
    cells(gs.ShopOffers);
    cells(gs.MovieArchive);
    cells(gs.MovieMarketAux);
    cells(gs.EpisodesShown);
    cells(gs.AdPool);
    cells(gs.AcceptedAds);
    cells(gs.AdSpotsDone);
    cells(gs.AdSpotsShadow);
    cells(gs.AdDaysLeft);
    cells(gs.AdOffers);
    cells(gs.NewsOffersA);
    cells(gs.NewsOffersB);
    cells(gs.NewsShow);
    cells(gs.Channel);
    cells(gs.ChannelAccounts);  // the companies' records, 1..4
    cells(gs.ChannelPendingIncome);
    cells(gs.GameInfo);
    cells(gs.ChannelAccounts[0]);  // the game-wide record comes after GameInfo
    cells(gs.PlayerChannel);
    if (slot == kRunningGameSlot) cells(gs.RunningGameFlag);
}

template <class State, class Visitor>
void WalkSlotTexts(State& gs, Visitor& visit) {
    const auto cells = [&visit](auto& value) { Cells(value, visit); };
    cells(gs.ChannelNames);
    cells(gs.RegionNames);
    cells(gs.RegionDescriptions);
    cells(gs.RegionCodes);
    cells(gs.GameLog);
}

template <class State, class Visitor>
void WalkSlot(State& gs, int slot, Visitor& visit) {
    WalkSlotNumbers(gs, slot, visit);
    WalkSlotTexts(gs, visit);
}

struct Counter {
    size_t ints = 0;
    size_t strs = 0;
    void operator()(const int32_t&) { ++ints; }
    void operator()(const std::string&) { ++strs; }
};

// The walk needs a state to count over; any will do, so one is counted once per slot kind.
const Counter& Counts(int slot) {
    static const std::array<Counter, 2> counts = [] {
        const auto empty = std::make_unique<const GameState>();
        std::array<Counter, 2> c;
        WalkSlot(*empty, kRunningGameSlot, c[0]);
        WalkSlot(*empty, kRunningGameSlot + 1, c[1]);
        return c;
    }();
    return counts[slot == kRunningGameSlot ? 0 : 1];
}

// The game indexes its tables with these values; a garbled file of the right size must not
// lead it out of bounds, so any out-of-range id refuses the whole slot.
struct IdRange {
    const char* table;
    int32_t lo, hi;
};

template <size_t N>
Status CheckIds(const std::string& file, const IdRange& range, const std::array<int32_t, N>& ids) {
    for (size_t i = 1; i < N; ++i) {
        if (ids[i] < range.lo || ids[i] > range.hi)
            return Status::Fail(file + ": " + range.table + " holds " + std::to_string(ids[i]) +
                                ", outside " + std::to_string(range.lo) + ".." +
                                std::to_string(range.hi));
    }
    return Status::Ok();
}

Status CheckSlotIds(const GameState& gs, const std::string& file) {
    if (!ValidChannel(gs.PlayerChannel))
        return Status::Fail(file + ": PlayerChannel is " + std::to_string(gs.PlayerChannel) +
                            ", outside 1.." + std::to_string(kChannels));
    for (int c = 1; c <= kChannels; ++c) {
        std::array<int32_t, kSlots + 1> programmes{}, ads{};
        for (int slot = 1; slot <= kSlots; ++slot) {
            programmes[slot] = gs.Programme[c][slot][Slot::kProgramme];
            ads[slot] = gs.Programme[c][slot][Slot::kAd];
        }
        const std::array<int32_t, 2> logo{0, gs.Channel[c][Ch::kLogo]};
        const Status checks[] = {
            CheckIds(file, {"Programme", Slot::kNewsShow, kMovies}, programmes),
            CheckIds(file, {"Programme ads", 0, kAds}, ads),
            CheckIds(file, {"ShopOffers", 0, kMovies}, gs.ShopOffers[c]),
            CheckIds(file, {"MovieArchive", 0, kMovies}, gs.MovieArchive[c]),
            CheckIds(file, {"AcceptedAds", 0, kAds}, gs.AcceptedAds[c]),
            CheckIds(file, {"AdOffers", 0, kAds}, gs.AdOffers[c]),
            CheckIds(file, {"NewsOffersA", 0, kNews}, gs.NewsOffersA[c]),
            CheckIds(file, {"NewsOffersB", 0, kNews}, gs.NewsOffersB[c]),
            CheckIds(file, {"NewsShow", 0, kNews}, gs.NewsShow[c]),
            CheckIds(file, {"Channel logo", 0, kLogos}, logo),
        };
        for (const Status& s : checks) {
            if (!s) return s;
        }
    }
    return Status::Ok();
}

}  // namespace

size_t SlotIntBytes(int slot) {
    return Counts(slot).ints * kIntBytes;
}

size_t SlotStrBytes() {
    return Counts(kRunningGameSlot).strs * kRecordBytes;
}

std::string SlotFileStem(int slot) {
    return "QVX2_SAVEGAME_" + std::to_string(slot);
}

void EncodeSlotNumbers(const GameState& gs, int slot, std::vector<uint8_t>& out) {
    IntFileWriter writer(std::move(out));
    writer.Reserve(Counts(slot).ints);
    const auto put = [&writer](const int32_t& v) { writer.Put(v); };
    WalkSlotNumbers(gs, slot, put);
    out = writer.TakeBytes();
}

void EncodeSlotTexts(const GameState& gs, std::vector<uint8_t>& out) {
    StrFileWriter writer(std::move(out));
    writer.Reserve(Counts(kRunningGameSlot).strs);
    const auto put = [&writer](const std::string& s) { writer.Put(s); };
    WalkSlotTexts(gs, put);
    out = writer.TakeBytes();
}

SlotFileBytes EncodeSlot(const GameState& gs, int slot) {
    SlotFileBytes files;
    EncodeSlotNumbers(gs, slot, files.ints);
    EncodeSlotTexts(gs, files.strs);
    return files;
}

Status DecodeSlotNumbers(int slot, const std::vector<uint8_t>& ints, GameState& gs) {
    const std::string file = SlotFileStem(slot) + ".int";
    if (Status s = CheckSize(file, ints.size(), SlotIntBytes(slot)); !s) return s;
    IntFileReader in(ints);
    const auto get = [&in](int32_t& v) { v = in.Get(); };
    WalkSlotNumbers(gs, slot, get);
    return CheckSlotIds(gs, file);
}

Status DecodeSlotTexts(int slot, const std::vector<uint8_t>& strs, GameState& gs) {
    if (Status s = CheckSize(SlotFileStem(slot) + ".str", strs.size(), SlotStrBytes()); !s)
        return s;
    StrFileReader in(strs);
    const auto get = [&in](std::string& s) { s = in.Get(); };
    WalkSlotTexts(gs, get);
    return Status::Ok();
}

Status DecodeSlot(int slot, const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs,
                  std::unique_ptr<GameState>& out) {
    // Both sizes before the ids: a .str of the wrong size is named even when the .int's ids are
    // out of range too, as it always was.
    const std::string stem = SlotFileStem(slot);
    if (Status s = CheckSize(stem + ".int", ints.size(), SlotIntBytes(slot)); !s) return s;
    if (Status s = CheckSize(stem + ".str", strs.size(), SlotStrBytes()); !s) return s;
    auto fresh = std::make_unique<GameState>();
    if (Status s = DecodeSlotNumbers(slot, ints, *fresh); !s) return s;
    if (Status s = DecodeSlotTexts(slot, strs, *fresh); !s) return s;
    out = std::move(fresh);
    return Status::Ok();
}

Status WriteSlotFiles(const GameState& gs, int slot, const fs::path& dir) {
    const SlotFileBytes files = EncodeSlot(gs, slot);
    const std::vector<uint8_t> history = EncodeHistory(gs.History);
    const std::string stem = SlotFileStem(slot);
    // The history goes in the same group, so a slot and its history never disagree.
    return WriteFilesAtomic({{dir / (stem + ".int"), &files.ints},
                             {dir / (stem + ".str"), &files.strs},
                             {dir / (stem + HistoryFileSuffix()), &history}});
}

std::string HistoryFileSuffix() {
    return ".hist";
}

void ReadSlotHistory(int slot, const fs::path& dir, GameState& gs) {
    const std::string name = SlotFileStem(slot) + HistoryFileSuffix();
    gs.History = {};
    gs.HistoryNote.clear();
    std::error_code ec;
    if (!fs::exists(dir / name, ec)) {
        gs.HistoryNote = name + ": missing, the history starts empty";
        return;
    }
    std::vector<uint8_t> bytes;
    Status s = ReadWholeFile(dir / name, bytes);
    if (s) s = DecodeHistory(name, bytes, gs.History);
    // A history running past the slot's own turn belongs to some other game.
    const int32_t turn = gs.GameInfo[Info::kTurn];
    if (s && !gs.History.entries.empty() && gs.History.entries.back().turn > turn) {
        s = Status::Fail(name + ": reaches turn " + std::to_string(gs.History.entries.back().turn) +
                         ", after the slot's turn " + std::to_string(turn));
    }
    if (!s) {
        gs.History = {};
        gs.HistoryNote = s.message() + "; the history starts empty";
    }
}

Status ReadSlotFiles(int slot, const fs::path& dir, std::unique_ptr<GameState>& out) {
    const std::string stem = SlotFileStem(slot);
    SlotFileBytes files;
    // A wrong-sized .int is the error even when the .str is missing too.
    if (Status s = ReadWholeFile(dir / (stem + ".int"), files.ints); !s) return s;
    if (Status s = CheckSize(stem + ".int", files.ints.size(), SlotIntBytes(slot)); !s) return s;
    if (Status s = ReadWholeFile(dir / (stem + ".str"), files.strs); !s) return s;
    if (Status s = DecodeSlot(slot, files.ints, files.strs, out); !s) return s;
    ReadSlotHistory(slot, dir, *out);
    return Status::Ok();
}

namespace {

// Moves the stored tables of a freshly read game into the running one. The globals the slot
// does not hold (the office clock, the viewed channel) are reset by the caller's sequence.
void Adopt(GameState& gs, std::unique_ptr<GameState> loaded, int slot) {
    const int32_t runningFlag = slot == kRunningGameSlot ? loaded->RunningGameFlag : 0;
    const int32_t currentGame = gs.CurrentGame;
    gs = std::move(*loaded);
    gs.RunningGameFlag = runningFlag;
    gs.CurrentGame = currentGame;
}

}  // namespace

Status SaveRunningGame(const GameState& gs, const fs::path& dir) {
    return WriteSlotFiles(gs, kRunningGameSlot, dir);
}

Status LoadRunningGame(GameState& gs, const fs::path& dir) {
    std::unique_ptr<GameState> loaded;
    if (Status s = ReadSlotFiles(kRunningGameSlot, dir, loaded); !s) return s;
    Adopt(gs, std::move(loaded), kRunningGameSlot);
    return Status::Ok();
}

Status SaveSlot(const GameState& gs, Settings& settings, int n, const fs::path& dir) {
    if (n < 1 || n > kNumberedSaveSlots)
        return Status::Fail("There is no save slot " + std::to_string(n) + ".");
    if (Status s = WriteSlotFiles(gs, n, dir); !s) return s;
    settings.SaveSlotNames[kRunningGameSlot] = kRunningGameCaption;
    return Status::Ok();
}

Status LoadSlot(GameState& gs, int n, const fs::path& dir) {
    if (n < 1 || n > kNumberedSaveSlots)
        return Status::Fail("There is no save slot " + std::to_string(n) + ".");
    std::unique_ptr<GameState> loaded;
    if (Status s = ReadSlotFiles(n, dir, loaded); !s) return s;
    Adopt(gs, std::move(loaded), n);
    return Status::Ok();
}

Status LoadGameFromSlot(GameState& gs, Catalogue& cat, int slot, const GameDirs& dirs) {
    if (slot < 0 || slot > kNumberedSaveSlots)
        return Status::Fail("There is no save slot " + std::to_string(slot) + ".");
    std::unique_ptr<GameState> loaded;
    if (Status s = ReadSlotFiles(slot, dirs.user, loaded); !s) return s;
    // The catalogue is not part of a save: a game is only playable with the set it was made with.
    auto freshCatalogue = std::make_unique<Catalogue>();
    const CatalogueSet set = CatalogueSetForKind(loaded->GameInfo[Info::kScenarioKind]);
    if (Status s = LoadCatalogueSet(*freshCatalogue, set, dirs.content); !s) return s;

    gs.CurrentGame = 1;
    Adopt(gs, std::move(loaded), slot);
    cat = std::move(*freshCatalogue);
    gs.ViewedChannel = gs.PlayerChannel;
    gs.ClockMinute = 0;
    gs.ClockHour = 8;
    gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
    gs.EndTurnBusy = false;
    return Status::Ok();
}

namespace {

// Where the few values a summary needs lie in a slot's files, found by walking the layout once
// so the summary can never disagree with the save.
struct SummaryPlaces {
    size_t turn = 0, map = 0, kind = 0, customTurns = 0, player = 0;
    std::array<size_t, kChannels + 1> money{};
    std::array<size_t, kChannels + 1> name{};  // record of ChannelNames[c] in the .str
};

struct Locator {
    std::vector<std::pair<const void*, size_t*>> targets;
    size_t ints = 0;
    size_t strs = 0;
    void mark(const void* cell, size_t index) {
        for (auto& [target, place] : targets)
            if (target == cell) *place = index;
    }
    void operator()(const int32_t& v) { mark(&v, ints++); }
    void operator()(const std::string& s) { mark(&s, strs++); }
};

SummaryPlaces FindPlaces(int slot) {
    const auto gs = std::make_unique<const GameState>();
    SummaryPlaces p;
    Locator locate;
    locate.targets = {{&gs->GameInfo[Info::kTurn], &p.turn},
                      {&gs->GameInfo[Info::kMap], &p.map},
                      {&gs->GameInfo[Info::kScenarioKind], &p.kind},
                      {&gs->GameInfo[Info::kCustomTurns], &p.customTurns},
                      {&gs->PlayerChannel, &p.player}};
    for (int c = 1; c <= kChannels; ++c) {
        locate.targets.push_back({&gs->Channel[c][Ch::kMoney], &p.money[c]});
        locate.targets.push_back({&gs->ChannelNames[c], &p.name[c]});
    }
    WalkSlot(*gs, slot, locate);
    return p;
}

const SummaryPlaces& Places(int slot) {
    static const std::array<SummaryPlaces, 2> places = {FindPlaces(kRunningGameSlot),
                                                        FindPlaces(kRunningGameSlot + 1)};
    return places[slot == kRunningGameSlot ? 0 : 1];
}

// Reads `bytes.size()` bytes at `offset` of a file that must be exactly `expected` bytes long.
Status ReadPart(const fs::path& path, size_t expected, size_t offset, std::vector<uint8_t>& bytes) {
    const std::string name = path.filename().string();
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) return Status::Fail(name + ": cannot be read (" + ec.message() + ")");
    if (Status s = CheckSize(name, static_cast<size_t>(size), expected); !s) return s;
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) return Status::Fail(name + ": cannot be read");
    return Status::Ok();
}

SlotSummary Unreadable(std::string problem) {
    SlotSummary summary;
    summary.problem = std::move(problem);
    return summary;
}

}  // namespace

SlotSummary ReadSlotSummary(int slot, const fs::path& dir) {
    if (slot < 0 || slot > kNumberedSaveSlots)
        return Unreadable("There is no save slot " + std::to_string(slot) + ".");
    const SummaryPlaces& p = Places(slot);
    const std::string stem = SlotFileStem(slot);
    const std::initializer_list<size_t> all = {p.turn,        p.map,      p.kind,
                                               p.customTurns, p.player,   p.money[1],
                                               p.money[2],    p.money[3], p.money[4]};
    const size_t first = std::min(all);
    const size_t last = std::max(all);
    std::vector<uint8_t> ints((last - first + 1) * kIntBytes);
    if (Status s = ReadPart(dir / (stem + ".int"), SlotIntBytes(slot), first * kIntBytes, ints); !s)
        return Unreadable(s.message());
    IntFileReader reader(ints);
    std::vector<int32_t> values;
    while (reader.Remaining() > 0)
        values.push_back(reader.Get());
    const auto at = [&](size_t place) { return values[place - first]; };

    SlotSummary summary;
    const int32_t player = at(p.player);
    if (!ValidChannel(player))
        return Unreadable(stem + ".int: PlayerChannel is " + std::to_string(player) +
                          ", outside 1.." + std::to_string(kChannels));
    const int32_t kind = at(p.kind);
    summary.scenario = ScenarioIndex(kind, at(p.map));
    if (summary.scenario == 0)
        return Unreadable(stem + ".int: no scenario of kind " + std::to_string(kind) + " on map " +
                          std::to_string(at(p.map)));
    summary.turn = at(p.turn);
    if (summary.turn < 1) return Unreadable(stem + ".int: turn " + std::to_string(summary.turn));
    summary.turns = ScenarioTurns(kind, at(p.customTurns));
    summary.money = at(p.money[static_cast<size_t>(player)]);

    std::vector<uint8_t> record(kRecordBytes);
    const size_t nameRecord = p.name[static_cast<size_t>(player)];
    if (Status s =
            ReadPart(dir / (stem + ".str"), SlotStrBytes(), nameRecord * kRecordBytes, record);
        !s)
        return Unreadable(s.message());
    summary.channel = StrFileReader(record).Get();
    summary.readable = true;
    return summary;
}

std::string SlotSummaryText(const SlotSummary& summary) {
    if (!summary.readable) return kDamagedSlotText;
    std::string text;
    if (!summary.channel.empty()) text = summary.channel + " | ";
    return text + ScenarioTitle(summary.scenario) + " | Turn " + std::to_string(summary.turn) +
           " of " + std::to_string(summary.turns) + " | $ " + FormatAmount(summary.money) +
           " millions";
}

std::string DefaultSlotCaption(const GameState& gs) {
    const std::string turn = "turn " + std::to_string(gs.GameInfo[Info::kTurn]);
    if (!ValidChannel(gs.PlayerChannel) || gs.ChannelNames[gs.PlayerChannel].empty())
        return "Saved game, " + turn;
    return gs.ChannelNames[gs.PlayerChannel] + ", " + turn;
}

}  // namespace qvx
