// The music's file adapter (audio/AudioVorbisAdapter) under the Vorbis decoder. The input is a
// plan and a file: the plan's reads and seeks go through the decoder's four callbacks first,
// then the file is opened, decoded to the end and sought within as a channel would. Every call
// the adapter gets is checked against a model of the file: a read returns what lies at the
// position, a seek lands where it says or fails without moving, and tell agrees.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "AudioVorbisAdapter.h"
#include "FuzzSupport.h"

using namespace qvx;
using namespace qvx::fuzz;
using audio::SeekOrigin;

namespace {

// The adapter's stream with the model beside it.
class CheckedStream : public audio::Stream {
  public:
    CheckedStream(std::unique_ptr<audio::FileStream> inner, const uint8_t* file, size_t size)
        : m_inner(std::move(inner)), m_file(file), m_size(static_cast<int64_t>(size)) {}

    size_t Read(void* destination, size_t bytes) override {
        const auto left = static_cast<size_t>(std::max<int64_t>(0, m_size - m_position));
        const size_t got = m_inner->Read(destination, bytes);
        Expect(got == std::min(bytes, left), "a read returned other than what is left");
        Expect(got == 0 || std::memcmp(destination, m_file + m_position, got) == 0,
               "a read returned other bytes than the file's");
        m_position += static_cast<int64_t>(got);
        return got;
    }

    void Seek(int64_t offset, SeekOrigin origin) override {
        const int64_t base = origin == SeekOrigin::Begin     ? 0
                             : origin == SeekOrigin::Current ? m_position
                                                             : m_size;
        const int64_t target = base + offset;
        try {
            m_inner->Seek(offset, origin);
        } catch (...) {
            Expect(target < 0, "a seek to " + std::to_string(target) + " failed");
            Expect(m_inner->Position() == m_position, "a failed seek moved the stream");
            throw;
        }
        Expect(target >= 0, "a seek before the start succeeded");
        m_position = target;
        Expect(m_inner->Position() == target, "tell disagrees with the seek before it");
    }

    int64_t Position() override {
        const int64_t position = m_inner->Position();
        Expect(position == m_position, "tell disagrees with the reads and seeks");
        return position;
    }

    void ClearError() override { m_inner->ClearError(); }

    int64_t ModelPosition() const { return m_position; }

  private:
    std::unique_ptr<audio::FileStream> m_inner;
    const uint8_t* m_file;
    int64_t m_size;
    int64_t m_position = 0;
};

size_t ReadCallback(void* destination, size_t size, size_t count, void* stream) {
    return audio::StreamRead(destination, size, count, stream);
}
int SeekCallback(void* stream, ogg_int64_t offset, int origin) {
    return audio::StreamSeek(stream, offset, origin);
}
int CloseCallback(void* stream) {
    return audio::StreamClose(stream);
}
long TellCallback(void* stream) {
    return audio::StreamTell(stream);
}
constexpr ov_callbacks kCallbacks{ReadCallback, SeekCallback, CloseCallback, TellCallback};

// Plan: four callback operations of three bytes, then a little-endian 16-bit fraction of the
// decoded length to seek to. An operation is a byte (low two bits: read, seek, tell, tell; the
// rest: a read's element size or a seek's origin) and a little-endian 16-bit amount.
constexpr size_t kOperations = 4;
constexpr size_t kPlanBytes = kOperations * 3 + 2;

int16_t Amount(const uint8_t* at) {
    return static_cast<int16_t>(static_cast<uint16_t>(at[0] | at[1] << 8));
}

void RunOperations(const uint8_t* plan, CheckedStream& stream) {
    uint8_t buffer[1 << 15];
    for (size_t i = 0; i < kOperations; ++i) {
        const uint8_t what = plan[i * 3];
        const int16_t amount = Amount(plan + i * 3 + 1);
        const int64_t before = stream.ModelPosition();
        switch (what & 3) {
            case 0: {  // read whole elements of 1..4 bytes
                const size_t element = 1 + (what >> 2) % 4u;
                const size_t count = static_cast<uint16_t>(amount) % (sizeof buffer / element + 1);
                const size_t got = audio::StreamRead(buffer, element, count, &stream);
                Expect(got == static_cast<size_t>(stream.ModelPosition() - before) / element,
                       "a read counted other than the whole elements it consumed");
                break;
            }
            case 1: {  // seek from origin 0..3, 3 being no origin at all
                const int origin = (what >> 2) % 4;
                const int result = audio::StreamSeek(&stream, amount, origin);
                Expect(origin < 3 || (result == -1 && stream.ModelPosition() == before),
                       "a seek from no origin was taken");
                break;
            }
            default:
                Expect(audio::StreamTell(&stream) == stream.ModelPosition(), "tell is wrong");
                break;
        }
    }
}

void Decode(const fs::path& path, const uint8_t* file, size_t size, uint16_t seekFraction) {
    auto stream = std::make_unique<CheckedStream>(audio::FileStream::Open(path), file, size);
    OggVorbis_File vorbis{};
    // As a channel plays: a refused file is still ours, an opened one the decoder's.
    if (ov_open_callbacks(stream.get(), &vorbis, nullptr, 0, kCallbacks) < 0) return;
    stream.release();
    if (ov_info(&vorbis, -1) != nullptr) {
        char pcm[4096];
        int section = 0;
        long total = 0;
        // A channel stops at the first error or hole; a cap keeps a run short.
        for (long got; total < (1L << 22) &&
                       (got = ov_read(&vorbis, pcm, sizeof pcm, 0, 2, 1, &section)) > 0;)
            total += got;
        (void)ov_time_tell(&vorbis);
        if (ov_seekable(&vorbis)) {
            const ogg_int64_t length = ov_pcm_total(&vorbis, -1);
            if (length > 0) {
                const ogg_int64_t target = length * seekFraction / 0xFFFF;
                if (ov_pcm_seek(&vorbis, target) == 0)
                    Expect(ov_pcm_tell(&vorbis) == target, "the decoder is not where it sought");
                (void)ov_read(&vorbis, pcm, sizeof pcm, 0, 2, 1, &section);
            }
        }
    }
    ov_clear(&vorbis);  // frees the stream through the close callback
}

}  // namespace

// libvorbisfile 1.3.7 loses 8 bytes inside a failing ov_open_callbacks on some garbled chained
// files, with its own stdio callbacks as much as with ours, and nothing outside the library
// holds the pointer. The library has no frame pointers, so its allocations' stacks end inside
// it and can only be let off by its name. Our stream is allocated here, outside it: a stream
// the decoder never closes, or one a refused open leaves unfreed, is still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libvorbisfile.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path scratch = MakeScratch("ogg");
    if (size < kPlanBytes) return 0;
    const uint8_t* file = data + kPlanBytes;
    const size_t fileSize = size - kPlanBytes;
    const fs::path path = scratch / "music.ogg";
    WriteFile(path, file, fileSize);

    auto opened = audio::FileStream::Open(path);
    Expect(opened != nullptr, "the written file does not open");
    CheckedStream stream(std::move(opened), file, fileSize);
    RunOperations(data, stream);

    Decode(path, file, fileSize,
           static_cast<uint16_t>(data[kOperations * 3] | data[kOperations * 3 + 1] << 8));
    return 0;
}
