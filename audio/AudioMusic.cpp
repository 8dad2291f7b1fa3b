#include "AudioMusic.h"

#include <QTimer>

#include "AudioChannels.h"

namespace qvx::audio {

MusicSelector::MusicSelector(PlaybackChannels& channels, QTimer& timer,
                             std::function<bool()> musicEnabled)
    : m_channels(channels), m_timer(timer), m_musicEnabled(std::move(musicEnabled)) {
    m_timer.setInterval(kFirstIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { OnMusicTimer(); });
}

void MusicSelector::StartTimer() {
    m_timer.start();
}

void MusicSelector::OnMusicTimer() {
    m_timer.stop();
    m_timer.setInterval(m_timer.interval() == kFirstIntervalMs ? kSecondIntervalMs
                                                               : kRotationIntervalMs);
    SelectMusic();
    m_timer.start();
}

void MusicSelector::SelectMusic() {
    if (m_musicEnabled && !m_musicEnabled()) return;
    const char* track = nullptr;
    if (!m_introPlayed) {
        track = "Intro.ogg";
        m_introPlayed = true;
        m_musicState = 2;
    } else if (m_musicState == 2) {
        track = "Background.ogg";
        m_musicState = 3;
    } else if (m_musicState == 3) {
        track = "Prepping_Theme_1_d.ogg";
        m_musicState = 2;
    } else if (m_musicState == 4) {
        track = "Winning_Music.ogg";
        m_musicState = 2;
    }
    if (track) m_channels.PlayTrack(PlaybackChannels::kMusicChannel, track);
}

void MusicSelector::PlayWinningMusic() {
    m_channels.EndTrack(PlaybackChannels::kMusicChannel);
    // A running timer starts its 16 s over from here.
    m_timer.setInterval(kWinningIntervalMs);
    m_musicState = 4;
    SelectMusic();
}

void MusicSelector::SwitchOff() {
    m_channels.EndTrack(PlaybackChannels::kMusicChannel);
}

void MusicSelector::SwitchOn() {
    m_introPlayed = false;
    SelectMusic();
}

}  // namespace qvx::audio
