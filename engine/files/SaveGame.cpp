#include "SaveGame.h"

#include <array>
#include <type_traits>

#include "BinaryFile.h"

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

// The one description of a slot's layout. Numbers go to the .int file and texts to the .str
// file, each in the order met here. Saving, loading and the expected file sizes are all this
// walk with a different visitor, so they cannot disagree about the layout.
template <class State, class Visitor>
void WalkSlot(State& gs, int slot, Visitor& visit) {
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

    cells(gs.ChannelNames);
    cells(gs.RegionNames);
    cells(gs.RegionDescriptions);
    cells(gs.RegionCodes);
    cells(gs.GameLog);
}

struct Counter {
    size_t ints = 0;
    size_t strs = 0;
    void operator()(const int32_t&) { ++ints; }
    void operator()(const std::string&) { ++strs; }
};

struct Writer {
    IntFileWriter ints;
    StrFileWriter strs;
    void operator()(const int32_t& v) { ints.Put(v); }
    void operator()(const std::string& s) { strs.Put(s); }
};

struct Reader {
    IntFileReader ints;
    StrFileReader strs;
    void operator()(int32_t& v) { v = ints.Get(); }
    void operator()(std::string& s) { s = strs.Get(); }
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

SlotFileBytes EncodeSlot(const GameState& gs, int slot) {
    Writer writer;
    writer.ints.Reserve(Counts(slot).ints);
    writer.strs.Reserve(Counts(slot).strs);
    WalkSlot(gs, slot, writer);
    return {writer.ints.TakeBytes(), writer.strs.TakeBytes()};
}

Status DecodeSlot(int slot, const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs,
                  std::unique_ptr<GameState>& out) {
    const std::string stem = SlotFileStem(slot);
    if (Status s = CheckSize(stem + ".int", ints.size(), SlotIntBytes(slot)); !s) return s;
    if (Status s = CheckSize(stem + ".str", strs.size(), SlotStrBytes()); !s) return s;
    auto fresh = std::make_unique<GameState>();
    Reader reader{IntFileReader(ints), StrFileReader(strs)};
    WalkSlot(*fresh, slot, reader);
    if (Status s = CheckSlotIds(*fresh, stem + ".int"); !s) return s;
    out = std::move(fresh);
    return Status::Ok();
}

Status WriteSlotFiles(const GameState& gs, int slot, const fs::path& dir) {
    const SlotFileBytes files = EncodeSlot(gs, slot);
    const std::string stem = SlotFileStem(slot);
    return WriteFilesAtomic(
        {{dir / (stem + ".int"), &files.ints}, {dir / (stem + ".str"), &files.strs}});
}

Status ReadSlotFiles(int slot, const fs::path& dir, std::unique_ptr<GameState>& out) {
    const std::string stem = SlotFileStem(slot);
    SlotFileBytes files;
    // A wrong-sized .int is the error even when the .str is missing too.
    if (Status s = ReadWholeFile(dir / (stem + ".int"), files.ints); !s) return s;
    if (Status s = CheckSize(stem + ".int", files.ints.size(), SlotIntBytes(slot)); !s) return s;
    if (Status s = ReadWholeFile(dir / (stem + ".str"), files.strs); !s) return s;
    return DecodeSlot(slot, files.ints, files.strs, out);
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

Status LoadGameFromSlot(GameState& gs, Catalogue& cat, int slot, const fs::path& dir) {
    if (slot < 0 || slot > kNumberedSaveSlots)
        return Status::Fail("There is no save slot " + std::to_string(slot) + ".");
    std::unique_ptr<GameState> loaded;
    if (Status s = ReadSlotFiles(slot, dir, loaded); !s) return s;
    // The catalogue is not part of a save: a game is only playable with the set it was made with.
    auto freshCatalogue = std::make_unique<Catalogue>();
    const CatalogueSet set = CatalogueSetForKind(loaded->GameInfo[Info::kScenarioKind]);
    if (Status s = LoadCatalogueSet(*freshCatalogue, set, dir); !s) return s;

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

}  // namespace qvx
