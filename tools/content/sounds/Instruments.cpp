#include "Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qvx::content::sounds {

namespace {

double Cents(double cents) {
    return std::pow(2.0, cents / 1200.0);
}

// Vibrato that fades in after its delay, so that short notes stay straight.
double VibratoCents(double t, double hz, double cents, double delay) {
    if (hz <= 0.0 || cents == 0.0 || t < delay) return 0.0;
    const double depth = std::min(1.0, (t - delay) / 0.3);
    return depth * cents * std::sin(2.0 * kPi * hz * (t - delay));
}

// A rotating phasor: a sine without a sin() per sample, for additive voices.
class Partial {
  public:
    Partial(double frequency, double amplitude, double decaySeconds)
        : m_cos(std::cos(2.0 * kPi * frequency / kSampleRate)),
          m_sin(std::sin(2.0 * kPi * frequency / kSampleRate)),
          m_amp(amplitude),
          m_decay(std::exp(-1.0 / (std::max(0.001, decaySeconds) * kSampleRate))) {}
    double Next() {
        const double value = m_y * m_amp;
        const double x = m_x * m_cos - m_y * m_sin;
        m_y = m_x * m_sin + m_y * m_cos;
        m_x = x;
        m_amp *= m_decay;
        return value;
    }

  private:
    double m_cos, m_sin, m_amp, m_decay;
    double m_x = 1.0, m_y = 0.0;
};

// Fades the last few milliseconds so that a cut-off note cannot click.
void SoftEnd(std::vector<float>& out) {
    const size_t fade = std::min(out.size(), Frames(0.004));
    for (size_t i = 0; i < fade; ++i)
        out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
}

}  // namespace

Voice Subtractive(const Patch& p) {
    return [p](const KeyPress& note, SoundRng& rng) {
        Envelope amp(p.amp, note.gate);
        Envelope filterEnv(p.filterEnv, note.gate);
        std::vector<float> out(amp.Length());
        std::vector<Oscillator> mains;
        const int copies = std::max(1, p.unison);
        for (int c = 0; c < copies; ++c) {
            mains.emplace_back(p.wave, rng.Unit());
            mains.back().SetWidth(p.width);
        }
        Oscillator second(p.wave2, rng.Unit());
        second.SetWidth(p.width);
        Svf filter;
        const double base = p.cutoff * std::pow(note.frequency / 261.63, p.keyTrack) *
                            (0.55 + 0.45 * note.velocity);
        const float mainGain = 1.0f / static_cast<float>(copies);
        std::vector<double> spreads;
        for (int c = 0; c < copies; ++c)
            spreads.push_back(Cents((c - (copies - 1) / 2.0) * p.detuneCents));
        const double glideFrames = std::max(1.0, std::min(note.gate * 0.4, 0.25) * kSampleRate);
        // Pitch and cutoff move at a control rate of one change every eight samples: far
        // faster than any vibrato or sweep, far cheaper than a pow() per sample.
        constexpr size_t kControl = 8;
        double frequency = note.frequency;
        for (size_t i = 0; i < out.size(); ++i) {
            const float fenv = filterEnv.Next();
            if (i % kControl == 0) {
                const double t = static_cast<double>(i) / kSampleRate;
                double cents = VibratoCents(t, p.vibratoHz, p.vibratoCents, p.vibratoDelay);
                if (p.scoopCents != 0.0) cents += p.scoopCents * std::exp(-t / 0.035);
                frequency = cents == 0.0 ? note.frequency : note.frequency * Cents(cents);
                if (note.glideFrom > 0.0 && static_cast<double>(i) < glideFrames) {
                    const double u = static_cast<double>(i) / glideFrames;
                    frequency =
                        std::exp(std::log(note.glideFrom) * (1.0 - u) + std::log(frequency) * u);
                }
                filter.Set(base * (1.0 + p.envAmount * fenv), p.q);
            }
            float sample = 0.0f;
            for (size_t c = 0; c < mains.size(); ++c)
                sample += mains[c].Next(frequency * spreads[c]) * mainGain;
            if (p.mix2 != 0.0f) sample += p.mix2 * second.Next(frequency * p.ratio2);
            if (p.noise != 0.0f) sample += p.noise * rng.Bipolar();
            out[i] = filter.Low(sample) * amp.Next() * note.velocity;
        }
        SoftEnd(out);
        return out;
    };
}

