// The music timer's selections and intervals, the switches, the cues and the ambience, over real
// channels on OpenAL's silent device with tones named like the game's files.
#include <gtest/gtest.h>

#include <QObject>
#include <QTimer>
#include <set>

#include "AudioChannels.h"
#include "AudioEffects.h"
#include "AudioMusic.h"
#include "AudioTestSupport.h"

namespace qvx::test {
namespace {

using audio::AmbienceFor;
using audio::MusicSelector;
using audio::PlaybackChannels;
using audio::SoundEffects;

const char* const kOggFiles[] = {
    "Intro.ogg",          "Background.ogg",       "Prepping_Theme_1_d.ogg", "Winning_Music.ogg",
    "Soap_Cue.ogg",       "Western_Cue.ogg",      "News_Theme_Cue.ogg",     "Fast_Forward.ogg",
    "Typing_3.ogg",       "People_Chatter_3.ogg", "People_Chatter_4.ogg",   "VCR_InsertTape.ogg",
    "VCR_EjectTape1.ogg", "Office_Phone.ogg",     "Office_Door_2.ogg"};
const char* const kWavFiles[] = {"button.wav", "fanfare.wav", "payment1.wav", "payment2.wav",
                                 "Car_Horn_2.wav"};

struct MusicEffectsTest : ::testing::Test {
    static inline std::unique_ptr<AudioDir> s_dir;

    static void SetUpTestSuite() {
        s_dir = std::make_unique<AudioDir>();
        for (const char* name : kOggFiles)
            WriteOggTone(*s_dir / name, {2, 44100, 0.5, 440});
        for (const char* name : kWavFiles)
            WriteWavTone(*s_dir / name, {1, 22050, 0.5, 880});
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    QObject host;
    QTimer musicTimer;
    QTimer ambienceTimer;
    bool music = true;
    bool effects = true;
    PlaybackChannels channels{&host, s_dir->path()};
    MusicSelector selector{channels, musicTimer, [this] { return music; }};
    SoundEffects sfx{channels, selector, ambienceTimer, s_dir->path(), [this] { return effects; }};

    // What the ambience plays over `ticks` ticks: one-shots started plus channel-3 tracks.
    int AmbienceOver(int ticks) {
        int heard = 0;
        const int before = sfx.OneShot().Started();
        for (int i = 0; i < ticks; ++i) {
            channels.StopChannel(PlaybackChannels::kAmbienceChannel);
            sfx.AmbienceTick();
            heard += !channels.IsEmpty(PlaybackChannels::kAmbienceChannel);
        }
        return heard + sfx.OneShot().Started() - before;
    }
};

TEST_F(MusicEffectsTest, TheFirstFourSelectionsAfterStartUpAndTheirIntervals) {
    selector.StartTimer();
    EXPECT_TRUE(musicTimer.isActive());
    EXPECT_EQ(musicTimer.interval(), 1000);
    struct Step {
        const char* track;
        int nextInterval;
        int state;
    };
    const Step steps[] = {{"Intro.ogg", 30000, 2},
                          {"Background.ogg", 62000, 3},
                          {"Prepping_Theme_1_d.ogg", 62000, 2},
                          {"Background.ogg", 62000, 3}};
    for (const Step& step : steps) {
        selector.OnMusicTimer();
        EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), step.track);
        EXPECT_NE(channels.Output(PlaybackChannels::kMusicChannel), nullptr) << step.track;
        EXPECT_EQ(musicTimer.interval(), step.nextInterval) << step.track;
        EXPECT_EQ(selector.MusicState(), step.state) << step.track;
        EXPECT_TRUE(musicTimer.isActive());
    }
    EXPECT_TRUE(selector.IntroPlayed());
}

TEST_F(MusicEffectsTest, MusicOffKeepsTheTimerRunningButPlaysNothing) {
    music = false;
    selector.StartTimer();
    selector.OnMusicTimer();
    selector.OnMusicTimer();
    EXPECT_TRUE(channels.IsEmpty(PlaybackChannels::kMusicChannel));
    EXPECT_TRUE(musicTimer.isActive());
    EXPECT_EQ(musicTimer.interval(), 62000);
    EXPECT_FALSE(selector.IntroPlayed());
    EXPECT_EQ(selector.MusicState(), 0);
}

TEST_F(MusicEffectsTest, TheSwitchStopsTheMusicAndTurningItOnStartsTheIntroAgain) {
    selector.StartTimer();
    for (int i = 0; i < 3; ++i)
        selector.OnMusicTimer();
    ASSERT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Prepping_Theme_1_d.ogg");
    music = false;
    selector.SwitchOff();
    EXPECT_TRUE(channels.IsEmpty(PlaybackChannels::kMusicChannel));
    EXPECT_TRUE(musicTimer.isActive());
    music = true;
    selector.SwitchOn();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Intro.ogg");
    selector.OnMusicTimer();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Background.ogg");
}

TEST_F(MusicEffectsTest, GameOverPlaysTheWinningMusicAtOnceAndBackgroundSixteenSecondsLater) {
    selector.StartTimer();
    selector.OnMusicTimer();
    selector.OnMusicTimer();
    selector.PlayWinningMusic();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Winning_Music.ogg");
    EXPECT_EQ(selector.MusicState(), 2);
    EXPECT_EQ(musicTimer.interval(), 16000);
    EXPECT_TRUE(musicTimer.isActive());
    selector.OnMusicTimer();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Background.ogg");
    EXPECT_EQ(musicTimer.interval(), 62000);
}

TEST_F(MusicEffectsTest, WithEffectsOffNothingButTheMusicPlays) {
    effects = false;
    selector.OnMusicTimer();
    selector.OnMusicTimer();  // "Background.ogg": the ambience's own condition holds
    ASSERT_EQ(selector.MusicState(), 3);
    sfx.PlayClick();
    sfx.PlayFanfare();
    sfx.PlayPayment();
    sfx.PlayGenreCue(4);
    sfx.PlayNewsCue();
    sfx.PlayFastForward();
    EXPECT_EQ(AmbienceOver(100), 0);
    EXPECT_EQ(sfx.OneShot().Started(), 0);
    EXPECT_TRUE(channels.IsEmpty(PlaybackChannels::kCueChannel));
    EXPECT_EQ(channels.FileName(PlaybackChannels::kMusicChannel), "Background.ogg");
}

TEST_F(MusicEffectsTest, TheAmbiencePlaysOnlyWhileBackgroundIsTheTrack) {
    sfx.SeedCosmetic(7);
    selector.OnMusicTimer();  // the intro: MusicState 2
    EXPECT_EQ(AmbienceOver(100), 0);
    selector.OnMusicTimer();  // "Background.ogg": MusicState 3
    EXPECT_GT(AmbienceOver(100), 0);
    selector.OnMusicTimer();  // "Prepping_Theme_1_d.ogg": MusicState 2 again
    EXPECT_EQ(AmbienceOver(100), 0);
}

TEST_F(MusicEffectsTest, TheAmbienceTimerTicksEveryFourSeconds) {
    sfx.StartTimer();
    EXPECT_TRUE(ambienceTimer.isActive());
    EXPECT_EQ(ambienceTimer.interval(), 4000);
}

TEST(AmbienceTable, EachDrawPlaysItsSound) {
    struct Case {
        int r;
        const char* file;
        bool oneShot;
    };
    const Case cases[] = {{0, "Car_Horn_2.wav", true},
                          {5, "Car_Horn_2.wav", true},
                          {6, "People_Chatter_3.ogg", false},
                          {10, "People_Chatter_3.ogg", false},
                          {11, "Typing_3.ogg", false},
                          {16, "VCR_InsertTape.ogg", false},
                          {21, "VCR_EjectTape1.ogg", false},
                          {26, "Office_Phone.ogg", false},
                          {31, "People_Chatter_4.ogg", false},
                          {35, "People_Chatter_4.ogg", false},
                          {36, "Office_Door_2.ogg", false},
                          {50, "Office_Door_2.ogg", false},
                          {51, nullptr, false},
                          {74, nullptr, false}};
    for (const Case& c : cases) {
        const audio::AmbienceSound sound = AmbienceFor(c.r);
        EXPECT_EQ(sound.file ? std::string(sound.file) : "", c.file ? std::string(c.file) : "")
            << c.r;
        EXPECT_EQ(sound.oneShot, c.oneShot) << c.r;
    }
}

TEST_F(MusicEffectsTest, LoveFilmsAndSoapsShareTheSoapCueAndCuesReplaceEachOther) {
    sfx.PlayGenreCue(4);
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "Soap_Cue.ogg");
    sfx.PlayGenreCue(11);
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "Western_Cue.ogg");
    sfx.PlayGenreCue(8);
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "Soap_Cue.ogg");
    // No genre, no cue: what plays goes on.
    sfx.PlayGenreCue(0);
    sfx.PlayGenreCue(16);
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "Soap_Cue.ogg");
}

