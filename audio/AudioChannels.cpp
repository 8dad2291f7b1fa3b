#include "AudioChannels.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <optional>
#include <utility>

namespace qvx::audio {
namespace {

size_t ReadCallback(void* destination, size_t size, size_t count, void* stream) {
    return StreamRead(destination, size, count, stream);
}
int SeekCallback(void* stream, ogg_int64_t offset, int origin) {
    return StreamSeek(stream, offset, origin);
}
int CloseCallback(void* stream) {
    return StreamClose(stream);
}
long TellCallback(void* stream) {
    return StreamTell(stream);
}

constexpr ov_callbacks kCallbacks{ReadCallback, SeekCallback, CloseCallback, TellCallback};

const std::string kNoFile;

}  // namespace

struct PlaybackChannels::Channel {
    std::string fileName;
    // Ours until the decoder has opened over it; from then on the decoder frees it.
    std::unique_ptr<Stream> stream;
    OggVorbis_File vorbis{};
    bool decoderOpen = false;
    bool decoderEnded = false;
    QPointer<TWaveOut> out;
};

PlaybackChannels::PlaybackChannels(QObject* host, std::filesystem::path dataDir)
    : m_host(host), m_dataDir(std::move(dataDir)), m_opener([](const std::filesystem::path& p) {
          return std::unique_ptr<Stream>(FileStream::Open(p));
      }) {
    for (auto& channel : m_channels)
        channel = std::make_unique<Channel>();
}

PlaybackChannels::~PlaybackChannels() {
    for (int channel = kFirstChannel; channel <= kLastChannel; ++channel) {
        try {
            Release(channel, false);
        } catch (const EWaveOut&) {
            // Everything is released before a close failure is reported; nobody is left to
            // tell at this point.
        }
    }
}

void PlaybackChannels::PlayFile(int channel, const std::string& fileName) {
    if (!Valid(channel)) return;
    StopChannel(channel);
    Channel& c = *m_channels[static_cast<size_t>(channel)];
    c.fileName = fileName;
    c.stream = m_opener(m_dataDir / fileName);
    if (!c.stream) return;
    // A refused file is not closed by the decoder: the stream stays ours until the next stop.
    if (ov_open_callbacks(c.stream.get(), &c.vorbis, nullptr, 0, kCallbacks) < 0) return;
    c.stream.release();
    c.decoderOpen = true;
    const vorbis_info* info = ov_info(&c.vorbis, -1);
    if (!info) return;

    auto* out = new TWaveOut(m_host.data());
    c.out = out;
    out->SetFormat(info->channels == 2, static_cast<int>(info->rate), 16);
    out->OnData = [this, channel](char* data, int capacity, double& streamTime) {
        return Decode(channel, data, capacity, streamTime);
    };
    out->OnDone = [this, channel](TWaveOut* sender) {
        if (m_channels[static_cast<size_t>(channel)]->out != sender) return;
        EndTrack(channel);  // releases the sender, deferred until this notification returns
    };
    out->OnError = [this](const std::string& message) { Report(message); };
    out->Open();
}

void PlaybackChannels::StartChannel(int channel) {
    if (!Valid(channel)) return;
    if (TWaveOut* out = m_channels[static_cast<size_t>(channel)]->out) out->Play();
}

void PlaybackChannels::StopChannel(int channel) {
    if (Valid(channel)) Release(channel, true);
}

void PlaybackChannels::Release(int channel, bool deferred) {
    Channel& c = *m_channels[static_cast<size_t>(channel)];
    std::optional<EWaveOut> failure;
    if (TWaveOut* out = c.out) {
        c.out = nullptr;
        out->OnData = nullptr;
        out->OnDone = nullptr;
        out->OnBufferChange = nullptr;
        try {
            // The output may be the very one whose notification is running right now: it goes
            // by deferred deletion, after fading out what it still sounds.
            if (deferred)
                out->FadeOutAndRelease(kStopFadeSeconds);
            else
                out->Close();
        } catch (const EWaveOut& e) {
            failure = e;
        }
        if (!deferred) delete out;
    }
    if (c.decoderOpen) {
        ov_clear(&c.vorbis);  // frees the stream through the close callback
        c.decoderOpen = false;
    }
    c.stream.reset();
    c.decoderEnded = false;
    c.fileName.clear();
    if (failure) throw *failure;
}

int PlaybackChannels::Decode(int channel, char* data, int capacity, double& streamTime) {
    Channel& c = *m_channels[static_cast<size_t>(channel)];
    if (!c.decoderOpen || c.decoderEnded) return 0;
    streamTime = ov_time_tell(&c.vorbis);
    int filled = 0;
    while (filled < capacity) {
        int section = 0;
        const long got = ov_read(&c.vorbis, data + filled, capacity - filled, 0, 2, 1, &section);
        if (got <= 0) {
            // The end, or a damaged stretch of file: the track ends here and an error code is
            // never counted as data.
            c.decoderEnded = true;
            break;
        }
        filled += static_cast<int>(got);
    }
    return filled;
}

void PlaybackChannels::PlayTrack(int channel, const std::string& fileName) {
    try {
        PlayFile(channel, fileName);
        StartChannel(channel);
    } catch (const EWaveOut& e) {
        Report(e.what());
    }
}

void PlaybackChannels::EndTrack(int channel) {
    try {
        StopChannel(channel);
    } catch (const EWaveOut& e) {
        Report(e.what());
    }
}

const std::string& PlaybackChannels::FileName(int channel) const {
    return Valid(channel) ? m_channels[static_cast<size_t>(channel)]->fileName : kNoFile;
}

bool PlaybackChannels::IsEmpty(int channel) const {
    if (!Valid(channel)) return true;
    const Channel& c = *m_channels[static_cast<size_t>(channel)];
    return !c.stream && !c.decoderOpen && !c.out;
}

TWaveOut* PlaybackChannels::Output(int channel) const {
    return Valid(channel) ? m_channels[static_cast<size_t>(channel)]->out.data() : nullptr;
}

void PlaybackChannels::Report(const std::string& message) const {
    if (m_errorSink)
        m_errorSink(message);
    else
        std::fprintf(stderr, "quovix2: %s\n", message.c_str());
}

}  // namespace qvx::audio
