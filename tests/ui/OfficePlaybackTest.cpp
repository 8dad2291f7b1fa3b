// The playback of the day in the office: the ad spots counted live with their sounds and the
// money blink, the TV and its faces, the watch buttons, Play/Pause and the hover popups.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "Formatting.h"
#include "OfficeTestSupport.h"

namespace qvx::test {
namespace {

constexpr int32_t kContract = 7;
constexpr std::array<int32_t, 5> kCrowd{4, 4, 4, 4, 4};
constexpr std::array<int32_t, 5> kLiked{50, 50, 50, 50, 50};

struct OfficePlaybackTest : OfficeTest {
    void SetUp() override {
        OfficeTest::SetUp();
        StartDay();
        movie = SomeMovie();
        ASSERT_GT(movie, 0);
    }
    int32_t movie = 0;
};

// --- Live ad spots ------------------------------------------------------------------------------

TEST_F(OfficePlaybackTest, TheLastSpotAtTwentyPastThreePaysBlinksAndLeavesLaterHours) {
    PlantContract(kContract, 3, 2, 5, 777);
    PlantHour(2, movie, kContract, kCrowd, kLiked);  // 03:00 pm
    PlantHour(6, movie, kContract, kCrowd, kLiked);  // 07:00 pm, never reached by this contract
    const int32_t before = gs.Channel[player][Ch::kMoney];
    office.playBackTo(3, 19);
    EXPECT_EQ(ui.sounds.Count("payment"), 0);
    office.tick();
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], before + 777);
    EXPECT_EQ(TextOf(&office, "Label1"), "$ " + FormatAmount(before + 777) + " millions");
    EXPECT_EQ(ui.sounds.Count("payment"), 1);
    EXPECT_EQ(ui.sounds.Count("fanfare"), 0);
    EXPECT_EQ(gs.Programme[player][6][Slot::kAd], 0);
    EXPECT_EQ(gs.AdPool[player][kContract][Ad::kOpen], 0);

    EXPECT_TRUE(office.blinkRunning());
    EXPECT_EQ(office.blinkCount(), 0);
    std::vector<bool> colours;
    for (int i = 0; i < 6; ++i) {
        office.blinkTick();
        colours.push_back(office.moneyHighlighted());
        EXPECT_EQ(office.blinkRunning(), i < 5);
    }
    EXPECT_EQ(colours, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(OfficePlaybackTest, TheClockWaitsWhileAnotherModalWindowIsOpen) {
    office.playBackTo(3, 19);
    QDialog other;
    other.setModal(true);
    other.show();  // a dialog in front of the office: Qt keeps the office's timer running
    ASSERT_EQ(QApplication::activeModalWidget(), &other);
    office.tick();
    EXPECT_EQ(gs.ClockHour * 60 + gs.ClockMinute, 3 * 60 + 19);  // 03:19 pm
    other.hide();
    office.tick();
    EXPECT_EQ(gs.ClockHour * 60 + gs.ClockMinute, 3 * 60 + 20);
}

TEST_F(OfficePlaybackTest, ASpotThatCountsWithoutCompletingRingsTheFanfare) {
    PlantContract(kContract, 3, 0, 5, 777);
    PlantHour(2, movie, kContract, kCrowd, kLiked);
    const int32_t before = gs.Channel[player][Ch::kMoney];
    office.playBackTo(3, 20);
    office.playBackTo(3, 40);
    EXPECT_EQ(gs.AdSpotsDone[player][kContract], 2);
    EXPECT_EQ(ui.sounds.Count("fanfare"), 2);
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], before);
    EXPECT_FALSE(office.blinkRunning());
}

TEST_F(OfficePlaybackTest, AnHourBelowTheRequirementShowsItInRedAndCountsNothing) {
    PlantContract(kContract, 3, 0, 21, 777);  // the hour has 20 million viewers
    PlantHour(2, movie, kContract, kCrowd, kLiked);
    office.playBackTo(3, 1);
    EXPECT_EQ(TextOf(&office, "Label7"), ": 21 millions");
    EXPECT_TRUE(Child(&office, "Label7")->property("warning").toBool());
    EXPECT_TRUE(Child(&office, "Label13")->property("warning").toBool());
    office.playBackTo(3, 41);
    EXPECT_EQ(gs.AdSpotsDone[player][kContract], 0);
    EXPECT_EQ(ui.sounds.Count("fanfare"), 0);
    PlantHour(3, movie, 0, kCrowd, kLiked);
    office.playBackTo(4, 1);
    EXPECT_FALSE(Child(&office, "Label7")->property("warning").toBool());
    EXPECT_EQ(TextOf(&office, "Label7"), ": 0 millions");
}

