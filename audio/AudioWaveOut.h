#pragma once
// TWaveOut: PCM output through a short queue of buffers. The device is one OpenAL source on the
// process-wide context; writing a buffer queues it on the source, and finished buffers are
// collected on the UI thread by a poll timer (the AL mixer thread never calls into the game).
#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QTimer;

namespace qvx::audio {

// Every device failure of the wave output.
class EWaveOut : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct WaveFormat {
    uint16_t formatTag = 1;  // PCM
    uint16_t channels = 2;
    uint32_t samplesPerSec = 44100;
    uint32_t avgBytesPerSec = 44100 * 4;
    uint16_t blockAlign = 4;
    uint16_t bitsPerSample = 16;

    static WaveFormat Pcm(bool stereo, int rate, int bits);
    bool operator==(const WaveFormat&) const = default;
};

class TWaveOut : public QObject {
  public:
    static constexpr int kBufferCount = 4;
    static constexpr int kBufferSize = 65536;

    // Fills `data` (room for `capacity` bytes) and sets the stream time of its first sample;
    // returns the bytes filled, 0 at the end of the data.
    using DataEvent = std::function<int(char* data, int capacity, double& streamTime)>;
    using NotifyEvent = std::function<void(TWaveOut* sender)>;

    // Stereo, 44,100 Hz, 16 bits; the four buffers are allocated here, once.
    explicit TWaveOut(QObject* owner);
    // Close(), then the buffers go with the object.
    ~TWaveOut() override;

    void SetFormat(bool stereo, int rate, int bits);
    void Open();
    // Resets the device (every queued buffer comes back to the free queue) and closes it.
    void Close();
    // Fills and sends buffers while there are free ones and the data source still delivers.
    void Play();
    // For an output its owner lets go of: drops the data source, fades what is sounding down to
    // silence over `seconds` (a cut at full level clicks), then closes and deletes itself. An
    // output that is not sounding closes at once, and a close failure then is raised; after a
    // fade it goes to OnError.
    void FadeOutAndRelease(double seconds);
    bool IsFading() const { return m_fade != nullptr; }

    DataEvent OnData;
    NotifyEvent OnBufferChange;
    // Playing has stopped and the last queued buffer has come back. The handler may release
    // this very object, but only by deferred deletion.
    NotifyEvent OnDone;
    // A device failure while a finished buffer is handled, where there is no caller to raise
    // to; without a handler the message goes to stderr.
    std::function<void(const std::string& message)> OnError;

    const WaveFormat& Format() const { return m_format; }
    bool IsOpen() const { return m_open; }
    bool IsPlaying() const { return m_playing; }
    int Written() const { return m_written; }
    int InFlight() const { return m_inFlight; }
    int FreeCount() const { return m_freeCount; }
    // Stream time of the oldest buffer at the device, or -1 when none is.
    double StreamTime() const;

    // The UI-thread poll: every buffer the source has finished comes back through BufferDone.
    void PollDevice();

  private:
    struct Buffer {
        std::unique_ptr<char[]> data;
        int capacity = 0;
        double streamTime = 0;
        unsigned int header = 0;  // the AL buffer the block is written through
    };

    void FillAndSend();
    void Write(Buffer& buffer, int length);
    void ReturnFromSource(int count);
    void BufferDone();
    void ReleaseDeviceObjects();
    void UpdateFreeCount() { m_freeCount = static_cast<int>(m_free.size()); }
    void FadeStep();
    void Report(const std::string& message);

    unsigned int m_device = 0;  // the AL source; 0 while closed or when there is no device
    bool m_open = false;
    bool m_playing = false;
    WaveFormat m_format;
    std::array<Buffer, kBufferCount> m_buffers;
    std::deque<Buffer*> m_free;
    std::deque<Buffer*> m_queued;
    // Taken off the source, notification still to come (the source returns them in order).
    std::deque<unsigned int> m_returned;
    int m_written = 0;
    int m_inFlight = 0;
    int m_freeCount = 0;
    QTimer* m_poll;
    QTimer* m_fade = nullptr;
    double m_fadeSeconds = 0.0;
    QElapsedTimer m_fadeClock;
    QElapsedTimer m_silentClock;
};

}  // namespace qvx::audio
