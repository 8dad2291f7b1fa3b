#pragma once
// The sounds the screens ask for at the moments the rules name. The screens only request them;
// the audio layer decides whether anything is heard (switched off, no device). This base plays
// nothing, so every screen works before and without the audio layer.
namespace qvx::ui {

class Sounds {
  public:
    virtual ~Sounds() = default;
    virtual void PlayClick() {}
    virtual void PlayFanfare() {}
    virtual void PlayPayment() {}
    virtual void PlayGenreCue(int /*genre*/) {}
    virtual void PlayNewsCue() {}
    virtual void PlayFastForward() {}
    virtual void StopCue() {}
    // Start-up: the music and ambience timers of the host window begin.
    virtual void StartTimers() {}
    // The music and effects switch of the start screen.
    virtual void StopMusic() {}
    virtual void RestartMusic() {}
    virtual void PlayWinningMusic() {}
};

}  // namespace qvx::ui
