#pragma once
// The one process-wide OpenAL device and context, opened on first use. Without any audio device
// (a server, CI, a muted machine) it stays closed and every audio operation is a silent no-op.
#include <string>

namespace qvx::audio {

// Opens the device and makes its context current the first time; false when there is none.
bool AudioReady();
// Closes the device for the rest of the process (at exit; a wave-file device writes its header
// on close). Nothing opens it again.
void CloseAudioDevice();
// The system's text for an AL error code, or "Unknown error - waveOutGetErrorText: <code>".
std::string DeviceErrorText(int code);

}  // namespace qvx::audio
