#pragma once
// The office tests share a real game: a new game of scenario 1 with the player on the Red
// channel, the office prepared for planning and shown.
#include <gtest/gtest.h>

#include <QFrame>

#include "Client_OfficeScreen.h"
#include "NewGame.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {

struct OfficeTest : ::testing::Test {
    UiSession ui;
    ui::TForm7 office{ui.session, nullptr};
    GameState& gs = ui.session.game();
    const Catalogue& cat = ui.session.catalogue();
    int player = 0;

    void SetUp() override {
        NewGameChoice choice;
        choice.scenario = 1;
        choice.logo = 1;
        choice.name = "Night Owl TV";
        const GameStart started = StartNewGame(gs, ui.session.catalogue(), ui.session.settings(),
                                               ui.session.rng(), choice, ui.session.dirs());
        ASSERT_TRUE(started) << started.message();
        player = gs.PlayerChannel;
        ASSERT_EQ(player, 1);
        office.prepareForPlanning();
        office.show();
        Forget();
    }

    void Forget() {
        ui.dialogs.shown.clear();
        ui.sounds.played.clear();
    }

    // Ends the planning phase answering every question with Yes.
    void StartDay() {
        ui.dialogs.answers = {true, true, true};
        office.endTurnClicked();
        ASSERT_EQ(gs.GameInfo[Info::kPhase], Info::kPhaseBroadcasting);
        ui.dialogs.answers.clear();
        Forget();
    }

    // A plain movie of the catalogue (not a series), so that it leaves the table after its day.
    int32_t SomeMovie() const {
        for (int32_t id = 1; id <= kMovies; ++id) {
            const Record& m = cat.MovieCatalogue[id];
            if (m[Movie::kType] == Movie::kTypeMovie && m[Movie::kGenre] >= 1 &&
                m[Movie::kGenre] <= 15)
                return id;
        }
        return 0;
    }

    // A contract of the player's that the playback can count: `done` of `spots` spots so far.
    void PlantContract(int32_t id, int32_t spots, int32_t done, int32_t minViewers,
                       int32_t payment) {
        Record& ad = gs.AdPool[player][id];
        ad = Record{};
        ad[Ad::kOpen] = 1;
        ad[Ad::kSpotsRequired] = spots;
        ad[Ad::kTargetCode] = 1;
        ad[Ad::kMinViewers] = minViewers;
        ad[Ad::kPayment] = payment;
        ad[Ad::kDeadline] = 9;
        gs.AdSpotsDone[player][id] = done;
    }

    // The player's hour s as the playback will read it.
    void PlantHour(int s, int32_t programme, int32_t ad, std::array<int32_t, 5> viewers,
                   std::array<int32_t, 5> appeal) {
        Record& slot = gs.Programme[player][s];
        slot[Slot::kProgramme] = programme;
        slot[Slot::kAd] = ad;
        for (int g = 0; g < 5; ++g) {
            slot[Slot::kViewers + g] = viewers[static_cast<size_t>(g)];
            slot[Slot::kAppeal + g] = appeal[static_cast<size_t>(g)];
        }
    }

    bool Visible(const char* name) {
        QWidget* w = Child<QWidget>(&office, name);
        return w && w->isVisible();
    }

    // The last dialog shown, as "kind|title|text".
    std::string LastDialog() const {
        if (ui.dialogs.shown.empty()) return "";
        const auto& d = ui.dialogs.shown.back();
        return d.kind + "|" + d.title + "|" + d.text;
    }
};

}  // namespace qvx::test
