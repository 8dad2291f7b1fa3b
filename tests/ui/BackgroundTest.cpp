#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTimer>

#include "Client_StartScreen.h"
#include "UiTestSupport.h"
#include "background.h"

namespace qvx::test {
namespace {

// One launch: start-up, the start screen closed at once by "Exit game", shutdown.
void Launch(UiSession& ui, QSize screen) {
    ui::TFbackground background(ui.session);
    auto* start = new ui::TForm3(ui.session, &background);
    background.setStartScreen(start);
    QTimer::singleShot(0, start, [start] { start->exitGame(); });
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

TEST(BackgroundTest, CreditsEndWithTheVersionUnderItsHeading) {
    UiSession ui;
    ui::TFbackground background(ui.session);
    auto* start = new ui::TForm3(ui.session, &background);
    background.setStartScreen(start);
    QTimer::singleShot(0, start, [start] { start->exitGame(); });
    background.Startup({1024, 768});
    const QString credits = Child<QTextBrowser>(start, "RichEdit1")->toPlainText();
    EXPECT_TRUE(credits.endsWith("** GAME VERSION: **\nRelease 1.4")) << credits.toStdString();
}

}  // namespace
}  // namespace qvx::test
