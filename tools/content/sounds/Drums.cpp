// The drum kit and the orchestral percussion, each hit built from sines, noise and the six
// detuned squares of a classic drum machine's metal.
#include <algorithm>
#include <array>
#include <cmath>

#include "Instruments.h"

namespace qvx::content::sounds {

namespace {

std::vector<float> Buffer(double seconds) {
    return std::vector<float>(Frames(seconds) + 1, 0.0f);
}

double Time(size_t i) {
    return static_cast<double>(i) / kSampleRate;
}

float Decay(size_t i, double seconds) {
    return static_cast<float>(std::exp(-Time(i) / seconds));
}

// A sine whose pitch falls from `start` times its base to the base.
std::vector<float> Thump(double base, double start, double pitchTime, double decay, double length) {
    std::vector<float> out = Buffer(length);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double f = base * (1.0 + (start - 1.0) * std::exp(-Time(i) / pitchTime));
        phase += f / kSampleRate;
        out[i] = static_cast<float>(std::sin(2.0 * kPi * phase)) * Decay(i, decay);
    }
    return out;
}

// Six square waves at inharmonic ratios: the clang of cymbals and hats.
class Metal {
  public:
    explicit Metal(double scale) {
        constexpr std::array<double, 6> kRatios = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        for (double r : kRatios)
            m_oscillators.push_back({Oscillator(Wave::Square), r * scale});
    }
    float Next() {
        float sum = 0.0f;
        for (auto& [osc, f] : m_oscillators)
            sum += osc.Next(f);
        return sum / 6.0f;
    }

  private:
    std::vector<std::pair<Oscillator, double>> m_oscillators;
};

std::vector<float> Cymbal(SoundRng& rng, double decay, double length, double cutoff, float metal,
                          double scale) {
    std::vector<float> out = Buffer(length);
    Metal clang(scale);
    Svf high(cutoff, 0.7), high2(cutoff * 0.8, 0.7);
    const size_t attack = Frames(0.002);
    for (size_t i = 0; i < out.size(); ++i) {
        const float raw = metal * clang.Next() + (1.0f - metal) * rng.Bipolar();
        float env = Decay(i, decay);
        if (i < attack) env *= static_cast<float>(i) / static_cast<float>(attack);
        out[i] = high2.High(high.High(raw)) * env;
    }
    return out;
}

std::vector<float> Tom(double base, SoundRng& rng) {
    std::vector<float> out = Thump(base, 1.6, 0.04, 0.22, 0.7);
    Svf skin(base * 4.0, 1.0);
    for (size_t i = 0; i < Frames(0.03); ++i)
        out[i] += 0.25f * skin.Band(rng.Bipolar()) * Decay(i, 0.01);
    return out;
}

std::vector<float> Timpani(double base, SoundRng& rng) {
    std::vector<float> out = Buffer(2.2);
    constexpr std::array<std::pair<double, double>, 3> kModes = {
        {{1.0, 1.0}, {1.5, 0.45}, {1.98, 0.25}}};
    std::array<double, 3> phases = {};
    Svf mallet(600.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i) {
        double sum = 0.0;
        for (size_t m = 0; m < kModes.size(); ++m) {
            const double f = base * kModes[m].first * (1.0 + 0.04 * std::exp(-Time(i) / 0.08));
            phases[m] += f / kSampleRate;
            sum += kModes[m].second * std::sin(2.0 * kPi * phases[m]) *
                   std::exp(-Time(i) / (0.9 / (1.0 + static_cast<double>(m))));
        }
        if (i < Frames(0.05)) sum += 0.6 * mallet.Low(rng.Bipolar()) * Decay(i, 0.015);
        out[i] = static_cast<float>(sum * 0.7);
    }
    return out;
}

}  // namespace

