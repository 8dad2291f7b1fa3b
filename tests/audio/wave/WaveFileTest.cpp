// What comes out of the speaker, measured: OpenAL's wave-file device records everything played,
// and the test reads the recording back after the device has closed.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "AudioChannels.h"
#include "AudioDevice.h"
#include "AudioEffects.h"
#include "AudioMusic.h"
#include "AudioTestSupport.h"
#include "WaveOutput.h"

namespace qvx::test {
namespace {

using audio::PlaybackChannels;

// The first channel of a recording.
std::vector<float> ReadLeft(const std::filesystem::path& path, int& rate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return {};
    std::vector<float> all(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t frames = sf_readf_float(file, all.data(), info.frames);
    sf_close(file);
    rate = info.samplerate;
    std::vector<float> left(static_cast<size_t>(frames));
    for (sf_count_t i = 0; i < frames; ++i)
        left[static_cast<size_t>(i)] = all[static_cast<size_t>(i * info.channels)];
    return left;
}

TEST(WaveFile, AToneThroughPlayFileComesOutWithItsLengthAndFrequency) {
    // Mono at 22,050 Hz, two wave buffers long: the file's own rate must be used (the wrong one
    // would change pitch and length), and no buffer may be lost, repeated or left with a gap.
    const Tone tone{1, 22050, 2.0, 441.0, 0.5};
    AudioDir dir;
    WriteOggTone(dir / "tone.ogg", tone);
    {
        QObject host;
        PlaybackChannels channels(&host, dir.path());
        channels.PlayFile(1, "tone.ogg");
        ASSERT_NE(channels.Output(1), nullptr);
        channels.StartChannel(1);
        ASSERT_EQ(channels.Output(1)->Written(), 2);
        ASSERT_TRUE(PumpUntil([&] { return channels.IsEmpty(1); }, 10000));
    }
    audio::CloseAudioDevice();

    int rate = 0;
    const std::vector<float> left = ReadLeft(WaveOutput(), rate);
    ASSERT_GT(rate, 0);
    constexpr float kQuiet = 0.02f;
    size_t first = left.size(), last = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        if (std::fabs(left[i]) <= kQuiet) continue;
        first = std::min(first, i);
        last = i;
    }
    ASSERT_LT(first, last);
    const double seconds = static_cast<double>(last - first + 1) / rate;
    EXPECT_NEAR(seconds, tone.seconds, 0.03);

    int crossings = 0;
    size_t quietRun = 0, longestQuiet = 0;
    for (size_t i = first + 1; i <= last; ++i) {
        crossings += (left[i - 1] < 0) != (left[i] < 0);
        quietRun = std::fabs(left[i]) <= kQuiet ? quietRun + 1 : 0;
        longestQuiet = std::max(longestQuiet, quietRun);
    }
    EXPECT_NEAR(crossings / 2.0 / seconds, tone.frequency, 3.0);
    EXPECT_LT(longestQuiet, static_cast<size_t>(rate / 1000));  // no gap of a millisecond
}

// A loud tone stopped mid-play, recorded; 0 when its sound ramps down instead of cutting off.
int StopMidTone(const std::filesystem::path& dir) {
    constexpr double kAmplitude = 0.5;
    WriteOggTone(dir / "long.ogg", {1, 44100, 2.0, 441.0, kAmplitude});
    {
        QObject host;
        PlaybackChannels channels(&host, dir);
        channels.PlayTrack(2, "long.ogg");
        QPointer<audio::TWaveOut> out = channels.Output(2);
        PumpUntil([] { return false; }, 500);
        channels.StopChannel(2);
        if (!channels.IsEmpty(2)) return 2;
        if (!PumpUntil([&] { return out.isNull(); }, 2000)) return 3;
    }
    audio::CloseAudioDevice();
    int rate = 0;
    const std::vector<float> left = ReadLeft(WaveOutput(), rate);
    if (rate <= 0) return 4;
    size_t first = left.size(), last = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        if (std::fabs(left[i]) <= 0.002f) continue;
        first = std::min(first, i);
        last = i;
    }
    if (first >= last) return 5;
    // Stopped, not played out: the sound ends long before the tone's two seconds.
    const double heard = static_cast<double>(last - first) / rate;
    if (heard > 1.2) return 6;
    // The last 5 ms before silence are well below the tone, and no sample jumps further than a
    // 441 Hz sine moves on its own (0.031 at this amplitude): a cut at full level fails both.
    const size_t tail = static_cast<size_t>(rate) / 200;
    float tailPeak = 0.0f, step = 0.0f;
    for (size_t i = last - tail; i <= last + 1 && i < left.size(); ++i)
        tailPeak = std::max(tailPeak, std::fabs(left[i]));
    for (size_t i = last - static_cast<size_t>(rate) / 5; i + 1 < left.size() && i <= last + 1; ++i)
        step = std::max(step, std::fabs(left[i + 1] - left[i]));
    std::fprintf(stderr, "heard %.3f s, last 5 ms peak %.3f, largest step %.4f\n", heard, tailPeak,
                 step);
    if (tailPeak > 0.4f * kAmplitude) return 7;
    if (step > 0.05f) return 8;
    return 0;
}

TEST(WaveFile, AChannelStoppedMidToneFadesOutInsteadOfCutting) {
    // The device writes its recording once per process: this one gets a process of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    AudioDir dir;
    EXPECT_EXIT(std::exit(StopMidTone(dir.path())), ::testing::ExitedWithCode(0), "");
}

// A machine without any audio device: everything stays silent and nothing fails. 0 when so.
int PlayWithoutDevice(const std::filesystem::path& dir) {
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    QObject host;
    QTimer musicTimer;
    QTimer ambienceTimer;
    PlaybackChannels channels(&host, dir);
    audio::MusicSelector music(channels, musicTimer, [] { return true; });
    audio::SoundEffects effects(channels, music, ambienceTimer, dir, [] { return true; });
    music.OnMusicTimer();
    effects.PlayClick();
    effects.PlayGenreCue(8);
    const audio::TWaveOut* out = channels.Output(2);
    const bool silent = !audio::AudioReady() && out && out->IsOpen() && !out->IsPlaying() &&
                        out->Written() == 0 && effects.OneShot().Started() == 0;
    channels.StopChannel(2);
    return silent ? 0 : 1;
}

TEST(NoDevice, EveryOperationIsASilentNoOp) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    AudioDir dir;
    WriteOggTone(dir / "Intro.ogg", {2, 44100, 0.2, 440});
    WriteWavTone(dir / "button.wav", {1, 22050, 0.2, 440});
    EXPECT_EXIT(std::exit(PlayWithoutDevice(dir.path())), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace qvx::test