TEST_F(OfficePlaybackTest, AnAdWithoutAProgrammeShowsNoPictureAndNoBreak) {
    PlantContract(kContract, 3, 0, 1, 50);
    PlantHour(2, 0, kContract, kCrowd, kLiked);
    office.playBackTo(3, 20);
    EXPECT_FALSE(Visible("GroupBox_TVScreen"));
    EXPECT_EQ(TextOf(&office, "BlindLabel23"), "Now broadcasting: Nothing");
    EXPECT_EQ(TextOf(&office, "Label3"), ": 0 millions");
    for (int face = 1; face <= 5; ++face)
        EXPECT_FALSE(Visible(("GroupBox_Face" + std::to_string(face)).c_str()));
}

// --- Faces --------------------------------------------------------------------------------------

TEST_F(OfficePlaybackTest, FacesFollowTheAppealAndHideWithoutViewers) {
    // Kids 0 viewers; Men (Face3) love it, Women (Face4) are bored; Seniors beyond the bands.
    PlantHour(2, movie, 0, {0, 3, 3, 3, 3}, {90, 50, 15, 75, 30});
    office.playBackTo(3, 1);
    EXPECT_FALSE(Visible("GroupBox_Face1"));
    EXPECT_TRUE(Visible("GroupBox_Face2"));
    auto picture = [this](int face) {
        return Child<ui::PictureLabel>(&office, ("Face" + std::to_string(face)).c_str())
            ->pictureName()
            .toStdString();
    };
    EXPECT_EQ(picture(2), "QVX2_faces_teenager_03.jpg");
    EXPECT_EQ(picture(3), "QVX2_faces_father_02.jpg");
    EXPECT_EQ(picture(4), "QVX2_faces_mom_05.jpg");
    EXPECT_EQ(picture(5), "QVX2_faces_grandma_04.jpg");
    // An appeal outside 0..100 leaves the face as it was.
    PlantHour(3, movie, 0, {0, 3, 3, 3, 3}, {90, 50, 15, 75, 130});
    office.playBackTo(4, 1);
    EXPECT_TRUE(Visible("GroupBox_Face5"));
    EXPECT_EQ(picture(5), "QVX2_faces_grandma_04.jpg");
}

// --- Watch buttons ------------------------------------------------------------------------------

