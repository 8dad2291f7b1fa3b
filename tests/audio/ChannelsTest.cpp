// The playback channels on OpenAL's silent real-time device, with tones the tests encode.
#include <gtest/gtest.h>

#include <QObject>
#include <QPointer>
#include <fstream>
#include <iterator>

#include "AudioChannels.h"
#include "AudioTestSupport.h"

namespace qvx::test {
namespace {

using audio::PlaybackChannels;
using audio::TWaveOut;

struct ChannelsTest : ::testing::Test {
    AudioDir dir;
    QObject host;
    PlaybackChannels channels{&host, dir.path()};
    std::shared_ptr<int> freed = std::make_shared<int>(0);
    std::vector<std::string> errors;

    void SetUp() override {
        channels.SetStreamOpener([this](const std::filesystem::path& path) {
            auto file = audio::FileStream::Open(path);
            return file ? std::make_unique<CountingStream>(std::move(file), freed) : nullptr;
        });
        channels.SetErrorSink([this](const std::string& e) { errors.push_back(e); });
    }
};

TEST_F(ChannelsTest, AFileShorterThanFourBuffersPlaysCompletelyAndReleasesItsChannel) {
    const Tone tone{2, 44100, 0.5, 440};  // 88,200 bytes: two buffers
    WriteOggTone(dir / "short.ogg", tone);
    channels.PlayFile(1, "short.ogg");
    QPointer<TWaveOut> out = channels.Output(1);
    ASSERT_TRUE(out);
    long bytes = 0;
    int buffers = 0;
    auto decode = out->OnData;
    out->OnData = [&](char* data, int capacity, double& time) {
        const int n = decode(data, capacity, time);
        bytes += n;
        buffers += n > 0;
        return n;
    };
    channels.StartChannel(1);
    // Filling stopped at the decoder's end: two buffers out, two still free.
    EXPECT_EQ(out->Written(), 2);
    EXPECT_EQ(out->FreeCount(), 2);
    EXPECT_FALSE(out->IsPlaying());

    ASSERT_TRUE(PumpUntil([&] { return out.isNull(); }));
    EXPECT_EQ(bytes, FramesOf(tone) * 4);
    EXPECT_EQ(buffers, 2);
    EXPECT_TRUE(channels.IsEmpty(1));
    EXPECT_EQ(channels.FileName(1), "");
    EXPECT_EQ(*freed, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(ChannelsTest, AMonoFileAt22050HzOpensAMonoOutputAt22050Hz) {
    WriteOggTone(dir / "mono.ogg", {1, 22050, 0.1, 440});
    channels.PlayFile(4, "mono.ogg");
    ASSERT_TRUE(channels.Output(4));
    const audio::WaveFormat& format = channels.Output(4)->Format();
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.samplesPerSec, 22050u);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.blockAlign, 2);
    EXPECT_TRUE(channels.Output(4)->IsOpen());
}

TEST_F(ChannelsTest, ASecondCueOnTheSameChannelCutsTheFirstOff) {
    WriteOggTone(dir / "first.ogg", {2, 44100, 2.0, 440});
    WriteOggTone(dir / "second.ogg", {2, 44100, 0.2, 660});
    channels.PlayFile(1, "first.ogg");
    channels.StartChannel(1);
    QPointer<TWaveOut> first = channels.Output(1);
    ASSERT_TRUE(first && first->IsPlaying());

    channels.PlayFile(1, "second.ogg");
    channels.StartChannel(1);
    // The first fades out on its own, no longer fed by the channel, then goes.
    EXPECT_FALSE(first->IsPlaying());
    EXPECT_FALSE(first->OnData);
    EXPECT_EQ(channels.FileName(1), "second.ogg");
    EXPECT_NE(channels.Output(1), first.data());
    EXPECT_EQ(*freed, 1);
    ASSERT_TRUE(PumpUntil([&] { return first.isNull(); }, 2000));
    ASSERT_TRUE(PumpUntil([&] { return channels.IsEmpty(1); }));
    EXPECT_EQ(*freed, 2);
}

TEST_F(ChannelsTest, StoppingAnEmptyOrUnusedChannelDoesNothing) {
    WriteOggTone(dir / "tone.ogg", {2, 44100, 0.2, 440});
    channels.PlayFile(2, "tone.ogg");
    for (int channel : {0, 1, 3, 6, 7, -1, 99})
        channels.StopChannel(channel);
    EXPECT_FALSE(channels.IsEmpty(2));
    channels.StopChannel(2);
    channels.StopChannel(2);
    EXPECT_TRUE(channels.IsEmpty(2));
    EXPECT_EQ(*freed, 1);
    // Channels 0 and 7 are never played on.
    channels.PlayFile(0, "tone.ogg");
    channels.PlayFile(7, "tone.ogg");
    EXPECT_EQ(channels.Output(0), nullptr);
    EXPECT_EQ(channels.Output(7), nullptr);
}

TEST_F(ChannelsTest, AMissingOrNonOggFileStaysSilentAndTheStreamIsFreedOnce) {
    channels.PlayTrack(1, "absent.ogg");
    EXPECT_EQ(channels.Output(1), nullptr);
    EXPECT_TRUE(channels.IsEmpty(1));

    WriteBytes(dir / "text.ogg", std::string(5000, 'x'));
    channels.PlayTrack(1, "text.ogg");
    EXPECT_EQ(channels.Output(1), nullptr);
    // The decoder refused it without closing it: the channel still holds the stream.
    EXPECT_FALSE(channels.IsEmpty(1));
    EXPECT_EQ(*freed, 0);
    channels.StopChannel(1);
    channels.StopChannel(1);
    EXPECT_EQ(*freed, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(ChannelsTest, ADamagedStretchEndsTheTrackWithoutCountingTheErrorAsData) {
    const Tone tone{1, 44100, 10.0, 440};
    WriteOggTone(dir / "whole.ogg", tone);
    std::ifstream in(dir / "whole.ogg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Scribble over the middle of the audio pages: their checksums fail and the decoder
    // reports a hole there.
    for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 40; ++i)
        bytes[i] = '\x5a';
    WriteBytes(dir / "damaged.ogg", bytes);

    channels.PlayFile(1, "damaged.ogg");
    TWaveOut* out = channels.Output(1);
    ASSERT_TRUE(out);
    std::vector<char> block(TWaveOut::kBufferSize);
    double time = 0;
    long total = 0;
    int calls = 0;
    for (int n; (n = out->OnData(block.data(), TWaveOut::kBufferSize, time)) > 0 && calls < 50;
         ++calls)
        total += n;
    EXPECT_EQ(total % 2, 0);
    EXPECT_GT(total, 0);
    EXPECT_LT(total, FramesOf(tone) * 2);
    EXPECT_EQ(out->OnData(block.data(), TWaveOut::kBufferSize, time), 0);
}

TEST_F(ChannelsTest, TheBufferStreamTimeFollowsTheDecoder) {
    WriteOggTone(dir / "tone.ogg", {2, 44100, 1.0, 440});
    channels.PlayFile(2, "tone.ogg");
    TWaveOut* out = channels.Output(2);
    ASSERT_TRUE(out);
    std::vector<char> block(TWaveOut::kBufferSize);
    double first = -1, second = -1;
    ASSERT_EQ(out->OnData(block.data(), TWaveOut::kBufferSize, first), TWaveOut::kBufferSize);
    ASSERT_EQ(out->OnData(block.data(), TWaveOut::kBufferSize, second), TWaveOut::kBufferSize);
    EXPECT_DOUBLE_EQ(first, 0.0);
    EXPECT_NEAR(second, 65536.0 / (44100 * 4), 1e-3);
}

}  // namespace
}  // namespace qvx::test
