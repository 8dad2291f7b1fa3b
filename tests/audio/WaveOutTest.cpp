// TWaveOut on OpenAL's silent real-time device: its format, its error texts, and the queue of
// four buffers as they go out and come back.
#include <gtest/gtest.h>

#include <QObject>
#include <QPointer>
#include <QThread>

#include "AudioTestSupport.h"
#include "AudioWaveOut.h"

namespace qvx::test {
namespace {

using audio::EWaveOut;
using audio::TWaveOut;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EWaveOut& e) {
        return e.what();
    }
    return "";
}

TEST(WaveOutFormat, StartsAsCdStereoAndDerivesAlignAndRate) {
    QObject host;
    TWaveOut out(&host);
    EXPECT_EQ(out.Format().channels, 2);
    EXPECT_EQ(out.Format().samplesPerSec, 44100u);
    EXPECT_EQ(out.Format().bitsPerSample, 16);
    out.SetFormat(false, 22050, 16);
    EXPECT_EQ(out.Format().channels, 1);
    EXPECT_EQ(out.Format().blockAlign, 2);
    EXPECT_EQ(out.Format().avgBytesPerSec, 44100u);
    out.SetFormat(true, 48000, 8);
    EXPECT_EQ(out.Format().blockAlign, 2);
    EXPECT_EQ(out.Format().avgBytesPerSec, 96000u);
}

TEST(WaveOutFormat, AnUnsupportedFormatIsRefusedWithItsDescriptionAndKeepsTheOldOne) {
    QObject host;
    TWaveOut out(&host);
    const std::string error = ErrorOf([&] { out.SetFormat(false, 22050, 24); });
    EXPECT_EQ(error.rfind("Wave format not supported (Mono; 22.1 KHz; 24 bits (529 kb/s) - "
                          "waveOutOpen: ",
                          0),
              0u)
        << error;
    EXPECT_GT(error.size(), 70u);  // the device's text follows
    EXPECT_EQ(out.Format().channels, 2);
    EXPECT_EQ(out.Format().bitsPerSample, 16);
}

TEST(WaveOutDevice, OpenTwiceAndFormatChangeWhilePlayingAreRefused) {
    QObject host;
    TWaveOut out(&host);
    out.Open();
    EXPECT_EQ(ErrorOf([&] { out.Open(); }), "WaveOut device already opened");
    // Open and idle: the device is closed and opened again with the new format.
    out.SetFormat(false, 22050, 16);
    EXPECT_TRUE(out.IsOpen());
    EXPECT_EQ(out.Format().samplesPerSec, 22050u);

    int delivered = 0;
    out.OnData = [&](char* data, int capacity, double&) {
        if (delivered++ >= 8) return 0;
        std::fill(data, data + capacity, 0);
        return 4410;
    };
    out.Play();
    EXPECT_TRUE(out.IsPlaying());
    EXPECT_EQ(ErrorOf([&] { out.SetFormat(true, 44100, 16); }),
              "Cannot change waveOut device parameters while playing");
    // Asking for the format it already has is no change at all.
    EXPECT_EQ(ErrorOf([&] { out.SetFormat(false, 22050, 16); }), "");
}

// A data source of `buffers` blocks of `bytes` each, counting what the output reports.
struct Source {
    Source(int count, int size) : buffers(count), bytes(size) {}
    int buffers;
    int bytes;
    int delivered = 0;
    int changes = 0;
    int done = 0;
    std::vector<std::string> errors;

    void Attach(TWaveOut& out) {
        out.OnData = [this](char* data, int capacity, double& time) {
            if (delivered == buffers) return 0;
            time = delivered;
            std::fill(data, data + std::min(bytes, capacity), char{0});
            ++delivered;
            return bytes;
        };
        out.OnBufferChange = [this](TWaveOut*) { ++changes; };
        out.OnDone = [this](TWaveOut*) { ++done; };
        out.OnError = [this](const std::string& e) { errors.push_back(e); };
    }
};

TEST(WaveOutQueue, PlayFillsFourBuffersRefillsAsTheyReturnAndEndsOnce) {
    QObject host;
    TWaveOut out(&host);
    Source source(6, 4400);  // 25 ms each at 44.1 kHz stereo
    source.Attach(out);
    out.Open();
    out.Play();
    EXPECT_EQ(out.Written(), 4);
    EXPECT_EQ(out.InFlight(), 4);
    EXPECT_EQ(out.FreeCount(), 0);
    EXPECT_EQ(out.StreamTime(), 0.0);
    ASSERT_TRUE(PumpUntil([&] { return source.done > 0; }));
    EXPECT_EQ(source.done, 1);
    EXPECT_EQ(out.Written(), 6);
    EXPECT_EQ(out.InFlight(), 0);
    EXPECT_EQ(out.FreeCount(), 4);
    EXPECT_FALSE(out.IsPlaying());
    EXPECT_EQ(source.changes, 12);  // six written, six returned
    EXPECT_TRUE(source.errors.empty());
}

TEST(WaveOutQueue, AnUnderrunIsRecoveredWithoutLosingOrRepeatingBuffers) {
    QObject host;
    TWaveOut out(&host);
    Source source(12, 440);  // 5 ms each at 22,050 Hz mono
    source.Attach(out);
    out.SetFormat(false, 22050, 16);
    out.Open();
    out.Play();
    // The UI thread is late: the four queued buffers run out before anyone looks.
    QThread::msleep(120);
    ASSERT_TRUE(PumpUntil([&] { return source.done > 0; }));
    EXPECT_EQ(source.done, 1);
    EXPECT_EQ(source.delivered, 12);
    EXPECT_EQ(out.Written(), 12);
    EXPECT_EQ(out.FreeCount(), 4);
    EXPECT_EQ(source.changes, 24);
    EXPECT_TRUE(source.errors.empty()) << source.errors.front();
}

TEST(WaveOutQueue, CloseTakesEveryBufferBackWithoutFinishing) {
    QObject host;
    TWaveOut out(&host);
    Source source(100, 65536);
    source.Attach(out);
    out.Open();
    out.Play();
    out.Close();
    EXPECT_FALSE(out.IsOpen());
    EXPECT_FALSE(out.IsPlaying());
    EXPECT_EQ(out.InFlight(), 0);
    EXPECT_EQ(out.FreeCount(), 4);
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(source.done, 0);
    // It can be opened and played again.
    out.Open();
    out.Play();
    EXPECT_EQ(out.Written(), 4);
}

TEST(WaveOutQueue, PlayWithoutADataSourceDoesNothing) {
    QObject host;
    TWaveOut out(&host);
    out.Open();
    out.Play();
    EXPECT_FALSE(out.IsPlaying());
    EXPECT_EQ(out.Written(), 0);
    EXPECT_EQ(out.FreeCount(), 4);
}

}  // namespace
}  // namespace qvx::test
