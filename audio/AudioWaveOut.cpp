#include "AudioWaveOut.h"

#include <AL/al.h>

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "AudioDevice.h"

namespace qvx::audio {
namespace {

// Short enough that a 0.37 s buffer (44.1 kHz stereo) is refilled long before the queue of four
// runs dry, long enough to cost nothing.
constexpr int kPollMs = 20;

// The fade's gain is set this often; the mixer glides between the values it sees.
constexpr int kFadeStepMs = 4;
// How long the source stays at zero gain before it is stopped: the mixer applies a gain change
// at its next update and glides to it over that update, so stopping any earlier would cut the
// glide off.
constexpr int kFadeSettleMs = 60;

[[noreturn]] void Raise(const char* what, ALenum code) {
    throw EWaveOut(std::string(what) + DeviceErrorText(code));
}

ALenum AlFormat(const WaveFormat& f) {
    if (f.bitsPerSample == 8) return f.channels == 2 ? AL_FORMAT_STEREO8 : AL_FORMAT_MONO8;
    return f.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
}

// The query the device answers without being opened: AL takes 8 or 16 bit PCM, mono or stereo,
// at any positive rate.
ALenum FormatSupport(const WaveFormat& f) {
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return AL_INVALID_ENUM;
    if (f.channels != 1 && f.channels != 2) return AL_INVALID_ENUM;
    if (f.samplesPerSec < 1) return AL_INVALID_VALUE;
    return AL_NO_ERROR;
}

}  // namespace

WaveFormat WaveFormat::Pcm(bool stereo, int rate, int bits) {
    WaveFormat f;
    f.formatTag = 1;
    f.channels = stereo ? 2 : 1;
    f.samplesPerSec = rate > 0 ? static_cast<uint32_t>(rate) : 0;
    f.bitsPerSample = static_cast<uint16_t>(bits > 0 ? bits : 0);
    f.blockAlign = static_cast<uint16_t>(f.channels * f.bitsPerSample / 8);
    f.avgBytesPerSec = f.samplesPerSec * f.blockAlign;
    return f;
}

TWaveOut::TWaveOut(QObject* owner) : QObject(owner), m_poll(new QTimer(this)) {
    for (Buffer& b : m_buffers) {
        b.data = std::make_unique<char[]>(kBufferSize);
        b.capacity = kBufferSize;
        m_free.push_back(&b);
    }
    UpdateFreeCount();
    m_format = WaveFormat::Pcm(true, 44100, 16);
    m_poll->setInterval(kPollMs);
    QObject::connect(m_poll, &QTimer::timeout, this, [this] {
        // No caller to raise to here: a device failure goes to OnError.
        try {
            PollDevice();
        } catch (const EWaveOut& e) {
            Report(e.what());
        }
    });
}

void TWaveOut::Report(const std::string& message) {
    if (OnError)
        OnError(message);
    else
        std::fprintf(stderr, "quovix2: %s\n", message.c_str());
}

TWaveOut::~TWaveOut() {
    try {
        Close();
    } catch (const EWaveOut&) {
        // Close releases everything before it reports; a destructor has no one to tell.
    }
}

void TWaveOut::SetFormat(bool stereo, int rate, int bits) {
    const WaveFormat wanted = WaveFormat::Pcm(stereo, rate, bits);
    if (wanted.channels == m_format.channels && wanted.samplesPerSec == m_format.samplesPerSec &&
        wanted.bitsPerSample == m_format.bitsPerSample)
        return;
    if (m_open && m_playing)
        throw EWaveOut("Cannot change waveOut device parameters while playing");
    // Asked before the device is closed, so a refused format leaves the output as it was.
    if (const ALenum refusal = FormatSupport(wanted); refusal != AL_NO_ERROR) {
        AudioReady();  // the device's own text for the refusal, when there is a device
        char head[160];
        std::snprintf(head, sizeof head,
                      "Wave format not supported (%s; %.1f KHz; %d bits (%d kb/s) - waveOutOpen: ",
                      stereo ? "Stereo" : "Mono", wanted.samplesPerSec / 1000.0,
                      int{wanted.bitsPerSample},
                      static_cast<int>(uint64_t{wanted.avgBytesPerSec} * 8 / 1000));
        Raise(head, refusal);
    }
    const bool reopen = m_open;
    if (reopen) Close();
    m_format = wanted;
    if (reopen) Open();
}

void TWaveOut::Open() {
    if (m_open) throw EWaveOut("WaveOut device already opened");
    if (!AudioReady()) {
        // No device: the output opens and stays silent.
        m_open = true;
        return;
    }
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (const ALenum error = alGetError(); error != AL_NO_ERROR)
        Raise("Unable to open wave device - waveOutOpen: ", error);
    std::array<ALuint, kBufferCount> headers{};
    alGenBuffers(kBufferCount, headers.data());
    if (const ALenum error = alGetError(); error != AL_NO_ERROR) {
        alDeleteSources(1, &source);
        Raise("Unable to open wave device - waveOutOpen: ", error);
    }
    for (int i = 0; i < kBufferCount; ++i)
        m_buffers[static_cast<size_t>(i)].header = headers[static_cast<size_t>(i)];
    m_device = source;
    m_open = true;
}

void TWaveOut::Close() {
    if (!m_open) return;
    ALenum error = AL_NO_ERROR;
    if (m_device) {
        ReleaseDeviceObjects();
        error = alGetError();
    }
    m_poll->stop();
    if (m_fade) m_fade->stop();
    while (!m_queued.empty()) {
        m_free.push_back(m_queued.front());
        m_queued.pop_front();
    }
    m_returned.clear();
    UpdateFreeCount();
    m_inFlight = 0;
    m_playing = false;
    m_open = false;
    if (error != AL_NO_ERROR) Raise("Cannot close waveOut - waveOutClose: ", error);
}

void TWaveOut::FadeOutAndRelease(double seconds) {
    OnData = nullptr;
    OnDone = nullptr;
    OnBufferChange = nullptr;
    m_playing = false;
    if (m_fade) return;  // already on its way out
    ALint state = AL_STOPPED;
    if (m_open && m_device) alGetSourcei(m_device, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING || seconds <= 0.0) {
        deleteLater();
        Close();
        return;
    }
    // What is queued plays on under the falling gain; nothing more is sent.
    m_poll->stop();
    m_fadeSeconds = seconds;
    m_fadeClock.start();
    m_fade = new QTimer(this);
    m_fade->setTimerType(Qt::PreciseTimer);
    m_fade->setInterval(kFadeStepMs);
    QObject::connect(m_fade, &QTimer::timeout, this, [this] { FadeStep(); });
    m_fade->start();
}

void TWaveOut::FadeStep() {
    if (!m_open || !m_device) {
        m_fade->stop();
        deleteLater();
        return;
    }
    const double elapsed = static_cast<double>(m_fadeClock.elapsed()) / 1000.0;
    const double gain = std::max(0.0, 1.0 - elapsed / m_fadeSeconds);
    alSourcef(m_device, AL_GAIN, static_cast<ALfloat>(gain));
    if (gain > 0.0) return;
    // Counted from the first zero actually set, so a late tick still leaves the mixer its time.
    if (!m_silentClock.isValid()) m_silentClock.start();
    if (m_silentClock.elapsed() < kFadeSettleMs) return;
    m_fade->stop();
    deleteLater();
    try {
        Close();
    } catch (const EWaveOut& e) {
        Report(e.what());
    }
}

void TWaveOut::ReleaseDeviceObjects() {
    alGetError();
    alSourceStop(m_device);
    alSourcei(m_device, AL_BUFFER, 0);  // unqueues every buffer, played or not
    alDeleteSources(1, &m_device);
    m_device = 0;
    for (Buffer& b : m_buffers) {
        alDeleteBuffers(1, &b.header);
        b.header = 0;
    }
}

void TWaveOut::Play() {
    if (!OnData) return;
    if (!m_open) Raise("Cannot send wave buffer - waveOutPrepareHeader: ", AL_INVALID_NAME);
    if (!m_device) return;  // no audio device: silent
    m_written = 0;
    // Buffers of an earlier Play that are still out will come back and be counted down.
    m_inFlight = static_cast<int>(m_queued.size());
    m_playing = true;
    while (!m_free.empty() && m_playing)
        FillAndSend();
}

void TWaveOut::FillAndSend() {
    Buffer* buffer = m_free.front();
    m_free.pop_front();
    const int length =
        OnData ? OnData(buffer->data.get(), buffer->capacity, buffer->streamTime) : 0;
    if (length <= 0) {
        m_free.push_front(buffer);
        UpdateFreeCount();
        m_playing = false;
        return;
    }
    try {
        Write(*buffer, std::min(length, buffer->capacity));
    } catch (const EWaveOut&) {
        m_free.push_front(buffer);
        UpdateFreeCount();
        throw;
    }
    m_queued.push_back(buffer);
    ++m_written;
    ++m_inFlight;
    UpdateFreeCount();
    if (OnBufferChange) OnBufferChange(this);
}

void TWaveOut::Write(Buffer& buffer, int length) {
    alGetError();
    alBufferData(buffer.header, AlFormat(m_format), buffer.data.get(), length,
                 static_cast<ALsizei>(m_format.samplesPerSec));
    if (const ALenum error = alGetError(); error != AL_NO_ERROR)
        Raise("Cannot send wave buffer - waveOutPrepareHeader: ", error);
    alSourceQueueBuffers(m_device, 1, &buffer.header);
    if (const ALenum error = alGetError(); error != AL_NO_ERROR)
        Raise("Cannot send wave buffer - waveOutWrite: ", error);
    ALint state = AL_INITIAL;
    alGetSourcei(m_device, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) {
        // A source that ran dry counts every queued buffer as played and would start them all
        // again: everything ahead of the new buffer goes back first (underrun recovery).
        if (state == AL_STOPPED) {
            ALint queued = 0;
            alGetSourcei(m_device, AL_BUFFERS_QUEUED, &queued);
            ReturnFromSource(queued - 1);
        }
        alSourcePlay(m_device);
    }
    if (!m_poll->isActive()) m_poll->start();
}

void TWaveOut::ReturnFromSource(int count) {
    if (count <= 0) return;
    std::vector<ALuint> headers(static_cast<size_t>(count));
    alSourceUnqueueBuffers(m_device, count, headers.data());
    m_returned.insert(m_returned.end(), headers.begin(), headers.end());
}

void TWaveOut::PollDevice() {
    if (!m_device) return;
    ALint processed = 0;
    alGetSourcei(m_device, AL_BUFFERS_PROCESSED, &processed);
    ReturnFromSource(processed);
    while (!m_returned.empty()) {
        m_returned.pop_front();
        BufferDone();
        if (!m_open) return;  // a handler closed (and perhaps released) this output
    }
    if (m_queued.empty()) m_poll->stop();
}

void TWaveOut::BufferDone() {
    // The source hands buffers back in the order they were queued.
    if (m_queued.empty()) return;
    --m_inFlight;
    m_free.push_back(m_queued.front());
    m_queued.pop_front();
    UpdateFreeCount();
    if (OnBufferChange) OnBufferChange(this);
    if (!m_open) return;
    if (m_playing)
        FillAndSend();
    else if (m_queued.empty() && OnDone)
        OnDone(this);
}

double TWaveOut::StreamTime() const {
    return m_queued.empty() ? -1 : m_queued.front()->streamTime;
}

}  // namespace qvx::audio
