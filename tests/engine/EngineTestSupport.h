#pragma once
// Helpers shared by the engine tests: scratch directories, raw file access that does not go
// through the engine's own readers, random filling of whole game states and catalogues, and a
// table-by-table comparison that names what differs.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx::test {

namespace fs = std::filesystem;

class TempDir {
  public:
    TempDir() {
        static int count = 0;
        m_path = fs::temp_directory_path() /
                 ("quovix_test_" + std::to_string(::getpid()) + "_" + std::to_string(++count));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return m_path; }

  private:
    fs::path m_path;
};

inline std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::vector<uint8_t> bytes(fs::file_size(path));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

inline void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline int32_t IntAt(const std::vector<uint8_t>& bytes, size_t index) {
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i)
        u |= uint32_t{bytes.at(index * 4 + i)} << (8 * i);
    return static_cast<int32_t>(u);
}

// The Windows-1252 text of record `index`, taken from its length byte.
inline std::string RecordAt(const std::vector<uint8_t>& bytes, size_t index) {
    const size_t start = index * 256;
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(start + 1),
                       bytes.begin() + static_cast<std::ptrdiff_t>(start + 1 + bytes.at(start)));
}

inline void AppendRecord(std::vector<uint8_t>& bytes, std::string_view cp1252) {
    const size_t start = bytes.size();
    bytes.resize(start + 256, 0);
    bytes[start] = static_cast<uint8_t>(cp1252.size());
    for (size_t i = 0; i < cp1252.size(); ++i)
        bytes[start + 1 + i] = static_cast<uint8_t>(cp1252[i]);
}

// Random text that survives a record unchanged: at most 255 characters, all in the code page,
// several of them two or three bytes long in UTF-8.
inline std::string RandomText(std::mt19937& rng, uint32_t maxLength = 255) {
    static const std::array<const char*, 12> kPieces = {"a", "Z", "7", " ", "&", "é",
                                                        "ÿ", "€", "“", "”", "Š", "\u00A0"};
    const auto length = rng() % (maxLength + 1);
    std::string s;
    for (uint32_t i = 0; i < length; ++i)
        s += kPieces[rng() % kPieces.size()];
    return s;
}

// Fills elements 1..N of every table it is given; element 0 stays as it was.
struct Filler {
    std::mt19937& rng;
    void operator()(int32_t& v) const { v = static_cast<int32_t>(rng()); }
    void operator()(std::string& s) const { s = RandomText(rng); }
    void operator()(JournalEntry& e) const {
        // The agencies' and the broker's kinds, the first nine of the table.
        static constexpr JournalKind kKinds[] = {
            JournalKind::SellMovie,        JournalKind::BuyMovie,      JournalKind::AcceptAd,
            JournalKind::SwapMovieArchive, JournalKind::SwapAdArchive, JournalKind::BuyShares,
            JournalKind::SellShares,       JournalKind::IssueBonds,    JournalKind::BuyBackBonds};
        e = {kKinds[rng() % std::size(kKinds)], static_cast<int32_t>(rng()),
             static_cast<int32_t>(rng())};
    }
    template <class T, size_t N>
    void operator()(std::array<T, N>& table) const {
        for (size_t i = 1; i < N; ++i)
            (*this)(table[i]);
    }
};

