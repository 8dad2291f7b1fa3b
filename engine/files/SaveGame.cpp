#include "SaveGame.h"

#include "BinaryFile.h"

namespace qvx {

namespace fs = std::filesystem;

namespace {

void Fields(Record& r, const IntVisitor& v) {
    for (int f = 1; f <= kFields; ++f)
        v(r[f]);
}

template <class T, size_t N, class F>
void Each(std::array<T, N>& table, F&& f) {
    for (size_t i = 1; i < N; ++i)
        f(table[i]);
}

template <size_t N>
void Ints(std::array<int32_t, N>& table, const IntVisitor& v) {
    Each(table, v);
}

template <size_t N>
void Strings(std::array<std::string, N>& table, const StrVisitor& v) {
    Each(table, v);
}

// clang-format off
const std::vector<StoredIntItem> kIntItems = {
    {"Regions", kRegions * kFields, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.Regions, [&](Record& r) { Fields(r, v); }); }},
    {"Licences", kRegions * kChannels, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.Licences, [&](auto& r) { Ints(r, v); }); }},
    {"Popularity", kRegions * kChannels * kFields, false,
     [](GameState& gs, const IntVisitor& v) {
         Each(gs.Popularity, [&](auto& r) { Each(r, [&](Record& rec) { Fields(rec, v); }); });
     }},
    {"Programme", kChannels * kSlots * kFields, false,
     [](GameState& gs, const IntVisitor& v) {
         Each(gs.Programme, [&](auto& c) { Each(c, [&](Record& rec) { Fields(rec, v); }); });
     }},
    {"ShopOffers", kChannels * kShopPositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.ShopOffers, [&](auto& c) { Ints(c, v); }); }},
    {"MovieArchive", kChannels * kArchivePositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.MovieArchive, [&](auto& c) { Ints(c, v); }); }},
    {"MovieMarketAux", kMovies, false,
     [](GameState& gs, const IntVisitor& v) { Ints(gs.MovieMarketAux, v); }},
    {"EpisodesShown", kChannels * kMovies, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.EpisodesShown, [&](auto& c) { Ints(c, v); }); }},
    {"AdPool", kChannels * kAds * kFields, false,
     [](GameState& gs, const IntVisitor& v) {
         Each(gs.AdPool, [&](auto& c) { Each(c, [&](Record& rec) { Fields(rec, v); }); });
     }},
    {"AcceptedAds", kChannels * kAcceptedAdEntries, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.AcceptedAds, [&](auto& c) { Ints(c, v); }); }},
    {"AdSpotsDone", kChannels * kAds, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.AdSpotsDone, [&](auto& c) { Ints(c, v); }); }},
    {"AdSpotsShadow", kChannels * kAds, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.AdSpotsShadow, [&](auto& c) { Ints(c, v); }); }},
    {"AdDaysLeft", kChannels * kAds, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.AdDaysLeft, [&](auto& c) { Ints(c, v); }); }},
    {"AdOffers", kChannels * kAdOfferPositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.AdOffers, [&](auto& c) { Ints(c, v); }); }},
    {"NewsOffersA", kChannels * kNewsOfferPositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.NewsOffersA, [&](auto& c) { Ints(c, v); }); }},
    {"NewsOffersB", kChannels * kNewsOfferPositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.NewsOffersB, [&](auto& c) { Ints(c, v); }); }},
    {"NewsShow", kChannels * kNewsShowPositions, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.NewsShow, [&](auto& c) { Ints(c, v); }); }},
    {"Channel", kChannels * kFields, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.Channel, [&](Record& r) { Fields(r, v); }); }},
    {"ChannelAccounts", kChannels * kFields, false,
     [](GameState& gs, const IntVisitor& v) { Each(gs.ChannelAccounts, [&](Record& r) { Fields(r, v); }); }},
    {"ChannelPendingIncome", kChannels * kFields, false,
     [](GameState& gs, const IntVisitor& v) {
         Each(gs.ChannelPendingIncome, [&](Record& r) { Fields(r, v); });
     }},
    {"GameInfo", kFields, false, [](GameState& gs, const IntVisitor& v) { Fields(gs.GameInfo, v); }},
    {"GameAccounts", kFields, false,
     [](GameState& gs, const IntVisitor& v) { Fields(gs.ChannelAccounts[0], v); }},
    {"PlayerChannel", 1, false, [](GameState& gs, const IntVisitor& v) { v(gs.PlayerChannel); }},
    {"RunningGameFlag", 1, true, [](GameState& gs, const IntVisitor& v) { v(gs.RunningGameFlag); }},
};

