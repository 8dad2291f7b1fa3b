// The four callbacks the Vorbis decoder reads a channel's file through.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "AudioTestSupport.h"
#include "AudioVorbisAdapter.h"

namespace qvx::test {
namespace {

using audio::FileStream;
using audio::StreamClose;
using audio::StreamRead;
using audio::StreamSeek;
using audio::StreamTell;

struct DecoderAdapterTest : ::testing::Test {
    AudioDir dir;
    std::unique_ptr<FileStream> stream;

    void SetUp() override {
        WriteBytes(dir / "ten", "0123456789");
        stream = FileStream::Open(dir / "ten");
        ASSERT_TRUE(stream);
    }
};

TEST_F(DecoderAdapterTest, ReadsWholeElementsAndConsumesAPartialOne) {
    char buffer[16] = {};
    EXPECT_EQ(StreamRead(buffer, 3, 2, stream.get()), 2u);
    EXPECT_EQ(std::string(buffer, 6), "012345");
    // Four bytes are left: one whole element of three, and the fourth byte is gone too.
    EXPECT_EQ(StreamRead(buffer, 3, 2, stream.get()), 1u);
    EXPECT_EQ(StreamTell(stream.get()), 10);
    EXPECT_EQ(StreamRead(buffer, 0, 5, stream.get()), 0u);
    EXPECT_EQ(StreamRead(buffer, 5, 0, stream.get()), 0u);
}

TEST_F(DecoderAdapterTest, AfterReadingPastTheEndTellAndSeekStillWork) {
    char buffer[32];
    EXPECT_EQ(StreamRead(buffer, 1, 32, stream.get()), 10u);
    EXPECT_EQ(StreamRead(buffer, 1, 32, stream.get()), 0u);
    EXPECT_EQ(StreamTell(stream.get()), 10);
    ASSERT_EQ(StreamSeek(stream.get(), 4, 0), 0);
    EXPECT_EQ(StreamRead(buffer, 2, 1, stream.get()), 1u);
    EXPECT_EQ(std::string(buffer, 2), "45");
}

struct SeekCase {
    const char* name;
    int64_t start;
    int64_t offset;
    int origin;
    int result;
    long position;  // after the seek
};
void PrintTo(const SeekCase& c, std::ostream* os) {
    *os << c.name;
}

class DecoderAdapterSeek : public DecoderAdapterTest,
                           public ::testing::WithParamInterface<SeekCase> {};

TEST_P(DecoderAdapterSeek, SeeksFromEachOrigin) {
    const SeekCase& c = GetParam();
    ASSERT_EQ(StreamSeek(stream.get(), c.start, 0), 0);
    EXPECT_EQ(StreamSeek(stream.get(), c.offset, c.origin), c.result);
    EXPECT_EQ(StreamTell(stream.get()), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Origins, DecoderAdapterSeek,
    ::testing::Values(SeekCase{"FromTheBeginning", 6, 2, 0, 0, 2},
                      SeekCase{"BackFromHere", 6, -2, 1, 0, 4},
                      SeekCase{"OnFromHere", 6, 3, 1, 0, 9}, SeekCase{"FromTheEnd", 6, -3, 2, 0, 7},
                      SeekCase{"LowThirtyTwoBitsOnly", 6, (int64_t{1} << 32) + 5, 0, 0, 5},
                      SeekCase{"BeforeTheStartFails", 6, -1, 0, -1, 6},
                      SeekCase{"NoSuchOriginFails", 6, 1, 3, -1, 6}),
    [](const ::testing::TestParamInfo<SeekCase>& param) { return std::string(param.param.name); });

// A stream whose device has failed: every operation throws.
struct BrokenStream : audio::Stream {
    size_t Read(void*, size_t) override { throw std::runtime_error("read"); }
    void Seek(int64_t, audio::SeekOrigin) override { throw std::runtime_error("seek"); }
    int64_t Position() override { throw std::runtime_error("tell"); }
};

TEST(DecoderAdapterFailure, AFailingStreamReadsNothingAndRefusesSeekAndTell) {
    BrokenStream broken;
    char buffer[8];
    EXPECT_EQ(StreamRead(buffer, 1, 8, &broken), 0u);
    EXPECT_EQ(StreamSeek(&broken, 0, 0), -1);
    EXPECT_EQ(StreamTell(&broken), -1);
}

TEST(DecoderAdapterFailure, CloseFreesTheStream) {
    AudioDir dir;
    WriteBytes(dir / "f", "x");
    auto freed = std::make_shared<int>(0);
    auto* stream = new CountingStream(FileStream::Open(dir / "f"), freed);
    EXPECT_EQ(StreamClose(stream), 0);
    EXPECT_EQ(*freed, 1);
}

TEST(DecoderAdapterFailure, AMissingFileOpensNoStream) {
    AudioDir dir;
    EXPECT_EQ(FileStream::Open(dir / "absent.ogg"), nullptr);
}

}  // namespace
}  // namespace qvx::test
