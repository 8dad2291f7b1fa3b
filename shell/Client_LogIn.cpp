#include "Client_LogIn.h"

#include <QTimer>

#include "AudioChannels.h"
#include "AudioEffects.h"
#include "AudioMusic.h"
#include "DialogService.h"
#include "Session.h"

namespace qvx::ui {

TForm1::TForm1(Session& session, QWidget* parent)
    // A window of its own, so that it never appears inside its parent.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_musicTimer(new QTimer(this)),
      m_ambienceTimer(new QTimer(this)),
      m_channels(std::make_unique<audio::PlaybackChannels>(this, session.contentDir())) {
    setObjectName("Form1");
    setWindowTitle("Quovix 2");
    m_musicTimer->setObjectName("MusicTimer");
    m_ambienceTimer->setObjectName("AmbienceTimer");
    m_channels->SetErrorSink([&session](const std::string& message) {
        session.dialogs().InformLater("Error", QString::fromStdString(message));
    });
    m_music = std::make_unique<audio::MusicSelector>(*m_channels, *m_musicTimer,
                                                     [&session] { return session.musicEnabled; });
    m_effects = std::make_unique<audio::SoundEffects>(
        *m_channels, *m_music, *m_ambienceTimer, session.contentDir(),
        [&session] { return session.soundEffectsEnabled; });
}

TForm1::~TForm1() {
    m_musicTimer->stop();
    m_ambienceTimer->stop();
    // The effects and the music use the channels: they go first.
    m_effects.reset();
    m_music.reset();
    m_channels.reset();
}

void TForm1::StartTimers() {
    m_music->StartTimer();
    m_effects->StartTimer();
}

}  // namespace qvx::ui
