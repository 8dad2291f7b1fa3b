#include "AudioSounds.h"

#include "AudioEffects.h"
#include "AudioMusic.h"
#include "Client_LogIn.h"

namespace qvx::ui {

void AudioSounds::PlayClick() {
    m_host.effects().PlayClick();
}
void AudioSounds::PlayFanfare() {
    m_host.effects().PlayFanfare();
}
void AudioSounds::PlayPayment() {
    m_host.effects().PlayPayment();
}
void AudioSounds::PlayGenreCue(int genre) {
    m_host.effects().PlayGenreCue(genre);
}
void AudioSounds::PlayNewsCue() {
    m_host.effects().PlayNewsCue();
}
void AudioSounds::PlayFastForward() {
    m_host.effects().PlayFastForward();
}
void AudioSounds::StopCue() {
    m_host.effects().StopCue();
}
void AudioSounds::StartTimers() {
    m_host.StartTimers();
}
void AudioSounds::StopMusic() {
    m_host.music().SwitchOff();
}
void AudioSounds::RestartMusic() {
    m_host.music().SwitchOn();
}
void AudioSounds::PlayWinningMusic() {
    m_host.music().PlayWinningMusic();
}

}  // namespace qvx::ui
