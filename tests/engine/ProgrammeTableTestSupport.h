#pragma once
// The player's archive and plan shared by the programme table tests.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "Appeal.h"
#include "EngineTestSupport.h"
#include "ProgrammeTable.h"

namespace qvx::programme_test {

using O = ProgrammeOutcome;
// Programme or ad fields of slots 1..10, in slot order.
using Row = std::array<int32_t, kSlots>;

constexpr Row kNoRow{};
constexpr int kPlayer = 2;

// Titles of the player's archive (id: type, genre, length) and the image showing each.
constexpr int32_t kMovie3 = 10, kMovie1 = 11, kMovie2 = 12, kSeries2 = 20, kSeries1 = 21,
                  kSport2 = 30, kSport5 = 31, kMovie5 = 40, kMovie4 = 41, kNotOwned = 99;
constexpr int kImgMovie3 = 2, kImgMovie1 = 3, kImgMovie2 = 4, kImgSeries2 = 5, kImgSport2 = 6,
              kImgMovie5 = 7, kImgMovie4 = 8, kImgEmpty = 9, kImgSeries1 = 10, kImgSport5 = 11;

struct Editor {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> catOwned = std::make_unique<Catalogue>();
    GameState& gs = *owned;
    Catalogue& cat = *catOwned;

    Editor() {
        gs.CurrentGame = 1;
        gs.PlayerChannel = kPlayer;
        gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
        Title(kMovie3, Movie::kTypeMovie, Genre::kAction, 3);
        Title(kMovie1, Movie::kTypeMovie, Genre::kComedy, 1);
        Title(kMovie2, Movie::kTypeMovie, Genre::kDrama, 2);
        Title(kSeries2, Movie::kTypeSeries, Genre::kSoap, 2);
        Title(kSeries1, Movie::kTypeSeries, Genre::kQuiz, 1);
        Title(kSport2, Movie::kTypeLiveSport, Genre::kSport, 2);
        Title(kSport5, Movie::kTypeLiveSport, Genre::kSport, 5);
        Title(kMovie5, Movie::kTypeMovie, Genre::kWar, 5);
        Title(kMovie4, Movie::kTypeMovie, Genre::kWestern, 4);
        Title(kNotOwned, Movie::kTypeMovie, Genre::kCrime, 1);
        const std::array<int32_t, 10> archive = {kMovie3, kMovie1, kMovie2, kSeries2, kSport2,
                                                 kMovie5, kMovie4, 0,       kSeries1, kSport5};
        for (size_t i = 0; i < archive.size(); ++i)
            gs.MovieArchive[kPlayer][i + 1] = archive[i];
        // Another channel's plan and archive that no drop may touch.
        for (int s = 1; s <= kSlots; ++s) {
            gs.Programme[1][s][Slot::kProgramme] = kMovie3;
            gs.Programme[1][s][Slot::kAd] = 7;
        }
        gs.MovieArchive[1][1] = kMovie1;
        gs.AcceptedAds[1][1] = 9;
    }
    void Title(int32_t id, int32_t type, int32_t genre, int32_t length) {
        cat.MovieCatalogue[id][Movie::kType] = type;
        cat.MovieCatalogue[id][Movie::kGenre] = genre;
        cat.MovieCatalogue[id][Movie::kLength] = length;
        cat.MovieCatalogue[id][Movie::kEpisodes] = 12;
    }
    void SetPlan(const Row& programmes, const Row& ads = kNoRow) {
        for (int s = 1; s <= kSlots; ++s) {
            gs.Programme[kPlayer][s][Slot::kProgramme] = programmes[static_cast<size_t>(s - 1)];
            gs.Programme[kPlayer][s][Slot::kAd] = ads[static_cast<size_t>(s - 1)];
        }
    }
    Row Field(int field) const {
        Row r{};
        for (int s = 1; s <= kSlots; ++s)
            r[static_cast<size_t>(s - 1)] = gs.Programme[kPlayer][s][field];
        return r;
    }
    Row Programmes() const { return Field(Slot::kProgramme); }
    Row Ads() const { return Field(Slot::kAd); }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(gs); }
};

constexpr int32_t N = Slot::kNewsShow;

struct CaseNamer {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T>& param) const {
        return param.param.name;
    }
};
constexpr CaseNamer CaseName;

// Ads in every hour, to show which drops touch them.
constexpr Row kHourAds = {51, 52, 53, 54, 55, 56, 57, 58, 59, 60};

constexpr Row kMovie3At7 = {0, 0, 0, 0, 0, 0, kMovie3, kMovie3, kMovie3, 0};
constexpr Row kTwoNews = {0, 0, N, 0, N, kMovie2, kMovie2, 0, 0, 0};

}  // namespace qvx::programme_test