inline void FillGame(GameState& gs, uint32_t seed) {
    std::mt19937 rng(seed);
    const Filler fill{rng};
    // clang-format off
    fill(gs.GameInfo); fill(gs.Channel); fill(gs.ChannelAccounts); fill(gs.ChannelAccounts[0]);
    fill(gs.ChannelPendingIncome); fill(gs.ChannelNames); fill(gs.ChannelNames2);
    fill(gs.Regions); fill(gs.RegionNames); fill(gs.RegionDescriptions); fill(gs.RegionCodes);
    fill(gs.Licences); fill(gs.Popularity); fill(gs.Programme); fill(gs.ShopOffers);
    fill(gs.MovieArchive); fill(gs.MovieMarketAux); fill(gs.EpisodesShown); fill(gs.AdPool);
    fill(gs.AcceptedAds); fill(gs.AdSpotsDone); fill(gs.AdSpotsShadow); fill(gs.AdDaysLeft);
    fill(gs.AdOffers); fill(gs.NewsOffersA); fill(gs.NewsOffersB); fill(gs.NewsShow);
    fill(gs.ActionJournal);
    // clang-format on
    // Short log lines keep the 20000 of them cheap; a few long ones follow below.
    for (int c = 1; c <= kChannels; ++c) {
        for (int line = 1; line <= kLogLines; ++line)
            gs.GameLog[c][line] = RandomText(rng, 24);
    }
    gs.GameLog[1][1].clear();
    gs.GameLog[1][2].clear();
    for (int i = 0; i < 255; ++i)
        gs.GameLog[1][2] += "€";
    gs.GameLog[4][kLogLines] = RandomText(rng);
    gs.ChannelNames[4] = std::string(255, 'n');
    // Ids index the game's tables; a slot holding one out of range is refused as garbled.
    const auto id = [&](int32_t& v, int32_t lo, int32_t hi) {
        v = lo +
            static_cast<int32_t>(static_cast<uint32_t>(v) % static_cast<uint32_t>(hi - lo + 1));
    };
    for (int c = 1; c <= kChannels; ++c) {
        for (int slot = 1; slot <= kSlots; ++slot) {
            id(gs.Programme[c][slot][Slot::kProgramme], -1, kMovies);
            id(gs.Programme[c][slot][Slot::kAd], 0, kAds);
        }
        for (int i = 1; i <= kShopPositions; ++i)
            id(gs.ShopOffers[c][i], 0, kMovies);
        for (int i = 1; i <= kArchivePositions; ++i)
            id(gs.MovieArchive[c][i], 0, kMovies);
        for (int i = 1; i <= kAcceptedAdEntries; ++i)
            id(gs.AcceptedAds[c][i], 0, kAds);
        for (int i = 1; i <= kAdOfferPositions; ++i)
            id(gs.AdOffers[c][i], 0, kAds);
        for (int i = 1; i <= kNewsOfferPositions; ++i) {
            id(gs.NewsOffersA[c][i], 0, kNews);
            id(gs.NewsOffersB[c][i], 0, kNews);
        }
        for (int i = 1; i <= kNewsShowPositions; ++i)
            id(gs.NewsShow[c][i], 0, kNews);
        id(gs.Channel[c][Ch::kLogo], 0, kLogos);
    }
    gs.CurrentGame = 1;
    gs.PlayerChannel = static_cast<int32_t>(1 + seed % kChannels);
    gs.ViewedChannel = 1 + gs.PlayerChannel % kChannels;
    gs.ClockHour = 13;
    gs.ClockMinute = 45;
    gs.EndTurnBusy = true;
    gs.RunningGameFlag = 1;
}

inline void FillCatalogue(Catalogue& cat, uint32_t seed) {
    std::mt19937 rng(seed);
    const Filler fill{rng};
    // clang-format off
    fill(cat.MovieCatalogue); fill(cat.MovieTitles); fill(cat.MovieTexts2);
    fill(cat.MovieDescriptions); fill(cat.AdTargets); fill(cat.AdNames); fill(cat.AdTexts);
    fill(cat.NewsCatalogue); fill(cat.NewsTexts);
    // clang-format on
}

#define QVX_COMPARE(field) \
    if (!(a.field == b.field)) out.push_back(#field)

// Names of the tables and globals in which two games differ.
inline std::vector<std::string> Differences(const GameState& a, const GameState& b) {
    std::vector<std::string> out;
    // clang-format off
    QVX_COMPARE(GameInfo); QVX_COMPARE(Channel); QVX_COMPARE(ChannelAccounts);
    QVX_COMPARE(ChannelPendingIncome); QVX_COMPARE(ChannelNames); QVX_COMPARE(ChannelNames2);
    QVX_COMPARE(Regions); QVX_COMPARE(RegionNames); QVX_COMPARE(RegionDescriptions);
    QVX_COMPARE(RegionCodes); QVX_COMPARE(Licences); QVX_COMPARE(Popularity);
    QVX_COMPARE(Programme); QVX_COMPARE(ShopOffers); QVX_COMPARE(MovieArchive);
    QVX_COMPARE(MovieMarketAux); QVX_COMPARE(EpisodesShown); QVX_COMPARE(AdPool);
    QVX_COMPARE(AcceptedAds); QVX_COMPARE(AdSpotsDone); QVX_COMPARE(AdSpotsShadow);
    QVX_COMPARE(AdDaysLeft); QVX_COMPARE(AdOffers); QVX_COMPARE(NewsOffersA);
    QVX_COMPARE(NewsOffersB); QVX_COMPARE(NewsShow); QVX_COMPARE(GameLog);
    QVX_COMPARE(ActionJournal); QVX_COMPARE(CurrentGame); QVX_COMPARE(PlayerChannel);
    QVX_COMPARE(ViewedChannel); QVX_COMPARE(ClockHour); QVX_COMPARE(ClockMinute);
    QVX_COMPARE(EndTurnBusy); QVX_COMPARE(RunningGameFlag); QVX_COMPARE(History);
    // clang-format on
    return out;
}

inline std::vector<std::string> Differences(const Catalogue& a, const Catalogue& b) {
    std::vector<std::string> out;
    // clang-format off
    QVX_COMPARE(MovieCatalogue); QVX_COMPARE(MovieTitles); QVX_COMPARE(MovieTexts2);
    QVX_COMPARE(MovieDescriptions); QVX_COMPARE(AdTargets); QVX_COMPARE(AdNames);
    QVX_COMPARE(AdTexts); QVX_COMPARE(NewsCatalogue); QVX_COMPARE(NewsTexts);
    // clang-format on
    return out;
}

#undef QVX_COMPARE

using Names = std::vector<std::string>;

}  // namespace qvx::test