Voice Pluck(const PluckPatch& p) {
    return [p](const KeyPress& note, SoundRng& rng) {
        const double period = kSampleRate / note.frequency;
        const size_t size = static_cast<size_t>(period * 1.1) + 8;
        std::vector<float> line(size, 0.0f);
        const double length = std::min(p.decay, note.gate + p.damping * 4.0);
        std::vector<float> out(Frames(length) + 1);
        // The pick: a noise burst one period long, softened for a duller string.
        float smooth = 0.0f;
        const float softness = static_cast<float>(0.05 + 0.95 * p.brightness);
        const size_t burst = static_cast<size_t>(period);
        const double loss = std::pow(10.0, -3.0 / (p.decay * note.frequency));
        const double damped = std::pow(10.0, -3.0 / (p.damping * note.frequency));
        const size_t gate = Frames(note.gate);
        Svf body(p.body, 0.6);
        size_t write = 0;
        float previous = 0.0f;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double delay =
                period / Cents(VibratoCents(t, p.vibratoHz, p.vibratoCents, 0.15)) - 0.5;
            double readPos = static_cast<double>(write) - delay;
            while (readPos < 0.0)
                readPos += static_cast<double>(size);
            const size_t r0 = static_cast<size_t>(readPos) % size;
            const size_t r1 = (r0 + 1) % size;
            const float frac = static_cast<float>(readPos - std::floor(readPos));
            const float delayed = line[r0] * (1.0f - frac) + line[r1] * frac;
            float excite = 0.0f;
            if (i < burst) {
                smooth += softness * (rng.Bipolar() - smooth);
                excite = smooth * note.velocity;
            }
            const double g = i < gate ? loss : damped;
            const float value = excite + static_cast<float>(g) * 0.5f * (delayed + previous);
            previous = delayed;
            line[write] = value;
            write = (write + 1) % size;
            float sample = value;
            if (p.drive > 0.0f)
                sample = std::tanh(sample * (1.0f + p.drive)) / std::tanh(1.0f + p.drive);
            out[i] = body.Low(sample);
        }
        SoftEnd(out);
        return out;
    };
}

Voice LeadSynth() {
    Patch p;
    p.wave = Wave::Square;
    p.wave2 = Wave::Saw;
    p.mix2 = 0.5f;
    p.ratio2 = Cents(7.0);
    p.amp = {0.006, 0.25, 0.75, 0.12};
    p.cutoff = 2600.0;
    p.keyTrack = 0.4;
    p.envAmount = 1.0;
    p.filterEnv = {0.002, 0.2, 0.2, 0.1};
    p.vibratoHz = 5.5;
    p.vibratoCents = 14.0;
    p.vibratoDelay = 0.22;
    return Subtractive(p);
}

Voice SoftLead() {
    Patch p;
    p.wave = Wave::Triangle;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.6f;
    p.ratio2 = 2.0;
    p.noise = 0.015f;
    p.amp = {0.02, 0.3, 0.7, 0.2};
    p.cutoff = 3000.0;
    p.vibratoHz = 5.0;
    p.vibratoCents = 10.0;
    p.vibratoDelay = 0.3;
    return Subtractive(p);
}

Voice Brass() {
    Patch p;
    p.wave = Wave::Saw;
    p.unison = 2;
    p.detuneCents = 6.0;
    p.amp = {0.025, 0.25, 0.85, 0.15};
    p.cutoff = 900.0;
    p.q = 0.9;
    p.keyTrack = 0.6;
    p.envAmount = 2.6;
    p.filterEnv = {0.05, 0.35, 0.45, 0.2};
    p.vibratoHz = 5.2;
    p.vibratoCents = 9.0;
    p.vibratoDelay = 0.35;
    p.scoopCents = -45.0;
    return Subtractive(p);
}

Voice Strings() {
    Patch p;
    p.wave = Wave::Saw;
    p.unison = 3;
    p.detuneCents = 9.0;
    p.amp = {0.22, 0.3, 0.9, 0.55};
    p.cutoff = 2400.0;
    p.q = 0.6;
    p.keyTrack = 0.3;
    p.vibratoHz = 5.3;
    p.vibratoCents = 9.0;
    p.vibratoDelay = 0.25;
    return Subtractive(p);
}

Voice WarmPad() {
    Patch p;
    p.wave = Wave::Saw;
    p.unison = 2;
    p.detuneCents = 12.0;
    p.wave2 = Wave::Square;
    p.mix2 = 0.3f;
    p.ratio2 = 0.5;
    p.amp = {0.45, 0.5, 0.9, 0.9};
    p.cutoff = 1300.0;
    p.keyTrack = 0.2;
    return Subtractive(p);
}

Voice FingerBass() {
    Patch p;
    p.wave = Wave::Saw;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.9f;
    p.amp = {0.004, 0.35, 0.65, 0.07};
    p.cutoff = 420.0;
    p.q = 0.8;
    p.keyTrack = 0.6;
    p.envAmount = 2.2;
    p.filterEnv = {0.003, 0.15, 0.15, 0.1};
    return Subtractive(p);
}

