#pragma once
// TForm1, the host window of the audio: never shown while the game runs. It owns the music
// timer, the ambience timer, the playback channels and the sound effects. (Its online functions
// belong to the online client, which the game never opens.)
#include <QWidget>
#include <memory>

class QTimer;

namespace qvx::audio {
class MusicSelector;
class PlaybackChannels;
class SoundEffects;
}  // namespace qvx::audio

namespace qvx::ui {

class Session;

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // Sounds and music are read from the session's data directory and follow its music and
    // sound-effects switches; device failures are shown as "Error" messages.
    explicit TForm1(Session& session, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: the intro one second from now, the ambience every four seconds.
    void StartTimers();

    QTimer* musicTimer() const { return m_musicTimer; }
    QTimer* ambienceTimer() const { return m_ambienceTimer; }
    audio::PlaybackChannels& channels() { return *m_channels; }
    audio::MusicSelector& music() { return *m_music; }
    audio::SoundEffects& effects() { return *m_effects; }

  private:
    QTimer* m_musicTimer;
    QTimer* m_ambienceTimer;
    std::unique_ptr<audio::PlaybackChannels> m_channels;
    std::unique_ptr<audio::MusicSelector> m_music;
    std::unique_ptr<audio::SoundEffects> m_effects;
};

}  // namespace qvx::ui
