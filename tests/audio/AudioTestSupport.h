#pragma once
// What the audio tests share: test tones written as Ogg Vorbis (libvorbisenc) and WAV
// (libsndfile) into a private directory, an event pump with a give-up bound, and a stream that
// counts how often it is freed.
#include <QPointer>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "AudioVorbisAdapter.h"

namespace qvx::test {

// A fresh directory under the system's temporary directory, removed with the object.
class AudioDir {
  public:
    AudioDir();
    ~AudioDir();
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

struct Tone {
    int channels = 2;
    int rate = 44100;
    double seconds = 0.2;
    double frequency = 440.0;
    double amplitude = 0.5;  // of full scale
};

// An Ogg Vorbis file of a sine tone; the frames it decodes to are `FramesOf(tone)`.
void WriteOggTone(const std::filesystem::path& path, const Tone& tone);
// A 16-bit PCM WAV file of a sine tone.
void WriteWavTone(const std::filesystem::path& path, const Tone& tone);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
long FramesOf(const Tone& tone);

// Runs the event loop (deferred deletions included) until `done` or until `limitMs` has passed;
// returns `done()`. The limit only stops a broken test from hanging.
bool PumpUntil(const std::function<bool()>& done, int limitMs = 5000);
// Deferred deletions only.
void RunDeferredDeletes();

// A file stream that counts its own destruction into a shared counter.
class CountingStream : public audio::Stream {
  public:
    CountingStream(std::unique_ptr<audio::Stream> inner, std::shared_ptr<int> freed)
        : m_inner(std::move(inner)), m_freed(std::move(freed)) {}
    ~CountingStream() override { ++*m_freed; }
    size_t Read(void* destination, size_t bytes) override {
        return m_inner->Read(destination, bytes);
    }
    void Seek(int64_t offset, audio::SeekOrigin origin) override { m_inner->Seek(offset, origin); }
    int64_t Position() override { return m_inner->Position(); }
    void ClearError() override { m_inner->ClearError(); }

  private:
    std::unique_ptr<audio::Stream> m_inner;
    std::shared_ptr<int> m_freed;
};

}  // namespace qvx::test