Voice SlapBass() {
    Patch p;
    p.wave = Wave::Square;
    p.width = 0.42;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.8f;
    p.amp = {0.002, 0.3, 0.55, 0.05};
    p.cutoff = 520.0;
    p.q = 1.2;
    p.keyTrack = 0.5;
    p.envAmount = 4.5;
    p.filterEnv = {0.001, 0.08, 0.1, 0.05};
    return Subtractive(p);
}

Voice SynthBass() {
    Patch p;
    p.wave = Wave::Saw;
    p.unison = 2;
    p.detuneCents = 10.0;
    p.wave2 = Wave::Square;
    p.mix2 = 0.5f;
    p.ratio2 = 0.5;
    p.amp = {0.003, 0.2, 0.7, 0.06};
    p.cutoff = 480.0;
    p.q = 1.5;
    p.envAmount = 3.0;
    p.filterEnv = {0.002, 0.12, 0.1, 0.05};
    return Subtractive(p);
}

Voice AcidArp() {
    Patch p;
    p.wave = Wave::Saw;
    p.wave2 = Wave::Square;
    p.mix2 = 0.35f;
    p.ratio2 = Cents(-8.0);
    p.amp = {0.002, 0.12, 0.7, 0.06};
    p.cutoff = 700.0;
    p.q = 3.5;
    p.keyTrack = 0.3;
    p.envAmount = 5.0;
    p.filterEnv = {0.001, 0.14, 0.05, 0.05};
    return Subtractive(p);
}

Voice ChipLead() {
    Patch p;
    p.wave = Wave::Square;
    p.width = 0.25;
    p.amp = {0.002, 0.1, 0.8, 0.04};
    p.cutoff = 7000.0;
    p.keyTrack = 0.0;
    p.vibratoHz = 6.5;
    p.vibratoCents = 18.0;
    p.vibratoDelay = 0.15;
    return Subtractive(p);
}

Voice Flute() {
    Patch p;
    p.wave = Wave::Triangle;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.7f;
    p.noise = 0.05f;
    p.amp = {0.06, 0.2, 0.8, 0.12};
    p.cutoff = 2600.0;
    p.keyTrack = 0.8;
    p.vibratoHz = 5.0;
    p.vibratoCents = 12.0;
    p.vibratoDelay = 0.25;
    return Subtractive(p);
}

Voice Whistle() {
    Patch p;
    p.wave = Wave::Sine;
    p.noise = 0.012f;
    p.amp = {0.04, 0.2, 0.85, 0.15};
    p.cutoff = 6000.0;
    p.keyTrack = 0.0;
    p.vibratoHz = 6.0;
    p.vibratoCents = 28.0;
    p.vibratoDelay = 0.18;
    p.scoopCents = -80.0;
    return Subtractive(p);
}

Voice Tuba() {
    Patch p;
    p.wave = Wave::Saw;
    p.wave2 = Wave::Sine;
    p.mix2 = 0.7f;
    p.amp = {0.025, 0.15, 0.85, 0.08};
    p.cutoff = 380.0;
    p.q = 0.8;
    p.keyTrack = 0.7;
    p.envAmount = 1.2;
    p.filterEnv = {0.03, 0.2, 0.3, 0.1};
    p.scoopCents = -30.0;
    return Subtractive(p);
}

Voice MutedTrumpet() {
    Patch p;
    p.wave = Wave::Square;
    p.width = 0.3;
    p.wave2 = Wave::Saw;
    p.mix2 = 0.5f;
    p.amp = {0.02, 0.2, 0.8, 0.1};
    p.cutoff = 1300.0;
    p.q = 3.0;
    p.keyTrack = 0.5;
    p.vibratoHz = 5.5;
    p.vibratoCents = 16.0;
    p.vibratoDelay = 0.2;
    p.scoopCents = -30.0;
    return Subtractive(p);
}

Voice EPiano() {
    // Two-operator FM: the modulation index falls after the strike, like a tine settling.
    return [](const KeyPress& note, SoundRng&) {
        const double release = 0.25;
        const double length = note.gate + release;
        std::vector<float> out(Frames(length) + 1);
        const double decay = 1.6 * std::pow(261.63 / note.frequency, 0.35);
        const size_t gate = Frames(note.gate);
        const double fall = std::exp(-1.0 / (0.05 * kSampleRate));
        double level = 1.0, carrier = 0.0, modulator = 0.0, tine = 0.0;
        double strike = 1.0, ping = 0.12 * note.velocity;
        const double strikeFall = std::exp(-4.0 / kSampleRate);
        const double pingFall = std::exp(-25.0 / kSampleRate);
        const double ring = std::exp(-1.0 / (decay * kSampleRate));
        const size_t pingFrames = Frames(0.3);
        const double step = note.frequency / kSampleRate;
        for (size_t i = 0; i < out.size(); ++i) {
            const double index = note.velocity * (1.8 * strike + 0.35);
            const double value =
                std::sin(2.0 * kPi * carrier + index * std::sin(2.0 * kPi * modulator));
            const double bell = i < pingFrames ? ping * std::sin(2.0 * kPi * tine) : 0.0;
            carrier += step;
            modulator += step;
            tine += step * 14.0;
            carrier -= std::floor(carrier);
            modulator -= std::floor(modulator);
            tine -= std::floor(tine);
            strike *= strikeFall;
            ping *= pingFall;
            level *= i < gate ? ring : fall;
            out[i] = static_cast<float>((value + bell) * level * 0.6) * note.velocity;
        }
        SoftEnd(out);
        return out;
    };
}

