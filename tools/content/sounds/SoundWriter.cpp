#include "SoundWriter.h"

#include <sndfile.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace qvx::content::sounds {

namespace fs = std::filesystem;

namespace {

float MonoAt(const Track& track, size_t i) {
    return 0.5f * (track.Left()[i] + track.Right()[i]);
}

void AppendPage(const ogg_page& page, std::string& bytes) {
    bytes.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    bytes.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

// Everything libvorbis allocates, released in the right order whatever happens.
struct VorbisEncoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool dspReady = false;
    bool streamReady = false;

    VorbisEncoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~VorbisEncoder() {
        if (streamReady) ogg_stream_clear(&stream);
        if (dspReady) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    // Moves every finished packet into pages.
    void Drain(std::string& bytes) {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    AppendPage(page, bytes);
            }
        }
    }
};

}  // namespace

Status EncodeOgg(const Track& track, int channels, uint32_t serial, float quality,
                 std::string& bytes) {
    bytes.clear();
    if (channels != 1 && channels != 2) return Status::Fail("only mono and stereo can be encoded");
    VorbisEncoder enc;
    if (vorbis_encode_init_vbr(&enc.info, channels, kSampleRate, quality) != 0)
        return Status::Fail("the Vorbis encoder refused its settings");
    vorbis_comment_add_tag(&enc.comment, "ENCODER", "quovix-content");
    if (vorbis_analysis_init(&enc.dsp, &enc.info) != 0)
        return Status::Fail("the Vorbis encoder could not start");
    vorbis_block_init(&enc.dsp, &enc.block);
    enc.dspReady = true;
    ogg_stream_init(&enc.stream, static_cast<int>(serial & 0x7FFFFFFF));
    enc.streamReady = true;

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &comments);
    ogg_stream_packetin(&enc.stream, &codebooks);
    ogg_page page;
    // The audio starts on a fresh page, as the format asks.
    while (ogg_stream_flush(&enc.stream, &page) != 0)
        AppendPage(page, bytes);

    constexpr size_t kChunk = 4096;
    for (size_t start = 0; start < track.Frames(); start += kChunk) {
        const size_t n = std::min(kChunk, track.Frames() - start);
        float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(n));
        for (size_t i = 0; i < n; ++i) {
            if (channels == 1) {
                buffer[0][i] = MonoAt(track, start + i);
            } else {
                buffer[0][i] = track.Left()[start + i];
                buffer[1][i] = track.Right()[start + i];
            }
        }
        vorbis_analysis_wrote(&enc.dsp, static_cast<int>(n));
        enc.Drain(bytes);
    }
    vorbis_analysis_wrote(&enc.dsp, 0);
    enc.Drain(bytes);
    while (ogg_stream_flush(&enc.stream, &page) != 0)
        AppendPage(page, bytes);
    return Status::Ok();
}

namespace {

// libsndfile writing into a string instead of a file.
struct MemoryFile {
    std::string* bytes;
    sf_count_t position = 0;
};

sf_count_t MemoryLength(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes->size());
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t size = static_cast<sf_count_t>(file->bytes->size());
    sf_count_t target = offset;
    if (whence == SEEK_CUR) target += file->position;
    if (whence == SEEK_END) target += size;
    file->position = std::max<sf_count_t>(0, target);
    return file->position;
}

sf_count_t MemoryRead(void* destination, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t size = static_cast<sf_count_t>(file->bytes->size());
    const sf_count_t n = std::clamp<sf_count_t>(size - file->position, 0, count);
    std::memcpy(destination, file->bytes->data() + file->position, static_cast<size_t>(n));
    file->position += n;
    return n;
}

sf_count_t MemoryWrite(const void* source, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const size_t end = static_cast<size_t>(file->position + count);
    if (end > file->bytes->size()) file->bytes->resize(end);
    std::memcpy(file->bytes->data() + file->position, source, static_cast<size_t>(count));
    file->position += count;
    return count;
}

sf_count_t MemoryTell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

}  // namespace

Status EncodeWav(const Track& track, int channels, std::string& bytes) {
    bytes.clear();
    if (channels != 1 && channels != 2) return Status::Fail("only mono and stereo can be written");
    SF_VIRTUAL_IO io{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    MemoryFile file{&bytes};
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (sf == nullptr) return Status::Fail(std::string("libsndfile: ") + sf_strerror(nullptr));
    // Rounded by us, so the bytes do not depend on the library's conversion.
    std::vector<short> samples;
    samples.reserve(track.Frames() * static_cast<size_t>(channels));
    const auto toShort = [](float s) {
        return static_cast<short>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    };
    for (size_t i = 0; i < track.Frames(); ++i) {
        if (channels == 1) {
            samples.push_back(toShort(MonoAt(track, i)));
        } else {
            samples.push_back(toShort(track.Left()[i]));
            samples.push_back(toShort(track.Right()[i]));
        }
    }
    const sf_count_t frames = static_cast<sf_count_t>(track.Frames());
    const bool written = sf_writef_short(sf, samples.data(), frames) == frames;
    const int closed = sf_close(sf);
    if (!written || closed != 0) return Status::Fail("libsndfile could not write the samples");
    return Status::Ok();
}

Status DecodedPeakDb(const std::string& bytes, double& peakDb) {
    SF_VIRTUAL_IO io{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    std::string copy = bytes;
    MemoryFile file{&copy};
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (sf == nullptr) return Status::Fail(std::string("cannot decode: ") + sf_strerror(nullptr));
    std::vector<float> block(4096 * static_cast<size_t>(std::max(1, info.channels)));
    float peak = 0.0f;
    sf_count_t frames = 0;
    while ((frames = sf_readf_float(sf, block.data(), 4096)) > 0) {
        const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(info.channels);
        for (size_t i = 0; i < n; ++i)
            peak = std::max(peak, std::abs(block[i]));
    }
    sf_close(sf);
    peakDb = GainToDb(peak);
    return Status::Ok();
}

Status WriteFileAtomically(const fs::path& path, const std::string& bytes) {
    fs::path temp = path;
    temp += ".part";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) {
        return Status::Fail(path.string() + ": cannot be written (" +
                            std::generic_category().message(errno) + ")");
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    const int error = errno;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (!ok) {
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": writing failed (" +
                            std::generic_category().message(error) + ")");
    }
    fs::rename(temp, path, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": cannot be replaced (" + reason + ")");
    }
    return Status::Ok();
}

}  // namespace qvx::content::sounds