TEST_F(OfficePlaybackTest, WatchingTheWatchedChannelSwitchesTheTvOff) {
    PlantHour(2, movie, 0, kCrowd, kLiked);
    office.playBackTo(3, 1);
    ASSERT_TRUE(Visible("GroupBox_TVScreen"));
    ASSERT_TRUE(Visible("Image4"));
    Forget();
    office.watchClicked(player);
    EXPECT_EQ(gs.ViewedChannel, 0);
    EXPECT_EQ(TextOf(&office, "Label1"), " ");
    EXPECT_FALSE(Visible("Image4"));
    EXPECT_EQ(TextOf(&office, "BlindLabel23"), "Now broadcasting: Nothing");
    EXPECT_FALSE(Visible("GroupBox_TVScreen"));
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(Visible(("ControlButton" + std::to_string(k) + "_Pressed").c_str()));
    EXPECT_EQ(ui.sounds.played.front(), "stopcue");

    office.watchClicked(3);
    EXPECT_EQ(gs.ViewedChannel, 3);
    EXPECT_TRUE(Visible("ControlButton3_Pressed"));
    EXPECT_FALSE(Visible("ControlButton1_Pressed"));
    EXPECT_EQ(TextOf(&office, "BlindLabel22"), "Green channel");
    office.watchPressedClicked(3);
    EXPECT_EQ(gs.ViewedChannel, 0);
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(OfficeTest, InThePlanningPhaseThePlaybackControlsOnlyExplainThemselves) {
    EXPECT_TRUE(Visible("ControlButton1_Pressed"));
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
    office.watchClicked(2);
    EXPECT_EQ(gs.ViewedChannel, player);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    office.watchPressedClicked(player);
    EXPECT_EQ(LastDialog(),
              "inform|N/A|During broadcasting you can use this button to select a different TV "
              "channel to watch.");
    office.playPressed();
    EXPECT_EQ(LastDialog(),
              "inform|N/A|During broadcasting this button will make the broadcasting continue. "
              "Keeping the button pressed, will make the time pass even faster (fast forward).");
    office.playReleased();
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_EQ(gs.ViewedChannel, player);
    EXPECT_FALSE(Visible("GroupBox_TVScreen"));
    EXPECT_EQ(TextOf(&office, "Label3"), ": None");
}

// --- Play, Pause and the cues -------------------------------------------------------------------

TEST_F(OfficePlaybackTest, HoldingPlayFastForwardsAndReleasingRestartsTheCue) {
    PlantHour(2, movie, 0, kCrowd, kLiked);
    PlantHour(3, movie, 0, kCrowd, kLiked);
    const std::string cue = "genre" + std::to_string(cat.MovieCatalogue[movie][Movie::kGenre]);
    office.playBackTo(3, 1);
    EXPECT_EQ(ui.sounds.Count(cue), 1);
    office.playPressed();
    EXPECT_EQ(office.playbackInterval(), 10);
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_EQ(ui.sounds.played.back(), "fastforward");
    // A programme that starts while fast-forwarding plays no cue.
    office.playBackTo(4, 1);
    EXPECT_EQ(ui.sounds.Count(cue), 1);
    office.playReleased();
    EXPECT_EQ(office.playbackInterval(), 200);
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_EQ(ui.sounds.Count("stopcue"), 1);
    EXPECT_EQ(ui.sounds.Count(cue), 2);
    EXPECT_TRUE(Visible("ControlButton5_Pressed"));
    EXPECT_FALSE(Visible("ControlButton6_Pressed"));
}

TEST_F(OfficePlaybackTest, PauseHoldsThePlaybackThroughAHoverPopup) {
    PlantHour(2, movie, 0, kCrowd, kLiked);
    office.playBackTo(3, 1);
    office.tvEntered();
    EXPECT_TRUE(Visible("Panel_InfoPopup"));
    EXPECT_EQ(TextOf(&office, "Label9"), "\"" + cat.MovieTitles[movie] + "\"");
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
    office.tvLeft();
    EXPECT_FALSE(Visible("Panel_InfoPopup"));
    EXPECT_TRUE(office.playbackRunning());

    office.pauseClicked();
    EXPECT_TRUE(office.playbackPaused());
    office.faceEntered(2);
    EXPECT_TRUE(Visible("Panel_AudiencePopup"));
    EXPECT_EQ(TextOf(&office, "Label29"), "Teens");
    office.faceLeft(2);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(Visible("ControlButton6_Pressed"));
}

TEST_F(OfficePlaybackTest, AKeyTypedIntoTheTutorialWindowHidesTheAudiencePopup) {
    PlantHour(2, movie, 0, kCrowd, kLiked);
    office.playBackTo(3, 1);
    office.faceEntered(2);
    ASSERT_TRUE(Visible("Panel_AudiencePopup"));
    emit ui.session.keyInTutorialWindow();
    EXPECT_FALSE(Visible("Panel_AudiencePopup"));
}

TEST_F(OfficePlaybackTest, BlindModeTogglesPopupsByClickInsteadOfHover) {
    PlantHour(2, movie, 0, kCrowd, kLiked);
    office.playBackTo(3, 1);
    ui.session.setBlindMode(true);
    office.tvEntered();
    EXPECT_FALSE(Visible("Panel_InfoPopup"));
    EXPECT_TRUE(office.playbackRunning());
    office.tvClicked();
    EXPECT_TRUE(Visible("Panel_InfoPopup"));
    office.tvLeft();
    EXPECT_TRUE(Visible("Panel_InfoPopup"));
    office.tvClicked();
    EXPECT_FALSE(Visible("Panel_InfoPopup"));

    office.faceClicked(1);
    EXPECT_TRUE(Visible("Panel_AudiencePopup"));
    EXPECT_EQ(TextOf(&office, "Label29"), "Kids");
    EXPECT_EQ(Child<QWidget>(&office, "Panel_AudiencePopup")->pos(), QPoint(713, 163));
    EXPECT_FALSE(office.playbackRunning());
    // Leaving a face still resumes the playback.
    office.faceLeft(1);
    EXPECT_TRUE(office.playbackRunning());

    // Any key but Escape closes the group popup; Escape never closes the office.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&office, &escape);
    EXPECT_TRUE(Visible("Panel_AudiencePopup"));
    EXPECT_TRUE(office.isVisible());
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&office, &space);
    EXPECT_FALSE(Visible("Panel_AudiencePopup"));
}

TEST_F(OfficePlaybackTest, TheNewsSpotShowsItsPictureAndCue) {
    PlantHour(2, Slot::kNewsShow, 0, kCrowd, kLiked);
    gs.Programme[2][2][Slot::kProgramme] = 0;
    office.playBackTo(3, 1);
    EXPECT_EQ(Child<ui::PictureLabel>(&office, "TVScreen")->pictureName(), "QVX2_news.jpg");
    EXPECT_EQ(TextOf(&office, "BlindLabel23"), "Now broadcasting: News spot");
    EXPECT_EQ(ui.sounds.Count("news"), 1);
    // Switching away and back starts the cue again.
    office.watchClicked(2);
    office.watchClicked(player);
    EXPECT_EQ(ui.sounds.Count("news"), 2);
}

}  // namespace
}  // namespace qvx::test