std::vector<float> HitDrum(Drum drum, float velocity, SoundRng& rng, double pitch) {
    std::vector<float> out;
    switch (drum) {
        case Drum::Kick: {
            out = Thump(48.0, 3.2, 0.03, 0.26, 0.55);
            Svf click(3500.0, 0.7);
            for (size_t i = 0; i < Frames(0.006); ++i)
                out[i] += 0.35f * click.Band(rng.Bipolar()) * Decay(i, 0.0015);
            break;
        }
        case Drum::Snare: {
            out = Buffer(0.35);
            Svf wires(1800.0, 0.6), body(6000.0, 0.5);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                const double tone =
                    0.55 * std::sin(2.0 * kPi * 185.0 * pitch * t) * std::exp(-t / 0.05) +
                    0.3 * std::sin(2.0 * kPi * 330.0 * pitch * t) * std::exp(-t / 0.035);
                const float noise = body.Low(wires.High(rng.Bipolar()));
                out[i] = static_cast<float>(tone) + 0.9f * noise * Decay(i, 0.13);
            }
            break;
        }
        case Drum::Rim: {
            out = Buffer(0.09);
            Svf crack(2800.0, 2.0);
            for (size_t i = 0; i < out.size(); ++i)
                out[i] =
                    static_cast<float>(std::sin(2.0 * kPi * 1700.0 * Time(i))) * Decay(i, 0.008) +
                    0.6f * crack.Band(rng.Bipolar()) * Decay(i, 0.012);
            break;
        }
        case Drum::Clap: {
            out = Buffer(0.4);
            Svf band(1200.0, 1.3);
            constexpr std::array<double, 3> kSlaps = {0.0, 0.011, 0.023};
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                double env = 0.6 * std::exp(-std::max(0.0, t - kSlaps[2]) / 0.13) *
                             (t >= kSlaps[2] ? 1.0 : 0.0);
                for (double s : kSlaps)
                    if (t >= s) env += std::exp(-(t - s) / 0.005);
                out[i] = band.Band(rng.Bipolar()) * static_cast<float>(env) * 1.4f;
            }
            break;
        }
        case Drum::ClosedHat:
            out = Cymbal(rng, 0.028, 0.14, 7000.0, 0.6f, 1.0);
            break;
        case Drum::OpenHat:
            out = Cymbal(rng, 0.22, 0.7, 7000.0, 0.6f, 1.0);
            break;
        case Drum::Crash:
            out = Cymbal(rng, 0.9, 2.8, 3500.0, 0.35f, 1.3);
            break;
        case Drum::Ride: {
            out = Cymbal(rng, 0.5, 1.4, 5000.0, 0.8f, 1.6);
            for (size_t i = 0; i < out.size(); ++i)
                out[i] = 0.5f * out[i] +
                         0.12f * static_cast<float>(std::sin(2.0 * kPi * 2300.0 * Time(i))) *
                             Decay(i, 0.35);
            break;
        }
        case Drum::TomHigh:
            out = Tom(210.0 * pitch, rng);
            break;
        case Drum::TomMid:
            out = Tom(150.0 * pitch, rng);
            break;
        case Drum::TomLow:
            out = Tom(100.0 * pitch, rng);
            break;
        case Drum::Timpani:
            out = Timpani(87.3 * pitch, rng);
            break;
        case Drum::Shaker: {
            out = Buffer(0.09);
            Svf band(6500.0, 1.0);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                const double env = std::min(1.0, t / 0.012) * std::exp(-t / 0.03);
                out[i] = band.Band(rng.Bipolar()) * static_cast<float>(env) * 1.2f;
            }
            break;
        }
        case Drum::Tambourine: {
            out = Buffer(0.3);
            Metal jingle(9.0);
            Svf high(7000.0, 0.8);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                double env = std::exp(-t / 0.09);
                for (double s : {0.0, 0.014, 0.03})
                    if (t >= s) env += 0.6 * std::exp(-(t - s) / 0.012);
                out[i] = high.High(0.5f * jingle.Next() + 0.5f * rng.Bipolar()) *
                         static_cast<float>(env * 0.6);
            }
            break;
        }
        case Drum::Woodblock: {
            out = Buffer(0.12);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                out[i] = static_cast<float>(std::sin(2.0 * kPi * 900.0 * pitch * t) +
                                            0.4 * std::sin(2.0 * kPi * 2430.0 * pitch * t)) *
                         Decay(i, 0.022);
            }
            break;
        }
        case Drum::Clop: {
            out = Buffer(0.08);
            Svf hoof(700.0 * pitch, 2.0);
            for (size_t i = 0; i < out.size(); ++i)
                out[i] =
                    (hoof.Band(rng.Bipolar()) * 1.5f +
                     0.5f * static_cast<float>(std::sin(2.0 * kPi * 420.0 * pitch * Time(i)))) *
                    Decay(i, 0.014);
            break;
        }
        case Drum::Brush: {
            out = Buffer(0.25);
            Svf low(5000.0, 0.6);
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = Time(i);
                const double env = std::min(1.0, t / 0.02) * std::exp(-t / 0.08);
                out[i] = low.Low(rng.Bipolar()) * static_cast<float>(env) * 0.7f;
            }
            break;
        }
        case Drum::Cowbell: {
            out = Buffer(0.3);
            Oscillator a(Wave::Square), b(Wave::Square);
            Svf band(800.0, 1.5);
            for (size_t i = 0; i < out.size(); ++i)
                out[i] = band.Band(0.5f * (a.Next(540.0) + b.Next(800.0))) * Decay(i, 0.07) * 1.6f;
            break;
        }
    }
    for (float& s : out)
        s *= velocity;
    return out;
}

}  // namespace qvx::content::sounds
