#include "Foley.h"

#include <algorithm>
#include <cmath>

namespace qvx::content::sounds {

void Foley::Add(double at, std::span<const float> sound, float gain) {
    const size_t start = Frames(at);
    if (start + sound.size() > m_samples.size()) m_samples.resize(start + sound.size(), 0.0f);
    for (size_t i = 0; i < sound.size(); ++i)
        m_samples[start + i] += sound[i] * gain;
}

Track Foley::ToTrack(const ReverbSettings& room) const {
    Track dry;
    dry.Mix(0, m_samples, 1.0f);
    Track out = dry;
    if (room.wet > 0.0f) out.Mix(0, Reverb(dry, room), 1.0f);
    out.Resize(std::max(m_samples.size(), Frames(0.05)));
    return out;
}

std::vector<float> Click(double frequency, double decay, SoundRng& rng) {
    std::vector<float> out(Frames(decay * 6.0) + 1);
    Svf band(frequency, 1.4);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = std::exp(-t / decay);
        out[i] = static_cast<float>(
            (band.Band(rng.Bipolar()) * 1.6 + 0.4 * std::sin(2.0 * kPi * frequency * 0.7 * t)) *
            env);
    }
    return out;
}

std::vector<float> Thump(double frequency, double decay, SoundRng& rng) {
    std::vector<float> out(Frames(decay * 6.0) + 1);
    Svf low(frequency * 3.0, 0.7);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += frequency * (1.0 + 0.5 * std::exp(-t / 0.015)) / kSampleRate;
        const double env = std::exp(-t / decay);
        out[i] = static_cast<float>(
            (std::sin(2.0 * kPi * phase) + 0.5 * low.Low(rng.Bipolar()) * std::exp(-t / 0.01)) *
            env);
    }
    return out;
}

std::vector<float> Struck(double frequency, std::span<const Mode> modes, double seconds,
                          SoundRng& rng) {
    std::vector<float> out(Frames(seconds) + 1);
    for (const Mode& mode : modes) {
        const double f = frequency * mode.ratio;
        if (f >= 0.45 * kSampleRate) continue;
        const double step = f / kSampleRate;
        double phase = rng.Unit();
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            out[i] += static_cast<float>(mode.amplitude * std::sin(2.0 * kPi * phase) *
                                         std::exp(-t / mode.decay));
            phase += step;
            if (phase >= 1.0) phase -= 1.0;
        }
    }
    Svf tick(frequency, 1.0);
    for (size_t i = 0; i < std::min(out.size(), Frames(0.003)); ++i)
        out[i] += 0.5f * tick.High(rng.Bipolar());
    return out;
}

std::vector<float> Scrape(double seconds, double fromHz, double toHz, double q, bool fadeIn,
                          SoundRng& rng) {
    std::vector<float> out(Frames(seconds) + 1);
    Svf band;
    for (size_t i = 0; i < out.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(out.size());
        if (i % 16 == 0) band.Set(fromHz * std::pow(toHz / fromHz, u), q);
        const double shape = fadeIn ? std::sin(kPi * 0.5 * u) : std::cos(kPi * 0.5 * u);
        const double edge = std::min(1.0, (1.0 - u) * 20.0) * std::min(1.0, u * 40.0);
        out[i] = band.Band(rng.Bipolar()) * static_cast<float>(shape * edge);
    }
    return out;
}

std::vector<float> Motor(double seconds, double fromHz, double toHz, SoundRng& rng) {
    std::vector<float> out(Frames(seconds) + 1);
    Oscillator hum(Wave::Saw), gear(Wave::Triangle);
    Svf humFilter(350.0, 1.2), brush(2500.0, 1.0);
    for (size_t i = 0; i < out.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(out.size());
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = fromHz + (toHz - fromHz) * u;
        const double wobble = 1.0 + 0.015 * std::sin(2.0 * kPi * 7.0 * t);
        const float edge =
            static_cast<float>(std::min(1.0, t / 0.08) * std::min(1.0, (seconds - t) / 0.12));
        const float sample = humFilter.Low(hum.Next(f * wobble)) +
                             0.25f * gear.Next(f * 13.0 * wobble) +
                             0.15f * brush.Band(rng.Bipolar());
        out[i] = sample * std::max(0.0f, edge);
    }
    return out;
}

}  // namespace qvx::content::sounds
