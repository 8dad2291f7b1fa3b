// The game's Sounds as the windows reach them: the host window TForm1 and the session's two
// switches.
#include <gtest/gtest.h>

#include <QTimer>

#include "AudioChannels.h"
#include "AudioEffects.h"
#include "AudioMusic.h"
#include "AudioSounds.h"
#include "AudioTestSupport.h"
#include "Client_LogIn.h"
#include "Session.h"

namespace qvx::test {
namespace {

using audio::PlaybackChannels;

struct AudioSoundsTest : ::testing::Test {
    AudioDir dir;
    std::unique_ptr<ui::Session> session;
    std::unique_ptr<ui::TForm1> host;
    std::unique_ptr<ui::AudioSounds> sounds;

    void SetUp() override {
        for (const char* name : {"Intro.ogg", "Soap_Cue.ogg", "Fast_Forward.ogg"})
            WriteOggTone(dir / name, {2, 44100, 0.5, 440});
        WriteWavTone(dir / "button.wav", {1, 22050, 0.2, 880});
        session = std::make_unique<ui::Session>(dir.path(), 1);
        host = std::make_unique<ui::TForm1>(*session);
        sounds = std::make_unique<ui::AudioSounds>(*host);
    }
};

TEST_F(AudioSoundsTest, StartUpRunsBothTimersAndTheHostStaysHidden) {
    sounds->StartTimers();
    EXPECT_TRUE(host->musicTimer()->isActive());
    EXPECT_EQ(host->musicTimer()->interval(), 1000);
    EXPECT_TRUE(host->ambienceTimer()->isActive());
    EXPECT_EQ(host->ambienceTimer()->interval(), 4000);
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(host->music().MusicState(), 0);
    EXPECT_FALSE(host->music().IntroPlayed());
}

TEST_F(AudioSoundsTest, TheStartScreenSwitchGovernsMusicAndEffects) {
    // As the start screen turns both off...
    session->soundEffectsEnabled = false;
    session->musicEnabled = false;
    sounds->StopMusic();
    sounds->PlayClick();
    sounds->PlayGenreCue(8);
    host->music().OnMusicTimer();
    EXPECT_EQ(host->effects().OneShot().Started(), 0);
    EXPECT_TRUE(host->channels().IsEmpty(PlaybackChannels::kCueChannel));
    EXPECT_TRUE(host->channels().IsEmpty(PlaybackChannels::kMusicChannel));
    // ...and on again: the intro starts over.
    session->soundEffectsEnabled = true;
    session->musicEnabled = true;
    sounds->RestartMusic();
    EXPECT_EQ(host->channels().FileName(PlaybackChannels::kMusicChannel), "Intro.ogg");
    sounds->PlayClick();
    EXPECT_EQ(host->effects().OneShot().Current(), "button.wav");
    sounds->PlayFastForward();
    EXPECT_EQ(host->channels().FileName(PlaybackChannels::kCueChannel), "Fast_Forward.ogg");
    sounds->StopCue();
    EXPECT_TRUE(host->channels().IsEmpty(PlaybackChannels::kCueChannel));
}

TEST_F(AudioSoundsTest, EffectsOffLeaveTheMusicToItsOwnSwitch) {
    session->soundEffectsEnabled = false;
    sounds->StartTimers();
    host->music().OnMusicTimer();
    EXPECT_EQ(host->channels().FileName(PlaybackChannels::kMusicChannel), "Intro.ogg");
    sounds->PlayNewsCue();
    EXPECT_TRUE(host->channels().IsEmpty(PlaybackChannels::kCueChannel));
}

}  // namespace
}  // namespace qvx::test
