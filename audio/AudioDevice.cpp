#include "AudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cstdio>

namespace qvx::audio {
namespace {

struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool tried = false;

    ~Device() { Close(); }

    void Close() {
        tried = true;
        if (context) {
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
            context = nullptr;
        }
        if (device) {
            alcCloseDevice(device);
            device = nullptr;
        }
    }
};

Device& TheDevice() {
    static Device device;
    return device;
}

}  // namespace

bool AudioReady() {
    Device& d = TheDevice();
    if (d.tried) return d.context != nullptr;
    d.tried = true;
    d.device = alcOpenDevice(nullptr);
    if (!d.device) return false;
    d.context = alcCreateContext(d.device, nullptr);
    if (!d.context || !alcMakeContextCurrent(d.context)) {
        d.Close();
        return false;
    }
    return true;
}

void CloseAudioDevice() {
    TheDevice().Close();
}

std::string DeviceErrorText(int code) {
    // alGetString answers only while a context is current.
    if (TheDevice().context) {
        if (const ALchar* text = alGetString(static_cast<ALenum>(code)); text && *text) return text;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Unknown error - waveOutGetErrorText: %d", code);
    return buffer;
}

}  // namespace qvx::audio
