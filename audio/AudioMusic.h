#pragma once
// The music: which track plays on channel 2, chosen on the host window's music timer. The intro
// one second after start-up, "Background.ogg" 30 s later, then "Prepping_Theme_1_d.ogg" and
// "Background.ogg" in turn every 62 s; the winning music at game over.
#include <functional>

class QTimer;

namespace qvx::audio {

class PlaybackChannels;

class MusicSelector {
  public:
    static constexpr int kFirstIntervalMs = 1000;
    static constexpr int kSecondIntervalMs = 30000;
    static constexpr int kRotationIntervalMs = 62000;
    static constexpr int kWinningIntervalMs = 16000;

    // `timer` is the host window's music timer (this takes over its interval and its ticks);
    // `musicEnabled` is the player's music switch, asked at every selection.
    MusicSelector(PlaybackChannels& channels, QTimer& timer, std::function<bool()> musicEnabled);

    // Start-up: the timer runs, first tick after one second.
    void StartTimer();
    // One tick of the music timer.
    void OnMusicTimer();
    void SelectMusic();
    // Game over: the winning music at once, "Background.ogg" 16 s later.
    void PlayWinningMusic();
    // The start screen's switch: off stops the music (the timer keeps running), on starts the
    // intro again.
    void SwitchOff();
    void SwitchOn();

    int MusicState() const { return m_musicState; }
    bool IntroPlayed() const { return m_introPlayed; }

  private:
    PlaybackChannels& m_channels;
    QTimer& m_timer;
    std::function<bool()> m_musicEnabled;
    int m_musicState = 0;
    bool m_introPlayed = false;
};

}  // namespace qvx::audio
