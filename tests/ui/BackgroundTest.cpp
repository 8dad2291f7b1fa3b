#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTimer>

#include "Client_FMessage1.h"
#include "Client_StartScreen.h"
#include "UiTestSupport.h"
#include "WindowDialogs.h"
#include "background.h"

namespace qvx::test {
namespace {

// Closes the start screen by "Exit game" once the events that start-up queued have run.
void ExitSoon(ui::TForm3* start) {
    QTimer::singleShot(0, start,
                       [start] { QTimer::singleShot(0, start, [start] { start->exitGame(); }); });
}

// One launch: start-up, the start screen closed by "Exit game", shutdown.
void Launch(UiSession& ui, QSize screen) {
    ui::TFbackground background(ui.session);
    auto* start = new ui::TForm3(ui.session, &background);
    background.setStartScreen(start);
    ExitSoon(start);
    background.Startup(screen);
}

TEST(BackgroundTest, EachLaunchCountsOneStartAndKeepsTheSlotCaptions) {
    UiSession ui;
    Launch(ui, {1440, 900});
    EXPECT_EQ(ReadSettings(ui.dir.path()).settings.StartCounter, 1);
    ui.session.settings().SaveSlotNames[3] = "My best game";
    ASSERT_TRUE(SaveSettings(ui.session.settings(), ui.dir.path()));
    Launch(ui, {1440, 900});
    const Settings after = ReadSettings(ui.dir.path()).settings;
    EXPECT_EQ(after.StartCounter, 2);
    EXPECT_EQ(after.SaveSlotNames[3], "My best game");
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST(BackgroundTest, AScreenTooSmallForTheGameSaysSoAndTheGameGoesOn) {
    UiSession ui;
    Launch(ui, {800, 600});
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Error");
    EXPECT_EQ(ReadSettings(ui.dir.path()).settings.StartCounter, 1);
}

// The real dialog: the message must not be locked out by the modal start screen.
TEST(BackgroundTest, TheDisplayMessageJoinsTheStartScreenSoItCanBeClosed) {
    UiSession ui;
    ui::TFbackground background(ui.session);
    ui::WindowDialogs dialogs(ui.session, &background);
    ui.session.setDialogs(&dialogs);
    auto* start = new ui::TForm3(ui.session, &background);
    background.setStartScreen(start);
    bool seen = false;
    QTimer::singleShot(0, start, [&] {
        QTimer::singleShot(0, start, [&] {
            seen = dialogs.information()->isVisible() &&
                   dialogs.information()->parentWidget() == start &&
                   TextOf(dialogs.information(), "Label1") == "Error";
            dialogs.information()->close();
            start->exitGame();
        });
    });
    background.Startup({800, 600});
    ui.session.setDialogs(nullptr);
    EXPECT_TRUE(seen);
}

TEST(BackgroundTest, CreditsEndWithTheVersionUnderItsHeading) {
    UiSession ui;
    ui::TFbackground background(ui.session);
    auto* start = new ui::TForm3(ui.session, &background);
    background.setStartScreen(start);
    ExitSoon(start);
    background.Startup({1024, 768});
    const QString credits = Child<QTextBrowser>(start, "RichEdit1")->toPlainText();
    EXPECT_TRUE(credits.endsWith("** GAME VERSION: **\nRelease 1.4")) << credits.toStdString();
}

}  // namespace
}  // namespace qvx::test
