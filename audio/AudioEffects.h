#pragma once
// The sound effects: one-shot WAV sounds (click, fanfare, cash register, car horn), the
// programme and fast-forward cues on channel 1, and the office ambience on its own timer. All
// of it only while the sound-effects switch is on; the music has its own switch.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

class QTimer;

namespace qvx::audio {

class MusicSelector;
class PlaybackChannels;

// Plays one WAV file at a time on a source of its own, without waiting for it to end.
class OneShotPlayer {
  public:
    explicit OneShotPlayer(std::filesystem::path dataDir);
    ~OneShotPlayer();
    OneShotPlayer(const OneShotPlayer&) = delete;
    OneShotPlayer& operator=(const OneShotPlayer&) = delete;

    // Ends the sound that is playing, then starts the file; a missing or unreadable file (or
    // no audio device) plays nothing.
    void Play(const std::string& fileName);
    void Stop();
    bool IsPlaying() const;
    // The file of the sound last started, "" when the last request started nothing.
    const std::string& Current() const { return m_current; }
    // Sounds started so far.
    int Started() const { return m_started; }

  private:
    std::filesystem::path m_dataDir;
    unsigned int m_source = 0;
    unsigned int m_buffer = 0;
    std::string m_current;
    int m_started = 0;
};

// The cue file of a genre 1..15, nullptr for any other number.
const char* GenreCue(int genre);

// What one ambience draw r (0..74) plays: a one-shot sound or a file on channel 3, or nothing.
struct AmbienceSound {
    const char* file = nullptr;
    bool oneShot = false;
};
AmbienceSound AmbienceFor(int r);

class SoundEffects {
  public:
    static constexpr int kAmbienceIntervalMs = 4000;

    // `ambienceTimer` is the host window's (this connects and sets it); `effectsEnabled` is the
    // player's sound-effects switch, asked at every sound.
    SoundEffects(PlaybackChannels& channels, const MusicSelector& music, QTimer& ambienceTimer,
                 std::filesystem::path dataDir, std::function<bool()> effectsEnabled);

    void StartTimer();
    void PlayClick();
    void PlayFanfare();
    void PlayPayment();
    void PlayGenreCue(int genre);
    void PlayNewsCue();
    void PlayFastForward();
    // Stops channel 1. Not switched: stopping can only ever silence.
    void StopCue();
    // One tick of the ambience timer: a random office sound while "Background.ogg" is the
    // current track.
    void AmbienceTick();

    OneShotPlayer& OneShot() { return m_oneShot; }
    // The cosmetic generator (payment sound, ambience); never the game's own.
    void SeedCosmetic(uint32_t seed) { m_cosmetic.seed(seed); }

  private:
    bool Enabled() const { return !m_effectsEnabled || m_effectsEnabled(); }
    int Draw(int n);
    void PlayCue(const char* file);

    PlaybackChannels& m_channels;
    const MusicSelector& m_music;
    QTimer& m_ambienceTimer;
    OneShotPlayer m_oneShot;
    std::function<bool()> m_effectsEnabled;
    std::mt19937 m_cosmetic;
};

}  // namespace qvx::audio