TEST_F(MusicEffectsTest, FastForwardTakesTheCueChannelUntilReleased) {
    sfx.PlayNewsCue();
    sfx.PlayFastForward();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "Fast_Forward.ogg");
    sfx.StopCue();
    EXPECT_TRUE(channels.IsEmpty(PlaybackChannels::kCueChannel));
    sfx.PlayNewsCue();
    EXPECT_EQ(channels.FileName(PlaybackChannels::kCueChannel), "News_Theme_Cue.ogg");
    EXPECT_NE(channels.Output(PlaybackChannels::kCueChannel), nullptr);
}

TEST_F(MusicEffectsTest, OneShotsReplaceEachOtherAndAMissingFilePlaysNothing) {
    sfx.PlayFanfare();
    EXPECT_EQ(sfx.OneShot().Current(), "fanfare.wav");
    EXPECT_TRUE(sfx.OneShot().IsPlaying());
    sfx.PlayClick();
    EXPECT_EQ(sfx.OneShot().Current(), "button.wav");
    EXPECT_TRUE(sfx.OneShot().IsPlaying());
    sfx.OneShot().Play("absent.wav");
    EXPECT_EQ(sfx.OneShot().Current(), "");
    EXPECT_FALSE(sfx.OneShot().IsPlaying());
    EXPECT_EQ(sfx.OneShot().Started(), 2);
}

TEST_F(MusicEffectsTest, ThePaymentSoundIsEitherRegister) {
    sfx.SeedCosmetic(11);
    std::set<std::string> heard;
    for (int i = 0; i < 64; ++i) {
        sfx.PlayPayment();
        heard.insert(sfx.OneShot().Current());
    }
    EXPECT_EQ(heard, (std::set<std::string>{"payment1.wav", "payment2.wav"}));
}

}  // namespace
}  // namespace qvx::test