const std::vector<StoredStrItem> kStrItems = {
    {"ChannelNames", kChannels, [](GameState& gs, const StrVisitor& v) { Strings(gs.ChannelNames, v); }},
    {"RegionNames", kRegions, [](GameState& gs, const StrVisitor& v) { Strings(gs.RegionNames, v); }},
    {"RegionDescriptions", kRegions,
     [](GameState& gs, const StrVisitor& v) { Strings(gs.RegionDescriptions, v); }},
    {"RegionCodes", kRegions, [](GameState& gs, const StrVisitor& v) { Strings(gs.RegionCodes, v); }},
    {"GameLog", kChannels * kLogLines,
     [](GameState& gs, const StrVisitor& v) { Each(gs.GameLog, [&](auto& c) { Strings(c, v); }); }},
};
// clang-format on

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

bool Stored(const StoredIntItem& item, int slot) {
    return !item.runningGameOnly || slot == kRunningGameSlot;
}

}  // namespace

const std::vector<StoredIntItem>& SlotIntItems() {
    return kIntItems;
}
const std::vector<StoredStrItem>& SlotStrItems() {
    return kStrItems;
}

size_t SlotIntBytes(int slot) {
    size_t count = 0;
    for (const auto& item : kIntItems) {
        if (Stored(item, slot)) count += static_cast<size_t>(item.count);
    }
    return count * kIntBytes;
}

size_t SlotStrBytes() {
    size_t count = 0;
    for (const auto& item : kStrItems)
        count += static_cast<size_t>(item.count);
    return count * kRecordBytes;
}

std::string SlotFileStem(int slot) {
    return "QVX2_SAVEGAME_" + std::to_string(slot);
}

Status WriteSlotFiles(const GameState& gs, int slot, const fs::path& dir) {
    // The walkers take a mutable state so that reading can share them; writing only reads.
    auto& state = const_cast<GameState&>(gs);
    IntFileWriter ints;
    ints.Reserve(SlotIntBytes(slot) / kIntBytes);
    for (const auto& item : kIntItems) {
        if (Stored(item, slot)) item.walk(state, [&](int32_t& v) { ints.Put(v); });
    }
    StrFileWriter strs;
    strs.Reserve(SlotStrBytes() / kRecordBytes);
    for (const auto& item : kStrItems)
        item.walk(state, [&](std::string& s) { strs.Put(s); });

    const std::string stem = SlotFileStem(slot);
    return WriteFilesAtomic(
        {{dir / (stem + ".int"), &ints.Bytes()}, {dir / (stem + ".str"), &strs.Bytes()}});
}

Status ReadSlotFiles(int slot, const fs::path& dir, std::unique_ptr<GameState>& out) {
    const std::string stem = SlotFileStem(slot);
    std::vector<uint8_t> intBytes;
    std::vector<uint8_t> strBytes;
    if (Status s = ReadWholeFile(dir / (stem + ".int"), intBytes); !s) return s;
    if (Status s = CheckSize(stem + ".int", intBytes.size(), SlotIntBytes(slot)); !s) return s;
    if (Status s = ReadWholeFile(dir / (stem + ".str"), strBytes); !s) return s;
    if (Status s = CheckSize(stem + ".str", strBytes.size(), SlotStrBytes()); !s) return s;

    auto fresh = std::make_unique<GameState>();
    IntFileReader ints(intBytes);
    for (const auto& item : kIntItems) {
        if (Stored(item, slot)) item.walk(*fresh, [&](int32_t& v) { v = ints.Get(); });
    }
    StrFileReader strs(strBytes);
    for (const auto& item : kStrItems)
        item.walk(*fresh, [&](std::string& s) { s = strs.Get(); });
    if (Status s = CheckSlotIds(*fresh, stem + ".int"); !s) return s;
    out = std::move(fresh);
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
