#pragma once
// The agency tests share a real game: a new game of scenario 1 with the player on the Red
// channel, the screen prepared as the office prepares it and shown, and helpers to read the
// journal and the dialogs.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "NewGame.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {

template <class Screen>
struct AgencyTest : ::testing::Test {
    UiSession ui;
    Screen screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    const Catalogue& cat = ui.session.catalogue();
    int player = 0;
    std::vector<int> hooks;

    void SetUp() override {
        NewGameChoice choice;
        choice.scenario = 1;
        choice.logo = 1;
        choice.name = "Night Owl TV";
        const GameStart started = StartNewGame(gs, ui.session.catalogue(), ui.session.settings(),
                                               ui.session.rng(), choice, ui.session.dirs());
        ASSERT_TRUE(started) << started.message();
        player = gs.PlayerChannel;
        ui.session.leaveTutorialStep = [this](int step) { hooks.push_back(step); };
        screen.prepare();
        screen.show();
        Forget();
    }

    void Forget() {
        ui.dialogs.shown.clear();
        ui.sounds.played.clear();
    }

    QWidget* W(const QString& name) {
        QWidget* w = screen.template findChild<QWidget*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    bool DropOn(const QString& from, const QString& to) { return Drop(W(from), W(to)); }

    int JournalUsed() const {
        const auto& journal = gs.ActionJournal[player];
        return static_cast<int>(std::count_if(journal.begin() + 1, journal.end(),
                                              [](auto& e) { return e.kind != JournalKind::Free; }));
    }
    void FillJournal() {
        while (RecordAction(gs, player, JournalKind::SwapAdArchive, 1, 1)) {
        }
    }

    // Every dialog shown, as "kind|title|text".
    std::vector<std::string> Shown() const {
        std::vector<std::string> all;
        for (const auto& d : ui.dialogs.shown)
            all.push_back(d.kind + "|" + d.title + "|" + d.text);
        return all;
    }

    void Click(const QString& name) { QTest::mouseClick(W(name), Qt::LeftButton); }
    void Hover(const QString& name) {
        emit screen.template findChild<ui::PictureLabel*>(name)->entered();
    }
};

}  // namespace qvx::test