Voice Piano() {
    // Slightly stretched partials, the upper ones dying first, and a hammer's knock.
    return [](const KeyPress& note, SoundRng& rng) {
        const double release = 0.3;
        std::vector<float> out(Frames(note.gate + release) + 1);
        const double sustain = 3.0 * std::pow(261.63 / note.frequency, 0.5);
        std::vector<Partial> partials;
        const double bright = 0.5 + note.velocity;
        for (int n = 1; n <= 10; ++n) {
            const double f = note.frequency * n * std::sqrt(1.0 + 0.0004 * n * n);
            if (f > 0.45 * kSampleRate) break;
            const double amp = std::pow(1.0 / n, 1.6 - 0.5 * bright) * (n == 1 ? 1.0 : 0.7);
            partials.emplace_back(f, amp, sustain / (1.0 + 0.6 * (n - 1)));
        }
        Svf knock(1800.0, 0.8);
        const size_t gate = Frames(note.gate);
        const double fall = std::exp(-1.0 / (0.07 * kSampleRate));
        double damper = 1.0;
        for (size_t i = 0; i < out.size(); ++i) {
            double sample = 0.0;
            for (Partial& p : partials)
                sample += p.Next();
            if (i < Frames(0.01)) sample += 0.3 * knock.Band(rng.Bipolar());
            if (i >= gate) damper *= fall;
            out[i] = static_cast<float>(sample * 0.4 * damper) * note.velocity;
        }
        SoftEnd(out);
        return out;
    };
}

namespace {

struct MalletPart {
    double ratio;
    double amplitude;
    double decayScale;
};

Voice Mallet(std::vector<MalletPart> parts, double decay, double tremoloHz) {
    return [parts = std::move(parts), decay, tremoloHz](const KeyPress& note, SoundRng& rng) {
        const double length = std::min(decay * 3.0, note.gate + decay * 1.5);
        std::vector<float> out(Frames(length) + 1);
        std::vector<Partial> partials;
        for (const MalletPart& part : parts) {
            if (note.frequency * part.ratio < 0.45 * kSampleRate)
                partials.emplace_back(note.frequency * part.ratio, part.amplitude,
                                      decay * part.decayScale);
        }
        Svf click(4000.0, 0.7);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double sample = 0.0;
            for (Partial& p : partials)
                sample += p.Next();
            if (i < Frames(0.004)) sample += 0.25 * click.Band(rng.Bipolar());
            if (tremoloHz > 0.0) sample *= 0.8 + 0.2 * std::sin(2.0 * kPi * tremoloHz * t);
            out[i] = static_cast<float>(sample * 0.5) * note.velocity;
        }
        SoftEnd(out);
        return out;
    };
}

}  // namespace

Voice Glockenspiel() {
    return Mallet({{1.0, 1.0, 1.0}, {2.76, 0.35, 0.5}, {5.4, 0.18, 0.25}, {8.93, 0.08, 0.15}}, 1.2,
                  0.0);
}

Voice Xylophone() {
    return Mallet({{1.0, 1.0, 1.0}, {3.0, 0.4, 0.4}, {6.1, 0.12, 0.2}}, 0.22, 0.0);
}

Voice Vibraphone() {
    return Mallet({{1.0, 1.0, 1.0}, {4.0, 0.25, 0.35}, {10.0, 0.05, 0.1}}, 1.4, 5.5);
}

Voice Harp() {
    return Pluck({.brightness = 0.45, .decay = 2.2, .damping = 0.6, .body = 5000.0});
}

Voice Harpsichord() {
    return Pluck({.brightness = 1.0, .decay = 1.4, .damping = 0.08, .body = 9000.0});
}

Voice Lute() {
    return Pluck({.brightness = 0.35, .decay = 1.1, .damping = 0.15, .body = 3200.0});
}

Voice Twang() {
    return Pluck({.brightness = 0.8,
                  .decay = 2.0,
                  .damping = 0.2,
                  .vibratoHz = 5.5,
                  .vibratoCents = 22.0,
                  .drive = 1.5f,
                  .body = 3800.0});
}

Voice Pizzicato() {
    return Pluck({.brightness = 0.3, .decay = 0.5, .damping = 0.1, .body = 2500.0});
}

}  // namespace qvx::content::sounds
