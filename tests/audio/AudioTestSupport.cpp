#include "AudioTestSupport.h"

#include <sndfile.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace qvx::test {

AudioDir::AudioDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvx-audio-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary directory");
    m_path = pattern;
}

AudioDir::~AudioDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

long FramesOf(const Tone& tone) {
    return std::lround(tone.seconds * tone.rate);
}

namespace {

float Sample(const Tone& tone, long frame) {
    return static_cast<float>(tone.amplitude * std::sin(2 * std::numbers::pi * tone.frequency *
                                                        static_cast<double>(frame) / tone.rate));
}

void WritePages(ogg_stream_state& stream, std::ofstream& out, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

}  // namespace

void WriteOggTone(const std::filesystem::path& path, const Tone& tone) {
    std::ofstream out(path, std::ios::binary);
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, tone.channels, tone.rate, 0.4f) != 0)
        throw std::runtime_error("vorbis_encode_init_vbr");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    WritePages(stream, out, true);

    const long frames = FramesOf(tone);
    constexpr long kChunk = 1024;
    for (long done = 0; done <= frames;) {
        const long count = std::min(kChunk, frames - done);
        if (count > 0) {
            float** buffers = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long i = 0; i < count; ++i)
                for (int c = 0; c < tone.channels; ++c)
                    buffers[c][i] = Sample(tone, done + i);
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));  // 0 marks the end
        done += count > 0 ? count : 1;
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                WritePages(stream, out, false);
            }
        }
    }
    WritePages(stream, out, true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
}

void WriteWavTone(const std::filesystem::path& path, const Tone& tone) {
    SF_INFO info{};
    info.samplerate = tone.rate;
    info.channels = tone.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("sf_open");
    const long frames = FramesOf(tone);
    std::vector<float> samples(static_cast<size_t>(frames * tone.channels));
    for (long i = 0; i < frames; ++i)
        for (int c = 0; c < tone.channels; ++c)
            samples[static_cast<size_t>(i * tone.channels + c)] = Sample(tone, i);
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool PumpUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        RunDeferredDeletes();
        QThread::msleep(2);
    }
    return done();
}

}  // namespace qvx::test
