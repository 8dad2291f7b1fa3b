#pragma once
// The game's Sounds over the audio layer of the host window TForm1.
#include "Sounds.h"

namespace qvx::ui {

class TForm1;

class AudioSounds : public Sounds {
  public:
    explicit AudioSounds(TForm1& host) : m_host(host) {}

    void PlayClick() override;
    void PlayFanfare() override;
    void PlayPayment() override;
    void PlayGenreCue(int genre) override;
    void PlayNewsCue() override;
    void PlayFastForward() override;
    void StopCue() override;
    void StartTimers() override;
    void StopMusic() override;
    void RestartMusic() override;
    void PlayWinningMusic() override;

  private:
    TForm1& m_host;
};

}  // namespace qvx::ui
