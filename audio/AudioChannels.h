#pragma once
// The playback channels: each plays one Ogg Vorbis file, decoded a buffer at a time into its own
// wave output, once, and releases itself when the track has finished. Channel 1 carries the
// programme cues, 2 the music, 3 the office ambience; 4 to 6 are served alike but unused.
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "AudioVorbisAdapter.h"
#include "AudioWaveOut.h"

namespace qvx::audio {

class PlaybackChannels {
  public:
    static constexpr int kFirstChannel = 1;
    static constexpr int kLastChannel = 6;
    static constexpr int kCueChannel = 1;
    static constexpr int kMusicChannel = 2;
    static constexpr int kAmbienceChannel = 3;
    // A stopped channel fades out over this long instead of cutting off.
    static constexpr double kStopFadeSeconds = 0.03;

    using StreamOpener = std::function<std::unique_ptr<Stream>(const std::filesystem::path&)>;
    using ErrorSink = std::function<void(const std::string& message)>;

    // The outputs are made as children of `host`; files are read from `dataDir`.
    PlaybackChannels(QObject* host, std::filesystem::path dataDir);
    ~PlaybackChannels();
    PlaybackChannels(const PlaybackChannels&) = delete;
    PlaybackChannels& operator=(const PlaybackChannels&) = delete;

    // Stops the channel, then loads the file into it with its output opened at the file's own
    // channel count and rate. A missing or non-Vorbis file leaves the channel silent. Device
    // failures raise EWaveOut.
    void PlayFile(int channel, const std::string& fileName);
    void StartChannel(int channel);
    // Releases the output, the decoder and the file stream, each exactly once, and leaves the
    // channel empty at once; a sounding output fades out on its own before it closes. An empty
    // channel is left alone.
    void StopChannel(int channel);

    // PlayFile and StartChannel, StopChannel: as the game's sounds use them, with a device
    // failure handed to the error sink instead of raised.
    void PlayTrack(int channel, const std::string& fileName);
    void EndTrack(int channel);

    // The file last asked for on the channel (also when it was missing), "" once stopped.
    const std::string& FileName(int channel) const;
    bool IsEmpty(int channel) const;
    // The channel's output, nullptr when no file is loaded.
    TWaveOut* Output(int channel) const;

    // How the files are opened (tests count the streams).
    void SetStreamOpener(StreamOpener opener) { m_opener = std::move(opener); }
    // Where device failures go that have no caller to raise to; stderr by default.
    void SetErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }
    void Report(const std::string& message) const;

  private:
    struct Channel;
    static bool Valid(int channel) { return channel >= kFirstChannel && channel <= kLastChannel; }
    int Decode(int channel, char* data, int capacity, double& streamTime);
    void Release(int channel, bool deferred);

    QPointer<QObject> m_host;
    std::filesystem::path m_dataDir;
    // Room for 0..7; 0 and 7 are never used.
    std::array<std::unique_ptr<Channel>, 8> m_channels;
    StreamOpener m_opener;
    ErrorSink m_errorSink;
};

}  // namespace qvx::audio
